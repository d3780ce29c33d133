// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <variant>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;
class ColorSwatch;
class SpinEdit;
class TForm1;

namespace tk {
struct ProfileKey;
} // namespace tk

// The control of the main window that shows one key of the profile table: a button
// for a boolean, a spin edit or the colour swatch for an integer, an edit, a combo box
// or a label for a string. None where a step of its own reads and writes the key (the
// lists, the bot list file, the selected map).
using ProfileControl = std::variant<std::monostate, QCheckBox*, QRadioButton*, SpinEdit*, ColorSwatch*,
    QLineEdit*, QComboBox*, QLabel*>;

// The control bound to key. Every key of the table has a binding, in the table's
// order, and a control of its type; the first call checks that and stops the program
// at once where it does not hold.
ProfileControl profileControl(TForm1& form, const tk::ProfileKey& key);
// The checks of profileControl, run on their own: the main window runs them when it is
// made, so that a binding at odds with the table stops the program at its start.
void checkProfileBindings();

// The widget of a control; null for none.
QWidget* widgetOf(const ProfileControl& control);
