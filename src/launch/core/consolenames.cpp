// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/consolenames.h"

namespace tk::console {

namespace {

char byteAt(QByteArrayView text, qsizetype i)
{
    return i < text.size() ? text[i] : '\0';
}

} // namespace

QByteArray execLookupName(QByteArrayView name)
{
    QByteArray out;
    for (qsizetype i = 0; i < name.size() && name[i] != '\0'; ++i) {
        const char c = name[i];
        const char next = byteAt(name, i + 1);
        if (c == '.' && next == '/') {
            if (out.isEmpty())
                continue;
            if (out.endsWith('/')) {
                ++i;
                continue;
            }
        }
        if (c == '/' && (next == '/' || out.isEmpty()))
            continue;
        if (out.size() == kExecNameLimit)
            break;
        out += c;
    }
    return out;
}

QList<QByteArray> execLookupNames(QByteArrayView name)
{
    const QByteArray given = execLookupName(name);
    const QByteArray lower = given.toLower();
    if (lower == given)
        return { given };
    return { given, lower };
}

QByteArray recordPath(QByteArrayView word)
{
    return "demos/" + word.toByteArray() + ".dm2";
}

RecordNameProblem recordNameProblem(QByteArrayView word)
{
    if (word.isEmpty())
        return RecordNameProblem::Empty;
    const QByteArray path = recordPath(word);
    if (path.contains(".."))
        return RecordNameProblem::DotDot;
    for (const QByteArray& part : path.split('/')) {
        if (part.size() > kFileNameLimit)
            return RecordNameProblem::TooLong;
    }
    return RecordNameProblem::None;
}

} // namespace tk::console
