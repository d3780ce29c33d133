// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/core/profilekeys.h"

#include "launch/core/gamestart.h"

namespace tk {

const QList<ProfileKey>& profileKeys()
{
    using T = ProfileKey::Type;
    static const QList<ProfileKey> keys = [] {
        QList<ProfileKey> k {
            { "BotDataFile", "FileName", T::String, "bots.cfg" },
            { "BotOptions", "NoChat", T::Bool, "0" },
            { "ServerOptions", "FragLimit", T::Int, "150" },
            { "ServerOptions", "TimeLimit", T::Int, "30" },
            { "ServerOptions", "MaxClients", T::Int, "16" },
            { "ServerOptions", "CaptureLimit", T::Int, "8" },
            { "ServerOptions", "Dedicated", T::Bool, "0" },
            { "ServerOptions", "Cheats", T::Bool, "0" },
            { "ServerOptions", "DMFlags", T::String, "280084" },
            { "ServerOptions", "MinPlayers", T::Bool, "0" },
            { "ServerOptions", "MinPlayersVal", T::Int, "0" },
            { "Demo", "RecordDemo", T::Bool, "0" },
            { "Demo", "DemoName", T::String, "tarkdemo" },
            { "Demo", "Overwrite", T::Bool, "1" },
            { "Demo", "Sequence", T::Bool, "0" },
            { "Misc", "ExtraCfg", T::Bool, "0" },
            { "Misc", "ExtraCfgName", T::String, "" },
            { "Additional", "Count", T::List, "0" },
            { "Quake2 Setup", "EXE", T::String, defaultExecutableName() },
            { "SelectedBots", "Count", T::List, "0" },
            { "MapControl", "Selected", T::String, "" },
            { "MapControl", "Rotation", T::Bool, "0" },
            // Read first with "maps.txt", then again with "maps.lst": a profile without the
            // key loads an old "maps.txt" but saves to "maps.lst".
            { "MapControl", "RotationFile", T::String, "maps.lst" },
            { "Player", "LagEnabled", T::Bool, "0" },
            { "Player", "LagVal", T::Int, "0" },
            { "Player", "LagVar", T::Int, "0" },
            { "Player", "Enabled", T::Bool, "0" },
            { "Player", "Name", T::String, "Player" },
            { "Player", "Model", T::String, "male" },
            { "Player", "Skin", T::String, "grunt" },
            { "Player", "Hand", T::String, "Right" },
            { "Player", "Crosshair", T::String, "Cross" },
            { "Player", "SpecifyFPS", T::Bool, "0" },
            { "Player", "FPS", T::Int, "50" },
            { "Player", "SpecifySens", T::Bool, "0" },
            { "Player", "Sens", T::String, "5" },
            { "Binds", "Enabled", T::Bool, "0" },
            { "Binds", "Count", T::List, "0" },
            { "Launcher", "LeaveOpen", T::Bool, "1" },
            { "Launcher", "SaveOnClose", T::Bool, "0" },
            { "Launcher", "LightUpButtons", T::Bool, "1" },
            { "Launcher", "LightUpColor", T::Int, "255" },
            { "Launcher", "CheckMatch", T::Bool, "1" },
            { "Launcher", "AskDiscard", T::Bool, "1" },
            { "GameMod", "DM", T::Bool, "1" },
            { "GameMod", "CTF", T::Bool, "0" },
            { "GameMod", "RA", T::Bool, "0" },
            { "GameMod", "XATRIX", T::Bool, "0" },
            { "GameMod", "ROGUE", T::Bool, "0" },
        };
        const char* raOptions[] = { "1", "1", "0", "1", "1" };
        for (int i = 0; i < 5; ++i)
            k.append({ "RA", QStringLiteral("o%1").arg(i + 1), T::Bool, raOptions[i] });
        const char* raWeapons[] = { "1", "1", "1", "1", "1", "1", "0", "1", "0" };
        for (int i = 0; i < 9; ++i)
            k.append({ "RA", QStringLiteral("w%1").arg(i + 1), T::Bool, raWeapons[i] });
        const char* raStats[] = { "200", "100", "100", "200", "50", "50", "50", "150" };
        for (int i = 0; i < 8; ++i)
            k.append({ "RA", QStringLiteral("l%1").arg(i + 1), T::Int, raStats[i] });
        k.append({ "CTF", "t1", T::Bool, "1" });
        k.append({ "CTF", "t2", T::Bool, "0" });
        k.append({ "CTF", "t3", T::Bool, "1" });
        k.append({ "CTF", "t4", T::Bool, "0" });
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
