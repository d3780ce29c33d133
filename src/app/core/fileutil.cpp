// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/fileutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tk {

namespace {

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
        return cancel(QStringLiteral("Only %1 of %2 bytes were written").arg(file.size()).arg(data.size()));
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

} // namespace

QString unableToWriteMessage(const QString& path, const QString& reason)
{
    return withReason(QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path), reason);
}

QString cannotCreateFileMessage(const QString& path, const QString& reason)
{
    return withReason(QStringLiteral("Cannot create file ") + QDir::toNativeSeparators(path), reason);
}

bool readFile(const QString& path, QByteArray* data, QString* errorText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    *data = file.readAll();
    return true;
}

} // namespace tk
