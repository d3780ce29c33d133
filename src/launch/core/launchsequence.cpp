// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/launchsequence.h"

#include "app/core/consoletext.h"
#include "app/core/textcodec.h"
#include "launch/core/execfile.h"
#include "launch/core/gamestart.h"
#include "launch/core/prelaunchcheck.h"

#include <QFileInfo>

namespace tk {

namespace {

// The rotation entries of an enabled rotation that the exec file leaves out and the user
// has not been told of.
QString untoldLeftOutRotation(const ExecSettings& settings, LeftOutNames& told)
{
    if (!settings.rotation)
        return {};
    const QList<QByteArray>& entries = settings.rotationEntries;
    const QStringList refusals = rotationRefusals(entries);
    QList<QByteArray> untold;
    QStringList untoldRefusals;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!refusals[i].isEmpty() && !told.untold({ decodeText(entries[i]) }).isEmpty()) {
            untold.append(entries[i]);
            untoldRefusals.append(refusals[i]);
        }
    }
    return leftOutRotationMessage(untold, untoldRefusals);
}

} // namespace

bool runLaunch(const ExecSettings& settings, bool checkMatch, const InstallPaths& paths, LaunchUntil until,
    LeftOutNames& told, LaunchSeam& seam)
{
    const QByteArray script = generateExecFile(settings, paths);
    // Before anything is written or started, the user sees what would go wrong.
    if (checkMatch) {
        const QList<LaunchFinding> findings = checkLaunch(settings, script, paths);
        if (!findings.isEmpty() && !seam.goOnDespite(launchFindingsText(findings)))
            return false;
    } else if (const QString leftOut = untoldLeftOutRotation(settings, told); !leftOut.isEmpty()) {
        seam.tell(leftOut);
    }

    seam.writeRotationFile();
    writeExecFile(script, paths);
    if (until == LaunchUntil::FilesWritten)
        return true;

    const GameStartCommand game = gameStartCommand(paths, settings.executable, settings.dedicated);
    // An empty name names the Quake2 directory itself, which is no program.
    if (settings.executable.isEmpty() || !QFileInfo::exists(game.program)) {
        seam.tell(missingExecutableMessage(game.program));
        return false;
    }
    QString reason;
    if (!seam.startDetached(game, &reason)) {
        seam.tell(couldNotStartMessage(game.program, reason));
        return false;
    }
    return true;
}

} // namespace tk
