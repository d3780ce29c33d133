// SPDX-License-Identifier: GPL-2.0-or-later
// Opening a large bot list file on the "Bot &Cfg" tab and showing it, offscreen.
#include "app/core/installpaths.h"
#include "benchsupport.h"
#include "bots/ui/botcfgpage.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

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

struct ShownTab {
    QTemporaryDir dir;
    tk::InstallPaths paths;
    QuietInteraction ui;
    BotCfgPage page;

    explicit ShownTab(int bots)
    {
        paths = tk::InstallPaths::fromLauncherDir(dir.path(), false);
        QFile f(paths.inLauncherDir(QStringLiteral("bots.cfg")));
        f.open(QIODevice::WriteOnly);
        f.write(botListFile(bots));
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
};

void BM_OpenAndShowBotList(benchmark::State& state)
{
    ShownTab tab(int(state.range(0)));
    for (auto _ : state) {
        tab.page.openBotListFile(QStringLiteral("bots.cfg"), false);
        tab.paint();
    }
    if (tab.page.ListView1->topLevelItemCount() != state.range(0))
        state.SkipWithError("the list does not show every bot");
}
BENCHMARK(BM_OpenAndShowBotList)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

// A double click on a visible row of a long list: one row changes, not all of them.
void BM_ToggleOneBot(benchmark::State& state)
{
    ShownTab tab(int(state.range(0)));
    tab.page.openBotListFile(QStringLiteral("bots.cfg"), false);
    tab.paint();
    QWidget* viewport = tab.page.ListView1->viewport();
    const QPointF at = tab.page.ListView1->visualItemRect(tab.page.ListView1->topLevelItem(2)).center();
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
