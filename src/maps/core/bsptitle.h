// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

namespace tk {

// Reads up to length bytes of one file from offset on, fewer at its end; nothing when the
// file cannot be read there.
using FileBytes = std::function<std::optional<QByteArray>(qint64 offset, qint64 length)>;

// The most of an entity lump read for its first entity: the engine's own limit of the
// whole lump (MAX_MAP_ENTSTRING).
inline constexpr qint64 kMaxEntityBytes = 0x40000;

// A map's own title: the "message" of the first entity (the world) of the entity lump of a
// Quake II map (an "IBSP" file of version 38), on one line (see titleFromMessage). Nothing
// for a file that is no such map, a damaged one, or a world without a message. Reads the
// header and as much of the entity lump as the first entity needs, at most kMaxEntityBytes.
std::optional<QString> bspTitle(qint64 fileSize, const FileBytes& read);
std::optional<QString> bspTitle(QByteArrayView bsp);

// The value of the key "message" (any case) of the first entity of an entity lump, as the
// engine keeps it: "\n" turned into a line break, a backslash before anything else kept
// and that character dropped. The last of several such keys counts. Nothing when the
// first entity has none, or is not whole. Tokens are read as the engine reads them: quoted
// or up to the next blank, "//" starting a comment, a NUL ending the text.
std::optional<QByteArray> firstEntityMessage(QByteArrayView entities);

// A message as a title on one line: decoded as text, line breaks and other control
// characters turned into blanks, blanks simplified. Nothing when no text is left.
std::optional<QString> titleFromMessage(const QByteArray& message);

} // namespace tk
