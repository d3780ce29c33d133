// SPDX-License-Identifier: GPL-2.0-or-later
// Every tab of the main window at its fixed size: each control lies inside its page, and
// each caption, label and group title gets the room it asks for.
#include "app/ui/tabpage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/setuppage.h"
#include "support/mainwindow.h"
#include "ui/pagetesting.h"

#include <QTabWidget>
#include <QToolButton>
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

} // namespace
