#include "launch/ui/dmflagspage.h"

#include "app/ui/spinedit.h"
#include "app/ui/widgets.h"
#include "launch/core/execsettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMargin = 4;
constexpr int kSpacing = 3;
const char* const kFlagValueProperty = "flagValue";

void compact(QLayout* layout)
{
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
}

struct FlagBox {
    QCheckBox* DmFlagsPage::*member;
    const char* name;
    const char* caption;
    const char* hint;
    int value;
    bool checked;
};

// The box of every flag Quake2 knows, except 65536, which has none.
const FlagBox kFlagBoxes[] = {
    { &DmFlagsPage::CheckBox1, "CheckBox1", QT_TRANSLATE_NOOP("DmFlagsPage", "No Health"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "No health packs in map"), 1, false },
    { &DmFlagsPage::CheckBox2, "CheckBox2", QT_TRANSLATE_NOOP("DmFlagsPage", "No Items"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "No items in map"), 2, false },
    { &DmFlagsPage::CheckBox3, "CheckBox3", QT_TRANSLATE_NOOP("DmFlagsPage", "Weapons Stay"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Weapons stay when picked up"), 4, true },
    { &DmFlagsPage::CheckBox4, "CheckBox4", QT_TRANSLATE_NOOP("DmFlagsPage", "No Falling Dmg"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "No damage taken from falling"), 8, false },
    { &DmFlagsPage::CheckBox5, "CheckBox5", QT_TRANSLATE_NOOP("DmFlagsPage", "Instant Items"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Items are used when picked up (Quad/Rebreater/etc.)"), 16, true },
    { &DmFlagsPage::CheckBox6, "CheckBox6", QT_TRANSLATE_NOOP("DmFlagsPage", "Stay on same Lvl"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Forces map to remain same after games"), 32, false },
    { &DmFlagsPage::CheckBox7, "CheckBox7", QT_TRANSLATE_NOOP("DmFlagsPage", "Teams by Skin"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Sort teams by skin design"), 64, false },
    { &DmFlagsPage::CheckBox8, "CheckBox8", QT_TRANSLATE_NOOP("DmFlagsPage", "Teams by Model"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Sort teams by model"), 128, false },
    { &DmFlagsPage::CheckBox9, "CheckBox9", QT_TRANSLATE_NOOP("DmFlagsPage", "No Friendly Fire"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Allows you to injure/kill teammates"), 256, false },
    { &DmFlagsPage::CheckBox10, "CheckBox10", QT_TRANSLATE_NOOP("DmFlagsPage", "Spawn Farthest"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Spawn in unbusiest part of map"), 512, true },
    { &DmFlagsPage::CheckBox11, "CheckBox11", QT_TRANSLATE_NOOP("DmFlagsPage", "Force Respawn"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Auto respawn without user click"), 1024, true },
    { &DmFlagsPage::CheckBox12, "CheckBox12", QT_TRANSLATE_NOOP("DmFlagsPage", "No Armour"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "No armour in map"), 2048, false },
    { &DmFlagsPage::CheckBox13, "CheckBox13", QT_TRANSLATE_NOOP("DmFlagsPage", "Allow Exit"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Allow clients to exit midgame"), 4096, false },
    { &DmFlagsPage::CheckBox14, "CheckBox14", QT_TRANSLATE_NOOP("DmFlagsPage", "Infinite Ammo"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Infinite ammo for guns"), 8192, false },
    { &DmFlagsPage::CheckBox15, "CheckBox15", QT_TRANSLATE_NOOP("DmFlagsPage", "Quad Drop"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Allows quad drop when quadded player is killed"), 16384, true },
    { &DmFlagsPage::CheckBox16, "CheckBox16", QT_TRANSLATE_NOOP("DmFlagsPage", "Fixed F.o.V."),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Force clients to use FOV90"), 32768, false },
    { &DmFlagsPage::CheckBox17, "CheckBox17", QT_TRANSLATE_NOOP("DmFlagsPage", "Force Join"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Force client to join team"), 131072, false },
    { &DmFlagsPage::CheckBox18, "CheckBox18", QT_TRANSLATE_NOOP("DmFlagsPage", "Armour Protect"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Armor protects you from teammates shots"), 262144, true },
    { &DmFlagsPage::CheckBox19, "CheckBox19", QT_TRANSLATE_NOOP("DmFlagsPage", "No Tech Powerups"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Disable tech/runes"), 524288, false },
};
constexpr int kDmBoxCount = 16;
constexpr int kDmRows = 6;

struct Preset {
    QPushButton* DmFlagsPage::*member;
    const char* name;
    const char* caption;
};

const Preset kPresets[] = {
    { &DmFlagsPage::RxSpeedButton1, "RxSpeedButton1", QT_TRANSLATE_NOOP("DmFlagsPage", "2 Player\nDuel") },
    { &DmFlagsPage::RxSpeedButton2, "RxSpeedButton2",
        QT_TRANSLATE_NOOP("DmFlagsPage", "4 or Less\nPlayer DM") },
    { &DmFlagsPage::RxSpeedButton3, "RxSpeedButton3",
        QT_TRANSLATE_NOOP("DmFlagsPage", "More than \n4 Player DM") },
    { &DmFlagsPage::RxSpeedButton4, "RxSpeedButton4", QT_TRANSLATE_NOOP("DmFlagsPage", "CTF") },
    { &DmFlagsPage::RxSpeedButton5, "RxSpeedButton5",
        QT_TRANSLATE_NOOP("DmFlagsPage", "Team DM\n(By Skin)") },
    { &DmFlagsPage::RxSpeedButton6, "RxSpeedButton6",
        QT_TRANSLATE_NOOP("DmFlagsPage", "Team DM\n(By Model)") },
};

} // namespace

DmFlagsPage::DmFlagsPage(QWidget* parent)
    : TabPage(parent)
{
    auto* page = new QVBoxLayout(this);
    compact(page);

    auto* flagRow = new QHBoxLayout;
    flagRow->setSpacing(kSpacing);
    auto* dmGroup = controls::group(this, tr("Flags [DM and Teamplay]"), tr("Basic DMFlag selection"));
    auto* dmGrid = new QGridLayout(dmGroup);
    compact(dmGrid);
    dmGrid->setHorizontalSpacing(8);
    auto* ctfGroup = controls::group(this, tr("Flags [CTF]"), tr("CTF DMFlag selection"));
    auto* ctfLayout = new QVBoxLayout(ctfGroup);
    compact(ctfLayout);

    int index = 0;
    for (const FlagBox& f : kFlagBoxes) {
        QWidget* owner = index < kDmBoxCount ? dmGroup : ctfGroup;
        QCheckBox* box = controls::checkBox(owner, f.name, tr(f.caption), tr(f.hint));
        box->setProperty(kFlagValueProperty, f.value);
        box->setChecked(f.checked);
        this->*f.member = box;
        // Three columns read top to bottom leave room for every caption.
        if (index < kDmBoxCount)
            dmGrid->addWidget(box, index % kDmRows, index / kDmRows);
        else
            ctfLayout->addWidget(box);
        ++index;
    }
    dmGrid->setRowStretch(kDmRows, 1);

    capturelimit = controls::spinEdit(
        ctfGroup, "capturelimit", 0, 999, 1, 8, 3, tr("End game when this cap-limit is reached"));
    capturelimit->setFixedWidth(48);
    auto* capRow = new QHBoxLayout;
    capRow->setSpacing(kSpacing);
    auto* capLabel = controls::label(ctfGroup, tr("Capture Limit of"));
    capLabel->setStatusTip(capturelimit->statusTip());
    capRow->addWidget(capLabel);
    capRow->addWidget(capturelimit);
    capRow->addStretch(1);
    ctfLayout->addLayout(capRow);
    ctfLayout->addWidget(controls::label(ctfGroup, tr("(Use 0 for no limit)")));
    ctfLayout->addStretch(1);

    flagRow->addWidget(dmGroup, 1);
    flagRow->addWidget(ctfGroup);
    page->addLayout(flagRow);

    auto* lowerRow = new QHBoxLayout;
    lowerRow->setSpacing(kSpacing);

    // Presets and the minimum number of players.
    auto* setup = controls::group(
        this, tr("Game Setup"), tr("Click a button and DMFlags will be auto-set to this default"));
    auto* setupLayout = new QVBoxLayout(setup);
    compact(setupLayout);
    auto* minRow = new QHBoxLayout;
    minRow->setSpacing(kSpacing);
    CheckBox33 = controls::checkBox(setup, "CheckBox33", tr("Maintain Minimum No. of players of"));
    SpinEdit5 = controls::spinEdit(setup, "SpinEdit5", 0, 0, 1, 0);
    SpinEdit5->setFixedWidth(52);
    minRow->addWidget(CheckBox33);
    minRow->addWidget(SpinEdit5);
    minRow->addStretch(1);
    setupLayout->addLayout(minRow);
    setupLayout->addWidget(controls::note(setup,
        tr("The buttons below can be used to quickly set pre programmed DM Flags. Just find the type of "
           "game you wish to play and hit the appropriate button and all Flags will be set to their "
           "optimum setting for that kind of game.")));
    auto* presetGrid = new QGridLayout;
    presetGrid->setSpacing(kSpacing);
    index = 0;
    for (const Preset& preset : kPresets) {
        QPushButton* b = controls::button(setup, preset.name, tr(preset.caption));
        b->setMinimumHeight(34);
        this->*preset.member = b;
        presetGrid->addWidget(b, index / 3, index % 3);
        ++index;
    }
    setupLayout->addLayout(presetGrid);
    setupLayout->addStretch(1);
    lowerRow->addWidget(setup, 1);

    // The flag total itself.
    auto* total = controls::group(this, tr("DM Flag Total"), tr("Auto-set DMFlags"));
    auto* totalLayout = new QVBoxLayout(total);
    compact(totalLayout);
    totalLayout->addWidget(controls::label(total, tr("DM Flags Setting")));
    auto* totalRow = new QHBoxLayout;
    totalRow->setSpacing(kSpacing);
    dmflags = controls::edit(
        total, "dmflags", QStringLiteral("280084"), tr("Type custom DMFlags setting in here"));
    SpeedButton13 = controls::button(total, "SpeedButton13", tr("&Set"), tr("Set DMFlags to user's setting"));
    SpeedButton13->setFixedWidth(48);
    totalRow->addWidget(dmflags, 1);
    totalRow->addWidget(SpeedButton13);
    totalLayout->addLayout(totalRow);
    totalLayout->addWidget(controls::note(total,
        tr("This is the final figure, calculated from the above settings. If preferred, you can enter a "
           "number directly into this box and set flags by pressing the 'Set' button.")));
    totalLayout->addStretch(1);
    total->setFixedWidth(190);
    lowerRow->addWidget(total);
    page->addLayout(lowerRow, 1);

    connect(CheckBox33, &QCheckBox::clicked, this, &DmFlagsPage::CheckBox33Click);
    CheckBox33Click();
}

void DmFlagsPage::gatherExecSettings(tk::ExecSettings& settings) const
{
    settings.dmflags = dmflags->text();
    settings.capturelimit = capturelimit->value();
    settings.minPlayers = CheckBox33->isChecked();
    settings.minPlayersValue = SpinEdit5->value();
}

QList<QCheckBox*> DmFlagsPage::flagBoxes() const
{
    QList<QCheckBox*> boxes;
    for (const FlagBox& f : kFlagBoxes)
        boxes.append(this->*f.member);
    return boxes;
}

int DmFlagsPage::flagValue(const QCheckBox* box)
{
    return box ? box->property(kFlagValueProperty).toInt() : 0;
}

QList<QPushButton*> DmFlagsPage::presetButtons() const
{
    QList<QPushButton*> buttons;
    for (const Preset& preset : kPresets)
        buttons.append(this->*preset.member);
    return buttons;
}

void DmFlagsPage::CheckBox33Click()
{
    SpinEdit5->setEnabled(CheckBox33->isChecked());
}
