// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/usererror.h"
#include "launch/core/dmflags.h"

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

// The preset buttons in the tab's order; their captions are the tab's (DmFlagsPageTest).
TEST(FlagPresets, Rows)
{
    struct Row {
        const char* kind;
        int total;
        std::set<int> boxes; // 5 = "Instant Items", 11 = "Force Respawn" and so on
        int frag, time, clients, capture;
    } rows[] = {
        { "2 Player Duel", 1040, { 5, 11 }, 10, 10, 16, 8 },
        { "4 or Less Player DM", 17936, { 5, 10, 11, 15 }, 30, 20, 16, 8 },
        { "More than 4 Player DM", 17940, { 3, 5, 10, 11, 15 }, 50, 30, 16, 8 },
        { "CTF", 280084, { 3, 5, 10, 11, 15, 18 }, 150, 30, 16, 8 },
        { "Team DM (By Skin)", 18000, { 5, 7, 10, 11, 15 }, 30, 20, 16, 8 },
        { "Team DM (By Model)", 18064, { 5, 8, 10, 11, 15 }, 30, 20, 16, 8 },
    };
    const auto& presets = tk::flagPresets();
    for (int i = 0; i < tk::kFlagPresetCount; ++i) {
        const Row& r = rows[i];
        const tk::FlagPreset& p = presets[i];
        SCOPED_TRACE(r.kind);
        EXPECT_EQ(p.flagTotal, r.total);
        EXPECT_EQ(p.fraglimit, r.frag);
        EXPECT_EQ(p.timelimit, r.time);
        EXPECT_EQ(p.maxclients, r.clients);
        EXPECT_EQ(p.capturelimit, r.capture);

        const FlagBoxStates boxes = tk::boxesFromTotal(p.flagTotal);
        EXPECT_EQ(checked(boxes), r.boxes);
        // A preset leaves the text as its own total: its flags add up to it.
        EXPECT_EQ(tk::totalFromBoxes(boxes), p.flagTotal);
    }
}

TEST(FlagPresets, PressingTwiceChangesNoBox)
{
    for (const tk::FlagPreset& p : tk::flagPresets()) {
        SCOPED_TRACE(p.flagTotal);
        FlagBoxStates boxes {};
        tk::applyTotal(p.flagTotal, boxes);
        EXPECT_FALSE(tk::applyTotal(p.flagTotal, boxes));
    }
}

} // namespace
