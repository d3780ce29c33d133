// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/ui/botcfgpage.h"

#include "app/core/random.h"
#include "app/ui/guard.h"
#include "app/ui/interaction.h"
#include "bots/ui/botgenerator.h"
#include "bots/ui/botlistmodel.h"
#include "bots/ui/tform3.h"
#include "launch/core/execsettings.h"
#include "profile/core/profileread.h"
#include "profile/ui/profilebinding.h"
#include "widgets/accessibility.h"
#include "widgets/drawnicon.h"
#include "widgets/fontscale.h"
#include "widgets/mnemonics.h"
#include "widgets/spinedit.h"
#include "widgets/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

using controls::compact;
using controls::kMargin;
using controls::kSpacing;
constexpr int kColumnWidths[] = { 155, 135, 80 };

void drawFramedSquare(QPainter& p, bool ticked)
{
    p.setPen(QColor(128, 128, 128));
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 13, 13);
    if (ticked) {
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath tick;
        tick.moveTo(4, 8);
        tick.lineTo(6.8, 11);
        tick.lineTo(12, 4.5);
        p.setPen(QPen(QColor(0, 110, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
}

// A yellow triangle with an exclamation mark.
void drawWarningSign(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 100, 0), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 200, 0));
    p.drawPolygon(QPolygonF({ QPointF(8, 1.5), QPointF(15, 14.5), QPointF(1, 14.5) }));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(7.2, 5.5, 1.6, 5));
    p.drawRect(QRectF(7.2, 11.6, 1.6, 1.6));
}

// The bot list shows the selected flag as its own icon: the check state the rows carry
// for screen readers is neither drawn as a second box nor changed by a click on it.
class NoCheckBoxDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features &= ~QStyleOptionViewItem::HasCheckIndicator;
    }
    bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&, const QModelIndex&) override
    {
        return false;
    }
};

} // namespace

BotCfgPage::BotCfgPage(QWidget* parent)
    : TabPage(parent)
{
    auto* page = new QHBoxLayout(this);
    compact(page);

    // The bot list with its count and random pick.
    auto* available = controls::group(this, tr("Available Bots"));
    auto* availableLayout = new QVBoxLayout(available);
    compact(availableLayout);
    ListView1 = new QTreeView(available);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    controls::setHint(ListView1, tr("Toggle which Bots to play against by double clicking"));
    controls::nameAfter(ListView1, tr("Available Bots"));
    ListView1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_model = new BotListModel(
        m_bots, { unselectedBotIcon(), selectedBotIcon(), severalCommandsIcon() }, ListView1);
    ListView1->setModel(m_model);
    ListView1->setItemDelegate(new NoCheckBoxDelegate(ListView1));
    accessibility::markCheckableRows(ListView1);
    // The row under the pointer may carry a hint of its own.
    ListView1->setMouseTracking(true);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSortingEnabled(false);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->header()->setSectionsClickable(false);
    ListView1->header()->setSectionsMovable(false);
    ListView1->header()->setStretchLastSection(false);
    int listWidth = 0;
    for (int c = 0; c < 3; ++c) {
        ListView1->setColumnWidth(c, controls::scaled(kColumnWidths[c]));
        listWidth += controls::scaled(kColumnWidths[c]);
    }
    ListView1->setMinimumWidth(listWidth + 2 * ListView1->frameWidth()
        + ListView1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ListView1));
    // The highlighted bot stays visible while the focus is elsewhere.
    QPalette pal = ListView1->palette();
    for (QPalette::ColorRole role : { QPalette::Highlight, QPalette::HighlightedText })
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    ListView1->setPalette(pal);
    availableLayout->addWidget(ListView1, 1);

    auto* underList = new QHBoxLayout;
    underList->setSpacing(kSpacing);
    Label1 = controls::label(available, tr("[ 0 Bot(s) found ][ 0 are selected ]"), "Label1");
    SpinEdit3 = controls::spinEdit(available, "SpinEdit3", 0, 0, 1, 2);
    SpinEdit3->setFixedWidth(controls::scaled(52));
    SpeedButton30 = controls::button(available, "SpeedButton30", tr("Pick Random #"));
    controls::nameAfter(SpinEdit3, tr("Number of bots to pick at random"));
    controls::addShortcuts(SpeedButton30, { QKeySequence(Qt::CTRL | Qt::Key_R) });
    underList->addWidget(Label1, 1);
    underList->addWidget(SpinEdit3);
    underList->addWidget(SpeedButton30);
    availableLayout->addLayout(underList);
    page->addWidget(available, 1);

    // The bot list file, the instruction and the editing commands.
    auto* rightColumn = new QWidget(this);
    rightColumn->setFixedWidth(controls::scaled(164));
    auto* right = new QVBoxLayout(rightColumn);
    right->setContentsMargins(0, 6, 0, 0);
    right->setSpacing(kSpacing);
    StaticText1 = controls::label(rightColumn, tr("Bot file to load from:"), "StaticText1");
    botfilename = new QComboBox(rightColumn);
    botfilename->setObjectName(QStringLiteral("botfilename"));
    botfilename->setEditable(true);
    botfilename->setInsertPolicy(QComboBox::NoInsert);
    botfilename->setEditText(QStringLiteral("bots.cfg"));
    StaticText1->setBuddy(botfilename);
    right->addWidget(StaticText1);
    right->addWidget(botfilename);

    auto* instruction = new QFrame(rightColumn);
    instruction->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* instructionLayout = new QVBoxLayout(instruction);
    compact(instructionLayout);
    Label2
        = controls::note(instruction, tr("Toggle bots you want to play against by double-clicking in list."));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    instructionLayout->addWidget(Label2);
    right->addSpacing(4);
    right->addWidget(instruction);

    auto* editing = controls::group(rightColumn, tr("Bot List Editing"));
    auto* editingLayout = new QVBoxLayout(editing);
    compact(editingLayout);
    SpeedButton14
        = controls::button(editing, "SpeedButton14", tr("&Add Bot"), tr("Add a new Bot to the list"));
    SpeedButton15
        = controls::button(editing, "SpeedButton15", tr("&Edit Bot"), tr("Edit properties of selected Bot"));
    SpeedButton16 = controls::button(editing, "SpeedButton16", tr("&Delete Bot"), tr("Delete selected Bot"));
    SpeedButton29
        = controls::button(editing, "SpeedButton29", tr("Bot &Generator"), tr("Create new Bot List"));
    // The list's own keys: Space and Return toggle the focused bot, Delete deletes the
    // highlighted one; "&Delete Bot" shares no letter with "&DM Flags".
    Mnemonics::markDestructive(SpeedButton16);
    controls::addShortcuts(SpeedButton16, { QKeySequence(Qt::Key_Delete) }, ListView1, tr("in the list"));
    controls::addShortcuts(SpeedButton29, { QKeySequence(Qt::CTRL | Qt::Key_G) });
    controls::tellKeys(ListView1, { QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_Return) });
    for (QPushButton* b : { SpeedButton14, SpeedButton15, SpeedButton16, SpeedButton29 })
        editingLayout->addWidget(b);
    right->addSpacing(4);
    right->addWidget(editing);

    CheckBox20 = controls::checkBox(
        rightColumn, "CheckBox20", tr("No Bot Chat in game"), tr("Enable/Disable bot chat ingame"));
    right->addSpacing(4);
    right->addWidget(CheckBox20);
    right->addStretch(1);

    page->addWidget(rightColumn);

    // A double click anywhere in the list toggles the bot that has the focus; so do
    // Space and Return.
    ListView1->viewport()->installEventFilter(this);
    ListView1->installEventFilter(this);
    connectGuarded(
        SpeedButton30, &QPushButton::clicked, this, &BotCfgPage::SpeedButton30Click, guardTarget());
    connectGuarded(
        SpeedButton14, &QPushButton::clicked, this, &BotCfgPage::SpeedButton14Click, guardTarget());
    connectGuarded(SpeedButton15, &QPushButton::clicked, this, &BotCfgPage::editHighlighted, guardTarget());
    connectGuarded(
        SpeedButton16, &QPushButton::clicked, this, &BotCfgPage::SpeedButton16Click, guardTarget());
    connectGuarded(
        SpeedButton29, &QPushButton::clicked, this, &BotCfgPage::SpeedButton29Click, guardTarget());
    connectGuarded(
        botfilename, &QComboBox::editTextChanged, this, &BotCfgPage::botfilenameChange, guardTarget());
    connect(botfilename, &QComboBox::activated, this, &BotCfgPage::botfilenameSelect);
}

void BotCfgPage::load(const tk::ProfileRead& read)
{
    loadBoundControls(*this, read.profile);
    m_bots = read.profile.bots;
    // Setting the same text again would move the cursor of a user typing the name.
    if (botfilename->currentText() != m_bots.fileName()) {
        const QSignalBlocker quiet(botfilename);
        botfilename->setEditText(m_bots.fileName());
    }
    bool replaced = false;
    if (const std::optional<tk::BotList::OpenResult>& opened = read.botListOpened) {
        m_refusal = opened->refusal;
        replaced = !opened->keptBots();
    }
    if (read.ran(tk::LoadStep::SelectedBots)) {
        ListView1->clearSelection();
        replaced = true;
    }
    if (replaced)
        refreshBotView();
}

void BotCfgPage::store(tk::Profile& profile) const
{
    storeBoundControls(*this, profile);
    profile.bots = m_bots;
}

void BotCfgPage::setBotListFiles(const QStringList& cfgFiles)
{
    // Refilling the items is no change of the bot list file.
    const QSignalBlocker quiet(botfilename);
    const QString text = botfilename->currentText();
    botfilename->clear();
    botfilename->addItems(cfgFiles);
    // Up and Down then step from the name shown, not from the first item.
    botfilename->setCurrentIndex(int(cfgFiles.indexOf(text)));
    botfilename->setEditText(text);
}

QIcon BotCfgPage::unselectedBotIcon()
{
    static const QIcon icon = icons::drawn(QSizeF(16, 16), [](QPainter& p) { drawFramedSquare(p, false); });
    return icon;
}

QIcon BotCfgPage::selectedBotIcon()
{
    static const QIcon icon = icons::drawn(QSizeF(16, 16), [](QPainter& p) { drawFramedSquare(p, true); });
    return icon;
}

QIcon BotCfgPage::severalCommandsIcon()
{
    static const QIcon icon = icons::drawn(QSizeF(16, 16), drawWarningSign);
    return icon;
}

void BotCfgPage::openBotListFile(const QString& name, bool reportMissing)
{
    // Setting the same text again would move the cursor of a user typing the name.
    if (botfilename->currentText() != name) {
        const QSignalBlocker quiet(botfilename);
        botfilename->setEditText(name);
    }
    const tk::BotList::OpenResult result = m_bots.open(paths(), name, reportMissing);
    m_refusal = result.refusal;
    if (!result.message.isEmpty())
        ui().showMessage(this, result.message);
    if (!result.keptBots())
        refreshBotView();
}

void BotCfgPage::selectByNames(const QStringList& names)
{
    ListView1->clearSelection();
    m_bots.selectByNames(names);
    refreshBotView();
}

void BotCfgPage::refreshBotView()
{
    // One reset: the view asks only for the rows it shows.
    m_model->listReplaced();
    refreshCountLabel();
}

void BotCfgPage::refreshCountLabel()
{
    Label1->setText(m_bots.countText());
}

qsizetype BotCfgPage::highlightedRow() const
{
    const QModelIndexList highlighted = ListView1->selectionModel()->selectedRows();
    return highlighted.isEmpty() ? -1 : highlighted.constFirst().row();
}

bool BotCfgPage::eventFilter(QObject* watched, QEvent* event)
{
    // The press that began the double click has already moved the focus to the row
    // under the pointer; the view itself has nothing to do with a double click.
    if (watched == ListView1->viewport() && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        ListView1DblClick();
    if (watched == ListView1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool toggles
            = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (toggles && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            ListView1DblClick();
            return true;
        }
    }
    return TabPage::eventFilter(watched, event);
}

void BotCfgPage::ListView1DblClick()
{
    guarded(ui(), this, [this] {
        if (const QModelIndex focused = ListView1->currentIndex(); focused.isValid()) {
            if (m_bots.toggle(focused.row())) {
                m_model->rowsChanged(focused.row(), focused.row());
                accessibility::checkStateChanged(ListView1, focused.siblingAtColumn(0));
            }
        }
        refreshCountLabel();
    });
}

void BotCfgPage::SpeedButton30Click()
{
    const int used = m_bots.pickRandom(SpinEdit3->value(), tk::Random::shared());
    SpinEdit3->setValue(used);
    // Any row may have changed; the view repaints only those it shows.
    m_model->rowsChanged(0, m_bots.size() - 1);
    refreshCountLabel();
    accessibility::announce(Label1);
}

void BotCfgPage::SpeedButton14Click()
{
    const qsizetype index = m_bots.addBot();
    m_model->rowAppended();
    const QModelIndex row = m_model->index(int(index), 0);
    ListView1->setCurrentIndex(row);
    ListView1->scrollTo(row);
    refreshCountLabel();
    // A bot that could not be written is not edited; it stays in the list.
    m_bots.save(paths());
    editHighlighted();
}

void BotCfgPage::editHighlighted()
{
    const qsizetype index = highlightedRow();
    if (index < 0 || !m_editor || !m_editor->editBot(m_bots, index))
        return;
    const qsizetype target = m_editor->target();
    m_bots.replaceEntry(target, m_editor->botName(), m_editor->botModel(), m_editor->botSkin(),
        m_editor->profileFile(), m_editor->profileName());
    m_model->rowsChanged(target, target);
    m_bots.save(paths());
}

void BotCfgPage::SpeedButton16Click()
{
    const qsizetype index = highlightedRow();
    if (index >= 0 && m_bots.remove(index)) {
        m_model->rowRemoved(index);
        // The view would highlight the next bot; a second press must not delete it unseen.
        ListView1->clearSelection();
        refreshCountLabel();
        accessibility::announce(Label1);
    }
    m_bots.save(paths());
}

void BotCfgPage::SpeedButton29Click()
{
    if (!m_generator || !m_generator->createBotList())
        return;
    // As choosing the new file from the drop-down: the bot list is then that file.
    openBotListFile(m_generator->createdFile(), false);
    setBotListFiles(tk::BotList::listBotListFiles(paths()));
    if (m_generator->selectsAllBots()) {
        for (qsizetype i = 0; i < m_bots.size(); ++i) {
            if (!m_bots.isSelected(i))
                m_bots.toggle(i);
        }
        refreshBotView();
    }
}

void BotCfgPage::botfilenameChange(const QString& text)
{
    openBotListFile(text, false);
}

// A file chosen from the drop-down (or by Up, Down or Enter) has just been opened by the
// change of text. Only then is a file that is not read as a bot list reported: a name
// typed letter by letter passes other files silently.
void BotCfgPage::botfilenameSelect()
{
    if (!m_refusal.isEmpty())
        ui().showMessage(this, m_refusal);
}
