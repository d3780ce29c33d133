// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/random.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tk {

// A new bot list in one step: names, looks and profiles drawn for a number of bots, each
// bot's line composed as the bot editor composes it.

inline constexpr int kMinGeneratedBots = 1;
inline constexpr int kMaxGeneratedBots = 64;

// True when text can be a name, model or skin of a generated bot as it is: 1 to 63
// printable ASCII characters without a double quote, ";", "\", "$" or "//". Such a value
// stays one value in a console line, the game's player info takes it unchanged and the
// server receives it byte for byte.
bool isPlainBotValue(QStringView text);

// The names of a name list file: one a line, blanks around it dropped, empty lines and
// lines starting with "#" skipped. Names that are not plain bot values, or that repeat
// one before them, are left out.
QStringList parseBotNameList(const QByteArray& text);

// An installed model and the skins a generated bot may wear with it.
struct ModelSkins {
    QString model;
    QStringList skins;
};

// The installed models with their skins, as the model and skin catalogue lists them,
// keeping only pairs whose model + "/" + skin is a plain bot value; a model left without
// skins is left out. Empty when there is no players directory.
QList<ModelSkins> loadBotWardrobe(const QString& quake2Dir);

struct BotGenerationSettings {
    enum class Names { FromList, Numbered };
    enum class Looks { RandomModel, OneModel, PlayerModel };

    int count = 8;
    Names names = Names::FromList;
    QString prefix {}; // Numbered: prefix + 1, prefix + 2, ...
    Looks looks = Looks::RandomModel;
    QString model {}; // OneModel
    QString playerModel {}; // PlayerModel: the Player tab's model and skin
    QString playerSkin {};
    int profile = -1; // an index of kBotProfiles; -1 draws one for every bot
};

struct GeneratedBot {
    QString name;
    QString model;
    QString skin;
    QString profileFile;
    QString profileName;
    QByteArray line; // composeBotLine of the five values

    friend bool operator==(const GeneratedBot&, const GeneratedBot&) = default;
};

// Why no list can be made with these settings, in plain words; empty when one can.
QString botGenerationProblem(
    const BotGenerationSettings& settings, const QList<ModelSkins>& wardrobe, const QStringList& names);

// The bots, drawn from random: for each bot in turn its name (without repeats from names,
// unless numbered), its model, its skin and its profile, each drawn only where the settings
// leave a choice. A bot's draws never depend on the bots after it, so one more bot keeps
// those before it. Nothing when botGenerationProblem names a problem.
QList<GeneratedBot> generateBots(const BotGenerationSettings& settings, const QList<ModelSkins>& wardrobe,
    const QStringList& names, Random& random);

// The bot list file of these bots: every line followed by CR LF.
QByteArray botListContents(const QList<GeneratedBot>& bots);

// Why name cannot be the file of a new bot list in launcherDir; empty when it can. The
// name rules of every file the launcher writes, a "*.cfg" name, and never the exec file.
QString newBotListNameProblem(const QString& name, const QString& launcherDir);

// The first of "bots2.cfg", "bots3.cfg", ... that names no file of launcherDir, in any case.
QString freeBotListName(const QString& launcherDir);

} // namespace tk
