// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/usererror.h"
#include "launch/core/dmflags.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <set>

namespace {

using tk::FlagBoxStates;

// Box numbers (1 = CheckBox1) of the checked boxes.
std::set<int> checked(const FlagBoxStates& boxes)
{
    std::set<int> out;
    for (int i = 0; i < tk::kFlagBoxCount; ++i) {
        if (boxes[i])
            out.insert(i + 1);
    }
    return out;
}

FlagBoxStates statesOf(const std::set<int>& numbers)
{
    FlagBoxStates boxes {};
    for (int n : numbers)
        boxes[n - 1] = true;
    return boxes;
}

std::set<int> range(int first, int last)
{
    std::set<int> out;
    for (int n = first; n <= last; ++n)
        out.insert(n);
    return out;
}

TEST(FlagTable, RowsAsShownOnTheTab)
{
    struct Row {
        const char* caption;
        const char* hint;
        int value;
        bool on;
    } rows[] = {
        { "No Health", "No health packs in map", 1, false },
        { "No Items", "No items in map", 2, false },
        { "Weapons Stay", "Weapons stay when picked up", 4, true },
        { "No Falling Dmg", "No damage taken from falling", 8, false },
        { "Instant Items", "Items are used when picked up (Quad/Rebreater/etc.)", 16, true },
        { "Stay on same Lvl", "Forces map to remain same after games", 32, false },
        { "Teams by Skin", "Sort teams by skin design", 64, false },
        { "Teams by Model", "Sort teams by model", 128, false },
        { "No Friendly Fire", "Allows you to injure/kill teammates", 256, false },
        { "Spawn Farthest", "Spawn in unbusiest part of map", 512, true },
        { "Force Respawn", "Auto respawn without user click", 1024, true },
        { "No Armour", "No armour in map", 2048, false },
        { "Allow Exit", "Allow clients to exit midgame", 4096, false },
        { "Infinite Ammo", "Infinite ammo for guns", 8192, false },
        { "Quad Drop", "Allows quad drop when quadded player is killed", 16384, true },
        { "Fixed F.o.V.", "Force clients to use FOV90", 32768, false },
        { "Force Join", "Force client to join team", 131072, false },
        { "Armour Protect", "Armor protects you from teammates shots", 262144, true },
        { "No Tech Powerups", "Disable tech/runes", 524288, false },
    };
    const auto& boxes = tk::flagBoxes();
    for (int i = 0; i < tk::kFlagBoxCount; ++i) {
        SCOPED_TRACE(rows[i].caption);
        EXPECT_STREQ(boxes[i].componentName, QStringLiteral("CheckBox%1").arg(i + 1).toLatin1().constData());
        EXPECT_STREQ(boxes[i].caption, rows[i].caption);
        EXPECT_STREQ(boxes[i].hint, rows[i].hint);
        EXPECT_EQ(boxes[i].value, rows[i].value);
        EXPECT_EQ(boxes[i].defaultOn, rows[i].on);
        EXPECT_STREQ(boxes[i].group, i < 16 ? "Flags [DM and Teamplay]" : "Flags [CTF]");
    }
    EXPECT_STREQ(tk::kDmFlagGroupHint, "Basic DMFlag selection");
    EXPECT_STREQ(tk::kCtfFlagGroupHint, "CTF DMFlag selection");
}

TEST(FlagTotal, FromBoxes)
{
    struct Case {
        const char* name;
        FlagBoxStates boxes;
        int total;
    } cases[] = {
        { "new window", tk::defaultFlagBoxes(), 280084 },
        { "defaults plus No Health", statesOf({ 1, 3, 5, 10, 11, 15, 18 }), 280085 },
        { "none", FlagBoxStates {}, 0 },
        { "all nineteen", statesOf(range(1, 19)), 983039 },
        { "CTF group only", statesOf({ 17, 18, 19 }), 917504 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tk::totalFromBoxes(c.boxes), c.total);
    }
}

TEST(FlagTotal, Decoding)
{
    struct Case {
        int total;
        std::set<int> boxes;
        int boxSum;
    } cases[] = {
        { 280084, { 3, 5, 10, 11, 15, 18 }, 280084 },
        { 1040, { 5, 11 }, 1040 },
        { 65536, range(1, 16), 65535 },
        { 65537, range(1, 16), 65535 },
        { 131071, range(1, 16), 65535 },
        { 1048576, range(1, 19), 983039 },
        { 2147483647, range(1, 19), 983039 },
        { 0, {}, 0 },
        { 1, { 1 }, 1 },
        { -1, {}, 0 },
        { -2147483647 - 1, {}, 0 },
        { 131072 + 65536, range(1, 17), 131072 + 65535 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        const FlagBoxStates boxes = tk::boxesFromTotal(c.total);
        EXPECT_EQ(checked(boxes), c.boxes);
        EXPECT_EQ(tk::totalFromBoxes(boxes), c.boxSum);
    }
}

TEST(FlagTotal, ApplyReportsWhetherAnyBoxChanged)
{
    FlagBoxStates boxes = tk::defaultFlagBoxes();
    EXPECT_FALSE(tk::applyTotal(280084, boxes));
    EXPECT_EQ(boxes, tk::defaultFlagBoxes());
    EXPECT_TRUE(tk::applyTotal(1040, boxes));
    EXPECT_EQ(checked(boxes), (std::set<int> { 5, 11 }));
    EXPECT_FALSE(tk::applyTotal(1040, boxes));
    // 65536 reads as boxes 1 to 16; 65535 then changes nothing, so a typed 65535 stays as typed.
    EXPECT_TRUE(tk::applyTotal(65536, boxes));
    EXPECT_FALSE(tk::applyTotal(65535, boxes));
}

TEST(FlagTotal, ParseAcceptsSigned32BitDecimals)
{
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        { "0", 0 },
        { "1040", 1040 },
        { "007", 7 },
        { "+12", 12 },
        { "-12", -12 },
        { "2147483647", 2147483647 },
        { "-2147483648", -2147483647 - 1 },
        { "00000000000000000000042", 42 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(tk::parseFlagTotal(QString::fromLatin1(c.text)), c.value);
    }
}

TEST(FlagTotal, ParseRejectsOtherText)
{
    const char* texts[] = { "", "-", "+", "2147483648", "-2147483649", "99999999999999999999999", "12a",
        " 12", "12 ", "0x10", "$10", "1.5", "1e3", "--1" };
    for (const char* t : texts) {
        SCOPED_TRACE(t);
        try {
            tk::parseFlagTotal(QString::fromLatin1(t));
            ADD_FAILURE() << "accepted";
        } catch (const tk::UserError& e) {
            EXPECT_EQ(
                e.message(), QStringLiteral("'") + QString::fromLatin1(t) + "' is not a valid integer value");
        }
    }
    // Digits other than ASCII are not decimal digits here.
    EXPECT_THROW(tk::parseFlagTotal(QString::fromUtf8("\xd9\xa1\xd9\xa2")), tk::UserError);
}

TEST(FlagTotal, SetIgnoresLargeNumbers)
{
    struct Case {
        const char* text;
        std::optional<int> apply;
    } cases[] = {
        { "9999998", 9999998 },
        { "9999999", std::nullopt },
        { "10000000", std::nullopt },
        { "2147483647", std::nullopt },
        { "65536", 65536 },
        { "-5", -5 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(tk::flagTotalToSet(QString::fromLatin1(c.text)), c.apply);
    }
    EXPECT_THROW(tk::flagTotalToSet(QString()), tk::UserError);
}

TEST(FlagPresets, Rows)
{
    struct Row {
        const char* line1;
        const char* line2;
        int total;
        QStringList flags;
        int frag, time, clients, capture;
    } rows[] = {
        { "2 Player", "Duel", 1040, { "Instant Items", "Force Respawn" }, 10, 10, 16, 8 },
        { "4 or Less", "Player DM", 17936,
            { "Instant Items", "Spawn Farthest", "Force Respawn", "Quad Drop" }, 30, 20, 16, 8 },
        { "More than ", "4 Player DM", 17940,
            { "Weapons Stay", "Instant Items", "Spawn Farthest", "Force Respawn", "Quad Drop" }, 50, 30, 16,
            8 },
        { "CTF", "", 280084,
            { "Weapons Stay", "Instant Items", "Spawn Farthest", "Force Respawn", "Quad Drop",
                "Armour Protect" },
            150, 30, 16, 8 },
        { "Team DM", "(By Skin)", 18000,
            { "Instant Items", "Teams by Skin", "Spawn Farthest", "Force Respawn", "Quad Drop" }, 30, 20, 16,
            8 },
        { "Team DM", "(By Model)", 18064,
            { "Instant Items", "Teams by Model", "Spawn Farthest", "Force Respawn", "Quad Drop" }, 30, 20, 16,
            8 },
    };
    const auto& presets = tk::flagPresets();
    for (int i = 0; i < tk::kFlagPresetCount; ++i) {
        const Row& r = rows[i];
        const tk::FlagPreset& p = presets[i];
        SCOPED_TRACE(p.componentName);
        EXPECT_STREQ(p.componentName, QStringLiteral("RxSpeedButton%1").arg(i + 1).toLatin1().constData());
        EXPECT_STREQ(p.captionLine1, r.line1);
        EXPECT_STREQ(p.captionLine2, r.line2);
        EXPECT_EQ(p.flagTotal, r.total);
        EXPECT_EQ(p.fraglimit, r.frag);
        EXPECT_EQ(p.timelimit, r.time);
        EXPECT_EQ(p.maxclients, r.clients);
        EXPECT_EQ(p.capturelimit, r.capture);

        QStringList set;
        const FlagBoxStates boxes = tk::boxesFromTotal(p.flagTotal);
        for (int b = 0; b < tk::kFlagBoxCount; ++b) {
            if (boxes[b])
                set << QString::fromLatin1(tk::flagBoxes()[b].caption);
        }
        EXPECT_EQ(set, r.flags);
        // A preset leaves the text as its own total: its flags add up to it.
        EXPECT_EQ(tk::totalFromBoxes(boxes), p.flagTotal);
    }
}

TEST(FlagPresets, PressingTwiceChangesNoBox)
{
    for (const tk::FlagPreset& p : tk::flagPresets()) {
        SCOPED_TRACE(p.componentName);
        FlagBoxStates boxes {};
        tk::applyTotal(p.flagTotal, boxes);
        EXPECT_FALSE(tk::applyTotal(p.flagTotal, boxes));
    }
}

} // namespace
