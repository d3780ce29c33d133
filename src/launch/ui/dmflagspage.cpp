// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/ui/dmflagspage.h"

#include "launch/core/dmflags.h"
#include "launch/core/execsettings.h"
#include "widgets/accessibility.h"
#include "widgets/guard.h"
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

// The members in the order of the core's flag table.
QCheckBox* DmFlagsPage::*const kFlagMembers[tk::kFlagBoxCount] = { &DmFlagsPage::CheckBox1,
    &DmFlagsPage::CheckBox2, &DmFlagsPage::CheckBox3, &DmFlagsPage::CheckBox4, &DmFlagsPage::CheckBox5,
    &DmFlagsPage::CheckBox6, &DmFlagsPage::CheckBox7, &DmFlagsPage::CheckBox8, &DmFlagsPage::CheckBox9,
    &DmFlagsPage::CheckBox10, &DmFlagsPage::CheckBox11, &DmFlagsPage::CheckBox12, &DmFlagsPage::CheckBox13,
    &DmFlagsPage::CheckBox14, &DmFlagsPage::CheckBox15, &DmFlagsPage::CheckBox16, &DmFlagsPage::CheckBox17,
    &DmFlagsPage::CheckBox18, &DmFlagsPage::CheckBox19 };
QPushButton* DmFlagsPage::*const kPresetMembers[tk::kFlagPresetCount]
    = { &DmFlagsPage::RxSpeedButton1, &DmFlagsPage::RxSpeedButton2, &DmFlagsPage::RxSpeedButton3,
          &DmFlagsPage::RxSpeedButton4, &DmFlagsPage::RxSpeedButton5, &DmFlagsPage::RxSpeedButton6 };
constexpr int kDmBoxCount = 16;
constexpr int kDmRows = 6;

QString translated(const char* text)
{
    return QCoreApplication::translate("TForm1", text);
}

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

    int index = 0;
    for (const tk::FlagBox& f : tk::flagBoxes()) {
        QWidget* owner = index < kDmBoxCount ? dmGroup : ctfGroup;
        QCheckBox* box
            = controls::checkBox(owner, f.componentName, translated(f.caption), translated(f.hint));
        box->setProperty(kFlagValueProperty, f.value);
        box->setChecked(f.defaultOn);
        this->*kFlagMembers[index] = box;
        connect(box, &QCheckBox::clicked, this, &DmFlagsPage::flagBoxClick);
        // Three columns read top to bottom leave room for every caption.
        if (index < kDmBoxCount)
            dmGrid->addWidget(box, index % kDmRows, index / kDmRows);
        else
            ctfLayout->addWidget(box);
        ++index;
    }
    dmGrid->setRowStretch(kDmRows, 1);

    capturelimit = controls::spinEdit(ctfGroup, "capturelimit", 0, 999, 1, defaults.capturelimit, 3,
        tr("End game when this cap-limit is reached"));
    capturelimit->setFixedWidth(48);
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
    SpinEdit5 = controls::spinEdit(setup, "SpinEdit5", 0, 0, 1, defaults.minPlayersValue);
    SpinEdit5->setFixedWidth(52);
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
    index = 0;
    for (const tk::FlagPreset& preset : tk::flagPresets()) {
        const QString caption = *preset.captionLine2
            ? translated(preset.captionLine1) + '\n' + translated(preset.captionLine2)
            : translated(preset.captionLine1);
        QPushButton* b = controls::button(setup, preset.componentName, caption);
        b->setMinimumHeight(34);
        controls::addShortcuts(b, { QKeySequence(Qt::ControlModifier | Qt::Key(Qt::Key_1 + index)) });
        this->*kPresetMembers[index] = b;
        connect(b, &QPushButton::clicked, this, [this, index] { applyPreset(index); });
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
    QLabel* totalLabel = controls::label(total, tr("DM Flags Setting"));
    totalLayout->addWidget(totalLabel);
    auto* totalRow = new QHBoxLayout;
    totalRow->setSpacing(kSpacing);
    dmflags = controls::edit(total, "dmflags", defaults.dmflags, tr("Type custom DMFlags setting in here"));
    SpeedButton13 = controls::button(total, "SpeedButton13", tr("&Set"), tr("Set DMFlags to user's setting"));
    SpeedButton13->setFixedWidth(48);
    totalLabel->setBuddy(dmflags);
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

    dmflags->installEventFilter(new DigitsOnly(dmflags));
    // A total typed and confirmed with Return is applied as "&Set" applies it.
    connect(dmflags, &QLineEdit::returnPressed, SpeedButton13, &QPushButton::click);
    // "&Set" has the letter of "&Setup": Return in the total is its key.
    controls::tellKeys(
        SpeedButton13, QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText) + tr(" in the total"));
    connectGuarded(
        SpeedButton13, &QPushButton::clicked, this, &DmFlagsPage::SpeedButton13Click, guardTarget());
    connect(CheckBox33, &QCheckBox::clicked, this, &DmFlagsPage::applyEnableRules);
    applyEnableRules();
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
    for (QCheckBox* DmFlagsPage::*member : kFlagMembers)
        boxes.append(this->*member);
    return boxes;
}

tk::FlagBoxStates DmFlagsPage::boxStates() const
{
    tk::FlagBoxStates states {};
    for (int i = 0; i < tk::kFlagBoxCount; ++i)
        states[i] = (this->*kFlagMembers[i])->isChecked();
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
        (this->*kFlagMembers[i])->setChecked(states[i]);
    flagBoxClick();
}

void DmFlagsPage::applyFlagTotalText()
{
    applyTotal(tk::parseFlagTotal(dmflags->text()));
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
    for (QPushButton* DmFlagsPage::*member : kPresetMembers)
        buttons.append(this->*member);
    return buttons;
}

void DmFlagsPage::applyEnableRules()
{
    SpinEdit5->setEnabled(CheckBox33->isChecked());
}
