// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/clickableframe.h"

#include <QKeyEvent>
#include <QMouseEvent>

ClickableFrame::ClickableFrame(QWidget* parent)
    : QFrame(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickableFrame::setKeyboardClickable()
{
    setFocusPolicy(Qt::StrongFocus);
}

void ClickableFrame::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (focusPolicy() != Qt::NoFocus && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        click();
        return;
    }
    QFrame::keyPressEvent(event);
}

void ClickableFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}
