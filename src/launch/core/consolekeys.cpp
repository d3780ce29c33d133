// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/consolekeys.h"

#include <iterator>

namespace tk::console {

namespace {

// The named keys below 128, with the characters a script cannot give as themselves.
const struct {
    const char* name;
    int key;
} kLowNames[] = {
    { "TAB", 9 },
    { "ENTER", 13 },
    { "ESCAPE", kEscapeKey },
    { "SPACE", 32 },
    { "SEMICOLON", ';' },
    { "DOUBLEQUOTE", '"' },
    { "QUOTE", '\'' },
    { "DOLLAR", '$' },
    { "BACKSPACE", 127 },
};

// The keys from 128 on, in the engine's order of key numbers.
const char* const kHighNames[] = { "COMMAND", "CAPSLOCK", "POWER", "PAUSE", "UPARROW", "DOWNARROW",
    "LEFTARROW", "RIGHTARROW", "ALT", "CTRL", "SHIFT", "INS", "DEL", "PGDN", "PGUP", "HOME", "END", "F1",
    "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "F13", "F14", "F15", "KP_HOME",
    "KP_UPARROW", "KP_PGUP", "KP_LEFTARROW", "KP_5", "KP_RIGHTARROW", "KP_END", "KP_DOWNARROW", "KP_PGDN",
    "KP_ENTER", "KP_INS", "KP_DEL", "KP_SLASH", "KP_MINUS", "KP_PLUS", "KP_NUMLOCK", "KP_STAR", "KP_EQUALS",
    "MOUSE1", "MOUSE2", "MOUSE3", "MOUSE4", "MOUSE5", "MWHEELDOWN", "MWHEELUP", "SUPER", "COMPOSE", "MODE",
    "HELP", "PRINT", "SYSREQ", "SCROLLOCK", "MENU", "UNDO", "SC_A", "SC_B", "SC_C", "SC_D", "SC_E", "SC_F",
    "SC_G", "SC_H", "SC_I", "SC_J", "SC_K", "SC_L", "SC_M", "SC_N", "SC_O", "SC_P", "SC_Q", "SC_R", "SC_S",
    "SC_T", "SC_U", "SC_V", "SC_W", "SC_X", "SC_Y", "SC_Z", "SC_MINUS", "SC_EQUALS", "SC_LEFTBRACKET",
    "SC_RIGHTBRACKET", "SC_BACKSLASH", "SC_NONUSHASH", "SC_SEMICOLON", "SC_APOSTROPHE", "SC_GRAVE",
    "SC_COMMA", "SC_PERIOD", "SC_SLASH", "SC_NONUSBACKSLASH", "SC_INTERNATIONAL1", "SC_INTERNATIONAL2",
    "SC_INTERNATIONAL3", "SC_INTERNATIONAL4", "SC_INTERNATIONAL5", "SC_INTERNATIONAL6", "SC_INTERNATIONAL7",
    "SC_INTERNATIONAL8", "SC_INTERNATIONAL9", "SC_THOUSANDSSEPARATOR", "SC_DECIMALSEPARATOR",
    "SC_CURRENCYUNIT", "SC_CURRENCYSUBUNIT" };
constexpr int kHighFirst = 128;
// The console key sits between the names and the gamepad, without a name of its own.
constexpr int kGamepadFirst = 247;

const char* const kGamepadNames[] = { "BTN_SOUTH", "BTN_EAST", "BTN_WEST", "BTN_NORTH", "BTN_BACK",
    "BTN_GUIDE", "BTN_START", "STICK_LEFT", "STICK_RIGHT", "SHOULDR_LEFT", "SHOULDR_RIGHT", "DP_UP",
    "DP_DOWN", "DP_LEFT", "DP_RIGHT", "BTN_MISC1", "PADDL_RIGHT1", "PADDL_LEFT1", "PADDL_RIGHT2",
    "PADDL_LEFT2", "TOUCHPAD", "BTN_MISC2", "BTN_MISC3", "BTN_MISC4", "BTN_MISC5", "BTN_MISC6", "TRIG_LEFT",
    "TRIG_RIGHT", "BTN_SOUTH_ALT", "BTN_EAST_ALT", "BTN_WEST_ALT", "BTN_NORTH_ALT", "BTN_BACK_ALT",
    "BTN_GUIDE_ALT", "BTN_START_ALT", "STICK_LEFT_ALT", "STICK_RIGHT_ALT", "SHOULDR_LEFT_ALT",
    "SHOULDR_RIGHT_ALT", "DP_UP_ALT", "DP_DOWN_ALT", "DP_LEFT_ALT", "DP_RIGHT_ALT", "BTN_MISC1_ALT",
    "PADDL_RIGHT1_ALT", "PADDL_LEFT1_ALT", "PADDL_RIGHT2_ALT", "PADDL_LEFT2_ALT", "TOUCHPAD_ALT",
    "BTN_MISC2_ALT", "BTN_MISC3_ALT", "BTN_MISC4_ALT", "BTN_MISC5_ALT", "BTN_MISC6_ALT", "TRIG_LEFT_ALT",
    "TRIG_RIGHT_ALT" };

static_assert(kHighFirst + std::size(kHighNames) == kGamepadFirst - 1);
static_assert(kGamepadFirst + std::size(kGamepadNames) == kKeyCount);

bool sameName(QByteArrayView a, const char* b)
{
    return a.compare(QByteArrayView(b), Qt::CaseInsensitive) == 0;
}

} // namespace

int keyNumber(QByteArrayView name)
{
    if (name.isEmpty())
        return -1;
    if (name.size() == 1)
        return static_cast<signed char>(name[0]);
    for (const auto& low : kLowNames) {
        if (sameName(name, low.name))
            return low.key;
    }
    for (int i = 0; i < int(std::size(kHighNames)); ++i) {
        if (sameName(name, kHighNames[i]))
            return kHighFirst + i;
    }
    for (int i = 0; i < int(std::size(kGamepadNames)); ++i) {
        if (sameName(name, kGamepadNames[i]))
            return kGamepadFirst + i;
    }
    return -1;
}

QByteArray keyName(int key)
{
    if (key == -1)
        return "<KEY NOT FOUND>";
    if (key > 32 && key < 127 && key != ';' && key != '"' && key != '\'' && key != '$')
        return QByteArray(1, char(key));
    if (key >= kGamepadFirst && key < kKeyCount)
        return kGamepadNames[key - kGamepadFirst];
    for (const auto& low : kLowNames) {
        if (low.key == key)
            return low.name;
    }
    if (key >= kHighFirst && key < kHighFirst + int(std::size(kHighNames)))
        return kHighNames[key - kHighFirst];
    return "<UNKNOWN KEYNUM>";
}

BindKeyProblem bindKeyProblem(QByteArrayView name)
{
    const int key = keyNumber(name);
    if (key == -1)
        return BindKeyProblem::NotAKey;
    if (key < 0)
        return BindKeyProblem::OutsideKeyTable;
    if (key == kEscapeKey || key == '^' || key == '`' || key == '~')
        return BindKeyProblem::SpecialKey;
    return BindKeyProblem::None;
}

} // namespace tk::console
