// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/fileutil.h"
#include "app/core/random.h"
#include "app/core/textcodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Lines = QList<QByteArray>;

TEST(SplitLines, AcceptsEveryLineEndAndAddsNoLineForAFinalOne)
{
    EXPECT_EQ(tk::splitLines(""), Lines {});
    EXPECT_EQ(tk::splitLines("a\r\nb\rc\nd"), (Lines { "a", "b", "c", "d" }));
    EXPECT_EQ(tk::splitLines("a\r\n"), (Lines { "a" }));
    EXPECT_EQ(tk::splitLines("a\n\nb\n"), (Lines { "a", "", "b" }));
    EXPECT_EQ(tk::splitLines("\r\n\r\n"), (Lines { "", "" }));
    // CR then LF is one line end; LF then CR two.
    EXPECT_EQ(tk::splitLines("a\n\rb"), (Lines { "a", "", "b" }));
    EXPECT_EQ(tk::joinLinesCrLf({ "a", "", "b" }), QByteArray("a\r\n\r\nb\r\n"));
}

TEST(DecodeText, ReadsUtf8AndFallsBackToWindows1252)
{
    EXPECT_EQ(tk::decodeText("caf\xc3\xa9"), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(tk::decodeText("caf\xe9 \x80\x9f"), QStringLiteral("caf\u00e9 \u20ac\u0178"));
    EXPECT_EQ(tk::encodeText(QStringLiteral("\u00e9")), QByteArray("\xc3\xa9"));
}

TEST(Listing, MatchesAndSortsWithoutRegardToCase)
{
    QTemporaryDir dir;
    for (const char* name : { "b.CFG", "A.cfg", "c.cfg.bak", ".hidden.cfg", "a.cfg", "x.txt" }) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QDir(dir.path()).mkdir(QStringLiteral("dir.cfg"));
    QDir(dir.path()).mkdir(QStringLiteral("Models"));
    QDir(dir.path()).mkdir(QStringLiteral(".git"));
    // Names equal without regard to case keep their byte order: "A.cfg" before "a.cfg".
    EXPECT_EQ(
        tk::listFiles(dir.path(), QStringLiteral("*.cfg")), (QStringList { "A.cfg", "a.cfg", "b.CFG" }));
    EXPECT_EQ(tk::listSubdirectories(dir.path()), (QStringList { "dir.cfg", "Models" }));
    EXPECT_TRUE(tk::listFiles(dir.filePath(QStringLiteral("missing")), QStringLiteral("*")).isEmpty());
}

TEST(Listing, WildcardPatterns)
{
    EXPECT_TRUE(tk::matchesPattern(QStringLiteral("AASmaps.ZIP"), QStringLiteral("aas*.zip")));
    EXPECT_TRUE(tk::matchesPattern(QStringLiteral("aas.zip"), QStringLiteral("aas*.zip")));
    EXPECT_FALSE(tk::matchesPattern(QStringLiteral("maps.zip"), QStringLiteral("aas*.zip")));
    EXPECT_FALSE(tk::matchesPattern(QStringLiteral("q2dm1.aas.bak"), QStringLiteral("*.aas")));
    EXPECT_TRUE(tk::matchesPattern(QStringLiteral(".aas"), QStringLiteral("*.aas")));
    // A hostile name must not make the match slow.
    EXPECT_FALSE(tk::matchesPattern(QString(100000, 'a'), QStringLiteral("*a*a*a*a*b")));
}

TEST(AtomicWrite, ReplacesOrLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    ASSERT_TRUE(tk::writeFileAtomically(path, "one"));
    ASSERT_TRUE(tk::writeFileAtomically(path, "two"));
    QByteArray data;
    ASSERT_TRUE(tk::readFile(path, &data, 16));
    EXPECT_EQ(data, "two");

    QString error;
    EXPECT_FALSE(tk::writeFileAtomically(dir.filePath(QStringLiteral("no/such/dir/f.txt")), "x", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(Random, FollowsTheLinearCongruentialRecurrence)
{
    tk::Random r;
    r.seed(1);
    // seed 1 -> 134775814; 134775814 * 10 >> 32 = 0.
    EXPECT_EQ(r.below(10), 0u);
    EXPECT_EQ(r.state(), 134775814u);
    // 134775814 * 134775813 + 1 mod 2^32 = 3698175007; * 100 >> 32 = 86.
    EXPECT_EQ(r.below(100), 86u);
    EXPECT_EQ(r.state(), 3698175007u);
    EXPECT_EQ(r.below(0), 0u);
}

} // namespace
