// SPDX-License-Identifier: GPL-2.0-or-later
// Opening a large bot list file on the "Bot &Cfg" tab and showing it, offscreen.
#include "app/core/installpaths.h"
#include "benchsupport.h"
#include "bots/ui/botcfgpage.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTreeView>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

// n bots with the usual mix of models and profiles.
QByteArray botListFile(int n)
{
    static const char* const skins[] = { "male/grunt", "female/athena", "cyborg/oni911", "male/viper" };
    static const char* const profiles[][2] = { { "bots/hunk_c.c", "hunk" },
        { "bots/sparta_c.c", "spartacus" }, { "bots/omicro_c.c", "omicron" } };
    QByteArray out;
    out.reserve(n * 64);
    for (int i = 0; i < n; ++i) {
        out += "\"sv\" \"addbot\" \"bot" + QByteArray::number(i) + "\" \"" + skins[i % 4] + "\" \""
            + profiles[i % 3][0] + "\" \"" + profiles[i % 3][1] + "\"\r\n";
    }
    return out;
}

// The highest resident size of the process so far, in MB (Linux counts ru_maxrss in KB).
double peakResidentMB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

struct ShownTab {
    QTemporaryDir dir;
    tk::InstallPaths paths;
    QuietInteraction ui;
    BotCfgPage page;

    explicit ShownTab(const QByteArray& contents)
    {
        paths = tk::InstallPaths::fromLauncherDir(dir.path(), false);
        QFile f(paths.inLauncherDir(QStringLiteral("bots.cfg")));
        f.open(QIODevice::WriteOnly);
        f.write(contents);
        f.close();
        page.attach(paths, ui);
        page.resize(584, 355);
        page.show();
        QApplication::processEvents();
    }

    // Lays the list out and paints what is visible, as the event loop does next.
    void paint()
    {
        QApplication::processEvents();
        page.ListView1->viewport()->repaint();
    }
    int rows() const { return page.ListView1->model()->rowCount(); }
};

// Peak resident size is a process-wide high-water mark: run one case per process
// (--benchmark_filter) for its own figure. "peak_growth_MB" is what the case added to
// the peak the process had reached before its first set-up (the file's bytes included).
void openAndShow(benchmark::State& state, const QByteArray& contents, int rows)
{
    static const double before = peakResidentMB();
    ShownTab tab(contents);
    for (auto _ : state) {
        tab.page.openBotListFile(QStringLiteral("bots.cfg"), false);
        tab.paint();
    }
    if (tab.rows() != rows)
        state.SkipWithError("the list does not show every bot");
    const double peak = peakResidentMB();
    state.counters["peak_MB"] = peak;
    state.counters["peak_growth_MB"] = peak - before;
}

void BM_OpenAndShowBotList(benchmark::State& state)
{
    const int n = int(state.range(0));
    openAndShow(state, botListFile(n), n);
}
BENCHMARK(BM_OpenAndShowBotList)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// 10 MB of one-character lines: the most entries a file of that size can hold.
void BM_OpenAndShowOneCharacterLines(benchmark::State& state)
{
    const int n = 10 * 1024 * 1024 / 2;
    QByteArray contents;
    contents.reserve(2 * n);
    for (int i = 0; i < n; ++i)
        contents += "x\n";
    openAndShow(state, contents, n);
}
BENCHMARK(BM_OpenAndShowOneCharacterLines)->Unit(benchmark::kMillisecond);

// A double click on a visible row of a long list: one row changes, not all of them.
void BM_ToggleOneBot(benchmark::State& state)
{
    ShownTab tab(botListFile(int(state.range(0))));
    tab.page.openBotListFile(QStringLiteral("bots.cfg"), false);
    tab.paint();
    QTreeView* list = tab.page.ListView1;
    QWidget* viewport = list->viewport();
    const QPointF at = list->visualRect(list->model()->index(2, 0)).center();
    const QPointF global = viewport->mapToGlobal(at);
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent twice(QEvent::MouseButtonDblClick, at, global, Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(viewport, &press);
        QApplication::sendEvent(viewport, &twice);
        QApplication::sendEvent(viewport, &release);
        tab.paint();
    }
}
BENCHMARK(BM_ToggleOneBot)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

TARRAKIND_WIDGET_BENCHMARK_MAIN()
