// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/commandline.h"
#include "app/core/installpaths.h"

class ConsoleInteraction;
class QTextStream;

// The commands of the command line. Each returns the exit status: 0 done, 1 stopped.

// --write-cfg, --check and --launch: the main window, never shown, loads the profile
// and runs LAUNCH! (or its check) as it does for the user, with ui in the user's place.
int runMainWindowCommand(const tk::CommandLine& command, const tk::InstallPaths& paths,
    const QString& currentDir, ConsoleInteraction& ui, QTextStream& out);

// --install-desktop-entry and --remove-desktop-entry, below dataHome, for program.
int runDesktopEntryCommand(const tk::CommandLine& command, const QString& dataHome, const QString& program,
    QTextStream& out, QTextStream& err);
