// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

// Shows the hint of the control under the mouse pointer in the main window's status
// panel, and that of the control the keyboard focus moves to, and keeps hints from
// popping up as tool tips there. Hints are status tips;
// a control without one shows that of its nearest enclosing control, and a row of a list
// may have one of its own (its status tip), shown while the pointer is over it. Dialogs are
// windows of their own and keep their tool tips.
class StatusHints : public QObject {
    Q_OBJECT
public:
    // Watches the events of the whole application for those of window's controls.
    StatusHints(QWidget* window, QLabel* panel);

    // The hint of w, or of its nearest enclosing control with one; empty when none has.
    static QString hintOf(const QWidget* w);

    QWidget* widgetUnderPointer() const { return m_underPointer; }
    // Shows the hint of the control under the pointer again, as it reads now.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inWindow(const QWidget* w) const;
    // w is a list or a list's viewport: its rows may carry hints of their own.
    static bool inItemView(const QWidget* w);
    void pointerOver(QWidget* w);
    void showHint(const QString& hint);

    QWidget* m_window;
    // The panel goes before this filter when the window is taken down.
    QPointer<QLabel> m_panel;
    QPointer<QWidget> m_underPointer;
};
