// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/core/rotation.h"

#include "app/core/fileutil.h"
#include "app/core/textcodec.h"
#include "app/core/usererror.h"

#include <QCoreApplication>

namespace tk {

QList<QByteArray> parseRotation(const QByteArray& data)
{
    const qsizetype nul = data.indexOf('\0');
    return splitLines(nul < 0 ? data : data.first(nul));
}

QByteArray composeRotation(const QList<QByteArray>& entries)
{
    return joinLinesCrLf(entries);
}

QList<QByteArray> readRotationFile(const QString& fullPath)
{
    QByteArray data;
    if (const FileCheck check = readFile(fullPath, &data, kMaxRotationFileSize); !check) {
        if (check.refused())
            throw UserError(QCoreApplication::translate("Rotation", "Cannot open file %1: %2")
                                .arg(fullPath, check.reason));
        throw UserError(QCoreApplication::translate("Rotation", "Cannot open file %1").arg(fullPath));
    }
    return parseRotation(data);
}

void writeRotationFile(const QString& fullPath, const QList<QByteArray>& entries)
{
    // A file that could not be read (a pipe, a device, one too large) is not replaced.
    if (const FileCheck check = checkFile(fullPath, kMaxRotationFileSize); check.refused())
        throw UserError(cannotCreateFileMessage(fullPath, check.reason));
    QString reason;
    if (!writeFileAtomically(fullPath, composeRotation(entries), &reason))
        throw UserError(cannotCreateFileMessage(fullPath, reason));
}

QString rotationFileNameFromAnswer(const QString& answer)
{
    const qsizetype dot = answer.indexOf(QLatin1Char('.'));
    QString base = dot < 0 ? answer : answer.first(dot);
    if (base.isEmpty())
        base = QStringLiteral("maps");
    return base + QStringLiteral(".lst");
}

QList<QByteArray> randomizedRotation(QList<QByteArray> entries, Random& random)
{
    const auto n = static_cast<std::uint32_t>(entries.size());
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t a = random.below(n);
        const std::uint32_t b = random.below(n);
        if (a != b)
            entries.move(a, b);
    }
    return entries;
}

RotationList rotationMoveUp(RotationList list)
{
    if (list.hasSelection() && list.selected > 0) {
        list.entries.move(list.selected, list.selected - 1);
        --list.selected;
    }
    return list;
}

RotationList rotationMoveDown(RotationList list)
{
    if (list.hasSelection() && list.selected < list.entries.size() - 1) {
        list.entries.move(list.selected, list.selected + 1);
        ++list.selected;
    }
    return list;
}

RotationList rotationDelete(RotationList list)
{
    if (list.hasSelection())
        list.entries.removeAt(list.selected);
    list.selected = -1;
    return list;
}

} // namespace tk
