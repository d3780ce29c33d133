// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/bsptitle.h"
#include "support/gamefiles.h"
#include "support/printers.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

TEST(FirstEntityMessage, ReadsTheWorldAsTheEngineParsesIt)
{
    const struct {
        const char* what;
        QByteArray entities;
        std::optional<QByteArray> message;
    } cases[] = {
        { "quoted", R"({ "classname" "worldspawn" "message" "The Edge" })", "The Edge" },
        { "no message", R"({ "classname" "worldspawn" "sky" "unit1_" })", std::nullopt },
        { "the key in any case", R"({ "MESSAGE" "Loud" })", "Loud" },
        { "the last of two", R"({ "message" "one" "message" "two" })", "two" },
        { "bare words", "{ message Edge }", "Edge" },
        { "a comment first", "// made by hand\n{ \"message\" \"A\" }", "A" },
        { "a comment between", "{ \"message\" // title follows\n \"B\" }", "B" },
        { "a line break", R"({ "message" "Line one\nLine two" })", "Line one\nLine two" },
        { "another escape keeps the backslash", R"({ "message" "a\tb\" })", "a\\b\\" },
        { "bytes above 0x7F are blanks outside quotes", "{\xa0\"message\"\xa0\"Caf\xe9\"\xa0}", "Caf\xe9" },
        { "an empty message", R"({ "message" "" })", "" },
        { "only the second entity has one", R"({ "classname" "worldspawn" } { "message" "B" })",
            std::nullopt },
        { "the world not closed", R"({ "message" "A" )", std::nullopt },
        { "a key without a value", R"({ "message" })", std::nullopt },
        { "no opening brace", R"("message" "A" })", std::nullopt },
        { "a NUL ends the text", QByteArray("{ \"message\" \"A\" \0 }", 19), std::nullopt },
        { "nothing", "", std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::firstEntityMessage(c.entities), c.message) << c.what;
}

TEST(TitleFromMessage, PutsTheMessageOnOneLine)
{
    const struct {
        QByteArray message;
        std::optional<QString> title;
    } cases[] = {
        { "The Edge", u"The Edge"_s },
        { "  Tokay's\n  Towers \r\n by id\t", u"Tokay's Towers by id"_s },
        { "Caf\xc3\xa9", u"Café"_s },
        { "Caf\xe9", u"Café"_s },
        { "\n \x01", std::nullopt },
        { "", std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::titleFromMessage(c.message), c.title) << c.message.toStdString();
}

QByteArray withLump(QByteArray bsp, qint32 offset, qint32 length)
{
    qToLittleEndian(offset, bsp.data() + 8);
    qToLittleEndian(length, bsp.data() + 12);
    return bsp;
}

TEST(BspTitle, ComesFromAWholeMapOfTheEnginesVersionOnly)
{
    const QByteArray good = gamefiles::map("The Edge");
    // A world whose keys fill more than the first read of the lump.
    const QByteArray padding = "\"_note\" \"" + QByteArray(20000, 'p') + "\" ";
    const QByteArray tooLong = "\"_note\" \"" + QByteArray(int(tk::kMaxEntityBytes), 'p') + "\" ";
    const struct {
        const char* what;
        QByteArray bsp;
        std::optional<QString> title;
    } cases[] = {
        { "good", good, u"The Edge"_s },
        { "a long world", gamefiles::bsp("{ " + padding + "\"message\" \"Far\" }"), u"Far"_s },
        { "a world longer than the engine allows", gamefiles::bsp("{ " + tooLong + "\"message\" \"X\" }"),
            std::nullopt },
        { "no message", gamefiles::bsp(R"({ "classname" "worldspawn" })"), std::nullopt },
        { "another version", gamefiles::bsp(R"({ "message" "Q1" })", 29), std::nullopt },
        { "another format", gamefiles::bsp(R"({ "message" "Q3" })", 46, "IBSP").replace(0, 4, "QBSP"),
            std::nullopt },
        { "the header cut", good.left(100), std::nullopt },
        { "the lump cut", good.chopped(5), std::nullopt },
        { "a lump past the end", withLump(good, 0x7FFFFF00, 200), std::nullopt },
        { "a negative offset", withLump(good, -100, 50), std::nullopt },
        { "a negative length", withLump(good, 200, -5), std::nullopt },
        { "an empty lump", withLump(good, 200, 0), std::nullopt },
        { "not a map", "hello", std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::bspTitle(c.bsp), c.title) << c.what;
}

TEST(BspTitle, ReadsTheHeaderAndTheWorldOnly)
{
    const QByteArray map = gamefiles::bsp("{ \"message\" \"Small\" }" + QByteArray(100000, ' '));
    qint64 read = 0;
    const auto title = tk::bspTitle(map.size(), [&](qint64 offset, qint64 length) {
        read += length;
        return std::optional<QByteArray>(map.mid(offset, length));
    });
    EXPECT_EQ(title, u"Small"_s);
    EXPECT_LE(read, 160 + 16 * 1024);
    // A reader that fails gives no title.
    EXPECT_EQ(
        tk::bspTitle(map.size(), [](qint64, qint64) { return std::optional<QByteArray>(); }), std::nullopt);
}

} // namespace
