// SPDX-License-Identifier: GPL-2.0-or-later
// What the desktop shows: icons on scaled displays, and dialogs over the main window
// (a Wayland compositor places a dialog by its parent window alone).

#include "app/ui/interaction.h"
#include "app/ui/tform1.h"
#include "app/ui/tform2.h"
#include "bots/ui/botcfgpage.h"
#include "bots/ui/tform3.h"
#include "maps/ui/mappage.h"
#include "profile/ui/setuppage.h"
#include "support/mainwindow.h"
#include "support/scriptedinteraction.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

struct DrawnIcon {
    const char* what;
    QIcon icon;
    QSize size; // as the launcher shows it
};

using DrawnIcons = MainWindowTest;

TEST_F(DrawnIcons, AreDrawnAtTheDisplaysPixelRatioNotScaledUp)
{
    openWindow(Shown::No, false);
    const DrawnIcon drawn[] = {
        { "quick-load disk", SetupPage::quickLoadIcon(), QSize(48, 48) },
        { "bot ticked", BotCfgPage::selectedBotIcon(), QSize(16, 16) },
        { "bot not ticked", BotCfgPage::unselectedBotIcon(), QSize(16, 16) },
        { "bot line warning", BotCfgPage::severalCommandsIcon(), QSize(16, 16) },
        { "map list refresh", form->mapPage->BitBtn1->icon(), QSize(16, 16) },
        { "bot editor refresh", form->Form3->BitBtn3->icon(), QSize(16, 16) },
    };
    for (const DrawnIcon& d : drawn) {
        for (const qreal ratio : { 2.0, 1.5 }) {
            const QPixmap sharp = d.icon.pixmap(d.size, ratio);
            const QSize pixels(qRound(d.size.width() * ratio), qRound(d.size.height() * ratio));
            EXPECT_EQ(sharp.size(), pixels) << d.what << " at " << ratio;
            EXPECT_EQ(sharp.deviceIndependentSize().toSize(), d.size) << d.what << " at " << ratio;
            // Not the small picture blown up.
            const QImage small = d.icon.pixmap(d.size, 1.0).toImage();
            const QImage big = sharp.toImage().convertToFormat(small.format());
            for (const Qt::TransformationMode mode : { Qt::FastTransformation, Qt::SmoothTransformation })
                EXPECT_NE(big, small.scaled(pixels, Qt::IgnoreAspectRatio, mode))
                    << d.what << " at " << ratio;
        }
    }
}

class Dialogs : public MainWindowTest {
protected:
    void SetUp() override
    {
        openWindow(Shown::Yes, false);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    // Shown, the dialog's window stands over the main window's.
    void expectOverTheMainWindow(QWidget* dialog, const char* what)
    {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog)) << what;
        EXPECT_EQ(dialog->windowHandle()->transientParent(), form->windowHandle()) << what;
        dialog->hide();
    }
};

TEST_F(Dialogs, MessageBoxesPromptsAndTheAboutBoxStandOverTheMainWindow)
{
    // Asked from inside a tab, as the tabs ask.
    const std::unique_ptr<QMessageBox> box = QtInteraction::messageBox(form->mapPage, QStringLiteral("x"));
    expectOverTheMainWindow(box.get(), "message box");
    const std::unique_ptr<QInputDialog> prompt = QtInteraction::promptDialog(
        form->mapPage, QStringLiteral("Map Rotation"), QStringLiteral("Enter Filename"), QString());
    expectOverTheMainWindow(prompt.get(), "prompt");
    expectOverTheMainWindow(form->Form2, "About box");
}

TEST_F(Dialogs, APromptIsWideEnoughForItsTitleInATitleBar)
{
    const QString title = QStringLiteral("Save Config. File");
    const std::unique_ptr<QInputDialog> prompt = QtInteraction::promptDialog(
        form.get(), title, QStringLiteral("Enter Filename for Config. File"), QString());
    prompt->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(prompt.get()));
    // Title bars use a bold font of about 11 points and hold up to three buttons.
    QFont titleFont = prompt->font();
    titleFont.setBold(true);
    titleFont.setPointSize(11);
    EXPECT_GE(prompt->width(), QFontMetrics(titleFont).horizontalAdvance(title) + 3 * 32);
}

} // namespace
