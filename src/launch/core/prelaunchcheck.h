// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"
#include "launch/core/execsettings.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tk {

// Something about the match that would go wrong in the engine, in plain words.
struct LaunchFinding {
    enum class Kind {
        ScriptTooLarge, // the engine drops the whole script
        LineTooLong, // the engine cuts lines
        UnwritableValue, // a typed value no console line can hold; its line is left out
        TooManyBots, // more bots than the server has room for
        RotationMapUnknown, // a rotation map with no navigation file
        RotationEntryLeftOut, // a rotation entry that would break the map list
        ScriptShadowed, // a script the engine finds before the launcher's own runs instead
        ExecutableElsewhere, // the executable is not a file right in the Quake2 directory
        MapMissing, // a map the match starts or changes to that the engine finds nowhere
        ArchiveRefused, // an archive on the engine's search path that stops it at its start
    };
    Kind kind;
    QString text;
    bool operator==(const LaunchFinding&) const = default;
};

// How many bots a server of maxclients places has room for: the player takes a place of
// their own unless the server is dedicated.
int botRoom(int maxclients, bool dedicated);

// The findings for a launch with these settings and the exec file generated from them,
// before anything is written or started. Empty when nothing is wrong.
QList<LaunchFinding> checkLaunch(
    const ExecSettings& settings, const QByteArray& execFile, const InstallPaths& paths);

// The findings as one text, for the dialog that offers to launch anyway.
QString launchFindingsText(const QList<LaunchFinding>& findings);

} // namespace tk
