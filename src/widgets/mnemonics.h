// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

class QAbstractButton;
class QKeyEvent;
class QStyle;
class QTabWidget;
class QWidget;

// The Alt+letter keys of a window, resolved in one place, so that an Alt+letter does what
// the player sees it will do. In the main window a tab's letter always opens its tab, from
// every tab. A button's letter presses it only when the letter names no tab and the button
// deletes nothing; such a button ("&Save", "&Delete Bot", "D&elete") keeps its caption but
// is drawn without the underline, and answers the keys in its hint instead. An Alt+letter
// that matches nothing does nothing: it is never typed into a field, in dialogs neither.
// Ctrl+Tab and Ctrl+Shift+Tab switch the window's tabs wherever the focus is, even inside a
// tab that holds tabs of its own.
class Mnemonics : public QObject {
    Q_OBJECT
public:
    // tabs is the main window's tab set; a dialog has none.
    explicit Mnemonics(QWidget* window, QTabWidget* tabs = nullptr);

    // A button that deletes (bots, binds, rotation entries, buttons): its letter never
    // presses it. Call before the window's Mnemonics is made.
    static void markDestructive(QAbstractButton* button);
    // Whether Alt and the underlined letter of button's caption press it.
    bool answers(const QAbstractButton* button) const;
    // Which buttons answer their letters, shown in their hints and underlines: looked at
    // again once every caption and tab name has its text in a new language (the window's
    // own retranslation calls it; otherwise it runs after the change event).
    void markLetters();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isMnemonic(const QKeyEvent* key);
    static bool isTabSwitch(const QKeyEvent* key);
    bool tabLetter(int key) const;
    void trigger(const QKeyEvent* key);

    QWidget* m_window;
    QTabWidget* m_tabs;
    QStyle* m_noUnderline = nullptr;
};
