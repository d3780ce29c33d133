// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/core/profilekeys.h"

#include "launch/core/execsettings.h"
#include "profile/core/inifile.h"

#include <QCoreApplication>

namespace tk {

namespace {

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

const QList<ProfileKey>& profileKeys()
{
    using T = ProfileKey::Type;
    static const QList<ProfileKey> keys = [] {
        // A setting that the exec file uses has the default of a new window; the
        // others are the table's own.
        const ExecSettings d;
        QList<ProfileKey> k {
            { "BotDataFile", "FileName", T::String, "bots.cfg" },
            { "BotOptions", "NoChat", T::Bool, flag(d.noChat) },
            { "ServerOptions", "FragLimit", T::Int, QString::number(d.fraglimit) },
            { "ServerOptions", "TimeLimit", T::Int, QString::number(d.timelimit) },
            { "ServerOptions", "MaxClients", T::Int, QString::number(d.maxclients) },
            { "ServerOptions", "CaptureLimit", T::Int, QString::number(d.capturelimit) },
            { "ServerOptions", "Dedicated", T::Bool, flag(d.dedicated) },
            { "ServerOptions", "Cheats", T::Bool, flag(d.cheats) },
            { "ServerOptions", "DMFlags", T::String, d.dmflags },
            { "ServerOptions", "MinPlayers", T::Bool, flag(d.minPlayers) },
            { "ServerOptions", "MinPlayersVal", T::Int, QString::number(d.minPlayersValue) },
            { "Demo", "RecordDemo", T::Bool, flag(d.recordDemo) },
            { "Demo", "DemoName", T::String, d.demoName },
            { "Demo", "Overwrite", T::Bool, flag(!d.sequentialDemo) },
            { "Demo", "Sequence", T::Bool, flag(d.sequentialDemo) },
            { "Misc", "ExtraCfg", T::Bool, flag(d.extraCfg) },
            { "Misc", "ExtraCfgName", T::String, d.extraCfgName },
            { "Additional", "Count", T::List, "0" },
            { "Quake2 Setup", "EXE", T::String, d.executable },
            { "SelectedBots", "Count", T::List, "0" },
            { "MapControl", "Selected", T::String, "" },
            { "MapControl", "Rotation", T::Bool, flag(d.rotation) },
            // Read first with "maps.txt", then again with "maps.lst": a profile without the
            // key loads an old "maps.txt" but saves to "maps.lst".
            { "MapControl", "RotationFile", T::String, "maps.lst" },
            { "Player", "LagEnabled", T::Bool, flag(d.lag) },
            { "Player", "LagVal", T::Int, QString::number(d.lagValue) },
            { "Player", "LagVar", T::Int, QString::number(d.lagVariance) },
            { "Player", "Enabled", T::Bool, flag(d.playerSetup) },
            { "Player", "Name", T::String, "Player" },
            { "Player", "Model", T::String, "male" },
            { "Player", "Skin", T::String, "grunt" },
            { "Player", "Hand", T::String, "Right" },
            { "Player", "Crosshair", T::String, "Cross" },
            { "Player", "SpecifyFPS", T::Bool, flag(d.maxFps) },
            { "Player", "FPS", T::Int, "50" },
            { "Player", "SpecifySens", T::Bool, flag(d.sensitivity) },
            { "Player", "Sens", T::String, "5" },
            { "Binds", "Enabled", T::Bool, flag(d.specifyBinds) },
            { "Binds", "Count", T::List, "0" },
            { "Launcher", "LeaveOpen", T::Bool, "1" },
            { "Launcher", "SaveOnClose", T::Bool, "0" },
            { "Launcher", "LightUpButtons", T::Bool, "1" },
            { "Launcher", "LightUpColor", T::Int, "255" },
            { "Launcher", "CheckMatch", T::Bool, "1" },
            { "Launcher", "AskDiscard", T::Bool, "1" },
            { "GameMod", "DM", T::Bool, flag(d.mod == ModChoice::Deathmatch) },
            { "GameMod", "CTF", T::Bool, flag(d.mod == ModChoice::CaptureTheFlag) },
            { "GameMod", "RA", T::Bool, flag(d.mod == ModChoice::RocketArena) },
            { "GameMod", "XATRIX", T::Bool, flag(d.mod == ModChoice::Xatrix) },
            { "GameMod", "ROGUE", T::Bool, flag(d.mod == ModChoice::Rogue) },
        };
        for (std::size_t i = 0; i < d.raOptions.size(); ++i)
            k.append({ "RA", QStringLiteral("o%1").arg(i + 1), T::Bool, flag(d.raOptions[i]) });
        for (std::size_t i = 0; i < d.raWeapons.size(); ++i)
            k.append({ "RA", QStringLiteral("w%1").arg(i + 1), T::Bool, flag(d.raWeapons[i]) });
        for (std::size_t i = 0; i < d.raStats.size(); ++i)
            k.append({ "RA", QStringLiteral("l%1").arg(i + 1), T::Int, QString::number(d.raStats[i]) });
        k.append({ "CTF", "t1", T::Bool, flag(d.ctfAutoAssign) });
        k.append({ "CTF", "t2", T::Bool, flag(d.ctfForceTeam) });
        k.append({ "CTF", "t3", T::Bool, flag(d.ctfRed) });
        k.append({ "CTF", "t4", T::Bool, flag(d.ctfBlue) });
        return k;
    }();
    return keys;
}

const ProfileKey& profileKey(QLatin1StringView section, QLatin1StringView key)
{
    for (const ProfileKey& k : profileKeys()) {
        if (k.section == section && k.key == key)
            return k;
    }
    qFatal("The profile table has no key %s", qPrintable(QString(section) + QLatin1Char('/') + QString(key)));
}

QList<ProfileKey> profileKeysOf(const QString& section)
{
    QList<ProfileKey> out;
    for (const ProfileKey& k : profileKeys()) {
        if (k.section == section)
            out.append(k);
    }
    return out;
}

QString notAProfileReason(const IniFile& ini)
{
    // UTF-16 text, a picture or a program: reading it as a profile would give the defaults.
    if (ini.contents().contains('\0'))
        return QCoreApplication::translate("ProfileKeys", "it is not a text file");
    if (ini.sectionNames().isEmpty() && !ini.contents().trimmed().isEmpty())
        return QCoreApplication::translate("ProfileKeys", "it is not a profile: it holds no section");
    return QString();
}

QString encodeBindItem(const QString& key, const QString& command)
{
    return QStringLiteral("\"\"") + key + QStringLiteral("\" \"") + command + QStringLiteral("\"\"");
}

void decodeBindItem(const QString& item, QString* key, QString* command)
{
    // Exactly the steps the item was always read with, so that odd items (a quote in
    // the command, a missing item) read back the same way.
    QString s = item;
    s.remove(0, s.indexOf('"') + 1);
    const qsizetype keyEnd = s.indexOf('"');
    *key = keyEnd < 0 ? QString() : s.left(keyEnd);
    s.remove(0, key->size() + 2);
    s.remove(0, s.indexOf('"') + 1);
    const qsizetype commandEnd = s.indexOf('"');
    *command = commandEnd < 0 ? QString() : s.left(commandEnd);
}

} // namespace tk
