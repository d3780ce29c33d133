// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"
#include "launch/core/execsettings.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tk {

// The console script the game runs at start-up through "+exec tark.cfg". Every line,
// the last one too, ends in CR LF; values go in exactly as the controls hold them.
QByteArray generateExecFile(const ExecSettings& settings, const InstallPaths& paths);

// The rotation entries that the exec file names, in order: those that can stand in a
// console line (see isConsoleSafe); the others are left out.
QList<QByteArray> consoleSafeRotationEntries(const QList<QByteArray>& entries);

// The demo name to record under: base itself, or with sequential naming the first of
// base, base2, base3, ... that has no file in any folder the engine records into (see
// demoDirectories).
QString demoNameToUse(const QString& base, bool sequential, const InstallPaths& paths);

// Replaces launcher directory + "/tark.cfg" as a whole; the old file stays intact when
// the write fails. Throws UserError with the reason on failure.
void writeExecFile(const ExecSettings& settings, const InstallPaths& paths);
// The same for a script generated before.
void writeExecFile(const QByteArray& script, const InstallPaths& paths);

// Name of the exec file in the launcher directory, as the command line names it.
inline QString execFileName()
{
    return QStringLiteral("tark.cfg");
}

} // namespace tk
