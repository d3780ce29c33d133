// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/ui/dmflagspage.h"

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
    page.gatherExecSettings(s);
    return s;
}

class DmFlagsPageTest : public ::testing::Test {
protected:
    pagetest::ShownPage<DmFlagsPage> shown;
    DmFlagsPage& page = shown.page;
};

} // namespace

TEST_F(DmFlagsPageTest, NewWindowGivesTheDefaultSettings)
{
    const tk::ExecSettings s = gathered(page);
    EXPECT_EQ(s.dmflags, QStringLiteral("280084"));
    EXPECT_EQ(s.capturelimit, 8);
    EXPECT_FALSE(s.minPlayers);
    EXPECT_EQ(s.minPlayersValue, 0);
}

TEST_F(DmFlagsPageTest, FlagBoxesCarryTheirValuesAndDefaultStates)
{
    struct Flag {
        const char* name;
        const char* caption;
        int value;
        bool checked;
        const char* group;
    };
    const char* dm = "Flags [DM and Teamplay]";
    const char* ctf = "Flags [CTF]";
    const Flag flags[] = {
        { "CheckBox1", "No Health", 1, false, dm },
        { "CheckBox2", "No Items", 2, false, dm },
        { "CheckBox3", "Weapons Stay", 4, true, dm },
        { "CheckBox4", "No Falling Dmg", 8, false, dm },
        { "CheckBox5", "Instant Items", 16, true, dm },
        { "CheckBox6", "Stay on same Lvl", 32, false, dm },
        { "CheckBox7", "Teams by Skin", 64, false, dm },
        { "CheckBox8", "Teams by Model", 128, false, dm },
        { "CheckBox9", "No Friendly Fire", 256, false, dm },
        { "CheckBox10", "Spawn Farthest", 512, true, dm },
        { "CheckBox11", "Force Respawn", 1024, true, dm },
        { "CheckBox12", "No Armour", 2048, false, dm },
        { "CheckBox13", "Allow Exit", 4096, false, dm },
        { "CheckBox14", "Infinite Ammo", 8192, false, dm },
        { "CheckBox15", "Quad Drop", 16384, true, dm },
        { "CheckBox16", "Fixed F.o.V.", 32768, false, dm },
        { "CheckBox17", "Force Join", 131072, false, ctf },
        { "CheckBox18", "Armour Protect", 262144, true, ctf },
        { "CheckBox19", "No Tech Powerups", 524288, false, ctf },
    };
    const QList<QCheckBox*> boxes = page.flagBoxes();
    ASSERT_EQ(boxes.size(), int(std::size(flags)));
    int checkedSum = 0;
    for (int i = 0; i < boxes.size(); ++i) {
        const Flag& f = flags[i];
        QCheckBox* box = boxes[i];
        SCOPED_TRACE(f.name);
        EXPECT_EQ(box->objectName(), QLatin1String(f.name));
        EXPECT_EQ(box, page.findChild<QCheckBox*>(QLatin1String(f.name)));
        EXPECT_EQ(box->text(), QLatin1String(f.caption));
        EXPECT_EQ(DmFlagsPage::flagValue(box), f.value);
        EXPECT_EQ(box->property("flagValue").toInt(), f.value);
        EXPECT_EQ(box->isChecked(), f.checked);
        auto* group = qobject_cast<QGroupBox*>(box->parentWidget());
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->title(), QLatin1String(f.group));
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

TEST(DmFlagsPageLayout, EverythingFitsInTheMainWindow)
{
    pagetest::MainWindow window;
    window.showPage(window.form->dmFlagsPage);
    pagetest::expectEverythingFits(window.form->dmFlagsPage);
}
