// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/ui/execlinesmodel.h"

#include "app/core/textcodec.h"

#include <QApplication>
#include <QPalette>

void ExecLinesModel::setScript(const QByteArray& script, const QList<tk::ExecLineOrigin>& origins)
{
    if (script == m_script && origins == m_origins)
        return;
    QList<qsizetype> starts;
    starts.reserve(origins.size() + 1);
    starts.append(0);
    for (qsizetype at = script.indexOf('\n'); at >= 0; at = script.indexOf('\n', at + 1))
        starts.append(at + 1);
    Q_ASSERT(starts.size() == origins.size() + 1);

    // Characters, not bytes: the bytes that continue a UTF-8 character add none.
    int longest = 0;
    for (qsizetype i = 0; i + 1 < starts.size(); ++i) {
        int length = 0;
        for (qsizetype at = starts[i]; at < starts[i + 1] - 2; ++at)
            length += (uchar(script[at]) & 0xC0) != 0x80;
        longest = qMax(longest, length);
    }

    QList<int> blocks;
    blocks.reserve(origins.size());
    for (qsizetype i = 0; i < origins.size(); ++i)
        blocks.append(i == 0 ? 0 : blocks.last() + (origins[i].tab != origins[i - 1].tab ? 1 : 0));

    // A script of as many lines changes in place, so that the view keeps its place and
    // its selection while the user types; otherwise the lines are replaced.
    const bool sameShape = origins.size() == m_origins.size();
    if (!sameShape)
        beginResetModel();
    m_script = script;
    m_lineStarts = std::move(starts);
    m_origins = origins;
    m_blocks = std::move(blocks);
    m_longestLine = longest;
    if (!sameShape)
        endResetModel();
    else if (!m_origins.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(int(m_origins.size()) - 1, ColumnCount - 1));
}

QString ExecLinesModel::lineText(int row) const
{
    const qsizetype start = m_lineStarts.at(row);
    // Every line ends in CR LF.
    const qsizetype length = m_lineStarts.at(row + 1) - start - 2;
    return tk::decodeText(QByteArray::fromRawData(m_script.constData() + start, qMax<qsizetype>(0, length)));
}

QString ExecLinesModel::tabLabel(tk::SettingsTab tab)
{
    using tk::SettingsTab;
    switch (tab) {
    case SettingsTab::BotCfg:
        return tr("Bot Cfg");
    case SettingsTab::DmFlags:
        return tr("DM Flags");
    case SettingsTab::Game:
        return tr("Game");
    case SettingsTab::Map:
        return tr("Map");
    case SettingsTab::Misc:
        return tr("Misc.");
    case SettingsTab::Player:
        return tr("Player");
    case SettingsTab::Binds:
        return tr("Binds");
    case SettingsTab::None:
        break;
    }
    return {};
}

bool ExecLinesModel::startsBlock(int row) const
{
    return row == 0 || m_blocks.at(row) != m_blocks.at(row - 1);
}

int ExecLinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_origins.size());
}

int ExecLinesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ExecLinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_origins.size())
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::ToolTipRole:
        // The whole line, however narrow the window.
        if (index.column() == TextColumn)
            return lineText(row);
        break;
    case Qt::DisplayRole:
        switch (index.column()) {
        case TabColumn:
            return startsBlock(row) ? tabLabel(m_origins.at(row).tab) : QString();
        case NumberColumn:
            return row + 1;
        case TextColumn:
            return lineText(row);
        }
        break;
    case Qt::FontRole:
        if (index.column() == TextColumn)
            return m_textFont;
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == NumberColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Qt::BackgroundRole:
        // Every other block is shaded, so that each block reads as one.
        if (m_blocks.at(row) % 2 == 1)
            return QApplication::palette().alternateBase();
        break;
    }
    return {};
}

QVariant ExecLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case TabColumn:
        return tr("Tab");
    case NumberColumn:
        return tr("Line");
    case TextColumn:
        return tr("Exec file");
    }
    return {};
}
