// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QProxyStyle>
#include <functional>

class QAbstractItemView;
class QColor;
class QAccessibleEvent;
class QModelIndex;
class QSlider;
class QString;
class QTreeView;
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
// A flat list whose rows Space and Return tick: the first cell of a row that can be ticked
// reads as checkable and offers the toggle action, which ticks it as Space does; no
// other cell offers it.
void markCheckableRows(QTreeView* view);
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

// Colours every player can read, for the whole application: selected rows' text stands
// out at least 4.5:1 from the selection, and the keyboard focus is a frame two pixels wide
// in the selection colour, at least 3:1 against the window and the fields (the quick-load
// bar's chosen button included). Installs once; later calls do nothing.
void installReadableLook();
// The contrast ratio of two colours as the web's accessibility guidelines define it.
double contrastRatio(const QColor& a, const QColor& b);
// Marks a button of a bar that the keyboard has chosen while the bar has the focus.
void showChosen(QWidget* button, bool chosen);

// The application's style: it draws the keyboard focus as a frame two pixels wide in the
// selection colour (on a selected row in the colour of its text) instead of the desktop
// style's faint one. A widget that needs a style of its own derives that from this one.
class ReadableStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget) const override;

private:
    static void frame(QPainter* painter, const QRect& rect, const QColor& colour);
};

} // namespace accessibility
