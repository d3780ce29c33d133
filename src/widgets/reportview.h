// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QStringList>
#include <QTreeWidget>

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;

namespace controls {

// The list view that reportView() makes. It tells when a mouse release has been
// handled, so that a click's handler sees the selection the click left, beside the
// rows too.
class ReportView : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;

Q_SIGNALS:
    void mouseReleaseHandled(QMouseEvent* event);
    // A key press has moved the selection.
    void selectionMovedByKeys();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Entering the list by keyboard makes the highlighted row the focused one: the
    // arrow keys go on from there and the row's commands act on it.
    void focusInEvent(QFocusEvent* event) override;
};

// A list view in report mode: rows with columns under a fixed header, read-only,
// one whole row selected at a time, in the order the rows were added. The selection
// stays highlighted when the list loses the focus. Widths are those at 96 dots per
// inch (they grow with larger text); a width of 0 leaves a column at its default width.
ReportView* reportView(
    QWidget* parent, const char* name, const QStringList& headers, const QList<int>& widths = {});

} // namespace controls
