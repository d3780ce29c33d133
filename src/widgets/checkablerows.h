// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QTreeView;

// A flat list whose rows are ticked by the keyboard, as a screen reader sees it: every row
// is a row of cells under a row of column headings, as the toolkit shows a tree view, but
// only the first cell of a row that can be ticked reads as checkable and offers the toggle
// action, and that action ticks the row as Space does. The toolkit's own cells offer
// "toggle" in every column and take it for selecting the row.
class CheckableRows : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CheckableRows(QTreeView* view);
    ~CheckableRows() override;

    void* interface_cast(QAccessible::InterfaceType t) override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    QTreeView* view() const;
    // The keys that tick the current row, as the toggle action names them.
    static QStringList toggleKeys();

private:
    // The cells live as long as the rows they read; the headings come first, as the
    // toolkit numbers a tree view's children.
    QAccessibleInterface* cached(int index) const;
    void forgetCells();

    mutable QHash<int, QAccessible::Id> m_cells;
};
