// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/core/botgeneration.h"
#include "bots/core/botlist.h"
#include "bots/core/botprofiles.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tk;
using Settings = BotGenerationSettings;

namespace {

const QList<ModelSkins> kWardrobe { { "cyborg", { "oni911", "ps9000" } }, { "female", { "athena" } },
    { "male", { "grunt", "viper", "night ops" } } };

QStringList someNames(int n)
{
    QStringList names;
    for (int i = 0; i < n; ++i)
        names << QStringLiteral("Name%1").arg(i);
    return names;
}

TEST(BotGeneration, PlainValues)
{
    for (const char* good : { "Grunt", "Orrin Kell", "a/b", "x-1_2.3", "~!@#%^&*()" })
        EXPECT_TRUE(isPlainBotValue(QString::fromLatin1(good))) << good;
    for (const char* bad : { "", "a\"b", "a;b", "a\\b", "$x", "a//b", "tab\there", "line\nend" })
        EXPECT_FALSE(isPlainBotValue(QString::fromLatin1(bad))) << bad;
    EXPECT_TRUE(isPlainBotValue(QString(63, 'x')));
    EXPECT_FALSE(isPlainBotValue(QString(64, 'x')));
    EXPECT_FALSE(isPlainBotValue(QString::fromUtf8("J\xC3\xB6rg")));
}

TEST(BotGeneration, NameListDropsCommentsBlanksRepeatsAndUnsafeNames)
{
    EXPECT_EQ(parseBotNameList("# heading\r\n  Ashgrin \r\n\r\nBad;Name\r\nAshgrin\nTamsin Rook\n$x"),
        QStringList({ "Ashgrin", "Tamsin Rook" }));
}

TEST(BotGeneration, ProblemsNameWhatStopsTheList)
{
    using N = Settings::Names;
    using L = Settings::Looks;
    const QStringList names = someNames(10);
    const struct {
        const char* label;
        Settings settings;
        QList<ModelSkins> wardrobe;
        bool problem;
    } cases[] = {
        { "65 bots", { .count = 65 }, kWardrobe, true },
        { "more bots than names", { .count = 11 }, kWardrobe, true },
        { "numbered beyond the names", { .count = 64, .names = N::Numbered, .prefix = "G" }, kWardrobe,
            false },
        { "no prefix", { .names = N::Numbered }, kWardrobe, true },
        { "unsafe prefix", { .names = N::Numbered, .prefix = "a;b" }, kWardrobe, true },
        { "too long at 10", { .count = 10, .names = N::Numbered, .prefix = QString(62, 'x') }, kWardrobe,
            true },
        { "no models", {}, {}, true },
        { "one model not installed", { .looks = L::OneModel, .model = "Female" }, kWardrobe, true },
        { "player's", { .looks = L::PlayerModel, .playerModel = "male", .playerSkin = "viper" }, kWardrobe,
            false },
        { "player's not installed", { .looks = L::PlayerModel, .playerModel = "male", .playerSkin = "Viper" },
            kWardrobe, true },
        { "profile 18", { .profile = 18 }, kWardrobe, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const QString problem = botGenerationProblem(c.settings, c.wardrobe, names);
        EXPECT_EQ(!problem.isEmpty(), c.problem) << problem.toStdString();
        Random random;
        EXPECT_EQ(generateBots(c.settings, c.wardrobe, names, random).isEmpty(), c.problem);
    }
}

TEST(BotGeneration, DrawsFollowTheSettingsAndTheSeed)
{
    const QStringList names = someNames(64);
    const auto generate = [&names](const Settings& s, std::uint32_t seed) {
        Random random;
        random.seed(seed);
        return generateBots(s, kWardrobe, names, random);
    };
    const QList<GeneratedBot> all = generate({ .count = 64 }, 5);
    ASSERT_EQ(all.size(), 64);
    QSet<QString> seenNames;
    QSet<QString> profiles;
    for (const GeneratedBot& bot : all) {
        seenNames.insert(bot.name);
        profiles.insert(bot.profileName);
        EXPECT_EQ(profileNameForFile(bot.profileFile), bot.profileName);
    }
    EXPECT_EQ(seenNames.size(), 64); // every name once
    EXPECT_GT(profiles.size(), 5);
    // The same seed, the same list; one bot less keeps the others.
    EXPECT_EQ(botListContents(generate({ .count = 64 }, 5)), botListContents(all));
    EXPECT_NE(botListContents(generate({ .count = 64 }, 6)), botListContents(all));
    EXPECT_EQ(generate({ .count = 63 }, 5), all.first(63));

    Settings s { .count = 2, .names = Settings::Names::Numbered, .prefix = "Grunt" };
    s.looks = Settings::Looks::OneModel;
    s.model = "female";
    s.profile = 13;
    const QList<GeneratedBot> two = generate(s, 5);
    ASSERT_EQ(two.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(two[i].line,
            composeBotLine(
                QStringLiteral("Grunt%1").arg(i + 1), "female", "athena", "bots/sparta_c.c", "spartacus"));
    }
    EXPECT_EQ(botListContents(two), two[0].line + "\r\n" + two[1].line + "\r\n");
}

TEST(BotGeneration, NewFileNames)
{
    QTemporaryDir dir;
    for (const char* file : { "bots.cfg", "BOTS2.CFG", "bots3.cfg" }) {
        QFile f(dir.filePath(QLatin1String(file)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QDir(dir.path()).mkdir(QStringLiteral("bots4.cfg"));
    EXPECT_EQ(freeBotListName(dir.path()), QStringLiteral("bots5.cfg"));
    QFile::link(QStringLiteral("/etc/hostname"), dir.filePath(QStringLiteral("out.cfg")));
    for (const char* fine : { "new.cfg", "New List.CFG", "bots.cfg" })
        EXPECT_EQ(newBotListNameProblem(QLatin1String(fine), dir.path()), QString()) << fine;
    for (const char* refused : { "", "TARK.CFG", "new", "a/new.cfg", "out.cfg" })
        EXPECT_NE(newBotListNameProblem(QLatin1String(refused), dir.path()), QString()) << refused;
}

} // namespace
