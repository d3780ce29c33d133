// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "widgets/tabpage.h"

#include <QWidget>

class ColorSwatch;
class QCheckBox;

namespace tk {
struct ExecSettings;
}

// The "Pre&fs" tab: the launcher's own preferences.
class PrefsPage : public TabPage {
    Q_OBJECT
public:
    explicit PrefsPage(QWidget* parent = nullptr);

    // Copies this tab's settings into the record the exec file is made from. The
    // preferences govern the launcher only, so nothing of them reaches the record.
    void gatherExecSettings(tk::ExecSettings& settings) const;

    // A click on the swatch: the colour dialog, starting from the current colour;
    // the chosen colour becomes the light-up colour, a cancel changes nothing.
    void colortestClick();

    QCheckBox* CheckBox24 = nullptr; // leave open when running
    QCheckBox* CheckBox26 = nullptr; // save profile on close
    QCheckBox* CheckBox25 = nullptr; // light-up captions
    ColorSwatch* colortest = nullptr; // light-up colour
    QCheckBox* CheckBox50 = nullptr; // check the match before launching
    QCheckBox* CheckBox51 = nullptr; // ask before discarding changed settings
};
