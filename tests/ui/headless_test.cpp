// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/consoleinteraction.h"
#include "app/ui/headless.h"
#include "app/ui/tform1.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

// Starts nothing: notes what it would have started.
class RecordingConsole : public ConsoleInteraction {
public:
    using ConsoleInteraction::ConsoleInteraction;
    QList<tk::GameStartCommand> starts;
    bool startDetached(const tk::GameStartCommand& command, QString*) override
    {
        starts.append(command);
        return true;
    }
};

// An installation whose "match.tsf" rotates through a map without a navigation file,
// which the check before the start finds.
struct Headless {
    QTemporaryDir root;
    QString quake2 = root.filePath(QStringLiteral("quake2"));
    QString launcherDir = quake2 + QStringLiteral("/TARRAKIND");
    QString outText;
    QString errText;
    QTextStream out { &outText };
    QTextStream err { &errText };
    RecordingConsole ui { err };

    Headless()
    {
        QDir().mkpath(launcherDir);
        writeAll(quake2 + QStringLiteral("/quake2"), "");
        writeAll(launcherDir + QStringLiteral("/bots.cfg"), "");
        writeAll(launcherDir + QStringLiteral("/q2dm1.aas"), "");
        writeAll(launcherDir + QStringLiteral("/rotation.lst"), "q2dm1\r\nnowhere\r\n");
        writeAll(launcherDir + QStringLiteral("/match.tsf"),
            "[MapControl]\r\nRotation=1\r\nRotationFile=rotation.lst\r\n[Player]\r\nEnabled=1\r\nName=Jörg "
            "K\r\n");
    }
    tk::InstallPaths paths() const { return tk::InstallPaths::fromLauncherDir(launcherDir, false); }
    int run(const QStringList& arguments)
    {
        return runMainWindowCommand(tk::parseCommandLine(arguments), paths(), root.path(), ui, out);
    }
};

TEST(HeadlessCommands, WriteCfgWritesWhatLaunchWritesInTheWindowAndStartsNothing)
{
    Headless h;
    EXPECT_EQ(h.run({ QStringLiteral("--write-cfg"), QStringLiteral("match.tsf") }), 0);
    EXPECT_EQ(h.outText, h.launcherDir + QStringLiteral("/tark.cfg\n"));
    // The finding is a warning; the files are written all the same.
    EXPECT_TRUE(h.errText.startsWith(QStringLiteral("tarrakind: warning: The match may not go as set up:\n")))
        << h.errText.toStdString();
    EXPECT_TRUE(h.errText.contains(QStringLiteral("tarrakind: warning: \u2022 The rotation names maps")));
    EXPECT_TRUE(h.ui.starts.isEmpty());
    const QByteArray written = readAll(h.launcherDir + QStringLiteral("/tark.cfg"));
    ASSERT_TRUE(written.contains("name \"J\xc3\xb6rg K\"\r\n")) << written.toStdString();
    ASSERT_TRUE(QFile::remove(h.launcherDir + QStringLiteral("/tark.cfg")));

    ScriptedInteraction user;
    user.choiceAnswers.enqueue(0); // Launch anyway
    TForm1 window(h.paths(), user);
    window.startUp(h.launcherDir + QStringLiteral("/match.tsf"));
    window.launch();
    ASSERT_EQ(user.starts.size(), 1);
    EXPECT_EQ(readAll(h.launcherDir + QStringLiteral("/tark.cfg")), written);
}

TEST(HeadlessCommands, CheckPrintsOneFindingALineAndFailsWhenItFindsAny)
{
    Headless h;
    EXPECT_EQ(h.run({ QStringLiteral("--check") }), 0);
    EXPECT_EQ(h.outText, QString());
    EXPECT_EQ(h.run({ QStringLiteral("--check"), QStringLiteral("match.tsf") }), 1);
    EXPECT_EQ(h.outText.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(h.outText.startsWith(QStringLiteral("The rotation names maps"))) << h.outText.toStdString();
    EXPECT_FALSE(QFileInfo::exists(h.launcherDir + QStringLiteral("/tark.cfg")));
}

TEST(HeadlessCommands, LaunchStopsAtAFindingUnlessForced)
{
    Headless h;
    EXPECT_EQ(h.run({ QStringLiteral("--launch"), QStringLiteral("match.tsf") }), 1);
    EXPECT_TRUE(h.ui.starts.isEmpty());
    EXPECT_TRUE(h.errText.endsWith(
        QStringLiteral("tarrakind: The game was not started; --force starts it all the same.\n")))
        << h.errText.toStdString();

    Headless forced;
    EXPECT_EQ(
        forced.run({ QStringLiteral("--launch"), QStringLiteral("--force"), QStringLiteral("match.tsf") }),
        0);
    ASSERT_EQ(forced.ui.starts.size(), 1);
    EXPECT_EQ(forced.ui.starts[0].program, forced.quake2 + QStringLiteral("/quake2"));
    EXPECT_EQ(forced.ui.starts[0].workingDirectory, forced.quake2);
}

TEST(HeadlessCommands, AProfileThatCannotBeLoadedStopsTheCommandBeforeAnythingIsWritten)
{
    Headless h;
    writeAll(h.launcherDir + QStringLiteral("/bad.tsf"), "[ServerOptions]\r\nDMFlags=abc\r\n");
    EXPECT_EQ(h.run({ QStringLiteral("--write-cfg"), QStringLiteral("bad.tsf") }), 1);
    EXPECT_EQ(h.errText, QStringLiteral("tarrakind: 'abc' is not a valid integer value\n"));
    EXPECT_EQ(h.run({ QStringLiteral("--write-cfg"), QStringLiteral("nosuch.tsf") }), 1);
    EXPECT_TRUE(h.errText.endsWith(QStringLiteral("tarrakind: No profile nosuch.tsf\n")))
        << h.errText.toStdString();
    EXPECT_EQ(h.outText, QString());
    EXPECT_FALSE(QFileInfo::exists(h.launcherDir + QStringLiteral("/tark.cfg")));
}

} // namespace
