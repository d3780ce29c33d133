// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/logo.h"
#include "widgets/fontscale.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

Logo::Logo(Shape shape, QWidget* parent)
    : ClickableFrame(parent)
    , m_shape(shape)
{ }

QSize Logo::sizeHint() const
{
    return controls::scaled(m_shape == Shape::Badge ? QSize(96, 22) : QSize(560, 40));
}

void Logo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    QLinearGradient back(r.topLeft(), r.bottomLeft());
    back.setColorAt(0, QColor(70, 8, 8));
    back.setColorAt(1, QColor(20, 0, 0));
    p.setPen(QPen(QColor(150, 110, 40), 1));
    p.setBrush(back);
    p.drawRoundedRect(r, r.height() * 0.2, r.height() * 0.2);

    // A crosshair at the left, the name beside it.
    const qreal h = r.height();
    const QPointF c(r.left() + h * 0.6, r.center().y());
    const qreal rad = h * 0.32;
    p.setPen(QPen(QColor(230, 170, 50), qMax<qreal>(1.0, h * 0.07)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rad, rad);
    p.drawLine(QPointF(c.x() - rad * 1.4, c.y()), QPointF(c.x() - rad * 0.4, c.y()));
    p.drawLine(QPointF(c.x() + rad * 0.4, c.y()), QPointF(c.x() + rad * 1.4, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - rad * 1.4), QPointF(c.x(), c.y() - rad * 0.4));
    p.drawLine(QPointF(c.x(), c.y() + rad * 0.4), QPointF(c.x(), c.y() + rad * 1.4));

    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setItalic(true);
    f.setPixelSize(100);
    QPainterPath text;
    text.addText(0, 0, f,
        m_shape == Shape::Badge ? QStringLiteral("TARRAKIND!") : QStringLiteral("TARRAKIND!  Bot Launcher"));
    const QRectF tb = text.boundingRect();
    const QRectF room(
        c.x() + rad * 1.7, r.top() + h * 0.18, r.right() - (c.x() + rad * 1.7) - h * 0.25, h * 0.64);
    const qreal scale = qMin(room.width() / tb.width(), room.height() / tb.height());
    QTransform t;
    t.translate(room.left() + (room.width() - tb.width() * scale) / 2 - tb.left() * scale,
        room.top() + (room.height() - tb.height() * scale) / 2 - tb.top() * scale);
    t.scale(scale, scale);
    const QPainterPath placed = t.map(text);
    QLinearGradient gold(room.topLeft(), room.bottomLeft());
    gold.setColorAt(0, QColor(255, 225, 120));
    gold.setColorAt(1, QColor(200, 120, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(placed);
}
