// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/dmflags.h"

#include "app/core/usererror.h"

#include <limits>

namespace tk {

namespace {

constexpr std::array<FlagBox, kFlagBoxCount> kBoxes { {
    { "CheckBox1", QT_TRANSLATE_NOOP("TForm1", "No Health"),
        QT_TRANSLATE_NOOP("TForm1", "No health packs in map"), 1, false, kDmFlagGroup },
    { "CheckBox2", QT_TRANSLATE_NOOP("TForm1", "No Items"), QT_TRANSLATE_NOOP("TForm1", "No items in map"), 2,
        false, kDmFlagGroup },
    { "CheckBox3", QT_TRANSLATE_NOOP("TForm1", "Weapons Stay"),
        QT_TRANSLATE_NOOP("TForm1", "Weapons stay when picked up"), 4, true, kDmFlagGroup },
    { "CheckBox4", QT_TRANSLATE_NOOP("TForm1", "No Falling Dmg"),
        QT_TRANSLATE_NOOP("TForm1", "No damage taken from falling"), 8, false, kDmFlagGroup },
    { "CheckBox5", QT_TRANSLATE_NOOP("TForm1", "Instant Items"),
        QT_TRANSLATE_NOOP("TForm1", "Items are used when picked up (Quad/Rebreater/etc.)"), 16, true,
        kDmFlagGroup },
    { "CheckBox6", QT_TRANSLATE_NOOP("TForm1", "Stay on same Lvl"),
        QT_TRANSLATE_NOOP("TForm1", "Forces map to remain same after games"), 32, false, kDmFlagGroup },
    { "CheckBox7", QT_TRANSLATE_NOOP("TForm1", "Teams by Skin"),
        QT_TRANSLATE_NOOP("TForm1", "Sort teams by skin design"), 64, false, kDmFlagGroup },
    { "CheckBox8", QT_TRANSLATE_NOOP("TForm1", "Teams by Model"),
        QT_TRANSLATE_NOOP("TForm1", "Sort teams by model"), 128, false, kDmFlagGroup },
    { "CheckBox9", QT_TRANSLATE_NOOP("TForm1", "No Friendly Fire"),
        QT_TRANSLATE_NOOP("TForm1", "Allows you to injure/kill teammates"), 256, false, kDmFlagGroup },
    { "CheckBox10", QT_TRANSLATE_NOOP("TForm1", "Spawn Farthest"),
        QT_TRANSLATE_NOOP("TForm1", "Spawn in unbusiest part of map"), 512, true, kDmFlagGroup },
    { "CheckBox11", QT_TRANSLATE_NOOP("TForm1", "Force Respawn"),
        QT_TRANSLATE_NOOP("TForm1", "Auto respawn without user click"), 1024, true, kDmFlagGroup },
    { "CheckBox12", QT_TRANSLATE_NOOP("TForm1", "No Armour"), QT_TRANSLATE_NOOP("TForm1", "No armour in map"),
        2048, false, kDmFlagGroup },
    { "CheckBox13", QT_TRANSLATE_NOOP("TForm1", "Allow Exit"),
        QT_TRANSLATE_NOOP("TForm1", "Allow clients to exit midgame"), 4096, false, kDmFlagGroup },
    { "CheckBox14", QT_TRANSLATE_NOOP("TForm1", "Infinite Ammo"),
        QT_TRANSLATE_NOOP("TForm1", "Infinite ammo for guns"), 8192, false, kDmFlagGroup },
    { "CheckBox15", QT_TRANSLATE_NOOP("TForm1", "Quad Drop"),
        QT_TRANSLATE_NOOP("TForm1", "Allows quad drop when quadded player is killed"), 16384, true,
        kDmFlagGroup },
    { "CheckBox16", QT_TRANSLATE_NOOP("TForm1", "Fixed F.o.V."),
        QT_TRANSLATE_NOOP("TForm1", "Force clients to use FOV90"), 32768, false, kDmFlagGroup },
    { "CheckBox17", QT_TRANSLATE_NOOP("TForm1", "Force Join"),
        QT_TRANSLATE_NOOP("TForm1", "Force client to join team"), 131072, false, kCtfFlagGroup },
    { "CheckBox18", QT_TRANSLATE_NOOP("TForm1", "Armour Protect"),
        QT_TRANSLATE_NOOP("TForm1", "Armor protects you from teammates shots"), 262144, true, kCtfFlagGroup },
    { "CheckBox19", QT_TRANSLATE_NOOP("TForm1", "No Tech Powerups"),
        QT_TRANSLATE_NOOP("TForm1", "Disable tech/runes"), 524288, false, kCtfFlagGroup },
} };

// The presets set flags, limits and server switches together for a kind of game.
constexpr std::array<FlagPreset, kFlagPresetCount> kPresets { {
    { "RxSpeedButton1", QT_TRANSLATE_NOOP("TForm1", "2 Player"), QT_TRANSLATE_NOOP("TForm1", "Duel"), 1040,
        10, 10, 16, 8 },
    { "RxSpeedButton2", QT_TRANSLATE_NOOP("TForm1", "4 or Less"), QT_TRANSLATE_NOOP("TForm1", "Player DM"),
        17936, 30, 20, 16, 8 },
    { "RxSpeedButton3", QT_TRANSLATE_NOOP("TForm1", "More than "), QT_TRANSLATE_NOOP("TForm1", "4 Player DM"),
        17940, 50, 30, 16, 8 },
    { "RxSpeedButton4", QT_TRANSLATE_NOOP("TForm1", "CTF"), "", 280084, 150, 30, 16, 8 },
    { "RxSpeedButton5", QT_TRANSLATE_NOOP("TForm1", "Team DM"), QT_TRANSLATE_NOOP("TForm1", "(By Skin)"),
        18000, 30, 20, 16, 8 },
    { "RxSpeedButton6", QT_TRANSLATE_NOOP("TForm1", "Team DM"), QT_TRANSLATE_NOOP("TForm1", "(By Model)"),
        18064, 30, 20, 16, 8 },
} };

// Numbers this large are left alone by "&Set".
constexpr int kSetLimit = 9999999;

} // namespace

const std::array<FlagBox, kFlagBoxCount>& flagBoxes()
{
    return kBoxes;
}

FlagBoxStates defaultFlagBoxes()
{
    FlagBoxStates states {};
    for (int i = 0; i < kFlagBoxCount; ++i)
        states[i] = kBoxes[i].defaultOn;
    return states;
}

int totalFromBoxes(const FlagBoxStates& boxes)
{
    int total = 0;
    for (int i = 0; i < kFlagBoxCount; ++i) {
        if (boxes[i])
            total += kBoxes[i].value;
    }
    return total;
}

FlagBoxStates boxesFromTotal(int total)
{
    // The table holds the values in ascending order, so walking it backwards takes
    // the largest first.
    FlagBoxStates states {};
    qint64 rest = total;
    for (int i = kFlagBoxCount - 1; i >= 0; --i) {
        if (rest >= kBoxes[i].value) {
            states[i] = true;
            rest -= kBoxes[i].value;
        }
    }
    return states;
}

bool applyTotal(int total, FlagBoxStates& boxes)
{
    const FlagBoxStates decoded = boxesFromTotal(total);
    const bool changed = decoded != boxes;
    boxes = decoded;
    return changed;
}

int parseFlagTotal(const QString& text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const qint64 limit
        = negative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    qint64 value = 0;
    bool valid = i < text.size();
    for (; valid && i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        valid = c >= '0' && c <= '9';
        if (valid) {
            value = value * 10 + (c - '0');
            valid = value <= limit;
        }
    }
    if (!valid)
        throw UserError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return static_cast<int>(negative ? -value : value);
}

std::optional<int> flagTotalToSet(const QString& text)
{
    const int total = parseFlagTotal(text);
    if (total >= kSetLimit)
        return std::nullopt;
    return total;
}

const std::array<FlagPreset, kFlagPresetCount>& flagPresets()
{
    return kPresets;
}

} // namespace tk
