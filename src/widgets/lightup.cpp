// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/lightup.h"

#include "widgets/colorswatch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QTimer>

namespace {

QColor windowTextColor()
{
    return QApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

} // namespace

LightUp::LightUp(QCheckBox* enabledBox, ColorSwatch* colour, QObject* parent)
    : QObject(parent)
    , m_enabledBox(enabledBox)
    , m_colour(colour)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, &LightUp::timerElapsed);
}

void LightUp::addButton(QAbstractButton* button)
{
    if (!button || m_buttons.contains(button))
        return;
    m_buttons.append(button);
    // Without tracking a button hears of mouse moves only while a mouse button is held.
    button->setMouseTracking(true);
    button->installEventFilter(this);
    connect(button, &QObject::destroyed, this, [this, button] { m_buttons.removeAll(button); });
}

QAbstractButton* LightUp::litButton() const
{
    return m_lit;
}

void LightUp::setLitButton(QAbstractButton* button)
{
    m_lit = button;
}

QColor LightUp::captionColor(const QAbstractButton* button)
{
    return button->palette().color(QPalette::Active, QPalette::ButtonText);
}

void LightUp::setCaptionColor(QAbstractButton* button, const QColor& colour)
{
    // The disabled look stays the style's own.
    QPalette pal = button->palette();
    pal.setColor(QPalette::Active, QPalette::ButtonText, colour);
    pal.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
    button->setPalette(pal);
}

bool LightUp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        auto* button = static_cast<QAbstractButton*>(watched);
        // A disabled button takes no mouse input, so it never lights.
        if (button->isEnabled())
            buttonMouseMove(button);
    }
    return false;
}

void LightUp::buttonMouseMove(QAbstractButton* button)
{
    if (!m_enabledBox->isChecked())
        return;
    if (m_lit && m_lit != button)
        setCaptionColor(m_lit, windowTextColor());
    m_timer->stop();
    setCaptionColor(button, m_colour->color());
    m_lit = button;
    m_timer->start();
}

void LightUp::timerElapsed()
{
    if (m_lit)
        setCaptionColor(m_lit, windowTextColor());
    m_timer->stop();
}
