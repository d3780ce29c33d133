// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "bots/core/botlist.h"
#include "launch/core/consolebuffer.h"
#include "launch/core/execfile.h"
#include "launch/core/gamestart.h"
#include "launch/core/prelaunchcheck.h"
#include "support/files.h"
#include "support/gamefiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Kind = tk::LaunchFinding::Kind;

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

// A Quake2 directory with its game executable and the launcher's game directory, and a
// home of its own for the engine's user folders.
class PreLaunchCheck : public testing::Test {
protected:
    QTemporaryDir root;
    QByteArray oldHome = qgetenv("HOME");
    tk::InstallPaths paths;
    tk::ExecSettings settings;

    void SetUp() override
    {
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("quake2/TARRAKIND")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("home")));
        touch(root.filePath(QStringLiteral("quake2/quake2")));
        qputenv("HOME", QFile::encodeName(root.filePath(QStringLiteral("home"))));
        qunsetenv("XDG_DATA_HOME");
        paths = tk::InstallPaths::fromLauncherDir(root.filePath(QStringLiteral("quake2/TARRAKIND")), false);
    }
    void TearDown() override { qputenv("HOME", oldHome); }

    QList<Kind> kinds(const QByteArray& script = "map q2dm1\r\n") const
    {
        QList<Kind> out;
        for (const tk::LaunchFinding& f : tk::checkLaunch(settings, script, paths))
            out.append(f.kind);
        return out;
    }
};

TEST_F(PreLaunchCheck, AnOrdinaryMatchHasNoFindings)
{
    EXPECT_EQ(kinds(), QList<Kind> {});
}

// Comment lines that make the exec file of settings exactly total bytes long: in the
// additional commands, or as bot lines, which come after the extra config's exec line.
void padTo(tk::ExecSettings& s, const tk::InstallPaths& paths, qsizetype total, bool asBots)
{
    QList<QByteArray> lines;
    for (;;) {
        if (asBots)
            s.selectedBotLines = lines;
        else
            s.additionalCommands = QString::fromLatin1(lines.join('\n'));
        const qsizetype missing = total - tk::generateExecFile(s, paths).size();
        if (missing == 0)
            return;
        if (lines.isEmpty() || (missing >= 16 && lines.last().size() >= 1000))
            lines.append("//");
        else
            lines.last() += QByteArray(qMin<qsizetype>(missing, 1000 - lines.last().size() + 15), 'p');
    }
}

// The rows of the table in which the engine does what the check must foresee.
TEST_F(PreLaunchCheck, FindsWhatTheEngineWouldDoOtherThanSetUp)
{
    const auto extra = [&](const char* name, qsizetype size) {
        settings.extraCfg = true;
        settings.extraCfgName = QLatin1String(name);
        writeAll(paths.inLauncherDir(settings.extraCfgName), QByteArray(size, '\n'));
    };
    // A script of 32,109 bytes, most of it behind the extra config's exec line, and an extra
    // config of size bytes, or of more bytes than the buffer has left for it.
    const auto behindExec = [&](const char* name, qsizetype size, bool asLeft, qsizetype more = 0) {
        return [=, this] {
            extra(name, 0);
            settings.maxclients = 64;
            padTo(settings, paths, 32109, true);
            for (const auto& c : tk::console::commandsOf(tk::generateExecFile(settings, paths)))
                if (asLeft && c.text.startsWith("exec "))
                    extra(name, tk::console::kBufferSize - 1 - c.rest + more);
            if (!asLeft)
                extra(name, size);
        };
    };
    const auto memo = [&](const QString& text) { return [=, this] { settings.additionalCommands = text; }; };
    QByteArray sets;
    for (int i = 0; i < 24; ++i)
        sets += "set v" + QByteArray::number(i).rightJustified(2, '0') + ' '
            + QByteArray(i < 23 ? 40 : 42, 'x') + (i < 23 ? ";" : "");
    ASSERT_EQ(sets.size(), 1177);
    const struct {
        const char* name;
        std::function<void()> set;
        QList<Kind> kinds;
        const char* says;
    } rows[] = {
        { "a script of 32,766 bytes runs", [&] { padTo(settings, paths, 32766, false); }, {}, "" },
        { "one of 32,767 does not", [&] { padTo(settings, paths, 32767, false); }, { Kind::ScriptTooLarge },
            "32,767 bytes" },
        { "tark.cfg of 32,109 bytes and an extra config of 3,616", behindExec("big.cfg", 3616, false),
            { Kind::ScriptOverflow }, "fatal error" },
        { "the extra config fills the buffer to its last byte", behindExec("fill.cfg", 0, true), {}, "" },
        { "one byte more", behindExec("over.cfg", 0, true, 1), { Kind::ScriptOverflow }, "over.cfg" },
        { "the exec file as its own extra config", [&] { extra("tark.cfg", 0); }, { Kind::ScriptOverflow },
            "runs itself" },
        { "an additional command the profile reader cut",
            [&] {
                settings.additionalCommands = "say \"" + QString(1018, 'x');
                settings.cutAdditionalLines = { 0 };
            },
            { Kind::TypedLineChanged }, "first 1,023 characters; a double quote without its pair" },
        { "24 short set commands on one line of 1,177 bytes", memo(QString::fromLatin1(sets)), {}, "" },
        { "a $ in an additional command", memo("name Ca$h"), { Kind::TypedLineChanged }, "replaces $h" },
        { "sv_gravity among the additional commands", memo("set sv_gravity 600"), { Kind::SetAgain },
            "sets it to 800" },
        { "a setting the exec file makes later", memo("set lag 50"), { Kind::SetAgain }, "(\"set lag 0\")" },
        { "a bot line with a second command",
            [&] { settings.selectedBotLines = { R"("sv" "addbot" "a" "b" "c" "d";quit)" }; },
            { Kind::TypedLineChanged }, "as 2 commands" },
        { "a composed bot line with quotes in a value",
            [&] {
                settings.selectedBotLines = { tk::composeBotLine("O\"Neil\"s", "male", "grunt", "f", "p") };
            },
            { Kind::TypedLineChanged }, "reads them as \"O\", \"Neil\"" },
        { "a dedicated server of 8 with 8 bots",
            [&] {
                settings.dedicated = true;
                settings.maxclients = 8;
                settings.selectedBotLines = QList<QByteArray>(8, "sv addbot x");
            },
            { Kind::TooManyBots }, "when the first player enters" },
        { "a dedicated server with a demo, binds and player lines",
            [&] {
                settings.dedicated = settings.recordDemo = settings.specifyBinds = settings.maxFps = true;
                settings.binds = { { "F1", "observer" } };
            },
            { Kind::DedicatedIgnores }, "no demo is recorded" },
        { "max clients 1", [&] { settings.maxclients = 1; }, { Kind::SetAgain }, "with 8 places" },
        { "a bind on an upper-case letter",
            [&] {
                settings.specifyBinds = true;
                settings.binds = { { "Q", "observer" } };
            },
            { Kind::BindNeverFires }, "Bind \"q\"" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        settings = {};
        row.set();
        const QByteArray script = tk::generateExecFile(settings, paths);
        const auto findings = tk::checkLaunch(settings, script, paths);
        QList<Kind> found;
        for (const tk::LaunchFinding& f : findings)
            found.append(f.kind);
        EXPECT_EQ(found, row.kinds);
        if (!findings.isEmpty()) {
            EXPECT_TRUE(findings[0].text.contains(QString::fromUtf8(row.says)))
                << findings[0].text.toStdString();
        }
    }
}

TEST_F(PreLaunchCheck, ValuesThatNoConsoleLineCanHoldAreNamedWhenUsed)
{
    settings.playerName = QStringLiteral("say \"hi\"");
    settings.demoName = QStringLiteral("a\nb");
    settings.extraCfgName = QStringLiteral("x\".cfg");
    EXPECT_EQ(kinds(), QList<Kind> {}) << "none of them is used";
    settings.playerSetup = settings.recordDemo = settings.extraCfg = true;
    EXPECT_EQ(kinds(), QList<Kind>(3, Kind::UnwritableValue));
    settings.playerName = QStringLiteral("Big Bob");
    EXPECT_EQ(kinds(), QList<Kind>(2, Kind::UnwritableValue)) << "a blank is written in quotes";
}

TEST_F(PreLaunchCheck, BotsNeedRoomOnTheServer)
{
    settings.maxclients = 4;
    settings.selectedBotLines = QList<QByteArray>(3, "sv addbot x");
    EXPECT_EQ(kinds(), QList<Kind> {});
    settings.selectedBotLines.append("sv addbot y");
    EXPECT_EQ(kinds(), QList<Kind> { Kind::TooManyBots }) << "the player takes a place";
    settings.dedicated = true;
    EXPECT_EQ(kinds(), QList<Kind> { Kind::TooManyBots }) << "so does the first player to enter";
}

TEST_F(PreLaunchCheck, RotationMapsNeedANavigationFile)
{
    settings.catalogueMaps = { "q2dm1", "q2dm2" };
    settings.rotationEntries = { "q2dm1", "base1", "x;y" };
    EXPECT_EQ(kinds(), QList<Kind> {}) << "rotation off";
    settings.rotation = true;
    EXPECT_EQ(kinds(), (QList<Kind> { Kind::RotationMapUnknown, Kind::RotationEntryLeftOut }));
}

TEST_F(PreLaunchCheck, ScriptsInTheEnginesUserFolderRunInstead)
{
    const QString home = root.filePath(QStringLiteral("home"));
    ASSERT_TRUE(QDir(home).mkpath(QStringLiteral(".local/share/YamagiQ2/TARRAKIND")));
    ASSERT_TRUE(QDir(home).mkpath(QStringLiteral(".yq2/TARRAKIND")));
    touch(home + QStringLiteral("/.yq2/TARRAKIND/extra.cfg"));
    settings.extraCfgName = QStringLiteral("extra.cfg");
    EXPECT_EQ(kinds(), QList<Kind> {});
    settings.extraCfg = true;
    EXPECT_EQ(kinds(), QList<Kind> { Kind::ScriptShadowed });
    // With ~/.yq2 there the engine never looks in the XDG folder.
    touch(home + QStringLiteral("/.local/share/YamagiQ2/TARRAKIND/tark.cfg"));
    EXPECT_EQ(kinds(), QList<Kind> { Kind::ScriptShadowed });
    touch(home + QStringLiteral("/.yq2/TARRAKIND/tark.cfg"));
    EXPECT_EQ(kinds(), QList<Kind>(2, Kind::ScriptShadowed));
}

// Where a script lies, loose or inside an archive ("archive:entry"), and whether the engine
// runs it instead of the launcher's own. (Which user folder counts: see Engine.)
TEST_F(PreLaunchCheck, ScriptsTheEngineFindsFirstAreNamedWhereverTheyLie)
{
    const struct {
        const char* where;
        bool shadows;
    } cases[] = {
        { "quake2/TARRAKIND/tark.cfg", false }, // the launcher's own
        { "home/.local/share/YamagiQ2/TARRAKIND/scripts.pk3:tark.cfg", true },
        { "quake2/TARRAKIND/scripts.zip:TARK.CFG", true },
        { "quake2/TARRAKIND/pak0.pak:tark.cfg", true },
        { "quake2/TARRAKIND/pakscripts.pak:tark.cfg", false }, // the engine skips it
        { "quake2/TARRAKIND/scripts.pk3:cfg/tark.cfg", false },
        { "quake2/baseq2/pak0.pak:tark.cfg", false },
    };
    const QString base = QDir(root.path()).canonicalPath() + '/';
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        for (const char* dir : { "home", "quake2/baseq2", "quake2/TARRAKIND" })
            QDir(base + dir).removeRecursively();
        const QStringList where = QString::fromLatin1(c.where).split(':');
        ASSERT_TRUE(QDir().mkpath(QFileInfo(base + where[0]).absolutePath()));
        const gamefiles::Files script { { where.value(1).toLatin1(), "exec evil.cfg\n" } };
        writeAll(base + where[0],
            where.size() == 1               ? script[0].second
                : where[0].endsWith(".pak") ? gamefiles::pak(script)
                                            : gamefiles::zip(script));
        const QList<tk::LaunchFinding> findings = tk::checkLaunch(settings, "map q2dm1\r\n", paths);
        ASSERT_EQ(findings.size(), c.shadows ? 1 : 0);
        EXPECT_TRUE(!c.shadows
            || (findings[0].kind == Kind::ScriptShadowed && findings[0].text.contains(base + where[0])));
    }
}

TEST_F(PreLaunchCheck, MapsTheEngineCannotLoadAreNamedOnceItsDataIsInSight)
{
    settings.selectedMap = QStringLiteral("ghost");
    EXPECT_EQ(kinds(), QList<Kind> {}) << "no map anywhere: the game's data lies out of sight";
    ASSERT_TRUE(QDir(paths.quake2Dir).mkpath(QStringLiteral("baseq2")));
    writeAll(paths.quake2Dir + "/baseq2/pak0.pak",
        gamefiles::pak({ { "maps/q2dm1.bsp", gamefiles::map("The Edge") },
            { "maps/base1.bsp", gamefiles::map("Base") } }));
    ASSERT_TRUE(QDir(paths.launcherDir).mkpath(QStringLiteral("maps")));
    writeAll(paths.launcherDir + "/maps/tkdm1.bsp", gamefiles::map("Ours"));
    const struct {
        std::optional<QString> selected;
        bool rotation;
        QList<QByteArray> entries;
        const char* missing; // the names the finding gives; empty for no finding
    } cases[] = {
        { QStringLiteral("q2dm1"), false, { "ghost" }, "" }, // a rotation turned off does not count
        { QStringLiteral("tkdm1"), false, {}, "" },
        { QStringLiteral("ghost"), false, {}, "ghost" },
        { std::nullopt, false, {}, "" }, // no map selected starts q2dm1
        { QStringLiteral("ghost"), true, { "Q2DM1", "gone", "base1", "gone", "away", "a;b" }, "gone, away" },
        { QStringLiteral("ghost"), true, {}, "ghost" },
    };
    for (const auto& c : cases) {
        settings.selectedMap = c.selected;
        settings.rotation = c.rotation;
        settings.rotationEntries = c.entries;
        settings.catalogueMaps = { "q2dm1", "Q2DM1", "tkdm1", "ghost", "base1", "gone", "away" };
        const QList<tk::LaunchFinding> findings = tk::checkLaunch(settings, "map q2dm1\r\n", paths);
        QStringList texts;
        for (const tk::LaunchFinding& f : findings) {
            if (f.kind == Kind::MapMissing)
                texts.append(f.text);
        }
        EXPECT_EQ(texts.size(), *c.missing ? 1 : 0) << c.missing;
        EXPECT_TRUE(!*c.missing || texts.value(0).contains(QStringLiteral(" for %1 anywhere").arg(c.missing)))
            << texts.value(0).toStdString();
    }
    // An archive the engine refuses stops it whatever the map.
    settings = tk::ExecSettings {};
    writeAll(paths.quake2Dir + "/baseq2/pak1.pak", "not a pak at all");
    writeAll(paths.quake2Dir + "/baseq2/pakold.pak", "never loaded");
    EXPECT_EQ(kinds(), QList<Kind> { Kind::ArchiveRefused });
}

TEST_F(PreLaunchCheck, TheExecutableMustLieRightInTheQuake2Directory)
{
    for (const char* name : { "quake2", "quake2.exe", "missing" })
        EXPECT_EQ((settings.executable = QLatin1String(name), kinds()), QList<Kind> {}) << name;
    for (const char* name : { "baseq2/players/evil/run", "../quake2", "/bin/sh" }) {
        settings.executable = QLatin1String(name);
        const auto findings = tk::checkLaunch(settings, {}, paths);
        ASSERT_EQ(findings.size(), 1) << name;
        EXPECT_EQ(findings[0].kind, Kind::ExecutableElsewhere);
    }
    // A name is always taken inside the Quake2 directory, whatever it starts with.
    EXPECT_TRUE(tk::checkLaunch(settings, {}, paths)[0].text.endsWith(
        "LAUNCH! would run " + paths.quake2Dir + "/bin/sh."));
}

TEST(ExistingFileName, FindsTheOneFileThatDiffersOnlyInLetterCase)
{
    QTemporaryDir dir;
    for (const char* name : { "bots.cfg", "Maps.lst", "MAPS.LST", "Extra.CFG" })
        touch(dir.filePath(QLatin1String(name)));
    const struct {
        const char* named;
        const char* found;
    } cases[] = {
        { "bots.cfg", "bots.cfg" }, // exists as given
        { "BOTS.CFG", "bots.cfg" }, // one match
        { "extra.cfg", "Extra.CFG" },
        { "maps.lst", "maps.lst" }, // two matches: none is the one meant
        { "none.cfg", "none.cfg" }, // no match
        { "", "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::existingFileName(dir.path(), QLatin1String(c.named)), QLatin1String(c.found))
            << c.named;

    // The game: a profile from Windows names "quake2.exe".
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("TK")));
    const auto paths = tk::InstallPaths::fromLauncherDir(dir.filePath(QStringLiteral("TK")), false);
    EXPECT_EQ(tk::executableToRun(paths, QStringLiteral("quake2.exe"), false), QStringLiteral("quake2.exe"));
    touch(dir.filePath(QStringLiteral("quake2")));
    EXPECT_EQ(tk::executableToRun(paths, QStringLiteral("quake2.exe"), false), QStringLiteral("quake2"));
    EXPECT_EQ(tk::executableToRun(paths, QStringLiteral("Quake2"), false), QStringLiteral("quake2"));
    touch(dir.filePath(QStringLiteral("quake2.exe")));
    EXPECT_EQ(tk::executableToRun(paths, QStringLiteral("quake2.exe"), false), QStringLiteral("quake2.exe"));
}

} // namespace
