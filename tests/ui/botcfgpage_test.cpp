// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/ui/botcfgpage.h"

#include "launch/core/execsettings.h"
#include "support/scriptedinteraction.h"
#include "ui/pagetesting.h"
#include "widgets/spinedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <gtest/gtest.h>
#include <malloc.h>

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

    // Shows bots of these names.
    void showBots(std::initializer_list<const char*> names)
    {
        QByteArray file;
        for (const char* name : names)
            file += QByteArray("\"sv\" \"addbot\" \"") + name
                + "\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n";
        page.botList().readContents(file);
        page.refreshBotView();
    }
    QString nameInRow(int row) const { return page.ListView1->model()->index(row, 0).data().toString(); }
    QRect rowRect(int row) const
    {
        const QAbstractItemModel* model = page.ListView1->model();
        return page.ListView1->visualRect(model->index(row, 0))
            | page.ListView1->visualRect(model->index(row, 2));
    }
};

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// Its settings' defaults: NewWindow.HoldsEveryDefault.
TEST_F(BotCfgPageTest, NewPageShowsNoBotsAndTheDefaultBotListFile)
{
    EXPECT_EQ(page.Label1->text(), QStringLiteral("[ 0 Bot(s) found ][ 0 are selected ]"));
    EXPECT_EQ(page.botfilename->currentText(), QStringLiteral("bots.cfg"));
    EXPECT_EQ(page.SpinEdit3->value(), 2);
    EXPECT_TRUE(page.SpeedButton29->isEnabled());
    EXPECT_TRUE(page.SpeedButton14->isEnabled());
}

TEST_F(BotCfgPageTest, NoBotChatReachesTheRecord)
{
    clickIndicator(page.CheckBox20);
    tk::ExecSettings s;
    s = pagetest::gathered(page, s);
    EXPECT_TRUE(s.noChat);
    clickIndicator(page.CheckBox20);
    s = pagetest::gathered(page, s);
    EXPECT_FALSE(s.noChat);
}

TEST_F(BotCfgPageTest, RandomCountHasNoBounds)
{
    for (const char* typed : { "0", "-4", "5000" })
        EXPECT_EQ(typeAndLeave(page.SpinEdit3, QLatin1String(typed)), QLatin1String(typed));
}

TEST_F(BotCfgPageTest, ListIsAReadOnlyReportWithFixedColumns)
{
    QTreeView* list = page.ListView1;
    ASSERT_EQ(list->header()->count(), 3);
    const std::pair<const char*, int> columns[] = { { "Bot Name", 155 }, { "Skin", 135 }, { "Profile", 80 } };
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(list->model()->headerData(c, Qt::Horizontal).toString(), QLatin1String(columns[c].first));
        EXPECT_EQ(list->columnWidth(c), columns[c].second);
    }
    showBots({ "zed", "abe" });
    QApplication::processEvents();

    // A click on a column header does not sort.
    QHeaderView* header = list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionPosition(0) + 20, 5));
    EXPECT_EQ(nameInRow(0), QStringLiteral("zed"));

    // A click highlights the whole row, one row at a time.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowRect(1).center());
    ASSERT_EQ(list->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(list->selectionModel()->selectedIndexes().size(), 3);
    EXPECT_EQ(list->selectionModel()->selectedRows().front().data().toString(), QStringLiteral("abe"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, rowRect(0).center());
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), 1);

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

// A bot costs about what its line costs, its row included: half a million one-character
// lines take well under a hundred bytes each, where rows of widget items took 700.
TEST_F(BotCfgPageTest, ABotCostsLittleMoreThanItsLine)
{
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
    constexpr int kLines = 500000;
    QFile file(paths.inLauncherDir(QStringLiteral("many.cfg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(QByteArray(2 * kLines, 'x').replace("xx", "x\n")), 2 * kLines);
    file.close();
    const auto heapInUse = [] {
        const struct mallinfo2 heap = mallinfo2();
        return qint64(heap.uordblks + heap.hblkhd);
    };
    const qint64 before = heapInUse();
    page.openBotListFile(QStringLiteral("many.cfg"), false);
    page.ListView1->scrollToBottom(); // every row is laid out
    QApplication::processEvents();
    ASSERT_EQ(page.ListView1->model()->rowCount(), kLines);
    EXPECT_LT((heapInUse() - before) / kLines, 128);
#else
    GTEST_SKIP() << "the heap is counted through glibc's allocator";
#endif
}
