// SPDX-License-Identifier: GPL-2.0-or-later
// What a user waits for in the INI layer: a profile load (one file read, ~100 key reads) and
// a profile save (~90 key writes, one atomic replace), on a typical profile and on a 1 MB one.

#include "profile/core/inifile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

struct Key {
    const char* section;
    const char* key;
    const char* value;
};

// The keys a profile holds, with typical values, in the order they are written.
const std::vector<Key>& profileKeys()
{
    static const std::vector<Key> keys = [] {
        std::vector<Key> k = {
            { "BotDataFile", "FileName", "bots.cfg" },
            { "BotOptions", "NoChat", "0" },
            { "ServerOptions", "FragLimit", "150" },
            { "ServerOptions", "TimeLimit", "30" },
            { "ServerOptions", "MaxClients", "16" },
            { "ServerOptions", "CaptureLimit", "8" },
            { "ServerOptions", "Dedicated", "0" },
            { "ServerOptions", "Cheats", "0" },
            { "ServerOptions", "DMFlags", "280084" },
            { "ServerOptions", "MinPlayers", "0" },
            { "ServerOptions", "MinPlayersVal", "0" },
            { "Demo", "RecordDemo", "0" },
            { "Demo", "DemoName", "tarkdemo" },
            { "Demo", "Overwrite", "1" },
            { "Demo", "Sequence", "0" },
            { "Misc", "ExtraCfg", "0" },
            { "Misc", "ExtraCfgName", "server.cfg" },
            { "Additional", "Count", "3" },
            { "Additional", "n0", "set sv_gravity 800" },
            { "Additional", "n1", "set timelimit 20" },
            { "Additional", "n2", "say Welcome to the server" },
            { "Quake2 Setup", "EXE", "quake2" },
            { "SelectedBots", "Count", "4" },
            { "SelectedBots", "n1", "Ranger" },
            { "SelectedBots", "n2", "Grunt" },
            { "SelectedBots", "n3", "Bitterman" },
            { "SelectedBots", "n4", "Stroggo" },
            { "MapControl", "Selected", "q2dm1" },
            { "MapControl", "Rotation", "1" },
            { "MapControl", "RotationFile", "maps.lst" },
            { "Player", "LagEnabled", "0" },
            { "Player", "LagVal", "0" },
            { "Player", "LagVar", "0" },
            { "Player", "Enabled", "1" },
            { "Player", "Name", "Player" },
            { "Player", "Model", "male" },
            { "Player", "Skin", "grunt" },
            { "Player", "Hand", "Right" },
            { "Player", "Crosshair", "Cross" },
            { "Player", "SpecifyFPS", "0" },
            { "Player", "FPS", "50" },
            { "Player", "SpecifySens", "0" },
            { "Player", "Sens", "5" },
            { "Binds", "Enabled", "1" },
            { "Binds", "Count", "4" },
            { "Binds", "n0", "\"\"MOUSE1\" \"+attack\"\"" },
            { "Binds", "n1", "\"\"SPACE\" \"+moveup\"\"" },
            { "Binds", "n2", "\"\"q\" \"use Rocket Launcher\"\"" },
            { "Binds", "n3", "\"\"e\" \"use Railgun\"\"" },
            { "Launcher", "LeaveOpen", "1" },
            { "Launcher", "SaveOnClose", "0" },
            { "Launcher", "LightUpButtons", "1" },
            { "Launcher", "LightUpColor", "255" },
            { "GameMod", "DM", "1" },
            { "GameMod", "CTF", "0" },
            { "GameMod", "RA", "0" },
            { "GameMod", "XATRIX", "0" },
            { "GameMod", "ROGUE", "0" },
        };
        static const char* const ra[] = { "o1", "o2", "o3", "o4", "o5", "w1", "w2", "w3", "w4", "w5", "w6",
            "w7", "w8", "w9", "l1", "l2", "l3", "l4", "l5", "l6", "l7", "l8" };
        for (const char* key : ra)
            k.push_back({ "RA", key, key[0] == 'l' ? "100" : "1" });
        for (const char* key : { "t1", "t2", "t3", "t4" })
            k.push_back({ "CTF", key, "0" });
        return k;
    }();
    return keys;
}

QByteArray typicalProfile()
{
    QByteArray out;
    const char* section = "";
    for (const Key& k : profileKeys()) {
        if (qstrcmp(section, k.section) != 0) {
            section = k.section;
            out += QByteArray("[") + section + "]\r\n";
        }
        out += QByteArray(k.key) + '=' + k.value + "\r\n";
    }
    return out;
}

// A profile grown to 1 MB by a long additional-commands list, the largest thing users put in.
QByteArray largeProfile()
{
    QByteArray out = typicalProfile();
    const QByteArray anchor = "n2=say Welcome to the server\r\n";
    QByteArray list;
    for (int i = 3; out.size() + list.size() < (1 << 20); ++i)
        list += "n" + QByteArray::number(i) + "=say This is additional console command number "
            + QByteArray::number(i) + "\r\n";
    out.insert(out.indexOf(anchor) + anchor.size(), list);
    return out;
}

void readProfile(const tk::IniFile& ini, benchmark::State& state)
{
    int reads = 0;
    for (const Key& k : profileKeys()) {
        const QString section = QString::fromLatin1(k.section);
        const QString key = QString::fromLatin1(k.key);
        benchmark::DoNotOptimize(ini.readString(section, key, QString()));
        ++reads;
    }
    for (int i = 0; reads < 100; ++i, ++reads)
        benchmark::DoNotOptimize(
            ini.readInt(QStringLiteral("Additional"), QStringLiteral("n%1").arg(i * 997), 0));
    state.counters["reads"] = reads;
}

void writeProfile(tk::IniFile& ini, bool alternate)
{
    for (const Key& k : profileKeys()) {
        QString value = QString::fromLatin1(k.value);
        if (alternate)
            value += QLatin1Char('x');
        ini.writeString(QString::fromLatin1(k.section), QString::fromLatin1(k.key), value);
    }
}

void BM_LoadAndRead1MBProfile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.tsf"));
    const QByteArray data = largeProfile();
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
        state.SkipWithError("cannot write the sample profile");
        return;
    }
    f.close();
    for (auto _ : state) {
        const tk::IniFile ini = tk::IniFile::load(path);
        readProfile(ini, state);
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_LoadAndRead1MBProfile)->Unit(benchmark::kMillisecond);

void BM_ParseAndReadTypicalProfile(benchmark::State& state)
{
    const QByteArray data = typicalProfile();
    for (auto _ : state) {
        const tk::IniFile ini(data);
        readProfile(ini, state);
    }
    state.counters["bytes"] = double(data.size());
}
BENCHMARK(BM_ParseAndReadTypicalProfile)->Unit(benchmark::kMicrosecond);

// Load, write every key (each one changing its line), save: the profile writer's work.
void BM_LoadWriteSaveTypicalProfile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("default.tsf"));
    tk::IniFile(typicalProfile()).save(path);
    bool alternate = false;
    for (auto _ : state) {
        tk::IniFile ini = tk::IniFile::load(path);
        writeProfile(ini, alternate = !alternate);
        ini.save(path);
    }
}
BENCHMARK(BM_LoadWriteSaveTypicalProfile)->Unit(benchmark::kMicrosecond);

// The first save of a profile: every section and key is new.
void BM_SaveNewProfile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.tsf"));
    for (auto _ : state) {
        tk::IniFile ini;
        writeProfile(ini, false);
        ini.save(path);
    }
}
BENCHMARK(BM_SaveNewProfile)->Unit(benchmark::kMicrosecond);

// The writer over a 1 MB profile: ~90 in-place writes, one atomic replace of 1 MB.
void BM_LoadWriteSave1MBProfile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.tsf"));
    tk::IniFile(largeProfile()).save(path);
    bool alternate = false;
    for (auto _ : state) {
        tk::IniFile ini = tk::IniFile::load(path);
        writeProfile(ini, alternate = !alternate);
        ini.save(path);
    }
}
BENCHMARK(BM_LoadWriteSave1MBProfile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
