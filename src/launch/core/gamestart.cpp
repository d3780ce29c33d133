#include "launch/core/gamestart.h"

#include "launch/core/execfile.h"

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
    return { QStringLiteral("+set"), QStringLiteral("dedicated"), dedicatedDigit(dedicated),
        QStringLiteral("+set"), QStringLiteral("game"), gameDirName, QStringLiteral("+exec"),
        execFileName() };
}

QString windowsCommandLine(bool dedicated, const QString& gameDirName)
{
    return QStringLiteral(" +set dedicated ") + dedicatedDigit(dedicated) + QStringLiteral(" +set game \"")
        + gameDirName + QStringLiteral("\" +exec ") + execFileName();
}

GameStartCommand gameStartCommand(
    const InstallPaths& paths, const QString& executableName, bool dedicated, bool windowsRules)
{
    GameStartCommand command;
    command.program = executablePath(paths, executableName, windowsRules);
    if (windowsRules)
        command.nativeArguments = windowsCommandLine(dedicated, paths.gameDirName);
    else
        command.arguments = gameArguments(dedicated, paths.gameDirName);
    command.workingDirectory = paths.quake2Dir;
    return command;
}

QString missingExecutableMessage(const QString& executablePath)
{
    return QStringLiteral("Error: Path to Quake2.exe is incorrect\r\r") + executablePath
        + QStringLiteral(" does not exist.");
}

} // namespace tk
