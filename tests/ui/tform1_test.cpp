// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/prefspage.h"
#include "app/ui/tform1.h"
#include "maps/ui/mappage.h"
#include "player/ui/playerpage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/setuppage.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "widgets/spinedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A Quake2 directory holding the game executable and the launcher's game directory.
struct Installation {
    QTemporaryDir root;
    QString quake2 = root.filePath(QStringLiteral("Quake2"));
    QString launcherDir = quake2 + QStringLiteral("/TarraKind");
    Installation()
    {
        QDir().mkpath(launcherDir);
        QFile exe(quake2 + QStringLiteral("/quake2"));
        exe.open(QIODevice::WriteOnly);
        // An empty bot list file, so that start-up has nothing to report.
        QFile bots(launcherDir + QStringLiteral("/bots.cfg"));
        bots.open(QIODevice::WriteOnly);
    }
    tk::InstallPaths paths() const { return tk::InstallPaths::fromLauncherDir(launcherDir, false); }
};

struct Launcher {
    ScriptedInteraction ui;
    TForm1 form;
    explicit Launcher(const tk::InstallPaths& paths)
        : form(paths, ui)
    {
        form.show();
        form.startUp();
        // The window as the Parts give it: no question about changed settings on close.
        form.prefsPage->CheckBox51->setChecked(false);
    }
    void pressLaunch() { QTest::mouseClick(form.SpeedButton18, Qt::LeftButton); }
};

TEST(Launch, WritesTheExecFileAndStartsTheGameWithTheInitialSettings)
{
    Installation inst;
    Launcher l(inst.paths());
    l.pressLaunch();

    EXPECT_TRUE(l.ui.messages.isEmpty()) << l.ui.messages.join('\n').toStdString();
    EXPECT_EQ(readAll(inst.launcherDir + "/tark.cfg"), readAll(TARRAKIND_TEST_GOLDEN "/tark_defaults.cfg"));
    // The rotation file is written at every launch, empty for an empty list.
    EXPECT_TRUE(QFile::exists(inst.launcherDir + "/maps.lst"));
    EXPECT_EQ(readAll(inst.launcherDir + "/maps.lst"), QByteArray());

    ASSERT_EQ(l.ui.starts.size(), 1);
    const auto& start = l.ui.starts.first();
    EXPECT_EQ(start.program, inst.quake2 + "/quake2");
    // The game directory's case is kept, in the quotes the engine needs.
    EXPECT_EQ(start.arguments,
        (QStringList { "+set", "dedicated", "0", "+set", "game", "\"TarraKind\"", "+exec", "tark.cfg" }));
    EXPECT_EQ(start.workingDirectory, inst.quake2);
    EXPECT_TRUE(l.form.isVisible()); // "Leave Tarrakind! open" is checked by default
}

TEST(Launch, RotationEntriesThatWouldBreakTheExecFileAreLeftOutAndToldOnce)
{
    Installation inst;
    Launcher l(inst.paths());
    l.form.mapPage->CheckBox22->setChecked(true);
    l.form.mapPage->setRotationEntries({ "q2dm1", "x\";quit;\"", "q2dm2" });

    // The pre-launch check names them among its findings.
    l.ui.choiceAnswers.enqueue(0); // Launch anyway
    l.pressLaunch();
    ASSERT_EQ(l.ui.questions.size(), 1);
    EXPECT_TRUE(l.ui.questions[0].text.contains("These rotation entries are left out of the exec file:"));
    EXPECT_TRUE(l.ui.questions[0].text.contains("\nx\";quit;\""));

    // Without the check they are told once.
    l.form.prefsPage->CheckBox50->setChecked(false);
    l.pressLaunch();
    l.pressLaunch();
    ASSERT_EQ(l.ui.messages.size(), 1);
    EXPECT_TRUE(l.ui.messages[0].startsWith("These rotation entries are left out of the exec file:"));
    EXPECT_TRUE(l.ui.messages[0].endsWith("\nx\";quit;\""));
    EXPECT_TRUE(readAll(inst.launcherDir + "/tark.cfg").contains("set sv_maplist \"q2dm1 q2dm2 \"\r\n"));
    EXPECT_EQ(l.ui.starts.size(), 3);
    // The rotation file keeps what the list holds.
    EXPECT_EQ(readAll(inst.launcherDir + "/maps.lst"), "q2dm1\r\nx\";quit;\"\r\nq2dm2\r\n");
}

TEST(Launch, DedicatedServerChangesOnlyTheDigit)
{
    Installation inst;
    Launcher l(inst.paths());
    l.form.gamePage->dedicated->setChecked(true);
    l.pressLaunch();
    ASSERT_EQ(l.ui.starts.size(), 1);
    EXPECT_EQ(l.ui.starts.first().arguments.at(2), QStringLiteral("1"));
}

TEST(Launch, AMissingExecutableIsReportedAndNothingIsStarted)
{
    Installation inst;
    Launcher l(inst.paths());
    l.form.setupPage->exefile->setText(QStringLiteral("yq2"));
    l.pressLaunch();
    ASSERT_EQ(l.ui.messages.size(), 1);
    EXPECT_EQ(l.ui.messages.first(),
        "Error: Path to Quake2.exe is incorrect\r\r" + inst.quake2 + "/yq2 does not exist.");
    EXPECT_TRUE(l.ui.starts.isEmpty());
    // The exec file is written all the same, so the game can be started by hand.
    EXPECT_TRUE(QFile::exists(inst.launcherDir + "/tark.cfg"));
    EXPECT_TRUE(l.form.isVisible());

    // An empty name looks at the Quake2 directory itself, which is no file.
    l.ui.messages.clear();
    l.form.setupPage->exefile->clear();
    l.pressLaunch();
    ASSERT_EQ(l.ui.messages.size(), 1);
    EXPECT_TRUE(l.ui.messages.first().endsWith(inst.quake2 + "/ does not exist."));
}

TEST(Launch, AGameThatCannotBeStartedIsReportedAndTheWindowStaysOpen)
{
    Installation inst; // its "quake2" is a file without execute permission
    Launcher l(inst.paths());
    l.ui.realStarts = true;
    l.form.prefsPage->CheckBox24->setChecked(false);
    l.pressLaunch();
    EXPECT_EQ(l.ui.messages,
        QStringList { "Could not start " + inst.quake2 + "/quake2: it is not marked as executable" });
    EXPECT_TRUE(l.form.isVisible());
    EXPECT_TRUE(l.ui.starts.isEmpty());

    // A program the system cannot run gives the system's reason.
    QFile exe(inst.quake2 + "/quake2");
    exe.setPermissions(exe.permissions() | QFile::ExeOwner);
    writeAll(inst.quake2 + "/quake2", "\x01\x02 not a program");
    l.ui.messages.clear();
    l.pressLaunch();
    ASSERT_EQ(l.ui.messages.size(), 1);
    EXPECT_EQ(l.ui.messages[0], "Could not start " + inst.quake2 + "/quake2: Exec format error");
    EXPECT_TRUE(l.form.isVisible());
}

TEST(Launch, ClosesAfterTheStartWhenNotToBeLeftOpen)
{
    Installation inst;
    Launcher l(inst.paths());
    l.form.prefsPage->CheckBox24->setChecked(false);
    l.pressLaunch();
    EXPECT_EQ(l.ui.starts.size(), 1);
    EXPECT_FALSE(l.form.isVisible());
}

TEST(Launch, AnUnwritableLauncherDirectoryStopsTheLaunch)
{
    // A "directory" below a regular file cannot be written, even by root.
    QTemporaryDir root;
    QFile blocker(root.filePath(QStringLiteral("Quake2")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Launcher l(tk::InstallPaths::fromLauncherDir(root.filePath(QStringLiteral("Quake2/TARRAKIND")), false));
    // Start-up reports the missing bot list file; the launch then fails on its first write.
    ASSERT_EQ(l.ui.messages, QStringList { "Error: Could not locate file bots.cfg" });
    l.pressLaunch();
    ASSERT_EQ(l.ui.messages.size(), 2);
    EXPECT_TRUE(
        l.ui.messages.last().startsWith("Cannot create file " + root.filePath("Quake2/TARRAKIND/maps.lst")))
        << l.ui.messages.last().toStdString();
    EXPECT_TRUE(l.ui.starts.isEmpty());
    EXPECT_TRUE(l.form.isVisible());
}

TEST(Launch, AnExecFileThatCannotBeWrittenLeavesNoPartialFile)
{
    Installation inst;
    // A directory where the exec file should go makes its write fail.
    QDir(inst.launcherDir).mkdir(QStringLiteral("tark.cfg"));
    Launcher l(inst.paths());
    l.pressLaunch();
    ASSERT_EQ(l.ui.messages.size(), 1);
    EXPECT_TRUE(l.ui.messages.first().startsWith("Cannot create file " + inst.launcherDir + "/tark.cfg"))
        << l.ui.messages.first().toStdString();
    EXPECT_TRUE(l.ui.starts.isEmpty());
    // Only what was there and the rotation file: no temporary leftovers.
    EXPECT_EQ(QDir(inst.launcherDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        (QStringList { "bots.cfg", "maps.lst", "tark.cfg" }));
}

TEST(StartUp, ShowsTheInstallationPaths)
{
    Installation inst;
    Launcher l(inst.paths());
    EXPECT_EQ(l.form.setupPage->currdirpanel->text(), inst.launcherDir);
    EXPECT_EQ(l.form.setupPage->currgamepanel->text(), QStringLiteral("TarraKind"));
    EXPECT_EQ(l.form.setupPage->quakepathpanel->text(), inst.quake2);
    EXPECT_EQ(l.form.litButton(), l.form.SpeedButton18);
}

TEST(Close, TheCloseButtonClosesTheWindow)
{
    Installation inst;
    Launcher l(inst.paths());
    QTest::mouseClick(l.form.Button1, Qt::LeftButton);
    EXPECT_FALSE(l.form.isVisible());
    // Nothing is saved without "Always Save current Profile on Program close".
    EXPECT_EQ(QDir(inst.launcherDir).entryList(QDir::Files), QStringList { "bots.cfg" });
}

} // namespace

namespace {

TEST(Launch, AValueTypedIntoASpinEditIsWrittenAsTyped)
{
    Installation inst;
    Launcher l(inst.paths());
    l.form.PageControl1->setCurrentWidget(l.form.playerPage);
    l.form.playerPage->CheckBox30->setChecked(true);
    l.form.playerPage->applyEnableRules();
    QApplication::setActiveWindow(&l.form);
    l.form.playerPage->SpinEdit1->setFocus();
    QTest::keyClicks(l.form.playerPage->SpinEdit1, QStringLiteral("1500"));
    // Pressing "LAUNCH!" leaves the focus where it was, so nothing clamps the text first.
    l.pressLaunch();
    EXPECT_TRUE(readAll(inst.launcherDir + "/tark.cfg").contains("set lag 1500\r\n"));
    EXPECT_TRUE(l.form.playerPage->SpinEdit1->hasFocus());
}

} // namespace
