// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/desktopentry.h"

#include "app/core/fileutil.h"
#include "app/core/usererror.h"
#include "app/core/version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace tk {

namespace {

const int kIconSizes[] = { 16, 24, 32, 48, 64, 128, 256 };

// The directories the launcher made for its files, kept in its entry so that removing it
// takes away those and no others.
constexpr char kCreatedKey[] = "X-Tarrakind-Created";

// The translation context of this file's texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DesktopEntry)
};

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

// The directories below the data home that hold the launcher's files, parents first.
QStringList entryDirectories()
{
    QStringList dirs;
    for (const QString& file : desktopEntryFiles()) {
        for (QString dir = QFileInfo(file).path(); dir != QLatin1String(".") && !dirs.contains(dir);
             dir = QFileInfo(dir).path())
            dirs.append(dir);
    }
    std::sort(dirs.begin(), dirs.end());
    return dirs;
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

QString unescapeString(const QString& value)
{
    static const QString codes = QStringLiteral("sntr");
    static const QString chars = QStringLiteral(" \n\t\r");
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) != QLatin1Char('\\') || i + 1 == value.size()) {
            out += value.at(i);
            continue;
        }
        const QChar next = value.at(++i);
        const qsizetype code = codes.indexOf(next);
        out += code < 0 ? next : chars.at(code);
    }
    return out;
}

// The value of key in the group [Desktop Entry], escapes undone.
QString entryValue(const QByteArray& entry, const QByteArray& key)
{
    bool mainGroup = false;
    for (const QByteArray& raw : entry.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            mainGroup = line == "[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (mainGroup && equals > 0 && line.left(equals).trimmed() == key)
            return unescapeString(QString::fromUtf8(line.mid(equals + 1).trimmed()));
    }
    return {};
}

// The first argument of an Exec value whose string escapes are undone.
QString firstExecArgument(const QString& exec)
{
    QString arg;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        const bool last = i + 1 == exec.size();
        // A backslash in quotes escapes the next character; "%%" stands for "%".
        if (!last
            && ((quoted && c == QLatin1Char('\\'))
                || (c == QLatin1Char('%') && exec.at(i + 1) == QLatin1Char('%'))))
            arg += exec.at(++i);
        else if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t')) && !arg.isEmpty())
            break;
        else if (quoted || (c != QLatin1Char(' ') && c != QLatin1Char('\t')))
            arg += c;
    }
    return arg;
}

QByteArray resource(const QString& name)
{
    // Built into the program, so not a file that the checked reader would open.
    QFile file(QStringLiteral(":/desktop/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(Texts::tr("The launcher was built without %1").arg(name));
    return file.readAll();
}

QByteArray existingEntry(const QString& path)
{
    QByteArray data;
    return readFile(path, &data, kMaxSettingsFileSize) ? data : QByteArray();
}

bool isWithin(const QString& dir, const QStringList& tops)
{
    return std::any_of(tops.cbegin(), tops.cend(),
        [&dir](const QString& top) { return dir == top || dir.startsWith(top + QLatin1Char('/')); });
}

// The launcher's own directories within the topmost ones it made, as its entry records
// them; children before their parents.
QStringList recordedDirectories(const QByteArray& entry)
{
    const QStringList tops = entryValue(entry, kCreatedKey).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QStringList dirs = entryDirectories();
    dirs.erase(
        std::remove_if(dirs.begin(), dirs.end(), [&tops](const QString& d) { return !isWithin(d, tops); }),
        dirs.end());
    std::reverse(dirs.begin(), dirs.end());
    return dirs;
}

// The program an existing entry starts when that is not program itself; empty otherwise.
QString otherCopy(const QByteArray& entry, const QString& program)
{
    QString named = desktopEntryProgram(entry);
    if (!named.isEmpty() && !named.contains(QLatin1Char('/')))
        named = QStandardPaths::findExecutable(named);
    if (named.isEmpty())
        return {};
    const QFileInfo a(named);
    const QFileInfo b(program);
    const bool same = a.exists() && b.exists() ? a.canonicalFilePath() == b.canonicalFilePath()
                                               : QDir::cleanPath(named) == QDir::cleanPath(program);
    return same ? QString() : named;
}

// Creates dir and the parents it lacks, each with its own mkdir so that a failure has the
// system's reason; appends those made to made.
void makeDirectories(const QString& dir, QStringList* made)
{
    QStringList missing;
    for (QString path = dir; !QFileInfo::exists(path);) {
        missing.prepend(path);
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            break;
        path = parent;
    }
    for (const QString& path : missing) {
        if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
            throw UserError(
                Texts::tr("Cannot create directory %1: %2")
                    .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno))));
        made->append(path);
    }
}

} // namespace

QString desktopExecValue(const QString& program)
{
    // The reserved characters of the Exec key, and "=", which the program's name may not
    // hold unquoted: quoted, the path is one word that no reader takes for an assignment.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=");
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

QByteArray desktopEntryFor(
    const QByteArray& installedEntry, const QString& program, const QStringList& createdDirectories)
{
    QByteArray out;
    for (const QByteArray& line : installedEntry.split('\n')) {
        if (line.startsWith("TryExec="))
            continue;
        if (line.startsWith("Exec=")) {
            out += "Exec=" + desktopExecValue(program).toUtf8() + '\n';
            out += "TryExec=" + escapeString(program).toUtf8() + '\n';
            if (!createdDirectories.isEmpty())
                out += QByteArray(kCreatedKey) + '='
                    + escapeString(createdDirectories.join(QLatin1Char(';'))).toUtf8() + ";\n";
        } else if (!line.isEmpty()) {
            out += line + '\n';
        }
    }
    return out;
}

QString desktopEntryProgram(const QByteArray& entry)
{
    const QString tryExec = entryValue(entry, "TryExec");
    return tryExec.isEmpty() ? firstExecArgument(entryValue(entry, "Exec")) : tryExec;
}

QStringList desktopEntryFiles()
{
    QStringList files { entryPath(), svgPath() };
    for (const int size : kIconSizes)
        files.append(pngPath(size));
    return files;
}

DesktopEntryChange installDesktopEntry(const QString& dataHome, const QString& program)
{
    // GLib reads the program's path before it undoes "%%": menus built on it (GNOME, Xfce,
    // Cinnamon, ...) find no such program and leave the entry out without a word.
    if (program.contains(QLatin1Char('%')))
        throw UserError(
            Texts::tr("The launcher's path %1 holds a \"%\": menus built on GLib (GNOME, Xfce and "
                      "others) cannot start such a program and would leave its entry out, so none was "
                      "written. Move the game to a folder whose path has no \"%\".")
                .arg(QDir::toNativeSeparators(program)));
    const QDir home(dataHome);
    const QByteArray old = existingEntry(home.filePath(entryPath()));
    DesktopEntryChange change;
    const QString other = otherCopy(old, program);
    if (!other.isEmpty())
        change.note
            = Texts::tr("The desktop entry started another copy of the launcher, %1; it now starts this one.")
                  .arg(QDir::toNativeSeparators(other));
    const auto write = [&](const QString& relative, const QByteArray& data) {
        const QString path = home.filePath(relative);
        QString reason;
        if (!writeFileAtomically(path, data, &reason))
            throw UserError(cannotCreateFileMessage(path, reason));
        change.files.append(path);
    };

    QStringList made;
    try {
        const QStringList dirs = entryDirectories();
        for (const QString& dir : dirs)
            makeDirectories(home.filePath(dir), &made);
        QStringList created = recordedDirectories(old);
        for (const QString& path : std::as_const(made)) {
            if (dirs.contains(home.relativeFilePath(path)))
                created.append(home.relativeFilePath(path));
        }
        // The topmost stand for those within them.
        std::sort(created.begin(), created.end());
        QStringList tops;
        for (const QString& dir : std::as_const(created)) {
            if (!isWithin(dir, tops))
                tops.append(dir);
        }
        write(entryPath(),
            desktopEntryFor(resource(applicationId() + QStringLiteral(".desktop")), program, tops));
    } catch (const UserError&) {
        // Until an entry records them, the directories made here are nobody's.
        for (auto dir = made.crbegin(); dir != made.crend(); ++dir)
            QDir().rmdir(*dir);
        throw;
    }
    write(svgPath(), resource(applicationId() + QStringLiteral(".svg")));
    for (const int size : kIconSizes)
        write(pngPath(size), resource(pngPath(size)));
    return change;
}

DesktopEntryChange removeDesktopEntry(const QString& dataHome, const QString& program)
{
    const QDir home(dataHome);
    const QByteArray old = existingEntry(home.filePath(entryPath()));
    DesktopEntryChange change;
    const QString other = otherCopy(old, program);
    if (!other.isEmpty()) {
        const QFileInfo copy(other);
        if (copy.isFile() && copy.isExecutable())
            throw UserError(
                Texts::tr("The desktop entry starts another copy of the launcher, %1, so it was left in "
                          "place with its icons; that copy's --remove-desktop-entry removes it.")
                    .arg(QDir::toNativeSeparators(other)));
        change.note = Texts::tr("The desktop entry started another copy of the launcher, %1, which no longer "
                                "exists; it is removed.")
                          .arg(QDir::toNativeSeparators(other));
    }
    for (const QString& relative : desktopEntryFiles()) {
        const QString path = home.filePath(relative);
        if (QFile::remove(path))
            change.files.append(path);
    }
    // rmdir leaves a directory that is not empty.
    for (const QString& dir : recordedDirectories(old)) {
        if (home.rmdir(dir))
            change.directories.append(home.filePath(dir));
    }
    return change;
}

} // namespace tk
