// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/consoletext.h"

#include <QString>
#include <functional>

class TForm1;

namespace tk {
class IniFile;
struct ProfileKey;
} // namespace tk

// Moves every setting of the main window between the controls and a configuration
// profile (".tsf"). Reader and writer walk one key table; the steps that do more than
// copy a value (bot list, rotation, flags, selection, map catalogue, player preview,
// binds, quick-load bar) are explicit and in their fixed order.
class ProfileStore {
public:
    explicit ProfileStore(TForm1& form);

    // The profile last loaded or last saved under a new name.
    const QString& currentPath() const { return m_currentPath; }
    void setCurrentPath(const QString& path);

    // Reads the file at path into ini, unless it is not read as a profile (not a regular
    // file, too large, refused by the system, or no profile at all): then the reason, in
    // plain words. A missing file reads as an empty profile, which loads the defaults.
    static QString readProfile(const QString& path, tk::IniFile* ini = nullptr);

    // Reads the profile at path into the controls. A value that does not convert
    // throws a tk::UserError where the load stops: the steps before stay applied.
    void load(const QString& path);
    // Writes every setting into the profile at path, then the quick-load list file's
    // and the rotation file. The profile is replaced once, atomically.
    void save(const QString& path);

    // Whether a save now would change the current profile's file or the rotation file,
    // or create one of them. Writes nothing.
    bool hasUnsavedChanges() const;

    // Before the settings give way to another profile or to the program's end: while
    // they differ from the files and "Ask before discarding changed settings" is checked,
    // asks "Save changes to <name>?" and runs save when the answer is "Save". True when
    // the settings may go: "Discard", a save that went through, or no question.
    bool mayDiscardSettings(const std::function<bool()>& save);

    // A load that stopped at an error leaves the profile's later settings unread. Before
    // a save over that same file replaces them with the values shown, the user is asked;
    // true when the save may go on (always for any other file).
    bool confirmSave(const QString& path);

private:
    // Whether a file name that the profile at profile gives under section and key can be
    // used as use says; when not, the user is told (once a run) and the caller takes the
    // key as missing.
    bool usableName(const QString& profile, const char* section, const char* key, const QString& name,
        tk::NameUse use, const QString& dir = QString());
    void loadKeys(const tk::IniFile& ini, const QString& section);
    void loadKey(const tk::IniFile& ini, const tk::ProfileKey& key);
    void saveKey(tk::IniFile& ini, const tk::ProfileKey& key) const;
    // Every key of the table written into ini, in the table's order: the one code path
    // of the save and of the comparison with the file. Writes no file.
    void writeKeys(tk::IniFile& ini) const;
    void loadAdditional(const tk::IniFile& ini);
    void loadSelectedBots(const tk::IniFile& ini);
    void loadBinds(const tk::IniFile& ini);
    void saveAdditional(tk::IniFile& ini) const;
    void saveSelectedBots(tk::IniFile& ini) const;
    void saveBinds(tk::IniFile& ini) const;

    TForm1& m_form;
    QString m_currentPath;
    QString m_partlyLoadedPath; // the profile whose load stopped part way, if any
    QString m_unreadPath; // the profile that was there but not read, if any
    tk::LeftOutNames m_toldNames; // the refused names the user has been told of
};
