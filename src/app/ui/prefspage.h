// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/tabpage.h"

#include <QWidget>

class ColorSwatch;
class QCheckBox;
class QComboBox;

namespace tk {
struct Preferences;
}

// The "Pre&fs" tab: the launcher's own preferences.
class PrefsPage : public TabPage {
    Q_OBJECT
public:
    explicit PrefsPage(QWidget* parent = nullptr);

    void load(const tk::ProfileRead& read) override;
    void store(tk::Profile& profile) const override;
    // The preferences as the boxes and the swatch show them.
    tk::Preferences preferences() const;

    // A click on the swatch: the colour dialog, starting from the current colour;
    // the chosen colour becomes the light-up colour, a cancel changes nothing.
    void colortestClick();

    QCheckBox* CheckBox24 = nullptr; // leave open when running
    QCheckBox* CheckBox26 = nullptr; // save profile on close
    QCheckBox* CheckBox25 = nullptr; // light-up captions
    ColorSwatch* colortest = nullptr; // light-up colour
    QCheckBox* CheckBox50 = nullptr; // check the match before launching
    QCheckBox* CheckBox51 = nullptr; // ask before discarding changed settings
    // The language of the launcher's texts: the desktop's, or one chosen; applied at once.
    QComboBox* languageChoice = nullptr;
};
