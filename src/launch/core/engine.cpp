// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/engine.h"

#include "app/core/fileutil.h"
#include "launch/core/gamestart.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <array>

namespace tk {

namespace {

// The archive types in the order the engine adds them; it puts each one added in front
// of those before it, so it searches them the other way round.
constexpr std::array<QLatin1StringView, 5> kArchiveTypes { QLatin1StringView("pak"), QLatin1StringView("pk2"),
    QLatin1StringView("pk3"), QLatin1StringView("pkz"), QLatin1StringView("zip") };
constexpr int kNumberedPaks = 100;
const QString kBaseGame = QStringLiteral("baseq2");

SearchPathEntry::Kind archiveKind(QLatin1StringView type)
{
    return type == QLatin1StringView("pak") ? SearchPathEntry::Kind::Pak : SearchPathEntry::Kind::Zip;
}

} // namespace

// A root that does not exist yet (the user folder before the first start) keeps its
// cleaned path.
QString engineRealPath(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(path).absolutePath()) : canonical;
}

QString engineUserFolder(const QString& workingDir, bool portable)
{
    if (portable || InstallPaths::isWindows())
        return {};
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty() && directoryExists(home + QStringLiteral("/.yq2")))
        return home + QStringLiteral("/.yq2");
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (!data.isEmpty())
        return QDir::cleanPath(QDir(workingDir).absoluteFilePath(data + QStringLiteral("/YamagiQ2")));
    if (home.isEmpty())
        return {};
    return home + QStringLiteral("/.local/share/YamagiQ2");
}

QStringList engineUserGameDirectories(const QString& gameDirName, const QString& workingDir)
{
    const QString folder = engineUserFolder(workingDir);
    if (folder.isEmpty())
        return {};
    return { folder + QLatin1Char('/') + gameDirName };
}

QStringList demoDirectories(const QString& quake2Dir, const QString& gameDirName)
{
    const QChar sep = InstallPaths::separator();
    QStringList dirs { quake2Dir + sep + gameDirName + sep + QStringLiteral("demos") };
    for (const QString& dir : engineUserGameDirectories(gameDirName, quake2Dir))
        dirs.append(dir + QStringLiteral("/demos"));
    return dirs;
}

QStringList engineRoots(const InstallPaths& paths, const QString& executable, bool portable)
{
    QStringList candidates;
    if (const QString user = engineUserFolder(paths.quake2Dir, portable); !user.isEmpty())
        candidates.append(user);
    // The engine finds its binary through the link it was started by, if any.
    const QString binary
        = QFileInfo(executablePath(paths, executableToRun(paths, executable))).canonicalFilePath();
    if (!binary.isEmpty())
        candidates.append(QFileInfo(binary).absolutePath());
    candidates.append(paths.quake2Dir);

    QStringList roots;
    QSet<QString> seen;
    for (const QString& candidate : std::as_const(candidates)) {
        const QString real = engineRealPath(candidate);
        if (!seen.contains(real)) {
            seen.insert(real);
            roots.append(real);
        }
    }
    return roots;
}

QList<SearchPathEntry> engineArchives(const QString& dir)
{
    const QStringList files = QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QList<SearchPathEntry> archives;
    for (auto type = kArchiveTypes.crbegin(); type != kArchiveTypes.crend(); ++type) {
        const QString suffix = QLatin1Char('.') + *type;
        for (const QString& name : files) {
            // The engine skips every name of the form pak*.<type> here, numbered or not.
            if (name.endsWith(suffix) && !name.startsWith(QLatin1StringView("pak")))
                archives.append({ archiveKind(*type), dir + QLatin1Char('/') + name });
        }
    }
    const QSet<QString> present(files.cbegin(), files.cend());
    for (auto type = kArchiveTypes.crbegin(); type != kArchiveTypes.crend(); ++type) {
        for (int n = kNumberedPaks - 1; n >= 0; --n) {
            const QString name = QStringLiteral("pak%1.%2").arg(n).arg(*type);
            if (present.contains(name))
                archives.append({ archiveKind(*type), dir + QLatin1Char('/') + name });
        }
    }
    return archives;
}

QList<SearchPathEntry> engineSearchPath(const InstallPaths& paths, const QString& executable, bool portable)
{
    const QStringList roots = engineRoots(paths, executable, portable);
    QStringList games { paths.gameDirName, kBaseGame };
    // The game directory named like the base game is the base game alone.
    if (paths.gameDirName.compare(kBaseGame, Qt::CaseInsensitive) == 0)
        games.removeFirst();
    QList<SearchPathEntry> path;
    for (const QString& game : std::as_const(games)) {
        for (const QString& root : roots) {
            const QString dir = root + QLatin1Char('/') + game;
            path.append(engineArchives(dir));
            path.append({ SearchPathEntry::Kind::Directory, dir });
        }
    }
    return path;
}

} // namespace tk
