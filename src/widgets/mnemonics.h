// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

class QKeyEvent;
class QTabWidget;
class QWidget;

// The Alt+letter keys of the main window, resolved in one place. Several captions share a
// letter with a tab ("&Save" and "&Setup", "&Delete Bot" and "&DM Flags"), and the toolkit
// fires neither of two equal mnemonics. Here a button of the tab on show comes first, and
// the tab bar only when that tab has no enabled button with the letter. An Alt+letter that
// matches nothing does nothing; it is never typed into a field. Ctrl+Tab and
// Ctrl+Shift+Tab switch the window's tabs wherever the focus is, even inside a tab that
// holds tabs of its own.
class Mnemonics : public QObject {
    Q_OBJECT
public:
    Mnemonics(QWidget* window, QTabWidget* tabs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isMnemonic(const QKeyEvent* key);
    static bool isTabSwitch(const QKeyEvent* key);
    void trigger(const QKeyEvent* key);

    QWidget* m_window;
    QTabWidget* m_tabs;
};
