// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/ui/dmflagspage.h"

#include "app/ui/guard.h"
#include "launch/core/dmflags.h"
#include "launch/core/execsettings.h"
#include "profile/core/profilekeys.h"
#include "profile/core/profileread.h"
#include "profile/ui/profilebinding.h"
#include "widgets/accessibility.h"
#include "widgets/fontscale.h"
#include "widgets/spinedit.h"
#include "widgets/widgets.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using controls::compact;
using controls::kMargin;
using controls::kSpacing;
const char* const kFlagValueProperty = "flagValue";

// The boxes as the tab shows them, in the order of the core's flag table.
struct FlagBoxText {
    QCheckBox* DmFlagsPage::*member;
    const char* name;
    const char* caption;
    const char* hint;
};
const FlagBoxText kFlagBoxTexts[tk::kFlagBoxCount] = {
    { &DmFlagsPage::CheckBox1, "CheckBox1", QT_TRANSLATE_NOOP("DmFlagsPage", "No Health"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "No health packs in map") },
    { &DmFlagsPage::CheckBox2, "CheckBox2", QT_TRANSLATE_NOOP("DmFlagsPage", "No Items"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "No items in map") },
    { &DmFlagsPage::CheckBox3, "CheckBox3", QT_TRANSLATE_NOOP("DmFlagsPage", "Weapons Stay"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Weapons stay when picked up") },
    { &DmFlagsPage::CheckBox4, "CheckBox4", QT_TRANSLATE_NOOP("DmFlagsPage", "No Falling Dmg"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "No damage taken from falling") },
    { &DmFlagsPage::CheckBox5, "CheckBox5", QT_TRANSLATE_NOOP("DmFlagsPage", "Instant Items"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Items are used when picked up (Quad/Rebreater/etc.)") },
    { &DmFlagsPage::CheckBox6, "CheckBox6", QT_TRANSLATE_NOOP("DmFlagsPage", "Stay on same Lvl"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Forces map to remain same after games") },
    { &DmFlagsPage::CheckBox7, "CheckBox7", QT_TRANSLATE_NOOP("DmFlagsPage", "Teams by Skin"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Sort teams by skin design") },
    { &DmFlagsPage::CheckBox8, "CheckBox8", QT_TRANSLATE_NOOP("DmFlagsPage", "Teams by Model"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Sort teams by model") },
    { &DmFlagsPage::CheckBox9, "CheckBox9", QT_TRANSLATE_NOOP("DmFlagsPage", "No Friendly Fire"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Allows you to injure/kill teammates") },
    { &DmFlagsPage::CheckBox10, "CheckBox10", QT_TRANSLATE_NOOP("DmFlagsPage", "Spawn Farthest"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Spawn in unbusiest part of map") },
    { &DmFlagsPage::CheckBox11, "CheckBox11", QT_TRANSLATE_NOOP("DmFlagsPage", "Force Respawn"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Auto respawn without user click") },
    { &DmFlagsPage::CheckBox12, "CheckBox12", QT_TRANSLATE_NOOP("DmFlagsPage", "No Armour"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "No armour in map") },
    { &DmFlagsPage::CheckBox13, "CheckBox13", QT_TRANSLATE_NOOP("DmFlagsPage", "Allow Exit"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Allow clients to exit midgame") },
    { &DmFlagsPage::CheckBox14, "CheckBox14", QT_TRANSLATE_NOOP("DmFlagsPage", "Infinite Ammo"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Infinite ammo for guns") },
    { &DmFlagsPage::CheckBox15, "CheckBox15", QT_TRANSLATE_NOOP("DmFlagsPage", "Quad Drop"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Allows quad drop when quadded player is killed") },
    { &DmFlagsPage::CheckBox16, "CheckBox16", QT_TRANSLATE_NOOP("DmFlagsPage", "Fixed F.o.V."),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Force clients to use FOV90") },
    { &DmFlagsPage::CheckBox17, "CheckBox17", QT_TRANSLATE_NOOP("DmFlagsPage", "Force Join"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Force client to join team") },
    { &DmFlagsPage::CheckBox18, "CheckBox18", QT_TRANSLATE_NOOP("DmFlagsPage", "Armour Protect"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Armor protects you from teammates shots") },
    { &DmFlagsPage::CheckBox19, "CheckBox19", QT_TRANSLATE_NOOP("DmFlagsPage", "No Tech Powerups"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Disable tech/runes") },
};

// The preset buttons, in the order of the core's presets; a second line may be empty.
struct PresetText {
    QPushButton* DmFlagsPage::*member;
    const char* name;
    const char* line1;
    const char* line2;
};
const PresetText kPresetTexts[tk::kFlagPresetCount] = {
    { &DmFlagsPage::RxSpeedButton1, "RxSpeedButton1", QT_TRANSLATE_NOOP("DmFlagsPage", "2 Player"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Duel") },
    { &DmFlagsPage::RxSpeedButton2, "RxSpeedButton2", QT_TRANSLATE_NOOP("DmFlagsPage", "4 or Less"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "Player DM") },
    { &DmFlagsPage::RxSpeedButton3, "RxSpeedButton3", QT_TRANSLATE_NOOP("DmFlagsPage", "More than "),
        QT_TRANSLATE_NOOP("DmFlagsPage", "4 Player DM") },
    { &DmFlagsPage::RxSpeedButton4, "RxSpeedButton4", QT_TRANSLATE_NOOP("DmFlagsPage", "CTF"), "" },
    { &DmFlagsPage::RxSpeedButton5, "RxSpeedButton5", QT_TRANSLATE_NOOP("DmFlagsPage", "Team DM"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "(By Skin)") },
    { &DmFlagsPage::RxSpeedButton6, "RxSpeedButton6", QT_TRANSLATE_NOOP("DmFlagsPage", "Team DM"),
        QT_TRANSLATE_NOOP("DmFlagsPage", "(By Model)") },
};
constexpr int kDmRows = 6;

// Only digits may be typed into the flag total; Backspace types a character and is
// refused too, while Delete, which types none, still erases.
class DigitsOnly : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            // Moving on to the next control stays possible, and Return confirms the total.
            const bool passes = key->key() == Qt::Key_Delete || key->key() == Qt::Key_Tab
                || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Return
                || key->key() == Qt::Key_Enter;
            if (!text.isEmpty() && !passes && !(text.at(0) >= '0' && text.at(0) <= '9'))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

DmFlagsPage::DmFlagsPage(QWidget* parent)
    : TabPage(parent)
{
    const tk::ExecSettings defaults;
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

    int dmIndex = 0;
    for (int i = 0; i < tk::kFlagBoxCount; ++i) {
        const tk::FlagBox& f = tk::flagBoxes()[i];
        const FlagBoxText& text = kFlagBoxTexts[i];
        const bool dm = f.group == tk::FlagGroup::Deathmatch;
        QCheckBox* box
            = controls::checkBox(dm ? dmGroup : ctfGroup, text.name, tr(text.caption), tr(text.hint));
        box->setProperty(kFlagValueProperty, f.value);
        box->setChecked(f.defaultOn);
        this->*text.member = box;
        connect(box, &QCheckBox::clicked, this, &DmFlagsPage::flagBoxClick);
        // Three columns read top to bottom leave room for every caption.
        if (dm) {
            dmGrid->addWidget(box, dmIndex % kDmRows, dmIndex / kDmRows);
            ++dmIndex;
        } else {
            ctfLayout->addWidget(box);
        }
    }
    dmGrid->setRowStretch(kDmRows, 1);

    const tk::IntRange captures = tk::keyRange("ServerOptions", "CaptureLimit");
    capturelimit = controls::spinEdit(ctfGroup, "capturelimit", captures.min, captures.max, 1,
        defaults.capturelimit, 3, tr("End game when this cap-limit is reached"));
    capturelimit->setFixedWidth(controls::scaled(48));
    auto* capRow = new QHBoxLayout;
    capRow->setSpacing(kSpacing);
    auto* capLabel = controls::label(ctfGroup, tr("Capture Limit of"));
    controls::setHint(capLabel, capturelimit->statusTip());
    capLabel->setBuddy(capturelimit);
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
    const tk::IntRange minimum = tk::keyRange("ServerOptions", "MinPlayersVal");
    SpinEdit5 = controls::spinEdit(setup, "SpinEdit5", minimum.min, minimum.max, 1, defaults.minPlayersValue);
    SpinEdit5->setFixedWidth(controls::scaled(52));
    controls::nameAfter(SpinEdit5, CheckBox33->text());
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
    for (int index = 0; index < tk::kFlagPresetCount; ++index) {
        const PresetText& text = kPresetTexts[index];
        const QString caption = *text.line2 ? tr(text.line1) + '\n' + tr(text.line2) : tr(text.line1);
        QPushButton* b = controls::button(setup, text.name, caption);
        b->setMinimumHeight(controls::scaled(34));
        controls::addShortcuts(b, { QKeySequence(Qt::ControlModifier | Qt::Key(Qt::Key_1 + index)) });
        this->*text.member = b;
        connect(b, &QPushButton::clicked, this, [this, index] { applyPreset(index); });
        presetGrid->addWidget(b, index / 3, index % 3);
    }
    setupLayout->addLayout(presetGrid);
    setupLayout->addStretch(1);
    lowerRow->addWidget(setup, 1);

    // The flag total itself.
    auto* total = controls::group(this, tr("DM Flag Total"), tr("Auto-set DMFlags"));
    auto* totalLayout = new QVBoxLayout(total);
    compact(totalLayout);
    QLabel* totalLabel = controls::label(total, tr("DM Flags Setting"));
    totalLayout->addWidget(totalLabel);
    auto* totalRow = new QHBoxLayout;
    totalRow->setSpacing(kSpacing);
    dmflags = controls::edit(total, "dmflags", defaults.dmflags, tr("Type custom DMFlags setting in here"));
    SpeedButton13 = controls::button(total, "SpeedButton13", tr("&Set"), tr("Set DMFlags to user's setting"));
    SpeedButton13->setFixedWidth(controls::scaled(48));
    totalLabel->setBuddy(dmflags);
    totalRow->addWidget(dmflags, 1);
    totalRow->addWidget(SpeedButton13);
    totalLayout->addLayout(totalRow);
    totalLayout->addWidget(controls::note(total,
        tr("This is the final figure, calculated from the above settings. If preferred, you can enter a "
           "number directly into this box and set flags by pressing the 'Set' button.")));
    totalLayout->addStretch(1);
    total->setFixedWidth(controls::scaled(190));
    lowerRow->addWidget(total);
    page->addLayout(lowerRow, 1);

    dmflags->installEventFilter(new DigitsOnly(dmflags));
    // A total typed and confirmed with Return is applied as "&Set" applies it.
    connect(dmflags, &QLineEdit::returnPressed, SpeedButton13, &QPushButton::click);
    // "&Set" has the letter of "&Setup": Return in the total is its key.
    controls::tellKeys(SpeedButton13, { QKeySequence(Qt::Key_Return) }, tr(" in the total"));
    connectGuarded(
        SpeedButton13, &QPushButton::clicked, this, &DmFlagsPage::SpeedButton13Click, guardTarget());
    connect(CheckBox33, &QCheckBox::clicked, this, &DmFlagsPage::applyEnableRules);
    applyEnableRules();
}

void DmFlagsPage::load(const tk::ProfileRead& read)
{
    loadBoundControls(*this, read.profile);
    for (int i = 0; i < tk::kFlagBoxCount; ++i)
        (this->*kFlagBoxTexts[i].member)->setChecked(read.profile.flagBoxes[i]);
    applyEnableRules();
}

void DmFlagsPage::store(tk::Profile& profile) const
{
    storeBoundControls(*this, profile);
    profile.flagBoxes = boxStates();
}

QList<QCheckBox*> DmFlagsPage::flagBoxes() const
{
    QList<QCheckBox*> boxes;
    for (const FlagBoxText& text : kFlagBoxTexts)
        boxes.append(this->*text.member);
    return boxes;
}

tk::FlagBoxStates DmFlagsPage::boxStates() const
{
    tk::FlagBoxStates states {};
    for (int i = 0; i < tk::kFlagBoxCount; ++i)
        states[i] = (this->*kFlagBoxTexts[i].member)->isChecked();
    return states;
}

void DmFlagsPage::flagBoxClick()
{
    dmflags->setText(QString::number(tk::totalFromBoxes(boxStates())));
}

void DmFlagsPage::applyTotal(int total)
{
    tk::FlagBoxStates states = boxStates();
    // Every box that changes counts as a click of it, so the text follows the boxes
    // whenever one changed and stays as typed when none did.
    if (!tk::applyTotal(total, states))
        return;
    for (int i = 0; i < tk::kFlagBoxCount; ++i)
        (this->*kFlagBoxTexts[i].member)->setChecked(states[i]);
    flagBoxClick();
}

void DmFlagsPage::SpeedButton13Click()
{
    if (const std::optional<int> total = tk::flagTotalToSet(dmflags->text()))
        applyTotal(*total);
}

void DmFlagsPage::applyPreset(int index)
{
    const tk::FlagPreset& preset = tk::flagPresets()[index];
    applyTotal(preset.flagTotal);
    capturelimit->setValue(preset.capturelimit);
    Q_EMIT presetApplied(preset.fraglimit, preset.timelimit, preset.maxclients);
    accessibility::announce(dmflags);
}

int DmFlagsPage::flagValue(const QCheckBox* box)
{
    return box ? box->property(kFlagValueProperty).toInt() : 0;
}

QList<QPushButton*> DmFlagsPage::presetButtons() const
{
    QList<QPushButton*> buttons;
    for (const PresetText& text : kPresetTexts)
        buttons.append(this->*text.member);
    return buttons;
}

void DmFlagsPage::applyEnableRules()
{
    SpinEdit5->setEnabled(CheckBox33->isChecked());
}
