// "Exec File Preview": what it shows, how it follows the settings, where its lines lead.
#include "app/core/random.h"
#include "app/core/textcodec.h"
#include "app/ui/prefspage.h"
#include "app/ui/spinedit.h"
#include "app/ui/tabpage.h"
#include "app/ui/tform1.h"
#include "bots/ui/botcfgpage.h"
#include "launch/ui/dmflagspage.h"
#include "launch/ui/execlinesmodel.h"
#include "launch/ui/execpreview.h"
#include "maps/ui/mappage.h"
#include "player/ui/bindspage.h"
#include "player/ui/playerpage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/miscpage.h"
#include "profile/ui/profilestore.h"
#include "profile/ui/setuppage.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "ui/clickhelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Selects the whole text of an edit, spin edit or memo and types over it.
void retype(QWidget* w, const QString& text)
{
    w->setFocus();
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w, text);
}

class Preview : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString quake2 = root.filePath(QStringLiteral("quake2"));
    QString dir = quake2 + QStringLiteral("/TARRAKIND");
    ScriptedInteraction ui;
    std::unique_ptr<TForm1> form;

    void SetUp() override
    {
        QDir().mkpath(dir);
        writeAll(quake2 + "/yq2", "");
        writeAll(file("bots.cfg"), "");
        writeAll(file("extra.cfg"), "");
        writeAll(file("mybots.cfg"),
            "\"sv\" \"addbot\" \"Alpha\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n"
            "\"sv\" \"addbot\" \"Beta\" \"female/athena\" \"bots/bill_c.c\" \"bill\"\r\n"
            "\"sv\" \"addbot\" \"Gamma\" \"male/viper\" \"bots/zero_c.c\" \"zero\"\r\n");
        for (const char* map : { "q2dm1", "q2dm2" })
            writeAll(file(QLatin1String(map) + ".aas"), "aas");
        writeAll(file("default.tsf"),
            "[BotDataFile]\r\nFileName=mybots.cfg\r\n[Binds]\r\nCount=3\r\nn0=\"\"F2\" \"cyclecam\"\"\r\n"
            "n1=\"\"F3\" \"score\"\"\r\nn2=\"\"F4\" \"inven\"\"\r\n");
        form = std::make_unique<TForm1>(tk::InstallPaths::fromLauncherDir(dir, false), ui);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->startUp();
        // The window starts as its profile holds it: nothing unsaved.
        form->profiles().save(file("default.tsf"));
        QApplication::processEvents();
        ASSERT_FALSE(form->titleLabel->text().endsWith(" *"));
        ASSERT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
    }

    QString file(const QString& name) const { return dir + '/' + name; }

    ExecPreview* openPreview()
    {
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
        ExecPreview* p = form->preview();
        EXPECT_TRUE(p && p->isVisible());
        QApplication::processEvents();
        return p;
    }

    // The lines the preview shows.
    static QStringList shown(const ExecPreview* p)
    {
        const QAbstractItemModel* m = p->lines->model();
        QStringList out;
        for (int row = 0; row < m->rowCount(); ++row)
            out.append(m->data(m->index(row, ExecLinesModel::TextColumn)).toString());
        return out;
    }
    static QStringList linesOf(const QByteArray& file)
    {
        QStringList out;
        for (const QByteArray& l : tk::splitLines(file))
            out.append(tk::decodeText(l));
        return out;
    }

    // A double click on the shown line, through the window system as a user's.
    static void doubleClickLine(ExecPreview* p, const QString& text)
    {
        const int row = int(shown(p).indexOf(text));
        ASSERT_GE(row, 0) << text.toStdString();
        const QModelIndex index = p->lines->model()->index(row, ExecLinesModel::TextColumn);
        p->lines->scrollTo(index);
        const QPoint at = p->lines->viewport()->mapTo(p, p->lines->visualRect(index).center());
        QTest::mouseDClick(p->windowHandle(), Qt::LeftButton, {}, at);
    }
};

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
    form->profiles().load(file("default.tsf"));
    form->profiles().load(file("all.tsf"));
    QApplication::processEvents();
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(tk::Random::shared().state(), 1234u);

    // Each line leads to a control of the tab it is labelled with.
    const auto* model = static_cast<const ExecLinesModel*>(p->lines->model());
    for (int row = 0; row < model->rowCount(); ++row) {
        const tk::ExecLineOrigin& o = model->origin(row);
        if (!o.control.isEmpty()) {
            EXPECT_TRUE(form->pageOf(o.tab)->findChild<QWidget*>(QString(o.control)))
                << row << " " << QString(o.control).toStdString();
        }
    }

    form->prefsPage->CheckBox24->setChecked(true); // stays open after the launch
    QTest::mouseClick(form->SpeedButton18, Qt::LeftButton);
    ASSERT_EQ(ui.starts.size(), 1);
    const QByteArray launched = readAll(file("tark.cfg"));
    EXPECT_EQ(shown(p), linesOf(launched));

    // After a profile load, again what LAUNCH! writes.
    writeAll(file("other.tsf"), "[ServerOptions]\r\nFragLimit=7\r\n");
    form->profiles().load(file("other.tsf"));
    QApplication::processEvents();
    QTest::mouseClick(form->SpeedButton18, Qt::LeftButton);
    EXPECT_EQ(shown(p), linesOf(readAll(file("tark.cfg"))));
    EXPECT_TRUE(shown(p).contains("set fraglimit 7"));

    QTest::mouseClick(p->copyButton, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), shown(p).join('\n') + '\n');
    const QString saved = root.filePath(QStringLiteral("match.cfg"));
    ui.saveFileAnswers.enqueue(saved);
    QTest::mouseClick(p->saveButton, Qt::LeftButton);
    EXPECT_EQ(readAll(saved), readAll(file("tark.cfg")));
}

TEST_F(Preview, TheFindingsOfThePreLaunchCheckStandAboveTheText)
{
    ExecPreview* p = openPreview();
    ASSERT_TRUE(p);
    EXPECT_EQ(p->findings->text(), "No problems found");
    retype(form->gamePage->maxclients, QStringLiteral("1"));
    for (int row = 0; row < 2; ++row)
        form->botCfgPage->botList().toggle(row);
    form->botCfgPage->refreshBotView();
    QApplication::processEvents();
    EXPECT_TRUE(p->findings->text().contains("2 bots are selected, but the server has room for 0"))
        << p->findings->text().toStdString();
}

// A change on each tab reaches the open preview and the unsaved marker within one turn.
struct TabCase {
    const char* name;
    std::function<QWidget*(TForm1&)> page;
    std::function<void(TForm1&)> change;
    // What the preview then shows, as a line or in its findings; empty for a setting of
    // the launcher alone.
    std::function<QString(TForm1&)> shows;
};

void PrintTo(const TabCase& c, std::ostream* os)
{
    *os << c.name;
}

class EveryTab : public Preview, public ::testing::WithParamInterface<TabCase> { };

TEST_P(EveryTab, AChangeReachesThePreviewAndTheMarker)
{
    const TabCase& c = GetParam();
    ExecPreview* p = openPreview();
    ASSERT_TRUE(p);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->PageControl1->setCurrentWidget(c.page(*form));
    // Whatever the activation set off is done before the change.
    QTest::qWait(10);
    const int generations = p->generations();
    const QStringList before = shown(p);
    const QString findingsBefore = p->findings->text();

    c.change(*form);
    QApplication::processEvents();
    const QString expected = c.shows(*form);
    if (expected.isEmpty()) {
        EXPECT_EQ(shown(p), before);
    } else {
        EXPECT_TRUE(shown(p).contains(expected) || p->findings->text().contains(expected))
            << expected.toStdString();
        EXPECT_TRUE(shown(p) != before || p->findings->text() != findingsBefore);
    }
    EXPECT_EQ(p->generations(), generations + 1);
    EXPECT_TRUE(form->titleLabel->text().endsWith(" *"));
}

void doubleClickRow(TForm1& f, QTreeWidget* list, int row)
{
    const QPoint at = list->visualItemRect(list->topLevelItem(row)).center();
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
    [](const ::testing::TestParamInfo<TabCase>& info) { return std::string(info.param.name); });

TEST_F(Preview, ABurstOfSpinStepsIsGeneratedOnce)
{
    ExecPreview* p = openPreview();
    ASSERT_TRUE(p);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->PageControl1->setCurrentWidget(form->gamePage);
    const int generations = p->generations();
    form->gamePage->maxclients->setFocus();
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

    doubleClickLine(p, QStringLiteral(R"(bind "F3" "score")"));
    EXPECT_EQ(form->PageControl1->currentWidget(), form->bindsPage);
    EXPECT_EQ(form->bindsPage->selectedBindRow(), 1);

    // The second selected bot is the list's third row.
    doubleClickLine(p, QStringLiteral(R"("sv" "addbot" "Gamma" "male/viper" "bots/zero_c.c" "zero")"));
    EXPECT_EQ(form->PageControl1->currentWidget(), form->botCfgPage);
    EXPECT_EQ(
        form->botCfgPage->ListView1->indexOfTopLevelItem(form->botCfgPage->ListView1->currentItem()), 2);

    doubleClickLine(p, QStringLiteral("set fraglimit 150"));
    EXPECT_EQ(form->PageControl1->currentWidget(), form->gamePage);
    EXPECT_TRUE(form->gamePage->fraglimit->hasFocus());
}

} // namespace
