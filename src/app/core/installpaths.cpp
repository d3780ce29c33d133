// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/installpaths.h"

namespace tk {

InstallPaths InstallPaths::fromExecutable(const QString& executablePath, bool windowsRules)
{
    const QChar sep = windowsRules ? QChar('\\') : QChar('/');
    const qsizetype last = executablePath.lastIndexOf(sep);
    QString dir = last < 0 ? QString() : executablePath.left(last);
    // A root keeps its separator: "C:\" and "/".
    if (windowsRules ? (dir.size() == 2 && dir[1] == ':') : dir.isEmpty() && last == 0)
        dir += sep;
    return fromLauncherDir(dir, windowsRules);
}

InstallPaths InstallPaths::fromLauncherDir(const QString& launcherDir, bool windowsRules)
{
    const QChar sep = windowsRules ? QChar('\\') : QChar('/');
    InstallPaths p;
    p.launcherDir = launcherDir;
    p.gameDirName = launcherDir.mid(launcherDir.lastIndexOf(sep) + 1);
    const qsizetype keep = launcherDir.size() - p.gameDirName.size() - 1;
    p.quake2Dir = launcherDir.left(qMax<qsizetype>(keep, 0));
    if (windowsRules)
        p.quake2Dir = p.quake2Dir.toLower();
    return p;
}

QString InstallPaths::displayedLauncherDir(bool windowsRules) const
{
    return windowsRules ? launcherDir.toLower() : launcherDir;
}

QString InstallPaths::inLauncherDir(const QString& fileName) const
{
    return launcherDir + separator() + fileName;
}

QString InstallPaths::inQuake2Dir(const QString& fileName) const
{
    return quake2Dir + separator() + fileName;
}

} // namespace tk
