// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"
#include "launch/core/execsettings.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringList>

namespace tk {

// The tab of the main window whose settings a line of the exec file comes from; None for
// the lines every script begins with.
enum class SettingsTab { None, BotCfg, DmFlags, Game, Map, Misc, Player, Binds };

// Where one line of the exec file comes from: its tab and, where one setting holds what
// the line says, that setting's profile key as the key table names it ("ServerOptions",
// "FragLimit"). A list of the profile is named by its section and "Count"; the rotation
// list, which lives in the rotation file, by that file's key ("MapControl",
// "RotationFile"). item is the line's place in that list (the memo line, the bind row,
// the n-th selected bot, the rotation entry), else -1. Headings and blank lines belong to
// the tab of their block, with no key.
struct ExecLineOrigin {
    SettingsTab tab = SettingsTab::None;
    QLatin1StringView section;
    QLatin1StringView key;
    qsizetype item = -1;
    bool operator==(const ExecLineOrigin&) const = default;
};

// The console script the game runs at start-up through "+exec tark.cfg". Every line,
// the last one too, ends in CR LF. Lines the player typed (the additional commands, the
// stored bot lines) go in as they are; every value the launcher puts into a command of
// its own goes in so that the engine reads back exactly that value, or that command is
// left out (see leftOutValues).
// With origins, it receives one entry per line of the script, in order; the script's
// bytes are the same either way.
QByteArray generateExecFile(
    const ExecSettings& settings, const InstallPaths& paths, QList<ExecLineOrigin>* origins = nullptr);

// Why the exec file leaves a rotation entry out, whatever the other entries, in plain
// words: it cannot stand in a console line (see isConsoleSafe), the game would split it,
// it would lead the engine out of its directories (see nameRefusal), or the map command
// would read part of it as a setting of its own. Empty when the entry can be written.
QString rotationEntryRefusal(const QByteArray& entry);
// Why each entry of the list is left out, in order, empty for those written: the entry's
// own refusal, or for the first entry that does not fit into the one command of the map
// list and every entry after it, that.
QStringList rotationRefusals(const QList<QByteArray>& entries);
// The rotation entries that the exec file names, in order: those without a refusal.
QList<QByteArray> writtenRotationEntries(const QList<QByteArray>& entries);

// What the user is told of the rotation entries that the exec file leaves out: an intro,
// then each such entry on a line of its own with its reason. Empty when none is left out.
QString leftOutRotationMessage(const QList<QByteArray>& entries);
// The same for some entries of a list with their refusals (from rotationRefusals).
QString leftOutRotationMessage(const QList<QByteArray>& entries, const QStringList& refusals);

// A setting the exec file leaves out rather than let the engine read it changed, split it
// into a second command or follow it out of its directories. The writer leaves out
// exactly these; the check before the start names them.
struct LeftOutValue {
    QString what; // "The player name"
    QString value; // as the setting holds it
    QString reason; // why, in plain words
    bool operator==(const LeftOutValue&) const = default;
};
QList<LeftOutValue> leftOutValues(const ExecSettings& settings, const InstallPaths& paths);

// The demo name to record under: base itself, or with sequential naming the first of
// base, base2, base3, ... that has no file in any folder the engine records into (see
// demoDirectories).
QString demoNameToUse(const QString& base, bool sequential, const InstallPaths& paths);

// Replaces launcher directory + "/tark.cfg" as a whole; the old file stays intact when
// the write fails. Throws UserError with the reason on failure.
void writeExecFile(const ExecSettings& settings, const InstallPaths& paths);
// The same for a script generated before.
void writeExecFile(const QByteArray& script, const InstallPaths& paths);

// Name of the exec file in the launcher directory, as the command line names it.
inline QString execFileName()
{
    return QStringLiteral("tark.cfg");
}

} // namespace tk
