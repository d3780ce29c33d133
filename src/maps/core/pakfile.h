// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

namespace tk {

// One file of an id PAK archive, as its directory states it.
struct PakEntry {
    QByteArray name; // the stored name up to its first NUL, at most 56 bytes
    qint64 offset = 0; // where its data begins in the archive
    qint64 size = 0;
};

// What can be wrong with a PAK archive.
enum class PakProblem {
    NotAPak, // shorter than its header, or not beginning with "PACK": the engine stops at start
    Empty, // a directory of no whole entry, or a negative offset or length: the engine stops at start
    Cut, // the directory reaches past the end of the file: the entries within it are listed
    TooLarge, // more entries than the launcher reads (kMaxPakEntries): the first ones are listed
};

struct PakDirectory {
    QList<PakEntry> entries;
    std::optional<PakProblem> problem;
};

// The most entries read of one archive: far more than any game's archive holds
// (Quake II's largest has 3,307), and a bound on what a hostile one costs.
inline constexpr qsizetype kMaxPakEntries = 262144;

// The directory of the PAK archive at path, read piecewise: a damaged or hostile archive
// costs no more memory and reading than the entries its file can hold, and at most
// kMaxPakEntries. A file that cannot be opened, or is not a regular file, is NotAPak.
PakDirectory readPakDirectory(const QString& path);

// The same over an archive held in memory.
PakDirectory readPakDirectory(QByteArrayView data);

// True when the engine refuses the archive and stops at its start.
bool engineStopsAt(PakProblem problem);

// The message the user is shown for a problem of the archive at path.
QString pakProblemMessage(PakProblem problem, const QString& path);

} // namespace tk
