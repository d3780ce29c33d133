// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/consoletext.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace tk {

namespace {

// Characters that names from files may not hold: they could break a line, end its quotes
// or start a second command.
constexpr bool unsafe(char16_t c)
{
    return c < 0x20 || c == 0x7F || c == '"' || c == ';';
}

} // namespace

bool isConsoleSafe(QStringView text)
{
    for (const QChar c : text) {
        if (unsafe(c.unicode()))
            return false;
    }
    return true;
}

bool isConsoleSafe(const QByteArray& bytes)
{
    for (const char c : bytes) {
        if (unsafe(char16_t(uchar(c))))
            return false;
    }
    return true;
}

QString printableName(QString name)
{
    for (QChar& c : name) {
        if (c.unicode() < 0x20)
            c = QChar(char16_t(0x2400 + c.unicode()));
        else if (c.unicode() == 0x7F)
            c = QChar(char16_t(0x2421));
    }
    return name;
}

namespace {

// The translation context of this file's texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(NameRules)
};

} // namespace

QString leftOutMessage(const QString& intro, const QStringList& names)
{
    QString text = intro
        + Texts::tr(" a name cannot hold a line break or another control character, \";\" or a "
                    "double quote, which would break the exec file's console lines.\n");
    for (const QString& name : names)
        text += QLatin1Char('\n') + printableName(name);
    return text;
}

namespace {

// The most a file system takes for one name, in bytes.
constexpr qsizetype kMaxNameBytes = 255;

bool isDriveLetter(const QString& name)
{
    return name.size() >= 2 && name[1] == QLatin1Char(':') && name[0].isLetter() && name[0].unicode() < 0x80;
}

// A link in dir that leads to anything but a file of dir itself, or nowhere yet.
bool leadsOutOf(const QString& dir, const QString& name)
{
    const QFileInfo info(dir + QLatin1Char('/') + name);
    if (!info.isSymLink())
        return false;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() || QFileInfo(target).absolutePath() != QFileInfo(dir).canonicalFilePath();
}

} // namespace

QString nameRefusal(const QString& name, NameUse use, const QString& dir)
{
    const bool bare = use == NameUse::InDirectory;
    if (name.isEmpty())
        return bare ? Texts::tr("it names no file") : QString();
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return Texts::tr("it holds a control character");
    }
    if (QFile::encodeName(name).size() > kMaxNameBytes)
        return Texts::tr("it is longer than a file name can be");
    // A backslash is a directory separator on Windows, where the profile may be used too.
    if (bare && (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))))
        return Texts::tr("it holds a directory part");
    if (bare && (name == QLatin1String(".") || name == QLatin1String("..")))
        return Texts::tr("it names a directory");
    if (!bare) {
        if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')) || isDriveLetter(name))
            return Texts::tr("it is an absolute path");
        if (name.contains(QLatin1Char('\\')))
            return Texts::tr("it holds a backslash, which Windows reads as a directory separator");
        for (const QStringView part : QStringView(name).split(QLatin1Char('/'))) {
            if (part == QLatin1String(".."))
                return Texts::tr("it leads out of its directory through \"..\"");
        }
        return QString();
    }
    if (!dir.isEmpty() && leadsOutOf(dir, name))
        return Texts::tr("it is a link that leads out of its directory");
    return QString();
}

QString refusedNameMessage(
    const QString& file, const QString& key, const QString& name, const QString& reason)
{
    return Texts::tr("%1 names \"%2\" as %3, which is not used: %4. The setting is taken as missing.")
        .arg(file, printableName(name), key, reason);
}

QStringList LeftOutNames::untold(const QStringList& names)
{
    QStringList fresh;
    for (const QString& name : names) {
        if (!m_told.contains(name)) {
            m_told.insert(name);
            fresh.append(name);
        }
    }
    return fresh;
}

} // namespace tk
