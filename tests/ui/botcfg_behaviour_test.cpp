// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/execsettings.h"
#include "support/printers.h"
#include "ui/botharness.h"
#include "ui/pagetesting.h"
#include "widgets/spinedit.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using bottest::Launcher;

namespace {

const QByteArray L1 = R"("sv" "addbot" "noname1" "male/grunt" "bots/hunk_c.c" "hunk")";
const QByteArray L2 = R"("sv" "addbot" "Noname2" "female/athena" "bots/sparta_c.c" "spartacus")";
const QByteArray L3 = R"("sv" "addbot" "noname3" "cyborg/oni911" "bots/omicro_c.c" "omicron")";
const QString R1 = QStringLiteral("noname1 | male/grunt | hunk");
const QString R2 = QStringLiteral("Noname2 | female/athena | spartacus");
const QString R3 = QStringLiteral("noname3 | cyborg/oni911 | omicron");

QByteArray crlf(const QList<QByteArray>& lines)
{
    QByteArray out;
    for (const QByteArray& l : lines)
        out += l + "\r\n";
    return out;
}

class BotCfgBehaviour : public bottest::BotWindowTest {
protected:
    // bots.cfg holds the three bots above unless a test writes its own before start().
    void SetUp() override { write(QStringLiteral("bots.cfg"), crlf({ L1, L2, L3 })); }
    QByteArray botsCfg() const { return read(QStringLiteral("bots.cfg")); }
};

// --- Start-up ------------------------------------------------------------------------

TEST_F(BotCfgBehaviour, StartUpWithoutProfileShowsTheBotsOfBotsCfgAndOffersEveryCfgFile)
{
    write(QStringLiteral("zeta.cfg"), L1 + "\r\n");
    write(QStringLiteral("Other.cfg"), L3 + "\r\n");
    Launcher& l = start();
    EXPECT_TRUE(l.ui.messages.isEmpty()) << l.ui.messages.join('\n').toStdString();
    EXPECT_EQ(l.rows(), (QStringList { R1, R2, R3 }));
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 3 Bot(s) found ][ 0 are selected ]"));
    EXPECT_TRUE(l.tickedRows().isEmpty());
    EXPECT_EQ(l.highlightedRow(), -1);
    EXPECT_EQ(l.page->botfilename->currentText(), QStringLiteral("bots.cfg"));
    EXPECT_EQ(itemsOf(l.page->botfilename),
        (QStringList {
            QStringLiteral("bots.cfg"), QStringLiteral("Other.cfg"), QStringLiteral("zeta.cfg") }));
    // Filling the drop-down opened no other file.
    EXPECT_EQ(l.page->botList().fileName(), QStringLiteral("bots.cfg"));
    EXPECT_EQ(l.page->botList().size(), 3);
}

TEST_F(BotCfgBehaviour, ProfileNamingAnotherBotFileShowsItsBotsWithTheStoredSelection)
{
    write(QStringLiteral("other.cfg"), crlf({ L3, L1, L3 }));
    writeAll(file(QStringLiteral("default.tsf")),
        "[BotDataFile]\r\nFileName=other.cfg\r\n[SelectedBots]\r\nCount=1\r\nn1=noname3\r\n");
    Launcher& l = start();
    EXPECT_EQ(l.rows(), (QStringList { R3, R1, R3 }));
    EXPECT_EQ(l.page->botfilename->currentText(), QStringLiteral("other.cfg"));
    // Both bots of that name are selected, and the rows show it.
    EXPECT_EQ(l.selectedBots(), (QList<int> { 0, 2 }));
    EXPECT_EQ(l.tickedRows(), (QList<int> { 0, 2 }));
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 3 Bot(s) found ][ 2 are selected ]"));
}

// --- Toggling ------------------------------------------------------------------------

TEST_F(BotCfgBehaviour, DoubleClickTogglesTheBotUnderThePointer)
{
    Launcher& l = start();
    l.doubleClickRow(1);
    EXPECT_EQ(l.selectedBots(), QList<int> { 1 });
    EXPECT_EQ(l.tickedRows(), QList<int> { 1 });
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 3 Bot(s) found ][ 1 is selected ]"));
    tk::ExecSettings s;
    s = pagetest::gathered(*l.page, s);
    EXPECT_EQ(s.selectedBotLines, QList<QByteArray> { L2 });

    l.doubleClickRow(2);
    l.doubleClickRow(0);
    EXPECT_EQ(l.tickedRows(), (QList<int> { 0, 1, 2 }));
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 3 Bot(s) found ][ 3 are selected ]"));

    l.doubleClickRow(1);
    EXPECT_EQ(l.selectedBots(), (QList<int> { 0, 2 }));
    EXPECT_EQ(l.tickedRows(), (QList<int> { 0, 2 }));
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 3 Bot(s) found ][ 2 are selected ]"));
    // The selection is never written to the bot list file.
    EXPECT_EQ(botsCfg(), crlf({ L1, L2, L3 }));
}

TEST_F(BotCfgBehaviour, SingleClicksOnlyMoveTheHighlight)
{
    Launcher& l = start();
    l.clickRow(2);
    EXPECT_EQ(l.highlightedRow(), 2);
    l.clickRow(0);
    EXPECT_EQ(l.highlightedRow(), 0);
    EXPECT_TRUE(l.selectedBots().isEmpty());
    EXPECT_TRUE(l.tickedRows().isEmpty());
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 3 Bot(s) found ][ 0 are selected ]"));
}

TEST_F(BotCfgBehaviour, DoubleClickWithNoFocusedBotTogglesNothing)
{
    // Right after an open no bot has the focus (showing the tab gives the list the
    // keyboard focus, and Qt then makes the first row current: undo that here); a
    // double click beside the rows finds none.
    Launcher& l = start();
    l.list()->setCurrentIndex(QModelIndex());
    l.doubleClickBelowTheRows();
    EXPECT_TRUE(l.selectedBots().isEmpty());
    EXPECT_TRUE(l.tickedRows().isEmpty());
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 3 Bot(s) found ][ 0 are selected ]"));
}

// --- Pick Random # -------------------------------------------------------------------

TEST_F(BotCfgBehaviour, PickRandomSelectsThatManyDistinctBotsAndClampsTheField)
{
    const struct {
        const char* typed;
        int count;
        const char* field;
        const char* label;
    } cases[] = {
        { "7", 3, "3", "[ 3 Bot(s) found ][ 3 are selected ]" },
        { "0", 0, "0", "[ 3 Bot(s) found ][ 0 are selected ]" },
        { "-4", 0, "0", "[ 3 Bot(s) found ][ 0 are selected ]" },
        { "1", 1, "1", "[ 3 Bot(s) found ][ 1 is selected ]" },
        { "2", 2, "2", "[ 3 Bot(s) found ][ 2 are selected ]" },
        { "3", 3, "3", "[ 3 Bot(s) found ][ 3 are selected ]" },
    };
    Launcher& l = start();
    l.clickRow(1);
    // Selections made before are cleared by every pick.
    l.doubleClickRow(0);
    l.doubleClickRow(2);
    l.clickRow(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        l.page->SpinEdit3->setText(QString::fromLatin1(c.typed));
        l.press(l.page->SpeedButton30);
        EXPECT_EQ(l.selectedBots().size(), c.count);
        EXPECT_EQ(l.tickedRows(), l.selectedBots());
        EXPECT_EQ(l.page->SpinEdit3->text(), QLatin1String(c.field));
        EXPECT_EQ(l.countLabel(), QLatin1String(c.label));
        EXPECT_EQ(l.highlightedRow(), 1);
    }
}

TEST_F(BotCfgBehaviour, PickRandomReachesEveryBot)
{
    Launcher& l = start();
    l.page->SpinEdit3->setValue(1);
    QSet<int> picked;
    for (int i = 0; i < 60 && picked.size() < 3; ++i) {
        l.press(l.page->SpeedButton30);
        ASSERT_EQ(l.selectedBots().size(), 1);
        picked.insert(l.selectedBots().constFirst());
    }
    EXPECT_EQ(picked.size(), 3);
}

// --- Add Bot -------------------------------------------------------------------------

TEST_F(BotCfgBehaviour, AddTakesTheFirstFreeNameSavesAndOpensTheEditorOnIt)
{
    Launcher& l = start();
    const QByteArray added = R"("sv" "addbot" "noname2" "male/grunt" "bots/hunk_c.c" "hunk")";
    QByteArray fileWhileEditing;
    l.editorScript = [&](TForm3&) { fileWhileEditing = botsCfg(); };
    l.press(l.page->SpeedButton14);

    // "Noname2" differs in case, so noname2 is free.
    ASSERT_EQ(l.ui.modalDialogs.size(), 1);
    EXPECT_EQ(fileWhileEditing, crlf({ L1, L2, L3, added }));
    ASSERT_EQ(l.seen.size(), 1);
    EXPECT_EQ(l.seen[0].name, QStringLiteral("noname2"));
    EXPECT_EQ(l.seen[0].model, QStringLiteral("male"));
    EXPECT_EQ(l.seen[0].skin, QStringLiteral("grunt"));
    EXPECT_EQ(l.seen[0].profileFile, QStringLiteral("bots/hunk_c.c"));
    EXPECT_EQ(l.seen[0].profileName, QStringLiteral("hunk"));

    // Cancelling keeps the new bot, highlighted and unselected.
    EXPECT_TRUE(l.ui.messages.isEmpty()) << l.ui.messages.join('\n').toStdString();
    EXPECT_EQ(botsCfg(), crlf({ L1, L2, L3, added }));
    EXPECT_EQ(l.rows(), (QStringList { R1, R2, R3, QStringLiteral("noname2 | male/grunt | hunk") }));
    EXPECT_EQ(l.highlightedRow(), 3);
    EXPECT_TRUE(l.tickedRows().isEmpty());
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 4 Bot(s) found ][ 0 are selected ]"));
}

TEST_F(BotCfgBehaviour, AddFillsTheGapBetweenNames)
{
    write(QStringLiteral("bots.cfg"), crlf({ L1, L3 }));
    Launcher& l = start();
    l.press(l.page->SpeedButton14);
    EXPECT_EQ(botsCfg(), crlf({ L1, L3, R"("sv" "addbot" "noname2" "male/grunt" "bots/hunk_c.c" "hunk")" }));
    l.press(l.page->SpeedButton14);
    EXPECT_EQ(l.page->botList().entry(l.page->botList().size() - 1).name, QStringLiteral("noname4"));
    EXPECT_EQ(l.ui.modalDialogs.size(), 2);
}

TEST_F(BotCfgBehaviour, AddWithoutABotFileCreatesIt)
{
    QFile::remove(file(QStringLiteral("bots.cfg")));
    Launcher& l = start();
    l.ui.messages.clear(); // the profile load reports the missing file
    l.press(l.page->SpeedButton14);
    EXPECT_EQ(
        botsCfg(), QByteArray("\"sv\" \"addbot\" \"noname1\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n"));
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 1 Bot(s) found ][ 0 are selected ]"));
    EXPECT_TRUE(l.ui.messages.isEmpty());
}

TEST_F(BotCfgBehaviour, AddThenSavingTheEditorStoresTheEditedBot)
{
    Launcher& l = start();
    l.editorScript = [](TForm3& e) {
        e.Edit1->setText(QStringLiteral("Hunter"));
        QTest::mouseClick(e.BitBtn5, Qt::LeftButton);
    };
    l.press(l.page->SpeedButton14);
    EXPECT_EQ(
        botsCfg(), crlf({ L1, L2, L3, R"("sv" "addbot" "Hunter" "male/grunt" "bots/hunk_c.c" "hunk")" }));
    EXPECT_EQ(l.rows().last(), QStringLiteral("Hunter | male/grunt | hunk"));
}

// --- Edit Bot ------------------------------------------------------------------------

TEST_F(BotCfgBehaviour, EditReplacesTheHighlightedLineKeepsItsFlagAndLeavesOtherBytesAlone)
{
    // A Windows-1252 name that the rewrite must keep byte for byte.
    const QByteArray legacy = "\"sv\" \"addbot\" \"Jos\xe9\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"";
    write(QStringLiteral("bots.cfg"), crlf({ L1, L2, legacy }));
    Launcher& l = start();
    l.doubleClickRow(1);
    ASSERT_EQ(l.highlightedRow(), 1);
    l.editorScript = [](TForm3& e) {
        e.setValues(QStringLiteral("Zed"), QStringLiteral("female"), QStringLiteral("athena"),
            QStringLiteral("bots/stud_c.c"), QStringLiteral("stud"));
        QTest::mouseClick(e.BitBtn5, Qt::LeftButton);
    };
    l.press(l.page->SpeedButton15);

    const QByteArray edited = R"("sv" "addbot" "Zed" "female/athena" "bots/stud_c.c" "stud")";
    ASSERT_EQ(l.seen.size(), 1);
    EXPECT_EQ(l.seen[0].name, QStringLiteral("Noname2"));
    EXPECT_EQ(botsCfg(), crlf({ L1, edited, legacy }));
    EXPECT_EQ(l.rows()[1], QStringLiteral("Zed | female/athena | stud"));
    EXPECT_EQ(l.selectedBots(), QList<int> { 1 });
    EXPECT_EQ(l.tickedRows(), QList<int> { 1 });
    tk::ExecSettings s;
    s = pagetest::gathered(*l.page, s);
    EXPECT_EQ(s.selectedBotLines, QList<QByteArray> { edited });
    EXPECT_TRUE(l.ui.messages.isEmpty());
}

TEST_F(BotCfgBehaviour, EditWithoutHighlightOpensNothingAndCancelChangesNothing)
{
    // LF endings: any save would rewrite them as CR LF.
    write(QStringLiteral("bots.cfg"), L1 + "\n" + L2 + "\n");
    Launcher& l = start();
    l.press(l.page->SpeedButton15);
    EXPECT_TRUE(l.ui.modalDialogs.isEmpty());

    l.clickRow(0);
    l.editorScript = [](TForm3& e) { e.Edit1->setText(QStringLiteral("changed")); };
    l.press(l.page->SpeedButton15);
    EXPECT_EQ(l.ui.modalDialogs.size(), 1);
    EXPECT_EQ(l.rows(), (QStringList { R1, R2 }));
    EXPECT_EQ(botsCfg(), L1 + "\n" + L2 + "\n");
}

// --- Delete Bot ----------------------------------------------------------------------

TEST_F(BotCfgBehaviour, DeleteRemovesTheHighlightedBotAndKeepsTheOthersFlags)
{
    Launcher& l = start();
    l.doubleClickRow(2);
    l.clickRow(1);
    l.press(l.page->SpeedButton16);
    EXPECT_EQ(l.rows(), (QStringList { R1, R3 }));
    EXPECT_EQ(l.selectedBots(), QList<int> { 1 });
    EXPECT_EQ(l.tickedRows(), QList<int> { 1 });
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 2 Bot(s) found ][ 1 is selected ]"));
    EXPECT_EQ(botsCfg(), crlf({ L1, L3 }));
    EXPECT_EQ(l.highlightedRow(), -1);

    // Nothing is highlighted now: a second press deletes nothing.
    l.press(l.page->SpeedButton16);
    EXPECT_EQ(l.rows(), (QStringList { R1, R3 }));
    EXPECT_TRUE(l.ui.messages.isEmpty());
}

TEST_F(BotCfgBehaviour, DeleteWithoutHighlightStillRewritesTheFile)
{
    write(QStringLiteral("bots.cfg"), L1 + "\r\n\r\n" + L2 + "\n\n" + L3);
    Launcher& l = start();
    ASSERT_EQ(l.rows(), (QStringList { R1, R2, R3 }));
    l.press(l.page->SpeedButton16);
    EXPECT_EQ(l.rows(), (QStringList { R1, R2, R3 }));
    EXPECT_EQ(botsCfg(), crlf({ L1, L2, L3 }));
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 3 Bot(s) found ][ 0 are selected ]"));
}

// --- The bot list file box -----------------------------------------------------------

TEST_F(BotCfgBehaviour, TypingANewFileNameKeepsTheBotsAndAddWritesThemThere)
{
    write(QStringLiteral("bots.cfg"), crlf({ L1, L2 }));
    Launcher& l = start();
    l.doubleClickRow(0);
    l.typeBotFileName(QStringLiteral("new.cfg"));
    EXPECT_EQ(l.page->botList().fileName(), QStringLiteral("new.cfg"));
    EXPECT_EQ(l.rows(), (QStringList { R1, R2 }));
    EXPECT_EQ(l.selectedBots(), QList<int> { 0 });
    EXPECT_TRUE(l.ui.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("new.cfg"))));

    l.press(l.page->SpeedButton14);
    EXPECT_EQ(read(QStringLiteral("new.cfg")),
        crlf({ L1, L2, R"("sv" "addbot" "noname2" "male/grunt" "bots/hunk_c.c" "hunk")" }));
    EXPECT_EQ(botsCfg(), crlf({ L1, L2 }));
}

TEST_F(BotCfgBehaviour, ChoosingOrTypingAnExistingFileOpensItWithNoBotSelected)
{
    write(QStringLiteral("other.cfg"), crlf({ L3 }));
    Launcher& l = start();
    l.doubleClickRow(0);
    const int other = l.page->botfilename->findText(QStringLiteral("other.cfg"));
    ASSERT_GE(other, 0);
    l.page->botfilename->setCurrentIndex(other);
    EXPECT_EQ(l.rows(), QStringList { R3 });
    EXPECT_TRUE(l.selectedBots().isEmpty());
    EXPECT_TRUE(l.tickedRows().isEmpty());
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 1 Bot(s) found ][ 0 are selected ]"));

    l.typeBotFileName(QStringLiteral("bots.cfg"));
    EXPECT_EQ(l.rows(), (QStringList { R1, R2, R3 }));
    EXPECT_EQ(l.page->botfilename->currentText(), QStringLiteral("bots.cfg"));
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 3 Bot(s) found ][ 0 are selected ]"));
    EXPECT_TRUE(l.ui.messages.isEmpty());
}

// A bot list saved as UTF-16 by a Windows editor exists but holds NUL bytes: it is
// neither read nor replaced, and the user is told why rather than that it is missing.
TEST_F(BotCfgBehaviour, AFileThatIsNotPlainTextIsNamedSoAtLoadAndAtSave)
{
    QByteArray u16("\xFF\xFE", 2);
    for (const char c : crlf({ L3 }))
        u16 += QByteArray(1, c) + '\0';
    write(QStringLiteral("u16.cfg"), u16);
    writeAll(file(QStringLiteral("default.tsf")), "[BotDataFile]\r\nFileName=u16.cfg\r\n");
    const QString atLoad = QStringLiteral("The file u16.cfg is not a bot list file: it is not plain text.");
    Launcher& l = start();
    EXPECT_EQ(l.ui.messages, QStringList { atLoad });
    EXPECT_TRUE(l.rows().isEmpty());

    // Passing it while typing says nothing; choosing it from the drop-down does.
    l.typeBotFileName(QStringLiteral("bots.cfg"));
    l.typeBotFileName(QStringLiteral("u16.cfg"));
    EXPECT_EQ(l.ui.messages.size(), 1);
    l.typeBotFileName(QStringLiteral("bots.cfg"));
    l.chooseBotFileName(QStringLiteral("u16.cfg"));
    EXPECT_EQ(l.ui.messages, (QStringList { atLoad, atLoad }));
    EXPECT_EQ(l.page->botList().fileName(), QStringLiteral("u16.cfg"));
    EXPECT_EQ(l.rows(), (QStringList { R1, R2, R3 }));

    const QString atSave = atLoad + QStringLiteral(" The bots were not written to it.");
    l.press(l.page->SpeedButton14);
    l.clickRow(0);
    l.press(l.page->SpeedButton16);
    EXPECT_EQ(l.ui.messages, (QStringList { atLoad, atLoad, atSave, atSave }));
    EXPECT_TRUE(l.ui.modalDialogs.isEmpty());
    EXPECT_EQ(read(QStringLiteral("u16.cfg")), u16);
}

// A file too large to be a bot list is passed while a name is typed, named when chosen,
// and never read: the bots on screen stay.
TEST_F(BotCfgBehaviour, AFileTooLargeIsNamedWhenChosen)
{
    write(QStringLiteral("big.cfg"), QByteArray(16 * 1024 * 1024, 'x') + "\r\n");
    Launcher& l = start();
    l.typeBotFileName(QStringLiteral("big.cfg"));
    EXPECT_TRUE(l.ui.messages.isEmpty());
    l.typeBotFileName(QStringLiteral("bots.cfg"));
    l.chooseBotFileName(QStringLiteral("big.cfg"));
    EXPECT_EQ(l.ui.messages,
        QStringList {
            "The file big.cfg is too large to be a bot list file (17 MB; at most 16 MB are read)." });
    EXPECT_EQ(l.page->botList().fileName(), QStringLiteral("big.cfg"));
    EXPECT_EQ(l.rows(), (QStringList { R1, R2, R3 }));
}

// A line that carries a second console command is sent as it stands, and its row says so
// with a warning beside the profile and a hint of its own; a ";" inside quotes is none.
TEST_F(BotCfgBehaviour, ALineRunningSeveralCommandsIsMarkedAndSentAsItStands)
{
    const QByteArray two = R"("sv" "addbot" "x" "male/grunt" "bots/hunk_c.c" "hunk";quit)";
    const QByteArray quoted = R"("sv" "addbot" "a;b" "male/grunt" "bots/hunk_c.c" "hunk")";
    write(QStringLiteral("bots.cfg"), crlf({ L1, two, quoted }));
    Launcher& l = start();
    const qint64 warning = BotCfgPage::severalCommandsIcon().cacheKey();
    QList<int> warned;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (l.cell(row, column).data(Qt::DecorationRole).value<QIcon>().cacheKey() == warning)
                warned.append(row * 10 + column);
        }
    }
    EXPECT_EQ(warned, QList<int> { 12 }) << "the warning stands in the profile column of row 1 only";
    EXPECT_TRUE(l.tickedRows().isEmpty()); // every row keeps its selection icon

    const QString listHint
        = QStringLiteral(" Toggle which Bots to play against by double clicking (Space, Return)");
    QTest::mouseMove(l.list()->viewport(), l.rowCentre(0));
    EXPECT_EQ(l.form->Panel5->text(), listHint);
    QTest::mouseMove(l.list()->viewport(), l.rowCentre(1));
    EXPECT_EQ(l.form->Panel5->text(),
        QStringLiteral(
            " This line runs more than one console command: it is sent to the game as it stands."));
    QTest::mouseMove(l.list()->viewport(), l.rowCentre(2));
    EXPECT_EQ(l.form->Panel5->text(), listHint);

    l.doubleClickRow(1);
    tk::ExecSettings s;
    s = pagetest::gathered(*l.page, s);
    EXPECT_EQ(s.selectedBotLines, QList<QByteArray> { two });
}

TEST_F(BotCfgBehaviour, UnwritableBotFileShowsTheErrorAndAddDoesNotOpenTheEditor)
{
    // A directory where the bot list file should be: the rename onto it fails.
    QDir().mkpath(file(QStringLiteral("locked.cfg")));
    Launcher& l = start();
    l.typeBotFileName(QStringLiteral("locked.cfg"));
    EXPECT_TRUE(l.ui.messages.isEmpty());
    EXPECT_EQ(l.rows(), (QStringList { R1, R2, R3 }));

    l.press(l.page->SpeedButton14);
    ASSERT_EQ(l.ui.messages.size(), 1);
    EXPECT_TRUE(l.ui.messages[0].contains(QStringLiteral("locked.cfg"))) << l.ui.messages[0].toStdString();
    EXPECT_TRUE(l.ui.modalDialogs.isEmpty());
    // The bot stays in memory, highlighted and counted.
    EXPECT_EQ(l.rows().size(), 4);
    EXPECT_EQ(l.highlightedRow(), 3);
    EXPECT_EQ(l.countLabel(), QStringLiteral("[ 4 Bot(s) found ][ 0 are selected ]"));

    // Editing reports the same failure after the entry has changed.
    l.clickRow(0);
    l.editorScript = [](TForm3& e) {
        e.Edit1->setText(QStringLiteral("Renamed"));
        QTest::mouseClick(e.BitBtn5, Qt::LeftButton);
    };
    l.press(l.page->SpeedButton15);
    EXPECT_EQ(l.ui.messages.size(), 2);
    EXPECT_EQ(l.rows()[0], QStringLiteral("Renamed | male/grunt | hunk"));
    EXPECT_EQ(botsCfg(), crlf({ L1, L2, L3 }));
}

TEST_F(BotCfgBehaviour, SavingBelowAFileReportsTheError)
{
    // The launcher directory lies below a regular file, so nothing can be created there.
    ASSERT_TRUE(QDir(quake2).removeRecursively());
    writeAll(quake2, "not a directory");
    openWindow();
    ui.messages.clear();
    QTest::mouseClick(form->botCfgPage->SpeedButton14, Qt::LeftButton);
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.modalDialogs.isEmpty());
    EXPECT_EQ(form->botCfgPage->botList().size(), 1);
}

} // namespace
