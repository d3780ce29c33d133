// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "widgets/clickableframe.h"

// The launcher's logo, drawn as vector artwork so that it stays crisp at any size.
// A left click opens the About box.
class Logo : public ClickableFrame {
    Q_OBJECT
public:
    enum class Shape { Badge, Strip };
    explicit Logo(Shape shape, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape m_shape;
};
