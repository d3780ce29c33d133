// SPDX-License-Identifier: GPL-2.0-or-later
// "Exec File Preview": what it shows, how it follows the settings, where its lines lead.
#include "app/core/random.h"
#include "app/core/textcodec.h"
#include "app/ui/prefspage.h"
#include "bots/ui/botcfgpage.h"
#include "launch/ui/dmflagspage.h"
#include "launch/ui/execlinesmodel.h"
#include "maps/ui/mappage.h"
#include "player/ui/bindspage.h"
#include "player/ui/playerpage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/miscpage.h"
#include "profile/ui/profilebinding.h"
#include "profile/ui/setuppage.h"
#include "ui/clickhelpers.h"
#include "ui/matchharness.h"
#include "widgets/placement.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWindow>
#include <algorithm>
#include <functional>

namespace {

using Preview = MatchWindow;

QStringList linesOf(const QByteArray& file)
{
    QStringList out;
    for (const QByteArray& l : tk::splitLines(file))
        out.append(tk::decodeText(l));
    return out;
}

TEST_F(Preview, ShowsWhatLaunchWritesAndWritesNothingItself)
{
    writeAll(file("all.tsf"), readAll(TARRAKIND_TEST_GOLDEN "/profile_everything.tsf"));
    form->profiles().load(file("all.tsf"));
    // A save writes the quick-load list file; neither the preview nor the marker may.
    ASSERT_TRUE(QFile::remove(file("quikload.ini")));
    const QStringList before = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    tk::Random::shared().seed(1234);

    ExecPreview* p = openPreview();
    ASSERT_TRUE(p);
    EXPECT_EQ(p->windowTitle(), "Exec File Preview");
    // The profile sets the gravity before the map and records on a dedicated server.
    EXPECT_EQ(p->findings->text().count(QStringLiteral("\u2022")), 2) << p->findings->text().toStdString();
    EXPECT_TRUE(p->findings->text().contains("sets sv_gravity to \"600\", but the map's start"));
    EXPECT_TRUE(p->findings->text().contains("A dedicated server has no player of its own"));
    // A resizable window of its own reads in the user's font size, not the main window's.
    EXPECT_EQ(p->findings->font().pointSizeF(), QApplication::font().pointSizeF());
    // Loads while the preview is open: it follows them.
    form->profiles().load(file("default.tsf"));
    form->profiles().load(file("all.tsf"));
    QTest::qWait(10);
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(tk::Random::shared().state(), 1234u);

    // Each line that names a setting leads to a control of the tab it is labelled with.
    const auto* model = static_cast<const ExecLinesModel*>(p->lines->model());
    for (int row = 0; row < model->rowCount(); ++row) {
        const tk::ExecLineOrigin& o = model->origin(row);
        if (o.key.isEmpty())
            continue;
        const QWidget* control = settingWidget(form->pages(), o.section, o.key);
        EXPECT_TRUE(control && form->pageOf(o.tab)->isAncestorOf(control))
            << QString(o.section).toStdString() << '/' << QString(o.key).toStdString();
    }

    form->prefsPage->CheckBox24->setChecked(true); // stays open after the launch
    QTest::mouseClick(form->SpeedButton18, Qt::LeftButton);
    ASSERT_EQ(ui.starts.size(), 1);
    EXPECT_EQ(shown(p), linesOf(readAll(file("tark.cfg"))));

    QTest::mouseClick(p->copyButton, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), shown(p).join('\n') + '\n');
    ui.saveFileAnswers.enqueue(root.filePath(QStringLiteral("match.cfg")));
    QTest::mouseClick(p->saveButton, Qt::LeftButton);
    EXPECT_EQ(readAll(root.filePath(QStringLiteral("match.cfg"))), readAll(file("tark.cfg")));
}

// A change on each tab reaches the open preview and the unsaved marker within one turn.
struct TabCase {
    const char* name;
    std::function<QWidget*(TForm1&)> page;
    std::function<void(TForm1&)> change;
    // A line or a finding the preview then shows; empty for a setting of the launcher alone.
    std::function<QString(TForm1&)> shows;
};

void PrintTo(const TabCase& c, std::ostream* os)
{
    *os << c.name;
}

class EveryTab : public MatchWindow, public ::testing::WithParamInterface<TabCase> { };

TEST_P(EveryTab, AChangeReachesThePreviewAndTheMarker)
{
    const TabCase& c = GetParam();
    ExecPreview* p = openPreview();
    ASSERT_TRUE(p);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->PageControl1->setCurrentWidget(c.page(*form));
    QTest::qWait(10); // whatever the activation set off is done
    const int generations = p->generations();
    const QStringList before = shown(p);

    c.change(*form);
    QApplication::processEvents();
    const QString expected = c.shows(*form);
    if (expected.isEmpty()) {
        EXPECT_EQ(shown(p), before);
    } else {
        EXPECT_TRUE(shown(p).contains(expected) || p->findings->text().contains(expected))
            << expected.toStdString();
    }
    EXPECT_EQ(p->generations(), generations + 1);
    EXPECT_EQ(form->titleLabel->text(), title + " *");
}

void doubleClickRow(TForm1& f, QTreeView* list, int row)
{
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseDClick(f.windowHandle(), Qt::LeftButton, {}, list->viewport()->mapTo(&f, at));
}

INSTANTIATE_TEST_SUITE_P(Tabs, EveryTab,
    ::testing::Values(TabCase { "Setup", [](TForm1& f) { return f.setupPage; },
                          [](TForm1& f) { retype(f.setupPage->exefile, QStringLiteral("bin/q2")); },
                          [](TForm1&) { return QStringLiteral("\"bin/q2\""); } },
        TabCase { "BotCfg", [](TForm1& f) { return f.botCfgPage; },
            [](TForm1& f) { doubleClickRow(f, f.botCfgPage->ListView1, 1); },
            [](TForm1&) {
                return QStringLiteral(R"("sv" "addbot" "Beta" "female/athena" "bots/bill_c.c" "bill")");
            } },
        TabCase { "DmFlags", [](TForm1& f) { return f.dmFlagsPage; },
            [](TForm1& f) { clickIndicator(f.dmFlagsPage->CheckBox1); },
            [](TForm1& f) { return "set dmflags " + f.dmFlagsPage->dmflags->text(); } },
        TabCase { "Game", [](TForm1& f) { return f.gamePage; },
            [](TForm1& f) { retype(f.gamePage->fraglimit, QStringLiteral("42")); },
            [](TForm1&) { return QStringLiteral("set fraglimit 42"); } },
        TabCase { "Map", [](TForm1& f) { return f.mapPage; },
            [](TForm1& f) {
                QTreeWidget* list = f.mapPage->ListView2;
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->topLevelItem(1)).center());
            },
            [](TForm1&) { return QStringLiteral("map q2dm2"); } },
        TabCase { "Misc", [](TForm1& f) { return f.miscPage; },
            [](TForm1& f) { retype(f.miscPage->Memo1, QStringLiteral("echo hi")); },
            [](TForm1&) { return QStringLiteral("echo hi"); } },
        TabCase { "Player", [](TForm1& f) { return f.playerPage; },
            [](TForm1& f) { clickIndicator(f.playerPage->CheckBox28); },
            [](TForm1&) { return QStringLiteral("name Player"); } },
        TabCase { "Binds", [](TForm1& f) { return f.bindsPage; },
            [](TForm1& f) { clickIndicator(f.bindsPage->CheckBox29); },
            [](TForm1&) { return QStringLiteral(R"(bind "F3" "score")"); } },
        TabCase { "Prefs", [](TForm1& f) { return f.prefsPage; },
            [](TForm1& f) { clickIndicator(f.prefsPage->CheckBox25); }, [](TForm1&) { return QString(); } }),
    [](const ::testing::TestParamInfo<TabCase>& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(Preview, ABurstOfSpinStepsIsGeneratedOnce)
{
    ExecPreview* p = openPreview();
    ASSERT_TRUE(p);
    form->PageControl1->setCurrentWidget(form->gamePage);
    QTest::qWait(10);
    const int generations = p->generations();
    for (int i = 0; i < 100; ++i)
        QTest::keyClick(form->gamePage->maxclients, Qt::Key_Up);
    QApplication::processEvents();
    EXPECT_GE(p->generations(), generations + 1);
    EXPECT_LE(p->generations(), generations + 2);
    EXPECT_TRUE(shown(p).contains("set maxclients 116"));
}

TEST_F(Preview, ADoubleClickedLineShowsItsSetting)
{
    clickIndicator(form->bindsPage->CheckBox29);
    for (int row : { 0, 2 })
        form->botCfgPage->botList().toggle(row);
    form->botCfgPage->refreshBotView();
    ExecPreview* p = openPreview();
    ASSERT_TRUE(p);
    auto doubleClickLine = [p](const QString& text) {
        const int row = int(shown(p).indexOf(text));
        ASSERT_GE(row, 0) << text.toStdString();
        const QModelIndex index = p->lines->model()->index(row, ExecLinesModel::TextColumn);
        p->lines->scrollTo(index);
        const QPoint at = p->lines->viewport()->mapTo(p, p->lines->visualRect(index).center());
        QTest::mouseDClick(p->windowHandle(), Qt::LeftButton, {}, at);
    };

    // A Rocket Arena setting lies on an inner tab of the Game tab.
    form->gamePage->PageControl2->setCurrentIndex(1);
    form->gamePage->RadioButton5->setChecked(true);
    QApplication::processEvents();
    doubleClickLine(QStringLiteral("set railgun 1"));
    EXPECT_EQ(form->PageControl1->currentWidget(), form->gamePage);
    EXPECT_TRUE(form->gamePage->PageControl2->currentWidget()->isAncestorOf(form->gamePage->CheckBox48));
    EXPECT_TRUE(form->gamePage->CheckBox48->hasFocus());

    doubleClickLine(QStringLiteral(R"(bind "F3" "score")"));
    EXPECT_EQ(form->PageControl1->currentWidget(), form->bindsPage);
    EXPECT_EQ(form->bindsPage->selectedBindRow(), 1);
    // The second selected bot is the list's third row.
    doubleClickLine(QStringLiteral(R"("sv" "addbot" "Gamma" "male/viper" "bots/zero_c.c" "zero")"));
    EXPECT_EQ(form->PageControl1->currentWidget(), form->botCfgPage);
    EXPECT_EQ(form->botCfgPage->ListView1->currentIndex().row(), 2);
}

// Where the preview opens beside a main window centred on a screen of each size.
TEST(PreviewPlacement, BesideTheMainWindowWhereThereIsRoomElseCoveringTheLeast)
{
    const QSize preferred = ExecPreview::preferredSize();
    const QSize minimum = ExecPreview::minimumUsableSize();
    const QSize main(596, 443);
    const auto centred = [&](const QRect& screen) { return QRect(screen.center() - QPoint(297, 221), main); };
    const QMargins frame(2, 24, 2, 2);

    const QRect large(0, 0, 1280, 1024);
    const QRect beside = placeBeside(large, centred(large), preferred, minimum, frame);
    EXPECT_FALSE(beside.marginsAdded(frame).intersects(centred(large)));
    EXPECT_TRUE(large.contains(beside.marginsAdded(frame)));
    EXPECT_EQ(beside.height(), preferred.height());
    EXPECT_LT(beside.width(), preferred.width()) << "narrower than it would like, but all of it";
    EXPECT_GE(beside.width(), minimum.width());

    // No side has room for a usable window: the least is covered, at the screen's edge.
    const QRect small(0, 0, 1024, 768);
    const QRect over = placeBeside(small, centred(small), preferred, minimum, frame).marginsAdded(frame);
    EXPECT_TRUE(small.contains(over));
    EXPECT_EQ(over.size(), minimum + QSize(4, 26));
    EXPECT_EQ(over.right(), small.right());
    EXPECT_LT(qint64(over.intersected(centred(small)).width()) * over.intersected(centred(small)).height(),
        qint64(minimum.width()) * minimum.height() / 2);

    // Room above only.
    const QRect tall(0, 0, 600, 1200);
    const QRect low(0, 700, 600, 443);
    const QRect above = placeBeside(tall, low, preferred, minimum);
    EXPECT_EQ(above.bottom() < low.top(), true);
    EXPECT_EQ(above.size(), QSize(600, 560).boundedTo(preferred));
}

TEST_F(Preview, OpensWhereItIsPlacedStaysWhereTheUserMovesItAndShowsLongLinesWhole)
{
    for (int row : { 0, 1, 2 })
        form->botCfgPage->botList().toggle(row);
    form->botCfgPage->refreshBotView();
    ExecPreview* p = openPreview();
    ASSERT_TRUE(p);
    const QRect expected = placeBeside(form->screen()->availableGeometry(), form->frameGeometry(),
        ExecPreview::preferredSize(), ExecPreview::minimumUsableSize(), p->windowHandle()->frameMargins());
    EXPECT_EQ(p->geometry().size(), expected.size());

    // Every line fits its column; the view scrolls sideways to the end of the longest.
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QStringList text = shown(p);
    const int widest = metrics.horizontalAdvance(*std::max_element(
        text.cbegin(), text.cend(), [](const QString& a, const QString& b) { return a.size() < b.size(); }));
    EXPECT_GE(p->lines->header()->sectionSize(ExecLinesModel::TextColumn), widest);
    p->resize(ExecPreview::minimumUsableSize());
    QApplication::processEvents();
    EXPECT_GT(p->lines->horizontalScrollBar()->maximum(), 0);
    const int bigwait = int(text.indexOf(QRegularExpression(QStringLiteral("alias bigwait .*"))));
    ASSERT_GE(bigwait, 0);
    EXPECT_EQ(p->lines->model()->index(bigwait, ExecLinesModel::TextColumn).data(Qt::ToolTipRole).toString(),
        text[bigwait]);

    p->move(p->pos() + QPoint(30, 20));
    const QPoint moved = p->pos();
    p->close();
    form->showPreview();
    EXPECT_EQ(p->pos(), moved);
}

} // namespace
