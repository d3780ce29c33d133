// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/core/profile.h"

#include "profile/core/inifile.h"
#include "profile/core/profilekeys.h"

namespace tk {

namespace {

const QString kCount = QStringLiteral("Count");

QString item(qsizetype k)
{
    return QStringLiteral("n%1").arg(k);
}

void writeSelectedBots(const BotList& bots, IniFile& ini, const QString& section)
{
    // The count follows every bot, so a new section gets its keys in the order the bots
    // give them; an empty bot list leaves the section as it was. Writing the same count
    // again changes nothing, so it is written only when it changes.
    int k = 0;
    for (qsizetype i = 0; i < bots.size(); ++i) {
        const bool selected = bots.isSelected(i);
        if (selected)
            ini.writeString(section, item(++k), bots.name(i));
        if (selected || i == 0)
            ini.writeInt(section, kCount, k);
    }
}

} // namespace

ExecSettings Profile::execSettings() const
{
    ExecSettings settings = exec;
    settings.additionalCommands = additionalLines.join(QLatin1Char('\n'));
    settings.selectedBotLines = bots.selectedLines();
    return settings;
}

void writeProfile(const Profile& profile, IniFile& ini)
{
    for (const ProfileKey& key : profileKeys()) {
        const QString& section = key.section;
        if (key.section == QLatin1String("BotDataFile")) {
            ini.writeString(section, key.key, profile.bots.fileName());
        } else if (key.section == QLatin1String("Additional")) {
            ini.writeInt(section, kCount, int(profile.additionalLines.size()));
            for (qsizetype k = 0; k < profile.additionalLines.size(); ++k)
                ini.writeString(section, item(k), profile.additionalLines[k]);
        } else if (key.section == QLatin1String("SelectedBots")) {
            writeSelectedBots(profile.bots, ini, section);
        } else if (key.section == QLatin1String("Binds") && key.type == ProfileKey::Type::List) {
            const QList<BindRow>& rows = profile.exec.binds;
            ini.writeInt(section, kCount, int(rows.size()));
            for (qsizetype k = 0; k < rows.size(); ++k)
                ini.writeString(section, item(k), encodeBindItem(rows[k].key, rows[k].command));
        } else if (key.key == QLatin1String("Selected")) {
            // With no map selected the stored one stays, so that it is selected again.
            if (profile.exec.selectedMap)
                ini.writeString(section, key.key, *profile.exec.selectedMap);
        } else if (key.key == QLatin1String("Language")) {
            // The desktop's language is no setting of the profile's: only a profile that
            // named a language of its own keeps the key.
            if (!profile.prefs.language.isEmpty() || ini.readOptionalString(section, key.key))
                ini.writeString(section, key.key, profile.prefs.language);
        } else if (key.key == QLatin1String("RotationFile")) {
            ini.writeString(section, key.key, profile.rotationFile);
        } else {
            writeKey(ini, key, profile);
        }
    }
}

} // namespace tk
