// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class QWidget;
class SpinEdit;

// Small factories for the controls every tab is made of. Each control gets its
// component name as object name; a hint goes into the status tip, which the status
// panel shows (the main window never pops up tool tips).
namespace controls {

// Sets w's hint: the status tip the status panel shows, and the description a screen
// reader reads.
void setHint(QWidget* w, const QString& hint);
// A caption without its mnemonic marks, as a screen reader says it.
QString plainCaption(const QString& caption);
// Names field after a caption that is not a label of its own (a check box beside it,
// a group it is alone in): screen readers call the field by that name.
void nameAfter(QWidget* field, const QString& caption);
// Makes keys press button while it is on screen and enabled, wherever the keyboard
// focus is: the button itself never takes the focus. The keys are added to the hint
// the button shows (its own, else the one of the control around it, else its caption).
void addShortcuts(QAbstractButton* button, const QList<QKeySequence>& keys);
// Makes keys press button while the keyboard focus is in area, the list the button acts
// on; the hint tells where ("Delete selected Bot (Delete in the list)").
void addShortcuts(
    QAbstractButton* button, const QList<QKeySequence>& keys, QWidget* area, const QString& where);
// Adds the keys that reach w, as the player names them, and where they do (" in the
// total"), to its hint and description.
void tellKeys(QWidget* w, const QList<QKeySequence>& keys, const QString& where = {});
// Adds the Alt key of the button's caption to its hint, as the caption has it now; with
// told false takes it out again.
void tellMnemonic(QAbstractButton* button, bool told = true);
// Whether keys were told in w's hint; then retellKeys() gives the hint and the places the
// keys work in their new text, and the keys their names in the new language.
bool toldKeys(const QWidget* w);
void retellKeys(QWidget* w, const std::function<QString(const QString&)>& retranslate);
// Return and keypad Enter press action anywhere in dialog, as its default button.
void finishWithReturn(QWidget* dialog, QAbstractButton* action);

// Brings every tab on the way to w to the front, the outer ones and those inside them,
// so that w can be seen.
void revealInTabs(QWidget* w);

// The tabs' compact spacing: 4-pixel margins, 3 pixels between controls, so that
// every tab fits the fixed window with ordinary interface fonts.
inline constexpr int kMargin = 4;
inline constexpr int kSpacing = 3;
void compact(QLayout* layout);

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});
QRadioButton* radioButton(
    QWidget* parent, const char* name, const QString& caption, const QString& hint = {});
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});
QGroupBox* group(QWidget* parent, const QString& caption, const QString& hint = {});
QLineEdit* edit(QWidget* parent, const char* name, const QString& text = {}, const QString& hint = {});
SpinEdit* spinEdit(QWidget* parent, const char* name, int minimum, int maximum, int step, int value,
    int maxLength = 0, const QString& hint = {});
// A raised panel used as a label ("label panel").
QLabel* labelPanel(
    QWidget* parent, const QString& caption, const QString& hint = {}, const char* name = nullptr);
// A sunken panel that displays a value.
QLabel* displayPanel(QWidget* parent, const char* name, const QString& text = {}, const QString& hint = {});
// Makes label such a panel (a label of a class of its own, say).
QLabel* asDisplayPanel(QLabel* label, const char* name, const QString& hint = {});
QLabel* label(QWidget* parent, const QString& text, const char* name = nullptr);
// The look of the borderless windows: a one-pixel black frame around a raised body.
// Returns the body's layout.
QVBoxLayout* framedBody(QWidget* window, int margin, int spacing);
// The desktop's active-caption colours: the title panel, the status panel and the
// About box's title strip.
void useCaptionColours(QWidget* widget);
// A wrapped explanatory text.
QLabel* note(QWidget* parent, const QString& text);

} // namespace controls
