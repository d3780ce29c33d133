// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "maps/core/ziplisting.h"

#include <QByteArray>
#include <optional>

class QIODevice;

namespace tk {

// The most of an entry that is inflated to reach the bytes asked for: a map far larger
// than any Quake II map, and a bound on what a hostile archive costs.
inline constexpr qint64 kMaxInflatedBytes = 64 * 1024 * 1024;

// Up to length bytes of a ZIP entry's data from offset on, fewer at its end. archive is the
// open archive the entry was listed from with that shift (ZipListing::shift). Nothing when
// the data cannot be read: a damaged local header, data past the end of the archive, an
// encrypted entry, a method other than stored (0) or deflated (8), damaged deflated data,
// or bytes that lie beyond kMaxInflatedBytes of a deflated entry.
std::optional<QByteArray> readZipEntryData(
    QIODevice& archive, const ZipEntry& entry, qint64 shift, qint64 offset, qint64 length);

} // namespace tk
