// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/consoletext.h"

namespace tk {

namespace {

// Characters that no console value can hold, quoted or not.
constexpr bool unwritable(char16_t c)
{
    return c < 0x20 || c == 0x7F || c == '"';
}

// And those that need quotes to stay in their value; names from files may not hold
// them at all, since they go into lines unquoted.
constexpr bool unsafe(char16_t c)
{
    return unwritable(c) || c == ';';
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

std::optional<QByteArray> consoleValue(const QByteArray& value)
{
    bool quote = false;
    for (const char c : value) {
        const uchar u = uchar(c);
        if (unwritable(u))
            return std::nullopt;
        quote = quote || u == ' ' || u == ';' || u >= 0x80;
    }
    return quote ? '"' + value + '"' : value;
}

int consoleCommandCount(const QByteArray& line)
{
    int count = 0;
    bool quoted = false;
    bool words = false; // the current command holds more than blanks
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        if ((c == ';' && !quoted) || c == '\n' || c == '\r') {
            count += words;
            words = false;
            quoted = false; // a line break ends open quotes too
            continue;
        }
        if (uchar(c) > ' ')
            words = true;
    }
    return count + words;
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

QString leftOutMessage(const QString& intro, const QStringList& names)
{
    QString text = intro
        + QStringLiteral(" a name cannot hold a line break or another control character, \";\" or a "
                         "double quote, which would break the exec file's console lines.\n");
    for (const QString& name : names)
        text += QLatin1Char('\n') + printableName(name);
    return text;
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
