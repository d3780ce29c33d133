// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tk {

// What the engine on Linux (Yamagi Quake II) does with the files of a game directory.

// The engine's per-user directories of a game, where it writes demos and where it looks
// for scripts before the game directory itself: $XDG_DATA_HOME/YamagiQ2/<game> (or
// ~/.local/share/YamagiQ2/<game>) for Yamagi 8 and ~/.yq2/<game> for older releases.
// Empty on Windows.
QStringList engineUserGameDirectories(const QString& gameDirName);

// Every folder the engine may record a demo of this game into: the game directory's
// "demos" (its portable mode) and the per-user ones.
QStringList demoDirectories(const QString& quake2Dir, const QString& gameDirName);

// A script larger than this is dropped whole by the engine ("Cbuf_AddText: overflow").
constexpr qsizetype kEngineScriptLimit = 32768;
// The engine cuts a line of a script after this many bytes.
constexpr qsizetype kEngineLineLimit = 1023;

} // namespace tk
