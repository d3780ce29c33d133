// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/tabpage.h"

#include "launch/core/execsettings.h"

#include <QWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QRadioButton;
class QTabWidget;
class SpinEdit;

// The "&Game" tab: server limits, the mod choice, Rocket Arena and CTF options.
class GamePage : public TabPage {
    Q_OBJECT
public:
    explicit GamePage(QWidget* parent = nullptr);

    void load(const tk::ProfileRead& read) override;
    void store(tk::Profile& profile) const override;

    // The mod choice; None when no mod button is checked.
    tk::ModChoice modChoice() const;
    // Checks the button of mod, or clears all five for None.
    void setModChoice(tk::ModChoice mod);
    // Leaves all five mod buttons unchecked, as a profile may ask.
    void clearModChoice();

    // "Red" and "Blue" are enabled exactly while "Force Bots onto Team..." is checked,
    // so also disabled when neither team option is; their checked states stay. Runs
    // whenever that button changes state, and after a profile load.
    void applyEnableRules();

    // A game set-up preset of the flags tab: the limits, pulled into their ranges, and
    // neither a dedicated server nor cheats.
    void applyPresetLimits(int frags, int minutes, int clients);

    // The Rocket Arena controls in profile key order ("o1".."o5", "w1".."w9", "l1".."l8").
    std::array<QCheckBox*, 5> raOptionBoxes() const;
    std::array<QCheckBox*, 9> raWeaponBoxes() const;
    std::array<SpinEdit*, 8> raStatEdits() const;

    // Group "Server Configuration".
    SpinEdit* fraglimit = nullptr;
    SpinEdit* timelimit = nullptr;
    SpinEdit* maxclients = nullptr;
    QCheckBox* dedicated = nullptr;
    QCheckBox* cheats = nullptr;

    // Group "Mod to Play".
    QRadioButton* RadioButton3 = nullptr; // "Regular Deathmatch"
    QRadioButton* RadioButton4 = nullptr; // "Capture the Flag"
    QRadioButton* RadioButton5 = nullptr; // "Rocket Arena"
    QRadioButton* RadioButton8 = nullptr; // "Xatrix"
    QRadioButton* RadioButton9 = nullptr; // "Rogue"
    QButtonGroup* modGroup = nullptr;

    QTabWidget* PageControl2 = nullptr;

    // Rocket Arena page.
    QCheckBox* CheckBox36 = nullptr; // "Auto Restart Match"
    QCheckBox* CheckBox37 = nullptr; // "No Items"
    QCheckBox* CheckBox38 = nullptr; // "Self Damage"
    QCheckBox* CheckBox39 = nullptr; // "Health Protect"
    QCheckBox* CheckBox40 = nullptr; // "Armour Protect"
    QCheckBox* CheckBox41 = nullptr; // "Shotgun"
    QCheckBox* CheckBox42 = nullptr; // "Super Shotgun"
    QCheckBox* CheckBox43 = nullptr; // "Machine Gun"
    QCheckBox* CheckBox44 = nullptr; // "Chaingun"
    QCheckBox* CheckBox45 = nullptr; // "Grenade Launcher"
    QCheckBox* CheckBox46 = nullptr; // "Rocket Launcher"
    QCheckBox* CheckBox47 = nullptr; // "Hyperblaster"
    QCheckBox* CheckBox48 = nullptr; // "Railgun"
    QCheckBox* CheckBox49 = nullptr; // "BFG"
    SpinEdit* SpinEdit6 = nullptr; // "Armour"
    SpinEdit* SpinEdit7 = nullptr; // "Health"
    SpinEdit* SpinEdit8 = nullptr; // "Shells"
    SpinEdit* SpinEdit9 = nullptr; // "Bullets"
    SpinEdit* SpinEdit10 = nullptr; // "Slugs"
    SpinEdit* SpinEdit11 = nullptr; // "Grenades"
    SpinEdit* SpinEdit12 = nullptr; // "Rockets"
    SpinEdit* SpinEdit13 = nullptr; // "Cells"

    // Capture the Flag page, group "Team Options".
    QRadioButton* RadioButton6 = nullptr; // "Auto-assign Bots to the Teams"
    QRadioButton* RadioButton7 = nullptr; // "Force Bots onto Team..."
    QButtonGroup* teamGroup = nullptr;
    QCheckBox* CheckBox34 = nullptr; // "Red"
    QCheckBox* CheckBox35 = nullptr; // "Blue"

private:
    void setTeamBoxesEnabled(bool enabled);
};
