// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFrame>

// A frame that is clicked as a button is: a left button released over it, with the
// pointing hand over it meanwhile. The logo and the colour swatch draw on it.
class ClickableFrame : public QFrame {
    Q_OBJECT
public:
    explicit ClickableFrame(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
