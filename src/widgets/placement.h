// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// Where a window of its own opens beside another it should not hide (a tool window beside
// the main window): within screen, as a frame that covers none of occupied, right of it,
// left, below or above, whichever side gives the most room, the frame as large as the free
// space there allows up to preferred. Where no side has room for minimum, the frame of
// minimum size that covers the least of occupied. frame is what the window system adds
// around the client area; the result is the client area. A gap keeps the two apart.
QRect placeBeside(const QRect& screen, const QRect& occupied, const QSize& preferred, const QSize& minimum,
    const QMargins& frame = {}, int gap = 8);
