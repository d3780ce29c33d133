// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/prefspage.h"
#include "app/ui/tform1.h"
#include "maps/ui/mappage.h"
#include "player/ui/playerpage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/setuppage.h"
#include "support/files.h"
#include "support/mainwindow.h"
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

// A Quake2 directory holding the game executable and the launcher's game directory, whose
// name has letters of both cases; the window made, shown and started by start().
class LauncherWindow : public MainWindowTest {
protected:
    LauncherWindow()
        : MainWindowTest(QStringLiteral("Quake2"), QStringLiteral("TarraKind"))
    {
        writeAll(quake2 + QStringLiteral("/quake2"), "");
        // An empty bot list file, so that start-up has nothing to report.
        write(QStringLiteral("bots.cfg"), "");
    }
    void start()
    {
        openWindow();
        // No question about changed settings on close.
        form->prefsPage->CheckBox51->setChecked(false);
    }
    void pressLaunch() { QTest::mouseClick(form->SpeedButton18, Qt::LeftButton); }
};

using Launch = LauncherWindow;
using StartUp = LauncherWindow;
using Close = LauncherWindow;

TEST_F(Launch, WritesTheExecFileAndStartsTheGameWithTheInitialSettings)
{
    start();
    pressLaunch();

    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
    EXPECT_EQ(readAll(dir + "/tark.cfg"), readAll(TARRAKIND_TEST_GOLDEN "/tark_defaults.cfg"));
    // The rotation file is written at every launch, empty for an empty list.
    EXPECT_TRUE(QFile::exists(dir + "/maps.lst"));
    EXPECT_EQ(readAll(dir + "/maps.lst"), QByteArray());

    ASSERT_EQ(ui.starts.size(), 1);
    const auto& start = ui.starts.first();
    EXPECT_EQ(start.program, quake2 + "/quake2");
    // The game directory's case is kept, in the quotes the engine needs.
    EXPECT_EQ(start.arguments,
        (QStringList { "+set", "dedicated", "0", "+set", "game", "\"TarraKind\"", "+exec", "tark.cfg" }));
    EXPECT_EQ(start.workingDirectory, quake2);
    EXPECT_TRUE(form->isVisible()); // "Leave Tarrakind! open" is checked by default
}

TEST_F(Launch, RotationEntriesThatWouldBreakTheExecFileAreLeftOutAndToldOnce)
{
    start();
    form->mapPage->CheckBox22->setChecked(true);
    form->mapPage->setRotationEntries({ "q2dm1", "x\";quit;\"", "q2dm2" });

    // The pre-launch check names them among its findings.
    ui.choiceAnswers.enqueue(0); // Launch anyway
    pressLaunch();
    ASSERT_EQ(ui.questions.size(), 1);
    EXPECT_TRUE(ui.questions[0].text.contains("These rotation entries are left out of the exec file:"));
    EXPECT_TRUE(ui.questions[0].text.contains("\nx\";quit;\""));

    // Without the check they are told once.
    form->prefsPage->CheckBox50->setChecked(false);
    pressLaunch();
    pressLaunch();
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].startsWith("These rotation entries are left out of the exec file:"));
    EXPECT_TRUE(ui.messages[0].endsWith("\nx\";quit;\""));
    EXPECT_TRUE(readAll(dir + "/tark.cfg").contains("set sv_maplist \"q2dm1 q2dm2 \"\r\n"));
    EXPECT_EQ(ui.starts.size(), 3);
    // The rotation file keeps what the list holds.
    EXPECT_EQ(readAll(dir + "/maps.lst"), "q2dm1\r\nx\";quit;\"\r\nq2dm2\r\n");
}

TEST_F(Launch, DedicatedServerChangesOnlyTheDigit)
{
    start();
    form->gamePage->dedicated->setChecked(true);
    pressLaunch();
    ASSERT_EQ(ui.starts.size(), 1);
    EXPECT_EQ(ui.starts.first().arguments.at(2), QStringLiteral("1"));
}

TEST_F(Launch, AMissingExecutableIsReportedAndNothingIsStarted)
{
    start();
    form->setupPage->exefile->setText(QStringLiteral("yq2"));
    pressLaunch();
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(
        ui.messages.first(), "Error: Path to Quake2.exe is incorrect\r\r" + quake2 + "/yq2 does not exist.");
    EXPECT_TRUE(ui.starts.isEmpty());
    // The exec file is written all the same, so the game can be started by hand.
    EXPECT_TRUE(QFile::exists(dir + "/tark.cfg"));
    EXPECT_TRUE(form->isVisible());

    // An empty name looks at the Quake2 directory itself, which is no file.
    ui.messages.clear();
    form->setupPage->exefile->clear();
    pressLaunch();
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages.first().endsWith(quake2 + "/ does not exist."));
}

TEST_F(Launch, AGameThatCannotBeStartedIsReportedAndTheWindowStaysOpen)
{
    start(); // its "quake2" is a file without execute permission
    ui.realStarts = true;
    form->prefsPage->CheckBox24->setChecked(false);
    pressLaunch();
    EXPECT_EQ(
        ui.messages, QStringList { "Could not start " + quake2 + "/quake2: it is not marked as executable" });
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(ui.starts.isEmpty());

    // A program the system cannot run gives the system's reason.
    QFile exe(quake2 + "/quake2");
    exe.setPermissions(exe.permissions() | QFile::ExeOwner);
    writeAll(quake2 + "/quake2", "\x01\x02 not a program");
    ui.messages.clear();
    pressLaunch();
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0], "Could not start " + quake2 + "/quake2: Exec format error");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Launch, ClosesAfterTheStartWhenNotToBeLeftOpen)
{
    start();
    form->prefsPage->CheckBox24->setChecked(false);
    pressLaunch();
    EXPECT_EQ(ui.starts.size(), 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Launch, AnUnwritableLauncherDirectoryStopsTheLaunch)
{
    // A "directory" below a regular file cannot be written, even by root.
    ASSERT_TRUE(QDir(quake2).removeRecursively());
    writeAll(quake2, "");
    start();
    // Start-up reports the missing bot list file; the launch then fails on its first write.
    ASSERT_EQ(ui.messages, QStringList { "Error: Could not locate file bots.cfg" });
    pressLaunch();
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_TRUE(ui.messages.last().startsWith("Cannot create file " + file("maps.lst")))
        << ui.messages.last().toStdString();
    EXPECT_TRUE(ui.starts.isEmpty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Launch, AnExecFileThatCannotBeWrittenLeavesNoPartialFile)
{
    // A directory where the exec file should go makes its write fail.
    QDir(dir).mkdir(QStringLiteral("tark.cfg"));
    start();
    pressLaunch();
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages.first().startsWith("Cannot create file " + dir + "/tark.cfg"))
        << ui.messages.first().toStdString();
    EXPECT_TRUE(ui.starts.isEmpty());
    // Only what was there and the rotation file: no temporary leftovers.
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        (QStringList { "bots.cfg", "maps.lst", "tark.cfg" }));
}

TEST_F(StartUp, ShowsTheInstallationPaths)
{
    start();
    EXPECT_EQ(form->setupPage->currdirpanel->text(), dir);
    EXPECT_EQ(form->setupPage->currgamepanel->text(), QStringLiteral("TarraKind"));
    EXPECT_EQ(form->setupPage->quakepathpanel->text(), quake2);
    EXPECT_EQ(form->litButton(), form->SpeedButton18);
    // Over no profile at all nothing is changed yet.
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tarrakind!"));
}

TEST_F(Close, TheCloseButtonClosesTheWindow)
{
    start();
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(ui.questions.isEmpty());
    // Nothing is saved without "Always Save current Profile on Program close".
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList { "bots.cfg" });
}

} // namespace

namespace {

TEST_F(Launch, AValueTypedIntoASpinEditIsWrittenAsTyped)
{
    start();
    form->PageControl1->setCurrentWidget(form->playerPage);
    form->playerPage->CheckBox30->setChecked(true);
    form->playerPage->applyEnableRules();
    QApplication::setActiveWindow(form.get());
    form->playerPage->SpinEdit1->setFocus();
    QTest::keyClicks(form->playerPage->SpinEdit1, QStringLiteral("1500"));
    // Pressing "LAUNCH!" leaves the focus where it was, so nothing clamps the text first.
    pressLaunch();
    EXPECT_TRUE(readAll(dir + "/tark.cfg").contains("set lag 1500\r\n"));
    EXPECT_TRUE(form->playerPage->SpinEdit1->hasFocus());
}

} // namespace
