// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/pakfile.h"

#include "app/core/fileutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <functional>

namespace tk {

namespace {

constexpr qint64 kHeaderSize = 12;
constexpr qint64 kEntrySize = 64;
constexpr qint64 kNameSize = 56;
constexpr qint64 kChunkEntries = 1024; // 64 KB of directory a read

qint32 le32(const char* p)
{
    return qint32(quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8 | quint32(quint8(p[2])) << 16
        | quint32(quint8(p[3])) << 24);
}

// Reads count bytes at pos into out; false when fewer could be read.
using ReadAt = std::function<bool(qint64 pos, qint64 count, QByteArray& out)>;

PakDirectory read(qint64 size, const ReadAt& readAt)
{
    PakDirectory pak;
    QByteArray header;
    if (size < kHeaderSize || !readAt(0, kHeaderSize, header) || !header.startsWith("PACK")) {
        pak.problem = PakProblem::NotAPak;
        return pak;
    }
    // The engine reads both as signed numbers and refuses negative ones.
    const qint64 offset = le32(header.constData() + 4);
    const qint64 length = le32(header.constData() + 8);
    if (offset < 0 || length < kEntrySize) {
        pak.problem = PakProblem::Empty;
        return pak;
    }
    qint64 count = length / kEntrySize;
    const qint64 fit = offset >= size ? 0 : (size - offset) / kEntrySize;
    if (fit < count) {
        pak.problem = PakProblem::Cut;
        count = fit;
    }
    if (count > kMaxPakEntries) {
        pak.problem = PakProblem::TooLarge;
        count = kMaxPakEntries;
    }
    pak.entries.reserve(qsizetype(count));
    QByteArray chunk;
    for (qint64 first = 0; first < count; first += kChunkEntries) {
        const qint64 n = qMin(kChunkEntries, count - first);
        if (!readAt(offset + first * kEntrySize, n * kEntrySize, chunk)) {
            pak.problem = PakProblem::Cut;
            break;
        }
        for (qint64 i = 0; i < n; ++i) {
            const char* e = chunk.constData() + i * kEntrySize;
            PakEntry entry;
            entry.name = QByteArray(e, qsizetype(qstrnlen(e, kNameSize)));
            entry.offset = quint32(le32(e + kNameSize));
            entry.size = quint32(le32(e + kNameSize + 4));
            pak.entries.append(std::move(entry));
        }
    }
    return pak;
}

} // namespace

PakDirectory readPakDirectory(const QString& path)
{
    QFile file;
    if (!openRegularFile(path, file)) {
        PakDirectory pak;
        pak.problem = PakProblem::NotAPak;
        return pak;
    }
    return read(file.size(), [&file](qint64 pos, qint64 count, QByteArray& out) {
        out.resize(count);
        return file.seek(pos) && file.read(out.data(), count) == count;
    });
}

PakDirectory readPakDirectory(QByteArrayView data)
{
    return read(data.size(), [data](qint64 pos, qint64 count, QByteArray& out) {
        if (pos < 0 || count > data.size() - pos)
            return false;
        out = data.sliced(pos, count).toByteArray();
        return true;
    });
}

bool engineStopsAt(PakProblem problem)
{
    return problem == PakProblem::NotAPak || problem == PakProblem::Empty;
}

QString pakProblemMessage(PakProblem problem, const QString& path)
{
    const QString name = QDir::toNativeSeparators(path);
    switch (problem) {
    case PakProblem::NotAPak:
        return QCoreApplication::translate("PakFile",
            "%1 is not a pak file: it does not begin with a pak header. The engine stops at its start "
            "when it finds it.")
            .arg(name);
    case PakProblem::Empty:
        return QCoreApplication::translate("PakFile",
            "%1 lists no files: its header is damaged. The engine stops at its start when it finds it.")
            .arg(name);
    case PakProblem::Cut:
        return QCoreApplication::translate("PakFile",
            "%1 is cut short: its list of files reaches past its end. The files listed after the cut "
            "cannot be read.")
            .arg(name);
    case PakProblem::TooLarge:
        return QCoreApplication::translate(
            "PakFile", "%1 lists more than %2 files; only the first %2 are looked at.")
            .arg(name)
            .arg(kMaxPakEntries);
    }
    return {};
}

} // namespace tk
