// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/installpaths.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* name;
    const char* executable;
    bool windows;
    const char* launcherDir;
    const char* gameDir;
    const char* quake2Dir;
    const char* displayed;
};

class InstallPathsTest : public ::testing::TestWithParam<PathCase> { };

TEST_P(InstallPathsTest, DerivesThePathsFromTheExecutable)
{
    const PathCase& c = GetParam();
    const tk::InstallPaths p = tk::InstallPaths::fromExecutable(QString::fromUtf8(c.executable), c.windows);
    EXPECT_EQ(p.launcherDir, QString::fromUtf8(c.launcherDir));
    EXPECT_EQ(p.gameDirName, QString::fromUtf8(c.gameDir));
    EXPECT_EQ(p.quake2Dir, QString::fromUtf8(c.quake2Dir));
    EXPECT_EQ(p.displayedLauncherDir(c.windows), QString::fromUtf8(c.displayed));
}

INSTANTIATE_TEST_SUITE_P(Platforms, InstallPathsTest,
    ::testing::Values(
        // Windows lower-cases the Quake2 directory and the displayed launcher directory only.
        PathCase { "WindowsDriveMixedCase", "D:\\Games\\Quake2\\TARRAKIND\\launcher.exe", true,
            "D:\\Games\\Quake2\\TARRAKIND", "TARRAKIND", "d:\\games\\quake2",
            "d:\\games\\quake2\\tarrakind" },
        PathCase { "WindowsGameDirCaseKept", "C:\\Quake2\\TarraKind\\t.exe", true, "C:\\Quake2\\TarraKind",
            "TarraKind", "c:\\quake2", "c:\\quake2\\tarrakind" },
        // Elsewhere the case is kept: a lower-cased path would not exist.
        PathCase { "LinuxCaseKept", "/home/me/Games/Quake2/TARRAKIND/tarrakind", false,
            "/home/me/Games/Quake2/TARRAKIND", "TARRAKIND", "/home/me/Games/Quake2",
            "/home/me/Games/Quake2/TARRAKIND" },
        // A launcher directly in the root gets wrong paths silently; the launch reports the missing game.
        PathCase { "LinuxRootDirectory", "/tarrakind", false, "/", "", "", "/" }),
    [](const ::testing::TestParamInfo<PathCase>& paramInfo) { return std::string(paramInfo.param.name); });

TEST(InstallPaths, JoinsFileNamesWithTheSeparator)
{
    const auto p = tk::InstallPaths::fromLauncherDir(QStringLiteral("/q2/TK"), false);
    EXPECT_EQ(p.inLauncherDir(QStringLiteral("tark.cfg")), QStringLiteral("/q2/TK/tark.cfg"));
    EXPECT_EQ(p.inQuake2Dir(QStringLiteral("quake2")), QStringLiteral("/q2/quake2"));
}

} // namespace
