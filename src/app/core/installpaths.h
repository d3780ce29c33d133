// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

namespace tk {

// The three paths every part of the launcher works from, derived once from where
// the launcher's executable lies: <Quake2 directory>/<game directory>/launcher.
struct InstallPaths {
    QString launcherDir; // directory of the executable, no trailing separator
    QString gameDirName; // last component of launcherDir, case kept
    QString quake2Dir; // launcherDir without its last component

    // Derives the paths from the launcher's full executable path. Windows paths use
    // "\" and lower-case the Quake2 directory; elsewhere "/"
    // and the case is kept, since a lower-cased path would not exist.
    static InstallPaths fromExecutable(const QString& executablePath, bool windowsRules = isWindows());
    static InstallPaths fromLauncherDir(const QString& launcherDir, bool windowsRules = isWindows());

    // What the "Current Directory" panel shows.
    QString displayedLauncherDir(bool windowsRules = isWindows()) const;

    // launcherDir + separator + name.
    QString inLauncherDir(const QString& fileName) const;
    QString inQuake2Dir(const QString& fileName) const;

    static constexpr bool isWindows()
    {
#ifdef Q_OS_WIN
        return true;
#else
        return false;
#endif
    }
    static QChar separator()
    {
        return isWindows() ? QChar('\\') : QChar('/');
    }
};

} // namespace tk
