// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/pakfile.h"
#include "support/files.h"
#include "support/gamefiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using tk::PakProblem;

// good with another directory offset and length.
QByteArray header(const QByteArray& good, qint32 offset, qint32 length)
{
    return "PACK" + gamefiles::le(quint32(offset)) + gamefiles::le(quint32(length)) + good.mid(12);
}

TEST(PakDirectory, ListsWhatTheEngineListsAndNamesWhatIsWrong)
{
    const QByteArray good = gamefiles::pak({ { "maps/q2dm1.bsp", "12345" }, { "readme.txt", "" } });
    const QList<QByteArray> both { "maps/q2dm1.bsp", "readme.txt" };
    const QByteArray longName(56, 'n');
    const struct {
        const char* what;
        QByteArray bytes;
        QList<QByteArray> names;
        std::optional<PakProblem> problem;
    } cases[] = {
        { "good", good, both, std::nullopt },
        { "empty file", "", {}, PakProblem::NotAPak },
        { "shorter than its header", good.left(11), {}, PakProblem::NotAPak },
        { "another format", "PK\3\4" + good.mid(4), {}, PakProblem::NotAPak },
        { "less than one entry", header(good, 17, 63), {}, PakProblem::Empty },
        { "a negative offset", header(good, -64, 128), {}, PakProblem::Empty },
        { "a negative length", header(good, 17, -128), {}, PakProblem::Empty },
        { "a length that is no multiple of 64", header(good, 17, 130), both, std::nullopt },
        { "the last entry cut", good.chopped(10), { both[0] }, PakProblem::Cut },
        { "the directory past the end", header(good, 1 << 20, 128), {}, PakProblem::Cut },
        // A hostile length costs no more than the entries the file has room for.
        { "a length of 2 GB", header(good, 12, 0x7FFFFFFF), { "12345maps/q2dm1.bsp", "" }, PakProblem::Cut },
        { "a name filling its field", gamefiles::pak({ { longName, "x" } }), { longName }, std::nullopt },
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("test.pak"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeAll(path, c.bytes);
        for (const tk::PakDirectory& pak :
            { tk::readPakDirectory(QByteArrayView(c.bytes)), tk::readPakDirectory(path) }) {
            QList<QByteArray> names;
            for (const tk::PakEntry& e : pak.entries)
                names.append(e.name);
            EXPECT_EQ(names, c.names);
            EXPECT_EQ(pak.problem, c.problem);
        }
        if (c.problem) { // the message names the file and says whether the engine stops
            const QString text = tk::pakProblemMessage(*c.problem, path);
            EXPECT_TRUE(text.startsWith(path + ' ')
                && text.contains("The engine stops") == tk::engineStopsAt(*c.problem))
                << text.toStdString();
        }
    }
    const tk::PakEntry first = tk::readPakDirectory(QByteArrayView(good)).entries.value(0);
    EXPECT_EQ(good.mid(first.offset, first.size), "12345");
    EXPECT_EQ(tk::readPakDirectory(dir.path()).problem, PakProblem::NotAPak);

    QByteArray huge
        = header(QByteArray(12, '\0'), 12, 0x7FFFFFF0) + QByteArray((tk::kMaxPakEntries + 5) * 64, '\0');
    const tk::PakDirectory bounded = tk::readPakDirectory(QByteArrayView(huge));
    EXPECT_EQ(bounded.entries.size(), tk::kMaxPakEntries);
    EXPECT_EQ(bounded.problem, PakProblem::TooLarge);
}

} // namespace
