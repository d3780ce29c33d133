// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/headless.h"

#include "app/core/desktopentry.h"
#include "app/core/usererror.h"
#include "app/ui/consoleinteraction.h"
#include "app/ui/tform1.h"
#include "launch/core/execfile.h"
#include "launch/core/prelaunchcheck.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Headless", text);
}

} // namespace

int runMainWindowCommand(const tk::CommandLine& command, const tk::InstallPaths& paths,
    const QString& currentDir, ConsoleInteraction& ui, QTextStream& out)
{
    using Command = tk::CommandLine::Command;
    const QString profile = tk::resolveProfilePath(command.profile, currentDir, paths);
    // A name typed on a command line that matches no file is a slip, not a wish for
    // the defaults.
    if (profile.isEmpty()) {
        ui.showMessage(nullptr, tr("No profile %1").arg(command.profile));
        return 1;
    }
    TForm1 form(paths, ui);
    if (!form.startUp(profile))
        return 1;

    switch (command.command) {
    case Command::Check: {
        const tk::ExecSettings settings = form.gatherExecSettings();
        const QList<tk::LaunchFinding> findings
            = tk::checkLaunch(settings, tk::generateExecFile(settings, paths), paths);
        for (const tk::LaunchFinding& finding : findings)
            out << finding.text.simplified() << '\n'; // one finding, one line
        out.flush();
        return findings.isEmpty() ? 0 : 1;
    }
    case Command::WriteCfg:
        ui.setGoOn(true);
        if (!form.launch(TForm1::LaunchUntil::FilesWritten))
            return 1;
        out << paths.inLauncherDir(tk::execFileName()) << '\n';
        out.flush();
        return 0;
    case Command::Launch:
        ui.setGoOn(command.force);
        if (form.launch())
            return 0;
        if (ui.declinedQuestion())
            ui.showMessage(nullptr, tr("The game was not started; --force starts it all the same."));
        return 1;
    default:
        return 2;
    }
}

int runDesktopEntryCommand(const tk::CommandLine& command, const QString& dataHome, const QString& program,
    QTextStream& out, QTextStream& err)
{
    try {
        const bool install = command.command == tk::CommandLine::Command::InstallDesktopEntry;
        const tk::DesktopEntryChange change = install ? tk::installDesktopEntry(dataHome, program)
                                                      : tk::removeDesktopEntry(dataHome, program);
        if (!change.note.isEmpty())
            err << "tarrakind: " << change.note << '\n';
        if (change.files.isEmpty())
            err << "tarrakind: " << tr("There was no desktop entry to remove.") << '\n';
        for (const QString& path : change.files + change.directories)
            out << path << '\n';
        return 0;
    } catch (const tk::UserError& e) {
        err << "tarrakind: " << e.message() << '\n';
        return 1;
    }
}
