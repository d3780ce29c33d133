// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/mapcatalogue.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"

namespace tk {

namespace {

// Only A-Z: map names are matched against the title file and the profile byte for byte,
// so letters outside ASCII keep their case.
QString lowerAscii(QString text)
{
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= 'A' && u <= 'Z')
            c = QChar(char16_t(u + ('a' - 'A')));
    }
    return text;
}

QString withoutExtension(const QString& name)
{
    return name.size() > 4 ? name.first(name.size() - 4) : QString();
}

} // namespace

QString unknownMapTitle()
{
    return QStringLiteral("[Unknown]");
}

QString mapNameFromFileName(const QString& fileName)
{
    return lowerAscii(withoutExtension(fileName));
}

QString mapNameFromEntryName(const QString& entryName)
{
    qsizetype cut = entryName.size();
    while (cut > 0) {
        const QChar c = entryName[cut - 1];
        if (c == '/' || c == '\\' || c == ':')
            break;
        --cut;
    }
    return lowerAscii(withoutExtension(entryName.sliced(cut)));
}

MapCatalogue buildMapCatalogue(const QString& launcherDir, const MapTitleLookup& titleOf)
{
    MapCatalogue catalogue;
    const QString unknown = unknownMapTitle();
    auto append = [&](QString mapName, const QString& source) {
        if (!isConsoleSafe(mapName)) {
            catalogue.leftOut.append(source);
            return;
        }
        std::optional<QString> title = titleOf ? titleOf(mapName) : std::nullopt;
        catalogue.rows.append(MapRow { std::move(mapName), std::move(title).value_or(unknown) });
    };

    const QStringList looseFiles = listFiles(launcherDir, QStringLiteral("*.aas"));
    const QStringList archives = listFiles(launcherDir, QStringLiteral("aas*.zip"));
    catalogue.rows.reserve(looseFiles.size());
    for (const QString& fileName : looseFiles)
        append(mapNameFromFileName(fileName), fileName);

    for (const QString& archiveName : archives) {
        const ZipListing listing = listZipArchive(launcherDir + QLatin1Char('/') + archiveName);
        for (const ZipEntry& entry : listing.entries)
            append(mapNameFromEntryName(entry.name), archiveName + QStringLiteral(": ") + entry.name);
        for (const ZipDiagnostic kind : listing.diagnostics)
            catalogue.problems.append(ArchiveProblem { archiveName, kind, listing.entries.size() });
    }
    return catalogue;
}

} // namespace tk
