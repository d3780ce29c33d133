// SPDX-License-Identifier: GPL-2.0-or-later
// Names that arrive in downloaded files (map packs, model packs, rotation files) must
// never break the exec file's console lines.
#include "app/core/consoletext.h"
#include "app/core/installpaths.h"
#include "app/core/random.h"
#include "bots/core/botlist.h"
#include "launch/core/execfile.h"
#include "maps/core/mapcatalogue.h"
#include "player/core/skincatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

// Every line of the exec file is at most one console command, and its quotes close;
// the one line the generator itself writes with ten commands is the bots' pause.
void expectOneCommandALine(const QByteArray& exec)
{
    const QByteArray pause = QByteArray("bigwait;").repeated(10).chopped(1);
    for (QByteArray line : exec.split('\n')) {
        line = line.trimmed();
        if (line == pause)
            continue;
        EXPECT_LE(tk::consoleCommandCount(line), 1) << line.toStdString();
        EXPECT_EQ(line.count('"') % 2, 0) << line.toStdString();
    }
}

TEST(ConsoleText, SafeValuesCannotStartACommandOrEndTheirQuotes)
{
    for (const char* safe : { "", "q2dm1", "Big Bob", "caf\xc3\xa9", "a/b", "x$y{z}" })
        EXPECT_TRUE(tk::isConsoleSafe(QByteArray(safe))) << safe;
    for (const char* unsafe : { "a;b", "a\"b", "a\nb", "a\rb", "a\tb", "a\x7f" })
        EXPECT_FALSE(tk::isConsoleSafe(QByteArray(unsafe))) << unsafe;
    EXPECT_FALSE(tk::isConsoleSafe(QStringView(u"x\u0001")));

    EXPECT_EQ(tk::consoleCommandCount("sv addbot \"a\" \"b\""), 1);
    EXPECT_EQ(tk::consoleCommandCount("say \"a;b\""), 1);
    EXPECT_EQ(tk::consoleCommandCount("sv addbot \"a\";quit"), 2);
    EXPECT_EQ(tk::consoleCommandCount("\"a\";\"b\";\"c\""), 3);
    EXPECT_EQ(tk::consoleCommandCount("say a; ; "), 1);
    EXPECT_EQ(tk::consoleCommandCount("say \"open\nquit"), 2) << "a line break ends open quotes";
    EXPECT_EQ(tk::consoleCommandCount("   "), 0);

    EXPECT_EQ(tk::printableName(QStringLiteral("x\nrcon")), QStringLiteral("x\u240Arcon"));
}

TEST(HostileNames, AreLeftOutOfTheMapCatalogueAndTheModelLists)
{
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("TARRAKIND"));
    ASSERT_TRUE(QDir().mkpath(game));
    for (const char* name : { "q2dm1.aas", "evil;quit.aas", "x\nrcon_password pwned.aas" })
        touch(game + '/' + QString::fromUtf8(name));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TARRAKIND_TEST_DATA "/hostile/aashostile.zip"),
        game + QStringLiteral("/aashostile.zip")));
    const tk::MapCatalogue catalogue = tk::buildMapCatalogue(game, {});
    QStringList names;
    for (const tk::MapRow& row : catalogue.rows)
        names.append(row.mapName);
    EXPECT_EQ(names, (QStringList { "q2dm1", "ok1", "ok2" }));
    EXPECT_EQ(catalogue.leftOut,
        (QStringList { "evil;quit.aas", "x\nrcon_password pwned.aas",
            "aashostile.zip: maps/x\nrcon_password pwned.aas", "aashostile.zip: maps/semi;quit.aas",
            "aashostile.zip: maps/quo\"te.aas", "aashostile.zip: maps/tab\there.aas" }));

    const QString players = dir.filePath(QStringLiteral("baseq2/players"));
    for (const char* model : { "male", "evil;quit", "q\"uote" })
        ASSERT_TRUE(QDir().mkpath(players + '/' + QString::fromUtf8(model)));
    for (const char* skin : { "grunt.pcx", "sk;exec x.pcx", "new\nline.pcx" })
        touch(players + QStringLiteral("/male/") + QString::fromUtf8(skin));
    QStringList leftOut;
    EXPECT_EQ(tk::listModels(dir.path(), &leftOut), QStringList { "male" });
    EXPECT_EQ(tk::listSkins(dir.path(), QStringLiteral("male"), &leftOut), QStringList { "grunt" });
    EXPECT_EQ(leftOut, (QStringList { "evil;quit", "q\"uote", "male/new\nline", "male/sk;exec x" }));
}

TEST(HostileNames, RotationEntriesThatWouldBreakTheMapListAreSkipped)
{
    const tk::InstallPaths paths = tk::InstallPaths::fromLauncherDir(QStringLiteral("/q2/TARRAKIND"), false);
    tk::ExecSettings s;
    s.rotation = true;
    s.rotationEntries = { "a\" ; quit ; \"", "q2dm3", "x;y", "q2dm8" };
    const QByteArray exec = tk::generateExecFile(s, paths);
    EXPECT_TRUE(exec.contains("set sv_maplist \"q2dm3 q2dm8 \"\r\nmap q2dm3\r\n"));
    expectOneCommandALine(exec);

    // With no entry left the selected map is started, as with an empty rotation.
    s.rotationEntries = { "\"" };
    s.selectedMap = QStringLiteral("base1");
    EXPECT_TRUE(tk::generateExecFile(s, paths).contains("\r\nmap base1\r\n"));
}

// Random names from the bytes that matter to the console, through every way a
// downloaded name reaches the exec file: the map catalogue (a selected row), the
// rotation file, the model and skin lists (the player set-up and the bot editor).
TEST(HostileNames, NoDownloadedNameGivesASecondCommandOrOpenQuotes)
{
    static const char kAlphabet[] = "ab1 ;\"\n\r\t\x01\x7f/\\$_.\xe9";
    tk::Random random;
    random.seed(20261208);
    auto randomName = [&] {
        QByteArray name;
        const quint32 length = 1 + random.below(8);
        for (quint32 i = 0; i < length; ++i) {
            const char c = kAlphabet[random.below(sizeof kAlphabet - 1)];
            if (c != '/') // no file name holds one
                name += c;
        }
        return name.isEmpty() ? QByteArray("m") : name;
    };

    for (int round = 0; round < 25; ++round) {
        QTemporaryDir dir;
        const QString game = dir.filePath(QStringLiteral("TARRAKIND"));
        const QString players = dir.filePath(QStringLiteral("baseq2/players"));
        ASSERT_TRUE(QDir().mkpath(game));
        QList<QByteArray> rotation;
        for (int i = 0; i < 6; ++i) {
            touch(game + '/' + QString::fromLatin1(randomName()) + QStringLiteral(".aas"));
            rotation.append(randomName());
            const QString model = players + '/' + QString::fromLatin1(randomName());
            ASSERT_TRUE(QDir().mkpath(model));
            touch(model + '/' + QString::fromLatin1(randomName()) + QStringLiteral(".pcx"));
        }

        const tk::InstallPaths paths = tk::InstallPaths::fromLauncherDir(game, false);
        tk::ExecSettings s;
        s.rotation = round % 2 == 0;
        s.rotationEntries = rotation;
        s.playerSetup = true;
        for (const QString& model : tk::listModels(dir.path()).value_or(QStringList())) {
            for (const QString& skin : tk::listSkins(dir.path(), model)) {
                s.model = model;
                s.skin = skin;
                s.selectedBotLines.append(tk::composeBotLine(QStringLiteral("bot"), model, skin,
                    QStringLiteral("bots/hunk_c.c"), QStringLiteral("hunk")));
            }
        }
        for (const tk::MapRow& row : tk::buildMapCatalogue(game, {}).rows) {
            s.selectedMap = row.mapName;
            expectOneCommandALine(tk::generateExecFile(s, paths));
        }
        expectOneCommandALine(tk::generateExecFile(s, paths));
    }
}

} // namespace
