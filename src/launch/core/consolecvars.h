// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QMap>
#include <optional>

// Yamagi Quake II's console variables: their flags, how "set" and a bare "name value"
// change them, and the info strings built from them.
namespace tk::console {

enum CvarFlag : unsigned {
    CvarArchive = 1, // saved to the config
    CvarUserInfo = 2, // sent to the server in the userinfo
    CvarServerInfo = 4, // shown in the serverinfo
    CvarNoSet = 8, // write-protected
    CvarLatch = 16, // while a server runs, a new value waits for the next map
};

struct Cvar {
    QByteArray name;
    QByteArray value;
    unsigned flags = 0;
    std::optional<QByteArray> latched; // the value that takes effect at the next map
    bool operator==(const Cvar&) const = default;
};

// What one change did to a cvar.
struct CvarChange {
    QByteArray name;
    QByteArray value; // its value now
    std::optional<QByteArray> old; // nothing: the change created it
    unsigned oldFlags = 0;
    unsigned flags = 0;
    std::optional<QByteArray> latched; // set when the new value waits for the next map
    bool operator==(const CvarChange&) const = default;
};

// What a change request did: the line the engine printed (empty for none) and the change
// (none when it refused or nothing changed).
struct CvarSetResult {
    QByteArray message;
    std::optional<CvarChange> change;
};

// The new name the engine looks up instead of an old one, which it names in a message.
std::optional<QByteArray> renamedCvar(QByteArrayView name);
QByteArray renamedCvarMessage(QByteArrayView oldName, QByteArrayView newName);

// True when the engine lets a userinfo or serverinfo cvar take the value: none of "\",
// double quote and ";" in it.
bool isInfoValue(QByteArrayView value);

// The cvars by name, in the engine's order (byte order of the names).
class CvarTable {
public:
    // The engine's cvars that the launcher's scripts meet, with their defaults and flags:
    // the userinfo and serverinfo ones, the latched and write-protected ones and the
    // client settings of the player set-up. Others exist in the engine too; a script that
    // uses one without "set" reads here as an unknown command.
    static CvarTable engineDefaults();

    // The cvar of exactly this name (names are case-sensitive), else null.
    const Cvar* find(QByteArrayView name) const;
    // The value of the cvar of this name, after the engine's renaming of old names.
    std::optional<QByteArray> value(QByteArrayView name) const;
    // Puts a cvar in, replacing one of the same name.
    void insert(const Cvar& cvar);
    const QMap<QByteArray, Cvar>& all() const { return m_cvars; }

    // "name value" and "set name value": creates a missing cvar; an info cvar refuses an
    // invalid value; a write-protected one refuses; a latched one, while a server runs,
    // keeps its value and notes the new one for the next map.
    CvarSetResult set(const QByteArray& name, const QByteArray& value, bool serverRunning);
    // "set name value flag": replaces value and flags without any check, or creates the
    // cvar with these flags (then an info cvar checks name and value).
    CvarSetResult setWithFlags(const QByteArray& name, const QByteArray& value, unsigned flags);
    // The map's start: every noted value takes effect.
    QList<CvarChange> applyLatched();

private:
    CvarSetResult create(const QByteArray& name, const QByteArray& value, unsigned flags);

    QMap<QByteArray, Cvar> m_cvars;
};

// An info string as the engine builds it from the cvars with the flag (userinfo or
// serverinfo): "\key\value" for each in name order, empty values left out, each byte kept
// to its low 7 bits and dropped when that is not printable; the lines it printed for keys it
// left out.
struct InfoString {
    QByteArray text;
    QList<QByteArray> messages;
};
InfoString infoString(const CvarTable& cvars, CvarFlag flag);

// Keys and values must stay below this many bytes; the whole string below kInfoStringSize.
inline constexpr qsizetype kInfoValueLimit = 64;
inline constexpr qsizetype kInfoStringSize = 512;

// Whether a value of a userinfo cvar (the player's name or skin) reaches the server as it
// is, and why not.
enum class UserInfoProblem {
    None,
    Refused, // holds "\", a double quote or ";": the cvar keeps its old value
    TooLong, // 64 bytes or more: the cvar takes it, the userinfo leaves it out
    Empty, // the userinfo leaves it out
};
struct UserInfoValue {
    UserInfoProblem problem = UserInfoProblem::None;
    // What the server receives: each byte's low 7 bits, unprintable results dropped (so
    // "J\xC3\xB6rg" arrives as "JC6rg").
    QByteArray sent;
};
UserInfoValue userInfoValue(QByteArrayView value);

} // namespace tk::console
