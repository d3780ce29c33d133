// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/gamecontent.h"

#include "app/core/fileutil.h"
#include "app/core/textcodec.h"
#include "maps/core/bsptitle.h"
#include "maps/core/zipentrydata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>

namespace tk {

namespace {

QByteArray lowerAscii(QByteArrayView name)
{
    QByteArray lower = name.toByteArray();
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = char(c + ('a' - 'A'));
    }
    return lower;
}

// Names the launcher looks up come from profiles too: one that climbs out of the
// directories searched, or names no file, is not looked for.
bool isPlainRelativePath(QByteArrayView name)
{
    if (name.isEmpty() || name.startsWith('/') || name.endsWith('/'))
        return false;
    for (const QByteArrayView part : QByteArrayView(name).toByteArray().split('/')) {
        if (part.isEmpty() || part == "." || part == "..")
            return false;
    }
    return true;
}

bool isMapName(QByteArrayView lowerName)
{
    return lowerName.startsWith("maps/") && lowerName.endsWith(".bsp");
}

} // namespace

GameContent::GameContent(QList<SearchPathEntry> searchPath)
    : m_searchPath(std::move(searchPath))
{ }

void GameContent::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_archives.resize(m_searchPath.size());
    for (qsizetype i = 0; i < m_searchPath.size(); ++i) {
        const SearchPathEntry& place = m_searchPath[i];
        Archive& archive = m_archives[i];
        if (place.kind == SearchPathEntry::Kind::Directory) {
            m_directories.append(i);
            continue;
        }
        // A file the engine cannot open it passes over.
        QFile file;
        if (!openRegularFile(place.path, file))
            continue;
        if (place.kind == SearchPathEntry::Kind::Pak) {
            PakDirectory pak = readPakDirectory(place.path);
            if (pak.problem && engineStopsAt(*pak.problem)) {
                archive.stopMessage = pakProblemMessage(*pak.problem, place.path);
                continue;
            }
            archive.pak = std::move(pak.entries);
            // Backwards, so that the first entry of a name is the one kept, as the engine takes it.
            for (qsizetype e = archive.pak.size() - 1; e >= 0; --e)
                archive.index.insert(lowerAscii(archive.pak[e].name), e);
        } else {
            archive.zip = listZipArchive(place.path);
            if (archive.zip.entries.isEmpty()) {
                // Without an end record the engine cannot open it and passes over it; one
                // that lists no file it refuses.
                if (!archive.zip.has(ZipDiagnostic::Unreadable))
                    archive.stopMessage = QCoreApplication::translate(
                        "GameContent", "%1 holds no files. The engine stops at its start when it finds it.")
                                              .arg(QDir::toNativeSeparators(place.path));
                continue;
            }
            for (qsizetype e = archive.zip.entries.size() - 1; e >= 0; --e)
                archive.index.insert(lowerAscii(archive.zip.entries[e].storedName), e);
        }
        archive.loaded = true;
        for (auto e = archive.index.cbegin(); e != archive.index.cend(); ++e) {
            const QByteArray& stored = place.kind == SearchPathEntry::Kind::Pak
                ? archive.pak[e.value()].name
                : archive.zip.entries[e.value()].storedName;
            if (!m_index.contains(e.key())) // an earlier place keeps it
                m_index.insert(e.key(), GameFile { i, e.value(), stored });
        }
    }
}

const QSet<QByteArray>& GameContent::listing(qsizetype place, const QByteArray& parent)
{
    const std::pair<qsizetype, QByteArray> key { place, parent };
    auto it = m_listings.find(key);
    if (it == m_listings.end()) {
        const QString& dir = m_searchPath[place].path;
        QSet<QByteArray> names;
        const QDir listed(parent.isEmpty() ? dir : dir + QLatin1Char('/') + QFile::decodeName(parent));
        for (const QString& name : listed.entryList(QDir::Files | QDir::Hidden))
            names.insert(QFile::encodeName(name));
        it = m_listings.emplace(key, std::move(names));
    }
    return *it;
}

std::optional<GameFile> GameContent::find(QByteArrayView name, qsizetype before)
{
    if (!isPlainRelativePath(name))
        return std::nullopt;
    load();
    const QByteArray lower = lowerAscii(name);
    const qsizetype end = before < 0 ? m_searchPath.size() : qMin(before, m_searchPath.size());
    // The first archive that holds the name; only directories before it can come first.
    std::optional<GameFile> inArchive;
    if (const auto hit = m_index.constFind(lower); hit != m_index.cend() && hit->place < end)
        inArchive = *hit;
    const qsizetype limit = inArchive ? inArchive->place : end;
    QList<QByteArray> candidates { name.toByteArray() };
    if (lower != candidates.first())
        candidates.append(lower);
    for (const qsizetype i : std::as_const(m_directories)) {
        if (i >= limit)
            break;
        for (const QByteArray& candidate : std::as_const(candidates)) {
            const qsizetype slash = candidate.lastIndexOf('/');
            if (listing(i, slash < 0 ? QByteArray() : candidate.first(slash))
                    .contains(candidate.sliced(slash + 1)))
                return GameFile { i, -1, candidate };
        }
    }
    return inArchive;
}

qint64 GameContent::size(const GameFile& file)
{
    if (file.place < 0 || file.place >= m_searchPath.size())
        return 0;
    if (file.entry < 0)
        return QFileInfo(m_searchPath[file.place].path + QLatin1Char('/') + QFile::decodeName(file.name))
            .size();
    load();
    const Archive& archive = m_archives[file.place];
    if (file.entry < archive.pak.size())
        return archive.pak[file.entry].size;
    if (file.entry < archive.zip.entries.size())
        return qint64(
            qMin<quint64>(archive.zip.entries[file.entry].size, quint64(std::numeric_limits<qint64>::max())));
    return 0;
}

std::optional<QByteArray> GameContent::read(const GameFile& file, qint64 offset, qint64 length)
{
    if (file.place < 0 || file.place >= m_searchPath.size() || offset < 0 || length < 0)
        return std::nullopt;
    const SearchPathEntry& place = m_searchPath[file.place];
    const bool loose = file.entry < 0;
    QFile f;
    if (!openRegularFile(
            loose ? place.path + QLatin1Char('/') + QFile::decodeName(file.name) : place.path, f))
        return std::nullopt;

    qint64 start = offset;
    qint64 size = f.size();
    if (!loose) {
        load();
        const Archive& archive = m_archives[file.place];
        if (place.kind == SearchPathEntry::Kind::Zip) {
            if (file.entry >= archive.zip.entries.size())
                return std::nullopt;
            return readZipEntryData(f, archive.zip.entries[file.entry], archive.zip.shift, offset, length);
        }
        if (file.entry >= archive.pak.size())
            return std::nullopt;
        const PakEntry& entry = archive.pak[file.entry];
        start = entry.offset + offset;
        size = entry.offset + entry.size;
    }
    if (start >= size)
        return QByteArray();
    const qint64 count = qMin(length, size - start);
    QByteArray data(count, Qt::Uninitialized);
    if (!f.seek(start) || f.read(data.data(), count) != count)
        return std::nullopt;
    return data;
}

QString GameContent::describe(const GameFile& file) const
{
    if (file.place < 0 || file.place >= m_searchPath.size())
        return {};
    const QString place = QDir::toNativeSeparators(m_searchPath[file.place].path);
    if (file.entry < 0)
        return place + QDir::separator() + QDir::toNativeSeparators(QFile::decodeName(file.name));
    return QCoreApplication::translate("GameContent", "%1 inside %2").arg(decodeText(file.name), place);
}

bool GameContent::holdsMaps()
{
    load();
    for (qsizetype i = 0; i < m_searchPath.size(); ++i) {
        if (m_searchPath[i].kind == SearchPathEntry::Kind::Directory) {
            for (const QByteArray& name : listing(i, QByteArrayLiteral("maps"))) {
                if (lowerAscii(name).endsWith(".bsp"))
                    return true;
            }
            continue;
        }
        for (auto it = m_archives[i].index.cbegin(); it != m_archives[i].index.cend(); ++it) {
            if (isMapName(it.key()))
                return true;
        }
    }
    return false;
}

QStringList GameContent::archivesTheEngineStopsAt()
{
    load();
    QStringList messages;
    for (const Archive& archive : std::as_const(m_archives)) {
        if (archive.stopMessage)
            messages.append(*archive.stopMessage);
    }
    return messages;
}

std::optional<QString> ownMapTitle(GameContent& content, const QString& mapName)
{
    const std::optional<GameFile> file = content.find("maps/" + encodeText(mapName) + ".bsp");
    if (!file)
        return std::nullopt;
    return bspTitle(content.size(*file),
        [&](qint64 offset, qint64 length) { return content.read(*file, offset, length); });
}

} // namespace tk
