// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/appsetup.h"
#include "app/ui/tform1.h"
#include "support/mainwindow.h"
#include "support/scriptedinteraction.h"

#include <QApplication>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

using ApplicationSetUp = MainWindowTest;

TEST_F(ApplicationSetUp, DialogsKeepTheUsersFontAndEveryWindowGetsTheIcon)
{
    const QFont before = QApplication::font();
    QFont users = before;
    users.setPointSize(11);
    QApplication::setFont(users);
    setUpApplication();
    EXPECT_EQ(QApplication::font().pointSize(), 11);

    QList<int> sizes;
    for (const QSize& size : QApplication::windowIcon().availableSizes())
        sizes.append(size.width());
    EXPECT_EQ(sizes, (QList<int> { 16, 24, 32, 48, 64, 128, 256 }));

    // The fixed main window needs its small font to fit the tabs; a message box over it
    // is a window of its own and has the user's.
    openWindow(Shown::No, false);
    EXPECT_EQ(form->font().pointSize(), 8);
    QMessageBox box(form.get());
    EXPECT_EQ(box.font().pointSize(), 11);
    QApplication::setFont(before);
}

} // namespace
