// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace tk {

class IniFile;

// The keys of a configuration profile, in the order the writer writes them. The
// reader and the writer both walk this one table, so that a setting can never be
// saved by one and forgotten by the other.
struct ProfileKey {
    enum class Type { Bool, Int, String, List };
    QString section;
    QString key;
    Type type;
    QString defaultValue; // "1"/"0" for booleans, decimal for integers
};

// Which control of the main window shows a key is bound in the user interface, apart
// from this table.
const QList<ProfileKey>& profileKeys();
// The key of the table with this section and name. A name that is not in the table
// is a fault of the program, which stops at once.
const ProfileKey& profileKey(QLatin1StringView section, QLatin1StringView key);

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
