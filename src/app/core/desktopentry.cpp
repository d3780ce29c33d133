// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/desktopentry.h"

#include "app/core/fileutil.h"
#include "app/core/usererror.h"
#include "app/core/version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace tk {

namespace {

const int kIconSizes[] = { 16, 24, 32, 48, 64, 128, 256 };

QString entryPath()
{
    return QStringLiteral("applications/%1.desktop").arg(applicationId());
}

QString pngPath(int size)
{
    return QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(applicationId());
}

QString svgPath()
{
    return QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(applicationId());
}

// The string escapes of a desktop entry value.
QString escapeString(const QString& value)
{
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

QByteArray resource(const QString& name)
{
    // Built into the program, so not a file that the checked reader would open.
    QFile file(QStringLiteral(":/desktop/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("The launcher was built without %1").arg(name));
    return file.readAll();
}

} // namespace

QString desktopExecValue(const QString& program)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    static const QString escapedInQuotes = QStringLiteral("\"`$\\");
    const bool quote
        = std::any_of(program.cbegin(), program.cend(), [](QChar c) { return reserved.contains(c); });
    QString arg;
    for (const QChar c : program) {
        if (quote && escapedInQuotes.contains(c))
            arg += QLatin1Char('\\');
        arg += c;
        // A field code starts with "%"; a literal one is doubled.
        if (c == QLatin1Char('%'))
            arg += c;
    }
    return escapeString(quote ? QLatin1Char('"') + arg + QLatin1Char('"') : arg);
}

QByteArray desktopEntryFor(const QByteArray& installedEntry, const QString& program)
{
    QByteArray out;
    for (const QByteArray& line : installedEntry.split('\n')) {
        if (line.startsWith("TryExec="))
            continue;
        if (line.startsWith("Exec=")) {
            out += "Exec=" + desktopExecValue(program).toUtf8() + '\n';
            out += "TryExec=" + escapeString(program).toUtf8() + '\n';
        } else if (!line.isEmpty()) {
            out += line + '\n';
        }
    }
    return out;
}

QStringList desktopEntryFiles()
{
    QStringList files { entryPath(), svgPath() };
    for (const int size : kIconSizes)
        files.append(pngPath(size));
    return files;
}

QStringList installDesktopEntry(const QString& dataHome, const QString& program)
{
    QStringList written;
    const auto write = [&](const QString& relative, const QByteArray& data) {
        const QString path = QDir(dataHome).filePath(relative);
        QString reason;
        if (!QDir().mkpath(QFileInfo(path).path()) || !writeFileAtomically(path, data, &reason))
            throw UserError(cannotCreateFileMessage(path, reason));
        written.append(path);
    };
    write(entryPath(), desktopEntryFor(resource(applicationId() + QStringLiteral(".desktop")), program));
    write(svgPath(), resource(applicationId() + QStringLiteral(".svg")));
    for (const int size : kIconSizes)
        write(pngPath(size), resource(pngPath(size)));
    return written;
}

QStringList removeDesktopEntry(const QString& dataHome)
{
    QStringList removed;
    for (const QString& relative : desktopEntryFiles()) {
        const QString path = QDir(dataHome).filePath(relative);
        if (QFile::remove(path))
            removed.append(path);
    }
    return removed;
}

} // namespace tk
