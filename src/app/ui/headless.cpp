// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/headless.h"

#include "app/core/desktopentry.h"
#include "app/core/usererror.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// The translation context of this file's texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Headless)
};

} // namespace

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
            err << "tarrakind: " << Texts::tr("There was no desktop entry to remove.") << '\n';
        for (const QString& path : change.files + change.directories)
            out << path << '\n';
        return 0;
    } catch (const tk::UserError& e) {
        err << "tarrakind: " << e.message() << '\n';
        return 1;
    }
}
