// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "maps/core/ziplisting.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tk {

// One line of the map catalogue.
struct MapRow {
    QString mapName;
    QString title;
};

// Something the user is told about one navigation archive; the refresh lists what it
// could and goes on with the next archive.
struct ArchiveProblem {
    QString archiveName; // file name in the launcher directory
    ZipDiagnostic kind;
    qsizetype entriesListed = 0; // rows this archive gave
};

struct MapCatalogue {
    QList<MapRow> rows;
    QList<ArchiveProblem> problems; // by archive in listing order, each archive's in the order found
    // Files and archive entries ("archive: entry") whose map name cannot stand in a
    // console line (see isConsoleSafe): no map of the game has such a name, so they
    // give no row.
    QStringList leftOut;

    QString message(const ArchiveProblem& problem) const
    {
        return zipDiagnosticMessage(problem.kind, problem.archiveName, problem.entriesListed);
    }
};

// The title the map title file gives a map, or nothing when it has none. Build it from
// one reading of the title file: a refresh asks it once for every row.
using MapTitleLookup = std::function<std::optional<QString>(const QString& mapName)>;

// The title of a map the title file does not name.
QString unknownMapTitle();

// A loose navigation file's map name: the name less its last four characters (its
// extension), ASCII letters lower-cased.
QString mapNameFromFileName(const QString& fileName);

// An archive entry's map name: the part of the name after its last "/", "\" or ":",
// less its last four characters (empty when it has no more), ASCII letters lower-cased.
QString mapNameFromEntryName(const QString& entryName);

// The rows of a refresh of the catalogue: the loose "*.aas" files of launcherDir, then
// the entries of its "aas*.zip" archives, each listing sorted by name without regard to
// case. Every archive entry gives a row whatever its extension; repeats are kept. Names
// that are not console-safe are left out.
MapCatalogue buildMapCatalogue(const QString& launcherDir, const MapTitleLookup& titleOf);

} // namespace tk
