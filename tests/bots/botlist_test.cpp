// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/usererror.h"
#include "bots/core/botlist.h"
#include "bots/core/botprofiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

using namespace tk;

namespace {

const QByteArray kHunkLine = R"("sv" "addbot" "noname1" "male/grunt" "bots/hunk_c.c" "hunk")";

struct Fields {
    const char* name;
    const char* modelSkin;
    const char* profileFile;
    const char* profileName;
};

struct TokeniserCase {
    const char* label;
    QByteArray line;
    Fields expected;
};

class BotLineTokeniser : public ::testing::TestWithParam<TokeniserCase> { };

TEST_P(BotLineTokeniser, GivesTheFourFields)
{
    const TokeniserCase& c = GetParam();
    const BotLineFields f = parseBotLine(c.line);
    EXPECT_EQ(f.name, QString::fromUtf8(c.expected.name));
    EXPECT_EQ(f.modelSkin, QString::fromUtf8(c.expected.modelSkin));
    EXPECT_EQ(f.profileFile, QString::fromUtf8(c.expected.profileFile));
    EXPECT_EQ(f.profileName, QString::fromUtf8(c.expected.profileName));
}

// Expected fields traced by hand through the deletion rules.
INSTANTIATE_TEST_SUITE_P(Cases, BotLineTokeniser,
    ::testing::Values(
        TokeniserCase { "normal", kHunkLine, { "noname1", "male/grunt", "bots/hunk_c.c", "hunk" } },
        TokeniserCase { "extraBlanks",
            R"(  "sv"   "addbot"  "bob"    "female/athena"  "bots/java_c.c"   "java"  )",
            { "bob", "female/athena", "bots/java_c.c", "java" } },
        TokeniserCase { "noQuotes", "// just a comment", { "", "", "", "" } },
        TokeniserCase { "blanksOnly", "    ", { "", "", "", "" } },
        TokeniserCase { "empty", "", { "", "", "", "" } },
        // The character after each closing quote is eaten, here the next opening quote.
        TokeniserCase { "noSeparator", R"("sv""addbot" "bob" "male/grunt" "bots/hunk_c.c" "hunk")",
            { " ", " ", " ", "" } },
        TokeniserCase { "anySeparatorChar", R"("sv"x"addbot"y"bob"z"male/grunt"-"f"+"p")",
            { "bob", "male/grunt", "f", "p" } },
        TokeniserCase { "sevenValues", R"("sv" "addbot" "extra" "bob" "male/grunt" "bots/hunk_c.c" "hunk")",
            { "extra", "bob", "male/grunt", "bots/hunk_c.c" } },
        TokeniserCase { "textAfterSixth", R"("sv" "addbot" "bob" "m/s" "f" "p" trailing "junk")",
            { "bob", "m/s", "f", "p" } },
        TokeniserCase { "unterminatedLast", R"("sv" "addbot" "bob" "male/grunt" "bots/hunk_c.c" "hunk)",
            { "bob", "male/grunt", "bots/hunk_c.c", "" } },
        TokeniserCase { "unterminatedName", R"("sv" "addbot" "bob)", { "", "", "", "" } },
        TokeniserCase { "endsAfterName", R"("sv" "addbot" "bob")", { "bob", "", "", "" } },
        TokeniserCase { "emptyValues", R"("sv" "addbot" "" "" "" "")", { "", "", "", "" } },
        TokeniserCase { "utf8", "\"sv\" \"addbot\" \"J\xc3\xa9r\xc3\xb4me\" \"m/s\" \"f\" \"p\"",
            { "J\u00e9r\u00f4me", "m/s", "f", "p" } },
        TokeniserCase { "windows1252", "\"sv\" \"addbot\" \"J\xe9r\xf4me\x80\" \"m/s\" \"f\" \"p\"",
            { "J\u00e9r\u00f4me\u20ac", "m/s", "f", "p" } }),
    [](const ::testing::TestParamInfo<TokeniserCase>& paramInfo) {
        return std::string(paramInfo.param.label);
    });

TEST(ComposeBotLine, QuotesTheSixValuesJoinedByBlanks)
{
    EXPECT_EQ(composeBotLine("noname1", "male", "grunt", "bots/hunk_c.c", "hunk"), kHunkLine);
    EXPECT_EQ(composeBotLine("bob", "female", "athena", "", "java"),
        QByteArray(R"("sv" "addbot" "bob" "female/athena" "" "java")"));
    EXPECT_EQ(composeBotLine("", "", "", "", ""), QByteArray(R"("sv" "addbot" "" "/" "" "")"));
    EXPECT_EQ(composeBotLine(QString::fromUtf8("J\u00e9r\u00f4me"), "m", "s", "f", "p"),
        QByteArray("\"sv\" \"addbot\" \"J\xc3\xa9r\xc3\xb4me\" \"m/s\" \"f\" \"p\""));
}

TEST(ComposeBotLine, ALineBreakInAValueCannotSplitTheLine)
{
    EXPECT_EQ(
        composeBotLine("a\r\nb", "m", "s\n", "f", "p"), QByteArray(R"("sv" "addbot" "a  b" "m/s " "f" "p")"));
}

TEST(SplitModelSkin, SplitsAtTheFirstSlash)
{
    const struct {
        const char* value;
        const char* model;
        const char* skin;
    } cases[] = {
        { "male/grunt", "male", "grunt" },
        { "a/b/c", "a", "b/c" },
        { "grunt", "", "grunt" },
        { "", "", "" },
        { "/x", "", "x" },
        { "male/", "male", "" },
    };
    for (const auto& c : cases) {
        const ModelSkin ms = splitModelSkin(c.value);
        EXPECT_EQ(ms.model, QString(c.model)) << c.value;
        EXPECT_EQ(ms.skin, QString(c.skin)) << c.value;
    }
}

TEST(BotProfiles, TableInOrder)
{
    const QStringList expected
        = QString("bots/hunk_c.c=hunk bots/bill_c.c=bill bots/java_c.c=java "
                  "bots/omicro_c.c=omicron bots/laura_c.c=laura bots/luuzr_c.c=luuzr "
                  "bots/maxine_c.c=maxine bots/bitch_c.c=bitch bots/no9_c.c=no9 "
                  "bots/player_c.c=player bots/reaper_c.c=reaper bots/messia_c.c=messiah "
                  "bots/babe_c.c=babe bots/sparta_c.c=spartacus bots/stud_c.c=stud "
                  "bots/trash_c.c=trash bots/byte_c.c=byte bots/zero_c.c=zero")
              .split(' ');
    const QStringList files = botProfileFiles();
    ASSERT_EQ(files.size(), expected.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QStringList pair = expected.at(i).split('=');
        EXPECT_EQ(files.at(i), pair.at(0));
        EXPECT_EQ(profileNameForFile(pair.at(0)), std::optional<QString>(pair.at(1)));
    }
}

TEST(BotProfiles, LookupIsExact)
{
    const struct {
        const char* file;
        const char* name; // nullptr: not a profile file
    } cases[] = {
        { "bots/sparta_c.c", "spartacus" },
        { "BOTS/HUNK_C.C", nullptr },
        { "bots/hunk_c.c ", nullptr },
        { "bots\\hunk_c.c", nullptr },
        { "", nullptr },
    };
    for (const auto& c : cases) {
        const std::optional<QString> name = profileNameForFile(c.file);
        if (c.name) {
            ASSERT_TRUE(name.has_value()) << c.file;
            EXPECT_EQ(*name, QString(c.name));
        } else {
            EXPECT_FALSE(name.has_value()) << c.file;
        }
    }
}

// The bot list against a temporary launcher directory.
class BotListFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        paths = InstallPaths::fromLauncherDir(dir.path());
    }
    QString path(const QString& name) const { return dir.path() + "/" + name; }
    void write(const QString& name, const QByteArray& data) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(data), data.size());
    }
    QByteArray read(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static QByteArray bot(const char* name)
    {
        return QByteArray(R"("sv" "addbot" ")") + name + R"(" "male/grunt" "bots/hunk_c.c" "hunk")";
    }
    // Opens a file holding bots with these names.
    void openWith(std::initializer_list<const char*> names)
    {
        QByteArray data;
        for (const char* n : names)
            data += bot(n) + "\r\n";
        write("bots.cfg", data);
        ASSERT_FALSE(list.open(paths, "bots.cfg", true).fileMissing);
        ASSERT_EQ(list.size(), qsizetype(names.size()));
    }
    QList<bool> flags() const
    {
        QList<bool> f;
        for (qsizetype i = 0; i < list.size(); ++i)
            f.append(list.isSelected(i));
        return f;
    }
    QStringList names() const
    {
        QStringList n;
        for (qsizetype i = 0; i < list.size(); ++i)
            n.append(list.entry(i).name);
        return n;
    }

    QTemporaryDir dir;
    InstallPaths paths;
    BotList list;
};

TEST_F(BotListFiles, ANameInOtherLetterCaseOpensAndSavesTheFileThere)
{
    write("bots.cfg", bot("Alpha") + "\r\n");
    EXPECT_FALSE(list.open(paths, "BOTS.CFG", true).fileMissing);
    EXPECT_EQ(names(), QStringList { "Alpha" });
    EXPECT_EQ(list.fileName(), "bots.cfg");
    list.save(paths);
    EXPECT_FALSE(QFile::exists(path("BOTS.CFG")));
    // Two files that differ only in case: neither is the one meant.
    write("Bots.cfg", bot("Beta") + "\r\n");
    EXPECT_TRUE(list.open(paths, "BOTS.CFG", true).fileMissing);
}

TEST_F(BotListFiles, StartsEmptyOnTheDefaultFile)
{
    EXPECT_EQ(list.fileName(), "bots.cfg");
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.countText(), "[ 0 Bot(s) found ][ 0 are selected ]");
}

TEST_F(BotListFiles, EmptyFilesGiveNoBots)
{
    for (const QByteArray& data : { QByteArray(), QByteArray("\r\n"), QByteArray("\r\n\r\n\r\n"),
             QByteArray("\n\n"), QByteArray("\r\r\n\r") }) {
        list.addBot();
        write("empty.cfg", data);
        EXPECT_FALSE(list.open(paths, "empty.cfg", true).fileMissing);
        EXPECT_EQ(list.size(), 0) << data.toHex().constData();
        EXPECT_EQ(list.countText(), "[ 0 Bot(s) found ][ 0 are selected ]");
    }
}

TEST_F(BotListFiles, EmptyLinesVanishAndLinesStayPaired)
{
    write("bots.cfg", bot("a") + "\r\n\r\n" + bot("b") + "\n\n\n" + "   " + "\r" + bot("c"));
    list.open(paths, "bots.cfg", false);
    ASSERT_EQ(names(), QStringList({ "a", "b", "", "c" }));
    EXPECT_EQ(list.entry(0).line, bot("a"));
    EXPECT_EQ(list.entry(1).line, bot("b"));
    EXPECT_EQ(list.entry(2).line, "   "); // blanks are not an empty line
    EXPECT_EQ(list.entry(3).line, bot("c"));
    list.save(paths);
    EXPECT_EQ(read("bots.cfg"), bot("a") + "\r\n" + bot("b") + "\r\n   \r\n" + bot("c") + "\r\n");
}

TEST_F(BotListFiles, OpenReplacesTheBotsAndClearsTheFlags)
{
    openWith({ "a", "b" });
    list.toggle(0);
    list.toggle(1);
    write("other.cfg", bot("x") + "\r\n" + bot("y") + "\r\n" + bot("z") + "\r\n");
    EXPECT_FALSE(list.open(paths, "other.cfg", false).fileMissing);
    EXPECT_EQ(list.fileName(), "other.cfg");
    EXPECT_EQ(names(), QStringList({ "x", "y", "z" }));
    EXPECT_EQ(flags(), QList<bool>({ false, false, false }));
}

TEST_F(BotListFiles, MissingFileKeepsTheBotsUnderTheNewName)
{
    openWith({ "a", "b" });
    list.toggle(1);
    const QByteArray before = read("bots.cfg");

    const BotList::OpenResult silent = list.open(paths, "bots2.cfg", false);
    EXPECT_TRUE(silent.fileMissing);
    EXPECT_TRUE(silent.message.isEmpty());
    EXPECT_EQ(list.fileName(), "bots2.cfg");

    const BotList::OpenResult reported = list.open(paths, "new.cfg", true);
    EXPECT_TRUE(reported.fileMissing);
    EXPECT_EQ(reported.message, "Error: Could not locate file new.cfg");
    EXPECT_EQ(BotList::missingFileMessage("x y.cfg"), "Error: Could not locate file x y.cfg");
    EXPECT_EQ(names(), QStringList({ "a", "b" }));
    EXPECT_EQ(flags(), QList<bool>({ false, true }));

    // A directory is no bot list file either.
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub.cfg"));
    EXPECT_TRUE(list.open(paths, "sub.cfg", false).fileMissing);
    EXPECT_EQ(names(), QStringList({ "a", "b" }));

    list.open(paths, "new.cfg", false);
    list.addBot();
    list.save(paths);
    EXPECT_EQ(read("new.cfg"), bot("a") + "\r\n" + bot("b") + "\r\n" + kHunkLine + "\r\n");
    EXPECT_EQ(read("bots.cfg"), before);
}

TEST_F(BotListFiles, BinaryFilesAreNeitherReadNorReplaced)
{
    // A name typed letter by letter can pass the launcher's own executable.
    const QByteArray program("\x7f"
                             "ELF\2\1\1\0\0\0\r\n\"sv\" \"addbot\"\n",
        24);
    write("tarrakind", program);
    openWith({ "a", "b" });
    const BotList::OpenResult silent = list.open(paths, "tarrakind", false);
    EXPECT_TRUE(silent.notBotList && !silent.fileMissing && silent.message.isEmpty());
    // Reported as what it is, not as a missing file.
    EXPECT_EQ(list.open(paths, "tarrakind", true).message, BotList::notBotListMessage("tarrakind"));
    EXPECT_EQ(names(), QStringList({ "a", "b" }));
    try {
        list.save(paths);
        ADD_FAILURE() << "a binary file was replaced";
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), BotList::notBotListSaveMessage("tarrakind"));
    }
    EXPECT_EQ(read("tarrakind"), program);
}

TEST_F(BotListFiles, FailedSaveThrowsAndKeepsTheBots)
{
    openWith({ "a", "b" });
    list.toggle(0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub.cfg"));
    list.open(paths, "sub.cfg", false);
    try {
        list.save(paths);
        FAIL() << "save into a directory succeeded";
    } catch (const UserError& e) {
        EXPECT_TRUE(
            e.message().startsWith("Cannot create file " + QDir::toNativeSeparators(path("sub.cfg")) + ": "))
            << e.message().toStdString();
        EXPECT_GT(e.message().size(), QString("Cannot create file " + path("sub.cfg") + ": ").size());
    }
    EXPECT_EQ(names(), QStringList({ "a", "b" }));
    EXPECT_EQ(flags(), QList<bool>({ true, false }));

    const InstallPaths gone = InstallPaths::fromLauncherDir(dir.path() + "/no/such/dir");
    EXPECT_THROW(list.save(gone), UserError);
    EXPECT_EQ(names(), QStringList({ "a", "b" }));
}

TEST_F(BotListFiles, RoundTripKeepsEveryByte)
{
    const QList<QByteArray> lines = {
        "\"sv\" \"addbot\" \"J\xe9r\xf4me\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"",
        "\"sv\" \"addbot\" \"\xff\xfe\x80\x81\" \"\xc3(/\xa0\xa1\" \"f\" \"p\"",
        "\"sv\" \"addbot\" \"caf\xc3\xa9\" \"m/s\" \"f\" \"p\"\t ",
        "no quotes \x01\x7f at all",
    };
    const QByteArray data = lines.join("\r\n") + "\r\n";
    write("bots.cfg", data);
    list.open(paths, "bots.cfg", false);
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list.entry(0).name, QString::fromUtf8("J\u00e9r\u00f4me"));
    EXPECT_EQ(list.entry(2).name, QString::fromUtf8("caf\u00e9"));
    for (qsizetype i = 0; i < list.size(); ++i)
        list.toggle(i);
    EXPECT_EQ(list.selectedLines(), lines);
    list.save(paths);
    EXPECT_EQ(read("bots.cfg"), data);
}

TEST_F(BotListFiles, CountTextSaysIsForExactlyOne)
{
    openWith({ "a", "b", "c" });
    EXPECT_EQ(list.countText(), "[ 3 Bot(s) found ][ 0 are selected ]");
    list.toggle(1);
    EXPECT_EQ(list.countText(), "[ 3 Bot(s) found ][ 1 is selected ]");
    list.toggle(2);
    EXPECT_EQ(list.countText(), "[ 3 Bot(s) found ][ 2 are selected ]");
    list.toggle(1);
    EXPECT_EQ(list.countText(), "[ 3 Bot(s) found ][ 1 is selected ]");
    EXPECT_FALSE(list.toggle(-1));
    EXPECT_FALSE(list.toggle(3));
    EXPECT_EQ(list.countText(), "[ 3 Bot(s) found ][ 1 is selected ]");
}

TEST_F(BotListFiles, PickRandomClampsTheCount)
{
    openWith({ "a", "b", "c" });
    Random random;
    random.seed(99);
    EXPECT_EQ(list.pickRandom(7, random), 3);
    EXPECT_EQ(flags(), QList<bool>({ true, true, true }));

    EXPECT_EQ(list.pickRandom(0, random), 0);
    EXPECT_EQ(flags(), QList<bool>({ false, false, false }));
    EXPECT_EQ(list.countText(), "[ 3 Bot(s) found ][ 0 are selected ]");

    list.toggle(0);
    const std::uint32_t state = random.state();
    EXPECT_EQ(list.pickRandom(-5, random), 0);
    EXPECT_EQ(flags(), QList<bool>({ false, false, false }));
    EXPECT_EQ(random.state(), state);
}

TEST_F(BotListFiles, PickRandomOnAnEmptyListDrawsNothing)
{
    Random random;
    random.seed(5);
    EXPECT_EQ(list.pickRandom(2, random), 0);
    EXPECT_EQ(random.state(), 5u);
}

TEST_F(BotListFiles, PickRandomFollowsTheGenerator)
{
    // Worked out by hand from the generator's formula: seed 31337 over 8 bots draws
    // 2, 2, 3, 3, 2, 6 and leaves the seed at 3717305843.
    openWith({ "a", "b", "c", "d", "e", "f", "g", "h" });
    Random random;
    random.seed(31337);
    list.toggle(0);
    EXPECT_EQ(list.pickRandom(3, random), 3);
    EXPECT_EQ(flags(), QList<bool>({ false, false, true, true, false, false, true, false }));
    EXPECT_EQ(random.state(), 3717305843u);
}

TEST_F(BotListFiles, PickRandomRedrawsUntilDistinct)
{
    openWith({ "a", "b", "c", "d", "e", "f", "g", "h", "i", "j" });
    for (const std::uint32_t seed : { 0u, 1u, 12345u, 4000000000u, 0xffffffffu }) {
        for (const int k : { 1, 4, 10 }) {
            std::uint32_t s = seed;
            std::set<std::uint32_t> expected;
            while (expected.size() < std::size_t(k)) {
                s = s * 134775813u + 1u;
                expected.insert(std::uint32_t((std::uint64_t(s) * 10u) >> 32));
            }
            Random random;
            random.seed(seed);
            EXPECT_EQ(list.pickRandom(k, random), k);
            for (qsizetype i = 0; i < list.size(); ++i)
                EXPECT_EQ(list.entry(i).selected, expected.count(std::uint32_t(i)) == 1)
                    << "seed " << seed << " k " << k << " index " << i;
            EXPECT_EQ(random.state(), s) << "seed " << seed << " k " << k;
        }
    }
}

TEST_F(BotListFiles, AddBotTakesTheFirstFreeName)
{
    const struct {
        std::initializer_list<const char*> existing;
        const char* expected;
    } cases[] = {
        { {}, "noname1" },
        { { "noname1", "noname3" }, "noname2" },
        { { "Noname1" }, "noname1" },
        { { "noname1 " }, "noname1" },
        { { "noname2", "noname1", "noname3" }, "noname4" },
        { { "noname10", "noname1" }, "noname2" },
    };
    for (const auto& c : cases) {
        openWith(c.existing);
        list.toggle(0);
        const qsizetype index = list.addBot();
        ASSERT_EQ(index, qsizetype(c.existing.size()));
        const BotEntry e = list.entry(index);
        EXPECT_EQ(e.name, QString(c.expected));
        EXPECT_EQ(e.line,
            QByteArray(R"("sv" "addbot" ")") + c.expected + R"(" "male/grunt" "bots/hunk_c.c" "hunk")");
        EXPECT_EQ(e.modelSkin, "male/grunt");
        EXPECT_EQ(e.profileFile, "bots/hunk_c.c");
        EXPECT_EQ(e.profileName, "hunk");
        EXPECT_FALSE(e.selected);
        if (index > 0) {
            EXPECT_TRUE(list.entry(0).selected);
        }
    }
}

TEST_F(BotListFiles, RemoveKeepsOrderAndFlags)
{
    openWith({ "a", "b", "c" });
    list.toggle(0);
    list.toggle(2);
    EXPECT_FALSE(list.remove(3));
    EXPECT_FALSE(list.remove(-1));
    EXPECT_EQ(list.size(), 3);
    EXPECT_TRUE(list.remove(1));
    EXPECT_EQ(names(), QStringList({ "a", "c" }));
    EXPECT_EQ(flags(), QList<bool>({ true, true }));
    list.save(paths);
    EXPECT_EQ(read("bots.cfg"), bot("a") + "\r\n" + bot("c") + "\r\n");
}

TEST_F(BotListFiles, ReplaceEntryComposesTheLineAndKeepsTheFlag)
{
    openWith({ "a", "b" });
    list.toggle(1);
    EXPECT_TRUE(list.replaceEntry(1, "bob", "female", "athena", "", "java"));
    const BotEntry e = list.entry(1);
    EXPECT_EQ(e.line, QByteArray(R"("sv" "addbot" "bob" "female/athena" "" "java")"));
    EXPECT_EQ(e.name, "bob");
    EXPECT_EQ(e.modelSkin, "female/athena");
    EXPECT_EQ(e.profileFile, "");
    EXPECT_EQ(e.profileName, "java");
    EXPECT_TRUE(e.selected);
    EXPECT_FALSE(list.replaceEntry(2, "x", "m", "s", "f", "p"));
    EXPECT_EQ(list.entry(0).line, bot("a"));
}

TEST_F(BotListFiles, ReplaceEntryKeepsTheBytesOfEveryValueLeftAsItWas)
{
    // Every value in Windows-1252; the editor shows them decoded.
    const QByteArray stored
        = "\"sv\" \"addbot\" \"Ren\xE9\" \"m\xE4le/gr\xFCnt\" \"bots/\xE9t\xE9.c\" \"h\xFCnk\"";
    const QString name = QString::fromUtf8("Ren\u00e9"), model = QString::fromUtf8("m\u00e4le"),
                  skin = QString::fromUtf8("gr\u00fcnt"), file = QString::fromUtf8("bots/\u00e9t\u00e9.c"),
                  profile = QString::fromUtf8("h\u00fcnk"), typed = QString::fromUtf8("\u00e9");
    const struct {
        const char* label;
        QStringList values; // name, model, skin, profile file, profile name
        QByteArray line;
    } cases[] = {
        { "nothing changed", { name, model, skin, file, profile }, stored },
        { "profile file changed", { name, model, skin, "bots/bill_c.c", profile },
            "\"sv\" \"addbot\" \"Ren\xE9\" \"m\xE4le/gr\xFCnt\" \"bots/bill_c.c\" \"h\xFCnk\"" },
        { "name changed", { typed + "mile", model, skin, file, profile },
            "\"sv\" \"addbot\" \"\xC3\xA9mile\" \"m\xE4le/gr\xFCnt\" \"bots/\xE9t\xE9.c\" \"h\xFCnk\"" },
        { "skin changed, ASCII", { name, model, "viper", file, profile },
            "\"sv\" \"addbot\" \"Ren\xE9\" \"m\xE4le/viper\" \"bots/\xE9t\xE9.c\" \"h\xFCnk\"" },
        // Kept and new bytes in one value would read back as other text.
        { "skin changed, not ASCII", { name, model, typed, file, profile },
            "\"sv\" \"addbot\" \"Ren\xE9\" \"m\xC3\xA4le/\xC3\xA9\" \"bots/\xE9t\xE9.c\" \"h\xFCnk\"" },
    };
    for (const auto& c : cases) {
        write("bots.cfg", stored + "\r\n");
        list.open(paths, "bots.cfg", false);
        list.toggle(0);
        ASSERT_TRUE(list.replaceEntry(0, c.values[0], c.values[1], c.values[2], c.values[3], c.values[4]));
        EXPECT_EQ(list.entry(0).line, c.line) << c.label;
        EXPECT_EQ(parseBotLine(c.line).modelSkin, c.values[1] + '/' + c.values[2]) << c.label;
        // The name still matches a stored selection.
        EXPECT_EQ(list.selectedNames(), QStringList { c.values[0] }) << c.label;
    }
}

TEST_F(BotListFiles, SelectByNamesIsExactAndNeverClears)
{
    openWith({ "bob", "Bob", "al", "bob", "carl" });
    list.toggle(4);
    list.selectByNames({ "bob", "nobody", "al " });
    EXPECT_EQ(flags(), QList<bool>({ true, false, false, true, true }));
    EXPECT_EQ(list.selectedNames(), QStringList({ "bob", "bob", "carl" }));
    EXPECT_EQ(list.selectedLines(), QList<QByteArray>({ bot("bob"), bot("bob"), bot("carl") }));
    list.selectByNames({});
    EXPECT_EQ(list.selectedCount(), 3);
}

} // namespace
