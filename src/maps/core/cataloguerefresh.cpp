// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/cataloguerefresh.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "app/core/installpaths.h"
#include "launch/core/engine.h"
#include "launch/core/gamecontent.h"
#include "profile/core/inifile.h"

#include <QCoreApplication>

namespace tk {

QString mapTitleFilePath(const InstallPaths& paths)
{
    return paths.inLauncherDir(QStringLiteral("mapnames.dat"));
}

QString mapTitleSection()
{
    return QStringLiteral("MapTitles");
}

MapCatalogue refreshMapCatalogue(
    const InstallPaths& paths, const QString& executable, LeftOutNames& told, QStringList& messages)
{
    const QString path = mapTitleFilePath(paths);
    FileCheck check;
    const IniFile titleFile = IniFile::load(path, &check);
    if (check.refused())
        messages.append(QCoreApplication::translate("MapCatalogue",
            "The map title file %1 was not read: %2. The maps are listed without their titles, and a changed "
            "title is not stored.")
                            .arg(path, check.reason));
    const QString section = mapTitleSection();
    // The search path is read only once a map needs its own title.
    std::optional<GameContent> content;
    MapCatalogue catalogue
        = buildMapCatalogue(paths.launcherDir, [&](const QString& mapName) -> std::optional<QString> {
              if (std::optional<QString> title = titleFile.readOptionalString(section, mapName))
                  return title;
              if (!content)
                  content.emplace(engineSearchPath(paths, executable));
              return ownMapTitle(*content, mapName);
          });
    for (const ArchiveProblem& problem : catalogue.problems)
        messages.append(catalogue.message(problem));
    if (const QStringList untold = told.untold(catalogue.leftOut); !untold.isEmpty())
        messages.append(leftOutMessage(
            QCoreApplication::translate("MapCatalogue", "These maps are left out of the map list:"), untold));
    return catalogue;
}

} // namespace tk
