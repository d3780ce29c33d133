// SPDX-License-Identifier: GPL-2.0-or-later
// The main window as a screen reader sees it: the accessibility tree.

#include "app/ui/prefspage.h"
#include "app/ui/tform1.h"
#include "app/ui/tform2.h"
#include "bots/ui/botcfgpage.h"
#include "bots/ui/tform3.h"
#include "imaging/ui/imageview.h"
#include "launch/core/execsettings.h"
#include "launch/ui/dmflagspage.h"
#include "maps/ui/mappage.h"
#include "player/ui/bindspage.h"
#include "player/ui/playerpage.h"
#include "profile/core/profile.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/miscpage.h"
#include "profile/ui/setuppage.h"
#include "support/files.h"
#include "support/mainwindow.h"
#include "support/scriptedinteraction.h"
#include "widgets/accessibility.h"
#include "widgets/colorswatch.h"
#include "widgets/logo.h"
#include "widgets/spinedit.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

class ScreenReader : public MainWindowTest {
protected:
    ScreenReader()
    {
        writeAll(dir + "/bots.cfg",
            "\"sv\" \"addbot\" \"one\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n"
            "\"sv\" \"addbot\" \"two\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n");
        openWindow();
    }

    static QString nameOf(QObject* o)
    {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
    }
};

bool isField(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::SpinBox:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
        return true;
    default:
        return false;
    }
}

// The fields of the tree under node, every tab included, with the names they are read by.
// A combo box's own list and edit field are its parts, read under its name.
void collectFields(QAccessibleInterface* node, QList<QAccessibleInterface*>& fields)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || !child->object() || !child->object()->isWidgetType())
            continue;
        if (isField(child->role()))
            fields.append(child);
        if (child->role() != QAccessible::ComboBox)
            collectFields(child, fields);
    }
}

TEST_F(ScreenReader, EveryFieldIsReadByAName_OfItsOwn_NotByItsValueOrItsGroup)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    EXPECT_EQ(window->role(), QAccessible::Window); // read as a frame
    QList<QAccessibleInterface*> fields;
    collectFields(window, fields);
    ASSERT_GT(fields.size(), 30);

    QHash<QString, QString> named; // name -> the field that has it
    for (QAccessibleInterface* field : std::as_const(fields)) {
        const QString component = field->object()->objectName();
        const QString name = field->text(QAccessible::Name);
        const QString value = field->text(QAccessible::Value);
        EXPECT_FALSE(name.isEmpty()) << component.toStdString();
        if (field->role() != QAccessible::List && field->role() != QAccessible::Tree && !value.isEmpty()) {
            EXPECT_NE(name, value) << component.toStdString() << " is read by its value";
        }
        // Fields that share a name cannot be told apart, as when they take a group's title.
        if (!name.isEmpty() && named.contains(name))
            ADD_FAILURE() << component.toStdString() << " and " << named[name].toStdString()
                          << " are both read as " << name.toStdString();
        named.insert(name, component);
    }

    // The ones a reader called wrong before.
    EXPECT_EQ(nameOf(form->gamePage->fraglimit), QStringLiteral("Frag Limit"));
    EXPECT_EQ(nameOf(form->gamePage->maxclients), QStringLiteral("Max. Clients"));
    EXPECT_EQ(nameOf(form->setupPage->exefile), QStringLiteral("Path to Executable"));
    EXPECT_EQ(nameOf(form->playerPage->Edit2), QStringLiteral("Name"));
    EXPECT_EQ(nameOf(form->playerPage->ComboBox4), QStringLiteral("Hand"));
    EXPECT_EQ(nameOf(form->mapPage->BitBtn1), QStringLiteral("Refresh Map List"));
    // The bot editor's fields, and its picture button.
    EXPECT_EQ(nameOf(form->Form3->ComboBox2), QStringLiteral("Bot Model"));
    EXPECT_EQ(nameOf(form->Form3->BitBtn3), QStringLiteral("Reload Picture"));
}

TEST_F(ScreenReader, ATickedBotReadsCheckedAndSpinBoxesReadTheirValues)
{
    BotCfgPage* page = form->botCfgPage;
    page->botList().toggle(1);
    page->refreshBotView();
    QApplication::processEvents(); // the list lays its rows out
    QAccessibleTableInterface* table
        = QAccessible::queryAccessibleInterface(page->ListView1)->tableInterface();
    ASSERT_NE(table, nullptr);
    QAccessibleInterface* unticked = table->cellAt(0, 0);
    QAccessibleInterface* ticked = table->cellAt(1, 0);
    ASSERT_TRUE(ticked && unticked);
    EXPECT_EQ(ticked->text(QAccessible::Name), QStringLiteral("two"));
    EXPECT_TRUE(ticked->state().checkable);
    EXPECT_TRUE(ticked->state().checked);
    EXPECT_TRUE(unticked->state().checkable);
    EXPECT_FALSE(unticked->state().checked);

    QAccessibleValueInterface* frags
        = QAccessible::queryAccessibleInterface(form->gamePage->fraglimit)->valueInterface();
    ASSERT_NE(frags, nullptr);
    EXPECT_EQ(frags->currentValue().toInt(), 150);
}

TEST_F(ScreenReader, HintsAreReadAsDescriptions)
{
    const auto description
        = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Description); };
    EXPECT_EQ(description(form->dmFlagsPage->dmflags), QStringLiteral("Type custom DMFlags setting in here"));
    EXPECT_EQ(description(form->botCfgPage->ListView1),
        QStringLiteral("Toggle which Bots to play against by double clicking (Space, Return)"));
    EXPECT_EQ(description(form->SpeedButton18),
        QStringLiteral("Launch Quake2 and Tarrakind Bot with these settings (Ctrl+Return, F9)"));
    // Made at run time, from a quick-load list.
    EXPECT_EQ(description(form->setupPage->addQuickLoadButton(QStringLiteral("ctf"))),
        QStringLiteral("Click this button to load \"ctf\" config."));
}

// The events the launcher sends screen readers while it lives, as a reader would hear them.
class HeardEvents {
public:
    struct Event {
        QAccessible::Event type;
        QObject* object;
        QString name;
        bool checkedChanged;
    };

    HeardEvents()
    {
        accessibility::setEventHook([this](QAccessibleEvent* e) {
            QAccessibleInterface* iface = e->accessibleInterface();
            const bool checked = e->type() == QAccessible::StateChanged
                && static_cast<QAccessibleStateChangeEvent*>(e)->changedStates().checked;
            QObject* object
                = iface && iface->parent() && !iface->object() ? iface->parent()->object() : e->object();
            events.append({ e->type(), object, iface ? iface->text(QAccessible::Name) : QString(), checked });
        });
    }
    ~HeardEvents() { accessibility::setEventHook({}); }
    bool heard(QAccessible::Event type, QObject* object, const QString& name = {}) const
    {
        return std::any_of(events.cbegin(), events.cend(), [&](const Event& e) {
            return e.type == type && e.object == object && (name.isEmpty() || e.name == name);
        });
    }

    QList<Event> events;
};

TEST_F(ScreenReader, ResultsOfTheKeysAreHeard_ACheckStateChangeATickCountARotationRow)
{
    BotCfgPage* bots = form->botCfgPage;
    bots->ListView1->setCurrentIndex(bots->ListView1->model()->index(1, 0));
    HeardEvents heard;
    QTest::keyClick(bots->ListView1, Qt::Key_Space);
    ASSERT_TRUE(bots->botList().isSelected(1));
    const auto toggled = std::find_if(heard.events.cbegin(), heard.events.cend(),
        [](const HeardEvents::Event& e) { return e.type == QAccessible::StateChanged && e.checkedChanged; });
    ASSERT_NE(toggled, heard.events.cend());
    EXPECT_EQ(toggled->object, bots->ListView1);
    EXPECT_EQ(toggled->name, QStringLiteral("two"));

    heard.events.clear();
    bots->SpeedButton30->click(); // "Pick Random #"
    EXPECT_TRUE(heard.heard(QAccessible::NameChanged, bots->Label1));

    MapPage* map = form->mapPage;
    map->CheckBox22->setChecked(true);
    map->applyEnableRules();
    map->ListView2->addTopLevelItem(new QTreeWidgetItem(QStringList { QStringLiteral("q2dm7") }));
    map->selectMapByName(QStringLiteral("q2dm7"));
    heard.events.clear();
    map->SpeedButton27->click(); // "Add to Ro&tation"
    EXPECT_TRUE(heard.heard(QAccessible::NameChanged, map->ListBox3, QStringLiteral("q2dm7")));
}

TEST_F(ScreenReader, OnlyABotsNameCellTogglesIt_AndTheToggleIsAnnounced)
{
    BotCfgPage* page = form->botCfgPage;
    QApplication::processEvents(); // the list lays its rows out
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(page->ListView1);
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 2);
    const QString toggle = QAccessibleActionInterface::toggleAction();
    // Reached as a reader reaches them: by the table, and as the list's children.
    QList<QAccessibleInterface*> cells;
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            cells.append(table->cellAt(row, column));
    for (int i = 0; i < list->childCount(); ++i) {
        if (QAccessibleInterface* child = list->child(i); child && child->tableCellInterface())
            cells.append(child);
    }
    ASSERT_GE(cells.size(), 12);
    for (QAccessibleInterface* cell : std::as_const(cells)) {
        ASSERT_NE(cell, nullptr);
        QAccessibleTableCellInterface* place = cell->tableCellInterface();
        ASSERT_NE(place, nullptr);
        const std::string where = QStringLiteral("row %1 column %2")
                                      .arg(place->rowIndex())
                                      .arg(place->columnIndex())
                                      .toStdString();
        if (place->rowIndex() < 0)
            continue; // a column heading
        QAccessibleActionInterface* actions = cell->actionInterface();
        const QStringList names = actions ? actions->actionNames() : QStringList();
        if (place->columnIndex() == 0) {
            EXPECT_TRUE(names.contains(toggle)) << where;
            EXPECT_TRUE(cell->state().checkable) << where;
            EXPECT_EQ(cell->state().checked, page->botList().isSelected(place->rowIndex())) << where;
            if (actions) {
                EXPECT_EQ(actions->keyBindingsForAction(toggle),
                    QStringList({ QStringLiteral("Space"), QStringLiteral("Return") }))
                    << where;
            }
        } else {
            EXPECT_FALSE(names.contains(toggle)) << where << " offers " << names.join(u',').toStdString();
            EXPECT_FALSE(cell->state().checkable) << where;
        }
    }

    // The action does what Space does on that row, and is heard.
    HeardEvents heard;
    QAccessibleInterface* second = table->cellAt(1, 0);
    ASSERT_TRUE(second && second->actionInterface());
    second->actionInterface()->doAction(toggle);
    EXPECT_TRUE(page->botList().isSelected(1));
    EXPECT_FALSE(page->botList().isSelected(0));
    EXPECT_EQ(page->Label1->text(), page->botList().countText());
    EXPECT_TRUE(table->cellAt(1, 0)->state().checked);
    EXPECT_TRUE(std::any_of(heard.events.cbegin(), heard.events.cend(), [&](const HeardEvents::Event& e) {
        return e.type == QAccessible::StateChanged && e.checkedChanged && e.name == QStringLiteral("two");
    }));
    second->actionInterface()->doAction(toggle);
    EXPECT_FALSE(page->botList().isSelected(1));
    // Other actions, and other columns, change no bot.
    table->cellAt(0, 0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    if (QAccessibleActionInterface* skin = table->cellAt(0, 1)->actionInterface())
        skin->doAction(toggle);
    EXPECT_FALSE(page->botList().isSelected(0));
}

TEST_F(ScreenReader, WhatIsReadIsWhatIsShown)
{
    PlayerPage* player = form->playerPage;
    player->Edit3->setText(QStringLiteral("5"));
    player->applySensitivityText();
    ASSERT_EQ(player->TrackBar1->value(), 50);
    QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(player->TrackBar1);
    ASSERT_NE(slider->valueInterface(), nullptr);
    EXPECT_DOUBLE_EQ(slider->valueInterface()->currentValue().toDouble(), 5.0);
    EXPECT_EQ(slider->text(QAccessible::Value), QStringLiteral("5.0"));

    const auto description
        = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Description); };
    const struct {
        QObject* control;
        QAccessible::Role role;
        QString name;
        QString description; // empty: any, but one
    } controls[] = {
        { form->miscPage->ComboBox1, QAccessible::ComboBox, QStringLiteral("Extra Config. File"), {} },
        { form->Form2->webLink, QAccessible::Link, QStringLiteral("Web: ") + form->Form2->webLink->text(),
            QStringLiteral("Press Return to open") },
        { form->prefsPage->colortest, QAccessible::Button, QStringLiteral("Light-up colour"), {} },
        { form->Image2, QAccessible::Button, QStringLiteral("About Tarrakind!"),
            QStringLiteral("About Tarrakind! (F1)") },
        { form->setupPage->Image1, QAccessible::Button, QStringLiteral("About Tarrakind!"), {} },
        { form->Form3->preview, QAccessible::NoRole, QStringLiteral("Preview of Bot's Skin"),
            QStringLiteral("Preview window for Bot's Skin") },
        { player->ComboBox2, QAccessible::ComboBox, QStringLiteral("Model"), QStringLiteral("Player Model") },
        { player->ComboBox3, QAccessible::ComboBox, QStringLiteral("Skin"), QStringLiteral("Player Skin") },
        { player->ComboBox4, QAccessible::ComboBox, QStringLiteral("Hand"),
            QStringLiteral("Player Handedness") },
        { player->ComboBox5, QAccessible::ComboBox, QStringLiteral("Crosshair"),
            QStringLiteral("Player's Crosshair") },
        { form->mapPage->ListView2, QAccessible::NoRole, QStringLiteral("Map Selection"), {} },
        { form->mapPage->ListBox3, QAccessible::NoRole, QStringLiteral("Map Rotation"),
            QStringLiteral("Map Rotation allows you to play maps in this order") },
        { form->Button3, QAccessible::Button, QStringLiteral("Preview"),
            QStringLiteral("Show the exec file that LAUNCH! will write (Ctrl+P)") },
        { form->mapPage->SpeedButton31, QAccessible::Button, QStringLiteral("Load"),
            QStringLiteral("Load a Map Rotation List file (Ctrl+L)") },
    };
    for (const auto& c : controls) {
        const std::string what = c.control->objectName().toStdString();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(c.control);
        if (c.role != QAccessible::NoRole) {
            EXPECT_EQ(iface->role(), c.role) << what;
        }
        EXPECT_EQ(nameOf(c.control), c.name) << what;
        if (c.description.isEmpty())
            EXPECT_FALSE(description(c.control).isEmpty()) << what << " has no description";
        else
            EXPECT_EQ(description(c.control), c.description) << what;
    }
    // The links and the swatch are opened by their press action, as by a click.
    QAccessible::queryAccessibleInterface(form->Form2->botLink)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(ui.openedUrls.size(), 1);
    ui.colorAnswers.enqueue(QColor(Qt::blue));
    QAccessible::queryAccessibleInterface(form->prefsPage->colortest)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->prefsPage->colortest->color(), QColor(Qt::blue));

    // The changed-settings marker is in the window's own title too.
    form->gamePage->fraglimit->setValue(7);
    QApplication::processEvents();
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" *")));
    EXPECT_TRUE(nameOf(form.get()).endsWith(QStringLiteral(" *")));
}

TEST_F(ScreenReader, TheMapListsKeysMoveTheShownMapAndEnteringItStartsAtTheHighlightedRow)
{
    for (const char* map : { "q2dm1", "q2dm2", "q2dm3" })
        writeAll(dir + "/" + map + ".aas", "");
    MapPage* map = form->mapPage;
    map->refreshCatalogue();
    map->selectMapByName(QStringLiteral("q2dm2"));
    form->PageControl1->setCurrentWidget(map);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    map->ListView2->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(map->ListView2->currentItem()->text(0), QStringLiteral("q2dm2"));
    QTest::keyClick(map->ListView2, Qt::Key_Down);
    EXPECT_EQ(map->selectedMapName(), QStringLiteral("q2dm3"));
    EXPECT_EQ(map->Panel37->text(), QStringLiteral("q2dm3"));
    tk::Profile stored;
    map->store(stored);
    EXPECT_EQ(stored.exec.selectedMap, QStringLiteral("q2dm3"));
}

TEST_F(ScreenReader, TheFocusFrameAndSelectedRowsStandOutEnoughToBeSeen)
{
    using accessibility::contrastRatio;
    // Selected rows, in the lists that keep their selection shown without the focus too.
    for (QWidget* list : std::initializer_list<QWidget*> { form->botCfgPage->ListView1,
             form->mapPage->ListView2, form->bindsPage->ListView3, form->mapPage->ListBox3 }) {
        for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
            const QPalette& pal = list->palette();
            EXPECT_GE(contrastRatio(
                          pal.color(group, QPalette::Highlight), pal.color(group, QPalette::HighlightedText)),
                4.5)
                << list->objectName().toStdString();
        }
    }
    // The focus frame as the style draws it, on the window and on a field.
    const QPalette pal = form->palette();
    const QColor frame = pal.color(QPalette::Highlight);
    for (QPalette::ColorRole background : { QPalette::Window, QPalette::Base }) {
        EXPECT_GE(contrastRatio(frame, pal.color(background)), 3.0);
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(pal.color(background));
        QStyleOptionFocusRect option;
        option.initFrom(form->prefsPage->CheckBox25);
        option.rect = image.rect();
        option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        QPainter painter(&image);
        form->prefsPage->CheckBox25->style()->drawPrimitive(
            QStyle::PE_FrameFocusRect, &option, &painter, nullptr);
        painter.end();
        EXPECT_EQ(image.pixelColor(0, 10), frame);
        EXPECT_EQ(image.pixelColor(1, 10), frame); // two pixels wide
    }
    // The quick-load bar's chosen button is framed the same way.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QToolButton* chosen = form->setupPage->addQuickLoadButton(QStringLiteral("duel"));
    form->setupPage->quickLoadArea->setFocus(Qt::TabFocusReason);
    const QImage shown = chosen->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, shown.height() / 2), frame);
}

} // namespace
