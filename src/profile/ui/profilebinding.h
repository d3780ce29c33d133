// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLatin1StringView>
#include <QList>
#include <variant>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;
class ColorSwatch;
class SpinEdit;
class TabPage;

namespace tk {
struct Profile;
struct ProfileKey;
} // namespace tk

// The control of a tab page that shows one key of the profile table: a button for a
// boolean, a spin edit or the colour swatch for an integer, an edit or a combo box for a
// string. None where a step of its own reads and writes the key (the lists, the bot list
// file, the selected map, the rotation file), and on every page but the key's own.
using ProfileControl = std::variant<std::monostate, QCheckBox*, QRadioButton*, SpinEdit*, ColorSwatch*,
    QLineEdit*, QComboBox*>;

// The control of page bound to key. Every key of the table has a binding, in the table's
// order, and a control of its type exactly when it has a field in the profile value; the
// first call checks that and stops the program at once where it does not hold.
ProfileControl profileControl(const TabPage& page, const tk::ProfileKey& key);
// The checks of profileControl, run on their own: the main window runs them when it is
// made, so that a binding at odds with the table stops the program at its start.
void checkProfileBindings();

// The widget of a control; null for none.
QWidget* widgetOf(const ProfileControl& control);

// Every control of page bound to a key shows the key's value in profile. A spin edit is
// given the value as it is: the profile's values are in range.
void loadBoundControls(TabPage& page, const tk::Profile& profile);
// The values the bound controls of page show, into profile.
void storeBoundControls(const TabPage& page, tk::Profile& profile);

// Where the user sees and changes the setting of a key, on one of pages: its control, or
// for a key read and written by a step of its own the view of what it holds (the memo of
// the additional commands, the bot list, the map catalogue, the bind list, the rotation
// list of the rotation file). Null for a key that is not in the table.
QWidget* settingWidget(const QList<TabPage*>& pages, QLatin1StringView section, QLatin1StringView key);
