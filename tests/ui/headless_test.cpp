// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/consoleinteraction.h"
#include "app/ui/headless.h"
#include "app/ui/tform1.h"
#include "support/fifo.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
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
    EXPECT_EQ(h.errText,
        QStringLiteral("tarrakind: bad.tsf: 'abc' is not a valid integer value\n"
                       "tarrakind: The profile was loaded only up to that error; nothing was written.\n"));
    EXPECT_EQ(h.run({ QStringLiteral("--write-cfg"), QStringLiteral("nosuch.tsf") }), 1);
    EXPECT_TRUE(h.errText.endsWith(QStringLiteral("tarrakind: No profile nosuch.tsf\n")))
        << h.errText.toStdString();
    EXPECT_EQ(h.outText, QString());
    EXPECT_FALSE(QFileInfo::exists(h.launcherDir + QStringLiteral("/tark.cfg")));
}

// What the files of a command's installation hold, byte for byte, by name.
QMap<QString, QByteArray> contents(const QString& dir)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo& f : QDir(dir).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        files.insert(f.fileName(), f.isFile() ? readAll(f.filePath()) : QByteArray("(not a file)"));
    return files;
}

TEST(HeadlessCommands, NeverChangeAProfileOrTheQuickLoadListAndNeverAsk)
{
    Headless h;
    // Closing after the start, saving on close, keys missing that a save would add: the
    // window would ask and save; the command does neither.
    writeAll(
        h.launcherDir + QStringLiteral("/default.tsf"), "[Launcher]\r\nLeaveOpen=0\r\nSaveOnClose=1\r\n");
    const auto before = contents(h.launcherDir);
    for (const char* command : { "--write-cfg", "--launch" }) {
        EXPECT_EQ(h.run({ QString::fromLatin1(command), QStringLiteral("--force") }), 0) << command;
        auto after = contents(h.launcherDir);
        after.remove(QStringLiteral("tark.cfg"));
        after.remove(QStringLiteral("maps.lst")); // the rotation file LAUNCH! writes
        EXPECT_EQ(after, before) << command;
    }
    EXPECT_EQ(h.ui.starts.size(), 1);
    EXPECT_FALSE(h.errText.contains(QStringLiteral("?"))) << h.errText.toStdString();
}

TEST(HeadlessCommands, ARotationFileThatAProfileNamesOutsideIsNeitherWrittenNorRead)
{
    Headless h;
    const QString victim = h.root.filePath(QStringLiteral("victim"));
    writeAll(victim, QByteArray("keep\0this\n", 10));
    writeAll(h.launcherDir + QStringLiteral("/s.tsf"),
        "[MapControl]\r\nRotation=1\r\nRotationFile=../../victim\r\n");
    const QString told
        = QStringLiteral("s.tsf names \"../../victim\" as [MapControl] RotationFile, which is not used");

    EXPECT_EQ(h.run({ QStringLiteral("--check"), QStringLiteral("s.tsf") }), 1);
    EXPECT_TRUE(h.outText.startsWith(told)) << h.outText.toStdString();
    EXPECT_FALSE(h.outText.contains(QStringLiteral("keep"))) << "the victim's lines are no maps";
    EXPECT_EQ(h.run({ QStringLiteral("--write-cfg"), QStringLiteral("s.tsf") }), 1);
    EXPECT_TRUE(h.errText.endsWith(
        QStringLiteral("tarrakind: Nothing was written; --force writes it all the same.\n")));
    EXPECT_FALSE(QFileInfo::exists(h.launcherDir + QStringLiteral("/tark.cfg")));
    EXPECT_EQ(
        h.run({ QStringLiteral("--write-cfg"), QStringLiteral("--force"), QStringLiteral("s.tsf") }), 0);
    EXPECT_TRUE(h.errText.contains(QStringLiteral("tarrakind: warning: ") + told));
    EXPECT_EQ(readAll(victim), QByteArray("keep\0this\n", 10));
    EXPECT_TRUE(QFileInfo::exists(h.launcherDir + QStringLiteral("/maps.lst")));
}

// A profile the window would not read stops every command, --force or not.
TEST(HeadlessCommands, AProfileThatWasNotReadStopsEveryCommand)
{
    Headless h;
    writeAll(h.launcherDir + QStringLiteral("/utf16.tsf"), QByteArray("\xff\xfe[\0M\0]\0", 8));
    writeAll(h.launcherDir + QStringLiteral("/notes.tsf"), "just some notes\n");
    const GuardedFifo fifo(h.launcherDir + QStringLiteral("/fifo.tsf"));
    ASSERT_TRUE(fifo.created());
    for (const char* profile : { "utf16.tsf", "notes.tsf", "fifo.tsf" }) {
        const QString name = QString::fromLatin1(profile);
        for (const QStringList& command : { QStringList { "--check" },
                 QStringList { "--write-cfg", "--force" }, QStringList { "--launch", "--force" } }) {
            h.outText.clear();
            h.errText.clear();
            EXPECT_EQ(h.run(command + QStringList { name }), 1) << profile;
            EXPECT_TRUE((h.outText + h.errText).contains(name + QStringLiteral(" was not read: ")))
                << profile;
        }
    }
    EXPECT_FALSE(QFileInfo::exists(h.launcherDir + QStringLiteral("/tark.cfg")));
    EXPECT_TRUE(h.ui.starts.isEmpty());
    EXPECT_FALSE(fifo.readerWasStuck());
}

TEST(HeadlessCommands, AnErrorTheWindowWouldShowIsAFindingAndPrintedLineByLine)
{
    Headless h;
    writeAll(h.launcherDir + QStringLiteral("/lost.tsf"), "[BotDataFile]\r\nFileName=lost.cfg\r\n");
    EXPECT_EQ(h.run({ QStringLiteral("--check"), QStringLiteral("lost.tsf") }), 1);
    EXPECT_EQ(h.outText, QStringLiteral("Error: Could not locate file lost.cfg\n"));
    EXPECT_EQ(h.run({ QStringLiteral("--launch"), QStringLiteral("lost.tsf") }), 1);
    EXPECT_TRUE(h.ui.starts.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(h.launcherDir + QStringLiteral("/tark.cfg")));

    // Forced on, it is a warning; the executable's message keeps its two lines apart.
    ASSERT_TRUE(QFile::remove(h.quake2 + QStringLiteral("/quake2")));
    h.errText.clear();
    EXPECT_EQ(
        h.run({ QStringLiteral("--launch"), QStringLiteral("--force"), QStringLiteral("lost.tsf") }), 1);
    EXPECT_EQ(h.errText,
        QStringLiteral("tarrakind: warning: Error: Could not locate file lost.cfg\n"
                       "tarrakind: Error: Path to Quake2.exe is incorrect\n"
                       "tarrakind: %1 does not exist.\n")
            .arg(h.quake2 + QStringLiteral("/quake2")));
}

} // namespace
