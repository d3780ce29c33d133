#pragma once

#include <QList>
#include <QString>

namespace tk {

// The keys of a configuration profile, in the order the writer writes them. The
// reader and the writer both walk this one table, so that a setting can never be
// saved by one and forgotten by the other.
struct ProfileKey {
    enum class Type { Bool, Int, String, List };
    QString section;
    QString key;
    Type type;
    QString defaultValue; // "1"/"0" for booleans, decimal for integers
    // Component name of the main-window control holding the value; empty where the
    // value is not one control's (lists, the bot list file, the selected map).
    QString control;
};

const QList<ProfileKey>& profileKeys();

// The keys of one section, in table order.
QList<ProfileKey> profileKeysOf(const QString& section);

} // namespace tk
