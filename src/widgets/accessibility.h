// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <functional>

class QAbstractItemView;
class QAccessibleEvent;
class QModelIndex;
class QSlider;
class QString;
class QWidget;

// What screen readers read, where the toolkit's defaults fall short: a combo box is
// named by its caption (a label tied to it, or its accessible name) rather than by its
// current text, and the main window is a frame. Installs once; later calls do nothing.
void installAccessibleInterfaces();

namespace accessibility {

// A label that opens its text as a link: read as a link whose press action opens it.
void markLink(QWidget* label);
// A slider whose position is a value times scale (the sensitivity 5.0 at 50): it reads
// the value, with one decimal.
void setValueScale(QSlider* slider, int scale);
// Tells screen readers that the check state of the item at index changed.
void checkStateChanged(QAbstractItemView* view, const QModelIndex& index);
// Tells screen readers what an action did, where it shows now: the count label after a
// random pick, the flag total after a preset. Read as the control's name changing.
void announce(QWidget* shown);
// The same for a row of a list: the row added or the one that now takes a deleted one's place.
void announce(QAbstractItemView* view, const QModelIndex& index);

// Sees every event the functions above send, before screen readers do (they are sent
// only while one listens); for tests. An empty function removes it.
void setEventHook(std::function<void(QAccessibleEvent*)> hook);

} // namespace accessibility
