// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/engine.h"
#include "support/files.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

using Kind = tk::SearchPathEntry::Kind;

// A home and a Quake II directory with the game directory TARRAKIND, in one temporary
// folder; HOME and XDG_DATA_HOME are set for the engine model and put back afterwards.
class Engine : public testing::Test {
protected:
    QTemporaryDir root;
    QByteArray oldHome = qgetenv("HOME");
    tk::InstallPaths paths;

    void SetUp() override
    {
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("quake2/TARRAKIND")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("home")));
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
    void file(const QString& relative)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(at(relative)).absolutePath()));
        writeAll(at(relative), "x");
    }
    // The search path with paths below the temporary folder.
    QStringList searchPath(const QString& executable = QStringLiteral("quake2"))
    {
        QStringList out;
        for (const tk::SearchPathEntry& e : tk::engineSearchPath(paths, executable)) {
            const QString kind = e.kind == Kind::Directory ? "dir" : e.kind == Kind::Pak ? "pak" : "zip";
            out.append(kind + ' ' + QString(e.path).remove(at(QString())));
        }
        return out;
    }
};

TEST_F(Engine, TheUserFolderIsTheOneTheEngineChooses)
{
    const struct {
        const char* what;
        bool yq2; // ~/.yq2 is a directory
        bool yq2File; // ~/.yq2 is a file
        std::optional<QByteArray> xdg;
        bool portable;
        const char* folder; // below the temporary folder; empty for none
    } cases[] = {
        { "the default", false, false, std::nullopt, false, "home/.local/share/YamagiQ2" },
        { "an absolute XDG_DATA_HOME", false, false, "ABS/data", false, "data/YamagiQ2" },
        { "a relative XDG_DATA_HOME, from the Quake II directory", false, false, "rel/data", false,
            "quake2/rel/data/YamagiQ2" },
        { "an empty XDG_DATA_HOME", false, false, "", false, "home/.local/share/YamagiQ2" },
        { "~/.yq2 wins over XDG_DATA_HOME", true, false, "ABS/data", false, "home/.yq2" },
        { "~/.yq2 wins over the default", true, false, std::nullopt, false, "home/.yq2" },
        { "a file named .yq2 is no folder", false, true, std::nullopt, false, "home/.local/share/YamagiQ2" },
        { "-portable has none", true, false, std::nullopt, true, "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(at("home/.yq2")).removeRecursively();
        QFile::remove(at("home/.yq2"));
        if (c.yq2) {
            ASSERT_TRUE(QDir().mkpath(at("home/.yq2")));
        }
        if (c.yq2File)
            file("home/.yq2");
        if (c.xdg)
            qputenv("XDG_DATA_HOME", QByteArray(*c.xdg).replace("ABS/", QFile::encodeName(at(QString()))));
        else
            qunsetenv("XDG_DATA_HOME");
        const QString folder = tk::engineUserFolder(paths.quake2Dir, c.portable);
        EXPECT_EQ(folder, *c.folder ? at(QLatin1String(c.folder)) : QString());
        if (!c.portable) {
            EXPECT_EQ(tk::demoDirectories(paths.quake2Dir, paths.gameDirName),
                (QStringList { paths.launcherDir + "/demos", folder + "/TARRAKIND/demos" }));
        }
    }
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(tk::engineUserFolder(paths.quake2Dir), QString()) << "no home, no XDG_DATA_HOME";
    EXPECT_EQ(tk::demoDirectories(paths.quake2Dir, paths.gameDirName),
        QStringList { paths.launcherDir + "/demos" });
}

TEST_F(Engine, GameDirectoriesOfEveryRootComeBeforeTheBaseGameAndArchivesBeforeLooseFiles)
{
    file("home/.yq2/TARRAKIND/mine.pk3");
    file("quake2/quake2");
    file("quake2/TARRAKIND/aasmaps.zip");
    file("quake2/baseq2/pak0.pak");
    EXPECT_EQ(searchPath(),
        (QStringList { "zip home/.yq2/TARRAKIND/mine.pk3", "dir home/.yq2/TARRAKIND",
            "zip quake2/TARRAKIND/aasmaps.zip", "dir quake2/TARRAKIND", "dir home/.yq2/baseq2",
            "pak quake2/baseq2/pak0.pak", "dir quake2/baseq2" }));

    // Started through a link, the engine's binary directory is a root of its own, between
    // the user folder and the Quake II directory.
    ASSERT_TRUE(QFile::remove(at("quake2/quake2")));
    file("bin/yquake2");
    ASSERT_TRUE(QFile::link(at("bin/yquake2"), at("quake2/quake2")));
    EXPECT_EQ(tk::engineRoots(paths, QStringLiteral("quake2")),
        (QStringList { at("home/.yq2"), at("bin"), at("quake2") }));
    EXPECT_EQ(
        tk::engineRoots(paths, QStringLiteral("quake2"), true), (QStringList { at("bin"), at("quake2") }));
    EXPECT_EQ(
        tk::engineRoots(paths, QStringLiteral("missing")), (QStringList { at("home/.yq2"), at("quake2") }));

    // The base game itself as the game directory is searched once.
    paths = tk::InstallPaths::fromLauncherDir(at("quake2/baseq2"), false);
    EXPECT_EQ(searchPath(QStringLiteral("missing")),
        (QStringList { "dir home/.yq2/baseq2", "pak quake2/baseq2/pak0.pak", "dir quake2/baseq2" }));
}

TEST_F(Engine, ArchivesComeInTheEnginesOrder)
{
    for (const char* name : { "pak0.pak", "pak1.pak", "pak10.pak", "pak99.pak", "pak100.pak", "pakmaps.pak",
             "maps.pak", "MAPS.PAK", "extra.PK3", "b.pk3", "a.pk3", "c.pk2", "d.pkz", "e.zip", "pak0.pk3",
             "pak2.zip", "notes.txt", ".hidden.pak" })
        file(QStringLiteral("quake2/baseq2/") + QLatin1String(name));
    ASSERT_TRUE(QDir().mkpath(at("quake2/baseq2/folder.pak")));
    QStringList names;
    for (const tk::SearchPathEntry& e : tk::engineArchives(at("quake2/baseq2")))
        names.append(QFileInfo(e.path).fileName() + (e.kind == Kind::Pak ? " pak" : " zip"));
    EXPECT_EQ(names,
        (QStringList { "e.zip zip", "d.pkz zip", "a.pk3 zip", "b.pk3 zip", "c.pk2 zip", ".hidden.pak pak",
            "maps.pak pak", "pak2.zip zip", "pak0.pk3 zip", "pak99.pak pak", "pak10.pak pak", "pak1.pak pak",
            "pak0.pak pak" }));
}

} // namespace
