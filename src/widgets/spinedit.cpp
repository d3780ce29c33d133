// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/spinedit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <limits>

SpinEdit::SpinEdit(QWidget* parent)
    : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    lineEdit()->setText(QStringLiteral("0"));
    connect(lineEdit(), &QLineEdit::textEdited, this, &SpinEdit::textEdited);
}

void SpinEdit::setRange(int minimum, int maximum)
{
    m_min = minimum;
    m_max = maximum;
    if (hasRange())
        setValue(value());
}

void SpinEdit::setMaxLength(int length)
{
    lineEdit()->setMaxLength(length);
}

int SpinEdit::value() const
{
    bool ok = false;
    const int v = lineEdit()->text().toInt(&ok, 10);
    return ok ? v : m_min;
}

int SpinEdit::clamped(qint64 v) const
{
    if (hasRange())
        return int(std::clamp<qint64>(v, m_min, m_max));
    return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void SpinEdit::setValue(int v)
{
    setText(QString::number(clamped(v)));
}

void SpinEdit::setText(const QString& text)
{
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

void SpinEdit::stepBy(int steps)
{
    setValue(clamped(qint64(value()) + qint64(steps) * m_step));
    Q_EMIT textEdited();
}

QValidator::State SpinEdit::validate(QString&, int&) const
{
    // The key filter decides what may be typed; any resulting text stands.
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const
{
    return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}

void SpinEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QApplication::beep();
        event->accept();
        return;
    }
    // Only the arrow keys step, by one increment.
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        event->accept();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QChar c = text.at(0);
        const bool allowed = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'
            || c.category() == QChar::Other_Control;
        if (!allowed) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void SpinEdit::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
    if (hasRange())
        setValue(value());
}

void SpinEdit::wheelEvent(QWheelEvent* event)
{
    // Scrolling over a tab must not change its values unnoticed.
    event->ignore();
}
