// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/core/skincatalogue.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "imaging/core/pcxdecoder.h"

namespace tk {

QString playersDirectory(const QString& quake2Dir)
{
    return quake2Dir + QStringLiteral("/baseq2/players");
}

std::optional<QStringList> listModels(const QString& quake2Dir, QStringList* leftOut)
{
    const QString players = playersDirectory(quake2Dir);
    if (!directoryExists(players))
        return std::nullopt;
    QStringList models = listSubdirectories(players);
    models.removeIf([leftOut](const QString& model) {
        if (isConsoleSafe(model))
            return false;
        if (leftOut)
            leftOut->append(model);
        return true;
    });
    return models;
}

QStringList listSkins(const QString& quake2Dir, const QString& model, QStringList* leftOut)
{
    QStringList skins;
    const QString modelDir = playersDirectory(quake2Dir) + QLatin1Char('/') + model;
    if (!directoryExists(modelDir))
        return skins;
    for (const QString& fileName : listFiles(modelDir, QStringLiteral("*.pcx"))) {
        const std::optional<QString> skin = usableSkinName(fileName);
        if (skin && isConsoleSafe(*skin))
            skins.append(*skin);
        else if (skin && leftOut)
            leftOut->append(model + QLatin1Char('/') + *skin);
    }
    return skins;
}

std::optional<QString> usableSkinName(const QString& fileName)
{
    // An empty name (a file called just ".pcx") would give a path of no skin.
    if (fileName.size() <= 4)
        return std::nullopt;
    const QString skin = fileName.chopped(4);
    const QString lower = skin.toLower();
    if (lower.endsWith(QLatin1String("_i")) || lower == QLatin1String("weapon"))
        return std::nullopt;
    return skin;
}

QString skinImagePath(const QString& quake2Dir, const QString& model, const QString& skin)
{
    return playersDirectory(quake2Dir) + QLatin1Char('/') + model + QLatin1Char('/') + skin
        + QStringLiteral(".pcx");
}

QString existingSkinImagePath(const QString& quake2Dir, const QString& model, const QString& skin)
{
    // Model and skin may come from a profile or a bot list made by someone else: only
    // names of a folder and a file in it are looked up, never a path out of the players.
    if (!nameRefusal(model, NameUse::InDirectory).isEmpty()
        || !nameRefusal(skin, NameUse::InDirectory).isEmpty())
        return {};
    QString path = skinImagePath(quake2Dir, model, skin);
    if (fileExists(path))
        return path;
    // The skin list matches "*.pcx" without regard to case, so a skin listed from
    // "Viper.PCX" must find that file too; the skin name itself still matches exactly.
    const QString modelDir = playersDirectory(quake2Dir) + QLatin1Char('/') + model;
    for (const QString& fileName : listFiles(modelDir, skin + QStringLiteral(".pcx"))) {
        if (fileName.chopped(4) == skin)
            return modelDir + QLatin1Char('/') + fileName;
    }
    return {};
}

std::optional<QImage> loadSkinImage(const QString& quake2Dir, const QString& model, const QString& skin)
{
    const QString path = existingSkinImagePath(quake2Dir, model, skin);
    if (path.isEmpty())
        return std::nullopt;
    return decodePcxFile(path);
}

} // namespace tk
