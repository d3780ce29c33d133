// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace tk {

// The deathmatch rules the game takes as one number, the sum of flag values, and the
// nineteen boxes that edit it. Their captions and hints are the flags tab's.

inline constexpr int kFlagBoxCount = 19;
using FlagBoxStates = std::array<bool, kFlagBoxCount>;

// The boxes of the deathmatch and teamplay rules, and those of Capture the Flag.
enum class FlagGroup { Deathmatch, CaptureTheFlag };

struct FlagBox {
    int value;
    bool defaultOn;
    FlagGroup group;
};

// The boxes in the tab's order, from the smallest value up.
const std::array<FlagBox, kFlagBoxCount>& flagBoxes();

// Box states of a new window; they add up to 280084.
FlagBoxStates defaultFlagBoxes();

// Sum of the values of the checked boxes.
int totalFromBoxes(const FlagBoxStates& boxes);

// Box states for a total: each value from the largest down is taken while it fits.
// 65536 has no box and is never taken, so it reads as the lower flags; a negative
// total checks nothing.
FlagBoxStates boxesFromTotal(int total);

// Decodes total into boxes; true when any box changed state, in which case the flag
// total text becomes the box sum (each change counts as a click of its box). When no
// box changed, the text stays as it was.
bool applyTotal(int total, FlagBoxStates& boxes);

// The flag total text as a signed 32-bit decimal integer (an optional sign and digits).
// Throws UserError "'<text>' is not a valid integer value" otherwise.
int parseFlagTotal(const QString& text);

// What "&Set" decodes: the parsed number, or nothing for numbers of 9999999 and more,
// which are ignored. Throws UserError for text that is not an integer.
std::optional<int> flagTotalToSet(const QString& text);

// A game set-up button: decodes its flag total and sets the match limits; it also
// unchecks "Dedicated Server" and "Allow Cheats".
struct FlagPreset {
    int flagTotal;
    int fraglimit;
    int timelimit;
    int maxclients;
    int capturelimit;
};

inline constexpr int kFlagPresetCount = 6;
const std::array<FlagPreset, kFlagPresetCount>& flagPresets();

} // namespace tk
