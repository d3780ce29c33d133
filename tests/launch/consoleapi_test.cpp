// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/consolebuffer.h"
#include "launch/core/consolecvars.h"
#include "launch/core/consolekeys.h"
#include "launch/core/consolenames.h"
#include "launch/core/consolequote.h"
#include "launch/core/consolewords.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace tk::console;

namespace {

std::optional<QByteArray> noCvars(const QByteArray&)
{
    return std::nullopt;
}

struct WordCase {
    const char* name;
    QByteArray value;
    Quoting quoting;
    QByteArray form; // empty: no form
    WordProblem problem;
};

class OneWord : public ::testing::TestWithParam<WordCase> { };

// Every form the writer is given must come back from the engine's own reading as the one
// word it stands for: one command, no expansion, no comment.
TEST_P(OneWord, ReadsBackAsTheValue)
{
    const WordCase& c = GetParam();
    const WordForm form = oneWord(c.value, c.quoting);
    EXPECT_EQ(form.problem, c.problem);
    EXPECT_EQ(form.text, c.form);
    if (!form.ok())
        return;
    const QList<Command> commands = commandsOf("name " + form.text);
    ASSERT_EQ(commands.size(), 1);
    const Words w = wordsOf(commands[0].kept(), noCvars);
    EXPECT_EQ(w.words, QList<QByteArray>({ "name", c.value }));
    EXPECT_TRUE(w.expansions.isEmpty() && !w.comment && w.discard == Discard::None);
}

// The longest value that fits a command in quotes: "name " and two quotes make 1,023 bytes.
const QByteArray kLong(1016, 'x');

INSTANTIATE_TEST_SUITE_P(Values, OneWord,
    ::testing::Values(WordCase { "Plain", "Bob", Quoting::WhenNeeded, "Bob", WordProblem::None },
        WordCase { "PlainQuotedOnRequest", "Bob", Quoting::Always, "\"Bob\"", WordProblem::None },
        WordCase { "Blank", "Big Bob", Quoting::WhenNeeded, "\"Big Bob\"", WordProblem::None },
        WordCase { "Dollar", "Ca$h", Quoting::WhenNeeded, "\"Ca$h\"", WordProblem::None },
        WordCase { "LeadingSlashes", "//Neo", Quoting::WhenNeeded, "\"//Neo\"", WordProblem::None },
        WordCase { "InnerSlashes", "Neo//x", Quoting::WhenNeeded, "Neo//x", WordProblem::None },
        WordCase { "Semicolon", "Jo;e", Quoting::WhenNeeded, "\"Jo;e\"", WordProblem::None },
        WordCase { "Empty", "", Quoting::WhenNeeded, "\"\"", WordProblem::None },
        WordCase { "Utf8", "J\xC3\xB6rg", Quoting::WhenNeeded, "\"J\xC3\xB6rg\"", WordProblem::None },
        WordCase { "TabAndCr", "a\tb\r", Quoting::WhenNeeded, "\"a\tb\r\"", WordProblem::None },
        WordCase { "Backslash", "a\\b", Quoting::WhenNeeded, "a\\b", WordProblem::None },
        WordCase { "QuotePairInside", "x\"y\"", Quoting::WhenNeeded, "x\"y\"", WordProblem::None },
        WordCase { "SemicolonBetweenQuotes", "a\";$\"b", Quoting::Always, "a\";$\"b", WordProblem::None },
        WordCase { "SemicolonOutsideQuotes", "a;\"b\"", Quoting::WhenNeeded, "", WordProblem::DoubleQuote },
        WordCase { "QuotesAndBlank", "say \"gg\"", Quoting::WhenNeeded, "", WordProblem::DoubleQuote },
        WordCase { "LeadingQuote", "\"x\"", Quoting::WhenNeeded, "", WordProblem::DoubleQuote },
        WordCase { "OddQuotes", "O\"Neil", Quoting::WhenNeeded, "", WordProblem::DoubleQuote },
        WordCase { "LineFeed", "a\nb", Quoting::WhenNeeded, "", WordProblem::LineEnd },
        WordCase { "Nul", QByteArray("a\0b", 3), Quoting::WhenNeeded, "", WordProblem::LineEnd },
        WordCase { "TooLong", QByteArray(1022, ' '), Quoting::WhenNeeded, "", WordProblem::TooLong },
        WordCase { "LongQuoted", kLong, Quoting::Always, '"' + kLong + '"', WordProblem::None }),
    [](const ::testing::TestParamInfo<WordCase>& paramInfo) { return std::string(paramInfo.param.name); });

TEST(ConsoleUserInfo, SaysWhatTheServerReceives)
{
    const struct {
        QByteArray value;
        UserInfoProblem problem;
        QByteArray sent;
    } cases[] = {
        { "Bob", UserInfoProblem::None, "Bob" },
        { "J\xC3\xB6rg", UserInfoProblem::None, "JC6rg" },
        { "Ren\xE9", UserInfoProblem::None, "Reni" },
        { "a\tb\x01"
          "c",
            UserInfoProblem::None, "abc" },
        { QByteArray(63, 'N'), UserInfoProblem::None, QByteArray(63, 'N') },
        { QByteArray(64, 'N'), UserInfoProblem::TooLong, "" },
        { "", UserInfoProblem::Empty, "" },
        { "Jo;e", UserInfoProblem::Refused, "" },
        { "Neo\\o/", UserInfoProblem::Refused, "" },
        { "O\"Neil", UserInfoProblem::Refused, "" },
    };
    for (const auto& c : cases) {
        const UserInfoValue v = userInfoValue(c.value);
        EXPECT_EQ(v.problem, c.problem) << c.value.toStdString();
        EXPECT_EQ(v.sent, c.sent) << c.value.toStdString();
    }
}

TEST(ConsoleKeys, NamesBindableKeysAndRefusesTheOthers)
{
    const std::pair<QByteArray, BindKeyProblem> cases[] = { { "F1", BindKeyProblem::None },
        { "f15", BindKeyProblem::None }, { ";", BindKeyProblem::None }, { "SEMICOLON", BindKeyProblem::None },
        { "\\", BindKeyProblem::None }, { " ", BindKeyProblem::None }, { "BTN_SOUTH", BindKeyProblem::None },
        { "SC_GRAVE", BindKeyProblem::None }, { "ESCAPE", BindKeyProblem::SpecialKey },
        { "escape", BindKeyProblem::SpecialKey }, { "`", BindKeyProblem::SpecialKey },
        { "~", BindKeyProblem::SpecialKey }, { "^", BindKeyProblem::SpecialKey },
        { "F16", BindKeyProblem::NotAKey }, { "", BindKeyProblem::NotAKey },
        { "\xC3\xA9", BindKeyProblem::NotAKey }, { "\xFF", BindKeyProblem::NotAKey },
        { "\x80", BindKeyProblem::OutsideKeyTable } };
    for (const auto& [name, problem] : cases)
        EXPECT_EQ(bindKeyProblem(name), problem) << name.toStdString();
}

// The engine's name of every key leads back to that key, so a binding written under it
// lands on the same slot.
TEST(ConsoleKeys, EveryNameLeadsBackToItsKey)
{
    int named = 0;
    for (int key = 0; key < kKeyCount; ++key) {
        const QByteArray name = keyName(key);
        if (name.startsWith("<UNKNOWN"))
            continue;
        ++named;
        EXPECT_EQ(keyNumber(name), key) << name.toStdString();
    }
    EXPECT_EQ(named, 90 + 9 + 118 + 56);
    EXPECT_EQ(keyNumber("MOUSE2"), 179);
    EXPECT_EQ(keyName(';'), "SEMICOLON");
}

TEST(ConsoleNames, RecordAndExecNamesAsTheEngineMakesThem)
{
    const std::pair<QByteArray, RecordNameProblem> records[]
        = { { "tarkdemo2", RecordNameProblem::None }, { "a/b", RecordNameProblem::None },
              { "", RecordNameProblem::Empty }, { "../x", RecordNameProblem::DotDot },
              { "a..b", RecordNameProblem::DotDot }, { QByteArray(251, 'd'), RecordNameProblem::None },
              { QByteArray(252, 'd'), RecordNameProblem::TooLong } };
    for (const auto& [word, problem] : records)
        EXPECT_EQ(recordNameProblem(word), problem) << word.toStdString();
    EXPECT_EQ(recordPath("x.dm2"), "demos/x.dm2.dm2");

    const std::pair<QByteArray, QList<QByteArray>> execs[] = { { "/extra.cfg", { "extra.cfg" } },
        { "./extra.cfg", { "extra.cfg" } }, { "cfgs//extra.cfg", { "cfgs/extra.cfg" } },
        { "cfgs/./extra.cfg", { "cfgs/extra.cfg" } }, { "EXTRA.CFG", { "EXTRA.CFG", "extra.cfg" } },
        { QByteArray(70, 'x'), { QByteArray(63, 'x') } } };
    for (const auto& [name, tried] : execs)
        EXPECT_EQ(execLookupNames(name), tried) << name.toStdString();
}

TEST(ConsoleBuffer, SplitsAScriptIntoCommands)
{
    const QList<Command> commands = commandsOf("a;b\r\nc \"x;y\"\r\n// q;r\rz\n" + QByteArray(1024, 'w'));
    const struct {
        qsizetype offset;
        int line;
        QByteArray text;
        CommandEnd end;
    } want[] = { { 0, 1, "a", CommandEnd::Semicolon }, { 2, 1, "b\r", CommandEnd::LineFeed },
        { 5, 2, "c \"x;y\"\r", CommandEnd::LineFeed }, { 14, 3, "// q", CommandEnd::Semicolon },
        { 19, 3, "r\rz", CommandEnd::LineFeed }, { 23, 4, QByteArray(1024, 'w'), CommandEnd::LineFeed } };
    ASSERT_EQ(commands.size(), qsizetype(std::size(want)));
    for (qsizetype i = 0; i < commands.size(); ++i) {
        EXPECT_EQ(commands[i].offset, want[i].offset);
        EXPECT_EQ(commands[i].line, want[i].line);
        EXPECT_EQ(commands[i].text, want[i].text);
        EXPECT_EQ(commands[i].end, want[i].end);
    }
    EXPECT_TRUE(commands.last().isCut());
    EXPECT_EQ(commands.last().kept().size(), kCommandLimit);
    EXPECT_EQ(commands.last().rest, 0);
    EXPECT_EQ(commandsOf(QByteArray("echo a\0echo b\n", 14)).last().end, CommandEnd::EndOfText);
}

// 32,768 bytes is the whole buffer: a script and the extra file it execs may fill it to
// the last byte, and not one byte more.
TEST(ConsoleBuffer, SizesAsTheEngineCountsThem)
{
    EXPECT_TRUE(scriptRuns(32766));
    EXPECT_FALSE(scriptRuns(32767));
    EXPECT_FALSE(scriptRuns(0));
    const QByteArray script = "exec extra.cfg\r\n//" + QByteArray(30000, 'p') + "\r\n";
    const Command execLine = commandsOf(script).first();
    ASSERT_EQ(execLine.rest, 30005);
    EXPECT_EQ(execInsertResult(execLine, QByteArray(2762, 'x')), InsertResult::Inserted);
    EXPECT_EQ(execInsertResult(execLine, QByteArray(2763, 'x')), InsertResult::Fatal);
    EXPECT_EQ(execInsertResult(execLine, QByteArray(32767, 'x')), InsertResult::Dropped);
}

TEST(ConsoleWords, SaysWhyACommandDoesNotRunAsWritten)
{
    const auto cvars = [](const QByteArray& name) -> std::optional<QByteArray> {
        if (name == "a" || name == "b")
            return name == "a" ? "$b" : "$a";
        if (name == "v")
            return QByteArray(1000, 'v');
        return std::nullopt;
    };
    Words w = wordsOf("name Ca$h", cvars);
    EXPECT_EQ(w.words, QList<QByteArray>({ "name", "Ca" }));
    EXPECT_EQ(w.expansions, QList<Expansion>({ { "h", std::nullopt } }));
    w = wordsOf("name //Neo", cvars);
    EXPECT_TRUE(w.comment);
    EXPECT_EQ(w.words, QList<QByteArray>({ "name" }));
    EXPECT_TRUE(wordsOf("echo a;b", cvars).splits);
    EXPECT_EQ(wordsOf("say \"unterminated", cvars).discard, Discard::UnmatchedQuote);
    EXPECT_EQ(wordsOf("echo $a", cvars).discard, Discard::ExpansionLoop);
    EXPECT_EQ(wordsOf("echo $v $v $v", cvars).discard, Discard::ExpandedTooLong);
    EXPECT_TRUE(wordsOf("echo " + QByteArray(24, 'p') + "$v", cvars).wordEmptied);
    EXPECT_TRUE(wordsOf("echo" + QByteArray(" w").repeated(90), cvars).wordsDropped);
    w = wordsOf("echo a\"b \"c", cvars);
    EXPECT_TRUE(w.quotedWordOpen);
    EXPECT_EQ(w.words, QList<QByteArray>({ "echo", "a\"b", "c" }));
    w = wordsOf("say \"x $v\" $h", cvars);
    EXPECT_EQ(w.words, QList<QByteArray>({ "say", "x $v" }));
    EXPECT_EQ(w.args, "\"x $v\"");
}

} // namespace
