// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/random.h"
#include "bots/core/botlist.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// Bot list files come from users' hands and old installs: any bytes must give a list
// whose save writes back exactly the non-empty lines that were read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    const tk::BotLineFields fields = tk::parseBotLine(bytes);
    (void)tk::splitModelSkin(fields.modelSkin);

    tk::BotList list;
    list.readContents(bytes);
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QByteArray line = list.line(i);
        if (line.isEmpty() || line.contains('\r') || line.contains('\n'))
            std::abort();
    }

    tk::BotList reread;
    reread.readContents(list.contents());
    if (reread.size() != list.size())
        std::abort();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const tk::BotEntry a = list.entry(i);
        const tk::BotEntry b = reread.entry(i);
        if (a.line != b.line || a.name != b.name || a.modelSkin != b.modelSkin
            || a.profileFile != b.profileFile || a.profileName != b.profileName)
            std::abort();
    }

    // Drive the editing operations with the input's first bytes.
    std::uint32_t seed = 0;
    std::memcpy(&seed, data, size < sizeof seed ? size : sizeof seed);
    tk::Random random;
    random.seed(seed);
    const int k = size > 0 ? int(static_cast<std::int8_t>(data[0])) : 0;
    const int picked = list.pickRandom(k, random);
    if (picked < 0 || picked > list.size() || list.selectedCount() != picked)
        std::abort();
    list.selectByNames(list.selectedNames());
    if (list.selectedCount() < picked)
        std::abort();
    (void)list.countText();
    (void)list.selectedLines();

    const qsizetype added = list.addBot();
    list.toggle(added);
    list.replaceEntry(
        added / 2, fields.name, fields.modelSkin, fields.profileName, fields.profileFile, fields.name);
    list.remove(seed % std::uint32_t(list.size() + 1));

    // A composed line reads back as the values it was composed from, unless one of them
    // holds a quote (which the format cannot carry) or a line break (made a blank).
    const tk::BotLineFields again = tk::parseBotLine(
        tk::composeBotLine(fields.name, QString(), fields.profileFile, fields.profileName, fields.modelSkin));
    if (!fields.name.contains('"') && !fields.name.contains('\r') && !fields.name.contains('\n')
        && again.name != fields.name)
        std::abort();

    reread.readContents(list.contents());
    if (reread.size() != list.size())
        std::abort();
    return 0;
}
