// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/reportview.h"
#include "widgets/fontscale.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPalette>

namespace controls {

void ReportView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    Q_EMIT mouseReleaseHandled(event);
}

void ReportView::keyPressEvent(QKeyEvent* event)
{
    const QList<QTreeWidgetItem*> before = selectedItems();
    QTreeWidget::keyPressEvent(event);
    if (selectedItems() != before)
        Q_EMIT selectionMovedByKeys();
}

void ReportView::focusInEvent(QFocusEvent* event)
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (event->reason() != Qt::MouseFocusReason && selected.size() == 1 && currentItem() != selected.first())
        selectionModel()->setCurrentIndex(indexFromItem(selected.first()), QItemSelectionModel::NoUpdate);
    QTreeWidget::focusInEvent(event);
}

ReportView* reportView(
    QWidget* parent, const char* name, const QStringList& headers, const QList<int>& widths)
{
    auto* view = new ReportView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setColumnCount(int(headers.size()));
    view->setHeaderLabels(headers);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(false);
    view->header()->setSectionsClickable(false);
    view->header()->setSectionsMovable(false);
    view->header()->setStretchLastSection(false);
    for (int i = 0; i < widths.size() && i < headers.size(); ++i) {
        if (widths.at(i) > 0)
            view->setColumnWidth(i, scaled(widths.at(i)));
    }
    // The selected row must stay visible while the user works with the buttons beside
    // the list.
    QPalette pal = view->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
        pal.color(QPalette::Active, QPalette::HighlightedText));
    view->setPalette(pal);
    return view;
}

} // namespace controls
