// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/gamecontent.h"
#include "support/files.h"
#include "support/gamefiles.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// An installation with maps in every kind of place: loose in baseq2, in baseq2's pak0,
// in a deflated archive of the game directory and loose in the user folder.
class GameContentTest : public testing::Test {
protected:
    QTemporaryDir root;
    QByteArray oldHome = qgetenv("HOME");
    tk::InstallPaths paths;

    void SetUp() override
    {
        qputenv("HOME", QFile::encodeName(at("home")));
        qunsetenv("XDG_DATA_HOME");
        put("quake2/baseq2/pak0.pak",
            gamefiles::pak({ { "maps/q2dm1.bsp", gamefiles::map("The Edge") },
                { "maps/Q2DM2.BSP", gamefiles::map("Tokay's Towers") },
                { "maps/q2dm1.bsp", gamefiles::map("Twin") },
                { "maps/broken.bsp", gamefiles::map("Broken").left(120) } }));
        put("quake2/baseq2/maps/loose.bsp", gamefiles::map("Loose"));
        put("quake2/TARRAKIND/maps.pk3",
            gamefiles::zip({ { "maps/q2dm1.bsp", gamefiles::map("Our Edge") },
                               { "maps/zipped.bsp", gamefiles::map("Zipped") } },
                true));
        put("quake2/TARRAKIND/stored.zip",
            gamefiles::zip({ { "maps/stored.bsp", gamefiles::map("Stored") } }));
        put("home/.local/share/YamagiQ2/TARRAKIND/maps/q2dm3.bsp", gamefiles::map("The Frag Pipe"));
        paths = tk::InstallPaths::fromLauncherDir(at("quake2/TARRAKIND"), false);
    }
    void TearDown() override { qputenv("HOME", oldHome); }

    QString at(const QString& relative) const { return root.path() + '/' + relative; }
    void put(const QString& relative, const QByteArray& data)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(at(relative)).absolutePath()));
        writeAll(at(relative), data);
    }
    tk::GameContent content() const
    {
        return tk::GameContent(tk::engineSearchPath(paths, QStringLiteral("quake2")));
    }
    // Where a file is found, below the temporary folder.
    QString found(tk::GameContent& c, const QByteArray& name) const
    {
        const std::optional<tk::GameFile> f = c.find(name);
        return f ? c.describe(*f).remove(QDir(root.path()).canonicalPath() + '/') : QStringLiteral("none");
    }
};

TEST_F(GameContentTest, TheFirstPlaceThatHoldsANameWinsAsTheEngineComparesNames)
{
    tk::GameContent c = content();
    const struct {
        QByteArray name;
        const char* where;
    } cases[] = {
        { "maps/q2dm1.bsp", "maps/q2dm1.bsp inside quake2/TARRAKIND/maps.pk3" }, // the game before baseq2
        { "maps/q2dm2.bsp", "maps/Q2DM2.BSP inside quake2/baseq2/pak0.pak" }, // any case in an archive
        { "MAPS/LOOSE.BSP", "quake2/baseq2/maps/loose.bsp" }, // a loose file lower-cased
        { "maps/Loose.bsp", "quake2/baseq2/maps/loose.bsp" },
        { "maps/q2dm3.bsp", "home/.local/share/YamagiQ2/TARRAKIND/maps/q2dm3.bsp" },
        { "maps/stored.bsp", "maps/stored.bsp inside quake2/TARRAKIND/stored.zip" },
        { "maps/none.bsp", "none" },
        { "../baseq2/maps/loose.bsp", "none" }, // no name climbs out of the places searched
        { "maps/../maps/loose.bsp", "none" },
        { "/maps/loose.bsp", "none" },
        { "", "none" },
    };
    for (const auto& c2 : cases)
        EXPECT_EQ(found(c, c2.name), QLatin1String(c2.where)) << c2.name.toStdString();

    // A loose file named in capitals is found as named only.
    put("quake2/baseq2/maps/Upper.bsp", gamefiles::map("Upper"));
    tk::GameContent fresh = content();
    EXPECT_EQ(found(fresh, "maps/Upper.bsp"), "quake2/baseq2/maps/Upper.bsp");
    EXPECT_EQ(found(fresh, "maps/upper.bsp"), "none");
}

TEST_F(GameContentTest, MapsShowTheTitleOfTheFileTheEngineLoads)
{
    tk::GameContent c = content();
    const struct {
        const char* map;
        std::optional<QString> title;
    } cases[] = {
        { "q2dm1", QStringLiteral("Our Edge") }, // deflated, and found before pak0's
        { "q2dm2", QStringLiteral("Tokay's Towers") },
        { "q2dm3", QStringLiteral("The Frag Pipe") },
        { "loose", QStringLiteral("Loose") },
        { "zipped", QStringLiteral("Zipped") },
        { "stored", QStringLiteral("Stored") },
        { "broken", std::nullopt }, // a damaged map has no title
        { "none", std::nullopt },
    };
    for (const auto& m : cases)
        EXPECT_EQ(tk::ownMapTitle(c, QLatin1String(m.map)), m.title) << m.map;
    EXPECT_TRUE(c.holdsMaps());
    EXPECT_TRUE(c.archivesTheEngineStopsAt().isEmpty());
}

TEST_F(GameContentTest, DamagedArchivesGiveNoTitleAndThoseTheEngineRefusesAreNamed)
{
    QByteArray zip = gamefiles::zip({ { "maps/bad.bsp", gamefiles::map("Bad") } }, true);
    for (int i = 50; i < 60; ++i)
        zip[i] = char(0xFF); // inside the deflated data
    put("quake2/TARRAKIND/bad.pk3", zip);
    put("quake2/TARRAKIND/empty.zip", gamefiles::zip({}));
    put("quake2/TARRAKIND/junk.zip", "not an archive"); // the engine passes over it
    put("quake2/baseq2/pak1.pak", "JUNK and more");
    QByteArray far = gamefiles::pak({ { "maps/far.bsp", gamefiles::map("Far") } });
    qToLittleEndian(quint32(0x10000000), far.data() + far.size() - 8); // its data past the end
    put("quake2/baseq2/pak2.pak", far);

    tk::GameContent c = content();
    EXPECT_EQ(tk::ownMapTitle(c, QStringLiteral("bad")), std::nullopt);
    EXPECT_EQ(tk::ownMapTitle(c, QStringLiteral("far")), std::nullopt);
    EXPECT_EQ(tk::ownMapTitle(c, QStringLiteral("q2dm2")), QStringLiteral("Tokay's Towers"));
    const QStringList stops = c.archivesTheEngineStopsAt();
    ASSERT_EQ(stops.size(), 2);
    EXPECT_TRUE(stops[0].startsWith(at("quake2/TARRAKIND/empty.zip"))) << stops[0].toStdString();
    EXPECT_TRUE(stops[1].startsWith(at("quake2/baseq2/pak1.pak"))) << stops[1].toStdString();

    // Without any map the launcher cannot see the game's data.
    QDir(at("quake2")).removeRecursively();
    QDir(at("home")).removeRecursively();
    EXPECT_FALSE(content().holdsMaps());
}

TEST_F(GameContentTest, ReadsAreBoundedByTheFile)
{
    tk::GameContent c = content();
    for (const QByteArray& name : { QByteArray("maps/q2dm2.bsp"), QByteArray("maps/zipped.bsp"),
             QByteArray("maps/stored.bsp"), QByteArray("maps/loose.bsp") }) {
        SCOPED_TRACE(name.toStdString());
        const std::optional<tk::GameFile> f = c.find(name);
        ASSERT_TRUE(f);
        const qint64 size = c.size(*f);
        ASSERT_GT(size, 160);
        EXPECT_EQ(c.read(*f, 0, 4), QByteArray("IBSP"));
        EXPECT_EQ(c.read(*f, size - 3, 100), QByteArray("\n}\n")) << "cut at the end";
        EXPECT_EQ(c.read(*f, size + 10, 5), QByteArray());
        EXPECT_EQ(c.read(*f, -1, 5), std::nullopt);
    }
}

} // namespace
