// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QIcon>
#include <QSizeF>
#include <functional>

class QColor;
class QPainter;

// Icons the launcher draws itself. The artwork is drawn anew at every size and device
// pixel ratio asked for, so it stays sharp on scaled displays.
namespace icons {

// draw paints the artwork on a canvas of canvas units; the painter arrives scaled to
// the pixels asked for.
QIcon drawn(const QSizeF& canvas, std::function<void(QPainter&)> draw);

// A circular arrow, the usual picture for "reload", on a 16-unit canvas.
QIcon refresh(const QColor& colour);

} // namespace icons
