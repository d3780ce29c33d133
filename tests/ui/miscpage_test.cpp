// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/installpaths.h"
#include "app/ui/interaction.h"
#include "app/ui/tform1.h"
#include "launch/core/execsettings.h"
#include "profile/ui/miscpage.h"
#include "support/mainwindow.h"
#include "ui/clickhelpers.h"
#include "ui/pagetesting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace {

class MiscPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page = std::make_unique<MiscPage>();
        page->resize(584, 355);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }

    tk::ExecSettings gathered() const
    {
        tk::ExecSettings s;
        s = pagetest::gathered(*page, s);
        return s;
    }

    std::unique_ptr<MiscPage> page;
};

// Its settings' defaults: NewWindow.HoldsEveryDefault.
TEST_F(MiscPageTest, NewPageShowsOverwriteChosen)
{
    EXPECT_TRUE(page->RadioButton1->isChecked());
    EXPECT_FALSE(page->RadioButton2->isChecked());
}

TEST_F(MiscPageTest, CheckBoxesGovernTheirControls)
{
    struct Case {
        QCheckBox* box;
        QList<QWidget*> governed;
        QList<QWidget*> others;
    };
    const QList<Case> cases {
        { page->CheckBox21, { page->Edit1, page->RadioButton1, page->RadioButton2 }, { page->ComboBox1 } },
        { page->CheckBox27, { page->ComboBox1 }, { page->Edit1, page->RadioButton1, page->RadioButton2 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box->objectName().toStdString());
        for (QWidget* w : c.governed)
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        clickIndicator(c.box);
        ASSERT_TRUE(c.box->isChecked());
        for (QWidget* w : c.governed)
            EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
        for (QWidget* w : c.others)
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        clickIndicator(c.box);
        for (QWidget* w : c.governed)
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    }

    // Values behind an unchecked box stay and are still gathered.
    page->Edit1->setText(QStringLiteral("duel"));
    page->RadioButton2->setChecked(true);
    const tk::ExecSettings s = gathered();
    EXPECT_FALSE(s.recordDemo);
    EXPECT_EQ(s.demoName, QStringLiteral("duel"));
    EXPECT_TRUE(s.sequentialDemo);

    // The profile load sets the boxes and then applies the rules.
    page->CheckBox21->setChecked(true);
    page->CheckBox27->setChecked(true);
    page->applyEnableRules();
    for (QWidget* w :
        QList<QWidget*> { page->Edit1, page->RadioButton1, page->RadioButton2, page->ComboBox1 })
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(MiscPageTest, TypedValuesReachTheSettings)
{
    clickIndicator(page->CheckBox21);
    clickIndicator(page->RadioButton2);
    EXPECT_FALSE(page->RadioButton1->isChecked()) << "the two demo name choices exclude each other";
    clickIndicator(page->CheckBox27);

    page->Memo1->setFocus();
    QTest::keyClicks(page->Memo1, QStringLiteral("set deathmatch 1"));
    QTest::keyClick(page->Memo1, Qt::Key_Return);
    QTest::keyClicks(page->Memo1, QStringLiteral("echo hi"));

    page->Edit1->selectAll();
    QTest::keyClicks(page->Edit1, QStringLiteral("match"));

    QTest::keyClicks(page->ComboBox1->lineEdit(), QStringLiteral("mine.cfg"));
    QTest::keyClick(page->ComboBox1->lineEdit(), Qt::Key_Return);

    const tk::ExecSettings s = gathered();
    EXPECT_EQ(s.additionalCommands, QStringLiteral("set deathmatch 1\necho hi"));
    EXPECT_TRUE(s.recordDemo);
    EXPECT_EQ(s.demoName, QStringLiteral("match"));
    EXPECT_TRUE(s.sequentialDemo);
    EXPECT_TRUE(s.extraCfg);
    EXPECT_EQ(s.extraCfgName, QStringLiteral("mine.cfg"));
    EXPECT_EQ(page->ComboBox1->count(), 0) << "a typed name does not join the list";
}

TEST_F(MiscPageTest, TypedCommandsAreGatheredAsTyped)
{
    page->Memo1->setFocus();
    QTest::keyClicks(page->Memo1, QString::fromUtf8("say a\u00a0b"));
    // Shift+Enter starts a new command as Enter does.
    QTest::keyClick(page->Memo1, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(page->Memo1, QStringLiteral("echo c"));
    EXPECT_EQ(gathered().additionalCommands, QString::fromUtf8("say a\u00a0b\necho c"));
}

TEST(MiscPageExtraConfigList, FillKeepsALoadedTextAndOtherwiseShowsTheFirstName)
{
    struct Case {
        const char* what;
        QString loaded;
        QStringList names;
        QString text;
    };
    const QList<Case> cases {
        { "empty text, names", {}, { "a.cfg", "B.CFG", "tark.cfg" }, "a.cfg" },
        { "loaded text stays", "extra.cfg", { "a.cfg", "tark.cfg" }, "extra.cfg" },
        { "loaded text among the names", "tark.cfg", { "a.cfg", "tark.cfg" }, "tark.cfg" },
        { "no names, empty text", {}, {}, {} },
        { "no names, loaded text", "extra.cfg", {}, "extra.cfg" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MiscPage page;
        page.ComboBox1->setEditText(c.loaded);
        page.fillExtraConfigList(c.names);
        QStringList items;
        for (int i = 0; i < page.ComboBox1->count(); ++i)
            items.append(page.ComboBox1->itemText(i));
        EXPECT_EQ(items, c.names);
        EXPECT_EQ(page.ComboBox1->currentText(), c.text);
        tk::ExecSettings s;
        s = pagetest::gathered(page, s);
        EXPECT_EQ(s.extraCfgName, c.text);
    }
}

using MiscPageStartUp = MainWindowTest;

TEST_F(MiscPageStartUp, ListsTheLauncherDirectoryConfigFilesWhateverTheirCase)
{
    ASSERT_TRUE(QDir().mkpath(file(QStringLiteral("dir.cfg"))));
    for (const char* name : { "tark.cfg", "B.CFG", "a.Cfg", "notes.txt", ".hidden.cfg" })
        write(QLatin1String(name), "");
    openWindow(Shown::No);

    QStringList items;
    for (int i = 0; i < form->miscPage->ComboBox1->count(); ++i)
        items.append(form->miscPage->ComboBox1->itemText(i));
    EXPECT_EQ(items, (QStringList { "a.Cfg", "B.CFG", "tark.cfg" }));
    EXPECT_EQ(form->gatherExecSettings().extraCfgName, QStringLiteral("a.Cfg"));
}

} // namespace
