// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tk {

// The engine reads the exec file line by line and splits a line into commands at every
// ";" outside double quotes. A value taken from a file name or a file's contents (a
// map, a rotation entry, a model or skin folder) is placed into such a line, so it must
// not be able to end its quotes, start a second command or break the line.

// True when text holds no control character (line breaks included), no ";" and no
// double quote: placed into a console line, alone or between quotes, it stays one value.
bool isConsoleSafe(QStringView text);
bool isConsoleSafe(const QByteArray& bytes);

// A name as a message can show it: control characters are drawn as their pictures
// (a line feed as U+240A).
QString printableName(QString name);

// The message that lists names left out for not being console-safe: intro (say, "These
// maps are left out of the map list:"), the reason, then one printable name a line.
QString leftOutMessage(const QString& intro, const QStringList& names);

// How a name that another file supplies (a profile, the quick-load list, a bot list, a
// rotation file) is used as a file name. Such files come from other players: what they
// name must not lead out of the directory it is meant for.
enum class NameUse {
    // One file (or folder) right in a directory: the launcher's own files, which it may
    // write, and a player model or skin. A bare name, and where it is a link, one to a
    // file of that same directory.
    InDirectory,
    // A path resolved below a directory: by the engine below its game directories (the
    // demo, the extra config file, a map), by the launcher below the Quake2 directory (the
    // executable). Sub-directories are fine, a way out is not.
    BelowDirectory,
};

// Why name cannot be used as use says, in plain words ("it holds a directory part");
// empty when it can. For InDirectory, dir is that directory, where a link that leads out
// of it is refused too; without dir only the name itself is judged.
QString nameRefusal(const QString& name, NameUse use, const QString& dir = QString());

// What the user is told of a name that file supplied under key and that is not used:
// which file, which key, the name, and why.
QString refusedNameMessage(
    const QString& file, const QString& key, const QString& name, const QString& reason);

// The left-out names the user has already been told about, so that each is told once a run.
class LeftOutNames {
public:
    // Those of names not told before; from now on they count as told.
    QStringList untold(const QStringList& names);

private:
    QSet<QString> m_told;
};

// What the launcher has told the user of the names it leaves out, so that each is told
// once a run.
struct ToldOnce {
    LeftOutNames refusedNames; // file names a profile or the quick-load list gives, not used
    LeftOutNames maps; // maps left out of the catalogue
    LeftOutNames players; // models and skins left out of their lists
    LeftOutNames rotation; // rotation entries the exec file leaves out
};

} // namespace tk
