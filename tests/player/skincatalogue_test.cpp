// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/usererror.h"
#include "player/core/skincatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SkinCatalogue : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString quake2() const { return m_dir.path(); }
    QString players() const { return m_dir.path() + QStringLiteral("/baseq2/players"); }

    void makeDir(const QString& relative) { ASSERT_TRUE(QDir().mkpath(players() + '/' + relative)); }

    void makeFile(const QString& relative, const QByteArray& content = "x")
    {
        QFile file(players() + '/' + relative);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
        file.write(content);
    }

private:
    QTemporaryDir m_dir;
};

QByteArray testdata(const char* name)
{
    QFile file(QStringLiteral(TARRAKIND_TEST_DATA "/pcx/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(SkinCatalogue, NoPlayersDirectoryIsDistinctFromNoModels)
{
    EXPECT_FALSE(tk::listModels(quake2()).has_value());
    makeDir(QString());
    EXPECT_EQ(tk::listModels(quake2()), QStringList());
}

TEST_F(SkinCatalogue, ModelsAreTheVisibleSubdirectoriesInCaseInsensitiveOrder)
{
    makeDir(QStringLiteral("male"));
    makeDir(QStringLiteral("female"));
    makeDir(QStringLiteral("Cyborg"));
    makeDir(QStringLiteral(".hidden"));
    makeFile(QStringLiteral("readme.txt"));
    EXPECT_EQ(tk::listModels(quake2()), QStringList({ "Cyborg", "female", "male" }));
}

TEST_F(SkinCatalogue, SkinsAreTheUsablePcxFilesOfTheModel)
{
    makeDir(QStringLiteral("male"));
    for (const char* name : { "grunt.pcx", "grunt_i.pcx", "weapon.pcx", "Viper.PCX", "skin.txt" })
        makeFile(QStringLiteral("male/") + QLatin1String(name));
    EXPECT_EQ(tk::listSkins(quake2(), QStringLiteral("male")), QStringList({ "grunt", "Viper" }));
}

TEST_F(SkinCatalogue, SkinListEdgeCases)
{
    makeDir(QStringLiteral("m"));
    makeDir(QStringLiteral("m/folder.pcx"));
    for (const char* name : { "a.pcx", "a-b.pcx", "Grunt_I.PCX", "WEAPON.pcx", "weapons.pcx", ".hidden.pcx",
             "x.pcx.bak", "b.pcxx" })
        makeFile(QStringLiteral("m/") + QLatin1String(name));
    // Ordered by file name: "a-b.pcx" comes before "a.pcx" although "a" is the shorter skin name.
    EXPECT_EQ(tk::listSkins(quake2(), QStringLiteral("m")), QStringList({ "a-b", "a", "weapons" }));
}

TEST_F(SkinCatalogue, SkinsOfAModelWithoutDirectoryAreEmpty)
{
    makeDir(QStringLiteral("Cyborg"));
    makeFile(QStringLiteral("Cyborg/oni911.pcx"));
    for (const char* typed : { "", "C", "Cyb", "Cyborg2", "cyborg" })
        EXPECT_EQ(tk::listSkins(quake2(), QLatin1String(typed)), QStringList()) << typed;
    EXPECT_EQ(tk::listSkins(quake2(), QStringLiteral("Cyborg")), QStringList({ "oni911" }));
}

TEST(UsableSkinName, ExcludesIconsAndTheWeaponTexture)
{
    struct Case {
        const char* fileName;
        const char* skin; // nullptr: excluded
    };
    const Case cases[] = {
        { "grunt.pcx", "grunt" },
        { "Viper.PCX", "Viper" },
        { "grunt_i.pcx", nullptr },
        { "Grunt_I.PCX", nullptr },
        { "_i.pcx", nullptr },
        { "weapon_i.pcx", nullptr },
        { "WEAPON.pcx", nullptr },
        { "weapon.pcx", nullptr },
        { "weapons.pcx", "weapons" },
        { "weapon2.pcx", "weapon2" },
        { "i.pcx", "i" },
        { "a.pcx", "a" },
        { "x_ix.pcx", "x_ix" },
        { "grunt_i2.pcx", "grunt_i2" },
        { ".pcx", nullptr },
    };
    for (const Case& c : cases) {
        const std::optional<QString> skin = tk::usableSkinName(QLatin1String(c.fileName));
        if (c.skin) {
            EXPECT_EQ(skin, std::optional<QString>(QLatin1String(c.skin))) << c.fileName;
        } else {
            EXPECT_FALSE(skin.has_value()) << c.fileName;
        }
    }
}

TEST(SkinImagePath, JoinsPlayersDirectoryModelAndSkin)
{
    EXPECT_EQ(
        tk::skinImagePath(QStringLiteral("/games/quake2"), QStringLiteral("male"), QStringLiteral("grunt")),
        QStringLiteral("/games/quake2/baseq2/players/male/grunt.pcx"));
    EXPECT_EQ(tk::playersDirectory(QStringLiteral("/q2")), QStringLiteral("/q2/baseq2/players"));
}

TEST_F(SkinCatalogue, SkinImageIsDecodedWhenItsFileExists)
{
    makeDir(QStringLiteral("male"));
    makeFile(QStringLiteral("male/grunt.pcx"), testdata("skin256_pil.pcx"));
    makeFile(QStringLiteral("male/Viper.PCX"), testdata("skin256_pil.pcx"));
    makeFile(QStringLiteral("male/broken.pcx"), testdata("bad_manuf11.pcx"));

    const std::optional<QImage> grunt
        = tk::loadSkinImage(quake2(), QStringLiteral("male"), QStringLiteral("grunt"));
    ASSERT_TRUE(grunt.has_value());
    EXPECT_EQ(grunt->size(), QSize(256, 128));

    // A skin listed from "Viper.PCX" is shown from that file; the skin name itself
    // still has to match exactly.
    EXPECT_TRUE(tk::loadSkinImage(quake2(), QStringLiteral("male"), QStringLiteral("Viper")).has_value());
    EXPECT_EQ(tk::existingSkinImagePath(quake2(), QStringLiteral("male"), QStringLiteral("Viper")),
        quake2() + QStringLiteral("/baseq2/players/male/Viper.PCX"));
    EXPECT_FALSE(tk::loadSkinImage(quake2(), QStringLiteral("male"), QStringLiteral("viper")).has_value());
    EXPECT_FALSE(tk::loadSkinImage(quake2(), QStringLiteral("male"), QStringLiteral("none")).has_value());
    EXPECT_FALSE(tk::loadSkinImage(quake2(), QStringLiteral("female"), QStringLiteral("grunt")).has_value());

    try {
        tk::loadSkinImage(quake2(), QStringLiteral("male"), QStringLiteral("broken"));
        ADD_FAILURE() << "a rejected skin image gave no error";
    } catch (const tk::UserError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("unrecognized PCX"));
    }
}

} // namespace
