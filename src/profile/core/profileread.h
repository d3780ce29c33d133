// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/consoletext.h"
#include "maps/core/mapcatalogue.h"
#include "profile/core/profile.h"
#include "profile/core/quickloadlist.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

namespace tk {

class IniFile;
struct InstallPaths;

// The steps of a profile load that do more than take a value, in the order they run.
enum class LoadStep {
    BotList, // open the bot list file the profile names
    RotationList, // read the rotation file
    FlagTotal, // decode the flag total into the flag boxes
    SelectedBots, // select the bots the profile names
    SetupTab, // show the "&Setup" tab
    Catalogue, // refresh the map catalogue and select the profile's map
    Sensitivity, // set the track bar from the sensitivity text
    SkinPreview, // show the skin image of the model and skin
    QuickLoadBar, // rebuild the quick-load bar
    Done,
};

// A load of a profile: the values it gives and what the steps that read other files found.
struct ProfileRead {
    // Every value the load read; where the load stopped, the later values are those of the
    // profile it was read over.
    Profile profile;
    // The step the load stopped at, with its error; Done when it ran to its end.
    LoadStep stoppedAt = LoadStep::Done;
    QString error;
    // What the load tells the user, in the order it comes up; the error is not among them.
    QStringList messages;

    // What the bot list file was when it was opened.
    std::optional<BotList::OpenResult> botListOpened;
    // The refreshed catalogue's rows.
    std::optional<MapCatalogue> catalogue;
    // The skin list of a model that the load named anew.
    std::optional<QStringList> skins;
    // The skin image to show; none when there is no file (the preview then stays).
    std::optional<QImage> skinImage;
    std::optional<QuickLoadList> quickLoad;

    // Whether the load ran step to its end.
    bool ran(LoadStep step) const { return step < stoppedAt; }
    bool complete() const { return stoppedAt == LoadStep::Done; }
};

// Reads the profile at path into ini, unless it is not read as a profile (not a regular
// file, too large, refused by the system, or no profile at all): then the reason, in plain
// words, and ini is left alone. A missing file reads as an empty profile.
QString readProfileFile(const QString& path, IniFile* ini = nullptr);

// The load steps of the profile ini, read from path, over the values of base: each value
// the profile gives (its default where the key is missing) in the order of the steps, and
// the bot list, rotation, map catalogue, skin and quick-load files those values name. A
// value that does not convert, or a file named that cannot be read, stops the load where it
// is met. File names that would lead out of the launcher's directories are not used, and
// the user is told once (told).
ProfileRead readProfile(
    const IniFile& ini, const QString& path, const InstallPaths& paths, Profile base, ToldOnce& told);

} // namespace tk
