// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure messages for Qt's string types.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QByteArray& b, std::ostream* os)
{
    *os << '"' << b.toStdString() << '"';
}

inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{';
    for (const QString& s : l)
        *os << " \"" << s.toStdString() << '"';
    *os << " }";
}

#include <gmock/gmock.h>

// A write error in the launcher's words: the words, the path, ": " and the system's
// reason after it.
MATCHER_P2(IsWriteError, words, path, "")
{
    const QString head = QString(words) + QString(path) + QStringLiteral(": ");
    return arg.startsWith(head) && arg.size() > head.size();
}
