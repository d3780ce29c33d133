// SPDX-License-Identifier: GPL-2.0-or-later
// The main window driven by key events alone: nothing here moves or clicks the mouse.

#include "app/ui/prefspage.h"
#include "app/ui/tform1.h"
#include "app/ui/tform2.h"
#include "bots/ui/botcfgpage.h"
#include "launch/ui/dmflagspage.h"
#include "maps/ui/mappage.h"
#include "player/ui/bindspage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/miscpage.h"
#include "profile/ui/profilestore.h"
#include "profile/ui/setuppage.h"
#include "support/files.h"
#include "support/scriptedinteraction.h"
#include "widgets/spinedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// A clean installation (the game executable, two bots, two quick-load profiles), so that a
// launch asks nothing; the window is active, as it is for a user at the keyboard.
class Keyboard : public ::testing::Test {
protected:
    Keyboard()
    {
        QDir().mkpath(launcherDir);
        QFile exe(quake2 + QStringLiteral("/quake2"));
        exe.open(QIODevice::WriteOnly);
        writeAll(launcherDir + "/bots.cfg",
            "\"sv\" \"addbot\" \"one\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n"
            "\"sv\" \"addbot\" \"two\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n");
        writeAll(launcherDir + "/quikload.ini", "[QuikLoad]\r\nNumber=2\r\nn0=duel\r\nn1=ctf\r\n");
        form = std::make_unique<TForm1>(tk::InstallPaths::fromLauncherDir(launcherDir, false), ui);
    }

    void SetUp() override
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->startUp();
        ASSERT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
    }

    // A key pressed where the keyboard focus is, as the user presses it.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : form.get(), Qt::Key(key), modifiers);
    }
    void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

    QWidget* currentTab() const { return form->PageControl1->currentWidget(); }

    QTemporaryDir root;
    QString quake2 = root.filePath(QStringLiteral("Quake2"));
    QString launcherDir = quake2 + QStringLiteral("/TARRAKIND");
    ScriptedInteraction ui;
    std::unique_ptr<TForm1> form;
};

TEST_F(Keyboard, CtrlReturnAndF9LaunchFromEveryTabWithoutMovingTheFocus)
{
    // Typing in a field of the Setup tab.
    form->setupPage->exefile->setFocus();
    press(Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(ui.starts.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), form->setupPage->exefile);

    // In the memo of the Misc. tab, where Return starts a new line.
    press(Qt::Key_I, Qt::AltModifier);
    ASSERT_EQ(currentTab(), form->miscPage);
    form->miscPage->Memo1->setFocus();
    type(QStringLiteral("set a 1"));
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(ui.starts.size(), 2);
    EXPECT_EQ(form->miscPage->Memo1->toPlainText(), QStringLiteral("set a 1"));
    EXPECT_TRUE(readAll(launcherDir + "/tark.cfg").contains("set a 1\r\n"));

    // In the bot list, where Return toggles a bot.
    press(Qt::Key_C, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), form->botCfgPage->ListView1);
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(ui.starts.size(), 3);
    EXPECT_EQ(form->botCfgPage->botList().selectedLines().size(), 0);

    press(Qt::Key_F9);
    EXPECT_EQ(ui.starts.size(), 4);
}

TEST_F(Keyboard, SpaceAndReturnToggleTheFocusedBotAsADoubleClickDoes)
{
    // On the Setup tab Alt+C is "Add &Current Config": Ctrl+Tab goes on to "Bot &Cfg".
    press(Qt::Key_Tab, Qt::ControlModifier);
    BotCfgPage* page = form->botCfgPage;
    ASSERT_EQ(QApplication::focusWidget(), page->ListView1);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    ASSERT_EQ(page->ListView1->currentIndex().row(), 1);

    press(Qt::Key_Space);
    EXPECT_FALSE(page->botList().isSelected(0));
    EXPECT_TRUE(page->botList().isSelected(1));
    EXPECT_EQ(page->Label1->text(), QStringLiteral("[ 2 Bot(s) found ][ 1 is selected ]"));

    press(Qt::Key_Return);
    EXPECT_FALSE(page->botList().isSelected(1));
    EXPECT_EQ(page->Label1->text(), QStringLiteral("[ 2 Bot(s) found ][ 0 are selected ]"));
    // The row keeps its highlight: Space toggles, it does not select.
    EXPECT_EQ(page->ListView1->currentIndex().row(), 1);
}

TEST_F(Keyboard, AltLetterPrefersAButtonOfTheTabOnShowOverTheTabBar)
{
    // "&Save" and "&Setup": the button saves.
    form->setupPage->exefile->setFocus();
    press(Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QFile::exists(launcherDir + "/default.tsf"));
    EXPECT_EQ(currentTab(), form->setupPage);

    // No button of the Setup tab has a D: the tab "&DM Flags" opens.
    press(Qt::Key_D, Qt::AltModifier);
    ASSERT_EQ(currentTab(), form->dmFlagsPage);

    // There "&Set" has the S, and applies the total typed.
    DmFlagsPage* flags = form->dmFlagsPage;
    flags->dmflags->setFocus();
    flags->dmflags->selectAll();
    press(Qt::Key_Delete);
    type(QStringLiteral("1040"));
    press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(currentTab(), flags);
    EXPECT_TRUE(flags->CheckBox5->isChecked());
    EXPECT_FALSE(flags->CheckBox3->isChecked());

    // "&Delete Bind" beats "&DM Flags" on the Binds tab, while it is enabled.
    press(Qt::Key_B, Qt::AltModifier);
    ASSERT_EQ(currentTab(), form->bindsPage);
    form->bindsPage->CheckBox29->setChecked(true);
    form->bindsPage->applyEnableRules();
    form->bindsPage->addBindRow(QStringLiteral("F1"), QStringLiteral("quit"));
    form->bindsPage->ListView3->setCurrentItem(form->bindsPage->ListView3->topLevelItem(0));
    press(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(form->bindsPage->ListView3->topLevelItemCount(), 0);
    EXPECT_EQ(currentTab(), form->bindsPage);
}

TEST_F(Keyboard, AnAltLetterThatMatchesNothingIsNotTyped)
{
    form->setupPage->exefile->setFocus();
    press(Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(form->setupPage->exefile->text(), QStringLiteral("quake2"));
    EXPECT_EQ(currentTab(), form->setupPage);
}

TEST_F(Keyboard, CtrlTabSwitchesTheWindowsTabsEvenInsideTheGameTabsOwnTabs)
{
    form->PageControl1->setCurrentWidget(form->gamePage);
    form->gamePage->CheckBox36->setFocus();
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(currentTab(), form->mapPage);
    EXPECT_EQ(form->gamePage->PageControl2->currentIndex(), 0);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(currentTab(), form->gamePage);
}

TEST_F(Keyboard, ReturnInTheFlagTotalAppliesItAsSetDoes)
{
    press(Qt::Key_D, Qt::AltModifier);
    DmFlagsPage* flags = form->dmFlagsPage;
    flags->dmflags->setFocus();
    flags->dmflags->selectAll();
    press(Qt::Key_Delete);
    type(QStringLiteral("1040"));
    press(Qt::Key_Return);
    for (QCheckBox* box : flags->flagBoxes())
        EXPECT_EQ(box->isChecked(), box == flags->CheckBox5 || box == flags->CheckBox11)
            << box->objectName().toStdString();
    EXPECT_EQ(flags->dmflags->text(), QStringLiteral("1040"));
}

TEST_F(Keyboard, SpeedButtonsWithoutAMnemonicAnswerTheKeysInTheirHintsAndLeaveTheFocus)
{
    // A preset, while typing in the flag total.
    press(Qt::Key_D, Qt::AltModifier);
    DmFlagsPage* flags = form->dmFlagsPage;
    flags->dmflags->setFocus();
    EXPECT_TRUE(flags->RxSpeedButton1->statusTip().endsWith(QStringLiteral(" (Ctrl+1)")));
    press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(flags->dmflags->text(), QStringLiteral("1040"));
    EXPECT_EQ(form->gamePage->fraglimit->value(), 10);
    EXPECT_EQ(QApplication::focusWidget(), flags->dmflags);

    // "Pick Random #", from the bot list.
    press(Qt::Key_C, Qt::AltModifier);
    press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(form->botCfgPage->botList().selectedLines().size(), 2);
    EXPECT_EQ(QApplication::focusWidget(), form->botCfgPage->ListView1);

    // The rotation's "Save" while rotation is on.
    press(Qt::Key_M, Qt::AltModifier);
    form->mapPage->CheckBox22->setChecked(true);
    form->mapPage->applyEnableRules();
    ui.promptAnswers.enqueue(QStringLiteral("duel"));
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].caption, QStringLiteral("Map Rotation"));
    EXPECT_TRUE(QFile::exists(launcherDir + "/duel.lst"));

    // "?" with F1.
    press(Qt::Key_F1);
    EXPECT_EQ(ui.modalDialogs, QList<QDialog*> { form->Form2 });
}

TEST_F(Keyboard, TheQuickLoadBarIsOneTabStopWhoseArrowsChooseAButton)
{
    form->setupPage->exefile->setFocus();
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form->setupPage->quickLoadArea);
    EXPECT_EQ(form->Panel5->text(), QStringLiteral(" Click this button to load \"duel\" config."));
    press(Qt::Key_Right);
    EXPECT_EQ(form->Panel5->text(), QStringLiteral(" Click this button to load \"ctf\" config."));
    ui.choiceAnswers.enqueue(1); // Discard the changes to the hand-written default profile
    press(Qt::Key_Space);
    QApplication::processEvents(); // a quick-load click is handled once the button has returned
    EXPECT_EQ(QFileInfo(form->profiles().currentPath()).fileName(), QStringLiteral("ctf.tsf"));
}

TEST_F(Keyboard, TheStatusPanelFollowsTheKeyboardFocus)
{
    press(Qt::Key_D, Qt::AltModifier);
    form->dmFlagsPage->dmflags->setFocus();
    EXPECT_EQ(form->Panel5->text(), QStringLiteral(" Type custom DMFlags setting in here"));
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(form->Panel5->text(), QStringLiteral(" Toggle which Bots to play against by double clicking"));
}

} // namespace
