// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/core/profilekeys.h"

#include "launch/core/gamestart.h"

namespace tk {

const QList<ProfileKey>& profileKeys()
{
    using T = ProfileKey::Type;
    static const QList<ProfileKey> keys = [] {
        QList<ProfileKey> k {
            { "BotDataFile", "FileName", T::String, "bots.cfg", {} },
            { "BotOptions", "NoChat", T::Bool, "0", "CheckBox20" },
            { "ServerOptions", "FragLimit", T::Int, "150", "fraglimit" },
            { "ServerOptions", "TimeLimit", T::Int, "30", "timelimit" },
            { "ServerOptions", "MaxClients", T::Int, "16", "maxclients" },
            { "ServerOptions", "CaptureLimit", T::Int, "8", "capturelimit" },
            { "ServerOptions", "Dedicated", T::Bool, "0", "dedicated" },
            { "ServerOptions", "Cheats", T::Bool, "0", "cheats" },
            { "ServerOptions", "DMFlags", T::String, "280084", "dmflags" },
            { "ServerOptions", "MinPlayers", T::Bool, "0", "CheckBox33" },
            { "ServerOptions", "MinPlayersVal", T::Int, "0", "SpinEdit5" },
            { "Demo", "RecordDemo", T::Bool, "0", "CheckBox21" },
            { "Demo", "DemoName", T::String, "tarkdemo", "Edit1" },
            { "Demo", "Overwrite", T::Bool, "1", "RadioButton1" },
            { "Demo", "Sequence", T::Bool, "0", "RadioButton2" },
            { "Misc", "ExtraCfg", T::Bool, "0", "CheckBox27" },
            { "Misc", "ExtraCfgName", T::String, "", "ComboBox1" },
            { "Additional", "Count", T::List, "0", "Memo1" },
            { "Quake2 Setup", "EXE", T::String, defaultExecutableName(), "exefile" },
            { "SelectedBots", "Count", T::List, "0", {} },
            { "MapControl", "Selected", T::String, "", {} },
            { "MapControl", "Rotation", T::Bool, "0", "CheckBox22" },
            // Read first with "maps.txt", then again with "maps.lst": a profile without the
            // key loads an old "maps.txt" but saves to "maps.lst".
            { "MapControl", "RotationFile", T::String, "maps.lst", "Panel24" },
            { "Player", "LagEnabled", T::Bool, "0", "CheckBox30" },
            { "Player", "LagVal", T::Int, "0", "SpinEdit1" },
            { "Player", "LagVar", T::Int, "0", "SpinEdit4" },
            { "Player", "Enabled", T::Bool, "0", "CheckBox28" },
            { "Player", "Name", T::String, "Player", "Edit2" },
            { "Player", "Model", T::String, "male", "ComboBox2" },
            { "Player", "Skin", T::String, "grunt", "ComboBox3" },
            { "Player", "Hand", T::String, "Right", "ComboBox4" },
            { "Player", "Crosshair", T::String, "Cross", "ComboBox5" },
            { "Player", "SpecifyFPS", T::Bool, "0", "CheckBox31" },
            { "Player", "FPS", T::Int, "50", "SpinEdit2" },
            { "Player", "SpecifySens", T::Bool, "0", "CheckBox32" },
            { "Player", "Sens", T::String, "5", "Edit3" },
            { "Binds", "Enabled", T::Bool, "0", "CheckBox29" },
            { "Binds", "Count", T::List, "0", {} },
            { "Launcher", "LeaveOpen", T::Bool, "1", "CheckBox24" },
            { "Launcher", "SaveOnClose", T::Bool, "0", "CheckBox26" },
            { "Launcher", "LightUpButtons", T::Bool, "1", "CheckBox25" },
            { "Launcher", "LightUpColor", T::Int, "255", "colortest" },
            { "Launcher", "CheckMatch", T::Bool, "1", "CheckBox50" },
            { "Launcher", "AskDiscard", T::Bool, "1", "CheckBox51" },
            { "GameMod", "DM", T::Bool, "1", "RadioButton3" },
            { "GameMod", "CTF", T::Bool, "0", "RadioButton4" },
            { "GameMod", "RA", T::Bool, "0", "RadioButton5" },
            { "GameMod", "XATRIX", T::Bool, "0", "RadioButton8" },
            { "GameMod", "ROGUE", T::Bool, "0", "RadioButton9" },
        };
        const char* raOptions[] = { "1", "1", "0", "1", "1" };
        for (int i = 0; i < 5; ++i)
            k.append({ "RA", QStringLiteral("o%1").arg(i + 1), T::Bool, raOptions[i],
                QStringLiteral("CheckBox%1").arg(36 + i) });
        const char* raWeapons[] = { "1", "1", "1", "1", "1", "1", "0", "1", "0" };
        for (int i = 0; i < 9; ++i)
            k.append({ "RA", QStringLiteral("w%1").arg(i + 1), T::Bool, raWeapons[i],
                QStringLiteral("CheckBox%1").arg(41 + i) });
        const char* raStats[] = { "200", "100", "100", "200", "50", "50", "50", "150" };
        for (int i = 0; i < 8; ++i)
            k.append({ "RA", QStringLiteral("l%1").arg(i + 1), T::Int, raStats[i],
                QStringLiteral("SpinEdit%1").arg(6 + i) });
        k.append({ "CTF", "t1", T::Bool, "1", "RadioButton6" });
        k.append({ "CTF", "t2", T::Bool, "0", "RadioButton7" });
        k.append({ "CTF", "t3", T::Bool, "1", "CheckBox34" });
        k.append({ "CTF", "t4", T::Bool, "0", "CheckBox35" });
        return k;
    }();
    return keys;
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
