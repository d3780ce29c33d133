#include "app/core/fileutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

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

bool directoryExists(const QString& path)
{
    return QFileInfo(path).isDir();
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* errorText)
{
    // A file that already holds these bytes is left alone: no temporary file, no
    // sync to disk, and no window in which it could be lost.
    {
        QFile current(path);
        if (current.size() == data.size() && current.open(QIODevice::ReadOnly) && current.readAll() == data)
            return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    if (file.write(data) != data.size() || !file.commit()) {
        if (errorText)
            *errorText = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
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
