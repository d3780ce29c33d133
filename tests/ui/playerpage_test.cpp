// SPDX-License-Identifier: GPL-2.0-or-later
#include "imaging/ui/imageview.h"
#include "launch/core/execsettings.h"
#include "player/ui/playerpage.h"
#include "ui/clickhelpers.h"
#include "ui/pagetesting.h"
#include "widgets/spinedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class PlayerPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page = std::make_unique<PlayerPage>();
        page->resize(584, 355);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    }

    tk::ExecSettings gathered() const
    {
        tk::ExecSettings s;
        s = pagetest::gathered(*page, s);
        return s;
    }

    // Types into a spin edit that has the focus, then moves the focus away.
    void typeAndLeave(SpinEdit* spin, const QString& keys)
    {
        spin->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(spin->hasFocus());
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, keys);
        page->CheckBox28->setFocus();
        QApplication::processEvents();
        ASSERT_FALSE(spin->hasFocus());
    }

    std::unique_ptr<PlayerPage> page;
};

// Its settings' defaults: NewWindow.HoldsEveryDefault.
TEST_F(PlayerPageTest, NewPageListsTheHandsAndCrosshairsAndShowsNoSkin)
{
    EXPECT_EQ(page->ComboBox4->currentText(), QString()) << "the list has entries, the text is still empty";
    EXPECT_EQ(itemsOf(page->ComboBox4), (QStringList { "Left", "Center", "Right" }));
    EXPECT_EQ(itemsOf(page->ComboBox5), (QStringList { "No Crosshair", "Cross", "Dot", "Angle" }));
    EXPECT_EQ(page->TrackBar1->value(), 0);
    EXPECT_TRUE(page->ImageEnDBView1->image().isNull());
}

TEST_F(PlayerPageTest, EachBoxGovernsItsOwnGroupOnly)
{
    struct Rule {
        QCheckBox* box;
        QList<QWidget*> governed;
    };
    const QList<Rule> rules {
        { page->CheckBox28,
            { page->Edit2, page->ComboBox2, page->ComboBox3, page->ComboBox4, page->ComboBox5 } },
        { page->CheckBox30, { page->SpinEdit1, page->SpinEdit4 } },
        { page->CheckBox31, { page->SpinEdit2 } },
        { page->CheckBox32, { page->Edit3, page->TrackBar1 } },
    };
    auto expectStates = [&](const QList<bool>& on) {
        for (int r = 0; r < rules.size(); ++r) {
            for (QWidget* w : rules.at(r).governed)
                EXPECT_EQ(w->isEnabled(), on.at(r)) << w->objectName().toStdString();
        }
        EXPECT_TRUE(page->ImageEnDBView1->isEnabled()) << "the preview is never disabled";
    };

    expectStates({ false, false, false, false });
    QList<bool> on { false, false, false, false };
    for (int r = 0; r < rules.size(); ++r) {
        SCOPED_TRACE(rules.at(r).box->objectName().toStdString());
        clickIndicator(rules.at(r).box);
        on[r] = true;
        expectStates(on);
    }
    for (int r = 0; r < rules.size(); ++r) {
        SCOPED_TRACE(rules.at(r).box->objectName().toStdString());
        clickIndicator(rules.at(r).box);
        on[r] = false;
        expectStates(on);
    }

    // The profile load sets the boxes without clicks and then applies the rules.
    for (const Rule& rule : rules)
        rule.box->setChecked(true);
    page->applyEnableRules();
    expectStates({ true, true, true, true });
}

TEST_F(PlayerPageTest, UncheckingKeepsTheValues)
{
    clickIndicator(page->CheckBox28);
    page->Edit2->setFocus();
    QTest::keyClicks(page->Edit2, QStringLiteral("Grunt"));
    QTest::keyClicks(page->ComboBox4->lineEdit(), QStringLiteral("Center"));
    page->ComboBox5->setCurrentIndex(2);
    clickIndicator(page->CheckBox28);

    const tk::ExecSettings s = gathered();
    EXPECT_FALSE(s.playerSetup);
    EXPECT_EQ(s.playerName, QStringLiteral("Grunt"));
    EXPECT_EQ(s.hand, QStringLiteral("Center"));
    EXPECT_EQ(s.crosshair, QStringLiteral("Dot"));
}

TEST_F(PlayerPageTest, LagBoxesClampToTheirRangeWhenLeft)
{
    clickIndicator(page->CheckBox30);

    page->SpinEdit1->setFocus();
    QApplication::processEvents();
    QTest::keyClick(page->SpinEdit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(page->SpinEdit1, QStringLiteral("1500"));
    EXPECT_EQ(page->SpinEdit1->text(), QStringLiteral("1500")) << "clamping waits until the box is left";
    page->SpinEdit4->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(page->SpinEdit1->text(), QStringLiteral("999"));
    EXPECT_EQ(gathered().lagValue, 999);

    struct Case {
        int set;
        int shown;
    };
    for (const Case& c :
        { Case { 5000, 999 }, Case { -20, 0 }, Case { 999, 999 }, Case { 0, 0 }, Case { 250, 250 } }) {
        page->SpinEdit4->setValue(c.set);
        EXPECT_EQ(page->SpinEdit4->text(), QString::number(c.shown)) << c.set;
        EXPECT_EQ(gathered().lagVariance, c.shown) << c.set;
    }

    typeAndLeave(page->SpinEdit4, QStringLiteral("-5"));
    EXPECT_EQ(page->SpinEdit4->text(), QStringLiteral("0"));
}

TEST_F(PlayerPageTest, SpinEditsStepByTheirIncrement)
{
    clickIndicator(page->CheckBox30);
    clickIndicator(page->CheckBox31);
    struct Case {
        SpinEdit* spin;
        int ups;
        int downs;
        int expected;
    };
    const QList<Case> cases {
        { page->SpinEdit1, 3, 1, 20 }, { page->SpinEdit4, 1, 2, 0 }, // stops at the minimum
        { page->SpinEdit2, 2, 3, -5 }, // no bounds
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spin->objectName().toStdString());
        c.spin->setFocus();
        QApplication::processEvents();
        for (int i = 0; i < c.ups; ++i)
            QTest::keyClick(c.spin, Qt::Key_Up);
        for (int i = 0; i < c.downs; ++i)
            QTest::keyClick(c.spin, Qt::Key_Down);
        EXPECT_EQ(c.spin->value(), c.expected);
    }
    page->SpinEdit1->setValue(995);
    page->SpinEdit1->stepBy(1);
    EXPECT_EQ(page->SpinEdit1->value(), 999);
}

TEST_F(PlayerPageTest, MaxFpsHasNoBounds)
{
    clickIndicator(page->CheckBox31);
    typeAndLeave(page->SpinEdit2, QStringLiteral("500"));
    EXPECT_EQ(page->SpinEdit2->text(), QStringLiteral("500"));
    page->SpinEdit2->setValue(5000);
    EXPECT_EQ(gathered().fps, 5000);
    typeAndLeave(page->SpinEdit2, QStringLiteral("-30"));
    EXPECT_EQ(gathered().fps, -30);
}

TEST_F(PlayerPageTest, TextThatIsNoIntegerReadsAsTheMinimum)
{
    struct Case {
        SpinEdit* spin;
        int tk::ExecSettings::*field;
        QString text;
    };
    const QList<Case> cases {
        { page->SpinEdit1, &tk::ExecSettings::lagValue, "12.5" },
        { page->SpinEdit1, &tk::ExecSettings::lagValue, "" },
        { page->SpinEdit4, &tk::ExecSettings::lagVariance, "-" },
        { page->SpinEdit4, &tk::ExecSettings::lagVariance, "1+2" },
        { page->SpinEdit2, &tk::ExecSettings::fps, "5." },
        { page->SpinEdit2, &tk::ExecSettings::fps, "abc" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(
            (c.spin->objectName() + QStringLiteral(" '") + c.text + QStringLiteral("'")).toStdString());
        c.spin->setValue(50);
        ASSERT_EQ(gathered().*c.field, 50);
        c.spin->setText(c.text);
        EXPECT_EQ(gathered().*c.field, 0);
    }
}

} // namespace
