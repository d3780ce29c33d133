// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/usererror.h"
#include "imaging/core/pcxdecoder.h"

#include <QFile>
#include <QList>
#include <QRgb>
#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using tk::decodePcx;

namespace {

const QSize kDisplayDpi(123, 45);

QString pcxDataPath(const QString& name)
{
    return QStringLiteral(TARRAKIND_TEST_DATA "/pcx/") + name;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

struct Ppm {
    int width = 0;
    int height = 0;
    QByteArray rgb;
};

// Binary PPM (P6) with 8-bit channels; comments allowed in the header.
std::optional<Ppm> readPpm(const QByteArray& bytes)
{
    qsizetype pos = 0;
    auto skipBlanks = [&] {
        while (pos < bytes.size()) {
            if (bytes[pos] == '#') {
                while (pos < bytes.size() && bytes[pos] != '\n')
                    ++pos;
            } else if (QChar::isSpace(uchar(bytes[pos]))) {
                ++pos;
            } else {
                break;
            }
        }
    };
    auto number = [&]() -> int {
        skipBlanks();
        int value = -1;
        while (pos < bytes.size() && bytes[pos] >= '0' && bytes[pos] <= '9')
            value = (value < 0 ? 0 : value * 10) + (bytes[pos++] - '0');
        return value;
    };
    if (!bytes.startsWith("P6"))
        return std::nullopt;
    pos = 2;
    Ppm ppm;
    ppm.width = number();
    ppm.height = number();
    const int maxValue = number();
    if (ppm.width <= 0 || ppm.height <= 0 || maxValue != 255 || pos >= bytes.size())
        return std::nullopt;
    ++pos; // the single blank before the raster
    ppm.rgb = bytes.mid(pos);
    if (ppm.rgb.size() != qsizetype(ppm.width) * ppm.height * 3)
        return std::nullopt;
    return ppm;
}

QSize dpiOf(const QImage& image)
{
    return QSize(qRound(image.dotsPerMeterX() * 0.0254), qRound(image.dotsPerMeterY() * 0.0254));
}

// "296 x 164", or "display (...)" for the display's resolution.
QSize expectedResolution(const std::string& column)
{
    const QString text = QString::fromStdString(column);
    if (text.startsWith(QLatin1String("display")))
        return kDisplayDpi;
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return {};
    return QSize(parts[0].trimmed().toInt(), parts[1].trimmed().toInt());
}

std::string firstPixelDifference(const QImage& image, const Ppm& ppm)
{
    for (int y = 0; y < ppm.height; ++y) {
        const uchar* got = image.constScanLine(y);
        const auto* want = reinterpret_cast<const uchar*>(ppm.rgb.constData()) + size_t(y) * ppm.width * 3;
        for (int x = 0; x < ppm.width * 3; ++x) {
            if (got[x] != want[x])
                return "pixel (" + std::to_string(x / 3) + ", " + std::to_string(y) + ") channel "
                    + std::to_string(x % 3) + ": got " + std::to_string(got[x]) + ", want "
                    + std::to_string(want[x]);
        }
    }
    return {};
}

struct ManifestRow {
    std::string file;
    std::string expected;
    std::string expectedPpm;
    std::string resolution;
};

std::vector<ManifestRow> manifestRows()
{
    std::vector<ManifestRow> rows;
    const QList<QByteArray> lines = readBytes(pcxDataPath(QStringLiteral("MANIFEST.tsv"))).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> cells = lines[i].split('\t');
        if (cells.size() < 7)
            continue;
        rows.push_back({ cells[0].toStdString(), cells[4].toStdString(), cells[5].toStdString(),
            cells[6].toStdString() });
    }
    return rows;
}

class PcxManifest : public ::testing::TestWithParam<ManifestRow> { };

TEST_P(PcxManifest, DecodesAsTheGroundTruthSays)
{
    const ManifestRow& row = GetParam();
    const QByteArray data = readBytes(pcxDataPath(QString::fromStdString(row.file)));
    ASSERT_FALSE(data.isEmpty()) << row.file;
    const std::optional<QImage> image = decodePcx(data, kDisplayDpi);

    if (row.expected == "decode") {
        ASSERT_TRUE(image.has_value()) << row.file << " was rejected";
        const std::optional<Ppm> ppm
            = readPpm(readBytes(pcxDataPath(QString::fromStdString(row.expectedPpm))));
        ASSERT_TRUE(ppm.has_value()) << row.expectedPpm;
        EXPECT_EQ(image->format(), QImage::Format_RGB888);
        ASSERT_EQ(image->size(), QSize(ppm->width, ppm->height));
        EXPECT_EQ(firstPixelDifference(*image, *ppm), "");
        const QSize resolution = expectedResolution(row.resolution);
        ASSERT_TRUE(resolution.isValid()) << row.resolution;
        EXPECT_EQ(dpiOf(*image), resolution);
    } else if (row.expected.rfind("reject", 0) == 0) {
        EXPECT_FALSE(image.has_value()) << row.file << " was accepted";
    } else {
        // The outcome is ours to choose; an image, when there is one, is a whole one.
        ASSERT_EQ(row.expected.rfind("no-crash", 0), 0u) << row.expected;
        if (image) {
            EXPECT_FALSE(image->isNull());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Testdata, PcxManifest, ::testing::ValuesIn(manifestRows()),
    [](const ::testing::TestParamInfo<ManifestRow>& paramInfo) {
        std::string name = paramInfo.param.file;
        for (char& c : name) {
            if (!std::isalnum(uchar(c)))
                c = '_';
        }
        return name;
    });

TEST(PcxManifestFile, EveryRowIsRead)
{
    // Guards against rows silently dropped by the parsing above.
    const QList<QByteArray> lines
        = readBytes(pcxDataPath(QStringLiteral("MANIFEST.tsv"))).trimmed().split('\n');
    ASSERT_GT(lines.size(), 40);
    EXPECT_EQ(manifestRows().size(), size_t(lines.size() - 1));
}

// Outcomes of the files the ground truth leaves to us.
TEST(PcxDecoder, ChoicesForFilesLeftToTheImplementer)
{
    struct Case {
        const char* file;
        bool accepted;
    };
    const Case cases[] = {
        { "bpp2_ppmtopcx_packed.pcx", true }, // header size, black
        { "negpos_ppmtopcx8.pcx", false }, // maximum below minimum
        { "trunc_half.pcx", false }, // data end before the last row
        { "trunc_header.pcx", false }, // no complete header
        { "trunc_nopalette.pcx", false }, // too short for a palette of its own
    };
    for (const Case& c : cases) {
        const std::optional<QImage> image
            = decodePcx(readBytes(pcxDataPath(QString::fromLatin1(c.file))), kDisplayDpi);
        EXPECT_EQ(image.has_value(), c.accepted) << c.file;
    }
    const std::optional<QImage> bpp2
        = decodePcx(readBytes(pcxDataPath(QStringLiteral("bpp2_ppmtopcx_packed.pcx"))), kDisplayDpi);
    ASSERT_TRUE(bpp2.has_value());
    EXPECT_EQ(bpp2->size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(bpp2->pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
    }
}

// --- Files made in the test -------------------------------------------------

void putWord(QByteArray& bytes, int offset, int value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char((value >> 8) & 0xFF);
}

QByteArray header(int encoding, int bitsPerPixel, int planes, int width, int height, int bytesPerLine)
{
    QByteArray h(128, '\0');
    h[0] = 10;
    h[1] = 5;
    h[2] = char(encoding);
    h[3] = char(bitsPerPixel);
    putWord(h, 8, width - 1);
    putWord(h, 10, height - 1);
    putWord(h, 12, 72);
    putWord(h, 14, 72);
    h[65] = char(planes);
    putWord(h, 66, bytesPerLine);
    return h;
}

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

QRgb paletteColour(int i)
{
    return qRgb(i, 255 - i, (i * 7) % 256);
}

QByteArray palette256()
{
    QByteArray p;
    for (int i = 0; i < 256; ++i) {
        const QRgb c = paletteColour(i);
        p.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    return p;
}

QRgb headerPaletteColour(int i)
{
    return qRgb(i * 16, 255 - i * 16, i * 3);
}

QByteArray withHeaderPalette(QByteArray h)
{
    for (int i = 0; i < 16; ++i) {
        const QRgb c = headerPaletteColour(i);
        h[16 + 3 * i] = char(qRed(c));
        h[17 + 3 * i] = char(qGreen(c));
        h[18 + 3 * i] = char(qBlue(c));
    }
    return h;
}

std::vector<QRgb> pixelsOf(const QImage& image)
{
    std::vector<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            pixels.push_back(image.pixel(x, y));
    }
    return pixels;
}

const QRgb W = qRgb(255, 255, 255);
const QRgb B = qRgb(0, 0, 0);

struct CraftedCase {
    const char* name;
    QByteArray file;
    QSize size;
    std::vector<QRgb> pixels; // row by row
};

std::vector<CraftedCase> craftedCases()
{
    auto p = paletteColour;
    auto hp = headerPaletteColour;
    return {
        { "run C5 10 gives five bytes of 16",
            header(1, 8, 1, 5, 1, 5) + bytesOf({ 0xC5, 0x10 }) + palette256(), QSize(5, 1),
            { p(16), p(16), p(16), p(16), p(16) } },
        { "run crossing the line end is cut there",
            header(1, 8, 1, 3, 2, 3) + bytesOf({ 0xC5, 0x01, 0x02, 0x03, 0x04 }) + palette256(), QSize(3, 2),
            { p(1), p(1), p(1), p(2), p(3), p(4) } },
        { "run of length 0 consumes its value byte",
            header(1, 8, 1, 2, 1, 2) + bytesOf({ 0xC0, 0x07, 0x05, 0x06 }) + palette256(), QSize(2, 1),
            { p(5), p(6) } },
        { "literal bytes below 192", header(1, 8, 1, 3, 1, 3) + bytesOf({ 0x00, 0x7F, 0xBF }) + palette256(),
            QSize(3, 1), { p(0), p(127), p(191) } },
        { "run of a value of 192 or more", header(1, 8, 1, 2, 1, 2) + bytesOf({ 0xC2, 0xFF }) + palette256(),
            QSize(2, 1), { p(255), p(255) } },
        { "1 bit, 10 wide, 2 bytes per line, most significant bit first",
            header(1, 1, 1, 10, 2, 2) + bytesOf({ 0xB2, 0xBF, 0xC2, 0x4C }), QSize(10, 2),
            { W, B, W, W, B, B, W, B, W, B, B, W, B, B, W, W, B, B, B, W } },
        { "4 bits, 3 wide: high half, low half, high half",
            withHeaderPalette(header(1, 4, 1, 3, 1, 2)) + bytesOf({ 0x12, 0x3F }), QSize(3, 1),
            { hp(1), hp(2), hp(3) } },
        { "3 planes: red, green, blue lines of a row",
            header(0, 8, 3, 2, 2, 2) + bytesOf({ 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 }), QSize(2, 2),
            { qRgb(1, 3, 5), qRgb(2, 4, 6), qRgb(7, 9, 11), qRgb(8, 10, 12) } },
        { "3 planes of 1 bit: bytes are the channels",
            header(1, 1, 3, 2, 1, 1) + bytesOf({ 0x80, 0x40, 0x20 }), QSize(2, 1),
            { qRgb(0x80, 0x40, 0x20), B } },
        { "8 bits, bytes per line short of the width: missing bytes are 0",
            header(1, 8, 1, 4, 1, 2) + bytesOf({ 0x05, 0x06 }) + palette256(), QSize(4, 1),
            { p(5), p(6), p(0), p(0) } },
        { "bytes per line 0: every byte missing", header(1, 8, 1, 2, 2, 0) + palette256(), QSize(2, 2),
            { p(0), p(0), p(0), p(0) } },
        { "4 bits, bytes per line 1 for 4 pixels",
            withHeaderPalette(header(0, 4, 1, 4, 1, 1)) + bytesOf({ 0x9A }), QSize(4, 1),
            { hp(9), hp(10), hp(0), hp(0) } },
        { "stored lines with padding",
            header(0, 8, 1, 2, 2, 3) + bytesOf({ 4, 5, 99, 6, 7, 99 }) + palette256(), QSize(2, 2),
            { p(4), p(5), p(6), p(7) } },
        { "raster byte inside the palette of a file of exactly 896 bytes",
            header(0, 8, 1, 1, 1, 1) + bytesOf({ 9 }) + palette256().mid(1), QSize(1, 1), { p(9) } },
    };
}

TEST(PcxDecoder, CraftedLayouts)
{
    for (const CraftedCase& c : craftedCases()) {
        const std::optional<QImage> image = decodePcx(c.file, kDisplayDpi);
        ASSERT_TRUE(image.has_value()) << c.name;
        EXPECT_EQ(image->size(), c.size) << c.name;
        EXPECT_EQ(pixelsOf(*image), c.pixels) << c.name;
    }
}

// Long lines go through the decoder's bulk path; every way of encoding a line must
// give back the same bytes. The lines are random, so the expected image is known
// before encoding.
class LineEncoder {
public:
    explicit LineEncoder(uint32_t seed)
        : m_seed(seed)
    { }

    uint32_t next(uint32_t n)
    {
        m_seed = m_seed * 1664525u + 1013904223u;
        return uint32_t((uint64_t(m_seed) * n) >> 32);
    }

    // Random bytes with stretches of equal values, some of them long.
    QByteArray randomLine(int count)
    {
        QByteArray line;
        while (line.size() < count) {
            const auto value = char(next(256));
            const uint32_t kind = next(10);
            const int repeat = kind < 6 ? 1 : kind < 9 ? 1 + int(next(8)) : 1 + int(next(150));
            line.append(QByteArray(std::min<qsizetype>(repeat, count - line.size()), value));
        }
        return line;
    }

    // Encodes line in one of many legal ways: literals where possible, runs of one,
    // runs split at random, zero-length runs, and a last run longer than the line.
    QByteArray encode(const QByteArray& line)
    {
        QByteArray out;
        qsizetype i = 0;
        while (i < line.size()) {
            if (next(20) == 0)
                out.append(char(0xC0)).append(char(next(256)));
            const auto value = uchar(line[i]);
            qsizetype run = 1;
            while (i + run < line.size() && run < 63 && uchar(line[i + run]) == value)
                ++run;
            run = 1 + qsizetype(next(uint32_t(run)));
            const bool last = i + run == line.size();
            if (last && next(3) == 0)
                run = std::min<qsizetype>(63, run + 1 + next(10));
            if (run == 1 && value < 0xC0 && next(4) != 0) {
                out.append(char(value));
            } else {
                out.append(char(0xC0 | run)).append(char(value));
            }
            i += run;
        }
        return out;
    }

private:
    uint32_t m_seed;
};

TEST(PcxDecoder, EveryEncodingOfLongLinesDecodesToTheSameBytes)
{
    LineEncoder encoder(20261208);
    for (int width :
        { 1, 2, 15, 16, 17, 63, 64, 65, 80, 81, 127, 128, 129, 191, 255, 256, 300, 1000, 4096 }) {
        for (int repetition = 0; repetition < 3; ++repetition) {
            const int height = 4;
            QByteArray file = header(1, 8, 3, width, height, width);
            std::vector<QByteArray> planes; // row by row, red, green, blue
            for (int line = 0; line < 3 * height; ++line) {
                planes.push_back(encoder.randomLine(width));
                file += encoder.encode(planes.back());
            }
            const std::optional<QImage> image = decodePcx(file, kDisplayDpi);
            ASSERT_TRUE(image.has_value()) << width;
            ASSERT_EQ(image->size(), QSize(width, height));
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const QRgb want = qRgb(
                        uchar(planes[3 * y][x]), uchar(planes[3 * y + 1][x]), uchar(planes[3 * y + 2][x]));
                    ASSERT_EQ(image->pixel(x, y), want) << "width " << width << " pixel " << x << "," << y;
                }
            }
        }
    }
}

TEST(PcxDecoder, DataCutAnywhereIsRejected)
{
    LineEncoder encoder(7);
    const int width = 300;
    QByteArray file = header(1, 8, 3, width, 3, width + 2);
    for (int line = 0; line < 9; ++line)
        file += encoder.encode(encoder.randomLine(width + 2));
    ASSERT_TRUE(decodePcx(file, kDisplayDpi).has_value());
    for (qsizetype size = 0; size < file.size(); ++size)
        ASSERT_FALSE(decodePcx(file.left(size), kDisplayDpi).has_value()) << size << " of " << file.size();
}

TEST(PcxDecoder, ResolutionFallsBackToTheDisplayWhenEitherValueIsZero)
{
    struct Case {
        int x, y;
        QSize expected;
    };
    const Case cases[] = {
        { 0, 72, kDisplayDpi },
        { 72, 0, kDisplayDpi },
        { 0, 0, kDisplayDpi },
        { 72, 96, QSize(72, 96) },
        { 300, 1, QSize(300, 1) },
    };
    for (const Case& c : cases) {
        QByteArray file = header(1, 8, 3, 1, 1, 1) + bytesOf({ 1, 2, 3 });
        putWord(file, 12, c.x);
        putWord(file, 14, c.y);
        const std::optional<QImage> image = decodePcx(file, kDisplayDpi);
        ASSERT_TRUE(image.has_value()) << c.x << "x" << c.y;
        EXPECT_EQ(dpiOf(*image), c.expected) << c.x << "x" << c.y;
    }
}

TEST(PcxDecoder, RejectsHeadersOutsideTheAcceptedLayouts)
{
    const QByteArray raster = bytesOf({ 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 }) + palette256();
    struct Case {
        const char* name;
        int offset;
        int value;
    };
    const Case cases[] = {
        { "manufacturer 11", 0, 11 },
        { "manufacturer 0", 0, 0 },
        { "encoding 2", 2, 2 },
        { "encoding 255", 2, 255 },
        { "9 bits per pixel", 3, 9 },
        { "16 bits per pixel", 3, 16 },
        { "0 planes", 65, 0 },
        { "2 planes", 65, 2 },
        { "4 planes", 65, 4 },
    };
    for (const Case& c : cases) {
        QByteArray file = header(1, 8, 1, 2, 2, 2) + raster;
        ASSERT_TRUE(decodePcx(file, kDisplayDpi).has_value()) << c.name;
        file[c.offset] = char(c.value);
        EXPECT_FALSE(decodePcx(file, kDisplayDpi).has_value()) << c.name;
    }
}

TEST(PcxDecoder, RejectsIncompleteOrImpossibleFiles)
{
    QByteArray xBelow = header(1, 8, 3, 1, 1, 1) + bytesOf({ 1, 2, 3 });
    putWord(xBelow, 4, 5);
    putWord(xBelow, 8, 4);
    QByteArray yBelow = header(1, 8, 3, 1, 1, 1) + bytesOf({ 1, 2, 3 });
    putWord(yBelow, 6, 1);
    putWord(yBelow, 10, 0);
    QByteArray huge = header(1, 8, 3, 65535, 65535, 65535) + QByteArray(72, '\x01');
    QByteArray hugeUndecoded = header(1, 2, 1, 65535, 65535, 0) + QByteArray(72, '\x01');
    QByteArray bigButEmpty = header(1, 8, 3, 8192, 8192, 8192) + QByteArray(72, '\x01');

    struct Case {
        const char* name;
        QByteArray file;
    };
    const Case cases[] = {
        { "empty", QByteArray() },
        { "127 bytes of header", header(1, 8, 3, 1, 1, 1).left(127) },
        { "header only", header(1, 8, 3, 1, 1, 1) },
        { "xmax below xmin", xBelow },
        { "ymax below ymin", yBelow },
        { "second row missing", withHeaderPalette(header(1, 4, 1, 3, 2, 2)) + bytesOf({ 0x12, 0x3F }) },
        { "run without its value byte", header(1, 8, 3, 1, 1, 1) + bytesOf({ 0x01, 0x02, 0xC1 }) },
        { "stored data one byte short", header(0, 8, 3, 2, 1, 2) + bytesOf({ 1, 2, 3, 4, 5 }) },
        { "8 bits, file shorter than header and palette",
            header(1, 8, 1, 1, 1, 1) + bytesOf({ 0x05 }) + QByteArray(700, '\0') },
        { "5 bits, file shorter than header and palette", header(1, 5, 1, 1, 1, 1) + QByteArray(767, '\0') },
        { "65535 x 65535 in 200 bytes", huge },
        { "65535 x 65535 undecoded layout in 200 bytes", hugeUndecoded },
        { "8192 x 8192 x 3 planes in 200 bytes", bigButEmpty },
    };
    for (const Case& c : cases)
        EXPECT_FALSE(decodePcx(c.file, kDisplayDpi).has_value()) << c.name;
}

TEST(PcxDecoder, UndecodedBitDepthsGiveABlackImageOfTheHeaderSize)
{
    for (int bits : { 0, 2, 3, 5, 6, 7 }) {
        const QByteArray file = header(1, bits, 1, 3, 2, 1) + QByteArray(768, '\x7F');
        const std::optional<QImage> image = decodePcx(file, kDisplayDpi);
        ASSERT_TRUE(image.has_value()) << bits;
        EXPECT_EQ(image->size(), QSize(3, 2)) << bits;
        EXPECT_EQ(pixelsOf(*image), std::vector<QRgb>(6, B)) << bits;
    }
}

TEST(PcxDecoderFile, ReadsAFileAndReportsRejectionsAsUserErrors)
{
    const QImage image = tk::decodePcxFile(pcxDataPath(QStringLiteral("skin256_pil.pcx")), kDisplayDpi);
    EXPECT_EQ(image.size(), QSize(256, 128));
    EXPECT_EQ(dpiOf(image), QSize(100, 100));

    for (const QString& name : { QStringLiteral("bad_manuf11.pcx"), QStringLiteral("trunc_header.pcx"),
             QStringLiteral("does-not-exist.pcx"), QString() }) {
        try {
            tk::decodePcxFile(pcxDataPath(name), kDisplayDpi);
            ADD_FAILURE() << "accepted " << name.toStdString();
        } catch (const tk::UserError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("unrecognized PCX")) << name.toStdString();
        }
    }
}

} // namespace
