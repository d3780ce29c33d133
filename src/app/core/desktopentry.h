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
// TryExec naming program, so that a moved or deleted launcher leaves no dead entry, and
// with the topmost directories below the data home that the launcher created for its files.
QByteArray desktopEntryFor(
    const QByteArray& installedEntry, const QString& program, const QStringList& createdDirectories = {});

// The program a desktop entry starts: its TryExec, or else the first word of its Exec,
// with the escapes undone. Empty when it names none.
QString desktopEntryProgram(const QByteArray& entry);

// The files the launcher writes below the data home (~/.local/share): its desktop entry
// and its icons, relative paths.
QStringList desktopEntryFiles();

// What --install-desktop-entry or --remove-desktop-entry did.
struct DesktopEntryChange {
    QStringList files; // written or removed
    QStringList directories; // removed
    QString note; // for the user: the entry of another copy of the launcher was replaced or removed
};

// Writes the desktop entry for program and the icons below dataHome. A program that menus
// could not start from the entry (a "%" in its path), and a file or directory that cannot be
// written, throw tk::UserError, with the system's reason; files written before stay.
DesktopEntryChange installDesktopEntry(const QString& dataHome, const QString& program);

// Removes what installDesktopEntry wrote, and the directories it created once they are
// empty again. An entry that starts another copy of the launcher that still exists is left
// in place with the icons (tk::UserError says so); one whose copy is gone is removed.
DesktopEntryChange removeDesktopEntry(const QString& dataHome, const QString& program);

} // namespace tk
