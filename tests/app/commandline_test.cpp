// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/commandline.h"
#include "support/files.h"
#include "support/printers.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Command = tk::CommandLine::Command;

struct ParseCase {
    const char* name;
    QStringList arguments;
    Command command;
    QString profile;
    bool force;
    bool understood;
};

class ParseCommandLine : public ::testing::TestWithParam<ParseCase> { };

TEST_P(ParseCommandLine, GivesTheCommandOrRefusesTheArguments)
{
    const ParseCase& c = GetParam();
    const tk::CommandLine line = tk::parseCommandLine(c.arguments);
    EXPECT_EQ(line.error.isEmpty(), c.understood) << line.error.toStdString();
    EXPECT_EQ(line.command, c.command);
    EXPECT_EQ(line.profile, c.profile);
    EXPECT_EQ(line.force, c.force);
}

const auto S = [](std::initializer_list<const char*> words) {
    QStringList l;
    for (const char* w : words)
        l.append(QString::fromUtf8(w));
    return l;
};

INSTANTIATE_TEST_SUITE_P(Cases, ParseCommandLine,
    ::testing::Values(ParseCase { "NoArgumentsOpensTheWindow", {}, Command::Window, {}, false, true },
        ParseCase { "Help", S({ "--help" }), Command::Help, {}, false, true },
        ParseCase { "ShortHelp", S({ "-h" }), Command::Help, {}, false, true },
        ParseCase { "Version", S({ "--version" }), Command::Version, {}, false, true },
        ParseCase { "WriteCfgWithoutProfile", S({ "--write-cfg" }), Command::WriteCfg, {}, false, true },
        ParseCase { "CheckWithProfile", S({ "--check", "ctf.tsf" }), Command::Check, "ctf.tsf", false, true },
        ParseCase { "ProfileBeforeTheCommand", S({ "duel.tsf", "--launch" }), Command::Launch, "duel.tsf",
            false, true },
        ParseCase {
            "LaunchForced", S({ "--launch", "--force", "a b.tsf" }), Command::Launch, "a b.tsf", true, true },
        ParseCase { "DashedProfileAfterDoubleDash", S({ "--check", "--", "-x.tsf" }), Command::Check,
            "-x.tsf", false, true },
        ParseCase { "InstallDesktopEntry", S({ "--install-desktop-entry" }), Command::InstallDesktopEntry, {},
            false, true },
        ParseCase { "UnknownOption", S({ "--bogus" }), Command::Window, {}, false, false },
        ParseCase { "TwoCommands", S({ "--check", "--launch" }), Command::Window, {}, false, false },
        ParseCase { "WriteCfgForced", S({ "--write-cfg", "--force" }), Command::WriteCfg, {}, true, true },
        ParseCase { "ForceWithCheck", S({ "--check", "--force" }), Command::Window, {}, true, false },
        ParseCase { "ProfileWithoutCommand", S({ "x.tsf" }), Command::Window, {}, false, false },
        ParseCase { "ProfileForACommandThatTakesNone", S({ "--version", "x.tsf" }), Command::Window, {},
            false, false },
        ParseCase { "TwoProfiles", S({ "--check", "a.tsf", "b.tsf" }), Command::Window, {}, false, false },
        ParseCase { "ValueGivenToACommand", S({ "--check=a.tsf" }), Command::Window, {}, false, false },
        // Qt's own options are QApplication's to read, with their values.
        ParseCase { "QtOptionsForTheWindow",
            S({ "-style", "fusion", "--platform", "xcb", "-display", ":1", "-reverse",
                "-qmljsdebugger=port:1" }),
            Command::Window, {}, false, true },
        ParseCase { "QtOptionsAroundACommand",
            S({ "-style=fusion", "--check", "-geometry", "x.tsf", "a.tsf" }), Command::Check, "a.tsf", false,
            true },
        ParseCase {
            "QtOptionWithoutItsValue", S({ "--check", "-platform" }), Command::Window, {}, false, false },
        ParseCase {
            "QtOptionInAFormQtDoesNotTake", S({ "-platform=xcb" }), Command::Window, {}, false, false },
        ParseCase { "ProfileNamedLikeAQtOptionAfterDoubleDash", S({ "--check", "--", "-reverse" }),
            Command::Check, "-reverse", false, true }),
    [](const ::testing::TestParamInfo<ParseCase>& paramInfo) { return std::string(paramInfo.param.name); });

TEST(ResolveProfilePath, CurrentDirectoryFirstThenTheLauncherDirectory)
{
    QTemporaryDir root;
    const QString launcherDir = root.filePath(QStringLiteral("quake2/TARRAKIND"));
    const QString here = root.filePath(QStringLiteral("here"));
    QDir().mkpath(launcherDir);
    QDir().mkpath(here);
    const tk::InstallPaths paths = tk::InstallPaths::fromLauncherDir(launcherDir, false);
    writeAll(launcherDir + QStringLiteral("/both.tsf"), "");
    writeAll(here + QStringLiteral("/both.tsf"), "");
    writeAll(launcherDir + QStringLiteral("/ctf.tsf"), "");

    // The default need not exist: a missing default.tsf loads the defaults, as at start-up.
    EXPECT_EQ(tk::resolveProfilePath({}, here, paths), launcherDir + QStringLiteral("/default.tsf"));
    EXPECT_EQ(
        tk::resolveProfilePath(QStringLiteral("both.tsf"), here, paths), here + QStringLiteral("/both.tsf"));
    EXPECT_EQ(tk::resolveProfilePath(QStringLiteral("ctf.tsf"), here, paths),
        launcherDir + QStringLiteral("/ctf.tsf"));
    EXPECT_EQ(tk::resolveProfilePath(launcherDir + QStringLiteral("/ctf.tsf"), here, paths),
        launcherDir + QStringLiteral("/ctf.tsf"));
    EXPECT_EQ(tk::resolveProfilePath(QStringLiteral("nosuch.tsf"), here, paths), QString());
    // A directory is no profile.
    EXPECT_EQ(tk::resolveProfilePath(QStringLiteral("."), here, paths), QString());
}

} // namespace
