// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/consoletext.h"
#include "app/core/installpaths.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class Interaction;
class MapPage;
class QTabWidget;
class SetupPage;
class TabPage;

namespace tk {
struct Profile;
} // namespace tk

// The pages whose settings make up a profile, and the few of them the profile commands
// use on their own.
struct ProfilePages {
    QTabWidget* tabs = nullptr; // a load shows its "&Setup" tab
    QList<TabPage*> pages; // every page, in tab order
    SetupPage* setup = nullptr; // shows the profile's name and keeps the quick-load list file
    MapPage* map = nullptr; // writes the rotation file
};

// Moves every setting between the pages and a configuration profile (".tsf"). A load reads
// the profile into a tk::Profile (tk::readProfile), tells what the load steps found and
// shows the value on every page; a save stores every page into one value and writes it
// (tk::writeProfile).
class ProfileStore : public QObject {
    Q_OBJECT
public:
    ProfileStore(const tk::InstallPaths& paths, Interaction& ui, QWidget* window, ProfilePages pages,
        tk::ToldOnce& told, QObject* parent = nullptr);

    // The profile last loaded or last saved under a new name.
    const QString& currentPath() const { return m_currentPath; }
    void setCurrentPath(const QString& path);

    // Every setting the pages hold now, as one value.
    tk::Profile current() const;

    // Reads the profile at path and shows it. A value that does not convert, or a file it
    // names that cannot be read, stops the load there: the values before stay shown, and
    // a tk::UserError with the message is thrown once the pages show them.
    void load(const QString& path);
    // Writes every setting into the profile at path, then the quick-load list file's and
    // the rotation file. The profile is replaced once, atomically.
    void save(const QString& path);
    // The close sequence's save: the rotation file first, then the profile.
    void saveOnClose(const QString& path);

    // Whether the user changed a setting: whether a save now would write other bytes into
    // the profile or the rotation file than a save right after the last load or save would
    // have (so a new window, a missing or a partly loaded profile start unchanged). Writes
    // nothing.
    bool hasUnsavedChanges() const;
    // What the pages show now is the unchanged state: the last step of a load or a save,
    // and of the window's start-up, which fills lists after the load.
    void markUnchanged();

    // Before the settings give way to another profile or to the program's end: while
    // the user changed them and "Ask before discarding changed settings" is checked, asks
    // "Save changes to <name>?" and runs save when the answer is "Save"; when the profile
    // cannot be written, asks once whether to discard them, saying why. True when the
    // settings may go: "Discard", a save that went through, or no question.
    bool mayDiscardSettings(const std::function<bool()>& save);

    // A load that stopped at an error leaves the profile's later settings unread. Before
    // a save over that same file replaces them with the values shown, the user is asked;
    // true when the save may go on (always for any other file).
    bool confirmSave(const QString& path);

Q_SIGNALS:
    // The current profile path changed, a file was written, or the unchanged state moved:
    // no control shows any of them.
    void filesChanged();

private:
    // The bytes a save would write: the profile over the file as last loaded or saved, and
    // the rotation file.
    struct SaveImage {
        QByteArray profile;
        QByteArray rotation;
        bool operator==(const SaveImage&) const = default;
    };
    SaveImage whatASaveWrites() const;

    // The profile at path written from profile, with the quick-load list file.
    void writeProfileFile(const QString& path, const tk::Profile& profile);

    const tk::InstallPaths& m_paths;
    Interaction& m_ui;
    QWidget* m_window;
    ProfilePages m_pages;
    tk::ToldOnce& m_told;
    QString m_currentPath;
    QString m_partlyLoadedPath; // the profile whose load stopped part way, if any
    QString m_unreadPath; // the profile that was there but not read, if any
    QByteArray m_baseFile; // the current profile as read at the last load or written at the last save
    SaveImage m_unchanged; // what a save wrote, or would have, right after them
};
