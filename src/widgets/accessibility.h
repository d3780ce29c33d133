// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What screen readers read, where the toolkit's defaults fall short: a combo box is
// named by its caption (a label tied to it, or its accessible name) rather than by its
// current text, and the main window is a frame. Installs once; later calls do nothing.
void installAccessibleInterfaces();
