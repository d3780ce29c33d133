// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/clickableframe.h"

#include <QMouseEvent>

ClickableFrame::ClickableFrame(QWidget* parent)
    : QFrame(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickableFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}
