// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/zipentrydata.h"

#include <QIODevice>
#include <zlib.h>

namespace tk {

namespace {

constexpr qint64 kLocalHeaderSize = 30;
constexpr quint16 kEncryptedFlag = 0x0001;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
constexpr qint64 kChunk = 64 * 1024;

quint16 le16(const char* p)
{
    return quint16(quint8(p[0]) | quint8(p[1]) << 8);
}

bool readAt(QIODevice& device, qint64 pos, qint64 count, QByteArray& out)
{
    out.resize(count);
    return pos >= 0 && device.seek(pos) && device.read(out.data(), count) == count;
}

// Inflates the raw deflate stream of compressed bytes at dataStart until the bytes
// [offset, end) have come out, keeping only those.
std::optional<QByteArray> inflateRange(
    QIODevice& archive, qint64 dataStart, qint64 compressedSize, qint64 offset, qint64 end)
{
    z_stream stream {};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    QByteArray result;
    result.reserve(end - offset);
    QByteArray in;
    QByteArray out(kChunk, Qt::Uninitialized);
    qint64 consumed = 0;
    qint64 produced = 0;
    int status = Z_OK;
    while (produced < end && status != Z_STREAM_END) {
        if (stream.avail_in == 0) {
            const qint64 n = qMin(kChunk, compressedSize - consumed);
            if (n <= 0 || !readAt(archive, dataStart + consumed, n, in))
                break;
            consumed += n;
            stream.next_in = reinterpret_cast<Bytef*>(in.data());
            stream.avail_in = uInt(n);
        }
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = uInt(out.size());
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
            break;
        const qint64 got = out.size() - stream.avail_out;
        const qint64 from = qMax(produced, offset);
        const qint64 to = qMin(produced + got, end);
        if (to > from)
            result.append(out.constData() + (from - produced), to - from);
        produced += got;
        // No progress with input left means the stream is damaged.
        if (status == Z_BUF_ERROR && got == 0 && stream.avail_in > 0)
            break;
    }
    inflateEnd(&stream);
    if (produced < end)
        return std::nullopt;
    return result;
}

} // namespace

std::optional<QByteArray> readZipEntryData(
    QIODevice& archive, const ZipEntry& entry, qint64 shift, qint64 offset, qint64 length)
{
    if (offset < 0 || length < 0 || (entry.flags & kEncryptedFlag)
        || entry.localHeaderOffset > quint64(archive.size()) || entry.size > quint64(archive.size()) * 1032
        || entry.compressedSize > quint64(archive.size()))
        return std::nullopt;
    const qint64 headerPos = qint64(entry.localHeaderOffset) + shift;
    QByteArray header;
    if (!readAt(archive, headerPos, kLocalHeaderSize, header) || !header.startsWith("PK\3\4"))
        return std::nullopt;
    const qint64 dataStart
        = headerPos + kLocalHeaderSize + le16(header.constData() + 26) + le16(header.constData() + 28);
    const auto size = qint64(entry.size);
    const auto compressedSize = qint64(entry.compressedSize);
    if (dataStart + compressedSize > archive.size())
        return std::nullopt;
    if (offset >= size)
        return QByteArray();
    const qint64 end = qMin(size, offset + qMin(length, size));

    if (entry.method == kStored) {
        QByteArray data;
        if (size != compressedSize || !readAt(archive, dataStart + offset, end - offset, data))
            return std::nullopt;
        return data;
    }
    if (entry.method == kDeflated && end <= kMaxInflatedBytes)
        return inflateRange(archive, dataStart, compressedSize, offset, end);
    return std::nullopt;
}

} // namespace tk
