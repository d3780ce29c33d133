// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tk {

class LeftOutNames;
struct InstallPaths;

// The quick-load list file "quikload.ini" in the launcher directory: the captions of the
// quick-load buttons, in the bar's order, and "Run game on click".
struct QuickLoadList {
    QStringList captions;
    bool runOnClick = false;

    bool operator==(const QuickLoadList&) const = default;
};

QString quickLoadListPath(const InstallPaths& paths);

// The list file's buttons. A button loads and saves the profile of its caption, so a
// caption that does not name a file of the launcher directory becomes "x", and the user is
// told once (told) which entry named what. A file that is there but not read gives no
// buttons, and is told too. What the user is told goes to messages, in order.
QuickLoadList readQuickLoadList(const InstallPaths& paths, LeftOutNames& told, QStringList& messages);

// Writes list into the list file, key by key; throws UserError "Unable to write to %s" when
// the file system refuses.
void writeQuickLoadList(const InstallPaths& paths, const QuickLoadList& list);

} // namespace tk
