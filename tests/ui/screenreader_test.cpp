// SPDX-License-Identifier: GPL-2.0-or-later
// The main window as a screen reader sees it: the accessibility tree.

#include "app/ui/tform1.h"
#include "bots/ui/botcfgpage.h"
#include "bots/ui/tform3.h"
#include "launch/ui/dmflagspage.h"
#include "maps/ui/mappage.h"
#include "player/ui/playerpage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/setuppage.h"
#include "support/files.h"
#include "support/scriptedinteraction.h"
#include "widgets/spinedit.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

class ScreenReader : public ::testing::Test {
protected:
    ScreenReader()
    {
        QDir().mkpath(launcherDir);
        writeAll(launcherDir + "/bots.cfg",
            "\"sv\" \"addbot\" \"one\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n"
            "\"sv\" \"addbot\" \"two\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n");
        form = std::make_unique<TForm1>(tk::InstallPaths::fromLauncherDir(launcherDir, false), ui);
        form->show();
        form->startUp();
    }

    static QString nameOf(QObject* o)
    {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
    }

    QTemporaryDir root;
    QString launcherDir = root.filePath(QStringLiteral("quake2/TARRAKIND"));
    ScriptedInteraction ui;
    std::unique_ptr<TForm1> form;
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

} // namespace
