// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bots/core/botlist.h"
#include "launch/core/dmflags.h"
#include "launch/core/execsettings.h"

#include <QString>
#include <QStringList>

namespace tk {

class IniFile;

// The launcher's own preferences ("Pre&fs"): they govern the launcher, not the match.
struct Preferences {
    bool leaveOpen = true; // "Leave Tarrakind! open when running Quake2"
    bool saveOnClose = false; // "Always Save current Profile on Program close"
    bool lightUpButtons = true; // "Light-up button captions onMouseOver"
    int lightUpColor = 255; // blue × 65536 + green × 256 + red: pure red
    bool checkMatch = true; // look at the match before LAUNCH! writes anything
    bool askDiscard = true; // ask before changed settings give way
    QString language; // of the launcher's texts: a language code, or empty for the desktop's

    bool operator==(const Preferences&) const = default;
};

// Every setting of the launcher's tabs as one value: what a profile load gives, what a save
// writes and what the exec file is made from. The tab pages show it; the command line runs
// on it alone.
struct Profile {
    // The settings of the match. Its selected bot lines and additional commands follow bots
    // and additionalLines below (execSettings() fills them in).
    ExecSettings exec;
    // The flag boxes; exec.dmflags is the flag total's text, which may differ from their sum
    // while it is being typed.
    FlagBoxStates flagBoxes = defaultFlagBoxes();
    // "Overwrite existing File"; exec.sequentialDemo is the other button of the pair. A
    // profile may leave both unchecked.
    bool demoOverwrite = true;
    // The lines of the additional commands exactly as held.
    QStringList additionalLines;
    // The bot list file's bots with their selected flags; its file name is the current bot
    // list file name.
    BotList bots;
    // The map named last, by the profile or by a selection: a refresh of the catalogue
    // selects it again. exec.selectedMap is the catalogue row selected now.
    QString rememberedMap;
    // The rotation file's name in the launcher directory; exec.rotationEntries is its list.
    QString rotationFile = QStringLiteral("maps.lst");
    Preferences prefs;

    // The record the exec file is made from.
    ExecSettings execSettings() const;
};

// Every key of the profile table written into ini, in the table's order, from profile. A
// list is written item by item; the selected map only when a catalogue row is selected.
// Writes no file.
void writeProfile(const Profile& profile, IniFile& ini);

} // namespace tk
