// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/ui/profilestore.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "app/core/usererror.h"
#include "app/ui/prefspage.h"
#include "app/ui/tform1.h"
#include "bots/ui/botcfgpage.h"
#include "launch/ui/dmflagspage.h"
#include "maps/core/rotation.h"
#include "maps/ui/mappage.h"
#include "player/ui/bindspage.h"
#include "player/ui/playerpage.h"
#include "profile/core/inifile.h"
#include "profile/core/profilekeys.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/miscpage.h"
#include "profile/ui/profilebinding.h"
#include "profile/ui/setuppage.h"
#include "widgets/colorswatch.h"
#include "widgets/interaction.h"
#include "widgets/settingswatch.h"
#include "widgets/spinedit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <variant>

namespace {

using tk::ProfileKey;

// No list of a profile is ever this long; a damaged count must not make a load run
// for minutes or exhaust memory. Items beyond it are not read.
constexpr int kMaxListItems = 10000;

int listCount(const tk::IniFile& ini, const QString& section)
{
    return qBound(0, ini.readInt(section, QStringLiteral("Count"), 0), kMaxListItems);
}

// A radio button set by a profile: checking one unchecks the others of its group,
// and unchecking is possible too, so that a profile may leave a whole group empty.
void setRadio(QRadioButton* button, bool on)
{
    if (on || !button->isChecked()) {
        if (on)
            button->setChecked(true);
        return;
    }
    if (QButtonGroup* group = button->group()) {
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
    } else {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

// The file name part of a stored name, whichever separator it was written with.
QString fileNamePart(const QString& name)
{
    return name.mid(qMax(name.lastIndexOf('/'), name.lastIndexOf('\\')) + 1);
}

const QString kAdditional = QStringLiteral("Additional");
const QString kSelectedBots = QStringLiteral("SelectedBots");
const QString kBinds = QStringLiteral("Binds");
const QString kMapControl = QStringLiteral("MapControl");
const QString kCount = QStringLiteral("Count");

QString item(int k)
{
    return QStringLiteral("n%1").arg(k);
}

} // namespace

ProfileStore::ProfileStore(TForm1& form)
    : m_form(form)
{
    checkProfileBindings();
}

void ProfileStore::setCurrentPath(const QString& path)
{
    m_currentPath = path;
    m_form.setupPage->setProfileName(QFileInfo(path).fileName(), path);
    m_form.settingsWatch().touch();
}

namespace {

template <typename... F> struct Overloaded : F... {
    using F::operator()...;
};
// Aggregate deduction is C++20, but not every compiler of Debian 12 has it.
template <typename... F> Overloaded(F...) -> Overloaded<F...>;

} // namespace

void ProfileStore::loadKey(const tk::IniFile& ini, const ProfileKey& key)
{
    const auto readBool
        = [&] { return ini.readBool(key.section, key.key, key.defaultValue == QLatin1String("1")); };
    const auto readInt = [&] { return ini.readInt(key.section, key.key, key.defaultValue.toInt()); };
    const auto readString = [&] { return ini.readString(key.section, key.key, key.defaultValue); };
    std::visit(Overloaded {
                   [](std::monostate) {},
                   [&](QCheckBox* box) { box->setChecked(readBool()); },
                   [&](QRadioButton* radio) { setRadio(radio, readBool()); },
                   // Pulled into its range when it has one.
                   [&](SpinEdit* spin) { spin->setValue(readInt()); },
                   [&](ColorSwatch* swatch) { swatch->setColor(ColorSwatch::fromColorRef(readInt())); },
                   [&](QLineEdit* edit) { edit->setText(readString()); },
                   // Whether or not the value is among the items.
                   [&](QComboBox* combo) { combo->setEditText(readString()); },
                   [&](QLabel* label) { label->setText(readString()); },
               },
        profileControl(m_form, key));
}

void ProfileStore::saveKey(tk::IniFile& ini, const ProfileKey& key) const
{
    const QString& s = key.section;
    const QString& k = key.key;
    std::visit(Overloaded {
                   [](std::monostate) {},
                   [&](QCheckBox* box) { ini.writeBool(s, k, box->isChecked()); },
                   [&](QRadioButton* radio) { ini.writeBool(s, k, radio->isChecked()); },
                   [&](SpinEdit* spin) { ini.writeInt(s, k, spin->value()); },
                   [&](ColorSwatch* swatch) { ini.writeInt(s, k, ColorSwatch::toColorRef(swatch->color())); },
                   [&](QLineEdit* edit) { ini.writeString(s, k, edit->text()); },
                   [&](QComboBox* combo) { ini.writeString(s, k, combo->currentText()); },
                   [&](QLabel* label) { ini.writeString(s, k, label->text()); },
               },
        profileControl(m_form, key));
}

void ProfileStore::loadKeys(const tk::IniFile& ini, const QString& section)
{
    for (const ProfileKey& key : tk::profileKeysOf(section))
        loadKey(ini, key);
}

void ProfileStore::loadAdditional(const tk::IniFile& ini)
{
    const int count = listCount(ini, kAdditional);
    QStringList lines;
    QList<qsizetype> cut;
    for (int k = 0; k < count; ++k) {
        lines.append(ini.readString(kAdditional, item(k), QString()));
        if (ini.isCut(kAdditional, item(k)))
            cut.append(k);
    }
    m_form.miscPage->setAdditionalLines(lines, cut);
}

void ProfileStore::loadSelectedBots(const tk::IniFile& ini)
{
    const int count = listCount(ini, kSelectedBots);
    QStringList names;
    for (int k = 1; k <= count; ++k) {
        const QString name = ini.readString(kSelectedBots, item(k), QString());
        if (!name.isEmpty())
            names.append(name);
    }
    m_form.botCfgPage->selectByNames(names);
}

void ProfileStore::loadBinds(const tk::IniFile& ini)
{
    BindsPage* binds = m_form.bindsPage;
    binds->clearBinds();
    const int count = listCount(ini, kBinds);
    for (int k = 0; k < count; ++k) {
        QString key, command;
        tk::decodeBindItem(ini.readString(kBinds, item(k), QStringLiteral("\"\"\" \"\"\"")), &key, &command);
        binds->addBindRow(key, command);
    }
}

void ProfileStore::load(const QString& path)
{
    const auto key = [](const char* section, const char* name) {
        return tk::profileKey(QLatin1StringView(section), QLatin1StringView(name));
    };
    TForm1& f = m_form;
    const tk::InstallPaths& paths = f.paths();

    setCurrentPath(path);
    // Cleared once the last step has run; an error on the way leaves it set.
    m_partlyLoadedPath = path;
    // A profile that is there but not read loads as a missing one would, and save() keeps
    // it from being replaced by the settings that the load did not give.
    tk::IniFile ini;
    const QString unread = readProfile(path, &ini);
    m_unreadPath = unread.isEmpty() ? QString() : path;
    if (!unread.isEmpty())
        f.interaction().showMessage(&f,
            QCoreApplication::translate("ProfileStore",
                "The profile %1 was not read: %2. The settings take their default values, and "
                "saving will not replace the file.")
                .arg(path, unread));

    const QString launcherDir = paths.launcherDir;
    // Names of files the launcher writes must name files of its own directory.
    const auto launcherFile = [&](const char* section, const char* name, const QString& fallback) {
        const QString given = tk::existingFileName(
            launcherDir, ini.readString(QLatin1String(section), QLatin1String(name), fallback));
        return usableName(path, section, name, given, tk::NameUse::InDirectory, launcherDir) ? given
                                                                                             : fallback;
    };
    const QString botListDefault = QStringLiteral("bots.cfg");
    const QString botList = fileNamePart(
        ini.readString(QStringLiteral("BotDataFile"), QStringLiteral("FileName"), botListDefault));
    f.botCfgPage->openBotListFile(
        usableName(path, "BotDataFile", "FileName", tk::existingFileName(launcherDir, botList),
            tk::NameUse::InDirectory, launcherDir)
            ? botList
            : botListDefault,
        true);

    // An old profile without the key loads "maps.txt" but later saves "maps.lst". Without
    // a "maps.txt" the list comes from "maps.lst", or the next save would write an empty
    // list over the rotation the user keeps there.
    // Names from Windows may be written in any letter case: the file is used under its
    // real name.
    const QString oldRotationDefault
        = tk::fileExists(paths.inLauncherDir(tk::existingFileName(launcherDir, QStringLiteral("maps.txt"))))
        ? QStringLiteral("maps.txt")
        : QStringLiteral("maps.lst");
    const QString oldRotationFile
        = launcherFile("MapControl", "RotationFile", tk::existingFileName(launcherDir, oldRotationDefault));
    f.mapPage->setRotationFileName(oldRotationFile);
    if (tk::fileExists(paths.inLauncherDir(oldRotationFile)))
        f.mapPage->loadRotationFile(paths.inLauncherDir(oldRotationFile));

    loadKeys(ini, QStringLiteral("BotOptions"));

    for (const ProfileKey& k : tk::profileKeysOf(QStringLiteral("ServerOptions"))) {
        loadKey(ini, k);
        if (k.key == QLatin1String("DMFlags"))
            f.dmFlagsPage->applyFlagTotalText();
    }
    f.dmFlagsPage->applyEnableRules();

    loadKeys(ini, QStringLiteral("Demo"));
    loadKeys(ini, QStringLiteral("Misc"));
    f.miscPage->applyEnableRules();
    loadAdditional(ini);
    loadKeys(ini, QStringLiteral("Quake2 Setup"));
    // The executable is started from below the Quake2 directory, never from elsewhere.
    if (!usableName(path, "Quake2 Setup", "EXE", f.setupPage->exefile->text(), tk::NameUse::BelowDirectory))
        f.setupPage->exefile->setText(key("Quake2 Setup", "EXE").defaultValue);
    loadSelectedBots(ini);

    f.PageControl1->setCurrentWidget(f.setupPage);

    loadKey(ini, key("MapControl", "Rotation"));
    f.mapPage->applyEnableRules();
    f.mapPage->setRotationFileName(launcherFile(
        "MapControl", "RotationFile", tk::existingFileName(launcherDir, QStringLiteral("maps.lst"))));
    f.mapPage->refreshCatalogue();
    f.mapPage->selectMapByName(ini.readString(kMapControl, QStringLiteral("Selected"), QString()));

    PlayerPage* player = f.playerPage;
    loadKey(ini, key("Player", "Enabled"));
    player->CheckBox28Click();
    for (const char* name : { "Name", "Model", "Skin", "Hand", "Crosshair" })
        loadKey(ini, key("Player", name));
    loadKey(ini, key("Player", "SpecifyFPS"));
    loadKey(ini, key("Player", "FPS"));
    player->CheckBox31Click();
    loadKey(ini, key("Player", "SpecifySens"));
    loadKey(ini, key("Player", "Sens"));
    player->applySensitivityText();
    player->CheckBox32Click();
    player->showSkinPreview();
    for (const char* name : { "LagEnabled", "LagVal", "LagVar" })
        loadKey(ini, key("Player", name));
    player->CheckBox30Click();

    loadKey(ini, key("Binds", "Enabled"));
    f.bindsPage->applyEnableRules();
    loadBinds(ini);

    loadKeys(ini, QStringLiteral("Launcher"));
    loadKeys(ini, QStringLiteral("GameMod"));
    loadKeys(ini, QStringLiteral("RA"));
    loadKeys(ini, QStringLiteral("CTF"));
    f.gamePage->applyEnableRules();

    f.setupPage->rebuildQuickLoadBar();
    m_partlyLoadedPath.clear();
}

bool ProfileStore::usableName(const QString& profile, const char* section, const char* key,
    const QString& name, tk::NameUse use, const QString& dir)
{
    const QString reason = tk::nameRefusal(name, use, dir);
    if (reason.isEmpty())
        return true;
    const QString message = tk::refusedNameMessage(QFileInfo(profile).fileName(),
        QStringLiteral("[%1] %2").arg(QLatin1String(section), QLatin1String(key)), name, reason);
    if (!m_toldNames.untold({ message }).isEmpty())
        m_form.interaction().showMessage(&m_form, message);
    return false;
}

bool ProfileStore::confirmSave(const QString& path)
{
    if (m_partlyLoadedPath.isEmpty() || QFileInfo(path) != QFileInfo(m_partlyLoadedPath))
        return true;
    const QString name = QFileInfo(path).fileName();
    return m_form.interaction().askChoice(&m_form,
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
    if (!m_form.prefsPage->CheckBox51->isChecked() || !hasUnsavedChanges())
        return true;
    const int choice = m_form.interaction().askChoice(&m_form,
        QCoreApplication::translate("ProfileStore", "Save changes to %1?")
            .arg(m_form.setupPage->profileName()),
        { QCoreApplication::translate("ProfileStore", "Save"),
            QCoreApplication::translate("ProfileStore", "Discard"),
            QCoreApplication::translate("ProfileStore", "Cancel") });
    // Closing the question keeps the settings, as "Cancel" does.
    return choice == 1 || (choice == 0 && save());
}

void ProfileStore::saveAdditional(tk::IniFile& ini) const
{
    const QStringList lines = m_form.miscPage->additionalLines();
    ini.writeInt(kAdditional, kCount, int(lines.size()));
    for (int k = 0; k < lines.size(); ++k)
        ini.writeString(kAdditional, item(k), lines[k]);
}

void ProfileStore::saveSelectedBots(tk::IniFile& ini) const
{
    // The count follows every bot, so a new section gets its keys in the order the
    // bots give them; an empty bot list leaves the section as it was.
    // Writing the same count again changes nothing, so it is written only when it changes.
    const tk::BotList& bots = m_form.botCfgPage->botList();
    int k = 0;
    for (qsizetype i = 0; i < bots.size(); ++i) {
        const bool selected = bots.isSelected(i);
        if (selected)
            ini.writeString(kSelectedBots, item(++k), bots.name(i));
        if (selected || i == 0)
            ini.writeInt(kSelectedBots, kCount, k);
    }
}

void ProfileStore::saveBinds(tk::IniFile& ini) const
{
    const QList<tk::BindRow> rows = m_form.bindsPage->bindRows();
    ini.writeInt(kBinds, kCount, int(rows.size()));
    for (int k = 0; k < rows.size(); ++k)
        ini.writeString(kBinds, item(k), tk::encodeBindItem(rows[k].key, rows[k].command));
}

void ProfileStore::writeKeys(tk::IniFile& ini) const
{
    TForm1& f = m_form;
    for (const ProfileKey& key : tk::profileKeys()) {
        if (key.section == QLatin1String("BotDataFile"))
            ini.writeString(key.section, key.key, f.botCfgPage->botList().fileName());
        else if (key.section == kAdditional)
            saveAdditional(ini);
        else if (key.section == kSelectedBots)
            saveSelectedBots(ini);
        else if (key.section == kBinds && key.type == ProfileKey::Type::List)
            saveBinds(ini);
        else if (key.section == kMapControl && key.key == QLatin1String("Selected")) {
            // With no map selected the stored one stays, so that it is selected again.
            if (const std::optional<QString> map = f.mapPage->selectedMapName())
                ini.writeString(key.section, key.key, *map);
        } else
            saveKey(ini, key);
    }
}

bool ProfileStore::hasUnsavedChanges() const
{
    // The file is read once: the writer edits a copy of its bytes, as save() does.
    QByteArray stored;
    if (!tk::readFile(m_currentPath, &stored, tk::IniFile::kMaxFileSize))
        return true;
    tk::IniFile ini(stored);
    writeKeys(ini);
    if (ini.contents() != stored)
        return true;
    const MapPage* map = m_form.mapPage;
    return !tk::readFile(map->rotationFilePath(), &stored, tk::kMaxRotationFileSize)
        || tk::composeRotation(map->rotationEntries()) != stored;
}

QString ProfileStore::readProfile(const QString& path, tk::IniFile* ini)
{
    tk::FileCheck check;
    tk::IniFile read = tk::IniFile::load(path, &check);
    QString reason = check.refused() ? check.reason : check ? tk::notAProfileReason(read) : QString();
    // What is not a profile gives no setting, not even by chance.
    if (ini && reason.isEmpty())
        *ini = std::move(read);
    return reason;
}

void ProfileStore::save(const QString& path)
{
    TForm1& f = m_form;
    // A file that was no profile is not replaced by one: it may be something else the user keeps.
    // (What the system refuses to read, IniFile::save refuses to replace on its own.)
    if (!m_unreadPath.isEmpty() && QFileInfo(path) == QFileInfo(m_unreadPath)
        && tk::checkFile(path, tk::IniFile::kMaxFileSize))
        throw tk::UserError(tk::unableToWriteMessage(
            path, QCoreApplication::translate("ProfileStore", "it was not read as a profile")));
    tk::IniFile ini = tk::IniFile::load(path);
    writeKeys(ini);
    // The quick-load list file is written where the writer reaches "Launcher", before the
    // profile; the profile's keys wait in memory until the one write below.
    f.setupPage->saveQuickLoadList();
    ini.save(path);
    f.settingsWatch().touch();
    // The file now holds what is shown.
    if (!m_partlyLoadedPath.isEmpty() && QFileInfo(path) == QFileInfo(m_partlyLoadedPath))
        m_partlyLoadedPath.clear();
    f.mapPage->saveRotationFile();
}
