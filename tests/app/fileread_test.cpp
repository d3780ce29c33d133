// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/fileutil.h"
#include "support/fifo.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using tk::FileState;

namespace {

constexpr qint64 kLimit = 1024 * 1024;

struct ReadCase {
    const char* label;
    // Puts something at path; may keep it alive (a pipe's guard) in the returned object.
    std::function<std::shared_ptr<void>(const QString& path)> make;
    FileState state;
    const char* reason; // empty: the system's text, whatever it is
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.label;
}

std::shared_ptr<void> fileOf(const QString& path, qint64 size)
{
    writeAll(path, QByteArray(size, 'x'));
    return nullptr;
}

class ReadFile : public ::testing::TestWithParam<ReadCase> {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("default.tsf"));
};

// Only a regular file within the limit is read; nothing else is even opened for reading,
// so a pipe cannot block the launcher and a device cannot flood it.
TEST_P(ReadFile, ReadsOnlyARegularFileWithinTheLimit)
{
    const ReadCase& c = GetParam();
    const std::shared_ptr<void> keep = c.make(path);
    QByteArray data("untouched");
    const tk::FileCheck read = tk::readFile(path, &data, kLimit);
    EXPECT_EQ(read.state, c.state);
    if (*c.reason) {
        EXPECT_EQ(read.reason, QLatin1String(c.reason));
    }
    if (c.state == FileState::Readable) {
        EXPECT_EQ(data, readAll(path));
        EXPECT_EQ(read.size, data.size());
    } else {
        EXPECT_EQ(data, "untouched");
    }
    EXPECT_EQ(tk::checkFile(path, kLimit).state, c.state);

    QFile file;
    const bool opened = bool(tk::openRegularFile(path, file));
    EXPECT_EQ(opened, c.state == FileState::Readable || c.state == FileState::TooLarge);
    EXPECT_EQ(file.isOpen(), opened);
    if (auto* fifo = static_cast<GuardedFifo*>(keep.get())) {
        EXPECT_FALSE(fifo->readerWasStuck());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadFile,
    ::testing::Values(
        ReadCase { "empty", [](const QString& p) { return fileOf(p, 0); }, FileState::Readable, "" },
        ReadCase {
            "atTheLimit", [](const QString& p) { return fileOf(p, kLimit); }, FileState::Readable, "" },
        ReadCase { "overTheLimit", [](const QString& p) { return fileOf(p, kLimit + 1); },
            FileState::TooLarge, "it is larger than 1 MB" },
        ReadCase {
            "missing", [](const QString&) { return std::shared_ptr<void>(); }, FileState::Missing, "" },
        ReadCase { "directory",
            [](const QString& p) {
                QDir().mkpath(p);
                return std::shared_ptr<void>();
            },
            FileState::Directory, "it is a directory" },
        ReadCase { "fifo",
            [](const QString& p) {
                auto fifo = std::make_shared<GuardedFifo>(p);
                EXPECT_TRUE(fifo->created());
                return std::shared_ptr<void>(fifo);
            },
            FileState::NotRegular, "it is not a regular file" },
        ReadCase { "linkToDevZero",
            [](const QString& p) {
                EXPECT_TRUE(QFile::link(QStringLiteral("/dev/zero"), p));
                return std::shared_ptr<void>();
            },
            FileState::NotRegular, "it is not a regular file" },
        ReadCase { "linkToAFile",
            [](const QString& p) {
                fileOf(p + QStringLiteral(".real"), 10);
                EXPECT_TRUE(QFile::link(p + QStringLiteral(".real"), p));
                return std::shared_ptr<void>();
            },
            FileState::Readable, "" }),
    [](const ::testing::TestParamInfo<ReadCase>& paramInfo) { return std::string(paramInfo.param.label); });

TEST(ReadFileGrowing, AFileLargerThanItsStatedSizeIsStillCutAtTheLimit)
{
    // Files of /proc state a size of 0 and hold more.
    QByteArray data;
    const tk::FileCheck read = tk::readFile(QStringLiteral("/proc/self/status"), &data, 16);
    EXPECT_EQ(read.state, FileState::TooLarge);
    EXPECT_TRUE(data.isEmpty());
    EXPECT_TRUE(bool(tk::readFile(QStringLiteral("/proc/self/status"), &data, kLimit)));
    EXPECT_TRUE(data.startsWith("Name:"));
}

} // namespace
