// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/dmflags.h"

#include "app/core/usererror.h"

#include <QCoreApplication>
#include <limits>

namespace tk {

namespace {

constexpr FlagGroup kDm = FlagGroup::Deathmatch;
constexpr FlagGroup kCtf = FlagGroup::CaptureTheFlag;

constexpr std::array<FlagBox, kFlagBoxCount> kBoxes { {
    { 1, false, kDm },
    { 2, false, kDm },
    { 4, true, kDm },
    { 8, false, kDm },
    { 16, true, kDm },
    { 32, false, kDm },
    { 64, false, kDm },
    { 128, false, kDm },
    { 256, false, kDm },
    { 512, true, kDm },
    { 1024, true, kDm },
    { 2048, false, kDm },
    { 4096, false, kDm },
    { 8192, false, kDm },
    { 16384, true, kDm },
    { 32768, false, kDm },
    { 131072, false, kCtf },
    { 262144, true, kCtf },
    { 524288, false, kCtf },
} };

// The presets set flags, limits and server switches together for a kind of game: a duel,
// four or fewer players, more than four, CTF, teams by skin and teams by model.
constexpr std::array<FlagPreset, kFlagPresetCount> kPresets { {
    { 1040, 10, 10, 16, 8 },
    { 17936, 30, 20, 16, 8 },
    { 17940, 50, 30, 16, 8 },
    { 280084, 150, 30, 16, 8 },
    { 18000, 30, 20, 16, 8 },
    { 18064, 30, 20, 16, 8 },
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
        throw UserError(
            QCoreApplication::translate("DmFlags", "'%1' is not a valid integer value").arg(text));
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
