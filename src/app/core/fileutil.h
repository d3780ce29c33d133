// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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

// Reads a whole file; false when it cannot be opened.
bool readFile(const QString& path, QByteArray* data, QString* errorText = nullptr);

} // namespace tk
