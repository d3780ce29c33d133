// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/installpaths.h"
#include "bots/core/botlist.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A large bot list file as users build them: mostly plain ASCII lines, some names with
// accents (UTF-8 and Windows-1252), the odd empty line.
QByteArray botFile(int bots)
{
    QByteArray data;
    for (int i = 0; i < bots; ++i) {
        QByteArray name = "bot" + QByteArray::number(i);
        if (i % 50 == 0)
            name += "_J\xc3\xa9r\xc3\xb4me";
        else if (i % 50 == 1)
            name += "_J\xe9r\xf4me";
        data += "\"sv\" \"addbot\" \"" + name + "\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n";
        if (i % 100 == 0)
            data += "\r\n";
    }
    return data;
}

void BM_OpenBotListFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const tk::InstallPaths paths = tk::InstallPaths::fromLauncherDir(dir.path());
    QFile file(dir.path() + "/bots.cfg");
    if (!file.open(QIODevice::WriteOnly) || file.write(botFile(int(state.range(0)))) < 0) {
        state.SkipWithError("cannot write the bot list file");
        return;
    }
    file.close();
    for (auto _ : state) {
        tk::BotList list;
        list.open(paths, "bots.cfg", true);
        benchmark::DoNotOptimize(list.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OpenBotListFile)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// 10 MB of one-character lines: the most bots a file of that size can hold.
void BM_OpenOneCharacterLines(benchmark::State& state)
{
    QTemporaryDir dir;
    const tk::InstallPaths paths = tk::InstallPaths::fromLauncherDir(dir.path());
    QFile file(dir.path() + "/bots.cfg");
    QByteArray data;
    for (int i = 0; i < 10 * 1024 * 1024 / 2; ++i)
        data += "x\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(data) < 0) {
        state.SkipWithError("cannot write the bot list file");
        return;
    }
    file.close();
    tk::BotList list;
    for (auto _ : state) {
        list.open(paths, "bots.cfg", true);
        benchmark::DoNotOptimize(list.size());
    }
}
BENCHMARK(BM_OpenOneCharacterLines)->Unit(benchmark::kMillisecond);

void BM_SaveBotListFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const tk::InstallPaths paths = tk::InstallPaths::fromLauncherDir(dir.path());
    tk::BotList list;
    list.readContents(botFile(int(state.range(0))));
    for (auto _ : state)
        list.save(paths);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SaveBotListFile)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ParseBotLine(benchmark::State& state)
{
    const QByteArray line = R"("sv" "addbot" "noname1" "male/grunt" "bots/hunk_c.c" "hunk")";
    for (auto _ : state)
        benchmark::DoNotOptimize(tk::parseBotLine(line));
}
BENCHMARK(BM_ParseBotLine);

} // namespace

BENCHMARK_MAIN();
