// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/gamecontent.h"
#include "support/files.h"
#include "support/gamefiles.h"
#include "support/printers.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

using Kind = tk::SearchPathEntry::Kind;

// A home and a Quake II directory with the game directory TARRAKIND in one temporary
// folder; paths in expectations are below it. HOME and XDG_DATA_HOME are put back after.
class Engine : public testing::Test {
protected:
    QTemporaryDir root;
    QByteArray oldHome = qgetenv("HOME");
    tk::InstallPaths paths;

    void SetUp() override
    {
        put("quake2/TARRAKIND/tark.cfg");
        qputenv("HOME", QFile::encodeName(at("home")));
        qunsetenv("XDG_DATA_HOME");
        paths = tk::InstallPaths::fromLauncherDir(at("quake2/TARRAKIND"), false);
    }
    void TearDown() override
    {
        qputenv("HOME", oldHome);
        qunsetenv("XDG_DATA_HOME");
    }
    QString at(const QString& relative) const { return QDir(root.path()).canonicalPath() + '/' + relative; }
    void put(const QString& relative, const QByteArray& data = "x")
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(at(relative)).absolutePath()));
        writeAll(at(relative), data);
    }
    QString below(QString path) const { return path.remove(at(QString())); }
    QStringList searchPath(const QString& executable = QStringLiteral("quake2"))
    {
        QStringList out;
        for (const tk::SearchPathEntry& e : tk::engineSearchPath(paths, executable))
            out.append(QStringList { "dir ", "pak ", "zip " }[int(e.kind)] + below(e.path));
        return out;
    }
};

TEST_F(Engine, TheUserFolderIsTheOneTheEngineChooses)
{
    const struct {
        const char* yq2; // what ~/.yq2 is: "", "dir" or "file"
        std::optional<QByteArray> xdg; // "ABS/" stands for the temporary folder
        const char* folder; // empty for none
    } cases[] = {
        { "", std::nullopt, "home/.local/share/YamagiQ2" },
        { "", "ABS/data", "data/YamagiQ2" },
        { "", "rel/data", "quake2/rel/data/YamagiQ2" }, // from the engine's working directory
        { "", "", "home/.local/share/YamagiQ2" },
        { "dir", "ABS/data", "home/.yq2" }, // XDG_DATA_HOME is then not looked at
        { "dir", std::nullopt, "home/.yq2" },
        { "file", std::nullopt, "home/.local/share/YamagiQ2" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.yq2) + " " + c.xdg.value_or("unset").toStdString());
        QDir(at("home")).removeRecursively();
        if (*c.yq2)
            put(QStringLiteral("home/.yq2") + (QByteArrayView(c.yq2) == "dir" ? "/x" : ""));
        if (c.xdg)
            qputenv("XDG_DATA_HOME", QByteArray(*c.xdg).replace("ABS/", QFile::encodeName(at(QString()))));
        else
            qunsetenv("XDG_DATA_HOME");
        const QString folder = tk::engineUserFolder(paths.quake2Dir);
        EXPECT_EQ(below(folder), QLatin1String(c.folder));
        EXPECT_EQ(tk::demoDirectories(paths.quake2Dir, paths.gameDirName),
            (QStringList { paths.launcherDir + "/demos", folder + "/TARRAKIND/demos" }));
    }
    EXPECT_EQ(tk::engineUserFolder(paths.quake2Dir, true), QString()) << "-portable";
    qunsetenv("HOME");
    EXPECT_EQ(tk::demoDirectories(paths.quake2Dir, paths.gameDirName),
        QStringList { paths.launcherDir + "/demos" });
}

TEST_F(Engine, GameDirectoriesOfEveryRootComeBeforeTheBaseGameAndArchivesBeforeLooseFiles)
{
    put("home/.yq2/TARRAKIND/mine.pk3");
    put("quake2/TARRAKIND/aasmaps.zip");
    put("quake2/baseq2/pak0.pak");
    put("bin/yquake2");
    EXPECT_EQ(searchPath(),
        (QStringList { "zip home/.yq2/TARRAKIND/mine.pk3", "dir home/.yq2/TARRAKIND",
            "zip quake2/TARRAKIND/aasmaps.zip", "dir quake2/TARRAKIND", "dir home/.yq2/baseq2",
            "pak quake2/baseq2/pak0.pak", "dir quake2/baseq2" }));
    // Started through a link, its binary's directory is a root between the two.
    ASSERT_TRUE(QFile::link(at("bin/yquake2"), at("quake2/quake2")));
    EXPECT_EQ(tk::engineRoots(paths, "quake2"), (QStringList { at("home/.yq2"), at("bin"), at("quake2") }));
    EXPECT_EQ(tk::engineRoots(paths, "quake2", true), (QStringList { at("bin"), at("quake2") }));
    paths = tk::InstallPaths::fromLauncherDir(at("quake2/baseq2"), false);
    EXPECT_EQ(searchPath("none"),
        (QStringList { "dir home/.yq2/baseq2", "pak quake2/baseq2/pak0.pak", "dir quake2/baseq2" }));

    for (const char* name :
        { "pak1.pak", "pak10.pak", "pak99.pak", "pak100.pak", "pakmaps.pak", "maps.pak", "MAPS.PAK", "b.pk3",
            "a.pk3", "c.pk2", "d.pkz", "e.zip", "pak0.pk3", "pak2.zip", "notes.txt", ".hidden.pak" })
        put(QStringLiteral("quake2/baseq2/") + QLatin1String(name));
    ASSERT_TRUE(QDir().mkpath(at("quake2/baseq2/folder.pak")));
    QStringList names;
    for (const tk::SearchPathEntry& e : tk::engineArchives(at("quake2/baseq2")))
        names.append(QFileInfo(e.path).fileName() + (e.kind == Kind::Pak ? "" : " (zip)"));
    EXPECT_EQ(names,
        (QStringList { "e.zip (zip)", "d.pkz (zip)", "a.pk3 (zip)", "b.pk3 (zip)", "c.pk2 (zip)",
            ".hidden.pak", "maps.pak", "pak2.zip (zip)", "pak0.pk3 (zip)", "pak99.pak", "pak10.pak",
            "pak1.pak", "pak0.pak" }));
}

TEST_F(Engine, FilesAreFoundWhereTheEngineFindsThemWithTheirMapsTitles)
{
    put("quake2/baseq2/pak0.pak",
        gamefiles::pak({ { "maps/q2dm1.bsp", gamefiles::map("The Edge") },
            { "maps/Q2DM2.BSP", gamefiles::map("Tokay's") }, { "maps/q2dm2.bsp", gamefiles::map("Second") },
            { "maps/cut.bsp", gamefiles::map("Cut").left(120) } }));
    put("quake2/baseq2/maps/loose.bsp", gamefiles::map("Loose"));
    put("quake2/baseq2/maps/Upper.bsp", gamefiles::map("Upper"));
    put("quake2/TARRAKIND/maps.pk3",
        gamefiles::zip({ { "maps/q2dm1.bsp", gamefiles::map("Our Edge") } }, true));
    put("quake2/TARRAKIND/stored.zip", gamefiles::zip({ { "maps/stored.bsp", gamefiles::map("Stored") } }));
    put("home/.local/share/YamagiQ2/TARRAKIND/maps/q2dm3.bsp", gamefiles::map("The Frag Pipe"));
    QByteArray bad = gamefiles::zip({ { "maps/bad.bsp", gamefiles::map("Bad") } }, true);
    bad.replace(50, 10, QByteArray(10, '\xff')); // inside the deflated data
    put("quake2/TARRAKIND/bad.pk3", bad);
    put("quake2/TARRAKIND/empty.zip", gamefiles::zip({}));
    put("quake2/TARRAKIND/junk.zip", "the engine passes over what it cannot open");
    put("quake2/baseq2/pak1.pak", "JUNK");

    tk::GameContent content(tk::engineSearchPath(paths, "quake2"));
    const struct {
        QByteArray name;
        const char* where; // below the temporary folder; empty when not found
        std::optional<QString> title;
    } cases[] = {
        { "maps/q2dm1.bsp", "maps/q2dm1.bsp inside quake2/TARRAKIND/maps.pk3", "Our Edge" }, // the game first
        { "maps/q2dm2.bsp", "maps/Q2DM2.BSP inside quake2/baseq2/pak0.pak",
            "Tokay's" }, // any case, the first
        { "MAPS/LOOSE.BSP", "quake2/baseq2/maps/loose.bsp", "Loose" }, // a loose file as named or lower-cased
        { "maps/Upper.bsp", "quake2/baseq2/maps/Upper.bsp", "Upper" },
        { "maps/upper.bsp", "", std::nullopt },
        { "maps/q2dm3.bsp", "home/.local/share/YamagiQ2/TARRAKIND/maps/q2dm3.bsp", "The Frag Pipe" },
        { "maps/stored.bsp", "maps/stored.bsp inside quake2/TARRAKIND/stored.zip", "Stored" },
        { "maps/bad.bsp", "maps/bad.bsp inside quake2/TARRAKIND/bad.pk3", std::nullopt }, // damaged: no title
        { "maps/cut.bsp", "maps/cut.bsp inside quake2/baseq2/pak0.pak", std::nullopt },
        { "../baseq2/maps/loose.bsp", "", std::nullopt }, // no name climbs out of the places searched
        { "/maps/loose.bsp", "", std::nullopt },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const std::optional<tk::GameFile> file = content.find(c.name);
        EXPECT_EQ(file ? below(content.describe(*file)) : QString(), QLatin1String(c.where));
        EXPECT_EQ(tk::ownMapTitle(content, c.name.mid(5).chopped(4)), c.title);
        if (file && c.title) {
            EXPECT_EQ(content.read(*file, content.size(*file) - 3, 100), "\n}\n")
                << "a read stops at the end";
            EXPECT_EQ(content.read(*file, content.size(*file) + 1, 5), QByteArray());
        }
    }
    EXPECT_TRUE(content.holdsMaps());
    const QStringList stops = content.archivesTheEngineStopsAt();
    ASSERT_EQ(stops.size(), 2);
    EXPECT_TRUE(stops[0].startsWith(at("quake2/TARRAKIND/empty.zip "))) << stops[0].toStdString();
    EXPECT_TRUE(stops[1].startsWith(at("quake2/baseq2/pak1.pak "))) << stops[1].toStdString();
}

} // namespace
