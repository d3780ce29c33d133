// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/fileutil.h"
#include "app/core/random.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tk {

// The rotation list with its selection, as the rotation's buttons edit it. Entries are
// kept as bytes so that a rewrite gives back exactly what was read.
struct RotationList {
    QList<QByteArray> entries;
    qsizetype selected = -1; // -1: nothing selected

    bool hasSelection() const { return selected >= 0 && selected < entries.size(); }
};

// The entries of a rotation file's contents: one per line (CR, LF or CR LF), empty lines
// included and nothing trimmed; a final line break adds none; a NUL ends the text.
QList<QByteArray> parseRotation(const QByteArray& data);

// Each entry followed by CR LF; no entries give no bytes.
QByteArray composeRotation(const QList<QByteArray>& entries);

// The most of a rotation file that is read.
inline constexpr qint64 kMaxRotationFileSize = kMaxSettingsFileSize;

// Throws UserError("Cannot open file " + fullPath) when the file cannot be read, with the
// reason when it is there but refused (not a regular file, larger than the limit).
QList<QByteArray> readRotationFile(const QString& fullPath);

// Replaces the file whole; throws UserError("Cannot create file " + fullPath + ": " + reason)
// on failure, leaving any old file as it was, and without writing when the file there is
// one that readRotationFile refuses.
void writeRotationFile(const QString& fullPath, const QList<QByteArray>& entries);

// The rotation file name that an answer to the Save prompt gives: the answer cut before
// its first ".", "maps" when that leaves nothing, then ".lst".
QString rotationFileNameFromAnswer(const QString& answer);

// n single moves drawn from random (n = the number of entries): a = below(n), then
// b = below(n); when they differ, the entry at a is taken out and inserted at b. The
// caller seeds the generator from the clock first.
QList<QByteArray> randomizedRotation(QList<QByteArray> entries, Random& random);

// Move the selected entry one place up or down, the selection going with it; nothing
// changes without a selection or at the end of the list.
RotationList rotationMoveUp(RotationList list);
RotationList rotationMoveDown(RotationList list);

// Removes the selected entry, leaving nothing selected.
RotationList rotationDelete(RotationList list);

} // namespace tk
