#include "bots/ui/botcfgpage.h"

#include "app/ui/interaction.h"
#include "app/ui/spinedit.h"
#include "app/ui/widgets.h"
#include "launch/core/execsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMargin = 4;
constexpr int kSpacing = 3;
constexpr int kColumnWidths[] = { 155, 135, 80 };

void compact(QLayout* layout)
{
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
}

QPixmap framedSquare(bool ticked)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
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
    return pm;
}

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
    ListView1 = new QTreeWidget(available);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setStatusTip(tr("Toggle which Bots to play against by double clicking"));
    ListView1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    ListView1->setHeaderLabels({ tr("Bot Name"), tr("Skin"), tr("Profile") });
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
        ListView1->setColumnWidth(c, kColumnWidths[c]);
        listWidth += kColumnWidths[c];
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
    SpinEdit3->setFixedWidth(52);
    SpeedButton30 = controls::button(available, "SpeedButton30", tr("Pick Random #"));
    underList->addWidget(Label1, 1);
    underList->addWidget(SpinEdit3);
    underList->addWidget(SpeedButton30);
    availableLayout->addLayout(underList);
    page->addWidget(available, 1);

    // The bot list file, the instruction and the editing commands.
    auto* rightColumn = new QWidget(this);
    rightColumn->setFixedWidth(164);
    auto* right = new QVBoxLayout(rightColumn);
    right->setContentsMargins(0, 6, 0, 0);
    right->setSpacing(kSpacing);
    StaticText1 = controls::label(rightColumn, tr("Bot file to load from:"), "StaticText1");
    botfilename = new QComboBox(rightColumn);
    botfilename->setObjectName(QStringLiteral("botfilename"));
    botfilename->setEditable(true);
    botfilename->setInsertPolicy(QComboBox::NoInsert);
    botfilename->setEditText(QStringLiteral("bots.cfg"));
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
    SpeedButton29->setEnabled(false);
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
}

void BotCfgPage::gatherExecSettings(tk::ExecSettings& settings) const
{
    settings.selectedBotLines = m_bots.selectedLines();
    settings.noChat = CheckBox20->isChecked();
}

void BotCfgPage::setBotListFiles(const QStringList& cfgFiles)
{
    const QString text = botfilename->currentText();
    botfilename->clear();
    botfilename->addItems(cfgFiles);
    botfilename->setEditText(text);
}

QList<QPushButton*> BotCfgPage::lightUpButtons() const
{
    return { SpeedButton30, SpeedButton14, SpeedButton15, SpeedButton16 };
}

QIcon BotCfgPage::unselectedBotIcon()
{
    static const QIcon icon(framedSquare(false));
    return icon;
}

QIcon BotCfgPage::selectedBotIcon()
{
    static const QIcon icon(framedSquare(true));
    return icon;
}

void BotCfgPage::openBotListFile(const QString& name, bool reportMissing)
{
    {
        const QSignalBlocker quiet(botfilename);
        botfilename->setEditText(name);
    }
    const tk::BotList::OpenResult result = m_bots.open(paths(), name, reportMissing);
    if (!result.message.isEmpty())
        ui().showMessage(this, result.message);
    if (!result.fileMissing)
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
    const QIcon off = unselectedBotIcon();
    const QIcon on = selectedBotIcon();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(m_bots.size());
    for (const tk::BotEntry& bot : m_bots.entries()) {
        auto* row = new QTreeWidgetItem({ bot.name, bot.modelSkin, bot.profileName });
        row->setIcon(0, bot.selected ? on : off);
        rows.append(row);
    }
    ListView1->setUpdatesEnabled(false);
    ListView1->clear();
    ListView1->addTopLevelItems(rows);
    ListView1->setUpdatesEnabled(true);
    refreshCountLabel();
}

void BotCfgPage::refreshCountLabel()
{
    Label1->setText(m_bots.countText());
}
