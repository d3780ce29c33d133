// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/checkablerows.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>
#include <QTreeView>
#include <QWindow>

namespace {

QRect globalRect(const QWidget* w, QRect local)
{
    local.translate(w->mapToGlobal(QPoint(0, 0)));
    return local;
}

// A part of the list without parts of its own, known by the list alone.
class ListPart : public QAccessibleInterface {
public:
    explicit ListPart(QTreeView* view)
        : m_view(view)
    { }

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override { }

protected:
    QPointer<QTreeView> m_view;
};

class ColumnHeading : public ListPart {
public:
    ColumnHeading(QTreeView* view, int column)
        : ListPart(view)
        , m_column(column)
    { }

    bool isValid() const override
    {
        return m_view && m_view->model() && m_column < m_view->model()->columnCount();
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        return m_view->model()->headerData(m_column, Qt::Horizontal).toString();
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QHeaderView* header = m_view->header();
        return globalRect(header->viewport(),
            QRect(header->sectionViewportPosition(m_column), 0, header->sectionSize(m_column),
                header->height()));
    }
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !m_view || m_view->header()->isHidden();
        return s;
    }

private:
    int m_column;
};

class Cell : public ListPart, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
public:
    Cell(QTreeView* view, int row, int column)
        : ListPart(view)
        , m_row(row)
        , m_column(column)
    { }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface && toggles())
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isValid() const override { return m_view && index().isValid(); }

    QString text(QAccessible::Text t) const override
    {
        const QModelIndex at = index();
        if (!at.isValid())
            return {};
        switch (t) {
        case QAccessible::Name: {
            const QVariant spoken = at.data(Qt::AccessibleTextRole);
            return spoken.isValid() ? spoken.toString() : at.data(Qt::DisplayRole).toString();
        }
        case QAccessible::Description: {
            const QVariant described = at.data(Qt::AccessibleDescriptionRole);
            return described.isValid() ? described.toString() : at.data(Qt::StatusTipRole).toString();
        }
        default:
            return {};
        }
    }
    QRect rect() const override
    {
        return isValid() ? globalRect(m_view->viewport(), m_view->visualRect(index())) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::TreeItem; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const QModelIndex at = index();
        if (!m_view || !at.isValid())
            return s;
        const QItemSelectionModel* selection = m_view->selectionModel();
        s.invisible = !globalRect(m_view->viewport(), m_view->viewport()->rect()).intersects(rect());
        s.selected = selection->isSelected(at);
        s.focused = m_view->hasFocus() && selection->currentIndex() == at;
        const Qt::ItemFlags flags = at.flags();
        s.selectable = s.focusable = flags.testFlag(Qt::ItemIsSelectable);
        s.disabled = !flags.testFlag(Qt::ItemIsEnabled);
        if (toggles()) {
            s.checkable = true;
            s.checked = at.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        }
        return s;
    }

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    bool isSelected() const override { return isValid() && m_view->selectionModel()->isSelected(index()); }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        QAccessibleInterface* list = table();
        QAccessibleInterface* heading = list ? list->child(m_column) : nullptr;
        return heading ? QList<QAccessibleInterface*> { heading } : QList<QAccessibleInterface*> {};
    }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return { toggleAction() }; }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == toggleAction() ? CheckableRows::toggleKeys() : QStringList();
    }
    void doAction(const QString& action) override
    {
        if (action != toggleAction() || !toggles())
            return;
        // The row becomes the current one, as a click makes it, and Space ticks it.
        m_view->setCurrentIndex(index());
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(m_view, &press);
    }

private:
    // Only the first cell of a row that can be ticked carries the tick.
    bool toggles() const { return m_column == 0 && index().flags().testFlag(Qt::ItemIsUserCheckable); }

    // A cell stands for a place in the list, not for an item: the list keeps the cells it
    // made while rows come and go unheard (nothing listens), so each reads its place anew.
    QModelIndex index() const
    {
        return m_view && m_view->model() ? m_view->model()->index(m_row, m_column) : QModelIndex();
    }

    int m_row;
    int m_column;
};

} // namespace

CheckableRows::CheckableRows(QTreeView* view)
    : QAccessibleWidget(view, QAccessible::Tree)
{ }

CheckableRows::~CheckableRows()
{
    forgetCells();
}

QTreeView* CheckableRows::view() const
{
    return static_cast<QTreeView*>(widget());
}

QStringList CheckableRows::toggleKeys()
{
    return { QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText),
        QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText) };
}

void* CheckableRows::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

int CheckableRows::columnCount() const
{
    return view()->model() ? view()->model()->columnCount() : 0;
}

int CheckableRows::rowCount() const
{
    return view()->model() ? view()->model()->rowCount() : 0;
}

int CheckableRows::childCount() const
{
    return (rowCount() + 1) * columnCount();
}

QAccessibleInterface* CheckableRows::cached(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto known = m_cells.constFind(index); known != m_cells.cend())
        return QAccessible::accessibleInterface(*known);
    const int columns = columnCount();
    QAccessibleInterface* made = index < columns
        ? static_cast<QAccessibleInterface*>(new ColumnHeading(view(), index))
        : new Cell(view(), index / columns - 1, index % columns);
    m_cells.insert(index, QAccessible::registerAccessibleInterface(made));
    return made;
}

QAccessibleInterface* CheckableRows::child(int index) const
{
    return cached(index);
}

QAccessibleInterface* CheckableRows::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return cached((row + 1) * columnCount() + column);
}

int CheckableRows::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it) {
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    }
    return -1;
}

QAccessibleInterface* CheckableRows::childAt(int x, int y) const
{
    const QPoint global(x, y);
    const QHeaderView* header = view()->header();
    if (header->isVisible() && globalRect(header, header->rect()).contains(global))
        return cached(header->logicalIndexAt(header->viewport()->mapFromGlobal(global)));
    const QModelIndex at = view()->indexAt(view()->viewport()->mapFromGlobal(global));
    return at.isValid() ? cellAt(at.row(), at.column()) : nullptr;
}

QAccessibleInterface* CheckableRows::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    return view()->hasFocus() && current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
}

QString CheckableRows::columnDescription(int column) const
{
    return view()->model() ? view()->model()->headerData(column, Qt::Horizontal).toString() : QString();
}

int CheckableRows::selectedCellCount() const
{
    return int(view()->selectionModel()->selectedIndexes().size());
}

int CheckableRows::selectedRowCount() const
{
    return int(view()->selectionModel()->selectedRows().size());
}

QList<QAccessibleInterface*> CheckableRows::selectedCells() const
{
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : view()->selectionModel()->selectedIndexes())
        cells.append(cellAt(index.row(), index.column()));
    return cells;
}

QList<int> CheckableRows::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : view()->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

bool CheckableRows::isRowSelected(int row) const
{
    return view()->selectionModel()->isRowSelected(row, {});
}

bool CheckableRows::selectRow(int row)
{
    if (row < 0 || row >= rowCount() || view()->selectionMode() == QAbstractItemView::NoSelection)
        return false;
    const bool single = view()->selectionMode() == QAbstractItemView::SingleSelection;
    view()->selectionModel()->select(view()->model()->index(row, 0),
        (single ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select)
            | QItemSelectionModel::Rows);
    return true;
}

bool CheckableRows::unselectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    view()->selectionModel()->select(
        view()->model()->index(row, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    return true;
}

void CheckableRows::modelChange(QAccessibleTableModelChangeEvent*)
{
    // Rows came, went or were replaced: the cells are made anew as they are asked for.
    forgetCells();
}

void CheckableRows::forgetCells()
{
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}
