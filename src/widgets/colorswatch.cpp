// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/colorswatch.h"

#include <QPainter>

ColorSwatch::ColorSwatch(const QColor& colour, QWidget* parent)
    : ClickableFrame(parent)
    , m_colour(colour)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ColorSwatch::setColor(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
    Q_EMIT colorChanged(m_colour);
}

int ColorSwatch::toColorRef(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return rgb.blue() * 65536 + rgb.green() * 256 + rgb.red();
}

QColor ColorSwatch::fromColorRef(int value)
{
    const auto v = static_cast<quint32>(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

void ColorSwatch::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(contentsRect(), m_colour);
    p.end();
    QFrame::paintEvent(event);
}
