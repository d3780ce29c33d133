// SPDX-License-Identifier: GPL-2.0-or-later
// Names that arrive in downloaded files (map packs, model packs, rotation files) must
// never break the exec file's console lines.
#include "app/core/consoletext.h"
#include "app/core/installpaths.h"
#include "app/core/random.h"
#include "bots/core/botlist.h"
#include "launch/core/consolebuffer.h"
#include "launch/core/consolewords.h"
#include "launch/core/execfile.h"
#include "maps/core/mapcatalogue.h"
#include "player/core/skincatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

// The commands the engine's buffer makes of a line that hold more than blanks.
int commandCount(const QByteArray& line)
{
    int count = 0;
    for (const tk::console::Command& c : tk::console::commandsOf(line))
        count += std::any_of(
            c.text.cbegin(), c.text.cend(), [](char b) { return !tk::console::isConsoleBlank(b); });
    return count;
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
        EXPECT_LE(commandCount(line), 1) << line.toStdString();
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

    EXPECT_EQ(commandCount("sv addbot \"a\" \"b\""), 1);
    EXPECT_EQ(commandCount("say \"a;b\""), 1);
    EXPECT_EQ(commandCount("sv addbot \"a\";quit"), 2);
    EXPECT_EQ(commandCount("\"a\";\"b\";\"c\""), 3);
    EXPECT_EQ(commandCount("say a; ; "), 1);
    EXPECT_EQ(commandCount("say \"open\nquit"), 2) << "a line break ends open quotes";
    EXPECT_EQ(commandCount("   "), 0);

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

        // A profile names any of them, past every list: what the exec file leaves out,
        // the check names.
        s.model = QString::fromLatin1(randomName());
        s.skin = QString::fromLatin1(randomName());
        s.dmflags = QString::fromLatin1(randomName());
        s.sensitivity = s.extraCfg = s.recordDemo = true;
        s.sensitivityText = QString::fromLatin1(randomName());
        s.extraCfgName = QString::fromLatin1(randomName());
        s.demoName = QString::fromLatin1(randomName());
        const QByteArray exec = tk::generateExecFile(s, paths);
        expectOneCommandALine(exec);
        QStringList named;
        for (const tk::LeftOutValue& v : tk::leftOutValues(s, paths))
            named.append(v.what);
        const struct {
            const char* line;
            const char* what;
        } lines[] = { { "\nset dmflags ", "The deathmatch flags" }, { "\nskin ", "The player skin" },
            { "\nsensitivity ", "The mouse sensitivity" }, { "\nexec ", "The extra config file name" },
            { "\nrecord ", "The demo name" } };
        for (const auto& l : lines)
            EXPECT_NE(exec.contains(l.line), named.contains(QLatin1String(l.what))) << l.what;
    }
}

// Names built from the pieces that lead out of a directory: whatever the rule lets
// through stays inside, and each way out is refused for its reason.
TEST(HostileNames, ANameThatAFileSuppliesNeverLeadsOutOfItsDirectory)
{
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("game"));
    ASSERT_TRUE(QDir().mkpath(dir + QStringLiteral("/sub")));
    touch(root.filePath(QStringLiteral("victim")));
    touch(dir + QStringLiteral("/real.lst"));
    ASSERT_TRUE(QFile::link(QStringLiteral("../victim"), dir + QStringLiteral("/out.lst")));
    ASSERT_TRUE(QFile::link(QStringLiteral("real.lst"), dir + QStringLiteral("/in.lst")));
    ASSERT_TRUE(QFile::link(QStringLiteral("../nowhere"), dir + QStringLiteral("/dangling.lst")));
    using tk::NameUse;
    const auto refused
        = [&](const QString& name, NameUse use) { return !tk::nameRefusal(name, use, dir).isEmpty(); };

    const QString nul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    const QString tooLong = QString(256, QLatin1Char('x'));
    const struct {
        QString name;
        bool inDirectory; // refused as a file of the directory
        bool below; // refused as a path below it
    } cases[] = {
        { "maps.lst", false, false },
        { "~", false, false },
        { "~/x", true, false },
        { "sub/demo", true, false },
        { "../../victim", true, true },
        { "sub/../..", true, true },
        { "..", true, true },
        { "/etc/passwd", true, true },
        { "C:x.cfg", false, true },
        { "a\\b", true, true },
        { nul, true, true },
        { tooLong, true, true },
        { "", true, false },
        { "in.lst", false, false },
        { "out.lst", true, false },
        { "dangling.lst", true, false },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(refused(c.name, NameUse::InDirectory), c.inDirectory) << c.name.toStdString();
        EXPECT_EQ(refused(c.name, NameUse::BelowDirectory), c.below) << c.name.toStdString();
    }

    static const char* const kPieces[]
        = { "..", ".", "/", "\\", "~", "a", "sub", "out.lst", "in.lst", "C:", "//", "x.cfg" };
    tk::Random random;
    random.seed(20261209);
    const QString inside = QFileInfo(dir).canonicalFilePath() + QLatin1Char('/');
    int accepted[2] = {};
    for (int round = 0; round < 4000; ++round) {
        QString name;
        for (quint32 i = 0, n = 1 + random.below(5); i < n; ++i)
            name += QString::fromLatin1(kPieces[random.below(std::size(kPieces))]);
        if (!refused(name, NameUse::InDirectory)) {
            ++accepted[0];
            const QFileInfo file(dir + QLatin1Char('/') + name);
            const QString resolved
                = file.exists() ? file.canonicalFilePath() : QDir::cleanPath(file.filePath());
            EXPECT_EQ(QFileInfo(resolved).absolutePath() + QLatin1Char('/'), inside) << name.toStdString();
        }
        if (!refused(name, NameUse::BelowDirectory)) {
            ++accepted[1];
            // On Windows too, where a backslash separates and "C:" names a drive.
            const QString path = QDir::cleanPath(dir + QLatin1Char('/') + QString(name).replace('\\', '/'));
            EXPECT_TRUE(path == dir || path.startsWith(dir + QLatin1Char('/'))) << name.toStdString();
        }
    }
    EXPECT_GT(accepted[0], 100);
    EXPECT_GT(accepted[1], 100);
}

} // namespace
