// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/ui/profilestore.h"

#include "app/core/fileutil.h"
#include "app/core/usererror.h"
#include "app/ui/interaction.h"
#include "app/ui/tabpage.h"
#include "maps/core/rotation.h"
#include "maps/ui/mappage.h"
#include "profile/core/inifile.h"
#include "profile/core/profile.h"
#include "profile/core/profileread.h"
#include "profile/ui/profilebinding.h"
#include "profile/ui/setuppage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTabWidget>

ProfileStore::ProfileStore(const tk::InstallPaths& paths, Interaction& ui, QWidget* window,
    ProfilePages pages, tk::ToldOnce& told, QObject* parent)
    : QObject(parent)
    , m_paths(paths)
    , m_ui(ui)
    , m_window(window)
    , m_pages(std::move(pages))
    , m_told(told)
{
    checkProfileBindings();
    // A rotation written on its own (its Save button, a launch) is saved as a profile's is.
    connect(m_pages.map, &MapPage::rotationFileWritten, this,
        [this] { m_unchanged.rotation = tk::composeRotation(m_pages.map->rotationEntries()); });
}

void ProfileStore::setCurrentPath(const QString& path)
{
    m_currentPath = path;
    m_pages.setup->setProfileName(QFileInfo(path).fileName(), path);
    Q_EMIT filesChanged();
}

tk::Profile ProfileStore::current() const
{
    tk::Profile profile;
    for (const TabPage* page : m_pages.pages)
        page->store(profile);
    return profile;
}

void ProfileStore::load(const QString& path)
{
    setCurrentPath(path);
    // Cleared once the last step has run; an error on the way leaves it set.
    m_partlyLoadedPath = path;
    // A profile that is there but not read loads as a missing one would, and save() keeps
    // it from being replaced by the settings that the load did not give.
    tk::IniFile ini;
    const QString unread = tk::readProfileFile(path, &ini);
    m_unreadPath = unread.isEmpty() ? QString() : path;
    // What a save writes is composed over the file as read here (empty for one not read).
    m_baseFile = ini.contents();
    if (!unread.isEmpty())
        m_ui.showMessage(m_window,
            QCoreApplication::translate("ProfileStore",
                "The profile %1 was not read: %2. The settings take their default values, and "
                "saving will not replace the file.")
                .arg(path, unread));

    const tk::ProfileRead read = tk::readProfile(ini, path, m_paths, current(), m_told);
    // What the steps found is told in their order, before the values they led to show.
    for (const QString& message : read.messages)
        m_ui.showMessage(m_window, message);
    for (TabPage* page : std::as_const(m_pages.pages))
        page->load(read);
    if (read.ran(tk::LoadStep::SetupTab))
        m_pages.tabs->setCurrentWidget(m_pages.setup);
    // What a load shows, a partial one too, is what the user starts changing from.
    markUnchanged();
    if (!read.complete())
        throw tk::UserError(read.error);
    m_partlyLoadedPath.clear();
}

bool ProfileStore::confirmSave(const QString& path)
{
    if (m_partlyLoadedPath.isEmpty() || QFileInfo(path) != QFileInfo(m_partlyLoadedPath))
        return true;
    const QString name = QFileInfo(path).fileName();
    return m_ui.askChoice(m_window,
               QCoreApplication::translate("ProfileStore",
                   "%1 was only partly loaded. Saving now replaces its later settings with the values "
                   "shown. Save anyway?")
                   .arg(name),
               { QCoreApplication::translate("ProfileStore", "Save"),
                   QCoreApplication::translate("ProfileStore", "Cancel") })
        == 0;
}

bool ProfileStore::mayDiscardSettings(const std::function<bool()>& save)
{
    if (!current().prefs.askDiscard || !hasUnsavedChanges())
        return true;
    const QString name = m_pages.setup->profileName();
    // A save that cannot go through is no choice: one question instead of a failed save
    // followed by another.
    if (const QString refusal = tk::IniFile::saveRefusal(m_currentPath); !refusal.isEmpty())
        return m_ui.askChoice(m_window,
                   QCoreApplication::translate("ProfileStore",
                       "The changes to %1 cannot be saved: %2. Discard them? (Save As keeps them in "
                       "another file.)")
                       .arg(name, refusal),
                   { QCoreApplication::translate("ProfileStore", "Discard"),
                       QCoreApplication::translate("ProfileStore", "Cancel") })
            == 0;
    const int choice = m_ui.askChoice(m_window,
        QCoreApplication::translate("ProfileStore", "Save changes to %1?").arg(name),
        { QCoreApplication::translate("ProfileStore", "Save"),
            QCoreApplication::translate("ProfileStore", "Discard"),
            QCoreApplication::translate("ProfileStore", "Cancel") });
    // Closing the question keeps the settings, as "Cancel" does.
    return choice == 1 || (choice == 0 && save());
}

ProfileStore::SaveImage ProfileStore::whatASaveWrites() const
{
    // Written over the file as last loaded or saved, as save() writes over it: the writer keeps
    // every byte it does not change, so the image changes exactly when a setting does.
    const tk::Profile profile = current();
    tk::IniFile ini(m_baseFile);
    tk::writeProfile(profile, ini);
    return { ini.contents(), tk::composeRotation(profile.exec.rotationEntries) };
}

bool ProfileStore::hasUnsavedChanges() const
{
    return whatASaveWrites() != m_unchanged;
}

void ProfileStore::markUnchanged()
{
    m_unchanged = whatASaveWrites();
    Q_EMIT filesChanged();
}

void ProfileStore::writeProfileFile(const QString& path, const tk::Profile& profile)
{
    // A file that was no profile is not replaced by one: it may be something else the user keeps.
    // (What the system refuses to read, IniFile::save refuses to replace on its own.)
    if (!m_unreadPath.isEmpty() && QFileInfo(path) == QFileInfo(m_unreadPath)
        && tk::checkFile(path, tk::IniFile::kMaxFileSize))
        throw tk::UserError(tk::unableToWriteMessage(
            path, QCoreApplication::translate("ProfileStore", "it was not read as a profile")));
    tk::IniFile ini = tk::IniFile::load(path);
    tk::writeProfile(profile, ini);
    // The quick-load list file is written where the writer reaches "Launcher", before the
    // profile; the profile's keys wait in memory until the one write below.
    m_pages.setup->saveQuickLoadList();
    ini.save(path);
    // What was written is the unchanged state now, whatever path the profile goes by next.
    m_baseFile = ini.contents();
    m_unchanged = { m_baseFile, tk::composeRotation(profile.exec.rotationEntries) };
    Q_EMIT filesChanged();
    // The file now holds what is shown.
    if (!m_partlyLoadedPath.isEmpty() && QFileInfo(path) == QFileInfo(m_partlyLoadedPath))
        m_partlyLoadedPath.clear();
}

void ProfileStore::save(const QString& path)
{
    writeProfileFile(path, current());
    m_pages.map->saveRotationFile();
}

void ProfileStore::saveOnClose(const QString& path)
{
    m_pages.map->saveRotationFile();
    writeProfileFile(path, current());
}
