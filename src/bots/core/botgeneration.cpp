// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/core/botgeneration.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "bots/core/botlist.h"
#include "bots/core/botprofiles.h"
#include "launch/core/execfile.h"
#include "player/core/skincatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <algorithm>
#include <numeric>
#include <vector>

namespace tk {

namespace {

// The translation context of this file's texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(BotGeneration)
};

// The player info holds values below 64 bytes.
constexpr qsizetype kMaxPlainValue = 63;

const ModelSkins* findModel(const QList<ModelSkins>& wardrobe, const QString& model)
{
    const auto it = std::find_if(
        wardrobe.cbegin(), wardrobe.cend(), [&model](const ModelSkins& m) { return m.model == model; });
    return it == wardrobe.cend() ? nullptr : &*it;
}

QString numberedName(const QString& prefix, int number)
{
    return prefix + QString::number(number);
}

} // namespace

bool isPlainBotValue(QStringView text)
{
    if (text.isEmpty() || text.size() > kMaxPlainValue || text.contains(QLatin1String("//")))
        return false;
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return u >= 0x20 && u < 0x7F && u != '"' && u != ';' && u != '\\' && u != '$';
    });
}

QStringList parseBotNameList(const QByteArray& text)
{
    QStringList names;
    QSet<QString> seen;
    for (const QByteArray& raw : text.split('\n')) {
        const QString name = QString::fromUtf8(raw.trimmed());
        if (name.isEmpty() || name.startsWith(QLatin1Char('#')) || !isPlainBotValue(name)
            || seen.contains(name))
            continue;
        seen.insert(name);
        names.append(name);
    }
    return names;
}

QList<ModelSkins> loadBotWardrobe(const QString& quake2Dir)
{
    QList<ModelSkins> wardrobe;
    for (const QString& model : listModels(quake2Dir).value_or(QStringList())) {
        ModelSkins entry { model, listSkins(quake2Dir, model) };
        entry.skins.removeIf(
            [&model](const QString& skin) { return !isPlainBotValue(model + QLatin1Char('/') + skin); });
        if (!entry.skins.isEmpty())
            wardrobe.append(std::move(entry));
    }
    return wardrobe;
}

QString botGenerationProblem(
    const BotGenerationSettings& s, const QList<ModelSkins>& wardrobe, const QStringList& names)
{
    using Names = BotGenerationSettings::Names;
    using Looks = BotGenerationSettings::Looks;
    if (s.count < kMinGeneratedBots || s.count > kMaxGeneratedBots)
        return Texts::tr("A bot list is made of %1 to %2 bots.")
            .arg(kMinGeneratedBots)
            .arg(kMaxGeneratedBots);
    if (s.names == Names::FromList && names.size() < s.count)
        return Texts::tr("The name list holds only %1 names.").arg(names.size());
    if (s.names == Names::Numbered && s.prefix.isEmpty())
        return Texts::tr("Type the prefix the numbered names start with.");
    // The longest name has the most digits.
    if (s.names == Names::Numbered && !isPlainBotValue(numberedName(s.prefix, s.count)))
        return Texts::tr("The prefix cannot make a bot name: bot names are at most %1 characters of plain "
                         "ASCII, without \", ;, \\, $ or //.")
            .arg(kMaxPlainValue);
    if (s.looks != Looks::PlayerModel && wardrobe.isEmpty())
        return Texts::tr("No player model with a skin for bots is installed.");
    switch (s.looks) {
    case Looks::RandomModel:
        break;
    case Looks::OneModel:
        if (!findModel(wardrobe, s.model))
            return Texts::tr("The model \"%1\" has no skin for bots installed.").arg(printableName(s.model));
        break;
    case Looks::PlayerModel: {
        const ModelSkins* model = findModel(wardrobe, s.playerModel);
        if (!model || !model->skins.contains(s.playerSkin))
            return Texts::tr("Your model and skin on the Player tab (%1) are not installed for bots.")
                .arg(printableName(s.playerModel + QLatin1Char('/') + s.playerSkin));
        break;
    }
    }
    if (s.profile < -1 || s.profile >= int(kBotProfiles.size()))
        return Texts::tr("There is no such bot profile.");
    return QString();
}

QList<GeneratedBot> generateBots(const BotGenerationSettings& s, const QList<ModelSkins>& wardrobe,
    const QStringList& names, Random& random)
{
    using Looks = BotGenerationSettings::Looks;
    QList<GeneratedBot> bots;
    if (!botGenerationProblem(s, wardrobe, names).isEmpty())
        return bots;
    // A shuffle taken one step a bot: bot i takes one of the names the bots before it left.
    std::vector<qsizetype> unused(size_t(names.size()));
    std::iota(unused.begin(), unused.end(), 0);
    const ModelSkins* oneModel = s.looks == Looks::OneModel ? findModel(wardrobe, s.model) : nullptr;
    bots.reserve(s.count);
    for (int i = 0; i < s.count; ++i) {
        GeneratedBot bot;
        if (s.names == BotGenerationSettings::Names::FromList) {
            const size_t left = unused.size() - size_t(i);
            const size_t pick = size_t(i) + random.below(std::uint32_t(left));
            std::swap(unused[size_t(i)], unused[pick]);
            bot.name = names.at(unused[size_t(i)]);
        } else {
            bot.name = numberedName(s.prefix, i + 1);
        }
        switch (s.looks) {
        case Looks::RandomModel: {
            const ModelSkins& m = wardrobe.at(random.below(std::uint32_t(wardrobe.size())));
            bot.model = m.model;
            bot.skin = m.skins.at(random.below(std::uint32_t(m.skins.size())));
            break;
        }
        case Looks::OneModel:
            bot.model = oneModel->model;
            bot.skin = oneModel->skins.at(random.below(std::uint32_t(oneModel->skins.size())));
            break;
        case Looks::PlayerModel:
            bot.model = s.playerModel;
            bot.skin = s.playerSkin;
            break;
        }
        const BotProfile& profile = kBotProfiles.at(
            s.profile >= 0 ? size_t(s.profile) : random.below(std::uint32_t(kBotProfiles.size())));
        bot.profileFile = profile.file;
        bot.profileName = profile.name;
        bot.line = composeBotLine(bot.name, bot.model, bot.skin, bot.profileFile, bot.profileName);
        bots.append(std::move(bot));
    }
    return bots;
}

QByteArray botListContents(const QList<GeneratedBot>& bots)
{
    QByteArray out;
    for (const GeneratedBot& bot : bots)
        out += bot.line + "\r\n";
    return out;
}

QString newBotListNameProblem(const QString& name, const QString& launcherDir)
{
    if (name.isEmpty())
        return Texts::tr("Type the name of the new bot list file.");
    if (const QString refusal = nameRefusal(name, NameUse::InDirectory, launcherDir); !refusal.isEmpty())
        return Texts::tr("The name \"%1\" cannot be used: %2.").arg(printableName(name), refusal);
    if (!matchesPattern(name, QStringLiteral("*.cfg")))
        return Texts::tr(
            "A bot list file name ends in \".cfg\": the launcher offers only such files as bot lists.");
    // The exec file is rewritten at every launch; on a file system that ignores case the
    // other spellings name it too.
    if (name.compare(execFileName(), Qt::CaseInsensitive) == 0)
        return Texts::tr("%1 is the exec file the launcher writes at every launch; choose another name.")
            .arg(name);
    return QString();
}

QString freeBotListName(const QString& launcherDir)
{
    QSet<QString> taken;
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& entry : QDir(launcherDir).entryList(all))
        taken.insert(entry.toLower());
    for (int i = 2;; ++i) {
        const QString name = QStringLiteral("bots%1.cfg").arg(i);
        if (!taken.contains(name))
            return name;
    }
}

} // namespace tk
