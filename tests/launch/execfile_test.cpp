// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/fileutil.h"
#include "app/core/installpaths.h"
#include "app/core/usererror.h"
#include "launch/core/consolekeys.h"
#include "launch/core/consolerun.h"
#include "launch/core/execfile.h"
#include "launch/core/execsettings.h"
#include "launch/core/gamecontent.h"
#include "launch/core/prelaunchcheck.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace tk {
void PrintTo(const ExecLineOrigin& o, std::ostream* os)
{
    *os << "{tab " << int(o.tab) << ", " << QString(o.section).toStdString() << '/'
        << QString(o.key).toStdString() << ", " << o.item << '}';
}
} // namespace tk

namespace {

using tk::ExecSettings;
using Lines = QList<QByteArray>;

// A Quake2 directory with the launcher's game directory "tarrakind" and its demos folder.
class Install {
public:
    Install()
    {
        QDir(m_root.path()).mkpath(QStringLiteral("quake2/tarrakind/demos"));
        paths = tk::InstallPaths::fromLauncherDir(m_root.path() + QStringLiteral("/quake2/tarrakind"), false);
    }
    void addDemo(const QString& fileName) const
    {
        QFile f(paths.launcherDir + QStringLiteral("/demos/") + fileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    tk::InstallPaths paths;

private:
    QTemporaryDir m_root;
};

QByteArray golden(const char* name)
{
    QByteArray data;
    EXPECT_TRUE(tk::readFile(
        QStringLiteral(TARRAKIND_TEST_GOLDEN "/") + QLatin1String(name), &data, tk::kMaxSettingsFileSize));
    return data;
}

// Splits at CR LF and insists that no other line end occurs and that the data ends in one.
Lines crlfLines(const QByteArray& data)
{
    EXPECT_TRUE(data.endsWith("\r\n"));
    Lines lines = data.split('\n');
    lines.removeLast();
    for (QByteArray& l : lines) {
        EXPECT_TRUE(l.endsWith('\r')) << l.constData();
        l.chop(1);
        EXPECT_FALSE(l.contains('\r')) << l.constData();
    }
    return lines;
}

// The lines after the first line equal to from, up to (not including) the next line
// equal to to; an empty to means up to the end.
Lines block(const Lines& lines, const QByteArray& from, const QByteArray& to)
{
    const qsizetype start = lines.indexOf(from);
    if (start < 0) {
        ADD_FAILURE() << "no line " << from.constData();
        return {};
    }
    const qsizetype end = to.isEmpty() ? lines.size() : lines.indexOf(to, start + 1);
    if (end < 0) {
        ADD_FAILURE() << "no line " << to.constData() << " after " << from.constData();
        return {};
    }
    return lines.mid(start + 1, end - start - 1);
}

std::string show(const Lines& lines)
{
    std::string out;
    for (const QByteArray& l : lines)
        out += "[" + l.toStdString() + "]\n";
    return out;
}

TEST(ExecFile, NewWindowDefaultsMatchGoldenFile)
{
    Install install;
    EXPECT_EQ(tk::generateExecFile(ExecSettings {}, install.paths), golden("tark_defaults.cfg"));
}

// Every section of the script in use; with a demo "tarkdemo.dm2" present.
ExecSettings everythingSettings()
{
    ExecSettings s;
    s.dmflags = QStringLiteral("17940");
    s.maxclients = 8;
    s.fraglimit = 25;
    s.timelimit = 15;
    s.capturelimit = 0;
    s.cheats = true;
    s.dedicated = true; // reaches the command line, not the script
    s.minPlayers = true;
    s.minPlayersValue = 4;
    s.additionalCommands = QStringLiteral("set sv_gravity 600\nset g_select_empty 1");
    s.extraCfg = true;
    s.extraCfgName = QStringLiteral("autoexec.cfg");
    s.specifyBinds = true;
    s.binds = {
        { QStringLiteral("MOUSE2"), QStringLiteral("+attack") },
        { QString(), QStringLiteral("weapnext") },
        { QStringLiteral("ENTER"), QStringLiteral("messagemode") },
        { QStringLiteral("Q"), QString() },
        { QStringLiteral("F1"), QStringLiteral("say \"gg\"") },
    };
    s.playerSetup = true;
    s.playerName = QString::fromUtf8("J\xc3\xb6rg");
    s.model = QStringLiteral("female");
    s.skin = QStringLiteral("athena");
    s.hand = QStringLiteral("Left");
    s.crosshair = QStringLiteral("DOT");
    s.maxFps = true;
    s.fps = 90;
    s.sensitivity = true;
    s.sensitivityText = QStringLiteral("3.5");
    s.lag = true;
    s.lagValue = 100;
    s.lagVariance = 20;
    s.mod = tk::ModChoice::CaptureTheFlag;
    s.ctfAutoAssign = false;
    s.ctfForceTeam = true;
    s.ctfRed = false;
    s.ctfBlue = true;
    s.selectedMap = QStringLiteral("q2dm2");
    s.rotation = true;
    s.rotationEntries = { "q2dm3", "q2dm7", "q2dm8" };
    s.noChat = true;
    s.selectedBotLines = {
        R"("sv" "addbot" "noname1" "male/grunt" "bots/hunk_c.c" "hunk")",
        "\"sv\" \"addbot\" \"Ren\xe9\" \"female/athena\" \"bots/hunk_c.c\" \"hunk\"",
    };
    s.recordDemo = true;
    s.demoName = QStringLiteral("tarkdemo");
    s.sequentialDemo = true;

    return s;
}

TEST(ExecFile, EverySectionInUseMatchesGoldenFile)
{
    Install install;
    install.addDemo(QStringLiteral("tarkdemo.dm2"));
    EXPECT_EQ(tk::generateExecFile(everythingSettings(), install.paths), golden("tark_everything.cfg"));
}

// Where each line comes from: one origin per line, and the same bytes as without them.
TEST(ExecFile, EachLineNamesTheTabAndSettingItComesFrom)
{
    using tk::SettingsTab;
    Install install;
    install.addDemo(QStringLiteral("tarkdemo.dm2"));
    QList<tk::ExecLineOrigin> origins { { SettingsTab::Map, QLatin1StringView("stale"), {}, 9 } };
    const QByteArray script = tk::generateExecFile(everythingSettings(), install.paths, &origins);
    EXPECT_EQ(script, golden("tark_everything.cfg"));
    const Lines lines = crlfLines(script);
    ASSERT_EQ(origins.size(), lines.size());

    auto originOf = [&](const QByteArray& line) {
        const qsizetype i = lines.indexOf(line);
        EXPECT_GE(i, 0) << line.constData();
        return i < 0 ? tk::ExecLineOrigin {} : origins.at(i);
    };
    auto origin = [](SettingsTab tab, const char* section, const char* key, qsizetype item = -1) {
        return tk::ExecLineOrigin { tab, QLatin1StringView(section), QLatin1StringView(key), item };
    };
    EXPECT_EQ(origins.first(), origin(SettingsTab::None, nullptr, nullptr));
    EXPECT_EQ(originOf("set dmflags 17940"), origin(SettingsTab::DmFlags, "ServerOptions", "DMFlags"));
    EXPECT_EQ(originOf("set maxclients 8"), origin(SettingsTab::Game, "ServerOptions", "MaxClients"));
    EXPECT_EQ(
        originOf("set minimumplayers 4"), origin(SettingsTab::DmFlags, "ServerOptions", "MinPlayersVal"));
    EXPECT_EQ(originOf("set g_select_empty 1"), origin(SettingsTab::Misc, "Additional", "Count", 1));
    // Rows without a key or a command write no line, so the rows after them are counted.
    EXPECT_EQ(originOf("bind \"ENTER\" \"messagemode\""), origin(SettingsTab::Binds, "Binds", "Count", 2));
    EXPECT_EQ(originOf("set botctfteam 2"), origin(SettingsTab::Game, "CTF", "t4"));
    EXPECT_EQ(originOf("map q2dm3"), origin(SettingsTab::Map, "MapControl", "RotationFile", 0));
    const qsizetype secondBot
        = lines.indexOf("\"sv\" \"addbot\" \"Ren\xe9\" \"female/athena\" \"bots/hunk_c.c\" \"hunk\"");
    ASSERT_GE(secondBot, 0);
    EXPECT_EQ(origins.at(secondBot), origin(SettingsTab::BotCfg, "SelectedBots", "Count", 1));
    EXPECT_EQ(origins.at(secondBot + 1), origin(SettingsTab::BotCfg, "SelectedBots", "Count", 1))
        << "its wait";
    EXPECT_EQ(origins.last(), origin(SettingsTab::Misc, "Demo", "DemoName"));
}

struct RowCase {
    const char* name;
    std::function<void(ExecSettings&)> set;
    QByteArray from;
    QByteArray to;
    Lines expected;
};

void runRowCases(const std::vector<RowCase>& cases)
{
    Install install;
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExecSettings s;
        c.set(s);
        const Lines got = block(crlfLines(tk::generateExecFile(s, install.paths)), c.from, c.to);
        EXPECT_EQ(got, c.expected) << show(got);
    }
}

TEST(ExecFile, ServerRows)
{
    const QByteArray from = "//Basic DMFlags/Server Settings";
    const QByteArray to = "//Additional Parms.";
    auto server = [](const char* flags, const char* minimum) {
        return Lines { "set deathmatch 1", QByteArray("set dmflags ") + flags, "set maxclients 16",
            "set fraglimit 150", "set timelimit 30", "set capturelimit 8", "set cheats 0",
            QByteArray("set minimumplayers ") + minimum, "" };
    };
    runRowCases({
        { "minimum players unchecked writes 0",
            [](ExecSettings& s) {
                s.minPlayers = false;
                s.minPlayersValue = 7;
            },
            from, to, server("280084", "0") },
        { "minimum players checked",
            [](ExecSettings& s) {
                s.minPlayers = true;
                s.minPlayersValue = 7;
            },
            from, to, server("280084", "7") },
        { "negative minimum players",
            [](ExecSettings& s) {
                s.minPlayers = true;
                s.minPlayersValue = -3;
            },
            from, to, server("280084", "-3") },
        { "empty flag total", [](ExecSettings& s) { s.dmflags.clear(); }, from, to, server("\"\"", "0") },
        { "typed flag text goes in unchanged",
            [](ExecSettings& s) { s.dmflags = QStringLiteral("0065536x"); }, from, to,
            server("0065536x", "0") },
        { "limits and cheats",
            [](ExecSettings& s) {
                s.maxclients = 1;
                s.fraglimit = -5;
                s.timelimit = 999;
                s.capturelimit = 0;
                s.cheats = true;
            },
            from, to,
            { "set deathmatch 1", "set dmflags 280084", "set maxclients 1", "set fraglimit -5",
                "set timelimit 999", "set capturelimit 0", "set cheats 1", "set minimumplayers 0", "" } },
    });
}

TEST(ExecFile, AdditionalCommandsAndExtraConfig)
{
    const QByteArray memo = "//Additional Parms.";
    const QByteArray extra = "//Additional Exec. File";
    const QByteArray binds = "//Key Bindings";
    runRowCases({
        { "empty memo gives one blank line", [](ExecSettings&) {}, memo, extra, { "", "" } },
        { "one line", [](ExecSettings& s) { s.additionalCommands = QStringLiteral("echo hi"); }, memo, extra,
            { "echo hi", "" } },
        { "two lines verbatim",
            [](ExecSettings& s) { s.additionalCommands = QStringLiteral("set a \"1\"\n  bind x y"); }, memo,
            extra, { "set a \"1\"", "  bind x y", "" } },
        { "trailing line end adds a blank line",
            [](ExecSettings& s) { s.additionalCommands = QStringLiteral("echo a\necho b\n"); }, memo, extra,
            { "echo a", "echo b", "", "" } },
        { "blank lines inside are kept",
            [](ExecSettings& s) { s.additionalCommands = QStringLiteral("a\n\nb"); }, memo, extra,
            { "a", "", "b", "" } },
        { "extra config is the exec file itself",
            [](ExecSettings& s) {
                s.extraCfg = true;
                s.extraCfgName = QStringLiteral("tark.cfg");
            },
            extra, binds, { "exec tark.cfg", "" } },
        { "extra config checked with empty name", [](ExecSettings& s) { s.extraCfg = true; }, extra, binds,
            { "" } },
        { "extra config unchecked", [](ExecSettings& s) { s.extraCfgName = QStringLiteral("bots.cfg"); },
            extra, binds, { "" } },
    });
}

TEST(ExecFile, BindRows)
{
    const QByteArray from = "//Key Bindings";
    const QByteArray to = "//Player Setup";
    const QList<tk::BindRow> rows {
        { QStringLiteral("a"), QStringLiteral("+moveleft") },
        { QString(), QString() },
        { QStringLiteral("KP_ENTER"), QStringLiteral("say hello; wave 1") },
    };
    runRowCases({
        { "unchecked writes no bind", [&](ExecSettings& s) { s.binds = rows; }, from, to, { "" } },
        { "checked without rows", [](ExecSettings& s) { s.specifyBinds = true; }, from, to, { "" } },
        { "checked skips empty rows",
            [&](ExecSettings& s) {
                s.specifyBinds = true;
                s.binds = rows;
            },
            from, to, { "bind \"a\" \"+moveleft\"", "bind \"KP_ENTER\" \"say hello; wave 1\"", "" } },
    });
}

TEST(ExecFile, PlayerRows)
{
    const QByteArray from = "//Player Setup";
    const QByteArray to = "set deathmatch 1";
    auto player = [](ExecSettings& s) {
        s.playerSetup = true;
        s.playerName = QStringLiteral("Ace");
        s.model = QStringLiteral("cyborg");
        s.skin = QStringLiteral("oni911");
    };
    auto withHand = [&](const char* hand) {
        return [=](ExecSettings& s) {
            player(s);
            s.hand = QString::fromLatin1(hand);
        };
    };
    auto withCrosshair = [&](const char* crosshair) {
        return [=](ExecSettings& s) {
            player(s);
            s.crosshair = QString::fromLatin1(crosshair);
        };
    };
    const Lines lagOff { "set lag 0", "set lagvariance 0", "" };
    auto plus = [&](Lines head) { return head + lagOff; };
    runRowCases({
        { "nothing checked", [](ExecSettings& s) { s.playerName = QStringLiteral("unused"); }, from, to,
            lagOff },
        { "set-up with empty skin list",
            [](ExecSettings& s) {
                s.playerSetup = true;
                s.model = QStringLiteral("male");
            },
            from, to, plus({ "skin male/grunt" }) },
        { "set-up with empty model",
            [](ExecSettings& s) {
                s.playerSetup = true;
                s.skin = QStringLiteral("grunt");
            },
            from, to, plus({ "skin male/grunt" }) },
        { "hand and crosshair empty", player, from, to, plus({ "name Ace", "skin cyborg/oni911" }) },
        { "hand RIGHT", withHand("RIGHT"), from, to, plus({ "name Ace", "skin cyborg/oni911", "hand 0" }) },
        { "hand left", withHand("left"), from, to, plus({ "name Ace", "skin cyborg/oni911", "hand 1" }) },
        { "hand Center", withHand("Center"), from, to, plus({ "name Ace", "skin cyborg/oni911", "hand 2" }) },
        { "hand unknown", withHand("Right "), from, to, plus({ "name Ace", "skin cyborg/oni911" }) },
        { "crosshair No Crosshair", withCrosshair("No Crosshair"), from, to,
            plus({ "name Ace", "skin cyborg/oni911", "crosshair 0" }) },
        { "crosshair cross", withCrosshair("cross"), from, to,
            plus({ "name Ace", "skin cyborg/oni911", "crosshair 1" }) },
        { "crosshair Dot", withCrosshair("Dot"), from, to,
            plus({ "name Ace", "skin cyborg/oni911", "crosshair 2" }) },
        { "crosshair ANGLE", withCrosshair("ANGLE"), from, to,
            plus({ "name Ace", "skin cyborg/oni911", "crosshair 3" }) },
        { "crosshair unknown", withCrosshair("Circle"), from, to,
            plus({ "name Ace", "skin cyborg/oni911" }) },
        { "max fps without set-up",
            [](ExecSettings& s) {
                s.maxFps = true;
                s.fps = 125;
            },
            from, to, plus({ "cl_maxfps 125" }) },
        { "sensitivity as typed without set-up",
            [](ExecSettings& s) {
                s.sensitivity = true;
                s.sensitivityText = QStringLiteral("12.");
            },
            from, to, plus({ "sensitivity 12." }) },
        { "empty sensitivity is left out", [](ExecSettings& s) { s.sensitivity = true; }, from, to, lagOff },
        { "lag checked",
            [](ExecSettings& s) {
                s.lag = true;
                s.lagValue = 50;
            },
            from, to, { "set lag 50", "set lagvariance 0", "" } },
        { "lag unchecked hides values",
            [](ExecSettings& s) {
                s.lagValue = 50;
                s.lagVariance = 10;
                s.fps = 60;
            },
            from, to, lagOff },
    });
}

TEST(ExecFile, TypedValuesTheEngineWouldSplitAreQuotedAndUnwritableOnesLeftOut)
{
    auto named = [](const char* name) {
        return [=](ExecSettings& s) {
            s.playerSetup = true;
            s.playerName = QString::fromUtf8(name);
        };
    };
    const QByteArray player = "//Player Setup", skin = "skin male/grunt";
    runRowCases({
        { "plain as before", named("Ace"), player, skin, { "name Ace" } },
        { "a blank", named("Big Bob"), player, skin, { "name \"Big Bob\"" } },
        { "a byte the engine takes for a blank", named("J\xc3\xb6rg"), player, skin,
            { "name \"J\xc3\xb6rg\"" } },
        { "a line break", named("Big\nquit"), player, skin, {} },
        { "a double quote", named("say \"hi\""), player, skin, {} },
        { "extra config with a semicolon",
            [](ExecSettings& s) {
                s.extraCfg = true;
                s.extraCfgName = QStringLiteral("a;quit.cfg");
            },
            "//Additional Exec. File", "//Key Bindings", { "exec \"a;quit.cfg\"", "" } },
    });
}

// The rows of the table of what the engine made of the launcher's values, run through the
// model of the engine's console: what the engine then holds is what the user set, or the
// value is left out and named.
TEST(ExecFile, TheEngineReadsBackEveryValueOrItIsLeftOutAndNamed)
{
    Install install;
    install.addDemo(QStringLiteral("Ca.dm2"));
    QFile cfg(install.paths.launcherDir + QStringLiteral("/my$cfg.cfg"));
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly) && cfg.write("set extra ran\n") > 0);
    cfg.close();
    using E = ExecSettings;
    const auto typed = [](bool E::*on, QString E::*field, const char* value) {
        return [=](E& s) {
            s.*on = true;
            s.*field = QString::fromUtf8(value);
        };
    };
    const auto bind = [](const char* key, const char* command) {
        return [=](E& s) {
            s.specifyBinds = true;
            s.binds = { { QString::fromUtf8(key), QString::fromUtf8(command) } };
        };
    };
    const QByteArray n64(64, 'N'), c64(64, 'c');
    enum class Holds { Cvar, Binding, Demo, Map, LeftOut };
    const struct {
        std::function<void(E&)> set;
        Holds holds;
        QByteArray key; // the cvar, the key, or what leftOutValues names
        QByteArray value;
    } rows[] = {
        { typed(&E::playerSetup, &E::playerName, "Ca$h"), Holds::Cvar, "name", "Ca$h" },
        { typed(&E::playerSetup, &E::playerName, "//Neo"), Holds::Cvar, "name", "//Neo" },
        { typed(&E::playerSetup, &E::playerName, "Big Bob"), Holds::Cvar, "name", "Big Bob" },
        { typed(&E::playerSetup, &E::playerName, "J\xc3\xb6rg"), Holds::Cvar, "name", "J\xc3\xb6rg" },
        { typed(&E::playerSetup, &E::playerName, "tab\there"), Holds::Cvar, "name", "tab\there" },
        { typed(&E::playerSetup, &E::playerName, "Jo;e"), Holds::LeftOut, "The player name", "Jo;e" },
        { typed(&E::playerSetup, &E::playerName, "Neo\\o/"), Holds::LeftOut, "The player name", "Neo\\o/" },
        { typed(&E::playerSetup, &E::playerName, "a \"b\""), Holds::LeftOut, "The player name", "a \"b\"" },
        { typed(&E::playerSetup, &E::playerName, ""), Holds::LeftOut, "The player name", "name " },
        { typed(&E::playerSetup, &E::playerName, n64.constData()), Holds::LeftOut, "The player name", n64 },
        { typed(&E::playerSetup, &E::skin, "dark angel"), Holds::Cvar, "skin", "female/dark angel" },
        { typed(&E::playerSetup, &E::skin, "ros\xc3\xa9"), Holds::Cvar, "skin", "female/ros\xc3\xa9" },
        { typed(&E::recordDemo, &E::demoName, "Ca$h"), Holds::Demo, "", "gamedir/demos/Ca$h.dm2" },
        { typed(&E::recordDemo, &E::demoName, "//clip"), Holds::Demo, "", "gamedir/demos///clip.dm2" },
        { typed(&E::recordDemo, &E::demoName, "a..b"), Holds::LeftOut, "The demo name", "a..b" },
        { typed(&E::extraCfg, &E::extraCfgName, "my$cfg.cfg"), Holds::Cvar, "extra", "ran" },
        { typed(&E::extraCfg, &E::extraCfgName, c64.constData()), Holds::LeftOut,
            "The extra config file name", c64 },
        { typed(&E::sensitivity, &E::sensitivityText, "3.5 "), Holds::Cvar, "sensitivity", "3.5 " },
        { [](E& s) { s.dmflags = QStringLiteral("1$x"); }, Holds::Cvar, "dmflags", "1$x" },
        { bind("F1", "say \"gg\""), Holds::LeftOut, "The command bound to F1", "say \"gg\"" },
        { bind("F1", "say \"gg\";quit"), Holds::LeftOut, "The command bound to F1", "say \"gg\";quit" },
        { bind("F1", "say a;b $x //c"), Holds::Binding, "F1", "say a;b $x //c" },
        { bind("`", "quit"), Holds::LeftOut, "The bind key", "`" },
        { bind("~", "quit"), Holds::LeftOut, "The bind key", "~" },
        { bind("F16", "quit"), Holds::LeftOut, "The bind key", "F16" },
        { bind("\"", "quit"), Holds::LeftOut, "The bind key", "bind \"\"" },
        { [](E& s) { s.selectedMap = QString::fromUtf8("caf\xc3\xa9"); }, Holds::Map, "", "caf\xc3\xa9" },
        { [](E& s) { s.selectedMap = QStringLiteral("a+b"); }, Holds::LeftOut, "The selected map", "a+b" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key.toStdString() + " " + row.value.toStdString());
        E s;
        s.model = QStringLiteral("female");
        row.set(s);
        const QByteArray script = tk::generateExecFile(s, install.paths);
        tk::GameContent content(tk::engineSearchPath(install.paths, s.executable));
        tk::console::ConsoleFiles files;
        files.read = [&](const QByteArray& file) {
            return file == "tark.cfg" ? script : tk::scriptAsTheEngineFinds(file, content);
        };
        files.exists = [&](const QByteArray& path) {
            return QFileInfo::exists(install.paths.launcherDir + '/' + QString::fromUtf8(path));
        };
        tk::console::ConsoleRun run(tk::console::CvarTable::engineDefaults(), files);
        run.run("exec tark.cfg\n");
        QStringList named;
        for (const tk::LeftOutValue& v : tk::leftOutValues(s, install.paths))
            named.append(v.what);
        EXPECT_EQ(named.contains(QString::fromUtf8(row.key)), row.holds == Holds::LeftOut);
        QByteArray got = row.value;
        if (row.holds == Holds::Cvar)
            got = run.cvars().value(row.key).value_or("(none)");
        else if (row.holds == Holds::Binding)
            got = run.bindings().value(tk::console::keyNumber(row.key));
        else if (row.holds == Holds::Demo)
            got = run.demoFiles().value(0).path;
        for (const auto& step : run.steps()) {
            if (const auto* started = std::get_if<tk::console::step::MapStarted>(&step);
                row.holds == Holds::Map)
                got = started ? started->map : got;
        }
        EXPECT_EQ(got, row.value);
        EXPECT_FALSE(row.holds == Holds::LeftOut && script.contains(row.value)) << script.toStdString();
    }
}

TEST(ExecFile, TheExtraConfigIsNamedAsItExists)
{
    Install install;
    QFile f(install.paths.launcherDir + QStringLiteral("/Extra.CFG"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ExecSettings s;
    s.extraCfg = true;
    s.extraCfgName = QStringLiteral("extra.cfg");
    EXPECT_EQ(
        block(crlfLines(tk::generateExecFile(s, install.paths)), "//Additional Exec. File", "//Key Bindings"),
        (Lines { "exec Extra.CFG", "" }));
}

TEST(ExecFile, ModBlocks)
{
    const QByteArray from = "set lagvariance 0";
    const QByteArray to = "//Map to play on";
    auto ctf = [](bool autoAssign, bool force, bool red, bool blue) {
        return [=](ExecSettings& s) {
            s.mod = tk::ModChoice::CaptureTheFlag;
            s.ctfAutoAssign = autoAssign;
            s.ctfForceTeam = force;
            s.ctfRed = red;
            s.ctfBlue = blue;
        };
    };
    auto around = [](Lines mod) { return Lines { "", "set deathmatch 1", "" } + mod + Lines { "" }; };
    runRowCases({
        { "regular deathmatch", [](ExecSettings&) {}, from, to, around({}) },
        { "no mod checked", [](ExecSettings& s) { s.mod = tk::ModChoice::None; }, from, to, around({}) },
        { "ctf auto-assign", ctf(true, false, true, false), from, to,
            around({ "set ctf 1", "", "set botctfteam 0", "" }) },
        { "ctf auto-assign ignores the pair", ctf(true, false, false, true), from, to,
            around({ "set ctf 1", "", "set botctfteam 0", "" }) },
        { "ctf forced red", ctf(false, true, true, false), from, to,
            around({ "set ctf 1", "", "set botctfteam 1", "" }) },
        { "ctf forced blue", ctf(false, true, false, true), from, to,
            around({ "set ctf 1", "", "set botctfteam 2", "" }) },
        { "ctf forced with both of the pair, as a profile may hold", ctf(false, true, true, true), from, to,
            around({ "set ctf 1", "", "set botctfteam 1", "set botctfteam 2", "" }) },
        { "ctf with neither radio button", ctf(false, false, true, false), from, to,
            around({ "set ctf 1", "", "" }) },
        { "xatrix", [](ExecSettings& s) { s.mod = tk::ModChoice::Xatrix; }, from, to,
            around({ "set xatrix 1", "" }) },
        { "rogue", [](ExecSettings& s) { s.mod = tk::ModChoice::Rogue; }, from, to,
            around({ "set rogue 1", "" }) },
        { "rocket arena with the form's defaults",
            [](ExecSettings& s) { s.mod = tk::ModChoice::RocketArena; }, from, to,
            around({ "set rocketarena 1", "", "set mstart_auto 1", "set noitems 1", "set selfdamage 0",
                "set healthprotect 1", "set armorprotect 1", "set shotgun 1", "set supershotgun 1",
                "set machinegun 1", "set chaingun 1", "set grenadelauncher 1", "set rocketlauncher 1",
                "set hyperblaster 0", "set railgun 1", "set bfg 0", "set armor 200", "set health 100",
                "set shells 100", "set bullets 200", "set slugs 50", "set grenades 50", "set rockets 50",
                "set cells 150", "" }) },
        { "rocket arena, every value changed",
            [](ExecSettings& s) {
                s.mod = tk::ModChoice::RocketArena;
                s.raOptions = { false, false, true, false, false };
                s.raWeapons = { false, false, false, false, false, false, true, false, true };
                s.raStats = { 0, -1, 1000, 1, 2, 3, 4, -250 };
            },
            from, to,
            around({ "set rocketarena 1", "", "set mstart_auto 0", "set noitems 0", "set selfdamage 1",
                "set healthprotect 0", "set armorprotect 0", "set shotgun 0", "set supershotgun 0",
                "set machinegun 0", "set chaingun 0", "set grenadelauncher 0", "set rocketlauncher 0",
                "set hyperblaster 1", "set railgun 0", "set bfg 1", "set armor 0", "set health -1",
                "set shells 1000", "set bullets 1", "set slugs 2", "set grenades 3", "set rockets 4",
                "set cells -250", "" }) },
    });
}

TEST(ExecFile, MapRow)
{
    const QByteArray from = "//Map to play on";
    const QByteArray to = "//Bot Settings";
    runRowCases({
        { "no map selected", [](ExecSettings&) {}, from, to, { "map q2dm1", "" } },
        { "selected map", [](ExecSettings& s) { s.selectedMap = QStringLiteral("q2dm5"); }, from, to,
            { "map q2dm5", "" } },
        { "selected map in UTF-8", [](ExecSettings& s) { s.selectedMap = QString::fromUtf8("caf\xc3\xa9"); },
            from, to, { "map \"caf\xc3\xa9\"", "" } },
        { "rotation checked but empty",
            [](ExecSettings& s) {
                s.rotation = true;
                s.selectedMap = QStringLiteral("q2dm5");
            },
            from, to, { "map q2dm5", "" } },
        { "rotation checked but empty, no map", [](ExecSettings& s) { s.rotation = true; }, from, to,
            { "map q2dm1", "" } },
        { "rotation unchecked",
            [](ExecSettings& s) {
                s.rotationEntries = { "q2dm1", "q2dm2" };
                s.selectedMap = QStringLiteral("base1");
            },
            from, to, { "map base1", "" } },
        { "rotation of two",
            [](ExecSettings& s) {
                s.rotation = true;
                s.rotationEntries = { "q2dm1", "q2dm2" };
                s.selectedMap = QStringLiteral("base1");
            },
            from, to, { "set sv_maplist \"q2dm1 q2dm2 \"", "map q2dm1", "" } },
        { "rotation entries are bytes as held",
            [](ExecSettings& s) {
                s.rotation = true;
                s.rotationEntries = { "m\xe9ga", "" };
            },
            from, to, { "set sv_maplist \"m\xe9ga  \"", "map \"m\xe9ga\"", "" } },
    });
}

TEST(ExecFile, BotRows)
{
    const QByteArray from = "//Bot Settings";
    const QByteArray to = "//Demo Options";
    const QByteArray alias = "alias bigwait \"wait;wait;wait;wait;wait;wait;wait;wait;wait;wait\"";
    const QByteArray bigwait
        = "bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait;bigwait";
    runRowCases({
        { "no bots: two blank lines", [](ExecSettings&) {}, from, to,
            { "set nochat 0", "", alias, bigwait, "", "" } },
        { "one bot and no chat",
            [](ExecSettings& s) {
                s.noChat = true;
                s.selectedBotLines = { "no quotes at all" };
            },
            from, to, { "set nochat 1", "", alias, bigwait, "", "no quotes at all", "wait", "" } },
    });
}

TEST(ExecFile, DemoRow)
{
    Install install;
    install.addDemo(QStringLiteral("tarkdemo.dm2"));
    install.addDemo(QStringLiteral("tarkdemo2.dm2"));
    struct Case {
        const char* name;
        bool record;
        const char* demoName;
        bool sequential;
        Lines expected;
    } cases[] = {
        { "not recording", false, "tarkdemo", true, {} },
        { "empty name", true, "", true, {} },
        { "overwrite", true, "tarkdemo", false, { "record tarkdemo" } },
        { "sequential skips taken names", true, "tarkdemo", true, { "record tarkdemo3" } },
        { "a blank needs quotes", true, "my demo", false, { "record \"my demo\"" } },
        { "a quote cannot be written", true, "my \"demo\"", false, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExecSettings s;
        s.recordDemo = c.record;
        s.demoName = QString::fromLatin1(c.demoName);
        s.sequentialDemo = c.sequential;
        const Lines lines = crlfLines(tk::generateExecFile(s, install.paths));
        EXPECT_EQ(block(lines, "//Demo Options", {}), c.expected);
    }
}

TEST(DemoName, SequentialNames)
{
    struct Case {
        const char* name;
        QStringList present;
        const char* base;
        bool sequential;
        const char* expected;
    } cases[] = {
        { "overwrite ignores existing files", { "tarkdemo.dm2" }, "tarkdemo", false, "tarkdemo" },
        { "nothing present", {}, "tarkdemo", true, "tarkdemo" },
        { "base taken gives 2, never 1", { "tarkdemo.dm2", "tarkdemo1.dm2" }, "tarkdemo", true, "tarkdemo2" },
        { "base and 2 taken", { "tarkdemo.dm2", "tarkdemo2.dm2" }, "tarkdemo", true, "tarkdemo3" },
        { "a gap stops the search", { "tarkdemo.dm2", "tarkdemo3.dm2" }, "tarkdemo", true, "tarkdemo2" },
        { "only the base is looked at first", { "tarkdemo2.dm2" }, "tarkdemo", true, "tarkdemo" },
        { "counts past nine",
            { "d.dm2", "d2.dm2", "d3.dm2", "d4.dm2", "d5.dm2", "d6.dm2", "d7.dm2", "d8.dm2", "d9.dm2",
                "d10.dm2" },
            "d", true, "d11" },
        { "other extensions do not count", { "tarkdemo.dm2.bak", "tarkdemo.DM2x" }, "tarkdemo", true,
            "tarkdemo" },
#ifndef Q_OS_WIN
        { "names are matched with their case", { "TarkDemo.dm2" }, "tarkdemo", true, "tarkdemo" },
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Install install;
        for (const QString& f : c.present)
            install.addDemo(f);
        EXPECT_EQ(tk::demoNameToUse(QString::fromLatin1(c.base), c.sequential, install.paths),
            QString::fromLatin1(c.expected));
    }
}

TEST(DemoName, AFreeNameIsFreeInTheGameDirectoryAndInTheEnginesUserFolder)
{
    QTemporaryDir home;
    const QString data = home.filePath(QStringLiteral("data"));
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    Install install;
    for (const QString& dir : { home.filePath("data/YamagiQ2/tarrakind/demos"),
             home.filePath(".local/share/YamagiQ2/tarrakind/demos"),
             install.paths.quake2Dir + "/rel/YamagiQ2/tarrakind/demos" })
        ASSERT_TRUE(QDir().mkpath(dir));
    auto touch = [&](const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    install.addDemo(QStringLiteral("d.dm2"));
    touch(home.filePath(".local/share/YamagiQ2/tarrakind/demos/d2.dm2"));
    touch(home.filePath("data/YamagiQ2/tarrakind/demos/d3.dm2"));
    touch(install.paths.quake2Dir + "/rel/YamagiQ2/tarrakind/demos/d4.dm2");

    // Without XDG_DATA_HOME the engine writes below ~/.local/share; the other folders do not count.
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(tk::demoNameToUse(QStringLiteral("d"), true, install.paths), QStringLiteral("d3"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data));
    EXPECT_EQ(tk::demoNameToUse(QStringLiteral("d"), true, install.paths), QStringLiteral("d2"));
    // A relative XDG_DATA_HOME is taken from the engine's working directory, the Quake II directory.
    qputenv("XDG_DATA_HOME", "rel");
    touch(install.paths.quake2Dir + "/rel/YamagiQ2/tarrakind/demos/d2.dm2");
    touch(install.paths.quake2Dir + "/rel/YamagiQ2/tarrakind/demos/d3.dm2");
    EXPECT_EQ(tk::demoNameToUse(QStringLiteral("d"), true, install.paths), QStringLiteral("d5"));
    // ~/.yq2, once there, is the engine's folder whatever XDG_DATA_HOME says.
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral(".yq2/tarrakind/demos")));
    touch(home.filePath(".yq2/tarrakind/demos/d2.dm2"));
    EXPECT_EQ(tk::demoNameToUse(QStringLiteral("d"), true, install.paths), QStringLiteral("d3"));

    qunsetenv("XDG_DATA_HOME");
    qputenv("HOME", oldHome);
}

TEST(DemoName, MissingDemosDirectoryMeansNoName)
{
    Install install;
    ASSERT_TRUE(QDir(install.paths.launcherDir + QStringLiteral("/demos")).removeRecursively());
    EXPECT_EQ(tk::demoNameToUse(QStringLiteral("tarkdemo"), true, install.paths), QStringLiteral("tarkdemo"));
}

TEST(WriteExecFile, WritesTarkCfgInLauncherDirectory)
{
    Install install;
    const QString path = install.paths.launcherDir + QStringLiteral("/tark.cfg");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(20000, 'x'));
    }
    tk::writeExecFile(ExecSettings {}, install.paths);
    QByteArray written;
    ASSERT_TRUE(tk::readFile(path, &written, tk::kMaxSettingsFileSize));
    EXPECT_EQ(written, golden("tark_defaults.cfg"));
    EXPECT_EQ(QDir(install.paths.launcherDir).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("tark.cfg") });
}

TEST(WriteExecFile, MissingDirectoryThrowsWithPathAndReason)
{
    Install install;
    tk::InstallPaths paths = install.paths;
    paths.launcherDir += QStringLiteral("/gone");
    const QString path = paths.launcherDir + QStringLiteral("/tark.cfg");
    try {
        tk::writeExecFile(ExecSettings {}, paths);
        FAIL() << "no error";
    } catch (const tk::UserError& e) {
        EXPECT_THAT(e.message(), IsWriteError("Cannot create file ", path));
    }
    EXPECT_FALSE(tk::directoryExists(paths.launcherDir));
}

TEST(WriteExecFile, RefusedReplaceLeavesNothingBehind)
{
    Install install;
    // A directory in the file's place cannot be replaced by a file.
    const QString path = install.paths.launcherDir + QStringLiteral("/tark.cfg");
    ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/keep")));
    EXPECT_THROW(tk::writeExecFile(ExecSettings {}, install.paths), tk::UserError);
    EXPECT_TRUE(tk::directoryExists(path + QStringLiteral("/keep")));
    EXPECT_TRUE(QDir(install.paths.launcherDir).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

} // namespace
