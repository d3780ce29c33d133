// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

namespace tk {

// Player models and their skins as installed under the Quake2 directory. Reads
// directories only; never writes.

// quake2Dir + "/baseq2/players".
QString playersDirectory(const QString& quake2Dir);

// The model directories (not hidden), sorted case-insensitively; nullopt when the
// players directory does not exist. Names that cannot stand in a console line (see
// isConsoleSafe) are left out, and appended to leftOut when given.
std::optional<QStringList> listModels(const QString& quake2Dir, QStringList* leftOut = nullptr);

// The usable skin names of the model's "*.pcx" files (matched without regard to
// case), in case-insensitive order of the file names; empty when the model
// directory does not exist. Skins that are not console-safe are left out, and
// appended to leftOut as model + "/" + skin when given.
QStringList listSkins(const QString& quake2Dir, const QString& model, QStringList* leftOut = nullptr);

// The skin name of a skin file (its name less the last four characters), or
// nullopt for the model's icons (names ending in "_i", any case), its weapon
// texture ("weapon", any case) and names with nothing before the extension.
std::optional<QString> usableSkinName(const QString& fileName);

// players directory + "/" + model + "/" + skin + ".pcx".
QString skinImagePath(const QString& quake2Dir, const QString& model, const QString& skin);

// The skin image that exists for a model and skin: the skin image path, or the file
// whose ".pcx" is written in other letter case ("Viper.PCX"); empty when there is none.
QString existingSkinImagePath(const QString& quake2Dir, const QString& model, const QString& skin);

// The decoded skin image for a preview, or nullopt when no file exists at the skin
// image path (the preview then stays as it is). Throws UserError("unrecognized
// PCX") when the file is not a PCX image the decoder reads.
std::optional<QImage> loadSkinImage(const QString& quake2Dir, const QString& model, const QString& skin);

} // namespace tk
