#include "maps/ui/mappage.h"

#include "app/core/textcodec.h"
#include "app/ui/reportview.h"
#include "app/ui/widgets.h"
#include "launch/core/execsettings.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtMath>

namespace {

constexpr int kRawEntryRole = Qt::UserRole;

// A circular arrow, drawn rather than taken from the desktop theme so that the
// button looks the same everywhere.
QIcon refreshGlyph(const QColor& colour)
{
    constexpr int size = 16;
    QIcon icon;
    for (const qreal ratio : { 1.0, 2.0 }) {
        QPixmap pm(int(size * ratio), int(size * ratio));
        pm.setDevicePixelRatio(ratio);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF ring(3, 3, 10, 10);
        p.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(ring, 60 * 16, 290 * 16);
        // The arrow head sits at the open end of the ring, pointing clockwise.
        const qreal a = qDegreesToRadians(60.0);
        const QPointF tip(8 + 5 * qCos(a), 8 - 5 * qSin(a));
        QPainterPath head;
        head.moveTo(tip + QPointF(-4.0, -2.5));
        head.lineTo(tip + QPointF(1.5, -0.5));
        head.lineTo(tip + QPointF(-1.5, 4.0));
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(head);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace

MapPage::MapPage(QWidget* parent)
    : TabPage(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(4);
    row->addWidget(buildSelectionGroup());
    row->addWidget(buildRotationGroup(), 1);
    applyEnableRules();
}

QWidget* MapPage::buildSelectionGroup()
{
    QGroupBox* box = controls::group(
        this, tr("Map Selection"), tr("Maps currently available to play (.AAS must exist)"));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(4, 3, 4, 4);
    column->setSpacing(3);

    ListView2 = controls::reportView(box, "ListView2", { tr("Map"), tr("Title") }, { 80, 158 });
    // Both columns and the vertical scroll bar fit without a horizontal one.
    ListView2->setMinimumWidth(80 + 158 + ListView2->frameWidth() * 2 + 18);
    ListView2->setContextMenuPolicy(Qt::ActionsContextMenu);
    EnterAlterMapTitle = new QAction(tr("Enter/Alter Map &Title"), ListView2);
    EnterAlterMapTitle->setObjectName(QStringLiteral("EnterAlterMapTitle"));
    ListView2->addAction(EnterAlterMapTitle);
    column->addWidget(ListView2, 1);

    auto* current = new QHBoxLayout;
    current->setSpacing(3);
    BitBtn1 = controls::button(box, "BitBtn1", QString(), tr("Refresh Map List"));
    BitBtn1->setIcon(refreshGlyph(QColor(0, 110, 0)));
    BitBtn1->setIconSize(QSize(16, 16));
    BitBtn1->setFixedSize(26, 24);
    current->addWidget(BitBtn1);
    Panel37 = controls::displayPanel(box, "Panel37", tr("No Map chosen"), tr("Currently Selected Map"));
    Panel37->setFixedHeight(24);
    Panel37->setIndent(4);
    current->addWidget(Panel37, 1);
    column->addLayout(current);
    return box;
}

QWidget* MapPage::buildRotationGroup()
{
    QGroupBox* box
        = controls::group(this, tr("Map Rotation"), tr("Map Rotation allows you to play maps in this order"));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(4, 3, 4, 4);
    column->setSpacing(3);

    CheckBox22
        = controls::checkBox(box, "CheckBox22", tr("Enable Rotation"), tr("Enable / Disable rotation"));
    column->addWidget(CheckBox22);

    auto* listRow = new QHBoxLayout;
    listRow->setSpacing(4);
    ListBox3 = new QListWidget(box);
    ListBox3->setObjectName(QStringLiteral("ListBox3"));
    ListBox3->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox3->setUniformItemSizes(true);
    listRow->addWidget(ListBox3, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(3);
    SpeedButton27
        = controls::button(box, "SpeedButton27", tr("Add to Ro&tation"), tr("Add Selected Map to Rotation"));
    SpeedButton22
        = controls::button(box, "SpeedButton22", tr("Move &Up"), tr("Move Map in Rotation List Up"));
    SpeedButton23
        = controls::button(box, "SpeedButton23", tr("Move &Down"), tr("Move Map in Rotation List Down"));
    SpeedButton24
        = controls::button(box, "SpeedButton24", tr("D&elete"), tr("Delete Selected Map from Rotation"));
    SpeedButton25
        = controls::button(box, "SpeedButton25", tr("Delete &All"), tr("Delete All Maps from Rotation"));
    SpeedButton28 = controls::button(
        box, "SpeedButton28", tr("&Randomize"), tr("Randomize order of Maps in Rotation List"));
    buttons->addWidget(SpeedButton27);
    buttons->addSpacing(6);
    for (QPushButton* b : { SpeedButton22, SpeedButton23 })
        buttons->addWidget(b);
    buttons->addSpacing(6);
    for (QPushButton* b : { SpeedButton24, SpeedButton25 })
        buttons->addWidget(b);
    buttons->addSpacing(6);
    buttons->addWidget(SpeedButton28);
    buttons->addStretch(1);
    listRow->addLayout(buttons);
    column->addLayout(listRow, 1);

    auto* fileRow = new QHBoxLayout;
    fileRow->setSpacing(3);
    Panel18 = controls::labelPanel(
        box, tr("Rotation File"), tr("Select Filename to save map rotation file as"), "Panel18");
    Panel24 = controls::displayPanel(box, "Panel24", QStringLiteral("maps.lst"), tr("Map rotation filename"));
    Panel24->setIndent(4);
    SpeedButton26
        = controls::button(box, "SpeedButton26", tr("Save"), tr("Select new Rotation List Filename"));
    SpeedButton31 = controls::button(box, "SpeedButton31", tr("Load"));
    for (QWidget* w : std::initializer_list<QWidget*> { Panel18, Panel24, SpeedButton26, SpeedButton31 })
        w->setFixedHeight(SpeedButton26->sizeHint().height());
    for (QPushButton* b : { SpeedButton26, SpeedButton31 })
        b->setFixedWidth(52);
    fileRow->addWidget(Panel18);
    fileRow->addWidget(Panel24, 1);
    fileRow->addWidget(SpeedButton26);
    fileRow->addWidget(SpeedButton31);
    column->addLayout(fileRow);

    connect(CheckBox22, &QCheckBox::clicked, this, &MapPage::applyEnableRules);
    return box;
}

void MapPage::applyEnableRules()
{
    const bool on = CheckBox22->isChecked();
    ListBox3->setEnabled(on);
    for (QPushButton* b : { SpeedButton27, SpeedButton22, SpeedButton23, SpeedButton24, SpeedButton25,
             SpeedButton28, SpeedButton26, SpeedButton31 })
        b->setEnabled(on);
}

std::optional<QString> MapPage::selectedMapName() const
{
    const QList<QTreeWidgetItem*> selected = ListView2->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first()->text(0);
}

void MapPage::gatherExecSettings(tk::ExecSettings& settings) const
{
    settings.selectedMap = selectedMapName();
    settings.rotation = CheckBox22->isChecked();
    settings.rotationEntries = rotationEntries();
}

QList<QByteArray> MapPage::rotationEntries() const
{
    QList<QByteArray> entries;
    entries.reserve(ListBox3->count());
    for (int i = 0; i < ListBox3->count(); ++i) {
        const QListWidgetItem* item = ListBox3->item(i);
        const QVariant raw = item->data(kRawEntryRole);
        entries.append(
            raw.metaType().id() == QMetaType::QByteArray ? raw.toByteArray() : tk::encodeText(item->text()));
    }
    return entries;
}

void MapPage::setRotationEntries(const QList<QByteArray>& entries)
{
    ListBox3->clear();
    for (const QByteArray& bytes : entries) {
        auto* item = new QListWidgetItem(tk::decodeText(bytes), ListBox3);
        item->setData(kRawEntryRole, bytes);
    }
}

QString MapPage::rotationFileName() const
{
    return Panel24->text();
}
