// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/bsptitle.h"
#include "support/gamefiles.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace {

TEST(FirstEntityMessage, ReadsTheWorldAsTheEngineParsesIt)
{
    const struct {
        QByteArray entities;
        std::optional<QByteArray> message;
    } cases[] = {
        { R"({ "classname" "worldspawn" "message" "The Edge" })", "The Edge" },
        { R"({ "classname" "worldspawn" })", std::nullopt },
        { R"({ "MESSAGE" "one" "message" "two" })", "two" }, // any case; the last counts
        { "{ message Edge }", "Edge" },
        { "// by hand\n{ \"message\" // a title:\n \"A\" }", "A" },
        { R"({ "message" "Line one\nLine two" })", "Line one\nLine two" },
        { R"({ "message" "a\tb\" })", "a\\b\\" }, // another escape keeps the backslash only
        { "{\xa0\"message\"\xa0\"Caf\xe9\"\xa0}", "Caf\xe9" }, // high bytes are blanks outside quotes
        { R"({ "classname" "worldspawn" } { "message" "B" })", std::nullopt }, // not the world's
        { R"({ "message" "A" )", std::nullopt },
        { R"({ "message" })", std::nullopt },
        { R"("message" "A" })", std::nullopt },
        { QByteArray("{ \"message\" \"A\" \0 }", 19), std::nullopt }, // a NUL ends the text
        { "", std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::firstEntityMessage(c.entities), c.message) << c.entities.toStdString();

    EXPECT_EQ(
        tk::titleFromMessage("  Tokay's\n  Towers \r\n by id\t"), QStringLiteral("Tokay's Towers by id"));
    EXPECT_EQ(tk::titleFromMessage("Caf\xe9"), QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(tk::titleFromMessage("\n \x01"), std::nullopt);
}

TEST(BspTitle, ComesFromAWholeMapOfTheEnginesVersionOnly)
{
    const QByteArray good = gamefiles::map("The Edge");
    const auto note = [](int length) { return "\"_note\" \"" + QByteArray(length, 'p') + "\" "; };
    const auto lump = [&good](qint32 offset, qint32 length) {
        return good.left(8) + gamefiles::le(quint32(offset)) + gamefiles::le(quint32(length)) + good.mid(16);
    };
    const struct {
        const char* what;
        QByteArray bsp;
        std::optional<QString> title;
    } cases[] = {
        { "good", good, QStringLiteral("The Edge") },
        { "a world longer than the first read", gamefiles::bsp("{ " + note(20000) + "\"message\" \"Far\" }"),
            QStringLiteral("Far") },
        { "a world longer than the engine allows",
            gamefiles::bsp("{ " + note(int(tk::kMaxEntityBytes)) + "\"message\" \"X\" }"), std::nullopt },
        { "no message", gamefiles::bsp(R"({ "classname" "worldspawn" })"), std::nullopt },
        { "another version", gamefiles::bsp(R"({ "message" "Q1" })", 29), std::nullopt },
        { "another format", "QBSP" + gamefiles::bsp(R"({ "message" "Q3" })").mid(4), std::nullopt },
        { "the header cut", good.left(100), std::nullopt },
        { "the lump cut", good.chopped(5), std::nullopt },
        { "a lump past the end", lump(0x7FFFFF00, 200), std::nullopt },
        { "a negative offset", lump(-100, 50), std::nullopt },
        { "a negative length", lump(200, -5), std::nullopt },
        { "an empty lump", lump(200, 0), std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::bspTitle(QByteArrayView(c.bsp)), c.title) << c.what;
}

} // namespace
