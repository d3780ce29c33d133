// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class ColorSwatch;
class QAbstractButton;
class QCheckBox;
class QColor;
class QTimer;

// Lights up the caption of the button under the mouse pointer in the swatch's colour
// and puts it back 500 ms after the last movement over it. One button at a time is
// the lit button; moving onto another lighting button darkens the previous one at once.
class LightUp : public QObject {
    Q_OBJECT
public:
    // enabledBox switches the light-up on and off; colour gives the light-up colour.
    // Both are read at every mouse move, so changes take effect at once.
    LightUp(QCheckBox* enabledBox, ColorSwatch* colour, QObject* parent = nullptr);

    // Makes button light up when the mouse moves over it.
    void addButton(QAbstractButton* button);
    QList<QAbstractButton*> buttons() const { return m_buttons; }

    QAbstractButton* litButton() const;
    void setLitButton(QAbstractButton* button);

    // The one-shot timer that ends a light-up.
    QTimer* timer() const { return m_timer; }

    // The caption colour a button is drawn with when enabled.
    static QColor captionColor(const QAbstractButton* button);
    static void setCaptionColor(QAbstractButton* button, const QColor& colour);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buttonMouseMove(QAbstractButton* button);
    void timerElapsed();

    QCheckBox* m_enabledBox;
    ColorSwatch* m_colour;
    QTimer* m_timer;
    QList<QAbstractButton*> m_buttons;
    QPointer<QAbstractButton> m_lit;
};
