// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFrame>

// A frame that is clicked as a button is: a left button released over it, with the
// pointing hand over it meanwhile. The logo and the colour swatch draw on it.
class ClickableFrame : public QFrame {
    Q_OBJECT
public:
    explicit ClickableFrame(QWidget* parent = nullptr);

    // Clicked as by the mouse: the keyboard's and screen readers' way.
    void click() { Q_EMIT clicked(); }
    // Makes it a stop of the Tab key where Space and Return click it.
    void setKeyboardClickable();

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
