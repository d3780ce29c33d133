// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/ui/setuppage.h"

#include "bots/ui/botcfgpage.h"
#include "launch/ui/dmflagspage.h"
#include "ui/pagetesting.h"
#include "widgets/logo.h"
#include "widgets/namelabel.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class SetupPageTest : public ::testing::Test {
protected:
    pagetest::ShownPage<SetupPage> shown;
    SetupPage& page = shown.page;

    void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace

TEST_F(SetupPageTest, QuickLoadButtonsShowTheirProfileAndHint)
{
    const QString names[] = { QStringLiteral("default"), QStringLiteral("ctf&fun"), QStringLiteral("x") };
    for (const QString& name : names)
        page.addQuickLoadButton(name);

    ASSERT_EQ(page.quickLoadButtons().size(), 3);
    EXPECT_EQ(page.quickLoadCaptions(), QStringList(std::begin(names), std::end(names)));
    EXPECT_EQ(page.ToolBar1->layout()->count(), 3);
    const qint64 iconKey = page.quickLoadButtons().front()->icon().cacheKey();
    for (QToolButton* b : page.quickLoadButtons()) {
        const QString caption = SetupPage::quickLoadCaption(b);
        SCOPED_TRACE(qPrintable(caption));
        EXPECT_EQ(b->statusTip(), QStringLiteral("Click this button to load \"%1\" config.").arg(caption));
        EXPECT_TRUE(b->toolTip().isEmpty());
        EXPECT_EQ(b->size(), QSize(100, 86));
        EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_TRUE(b->autoRaise());
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_EQ(b->icon().cacheKey(), iconKey);
        EXPECT_EQ(b->parentWidget(), page.ToolBar1);
    }
    // An ampersand in a profile name is shown, not taken for a mnemonic.
    EXPECT_EQ(page.quickLoadButtons()[1]->text(), QStringLiteral("ctf&&fun"));
}

TEST_F(SetupPageTest, ClickingAQuickLoadButtonNamesItsProfile)
{
    page.addQuickLoadButton(QStringLiteral("first"));
    QToolButton* second = page.addQuickLoadButton(QStringLiteral("second"));
    QApplication::processEvents();
    QSignalSpy clicked(&page, &SetupPage::quickLoadClicked);
    QTest::mouseClick(second, Qt::LeftButton);
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked.front().front().toString(), QStringLiteral("second"));
}

TEST_F(SetupPageTest, RemovingButtons)
{
    QPointer<QToolButton> a = page.addQuickLoadButton(QStringLiteral("a"));
    QPointer<QToolButton> b = page.addQuickLoadButton(QStringLiteral("b"));
    QPointer<QToolButton> c = page.addQuickLoadButton(QStringLiteral("c"));

    page.removeQuickLoadButton(b);
    EXPECT_EQ(page.quickLoadCaptions(), QStringList({ QStringLiteral("a"), QStringLiteral("c") }));
    EXPECT_EQ(page.ToolBar1->layout()->count(), 2);
    page.removeQuickLoadButton(b); // no longer on the bar: nothing happens
    EXPECT_EQ(page.quickLoadButtons().size(), 2);

    page.removeAllQuickLoadButtons();
    EXPECT_TRUE(page.quickLoadButtons().isEmpty());
    EXPECT_EQ(page.ToolBar1->layout()->count(), 0);
    flushDeletes();
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(b.isNull());
    EXPECT_TRUE(c.isNull());
}

TEST_F(SetupPageTest, BarCanBeRebuiltFromInsideAButtonsOwnClick)
{
    page.addQuickLoadButton(QStringLiteral("one"));
    QToolButton* two = page.addQuickLoadButton(QStringLiteral("two"));
    QApplication::processEvents();
    QStringList seen;
    QObject::connect(&page, &SetupPage::quickLoadClicked, &page, [&](const QString& caption) {
        seen << caption;
        page.removeAllQuickLoadButtons();
        page.addQuickLoadButton(QStringLiteral("one"));
        page.addQuickLoadButton(QStringLiteral("two"));
        page.addQuickLoadButton(QStringLiteral("three"));
    });
    QTest::mouseClick(two, Qt::LeftButton);
    flushDeletes();
    EXPECT_EQ(seen, QStringList { QStringLiteral("two") });
    EXPECT_EQ(page.quickLoadCaptions(),
        QStringList({ QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three") }));
    EXPECT_EQ(page.ToolBar1->layout()->count(), 3);
}

TEST_F(SetupPageTest, NewWindowState)
{
    EXPECT_TRUE(page.quickLoadButtons().isEmpty());
    EXPECT_FALSE(page.CheckBox23->isChecked());
    EXPECT_EQ(page.exefile->text(), QLatin1String(tk::InstallPaths::isWindows() ? "quake2.exe" : "quake2"));
    EXPECT_FALSE(page.exefile->isReadOnly());
    // The logo strip stays a strip.
    EXPECT_LE(page.Image1->height(), 40);
}
// A long profile name is cut inside, so that its extension and the changed marker stay in
// sight; the whole name stays the label's text and shows as its tool tip.
TEST_F(SetupPageTest, ALongProfileNameKeepsItsExtensionAndMarker)
{
    const QString name = QStringLiteral("my_ctf_tournament_final_round.tsf");
    page.setProfileName(name, QStringLiteral("/games/q2/TARRAKIND/") + name);
    page.setChangedMarker(true);
    auto* panel = qobject_cast<NameLabel*>(page.Panel23);
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->text(), name + QStringLiteral(" *"));
    EXPECT_EQ(panel->toolTip(), QStringLiteral("/games/q2/TARRAKIND/") + name);
    ASSERT_TRUE(panel->isCut()) << "the test needs a panel narrower than the name";

    const QFontMetrics metrics = panel->fontMetrics();
    for (const int width : { 40, 80, 120 }) {
        const QString shownText = NameLabel::fitted(panel->text(), metrics, width);
        EXPECT_TRUE(shownText.endsWith(QStringLiteral(".tsf *"))) << shownText.toStdString();
        EXPECT_TRUE(shownText.contains(QChar(0x2026))) << shownText.toStdString();
        EXPECT_LE(metrics.horizontalAdvance(shownText),
            qMax(width, metrics.horizontalAdvance(QStringLiteral("\u2026.tsf *"))));
    }
    EXPECT_EQ(NameLabel::fitted(panel->text(), metrics, 10000), panel->text());
}
