// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/installpaths.h"
#include "launch/core/execfile.h"
#include "launch/core/execsettings.h"
#include "launch/core/prelaunchcheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A full evening's set-up: binds, player, rotation, 32 bots, sequential demo names
// with ten demos already recorded.
tk::ExecSettings busySettings()
{
    tk::ExecSettings s;
    s.minPlayers = true;
    s.minPlayersValue = 6;
    s.additionalCommands = QStringLiteral("set sv_gravity 600\nset g_select_empty 1\nset timescale 1\n");
    s.extraCfg = true;
    s.extraCfgName = QStringLiteral("autoexec.cfg");
    s.specifyBinds = true;
    for (int i = 0; i < 40; ++i)
        s.binds.append({ QStringLiteral("F%1").arg(i), QStringLiteral("say bind %1").arg(i) });
    s.playerSetup = true;
    s.playerName = QStringLiteral("Player");
    s.model = QStringLiteral("male");
    s.skin = QStringLiteral("viper");
    s.hand = QStringLiteral("Right");
    s.crosshair = QStringLiteral("Dot");
    s.maxFps = true;
    s.fps = 90;
    s.sensitivity = true;
    s.sensitivityText = QStringLiteral("4.5");
    s.lag = true;
    s.lagValue = 40;
    s.lagVariance = 10;
    s.mod = tk::ModChoice::RocketArena;
    s.rotation = true;
    for (int i = 1; i <= 8; ++i)
        s.rotationEntries.append("q2dm" + QByteArray::number(i));
    for (int i = 0; i < 32; ++i) {
        s.selectedBotLines.append(
            R"("sv" "addbot" "bot)" + QByteArray::number(i) + R"(" "male/grunt" "bots/hunk_c.c" "hunk")");
    }
    s.recordDemo = true;
    s.sequentialDemo = true;
    return s;
}

struct Tree {
    Tree()
    {
        QDir(root.path()).mkpath(QStringLiteral("quake2/tarrakind/demos"));
        paths = tk::InstallPaths::fromLauncherDir(root.path() + QStringLiteral("/quake2/tarrakind"), false);
        for (int i = 1; i <= 10; ++i) {
            const QString suffix = i == 1 ? QString() : QString::number(i);
            QFile f(paths.launcherDir + QStringLiteral("/demos/tarkdemo") + suffix + QStringLiteral(".dm2"));
            f.open(QIODevice::WriteOnly);
        }
    }
    QTemporaryDir root;
    tk::InstallPaths paths;
};

void BM_GenerateExecFile(benchmark::State& state)
{
    Tree tree;
    const tk::ExecSettings settings = busySettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(tk::generateExecFile(settings, tree.paths));
}
BENCHMARK(BM_GenerateExecFile)->Unit(benchmark::kMicrosecond);

void BM_GenerateAndWriteExecFile(benchmark::State& state)
{
    Tree tree;
    tk::ExecSettings settings = busySettings();
    for (auto _ : state) {
        // A new frag limit each round, so that the file really is rewritten.
        settings.fraglimit = settings.fraglimit % 999 + 1;
        tk::writeExecFile(settings, tree.paths);
    }
}
BENCHMARK(BM_GenerateAndWriteExecFile)->Unit(benchmark::kMicrosecond);

void BM_WriteDefaultExecFile(benchmark::State& state)
{
    Tree tree;
    tk::ExecSettings settings;
    for (auto _ : state) {
        settings.timelimit = settings.timelimit % 999 + 1;
        tk::writeExecFile(settings, tree.paths);
    }
}
BENCHMARK(BM_WriteDefaultExecFile)->Unit(benchmark::kMicrosecond);

// The pre-launch check of a 64-bot match: what it adds to LAUNCH!.
void BM_PreLaunchCheck(benchmark::State& state)
{
    Tree tree;
    tk::ExecSettings settings = busySettings();
    for (int i = 32; i < 64; ++i)
        settings.selectedBotLines.append(
            R"("sv" "addbot" "bot)" + QByteArray::number(i) + R"(" "male/grunt" "bots/hunk_c.c" "hunk")");
    settings.maxclients = 65;
    for (int i = 1; i <= 8; ++i)
        settings.catalogueMaps.append(QStringLiteral("q2dm%1").arg(i));
    const QByteArray script = tk::generateExecFile(settings, tree.paths);
    for (auto _ : state)
        benchmark::DoNotOptimize(tk::checkLaunch(settings, script, tree.paths));
}
BENCHMARK(BM_PreLaunchCheck)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
