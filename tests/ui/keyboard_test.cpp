// SPDX-License-Identifier: GPL-2.0-or-later
// The main window driven by key events alone: nothing here moves or clicks the mouse.

#include "app/ui/prefspage.h"
#include "app/ui/tform1.h"
#include "app/ui/tform2.h"
#include "bots/ui/botcfgpage.h"
#include "bots/ui/tform3.h"
#include "launch/core/execsettings.h"
#include "launch/ui/dmflagspage.h"
#include "launch/ui/execpreview.h"
#include "maps/ui/mappage.h"
#include "player/ui/bindspage.h"
#include "player/ui/tform4.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/miscpage.h"
#include "profile/ui/profilestore.h"
#include "profile/ui/setuppage.h"
#include "support/files.h"
#include "support/mainwindow.h"
#include "support/scriptedinteraction.h"
#include "widgets/spinedit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// A clean installation (the game executable, two bots, two quick-load profiles), so that a
// launch asks nothing; the window is active, as it is for a user at the keyboard.
class Keyboard : public MainWindowTest {
protected:
    void SetUp() override
    {
        QFile exe(quake2 + QStringLiteral("/quake2"));
        exe.open(QIODevice::WriteOnly);
        writeAll(dir + "/bots.cfg",
            "\"sv\" \"addbot\" \"one\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n"
            "\"sv\" \"addbot\" \"two\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n");
        writeAll(dir + "/quikload.ini", "[QuikLoad]\r\nNumber=2\r\nn0=duel\r\nn1=ctf\r\n");
        openWindow(Shown::Active);
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
    EXPECT_TRUE(readAll(dir + "/tark.cfg").contains("set a 1\r\n"));

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

TEST_F(Keyboard, EveryAltLetterOnEveryTabOpensItsTabOrPressesTheOneButtonThatShowsIt)
{
    // Everything a letter could delete is there to be deleted.
    form->mapPage->CheckBox22->setChecked(true);
    form->mapPage->applyEnableRules();
    form->mapPage->setRotationEntries({ "q2dm1", "q2dm2" });
    form->mapPage->ListBox3->setCurrentRow(0);
    form->bindsPage->CheckBox29->setChecked(true);
    form->bindsPage->applyEnableRules();
    form->bindsPage->addBindRow(QStringLiteral("F1"), QStringLiteral("quit"));
    form->bindsPage->ListView3->setCurrentItem(form->bindsPage->ListView3->topLevelItem(0));
    form->botCfgPage->ListView1->setCurrentIndex(form->botCfgPage->ListView1->model()->index(0, 0));

    QHash<QAbstractButton*, int> pressed;
    for (QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
        if (b->window() == form.get())
            QObject::connect(b, &QAbstractButton::clicked, b, [&pressed, b] { ++pressed[b]; });
    }
    const QString tabLetters = QStringLiteral("SCDGMIPBF");
    const QHash<QWidget*, QHash<QChar, QAbstractButton*>> buttons {
        { form->setupPage,
            { { 'O', form->setupPage->SpeedButton7 }, { 'A', form->setupPage->SpeedButton9 } } },
        { form->botCfgPage,
            { { 'A', form->botCfgPage->SpeedButton14 }, { 'E', form->botCfgPage->SpeedButton15 } } },
        { form->mapPage,
            { { 'T', form->mapPage->SpeedButton27 }, { 'U', form->mapPage->SpeedButton22 },
                { 'R', form->mapPage->SpeedButton28 } } },
        { form->bindsPage,
            { { 'A', form->bindsPage->SpeedButton17 }, { 'E', form->bindsPage->SpeedButton19 } } },
    };
    for (int page = 0; page < form->PageControl1->count(); ++page) {
        QWidget* tab = form->PageControl1->widget(page);
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const std::string where = QStringLiteral("Alt+%1 on %2")
                                          .arg(QChar(letter), form->PageControl1->tabText(page))
                                          .toStdString();
            form->PageControl1->setCurrentIndex(page);
            pressed.clear();
            press(Qt::Key_A + (letter - 'A'), Qt::AltModifier);
            const qsizetype opens = tabLetters.indexOf(QChar(letter));
            EXPECT_EQ(form->PageControl1->currentIndex(), opens >= 0 ? int(opens) : page) << where;
            QAbstractButton* expected = opens >= 0 ? nullptr : buttons.value(tab).value(QChar(letter));
            QHash<QAbstractButton*, int> wanted;
            if (expected)
                wanted.insert(expected, 1);
            EXPECT_EQ(pressed, wanted) << where;
        }
    }
    EXPECT_EQ(form->botCfgPage->botList().size(), 3); // "&Add Bot" added one, nothing deleted
    EXPECT_EQ(form->bindsPage->ListView3->topLevelItemCount(), 1);
    EXPECT_GE(form->mapPage->ListBox3->count(), 2);
    // A caption whose letter does nothing is drawn without its underline.
    EXPECT_EQ(form->botCfgPage->SpeedButton16->style()->styleHint(QStyle::SH_UnderlineShortcut), 0);
    EXPECT_NE(form->botCfgPage->SpeedButton14->style()->styleHint(QStyle::SH_UnderlineShortcut), 0);
}

TEST_F(Keyboard, DeletionsAnswerDeleteInTheirListAndTheOtherActionsTheKeysInTheirHints)
{
    form->mapPage->CheckBox22->setChecked(true);
    form->mapPage->applyEnableRules();
    form->bindsPage->CheckBox29->setChecked(true);
    form->bindsPage->applyEnableRules();
    BotCfgPage* bots = form->botCfgPage;
    MapPage* map = form->mapPage;
    BindsPage* binds = form->bindsPage;
    const auto rotation = [&] {
        QStringList names;
        for (int i = 0; i < map->ListBox3->count(); ++i)
            names << map->ListBox3->item(i)->text();
        return names.join(' ');
    };
    const struct {
        const char* what;
        QWidget* page;
        QWidget* focus;
        std::function<void()> prepare;
        int key;
        Qt::KeyboardModifiers modifiers;
        std::function<QString()> result;
        QString expected;
    } cases[] = {
        { "Delete in the bot list", bots, bots->ListView1,
            [&] { bots->ListView1->setCurrentIndex(bots->ListView1->model()->index(0, 0)); }, Qt::Key_Delete,
            {}, [&] { return bots->botList().name(0); }, QStringLiteral("two") },
        { "Delete in the rotation", map, map->ListBox3,
            [&] {
                map->setRotationEntries({ "a", "b", "c" });
                map->ListBox3->setCurrentRow(1);
            },
            Qt::Key_Delete, {}, rotation, QStringLiteral("a c") },
        { "Ctrl+Down in the rotation", map, map->ListBox3,
            [&] {
                map->setRotationEntries({ "a", "b", "c" });
                map->ListBox3->setCurrentRow(0);
            },
            Qt::Key_Down, Qt::ControlModifier, rotation, QStringLiteral("b a c") },
        { "Shift+Delete in the rotation", map, map->ListBox3,
            [&] {
                map->setRotationEntries({ "a", "b" });
            },
            Qt::Key_Delete, Qt::ShiftModifier, rotation, QString() },
        { "Delete in the binds", binds, binds->ListView3,
            [&] {
                binds->addBindRow(QStringLiteral("F1"), QStringLiteral("quit"));
                binds->addBindRow(QStringLiteral("F2"), QStringLiteral("cyclecam"));
                binds->ListView3->setCurrentItem(binds->ListView3->topLevelItem(0));
            },
            Qt::Key_Delete, {}, [&] { return binds->bindRows().value(0).key; }, QStringLiteral("F2") },
        { "Shift+Delete in the binds", binds, binds->ListView3, [] {}, Qt::Key_Delete, Qt::ShiftModifier,
            [&] { return QString::number(binds->bindRows().size()); }, QStringLiteral("0") },
        { "Delete in a field deletes a letter, not a bot", bots, bots->botfilename->lineEdit(),
            [&] { bots->botfilename->lineEdit()->setCursorPosition(0); }, Qt::Key_Delete, {},
            [&] { return QString::number(bots->botList().size()); }, QStringLiteral("1") },
        { "Shift+Delete on the quick-load bar", form->setupPage, form->setupPage->quickLoadArea, [] {},
            Qt::Key_Delete, Qt::ShiftModifier,
            [&] { return QString::number(form->setupPage->ToolBar1->findChildren<QToolButton*>().size()); },
            QStringLiteral("0") },
    };
    ASSERT_EQ(form->setupPage->ToolBar1->findChildren<QToolButton*>().size(), 2);
    for (const auto& c : cases) {
        form->PageControl1->setCurrentWidget(c.page);
        c.prepare();
        c.focus->setFocus();
        press(c.key, c.modifiers);
        QApplication::processEvents(QEventLoop::AllEvents);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(c.result(), c.expected) << c.what;
    }

    // Every button of the window tells its keys, in its hint and to screen readers alike.
    for (QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
        if (b->window() != form.get() || !qobject_cast<QPushButton*>(b))
            continue;
        const QString description = b->accessibleDescription();
        EXPECT_TRUE(description.endsWith(QLatin1Char(')')))
            << b->objectName().toStdString() << ": " << description.toStdString();
        EXPECT_EQ(b->statusTip(), description) << b->objectName().toStdString();
    }
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
    EXPECT_TRUE(QFile::exists(dir + "/duel.lst"));

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
    EXPECT_EQ(form->Panel5->text(),
        QStringLiteral(" Toggle which Bots to play against by double clicking (Space, Return)"));
}

// Shows a dialog the launcher opens modally, plays the keys of step in it and ends with
// Return where the focus then is; the dialog's result is what the launcher gets.
int finishByKeys(QDialog* dialog, const std::function<void(QDialog*)>& step)
{
    dialog->show();
    // As the window manager does for a window that opens over the one in use.
    QApplication::setActiveWindow(dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog)) << dialog->objectName().toStdString();
    step(dialog);
    if (dialog->isVisible())
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    const int result = dialog->isVisible() ? QDialog::Rejected : dialog->result();
    dialog->hide();
    QApplication::setActiveWindow(dialog->parentWidget()->window());
    return result;
}

TEST_F(Keyboard, EveryDialogIsFinishedByReturnAndHasTabStopsAndTypesNoAltLetter)
{
    BindsPage* binds = form->bindsPage;
    binds->CheckBox29->setChecked(true);
    binds->applyEnableRules();
    QStringList titles;
    ui.onModal = [&](QDialog* d) {
        return finishByKeys(d, [&](QDialog* dialog) {
            titles << dialog->windowTitle();
            if (dialog == form->Form4) {
                // The key field takes no Alt+letter; the buttons are tab stops.
                press(Qt::Key_L, Qt::AltModifier);
                EXPECT_EQ(
                    form->Form4->keyText(), titles.size() == 1 ? QStringLiteral("F1") : QStringLiteral("F2"));
                EXPECT_TRUE(form->Form4->SpeedButton1->focusPolicy() & Qt::TabFocus);
                EXPECT_TRUE(form->Form4->SpeedButton2->focusPolicy() & Qt::TabFocus);
                form->Form4->edit1->setFocus();
                form->Form4->edit1->setEditText(QStringLiteral("cyclecam"));
            }
            if (dialog == form->Form3) {
                // It opens on the bot's name, and the hint follows the keyboard.
                EXPECT_EQ(QApplication::focusWidget(), form->Form3->Edit1);
                EXPECT_EQ(form->Form3->statusHint(), QStringLiteral("Name of Bot"));
                press(Qt::Key_Tab);
                EXPECT_EQ(form->Form3->statusHint(), QStringLiteral("Select the Model the Bot uses"));
            }
        });
    };
    press(Qt::Key_B, Qt::AltModifier);
    press(Qt::Key_A, Qt::AltModifier); // "&Add Bind"
    ASSERT_EQ(binds->bindRows().size(), 1);
    EXPECT_EQ(binds->bindRows().at(0).command, QStringLiteral("cyclecam"));
    binds->ListView3->setCurrentItem(binds->ListView3->topLevelItem(0));
    form->Form4->ComboBox1->setEditText(QStringLiteral("F2"));
    ui.onModal = [&](QDialog* d) {
        return finishByKeys(d, [&](QDialog* dialog) {
            titles << dialog->windowTitle();
            form->Form4->ComboBox1->setFocus();
            press(Qt::Key_L, Qt::AltModifier);
            EXPECT_EQ(form->Form4->keyText(), QStringLiteral("F1"));
        });
    };
    press(Qt::Key_E, Qt::AltModifier); // "&Edit Bind"
    EXPECT_EQ(titles,
        QStringList({ QStringLiteral("User Entry - Add Bind"), QStringLiteral("User Entry - Edit Bind") }));

    ui.onModal = [&](QDialog* d) { return finishByKeys(d, [](QDialog*) {}); };
    press(Qt::Key_C, Qt::AltModifier);
    press(Qt::Key_Down);
    press(Qt::Key_E, Qt::AltModifier); // "&Edit Bot": Return saves it as it stands
    EXPECT_EQ(ui.modalDialogs.last(), form->Form3);
    EXPECT_EQ(form->Form3->result(), QDialog::Accepted);

    press(Qt::Key_F1);
    EXPECT_EQ(ui.modalDialogs.last(), form->Form2);
    EXPECT_EQ(form->Form2->result(), QDialog::Accepted);
    // Its links are reached with Tab and opened with Return.
    ui.onModal = [&](QDialog* d) {
        return finishByKeys(d, [&](QDialog*) {
            form->Form2->webLink->setFocus(Qt::TabFocusReason);
            press(Qt::Key_Return);
            form->Form2->okButton->setFocus();
        });
    };
    press(Qt::Key_F1);
    EXPECT_EQ(ui.openedUrls.size(), 1);
    EXPECT_EQ(form->Form2->result(), QDialog::Accepted);
}

TEST_F(Keyboard, ThePreviewGoesToTheSettingOfALineOnReturnAndClosesOnEscape)
{
    press(Qt::Key_P, Qt::ControlModifier);
    ExecPreview* preview = form->preview();
    ASSERT_TRUE(preview && preview->isVisible());
    QApplication::setActiveWindow(preview);
    ASSERT_TRUE(QTest::qWaitForWindowActive(preview));
    EXPECT_EQ(QApplication::focusWidget(), preview->lines);
    // The findings are read with the list the window opens on.
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(preview->lines)
                    ->text(QAccessible::Description)
                    .startsWith(preview->findings->text()));
    int botLine = -1;
    form->botCfgPage->botList().toggle(1);
    form->botCfgPage->refreshBotView();
    preview->refresh();
    for (int row = 0; row < preview->lines->model()->rowCount() && botLine < 0; ++row) {
        if (preview->lines->model()->index(row, 2).data().toString().contains(QStringLiteral("addbot")))
            botLine = row;
    }
    ASSERT_GE(botLine, 0);
    preview->lines->setCurrentIndex(preview->lines->model()->index(botLine, 0));
    press(Qt::Key_Return);
    EXPECT_EQ(currentTab(), form->botCfgPage);
    EXPECT_EQ(form->botCfgPage->ListView1->currentIndex().row(), 1);

    QApplication::setActiveWindow(preview);
    press(Qt::Key_Escape);
    EXPECT_FALSE(preview->isVisible());
}

} // namespace
