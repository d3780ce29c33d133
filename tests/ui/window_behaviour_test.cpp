// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/prefspage.h"
#include "app/ui/tform1.h"
#include "app/ui/tform2.h"
#include "bots/ui/botcfgpage.h"
#include "bots/ui/tform3.h"
#include "launch/ui/dmflagspage.h"
#include "maps/ui/mappage.h"
#include "player/ui/bindspage.h"
#include "profile/ui/setuppage.h"
#include "support/mainwindow.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "widgets/colorswatch.h"
#include "widgets/lightup.h"
#include "widgets/logo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QColor windowText()
{
    return QApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

QColor caption(const QAbstractButton* b)
{
    return b->palette().color(QPalette::Active, QPalette::ButtonText);
}

// The main window on an empty installation tree, shown and started.
class MainWindow : public MainWindowTest {
protected:
    void SetUp() override
    {
        openWindow(Shown::Yes, false);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->startUp();
    }

    // Moves the pointer (no mouse button held) over w, as the user does.
    void pointTo(QWidget* w, QPoint pos = {})
    {
        QTest::mouseMove(w, pos.isNull() ? w->rect().center() : pos);
    }

    // The light-up timer runs out, without waiting for it.
    void timerElapses()
    {
        ASSERT_TRUE(form->lightUpTimer()->isActive());
        form->lightUpTimer()->stop();
        QMetaObject::invokeMethod(form->lightUpTimer(), "timeout", Qt::DirectConnection);
    }
};

using StatusPanel = MainWindow;

TEST_F(StatusPanel, ShowsTheHintOfTheControlUnderThePointerOrOfItsGroup)
{
    const struct {
        const char* what;
        QWidget* page;
        QWidget* control;
        QString text;
    } cases[] = {
        { "a box with its own hint", form->dmFlagsPage, form->dmFlagsPage->CheckBox1,
            " No health packs in map" },
        { "a box without a hint in a group with one", form->dmFlagsPage, form->dmFlagsPage->CheckBox33,
            " Click a button and DMFlags will be auto-set to this default" },
        { "LAUNCH!, with its keys", form->dmFlagsPage, form->SpeedButton18,
            " Launch Quake2 and Tarrakind Bot with these settings (Ctrl+Return, F9)" },
        { "a box without a hint in a group without one", form->prefsPage, form->prefsPage->CheckBox26, " " },
        { "a box with its own hint on another tab", form->prefsPage, form->prefsPage->CheckBox25,
            " Light up button caption when cursor is over them" },
        { "the title", form->prefsPage, form->titleLabel, " " },
        { "a button that never takes the focus", form->botCfgPage, form->botCfgPage->SpeedButton29,
            " Create new Bot List (Ctrl+G)" },
    };
    for (const auto& c : cases) {
        showPage(c.page);
        pointTo(c.control);
        EXPECT_EQ(form->Panel5->text(), c.text) << c.what;
    }
}

TEST_F(StatusPanel, FollowsThePointerBackToTheEnclosingControlAndOutOfTheWindow)
{
    showPage(form->dmFlagsPage);
    QCheckBox* box = form->dmFlagsPage->CheckBox1;
    pointTo(box);
    ASSERT_EQ(form->Panel5->text(), " No health packs in map");

    // From the box onto the free space of its group: the group's hint.
    QWidget* group = box->parentWidget();
    const QPoint besideBox = box->geometry().bottomRight() + QPoint(2, 1);
    ASSERT_EQ(group->childAt(besideBox), nullptr) << "the point must lie on the group itself";
    pointTo(group, besideBox);
    EXPECT_EQ(form->Panel5->text(), " Basic DMFlag selection");

    // Off the window: no control, no hint.
    QCursor::setPos(form->mapToGlobal(QPoint(form->width() + 50, form->height() + 50)));
    QApplication::processEvents();
    EXPECT_EQ(form->Panel5->text(), " ");
}

TEST_F(StatusPanel, QuickLoadButtonsMadeAtRunTimeShowTheirHintsToo)
{
    QToolButton* button = form->setupPage->addQuickLoadButton(QStringLiteral("ctf"));
    QApplication::processEvents();
    pointTo(button);
    EXPECT_EQ(form->Panel5->text(), " Click this button to load \"ctf\" config.");
}

TEST_F(StatusPanel, NoToolTipsPopUpInTheMainWindowButDialogsKeepTheirs)
{
    // Even a control that carries a tool tip shows it in the status panel only.
    QCheckBox* box = form->dmFlagsPage->CheckBox1;
    showPage(form->dmFlagsPage);
    box->setToolTip(box->statusTip());
    QHelpEvent mainHelp(QEvent::ToolTip, box->rect().center(), box->mapToGlobal(box->rect().center()));
    QApplication::sendEvent(box, &mainHelp);
    EXPECT_FALSE(QToolTip::isVisible());

    // The bot editor is a window of its own; its picture button explains itself.
    QWidget* reload = form->Form3->BitBtn3;
    ASSERT_FALSE(reload->toolTip().isEmpty());
    form->Form3->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Form3));
    QHelpEvent dialogHelp(
        QEvent::ToolTip, reload->rect().center(), reload->mapToGlobal(reload->rect().center()));
    QApplication::sendEvent(reload, &dialogHelp);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), reload->toolTip());
    QToolTip::hideText();
    form->Form3->hide();
}

using LightUpCaptions = MainWindow;

TEST_F(LightUpCaptions, TheButtonsOfEveryTabThatLightUp)
{
    const struct {
        QWidget* page;
        QStringList captions;
    } tabs[] = {
        { form->setupPage,
            { "&Open", "&Save", "Save &As", "Add &Current Config", "&Remove a Button",
                "R&emove all Buttons" } },
        { form->botCfgPage, { "Pick Random #", "&Add Bot", "&Edit Bot", "&Delete Bot", "Bot &Generator" } },
        { form->dmFlagsPage, { "&Set" } },
        { form->mapPage,
            { "Save", "Load", "Add to Ro&tation", "Move &Up", "Move &Down", "D&elete", "Delete &All",
                "&Randomize" } },
        { form->bindsPage, { "&Add Bind", "&Edit Bind", "&Delete Bind", "Delete &All" } },
    };
    const QList<QAbstractButton*> lighting = form->lightUp()->buttons();
    int matched = 0;
    for (const auto& tab : tabs) {
        QStringList found;
        for (QAbstractButton* b : lighting) {
            if (tab.page->isAncestorOf(b))
                found.append(b->text());
        }
        EXPECT_EQ(found, tab.captions)
            << qPrintable(form->PageControl1->tabText(form->PageControl1->indexOf(tab.page)));
        matched += found.size();
    }
    EXPECT_TRUE(lighting.contains(form->SpeedButton18)) << "LAUNCH! on the bottom strip";
    EXPECT_EQ(lighting.size(), matched + 1) << "no other button lights up";
}

TEST_F(LightUpCaptions, MovingFromOpenToSaveDarkensOpenAtOnceAndSaveWhenTheTimerRunsOut)
{
    QPushButton* open = form->setupPage->SpeedButton7;
    QPushButton* save = form->setupPage->SpeedButton8;
    ASSERT_EQ(form->litButton(), form->SpeedButton18);
    EXPECT_FALSE(form->lightUpTimer()->isActive()) << "stopped at start";
    EXPECT_TRUE(form->lightUpTimer()->isSingleShot());
    EXPECT_EQ(form->lightUpTimer()->interval(), 500);

    pointTo(open);
    EXPECT_EQ(caption(open), QColor(Qt::red));
    EXPECT_EQ(caption(form->SpeedButton18), windowText()) << "the lit button at start is put back";
    EXPECT_EQ(form->litButton(), open);
    EXPECT_TRUE(form->lightUpTimer()->isActive());

    pointTo(save);
    EXPECT_EQ(caption(open), windowText()) << "darkened at once";
    EXPECT_EQ(caption(save), QColor(Qt::red));
    EXPECT_EQ(form->litButton(), save);

    timerElapses();
    EXPECT_EQ(caption(save), windowText());
    EXPECT_FALSE(form->lightUpTimer()->isActive());
    EXPECT_EQ(form->litButton(), save) << "stays the lit button";

    // Moving on over the same button lights it again; the light-up colour is read at
    // every move.
    form->prefsPage->colortest->setColor(QColor(0, 160, 0));
    pointTo(save, save->rect().center() + QPoint(3, 0));
    EXPECT_EQ(caption(save), QColor(0, 160, 0));
    EXPECT_TRUE(form->lightUpTimer()->isActive());
}

TEST_F(LightUpCaptions, SwitchedOffNoCaptionChangesAndALitOneGoesBackWhenTheTimerRunsOut)
{
    QPushButton* open = form->setupPage->SpeedButton7;
    QPushButton* save = form->setupPage->SpeedButton8;
    pointTo(open);
    ASSERT_EQ(caption(open), QColor(Qt::red));

    form->prefsPage->CheckBox25->setChecked(false);
    const QColor saveBefore = caption(save);
    pointTo(save);
    EXPECT_EQ(caption(save), saveBefore);
    EXPECT_EQ(caption(open), QColor(Qt::red)) << "nothing happens while switched off";
    EXPECT_EQ(form->litButton(), open);

    timerElapses();
    EXPECT_EQ(caption(open), windowText());

    const QColor launchBefore = caption(form->SpeedButton18);
    pointTo(form->SpeedButton18);
    EXPECT_EQ(caption(form->SpeedButton18), launchBefore);
    EXPECT_FALSE(form->lightUpTimer()->isActive());
}

TEST_F(LightUpCaptions, DisabledButtonsNeverLight)
{
    showPage(form->botCfgPage);
    QPushButton* generator = form->botCfgPage->SpeedButton29;
    generator->setEnabled(false);
    QPushButton* del = form->botCfgPage->SpeedButton16;
    del->setEnabled(false);
    const QColor generatorBefore = caption(generator);
    const QColor delBefore = caption(del);

    pointTo(generator);
    pointTo(del);
    EXPECT_EQ(caption(generator), generatorBefore);
    EXPECT_EQ(caption(del), delBefore);
    EXPECT_EQ(form->litButton(), form->SpeedButton18);
    EXPECT_FALSE(form->lightUpTimer()->isActive());
}

using TitlePanel = MainWindow;

TEST_F(TitlePanel, AnyMouseButtonDragsTheWindow)
{
    const struct {
        Qt::MouseButton button;
        QWidget* grip;
    } cases[] = {
        { Qt::LeftButton, form->Panel7 },
        { Qt::RightButton, form->Panel7 },
        { Qt::MiddleButton, form->titleLabel },
    };
    for (const auto& c : cases) {
        QWidget* grip = c.grip;
        const QPoint start = form->pos();
        const QPoint press(120, 8);
        QTest::mousePress(grip, c.button, {}, press);
        EXPECT_EQ(form->cursor().shape(), Qt::SizeAllCursor) << c.button;
        // The pointer in panel coordinates: the window moves by its distance from the
        // press, and the panel with it.
        QTest::mouseMove(grip, press + QPoint(30, 12));
        EXPECT_EQ(form->pos(), start + QPoint(30, 12)) << c.button;
        QTest::mouseMove(grip, press + QPoint(-5, 4));
        EXPECT_EQ(form->pos(), start + QPoint(25, 16)) << c.button;
        QTest::mouseRelease(grip, c.button, {}, press + QPoint(-5, 4));
        EXPECT_EQ(form->pos(), start + QPoint(25, 16)) << c.button;
        EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor) << "the cursor is back to the default";

        // Released, the pointer moves without the window.
        QTest::mouseMove(grip, press + QPoint(60, 2));
        EXPECT_EQ(form->pos(), start + QPoint(25, 16)) << c.button;
    }
}

TEST_F(TitlePanel, ItsButtonsKeepTheirClicks)
{
    const QPoint start = form->pos();
    // The right button on "?" neither drags nor opens anything.
    QTest::mousePress(form->Button2, Qt::RightButton);
    QTest::mouseMove(form->Button2, form->Button2->rect().center() + QPoint(10, 5));
    QTest::mouseRelease(form->Button2, Qt::RightButton);
    EXPECT_EQ(form->pos(), start);
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(ui.modalDialogs.isEmpty());

    QTest::mouseClick(form->Button2, Qt::LeftButton);
    EXPECT_EQ(ui.modalDialogs, QList<QDialog*> { form->Form2 });
    form->prefsPage->CheckBox51->setChecked(false); // closes without asking about changed settings
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

using AboutBoxOpening = MainWindow;

TEST_F(AboutBoxOpening, FromTheQuestionMarkAndBothLogos)
{
    const struct {
        const char* what;
        QWidget* control;
    } cases[] = {
        { "?", form->Button2 },
        { "logo under the title", form->Image2 },
        { "logo strip of the Setup tab", form->setupPage->Image1 },
    };
    for (const auto& c : cases) {
        ui.modalDialogs.clear();
        QTest::mouseClick(c.control, Qt::RightButton);
        QTest::mouseClick(c.control, Qt::MiddleButton);
        EXPECT_TRUE(ui.modalDialogs.isEmpty()) << c.what << ": only a left click opens it";
        QTest::mouseClick(c.control, Qt::LeftButton);
        EXPECT_EQ(ui.modalDialogs, QList<QDialog*> { form->Form2 }) << c.what;
    }
}

using Tabs = MainWindow;

TEST_F(Tabs, BotCfgPutsTheKeyboardFocusOnTheBotList)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->setupPage->exefile->setFocus();
    QTabBar* bar = form->PageControl1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    ASSERT_EQ(form->PageControl1->currentWidget(), form->botCfgPage);
    EXPECT_TRUE(form->botCfgPage->ListView1->hasFocus());
}

TEST_F(Tabs, TheTabUnderTheMouseIsHighlighted)
{
    QTabBar* bar = form->PageControl1->tabBar();
    const int hovered = 3; // not the current tab
    ASSERT_NE(form->PageControl1->currentIndex(), hovered);
    const QRect tab = bar->tabRect(hovered);
    QTest::mouseMove(form->Panel5);
    const QImage plain = bar->grab().toImage();
    QTest::mouseMove(bar, tab.center());
    const QImage lit = bar->grab().toImage();
    EXPECT_TRUE(plain.copy(tab) != lit.copy(tab)) << "the tab under the mouse looks different";
    EXPECT_TRUE(plain.copy(bar->tabRect(hovered + 1)) == lit.copy(bar->tabRect(hovered + 1)))
        << "its neighbour does not";
    QTest::mouseMove(form->Panel5);
    EXPECT_TRUE(bar->grab().toImage() == plain) << "the highlight goes when the mouse leaves";
}

using ColourChoice = MainWindow;

TEST_F(ColourChoice, AClickOnTheSwatchOffersTheColourDialog)
{
    showPage(form->prefsPage);
    ColorSwatch* swatch = form->prefsPage->colortest;

    ui.colorAnswers.enqueue(QColor(0, 0, 255));
    QTest::mouseClick(swatch, Qt::LeftButton);
    EXPECT_EQ(ui.colorsOffered, QList<QColor> { QColor(Qt::red) }) << "starts from the current colour";
    EXPECT_EQ(swatch->color(), QColor(0, 0, 255));

    ui.colorAnswers.enqueue(std::nullopt);
    QTest::mouseClick(swatch, Qt::LeftButton);
    EXPECT_EQ(ui.colorsOffered.size(), 2);
    EXPECT_EQ(ui.colorsOffered.last(), QColor(0, 0, 255));
    EXPECT_EQ(swatch->color(), QColor(0, 0, 255)) << "a cancel changes nothing";

    // The chosen colour is the light-up colour.
    showPage(form->setupPage);
    pointTo(form->setupPage->SpeedButton9);
    EXPECT_EQ(caption(form->setupPage->SpeedButton9), QColor(0, 0, 255));
}

} // namespace
