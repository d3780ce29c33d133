// SPDX-License-Identifier: GPL-2.0-or-later
// Constructing the main window and running its start-up sequence on the demo
// installation, offscreen.
#include "app/core/installpaths.h"
#include "app/ui/tform1.h"
#include "benchsupport.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString demoInstallation(QTemporaryDir& dir)
{
    const QString q2 = dir.filePath(QStringLiteral("quake2"));
    QProcess::execute(QStringLiteral(TARRAKIND_MAKEDEMO), { q2, QStringLiteral("TARRAKIND") });
    return q2 + QStringLiteral("/TARRAKIND");
}

void BM_ConstructAndStartUp(benchmark::State& state)
{
    QTemporaryDir dir;
    const tk::InstallPaths paths = tk::InstallPaths::fromLauncherDir(demoInstallation(dir));
    QuietInteraction ui;
    for (auto _ : state) {
        TForm1 form(paths, ui);
        form.startUp();
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(BM_ConstructAndStartUp)->Unit(benchmark::kMillisecond);

} // namespace

TARRAKIND_WIDGET_BENCHMARK_MAIN()
