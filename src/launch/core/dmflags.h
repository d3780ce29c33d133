// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace tk {

// The deathmatch rules the game takes as one number, the sum of flag values, and the
// nineteen boxes that edit it. Texts are untranslated source strings in the "TForm1"
// context; the widgets pass them through tr().

inline constexpr int kFlagBoxCount = 19;
using FlagBoxStates = std::array<bool, kFlagBoxCount>;

inline constexpr const char* kDmFlagGroup = QT_TRANSLATE_NOOP("TForm1", "Flags [DM and Teamplay]");
inline constexpr const char* kDmFlagGroupHint = QT_TRANSLATE_NOOP("TForm1", "Basic DMFlag selection");
inline constexpr const char* kCtfFlagGroup = QT_TRANSLATE_NOOP("TForm1", "Flags [CTF]");
inline constexpr const char* kCtfFlagGroupHint = QT_TRANSLATE_NOOP("TForm1", "CTF DMFlag selection");

struct FlagBox {
    const char* componentName; // "CheckBox1".."CheckBox19"
    const char* caption;
    const char* hint;
    int value;
    bool defaultOn;
    const char* group; // kDmFlagGroup or kCtfFlagGroup
};

// The boxes in component order; index i is box CheckBox(i + 1).
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
    const char* componentName; // "RxSpeedButton1".."RxSpeedButton6"
    const char* captionLine1;
    const char* captionLine2; // empty for a one-line caption
    int flagTotal;
    int fraglimit;
    int timelimit;
    int maxclients;
    int capturelimit;
};

inline constexpr int kFlagPresetCount = 6;
const std::array<FlagPreset, kFlagPresetCount>& flagPresets();

} // namespace tk
