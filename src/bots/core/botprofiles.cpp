// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/core/botprofiles.h"

namespace tk {

QStringList botProfileFiles()
{
    QStringList files;
    files.reserve(qsizetype(kBotProfiles.size()));
    for (const BotProfile& p : kBotProfiles)
        files.append(p.file);
    return files;
}

std::optional<QString> profileNameForFile(const QString& profileFile)
{
    for (const BotProfile& p : kBotProfiles) {
        if (profileFile == p.file)
            return QString(p.name);
    }
    return std::nullopt;
}

} // namespace tk
