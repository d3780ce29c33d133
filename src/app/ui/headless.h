// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/commandline.h"

class QTextStream;

// The commands of the command line. Each returns the exit status: 0 done, 1 stopped.
// --write-cfg, --check and --launch run on the core alone (tk::runMatchCommand).

// --install-desktop-entry and --remove-desktop-entry, below dataHome, for program.
int runDesktopEntryCommand(const tk::CommandLine& command, const QString& dataHome, const QString& program,
    QTextStream& out, QTextStream& err);
