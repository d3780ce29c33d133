// SPDX-License-Identifier: GPL-2.0-or-later
#include "maps/ui/mappage.h"

#include "app/core/consoletext.h"
#include "app/core/random.h"
#include "app/core/textcodec.h"
#include "app/core/usererror.h"
#include "app/ui/guard.h"
#include "launch/core/execfile.h"
#include "launch/core/execsettings.h"
#include "launch/core/gamecontent.h"
#include "launch/core/gamestart.h"
#include "maps/core/cataloguerefresh.h"
#include "maps/core/mapcatalogue.h"
#include "maps/core/rotation.h"
#include "profile/core/inifile.h"
#include "profile/core/profileread.h"
#include "profile/ui/profilebinding.h"
#include "widgets/accessibility.h"
#include "widgets/drawnicon.h"
#include "widgets/fontscale.h"
#include "widgets/mnemonics.h"
#include "widgets/reportview.h"
#include "widgets/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace {

constexpr int kRawEntryRole = Qt::UserRole;

// "Map Lists|*.lst|All Files|*.*" in the file dialog's own syntax; "*" rather than "*.*"
// since names without a dot are files too.
QString rotationFileFilter()
{
    return MapPage::tr("Map Lists (*.lst);;All Files (*)");
}

} // namespace

void MapPage::describeMapList()
{
    ListView2->setAccessibleDescription(ListView2->parentWidget()->statusTip() + QStringLiteral(" (")
        + QKeySequence(Qt::Key_F2).toString(QKeySequence::NativeText) + QStringLiteral(": ")
        + controls::plainCaption(EnterAlterMapTitle->text()) + QLatin1Char(')'));
}

void MapPage::changeEvent(QEvent* event)
{
    TabPage::changeEvent(event);
    // The window has given the group and the action their new texts by now.
    if (event->type() == QEvent::LanguageChange)
        describeMapList();
}

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

    controls::ReportView* view
        = controls::reportView(box, "ListView2", { tr("Map"), tr("Title") }, { 80, 158 });
    ListView2 = view;
    // Both columns and the vertical scroll bar fit without a horizontal one.
    ListView2->setMinimumWidth(controls::scaled(80 + 158 + 18) + ListView2->frameWidth() * 2);
    controls::nameAfter(ListView2, box->title());
    ListView2->setContextMenuPolicy(Qt::ActionsContextMenu);
    EnterAlterMapTitle = new QAction(tr("Enter/Alter Map &Title"), ListView2);
    EnterAlterMapTitle->setObjectName(QStringLiteral("EnterAlterMapTitle"));
    ListView2->addAction(EnterAlterMapTitle);
    EnterAlterMapTitle->setShortcut(QKeySequence(Qt::Key_F2));
    EnterAlterMapTitle->setShortcutContext(Qt::WidgetShortcut);
    describeMapList();
    column->addWidget(ListView2, 1);

    auto* current = new QHBoxLayout;
    current->setSpacing(3);
    BitBtn1 = controls::button(box, "BitBtn1", QString(), tr("Refresh Map List"));
    BitBtn1->setIcon(icons::refresh(QColor(0, 110, 0)));
    BitBtn1->setIconSize(QSize(16, 16));
    // The button shows a picture only; screen readers say what it does.
    controls::nameAfter(BitBtn1, BitBtn1->statusTip());
    controls::addShortcuts(BitBtn1, { QKeySequence(Qt::Key_F5) });
    BitBtn1->setFixedSize(controls::scaled(QSize(26, 24)));
    current->addWidget(BitBtn1);
    Panel37 = controls::displayPanel(box, "Panel37", tr("No Map chosen"), tr("Currently Selected Map"));
    Panel37->setFixedHeight(controls::scaled(24));
    Panel37->setIndent(4);
    // A long map name is cut at the panel's edge rather than widening the page.
    Panel37->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    current->addWidget(Panel37, 1);
    column->addLayout(current);

    ListView2->viewport()->installEventFilter(this);
    connectGuarded(
        view, &controls::ReportView::mouseReleaseHandled, this, &MapPage::ListView2MouseUp, guardTarget());
    // The keys move the selection, and so the map played, as a click does: the panel shows it.
    connect(view, &controls::ReportView::selectionMovedByKeys, this, &MapPage::updateCurrentMapPanel);
    connectGuarded(BitBtn1, &QPushButton::clicked, this, &MapPage::refreshCatalogue, guardTarget());
    connectGuarded(
        EnterAlterMapTitle, &QAction::triggered, this, &MapPage::EnterAlterMapTitleClick, guardTarget());
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
    controls::nameAfter(ListBox3, box->title());
    ListBox3->setAccessibleDescription(box->statusTip());
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
    Panel24->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    SpeedButton26
        = controls::button(box, "SpeedButton26", tr("Save"), tr("Select new Rotation List Filename"));
    // "Load" has no hint of its own, and the group's says nothing of loading.
    SpeedButton31 = controls::button(box, "SpeedButton31", tr("Load"), tr("Load a Map Rotation List file"));
    for (QWidget* w : std::initializer_list<QWidget*> { Panel18, Panel24, SpeedButton26, SpeedButton31 })
        w->setFixedHeight(SpeedButton26->sizeHint().height());
    for (QPushButton* b : { SpeedButton26, SpeedButton31 })
        b->setFixedWidth(controls::scaled(52));
    controls::addShortcuts(SpeedButton26, { QKeySequence(Qt::ControlModifier | Qt::Key_S) });
    controls::addShortcuts(SpeedButton31, { QKeySequence(Qt::ControlModifier | Qt::Key_L) });
    fileRow->addWidget(Panel18);
    fileRow->addWidget(Panel24, 1);
    fileRow->addWidget(SpeedButton26);
    fileRow->addWidget(SpeedButton31);
    column->addLayout(fileRow);

    // The rotation list's own keys; "Move &Down" has the letter of "&DM Flags", and the
    // deletions share no letter with anything.
    Mnemonics::markDestructive(SpeedButton24);
    Mnemonics::markDestructive(SpeedButton25);
    const QString inList = tr("in the list");
    const std::pair<QPushButton*, QKeySequence> listKeys[] = {
        { SpeedButton22, QKeySequence(Qt::CTRL | Qt::Key_Up) },
        { SpeedButton23, QKeySequence(Qt::CTRL | Qt::Key_Down) },
        { SpeedButton24, QKeySequence(Qt::Key_Delete) },
        { SpeedButton25, QKeySequence(Qt::SHIFT | Qt::Key_Delete) },
    };
    for (const auto& [button, key] : listKeys)
        controls::addShortcuts(button, { key }, ListBox3, inList);

    connect(CheckBox22, &QCheckBox::clicked, this, &MapPage::applyEnableRules);
    const std::pair<QPushButton*, void (MapPage::*)()> handlers[] = {
        { SpeedButton27, &MapPage::SpeedButton27Click },
        { SpeedButton22, &MapPage::SpeedButton22Click },
        { SpeedButton23, &MapPage::SpeedButton23Click },
        { SpeedButton24, &MapPage::SpeedButton24Click },
        { SpeedButton25, &MapPage::SpeedButton25Click },
        { SpeedButton28, &MapPage::SpeedButton28Click },
        { SpeedButton26, &MapPage::SpeedButton26Click },
        { SpeedButton31, &MapPage::SpeedButton31Click },
    };
    for (const auto& [button, handler] : handlers)
        connectGuarded(button, &QPushButton::clicked, this, handler, guardTarget());
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

bool MapPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView2->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            m_leftPressed = true;
    }
    return TabPage::eventFilter(watched, event);
}

void MapPage::ListView2MouseUp(QMouseEvent* event)
{
    // Any left click on the list counts, on a row or beside the rows. The view has
    // settled the selection by now (a click beside the rows clears it), so the panel
    // shows what the click left.
    if (event->button() != Qt::LeftButton || !std::exchange(m_leftPressed, false))
        return;
    ListView2Click();
}

void MapPage::refreshCatalogue()
{
    if (const std::optional<QString> selected = selectedMapName())
        m_rememberedMapName = *selected;
    QStringList messages;
    showCatalogue(tk::refreshMapCatalogue(
        paths(), m_executable ? m_executable() : tk::defaultExecutableName(), told().maps, messages));
    for (const QString& message : std::as_const(messages))
        ui().showMessage(this, message);
}

void MapPage::showCatalogue(const tk::MapCatalogue& catalogue)
{
    ListView2->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(catalogue.rows.size());
    for (const tk::MapRow& row : catalogue.rows)
        items.append(new QTreeWidgetItem(QStringList { row.mapName, row.title }));
    ListView2->addTopLevelItems(items);

    QItemSelectionModel* selection = ListView2->selectionModel();
    QTreeWidgetItem* focused = nullptr;
    for (QTreeWidgetItem* item : std::as_const(items)) {
        if (item->text(0) != m_rememberedMapName)
            continue;
        // One row at a time: each match replaces the one before.
        selection->setCurrentIndex(
            ListView2->indexFromItem(item), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        focused = item;
    }
    if (focused)
        ListView2->scrollToItem(focused);
}

void MapPage::setExecutableSource(std::function<QString()> executable)
{
    m_executable = std::move(executable);
}

void MapPage::selectMapByName(const QString& name)
{
    QItemSelectionModel* selection = ListView2->selectionModel();
    selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    m_rememberedMapName = name;
    selection->clearSelection();
    QTreeWidgetItem* selected = nullptr;
    for (int i = 0; i < ListView2->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = ListView2->topLevelItem(i);
        if (item->text(0) != name)
            continue;
        selection->select(
            ListView2->indexFromItem(item), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        selected = item;
    }
    if (selected)
        ListView2->scrollToItem(selected);
    updateCurrentMapPanel();
}

void MapPage::ListView2Click()
{
    updateCurrentMapPanel();
}

void MapPage::updateCurrentMapPanel()
{
    Panel37->setText(selectedMapName().value_or(tr("No Map chosen")));
}

void MapPage::EnterAlterMapTitleClick()
{
    QTreeWidgetItem* row = ListView2->currentItem();
    if (!row)
        return;
    const QString mapName = row->text(0);
    // A cancelled prompt gives back the current title, which is then stored as well.
    const QString title = ui().prompt(this, tr("Enter/Alter Map Title"),
        tr("Please enter Title of Map: ") + mapName.toUpper(), row->text(1));
    row->setText(1, title);

    const QString path = tk::mapTitleFilePath(paths());
    tk::IniFile titleFile = tk::IniFile::load(path);
    titleFile.writeString(tk::mapTitleSection(), mapName, title);
    titleFile.save(path);
}

qsizetype MapPage::selectedRotationIndex() const
{
    const QList<QListWidgetItem*> selected = ListBox3->selectedItems();
    return selected.isEmpty() ? -1 : ListBox3->row(selected.first());
}

void MapPage::showRotation(const QList<QByteArray>& entries, qsizetype selected)
{
    setRotationEntries(entries);
    if (selected >= 0 && selected < ListBox3->count()) {
        ListBox3->setCurrentRow(int(selected), QItemSelectionModel::ClearAndSelect);
        ListBox3->scrollToItem(ListBox3->item(int(selected)));
    }
}

void MapPage::SpeedButton27Click()
{
    if (const std::optional<QString> name = selectedMapName()) {
        ListBox3->addItem(*name);
        accessibility::announce(ListBox3, ListBox3->model()->index(ListBox3->count() - 1, 0));
    }
}

void MapPage::SpeedButton22Click()
{
    const tk::RotationList before { rotationEntries(), selectedRotationIndex() };
    const tk::RotationList after = tk::rotationMoveUp(before);
    if (after.selected != before.selected)
        showRotation(after.entries, after.selected);
}

void MapPage::SpeedButton23Click()
{
    const tk::RotationList before { rotationEntries(), selectedRotationIndex() };
    const tk::RotationList after = tk::rotationMoveDown(before);
    if (after.selected != before.selected)
        showRotation(after.entries, after.selected);
}

void MapPage::SpeedButton24Click()
{
    const tk::RotationList before { rotationEntries(), selectedRotationIndex() };
    if (!before.hasSelection())
        return;
    showRotation(tk::rotationDelete(before).entries, -1);
    accessibility::announce(ListBox3);
}

void MapPage::SpeedButton25Click()
{
    ListBox3->clear();
}

void MapPage::SpeedButton28Click()
{
    tk::Random& random = tk::Random::shared();
    random.seedFromClock();
    showRotation(tk::randomizedRotation(rotationEntries(), random), -1);
}

void MapPage::SpeedButton26Click()
{
    const QString answer = ui().prompt(
        this, tr("Map Rotation"), tr("Enter Filename for new Map Rotation File"), rotationFileName());
    setRotationFileName(tk::rotationFileNameFromAnswer(answer));
    saveRotationFile();
}

void MapPage::SpeedButton31Click()
{
    const QString path = ui().openFileName(this, rotationFileFilter());
    if (path.isEmpty())
        return;
    loadRotationFile(path);
    setRotationFileName(QFileInfo(path).fileName());
}

void MapPage::loadRotationFile(const QString& fullPath)
{
    setRotationEntries(tk::readRotationFile(fullPath));
}

void MapPage::saveRotationFile()
{
    tk::writeRotationFile(rotationFilePath(), rotationEntries());
    Q_EMIT rotationFileWritten();
    Q_EMIT rotationFileChanged();
}

QString MapPage::rotationFilePath() const
{
    return paths().inLauncherDir(rotationFileName());
}

void MapPage::setRotationFileName(const QString& name)
{
    if (Panel24->text() == name)
        return;
    Panel24->setText(name);
    Q_EMIT rotationFileChanged();
}

std::optional<QString> MapPage::selectedMapName() const
{
    const QList<QTreeWidgetItem*> selected = ListView2->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first()->text(0);
}

void MapPage::load(const tk::ProfileRead& read)
{
    const tk::Profile& p = read.profile;
    loadBoundControls(*this, p);
    if (p.exec.rotationEntries != rotationEntries())
        setRotationEntries(p.exec.rotationEntries);
    setRotationFileName(p.rotationFile);
    if (read.catalogue) {
        m_rememberedMapName = p.rememberedMap;
        showCatalogue(*read.catalogue);
        selectMapByName(p.rememberedMap);
    }
    applyEnableRules();
}

void MapPage::store(tk::Profile& profile) const
{
    storeBoundControls(*this, profile);
    tk::ExecSettings& s = profile.exec;
    s.selectedMap = selectedMapName();
    s.rotationEntries = rotationEntries();
    s.catalogueMaps.clear();
    s.catalogueMaps.reserve(ListView2->topLevelItemCount());
    for (int i = 0; i < ListView2->topLevelItemCount(); ++i)
        s.catalogueMaps.append(ListView2->topLevelItem(i)->text(0));
    profile.rotationFile = rotationFileName();
    profile.rememberedMap = m_rememberedMapName;
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
