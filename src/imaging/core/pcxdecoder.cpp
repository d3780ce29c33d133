// SPDX-License-Identifier: GPL-2.0-or-later
#include "imaging/core/pcxdecoder.h"

#include "app/core/fileutil.h"
#include "app/core/usererror.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tk {

namespace {

constexpr qsizetype kHeaderSize = 128;
constexpr qsizetype kPaletteSize = 768;
constexpr int kHeaderPaletteOffset = 16;
constexpr int kMaxRun = 63;
// No real image comes near this; it keeps a stray huge file from being read whole.
constexpr qint64 kMaxFileSize = qint64(512) * 1024 * 1024;

enum class Layout { Indexed8, Indexed4, BlackWhite, Planar, Undecoded };

struct Header {
    int encoding = 0;
    int bitsPerPixel = 0;
    int planes = 0;
    int width = 0;
    int height = 0;
    int dpiX = 0;
    int dpiY = 0;
    int bytesPerLine = 0;
};

int word(const uchar* p)
{
    return p[0] | (p[1] << 8);
}

std::optional<Header> readHeader(const uchar* p, qsizetype size)
{
    if (size < kHeaderSize)
        return std::nullopt;
    Header h;
    h.encoding = p[2];
    h.bitsPerPixel = p[3];
    h.planes = p[65];
    if (p[0] != 10 || h.bitsPerPixel > 8 || (h.planes != 1 && h.planes != 3)
        || (h.encoding != 0 && h.encoding != 1))
        return std::nullopt;
    const int xmin = word(p + 4);
    const int ymin = word(p + 6);
    const int xmax = word(p + 8);
    const int ymax = word(p + 10);
    if (xmax < xmin || ymax < ymin)
        return std::nullopt;
    h.width = xmax - xmin + 1;
    h.height = ymax - ymin + 1;
    if (qint64(h.width) * h.height > kMaxPcxPixels)
        return std::nullopt;
    h.dpiX = word(p + 12);
    h.dpiY = word(p + 14);
    h.bytesPerLine = word(p + 66);
    return h;
}

Layout layoutOf(const Header& h)
{
    if (h.planes == 3)
        return Layout::Planar;
    switch (h.bitsPerPixel) {
    case 8:
        return Layout::Indexed8;
    case 4:
        return Layout::Indexed4;
    case 1:
        return Layout::BlackWhite;
    default:
        return Layout::Undecoded;
    }
}

// Bytes of one plane line that the pixels of a row read.
int bytesNeeded(Layout layout, int width)
{
    switch (layout) {
    case Layout::Indexed4:
        return (width + 1) / 2;
    case Layout::BlackWhite:
        return (width + 7) / 8;
    default:
        return width;
    }
}

// A large image is written once from start to end; on Linux, asking for huge pages
// before the first write saves most of the page faults (9 of some 60 ms for a
// 4096 x 4096 image). Only a hint: nothing changes when it is refused.
void adviseHugePages(QImage& image)
{
#ifdef Q_OS_LINUX
    constexpr uintptr_t kHugePage = uintptr_t(2) * 1024 * 1024;
    const auto begin = reinterpret_cast<uintptr_t>(image.bits());
    const uintptr_t end = begin + uintptr_t(image.sizeInBytes());
    const uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t last = end & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    Q_UNUSED(image);
#endif
}

int dotsPerMeter(int dpi)
{
    return qRound(dpi / 0.0254);
}

// The bulk paths copy and fill in pieces of this many bytes and may go past what
// they keep by up to as much; a line buffer has this much room after the line.
constexpr int kWide = 16;

[[maybe_unused]] uint64_t loadLittleEndian64(const uchar* p)
{
    uint64_t v;
    std::memcpy(&v, p, 8);
    if constexpr (std::endian::native == std::endian::big) {
        uint64_t swapped = 0;
        for (int i = 0; i < 8; ++i)
            swapped = (swapped << 8) | ((v >> (8 * i)) & 0xFF);
        v = swapped;
    }
    return v;
}

// Input bytes handled at once by the block decoder, and the bytes it may read: a
// run's value byte after the block and the wide copies.
constexpr int kBlock = 64;
constexpr int kBlockRead = kBlock + 1 + kWide;

// Bit k set when byte k of the 64 at p has both top bits set (a run byte, if it
// starts a token).
uint64_t runByteMask(const uchar* p)
{
    uint64_t mask = 0;
#ifdef __SSE2__
    const __m128i top = _mm_set1_epi8(char(0xC0));
    for (int i = 0; i < 4; ++i) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const __m128i runBytes = _mm_cmpeq_epi8(_mm_and_si128(chunk, top), top);
        mask |= uint64_t(uint32_t(_mm_movemask_epi8(runBytes))) << (16 * i);
    }
#else
    for (int i = 0; i < 8; ++i) {
        const uint64_t chunk = loadLittleEndian64(p + 8 * i);
        const uint64_t flags = (chunk & (chunk << 1) & 0x8080808080808080ULL) >> 7;
        // Gathers the eight flags (bits 0, 8, ..., 56) into bits 56 to 63.
        mask |= ((flags * 0x0102040810204080ULL) >> 56) << (8 * i);
    }
#endif
    return mask;
}

// The run bytes that start a token, for a block whose byte 0 starts one. The byte
// after a literal or after a run's value starts a token, so every stretch of run
// bytes starts one, and within it every other byte is a run byte and the others are
// values: keep the bits at the stretch's own parity.
uint64_t runTokens(uint64_t runBytes)
{
    const uint64_t even = 0x5555555555555555ULL;
    const uint64_t stretchStarts = runBytes & ~(runBytes << 1);
    // Adding a stretch's first bit clears the whole stretch with its carry.
    const uint64_t evenStretches = runBytes & ~(runBytes + (stretchStarts & even));
    return (evenStretches & even) | (runBytes & ~evenStretches & ~even);
}

// Copies n bytes in pieces of kWide, always at least one piece. The first copy is
// unconditional because whether a run follows a run or a literal is as hard to
// predict as anything else here.
void copyShort(uchar* dst, const uchar* src, size_t n)
{
    std::memcpy(dst, src, kWide);
    for (size_t i = kWide; i < n; i += kWide)
        std::memcpy(dst + i, src + i, kWide);
}

// Writes length bytes of value 8 at a time, always at least kWide.
void fillShort(uchar* dst, uchar value, unsigned length)
{
    const uint64_t pattern = value * 0x0101010101010101ULL;
    for (unsigned i = 0; i < unsigned(kWide); i += 8)
        std::memcpy(dst + i, &pattern, 8);
    for (unsigned i = kWide; i < length; i += 8)
        std::memcpy(dst + i, &pattern, 8);
}

// Decodes the tokens starting in the block at src (kBlockRead bytes readable) while
// their output and its wide writes stay before dstEnd, so that a run is never cut
// here; returns the input bytes consumed, kBlock or kBlock + 1 when the whole block
// was decoded.
size_t decodeBlock(const uchar* src, uint64_t runs, uchar*& dst, uchar* dstEnd)
{
    size_t next = 0; // first byte of the block not decoded yet
    while (runs != 0) {
        const auto at = size_t(std::countr_zero(runs));
        runs &= runs - 1;
        const size_t literals = at - next;
        if (size_t(dstEnd - dst) < literals + kBlock + 1) // a fill writes up to 64
            return next;
        copyShort(dst, src + next, literals);
        dst += literals;
        const unsigned length = src[at] & kMaxRun;
        fillShort(dst, src[at + 1], length);
        dst += length;
        next = at + 2;
    }
    if (next < size_t(kBlock)) {
        const size_t literals = kBlock - next;
        if (size_t(dstEnd - dst) < literals + kWide + 1)
            return next;
        copyShort(dst, src + next, literals);
        dst += literals;
        next = kBlock;
    }
    return next;
}

// Walks the image data from the first byte; every read is checked against the end.
class LineDecoder {
public:
    LineDecoder(const uchar* begin, const uchar* end, bool runLength)
        : m_pos(begin)
        , m_end(end)
        , m_runLength(runLength)
    { }

    // Fills exactly count bytes of out, which must be writable for kWide bytes more
    // (their content is undefined afterwards); false when the data end first.
    bool decodeLine(uchar* out, int count)
    {
        // Local copies: stores through out could alias the members and force reloads.
        const uchar* pos = m_pos;
        const uchar* const end = m_end;
        if (!m_runLength) {
            if (end - pos < count)
                return false;
            std::memcpy(out, pos, size_t(count));
            m_pos = pos + count;
            return true;
        }
        uchar* dst = out;
        uchar* const dstEnd = out + count;
        // Away from the ends, 64 input bytes at a time: the run bytes among them are
        // found with bit operations and the literals between them copied in bulk, so
        // the irregular mix of literals and runs in photographs costs no branches.
        while (end - pos >= kBlockRead && dstEnd - dst >= 2 * kBlock) {
            const uint64_t runs = runTokens(runByteMask(pos));
            const size_t consumed = decodeBlock(pos, runs, dst, dstEnd);
            pos += consumed;
            if (consumed < kBlock)
                break; // near the line end: finish it below
        }
        while (dst < dstEnd) {
            if (pos == end)
                return false;
            const uchar b = *pos;
            if (b < 0xC0) {
                *dst++ = b;
                ++pos;
                continue;
            }
            // A run: its length byte and value byte; the part past the line end is dropped.
            if (end - pos < 2)
                return false;
            const size_t length = std::min<size_t>(b & kMaxRun, size_t(dstEnd - dst));
            const uchar value = pos[1];
            pos += 2;
            if (length <= size_t(kWide)) {
                const uint64_t pattern = value * 0x0101010101010101ULL;
                std::memcpy(dst, &pattern, 8);
                std::memcpy(dst + 8, &pattern, 8);
            } else {
                std::memset(dst, value, length);
            }
            dst += length;
        }
        m_pos = pos;
        return true;
    }

private:
    const uchar* m_pos;
    const uchar* m_end;
    bool m_runLength;
};

// Input bytes that the rows need at the least: a rejection that needs no allocation
// when a header promises far more than the file holds.
qint64 minimumDataSize(const Header& h)
{
    if (h.bytesPerLine == 0)
        return 0;
    const qint64 perLine = h.encoding == 0 ? h.bytesPerLine : (h.bytesPerLine + kMaxRun - 1) / kMaxRun;
    return perLine * h.planes * h.height;
}

void convertIndexed8(const uchar* line, int width, const uchar* palette, uchar* out)
{
    for (int x = 0; x < width; ++x) {
        const uchar* c = palette + 3 * line[x];
        out[0] = c[0];
        out[1] = c[1];
        out[2] = c[2];
        out += 3;
    }
}

void convertIndexed4(const uchar* line, int width, const uchar* palette, uchar* out)
{
    for (int x = 0; x < width; ++x) {
        const uchar b = line[x / 2];
        const uchar* c = palette + 3 * ((x % 2 == 0) ? (b >> 4) : (b & 0x0F));
        out[0] = c[0];
        out[1] = c[1];
        out[2] = c[2];
        out += 3;
    }
}

void convertBlackWhite(const uchar* line, int width, uchar* out)
{
    for (int x = 0; x < width; ++x) {
        const uchar v = ((line[x / 8] >> (7 - x % 8)) & 1) ? 255 : 0;
        out[0] = v;
        out[1] = v;
        out[2] = v;
        out += 3;
    }
}

uint32_t load32(const uchar* p)
{
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void store32(uchar* p, uint32_t v)
{
    std::memcpy(p, &v, 4);
}

void convertPlanar(const uchar* red, const uchar* green, const uchar* blue, int width, uchar* out)
{
    int x = 0;
    if constexpr (std::endian::native == std::endian::little) {
        // Four pixels in three 32-bit stores instead of twelve byte stores.
        for (; x + 4 <= width; x += 4) {
            const uint32_t r = load32(red + x);
            const uint32_t g = load32(green + x);
            const uint32_t b = load32(blue + x);
            store32(out, (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16 | (r & 0xFF00) << 16);
            store32(out + 4, (g >> 8 & 0xFF) | (b & 0xFF00) | (r & 0xFF0000) | (g & 0xFF0000) << 8);
            store32(out + 8, (b >> 16 & 0xFF) | (r >> 16 & 0xFF00) | (g >> 8 & 0xFF0000) | (b & 0xFF000000));
            out += 12;
        }
    }
    for (; x < width; ++x) {
        out[0] = red[x];
        out[1] = green[x];
        out[2] = blue[x];
        out += 3;
    }
}

} // namespace

QString unrecognizedPcxMessage()
{
    return QCoreApplication::translate("PcxDecoder", "unrecognized PCX");
}

QSize displayLogicalDpi()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const int x = qRound(screen->logicalDotsPerInchX());
            const int y = qRound(screen->logicalDotsPerInchY());
            if (x > 0 && y > 0)
                return QSize(x, y);
        }
    }
    return QSize(96, 96);
}

std::optional<QImage> decodePcx(const QByteArray& data, QSize displayDpi)
{
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype size = data.size();
    const std::optional<Header> header = readHeader(bytes, size);
    if (!header)
        return std::nullopt;
    const Header& h = *header;
    const Layout layout = layoutOf(h);

    const uchar* palette = nullptr;
    if (h.planes == 1 && h.bitsPerPixel > 4) {
        if (size < kHeaderSize + kPaletteSize)
            return std::nullopt;
        palette = bytes + size - kPaletteSize;
    } else if (layout == Layout::Indexed4) {
        palette = bytes + kHeaderPaletteOffset;
    }

    const qsizetype dataSize = size - kHeaderSize;
    if (layout != Layout::Undecoded && minimumDataSize(h) > dataSize)
        return std::nullopt;

    QImage image(h.width, h.height, QImage::Format_RGB888);
    if (image.isNull())
        return std::nullopt;
    adviseHugePages(image);
    if (h.dpiX == 0 || h.dpiY == 0) {
        image.setDotsPerMeterX(dotsPerMeter(displayDpi.width()));
        image.setDotsPerMeterY(dotsPerMeter(displayDpi.height()));
    } else {
        image.setDotsPerMeterX(dotsPerMeter(h.dpiX));
        image.setDotsPerMeterY(dotsPerMeter(h.dpiY));
    }
    if (layout == Layout::Undecoded) {
        image.fill(Qt::black);
        return image;
    }

    // One buffer for the plane lines of a row. Each plane's slot is long enough for
    // the pixels even when the header's bytes per line are fewer; those missing
    // bytes read as 0.
    const int bpl = h.bytesPerLine;
    const int needed = bytesNeeded(layout, h.width);
    const size_t slot = size_t(std::max(bpl, needed)) + kWide;
    std::vector<uchar> line(slot * size_t(h.planes), 0);
    LineDecoder decoder(bytes + kHeaderSize, bytes + size, h.encoding == 1);

    for (int y = 0; y < h.height; ++y) {
        for (int plane = 0; plane < h.planes; ++plane) {
            uchar* planeLine = line.data() + size_t(plane) * slot;
            if (!decoder.decodeLine(planeLine, bpl))
                return std::nullopt;
            if (needed > bpl)
                std::memset(planeLine + bpl, 0, size_t(needed - bpl));
        }
        uchar* out = image.scanLine(y);
        switch (layout) {
        case Layout::Indexed8:
            convertIndexed8(line.data(), h.width, palette, out);
            break;
        case Layout::Indexed4:
            convertIndexed4(line.data(), h.width, palette, out);
            break;
        case Layout::BlackWhite:
            convertBlackWhite(line.data(), h.width, out);
            break;
        case Layout::Planar:
            convertPlanar(line.data(), line.data() + slot, line.data() + 2 * slot, h.width, out);
            break;
        case Layout::Undecoded:
            break;
        }
    }
    return image;
}

std::optional<QImage> decodePcx(const QByteArray& data)
{
    return decodePcx(data, displayLogicalDpi());
}

QImage decodePcxFile(const QString& path, QSize displayDpi)
{
    QByteArray data;
    if (!readFile(path, &data, kMaxFileSize))
        throw UserError(unrecognizedPcxMessage());
    std::optional<QImage> image = decodePcx(data, displayDpi);
    if (!image)
        throw UserError(unrecognizedPcxMessage());
    return *std::move(image);
}

QImage decodePcxFile(const QString& path)
{
    return decodePcxFile(path, displayLogicalDpi());
}

} // namespace tk
