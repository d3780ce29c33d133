// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/rotation.h"

#include "app/core/usererror.h"
#include "support/fifo.h"
#include "support/printers.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using Entries = QList<QByteArray>;

namespace {

TEST(Rotation, ParsesOneEntryPerLine)
{
    struct Case {
        QByteArray data;
        Entries entries;
    } cases[] = {
        { "q2dm1\r\nq2dm3\r\nq2dm8\r\n", { "q2dm1", "q2dm3", "q2dm8" } },
        { "q2dm1\n\nq2dm3", { "q2dm1", "", "q2dm3" } },
        { "a\rb\r\nc\n", { "a", "b", "c" } },
        { "a\n\r", { "a", "" } },
        { "a\r\r\n", { "a", "" } },
        { "a\n\n", { "a", "" } },
        { "last", { "last" } },
        { "", {} },
        { "\r\n", { "" } },
        { " q2dm1 \t\n", { " q2dm1 \t" } },
        { "d\xe4m\xfc\n", { "d\xe4m\xfc" } },
        { QByteArray("a\0b\nc", 5), { "a" } },
        { QByteArray("a\nb\0\nc", 6), { "a", "b" } },
        { QByteArray("\0a\nb", 4), {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data.toStdString());
        EXPECT_EQ(tk::parseRotation(c.data), c.entries);
    }
}

TEST(Rotation, ComposesEveryEntryWithCrLf)
{
    EXPECT_EQ(tk::composeRotation({}), QByteArray());
    EXPECT_EQ(tk::composeRotation({ "q2dm1", "", "q2dm8" }), QByteArray("q2dm1\r\n\r\nq2dm8\r\n"));
    EXPECT_EQ(tk::composeRotation({ "\xe4" }), QByteArray("\xe4\r\n"));
}

TEST(Rotation, FileRoundTripKeepsBytes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("maps.lst");
    const Entries entries = { "q2dm1", "", " base1 ", "d\xe4m\xfc" };
    tk::writeRotationFile(path, entries);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("q2dm1\r\n\r\n base1 \r\nd\xe4m\xfc\r\n"));
    EXPECT_EQ(tk::readRotationFile(path), entries);

    tk::writeRotationFile(path, {});
    EXPECT_EQ(QFile(path).size(), 0);
    EXPECT_EQ(tk::readRotationFile(path), Entries {});
}

TEST(Rotation, FileErrorsCarryTheFullPath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath("nothere.lst");
    try {
        tk::readRotationFile(missing);
        ADD_FAILURE() << "no error reading a missing file";
    } catch (const tk::UserError& e) {
        EXPECT_EQ(e.message(), "Cannot open file " + missing);
    }
    const QString unwritable = dir.filePath("nodir/maps.lst");
    try {
        tk::writeRotationFile(unwritable, { "q2dm1" });
        ADD_FAILURE() << "no error writing into a missing directory";
    } catch (const tk::UserError& e) {
        EXPECT_THAT(e.message(), IsWriteError("Cannot create file ", unwritable));
    }
}

// A rotation file that is not read (a pipe, or one larger than any rotation) is named
// with the reason, and a save does not replace it with the list in memory.
TEST(Rotation, AFileThatIsNotReadIsNotReplaced)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString big = dir.filePath("big.lst");
    const QByteArray bytes = QByteArray(4 * 1024 * 1024, 'x') + "\r\n";
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    const QString pipe = dir.filePath("pipe.lst");
    GuardedFifo fifo(pipe);
    ASSERT_TRUE(fifo.created());
    for (const auto& [path, reason] :
        { std::pair { big, "it is larger than 4 MB" }, std::pair { pipe, "it is not a regular file" } }) {
        SCOPED_TRACE(qPrintable(path));
        try {
            tk::readRotationFile(path);
            ADD_FAILURE() << "the file was read";
        } catch (const tk::UserError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Cannot open file %1: %2").arg(path, reason));
        }
        try {
            tk::writeRotationFile(path, { "q2dm1" });
            ADD_FAILURE() << "the file was replaced";
        } catch (const tk::UserError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Cannot create file %1: %2").arg(path, reason));
        }
    }
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), bytes);
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_FALSE(fifo.readerWasStuck());
}

TEST(Rotation, SaveAnswerGivesFileName)
{
    struct Case {
        const char* answer;
        const char* fileName;
    } cases[] = {
        { "maps.lst", "maps.lst" },
        { "ctf.rot.txt", "ctf.lst" },
        { ".hidden", "maps.lst" },
        { "duel", "duel.lst" },
        { "", "maps.lst" },
        { "Duel Maps", "Duel Maps.lst" },
        { "sub/ffa.txt", "sub/ffa.lst" },
        { "sub.d/ffa", "sub.lst" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(tk::rotationFileNameFromAnswer(c.answer), c.fileName) << c.answer;
}

// The launcher's generator written out again from its formula, to derive the expected
// moves without the code under test.
struct Lcg {
    std::uint32_t seed;
    std::uint32_t below(std::uint32_t n)
    {
        seed = seed * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(seed) * n) >> 32);
    }
};

Entries expectedShuffle(std::uint32_t seed, const Entries& entries)
{
    std::vector<QByteArray> v(entries.begin(), entries.end());
    Lcg lcg { seed };
    const auto n = std::uint32_t(v.size());
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t a = lcg.below(n);
        const std::uint32_t b = lcg.below(n);
        if (a != b) {
            const QByteArray moved = v[a];
            v.erase(v.begin() + a);
            v.insert(v.begin() + b, moved);
        }
    }
    return Entries(v.begin(), v.end());
}

TEST(Rotation, RandomizeMakesTheSeededMoves)
{
    // Seed 1 over five maps draws (0,4) (1,1) (3,1) (0,1) (2,0), worked out by hand.
    tk::Random random;
    random.seed(1);
    EXPECT_EQ(tk::randomizedRotation({ "q2dm1", "q2dm2", "q2dm3", "q2dm4", "q2dm5" }, random),
        Entries({ "q2dm3", "q2dm5", "q2dm2", "q2dm4", "q2dm1" }));
    // Seed 0 over two maps draws (0,0) then (1,0): swapped.
    random.seed(0);
    EXPECT_EQ(tk::randomizedRotation({ "a", "b" }, random), Entries({ "b", "a" }));

    Entries many;
    for (int i = 0; i < 40; ++i)
        many.append(QByteArray::number(i));
    for (const std::uint32_t seed : { 0u, 7u, 12345u, 86399999u, 0xFFFFFFFFu }) {
        for (const qsizetype n : { 0, 1, 2, 3, 10, 40 }) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << n << " entries");
            const Entries list = many.first(n);
            random.seed(seed);
            EXPECT_EQ(tk::randomizedRotation(list, random), expectedShuffle(seed, list));
            // Exactly 2n draws were taken.
            Lcg lcg { seed };
            for (qsizetype i = 0; i < 2 * n; ++i)
                lcg.below(1);
            EXPECT_EQ(random.state(), lcg.seed);
        }
    }
}

TEST(Rotation, MoveAndDeleteFollowTheSelection)
{
    const Entries abc = { "a", "b", "c" };
    using Op = tk::RotationList (*)(tk::RotationList);
    struct Case {
        const char* what;
        Op op;
        qsizetype selected;
        Entries entries;
        qsizetype selectedAfter;
    } cases[] = {
        { "up, nothing selected", tk::rotationMoveUp, -1, abc, -1 },
        { "up, first", tk::rotationMoveUp, 0, abc, 0 },
        { "up, middle", tk::rotationMoveUp, 1, { "b", "a", "c" }, 0 },
        { "up, last", tk::rotationMoveUp, 2, { "a", "c", "b" }, 1 },
        { "up, out of range", tk::rotationMoveUp, 3, abc, 3 },
        { "down, nothing selected", tk::rotationMoveDown, -1, abc, -1 },
        { "down, first", tk::rotationMoveDown, 0, { "b", "a", "c" }, 1 },
        { "down, last", tk::rotationMoveDown, 2, abc, 2 },
        { "down, out of range", tk::rotationMoveDown, 5, abc, 5 },
        { "delete, nothing selected", tk::rotationDelete, -1, abc, -1 },
        { "delete, middle", tk::rotationDelete, 1, { "a", "c" }, -1 },
        { "delete, last", tk::rotationDelete, 2, { "a", "b" }, -1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const tk::RotationList after = c.op({ abc, c.selected });
        EXPECT_EQ(after.entries, c.entries);
        EXPECT_EQ(after.selected, c.selectedAfter);
    }
    EXPECT_EQ(tk::rotationMoveDown({ {}, -1 }).entries, Entries {});
    EXPECT_EQ(tk::rotationDelete({ { "only" }, 0 }).entries, Entries {});
}

} // namespace
