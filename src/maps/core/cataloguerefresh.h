// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "maps/core/mapcatalogue.h"

#include <QString>
#include <QStringList>

namespace tk {

class LeftOutNames;
struct InstallPaths;

// The map title file "mapnames.dat" of the launcher directory and its one section.
QString mapTitleFilePath(const InstallPaths& paths);
QString mapTitleSection();

// A refresh of the map catalogue of the launcher directory, every row with its title from one reading
// of the map title file, or where that names none, the map's own title from the map file the
// engine would load (started as executable); nothing is written. What the user is told goes
// to messages, in order: a title file that is there but not read, each archive's problem,
// and the maps left out of the list that were not told before (told).
MapCatalogue refreshMapCatalogue(
    const InstallPaths& paths, const QString& executable, LeftOutNames& told, QStringList& messages);

} // namespace tk
