// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/settingswatch.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMetaObject>
#include <QMetaProperty>
#include <QScrollBar>
#include <QWidget>

SettingsWatch::SettingsWatch(QObject* parent)
    : QObject(parent)
{ }

void SettingsWatch::watch(QWidget* root)
{
    const QMetaMethod touchSlot = metaObject()->method(metaObject()->indexOfSlot("touch()"));
    for (QWidget* w : root->findChildren<QWidget*>()) {
        // Popups (a combo box's list, a completer's) and list headers hold no setting.
        if (w->window() != root->window() || qobject_cast<QScrollBar*>(w) || qobject_cast<QHeaderView*>(w))
            continue;
        const QMetaProperty user = w->metaObject()->userProperty();
        if (user.isValid() && user.hasNotifySignal())
            connect(w, user.notifySignal(), this, touchSlot);
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            QAbstractItemModel* model = view->model();
            connect(model, &QAbstractItemModel::dataChanged, this, &SettingsWatch::touch);
            connect(model, &QAbstractItemModel::rowsInserted, this, &SettingsWatch::touch);
            connect(model, &QAbstractItemModel::rowsRemoved, this, &SettingsWatch::touch);
            connect(model, &QAbstractItemModel::rowsMoved, this, &SettingsWatch::touch);
            connect(model, &QAbstractItemModel::modelReset, this, &SettingsWatch::touch);
            connect(model, &QAbstractItemModel::layoutChanged, this, &SettingsWatch::touch);
            if (QItemSelectionModel* selection = view->selectionModel())
                connect(selection, &QItemSelectionModel::selectionChanged, this, &SettingsWatch::touch);
        }
    }
}

void SettingsWatch::touch()
{
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &SettingsWatch::deliver, Qt::QueuedConnection);
}

void SettingsWatch::deliver()
{
    m_pending = false;
    Q_EMIT changed();
}
