// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/matchcommand.h"
#include "app/ui/tform1.h"
#include "launch/core/gamestart.h"
#include "support/fifo.h"
#include "support/files.h"
#include "support/mainwindow.h"
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
class RecordingConsole : public tk::Console {
public:
    using tk::Console::Console;
    QList<tk::GameStartCommand> starts;
    bool startDetached(const tk::GameStartCommand& command, QString*) override
    {
        starts.append(command);
        return true;
    }
};

// An installation whose "match.tsf" rotates through a map without a navigation file,
// which the check before the start finds.
class HeadlessCommands : public MainWindowTest {
protected:
    QString outText;
    QString errText;
    QTextStream out { &outText };
    QTextStream err { &errText };
    RecordingConsole console { err };

    void SetUp() override
    {
        writeAll(quake2 + QStringLiteral("/quake2"), "");
        write(QStringLiteral("bots.cfg"), "");
        write(QStringLiteral("q2dm1.aas"), "");
        write(QStringLiteral("rotation.lst"), "q2dm1\r\nnowhere\r\n");
        write(QStringLiteral("match.tsf"),
            "[MapControl]\r\nRotation=1\r\nRotationFile=rotation.lst\r\n[Player]\r\nEnabled=1\r\nName=Jörg "
            "K\r\n");
    }
    int run(const QStringList& arguments)
    {
        return tk::runMatchCommand(tk::parseCommandLine(arguments), paths(), root.path(), console, out);
    }
};

TEST_F(HeadlessCommands, WriteCfgWritesWhatLaunchWritesInTheWindowAndStartsNothing)
{
    EXPECT_EQ(run({ QStringLiteral("--write-cfg"), QStringLiteral("match.tsf") }), 0);
    EXPECT_EQ(outText, dir + QStringLiteral("/tark.cfg\n"));
    // The finding is a warning; the files are written all the same.
    EXPECT_TRUE(errText.startsWith(QStringLiteral("tarrakind: warning: The match may not go as set up:\n")))
        << errText.toStdString();
    EXPECT_TRUE(errText.contains(QStringLiteral("tarrakind: warning: \u2022 The rotation names maps")));
    EXPECT_TRUE(console.starts.isEmpty());
    const QByteArray written = readAll(dir + QStringLiteral("/tark.cfg"));
    ASSERT_TRUE(written.contains("name \"J\xc3\xb6rg K\"\r\n")) << written.toStdString();
    ASSERT_TRUE(QFile::remove(dir + QStringLiteral("/tark.cfg")));

    ui.choiceAnswers.enqueue(0); // Launch anyway
    openWindow(Shown::No, false);
    form->startUp(file(QStringLiteral("match.tsf")));
    form->launch();
    ASSERT_EQ(ui.starts.size(), 1);
    EXPECT_EQ(readAll(dir + QStringLiteral("/tark.cfg")), written);
}

TEST_F(HeadlessCommands, CheckPrintsOneFindingALineAndFailsWhenItFindsAny)
{
    EXPECT_EQ(run({ QStringLiteral("--check") }), 0);
    EXPECT_EQ(outText, QString());
    EXPECT_EQ(run({ QStringLiteral("--check"), QStringLiteral("match.tsf") }), 1);
    EXPECT_EQ(outText.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(outText.startsWith(QStringLiteral("The rotation names maps"))) << outText.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/tark.cfg")));
}

TEST_F(HeadlessCommands, LaunchStopsAtAFindingUnlessForced)
{
    EXPECT_EQ(run({ QStringLiteral("--launch"), QStringLiteral("match.tsf") }), 1);
    EXPECT_TRUE(console.starts.isEmpty());
    EXPECT_TRUE(errText.endsWith(
        QStringLiteral("tarrakind: The game was not started; --force starts it all the same.\n")))
        << errText.toStdString();

    errText.clear();
    EXPECT_EQ(run({ QStringLiteral("--launch"), QStringLiteral("--force"), QStringLiteral("match.tsf") }), 0);
    ASSERT_EQ(console.starts.size(), 1);
    EXPECT_EQ(console.starts[0].program, quake2 + QStringLiteral("/quake2"));
    EXPECT_EQ(console.starts[0].workingDirectory, quake2);
}

TEST_F(HeadlessCommands, AProfileThatCannotBeLoadedStopsTheCommandBeforeAnythingIsWritten)
{
    writeAll(dir + QStringLiteral("/bad.tsf"), "[ServerOptions]\r\nDMFlags=abc\r\n");
    EXPECT_EQ(run({ QStringLiteral("--write-cfg"), QStringLiteral("bad.tsf") }), 1);
    EXPECT_EQ(errText,
        QStringLiteral("tarrakind: bad.tsf: 'abc' is not a valid integer value\n"
                       "tarrakind: The profile was loaded only up to that error; nothing was written.\n"));
    EXPECT_EQ(run({ QStringLiteral("--write-cfg"), QStringLiteral("nosuch.tsf") }), 1);
    EXPECT_TRUE(errText.endsWith(QStringLiteral("tarrakind: No profile nosuch.tsf\n")))
        << errText.toStdString();
    EXPECT_EQ(outText, QString());
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/tark.cfg")));
}

// What the files of a command's installation hold, byte for byte, by name.
QMap<QString, QByteArray> contents(const QString& dir)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo& f : QDir(dir).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        files.insert(f.fileName(), f.isFile() ? readAll(f.filePath()) : QByteArray("(not a file)"));
    return files;
}

TEST_F(HeadlessCommands, NeverChangeAProfileOrTheQuickLoadListAndNeverAsk)
{
    // Closing after the start, saving on close, keys missing that a save would add: the
    // window would ask and save; the command does neither.
    writeAll(dir + QStringLiteral("/default.tsf"), "[Launcher]\r\nLeaveOpen=0\r\nSaveOnClose=1\r\n");
    const auto before = contents(dir);
    for (const char* command : { "--write-cfg", "--launch" }) {
        EXPECT_EQ(run({ QString::fromLatin1(command), QStringLiteral("--force") }), 0) << command;
        auto after = contents(dir);
        after.remove(QStringLiteral("tark.cfg"));
        after.remove(QStringLiteral("maps.lst")); // the rotation file LAUNCH! writes
        EXPECT_EQ(after, before) << command;
    }
    EXPECT_EQ(console.starts.size(), 1);
    EXPECT_FALSE(errText.contains(QStringLiteral("?"))) << errText.toStdString();
}

TEST_F(HeadlessCommands, ARotationFileThatAProfileNamesOutsideIsNeitherWrittenNorRead)
{
    const QString victim = root.filePath(QStringLiteral("victim"));
    writeAll(victim, QByteArray("keep\0this\n", 10));
    writeAll(dir + QStringLiteral("/s.tsf"), "[MapControl]\r\nRotation=1\r\nRotationFile=../../victim\r\n");
    const QString told
        = QStringLiteral("s.tsf names \"../../victim\" as [MapControl] RotationFile, which is not used");

    EXPECT_EQ(run({ QStringLiteral("--check"), QStringLiteral("s.tsf") }), 1);
    EXPECT_TRUE(outText.startsWith(told)) << outText.toStdString();
    EXPECT_FALSE(outText.contains(QStringLiteral("keep"))) << "the victim's lines are no maps";
    EXPECT_EQ(run({ QStringLiteral("--write-cfg"), QStringLiteral("s.tsf") }), 1);
    EXPECT_TRUE(errText.endsWith(
        QStringLiteral("tarrakind: Nothing was written; --force writes it all the same.\n")));
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/tark.cfg")));
    EXPECT_EQ(run({ QStringLiteral("--write-cfg"), QStringLiteral("--force"), QStringLiteral("s.tsf") }), 0);
    EXPECT_TRUE(errText.contains(QStringLiteral("tarrakind: warning: ") + told));
    EXPECT_EQ(readAll(victim), QByteArray("keep\0this\n", 10));
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/maps.lst")));
}

// A profile the window would not read stops every command, --force or not.
TEST_F(HeadlessCommands, AProfileThatWasNotReadStopsEveryCommand)
{
    writeAll(dir + QStringLiteral("/utf16.tsf"), QByteArray("\xff\xfe[\0M\0]\0", 8));
    writeAll(dir + QStringLiteral("/notes.tsf"), "just some notes\n");
    const GuardedFifo fifo(dir + QStringLiteral("/fifo.tsf"));
    ASSERT_TRUE(fifo.created());
    for (const char* profile : { "utf16.tsf", "notes.tsf", "fifo.tsf" }) {
        const QString name = QString::fromLatin1(profile);
        for (const QStringList& command : { QStringList { "--check" },
                 QStringList { "--write-cfg", "--force" }, QStringList { "--launch", "--force" } }) {
            outText.clear();
            errText.clear();
            EXPECT_EQ(run(command + QStringList { name }), 1) << profile;
            EXPECT_TRUE((outText + errText).contains(name + QStringLiteral(" was not read: "))) << profile;
        }
    }
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/tark.cfg")));
    EXPECT_TRUE(console.starts.isEmpty());
    EXPECT_FALSE(fifo.readerWasStuck());
}

TEST_F(HeadlessCommands, AnErrorTheWindowWouldShowIsAFindingAndPrintedLineByLine)
{
    writeAll(dir + QStringLiteral("/lost.tsf"), "[BotDataFile]\r\nFileName=lost.cfg\r\n");
    EXPECT_EQ(run({ QStringLiteral("--check"), QStringLiteral("lost.tsf") }), 1);
    EXPECT_EQ(outText, QStringLiteral("Error: Could not locate file lost.cfg\n"));
    EXPECT_EQ(run({ QStringLiteral("--launch"), QStringLiteral("lost.tsf") }), 1);
    EXPECT_TRUE(console.starts.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/tark.cfg")));

    // Forced on, it is a warning; the executable's message keeps its two lines apart.
    ASSERT_TRUE(QFile::remove(quake2 + QStringLiteral("/quake2")));
    errText.clear();
    EXPECT_EQ(run({ QStringLiteral("--launch"), QStringLiteral("--force"), QStringLiteral("lost.tsf") }), 1);
    EXPECT_EQ(errText,
        QStringLiteral("tarrakind: warning: Error: Could not locate file lost.cfg\n"
                       "tarrakind: Error: Path to Quake2.exe is incorrect\n"
                       "tarrakind: %1 does not exist.\n")
            .arg(quake2 + QStringLiteral("/quake2")));
}

} // namespace
