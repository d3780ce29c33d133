// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/installpaths.h"
#include "app/core/textcodec.h"
#include "app/core/usererror.h"
#include "launch/core/execfile.h"
#include "launch/core/execsettings.h"
#include "maps/core/ziplisting.h"
#include "maps/ui/mappage.h"
#include "support/files.h"
#include "support/gamefiles.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "ui/clickhelpers.h"
#include "ui/pagetesting.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Also records the filter the open dialog was given.
class RecordingInteraction : public ScriptedInteraction {
public:
    QStringList filters;
    QString openFileName(QWidget* parent, const QString& filter) override
    {
        filters.append(filter);
        return ScriptedInteraction::openFileName(parent, filter);
    }
};

class MapPageBehaviour : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        paths = tk::InstallPaths::fromLauncherDir(dir.path(), false);
        page = std::make_unique<MapPage>();
        page->attach(paths, ui);
        page->resize(584, 355);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }

    QString inDir(const QString& name) const { return dir.filePath(name); }
    void touch(const QString& name) { writeAll(inDir(name), "aas"); }
    void copyArchive(const QString& fromData, const QString& to)
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TARRAKIND_TEST_DATA "/zip/") + fromData, inDir(to)));
    }

    // "map name | title" per catalogue row.
    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < page->ListView2->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = page->ListView2->topLevelItem(i);
            out.append(item->text(0) + QStringLiteral(" | ") + item->text(1));
        }
        return out;
    }
    QList<int> selectedRows() const
    {
        QList<int> out;
        for (QTreeWidgetItem* item : page->ListView2->selectedItems())
            out.append(page->ListView2->indexOfTopLevelItem(item));
        return out;
    }
    int focusedRow() const
    {
        QTreeWidgetItem* item = page->ListView2->currentItem();
        return item ? page->ListView2->indexOfTopLevelItem(item) : -1;
    }
    void clickRow(int row)
    {
        const QRect r = page->ListView2->visualItemRect(page->ListView2->topLevelItem(row));
        QTest::mouseClick(page->ListView2->viewport(), Qt::LeftButton, {}, r.center());
    }
    void clickBesideTheRows()
    {
        QWidget* viewport = page->ListView2->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(20, viewport->height() - 4));
    }
    void alterTitle() { page->EnterAlterMapTitle->trigger(); }
    QList<QByteArray> execFileLines() const
    {
        tk::ExecSettings settings;
        settings = pagetest::gathered(*page, settings);
        QList<QByteArray> lines = tk::generateExecFile(settings, paths).split('\n');
        for (QByteArray& l : lines)
            l = l.trimmed();
        return lines;
    }

    // The title file's lines as bytes.
    QList<QByteArray> titleFileLines() const
    {
        QList<QByteArray> lines = readAll(inDir("mapnames.dat")).split('\n');
        for (QByteArray& l : lines)
            if (l.endsWith('\r'))
                l.chop(1);
        return lines;
    }

    void enableRotation()
    {
        clickIndicator(page->CheckBox22);
        ASSERT_TRUE(page->SpeedButton27->isEnabled());
    }
    void clickEntry(int row)
    {
        const QRect r = page->ListBox3->visualItemRect(page->ListBox3->item(row));
        QTest::mouseClick(page->ListBox3->viewport(), Qt::LeftButton, {}, r.center());
    }
    int selectedEntry() const
    {
        const QList<QListWidgetItem*> s = page->ListBox3->selectedItems();
        return s.isEmpty() ? -1 : page->ListBox3->row(s.first());
    }
    void press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QTemporaryDir dir;
    tk::InstallPaths paths;
    RecordingInteraction ui;
    std::unique_ptr<MapPage> page;
};

// --- Map catalogue -------------------------------------------------------------------

TEST_F(MapPageBehaviour, RefreshListsLooseFilesThenArchiveEntriesWithTheirTitles)
{
    touch("q2dm2.aas");
    touch("Q2DM1.AAS");
    touch("q2dm9.bsp");
    touch(".hidden.aas");
    QDir(dir.path()).mkdir("folder.aas");
    copyArchive("aassfxfix.zip", "aasmaps.zip"); // maps/q2dm3.aas, maps/base1.aas
    copyArchive("aasizcmt.zip", "maps.zip"); // not a navigation archive
    writeAll(inDir("mapnames.dat"),
        "[Other]\r\nq2dm2=Not this one\r\n"
        "[maptitles]\r\nQ2DM1=The Edge\r\n  base1 = \"Base One\"  \r\nq2dm3=\r\n");

    QTest::mouseClick(page->BitBtn1, Qt::LeftButton);

    EXPECT_EQ(
        rows(), (QStringList { "q2dm1 | The Edge", "q2dm2 | [Unknown]", "q2dm3 | ", "base1 | Base One" }));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
    EXPECT_TRUE(selectedRows().isEmpty());
    EXPECT_EQ(focusedRow(), -1);
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("No Map chosen"));

    // A refresh rebuilds the list rather than adding to it.
    page->refreshCatalogue();
    EXPECT_EQ(rows().size(), 4);
}

TEST_F(MapPageBehaviour, MapsWithoutATitleShowTheirOwnAndNothingIsWrittenUntilATitleIsEntered)
{
    for (const char* name : { "q2dm1.aas", "q2dm2.aas", "q2dm3.aas", "q2dm4.aas" })
        touch(QLatin1String(name));
    // The launcher's directory is the game directory: its archives and maps are the engine's too.
    writeAll(inDir("maps.pk3"),
        gamefiles::zip(
            { { "maps/q2dm1.bsp", gamefiles::map("The Edge") }, { "maps/q2dm3.bsp", gamefiles::map("No") } },
            true));
    QDir(dir.path()).mkdir("maps");
    writeAll(inDir("maps/q2dm2.bsp"), gamefiles::map("Tokay's\\nTowers"));
    writeAll(inDir("mapnames.dat"), "[MapTitles]\r\nq2dm3=\r\n");

    page->refreshCatalogue();
    EXPECT_EQ(rows(),
        (QStringList { "q2dm1 | The Edge", "q2dm2 | Tokay's Towers", "q2dm3 | ", "q2dm4 | [Unknown]" }));
    EXPECT_EQ(titleFileLines(), (QList<QByteArray> { "[MapTitles]", "q2dm3=", "" }));
    // The prompt proposes the title shown; cancelled, it stores that title.
    clickRow(0);
    ui.promptAnswers.enqueue(std::nullopt);
    alterTitle();
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].proposed, QStringLiteral("The Edge"));
    EXPECT_EQ(titleFileLines(), (QList<QByteArray> { "[MapTitles]", "q2dm3=", "q2dm1=The Edge", "" }));
}

TEST_F(MapPageBehaviour, RepeatedMapsKeepEveryRowAndADirectoryEntryGivesAnEmptyName)
{
    touch("base1.aas");
    copyArchive("aasizdirs.zip", "aasmaps.zip"); // maps/, q2dm3, base1, q2dm1, readme.txt
    page->refreshCatalogue();
    EXPECT_EQ(rows(),
        (QStringList { "base1 | [Unknown]", " | [Unknown]", "q2dm3 | [Unknown]", "base1 | [Unknown]",
            "q2dm1 | [Unknown]", "readme | [Unknown]" }));

    // Of two rows with the name only the last stays selected.
    page->selectMapByName("base1");
    EXPECT_EQ(selectedRows(), QList<int> { 3 });
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("base1"));
    clickRow(0);
    page->refreshCatalogue();
    EXPECT_EQ(selectedRows(), QList<int> { 3 });
    EXPECT_EQ(focusedRow(), 3);
}

TEST_F(MapPageBehaviour, ADamagedArchiveIsReportedAndTheNextOneStillListed)
{
    copyArchive("aasbadsig.zip", "aasa.zip"); // third central header damaged
    copyArchive("aasjunk.zip", "aasb.zip"); // text after the end record
    copyArchive("aasizcmt.zip", "aasc.zip");
    page->refreshCatalogue();

    EXPECT_EQ(rows(),
        (QStringList { "q2dm3 | [Unknown]", "base1 | [Unknown]", "q2dm1 | [Unknown]", "base1 | [Unknown]",
            "q2dm3 | [Unknown]", "q2dm1 | [Unknown]" }));
    EXPECT_EQ(ui.messages,
        (QStringList { tk::zipDiagnosticMessage(tk::ZipDiagnostic::Unreadable, "aasa.zip", 2),
            tk::zipDiagnosticMessage(tk::ZipDiagnostic::TrailingBytes, "aasb.zip", 2) }));
}

TEST_F(MapPageBehaviour, RefreshSelectsTheRememberedMapAgainAndLeavesThePanel)
{
    touch("q2dm1.aas");
    touch("q2dm2.aas");
    touch("q2dm3.aas");
    page->refreshCatalogue();

    clickRow(1);
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("q2dm2"));
    EXPECT_EQ(page->selectedMapName(), std::optional<QString>("q2dm2"));

    page->refreshCatalogue();
    EXPECT_EQ(selectedRows(), QList<int> { 1 });
    EXPECT_EQ(focusedRow(), 1);

    ASSERT_TRUE(QFile::remove(inDir("q2dm2.aas")));
    page->refreshCatalogue();
    EXPECT_EQ(rows(), (QStringList { "q2dm1 | [Unknown]", "q2dm3 | [Unknown]" }));
    EXPECT_TRUE(selectedRows().isEmpty());
    EXPECT_EQ(page->selectedMapName(), std::nullopt);
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("q2dm2")) << "a refresh leaves the panel";

    // With nothing selected the name is still remembered.
    touch("q2dm2.aas");
    page->refreshCatalogue();
    EXPECT_EQ(selectedRows(), QList<int> { 1 });
}

TEST_F(MapPageBehaviour, AClickBesideTheRowsShowsWhatTheClickLeftSelected)
{
    for (const char* name : { "q2dm1.aas", "q2dm2.aas", "q2dm3.aas" })
        touch(name);
    page->refreshCatalogue();

    // A click beside the rows leaves no row selected: the panel, the selection and the
    // map that LAUNCH! would start all say so alike.
    clickRow(2);
    ASSERT_EQ(page->Panel37->text(), QStringLiteral("q2dm3"));
    clickBesideTheRows();
    EXPECT_TRUE(selectedRows().isEmpty());
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("No Map chosen"));
    EXPECT_TRUE(execFileLines().contains("map q2dm1")) << "the exec file's default map";
    clickRow(2);
    EXPECT_EQ(selectedRows(), QList<int> { 2 });
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("q2dm3"));
    EXPECT_TRUE(execFileLines().contains("map q2dm3"));
}

TEST_F(MapPageBehaviour, SelectMapByNameIsExactAndRememberedForTheNextRefresh)
{
    touch("q2dm1.aas");
    page->refreshCatalogue();
    clickRow(0);

    // The profile names a map not there yet, in the wrong case: nothing matches.
    page->selectMapByName("Q2DM3");
    EXPECT_TRUE(selectedRows().isEmpty());
    EXPECT_EQ(focusedRow(), -1);
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("No Map chosen"));

    page->selectMapByName("q2dm3");
    touch("q2dm3.aas");
    page->refreshCatalogue();
    EXPECT_EQ(selectedRows(), QList<int> { 1 });
    EXPECT_EQ(focusedRow(), 1);
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("No Map chosen"));

    // Selecting by name moves no focus, so the title prompt has no row to work on.
    page->selectMapByName("q2dm1");
    EXPECT_EQ(selectedRows(), QList<int> { 0 });
    EXPECT_EQ(focusedRow(), -1);
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("q2dm1"));
    alterTitle();
    EXPECT_TRUE(ui.prompts.isEmpty());
    EXPECT_FALSE(QFile::exists(inDir("mapnames.dat")));
}

TEST_F(MapPageBehaviour, ClickingShowsTheSelectedMapOrNoMapChosen)
{
    touch("q2dm1.aas");
    touch("q2dm2.aas");
    page->refreshCatalogue();
    clickRow(0);
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("q2dm1"));
    QTest::mouseClick(page->ListView2->viewport(), Qt::LeftButton, Qt::ControlModifier,
        page->ListView2->visualItemRect(page->ListView2->topLevelItem(0)).center());
    ASSERT_TRUE(selectedRows().isEmpty());
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("No Map chosen"));
}

TEST_F(MapPageBehaviour, TheTitlePromptWritesTheAnswerOrTheProposedTitle)
{
    touch("q2dm1.aas");
    touch("q2dm2.aas");
    writeAll(inDir("mapnames.dat"), "; titles\r\n[Other]\r\nkey=kept\r\n");
    page->refreshCatalogue();

    alterTitle(); // no focused row yet
    EXPECT_TRUE(ui.prompts.isEmpty());

    clickRow(0);
    ui.promptAnswers.enqueue(QStringLiteral("The Edge"));
    alterTitle();
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].caption, QStringLiteral("Enter/Alter Map Title"));
    EXPECT_EQ(ui.prompts[0].text, QStringLiteral("Please enter Title of Map: Q2DM1"));
    EXPECT_EQ(ui.prompts[0].proposed, QStringLiteral("[Unknown]"));
    EXPECT_EQ(rows(), (QStringList { "q2dm1 | The Edge", "q2dm2 | [Unknown]" }));
    EXPECT_EQ(titleFileLines(),
        (QList<QByteArray> { "; titles", "[Other]", "key=kept", "[MapTitles]", "q2dm1=The Edge", "" }));

    clickRow(1);
    ui.promptAnswers.enqueue(std::nullopt);
    alterTitle();
    ASSERT_EQ(ui.prompts.size(), 2);
    EXPECT_EQ(ui.prompts[1].text, QStringLiteral("Please enter Title of Map: Q2DM2"));
    EXPECT_EQ(titleFileLines(),
        (QList<QByteArray> {
            "; titles", "[Other]", "key=kept", "[MapTitles]", "q2dm1=The Edge", "q2dm2=[Unknown]", "" }));

    // A changed title replaces its line, and the next refresh reads it back.
    clickRow(0);
    ui.promptAnswers.enqueue(QStringLiteral("Edge, again"));
    alterTitle();
    EXPECT_EQ(ui.prompts[2].proposed, QStringLiteral("The Edge"));
    page->refreshCatalogue();
    EXPECT_EQ(rows(), (QStringList { "q2dm1 | Edge, again", "q2dm2 | [Unknown]" }));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
}

TEST_F(MapPageBehaviour, ARefusedTitleWriteIsReportedAndTheRowKeepsItsTitle)
{
    touch("q2dm1.aas");
    ASSERT_TRUE(QDir(dir.path()).mkdir("mapnames.dat")); // cannot be replaced by a file
    page->refreshCatalogue();
    clickRow(0);
    ui.promptAnswers.enqueue(QStringLiteral("The Edge"));
    alterTitle();
    EXPECT_THAT(
        ui.messages, testing::ElementsAre(IsWriteError("Unable to write to ", inDir("mapnames.dat"))));
    EXPECT_EQ(rows(), QStringList { "q2dm1 | The Edge" });
}

// --- Map rotation --------------------------------------------------------------------

TEST_F(MapPageBehaviour, AddAppendsTheSelectedMapEveryTime)
{
    touch("q2dm1.aas");
    touch("q2dm2.aas");
    page->refreshCatalogue();
    enableRotation();
    page->setRotationEntries({ "base1" });
    clickEntry(0);

    press(page->SpeedButton27); // no catalogue row selected
    EXPECT_EQ(page->rotationEntries(), QList<QByteArray> { "base1" });

    clickRow(1);
    press(page->SpeedButton27);
    press(page->SpeedButton27);
    EXPECT_EQ(page->rotationEntries(), (QList<QByteArray> { "base1", "q2dm2", "q2dm2" }));
    EXPECT_EQ(selectedEntry(), 0) << "adding leaves the rotation's selection";
}

TEST_F(MapPageBehaviour, MoveUpAndDownMoveTheSelectionWithTheEntry)
{
    // A non-UTF-8 entry shows that moves keep the bytes read from the file.
    const QList<QByteArray> start { "q2dm1", "q2dm\xe9", "q2dm3" };
    struct Case {
        const char* name;
        int selected; // -1: none
        bool up;
        QList<QByteArray> entries;
        int selectedAfter;
    };
    const Case cases[] = {
        { "down without selection", -1, false, start, -1 },
        { "up without selection", -1, true, start, -1 },
        { "up on the first", 0, true, start, 0 },
        { "down on the last", 2, false, start, 2 },
        { "down on the first", 0, false, { "q2dm\xe9", "q2dm1", "q2dm3" }, 1 },
        { "down in the middle", 1, false, { "q2dm1", "q2dm3", "q2dm\xe9" }, 2 },
        { "up on the last", 2, true, { "q2dm1", "q2dm3", "q2dm\xe9" }, 1 },
        { "up in the middle", 1, true, { "q2dm\xe9", "q2dm1", "q2dm3" }, 0 },
    };
    enableRotation();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        page->setRotationEntries(start);
        if (c.selected >= 0)
            clickEntry(c.selected);
        press(c.up ? page->SpeedButton22 : page->SpeedButton23);
        EXPECT_EQ(page->rotationEntries(), c.entries);
        EXPECT_EQ(selectedEntry(), c.selectedAfter);
    }
}

TEST_F(MapPageBehaviour, DeleteRemovesTheSelectedEntryAndDeleteAllEmptiesTheList)
{
    enableRotation();
    page->setRotationEntries({ "q2dm1", "q2dm2", "q2dm3" });
    press(page->SpeedButton24);
    EXPECT_EQ(page->rotationEntries().size(), 3) << "nothing selected, nothing deleted";

    clickEntry(1);
    press(page->SpeedButton24);
    EXPECT_EQ(page->rotationEntries(), (QList<QByteArray> { "q2dm1", "q2dm3" }));
    EXPECT_EQ(selectedEntry(), -1);

    press(page->SpeedButton25);
    EXPECT_TRUE(page->rotationEntries().isEmpty());
    EXPECT_TRUE(ui.prompts.isEmpty() && ui.messages.isEmpty()) << "deleting all asks nothing";
}

TEST_F(MapPageBehaviour, RandomizeOnlyReordersTheEntries)
{
    enableRotation();
    for (int round = 0; round < 20; ++round) {
        page->setRotationEntries({ "q2dm1", "q2dm2" });
        press(page->SpeedButton28);
        const QList<QByteArray> after = page->rotationEntries();
        EXPECT_TRUE(after == (QList<QByteArray> { "q2dm1", "q2dm2" })
            || after == (QList<QByteArray> { "q2dm2", "q2dm1" }))
            << after.join(',').toStdString();
    }

    const QList<QByteArray> five { "a", "b\xe9", "", "a", "c" };
    page->setRotationEntries(five);
    press(page->SpeedButton28);
    QList<QByteArray> after = page->rotationEntries();
    QList<QByteArray> expected = five;
    std::sort(after.begin(), after.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(after, expected);

    for (const QList<QByteArray>& small : { QList<QByteArray> {}, QList<QByteArray> { "q2dm1" } }) {
        page->setRotationEntries(small);
        press(page->SpeedButton28);
        EXPECT_EQ(page->rotationEntries(), small);
    }
}

TEST_F(MapPageBehaviour, SaveAsksForTheNameAndWritesTheListThere)
{
    enableRotation();
    page->setRotationEntries({ "q2dm1", "", "q2dm\xe9" });

    ui.promptAnswers.enqueue(QStringLiteral("ctf.rot.txt"));
    press(page->SpeedButton26);
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].caption, QStringLiteral("Map Rotation"));
    EXPECT_EQ(ui.prompts[0].text, QStringLiteral("Enter Filename for new Map Rotation File"));
    EXPECT_EQ(ui.prompts[0].proposed, QStringLiteral("maps.lst"));
    EXPECT_EQ(page->Panel24->text(), QStringLiteral("ctf.lst"));
    EXPECT_EQ(readAll(inDir("ctf.lst")), QByteArray("q2dm1\r\n\r\nq2dm\xe9\r\n"));
    EXPECT_FALSE(QFile::exists(inDir("maps.lst")));

    // Cancelled: saved all the same, under the name shown.
    page->setRotationEntries({ "base1" });
    ui.promptAnswers.enqueue(std::nullopt);
    press(page->SpeedButton26);
    EXPECT_EQ(ui.prompts[1].proposed, QStringLiteral("ctf.lst"));
    EXPECT_EQ(page->Panel24->text(), QStringLiteral("ctf.lst"));
    EXPECT_EQ(readAll(inDir("ctf.lst")), QByteArray("base1\r\n"));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
}

TEST_F(MapPageBehaviour, SaveIntoAMissingDirectoryFailsAfterTheNameChanged)
{
    enableRotation();
    page->setRotationEntries({ "q2dm1" });
    ui.promptAnswers.enqueue(QStringLiteral("sub/duel"));
    press(page->SpeedButton26);
    EXPECT_EQ(page->Panel24->text(), QStringLiteral("sub/duel.lst"));
    EXPECT_THAT(
        ui.messages, testing::ElementsAre(IsWriteError("Cannot create file ", inDir("sub/duel.lst"))));
    EXPECT_EQ(page->rotationEntries(), QList<QByteArray> { "q2dm1" });
}

TEST_F(MapPageBehaviour, LoadReplacesTheListAndTakesTheFileName)
{
    enableRotation();
    page->setRotationEntries({ "old" });
    QDir(dir.path()).mkdir("elsewhere");
    const QString file = inDir("elsewhere/duel.lst");
    writeAll(file, "q2dm1\r\n\nq2dm3\rlast");

    ui.openFileAnswers.enqueue(QString()); // cancelled
    press(page->SpeedButton31);
    EXPECT_EQ(page->rotationEntries(), QList<QByteArray> { "old" });
    EXPECT_EQ(page->Panel24->text(), QStringLiteral("maps.lst"));
    ASSERT_EQ(ui.filters.size(), 1);
    EXPECT_TRUE(ui.filters[0].contains("Map Lists") && ui.filters[0].contains("*.lst"))
        << ui.filters[0].toStdString();

    ui.openFileAnswers.enqueue(file);
    press(page->SpeedButton31);
    EXPECT_EQ(page->rotationEntries(), (QList<QByteArray> { "q2dm1", "", "q2dm3", "last" }));
    EXPECT_EQ(page->Panel24->text(), QStringLiteral("duel.lst"));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();

    // The next save goes to the launcher directory under the bare name.
    page->saveRotationFile();
    EXPECT_EQ(readAll(inDir("duel.lst")), QByteArray("q2dm1\r\n\r\nq2dm3\r\nlast\r\n"));
}

TEST_F(MapPageBehaviour, LoadingAMissingFileChangesNothing)
{
    enableRotation();
    page->setRotationEntries({ "q2dm1" });
    page->setRotationFileName("ctf.lst");
    const QString missing = inDir("gone.lst");
    ui.openFileAnswers.enqueue(missing);
    press(page->SpeedButton31);
    EXPECT_EQ(ui.messages, QStringList { "Cannot open file " + missing });
    EXPECT_EQ(page->rotationEntries(), QList<QByteArray> { "q2dm1" });
    EXPECT_EQ(page->rotationFileName(), QStringLiteral("ctf.lst"));

    // The profile load calls the same loader and sees the error itself.
    try {
        page->loadRotationFile(missing);
        ADD_FAILURE() << "no error";
    } catch (const tk::UserError& e) {
        EXPECT_EQ(e.message(), "Cannot open file " + missing);
    }
    EXPECT_EQ(page->rotationEntries(), QList<QByteArray> { "q2dm1" });
}

TEST_F(MapPageBehaviour, ButtonsOfADisabledRotationDoNothing)
{
    touch("q2dm1.aas");
    page->refreshCatalogue();
    clickRow(0);
    page->setRotationEntries({ "base1" });
    for (QPushButton* b :
        { page->SpeedButton27, page->SpeedButton25, page->SpeedButton26, page->SpeedButton31 })
        press(b);
    EXPECT_EQ(page->rotationEntries(), QList<QByteArray> { "base1" });
    EXPECT_TRUE(ui.prompts.isEmpty());
    EXPECT_TRUE(ui.filters.isEmpty());
}

} // namespace
