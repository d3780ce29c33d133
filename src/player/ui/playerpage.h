// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/tabpage.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QSlider;
class ImageView;
class SpinEdit;

// The "&Player" tab: the player's appearance and client options.
class PlayerPage : public TabPage {
    Q_OBJECT
public:
    explicit PlayerPage(QWidget* parent = nullptr);

    void load(const tk::ProfileRead& read) override;
    void store(tk::Profile& profile) const override;

    // Each group's controls are enabled exactly when its check box is checked. Each
    // rule runs when its box is clicked; the profile load runs each after setting its
    // box.
    void applyEnableRules();
    void CheckBox28Click(); // name, model, skin, hand, crosshair
    void CheckBox30Click(); // client lag and fluctuation
    void CheckBox31Click(); // max FPS
    void CheckBox32Click(); // sensitivity text and track bar

    // Start-up: when the players directory exists, the model box lists the models and
    // the skin box the skins of the model it names; both keep their texts. Without
    // the directory nothing changes.
    void fillModelList();
    // The skin box lists the skins of the model named in the model box (none when
    // there is no such directory), keeping its text; the preview stays as it is.
    // Runs on every change of the model box's text.
    void fillSkinList();
    // The skin box lists skins, keeping its text.
    void showSkinList(const QStringList& skins);
    // Shows the image of the model and skin now named in the boxes; a missing file
    // leaves the preview as it is. Throws tk::UserError("unrecognized PCX") for a file
    // the decoder rejects, and the preview keeps its picture.
    void showSkinPreview();
    // Sets the track bar from the sensitivity text: an empty text becomes "0", the
    // value times ten is rounded half to even and pulled into 0..200; the text stays
    // as it is. Throws tk::UserError("'<text>' is not a valid floating point value")
    // and leaves the track bar for a text that is no number.
    void applySensitivityText();

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

protected:
    // The key filter of the sensitivity text.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSetup();
    QWidget* buildPreview();
    QWidget* buildMiscSettings();
    QWidget* buildSensitivity();

    void ComboBox3Edited();
    void ComboBox3Activated(const QString& text);
    void TrackBar1Change(int action);
    bool acceptsSensitivityKey(const QKeyEvent& key) const;

    // The skin text last previewed because the user typed it: leaving the box after
    // typing an item's name activates that item, which is on show already.
    std::optional<QString> m_typedSkinShown;
    // A load sets the model box: the skin list it brings is the load's own.
    bool m_loading = false;
};
