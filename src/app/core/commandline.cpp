// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/commandline.h"

#include "app/core/qtoptions.h"
#include "app/core/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tk {

namespace {

// The translation context of this file's texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    using Command = CommandLine::Command;
    const struct {
        QStringList names;
        Command command;
    } commands[] = {
        { { QStringLiteral("h"), QStringLiteral("help") }, Command::Help },
        { { QStringLiteral("v"), QStringLiteral("version") }, Command::Version },
        { { QStringLiteral("write-cfg") }, Command::WriteCfg },
        { { QStringLiteral("check") }, Command::Check },
        { { QStringLiteral("launch") }, Command::Launch },
        { { QStringLiteral("install-desktop-entry") }, Command::InstallDesktopEntry },
        { { QStringLiteral("remove-desktop-entry") }, Command::RemoveDesktopEntry },
    };
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const auto& c : commands)
        parser.addOption(QCommandLineOption(c.names));
    const QCommandLineOption force(QStringLiteral("force"));
    parser.addOption(force);
    parser.addPositionalArgument(QStringLiteral("PROFILE"), QString());

    CommandLine result;
    const QStringList own = withoutQtOptions(arguments, &result.error);
    if (!result.error.isEmpty())
        return result;
    if (!parser.parse(QStringList { QStringLiteral("tarrakind") } + own)) {
        result.error = parser.errorText();
        return result;
    }
    int given = 0;
    for (const auto& c : commands) {
        if (parser.isSet(c.names.constLast())) {
            result.command = c.command;
            ++given;
        }
    }
    const QStringList positional = parser.positionalArguments();
    result.force = parser.isSet(force);
    if (given > 1)
        result.error = Texts::tr("give one command at a time");
    else if (result.force && result.command != Command::Launch && result.command != Command::WriteCfg)
        result.error = Texts::tr("--force goes only with --write-cfg and --launch");
    else if (!positional.isEmpty() && !drivesMainWindow(result.command))
        result.error
            = given ? Texts::tr("this command takes no profile") : Texts::tr("a profile needs a command");
    else if (positional.size() > 1)
        result.error = Texts::tr("give one profile at a time");
    else if (!positional.isEmpty() && positional.constFirst().isEmpty())
        result.error = Texts::tr("the profile's name is empty");
    else if (!positional.isEmpty())
        result.profile = positional.constFirst();
    if (!result.error.isEmpty())
        result.command = Command::Window;
    return result;
}

bool drivesMainWindow(CommandLine::Command command)
{
    using Command = CommandLine::Command;
    return command == Command::WriteCfg || command == Command::Check || command == Command::Launch;
}

QString usageText()
{
    return Texts::tr(
        "Usage: tarrakind [--write-cfg [--force] | --check | --launch [--force]] [PROFILE]\n"
        "       tarrakind --install-desktop-entry | --remove-desktop-entry | --help | --version\n");
}

QString helpText()
{
    return usageText()
        + Texts::tr(
            "\n"
            "Without arguments, opens the launcher's window.\n"
            "\n"
            "  --write-cfg              write the rotation file and the exec file as LAUNCH! does,\n"
            "                           print the exec file's path; start nothing; stops when\n"
            "                           loading the profile gives an error\n"
            "  --check                  print what loading the profile and the check before the\n"
            "                           start find, one a line; exit 1 when they find anything\n"
            "  --launch                 the whole LAUNCH!, game start included; stops when\n"
            "                           loading the profile gives an error or the check finds\n"
            "                           anything\n"
            "  --force                  with --write-cfg and --launch: go on all the same\n"
            "  --install-desktop-entry  add the launcher to the desktop's menu (for this user)\n"
            "  --remove-desktop-entry   take it out again\n"
            "  -h, --help               print this help\n"
            "  -v, --version            print the version and the licence\n"
            "\n"
            "PROFILE is a profile file (.tsf), by default default.tsf in the launcher's\n"
            "directory; a relative name is looked for in the current directory, then in the\n"
            "launcher's. These commands need no display and never change a profile; a\n"
            "profile that cannot be read stops them. Messages go to standard error, each\n"
            "line prefixed with \"tarrakind: \". Exit status: 0 done, 1 stopped (or --check\n"
            "found something), 2 bad arguments.\n"
            "\n"
            "Keys in the window (the man page says more):\n"
            "  Alt+S, C, D, G, M, I, P, B, F  open that tab, from every tab\n"
            "  Ctrl+Tab, Ctrl+Shift+Tab       the next, the previous tab\n"
            "  Ctrl+Return, F9                LAUNCH!\n"
            "  Ctrl+P, F1, Ctrl+Q             Preview, About, Close\n"
            "  Alt+O, Ctrl+S, Alt+A           Setup: Open, Save, Save As\n"
            "  Ctrl+B                         Setup: Add Current Config\n"
            "  Delete, Shift+Delete           on the quick-load bar: Remove a Button, Remove all\n"
            "  Space, Return                  in the bot list: toggle; on the quick-load bar: load\n"
            "  Ctrl+R, Alt+A, Alt+E           Bot Cfg: Pick Random #, Add Bot, Edit Bot\n"
            "  Delete                         in the bot list: Delete Bot\n"
            "  Ctrl+G                         Bot Cfg: Bot Generator\n"
            "  Ctrl+1 to Ctrl+6               DM Flags: the presets; Return in the total: Set\n"
            "  F5, F2                         Map: Refresh Map List; in the map list: Enter/Alter Title\n"
            "  Alt+T, Alt+U, Alt+R            Map: Add to Rotation, Move Up, Randomize\n"
            "  Ctrl+Up, Ctrl+Down             in the rotation list: Move Up, Move Down\n"
            "  Delete, Shift+Delete           in the rotation or bind list: Delete, Delete All\n"
            "  Ctrl+S, Ctrl+L                 Map: the rotation file's Save and Load\n"
            "  Alt+A, Alt+E                   Binds: Add Bind, Edit Bind\n"
            "  Space, Return                  on the colour swatch: choose the light-up colour\n"
            "  Return, Escape                 in dialogs: their action, Cancel; in the preview: go to\n"
            "                                 the setting of the line, close\n")
        + QLatin1Char('\n') + qtOptionsHelpText();
}

QString versionText()
{
    return Texts::tr("Tarrakind %1\n"
                     "Copyright (C) 2026 the Tarrakind team\n"
                     "Licence: %2 (GNU General Public License, version 2 or later)\n"
                     "This is free software: you may change and share it under the terms of that licence.\n"
                     "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(versionNumber(), licenceName());
}

QString resolveProfilePath(const QString& given, const QString& currentDir, const InstallPaths& paths)
{
    if (given.isEmpty())
        return paths.inLauncherDir(QStringLiteral("default.tsf"));
    // A pipe or a device counts too: the command then says why it does not read it,
    // rather than that there is no such profile. A directory is no profile.
    const auto there
        = [](const QString& path) { return QFileInfo::exists(path) && !QFileInfo(path).isDir(); };
    const QString here = QDir(currentDir).absoluteFilePath(given);
    if (there(here))
        return QDir::cleanPath(here);
    if (QDir::isRelativePath(given)) {
        const QString inLauncherDir = QDir(paths.launcherDir).absoluteFilePath(given);
        if (there(inLauncherDir))
            return QDir::cleanPath(inLauncherDir);
    }
    return {};
}

} // namespace tk
