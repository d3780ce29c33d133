// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "launch/core/gamestart.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tk {

struct BindRow {
    QString key;
    QString command;
    bool operator==(const BindRow&) const = default;
};

// Which game modification is chosen; None when a profile leaves all five unchecked.
enum class ModChoice { None, Deathmatch, CaptureTheFlag, RocketArena, Xatrix, Rogue };

// Every value the exec file and the game start are made from, gathered from the
// main window's controls at launch time. Defaults are those of a new window: the
// tab pages and the profile table take theirs from here.
struct ExecSettings {
    // Setup tab.
    QString executable = defaultExecutableName(); // file name in the Quake2 directory

    // Deathmatch flags tab.
    QString dmflags = QStringLiteral("280084"); // the text exactly as typed
    int capturelimit = 8;
    bool minPlayers = false;
    int minPlayersValue = 0;

    // Game tab.
    int maxclients = 16;
    int fraglimit = 150;
    int timelimit = 30;
    bool dedicated = false;
    bool cheats = false;
    ModChoice mod = ModChoice::Deathmatch;
    bool ctfAutoAssign = true; // "Auto-assign Bots to the Teams"
    bool ctfForceTeam = false; // "Force Bots onto Team..."
    bool ctfRed = true;
    bool ctfBlue = false;
    std::array<bool, 5> raOptions { true, true, false, true, true };
    std::array<bool, 9> raWeapons { true, true, true, true, true, true, false, true, false };
    std::array<int, 8> raStats { 200, 100, 100, 200, 50, 50, 50, 150 };

    // Misc tab.
    QString additionalCommands; // the memo's text, lines separated by '\n'
    // The lines of the memo (by index) that the profile held longer than the 1,023
    // characters its reader keeps, for as long as they stand as read.
    QList<qsizetype> cutAdditionalLines;
    bool extraCfg = false;
    QString extraCfgName;
    bool recordDemo = false;
    QString demoName = QStringLiteral("tarkdemo");
    bool sequentialDemo = false; // "Use sequential Filenames" selected

    // Binds tab.
    bool specifyBinds = false;
    QList<BindRow> binds;

    // Player tab.
    bool playerSetup = false;
    QString playerName;
    QString model;
    QString skin;
    QString hand;
    QString crosshair;
    bool maxFps = false;
    int fps = 0;
    bool sensitivity = false;
    QString sensitivityText;
    bool lag = false;
    int lagValue = 0;
    int lagVariance = 0;

    // Map tab.
    std::optional<QString> selectedMap;
    QStringList catalogueMaps; // the map names of the catalogue, for the pre-launch check
    bool rotation = false;
    QList<QByteArray> rotationEntries; // as held, bytes exact

    // Bot Cfg tab.
    bool noChat = false;
    QList<QByteArray> selectedBotLines; // stored lines of the selected bots, in list order

    bool operator==(const ExecSettings&) const = default;
};

} // namespace tk
