#pragma once

#include <QList>
#include <QStringList>

class QTreeWidget;
class QWidget;

namespace controls {

// A list view in report mode: rows with columns under a fixed header, read-only,
// one whole row selected at a time, in the order the rows were added. The selection
// stays highlighted when the list loses the focus. A width of 0 leaves a column at
// its default width.
QTreeWidget* reportView(
    QWidget* parent, const char* name, const QStringList& headers, const QList<int>& widths = {});

} // namespace controls
