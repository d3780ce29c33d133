// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/ui/gamepage.h"

#include "ui/pagetesting.h"
#include "widgets/spinedit.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using pagetest::clickIndicator;
using pagetest::typeAndLeave;

namespace {

// A record whose Game tab fields all differ from a new window's, so that a field the
// page forgets to fill shows up.
tk::ExecSettings scrambled()
{
    tk::ExecSettings s;
    s.maxclients = -1;
    s.fraglimit = -1;
    s.timelimit = -1;
    s.dedicated = true;
    s.cheats = true;
    s.mod = tk::ModChoice::Rogue;
    s.ctfAutoAssign = false;
    s.ctfForceTeam = true;
    s.ctfRed = false;
    s.ctfBlue = true;
    s.raOptions.fill(false);
    s.raOptions[2] = true;
    s.raWeapons.fill(false);
    s.raWeapons[6] = true;
    s.raWeapons[8] = true;
    s.raStats.fill(-1);
    return s;
}

tk::ExecSettings gathered(const GamePage& page)
{
    tk::ExecSettings s = scrambled();
    s = pagetest::gathered(page, s);
    return s;
}

class GamePageTest : public ::testing::Test {
protected:
    pagetest::ShownPage<GamePage> shown;
    GamePage& page = shown.page;

    void showCtfPage() { page.PageControl2->setCurrentIndex(1); }
};

} // namespace

// Its settings' defaults: NewWindow.HoldsEveryDefault.
TEST_F(GamePageTest, NewPageShowsRocketArenaFirst)
{
    // The Rocket Arena page is the one shown first; the CTF colours start greyed out.
    EXPECT_EQ(page.PageControl2->currentIndex(), 0);
    EXPECT_EQ(page.PageControl2->tabText(0), QStringLiteral("Rocket Arena"));
    EXPECT_EQ(page.PageControl2->tabText(1), QStringLiteral("Capture the Flag"));
    EXPECT_FALSE(page.CheckBox34->isEnabled());
    EXPECT_FALSE(page.CheckBox35->isEnabled());
}

TEST_F(GamePageTest, ServerLimitsAreClampedToOneTo999WhenLeft)
{
    struct Case {
        SpinEdit* edit;
        QString typed;
        QString shown;
    };
    const Case cases[] = {
        { page.fraglimit, QStringLiteral("0"), QStringLiteral("1") },
        // Three characters at most: the last digit of 1500 is refused.
        { page.fraglimit, QStringLiteral("1500"), QStringLiteral("150") },
        { page.fraglimit, QStringLiteral("999"), QStringLiteral("999") },
        { page.timelimit, QStringLiteral("-20"), QStringLiteral("1") },
        { page.timelimit, QStringLiteral("1"), QStringLiteral("1") },
        { page.maxclients, QStringLiteral("0"), QStringLiteral("1") },
        { page.maxclients, QStringLiteral("1000"), QStringLiteral("100") },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(typeAndLeave(c.edit, c.typed), c.shown)
            << qPrintable(c.edit->objectName()) << " typed " << qPrintable(c.typed);
    }
    // A value from a profile is pulled into the range as well.
    page.fraglimit->setValue(5000);
    EXPECT_EQ(page.fraglimit->text(), QStringLiteral("999"));
    page.timelimit->setValue(-3);
    EXPECT_EQ(page.timelimit->text(), QStringLiteral("1"));
}

TEST_F(GamePageTest, RocketArenaStatsHaveNoRange)
{
    for (SpinEdit* edit : page.raStatEdits()) {
        for (const char* typed : { "0", "-5", "5000" }) {
            EXPECT_EQ(typeAndLeave(edit, QString::fromLatin1(typed)), QString::fromLatin1(typed))
                << qPrintable(edit->objectName());
        }
        edit->setValue(123456);
        EXPECT_EQ(edit->value(), 123456) << qPrintable(edit->objectName());
    }
    typeAndLeave(page.SpinEdit6, QStringLiteral("-5"));
    EXPECT_EQ(gathered(page).raStats[0], -5);
}

TEST_F(GamePageTest, ArrowKeysStepByEachFieldsIncrement)
{
    struct Case {
        SpinEdit* edit;
        int afterUp;
    };
    const Case cases[] = {
        { page.fraglimit, 160 },
        { page.timelimit, 35 },
        { page.maxclients, 17 },
        { page.SpinEdit6, 210 },
        { page.SpinEdit9, 250 },
        { page.SpinEdit10, 55 },
        { page.SpinEdit13, 200 },
    };
    for (const Case& c : cases) {
        c.edit->setFocus();
        QTest::keyClick(c.edit, Qt::Key_Up);
        EXPECT_EQ(c.edit->value(), c.afterUp) << qPrintable(c.edit->objectName());
    }
    page.fraglimit->setValue(995);
    QTest::keyClick(page.fraglimit, Qt::Key_Up);
    EXPECT_EQ(page.fraglimit->value(), 999);
}

TEST_F(GamePageTest, RedAndBlueAlwaysHoldExactlyOneCheck)
{
    showCtfPage();
    clickIndicator(page.RadioButton7);
    ASSERT_TRUE(page.CheckBox34->isEnabled());

    struct Step {
        QCheckBox* clicked;
        bool red;
        bool blue;
    };
    const Step steps[] = {
        { page.CheckBox34, false, true }, // clicking a checked Red checks Blue
        { page.CheckBox34, true, false }, // and clicking it again moves the check back
        { page.CheckBox35, false, true }, // checking Blue unchecks Red
        { page.CheckBox35, true, false }, // unchecking Blue checks Red
    };
    for (const Step& step : steps) {
        clickIndicator(step.clicked);
        EXPECT_EQ(page.CheckBox34->isChecked(), step.red) << qPrintable(step.clicked->text());
        EXPECT_EQ(page.CheckBox35->isChecked(), step.blue) << qPrintable(step.clicked->text());
    }

    // A profile setting either box couples the pair the same way.
    page.CheckBox35->setChecked(true);
    EXPECT_FALSE(page.CheckBox34->isChecked());
    page.CheckBox34->setChecked(true);
    EXPECT_FALSE(page.CheckBox35->isChecked());
}

TEST_F(GamePageTest, AutoAssignGreysOutTheColoursWithoutChangingThem)
{
    showCtfPage();
    clickIndicator(page.RadioButton7);
    EXPECT_TRUE(page.CheckBox34->isEnabled());
    EXPECT_TRUE(page.CheckBox35->isEnabled());
    EXPECT_TRUE(page.CheckBox34->isChecked());
    clickIndicator(page.CheckBox35);

    clickIndicator(page.RadioButton6);
    EXPECT_FALSE(page.CheckBox34->isEnabled());
    EXPECT_FALSE(page.CheckBox35->isEnabled());
    EXPECT_FALSE(page.CheckBox34->isChecked());
    EXPECT_TRUE(page.CheckBox35->isChecked());
    // Clicks on greyed-out colours change nothing.
    clickIndicator(page.CheckBox35);
    EXPECT_TRUE(page.CheckBox35->isChecked());

    const tk::ExecSettings s = gathered(page);
    EXPECT_TRUE(s.ctfAutoAssign);
    EXPECT_FALSE(s.ctfForceTeam);
    EXPECT_FALSE(s.ctfRed);
    EXPECT_TRUE(s.ctfBlue);

    // The same rule when a profile checks the buttons.
    page.RadioButton7->setChecked(true);
    EXPECT_TRUE(page.CheckBox34->isEnabled());
    page.RadioButton6->setChecked(true);
    EXPECT_FALSE(page.CheckBox34->isEnabled());
    EXPECT_FALSE(page.RadioButton7->isChecked());
}

TEST_F(GamePageTest, ModChoiceFollowsTheCheckedButton)
{
    const std::pair<QRadioButton*, tk::ModChoice> mods[] = {
        { page.RadioButton4, tk::ModChoice::CaptureTheFlag },
        { page.RadioButton5, tk::ModChoice::RocketArena },
        { page.RadioButton8, tk::ModChoice::Xatrix },
        { page.RadioButton9, tk::ModChoice::Rogue },
        { page.RadioButton3, tk::ModChoice::Deathmatch },
    };
    for (const auto& [button, mod] : mods) {
        clickIndicator(button);
        EXPECT_EQ(gathered(page).mod, mod) << qPrintable(button->text());
        for (const auto& [other, unused] : mods)
            EXPECT_EQ(other->isChecked(), other == button) << qPrintable(other->text());
    }
}

TEST_F(GamePageTest, ClearingTheModChoiceLeavesNoneChecked)
{
    page.clearModChoice();
    EXPECT_EQ(gathered(page).mod, tk::ModChoice::None);
    for (QRadioButton* b :
        { page.RadioButton3, page.RadioButton4, page.RadioButton5, page.RadioButton8, page.RadioButton9 })
        EXPECT_FALSE(b->isChecked()) << qPrintable(b->text());

    // The buttons stay one exclusive group afterwards.
    clickIndicator(page.RadioButton5);
    clickIndicator(page.RadioButton8);
    EXPECT_FALSE(page.RadioButton5->isChecked());
    EXPECT_EQ(gathered(page).mod, tk::ModChoice::Xatrix);
    // A checked button cannot be unchecked by clicking it.
    clickIndicator(page.RadioButton8);
    EXPECT_EQ(gathered(page).mod, tk::ModChoice::Xatrix);

    page.setModChoice(tk::ModChoice::None);
    EXPECT_EQ(page.modChoice(), tk::ModChoice::None);
    page.setModChoice(tk::ModChoice::CaptureTheFlag);
    EXPECT_TRUE(page.RadioButton4->isChecked());
}
