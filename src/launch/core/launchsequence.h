// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"
#include "launch/core/execsettings.h"

#include <QString>

namespace tk {

class LeftOutNames;
struct GameStartCommand;

// What LAUNCH! leaves to whoever runs it: the window asks and shows message boxes, the
// command line prints and answers from its options.
class LaunchSeam {
public:
    virtual ~LaunchSeam() = default;
    // The check before the start found something (findings, one text): true to go on.
    virtual bool goOnDespite(const QString& findings) = 0;
    virtual void tell(const QString& message) = 0;
    // Writes the rotation list to the rotation file; throws UserError when it cannot.
    virtual void writeRotationFile() = 0;
    // Starts the game without waiting for it; false, with the reason, when it could not.
    virtual bool startDetached(const GameStartCommand& command, QString* reason) = 0;
};

enum class LaunchUntil { FilesWritten, GameStarted };

// LAUNCH!, for the settings: with checkMatch, the check before anything is written, whose
// findings the seam may decline; without it, the rotation entries the exec file leaves out
// are told (each once a run, told). Then the rotation file and the exec file, and until the
// game is started, the executable looked for and started. True when it went that far;
// false when it stopped on the way (the findings declined, no executable, no start).
// Throws UserError when a file cannot be written.
bool runLaunch(const ExecSettings& settings, bool checkMatch, const InstallPaths& paths, LaunchUntil until,
    LeftOutNames& told, LaunchSeam& seam);

} // namespace tk
