// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/headless.h"

#include "app/core/desktopentry.h"
#include "app/core/usererror.h"
#include "app/ui/consoleinteraction.h"
#include "app/ui/tform1.h"
#include "launch/core/execfile.h"
#include "launch/core/prelaunchcheck.h"
#include "profile/ui/profilestore.h"

#include <QCoreApplication>
#include <QFileInfo>
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
    const bool check = command.command == Command::Check;
    const QString prefix = QStringLiteral("tarrakind: ");
    const QString profile = tk::resolveProfilePath(command.profile, currentDir, paths);
    // A name typed on a command line that matches no file is a slip, not a wish for
    // the defaults.
    if (profile.isEmpty()) {
        ui.showMessage(nullptr, tr("No profile %1").arg(command.profile));
        return 1;
    }
    const QString name = QFileInfo(profile).fileName();
    // --check lists what it finds, one a line; the other commands print it as errors.
    const auto report = [&](const QStringList& texts, const QString& linePrefix) {
        for (const QString& text : texts) {
            if (check)
                out << text.simplified() << '\n';
            else
                ui.print(linePrefix, text);
        }
        out.flush();
    };
    const auto stop = [&](const QStringList& texts, const QString& why) {
        report(texts, prefix);
        if (!check)
            ui.print(prefix, why);
        return 1;
    };

    // What the window would not read would give a match of defaults that nobody set up.
    if (const QString unread = ProfileStore::readProfile(profile); !unread.isEmpty())
        return stop({ tr("%1 was not read: %2.").arg(name, unread) }, tr("Nothing was written."));

    TForm1 form(paths, ui);
    ui.setCollecting(true);
    QString loadError;
    const bool loaded = form.startUp(profile, &loadError);
    ui.setCollecting(false);
    QStringList messages = ui.takeMessages();
    if (!loaded) {
        if (const qsizetype at = messages.indexOf(loadError); at >= 0)
            messages[at] = tr("%1: %2").arg(name, loadError);
        return stop(messages, tr("The profile was loaded only up to that error; nothing was written."));
    }

    // What the window shows as it loads is what the player would be told: it counts as a
    // finding, and stops the other commands unless they are forced on.
    if (check) {
        const tk::ExecSettings settings = form.gatherExecSettings();
        for (const tk::LaunchFinding& finding :
            tk::checkLaunch(settings, tk::generateExecFile(settings, paths), paths))
            messages.append(finding.text);
        report(messages, prefix);
        return messages.isEmpty() ? 0 : 1;
    }
    if (!messages.isEmpty()) {
        if (!command.force)
            return stop(messages,
                command.command == Command::Launch
                    ? tr("Nothing was written and the game was not started; --force goes on all the same.")
                    : tr("Nothing was written; --force writes it all the same."));
        report(messages, QStringLiteral("tarrakind: warning: "));
    }

    switch (command.command) {
    case Command::WriteCfg:
        ui.setGoOn(true);
        if (!form.launch(TForm1::LaunchUntil::FilesWritten))
            return 1;
        out << paths.inLauncherDir(tk::execFileName()) << '\n';
        out.flush();
        return 0;
    case Command::Launch:
        ui.setGoOn(command.force);
        // The window is never closed: nothing of the close sequence, no save, no question.
        if (form.launch(TForm1::LaunchUntil::GameStartedWindowKept))
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
