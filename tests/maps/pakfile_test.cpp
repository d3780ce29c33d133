// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/pakfile.h"
#include "support/files.h"
#include "support/gamefiles.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using tk::PakProblem;

QByteArray withHeader(QByteArray pak, qint32 offset, qint32 length)
{
    qToLittleEndian(offset, pak.data() + 4);
    qToLittleEndian(length, pak.data() + 8);
    return pak;
}

TEST(PakDirectory, ListsWhatTheEngineListsAndNamesWhatIsWrong)
{
    const QByteArray good = gamefiles::pak({ { "maps/q2dm1.bsp", "12345" }, { "readme.txt", "" } });
    const QByteArray longName(56, 'n');
    const struct {
        const char* what;
        QByteArray bytes;
        QList<QByteArray> names;
        std::optional<PakProblem> problem;
    } cases[] = {
        { "good", good, { "maps/q2dm1.bsp", "readme.txt" }, std::nullopt },
        { "empty file", "", {}, PakProblem::NotAPak },
        { "shorter than its header", "PACK\0\0\0\0\0\0\0", {}, PakProblem::NotAPak },
        { "another format", QByteArray(good).replace(0, 4, "PK\3\4"), {}, PakProblem::NotAPak },
        { "a directory of less than one entry", withHeader(good, 12 + 5, 63), {}, PakProblem::Empty },
        { "a negative offset", withHeader(good, -64, 128), {}, PakProblem::Empty },
        { "a negative length", withHeader(good, 12 + 5, -128), {}, PakProblem::Empty },
        { "a length that is no multiple of 64", withHeader(good, 12 + 5, 130),
            { "maps/q2dm1.bsp", "readme.txt" }, std::nullopt },
        { "the last entry cut", good.chopped(10), { "maps/q2dm1.bsp" }, PakProblem::Cut },
        { "the directory past the end", withHeader(good, 1 << 20, 128), {}, PakProblem::Cut },
        // A hostile length costs no more than the entries the file can hold.
        { "a length of 2 GB", withHeader(good, 12, 0x7FFFFFFF), { "12345maps/q2dm1.bsp", "" },
            PakProblem::Cut },
        { "a name filling its field", gamefiles::pak({ { longName, "x" } }), { longName }, std::nullopt },
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath(QStringLiteral("test.pak"));
        writeAll(path, c.bytes);
        for (const tk::PakDirectory& pak :
            { tk::readPakDirectory(QByteArrayView(c.bytes)), tk::readPakDirectory(path) }) {
            QList<QByteArray> names;
            for (const tk::PakEntry& e : pak.entries)
                names.append(e.name);
            EXPECT_EQ(names, c.names);
            EXPECT_EQ(pak.problem, c.problem);
        }
    }

    const tk::PakDirectory pak = tk::readPakDirectory(QByteArrayView(good));
    ASSERT_EQ(pak.entries.size(), 2);
    EXPECT_EQ(good.mid(pak.entries[0].offset, pak.entries[0].size), "12345");
    EXPECT_EQ(pak.entries[1].size, 0);
    EXPECT_EQ(tk::readPakDirectory(dir.filePath(QStringLiteral("missing.pak"))).problem, PakProblem::NotAPak);
    EXPECT_EQ(tk::readPakDirectory(dir.path()).problem, PakProblem::NotAPak);
}

TEST(PakDirectory, ReadsNoMoreThanItsBoundOfEntries)
{
    QByteArray huge = withHeader(QByteArray("PACK", 4) + QByteArray(8, '\0'), 12, 0x7FFFFFF0);
    huge.append(QByteArray((tk::kMaxPakEntries + 5) * 64, '\0'));
    const tk::PakDirectory pak = tk::readPakDirectory(QByteArrayView(huge));
    EXPECT_EQ(pak.entries.size(), tk::kMaxPakEntries);
    EXPECT_EQ(pak.problem, PakProblem::TooLarge);
}

TEST(PakDirectory, EveryProblemHasAMessageNamingTheFileAndWhetherTheEngineStops)
{
    for (const PakProblem p :
        { PakProblem::NotAPak, PakProblem::Empty, PakProblem::Cut, PakProblem::TooLarge }) {
        const QString text = tk::pakProblemMessage(p, QStringLiteral("/q/baseq2/pak0.pak"));
        EXPECT_TRUE(text.startsWith(QStringLiteral("/q/baseq2/pak0.pak "))) << text.toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("The engine stops")), tk::engineStopsAt(p))
            << text.toStdString();
    }
}

} // namespace
