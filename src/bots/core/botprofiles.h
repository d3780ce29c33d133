// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tk {

// A profile of the bot mod: the source file it lives in and the profile inside it.
struct BotProfile {
    QLatin1String file;
    QLatin1String name;
};

// The bot mod's profiles in the order the editor offers them. File stems are limited
// to eight characters, which is why some are shorter than their profile names.
inline constexpr std::array<BotProfile, 18> kBotProfiles { {
    { QLatin1String("bots/hunk_c.c"), QLatin1String("hunk") },
    { QLatin1String("bots/bill_c.c"), QLatin1String("bill") },
    { QLatin1String("bots/java_c.c"), QLatin1String("java") },
    { QLatin1String("bots/omicro_c.c"), QLatin1String("omicron") },
    { QLatin1String("bots/laura_c.c"), QLatin1String("laura") },
    { QLatin1String("bots/luuzr_c.c"), QLatin1String("luuzr") },
    { QLatin1String("bots/maxine_c.c"), QLatin1String("maxine") },
    { QLatin1String("bots/bitch_c.c"), QLatin1String("bitch") },
    { QLatin1String("bots/no9_c.c"), QLatin1String("no9") },
    { QLatin1String("bots/player_c.c"), QLatin1String("player") },
    { QLatin1String("bots/reaper_c.c"), QLatin1String("reaper") },
    { QLatin1String("bots/messia_c.c"), QLatin1String("messiah") },
    { QLatin1String("bots/babe_c.c"), QLatin1String("babe") },
    { QLatin1String("bots/sparta_c.c"), QLatin1String("spartacus") },
    { QLatin1String("bots/stud_c.c"), QLatin1String("stud") },
    { QLatin1String("bots/trash_c.c"), QLatin1String("trash") },
    { QLatin1String("bots/byte_c.c"), QLatin1String("byte") },
    { QLatin1String("bots/zero_c.c"), QLatin1String("zero") },
} };

// The profile files in table order: the items of the editor's "C File" box.
QStringList botProfileFiles();

// The profile name a profile file selects; compared exactly, letter case included.
std::optional<QString> profileNameForFile(const QString& profileFile);

} // namespace tk
