// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/mapcatalogue.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kZipData = QStringLiteral(TARRAKIND_TEST_DATA "/zip/");

class MapCatalogueTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    void touch(const QString& name)
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    void copyArchive(const QString& testFile, const QString& name)
    {
        ASSERT_TRUE(QFile::copy(kZipData + testFile, m_dir.filePath(name))) << testFile.toStdString();
    }
    tk::MapCatalogue build(const QHash<QString, QString>& titles = {})
    {
        return tk::buildMapCatalogue(m_dir.path(), [&](const QString& mapName) -> std::optional<QString> {
            const auto it = titles.find(mapName);
            return it == titles.end() ? std::nullopt : std::optional<QString>(*it);
        });
    }
    static QStringList mapNames(const tk::MapCatalogue& catalogue)
    {
        QStringList names;
        for (const tk::MapRow& row : catalogue.rows)
            names.append(row.mapName);
        return names;
    }

    QTemporaryDir m_dir;
};

TEST_F(MapCatalogueTest, LooseFilesThenArchiveEntries)
{
    touch("q2dm2.aas");
    touch("Q2DM1.AAS");
    copyArchive("aassfxfix.zip", "aasmaps.zip"); // maps/q2dm3.aas, maps/base1.aas
    const tk::MapCatalogue catalogue = build({ { "q2dm1", "The Edge" }, { "q2dm3", "" } });
    ASSERT_EQ(catalogue.rows.size(), 4);
    const QStringList expectedNames = { "q2dm1", "q2dm2", "q2dm3", "base1" };
    const QStringList expectedTitles = { "The Edge", "[Unknown]", "", "[Unknown]" };
    for (qsizetype i = 0; i < 4; ++i) {
        EXPECT_EQ(catalogue.rows[i].mapName, expectedNames[i]);
        EXPECT_EQ(catalogue.rows[i].title, expectedTitles[i]);
    }
    EXPECT_TRUE(catalogue.problems.isEmpty());
}

TEST_F(MapCatalogueTest, EmptyDirectoryGivesNoRows)
{
    const tk::MapCatalogue catalogue = build();
    EXPECT_TRUE(catalogue.rows.isEmpty());
    EXPECT_TRUE(catalogue.problems.isEmpty());
}

TEST_F(MapCatalogueTest, RepeatsAreKept)
{
    touch("base1.aas");
    copyArchive("aassfxfix.zip", "aasmaps.zip");
    copyArchive("aassfxfix.zip", "aasmore.zip");
    EXPECT_EQ(mapNames(build()), QStringList({ "base1", "q2dm3", "base1", "q2dm3", "base1" }));
}

TEST_F(MapCatalogueTest, EveryEntryCountsDirectoriesToo)
{
    copyArchive("aasizdirs.zip", "aasdirs.zip"); // maps/ first, readme.txt last
    EXPECT_EQ(mapNames(build()), QStringList({ "", "q2dm3", "base1", "q2dm1", "readme" }));
}

TEST_F(MapCatalogueTest, NamesMatchWithoutRegardToCaseAndSkipHiddenFiles)
{
    copyArchive("aassfxfix.zip", "AASx.ZIP");
    copyArchive("aasjunk.zip", ".aashidden.zip");
    copyArchive("aasjunk.zip", "maps.zip");
    copyArchive("aasjunk.zip", "xaas.zip");
    copyArchive("aasiznodirs.zip", "aasA.zip"); // maps/q2dm2.aas, maps/Q2DM4.AAS, base2.aas
    touch(".q2dm9.aas");
    touch("q2dm5.aas.txt");
    touch("q2dm6.AaS");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("q2dm7.aas"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("aasdir.zip"));
    EXPECT_EQ(mapNames(build()), QStringList({ "q2dm6", "q2dm2", "q2dm4", "base2", "q2dm3", "base1" }));
}

TEST_F(MapCatalogueTest, ArchiveProblemsAreCollectedAndTheRefreshGoesOn)
{
    copyArchive("aasbadsig.zip", "aas1.zip"); // 2 of 4 entries readable
    copyArchive("aasnotzip.zip", "aas2.zip");
    copyArchive("aasjunk.zip", "aas3.zip"); // maps/q2dm1.aas, maps/base1.aas + junk
    copyArchive("aaszip64.zip", "aas4.zip"); // maps/q2dm1.aas, readme.txt through a zip64 end record
    copyArchive("aassfxraw.zip", "aas5.zip"); // maps/q2dm3.aas, maps/base1.aas after a stub
    const tk::MapCatalogue catalogue = build();
    EXPECT_EQ(mapNames(catalogue),
        QStringList({ "q2dm3", "base1", "q2dm1", "base1", "q2dm1", "readme", "q2dm3", "base1" }));

    struct Expected {
        const char* archive;
        tk::ZipDiagnostic kind;
        qsizetype entries;
    } expected[] = {
        { "aas1.zip", tk::ZipDiagnostic::Unreadable, 2 },
        { "aas2.zip", tk::ZipDiagnostic::Unreadable, 0 },
        { "aas3.zip", tk::ZipDiagnostic::TrailingBytes, 2 },
        { "aas5.zip", tk::ZipDiagnostic::DataInFront, 2 },
    };
    ASSERT_EQ(catalogue.problems.size(), std::size(expected));
    for (qsizetype i = 0; i < catalogue.problems.size(); ++i) {
        SCOPED_TRACE(i);
        const tk::ArchiveProblem& p = catalogue.problems[i];
        EXPECT_EQ(p.archiveName, expected[i].archive);
        EXPECT_EQ(p.kind, expected[i].kind);
        EXPECT_EQ(p.entriesListed, expected[i].entries);
        EXPECT_TRUE(catalogue.message(p).contains(expected[i].archive));
    }
}

TEST_F(MapCatalogueTest, WithoutTitleLookupEveryTitleIsUnknown)
{
    touch("q2dm1.aas");
    const tk::MapCatalogue catalogue = tk::buildMapCatalogue(m_dir.path(), nullptr);
    ASSERT_EQ(catalogue.rows.size(), 1);
    EXPECT_EQ(catalogue.rows[0].title, "[Unknown]");
}

TEST(MapName, FromFileAndEntryNames)
{
    struct Case {
        const char* name;
        const char* fromFile;
        const char* fromEntry;
    } cases[] = {
        { "Q2DM1.AAS", "q2dm1", "q2dm1" }, { "maps/q2dm3.aas", "maps/q2dm3", "q2dm3" },
        { "maps\\q2dm5.aas", "maps\\q2dm5", "q2dm5" }, { "c:q2dm6.aas", "c:q2dm6", "q2dm6" },
        { "maps/sub\\deep/Q2DM7.aas", "maps/sub\\deep/q2dm7", "q2dm7" }, { "maps/", "m", "" },
        { "maps/.aas", "maps/", "" }, { "maps/abcd", "maps/", "" }, { "maps/abcde", "maps/a", "a" },
        { "readme.txt", "readme", "readme" }, { "x.y.z.AAS", "x.y.z", "x.y.z" }, { "", "", "" },
        { "\xc3\x84RGER.aas", "\xc3\x84rger", "\xc3\x84rger" }, // only ASCII letters are lowered
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tk::mapNameFromFileName(QString::fromUtf8(c.name)), QString::fromUtf8(c.fromFile));
        EXPECT_EQ(tk::mapNameFromEntryName(QString::fromUtf8(c.name)), QString::fromUtf8(c.fromEntry));
    }
}

} // namespace
