// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/engine.h"

#include "app/core/installpaths.h"

#include <QDir>

namespace tk {

QStringList engineUserGameDirectories(const QString& gameDirName)
{
    if (InstallPaths::isWindows())
        return {};
    const QString home = qEnvironmentVariable("HOME", QDir::homePath());
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is ignored, as the XDG base directory rules ask.
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = home + QStringLiteral("/.local/share");
    return { data + QStringLiteral("/YamagiQ2/") + gameDirName,
        home + QStringLiteral("/.yq2/") + gameDirName };
}

QStringList demoDirectories(const QString& quake2Dir, const QString& gameDirName)
{
    const QChar sep = InstallPaths::separator();
    QStringList dirs { quake2Dir + sep + gameDirName + sep + QStringLiteral("demos") };
    for (const QString& dir : engineUserGameDirectories(gameDirName))
        dirs.append(dir + QStringLiteral("/demos"));
    return dirs;
}

} // namespace tk
