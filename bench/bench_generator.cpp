// SPDX-License-Identifier: GPL-2.0-or-later
// The Bot Generator opening on a 64-bot list, and drawing it again, offscreen.
#include "app/core/installpaths.h"
#include "benchsupport.h"
#include "bots/ui/botgenerator.h"
#include "launch/core/execsettings.h"
#include "widgets/spinedit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kModels = 32;
constexpr int kSkinsPerModel = 24;

// A Quake2 directory with many models of many skins (each with its icon, as installed),
// and the generator set to 64 bots, on screen.
struct ShownGenerator {
    QTemporaryDir dir;
    tk::InstallPaths paths;
    QuietInteraction ui;
    BotGenerator generator;

    ShownGenerator()
    {
        const QString launcherDir = dir.filePath(QStringLiteral("quake2/TARRAKIND"));
        QDir().mkpath(launcherDir);
        for (int m = 0; m < kModels; ++m) {
            const QString model = dir.filePath(QStringLiteral("quake2/baseq2/players/model%1").arg(m));
            QDir().mkpath(model);
            for (int s = 0; s < kSkinsPerModel; ++s) {
                for (const char* suffix : { "", "_i" }) {
                    QFile f(model + QStringLiteral("/skin%1%2.pcx").arg(s).arg(QLatin1String(suffix)));
                    f.open(QIODevice::WriteOnly);
                }
            }
        }
        paths = tk::InstallPaths::fromLauncherDir(launcherDir, false);
        generator.setInteraction(&ui);
        generator.setInstallPaths(paths);
        generator.setSettingsSource([] { return tk::ExecSettings(); });
        generator.botCount->setValue(64);
        generator.show();
        QApplication::processEvents();
    }

    // Lays the list out and paints it, as the event loop does next.
    void paint()
    {
        QApplication::processEvents();
        generator.lines->viewport()->repaint();
    }
};

void check(benchmark::State& state, const BotGenerator& generator)
{
    if (generator.lines->count() != 64 || generator.bots().size() != 64)
        state.SkipWithError("the dialog does not show 64 bots");
}

// "Bot &Generator" pressed: models and skins listed, the seed taken, 64 bots drawn, their
// lines composed and shown.
void BM_OpenGeneratorWith64Bots(benchmark::State& state)
{
    ShownGenerator shown;
    for (auto _ : state) {
        shown.generator.prepare();
        shown.paint();
    }
    check(state, shown.generator);
}
BENCHMARK(BM_OpenGeneratorWith64Bots)->Unit(benchmark::kMillisecond);

// A changed setting or "&Draw Again": 64 bots drawn and shown again.
void BM_DrawAgain64Bots(benchmark::State& state)
{
    ShownGenerator shown;
    shown.generator.prepare();
    for (auto _ : state) {
        shown.generator.drawAgain();
        shown.paint();
    }
    check(state, shown.generator);
}
BENCHMARK(BM_DrawAgain64Bots)->Unit(benchmark::kMillisecond);

} // namespace

TARRAKIND_WIDGET_BENCHMARK_MAIN()
