// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFile;

namespace tk {

// Orders names without regard to ASCII letter case, byte by byte; names equal that
// way keep their byte order.
bool lessCaseInsensitive(const QString& a, const QString& b);

// True when name matches a wildcard pattern such as "*.cfg" or "aas*.zip", without
// regard to ASCII letter case.
bool matchesPattern(const QString& name, const QString& pattern);

// Names (without directory) of the regular, non-hidden files of dir that match
// pattern, sorted with lessCaseInsensitive. A missing directory lists nothing.
QStringList listFiles(const QString& dir, const QString& pattern);

// Names of the non-hidden sub-directories of dir, sorted with lessCaseInsensitive.
QStringList listSubdirectories(const QString& dir);

bool fileExists(const QString& path); // a regular file (or a link to one)

// The name under which a file named by a profile or by the user is found in dir: name
// itself when it exists as given; otherwise the one regular file of dir whose name equals
// it without regard to ASCII letter case (files made on Windows name others in any case);
// name unchanged when none or several match.
QString existingFileName(const QString& dir, const QString& name);
bool directoryExists(const QString& path); // a directory (or a link to one)

// Replaces (or creates) the file at path with data through a temporary file in the
// same directory and a rename, so that a failure never leaves a half-written file.
// A file that already holds data is not rewritten. On failure returns false and puts
// the platform's error text into errorText.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* errorText = nullptr);

// The launcher's words for a file it could not write, with the system's reason after
// the path: "Unable to write to %s" for profiles and INI files, "Cannot create file %s"
// for the files it replaces whole.
QString unableToWriteMessage(const QString& path, const QString& reason);
QString cannotCreateFileMessage(const QString& path, const QString& reason);

// The most the launcher reads of a profile, the quick-load list, the map title file or a
// rotation file: far more than any of them holds, far less than would exhaust memory.
inline constexpr qint64 kMaxSettingsFileSize = 4 * 1024 * 1024;

// What is found at a path the launcher is about to read.
enum class FileState {
    Readable, // a regular file (or a link to one) of at most the size allowed
    Missing, // nothing there, or a path that cannot name a file (through a file, too long)
    Directory, // a directory: nothing to read, and nothing a write could replace
    NotRegular, // a pipe, a device, a socket: reading could block or never end
    TooLarge, // a regular file larger than allowed
    Failed, // the system refused (no permission, an I/O error)
};

struct FileCheck {
    FileState state = FileState::Missing;
    qint64 size = 0; // of the regular file found
    QString reason; // why it is not read, in plain words ("it is not a regular file")

    explicit operator bool() const { return state == FileState::Readable; }
    // There is a file, but the launcher does not read it: the user must be told, and a
    // write must not replace what was never read.
    bool refused() const
    {
        return state == FileState::NotRegular || state == FileState::TooLarge || state == FileState::Failed;
    }
};

// Looks at path without opening it: what readFile would find, short of a read error.
FileCheck checkFile(const QString& path, qint64 maxSize);

// Reads the whole file at path when it is a regular file of at most maxSize bytes.
// Anything else is refused without blocking: a FIFO, a device or a socket is never read,
// and a file that grows past maxSize while it is read is refused as too large.
FileCheck readFile(const QString& path, QByteArray* data, qint64 maxSize);

// Opens the regular file at path for unbuffered reading (for reads in large pieces),
// refusing anything else as readFile does, whatever its size.
FileCheck openRegularFile(const QString& path, QFile& file);

} // namespace tk
