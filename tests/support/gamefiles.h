// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <utility>

// Small game files made in the tests: id PAK archives, ZIP archives with stored or
// deflated entries, and Quake II maps whose only lump is the entity text.
namespace gamefiles {

using Files = QList<std::pair<QByteArray, QByteArray>>; // name, contents

inline QByteArray le(quint32 v, int bytes = 4)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char(v >> (8 * i)));
    return out;
}

// "PACK", directory offset and length, the files, then the directory of 64-byte entries.
inline QByteArray pak(const Files& files)
{
    QByteArray data;
    QByteArray directory;
    for (const auto& [name, contents] : files) {
        directory += name.leftJustified(56, '\0', true) + le(12 + data.size()) + le(contents.size());
        data += contents;
    }
    return "PACK" + le(12 + data.size()) + le(directory.size()) + data + directory;
}

// A ZIP archive as zip writes one; deflated entries hold qCompress's stream less its
// length, zlib header and checksum. No CRC: nothing here checks one.
inline QByteArray zip(const Files& files, bool deflate = false)
{
    QByteArray out;
    QByteArray directory;
    for (const auto& [name, contents] : files) {
        const QByteArray z = qCompress(contents, 9);
        const QByteArray stored = deflate ? z.mid(6, z.size() - 10) : contents;
        const QByteArray fields = le(0, 2) + le(deflate ? 8 : 0, 2) + le(0x58210000) + le(0)
            + le(stored.size()) + le(contents.size()) + le(name.size(), 2) + le(0, 2);
        directory += "PK\1\2" + le(0x031E, 2) + le(20, 2) + fields + le(0, 2) + le(0, 2) + le(0, 2) + le(0)
            + le(out.size()) + name;
        out += "PK\3\4" + le(20, 2) + fields + name + stored;
    }
    return out + directory + "PK\5\6" + le(0) + le(files.size(), 2) + le(files.size(), 2)
        + le(directory.size()) + le(out.size()) + le(0, 2);
}

// A map of the given version whose entity lump follows some other data, as map compilers
// place it near the end.
inline QByteArray bsp(const QByteArray& entities, quint32 version = 38)
{
    return "IBSP" + le(version) + le(260) + le(entities.size()) + QByteArray(18 * 8 + 100, 'x') + entities;
}

// A map whose world says message.
inline QByteArray map(const QByteArray& message)
{
    return bsp("{\n\"classname\" \"worldspawn\"\n\"message\" \"" + message
        + "\"\n}\n{\n\"classname\" \"light\"\n}\n");
}

} // namespace gamefiles
