// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QIcon>

// The logo in every size the launcher carries (16 to 256 pixels).
QIcon applicationIcon();

// The application's identity on the desktop: its name, the desktop entry it belongs to
// (Wayland finds the icon through it) and the icon of every window. The interface font
// stays the platform's, so that message boxes, prompts and the file dialog honour the
// user's size; only the fixed-size windows choose a smaller one of their own.
void setUpApplication();
