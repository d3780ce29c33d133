// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tk {

// File contents are bytes. For display they are read as UTF-8, or as Windows-1252
// where they are not valid UTF-8 (files made on Windows); typed text is written as UTF-8.
QString decodeText(const QByteArray& bytes);
QByteArray encodeText(const QString& text);

// Splits file contents into lines: CR LF, CR or LF end a line, and a line end at the
// very end of the data adds no empty line.
QList<QByteArray> splitLines(const QByteArray& data);

// Joins lines, each followed by CR LF (the last one too).
QByteArray joinLinesCrLf(const QList<QByteArray>& lines);

} // namespace tk
