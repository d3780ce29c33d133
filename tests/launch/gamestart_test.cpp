// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/fileutil.h"
#include "app/core/installpaths.h"
#include "launch/core/gamestart.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(GameStart, DefaultExecutableName)
{
    EXPECT_EQ(tk::defaultExecutableName(false), QStringLiteral("quake2"));
    EXPECT_EQ(tk::defaultExecutableName(true), QStringLiteral("quake2.exe"));
}

TEST(GameStart, ExecutablePath)
{
    const auto unixPaths = tk::InstallPaths::fromLauncherDir(QStringLiteral("/opt/Quake2/TARRAKIND"), false);
    const auto windowsPaths
        = tk::InstallPaths::fromLauncherDir(QStringLiteral("C:\\Quake2\\TARRAKIND"), true);
    struct Case {
        const tk::InstallPaths& paths;
        bool windowsRules;
        const char* exe;
        const char* expected;
    } cases[] = {
        { unixPaths, false, "quake2", "/opt/Quake2/quake2" },
        { unixPaths, false, "q2pro", "/opt/Quake2/q2pro" },
        { unixPaths, false, "", "/opt/Quake2/" },
        { windowsPaths, true, "quake2.exe", "c:\\quake2\\quake2.exe" },
        { windowsPaths, true, "", "c:\\quake2\\" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(tk::executablePath(c.paths, QString::fromLatin1(c.exe), c.windowsRules),
            QString::fromLatin1(c.expected));
    }
}

TEST(GameStart, EmptyExecutableNameIsNeverAFile)
{
    QTemporaryDir root;
    const auto paths = tk::InstallPaths::fromLauncherDir(root.path() + QStringLiteral("/TARRAKIND"), false);
    EXPECT_TRUE(tk::directoryExists(tk::executablePath(paths, QString(), false)));
    EXPECT_FALSE(tk::fileExists(tk::executablePath(paths, QString(), false)));
    QFile exe(root.path() + QStringLiteral("/quake2"));
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    EXPECT_TRUE(tk::fileExists(tk::executablePath(paths, QStringLiteral("quake2"), false)));
}

TEST(GameStart, ArgumentList)
{
    EXPECT_EQ(tk::gameArguments(false, QStringLiteral("TARRAKIND")),
        (QStringList { "+set", "dedicated", "0", "+set", "game", "\"TARRAKIND\"", "+exec", "tark.cfg" }));
    // The engine parses each "+" group again: only in quotes do these names stay whole.
    EXPECT_EQ(tk::gameArguments(true, QStringLiteral("my bots")),
        (QStringList { "+set", "dedicated", "1", "+set", "game", "\"my bots\"", "+exec", "tark.cfg" }));
    EXPECT_EQ(tk::gameArguments(false, QStringLiteral("a;b")).at(5), QStringLiteral("\"a;b\""));
}

TEST(GameStart, WindowsCommandLine)
{
    EXPECT_EQ(tk::windowsCommandLine(false, QStringLiteral("TARRAKIND")),
        QStringLiteral(" +set dedicated 0 +set game \"TARRAKIND\" +exec tark.cfg"));
    EXPECT_EQ(tk::windowsCommandLine(true, QStringLiteral("Tark Bots")),
        QStringLiteral(" +set dedicated 1 +set game \"Tark Bots\" +exec tark.cfg"));
}

TEST(GameStart, CommandPerPlatform)
{
    const auto unixPaths = tk::InstallPaths::fromLauncherDir(QStringLiteral("/games/q2/tarrakind"), false);
    tk::GameStartCommand expectedLinux;
    expectedLinux.program = QStringLiteral("/games/q2/quake2");
    expectedLinux.arguments
        = QStringList { "+set", "dedicated", "1", "+set", "game", "\"tarrakind\"", "+exec", "tark.cfg" };
    expectedLinux.workingDirectory = QStringLiteral("/games/q2");
    EXPECT_EQ(tk::gameStartCommand(unixPaths, QStringLiteral("quake2"), true, false), expectedLinux);

    const auto windowsPaths
        = tk::InstallPaths::fromLauncherDir(QStringLiteral("D:\\Games\\Quake2\\TARRAKIND"), true);
    tk::GameStartCommand expectedWindows;
    expectedWindows.program = QStringLiteral("d:\\games\\quake2\\quake2.exe");
    expectedWindows.nativeArguments
        = QStringLiteral(" +set dedicated 0 +set game \"TARRAKIND\" +exec tark.cfg");
    expectedWindows.workingDirectory = QStringLiteral("d:\\games\\quake2");
    EXPECT_EQ(tk::gameStartCommand(windowsPaths, QStringLiteral("quake2.exe"), false, true), expectedWindows);
}

TEST(GameStart, MissingExecutableMessage)
{
    EXPECT_EQ(tk::missingExecutableMessage(QStringLiteral("/games/q2/quake2")),
        QStringLiteral("Error: Path to Quake2.exe is incorrect\r\r/games/q2/quake2 does not exist."));
    EXPECT_EQ(tk::missingExecutableMessage(QStringLiteral("/games/q2/")),
        QStringLiteral("Error: Path to Quake2.exe is incorrect\r\r/games/q2/ does not exist."));
}

} // namespace
