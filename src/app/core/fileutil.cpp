// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/fileutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tk {

namespace {

// The translation context of this file's texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FileCheck)
};

char16_t lowerAscii(char16_t c)
{
    return (c >= 'A' && c <= 'Z') ? char16_t(c + ('a' - 'A')) : c;
}

bool matchFrom(const QChar* n, const QChar* nEnd, const QChar* p, const QChar* pEnd)
{
    // Iterative wildcard match with one back-tracking point: linear for the
    // patterns used here and never recursive on hostile names.
    const QChar* star = nullptr;
    const QChar* starName = nullptr;
    while (n != nEnd) {
        if (p != pEnd && *p == '*') {
            star = p++;
            starName = n;
        } else if (p != pEnd && (*p == '?' || lowerAscii(p->unicode()) == lowerAscii(n->unicode()))) {
            ++p;
            ++n;
        } else if (star) {
            p = star + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p != pEnd && *p == '*')
        ++p;
    return p == pEnd;
}

bool sameIgnoringCase(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i].unicode()) != lowerAscii(b[i].unicode()))
            return false;
    }
    return true;
}

QStringList sorted(QStringList names)
{
    std::sort(names.begin(), names.end(), lessCaseInsensitive);
    return names;
}

} // namespace

bool lessCaseInsensitive(const QString& a, const QString& b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = lowerAscii(a[i].unicode());
        const char16_t y = lowerAscii(b[i].unicode());
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

bool matchesPattern(const QString& name, const QString& pattern)
{
    return matchFrom(name.constData(), name.constData() + name.size(), pattern.constData(),
        pattern.constData() + pattern.size());
}

QStringList listFiles(const QString& dir, const QString& pattern)
{
    // Filtering ourselves keeps the match case-insensitive on a case-sensitive file system.
    QStringList names;
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : entries) {
        const QString name = info.fileName();
        if (!name.startsWith('.') && matchesPattern(name, pattern))
            names.append(name);
    }
    return sorted(names);
}

QStringList listSubdirectories(const QString& dir)
{
    QStringList names;
    const QStringList entries = QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : entries) {
        if (!name.startsWith('.'))
            names.append(name);
    }
    return sorted(names);
}

bool fileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

QString existingFileName(const QString& dir, const QString& name)
{
    if (name.isEmpty() || fileExists(dir + QLatin1Char('/') + name))
        return name;
    QString found;
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : entries) {
        const QString candidate = info.fileName();
        if (!sameIgnoringCase(candidate, name))
            continue;
        if (!found.isEmpty())
            return name; // more than one: none is the one meant
        found = candidate;
    }
    return found.isEmpty() ? name : found;
}

bool directoryExists(const QString& path)
{
    return QFileInfo(path).isDir();
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* errorText)
{
    const auto fail = [errorText](const QString& reason) {
        if (errorText)
            *errorText = reason;
        return false;
    };
    const QFileInfo existing(path);
    // A file that already holds these bytes is left alone: no temporary file, no
    // sync to disk, and no window in which it could be lost.
    if (existing.isFile() && existing.size() == data.size()) {
        QFile current(path);
        if (current.open(QIODevice::ReadOnly) && current.readAll() == data)
            return true;
    }

    // Unbuffered, so that every write reports its own failure: a flush inside commit()
    // that fails (a full disk) would otherwise still rename the short file into place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    const auto cancel = [&file, &fail](const QString& reason) {
        file.cancelWriting();
        return fail(reason);
    };
#ifdef Q_OS_UNIX
    // The new file takes the place of the old one with its mode (a read-only file
    // that root may replace stays read-only).
    struct stat old;
    if (existing.exists() && ::stat(QFile::encodeName(path).constData(), &old) == 0
        && ::fchmod(file.handle(), old.st_mode & 07777) != 0)
        return cancel(QString::fromLocal8Bit(std::strerror(errno)));
#endif
    for (qsizetype done = 0; done < data.size();) {
        const qint64 n = file.write(data.constData() + done, data.size() - done);
        if (n <= 0)
            return cancel(file.errorString());
        done += n;
    }
#ifdef Q_OS_UNIX
    // The bytes must be on disk before the rename makes them the file.
    if (::fsync(file.handle()) != 0)
        return cancel(QString::fromLocal8Bit(std::strerror(errno)));
#endif
    if (file.size() != data.size())
        return cancel(Texts::tr("Only %1 of %2 bytes were written").arg(file.size()).arg(data.size()));
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

namespace {

QString withReason(QString text, const QString& reason)
{
    if (!reason.isEmpty())
        text += QStringLiteral(": ") + reason;
    return text;
}

FileCheck tooLarge(qint64 size, qint64 maxSize)
{
    return { FileState::TooLarge, size,
        Texts::tr("it is larger than %1 MB").arg(QString::number(maxSize / (1024 * 1024))) };
}

#ifdef Q_OS_UNIX
FileCheck systemFailure(int error)
{
    // A path that cannot name a file (through a file, too long, a loop of links) holds none.
    const bool none = error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG || error == ELOOP;
    return { none ? FileState::Missing : FileState::Failed, 0, QString::fromLocal8Bit(std::strerror(error)) };
}

FileCheck checkStat(const struct stat& st, qint64 maxSize)
{
    if (S_ISDIR(st.st_mode))
        return { FileState::Directory, 0, Texts::tr("it is a directory") };
    if (!S_ISREG(st.st_mode))
        return { FileState::NotRegular, 0, Texts::tr("it is not a regular file") };
    if (st.st_size > maxSize)
        return tooLarge(st.st_size, maxSize);
    return { FileState::Readable, st.st_size, {} };
}

// Opens without waiting and checks what was opened as well as what was looked at: a
// file swapped for a pipe in between is still refused, and never blocks the open.
int openChecked(const QString& path, qint64 maxSize, FileCheck& check)
{
    check = checkFile(path, maxSize);
    if (!check)
        return -1;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        check = systemFailure(errno);
        return -1;
    }
    struct stat st;
    check = ::fstat(fd, &st) == 0 ? checkStat(st, maxSize) : systemFailure(errno);
    if (!check) {
        ::close(fd);
        return -1;
    }
    return fd;
}
#endif

} // namespace

QString unableToWriteMessage(const QString& path, const QString& reason)
{
    return withReason(Texts::tr("Unable to write to %1").arg(QDir::toNativeSeparators(path)), reason);
}

QString cannotCreateFileMessage(const QString& path, const QString& reason)
{
    return withReason(Texts::tr("Cannot create file %1").arg(QDir::toNativeSeparators(path)), reason);
}

FileCheck checkFile(const QString& path, qint64 maxSize)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return systemFailure(errno);
    return checkStat(st, maxSize);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return { FileState::Missing, 0, Texts::tr("it does not exist") };
    if (info.isDir())
        return { FileState::Directory, 0, Texts::tr("it is a directory") };
    if (!info.isFile())
        return { FileState::NotRegular, 0, Texts::tr("it is not a regular file") };
    if (info.size() > maxSize)
        return tooLarge(info.size(), maxSize);
    return { FileState::Readable, info.size(), {} };
#endif
}

FileCheck readFile(const QString& path, QByteArray* data, qint64 maxSize)
{
#ifdef Q_OS_UNIX
    FileCheck check;
    const int fd = openChecked(path, maxSize, check);
    if (fd < 0)
        return check;
    // One byte to spare finds the end of the file in the same buffer.
    QByteArray buffer(check.size + 1, Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        if (done == buffer.size()) {
            // The file grew since it was looked at: read on, up to one byte past the limit.
            if (done > maxSize)
                break;
            buffer.resize(qMin(maxSize + 1, qMax<qint64>(2 * done, 4096)));
        }
        const ssize_t n = ::read(fd, buffer.data() + done, size_t(buffer.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            check = systemFailure(errno);
            ::close(fd);
            return check;
        }
        if (n == 0)
            break;
        done += n;
    }
    ::close(fd);
    if (done > maxSize)
        return tooLarge(done, maxSize);
    buffer.truncate(done);
    *data = std::move(buffer);
    check.size = done;
    return check;
#else
    FileCheck check = checkFile(path, maxSize);
    if (!check)
        return check;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { FileState::Failed, 0, file.errorString() };
    QByteArray buffer = file.read(maxSize + 1);
    if (buffer.size() > maxSize)
        return tooLarge(buffer.size(), maxSize);
    check.size = buffer.size();
    *data = std::move(buffer);
    return check;
#endif
}

FileCheck openRegularFile(const QString& path, QFile& file)
{
    constexpr qint64 anySize = std::numeric_limits<qint64>::max();
#ifdef Q_OS_UNIX
    FileCheck check;
    const int fd = openChecked(path, anySize, check);
    if (fd < 0)
        return check;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return { FileState::Failed, 0, file.errorString() };
    return check;
#else
    FileCheck check = checkFile(path, anySize);
    if (check && !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return { FileState::Failed, 0, file.errorString() };
    return check;
#endif
}

} // namespace tk
