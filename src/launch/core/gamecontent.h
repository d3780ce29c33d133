// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "launch/core/engine.h"
#include "maps/core/pakfile.h"
#include "maps/core/ziplisting.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace tk {

// A file the engine finds on its search path.
struct GameFile {
    qsizetype place = -1; // index into the search path
    qsizetype entry = -1; // the archive's entry; -1 for a loose file
    QByteArray name; // the loose file's path below its directory, or the entry's stored name
    bool operator==(const GameFile&) const = default;
};

// The files of the engine's search path, looked up as the engine looks them up: the first
// place that holds a name wins; inside archives names match without regard to ASCII case,
// loose files as given or, failing that, with the name lower-cased. Archives' directories
// are read once, when the first look-up needs them; directories are listed once each.
class GameContent {
public:
    explicit GameContent(QList<SearchPathEntry> searchPath);

    const QList<SearchPathEntry>& searchPath() const { return m_searchPath; }

    // Where the engine finds name, a path with "/" such as "maps/q2dm1.bsp", searching the
    // places before the place with index before (all of them when it is -1).
    std::optional<GameFile> find(QByteArrayView name, qsizetype before = -1);

    // Up to length bytes of the file from offset on, fewer at its end; nothing when it
    // cannot be read there (a damaged archive, data past its end).
    std::optional<QByteArray> read(const GameFile& file, qint64 offset, qint64 length);
    qint64 size(const GameFile& file);

    // The loose file's path, or the entry's name and the archive's path.
    QString describe(const GameFile& file) const;

    // True when any map (maps/*.bsp) is found anywhere: the launcher sees the game's data.
    bool holdsMaps();

    // The messages for archives the engine stops at when it starts.
    QStringList archivesTheEngineStopsAt();

private:
    struct Archive {
        bool loaded = false; // the engine opens it: it is on the search path
        std::optional<QString> stopMessage; // the engine stops at it
        QList<PakEntry> pak;
        ZipListing zip;
        QHash<QByteArray, qsizetype> index; // lower-cased name: the first entry of that name
    };
    void load();
    // The file names of a directory of the search path, or of one below it.
    const QSet<QByteArray>& listing(qsizetype place, const QByteArray& parent);

    QList<SearchPathEntry> m_searchPath;
    QList<Archive> m_archives; // one per place; empty for a directory
    QList<qsizetype> m_directories; // the places that are directories, in order
    QHash<QByteArray, GameFile> m_index; // lower-cased name: its first entry in the first archive
    QHash<std::pair<qsizetype, QByteArray>, QSet<QByteArray>> m_listings;
    bool m_loaded = false;
};

// The map's own title from the BSP the engine would load for mapName ("maps/<mapName>.bsp"),
// or nothing when there is none or it holds no title (see bspTitle).
std::optional<QString> ownMapTitle(GameContent& content, const QString& mapName);

} // namespace tk
