// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/commandline.h"
#include "app/core/installpaths.h"
#include "app/ui/appsetup.h"
#include "app/ui/consoleinteraction.h"
#include "app/ui/headless.h"
#include "app/ui/tform1.h"
#include "widgets/interaction.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QTextStream>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const tk::CommandLine command = tk::parseCommandLine(arguments);
    QTextStream out(stdout);
    QTextStream err(stderr);
    using Command = tk::CommandLine::Command;

    // Help and version need no application object, let alone a display.
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
        QCoreApplication app(argc, argv);
        return runDesktopEntryCommand(command,
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QCoreApplication::applicationFilePath(), out, err);
    }
    // The other commands drive the main window without showing it: no X server or
    // Wayland compositor is needed. The platform is chosen by argument, not in the
    // environment, which the game started by --launch inherits.
    const bool headless = tk::drivesMainWindow(command.command);
    std::vector<char*> qtArguments(argv, argv + argc);
    char platformOption[] = "-platform";
    char offscreen[] = "offscreen";
    if (headless) {
        qtArguments.push_back(platformOption);
        qtArguments.push_back(offscreen);
        // Qt's own notes (a missing runtime directory on a server, say) are no business
        // of the command's user; the launcher's messages go through the console.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "tarrakind: %s\n", qPrintable(text));
        });
    }
    int qtArgumentCount = int(qtArguments.size());
    qtArguments.push_back(nullptr);
    QApplication app(qtArgumentCount, qtArguments.data());
    setUpApplication();
    // All paths follow from where the launcher lies.
    const tk::InstallPaths paths
        = tk::InstallPaths::fromExecutable(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
    if (headless) {
        ConsoleInteraction console(err);
        return runMainWindowCommand(command, paths, QDir::currentPath(), console, out);
    }

    QtInteraction interaction;
    TForm1 form(paths, interaction);
    form.setGeometry(QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, form.size(), form.screen()->availableGeometry()));
    form.show();
    return app.exec();
}
