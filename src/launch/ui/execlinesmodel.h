// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "launch/core/execfile.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QFont>
#include <QList>

// The lines of a generated exec file for a list view: on the first line of each block
// the tab its settings come from, then the line's number and its text. Lines are kept
// as the script's bytes and decoded only when shown, so that a script of thousands of
// bots is shown at once.
class ExecLinesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TabColumn, NumberColumn, TextColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Shows script, with one origin per line (as generateExecFile reports them).
    void setScript(const QByteArray& script, const QList<tk::ExecLineOrigin>& origins);
    const QByteArray& script() const { return m_script; }
    // The font of the lines' text.
    void setTextFont(const QFont& font) { m_textFont = font; }

    const tk::ExecLineOrigin& origin(int row) const { return m_origins.at(row); }
    // The line's text as shown.
    QString lineText(int row) const;
    // The number of characters of the longest line.
    int longestLine() const { return m_longestLine; }

    // The label of a block of the tab's lines; empty for the lines every script begins with.
    static QString tabLabel(tk::SettingsTab tab);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool startsBlock(int row) const;

    QByteArray m_script;
    QList<qsizetype> m_lineStarts; // offset of each line, and one past the last line end
    QList<tk::ExecLineOrigin> m_origins;
    QList<int> m_blocks; // the number of each line's block, from 0
    QFont m_textFont;
    int m_longestLine = 0;
};
