// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/ui/dmflagspage.h"

#include "launch/core/dmflags.h"
#include "launch/core/execsettings.h"
#include "ui/pagetesting.h"
#include "widgets/spinedit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using pagetest::clickIndicator;
using pagetest::typeAndLeave;

namespace {

tk::ExecSettings gathered(const DmFlagsPage& page)
{
    tk::ExecSettings s;
    s.dmflags = QStringLiteral("sentinel");
    s.capturelimit = -1;
    s.minPlayers = true;
    s.minPlayersValue = -1;
    s = pagetest::gathered(page, s);
    return s;
}

class DmFlagsPageTest : public ::testing::Test {
protected:
    pagetest::ShownPage<DmFlagsPage> shown;
    DmFlagsPage& page = shown.page;
};

} // namespace

// The one copy of the flag table in the tests: the boxes as the tab shows them, with
// the values and default states the core gives them.
TEST_F(DmFlagsPageTest, FlagBoxesCarryTheirValuesAndDefaultStates)
{
    struct Flag {
        const char* name;
        const char* caption;
        const char* hint;
        int value;
        bool checked;
        bool ctf;
    };
    const Flag flags[] = {
        { "CheckBox1", "No Health", "No health packs in map", 1, false, false },
        { "CheckBox2", "No Items", "No items in map", 2, false, false },
        { "CheckBox3", "Weapons Stay", "Weapons stay when picked up", 4, true, false },
        { "CheckBox4", "No Falling Dmg", "No damage taken from falling", 8, false, false },
        { "CheckBox5", "Instant Items", "Items are used when picked up (Quad/Rebreater/etc.)", 16, true,
            false },
        { "CheckBox6", "Stay on same Lvl", "Forces map to remain same after games", 32, false, false },
        { "CheckBox7", "Teams by Skin", "Sort teams by skin design", 64, false, false },
        { "CheckBox8", "Teams by Model", "Sort teams by model", 128, false, false },
        { "CheckBox9", "No Friendly Fire", "Allows you to injure/kill teammates", 256, false, false },
        { "CheckBox10", "Spawn Farthest", "Spawn in unbusiest part of map", 512, true, false },
        { "CheckBox11", "Force Respawn", "Auto respawn without user click", 1024, true, false },
        { "CheckBox12", "No Armour", "No armour in map", 2048, false, false },
        { "CheckBox13", "Allow Exit", "Allow clients to exit midgame", 4096, false, false },
        { "CheckBox14", "Infinite Ammo", "Infinite ammo for guns", 8192, false, false },
        { "CheckBox15", "Quad Drop", "Allows quad drop when quadded player is killed", 16384, true, false },
        { "CheckBox16", "Fixed F.o.V.", "Force clients to use FOV90", 32768, false, false },
        { "CheckBox17", "Force Join", "Force client to join team", 131072, false, true },
        { "CheckBox18", "Armour Protect", "Armor protects you from teammates shots", 262144, true, true },
        { "CheckBox19", "No Tech Powerups", "Disable tech/runes", 524288, false, true },
    };
    const QList<QCheckBox*> boxes = page.flagBoxes();
    ASSERT_EQ(boxes.size(), int(std::size(flags)));
    ASSERT_EQ(int(tk::flagBoxes().size()), int(std::size(flags)));
    int checkedSum = 0;
    for (int i = 0; i < boxes.size(); ++i) {
        const Flag& f = flags[i];
        QCheckBox* box = boxes[i];
        SCOPED_TRACE(f.name);
        EXPECT_EQ(box->objectName(), QLatin1String(f.name));
        EXPECT_EQ(box, page.findChild<QCheckBox*>(QLatin1String(f.name)));
        EXPECT_EQ(box->text(), QLatin1String(f.caption));
        EXPECT_EQ(box->statusTip(), QLatin1String(f.hint));
        EXPECT_EQ(DmFlagsPage::flagValue(box), f.value);
        EXPECT_EQ(box->property("flagValue").toInt(), f.value);
        EXPECT_EQ(box->isChecked(), f.checked);
        EXPECT_EQ(tk::flagBoxes()[i].group == tk::FlagGroup::CaptureTheFlag, f.ctf);
        auto* group = qobject_cast<QGroupBox*>(box->parentWidget());
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->title(), f.ctf ? "Flags [CTF]" : "Flags [DM and Teamplay]");
        EXPECT_EQ(group->statusTip(), f.ctf ? "CTF DMFlag selection" : "Basic DMFlag selection");
        if (box->isChecked())
            checkedSum += DmFlagsPage::flagValue(box);
    }
    // The default boxes add up to the default flag total.
    EXPECT_EQ(checkedSum, 280084);
}

TEST_F(DmFlagsPageTest, CaptureLimitIsClampedToZeroTo999)
{
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        { "0", "0" }, // 0 means no limit and is kept
        { "999", "999" },
        { "1000", "100" }, // three digits at most
        { "-5", "0" },
        { "12", "12" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(typeAndLeave(page.capturelimit, QLatin1String(c.typed)), QLatin1String(c.shown)) << c.typed;
    typeAndLeave(page.capturelimit, QStringLiteral("0"));
    EXPECT_EQ(gathered(page).capturelimit, 0);
    page.capturelimit->setValue(5000);
    EXPECT_EQ(page.capturelimit->value(), 999);
}

TEST_F(DmFlagsPageTest, MinimumPlayersFieldIsEnabledExactlyWhenTheBoxIsChecked)
{
    EXPECT_FALSE(page.CheckBox33->isChecked());
    EXPECT_FALSE(page.SpinEdit5->isEnabled());

    clickIndicator(page.CheckBox33);
    EXPECT_TRUE(page.SpinEdit5->isEnabled());
    // The number has no range.
    EXPECT_EQ(typeAndLeave(page.SpinEdit5, QStringLiteral("-3")), QStringLiteral("-3"));
    EXPECT_EQ(typeAndLeave(page.SpinEdit5, QStringLiteral("4000")), QStringLiteral("4000"));
    tk::ExecSettings s = gathered(page);
    EXPECT_TRUE(s.minPlayers);
    EXPECT_EQ(s.minPlayersValue, 4000);

    clickIndicator(page.CheckBox33);
    EXPECT_FALSE(page.SpinEdit5->isEnabled());
    s = gathered(page);
    EXPECT_FALSE(s.minPlayers);
    EXPECT_EQ(s.minPlayersValue, 4000); // the number stays, unused

    // A profile load sets the box and then applies the rule.
    page.CheckBox33->setChecked(true);
    page.applyEnableRules();
    EXPECT_TRUE(page.SpinEdit5->isEnabled());
    page.CheckBox33->setChecked(false);
    page.applyEnableRules();
    EXPECT_FALSE(page.SpinEdit5->isEnabled());
}

TEST_F(DmFlagsPageTest, TypedFlagTotalReachesTheRecordAsTyped)
{
    page.dmflags->setFocus();
    page.dmflags->selectAll();
    QTest::keyClicks(page.dmflags, QStringLiteral("12345678901234567890"));
    // The field is not length-limited.
    EXPECT_EQ(gathered(page).dmflags, QStringLiteral("12345678901234567890"));
}

TEST_F(DmFlagsPageTest, PresetButtonsShowTheirTwoLineCaptions)
{
    const char* const captions[] = { "2 Player\nDuel", "4 or Less\nPlayer DM", "More than \n4 Player DM",
        "CTF", "Team DM\n(By Skin)", "Team DM\n(By Model)" };
    const QList<QPushButton*> presets = page.presetButtons();
    ASSERT_EQ(presets.size(), 6);
    for (int i = 0; i < presets.size(); ++i) {
        EXPECT_EQ(presets[i]->objectName(), QStringLiteral("RxSpeedButton%1").arg(i + 1));
        EXPECT_EQ(presets[i]->text(), QLatin1String(captions[i]));
    }
}
