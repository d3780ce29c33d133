// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/ui/tform3.h"
#include "imaging/ui/imageview.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString nameMissing = QStringLiteral("You must specify a Bot Name");
const QString modelMissing = QStringLiteral("You must specify a Bot Model");
const QString skinMissing = QStringLiteral("You must specify a Bot Skin");
const QString profileMissing = QStringLiteral("You must specify a Bot Profile");

class BotEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor.setInteraction(&ui);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }

    void save() { QTest::mouseClick(editor.BitBtn5, Qt::LeftButton); }

    ScriptedInteraction ui;
    TForm3 editor;
};

TEST_F(BotEditor, SavingWithEveryFieldEmptyShowsTheFourMessagesInOrderAndStaysOpen)
{
    editor.setValues({}, {}, {}, {}, {});
    save();
    EXPECT_EQ(ui.messages, (QStringList { nameMissing, modelMissing, skinMissing, profileMissing }));
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Rejected);
}

TEST_F(BotEditor, EachEmptyValueGivesOnlyItsOwnMessage)
{
    const struct {
        QString name, model, skin, file, profile;
        QString message;
    } cases[] = {
        { "", "male", "grunt", "bots/hunk_c.c", "hunk", nameMissing },
        { "Bob", "", "grunt", "bots/hunk_c.c", "hunk", modelMissing },
        { "Bob", "male", "", "bots/hunk_c.c", "hunk", skinMissing },
        { "Bob", "male", "grunt", "bots/hunk_c.c", "", profileMissing },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        ui.messages.clear();
        editor.setValues(c.name, c.model, c.skin, c.file, c.profile);
        save();
        EXPECT_EQ(ui.messages, QStringList { c.message });
        EXPECT_TRUE(editor.isVisible());
    }
}

TEST_F(BotEditor, CompleteValuesCloseTheDialogAsTyped)
{
    // The profile file may stay empty; nothing is trimmed.
    editor.setValues({}, {}, {}, {}, {});
    QTest::keyClicks(editor.Edit1, QStringLiteral(" Bob "));
    QTest::keyClicks(editor.ComboBox2, QStringLiteral("male"));
    QTest::keyClicks(editor.ComboBox3, QStringLiteral("grunt"));
    QTest::keyClicks(editor.ComboBox1, QStringLiteral("hunk "));
    save();
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(editor.botName(), QStringLiteral(" Bob "));
    EXPECT_EQ(editor.botModel(), QStringLiteral("male"));
    EXPECT_EQ(editor.botSkin(), QStringLiteral("grunt"));
    EXPECT_EQ(editor.profileFile(), QString());
    EXPECT_EQ(editor.profileName(), QStringLiteral("hunk "));
}

TEST_F(BotEditor, CancelClosesWithoutAccepting)
{
    editor.setValues(QStringLiteral("Bob"), QStringLiteral("male"), QStringLiteral("grunt"),
        QStringLiteral("bots/hunk_c.c"), QStringLiteral("hunk"));
    QTest::mouseClick(editor.BitBtn6, Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Rejected);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(BotEditor, ProfileFilesAreOfferedInTableOrder)
{
    const QStringList files { "bots/hunk_c.c", "bots/bill_c.c", "bots/java_c.c", "bots/omicro_c.c",
        "bots/laura_c.c", "bots/luuzr_c.c", "bots/maxine_c.c", "bots/bitch_c.c", "bots/no9_c.c",
        "bots/player_c.c", "bots/reaper_c.c", "bots/messia_c.c", "bots/babe_c.c", "bots/sparta_c.c",
        "bots/stud_c.c", "bots/trash_c.c", "bots/byte_c.c", "bots/zero_c.c" };
    QStringList offered;
    for (int i = 0; i < editor.ComboBox4->count(); ++i)
        offered << editor.ComboBox4->itemText(i);
    EXPECT_EQ(offered, files);
    EXPECT_EQ(editor.ComboBox1->count(), 0);
}

TEST_F(BotEditor, ChoosingAProfileFileSetsItsProfileName)
{
    const struct {
        int index;
        const char* profile;
    } cases[] = { { 0, "hunk" }, { 3, "omicron" }, { 11, "messiah" }, { 13, "spartacus" }, { 17, "zero" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        editor.setValues(QStringLiteral("Bob"), {}, {}, {}, QStringLiteral("before"));
        editor.ComboBox4->setCurrentIndex(c.index);
        EXPECT_EQ(editor.profileName(), QString::fromLatin1(c.profile));
    }
}

TEST_F(BotEditor, TypedProfileFileSetsTheNameOnlyOnAnExactMatch)
{
    const struct {
        const char* typed;
        const char* profile;
    } cases[] = {
        { "bots/sparta_c.c", "spartacus" },
        { "bots/Sparta_c.c", "before" },
        { "bots/sparta_c", "before" },
        { " bots/sparta_c.c", "before" },
        { "anything", "before" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        editor.setValues(QStringLiteral("Bob"), {}, {}, {}, QStringLiteral("before"));
        editor.ComboBox4->setFocus();
        QTest::keyClicks(editor.ComboBox4, QString::fromLatin1(c.typed));
        EXPECT_EQ(editor.profileFile(), QString::fromLatin1(c.typed));
        EXPECT_EQ(editor.profileName(), QString::fromLatin1(c.profile));
    }
}

TEST_F(BotEditor, SettingTheValuesRunsNoChangeRule)
{
    editor.setValues(QStringLiteral("Bob"), QStringLiteral("male"), QStringLiteral("grunt"),
        QStringLiteral("bots/sparta_c.c"), QStringLiteral("custom"));
    EXPECT_EQ(editor.profileFile(), QStringLiteral("bots/sparta_c.c"));
    EXPECT_EQ(editor.profileName(), QStringLiteral("custom"));
}

TEST_F(BotEditor, PartsOfTheDialogSetTheirStatusHints)
{
    enum class Act { Move, Click, Release };
    const struct {
        QWidget* part;
        Act act;
        const char* hint;
    } cases[] = {
        { editor.Edit1, Act::Move, "Name of Bot" },
        { editor.modelPanel, Act::Move, "Select the Model the Bot uses" },
        { editor.modelPanel, Act::Click, "Model of Bot" },
        { editor.namePanel, Act::Click, "Name of Bot" },
        { editor.skinPanel, Act::Release, "Select the Skin the Bot uses" },
        { editor.filePanel, Act::Move, "Select the source C file Bot info. is in" },
        { editor.profilePanel, Act::Move, "Select the Bot's profile / behaviour" },
        { editor.profilePanel, Act::Click, "The Bot profile / behaviour" },
        { editor.preview, Act::Move, "Preview window for Bot's Skin" },
        { editor.BitBtn2, Act::Move, "Click to generate Bot with random Model and Skin" },
        { editor.BitBtn3, Act::Move, "Click to refresh / reload Skin preview" },
        { editor.BitBtn6, Act::Move, "Cancel and Close without saving changes" },
        { editor.BitBtn5, Act::Move, "Save Bot changes and Close window" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hint);
        // Start each case from another text so that a part that sets nothing is caught.
        editor.hintPanel->setText(QStringLiteral("-"));
        switch (c.act) {
        case Act::Move:
            QTest::mouseMove(c.part);
            break;
        case Act::Click:
            QTest::mouseClick(c.part, Qt::LeftButton);
            break;
        case Act::Release:
            QTest::mousePress(c.part, Qt::RightButton);
            QTest::mouseRelease(c.part, Qt::RightButton);
            break;
        }
        EXPECT_EQ(editor.statusHint(), QString::fromLatin1(c.hint));
    }
}

TEST_F(BotEditor, TheBackgroundShowsTheEditorCredit)
{
    // A point of the client panel between the title and the first label panel.
    const QPoint gap(editor.namePanel->x() + 2, editor.namePanel->y() - 1);
    QTest::mouseMove(editor.Panel1, gap);
    EXPECT_TRUE(editor.statusHint().startsWith(QStringLiteral("Tarrakind Bot-Ed")));
    EXPECT_GT(editor.statusHint().size(), QStringLiteral("Tarrakind Bot-Ed").size());
}

TEST_F(BotEditor, PartsWithoutAMoveHintLeaveTheHintAlone)
{
    for (QWidget* part : { static_cast<QWidget*>(editor.namePanel), static_cast<QWidget*>(editor.skinPanel),
             static_cast<QWidget*>(editor.ComboBox2), static_cast<QWidget*>(editor.ComboBox4),
             static_cast<QWidget*>(editor.versionPanel) }) {
        SCOPED_TRACE(part->objectName().toStdString());
        editor.hintPanel->setText(QStringLiteral("kept"));
        QTest::mouseMove(part);
        EXPECT_EQ(editor.statusHint(), QStringLiteral("kept"));
    }
}

} // namespace
