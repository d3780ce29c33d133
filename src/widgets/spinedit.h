// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAbstractSpinBox>

// An integer held as text, with spin buttons. A spin edit whose minimum differs from
// its maximum clamps a value set into it and its text when the user leaves it; one
// whose minimum equals its maximum has no range. Text that is not an integer reads
// as the minimum. Typing is limited to digits, signs, the decimal point and control
// keys other than Enter, which the user may still turn into a non-integer text.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
    // Screen readers read the value through this property.
    Q_PROPERTY(int value READ value WRITE setValue USER true)
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    bool hasRange() const { return m_min != m_max; }
    void setIncrement(int step) { m_step = step; }
    int increment() const { return m_step; }
    void setMaxLength(int length);

    // The text read as a decimal integer, or the minimum when it is not one.
    int value() const;
    void setValue(int value);
    // Sets the text as it is, without clamping (for typed or pasted texts).
    void setText(const QString& text);

    void stepBy(int steps) override;

Q_SIGNALS:
    void textEdited();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int clamped(qint64 value) const;

    int m_min = 0;
    int m_max = 0;
    int m_step = 1;
};
