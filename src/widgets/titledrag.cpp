// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/titledrag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Wayland lets no client place its own windows: there the compositor moves them.
bool compositorMovesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

TitleDrag::TitleDrag(QWidget* window, QWidget* panel)
    : QObject(panel)
    , m_window(window)
    , m_panel(panel)
{
    addHandle(panel);
}

void TitleDrag::addHandle(QWidget* handle)
{
    m_handles.append(handle);
    handle->installEventFilter(this);
}

bool TitleDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        break;
    default:
        return false;
    }
    auto* handle = static_cast<QWidget*>(watched);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // The position from the global one: the window may have moved since the window
    // system stamped the event, and the panel moves with it.
    const QPoint panelPos = m_panel->mapFromGlobal(mouse->globalPosition().toPoint());

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (handle == m_panel) {
            // A press that a button on the panel passed on (one it does not take,
            // such as the right button) is no press on the panel.
            QWidget* child = m_panel->childAt(m_panel->mapFrom(handle, mouse->position().toPoint()));
            if (child && !m_handles.contains(child))
                return false;
        }
        if (compositorMovesWindows()) {
            if (QWindow* window = m_window->windowHandle())
                window->startSystemMove();
            return true;
        }
        mouseDown(panelPos);
        return true;
    }
    case QEvent::MouseMove:
        if (!m_dragging)
            return false;
        mouseMove(panelPos);
        return true;
    case QEvent::MouseButtonRelease:
        if (!m_dragging)
            return false;
        mouseUp();
        return true;
    default:
        return false;
    }
}

void TitleDrag::mouseDown(const QPoint& panelPos)
{
    if (m_dragging)
        return;
    m_dragging = true;
    m_start = panelPos;
    m_window->setCursor(Qt::SizeAllCursor);
}

void TitleDrag::mouseMove(const QPoint& panelPos)
{
    const QPoint offset = panelPos - m_start;
    if (!offset.isNull())
        m_window->move(m_window->pos() + offset);
}

void TitleDrag::mouseUp()
{
    m_dragging = false;
    m_window->unsetCursor();
}
