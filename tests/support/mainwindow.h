// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/tform1.h"
#include "support/installation.h"
#include "support/scriptedinteraction.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The fixture of every test that drives the whole main window: a temporary installation, a
// scripted user, and the window, opened once the test has written its files.
class MainWindowTest : public ::testing::Test, public TestInstallation {
protected:
    using TestInstallation::TestInstallation;

    enum class Shown { No, Yes, Active };
    // Makes the main window on the installation and shows it as asked; with startUp its
    // start-up runs too (default.tsf loaded, the lists filled).
    void openWindow(Shown shown = Shown::Yes, bool startUp = true)
    {
        form = std::make_unique<TForm1>(paths(), ui);
        if (shown != Shown::No)
            form->show();
        if (shown == Shown::Active) {
            form->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        }
        if (startUp)
            form->startUp();
    }
    void showPage(QWidget* page)
    {
        form->PageControl1->setCurrentWidget(page);
        QApplication::processEvents();
    }

    ScriptedInteraction ui;
    std::unique_ptr<TForm1> form;
};
