// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>
#include <utility>

// Small game files made in the tests: id PAK archives, ZIP archives with stored or
// deflated entries, and Quake II maps holding only an entity lump.
namespace gamefiles {

using Files = QList<std::pair<QByteArray, QByteArray>>; // name, contents

inline void put16(QByteArray& out, quint16 v)
{
    out.append(char(v & 0xFF)).append(char(v >> 8));
}

inline void put32(QByteArray& out, quint32 v)
{
    put16(out, quint16(v & 0xFFFF));
    put16(out, quint16(v >> 16));
}

// "PACK", directory offset and length, the files, then the directory of 64-byte entries.
inline QByteArray pak(const Files& files)
{
    QByteArray data(12, '\0');
    QByteArray directory;
    for (const auto& [name, contents] : files) {
        QByteArray entry = name.left(56);
        entry.append(QByteArray(56 - entry.size(), '\0'));
        put32(entry, quint32(data.size()));
        put32(entry, quint32(contents.size()));
        directory += entry;
        data += contents;
    }
    const auto offset = quint32(data.size());
    data += directory;
    data.replace(0, 4, "PACK");
    qToLittleEndian(offset, data.data() + 4);
    qToLittleEndian(quint32(directory.size()), data.data() + 8);
    return data;
}

// The raw deflate stream of data: qCompress less its length, zlib header and checksum.
inline QByteArray rawDeflate(const QByteArray& data)
{
    const QByteArray z = qCompress(data, 9);
    return z.mid(4 + 2, z.size() - 4 - 2 - 4);
}

// A ZIP archive as zip writes one, its entries stored or deflated.
inline QByteArray zip(const Files& files, bool deflate = false)
{
    QByteArray out;
    QByteArray directory;
    for (const auto& [name, contents] : files) {
        const QByteArray stored = deflate ? rawDeflate(contents) : contents;
        const auto local = quint32(out.size());
        QByteArray fields;
        put16(fields, 0); // flags
        put16(fields, deflate ? 8 : 0);
        put16(fields, 0); // time
        put16(fields, 0x5821); // date
        put32(fields, 0); // crc: not checked by readers of names and data alike here
        put32(fields, quint32(stored.size()));
        put32(fields, quint32(contents.size()));
        put16(fields, quint16(name.size()));
        put16(fields, 0); // extra
        out += QByteArray("PK\3\4", 4);
        put16(out, 20);
        out += fields + name + stored;
        directory += QByteArray("PK\1\2", 4);
        put16(directory, 0x031E); // Unix, 3.0
        put16(directory, 20);
        directory += fields;
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, local);
        directory += name;
    }
    const auto start = quint32(out.size());
    out += directory;
    out += QByteArray("PK\5\6", 4);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint16(files.size()));
    put16(out, quint16(files.size()));
    put32(out, quint32(directory.size()));
    put32(out, start);
    put16(out, 0);
    return out;
}

// A map of the given BSP version whose only lump is the entity text, placed after some
// other data as map compilers place it, near the end.
inline QByteArray bsp(const QByteArray& entities, qint32 version = 38, const QByteArray& ident = "IBSP")
{
    QByteArray out = ident.left(4);
    put32(out, quint32(version));
    const qsizetype lumps = out.size();
    out.append(QByteArray(19 * 8, '\0'));
    out.append(QByteArray(100, 'x'));
    qToLittleEndian(quint32(out.size()), out.data() + lumps);
    qToLittleEndian(quint32(entities.size()), out.data() + lumps + 4);
    return out + entities;
}

// A map whose world says message.
inline QByteArray map(const QByteArray& message)
{
    return bsp("{\n\"classname\" \"worldspawn\"\n\"message\" \"" + message
        + "\"\n}\n{\n\"classname\" "
          "\"info_player_deathmatch\"\n}\n");
}

} // namespace gamefiles
