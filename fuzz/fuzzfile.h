// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QTemporaryFile>
#include <cstdlib>

// The path of one temporary file holding bytes, rewritten for every input, for the
// readers that take a path as well as bytes in memory.
inline QString inputAsFile(QByteArrayView bytes)
{
    static QTemporaryFile file;
    if (!file.isOpen() && !file.open())
        std::abort();
    if (!file.resize(0) || !file.seek(0) || file.write(bytes.data(), bytes.size()) != bytes.size()
        || !file.flush())
        std::abort();
    return file.fileName();
}
