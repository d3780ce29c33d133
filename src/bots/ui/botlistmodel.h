// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QIcon>

namespace tk {
class BotList;
}

// The bot list as the rows of the "Bot &Cfg" tab's list: "Bot Name", "Skin" and "Profile",
// the selected flag as the row's icon and as the check state of its first cell, and a
// warning on a line that runs more than one console command. Rows are read from the list
// when they are shown, so a row costs nothing until it is on screen.
//
// The list is changed first and the model told afterwards; the model keeps the row count
// the view last heard of, so that a view never asks for a row the list has just lost.
class BotListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Icons {
        QIcon unselected;
        QIcon selected;
        QIcon severalCommands;
    };

    BotListModel(const tk::BotList& bots, Icons icons, QObject* parent = nullptr);

    // The hint of a row whose line runs more than one console command.
    static QString severalCommandsHint();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // What happened to the list.
    void listReplaced();
    void rowAppended();
    void rowRemoved(qsizetype row);
    void rowsChanged(qsizetype first, qsizetype last);

private:
    const tk::BotList& m_bots;
    Icons m_icons;
    int m_rows = 0;
};
