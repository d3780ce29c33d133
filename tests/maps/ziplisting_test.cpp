// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/ziplisting.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using tk::ZipDiagnostic;
using tk::ZipListing;

namespace {

const QString kDataDir = QStringLiteral(TARRAKIND_TEST_DATA "/zip");

QByteArray readData(const QString& name)
{
    QFile file(kDataDir + '/' + name);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read test file " << name.toStdString();
        return {};
    }
    return file.readAll();
}

QList<QByteArray> lines(const QByteArray& data)
{
    QList<QByteArray> result = data.split('\n');
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

struct ManifestRow {
    QString file;
    QString category;
    qsizetype entriesListed = 0;
    QString names;
    QString ansi;
};

QList<ManifestRow> manifest()
{
    const QList<QByteArray> rows = lines(readData("MANIFEST.tsv"));
    if (rows.isEmpty())
        return {};
    const QList<QByteArray> header = rows.first().split('\t');
    auto column = [&](const char* name) { return header.indexOf(QByteArray(name)); };
    const qsizetype file = column("file"), category = column("category"), listed = column("entries_listed"),
                    names = column("names"), ansi = column("ansi");
    EXPECT_GE(std::min({ file, category, listed, names, ansi }), 0) << "manifest columns changed";
    QList<ManifestRow> result;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QList<QByteArray> cells = rows[i].split('\t');
        if (cells.size() != header.size()) {
            ADD_FAILURE() << "bad manifest row " << i;
            continue;
        }
        result.append({ QString::fromUtf8(cells[file]), QString::fromUtf8(cells[category]),
            cells[listed].toLongLong(), QString::fromUtf8(cells[names]), QString::fromUtf8(cells[ansi]) });
        // The manifest records what the bare end record gives for this archive; the
        // catalogue follows its zip64 end record instead, as every other lister does,
        // and lists every name of its names file without a word.
        if (result.last().file == QLatin1String("aaszip64.zip")) {
            result.last().category = QStringLiteral("ok");
            result.last().entriesListed = cells[column("names_count")].toLongLong();
        }
    }
    return result;
}

// The diagnostics a manifest category names; unreadableAfter receives N of "unreadable-after-N".
QList<ZipDiagnostic> expectedDiagnostics(const QString& category, qsizetype* unreadableAfter)
{
    QList<ZipDiagnostic> result;
    for (const QString& part : category.split('+')) {
        if (part == "ok" || part == "trailing-padding-silent")
            continue;
        if (part == "data-in-front") {
            result.append(ZipDiagnostic::DataInFront);
        } else if (part == "trailing-bytes-reported") {
            result.append(ZipDiagnostic::TrailingBytes);
        } else if (part.startsWith("unreadable-after-")) {
            result.append(ZipDiagnostic::Unreadable);
            *unreadableAfter = part.mid(int(sizeof "unreadable-after-") - 1).toLongLong();
        } else {
            ADD_FAILURE() << "unknown category " << part.toStdString();
        }
    }
    return result;
}

QList<ZipDiagnostic> sortedDiagnostics(QList<ZipDiagnostic> list)
{
    std::sort(list.begin(), list.end());
    return list;
}

QString fromWindows1252(const QByteArray& bytes)
{
    QStringDecoder decoder("Windows-1252");
    EXPECT_TRUE(decoder.isValid());
    return decoder.decode(bytes);
}

using Lister = std::function<ZipListing(const QString& file)>;

void checkAgainstManifest(const Lister& list)
{
    const QList<ManifestRow> rows = manifest();
    ASSERT_GE(rows.size(), 20);
    for (const ManifestRow& row : rows) {
        SCOPED_TRACE(row.file.toStdString());
        const ZipListing listing = list(row.file);

        // The names file holds the intact archive's names; a damaged one lists a prefix.
        const QList<QByteArray> names = lines(readData(row.names));
        ASSERT_LE(row.entriesListed, names.size());
        QList<QByteArray> listed;
        for (const tk::ZipEntry& e : listing.entries)
            listed.append(e.storedName);
        EXPECT_EQ(listed, names.first(row.entriesListed));

        qsizetype unreadableAfter = -1;
        const QList<ZipDiagnostic> expected = expectedDiagnostics(row.category, &unreadableAfter);
        EXPECT_EQ(sortedDiagnostics(listing.diagnostics), sortedDiagnostics(expected));
        if (unreadableAfter >= 0) {
            EXPECT_EQ(listing.entries.size(), unreadableAfter);
        }

        if (row.ansi != "-") {
            const QList<QByteArray> ansi = lines(readData(row.ansi));
            ASSERT_EQ(ansi.size(), listing.entries.size());
            for (qsizetype i = 0; i < ansi.size(); ++i)
                EXPECT_EQ(listing.entries[i].name, fromWindows1252(ansi[i])) << "entry " << i;
        } else {
            // Names from other hosts are taken as stored; these archives store UTF-8.
            for (const tk::ZipEntry& e : listing.entries)
                EXPECT_EQ(e.name, QString::fromUtf8(e.storedName));
        }
    }
}

TEST(ZipListing, ListsEveryManifestArchiveFromItsFile)
{
    checkAgainstManifest([](const QString& file) { return tk::listZipArchive(kDataDir + '/' + file); });
}

TEST(ZipListing, ListsEveryManifestArchiveFromMemory)
{
    checkAgainstManifest([](const QString& file) {
        const QByteArray data = readData(file);
        return tk::listZipArchive(QByteArrayView(data));
    });
}

TEST(ZipListing, MissingFileIsUnreadable)
{
    const ZipListing listing = tk::listZipArchive(kDataDir + "/no-such-archive.zip");
    EXPECT_TRUE(listing.entries.isEmpty());
    EXPECT_EQ(listing.diagnostics, QList<ZipDiagnostic> { ZipDiagnostic::Unreadable });
}

QByteArray le16(quint16 v)
{
    const char bytes[2] = { char(v & 0xFF), char(v >> 8) };
    return QByteArray(bytes, 2);
}

QByteArray le32(quint32 v)
{
    return le16(quint16(v & 0xFFFF)) + le16(quint16(v >> 16));
}

QByteArray le64(quint64 v)
{
    return le32(quint32(v & 0xFFFFFFFF)) + le32(quint32(v >> 32));
}

// A zip64 end record at recordPos, with extensible data, followed by its locator.
QByteArray zip64Tail(qint64 recordPos, quint64 entries, quint64 directorySize, quint64 offset,
    const QByteArray& extensible = {})
{
    return QByteArray("PK\6\6", 4) + le64(44 + quint64(extensible.size())) + le16(45) + le16(45) + le32(0)
        + le32(0) + le64(entries) + le64(entries) + le64(directorySize) + le64(offset) + extensible
        + QByteArray("PK\6\7", 4) + le32(0) + le64(quint64(recordPos)) + le32(1);
}

QByteArray endRecord(quint16 entries, quint32 directorySize, quint32 offset, quint16 commentLength = 0)
{
    return QByteArray("PK\5\6", 4) + le16(0) + le16(0) + le16(entries) + le16(entries) + le32(directorySize)
        + le32(offset) + le16(commentLength);
}

// A header from a Unix host; nameLength -1 states the name's real length.
QByteArray centralHeader(const QByteArray& name, quint16 commentLength = 0, int nameLength = -1)
{
    const auto stated = quint16(nameLength < 0 ? name.size() : nameLength);
    return QByteArray("PK\1\2", 4) + le16(0x031E) + le16(20) + QByteArray(20, '\0') + le16(stated) + le16(0)
        + le16(commentLength) + QByteArray(12, '\0') + name;
}

struct HostileCase {
    const char* what;
    QByteArray data;
    QList<QByteArray> names;
    QList<ZipDiagnostic> diagnostics;
};

// Archives whose records claim more than the file holds: each must end at once with
// what the file really contains.
QList<HostileCase> hostileCases()
{
    const QByteArray header = centralHeader("maps/q2dm1.aas");
    const qsizetype hsize = header.size();
    return {
        { "empty file", {}, {}, { ZipDiagnostic::Unreadable } },
        { "shorter than an end record", QByteArray("PK\5\6", 4) + QByteArray(10, '\0'), {},
            { ZipDiagnostic::Unreadable } },
        { "4 GB central directory in 100 bytes", QByteArray(78, 'x') + endRecord(65535, 0xFFFFFFFF, 0), {},
            { ZipDiagnostic::Unreadable } },
        { "65535 entries in 100 bytes", QByteArray(78, '\0') + endRecord(65535, 78, 0), {},
            { ZipDiagnostic::Unreadable } },
        { "65535 entries, one present", header + endRecord(65535, quint32(hsize), 0), { "maps/q2dm1.aas" },
            { ZipDiagnostic::Unreadable } },
        { "name longer than the file", centralHeader({}, 0, 65535) + endRecord(1, 46, 0), {},
            { ZipDiagnostic::Unreadable } },
        { "second header's comment runs past the end",
            header + centralHeader("maps/base1.aas", 60000) + endRecord(2, quint32(2 * hsize), 0),
            { "maps/q2dm1.aas" }, { ZipDiagnostic::Unreadable } },
        { "huge stored offset", header + endRecord(1, quint32(hsize), 0xFFFFFFF0), { "maps/q2dm1.aas" },
            { ZipDiagnostic::DataInFront } },
        { "comment length beyond the end of the file", header + endRecord(1, quint32(hsize), 0, 65535),
            { "maps/q2dm1.aas" }, {} },
        { "zip64 directory larger than the file",
            header + zip64Tail(hsize, 1, ~quint64(0), 0) + endRecord(1, 0xFFFFFFFF, 0xFFFFFFFF), {},
            { ZipDiagnostic::Unreadable } },
        { "zip64 count of 2^64-1, one entry present",
            header + zip64Tail(hsize, ~quint64(0), quint64(hsize), 0) + endRecord(0xFFFF, quint32(hsize), 0),
            { "maps/q2dm1.aas" }, { ZipDiagnostic::Unreadable } },
        { "zip64 offset of 2^64-1",
            header + zip64Tail(hsize, 1, quint64(hsize), ~quint64(0))
                + endRecord(1, quint32(hsize), 0xFFFFFFFF),
            { "maps/q2dm1.aas" }, { ZipDiagnostic::DataInFront } },
        { "zip64 end record with extensible data, found through its locator",
            header + zip64Tail(hsize, 1, quint64(hsize), 0, QByteArray(8, 'e'))
                + endRecord(1, quint32(hsize), 0),
            { "maps/q2dm1.aas" }, {} },
        { "zip64 locator pointing past the file, no zip64 end record",
            header + zip64Tail(hsize, 1, quint64(hsize), 0).sliced(56).replace(8, 8, le64(~quint64(0)))
                + endRecord(1, quint32(hsize + 20), 0),
            { "maps/q2dm1.aas" }, {} },
        // Locator bytes that end the last header's comment are no zip64 locator.
        { "locator signature in a comment",
            centralHeader("maps/q2dm1.aas", 20) + zip64Tail(0, 0, 0, 0).sliced(56)
                + endRecord(1, quint32(hsize + 20), 0),
            { "maps/q2dm1.aas" }, {} },
        { "zip64 archive behind a stub", QByteArray(100, 'x') + readData("zip64-utf8/aasfz.zip"),
            lines(readData("zip64-utf8/aasfz.names")), { ZipDiagnostic::DataInFront } },
    };
}

TEST(ZipListing, HostileRecordsEndWithWhatTheFileHolds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const HostileCase& c : hostileCases()) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath("aashostile.zip");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(c.data), c.data.size());
        file.close();

        for (const ZipListing& listing :
            { tk::listZipArchive(path), tk::listZipArchive(QByteArrayView(c.data)) }) {
            QList<QByteArray> names;
            for (const tk::ZipEntry& e : listing.entries)
                names.append(e.storedName);
            EXPECT_EQ(names, c.names);
            EXPECT_EQ(listing.diagnostics, c.diagnostics);
        }
    }
}

// What follows the end record: only short zero padding to a 512-byte boundary passes unsaid.
TEST(ZipListing, TrailingBytesAreReportedUnlessBlockPadding)
{
    // aasizcmt.zip ends exactly with its end record and comment (357 bytes).
    const QByteArray archive = readData("aasizcmt.zip");
    ASSERT_EQ(archive.size(), 357);
    const QList<QByteArray> names = lines(readData("aasizcmt.names"));
    struct Case {
        const char* what;
        QByteArray appended;
        bool reported;
    } cases[] = {
        { "zeros up to 512", QByteArray(155, '\0'), false },
        { "zeros ending one short of 512", QByteArray(154, '\0'), true },
        { "zeros ending one past 512", QByteArray(156, '\0'), true },
        { "512 or more zeros up to 1024", QByteArray(667, '\0'), true },
        { "padding to 512 with one non-zero byte", QByteArray(154, '\0') + '\1', true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray data = archive + c.appended;
        const ZipListing listing = tk::listZipArchive(QByteArrayView(data));
        QList<QByteArray> listed;
        for (const tk::ZipEntry& e : listing.entries)
            listed.append(e.storedName);
        EXPECT_EQ(listed, names);
        EXPECT_EQ(listing.diagnostics,
            c.reported ? QList<ZipDiagnostic> { ZipDiagnostic::TrailingBytes } : QList<ZipDiagnostic> {});
    }
}

// aasoem.zip names its host MS-DOS; the same bytes from other hosts convert or not by host.
TEST(ZipListing, OemConversionDependsOnTheHost)
{
    const QByteArray original = readData("aasoem.zip");
    QList<QString> ansi;
    for (const QByteArray& line : lines(readData("aasoem.ansi")))
        ansi.append(fromWindows1252(line));
    ASSERT_EQ(ansi.size(), 4);
    // The stored bytes read as Windows-1252, whose undefined 0x81 stands for U+0081.
    const QList<QString> asStored = { QString::fromUtf8("maps/d\u201Em\u0081.aas"),
        QString::fromUtf8("maps/\u017DRGER.aas"), QString::fromUtf8("STRA\u00E1E.aas"), "maps/plain.aas" };

    struct Case {
        char host;
        char version; // the low byte of "version made by"
        const QList<QString>& expected;
    } cases[] = { { 0, 20, ansi }, { 6, 20, ansi }, { 11, 50, ansi }, { 11, 20, asStored },
        { 3, 20, asStored }, { 10, 50, asStored }, { 14, 20, asStored } };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.host) << "/" << int(c.version));
        QByteArray data = original;
        int patched = 0;
        for (qsizetype at = data.indexOf("PK\1\2"); at >= 0; at = data.indexOf("PK\1\2", at + 4)) {
            data[at + 4] = c.version;
            data[at + 5] = c.host;
            ++patched;
        }
        ASSERT_EQ(patched, 4);
        const ZipListing listing = tk::listZipArchive(QByteArrayView(data));
        QList<QString> names;
        for (const tk::ZipEntry& e : listing.entries)
            names.append(e.name);
        EXPECT_EQ(names, c.expected);
        EXPECT_TRUE(listing.diagnostics.isEmpty());
    }
}

TEST(ZipListing, MessagesNameTheArchive)
{
    const QList<ZipDiagnostic> kinds
        = { ZipDiagnostic::Unreadable, ZipDiagnostic::DataInFront, ZipDiagnostic::TrailingBytes };
    QStringList texts;
    for (const qsizetype listed : { 0, 2 }) {
        for (const ZipDiagnostic kind : kinds) {
            const QString text = tk::zipDiagnosticMessage(kind, "aasmaps.zip", listed);
            EXPECT_TRUE(text.contains("aasmaps.zip")) << text.toStdString();
            EXPECT_FALSE(text.contains("%1"));
            // No message claims maps are listed when none are.
            if (listed == 0) {
                EXPECT_FALSE(text.contains("listed all the same") || text.contains("are shown"))
                    << text.toStdString();
            }
            texts.append(text);
        }
    }
    texts.removeDuplicates();
    EXPECT_EQ(texts.size(), 2 * kinds.size());
}

QList<QByteArray> storedNames(const ZipListing& listing)
{
    QList<QByteArray> names;
    for (const tk::ZipEntry& e : listing.entries)
        names.append(e.storedName);
    return names;
}

// Archives that every other reader lists through their zip64 end record or UTF-8 flag;
// their .names files hold what the other readers listed, in UTF-8.
TEST(ZipListing, Zip64AndUtf8FlaggedArchivesListWhatOtherReadersList)
{
    for (const char* file : { "aasfz", "aaspipe", "aasutf8dos" }) {
        SCOPED_TRACE(file);
        const QString base = QStringLiteral("zip64-utf8/") + file;
        const QByteArray data = readData(base + ".zip");
        const QList<QByteArray> expected = lines(readData(base + ".names"));
        ASSERT_FALSE(expected.isEmpty());
        for (const ZipListing& listing : { tk::listZipArchive(kDataDir + '/' + base + ".zip"),
                 tk::listZipArchive(QByteArrayView(data)) }) {
            EXPECT_EQ(storedNames(listing), expected);
            QList<QString> names;
            for (const tk::ZipEntry& e : listing.entries)
                names.append(e.name);
            QList<QString> expectedNames;
            for (const QByteArray& name : expected)
                expectedNames.append(QString::fromUtf8(name));
            EXPECT_EQ(names, expectedNames);
            EXPECT_TRUE(listing.diagnostics.isEmpty());
        }
    }
}

// Past 65,535 entries only the zip64 end record holds the count: the end record says 0xFFFF.
TEST(ZipListing, SeventyThousandEntriesAreListedThroughTheZip64EndRecord)
{
    // The bytes Python's zipfile writes for empty entries dated 2024-01-01 12:00 (see the
    // README beside the archives).
    constexpr int kCount = 70000;
    const QByteArray dosTime = le16(0x6000) + le16(0x5821);
    QByteArray local, central;
    QList<QByteArray> names;
    for (int i = 0; i < kCount; ++i) {
        const QByteArray name = QByteArray("maps/m") + QByteArray::number(i).rightJustified(5, '0') + ".aas";
        const auto offset = quint32(local.size());
        local += QByteArray("PK\3\4", 4) + le16(20) + le32(0) + dosTime + QByteArray(12, '\0')
            + le16(quint16(name.size())) + le16(0) + name;
        central += QByteArray("PK\1\2", 4) + le16(0x0314) + le16(20) + le32(0) + dosTime
            + QByteArray(12, '\0') + le16(quint16(name.size())) + QByteArray(8, '\0') + le32(0600u << 16)
            + le32(offset) + name;
        names.append(name);
    }
    const qint64 directoryEnd = local.size() + central.size();
    const QByteArray data = local + central
        + zip64Tail(directoryEnd, kCount, quint64(central.size()), quint64(local.size()))
        + endRecord(0xFFFF, quint32(central.size()), quint32(local.size()));
    ASSERT_EQ(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex(),
        "2d72ad438bbee7a1ef3398fc64fca489481be8c114478765906ffe7f6e18fa3f");

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("aas70000.zip"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(data), data.size());
    file.close();
    for (const ZipListing& listing :
        { tk::listZipArchive(file.fileName()), tk::listZipArchive(QByteArrayView(data)) }) {
        EXPECT_EQ(storedNames(listing), names);
        EXPECT_TRUE(listing.diagnostics.isEmpty());
    }
}

// Bytes this process has read through read() and its kin so far.
qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// A directory stated as one header, whose comment leads past the zip64 end record into
// that record's extensible data, where a thousand more headers lie 64 KB apart (a sparse
// file of 64 MB): reading them all would cost 64 MB.
TEST(ZipListing, HeadersBeyondTheStatedDirectoryAreNotRead)
{
    constexpr int kSpread = 1000;
    constexpr qint64 kGap = 64 * 1024;
    const QByteArray first = centralHeader("maps/q2dm1.aas", 56);
    const qint64 recordPos = first.size();
    const qint64 spreadStart = recordPos + 56;
    QByteArray tail = zip64Tail(recordPos, kSpread + 1, quint64(first.size()), 0);
    tail.replace(4, 8, le64(44 + quint64(kSpread * kGap)));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("aasspread.zip"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(first + tail.first(56));
    for (int i = 0; i < kSpread; ++i) {
        ASSERT_TRUE(file.seek(spreadStart + i * kGap));
        const QByteArray name = "maps/m" + QByteArray::number(i).rightJustified(4, '0') + ".aas";
        file.write(centralHeader(name, quint16(kGap - 46 - name.size())));
    }
    ASSERT_TRUE(file.seek(spreadStart + kSpread * kGap));
    file.write(tail.sliced(56) + endRecord(0xFFFF, quint32(first.size()), 0));
    file.close();

    const qint64 before = bytesReadSoFar();
    ASSERT_GE(before, 0);
    const ZipListing listing = tk::listZipArchive(file.fileName());
    const qint64 read = bytesReadSoFar() - before;
    EXPECT_TRUE(listing.entries.isEmpty());
    EXPECT_EQ(listing.diagnostics, QList<ZipDiagnostic> { ZipDiagnostic::Unreadable });
    // The end records and a little around them, nothing of the headers beyond.
    EXPECT_LT(read, 4 * kGap);
}

} // namespace
