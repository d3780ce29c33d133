// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/commandline.h"
#include "app/core/installpaths.h"
#include "app/core/language.h"
#include "app/core/matchcommand.h"
#include "app/ui/appsetup.h"
#include "app/ui/headless.h"
#include "app/ui/interaction.h"
#include "app/ui/tform1.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QTextStream>
#include <cstdio>

namespace {

int runWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    // Before the first text: a profile may choose another language later.
    tk::useLanguage(QString());
    // All paths follow from where the launcher lies.
    const tk::InstallPaths paths
        = tk::InstallPaths::fromExecutable(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));

    QtInteraction interaction;
    TForm1 form(paths, interaction);
    form.setGeometry(QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, form.size(), form.screen()->availableGeometry()));
    form.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    using Command = tk::CommandLine::Command;
    // Only the window needs a display; the commands, help and version included, run on an
    // application object without one, which the texts' translation needs all the same.
    const tk::CommandLine asked = tk::parseCommandLine(arguments);
    if (asked.error.isEmpty() && asked.command == Command::Window)
        return runWindow(argc, argv);
    if (tk::drivesMainWindow(asked.command)) {
        // Qt's own notes are no business of the command's user; the launcher's messages go
        // through the console.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "tarrakind: %s\n", qPrintable(text));
        });
    }
    QCoreApplication app(argc, argv);
    tk::useLanguage(QString());
    // Parsed again for its messages in the desktop's language.
    const tk::CommandLine command = tk::parseCommandLine(arguments);
    QTextStream out(stdout);
    QTextStream err(stderr);

    if (!command.error.isEmpty()) {
        err << "tarrakind: " << command.error << '\n' << tk::usageText();
        return 2;
    }
    if (command.command == Command::Help) {
        out << tk::helpText();
        return 0;
    }
    if (command.command == Command::Version) {
        out << tk::versionText();
        return 0;
    }
    if (command.command == Command::InstallDesktopEntry || command.command == Command::RemoveDesktopEntry) {
        return runDesktopEntryCommand(command,
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QCoreApplication::applicationFilePath(), out, err);
    }
    // The profile commands run on the core alone: no window, no display, no platform
    // plugin.
    const tk::InstallPaths paths
        = tk::InstallPaths::fromExecutable(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
    tk::Console console(err);
    return tk::runMatchCommand(command, paths, QDir::currentPath(), console, out);
}
