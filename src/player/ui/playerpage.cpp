// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/ui/playerpage.h"

#include "app/core/usererror.h"
#include "app/ui/guard.h"
#include "imaging/ui/imageview.h"
#include "player/core/playerlists.h"
#include "player/core/sensitivity.h"
#include "player/core/skincatalogue.h"
#include "player/ui/sliderscale.h"
#include "profile/core/profilekeys.h"
#include "profile/core/profileread.h"
#include "profile/ui/profilebinding.h"
#include "widgets/accessibility.h"
#include "widgets/fontscale.h"
#include "widgets/spinedit.h"
#include "widgets/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>

namespace {

constexpr int kSpinWidth = 58;

QComboBox* editableCombo(QWidget* parent, const char* name, const QStringList& items = {})
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    // Texts are taken as typed: no completion (a model typed letter by letter names
    // no model until it is whole), and typed texts are values, not new list entries.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

void tightLayout(QLayout* layout)
{
    layout->setContentsMargins(4, 3, 4, 4);
    layout->setSpacing(3);
}

// Replaces a combo box's list, keeping the text of its edit part and sending no
// change of it: adding items to an empty list would otherwise pick the first one.
void replaceItems(QComboBox* combo, const QStringList& items)
{
    const QString text = combo->currentText();
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

} // namespace

PlayerPage::PlayerPage(QWidget* parent)
    : TabPage(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);

    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(buildSetup(), 1);
    top->addWidget(buildPreview());
    column->addLayout(top);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(4);
    bottom->addWidget(buildMiscSettings(), 1);
    bottom->addWidget(buildSensitivity(), 1);
    column->addLayout(bottom, 1);

    applyEnableRules();
}

QWidget* PlayerPage::buildSetup()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);

    QLabel* heading = controls::label(panel, tr("Player Customisation"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    heading->setFont(headingFont);
    column->addWidget(heading);
    column->addSpacing(4);

    CheckBox28 = controls::checkBox(panel, "CheckBox28", tr("Specify Player custom setup Info."),
        tr("Click to specify Player Setup options"));
    column->addWidget(CheckBox28);

    Edit2 = controls::edit(panel, "Edit2", QString(), tr("Player Name"));
    ComboBox2 = editableCombo(panel, "ComboBox2");
    ComboBox3 = editableCombo(panel, "ComboBox3");
    // Their items are values of the profile and of the exec file, which never depend on the
    // language: they stay untranslated.
    ComboBox4 = editableCombo(
        panel, "ComboBox4", { QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right") });
    ComboBox5 = editableCombo(panel, "ComboBox5",
        { QStringLiteral("No Crosshair"), QStringLiteral("Cross"), QStringLiteral("Dot"),
            QStringLiteral("Angle") });

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(3);
    fields->setVerticalSpacing(3);
    const QList<QPair<QLabel*, QWidget*>> rows {
        { controls::labelPanel(panel, tr("Name")), Edit2 },
        { controls::labelPanel(panel, tr("Model"), tr("Player Model")), ComboBox2 },
        { controls::labelPanel(panel, tr("Skin"), tr("Player Skin")), ComboBox3 },
        { controls::labelPanel(panel, tr("Hand"), tr("Player Handedness")), ComboBox4 },
        { controls::labelPanel(panel, tr("Crosshair"), tr("Player's Crosshair")), ComboBox5 },
    };
    const int fieldHeight = ComboBox2->sizeHint().height();
    for (int i = 0; i < rows.size(); ++i) {
        auto [caption, field] = rows.at(i);
        caption->setFixedHeight(fieldHeight);
        caption->setMinimumWidth(caption->fontMetrics().horizontalAdvance(tr("Crosshair")) + 16);
        field->setFixedHeight(fieldHeight);
        caption->setBuddy(field);
        // Screen readers read the caption's hint as the field's description.
        if (!caption->statusTip().isEmpty())
            field->setAccessibleDescription(caption->statusTip());
        fields->addWidget(caption, i, 0);
        fields->addWidget(field, i, 1);
    }
    fields->setColumnStretch(1, 1);
    column->addLayout(fields);
    column->addStretch(1);

    connect(CheckBox28, &QCheckBox::clicked, this, &PlayerPage::CheckBox28Click);
    // Typed, chosen or set by a profile: the skin list follows the model box.
    connect(ComboBox2, &QComboBox::editTextChanged, this, &PlayerPage::fillSkinList);
    // Only the user's changes of the skin show a preview; the profile load shows its
    // own once both texts are in place.
    connectGuarded(
        ComboBox3->lineEdit(), &QLineEdit::textEdited, this, &PlayerPage::ComboBox3Edited, guardTarget());
    connectGuarded(
        ComboBox3, &QComboBox::textActivated, this, &PlayerPage::ComboBox3Activated, guardTarget());
    return panel;
}

QWidget* PlayerPage::buildPreview()
{
    QGroupBox* box = controls::group(this, tr("Skin Preview"));
    auto* layout = new QVBoxLayout(box);
    tightLayout(layout);
    ImageEnDBView1 = new ImageView(box);
    ImageEnDBView1->setFixedSize(controls::scaled(QSize(320, 200)));
    ImageEnDBView1->setObjectName(QStringLiteral("ImageEnDBView1"));
    controls::setHint(ImageEnDBView1, tr("Preview of Player's Skin"));
    layout->addWidget(ImageEnDBView1);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

QWidget* PlayerPage::buildMiscSettings()
{
    QGroupBox* box = controls::group(this, tr("Misc. Settings"));
    auto* grid = new QGridLayout(box);
    tightLayout(grid);

    CheckBox30 = controls::checkBox(box, "CheckBox30", tr("Specify Client Lag (ms)"));
    const tk::IntRange lag = tk::keyRange("Player", "LagVal");
    const tk::IntRange fluctuation = tk::keyRange("Player", "LagVar");
    const tk::IntRange fps = tk::keyRange("Player", "FPS");
    SpinEdit1 = controls::spinEdit(box, "SpinEdit1", lag.min, lag.max, 10, 0);
    QLabel* fluctuationLabel = controls::label(box, tr("Lag Fluctuation (ms)"));
    SpinEdit4 = controls::spinEdit(box, "SpinEdit4", fluctuation.min, fluctuation.max, 10, 0);
    CheckBox31
        = controls::checkBox(box, "CheckBox31", tr("Specify Max FPS of"), tr("Click to specify max FPS"));
    SpinEdit2 = controls::spinEdit(box, "SpinEdit2", fps.min, fps.max, 5, 0, 0, tr("Max FPS setting"));

    // The fluctuation label lines up with the captions of the check boxes above and below.
    QStyleOptionButton opt;
    opt.initFrom(CheckBox30);
    const int indicator
        = CheckBox30->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, CheckBox30).left();
    fluctuationLabel->setIndent(indicator);

    controls::nameAfter(SpinEdit1, CheckBox30->text());
    fluctuationLabel->setBuddy(SpinEdit4);
    controls::nameAfter(SpinEdit2, CheckBox31->text());
    grid->addWidget(CheckBox30, 0, 0);
    grid->addWidget(SpinEdit1, 0, 1);
    grid->addWidget(fluctuationLabel, 1, 0);
    grid->addWidget(SpinEdit4, 1, 1);
    grid->addWidget(CheckBox31, 2, 0);
    grid->addWidget(SpinEdit2, 2, 1);
    for (SpinEdit* s : { SpinEdit1, SpinEdit4, SpinEdit2 })
        s->setFixedWidth(controls::scaled(kSpinWidth));
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(3, 1);

    connect(CheckBox30, &QCheckBox::clicked, this, &PlayerPage::CheckBox30Click);
    connect(CheckBox31, &QCheckBox::clicked, this, &PlayerPage::CheckBox31Click);
    return box;
}

QWidget* PlayerPage::buildSensitivity()
{
    QGroupBox* box = controls::group(this, tr("Mouse Sensitivity"));
    auto* column = new QVBoxLayout(box);
    tightLayout(column);

    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    CheckBox32 = controls::checkBox(
        box, "CheckBox32", tr("Specify Mouse Sensitivity"), tr("Click to specify mouse speed"));
    Edit3 = controls::edit(box, "Edit3", QString(), tr("Mouse Sensitivity"));
    Edit3->setFixedWidth(controls::scaled(kSpinWidth));
    controls::nameAfter(Edit3, box->title());
    row->addWidget(CheckBox32, 1);
    row->addWidget(Edit3);
    column->addLayout(row);

    TrackBar1 = new QSlider(Qt::Horizontal, box);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(0, 200);
    TrackBar1->setTickInterval(10);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setValue(0);
    // Read as the sensitivity it sets, 5.0 rather than 50.
    accessibility::setValueScale(TrackBar1, 10);
    column->addWidget(TrackBar1);
    column->addWidget(new SliderScale(TrackBar1,
        { { 0, tr("0") }, { 50, tr("5") }, { 100, tr("10") }, { 150, tr("15") }, { 200, tr("20") } }, box));
    column->addStretch(1);

    connect(CheckBox32, &QCheckBox::clicked, this, &PlayerPage::CheckBox32Click);
    // Only the user's moves write the text; a position set from the text does not.
    connect(TrackBar1, &QSlider::actionTriggered, this, &PlayerPage::TrackBar1Change);
    // Typed or pasted; the profile load applies its text itself.
    connectGuarded(Edit3, &QLineEdit::textEdited, this, &PlayerPage::applySensitivityText, guardTarget());
    Edit3->installEventFilter(this);
    return box;
}

void PlayerPage::CheckBox28Click()
{
    const bool on = CheckBox28->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*> { Edit2, ComboBox2, ComboBox3, ComboBox4, ComboBox5 })
        w->setEnabled(on);
}

void PlayerPage::CheckBox30Click()
{
    SpinEdit1->setEnabled(CheckBox30->isChecked());
    SpinEdit4->setEnabled(CheckBox30->isChecked());
}

void PlayerPage::CheckBox31Click()
{
    SpinEdit2->setEnabled(CheckBox31->isChecked());
}

void PlayerPage::CheckBox32Click()
{
    Edit3->setEnabled(CheckBox32->isChecked());
    TrackBar1->setEnabled(CheckBox32->isChecked());
}

void PlayerPage::applyEnableRules()
{
    CheckBox28Click();
    CheckBox30Click();
    CheckBox31Click();
    CheckBox32Click();
}

void PlayerPage::fillModelList()
{
    QStringList messages;
    const std::optional<QStringList> models = tk::modelList(paths().quake2Dir, told().players, messages);
    for (const QString& message : std::as_const(messages))
        ui().showMessage(this, message);
    if (!models)
        return;
    replaceItems(ComboBox2, *models);
    fillSkinList();
}

void PlayerPage::fillSkinList()
{
    if (m_loading)
        return;
    QStringList messages;
    showSkinList(tk::skinList(paths().quake2Dir, ComboBox2->currentText(), told().players, messages));
    for (const QString& message : std::as_const(messages))
        ui().showMessage(this, message);
}

void PlayerPage::showSkinList(const QStringList& skins)
{
    m_typedSkinShown.reset();
    replaceItems(ComboBox3, skins);
}

void PlayerPage::showSkinPreview()
{
    if (const std::optional<QImage> image
        = tk::loadSkinImage(paths().quake2Dir, ComboBox2->currentText(), ComboBox3->currentText()))
        ImageEnDBView1->setImage(*image);
}

void PlayerPage::ComboBox3Edited()
{
    m_typedSkinShown = ComboBox3->currentText();
    showSkinPreview();
}

void PlayerPage::ComboBox3Activated(const QString& text)
{
    const bool shownAlready = m_typedSkinShown == text;
    m_typedSkinShown.reset();
    if (!shownAlready)
        showSkinPreview();
}

void PlayerPage::applySensitivityText()
{
    if (Edit3->text().isEmpty())
        Edit3->setText(QStringLiteral("0"));
    const QString text = Edit3->text();
    const std::optional<int> position = tk::sensitivityPosition(text);
    if (!position)
        throw tk::UserError(tk::notAFloatingPointValueMessage(text));
    TrackBar1->setValue(*position);
}

void PlayerPage::TrackBar1Change(int action)
{
    if (action == QAbstractSlider::SliderNoAction)
        return;
    // The new position is not yet the value: a move that leaves the handle where it
    // was (an arrow key at either end) is no change.
    const int position = TrackBar1->sliderPosition();
    if (position != TrackBar1->value())
        Edit3->setText(tk::sensitivityText(position));
}

bool PlayerPage::acceptsSensitivityKey(const QKeyEvent& key) const
{
    // The clipboard and undo shortcuts change the text without typing into it
    // (Shift+Delete cuts, Shift+Insert pastes).
    for (QKeySequence::StandardKey shortcut : { QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
             QKeySequence::Undo, QKeySequence::Redo }) {
        if (key.matches(shortcut))
            return false;
    }
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true; // they type no character
    default:
        break;
    }
    const QString text = key.text();
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return text.isEmpty();
    if (text.isEmpty())
        return true; // modifiers alone, function keys
    if (text.size() != 1)
        return false;
    const QChar c = text.front();
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return true;
    if (c == QLatin1Char('.'))
        return !Edit3->text().contains(QLatin1Char('.'));
    return false;
}

bool PlayerPage::eventFilter(QObject* watched, QEvent* event)
{
    // Key presses only: a shortcut override (Alt and a tab's mnemonic) is left to the
    // window, and a key the line edit claims arrives here as a key press after it.
    if (watched == Edit3 && event->type() == QEvent::KeyPress
        && !acceptsSensitivityKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return TabPage::eventFilter(watched, event);
}

void PlayerPage::load(const tk::ProfileRead& read)
{
    // The skin list follows a model the load names anew; the load has read it already.
    m_loading = true;
    loadBoundControls(*this, read.profile);
    m_loading = false;
    if (read.skins)
        showSkinList(*read.skins);
    if (read.ran(tk::LoadStep::Sensitivity))
        TrackBar1->setValue(tk::sensitivityPosition(Edit3->text()).value_or(TrackBar1->value()));
    if (read.skinImage)
        ImageEnDBView1->setImage(*read.skinImage);
    applyEnableRules();
}

void PlayerPage::store(tk::Profile& profile) const
{
    storeBoundControls(*this, profile);
}
