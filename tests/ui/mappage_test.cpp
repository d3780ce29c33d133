// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/core/execsettings.h"
#include "maps/ui/mappage.h"
#include "support/scriptedinteraction.h"
#include "ui/clickhelpers.h"
#include "ui/pagetesting.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class MapPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page = std::make_unique<MapPage>();
        page->attach(paths, ui);
        page->resize(584, 355);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }

    QList<QWidget*> rotationControls() const
    {
        return { page->ListBox3, page->SpeedButton27, page->SpeedButton22, page->SpeedButton23,
            page->SpeedButton24, page->SpeedButton25, page->SpeedButton28, page->SpeedButton26,
            page->SpeedButton31 };
    }

    void clickRow(int row)
    {
        QTreeWidgetItem* item = page->ListView2->topLevelItem(row);
        const QRect r = page->ListView2->visualItemRect(item);
        QTest::mouseClick(page->ListView2->viewport(), Qt::LeftButton, {}, r.center());
    }

    QTemporaryDir dir;
    tk::InstallPaths paths = tk::InstallPaths::fromLauncherDir(dir.path(), false);
    ScriptedInteraction ui;
    std::unique_ptr<MapPage> page;
};

TEST_F(MapPageTest, NewPageGivesNoMapNoRotationAndAnEmptyList)
{
    EXPECT_EQ(page->ListBox3->count(), 0);
    EXPECT_EQ(page->ListView2->topLevelItemCount(), 0);
    EXPECT_EQ(page->Panel37->text(), QStringLiteral("No Map chosen"));
    EXPECT_EQ(page->rotationFileName(), QStringLiteral("maps.lst"));
}

TEST_F(MapPageTest, EnableRotationGovernsTheListAndAllEightButtons)
{
    page->setRotationEntries({ "q2dm1", "q2dm2" });
    for (QWidget* w : rotationControls())
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

    clickIndicator(page->CheckBox22);
    ASSERT_TRUE(page->CheckBox22->isChecked());
    for (QWidget* w : rotationControls())
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    tk::ExecSettings s;
    s = pagetest::gathered(*page, s);
    EXPECT_TRUE(s.rotation);

    clickIndicator(page->CheckBox22);
    for (QWidget* w : rotationControls())
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(page->ListBox3->count(), 2) << "disabling keeps the entries";

    // The profile load sets the box without a click and then applies the rule.
    page->CheckBox22->setChecked(true);
    page->applyEnableRules();
    for (QWidget* w : rotationControls())
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(MapPageTest, RotationEntriesKeepTheirBytes)
{
    const QList<QByteArray> entries {
        "q2dm1",
        "q2dm\xe9", // Windows-1252, not valid UTF-8
        "",
        "caf\xc3\xa9", // UTF-8
        "\x81\xff",
        " spaced ",
    };
    page->setRotationEntries(entries);
    ASSERT_EQ(page->ListBox3->count(), entries.size());
    EXPECT_EQ(page->ListBox3->item(1)->text(), QStringLiteral(u"q2dm\u00e9"));
    EXPECT_EQ(page->ListBox3->item(3)->text(), QStringLiteral(u"caf\u00e9"));
    EXPECT_EQ(page->ListBox3->item(5)->text(), QStringLiteral(" spaced "));
    EXPECT_EQ(page->rotationEntries(), entries);

    tk::ExecSettings s;
    s = pagetest::gathered(*page, s);
    EXPECT_EQ(s.rotationEntries, entries);

    // Setting the list again replaces it.
    page->setRotationEntries({ "base1" });
    EXPECT_EQ(page->rotationEntries(), QList<QByteArray> { "base1" });
}

TEST_F(MapPageTest, EntriesAddedByNameAreWrittenAsUtf8)
{
    page->setRotationEntries({ "q2dm\xe9" });
    page->ListBox3->addItem(QStringLiteral(u"b\u00e4se1"));
    EXPECT_EQ(page->rotationEntries(), (QList<QByteArray> { "q2dm\xe9", "b\xc3\xa4se1" }));
}

TEST_F(MapPageTest, SelectedMapIsTheFirstColumnOfTheClickedRow)
{
    for (const auto& [name, title] : QList<QPair<QString, QString>> {
             { "q2dm1", "The Edge" }, { "q2dm2", "Tokay's Towers" }, { "base1", "[Unknown]" } })
        new QTreeWidgetItem(page->ListView2, { name, title });

    clickRow(1);
    tk::ExecSettings s;
    s = pagetest::gathered(*page, s);
    ASSERT_TRUE(s.selectedMap.has_value());
    EXPECT_EQ(*s.selectedMap, QStringLiteral("q2dm2"));

    clickRow(2);
    s = pagetest::gathered(*page, s);
    EXPECT_EQ(s.selectedMap, std::optional<QString>(QStringLiteral("base1")));
    EXPECT_EQ(page->ListView2->selectedItems().size(), 1) << "one row at a time";

    page->ListView2->clearSelection();
    s = pagetest::gathered(*page, s);
    EXPECT_FALSE(s.selectedMap.has_value());
}

} // namespace
