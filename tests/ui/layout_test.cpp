// SPDX-License-Identifier: GPL-2.0-or-later
// Every tab of the main window at its fixed size: each control lies inside its page, none
// overlaps another, and each caption, label and group title gets the room it asks for.
// The tests run once more with a larger font DPI (tests/CMakeLists.txt), where the window
// and its dialogs grow with the text.
#include "app/ui/tabpage.h"
#include "app/ui/tform2.h"
#include "bots/ui/botgenerator.h"
#include "bots/ui/tform3.h"
#include "launch/ui/execpreview.h"
#include "player/ui/tform4.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/setuppage.h"
#include "support/mainwindow.h"
#include "ui/pagetesting.h"

#include <QFontInfo>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

class EveryTabLayout : public MainWindowTest, public ::testing::WithParamInterface<int> { };

TEST_P(EveryTabLayout, EverythingFitsInTheMainWindow)
{
    openWindow(Shown::Yes, false);
    TabPage* page = form->pages().at(GetParam());
    SetupPage* setup = form->setupPage;
    if (page == setup) {
        for (int i = 0; i < 3; ++i)
            setup->addQuickLoadButton(QStringLiteral("profile%1").arg(i));
    }
    showPage(page);
    // A tab with tabs of its own is looked at on each of them.
    const QList<QTabWidget*> inner = page->findChildren<QTabWidget*>();
    QTabWidget* tabs = inner.isEmpty() ? nullptr : inner.first();
    for (int i = 0; i < (tabs ? tabs->count() : 1); ++i) {
        if (tabs) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
        }
        pagetest::expectEverythingFits(page);
        pagetest::expectNothingOverlaps(page);
    }
    // The page within the window, and the window's own controls around it: its title
    // buttons, the tab names, the status panel and LAUNCH!.
    pagetest::expectEverythingFits(form->PageControl1);
    pagetest::expectNothingOverlaps(form.get());
    // The title buttons' captions are inside them, at the window's own sizes as at larger ones.
    for (const QPushButton* b : { form->Button3, form->Button2, form->Button1, form->SpeedButton18 }) {
        const QSize text = b->fontMetrics().size(Qt::TextShowMnemonic, b->text());
        EXPECT_GE(b->width(), text.width() + 4) << qPrintable(pagetest::describe(b));
        EXPECT_GE(b->height(), text.height()) << qPrintable(pagetest::describe(b));
    }
    // Three quick-load buttons fit on the bar without folding away.
    if (page == setup) {
        for (QToolButton* b : setup->quickLoadButtons())
            EXPECT_TRUE(b->isVisible()) << qPrintable(SetupPage::quickLoadCaption(b));
    }
}

std::string tabName(const ::testing::TestParamInfo<int>& tab)
{
    const char* const names[]
        = { "Setup", "BotCfg", "DmFlags", "Game", "Map", "Misc", "Player", "Binds", "Prefs" };
    return names[tab.param];
}

INSTANTIATE_TEST_SUITE_P(Tabs, EveryTabLayout, ::testing::Range(0, 9), tabName);

using LargerText = MainWindowTest;

// How much larger than at 96 dots per inch the text of this run is drawn.
double textRatio(const QWidget* w)
{
    const double dpi = w->screen()->logicalDotsPerInchY();
    // A run that asks for a larger font DPI must get it, or it would prove nothing.
    if (qEnvironmentVariableIsSet("QT_FONT_DPI")) {
        EXPECT_EQ(dpi, qEnvironmentVariableIntValue("QT_FONT_DPI"));
    }
    return std::max(1.0, dpi / 96.0);
}

TEST_F(LargerText, TheWindowAndItsFixedDialogsGrowAsTheTextGrows)
{
    openWindow(Shown::Yes, false);
    const double ratio = textRatio(form.get());
    const auto grown = [ratio](int w, int h) { return QSize(qRound(w * ratio), qRound(h * ratio)); };
    EXPECT_EQ(form->size(), grown(594, 441));
    EXPECT_EQ(form->Form2->size(), grown(268, 207));
    // The text grows as the font DPI asks: an 8-point font is 8/72 inch high.
    EXPECT_NEAR(QFontInfo(form->font()).pixelSize(), 8.0 * ratio * 96 / 72, 1.0);
}

TEST_F(LargerText, EveryDialogHasRoomForAllItsCaptions)
{
    openWindow(Shown::Yes, false);
    form->showPreview();
    const struct {
        const char* what;
        QWidget* dialog;
    } dialogs[] = {
        { "bot editor", form->Form3 },
        { "bind entry", form->Form4 },
        { "About box", form->Form2 },
        { "Bot Generator", form->botGenerator },
        { "Exec File Preview", form->preview() },
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.what);
        d.dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(d.dialog));
        QApplication::processEvents();
        pagetest::expectEverythingFits(d.dialog);
        pagetest::expectNothingOverlaps(d.dialog);
        d.dialog->hide();
    }
}

} // namespace
