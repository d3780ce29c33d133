// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// The file names Yamagi Quake II makes of a word: the script exec looks up and the demo
// record writes.
namespace tk::console {

// exec cuts the name it looks up to this many bytes.
inline constexpr qsizetype kExecNameLimit = 63;
// The longest name of one file or folder on Linux.
inline constexpr qsizetype kFileNameLimit = 255;

// The name exec looks up in the game's folders, with "/" between folders: a leading "/"
// or "./", "/./" and doubled "/" taken out, then cut to 63 bytes.
QByteArray execLookupName(QByteArrayView name);
// The names exec tries in each folder, in order: the name as given, then in lower case.
QList<QByteArray> execLookupNames(QByteArrayView name);

// The file record writes for a word, relative to the game folder: "demos/<word>.dm2",
// ".dm2" added even when the word ends in it; the word's bytes go in as they are, and a "/"
// in it makes folders.
QByteArray recordPath(QByteArrayView word);

// Whether a demo name records where it says, and why not. The name must also reach record
// as exactly one word (see oneWord).
enum class RecordNameProblem {
    None,
    Empty, // the file would be "demos/.dm2"
    DotDot, // ".." anywhere: the engine makes no folders, the file opens only where they exist
    TooLong, // a file or folder name of more than 255 bytes: the file cannot be opened
};
RecordNameProblem recordNameProblem(QByteArrayView word);

} // namespace tk::console
