// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/core/profilekeys.h"

#include "launch/core/execsettings.h"
#include "profile/core/inifile.h"
#include "profile/core/profile.h"

#include <QCoreApplication>
#include <optional>
#include <type_traits>

namespace tk {

namespace {

using T = ProfileKey::Type;

QString text(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}
QString text(int value)
{
    return QString::number(value);
}
QString text(const QString& value)
{
    return value;
}

template <typename V> constexpr T typeOf()
{
    if constexpr (std::is_same_v<V, bool>)
        return T::Bool;
    else if constexpr (std::is_same_v<V, int>)
        return T::Int;
    else
        return T::String;
}

// A key held by one member: member is a lambda without captures taking a profile (const or
// not) and returning a reference to the member.
template <typename Member> auto fieldOf(Member)
{
    using V = std::remove_cvref_t<std::invoke_result_t<Member, Profile&>>;
    return ProfileField<V> { [](const Profile& p) -> V { return Member {}(p); },
        [](Profile& p, V value) { Member {}(p) = std::move(value); } };
}

template <typename V>
ProfileKey keyOf(const char* section, const char* name, ProfileField<V> field,
    const std::optional<QString>& def, IntRange range)
{
    return { QLatin1String(section), QLatin1String(name), typeOf<V>(),
        def ? *def : text(field.get(Profile {})), field, range };
}

// A key whose read default is the value of a new window.
template <typename Member>
ProfileKey key(const char* section, const char* name, Member member, IntRange range = {})
{
    return keyOf(section, name, fieldOf(member), std::nullopt, range);
}
// A key with a read default of its own.
template <typename Member>
ProfileKey key(const char* section, const char* name, Member member, const char* def, IntRange range = {})
{
    return keyOf(section, name, fieldOf(member), QString::fromLatin1(def), range);
}

// A key read and written by a step of its own.
ProfileKey ownStep(const char* section, const char* name, T type, const char* def)
{
    return { QLatin1String(section), QLatin1String(name), type, QLatin1String(def), {}, {} };
}

// One button of a group of radio buttons that each have a key of their own: checking it
// unchecks the others; unchecking leaves them, so that a profile may check none.
template <ModChoice Choice> ProfileField<bool> modButton()
{
    return { [](const Profile& p) { return p.exec.mod == Choice; },
        [](Profile& p, bool on) {
            if (on)
                p.exec.mod = Choice;
            else if (p.exec.mod == Choice)
                p.exec.mod = ModChoice::None;
        } };
}
template <typename Own, typename Other> ProfileField<bool> radioButton(Own, Other)
{
    return { [](const Profile& p) { return bool(Own {}(p)); },
        [](Profile& p, bool on) {
            Own {}(p) = on;
            if (on)
                Other {}(p) = false;
        } };
}
// One box of a pair that keeps itself complementary: setting one sets the other to its
// opposite.
template <typename Own, typename Other> ProfileField<bool> complementaryBox(Own, Other)
{
    return { [](const Profile& p) { return bool(Own {}(p)); },
        [](Profile& p, bool on) {
            Own {}(p) = on;
            Other {}(p) = !on;
        } };
}

template <ModChoice Choice> ProfileKey modKey(const char* name)
{
    return keyOf("GameMod", name, modButton<Choice>(), std::nullopt, {});
}

constexpr IntRange kLimit { 1, 999 };
constexpr IntRange kUpTo999 { 0, 999 };

} // namespace

const QList<ProfileKey>& profileKeys()
{
    static const QList<ProfileKey> keys = [] {
        // The defaults are those of a new window, except where the table has its own.
        const auto overwrite = [](auto& p) -> auto&
        {
            return p.demoOverwrite;
        };
        const auto sequence = [](auto& p) -> auto&
        {
            return p.exec.sequentialDemo;
        };
        const auto autoAssign = [](auto& p) -> auto&
        {
            return p.exec.ctfAutoAssign;
        };
        const auto forceTeam = [](auto& p) -> auto&
        {
            return p.exec.ctfForceTeam;
        };
        const auto red = [](auto& p) -> auto&
        {
            return p.exec.ctfRed;
        };
        const auto blue = [](auto& p) -> auto&
        {
            return p.exec.ctfBlue;
        };
        QList<ProfileKey> k {
            ownStep("BotDataFile", "FileName", T::String, BotList::kDefaultFileName),
            key(
                "BotOptions", "NoChat", [](auto& p) -> auto& { return p.exec.noChat; }),
            key(
                "ServerOptions", "FragLimit", [](auto& p) -> auto& { return p.exec.fraglimit; }, kLimit),
            key(
                "ServerOptions", "TimeLimit", [](auto& p) -> auto& { return p.exec.timelimit; }, kLimit),
            key(
                "ServerOptions", "MaxClients", [](auto& p) -> auto& { return p.exec.maxclients; }, kLimit),
            key(
                "ServerOptions", "CaptureLimit", [](auto& p) -> auto& { return p.exec.capturelimit; },
                kUpTo999),
            key(
                "ServerOptions", "Dedicated", [](auto& p) -> auto& { return p.exec.dedicated; }),
            key(
                "ServerOptions", "Cheats", [](auto& p) -> auto& { return p.exec.cheats; }),
            key(
                "ServerOptions", "DMFlags", [](auto& p) -> auto& { return p.exec.dmflags; }),
            key(
                "ServerOptions", "MinPlayers", [](auto& p) -> auto& { return p.exec.minPlayers; }),
            key(
                "ServerOptions", "MinPlayersVal", [](auto& p) -> auto& { return p.exec.minPlayersValue; }),
            key(
                "Demo", "RecordDemo", [](auto& p) -> auto& { return p.exec.recordDemo; }),
            key(
                "Demo", "DemoName", [](auto& p) -> auto& { return p.exec.demoName; }),
            keyOf("Demo", "Overwrite", radioButton(overwrite, sequence), std::nullopt, {}),
            keyOf("Demo", "Sequence", radioButton(sequence, overwrite), std::nullopt, {}),
            key(
                "Misc", "ExtraCfg", [](auto& p) -> auto& { return p.exec.extraCfg; }),
            key(
                "Misc", "ExtraCfgName", [](auto& p) -> auto& { return p.exec.extraCfgName; }),
            ownStep("Additional", "Count", T::List, "0"),
            key(
                "Quake2 Setup", "EXE", [](auto& p) -> auto& { return p.exec.executable; }),
            ownStep("SelectedBots", "Count", T::List, "0"),
            ownStep("MapControl", "Selected", T::String, ""),
            key(
                "MapControl", "Rotation", [](auto& p) -> auto& { return p.exec.rotation; }),
            // Read first with "maps.txt", then again with "maps.lst": a profile without the
            // key loads an old "maps.txt" but saves to "maps.lst".
            ownStep("MapControl", "RotationFile", T::String, "maps.lst"),
            key(
                "Player", "LagEnabled", [](auto& p) -> auto& { return p.exec.lag; }),
            key(
                "Player", "LagVal", [](auto& p) -> auto& { return p.exec.lagValue; }, kUpTo999),
            key(
                "Player", "LagVar", [](auto& p) -> auto& { return p.exec.lagVariance; }, kUpTo999),
            key(
                "Player", "Enabled", [](auto& p) -> auto& { return p.exec.playerSetup; }),
            // A new window's player fields stay empty until a profile is loaded.
            key(
                "Player", "Name", [](auto& p) -> auto& { return p.exec.playerName; }, "Player"),
            key(
                "Player", "Model", [](auto& p) -> auto& { return p.exec.model; }, "male"),
            key(
                "Player", "Skin", [](auto& p) -> auto& { return p.exec.skin; }, "grunt"),
            key(
                "Player", "Hand", [](auto& p) -> auto& { return p.exec.hand; }, "Right"),
            key(
                "Player", "Crosshair", [](auto& p) -> auto& { return p.exec.crosshair; }, "Cross"),
            key(
                "Player", "SpecifyFPS", [](auto& p) -> auto& { return p.exec.maxFps; }),
            key(
                "Player", "FPS", [](auto& p) -> auto& { return p.exec.fps; }, "50"),
            key(
                "Player", "SpecifySens", [](auto& p) -> auto& { return p.exec.sensitivity; }),
            key(
                "Player", "Sens", [](auto& p) -> auto& { return p.exec.sensitivityText; }, "5"),
            key(
                "Binds", "Enabled", [](auto& p) -> auto& { return p.exec.specifyBinds; }),
            ownStep("Binds", "Count", T::List, "0"),
            key(
                "Launcher", "LeaveOpen", [](auto& p) -> auto& { return p.prefs.leaveOpen; }),
            key(
                "Launcher", "SaveOnClose", [](auto& p) -> auto& { return p.prefs.saveOnClose; }),
            key(
                "Launcher", "LightUpButtons", [](auto& p) -> auto& { return p.prefs.lightUpButtons; }),
            key(
                "Launcher", "LightUpColor", [](auto& p) -> auto& { return p.prefs.lightUpColor; }),
            key(
                "Launcher", "CheckMatch", [](auto& p) -> auto& { return p.prefs.checkMatch; }),
            key(
                "Launcher", "AskDiscard", [](auto& p) -> auto& { return p.prefs.askDiscard; }),
            ownStep("Launcher", "Language", T::String, ""),
            modKey<ModChoice::Deathmatch>("DM"),
            modKey<ModChoice::CaptureTheFlag>("CTF"),
            modKey<ModChoice::RocketArena>("RA"),
            modKey<ModChoice::Xatrix>("XATRIX"),
            modKey<ModChoice::Rogue>("ROGUE"),
        };
        const auto raOption = [&k](const char* name, auto member) { k.append(key("RA", name, member)); };
        raOption(
            "o1", [](auto& p) -> auto& { return p.exec.raOptions[0]; });
        raOption(
            "o2", [](auto& p) -> auto& { return p.exec.raOptions[1]; });
        raOption(
            "o3", [](auto& p) -> auto& { return p.exec.raOptions[2]; });
        raOption(
            "o4", [](auto& p) -> auto& { return p.exec.raOptions[3]; });
        raOption(
            "o5", [](auto& p) -> auto& { return p.exec.raOptions[4]; });
        raOption(
            "w1", [](auto& p) -> auto& { return p.exec.raWeapons[0]; });
        raOption(
            "w2", [](auto& p) -> auto& { return p.exec.raWeapons[1]; });
        raOption(
            "w3", [](auto& p) -> auto& { return p.exec.raWeapons[2]; });
        raOption(
            "w4", [](auto& p) -> auto& { return p.exec.raWeapons[3]; });
        raOption(
            "w5", [](auto& p) -> auto& { return p.exec.raWeapons[4]; });
        raOption(
            "w6", [](auto& p) -> auto& { return p.exec.raWeapons[5]; });
        raOption(
            "w7", [](auto& p) -> auto& { return p.exec.raWeapons[6]; });
        raOption(
            "w8", [](auto& p) -> auto& { return p.exec.raWeapons[7]; });
        raOption(
            "w9", [](auto& p) -> auto& { return p.exec.raWeapons[8]; });
        raOption(
            "l1", [](auto& p) -> auto& { return p.exec.raStats[0]; });
        raOption(
            "l2", [](auto& p) -> auto& { return p.exec.raStats[1]; });
        raOption(
            "l3", [](auto& p) -> auto& { return p.exec.raStats[2]; });
        raOption(
            "l4", [](auto& p) -> auto& { return p.exec.raStats[3]; });
        raOption(
            "l5", [](auto& p) -> auto& { return p.exec.raStats[4]; });
        raOption(
            "l6", [](auto& p) -> auto& { return p.exec.raStats[5]; });
        raOption(
            "l7", [](auto& p) -> auto& { return p.exec.raStats[6]; });
        raOption(
            "l8", [](auto& p) -> auto& { return p.exec.raStats[7]; });
        k.append(keyOf("CTF", "t1", radioButton(autoAssign, forceTeam), std::nullopt, {}));
        k.append(keyOf("CTF", "t2", radioButton(forceTeam, autoAssign), std::nullopt, {}));
        k.append(keyOf("CTF", "t3", complementaryBox(red, blue), std::nullopt, {}));
        k.append(keyOf("CTF", "t4", complementaryBox(blue, red), std::nullopt, {}));
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

void readKey(const IniFile& ini, const ProfileKey& key, Profile& profile)
{
    std::visit(
        [&](const auto& field) {
            using F = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<F, ProfileField<bool>>)
                field.set(
                    profile, ini.readBool(key.section, key.key, key.defaultValue == QLatin1String("1")));
            else if constexpr (std::is_same_v<F, ProfileField<int>>)
                field.set(
                    profile, key.range.clamp(ini.readInt(key.section, key.key, key.defaultValue.toInt())));
            else if constexpr (std::is_same_v<F, ProfileField<QString>>)
                field.set(profile, ini.readString(key.section, key.key, key.defaultValue));
        },
        key.field);
}

void writeKey(IniFile& ini, const ProfileKey& key, const Profile& profile)
{
    std::visit(
        [&](const auto& field) {
            using F = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<F, ProfileField<bool>>)
                ini.writeBool(key.section, key.key, field.get(profile));
            else if constexpr (std::is_same_v<F, ProfileField<int>>)
                ini.writeInt(key.section, key.key, field.get(profile));
            else if constexpr (std::is_same_v<F, ProfileField<QString>>)
                ini.writeString(key.section, key.key, field.get(profile));
        },
        key.field);
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
