// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/fileutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Lets this process write no file beyond limit bytes while it lives: the kernel then
// fails the write as a full disk would (EFBIG instead of ENOSPC), with no privileges.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered = m_old;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(data), data.size());
}

mode_t modeOf(const QString& path)
{
    struct stat st { };
    stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

TEST(WriteFileAtomically, AWriteThatFailsPartWayLeavesTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bots.cfg"));
    writeAll(path, "old contents\r\n");
    // Smaller than Qt's write buffer, so that the failure comes only when the buffer is
    // flushed, and larger than the limit, so that it comes part way through.
    const QByteArray big(10000, 'x');
    QString reason;
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(tk::writeFileAtomically(path, big, &reason));
    }
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(readAll(path), "old contents\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "bots.cfg" })
        << "no temporary file left";

    // A new file that cannot be written whole is not created at all.
    const QString fresh = dir.filePath(QStringLiteral("tark.cfg"));
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(tk::writeFileAtomically(fresh, big));
    }
    EXPECT_FALSE(QFile::exists(fresh));

    ASSERT_TRUE(tk::writeFileAtomically(path, big));
    EXPECT_EQ(readAll(path), big);
}

TEST(WriteFileAtomically, AReplacedFileKeepsItsMode)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("maps.lst"));
    writeAll(path, "q2dm1\r\n");
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(tk::writeFileAtomically(path, "q2dm2\r\n"));
    EXPECT_EQ(modeOf(path), mode_t(0640));

    // Only root may replace a read-only file; it stays read-only.
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0444), 0);
    const bool replaced = tk::writeFileAtomically(path, "q2dm3\r\n");
    EXPECT_EQ(replaced, geteuid() == 0);
    EXPECT_EQ(readAll(path), replaced ? "q2dm3\r\n" : "q2dm2\r\n");
    EXPECT_EQ(modeOf(path), mode_t(0444));
}

} // namespace
