// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"

#include <QString>
#include <QStringList>

namespace tk {

// How the game is started: the executable in the Quake2 directory, told to use the bot
// mod's game directory and to run the exec file, with the Quake2 directory as working
// directory. Windows takes the command line as one string (nativeArguments); elsewhere
// the same words go as an argument list.
struct GameStartCommand {
    QString program;
    QStringList arguments;
    QString nativeArguments;
    QString workingDirectory;
    bool operator==(const GameStartCommand&) const = default;
};

// What `exefile` holds in a new window: "quake2.exe" on Windows, "quake2" elsewhere.
QString defaultExecutableName(bool windowsRules = InstallPaths::isWindows());

// Quake2 directory + separator + executableName. An empty name gives the directory
// with a trailing separator, which is never a file.
QString executablePath(
    const InstallPaths& paths, const QString& executableName, bool windowsRules = InstallPaths::isWindows());

// {"+set", "dedicated", "0"|"1", "+set", "game", "\"" + gameDirName + "\"", "+exec", "tark.cfg"}.
QStringList gameArguments(bool dedicated, const QString& gameDirName);

// " +set dedicated 0 +set game "TARRAKIND" +exec tark.cfg": the string begins with a
// blank and does not hold the executable's name.
QString windowsCommandLine(bool dedicated, const QString& gameDirName);

// The name of the file that runs for executableName: the name itself, or the file of the
// Quake2 directory that differs from it only in letter case, or "quake2" for a
// "quake2.exe" that does not exist. Names stay as they are on Windows.
QString executableToRun(
    const InstallPaths& paths, const QString& executableName, bool windowsRules = InstallPaths::isWindows());

// The command for executableToRun(executableName).
GameStartCommand gameStartCommand(const InstallPaths& paths, const QString& executableName, bool dedicated,
    bool windowsRules = InstallPaths::isWindows());

// Starts the game without waiting for it; the launcher does not own the process. False,
// with the reason in *reason, when it could not be started: a directory, a file that is
// not executable or not a program.
bool startGameDetached(const GameStartCommand& command, QString* reason);

// Shown, and the launch stopped, when the game could not be started.
QString couldNotStartMessage(const QString& executablePath, const QString& reason);

// Shown, and the launch stopped, when nothing exists at the executable path.
QString missingExecutableMessage(const QString& executablePath);

} // namespace tk
