// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/tabpage.h"
#include "launch/core/dmflags.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class SpinEdit;

// The "&DM Flags" tab: the flag boxes, the flag total, presets and limits.
class DmFlagsPage : public TabPage {
    Q_OBJECT
public:
    explicit DmFlagsPage(QWidget* parent = nullptr);

    void load(const tk::ProfileRead& read) override;
    void store(tk::Profile& profile) const override;

    // The nineteen flag boxes, CheckBox1 to CheckBox19; each holds its flag value in
    // the property "flagValue".
    QList<QCheckBox*> flagBoxes() const;
    static int flagValue(const QCheckBox* box);

    // The six game set-up preset buttons, RxSpeedButton1 to RxSpeedButton6.
    QList<QPushButton*> presetButtons() const;

    // SpinEdit5 is enabled exactly when CheckBox33 is checked; runs on every click of
    // the box and after a profile load.
    void applyEnableRules();

    // Decodes a flag total into the boxes ("&Set" and the presets use it).
    void applyTotal(int total);
    // "&Set": decodes the typed total; numbers of 9999999 and more are ignored.
    void SpeedButton13Click();
    // A game set-up preset: its flags and capture limit here, the limits of the Game
    // tab through presetApplied.
    void applyPreset(int index);
    tk::FlagBoxStates boxStates() const;

Q_SIGNALS:
    void presetApplied(int fraglimit, int timelimit, int maxclients);

public:
    // Group "Flags [DM and Teamplay]".
    QCheckBox* CheckBox1 = nullptr; // "No Health", 1
    QCheckBox* CheckBox2 = nullptr; // "No Items", 2
    QCheckBox* CheckBox3 = nullptr; // "Weapons Stay", 4
    QCheckBox* CheckBox4 = nullptr; // "No Falling Dmg", 8
    QCheckBox* CheckBox5 = nullptr; // "Instant Items", 16
    QCheckBox* CheckBox6 = nullptr; // "Stay on same Lvl", 32
    QCheckBox* CheckBox7 = nullptr; // "Teams by Skin", 64
    QCheckBox* CheckBox8 = nullptr; // "Teams by Model", 128
    QCheckBox* CheckBox9 = nullptr; // "No Friendly Fire", 256
    QCheckBox* CheckBox10 = nullptr; // "Spawn Farthest", 512
    QCheckBox* CheckBox11 = nullptr; // "Force Respawn", 1024
    QCheckBox* CheckBox12 = nullptr; // "No Armour", 2048
    QCheckBox* CheckBox13 = nullptr; // "Allow Exit", 4096
    QCheckBox* CheckBox14 = nullptr; // "Infinite Ammo", 8192
    QCheckBox* CheckBox15 = nullptr; // "Quad Drop", 16384
    QCheckBox* CheckBox16 = nullptr; // "Fixed F.o.V.", 32768
    // Group "Flags [CTF]".
    QCheckBox* CheckBox17 = nullptr; // "Force Join", 131072
    QCheckBox* CheckBox18 = nullptr; // "Armour Protect", 262144
    QCheckBox* CheckBox19 = nullptr; // "No Tech Powerups", 524288
    SpinEdit* capturelimit = nullptr;

    // Group "DM Flag Total".
    QLineEdit* dmflags = nullptr;
    QPushButton* SpeedButton13 = nullptr; // "&Set"

    // Group "Game Setup".
    QCheckBox* CheckBox33 = nullptr; // "Maintain Minimum No. of players of"
    SpinEdit* SpinEdit5 = nullptr;
    QPushButton* RxSpeedButton1 = nullptr; // "2 Player" / "Duel"
    QPushButton* RxSpeedButton2 = nullptr; // "4 or Less" / "Player DM"
    QPushButton* RxSpeedButton3 = nullptr; // "More than " / "4 Player DM"
    QPushButton* RxSpeedButton4 = nullptr; // "CTF"
    QPushButton* RxSpeedButton5 = nullptr; // "Team DM" / "(By Skin)"
    QPushButton* RxSpeedButton6 = nullptr; // "Team DM" / "(By Model)"

private:
    void flagBoxClick();
};
