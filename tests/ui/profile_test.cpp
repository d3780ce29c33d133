// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/usererror.h"
#include "app/ui/prefspage.h"
#include "app/ui/tform1.h"
#include "bots/ui/botcfgpage.h"
#include "launch/core/execfile.h"
#include "launch/core/gamestart.h"
#include "launch/core/prelaunchcheck.h"
#include "launch/ui/dmflagspage.h"
#include "maps/ui/mappage.h"
#include "player/ui/bindspage.h"
#include "player/ui/playerpage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/miscpage.h"
#include "profile/ui/profilestore.h"
#include "profile/ui/setuppage.h"
#include "support/files.h"
#include "support/mainwindow.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "widgets/colorswatch.h"
#include "widgets/spinedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class Profiles : public MainWindowTest {
protected:
    void SetUp() override
    {
        write(QStringLiteral("bots.cfg"), "");
        write(QStringLiteral("mybots.cfg"),
            "\"sv\" \"addbot\" \"Alpha\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n"
            "\"sv\" \"addbot\" \"Beta\" \"female/athena\" \"bots/bill_c.c\" \"bill\"\r\n"
            "\"sv\" \"addbot\" \"Gamma\" \"male/viper\" \"bots/zero_c.c\" \"zero\"\r\n");
        for (const char* map : { "q2dm1", "q2dm2" })
            write(QString::fromLatin1(map) + ".aas", "aas");
        openWindow(Shown::No);
    }
    void load(const QString& name) { form->profiles().load(file(name)); }
    void save(const QString& name) { form->profiles().save(file(name)); }
};

TEST_F(Profiles, EverySettingSurvivesALoadAndASaveInTheTableOrder)
{
    const QByteArray golden = readAll(TARRAKIND_TEST_GOLDEN "/profile_everything.tsf");
    writeAll(file("all.tsf"), golden);
    load(QStringLiteral("all.tsf"));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();

    // A few of the settings, each from another tab.
    EXPECT_EQ(form->gamePage->fraglimit->value(), 25);
    EXPECT_TRUE(form->gamePage->RadioButton5->isChecked());
    EXPECT_EQ(form->dmFlagsPage->dmflags->text(), "1040");
    EXPECT_FALSE(form->dmFlagsPage->CheckBox3->isChecked());
    EXPECT_EQ(form->miscPage->Memo1->toPlainText(), "set sv_gravity 600\necho \"hello\"");
    EXPECT_EQ(form->botCfgPage->botList().selectedNames(), (QStringList { "Alpha", "Gamma" }));
    EXPECT_EQ(form->mapPage->rotationFileName(), "duel.lst");
    EXPECT_EQ(form->bindsPage->bindRows().size(), 2);
    EXPECT_EQ(form->prefsPage->colortest->color(), QColor(0, 0, 255));
    EXPECT_FALSE(form->prefsPage->CheckBox50->isChecked());
    EXPECT_FALSE(form->prefsPage->CheckBox51->isChecked());
    EXPECT_TRUE(form->gamePage->CheckBox35->isChecked());
    EXPECT_FALSE(form->gamePage->CheckBox34->isChecked());
    EXPECT_EQ(form->setupPage->Panel23->text(), "all.tsf");
    EXPECT_EQ(form->PageControl1->currentWidget(), form->setupPage);

    save(QStringLiteral("copy.tsf"));
    EXPECT_EQ(readAll(file("copy.tsf")), golden);
    // The save writes the rotation file and the quick-load list file too.
    EXPECT_TRUE(QFile::exists(file("duel.lst")));
    EXPECT_TRUE(QFile::exists(file("quikload.ini")));
}

TEST_F(Profiles, AMissingProfileGivesEveryDefault)
{
    form->gamePage->fraglimit->setValue(77);
    form->dmFlagsPage->dmflags->setText(QStringLiteral("5"));
    load(QStringLiteral("nothing.tsf"));
    EXPECT_EQ(form->gamePage->fraglimit->value(), 150);
    EXPECT_EQ(form->dmFlagsPage->dmflags->text(), "280084");
    EXPECT_EQ(form->playerPage->SpinEdit2->value(), 50);
    EXPECT_EQ(form->mapPage->rotationFileName(), "maps.lst");
    EXPECT_EQ(form->profiles().currentPath(), file("nothing.tsf"));
    EXPECT_FALSE(QFile::exists(file("nothing.tsf")));
    // Saving then creates it there.
    save(QStringLiteral("nothing.tsf"));
    EXPECT_TRUE(QFile::exists(file("nothing.tsf")));
}

TEST_F(Profiles, LoadedNumbersArePulledIntoTheirRanges)
{
    writeAll(
        file("p.tsf"), "[ServerOptions]\r\nFragLimit=0\r\nTimeLimit=5000\r\n[RA]\r\nl1=5000\r\nl2=-3\r\n");
    load(QStringLiteral("p.tsf"));
    EXPECT_EQ(form->gamePage->fraglimit->value(), 1);
    EXPECT_EQ(form->gamePage->timelimit->value(), 999);
    EXPECT_EQ(form->gamePage->SpinEdit6->value(), 5000);
    EXPECT_EQ(form->gamePage->SpinEdit7->value(), -3);
}

TEST_F(Profiles, AnOldRotationFileNameIsReadButTheNewOneIsSaved)
{
    writeAll(file("maps.txt"), "q2dm3\r\nq2dm4\r\n");
    writeAll(file("p.tsf"), "[MapControl]\r\nRotation=1\r\n");
    load(QStringLiteral("p.tsf"));
    EXPECT_EQ(form->mapPage->rotationEntries(), (QList<QByteArray> { "q2dm3", "q2dm4" }));
    EXPECT_EQ(form->mapPage->rotationFileName(), "maps.lst");
    save(QStringLiteral("p.tsf"));
    EXPECT_EQ(readAll(file("maps.lst")), "q2dm3\r\nq2dm4\r\n");
}

TEST_F(Profiles, WithoutMapsTxtTheRotationComesFromMapsLstAndASaveKeepsIt)
{
    writeAll(file("maps.lst"), "q2dm5\r\nq2dm6\r\n");
    writeAll(file("p.tsf"), "[MapControl]\r\nRotation=1\r\n");
    for (const char* profile : { "default.tsf", "p.tsf" }) {
        SCOPED_TRACE(profile);
        form->mapPage->setRotationEntries({});
        load(QLatin1String(profile));
        EXPECT_EQ(form->mapPage->rotationEntries(), (QList<QByteArray> { "q2dm5", "q2dm6" }));
        EXPECT_EQ(form->mapPage->rotationFileName(), "maps.lst");
        save(QLatin1String(profile));
        EXPECT_EQ(readAll(file("maps.lst")), "q2dm5\r\nq2dm6\r\n");
    }
}

TEST_F(Profiles, FilesNamedInOtherLetterCaseAreUsedUnderTheirRealNames)
{
    writeAll(file("duel.lst"), "q2dm7\r\n");
    writeAll(
        file("p.tsf"), "[BotDataFile]\r\nFileName=MYBOTS.CFG\r\n[MapControl]\r\nRotationFile=DUEL.LST\r\n");
    load(QStringLiteral("p.tsf"));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
    EXPECT_EQ(form->botCfgPage->botList().size(), 3);
    EXPECT_EQ(form->mapPage->rotationEntries(), QList<QByteArray> { "q2dm7" });
    EXPECT_EQ(form->mapPage->rotationFileName(), "duel.lst");
}

TEST_F(Profiles, ModChoiceAndTeamsFollowTheLastTrueKey)
{
    writeAll(file("p.tsf"), "[GameMod]\r\nDM=1\r\nRA=1\r\n[CTF]\r\nt1=1\r\nt2=1\r\nt3=1\r\nt4=1\r\n");
    load(QStringLiteral("p.tsf"));
    EXPECT_TRUE(form->gamePage->RadioButton5->isChecked());
    EXPECT_FALSE(form->gamePage->RadioButton3->isChecked());
    EXPECT_TRUE(form->gamePage->RadioButton7->isChecked());
    EXPECT_TRUE(form->gamePage->CheckBox35->isChecked());
    EXPECT_FALSE(form->gamePage->CheckBox34->isChecked());
    EXPECT_TRUE(form->gamePage->CheckBox34->isEnabled());

    writeAll(file("none.tsf"), "[GameMod]\r\nDM=0\r\n[Demo]\r\nOverwrite=0\r\n");
    load(QStringLiteral("none.tsf"));
    for (QRadioButton* b : { form->gamePage->RadioButton3, form->gamePage->RadioButton4,
             form->gamePage->RadioButton5, form->gamePage->RadioButton8, form->gamePage->RadioButton9 })
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    EXPECT_EQ(form->gatherExecSettings().mod, tk::ModChoice::None);
    EXPECT_FALSE(form->miscPage->RadioButton1->isChecked());
    EXPECT_FALSE(form->miscPage->RadioButton2->isChecked());
    // And a save keeps them all unchecked.
    save(QStringLiteral("none.tsf"));
    EXPECT_TRUE(
        readAll(file("none.tsf")).contains("[GameMod]\r\nDM=0\r\nCTF=0\r\nRA=0\r\nXATRIX=0\r\nROGUE=0\r\n"));
}

TEST_F(Profiles, RedAndBlueAreEnabledExactlyWhileBotsAreForcedOntoATeam)
{
    GamePage* game = form->gamePage;
    auto expectColoursFollowForcing = [game](const char* when) {
        EXPECT_EQ(game->CheckBox34->isEnabled(), game->RadioButton7->isChecked()) << when;
        EXPECT_EQ(game->CheckBox35->isEnabled(), game->RadioButton7->isChecked()) << when;
    };
    const struct {
        const char* ctf;
        bool forced;
    } loads[] = {
        { "t1=0\r\nt2=1\r\n", true },
        { "t1=0\r\nt2=0\r\n", false }, // neither team option checked
        { "t1=1\r\nt2=0\r\n", false },
        { "t1=0\r\nt2=1\r\n", true },
        { "t1=1\r\nt2=1\r\n", true },
        { "t1=0\r\nt2=0\r\n", false },
    };
    for (const auto& l : loads) {
        writeAll(file("p.tsf"), QByteArray("[CTF]\r\n") + l.ctf);
        load(QStringLiteral("p.tsf"));
        EXPECT_EQ(game->RadioButton7->isChecked(), l.forced) << l.ctf;
        expectColoursFollowForcing(l.ctf);
    }
    // The user's choices from there on.
    game->RadioButton7->click();
    expectColoursFollowForcing("forced by the user");
    EXPECT_TRUE(game->CheckBox34->isEnabled());
    game->RadioButton6->click();
    expectColoursFollowForcing("auto-assigned by the user");
    EXPECT_FALSE(game->CheckBox34->isEnabled());
}

TEST_F(Profiles, ListsReadOnlyTheirCountAndKeepLeftoversOnSave)
{
    writeAll(file("p.tsf"),
        "[Additional]\r\nCount=3\r\nn0=\"quoted\"\r\nn2=  padded  \r\nn3=beyond\r\n"
        "[Binds]\r\nCount=3\r\nn0=\"\"F1\" \"say \"hi\"\"\"\r\nn2=\"\"a\" \"b\"\"\r\n");
    load(QStringLiteral("p.tsf"));
    EXPECT_EQ(form->miscPage->Memo1->toPlainText(), "quoted\n\npadded");
    const QList<tk::BindRow> binds = form->bindsPage->bindRows();
    ASSERT_EQ(binds.size(), 3);
    EXPECT_EQ(binds[0], (tk::BindRow { "F1", "say " })); // cut at the quote in the command
    EXPECT_EQ(binds[1], (tk::BindRow { "", "" })); // a missing item
    EXPECT_EQ(binds[2], (tk::BindRow { "a", "b" }));

    form->miscPage->Memo1->setPlainText(QStringLiteral("one"));
    save(QStringLiteral("p.tsf"));
    const QByteArray saved = readAll(file("p.tsf"));
    EXPECT_TRUE(saved.contains("[Additional]\r\nCount=1\r\nn0=one\r\nn2=  padded  \r\nn3=beyond\r\n"))
        << saved.data();
    load(QStringLiteral("p.tsf"));
    EXPECT_EQ(form->miscPage->Memo1->toPlainText(), "one");
}

TEST_F(Profiles, AdditionalCommandsAreKeptExactlyAsLoaded)
{
    // No-break spaces in Windows-1252 and in UTF-8, a line separator and a paragraph
    // separator: characters a plain-text view of the memo would turn into others.
    const QByteArray additional = "[Additional]\r\nCount=5\r\n"
                                  "n0=say a\xA0"
                                  "b\r\n"
                                  "n1=say caf\xE9\xA0ok\r\n"
                                  "n2=say c\xC2\xA0"
                                  "d\r\n"
                                  "n3=echo x\xE2\x80\xA8y\r\n"
                                  "n4=echo p\xE2\x80\xA9q\r\n";
    writeAll(file("p.tsf"), additional);
    load(QStringLiteral("p.tsf"));
    EXPECT_EQ(form->miscPage->Memo1->blockCount(), 5);

    const QByteArray tark = tk::generateExecFile(form->gatherExecSettings(), form->paths());
    EXPECT_TRUE(tark.contains("//Additional Parms.\r\n"
                              "say a\xC2\xA0"
                              "b\r\n"
                              "say caf\xC3\xA9\xC2\xA0ok\r\n"
                              "say c\xC2\xA0"
                              "d\r\n"
                              "echo x\xE2\x80\xA8y\r\n"
                              "echo p\xE2\x80\xA9q\r\n\r\n"))
        << tark.data();

    save(QStringLiteral("p.tsf"));
    EXPECT_TRUE(readAll(file("p.tsf")).startsWith(additional));

    // A line the user edits is written anew; the others keep their bytes.
    QTextCursor cursor(form->miscPage->Memo1->document()->firstBlock());
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral("!"));
    save(QStringLiteral("p.tsf"));
    QByteArray edited = additional;
    edited.replace("n0=say a\xA0"
                   "b\r\n",
        "n0=say a\xC2\xA0"
        "b!\r\n");
    EXPECT_TRUE(readAll(file("p.tsf")).startsWith(edited));
}

// The profile reader keeps 1,023 characters of a value: the check names the line as cut
// until the user changes it.
TEST_F(Profiles, AnAdditionalCommandTheReaderCutIsNamedAsCut)
{
    writeAll(file("p.tsf"),
        "[Additional]\r\nCount=2\r\nn0=echo ok\r\nn1=say \"" + QByteArray(1112, 'x') + "\"\r\n");
    load(QStringLiteral("p.tsf"));
    const auto findings = [&] {
        const tk::ExecSettings s = form->gatherExecSettings();
        QStringList texts;
        for (const tk::LaunchFinding& f :
            tk::checkLaunch(s, tk::generateExecFile(s, form->paths()), form->paths()))
            texts.append(f.text);
        return texts;
    };
    EXPECT_EQ(form->gatherExecSettings().cutAdditionalLines, QList<qsizetype> { 1 });
    ASSERT_EQ(findings().size(), 1);
    EXPECT_TRUE(findings()[0].startsWith("Line 2 of the additional commands")) << findings()[0].toStdString();
    EXPECT_TRUE(findings()[0].contains("first 1,023 characters; a double quote without its pair"));
    // The user closes the quote in place of the last character.
    QTextCursor cursor(form->miscPage->Memo1->document()->lastBlock());
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.deletePreviousChar();
    cursor.insertText(QStringLiteral("\""));
    EXPECT_EQ(form->gatherExecSettings().cutAdditionalLines, QList<qsizetype> {});
    EXPECT_EQ(findings(), QStringList {});
}

TEST_F(Profiles, SelectionsThatCannotBeSavedLeaveTheStoredOnes)
{
    writeAll(file("p.tsf"), "[SelectedBots]\r\nCount=1\r\nn1=Somebody\r\n[MapControl]\r\nSelected=q2dm7\r\n");
    // The bot list is empty (bots.cfg is) and no map is selected.
    load(QStringLiteral("p.tsf"));
    save(QStringLiteral("p.tsf"));
    const QByteArray saved = readAll(file("p.tsf"));
    EXPECT_TRUE(saved.contains("[SelectedBots]\r\nCount=1\r\nn1=Somebody\r\n")) << saved.data();
    EXPECT_TRUE(saved.contains("Selected=q2dm7\r\n")) << saved.data();
}

TEST_F(Profiles, SelectedBotNamesMatchExactlyAndMaySelectSeveral)
{
    writeAll(file("two.cfg"),
        "\"sv\" \"addbot\" \"Twin\" \"m/s\" \"f\" \"p\"\r\n\"sv\" \"addbot\" \"twin\" \"m/s\" \"f\" \"p\"\r\n"
        "\"sv\" \"addbot\" \"Twin\" \"m/s\" \"f\" \"p\"\r\n");
    writeAll(file("p.tsf"),
        "[BotDataFile]\r\nFileName=two.cfg\r\n[SelectedBots]\r\nCount=3\r\nn1=Twin\r\nn2=\r\nn3=Nobody\r\n");
    load(QStringLiteral("p.tsf"));
    EXPECT_TRUE(ui.messages.isEmpty());
    const tk::BotList& bots = form->botCfgPage->botList();
    ASSERT_EQ(bots.size(), 3);
    EXPECT_TRUE(bots.isSelected(0));
    EXPECT_FALSE(bots.isSelected(1));
    EXPECT_TRUE(bots.isSelected(2));
    EXPECT_EQ(form->botCfgPage->Label1->text(), "[ 3 Bot(s) found ][ 2 are selected ]");
}

TEST_F(Profiles, AMissingBotListFileIsReportedAndTheBotsStay)
{
    writeAll(file("a.tsf"), "[BotDataFile]\r\nFileName=mybots.cfg\r\n");
    load(QStringLiteral("a.tsf"));
    writeAll(file("b.tsf"),
        "[BotDataFile]\r\nFileName=C:\\Quake2\\TK\\gone.cfg\r\n[SelectedBots]\r\nCount=1\r\nn1=Beta\r\n");
    ui.messages.clear();
    load(QStringLiteral("b.tsf"));
    EXPECT_EQ(ui.messages, QStringList { "Error: Could not locate file gone.cfg" });
    EXPECT_EQ(form->botCfgPage->botList().size(), 3);
    EXPECT_EQ(form->botCfgPage->botList().fileName(), "gone.cfg");
    EXPECT_EQ(form->botCfgPage->botList().selectedNames(), QStringList { "Beta" });
}

TEST_F(Profiles, ABadFlagTotalStopsTheLoadThere)
{
    form->playerPage->Edit2->setText(QStringLiteral("before"));
    form->setupPage->CheckBox23->setChecked(true);
    writeAll(file("bad.tsf"),
        "[ServerOptions]\r\nFragLimit=42\r\nDMFlags=12x\r\nMinPlayers=1\r\n[Player]\r\nName=after\r\n");
    EXPECT_THROW(load(QStringLiteral("bad.tsf")), tk::UserError);
    try {
        load(QStringLiteral("bad.tsf"));
    } catch (const tk::UserError& e) {
        EXPECT_EQ(e.message(), "'12x' is not a valid integer value");
    }
    EXPECT_EQ(form->gamePage->fraglimit->value(), 42); // before the flags: applied
    EXPECT_EQ(form->dmFlagsPage->dmflags->text(), "12x"); // the text itself is set
    EXPECT_FALSE(form->dmFlagsPage->CheckBox33->isChecked()); // after: not
    EXPECT_EQ(form->playerPage->Edit2->text(), "before");
    EXPECT_TRUE(form->setupPage->CheckBox23->isChecked()); // the bar was not rebuilt
}

TEST_F(Profiles, DamagedFilesLoadWithDefaults)
{
    QByteArray garbage;
    for (int i = 0; i < 65536; ++i)
        garbage += char((i * 7919) & 0xFF);
    const QList<QByteArray> files {
        garbage,
        QByteArray(10 * 1024 * 1024, 'x'),
        QByteArray("[ServerOptions]\0FragLimit=20\r\n", 30),
        "[ServerOptions]\r\nFragLimit=20",
        "[ServerOptions]\rFragLimit=20\r",
        "[ServerOptions]\r\nFragLimit=20\r\n[ServerOptions]\r\nFragLimit=30\r\nTimeLimit=40\r\n",
    };
    for (const QByteArray& data : files) {
        writeAll(file("d.tsf"), data);
        load(QStringLiteral("d.tsf"));
        EXPECT_EQ(form->playerPage->SpinEdit2->value(), 50);
        EXPECT_EQ(form->gamePage->timelimit->value(), 30); // the second section is not seen
    }
    EXPECT_EQ(form->gamePage->fraglimit->value(), 20);
}

TEST_F(Profiles, ARefusedSaveLeavesTheOldFile)
{
    // A path below a regular file cannot be written, even by root.
    writeAll(file("blocker"), "");
    EXPECT_THROW(save(QStringLiteral("blocker/p.tsf")), tk::UserError);
    try {
        save(QStringLiteral("blocker/p.tsf"));
    } catch (const tk::UserError& e) {
        EXPECT_THAT(e.message(), IsWriteError("Unable to write to ", file("blocker/p.tsf")));
    }
    // A directory where the profile should be: the save fails, nothing else changes.
    QDir(dir).mkdir(QStringLiteral("dir.tsf"));
    EXPECT_THROW(save(QStringLiteral("dir.tsf")), tk::UserError);
}

TEST_F(Profiles, SaveOnCloseWritesTheProfileAndTheRotation)
{
    load(QStringLiteral("closing.tsf"));
    form->prefsPage->CheckBox26->setChecked(true);
    form->mapPage->setRotationEntries({ "q2dm8" });
    form->close();
    EXPECT_TRUE(readAll(file("closing.tsf")).contains("SaveOnClose=1"));
    EXPECT_EQ(readAll(file("maps.lst")), "q2dm8\r\n");
}

} // namespace

namespace {

TEST_F(Profiles, AnAbsurdListCountIsCapped)
{
    writeAll(file("p.tsf"), "[Additional]\r\nCount=2147483647\r\nn0=first\r\n[Binds]\r\nCount=999999999\r\n");
    load(QStringLiteral("p.tsf"));
    EXPECT_EQ(form->miscPage->Memo1->toPlainText().split('\n').size(), 10000);
    EXPECT_TRUE(form->miscPage->Memo1->toPlainText().startsWith("first\n"));
    EXPECT_EQ(form->bindsPage->bindRows().size(), 10000);
}

TEST_F(Profiles, ACloseWhoseSaveFailsOffersToCloseWithoutSaving)
{
    form->show();
    form->profiles().setCurrentPath(file("blocker/p.tsf"));
    writeAll(file("blocker"), "");
    form->prefsPage->CheckBox26->setChecked(true);

    ui.choiceAnswers.enqueue(1); // Cancel
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(ui.questions.size(), 1);
    EXPECT_THAT(
        ui.questions[0].text.section('\n', 0, 0), IsWriteError("Unable to write to ", file("blocker/p.tsf")));
    EXPECT_EQ(ui.questions[0].buttons, (QStringList { "Close without Saving", "Cancel" }));

    ui.choiceAnswers.enqueue(0);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(ui.questions.size(), 2);
    EXPECT_TRUE(ui.messages.isEmpty());
}

// Names of files that a profile or the quick-load list gives reach only the launcher
// directory: Save, LAUNCH! and the save on close write nothing elsewhere; each refused
// name is told once, and its setting taken as missing.
TEST_F(Profiles, NamesFromOtherPlayersFilesNeverLeadOutOfTheLauncherDirectory)
{
    const QString victim = root.filePath(QStringLiteral("victim"));
    writeAll(victim, QByteArray("keep\0this\n", 10));
    ASSERT_TRUE(QFile::link(victim, file("linked.cfg")));
    writeAll(root.filePath(QStringLiteral("quake2/quake2")), "");
    writeAll(file("s.tsf"),
        "[BotDataFile]\r\nFileName=linked.cfg\r\n[MapControl]\r\nRotation=1\r\nRotationFile=../../victim\r\n"
        "[Quake2 Setup]\r\nEXE=../../../bin/sh\r\n");
    writeAll(file("quikload.ini"), "[QuikLoad]\r\nNumber=2\r\nn0=../../victim\r\nn1=duel\r\n");
    ui.messages.clear();
    load(QStringLiteral("s.tsf"));
    ASSERT_EQ(ui.messages.size(), 4) << ui.messages.join('\n').toStdString();
    for (const char* told :
        { "s.tsf names \"linked.cfg\" as [BotDataFile] FileName, which is not used: it is a link",
            "s.tsf names \"../../victim\" as [MapControl] RotationFile, which is not used: it holds a "
            "directory part",
            "s.tsf names \"../../../bin/sh\" as [Quake2 Setup] EXE, which is not used: it leads out",
            "quikload.ini names \"../../victim.tsf\" as [QuikLoad] n0" })
        EXPECT_TRUE(ui.messages.filter(QString::fromUtf8(told)).size() == 1) << told;
    EXPECT_EQ(form->botCfgPage->botList().fileName(), "bots.cfg");
    EXPECT_EQ(form->mapPage->rotationFileName(), "maps.lst");
    EXPECT_EQ(form->setupPage->exefile->text(), tk::defaultExecutableName());
    EXPECT_EQ(form->setupPage->quickLoadCaptions(), (QStringList { "x", "duel" }));

    form->prefsPage->CheckBox50->setChecked(false);
    EXPECT_TRUE(form->launch());
    save(QStringLiteral("s.tsf"));
    load(QStringLiteral("s.tsf"));
    form->prefsPage->CheckBox26->setChecked(true);
    form->close();
    EXPECT_EQ(ui.messages.size(), 4) << "each is told once a run";
    EXPECT_EQ(readAll(victim), QByteArray("keep\0this\n", 10));
    EXPECT_TRUE(QFile::exists(file("maps.lst")));
}

} // namespace
