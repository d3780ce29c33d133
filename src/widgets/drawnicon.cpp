// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/drawnicon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <QtMath>

namespace {

class DrawnIconEngine : public QIconEngine {
public:
    DrawnIconEngine(const QSizeF& canvas, std::function<void(QPainter&)> draw)
        : m_canvas(canvas)
        , m_draw(std::move(draw))
    { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // size is in device pixels: the icon asks for the logical size times the ratio.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        if (!size.isEmpty()) {
            QPainter p(&pm);
            p.scale(size.width() / m_canvas.width(), size.height() / m_canvas.height());
            m_draw(p);
        }
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(mode, pm, &option);
        }
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new DrawnIconEngine(m_canvas, m_draw); }

private:
    QSizeF m_canvas;
    std::function<void(QPainter&)> m_draw;
};

} // namespace

namespace icons {

QIcon drawn(const QSizeF& canvas, std::function<void(QPainter&)> draw)
{
    return QIcon(new DrawnIconEngine(canvas, std::move(draw)));
}

QIcon refresh(const QColor& colour)
{
    return drawn(QSizeF(16, 16), [colour](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF ring(3, 3, 10, 10);
        p.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(ring, 60 * 16, 290 * 16);
        // The arrow head sits at the open end of the ring, pointing clockwise.
        const qreal a = qDegreesToRadians(60.0);
        const QPointF tip(8 + 5 * qCos(a), 8 - 5 * qSin(a));
        QPainterPath head;
        head.moveTo(tip + QPointF(-4.0, -2.5));
        head.lineTo(tip + QPointF(1.5, -0.5));
        head.lineTo(tip + QPointF(-1.5, 4.0));
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(head);
    });
}

} // namespace icons
