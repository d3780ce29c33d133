// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/gamestart.h"

#include "app/core/fileutil.h"
#include "launch/core/execfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace tk {

namespace {

QString dedicatedDigit(bool dedicated)
{
    return dedicated ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString defaultExecutableName(bool windowsRules)
{
    return windowsRules ? QStringLiteral("quake2.exe") : QStringLiteral("quake2");
}

QString executablePath(const InstallPaths& paths, const QString& executableName, bool windowsRules)
{
    return paths.quake2Dir + (windowsRules ? QChar('\\') : QChar('/')) + executableName;
}

QStringList gameArguments(bool dedicated, const QString& gameDirName)
{
    // The engine joins each "+" group into a console line and parses it again: in quotes,
    // a name with a blank or ";" stays whole (and a plain name is read the same).
    return { QStringLiteral("+set"), QStringLiteral("dedicated"), dedicatedDigit(dedicated),
        QStringLiteral("+set"), QStringLiteral("game"), QLatin1Char('"') + gameDirName + QLatin1Char('"'),
        QStringLiteral("+exec"), execFileName() };
}

QString windowsCommandLine(bool dedicated, const QString& gameDirName)
{
    return QStringLiteral(" +set dedicated ") + dedicatedDigit(dedicated) + QStringLiteral(" +set game \"")
        + gameDirName + QStringLiteral("\" +exec ") + execFileName();
}

QString executableToRun(const InstallPaths& paths, const QString& executableName, bool windowsRules)
{
    if (windowsRules)
        return executableName;
    QString name = existingFileName(paths.quake2Dir, executableName);
    // Profiles made on Windows name the game "quake2.exe"; here it is "quake2".
    if (!fileExists(executablePath(paths, name, false))
        && name.compare(QLatin1String("quake2.exe"), Qt::CaseInsensitive) == 0
        && fileExists(executablePath(paths, defaultExecutableName(false), false)))
        return defaultExecutableName(false);
    return name;
}

GameStartCommand gameStartCommand(
    const InstallPaths& paths, const QString& executableName, bool dedicated, bool windowsRules)
{
    GameStartCommand command;
    command.program
        = executablePath(paths, executableToRun(paths, executableName, windowsRules), windowsRules);
    if (windowsRules)
        command.nativeArguments = windowsCommandLine(dedicated, paths.gameDirName);
    else
        command.arguments = gameArguments(dedicated, paths.gameDirName);
    command.workingDirectory = paths.quake2Dir;
    return command;
}

bool startGameDetached(const GameStartCommand& command, QString* reason)
{
    const QFileInfo info(command.program);
    if (info.isDir()) {
        *reason = QCoreApplication::translate("GameStart", "it is a directory");
        return false;
    }
    if (!info.isExecutable()) {
        *reason = QCoreApplication::translate("GameStart", "it is not marked as executable");
        return false;
    }
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
#ifdef Q_OS_WIN
    process.setNativeArguments(command.nativeArguments);
#endif
    process.setWorkingDirectory(command.workingDirectory);
    if (process.startDetached())
        return true;
    // Qt names the system call that failed; the user needs only its reason.
    *reason = process.errorString();
    const qsizetype colon = reason->indexOf(QStringLiteral(": "));
    if (colon > 0 && !reason->left(colon).contains(QLatin1Char(' ')))
        *reason = reason->mid(colon + 2);
    return false;
}

QString couldNotStartMessage(const QString& executablePath, const QString& reason)
{
    return QCoreApplication::translate("GameStart", "Could not start %1: %2")
        .arg(QDir::toNativeSeparators(executablePath), reason);
}

QString missingExecutableMessage(const QString& executablePath)
{
    return QCoreApplication::translate(
        "GameStart", "Error: Path to Quake2.exe is incorrect\r\r%1 does not exist.")
        .arg(executablePath);
}

} // namespace tk
