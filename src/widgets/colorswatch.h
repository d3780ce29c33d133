// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "widgets/clickableframe.h"

#include <QColor>

// A small sunken box filled with one colour; a click on it asks for another.
class ColorSwatch : public ClickableFrame {
    Q_OBJECT
    // The value the user sets, as a check box's checked state is.
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged USER true)
public:
    explicit ColorSwatch(const QColor& colour, QWidget* parent = nullptr);

    QColor color() const { return m_colour; }
    void setColor(const QColor& colour);

    QSize sizeHint() const override { return { 36, 18 }; }

    // The colour as a 32-bit value, blue * 65536 + green * 256 + red (255 is pure
    // red), the form the profile stores it in.
    static int toColorRef(const QColor& colour);
    // The colour of such a value; the high byte, which names no colour, is ignored.
    static QColor fromColorRef(int value);

Q_SIGNALS:
    void colorChanged(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};
