// SPDX-License-Identifier: GPL-2.0-or-later
// "Exec File Preview" and the unsaved-settings comparison, on the main window offscreen.
#include "app/core/installpaths.h"
#include "app/ui/tform1.h"
#include "benchsupport.h"
#include "bots/ui/botcfgpage.h"
#include "launch/ui/execpreview.h"
#include "player/ui/bindspage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/profilestore.h"
#include "widgets/spinedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void write(const QString& path, const QByteArray& data)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(data);
}

// A launcher with a bot list file of n bots, every one of them selected, and 40 binds in use.
struct Launcher {
    QTemporaryDir dir;
    QString launcherDir = dir.filePath(QStringLiteral("quake2/TARRAKIND"));
    QuietInteraction ui;
    std::unique_ptr<TForm1> form;

    explicit Launcher(int bots)
    {
        QDir().mkpath(launcherDir);
        QByteArray list;
        for (int i = 0; i < bots; ++i)
            list += "\"sv\" \"addbot\" \"bot" + QByteArray::number(i)
                + "\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n";
        write(launcherDir + QStringLiteral("/bots.cfg"), list);
        form = std::make_unique<TForm1>(tk::InstallPaths::fromLauncherDir(launcherDir), ui);
        form->show();
        form->startUp();
        BotCfgPage* page = form->botCfgPage;
        for (int i = 0; i < bots; ++i)
            page->botList().toggle(i);
        page->refreshBotView();
        form->bindsPage->CheckBox29->setChecked(true);
        for (int i = 0; i < 40; ++i)
            form->bindsPage->addBindRow(QStringLiteral("F%1").arg(i), QStringLiteral("say bind %1").arg(i));
        QApplication::processEvents();
    }
};

// One regeneration after a change: gather the settings, generate the script with the origin of
// every line, run the pre-launch check and show the lines.
void BM_PreviewRegenerate(benchmark::State& state)
{
    Launcher l(int(state.range(0)));
    l.form->showPreview();
    QApplication::processEvents();
    ExecPreview* preview = l.form->preview();
    SpinEdit* fraglimit = l.form->gamePage->fraglimit;
    int value = 100;
    for (auto _ : state) {
        fraglimit->setValue(value);
        value = value == 100 ? 101 : 100;
        preview->refresh();
    }
}
BENCHMARK(BM_PreviewRegenerate)->Arg(64)->Unit(benchmark::kMillisecond);

// Whether a save would change the profile or the rotation file: the writer's profile in
// memory against the file, for the full profile of the tests.
void BM_UnsavedComparison(benchmark::State& state)
{
    Launcher l(0);
    QFile golden(QStringLiteral(TARRAKIND_SOURCE_DIR "/tests/golden/profile_everything.tsf"));
    golden.open(QIODevice::ReadOnly);
    const QString path = l.launcherDir + QStringLiteral("/full.tsf");
    write(path, golden.readAll());
    l.form->profiles().load(path);
    l.form->profiles().save(path);
    bool changed = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(changed = l.form->profiles().hasUnsavedChanges());
    if (changed)
        state.SkipWithError("a freshly saved profile counts as changed");
}
BENCHMARK(BM_UnsavedComparison)->Unit(benchmark::kMillisecond);

// Ctrl+P with 10,000 bots selected: the window made and filled, then laid out and painted.
void BM_OpenPreview(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto l = std::make_unique<Launcher>(int(state.range(0)));
        state.ResumeTiming();
        l->form->showPreview();
        QApplication::processEvents();
        l->form->preview()->repaint();
        state.PauseTiming();
        l.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPreview)->Arg(10000)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

TARRAKIND_WIDGET_BENCHMARK_MAIN();
