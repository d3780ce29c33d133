// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/fontscale.h"

#include <QGuiApplication>
#include <QScreen>

namespace controls {

qreal fontRatio()
{
    // Point sizes turn into pixels at the primary screen's logical DPI, for every window.
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qMax<qreal>(1.0, screen->logicalDotsPerInchY() / 96.0) : 1.0;
}

int scaled(int length)
{
    return qRound(length * fontRatio());
}

QSize scaled(QSize size)
{
    return { scaled(size.width()), scaled(size.height()) };
}

} // namespace controls
