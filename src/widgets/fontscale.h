// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QSize>

// The fixed lengths of the windows were drawn for the small interface font at 96 dots per
// inch. Where the desktop asks for larger text without scaling the display (a font DPI
// above 96), they grow in the ratio the text grows, so that every caption keeps its room;
// at 96 and below they stay as drawn.
namespace controls {

qreal fontRatio();
int scaled(int length);
QSize scaled(QSize size);

} // namespace controls
