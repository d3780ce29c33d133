// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/ui/botcfgpage.h"

#include "app/ui/spinedit.h"
#include "launch/core/execsettings.h"
#include "support/scriptedinteraction.h"
#include "ui/pagetesting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

using pagetest::clickIndicator;
using pagetest::typeAndLeave;

namespace {

class BotCfgPageTest : public ::testing::Test {
protected:
    // The page reads bot list files as soon as the file name changes.
    BotCfgPageTest() { page.attach(paths, ui); }

    QTemporaryDir dir;
    tk::InstallPaths paths = tk::InstallPaths::fromLauncherDir(dir.path(), false);
    ScriptedInteraction ui;
    pagetest::ShownPage<BotCfgPage> shown;
    BotCfgPage& page = shown.page;

    QTreeWidgetItem* addRow(const QString& name)
    {
        auto* item = new QTreeWidgetItem(
            page.ListView1, { name, QStringLiteral("male/grunt"), QStringLiteral("hunk") });
        item->setIcon(0, BotCfgPage::unselectedBotIcon());
        return item;
    }
};

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST_F(BotCfgPageTest, NewWindowGivesTheDefaultSettings)
{
    tk::ExecSettings s;
    s.noChat = true;
    s.selectedBotLines = { QByteArrayLiteral("\"sv\" \"addbot\" \"kept\"") };
    page.gatherExecSettings(s);
    EXPECT_FALSE(s.noChat);
    // A new window has no bots, so none is selected.
    EXPECT_TRUE(s.selectedBotLines.isEmpty());

    EXPECT_EQ(page.Label1->text(), QStringLiteral("[ 0 Bot(s) found ][ 0 are selected ]"));
    EXPECT_EQ(page.botfilename->currentText(), QStringLiteral("bots.cfg"));
    EXPECT_EQ(page.SpinEdit3->value(), 2);
    EXPECT_FALSE(page.SpeedButton29->isEnabled());
    EXPECT_TRUE(page.SpeedButton14->isEnabled());
}

TEST_F(BotCfgPageTest, NoBotChatReachesTheRecord)
{
    clickIndicator(page.CheckBox20);
    tk::ExecSettings s;
    page.gatherExecSettings(s);
    EXPECT_TRUE(s.noChat);
    clickIndicator(page.CheckBox20);
    page.gatherExecSettings(s);
    EXPECT_FALSE(s.noChat);
}

TEST_F(BotCfgPageTest, RandomCountHasNoBounds)
{
    for (const char* typed : { "0", "-4", "5000" })
        EXPECT_EQ(typeAndLeave(page.SpinEdit3, QLatin1String(typed)), QLatin1String(typed));
}

TEST_F(BotCfgPageTest, ListIsAReadOnlyReportWithFixedColumns)
{
    QTreeWidget* list = page.ListView1;
    ASSERT_EQ(list->columnCount(), 3);
    const std::pair<const char*, int> columns[] = { { "Bot Name", 155 }, { "Skin", 135 }, { "Profile", 80 } };
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(list->headerItem()->text(c), QLatin1String(columns[c].first));
        EXPECT_EQ(list->columnWidth(c), columns[c].second);
    }
    addRow(QStringLiteral("zed"));
    addRow(QStringLiteral("abe"));
    QApplication::processEvents();

    // A click on a column header does not sort.
    QHeaderView* header = list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionPosition(0) + 20, 5));
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("zed"));

    // A click highlights the whole row, one row at a time.
    const QRect second = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().front()->text(0), QStringLiteral("abe"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
        list->visualItemRect(list->topLevelItem(0)).center());
    EXPECT_EQ(list->selectedItems().size(), 1);

    // The highlight keeps its colour when the list loses the focus.
    const QPalette pal = list->palette();
    EXPECT_EQ(
        pal.color(QPalette::Inactive, QPalette::Highlight), pal.color(QPalette::Active, QPalette::Highlight));
}

TEST(BotCfgPageIcons, FramedSquareAndTick)
{
    const QImage empty = iconImage(BotCfgPage::unselectedBotIcon());
    const QImage tick = iconImage(BotCfgPage::selectedBotIcon());
    ASSERT_EQ(empty.size(), QSize(16, 16));
    ASSERT_EQ(tick.size(), QSize(16, 16));

    // The empty square: white inside, a grey frame around it.
    const QColor frame = empty.pixelColor(1, 8);
    EXPECT_EQ(frame.red(), frame.green());
    EXPECT_EQ(frame.green(), frame.blue());
    EXPECT_GT(frame.red(), 60);
    EXPECT_LT(frame.red(), 200);
    for (int y = 3; y <= 12; ++y) {
        for (int x = 3; x <= 12; ++x)
            EXPECT_EQ(empty.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
    }

    // The tick marks the inside of the square.
    int marked = 0;
    for (int y = 3; y <= 12; ++y) {
        for (int x = 3; x <= 12; ++x)
            marked += tick.pixelColor(x, y) != QColor(Qt::white);
    }
    EXPECT_GT(marked, 8);
}

TEST_F(BotCfgPageTest, BotListFilesKeepTheTypedName)
{
    page.botfilename->setEditText(QStringLiteral("mine.cfg"));
    page.setBotListFiles({ QStringLiteral("a.cfg"), QStringLiteral("bots.cfg"), QStringLiteral("tark.cfg") });
    EXPECT_EQ(page.botfilename->currentText(), QStringLiteral("mine.cfg"));
    ASSERT_EQ(page.botfilename->count(), 3);
    EXPECT_EQ(page.botfilename->itemText(2), QStringLiteral("tark.cfg"));
    page.setBotListFiles({ QStringLiteral("z.cfg") });
    EXPECT_EQ(page.botfilename->count(), 1);
    EXPECT_EQ(page.botfilename->currentText(), QStringLiteral("mine.cfg"));
}

TEST(BotCfgPageLayout, EverythingFitsInTheMainWindow)
{
    pagetest::MainWindow window;
    window.showPage(window.form->botCfgPage);
    pagetest::expectEverythingFits(window.form->botCfgPage);
}
