// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tk {

// What the engine on Linux (Yamagi Quake II 8.71) does with the files of a game directory.

// The engine's user folder, the root it writes into and searches first: ~/.yq2 when that
// directory exists (XDG_DATA_HOME is then not looked at), else $XDG_DATA_HOME/YamagiQ2,
// else ~/.local/share/YamagiQ2. A relative XDG_DATA_HOME is taken as it stands, relative
// to the engine's working directory, which the launcher makes the Quake II directory.
// Empty with -portable, without a home directory, and on Windows.
QString engineUserFolder(const QString& workingDir, bool portable = false);

// The game's directory in the user folder, as a list of none or one.
QStringList engineUserGameDirectories(const QString& gameDirName, const QString& workingDir);

// Every folder the engine may record a demo of this game into: the game directory's
// "demos" (where it records with -portable, and where other Quake II engines record) and
// the one in the user folder.
QStringList demoDirectories(const QString& quake2Dir, const QString& gameDirName);

// The roots the engine looks in, first to last: the user folder, the directory of its
// binary and its data directory (the working directory: the Quake II directory). A root
// whose real path is already there is left out, as the engine leaves it out.
QStringList engineRoots(const InstallPaths& paths, const QString& executable, bool portable = false);

// A path as the engine compares the roots: resolved where it exists, else cleaned.
QString engineRealPath(const QString& path);

// One place on the engine's search path: a directory's loose files, or an archive.
struct SearchPathEntry {
    enum class Kind { Directory, Pak, Zip };
    Kind kind = Kind::Directory;
    QString path;
    bool operator==(const SearchPathEntry&) const = default;
};

// The archives of one directory in the order the engine searches them: first those not
// named pakN, type by type (.zip, .pkz, .pk3, .pk2, .pak), then pak99 down to pak0 of each
// type in the same order of types. An archive whose name starts with "pak" but that is
// no pak0 to pak99 is not loaded at all. Names and extensions count with their case.
// The engine takes the unnumbered archives of one type in the order the file system lists
// them; here they come by name.
QList<SearchPathEntry> engineArchives(const QString& dir);

// Everything the engine searches for a file of the game, first to last: the game
// directory of every root, then baseq2 of every root; in each directory its archives
// (engineArchives), then its loose files.
QList<SearchPathEntry> engineSearchPath(
    const InstallPaths& paths, const QString& executable, bool portable = false);

// A script larger than this is dropped whole by the engine ("Cbuf_AddText: overflow").
constexpr qsizetype kEngineScriptLimit = 32768;
// The engine cuts a line of a script after this many bytes.
constexpr qsizetype kEngineLineLimit = 1023;

} // namespace tk
