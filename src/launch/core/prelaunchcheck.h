// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"
#include "launch/core/execsettings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace tk {

class GameContent;

// Something about the match that would go wrong in the engine, in plain words.
struct LaunchFinding {
    enum class Kind {
        ScriptTooLarge, // the engine drops the whole script
        ScriptOverflow, // a script it execs is dropped, or makes the engine stop
        TypedLineChanged, // an additional command or a bot line the engine does not run as written
        UnwritableValue, // a value the engine would not read back as it is; its command is left out
        SetAgain, // a setting of the player's own that the exec file or the map's start sets again
        TooManyBots, // more bots than the server has room for
        DedicatedIgnores, // settings of a player of the server's own, which a dedicated server has not
        BindNeverFires, // a bind on a key that the keyboard never gives
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

// How many bots a deathmatch server of maxclients places has room for: the places the
// engine starts it with, less one for the player, who takes a place before the bots join
// (on a dedicated server the first player to enter).
int botRoom(int maxclients);

// The findings for a launch with these settings and the exec file generated from them,
// before anything is written or started. Empty when nothing is wrong. The exec file is
// run through the model of the engine's console (tk::console::ConsoleRun), with the
// scripts it execs read as scriptAsTheEngineFinds reads them.
QList<LaunchFinding> checkLaunch(
    const ExecSettings& settings, const QByteArray& execFile, const InstallPaths& paths);

// A script that exec names (as exec looks it up, see tk::console::execLookupNames), read
// from where the engine finds it first on its search path (its user folder, archives and
// the game directories). Nothing for a missing file, or a name that leads out of them.
std::optional<QByteArray> scriptAsTheEngineFinds(const QByteArray& name, GameContent& content);

// The findings as one text, for the dialog that offers to launch anyway.
QString launchFindingsText(const QList<LaunchFinding>& findings);

} // namespace tk
