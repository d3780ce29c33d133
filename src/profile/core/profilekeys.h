// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <variant>

namespace tk {

class IniFile;
struct Profile;

// The range a spin edit pulls its value into; none when both ends are equal.
struct IntRange {
    int min = 0;
    int max = 0;

    bool bounded() const { return min != max; }
    int clamp(int value) const { return bounded() ? qBound(min, value, max) : value; }
    bool operator==(const IntRange&) const = default;
};

// Where a profile value holds the value of a key: read it off, set it. Setting may change
// other values, as a radio button unchecks the others of its group.
template <typename T> struct ProfileField {
    T (*get)(const Profile&) = nullptr;
    void (*set)(Profile&, T) = nullptr;
};
using ProfileFieldOf
    = std::variant<std::monostate, ProfileField<bool>, ProfileField<int>, ProfileField<QString>>;

// The keys of a configuration profile, in the order the writer writes them. The reader and
// the writer both walk this one table, so that a setting can never be saved by one and
// forgotten by the other.
struct ProfileKey {
    enum class Type { Bool, Int, String, List };
    QString section;
    QString key;
    Type type;
    QString defaultValue; // "1"/"0" for booleans, decimal for integers
    // The value of the key in a Profile; none where a step of its own reads and writes the
    // key (the lists, the bot list file, the selected map, the rotation file).
    ProfileFieldOf field;
    IntRange range; // an integer's, as its spin edit has it
};

// Which control shows a key is bound in the user interface, apart from this table.
const QList<ProfileKey>& profileKeys();
// The key of the table with this section and name. A name that is not in the table
// is a fault of the program, which stops at once.
const ProfileKey& profileKey(QLatin1StringView section, QLatin1StringView key);

// The range of an integer key, as its spin edit has it.
inline IntRange keyRange(const char* section, const char* key)
{
    return profileKey(QLatin1StringView(section), QLatin1StringView(key)).range;
}

// The key's value read from ini into profile: its default when missing, an integer pulled
// into its range. Nothing for a key without a field.
void readKey(const IniFile& ini, const ProfileKey& key, Profile& profile);
// The key's value in profile written into ini. Nothing for a key without a field.
void writeKey(IniFile& ini, const ProfileKey& key, const Profile& profile);

// A bind row as a list item of the "Binds" section: two double quotes, the key, a
// double quote, a blank, a double quote, the command, two double quotes.
QString encodeBindItem(const QString& key, const QString& command);
// Takes key and command out of an item as read back (the INI reader has dropped its
// outer pair of quotes). A command holding a double quote is cut there.
void decodeBindItem(const QString& item, QString* key, QString* command);

// Why a file that was read is no profile, in plain words; empty when it may be one. A
// profile is text in sections, and an empty file is one without keys.
QString notAProfileReason(const IniFile& ini);

// The keys of one section, in table order.
QList<ProfileKey> profileKeysOf(const QString& section);

} // namespace tk
