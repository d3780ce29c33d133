// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"

#include <QString>
#include <QStringList>

namespace tk {

// What the launcher was asked to do. Without arguments it opens its window; the other
// commands run without a display.
struct CommandLine {
    enum class Command {
        Window,
        Help,
        Version,
        WriteCfg, // the files LAUNCH! writes, and nothing started
        Check, // the findings of the check before the start
        Launch, // the whole LAUNCH!
        InstallDesktopEntry,
        RemoveDesktopEntry,
    };
    Command command = Command::Window;
    QString profile; // as given; empty for the default profile
    bool force = false; // --launch goes on whatever the check finds
    QString error; // not empty when the arguments were not understood
};

// arguments: without the program's name.
CommandLine parseCommandLine(const QStringList& arguments);

// True for the commands that load a profile into the (hidden) main window.
bool drivesMainWindow(CommandLine::Command command);

QString usageText();
QString helpText();
QString versionText();

// The profile a command loads: default.tsf in the launcher directory when none is given;
// a relative name in currentDir, or else in the launcher directory when only that holds
// it. Empty when a given profile exists in neither.
QString resolveProfilePath(const QString& given, const QString& currentDir, const InstallPaths& paths);

} // namespace tk
