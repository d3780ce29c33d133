#pragma once

#include "app/ui/tabpage.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class ImageView;
class SpinEdit;

namespace tk {
struct ExecSettings;
}

// The "&Player" tab: the player's appearance and client options.
class PlayerPage : public TabPage {
    Q_OBJECT
public:
    explicit PlayerPage(QWidget* parent = nullptr);

    // Copies this tab's settings into the record the exec file is made from.
    void gatherExecSettings(tk::ExecSettings& settings) const;

    // Each group's controls are enabled exactly when its check box is checked. Each
    // rule runs when its box is clicked; the profile load runs them all.
    void applyEnableRules();

    QCheckBox* CheckBox28 = nullptr; // "Specify Player custom setup Info."
    QLineEdit* Edit2 = nullptr; // name
    QComboBox* ComboBox2 = nullptr; // model
    QComboBox* ComboBox3 = nullptr; // skin
    QComboBox* ComboBox4 = nullptr; // hand
    QComboBox* ComboBox5 = nullptr; // crosshair
    ImageView* ImageEnDBView1 = nullptr; // skin preview

    QCheckBox* CheckBox30 = nullptr; // "Specify Client Lag (ms)"
    SpinEdit* SpinEdit1 = nullptr; // client lag
    SpinEdit* SpinEdit4 = nullptr; // lag fluctuation
    QCheckBox* CheckBox31 = nullptr; // "Specify Max FPS of"
    SpinEdit* SpinEdit2 = nullptr; // max FPS, no bounds

    QCheckBox* CheckBox32 = nullptr; // "Specify Mouse Sensitivity"
    QLineEdit* Edit3 = nullptr; // sensitivity text
    QSlider* TrackBar1 = nullptr; // sensitivity times ten

private:
    QWidget* buildSetup();
    QWidget* buildPreview();
    QWidget* buildMiscSettings();
    QWidget* buildSensitivity();

    void CheckBox28Click();
    void CheckBox30Click();
    void CheckBox31Click();
    void CheckBox32Click();
};
