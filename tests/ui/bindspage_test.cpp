// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/usererror.h"
#include "launch/core/execsettings.h"
#include "player/ui/bindspage.h"
#include "ui/clickhelpers.h"
#include "ui/pagetesting.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Rows = QList<tk::BindRow>;

class BindsPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page = std::make_unique<BindsPage>();
        page->resize(584, 355);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }

    QList<QPushButton*> buttons() const
    {
        return { page->SpeedButton17, page->SpeedButton19, page->SpeedButton20, page->SpeedButton21 };
    }

    void clickRow(int row)
    {
        const QRect r = page->ListView3->visualItemRect(page->ListView3->topLevelItem(row));
        QTest::mouseClick(page->ListView3->viewport(), Qt::LeftButton, {}, r.center());
    }

    void addSample()
    {
        page->addBindRow(QStringLiteral("F1"), QStringLiteral("observer"));
        page->addBindRow(QStringLiteral("F2"), QStringLiteral("cyclecam"));
        page->addBindRow(QStringLiteral("F1 "), QStringLiteral("teamhelp"));
        page->addBindRow(QStringLiteral("F1"), QStringLiteral("autocam"));
    }

    std::unique_ptr<BindsPage> page;
};

TEST_F(BindsPageTest, NewPageHasNoBindsAndDisabledButtons)
{
    EXPECT_EQ(page->ListView3->topLevelItemCount(), 0);
    for (QPushButton* b : buttons())
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(BindsPageTest, SpecifyBindsGovernsTheButtonsNotTheList)
{
    addSample();
    clickIndicator(page->CheckBox29);
    for (QPushButton* b : buttons())
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    tk::ExecSettings s;
    s = pagetest::gathered(*page, s);
    EXPECT_TRUE(s.specifyBinds);

    clickIndicator(page->CheckBox29);
    for (QPushButton* b : buttons())
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(page->ListView3->isEnabled());
    clickRow(2);
    EXPECT_EQ(page->selectedBindRow(), 2) << "rows can still be selected";

    page->CheckBox29->setChecked(true);
    page->applyEnableRules();
    for (QPushButton* b : buttons())
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(BindsPageTest, RowsAreKeptInOrderAsTyped)
{
    addSample();
    const Rows expected { { "F1", "observer" }, { "F2", "cyclecam" }, { "F1 ", "teamhelp" },
        { "F1", "autocam" } };
    EXPECT_EQ(page->bindRows(), expected);
    for (int i = 0; i < page->ListView3->topLevelItemCount(); ++i)
        EXPECT_EQ(page->ListView3->topLevelItem(i)->text(0), QStringLiteral("BIND"));
    tk::ExecSettings s;
    s = pagetest::gathered(*page, s);
    EXPECT_EQ(s.binds, expected);
}

TEST_F(BindsPageTest, SetBindRowChangesOnlyThatRow)
{
    addSample();
    page->setBindRow(2, QStringLiteral("KP_5"), QStringLiteral("quit"));
    const Rows expected { { "F1", "observer" }, { "F2", "cyclecam" }, { "KP_5", "quit" },
        { "F1", "autocam" } };
    EXPECT_EQ(page->bindRows(), expected);
    EXPECT_EQ(page->ListView3->topLevelItem(2)->text(0), QStringLiteral("BIND"));

    for (int bad : { -1, 4, 100 }) {
        EXPECT_THROW(page->setBindRow(bad, QStringLiteral("F3"), QStringLiteral("mstart")), tk::UserError)
            << bad;
        EXPECT_EQ(page->bindRows(), expected) << bad;
    }
}

TEST_F(BindsPageTest, DeleteRemovesTheSelectedRowOnly)
{
    addSample();
    clickIndicator(page->CheckBox29);

    clickRow(1);
    QTest::mouseClick(page->SpeedButton20, Qt::LeftButton);
    const Rows afterFirst { { "F1", "observer" }, { "F1 ", "teamhelp" }, { "F1", "autocam" } };
    EXPECT_EQ(page->bindRows(), afterFirst);

    // With nothing selected, a second click deletes nothing.
    QTest::mouseClick(page->SpeedButton20, Qt::LeftButton);
    EXPECT_EQ(page->bindRows(), afterFirst);

    clickRow(2);
    QTest::mouseClick(page->SpeedButton20, Qt::LeftButton);
    EXPECT_EQ(page->bindRows(), (Rows { { "F1", "observer" }, { "F1 ", "teamhelp" } }));

    QTest::mouseClick(page->SpeedButton21, Qt::LeftButton);
    EXPECT_TRUE(page->bindRows().isEmpty());
    QTest::mouseClick(page->SpeedButton20, Qt::LeftButton);
    EXPECT_TRUE(page->bindRows().isEmpty());
}

TEST_F(BindsPageTest, DeleteAllEmptiesAManyRowList)
{
    for (int i = 0; i < 500; ++i)
        page->addBindRow(QStringLiteral("k%1").arg(i), QStringLiteral("say %1").arg(i));
    clickIndicator(page->CheckBox29);
    QTest::mouseClick(page->SpeedButton21, Qt::LeftButton);
    EXPECT_TRUE(page->bindRows().isEmpty());
    EXPECT_EQ(page->ListView3->topLevelItemCount(), 0);

    page->addBindRow(QStringLiteral("F4"), QStringLiteral("mstop"));
    page->clearBinds();
    EXPECT_TRUE(page->bindRows().isEmpty());
}

} // namespace
