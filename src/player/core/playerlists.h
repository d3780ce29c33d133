// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tk {

class LeftOutNames;

// The lists of the Player tab's model and skin boxes. Models and skins whose names cannot
// stand in a console line are left out of them; the user is told of each once a run (told),
// and what is told goes to messages.

// The models of the players directory; none when it does not exist.
std::optional<QStringList> modelList(const QString& quake2Dir, LeftOutNames& told, QStringList& messages);
// The skins of model; none when it has no directory.
QStringList skinList(
    const QString& quake2Dir, const QString& model, LeftOutNames& told, QStringList& messages);

} // namespace tk
