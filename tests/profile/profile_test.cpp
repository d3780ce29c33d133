// SPDX-License-Identifier: GPL-2.0-or-later
// The profile as a value: read from an INI document with the load steps, written back by
// the one key table; where a load stops and what it tells.
#include "app/core/fileutil.h"
#include "app/core/installpaths.h"
#include "profile/core/inifile.h"
#include "profile/core/profile.h"
#include "profile/core/profilekeys.h"
#include "profile/core/profileread.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A launcher directory with three bots and two maps, below a Quake2 directory whose male
// model has a skin the decoder rejects.
struct Install {
    QTemporaryDir root;
    tk::InstallPaths paths;
    tk::ToldOnce told;

    Install()
    {
        const QString dir = root.filePath(QStringLiteral("quake2/TARRAKIND"));
        QDir().mkpath(dir);
        QDir().mkpath(root.filePath(QStringLiteral("quake2/baseq2/players/male")));
        paths = tk::InstallPaths::fromLauncherDir(dir, false);
        write(QStringLiteral("mybots.cfg"),
            "\"sv\" \"addbot\" \"Alpha\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n"
            "\"sv\" \"addbot\" \"Beta\" \"female/athena\" \"bots/bill_c.c\" \"bill\"\r\n"
            "\"sv\" \"addbot\" \"Gamma\" \"male/viper\" \"bots/zero_c.c\" \"zero\"\r\n");
        write(QStringLiteral("q2dm1.aas"), "aas");
        write(QStringLiteral("q2dm2.aas"), "aas");
        write(QStringLiteral("../baseq2/players/male/broken.pcx"), "no picture");
    }
    void write(const QString& name, const QByteArray& data) const
    {
        QFile f(paths.inLauncherDir(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    tk::ProfileRead read(const QByteArray& profile, tk::Profile base = {})
    {
        return tk::readProfile(
            tk::IniFile(profile), paths.inLauncherDir(QStringLiteral("p.tsf")), paths, std::move(base), told);
    }
};

QByteArray written(const tk::Profile& profile, QByteArray over = {})
{
    tk::IniFile ini(std::move(over));
    tk::writeProfile(profile, ini);
    return ini.contents();
}

TEST(ProfileValue, TheFullProfileReadsAndWritesBackByteForByte)
{
    Install install;
    QByteArray golden;
    ASSERT_TRUE(tk::readFile(
        QStringLiteral(TARRAKIND_TEST_GOLDEN "/profile_everything.tsf"), &golden, tk::kMaxSettingsFileSize));
    const tk::ProfileRead read = install.read(golden);
    EXPECT_TRUE(read.complete()) << read.error.toStdString();
    EXPECT_EQ(read.messages, QStringList());
    EXPECT_EQ(written(read.profile), golden);
    // Rewriting a file the profile came from changes none of its bytes.
    EXPECT_EQ(written(read.profile, golden), golden);

    const tk::ExecSettings s = read.profile.execSettings();
    EXPECT_EQ(s.mod, tk::ModChoice::RocketArena);
    EXPECT_EQ(s.selectedMap, QStringLiteral("q2dm2"));
    EXPECT_EQ(s.selectedBotLines.size(), 2);
    EXPECT_EQ(s.additionalCommands, "set sv_gravity 600\necho \"hello\"");
    EXPECT_FALSE(read.profile.prefs.checkMatch);
}

// A missing key reads as the table's default, and a new window's values are those
// defaults except on the Player tab, whose fields stay empty until a profile is loaded.
TEST(ProfileValue, MissingKeysReadAsTheTableDefaults)
{
    Install install;
    const tk::ProfileRead read = install.read({});
    ASSERT_TRUE(read.complete());
    const tk::IniFile ini(written(read.profile));
    const tk::IniFile fresh(written(tk::Profile {}));
    QStringList differing;
    for (const tk::ProfileKey& key : tk::profileKeys()) {
        const QString name = key.section + '/' + key.key;
        const QString value = ini.readString(key.section, key.key, QStringLiteral("(not written)"));
        if (value != key.defaultValue)
            differing.append(name + '=' + value);
        if (fresh.readString(key.section, key.key, QStringLiteral("(not written)")) != value)
            differing.append(name + " of a new window");
    }
    EXPECT_EQ(differing,
        (QStringList { "SelectedBots/Count=(not written)", "MapControl/Selected=(not written)",
            "Player/Name of a new window", "Player/Model of a new window", "Player/Skin of a new window",
            "Player/Hand of a new window", "Player/Crosshair of a new window", "Player/FPS of a new window",
            "Player/Sens of a new window", "Launcher/Language=(not written)" }));
}

// The desktop's language is no setting of a profile: a profile gains the key only when a
// language of its own is chosen, and one that has the key keeps it.
TEST(ProfileValue, TheLanguageIsWrittenOnlyWhenOneIsChosen)
{
    const struct {
        const char* before;
        const char* language;
        std::optional<QString> written;
    } cases[] = {
        { "", "", std::nullopt },
        { "", "de", QStringLiteral("de") },
        { "[Launcher]\r\nLanguage=de\r\n", "", QString() },
        { "[Launcher]\r\nLanguage=de\r\n", "en", QStringLiteral("en") },
    };
    for (const auto& c : cases) {
        tk::Profile profile;
        profile.prefs.language = QString::fromLatin1(c.language);
        const tk::IniFile ini(written(profile, c.before));
        EXPECT_EQ(ini.readOptionalString(QStringLiteral("Launcher"), QStringLiteral("Language")), c.written)
            << c.before << " with " << c.language;
    }
    Install install;
    EXPECT_EQ(install.read("[Launcher]\r\nLanguage= de \r\n").profile.prefs.language, "de");
}

TEST(ProfileValue, ValuesFollowTheirControlsRules)
{
    Install install;
    struct Case {
        const char* profile;
        std::function<void(const tk::Profile&)> check;
    } cases[] = {
        { "[ServerOptions]\r\nFragLimit=0\r\nTimeLimit=5000\r\nCaptureLimit=-1\r\n[RA]\r\nl1=5000\r\nl2=-"
          "3\r\n",
            [](const tk::Profile& p) {
                EXPECT_EQ(p.exec.fraglimit, 1);
                EXPECT_EQ(p.exec.timelimit, 999);
                EXPECT_EQ(p.exec.capturelimit, 0);
                EXPECT_EQ(p.exec.raStats[0], 5000); // no range
                EXPECT_EQ(p.exec.raStats[1], -3);
            } },
        { "[GameMod]\r\nDM=1\r\nRA=1\r\n[CTF]\r\nt1=1\r\nt2=1\r\nt3=1\r\nt4=1\r\n",
            [](const tk::Profile& p) {
                EXPECT_EQ(p.exec.mod, tk::ModChoice::RocketArena);
                EXPECT_FALSE(p.exec.ctfAutoAssign);
                EXPECT_TRUE(p.exec.ctfForceTeam);
                EXPECT_TRUE(p.exec.ctfBlue);
                EXPECT_FALSE(p.exec.ctfRed);
            } },
        { "[GameMod]\r\nDM=0\r\n[Demo]\r\nOverwrite=0\r\n[CTF]\r\nt1=0\r\n",
            [](const tk::Profile& p) {
                EXPECT_EQ(p.exec.mod, tk::ModChoice::None);
                EXPECT_FALSE(p.demoOverwrite);
                EXPECT_FALSE(p.exec.sequentialDemo);
                EXPECT_FALSE(p.exec.ctfAutoAssign);
                EXPECT_FALSE(p.exec.ctfForceTeam);
            } },
        // A flag total whose boxes add up to another number shows their sum.
        { "[ServerOptions]\r\nDMFlags=65536\r\n[Player]\r\nSens=\r\n",
            [](const tk::Profile& p) {
                EXPECT_EQ(p.exec.dmflags, "65535");
                EXPECT_EQ(tk::totalFromBoxes(p.flagBoxes), 65535);
                EXPECT_EQ(p.exec.sensitivityText, "0");
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile);
        const tk::ProfileRead read = install.read(c.profile);
        EXPECT_TRUE(read.complete()) << read.error.toStdString();
        c.check(read.profile);
        // What was read is what is written: a load and a save give the same value again.
        EXPECT_EQ(written(install.read(written(read.profile)).profile), written(read.profile));
    }
}

// A value that does not convert, or a file that cannot be read, stops the load: what came
// before stays read, everything after keeps the value it had.
TEST(ProfileValue, ALoadStopsWhereAValueOrAFileFails)
{
    Install install;
    // A rotation file too large to be read, and a directory, which is no rotation file at all.
    QFile large(install.paths.inLauncherDir(QStringLiteral("large.lst")));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(tk::kMaxSettingsFileSize + 1));
    QDir(install.paths.launcherDir).mkdir(QStringLiteral("dir.lst"));
    struct Case {
        const char* profile;
        tk::LoadStep step;
        const char* error;
        bool fragLimitRead; // from before every step that may stop
        bool lagRead; // from after all of them
    } cases[] = {
        { "[ServerOptions]\r\nFragLimit=42\r\nDMFlags=12x\r\nMinPlayers=1\r\n", tk::LoadStep::FlagTotal,
            "'12x' is not a valid integer value", true, false },
        { "[ServerOptions]\r\nFragLimit=42\r\n[Player]\r\nSens=fast\r\n", tk::LoadStep::Sensitivity,
            "'fast' is not a valid floating point value", true, false },
        { "[ServerOptions]\r\nFragLimit=42\r\n[Player]\r\nModel=male\r\nSkin=broken\r\n",
            tk::LoadStep::SkinPreview, "unrecognized PCX", true, false },
        { "[MapControl]\r\nRotationFile=large.lst\r\n[ServerOptions]\r\nFragLimit=42\r\n",
            tk::LoadStep::RotationList, "Cannot open file", false, false },
        { "[MapControl]\r\nRotationFile=dir.lst\r\n[ServerOptions]\r\nFragLimit=42\r\n", tk::LoadStep::Done,
            "", true, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile);
        tk::Profile base;
        base.exec.lag = true;
        base.exec.minPlayers = false;
        const QByteArray profile = QByteArray(c.profile) + "[Player]\r\nLagEnabled=0\r\n";
        const tk::ProfileRead read = install.read(profile, base);
        EXPECT_EQ(read.stoppedAt, c.step);
        EXPECT_EQ(read.error.left(int(qstrlen(c.error))), QLatin1String(c.error));
        EXPECT_EQ(read.error.isEmpty(), !*c.error);
        EXPECT_EQ(read.profile.exec.fraglimit == 42, c.fragLimitRead);
        EXPECT_EQ(read.profile.exec.lag, !c.lagRead);
        EXPECT_FALSE(read.profile.exec.minPlayers);
        EXPECT_EQ(read.quickLoad.has_value(), c.step == tk::LoadStep::Done);
        EXPECT_EQ(read.catalogue.has_value(), read.ran(tk::LoadStep::Catalogue));
    }
}

// Names that lead out of the launcher directory are not used, and each is told once.
TEST(ProfileValue, RefusedNamesTakeTheirDefaultsAndAreToldOnce)
{
    Install install;
    const QByteArray profile
        = "[BotDataFile]\r\nFileName=../../bots.cfg\r\n[MapControl]\r\nRotationFile=/etc/"
          "passwd\r\n[Quake2 Setup]\r\nEXE=../../../bin/sh\r\n";
    const tk::ProfileRead first = install.read(profile);
    ASSERT_TRUE(first.complete());
    // The bot list file's name is its file name part: "bots.cfg", which is missing.
    EXPECT_EQ(first.messages,
        (QStringList { "Error: Could not locate file bots.cfg",
            "p.tsf names \"/etc/passwd\" as [MapControl] RotationFile, which is not used: it holds a "
            "directory part. The setting is taken as missing.",
            "p.tsf names \"../../../bin/sh\" as [Quake2 Setup] EXE, which is not used: it leads out of its "
            "directory through \"..\". The setting is taken as missing." }));
    EXPECT_EQ(first.profile.rotationFile, "maps.lst");
    EXPECT_EQ(first.profile.exec.executable, tk::defaultExecutableName());
    EXPECT_EQ(install.read(profile).messages, QStringList { "Error: Could not locate file bots.cfg" });
}

} // namespace
