// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tk {

// The launcher lives in a game directory, not on the PATH: the desktop entry it writes
// for the user names its full path, and the icons go beside the user's other icons.

// The Exec value that runs program without arguments, quoted and escaped as desktop
// entries require (reserved characters, "%", and the string escapes).
QString desktopExecValue(const QString& program);

// installedEntry (the desktop entry as installed, "Exec=tarrakind") with Exec and
// TryExec naming program, so that a moved or deleted launcher leaves no dead entry.
QByteArray desktopEntryFor(const QByteArray& installedEntry, const QString& program);

// The files the launcher writes below the data home (~/.local/share): its desktop entry
// and its icons, relative paths.
QStringList desktopEntryFiles();

// Writes the desktop entry for program and the icons below dataHome; returns the paths
// written. A file that cannot be written throws tk::UserError; those written before stay.
QStringList installDesktopEntry(const QString& dataHome, const QString& program);

// Removes what installDesktopEntry wrote; returns the paths removed.
QStringList removeDesktopEntry(const QString& dataHome);

} // namespace tk
