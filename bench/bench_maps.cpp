// SPDX-License-Identifier: GPL-2.0-or-later
#include "benchsupport.h"
#include "maps/core/mapcatalogue.h"
#include "maps/core/ziplisting.h"
#include "maps/ui/mappage.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtEndian>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>

namespace {

constexpr int kLooseFiles = 10000;
constexpr int kArchives = 20;
constexpr int kEntriesPerArchive = 1000;
constexpr int kTitles = 10000;

void put16(QByteArray& out, quint16 v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, quint32 v)
{
    put16(out, quint16(v & 0xFFFF));
    put16(out, quint16(v >> 16));
}

// A ZIP archive of empty stored entries (an empty entry's CRC is 0), as zip -0 writes them.
QByteArray storedZip(const QList<QByteArray>& names)
{
    QByteArray out;
    QList<quint32> offsets;
    for (const QByteArray& name : names) {
        offsets.append(quint32(out.size()));
        out.append("PK\3\4", 4);
        put16(out, 20); // version needed
        put16(out, 0); // flags
        put16(out, 0); // stored
        put16(out, 0); // time
        put16(out, 0x5821); // date
        put32(out, 0); // crc
        put32(out, 0); // compressed size
        put32(out, 0); // size
        put16(out, quint16(name.size()));
        put16(out, 0); // extra
        out.append(name);
    }
    const auto directoryStart = quint32(out.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        out.append("PK\1\2", 4);
        put16(out, 0x031E); // made by Unix, 3.0
        put16(out, 20);
        put16(out, 0);
        put16(out, 0);
        put16(out, 0);
        put16(out, 0x5821);
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put16(out, quint16(names[i].size()));
        put16(out, 0); // extra
        put16(out, 0); // comment
        put16(out, 0); // disk
        put16(out, 0); // internal attributes
        put32(out, 0); // external attributes
        put32(out, offsets[i]);
        out.append(names[i]);
    }
    const auto directorySize = quint32(out.size()) - directoryStart;
    out.append("PK\5\6", 4);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint16(names.size()));
    put16(out, quint16(names.size()));
    put32(out, directorySize);
    put32(out, directoryStart);
    put16(out, 0);
    return out;
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        std::abort();
}

// A launcher directory with many navigation files and archives, made once per run.
struct LargeLauncherDir {
    QTemporaryDir dir;
    QHash<QString, QString> titles;

    LargeLauncherDir()
    {
        if (!dir.isValid())
            std::abort();
        for (int i = 0; i < kLooseFiles; ++i)
            writeFile(dir.filePath(QString::asprintf("m%05d.aas", i)), {});
        for (int a = 0; a < kArchives; ++a) {
            QList<QByteArray> names;
            for (int e = 0; e < kEntriesPerArchive; ++e)
                names.append(
                    QByteArray("maps/") + QByteArray::number(a) + "x" + QByteArray::number(e) + ".aas");
            writeFile(dir.filePath(QString::asprintf("aas%02d.zip", a)), storedZip(names));
        }
        // Half the titles name loose files, half archive entries.
        for (int i = 0; i < kTitles / 2; ++i) {
            titles.insert(QString::asprintf("m%05d", 2 * i), QStringLiteral("Loose map %1").arg(i));
            titles.insert(
                QString::asprintf("%dx%d", i % kArchives, i / kArchives), QStringLiteral("Map %1").arg(i));
        }
        // The same titles in the title file, for the page's refresh.
        QByteArray titleFile = "[MapTitles]\r\n";
        for (auto it = titles.cbegin(); it != titles.cend(); ++it)
            titleFile += it.key().toUtf8() + '=' + it.value().toUtf8() + "\r\n";
        writeFile(dir.filePath("mapnames.dat"), titleFile);
    }

    static LargeLauncherDir& get()
    {
        static LargeLauncherDir instance;
        return instance;
    }
};

void BM_MapCatalogueRefresh(benchmark::State& state)
{
    LargeLauncherDir& fixture = LargeLauncherDir::get();
    const QHash<QString, QString>& titles = fixture.titles;
    const tk::MapTitleLookup lookup = [&titles](const QString& mapName) -> std::optional<QString> {
        const auto it = titles.constFind(mapName);
        return it == titles.cend() ? std::nullopt : std::optional<QString>(*it);
    };
    qsizetype rows = 0;
    for (auto _ : state) {
        const tk::MapCatalogue catalogue = tk::buildMapCatalogue(fixture.dir.path(), lookup);
        rows = catalogue.rows.size();
        benchmark::DoNotOptimize(catalogue.rows.data());
    }
    if (rows != kLooseFiles + kArchives * kEntriesPerArchive)
        state.SkipWithError("wrong number of rows");
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_MapCatalogueRefresh)->Unit(benchmark::kMillisecond);

void BM_ZipListingOneArchive(benchmark::State& state)
{
    const QString path = LargeLauncherDir::get().dir.filePath("aas00.zip");
    for (auto _ : state) {
        const tk::ZipListing listing = tk::listZipArchive(path);
        if (listing.entries.size() != kEntriesPerArchive)
            state.SkipWithError("wrong number of entries");
        benchmark::DoNotOptimize(listing.entries.data());
    }
}
BENCHMARK(BM_ZipListingOneArchive)->Unit(benchmark::kMicrosecond);

void put64(QByteArray& out, quint64 v)
{
    put32(out, quint32(v & 0xFFFFFFFF));
    put32(out, quint32(v >> 32));
}

QByteArray centralHeader(const QByteArray& name, quint16 commentLength)
{
    QByteArray out("PK\1\2", 4);
    put16(out, 0x031E);
    put16(out, 20);
    out += QByteArray(20, '\0');
    put16(out, quint16(name.size()));
    put16(out, 0);
    put16(out, commentLength);
    out += QByteArray(12, '\0');
    return out + name;
}

// Bytes this process has read through read() and its kin so far.
qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return 0;
}

// A hostile archive: its directory is stated as one header whose comment leads past the
// zip64 end record, into that record's extensible data, where 65,000 more headers lie
// 64 KB apart (a sparse file of 4 GB). Reading them all would mean reading 4 GB.
void BM_ZipListingHeadersSpreadBeyondTheDirectory(benchmark::State& state)
{
    constexpr qint64 kSpread = 65000;
    constexpr qint64 kGap = 64 * 1024;
    QTemporaryDir dir;
    QFile file(dir.filePath("aasspread.zip"));
    const QByteArray first = centralHeader("maps/q2dm1.aas", 56);
    QByteArray record("PK\6\6", 4);
    put64(record, 44 + quint64(kSpread * kGap));
    put16(record, 45);
    put16(record, 45);
    put32(record, 0);
    put32(record, 0);
    put64(record, kSpread + 1);
    put64(record, kSpread + 1);
    put64(record, quint64(first.size()));
    put64(record, 0);
    QByteArray tail("PK\6\7", 4);
    put32(tail, 0);
    put64(tail, quint64(first.size()));
    put32(tail, 1);
    tail += QByteArray("PK\5\6", 4);
    put16(tail, 0);
    put16(tail, 0);
    put16(tail, 0xFFFF);
    put16(tail, 0xFFFF);
    put32(tail, quint32(first.size()));
    put32(tail, 0);
    put16(tail, 0);
    const qint64 spreadStart = first.size() + record.size();
    if (!file.open(QIODevice::WriteOnly) || file.write(first + record) < 0) {
        state.SkipWithError("cannot write the archive");
        return;
    }
    for (qint64 i = 0; i < kSpread; ++i) {
        const QByteArray name = "maps/m" + QByteArray::number(i).rightJustified(5, '0') + ".aas";
        file.seek(spreadStart + i * kGap);
        file.write(centralHeader(name, quint16(kGap - 46 - name.size())));
    }
    file.seek(spreadStart + kSpread * kGap);
    file.write(tail);
    file.close();

    qint64 bytesRead = 0;
    for (auto _ : state) {
        const qint64 before = bytesReadSoFar();
        const tk::ZipListing listing = tk::listZipArchive(file.fileName());
        bytesRead += bytesReadSoFar() - before;
        benchmark::DoNotOptimize(listing.entries.data());
    }
    state.counters["bytes_read"] = double(bytesRead) / double(state.iterations());
}
BENCHMARK(BM_ZipListingHeadersSpreadBeyondTheDirectory)->Unit(benchmark::kMillisecond);

// The page's refresh of the same directory: two thirds of the 30,000 rows have no title in
// the title file, so each of those looks for its map along the engine's whole search path
// (the 20 archives of the game directory among it) and finds none.
void BM_MapPageRefreshLargeLauncherDir(benchmark::State& state)
{
    LargeLauncherDir& fixture = LargeLauncherDir::get();
    const tk::InstallPaths paths = tk::InstallPaths::fromLauncherDir(fixture.dir.path(), false);
    QuietInteraction ui;
    MapPage page;
    page.attach(paths, ui);
    for (auto _ : state) {
        page.refreshCatalogue();
        benchmark::DoNotOptimize(page.ListView2->topLevelItemCount());
    }
    if (page.ListView2->topLevelItemCount() != kLooseFiles + kArchives * kEntriesPerArchive)
        state.SkipWithError("wrong number of rows");
}
BENCHMARK(BM_MapPageRefreshLargeLauncherDir)->Unit(benchmark::kMillisecond);

// A Quake II directory whose baseq2/pak0.pak is 200 MB large and holds 40 maps among 3,300
// files, as the game's own does, and a launcher directory with the maps' 40 navigation
// files and no title file: every row's title comes from its map. The pak is sparse: each
// map is 5 MB long with its entity lump of 24 KB near its end, as map compilers place it.
struct GameInstallation {
    static constexpr int kMaps = 40;
    static constexpr qint64 kMapSize = 5 * 1024 * 1024;
    static constexpr int kOtherFiles = 3260;
    QTemporaryDir root;
    tk::InstallPaths paths;

    GameInstallation()
    {
        if (!root.isValid() || !QDir(root.path()).mkpath("quake2/TARRAKIND")
            || !QDir(root.path()).mkpath("quake2/baseq2") || !QDir(root.path()).mkpath("home"))
            std::abort();
        qputenv("HOME", QFile::encodeName(root.filePath("home")));
        qunsetenv("XDG_DATA_HOME");
        paths = tk::InstallPaths::fromLauncherDir(root.filePath("quake2/TARRAKIND"), false);

        QFile pak(root.filePath("quake2/baseq2/pak0.pak"));
        if (!pak.open(QIODevice::WriteOnly))
            std::abort();
        QByteArray directory;
        const auto entry = [&directory](const QByteArray& name, qint64 offset, qint64 size) {
            QByteArray e = name.leftJustified(56, '\0', true);
            put32(e, quint32(offset));
            put32(e, quint32(size));
            directory += e;
        };
        for (int m = 0; m < kMaps; ++m) {
            const qint64 start = 12 + m * kMapSize;
            const QByteArray name = QByteArray::number(m).rightJustified(2, '0');
            QByteArray entities = "{\n\"classname\" \"worldspawn\"\n\"sky\" \"unit1_\"\n\"message\" \"Map "
                + name + "\"\n}\n";
            while (entities.size() < 24 * 1024)
                entities += "{\n\"classname\" \"info_player_deathmatch\"\n\"origin\" \"-96 272 24\"\n}\n";
            const qint64 lump = kMapSize - 64 * 1024;
            QByteArray header("IBSP", 4);
            put32(header, 38);
            put32(header, quint32(lump));
            put32(header, quint32(entities.size()));
            header += QByteArray(18 * 8, '\0');
            if (!pak.seek(start) || pak.write(header) != header.size() || !pak.seek(start + lump)
                || pak.write(entities) != entities.size())
                std::abort();
            entry("maps/bm" + name + ".bsp", start, kMapSize);
            writeFile(paths.inLauncherDir(QStringLiteral("bm%1.aas").arg(QString::fromLatin1(name))), {});
        }
        for (int i = 0; i < kOtherFiles; ++i)
            entry("textures/e1u1/wall" + QByteArray::number(i) + ".wal", 12, 0);
        const qint64 directoryOffset = 12 + kMaps * kMapSize;
        QByteArray head("PACK", 4);
        put32(head, quint32(directoryOffset));
        put32(head, quint32(directory.size()));
        if (!pak.seek(0) || pak.write(head) != head.size() || !pak.seek(directoryOffset)
            || pak.write(directory) != directory.size())
            std::abort();
    }

    static GameInstallation& get()
    {
        static GameInstallation instance;
        return instance;
    }
};

// What the refresh button does, titles from the maps included.
void BM_MapCatalogueRefreshWithTitlesFromAPak(benchmark::State& state)
{
    GameInstallation& game = GameInstallation::get();
    QuietInteraction ui;
    MapPage page;
    page.attach(game.paths, ui);
    for (auto _ : state) {
        page.refreshCatalogue();
        benchmark::DoNotOptimize(page.ListView2->topLevelItemCount());
    }
    if (page.ListView2->topLevelItemCount() != GameInstallation::kMaps
        || page.ListView2->topLevelItem(39)->text(1) != QStringLiteral("Map 39"))
        state.SkipWithError("the maps' titles were not found");
    state.counters["pak_MB"]
        = double(QFileInfo(game.root.filePath("quake2/baseq2/pak0.pak")).size()) / (1 << 20);
}
BENCHMARK(BM_MapCatalogueRefreshWithTitlesFromAPak)->Unit(benchmark::kMillisecond);

} // namespace

TARRAKIND_WIDGET_BENCHMARK_MAIN();
