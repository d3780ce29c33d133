// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Yamagi Quake II's key names, as "bind" and "unbind" take them.
namespace tk::console {

// The engine's key table has this many slots (key numbers 0 to kKeyCount - 1).
inline constexpr int kKeyCount = 303;
inline constexpr int kEscapeKey = 27;

// The key number of a key name: a name of one byte is that byte (as a signed char, so a
// byte from 0x80 gives a negative number), a longer one a name of the engine's list
// compared without regard to case. -1 for no key.
int keyNumber(QByteArrayView name);

// The engine's own name for a key number: the character for printable ones, except those
// that mean something in a script (";", double quote, "'" and "$"), else the name of its list.
QByteArray keyName(int key);

// Whether bind takes a key name, and why not.
enum class BindKeyProblem {
    None,
    NotAKey, // "x" isn't a valid key
    SpecialKey, // ESCAPE and the console keys ` ~ ^: You can't bind the special key
    OutsideKeyTable, // a single byte from 0x80 other than 0xFF: the engine writes outside its table
};
BindKeyProblem bindKeyProblem(QByteArrayView name);

} // namespace tk::console
