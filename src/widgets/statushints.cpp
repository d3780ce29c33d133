// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/statushints.h"

#include "widgets/namelabel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QStatusTipEvent>
#include <QWidget>

StatusHints::StatusHints(QWidget* window, QLabel* panel)
    : QObject(window)
    , m_window(window)
    , m_panel(panel)
{
    qApp->installEventFilter(this);
}

QString StatusHints::hintOf(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty())
            return w->statusTip();
        if (w->isWindow())
            break;
    }
    return {};
}

bool StatusHints::inWindow(const QWidget* w) const
{
    return w->window() == m_window;
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the application passes here: decide on the type first, and do
    // nothing on plain mouse moves. Enter and leave events already tell when the
    // control under the pointer changes.
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::ToolTip:
    case QEvent::StatusTip:
    case QEvent::FocusIn:
        break;
    default:
        return false;
    }
    if (!watched->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(watched);
    if (!inWindow(w))
        return false;

    switch (event->type()) {
    case QEvent::ToolTip:
        // The hints show in the status panel; only a name shown cut shows itself whole.
        return !qobject_cast<NameLabel*>(w);
    case QEvent::StatusTip:
        // A list tells the hint of the row under the pointer when it has one, and an empty
        // hint when the pointer leaves such a row: the list's own hint then stands again.
        if (inItemView(m_underPointer)) {
            const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
            showHint(tip.isEmpty() ? hintOf(m_underPointer) : tip);
            return true;
        }
        // The control with the keyboard focus may tell the hint of its part in focus.
        if (w->hasFocus() && !static_cast<QStatusTipEvent*>(event)->tip().isEmpty()) {
            showHint(static_cast<QStatusTipEvent*>(event)->tip());
            return true;
        }
        break;
    case QEvent::FocusIn:
        // Keyboard users see the hint of the control they moved to. A click shows the
        // hint of the control under the pointer already, and a window that comes back
        // to the front leaves the panel as the pointer left it.
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::MouseFocusReason:
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            break;
        default:
            showHint(hintOf(w));
            break;
        }
        break;
    case QEvent::Enter:
        // Entered controls are told from the outermost to the innermost, so the last
        // one is the control under the pointer.
        pointerOver(w);
        break;
    case QEvent::Leave:
        // Left controls are told from the innermost outwards; when no control is
        // entered afterwards, the pointer is over the parent of the last one left.
        if (w->isWindow())
            pointerOver(nullptr);
        else if (w == m_underPointer)
            pointerOver(w->parentWidget());
        break;
    default:
        break;
    }
    return false;
}

bool StatusHints::inItemView(const QWidget* w)
{
    return w
        && (qobject_cast<const QAbstractItemView*>(w)
            || qobject_cast<const QAbstractItemView*>(w->parentWidget()));
}

void StatusHints::pointerOver(QWidget* w)
{
    if (w == m_underPointer || !m_panel)
        return;
    m_underPointer = w;
    showHint(hintOf(w));
}

void StatusHints::refresh()
{
    if (m_underPointer)
        showHint(hintOf(m_underPointer));
}

void StatusHints::showHint(const QString& hint)
{
    const QString text = QLatin1Char(' ') + hint;
    if (m_panel && m_panel->text() != text)
        m_panel->setText(text);
}
