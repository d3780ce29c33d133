// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/ui/botlistmodel.h"

#include "bots/core/botlist.h"

namespace {

enum Column { NameColumn, SkinColumn, ProfileColumn, ColumnCount };

} // namespace

BotListModel::BotListModel(const tk::BotList& bots, Icons icons, QObject* parent)
    : QAbstractTableModel(parent)
    , m_bots(bots)
    , m_icons(std::move(icons))
    , m_rows(int(bots.size()))
{ }

QString BotListModel::severalCommandsHint()
{
    return tr("This line runs more than one console command: it is sent to the game as it stands.");
}

int BotListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int BotListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BotListModel::data(const QModelIndex& index, int role) const
{
    const qsizetype row = index.row();
    if (!index.isValid() || row >= m_bots.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return m_bots.name(row);
        case SkinColumn:
            return m_bots.fields(row).modelSkin;
        case ProfileColumn:
            return m_bots.fields(row).profileName;
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == NameColumn)
            return m_bots.isSelected(row) ? m_icons.selected : m_icons.unselected;
        // The warning stands at the end of the row, where such lines carry their extra commands.
        if (index.column() == ProfileColumn && m_bots.runsSeveralCommands(row))
            return m_icons.severalCommands;
        break;
    case Qt::CheckStateRole:
        // Screen readers say whether the bot is ticked; the view shows it by the icon alone.
        if (index.column() == NameColumn)
            return m_bots.isSelected(row) ? Qt::Checked : Qt::Unchecked;
        break;
    case Qt::StatusTipRole:
        if (m_bots.runsSeveralCommands(row))
            return severalCommandsHint();
        break;
    default:
        break;
    }
    return {};
}

Qt::ItemFlags BotListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == NameColumn)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant BotListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("Bot Name");
    case SkinColumn:
        return tr("Skin");
    case ProfileColumn:
        return tr("Profile");
    }
    return {};
}

void BotListModel::listReplaced()
{
    beginResetModel();
    m_rows = int(m_bots.size());
    endResetModel();
}

void BotListModel::rowAppended()
{
    beginInsertRows({}, m_rows, m_rows);
    ++m_rows;
    endInsertRows();
}

void BotListModel::rowRemoved(qsizetype row)
{
    beginRemoveRows({}, int(row), int(row));
    --m_rows;
    endRemoveRows();
}

void BotListModel::rowsChanged(qsizetype first, qsizetype last)
{
    if (first <= last)
        Q_EMIT dataChanged(index(int(first), 0), index(int(last), ColumnCount - 1));
}
