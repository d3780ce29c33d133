// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/ui/tform4.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "ui/clickhelpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString notFilledIn = QStringLiteral("Error: Some fields not correctly filled in");

QStringList items(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

class BindEntry : public ::testing::Test {
protected:
    void SetUp() override
    {
        entry.setInteraction(&ui);
        entry.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&entry));
    }

    void apply() { QTest::mouseClick(entry.SpeedButton1, Qt::LeftButton); }

    ScriptedInteraction ui;
    TForm4 entry;
};

TEST_F(BindEntry, AddPreparesANewRowWithF1)
{
    entry.prepareEdit(4, QStringLiteral("x"), QStringLiteral("quit"));
    entry.prepareAdd();
    EXPECT_EQ(entry.keyText(), QStringLiteral("F1"));
    EXPECT_EQ(entry.commandText(), QString());
    EXPECT_EQ(entry.target(), std::nullopt);
    EXPECT_EQ(entry.itemnum->text(), QStringLiteral("New"));
    EXPECT_FALSE(entry.itemnum->isVisible());
    EXPECT_EQ(entry.SpeedButton1->text(), QStringLiteral("Add to List"));
}

TEST_F(BindEntry, EditPreparesTheRowsTexts)
{
    entry.prepareAdd();
    entry.prepareEdit(2, QStringLiteral("KP_5"), QStringLiteral("autocam"));
    EXPECT_EQ(entry.keyText(), QStringLiteral("KP_5"));
    EXPECT_EQ(entry.commandText(), QStringLiteral("autocam"));
    EXPECT_EQ(entry.target(), std::optional<int>(2));
    EXPECT_EQ(entry.itemnum->text(), QStringLiteral("2"));
    EXPECT_EQ(entry.SpeedButton1->text(), QStringLiteral("Make Changes"));
    entry.prepareEdit(0, QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_EQ(entry.target(), std::optional<int>(0));
}

TEST_F(BindEntry, ApplyingWithAnEmptyFieldShowsTheMessageAndStaysOpen)
{
    const struct {
        const char* key;
        const char* command;
    } cases[] = { { "F2", "" }, { "", "cyclecam" }, { "", "" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "|" + c.command);
        ui.messages.clear();
        entry.prepareAdd();
        retype(entry.ComboBox1, QString::fromLatin1(c.key));
        retype(entry.edit1, QString::fromLatin1(c.command));
        apply();
        EXPECT_EQ(ui.messages, QStringList { notFilledIn });
        EXPECT_TRUE(entry.isVisible());
        EXPECT_EQ(entry.result(), QDialog::Rejected);
    }
}

TEST_F(BindEntry, AddUnchangedIsRefusedForTheEmptyCommand)
{
    entry.prepareAdd();
    apply();
    EXPECT_EQ(ui.messages, QStringList { notFilledIn });
    EXPECT_TRUE(entry.isVisible());
}

TEST_F(BindEntry, ApplyAcceptsTheTextsAsTyped)
{
    const struct {
        const char* key;
        const char* command;
    } cases[] = { { "F2", "cyclecam" }, { "F1 ", "quit" }, { "NOSUCHKEY", " say hello " } };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "|" + c.command);
        ui.messages.clear();
        entry.prepareAdd();
        entry.show();
        retype(entry.ComboBox1, QString::fromLatin1(c.key));
        retype(entry.edit1, QString::fromLatin1(c.command));
        apply();
        EXPECT_TRUE(ui.messages.isEmpty());
        EXPECT_FALSE(entry.isVisible());
        EXPECT_EQ(entry.result(), QDialog::Accepted);
        EXPECT_EQ(entry.keyText(), QString::fromLatin1(c.key));
        EXPECT_EQ(entry.commandText(), QString::fromLatin1(c.command));
        EXPECT_EQ(entry.target(), std::nullopt);
    }
}

TEST_F(BindEntry, ChoosingFromTheListsGivesTheItemTexts)
{
    entry.prepareEdit(1, QStringLiteral("x"), QStringLiteral("y"));
    entry.ComboBox1->setCurrentIndex(1);
    entry.edit1->setCurrentIndex(2);
    apply();
    EXPECT_EQ(entry.keyText(), QStringLiteral("F2"));
    EXPECT_EQ(entry.commandText(), QStringLiteral("cyclecam"));
    EXPECT_EQ(entry.target(), std::optional<int>(1));
    EXPECT_EQ(entry.result(), QDialog::Accepted);
}

TEST_F(BindEntry, CancelRejects)
{
    entry.prepareEdit(3, QStringLiteral("F5"), QStringLiteral("observer"));
    QTest::mouseClick(entry.SpeedButton2, Qt::LeftButton);
    EXPECT_FALSE(entry.isVisible());
    EXPECT_EQ(entry.result(), QDialog::Rejected);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST(BindEntryLists, OfferTheKeysAndCommandsInOrder)
{
    QStringList keys { "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12" };
    keys << QStringList { "1", "2", "3", "4", "5", "6", "7", "8", "9", "0" };
    keys << QStringList { "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q",
        "r", "s", "t", "u", "v", "w", "x", "y", "z" };
    keys << QStringList { "-", "=", "[", "]", ";", "'", "`", ",", ".", "\\", "/" };
    keys << QStringList { "SHIFT", "SPACE", "ENTER", "CTRL", "ALT", "INS", "DEL", "HOME", "END", "PGUP",
        "PGDN", "*" };
    keys << QStringList { "KP_MINUS", "KP_PLUS", "KP_ENTER", "KP_HOME", "KP_UPARROW", "KP_PGUP",
        "KP_LEFTARROW", "KP_5", "KP_RIGHTARROW", "KP_END", "KP_DOWNARROW", "KP_PGDN", "KP_INS", "KP_DEL" };
    ASSERT_EQ(keys.size(), 85);
    const QStringList commands { "observer", "observerhelp", "cyclecam", "autocam", "teamhelp",
        "teamaccompany", "mstart", "mstop", "quit" };

    TForm4 entry;
    EXPECT_EQ(items(entry.ComboBox1), keys);
    EXPECT_EQ(items(entry.edit1), commands);
    EXPECT_EQ(entry.ComboBox1->maxVisibleItems(), 16);
    EXPECT_TRUE(entry.ComboBox1->isEditable());
    EXPECT_TRUE(entry.edit1->isEditable());
    EXPECT_EQ(entry.windowTitle(), QStringLiteral("User Entry"));
}

} // namespace
