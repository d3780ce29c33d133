// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

// Moves a borderless window by dragging its title panel with any mouse button. The
// panel's own controls (its buttons) keep their clicks; labels on the panel drag
// like the panel itself.
class TitleDrag : public QObject {
    Q_OBJECT
public:
    TitleDrag(QWidget* window, QWidget* panel);

    // A child of the panel that drags like the panel (a caption label).
    void addHandle(QWidget* handle);

    bool dragging() const { return m_dragging; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mouseDown(const QPoint& panelPos);
    void mouseMove(const QPoint& panelPos);
    void mouseUp();

    QWidget* m_window;
    QWidget* m_panel;
    QList<QWidget*> m_handles;
    bool m_dragging = false;
    QPoint m_start; // the pointer at the press, in panel coordinates
};
