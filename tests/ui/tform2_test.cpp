// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/installpaths.h"
#include "app/ui/tform1.h"
#include "app/ui/tform2.h"
#include "support/mainwindow.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        about.setInteraction(&ui);
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    }

    ScriptedInteraction ui;
    TForm2 about;
};

TEST_F(AboutBox, LinksShowTheirTargetAndOpenIt)
{
    const struct {
        QLabel* link;
        const char* caption;
        QUrl opened;
    } cases[] = {
        { about.webLink, TARRAKIND_WEB_URL, QUrl(QStringLiteral(TARRAKIND_WEB_URL)) },
        { about.mailLink, TARRAKIND_EMAIL, QUrl(QStringLiteral("mailto:" TARRAKIND_EMAIL)) },
        { about.botLink, TARRAKIND_BOT_URL, QUrl(QStringLiteral(TARRAKIND_BOT_URL)) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(c.link->text(), QString::fromLatin1(c.caption));
        EXPECT_EQ(c.link->cursor().shape(), Qt::PointingHandCursor);
        ui.openedUrls.clear();
        QTest::mouseClick(c.link, Qt::LeftButton);
        ASSERT_EQ(ui.openedUrls.size(), 1);
        EXPECT_EQ(ui.openedUrls.first(), c.opened);
    }
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBox, OtherClicksOpenNothing)
{
    QTest::mouseClick(about.webLink, Qt::RightButton);
    QTest::mouseClick(about.Panel4, Qt::LeftButton);
    EXPECT_TRUE(ui.openedUrls.isEmpty());
}

TEST_F(AboutBox, OkClosesTheBox)
{
    QTest::mouseClick(about.okButton, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(AboutBox, IsABorderlessBoxOfFixedSizeCentredOnTheScreen)
{
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(about.size(), QSize(268, 207));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    const QPoint screenCentre = about.screen()->availableGeometry().center();
    EXPECT_LE((about.frameGeometry().center() - screenCentre).manhattanLength(), 2);
}

using AboutBoxInMainWindow = MainWindowTest;

TEST_F(AboutBoxInMainWindow, ShowsTheVersionAfterStartUpAndOpensLinksThroughTheWindowsInteraction)
{
    openWindow(Shown::No);
    EXPECT_EQ(form->Form2->Panel4->text(), QStringLiteral("TARRAKIND! [v0.6.1]"));

    form->Form2->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Form2));
    QTest::mouseClick(form->Form2->mailLink, Qt::LeftButton);
    EXPECT_EQ(ui.openedUrls, QList<QUrl> { QUrl(QStringLiteral("mailto:" TARRAKIND_EMAIL)) });
}

} // namespace
