// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace tk {

// One entry of a ZIP archive's central directory. Navigation archives are only listed;
// where a game archive's file is read (a map's title), the fields after the name say where.
struct ZipEntry {
    QByteArray storedName; // the name's bytes exactly as stored
    QString name; // storedName converted from code page 437 for MS-DOS, OS/2 and NTFS hosts
                  // unless flagged as UTF-8, otherwise storedName decoded with decodeText
    int host = 0; // high byte of "version made by"
    quint16 flags = 0; // general purpose bit flags
    quint16 method = 0; // 0 stored, 8 deflated
    quint64 compressedSize = 0;
    quint64 size = 0;
    quint64 localHeaderOffset = 0; // as stored; see ZipListing::shift
};

// What can be wrong with an archive. None of them stops the listing of what could be read.
enum class ZipDiagnostic {
    // The end record is missing, or the central directory stops short of its entry count
    // (a header without its signature, or one that reaches past the directory's stated
    // size or the end of the file): the entries read before the fault are listed.
    Unreadable,
    // The stored central directory offset differs from where the directory was found
    // (data in front of the archive, e.g. a self-extracting stub); listed all the same.
    DataInFront,
    // Bytes after the end record and its comment, other than fewer than 512 zero bytes
    // that end the file on a multiple of 512 bytes; listed all the same.
    TrailingBytes,
};

struct ZipListing {
    QList<ZipEntry> entries;
    QList<ZipDiagnostic> diagnostics; // each kind at most once, in the order found
    // Where the central directory was found less where it says it is: what data in front
    // of the archive moved every stored offset by.
    qint64 shift = 0;

    bool has(ZipDiagnostic kind) const { return diagnostics.contains(kind); }
};

// Lists the central directory of the archive at path, found through the zip64 end record
// where the archive has one. The file is read piecewise, so a damaged or hostile archive
// costs no more memory, and no more reading, than its central directory's stated size
// (besides the end records). A file that cannot be opened, or that is not a regular file,
// is Unreadable with no entries.
ZipListing listZipArchive(const QString& path);

// The same over an archive held in memory.
ZipListing listZipArchive(QByteArrayView data);

// The message the user is shown for a diagnostic of the archive named archiveName, from
// which entriesListed entries were listed.
QString zipDiagnosticMessage(ZipDiagnostic kind, const QString& archiveName, qsizetype entriesListed);

} // namespace tk
