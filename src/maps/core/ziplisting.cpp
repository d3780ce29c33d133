// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/ziplisting.h"

#include "app/core/fileutil.h"
#include "app/core/textcodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <array>
#include <limits>
#include <optional>

#if __has_include(<iconv.h>)
#include <iconv.h>
#define TARRAKIND_HAVE_ICONV 1
#endif

namespace tk {

namespace {

constexpr qint64 kEndRecordSize = 22;
constexpr qint64 kEndSearchSpan = kEndRecordSize + 0xFFFF; // the record and the longest comment
constexpr qint64 kHeaderSize = 46;
constexpr qint64 kZip64RecordSize = 56; // without extensible data
constexpr qint64 kZip64LocatorSize = 20;
constexpr quint16 kUtf8NameFlag = 0x0800;
constexpr qint64 kReadChunk = 64 * 1024;
constexpr qint64 kPaddingBlock = 512;

quint16 le16(const char* p)
{
    return quint16(quint8(p[0]) | quint8(p[1]) << 8);
}

quint32 le32(const char* p)
{
    return quint32(le16(p)) | quint32(le16(p + 2)) << 16;
}

quint64 le64(const char* p)
{
    return quint64(le32(p)) | quint64(le32(p + 4)) << 32;
}

bool hasSignature(const char* p, char third, char fourth)
{
    return p[0] == 'P' && p[1] == 'K' && p[2] == third && p[3] == fourth;
}

// Random access to the archive's bytes. A view is valid until the next call and is
// shorter than asked at the end of the data or on a read error.
class Source {
public:
    virtual ~Source() = default;
    virtual qint64 size() const = 0;
    virtual QByteArrayView view(qint64 pos, qint64 len) = 0;
    // Views will lie before end: reading ahead stops there.
    virtual void limitReadAheadTo(qint64 /*end*/) { }
};

class MemorySource final : public Source {
public:
    explicit MemorySource(QByteArrayView data)
        : m_data(data)
    { }
    qint64 size() const override { return m_data.size(); }
    QByteArrayView view(qint64 pos, qint64 len) override
    {
        if (pos < 0 || pos >= size() || len <= 0)
            return {};
        return m_data.sliced(pos, qMin(len, size() - pos));
    }

private:
    QByteArrayView m_data;
};

// Reads the file through one window of at least kReadChunk bytes, so that walking a
// central directory costs a read per chunk rather than two per entry, and never asks
// for more than the file holds whatever sizes a damaged archive claims.
class FileSource final : public Source {
public:
    explicit FileSource(QFile& file)
        : m_file(file)
        , m_size(file.size())
    { }
    qint64 size() const override { return m_size; }
    QByteArrayView view(qint64 pos, qint64 len) override
    {
        if (pos < 0 || pos >= m_size || len <= 0)
            return {};
        len = qMin(len, m_size - pos);
        if (pos >= m_windowPos && pos + len <= m_windowPos + m_windowLen)
            return QByteArrayView(m_window.constData() + (pos - m_windowPos), len);
        const qint64 want = qMin(qMax(len, qMin(kReadChunk, m_readEnd - pos)), m_size - pos);
        if (m_window.size() < want)
            m_window.resize(want);
        m_windowPos = pos;
        m_windowLen = 0;
        if (!m_file.seek(pos))
            return {};
        m_windowLen = qMax<qint64>(0, m_file.read(m_window.data(), want));
        return QByteArrayView(m_window.constData(), qMin(m_windowLen, len));
    }

    void limitReadAheadTo(qint64 end) override { m_readEnd = end; }

private:
    QFile& m_file;
    qint64 m_size;
    qint64 m_readEnd = std::numeric_limits<qint64>::max();
    QByteArray m_window;
    qint64 m_windowPos = 0;
    qint64 m_windowLen = 0;
};

using HighHalf = std::array<char16_t, 128>;

#ifdef TARRAKIND_HAVE_ICONV
// For a Qt built without ICU, whose decoder knows only the Unicode encodings and Latin-1.
bool fillWithIconv(HighHalf& table)
{
    iconv_t cd = iconv_open("UTF-16LE", "IBM437");
    if (cd == iconv_t(-1))
        return false;
    bool ok = true;
    for (int b = 0x80; b <= 0xFF && ok; ++b) {
        char in = char(b);
        unsigned char out[4] = {};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(out);
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1) && outLeft == 2;
        table[b - 0x80] = char16_t(out[0] | out[1] << 8);
    }
    iconv_close(cd);
    return ok;
}
#endif

// Code page 437 is a single-byte code whose upper half lies in the Basic Multilingual
// Plane, so one table of the converter's answers serves every name.
const HighHalf& cp437HighHalf()
{
    static const HighHalf table = [] {
        HighHalf t;
        t.fill(QChar::ReplacementCharacter);
        QStringDecoder decoder("IBM437", QStringDecoder::Flag::Stateless);
        if (decoder.isValid()) {
            for (int b = 0x80; b <= 0xFF; ++b) {
                const char byte = char(b);
                const QString c = decoder.decode(QByteArrayView(&byte, 1));
                if (c.size() == 1)
                    t[b - 0x80] = c[0].unicode();
            }
            return t;
        }
#ifdef TARRAKIND_HAVE_ICONV
        if (!fillWithIconv(t))
            t.fill(QChar::ReplacementCharacter);
#endif
        return t;
    }();
    return table;
}

// Names written on MS-DOS, OS/2 and Windows NT are in the OEM code page. The lower half
// stays as stored: the converters map a few control bytes there to other controls.
QString fromOem(QByteArrayView raw)
{
    const HighHalf& high = cp437HighHalf();
    QString name(raw.size(), Qt::Uninitialized);
    QChar* out = name.data();
    for (const char c : raw) {
        const auto b = quint8(c);
        *out++ = b < 0x80 ? QChar(char16_t(b)) : QChar(high[b - 0x80]);
    }
    return name;
}

// Names written by MS-DOS and OS/2 hosts, and by NTFS hosts of version 5.0, are in
// the OEM code page.
bool isOemHost(int host, int version)
{
    return host == 0 || host == 6 || (host == 11 && version == 50);
}

void note(ZipListing& listing, ZipDiagnostic kind)
{
    if (!listing.diagnostics.contains(kind))
        listing.diagnostics.append(kind);
}

bool allZero(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (c != 0)
            return false;
    }
    return true;
}

// What an end record says of the central directory: it ends at end, where the record
// (or the zip64 end record) begins.
struct Directory {
    qint64 end = 0;
    quint64 entryCount = 0;
    quint64 size = 0;
    quint64 storedOffset = 0;
};

// Archives of 65,535 entries or more, and those written as a stream or with zip64 forced,
// put a zip64 end record and its locator between the central directory and the end
// record; their counts, size and offset are the ones to read. The record normally lies
// right before the locator; one with extensible data is found through the locator's
// offset. A record counts only when it ends exactly at the locator, so stray signatures
// in a comment or a damaged locator leave the end record's own fields in force.
std::optional<Directory> zip64Directory(Source& source, qint64 recordPos)
{
    const qint64 locatorPos = recordPos - kZip64LocatorSize;
    const qint64 lastStart = locatorPos - kZip64RecordSize;
    if (lastStart < 0)
        return std::nullopt;
    const QByteArrayView locator = source.view(locatorPos, kZip64LocatorSize);
    if (locator.size() < kZip64LocatorSize || !hasSignature(locator.data(), 6, 7))
        return std::nullopt;
    const quint64 storedRecordPos = le64(locator.data() + 8);
    for (const quint64 candidate : { quint64(lastStart), storedRecordPos }) {
        if (candidate > quint64(lastStart))
            continue;
        const QByteArrayView record = source.view(qint64(candidate), kZip64RecordSize);
        if (record.size() < kZip64RecordSize || !hasSignature(record.data(), 6, 6)
            || le64(record.data() + 4) != quint64(locatorPos) - candidate - 12)
            continue;
        return Directory { qint64(candidate), le64(record.data() + 32), le64(record.data() + 40),
            le64(record.data() + 48) };
    }
    return std::nullopt;
}

// Sizes and offset too large for their fields stand in the zip64 extra field, in this
// order, each only where its field holds 0xFFFFFFFF.
void readZip64Sizes(Source& source, qint64 extraPos, quint16 extraLength, ZipEntry& entry)
{
    constexpr quint32 kInZip64 = 0xFFFFFFFF;
    if (entry.size != kInZip64 && entry.compressedSize != kInZip64 && entry.localHeaderOffset != kInZip64)
        return;
    const QByteArray extra = source.view(extraPos, extraLength).toByteArray();
    for (qsizetype p = 0; p + 4 <= extra.size();) {
        const quint16 id = le16(extra.constData() + p);
        const qsizetype length = le16(extra.constData() + p + 2);
        const qsizetype end = qMin(extra.size(), p + 4 + length);
        if (id == 1) {
            qsizetype field = p + 4;
            for (quint64* value : { &entry.size, &entry.compressedSize, &entry.localHeaderOffset }) {
                if (*value != kInZip64)
                    continue;
                if (field + 8 > end)
                    break;
                *value = le64(extra.constData() + field);
                field += 8;
            }
            return;
        }
        p = end;
    }
}

ZipListing list(Source& source)
{
    ZipListing listing;
    const qint64 size = source.size();
    if (size < kEndRecordSize) {
        note(listing, ZipDiagnostic::Unreadable);
        return listing;
    }

    const qint64 searchStart = qMax<qint64>(0, size - kEndSearchSpan);
    const QByteArrayView tail = source.view(searchStart, size - searchStart);
    qint64 found = -1;
    if (tail.size() == size - searchStart) {
        // The first candidate is the last place a whole record fits: where a record
        // without a comment lies.
        for (qint64 p = tail.size() - kEndRecordSize; p >= 0; --p) {
            if (hasSignature(tail.data() + p, 5, 6)) {
                found = p;
                break;
            }
        }
    }
    if (found < 0) {
        note(listing, ZipDiagnostic::Unreadable);
        return listing;
    }

    const char* record = tail.data() + found;
    const qint64 recordPos = searchStart + found;
    Directory directory { recordPos, le16(record + 10), le32(record + 12), le32(record + 16) };
    const qint64 recordEnd = recordPos + kEndRecordSize + le16(record + 20);
    if (recordEnd < size) {
        const qint64 trailing = size - recordEnd;
        const bool padding = trailing < kPaddingBlock && size % kPaddingBlock == 0
            && allZero(tail.sliced(recordEnd - searchStart));
        if (!padding)
            note(listing, ZipDiagnostic::TrailingBytes);
    }
    // The tail's bytes are not used past this point: reading on may move the window.
    if (const std::optional<Directory> zip64 = zip64Directory(source, recordPos))
        directory = *zip64;

    if (directory.size > quint64(directory.end)) {
        note(listing, ZipDiagnostic::Unreadable);
        return listing;
    }
    const qint64 start = directory.end - qint64(directory.size);
    if (directory.storedOffset != quint64(start))
        note(listing, ZipDiagnostic::DataInFront);
    listing.shift = start - qint64(directory.storedOffset);

    // Every header lies within the directory's stated size: one that a damaged or hostile
    // archive places beyond it (past the end records, in their extensible data) is not
    // read, so no archive costs more reading than its directory's size.
    const qint64 end = directory.end;
    source.limitReadAheadTo(end);
    // The entry count is only a claim: reserve no more than the directory could hold.
    listing.entries.reserve(
        qsizetype(qMin<quint64>(directory.entryCount, quint64(end - start) / kHeaderSize)));
    qint64 pos = start;
    for (quint64 i = 0; i < directory.entryCount; ++i) {
        if (pos + kHeaderSize > end) {
            note(listing, ZipDiagnostic::Unreadable);
            break;
        }
        const QByteArrayView header = source.view(pos, kHeaderSize);
        if (header.size() < kHeaderSize || !hasSignature(header.data(), 1, 2)) {
            note(listing, ZipDiagnostic::Unreadable);
            break;
        }
        // The header's bytes are taken out before the next view may move the window.
        ZipEntry entry;
        entry.flags = le16(header.data() + 8);
        entry.method = le16(header.data() + 10);
        entry.compressedSize = le32(header.data() + 20);
        entry.size = le32(header.data() + 24);
        entry.localHeaderOffset = le32(header.data() + 42);
        const bool utf8 = entry.flags & kUtf8NameFlag;
        const int version = quint8(header[4]);
        const int host = quint8(header[5]);
        const quint16 nameLength = le16(header.data() + 28);
        const quint16 extraLength = le16(header.data() + 30);
        const qint64 next = pos + kHeaderSize + nameLength + extraLength + le16(header.data() + 32);
        if (next > end) {
            note(listing, ZipDiagnostic::Unreadable);
            break;
        }
        const QByteArrayView name = source.view(pos + kHeaderSize, nameLength);
        if (name.size() < nameLength) {
            note(listing, ZipDiagnostic::Unreadable);
            break;
        }
        entry.storedName = name.toByteArray();
        entry.host = host;
        // The UTF-8 flag holds over the host: writers on Windows set it with host 0.
        entry.name = isOemHost(host, version) && !utf8 ? fromOem(name) : decodeText(entry.storedName);
        readZip64Sizes(source, pos + kHeaderSize + nameLength, extraLength, entry);
        listing.entries.append(std::move(entry));
        pos = next;
    }
    return listing;
}

} // namespace

ZipListing listZipArchive(const QString& path)
{
    QFile file;
    if (!openRegularFile(path, file)) {
        ZipListing listing;
        note(listing, ZipDiagnostic::Unreadable);
        return listing;
    }
    FileSource source(file);
    return list(source);
}

ZipListing listZipArchive(QByteArrayView data)
{
    MemorySource source(data);
    return list(source);
}

QString zipDiagnosticMessage(ZipDiagnostic kind, const QString& archiveName, qsizetype entriesListed)
{
    // A message says maps are listed only when some are.
    const bool listed = entriesListed > 0;
    switch (kind) {
    case ZipDiagnostic::Unreadable:
        return (listed ? QCoreApplication::translate("ZipListing",
                    "The map archive %1 cannot be read; only the maps listed before the damage are shown.")
                       : QCoreApplication::translate(
                           "ZipListing", "The map archive %1 cannot be read; none of its maps are listed."))
            .arg(archiveName);
    case ZipDiagnostic::DataInFront:
        return (listed ? QCoreApplication::translate("ZipListing",
                    "The map archive %1 has extra data in front of its contents (it may be a "
                    "self-extracting archive). Its maps are listed all the same.")
                       : QCoreApplication::translate("ZipListing",
                           "The map archive %1 has extra data in front of its contents (it may be a "
                           "self-extracting archive)."))
            .arg(archiveName);
    case ZipDiagnostic::TrailingBytes:
        return (listed ? QCoreApplication::translate("ZipListing",
                    "The map archive %1 has extra data after its end. Its maps are listed all the same.")
                       : QCoreApplication::translate(
                           "ZipListing", "The map archive %1 has extra data after its end."))
            .arg(archiveName);
    }
    return {};
}

} // namespace tk
