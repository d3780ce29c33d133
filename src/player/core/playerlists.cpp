// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/core/playerlists.h"

#include "app/core/consoletext.h"
#include "player/core/skincatalogue.h"

#include <QCoreApplication>

namespace tk {

namespace {

void tell(const char* intro, const QStringList& leftOut, LeftOutNames& told, QStringList& messages)
{
    if (const QStringList untold = told.untold(leftOut); !untold.isEmpty())
        messages.append(leftOutMessage(QCoreApplication::translate("PlayerLists", intro), untold));
}

} // namespace

std::optional<QStringList> modelList(const QString& quake2Dir, LeftOutNames& told, QStringList& messages)
{
    QStringList leftOut;
    std::optional<QStringList> models = listModels(quake2Dir, &leftOut);
    tell(QT_TRANSLATE_NOOP("PlayerLists", "These player models are left out of the model list:"), leftOut,
        told, messages);
    return models;
}

QStringList skinList(
    const QString& quake2Dir, const QString& model, LeftOutNames& told, QStringList& messages)
{
    QStringList leftOut;
    QStringList skins = listSkins(quake2Dir, model, &leftOut);
    tell(QT_TRANSLATE_NOOP("PlayerLists", "These skins are left out of the skin list:"), leftOut, told,
        messages);
    return skins;
}

} // namespace tk
