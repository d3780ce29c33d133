// SPDX-License-Identifier: GPL-2.0-or-later
// Loading a full profile (every key present) into the main window and saving it;
// loading a 1 MB profile.
#include "app/core/installpaths.h"
#include "app/ui/tform1.h"
#include "benchsupport.h"
#include "profile/ui/profilestore.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString launcherDir;
    QuietInteraction ui;
    std::unique_ptr<TForm1> form;
    QString full;
    QString large;

    Fixture()
    {
        const QString q2 = dir.filePath(QStringLiteral("quake2"));
        QProcess::execute(QStringLiteral(TARRAKIND_MAKEDEMO), { q2, QStringLiteral("TARRAKIND") });
        launcherDir = q2 + QStringLiteral("/TARRAKIND");
        form = std::make_unique<TForm1>(tk::InstallPaths::fromLauncherDir(launcherDir), ui);
        form->startUp();

        QFile golden(QStringLiteral(TARRAKIND_SOURCE_DIR "/tests/golden/profile_everything.tsf"));
        golden.open(QIODevice::ReadOnly);
        const QByteArray profile = golden.readAll();
        full = launcherDir + QStringLiteral("/full.tsf");
        write(full, profile);
        // A profile grown to 1 MB by comments and keys of no interest to the launcher.
        QByteArray padding = "[Notes]\r\n";
        for (int i = 0; padding.size() < 1024 * 1024 - profile.size(); ++i)
            padding += "note" + QByteArray::number(i) + "=some text the launcher never reads\r\n";
        large = launcherDir + QStringLiteral("/large.tsf");
        write(large, padding + profile);
    }
    static void write(const QString& path, const QByteArray& data)
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(data);
    }
};

Fixture* g_fixture = nullptr;

Fixture& fixture()
{
    return *g_fixture;
}

void BM_LoadFullProfile(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        f.form->profiles().load(f.full);
}
BENCHMARK(BM_LoadFullProfile)->Unit(benchmark::kMillisecond);

void BM_SaveFullProfile(benchmark::State& state)
{
    Fixture& f = fixture();
    f.form->profiles().load(f.full);
    for (auto _ : state)
        f.form->profiles().save(f.full);
}
BENCHMARK(BM_SaveFullProfile)->Unit(benchmark::kMillisecond);

// Every round changes one setting, so the profile really is rewritten.
void BM_SaveChangedProfile(benchmark::State& state)
{
    Fixture& f = fixture();
    f.form->profiles().load(f.full);
    QCheckBox* noChat = f.form->findChild<QCheckBox*>(QStringLiteral("CheckBox20"));
    for (auto _ : state) {
        noChat->toggle();
        f.form->profiles().save(f.full);
    }
}
BENCHMARK(BM_SaveChangedProfile)->Unit(benchmark::kMillisecond);

void BM_Load1MBProfile(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        f.form->profiles().load(f.large);
}
BENCHMARK(BM_Load1MBProfile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        Fixture f; // made and gone while the application lives
        g_fixture = &f;
        benchmark::RunSpecifiedBenchmarks();
    }
    return 0;
}
