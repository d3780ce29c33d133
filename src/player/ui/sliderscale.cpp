// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/ui/sliderscale.h"

#include <QEvent>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

SliderScale::SliderScale(QSlider* slider, const QList<QPair<int, QString>>& marks, QWidget* parent)
    : QWidget(parent)
    , m_slider(slider)
    , m_marks(marks)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The marks move with the slider whenever it is laid out anew.
    m_slider->installEventFilter(this);
}

QSize SliderScale::sizeHint() const
{
    return { 0, fontMetrics().height() };
}

int SliderScale::centreOf(int value) const
{
    QStyleOptionSlider opt;
    opt.initFrom(m_slider);
    opt.orientation = m_slider->orientation();
    opt.minimum = m_slider->minimum();
    opt.maximum = m_slider->maximum();
    opt.sliderPosition = value;
    opt.sliderValue = value;
    opt.tickPosition = m_slider->tickPosition();
    opt.tickInterval = m_slider->tickInterval();
    opt.subControls = QStyle::SC_SliderHandle;
    const QRect handle
        = m_slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, m_slider);
    return mapFrom(window(), m_slider->mapTo(window(), handle.center())).x();
}

void SliderScale::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFontMetrics fm = fontMetrics();
    for (const auto& [value, text] : m_marks) {
        const int w = fm.horizontalAdvance(text);
        const int x = qBound(0, centreOf(value) - w / 2, qMax(0, width() - w));
        p.drawText(QRect(x, 0, w, height()), Qt::AlignCenter, text);
    }
}

bool SliderScale::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_slider && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        update();
    return QWidget::eventFilter(watched, event);
}
