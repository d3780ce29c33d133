// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/ui/gamepage.h"

#include "profile/core/profilekeys.h"
#include "profile/core/profileread.h"
#include "profile/ui/profilebinding.h"
#include "widgets/fontscale.h"
#include "widgets/spinedit.h"
#include "widgets/widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using controls::compact;
using controls::kMargin;
using controls::kSpacing;

struct Box {
    QCheckBox* GamePage::*member;
    const char* name;
    const char* caption;
};

const Box kOptionBoxes[] = {
    { &GamePage::CheckBox36, "CheckBox36", QT_TRANSLATE_NOOP("GamePage", "Auto Restart Match") },
    { &GamePage::CheckBox37, "CheckBox37", QT_TRANSLATE_NOOP("GamePage", "No Items") },
    { &GamePage::CheckBox38, "CheckBox38", QT_TRANSLATE_NOOP("GamePage", "Self Damage") },
    { &GamePage::CheckBox39, "CheckBox39", QT_TRANSLATE_NOOP("GamePage", "Health Protect") },
    { &GamePage::CheckBox40, "CheckBox40", QT_TRANSLATE_NOOP("GamePage", "Armour Protect") },
};

const Box kWeaponBoxes[] = {
    { &GamePage::CheckBox41, "CheckBox41", QT_TRANSLATE_NOOP("GamePage", "Shotgun") },
    { &GamePage::CheckBox42, "CheckBox42", QT_TRANSLATE_NOOP("GamePage", "Super Shotgun") },
    { &GamePage::CheckBox43, "CheckBox43", QT_TRANSLATE_NOOP("GamePage", "Machine Gun") },
    { &GamePage::CheckBox44, "CheckBox44", QT_TRANSLATE_NOOP("GamePage", "Chaingun") },
    { &GamePage::CheckBox45, "CheckBox45", QT_TRANSLATE_NOOP("GamePage", "Grenade Launcher") },
    { &GamePage::CheckBox46, "CheckBox46", QT_TRANSLATE_NOOP("GamePage", "Rocket Launcher") },
    { &GamePage::CheckBox47, "CheckBox47", QT_TRANSLATE_NOOP("GamePage", "Hyperblaster") },
    { &GamePage::CheckBox48, "CheckBox48", QT_TRANSLATE_NOOP("GamePage", "Railgun") },
    { &GamePage::CheckBox49, "CheckBox49", QT_TRANSLATE_NOOP("GamePage", "BFG") },
};

struct Stat {
    SpinEdit* GamePage::*member;
    const char* name;
    const char* label;
    int step;
};

const Stat kStats[] = {
    { &GamePage::SpinEdit6, "SpinEdit6", QT_TRANSLATE_NOOP("GamePage", "Armour"), 10 },
    { &GamePage::SpinEdit7, "SpinEdit7", QT_TRANSLATE_NOOP("GamePage", "Health"), 10 },
    { &GamePage::SpinEdit8, "SpinEdit8", QT_TRANSLATE_NOOP("GamePage", "Shells"), 10 },
    { &GamePage::SpinEdit9, "SpinEdit9", QT_TRANSLATE_NOOP("GamePage", "Bullets"), 50 },
    { &GamePage::SpinEdit10, "SpinEdit10", QT_TRANSLATE_NOOP("GamePage", "Slugs"), 5 },
    { &GamePage::SpinEdit11, "SpinEdit11", QT_TRANSLATE_NOOP("GamePage", "Grenades"), 5 },
    { &GamePage::SpinEdit12, "SpinEdit12", QT_TRANSLATE_NOOP("GamePage", "Rockets"), 5 },
    { &GamePage::SpinEdit13, "SpinEdit13", QT_TRANSLATE_NOOP("GamePage", "Cells"), 50 },
};

struct Mod {
    QRadioButton* GamePage::*member;
    tk::ModChoice choice;
};

const Mod kMods[] = {
    { &GamePage::RadioButton3, tk::ModChoice::Deathmatch },
    { &GamePage::RadioButton4, tk::ModChoice::CaptureTheFlag },
    { &GamePage::RadioButton5, tk::ModChoice::RocketArena },
    { &GamePage::RadioButton8, tk::ModChoice::Xatrix },
    { &GamePage::RadioButton9, tk::ModChoice::Rogue },
};

} // namespace

GamePage::GamePage(QWidget* parent)
    : TabPage(parent)
{
    const tk::ExecSettings defaults;
    auto* page = new QHBoxLayout(this);
    compact(page);
    auto* leftColumn = new QWidget(this);
    leftColumn->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* left = new QVBoxLayout(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(kSpacing);

    // Server limits and switches.
    auto* server
        = controls::group(leftColumn, tr("Server Configuration"), tr("Miscellaneous Server Config. options"));
    auto* serverGrid = new QGridLayout(server);
    compact(serverGrid);
    const tk::IntRange frags = tk::keyRange("ServerOptions", "FragLimit");
    const tk::IntRange minutes = tk::keyRange("ServerOptions", "TimeLimit");
    const tk::IntRange clients = tk::keyRange("ServerOptions", "MaxClients");
    fraglimit = controls::spinEdit(server, "fraglimit", frags.min, frags.max, 10, defaults.fraglimit, 3);
    timelimit = controls::spinEdit(server, "timelimit", minutes.min, minutes.max, 5, defaults.timelimit, 3);
    maxclients
        = controls::spinEdit(server, "maxclients", clients.min, clients.max, 1, defaults.maxclients, 3);
    const std::pair<SpinEdit*, QString> limits[] = { { fraglimit, tr("Frag Limit") },
        { timelimit, tr("Time Limit") }, { maxclients, tr("Max. Clients") } };
    int row = 0;
    for (const auto& [edit, caption] : limits) {
        edit->setFixedWidth(controls::scaled(56));
        QLabel* label = controls::label(server, caption);
        label->setBuddy(edit);
        serverGrid->addWidget(label, row, 0);
        serverGrid->addWidget(edit, row, 1);
        ++row;
    }
    serverGrid->setColumnStretch(2, 1);
    dedicated = controls::checkBox(server, "dedicated", tr("Dedicated Server"));
    cheats = controls::checkBox(server, "cheats", tr("Allow Cheats"));
    serverGrid->addWidget(dedicated, row++, 0, 1, 3);
    serverGrid->addWidget(cheats, row++, 0, 1, 3);
    left->addWidget(server);

    // The game modification; the pages beside hold each mod's own settings.
    auto* mods = controls::group(leftColumn, tr("Mod to Play"));
    auto* modLayout = new QVBoxLayout(mods);
    compact(modLayout);
    modGroup = new QButtonGroup(this);
    RadioButton3 = controls::radioButton(mods, "RadioButton3", tr("Regular Deathmatch"));
    RadioButton4 = controls::radioButton(mods, "RadioButton4", tr("Capture the Flag"));
    RadioButton5 = controls::radioButton(mods, "RadioButton5", tr("Rocket Arena"));
    RadioButton8 = controls::radioButton(mods, "RadioButton8", tr("Xatrix"));
    RadioButton9 = controls::radioButton(mods, "RadioButton9", tr("Rogue"));
    for (QRadioButton* b : { RadioButton3, RadioButton4, RadioButton5, RadioButton8, RadioButton9 }) {
        modGroup->addButton(b);
        modLayout->addWidget(b);
    }
    for (const Mod& m : kMods)
        (this->*m.member)->setChecked(m.choice == defaults.mod);
    left->addWidget(mods);
    left->addStretch(1);

    page->addWidget(leftColumn);

    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    page->addWidget(PageControl2, 1);

    // Rocket Arena.
    auto* ra = new QWidget(PageControl2);
    auto* raLayout = new QVBoxLayout(ra);
    compact(raLayout);
    // The two groups side by side need all the width the page has.
    raLayout->setContentsMargins(2, kMargin, 2, kMargin);
    auto* raTop = new QHBoxLayout;
    raTop->setSpacing(kSpacing);
    auto* options = controls::group(ra, tr("Options / Flags"));
    auto* optionLayout = new QVBoxLayout(options);
    compact(optionLayout);
    int index = 0;
    for (const Box& b : kOptionBoxes) {
        QCheckBox* box = controls::checkBox(options, b.name, tr(b.caption));
        box->setChecked(defaults.raOptions[index++]);
        this->*b.member = box;
        optionLayout->addWidget(box);
    }
    optionLayout->addStretch(1);
    raTop->addWidget(options);
    auto* weapons = controls::group(ra, tr("Enabled Weapons"));
    auto* weaponGrid = new QGridLayout(weapons);
    compact(weaponGrid);
    weaponGrid->setHorizontalSpacing(kSpacing);
    index = 0;
    for (const Box& b : kWeaponBoxes) {
        QCheckBox* box = controls::checkBox(weapons, b.name, tr(b.caption));
        box->setChecked(defaults.raWeapons[index]);
        this->*b.member = box;
        weaponGrid->addWidget(box, index % 5, index / 5);
        ++index;
    }
    weaponGrid->setRowStretch(5, 1);
    raTop->addWidget(weapons, 1);
    raLayout->addLayout(raTop);

    auto* stats = controls::group(ra, tr("Initial Player Stats./Ammo Levels"));
    auto* statGrid = new QGridLayout(stats);
    compact(statGrid);
    statGrid->setHorizontalSpacing(6);
    index = 0;
    for (const Stat& s : kStats) {
        SpinEdit* edit = controls::spinEdit(stats, s.name, 0, 0, s.step, defaults.raStats[index]);
        edit->setFixedWidth(controls::scaled(64));
        this->*s.member = edit;
        // Two columns of four, each label to the left of its field.
        const int column = (index / 4) * 3;
        QLabel* label = controls::label(stats, tr(s.label));
        label->setBuddy(edit);
        statGrid->addWidget(label, index % 4, column);
        statGrid->addWidget(edit, index % 4, column + 1);
        ++index;
    }
    statGrid->setColumnMinimumWidth(2, controls::scaled(24));
    statGrid->setColumnStretch(2, 1);
    statGrid->setColumnStretch(5, 1);
    raLayout->addWidget(stats);
    raLayout->addStretch(1);
    PageControl2->addTab(ra, tr("Rocket Arena"));

    // Capture the Flag.
    auto* ctf = new QWidget(PageControl2);
    auto* ctfLayout = new QVBoxLayout(ctf);
    compact(ctfLayout);
    auto* teams = controls::group(ctf, tr("Team Options"));
    auto* teamLayout = new QVBoxLayout(teams);
    compact(teamLayout);
    teamGroup = new QButtonGroup(this);
    RadioButton6 = controls::radioButton(teams, "RadioButton6", tr("Auto-assign Bots to the Teams"));
    RadioButton7 = controls::radioButton(teams, "RadioButton7", tr("Force Bots onto Team..."));
    teamGroup->addButton(RadioButton6);
    teamGroup->addButton(RadioButton7);
    RadioButton6->setChecked(defaults.ctfAutoAssign);
    RadioButton7->setChecked(defaults.ctfForceTeam);
    CheckBox34 = controls::checkBox(teams, "CheckBox34", tr("Red"));
    CheckBox35 = controls::checkBox(teams, "CheckBox35", tr("Blue"));
    CheckBox34->setChecked(defaults.ctfRed);
    CheckBox35->setChecked(defaults.ctfBlue);
    teamLayout->addWidget(RadioButton6);
    teamLayout->addWidget(RadioButton7);
    auto* colours = new QHBoxLayout;
    colours->setContentsMargins(20, 0, 0, 0);
    colours->setSpacing(16);
    colours->addWidget(CheckBox34);
    colours->addWidget(CheckBox35);
    colours->addStretch(1);
    teamLayout->addLayout(colours);
    ctfLayout->addWidget(teams);
    ctfLayout->addStretch(1);
    PageControl2->addTab(ctf, tr("Capture the Flag"));
    PageControl2->setCurrentIndex(0);

    // The colours follow "Force Bots onto Team..." both ways: it is unchecked when
    // "Auto-assign" becomes checked, and also when a profile leaves both options off.
    connect(RadioButton7, &QRadioButton::toggled, this, &GamePage::setTeamBoxesEnabled);
    // Exactly one colour is checked: each box sets the other to its opposite. The
    // second box's change sets the first to the state it already has, which emits
    // nothing, so the pair settles after one round.
    connect(CheckBox34, &QCheckBox::toggled, this, [this](bool on) { CheckBox35->setChecked(!on); });
    connect(CheckBox35, &QCheckBox::toggled, this, [this](bool on) { CheckBox34->setChecked(!on); });
    applyEnableRules();
}

void GamePage::load(const tk::ProfileRead& read)
{
    loadBoundControls(*this, read.profile);
    applyEnableRules();
}

void GamePage::store(tk::Profile& profile) const
{
    storeBoundControls(*this, profile);
}

tk::ModChoice GamePage::modChoice() const
{
    for (const Mod& m : kMods) {
        if ((this->*m.member)->isChecked())
            return m.choice;
    }
    return tk::ModChoice::None;
}

void GamePage::setModChoice(tk::ModChoice mod)
{
    for (const Mod& m : kMods) {
        if (m.choice == mod) {
            (this->*m.member)->setChecked(true);
            return;
        }
    }
    clearModChoice();
}

void GamePage::clearModChoice()
{
    // An exclusive group keeps one button checked; let go of that for a moment.
    modGroup->setExclusive(false);
    for (const Mod& m : kMods)
        (this->*m.member)->setChecked(false);
    modGroup->setExclusive(true);
}

void GamePage::applyEnableRules()
{
    setTeamBoxesEnabled(RadioButton7->isChecked());
}

void GamePage::setTeamBoxesEnabled(bool enabled)
{
    CheckBox34->setEnabled(enabled);
    CheckBox35->setEnabled(enabled);
}

std::array<QCheckBox*, 5> GamePage::raOptionBoxes() const
{
    return { CheckBox36, CheckBox37, CheckBox38, CheckBox39, CheckBox40 };
}

std::array<QCheckBox*, 9> GamePage::raWeaponBoxes() const
{
    return { CheckBox41, CheckBox42, CheckBox43, CheckBox44, CheckBox45, CheckBox46, CheckBox47, CheckBox48,
        CheckBox49 };
}

std::array<SpinEdit*, 8> GamePage::raStatEdits() const
{
    return { SpinEdit6, SpinEdit7, SpinEdit8, SpinEdit9, SpinEdit10, SpinEdit11, SpinEdit12, SpinEdit13 };
}

void GamePage::applyPresetLimits(int frags, int minutes, int clients)
{
    fraglimit->setValue(frags);
    timelimit->setValue(minutes);
    maxclients->setValue(clients);
    dedicated->setChecked(false);
    cheats->setChecked(false);
}
