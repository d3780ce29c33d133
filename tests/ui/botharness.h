// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The main window on a temporary installation with bot list files and player models,
// opened on the "Bot &Cfg" tab, with the bot editor played by a script.

#include "app/core/installpaths.h"
#include "app/ui/tform1.h"
#include "bots/ui/botcfgpage.h"
#include "bots/ui/tform3.h"
#include "imaging/ui/imageview.h"
#include "support/mainwindow.h"
#include "support/scriptedinteraction.h"
#include "ui/clickhelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace bottest {

// The helpers of a bot test around the window of its fixture.
struct Launcher {
    ScriptedInteraction& ui;
    std::unique_ptr<TForm1>& form;
    BotCfgPage* page = nullptr;
    TForm3* editor = nullptr;
    // The user's part in the bot editor while it is open; without it the user cancels.
    // The dialog is shown while the script runs and rejected afterwards if still open.
    std::function<void(TForm3&)> editorScript;
    // What the editor held when it appeared, before the script ran.
    struct Seen {
        QString name, model, skin, profileFile, profileName;
        QStringList models, skins;
        QSize preview;
    };
    QList<Seen> seen;

    // form is the shown and started window, answered by ui.
    Launcher(ScriptedInteraction& user, std::unique_ptr<TForm1>& window)
        : ui(user)
        , form(window)
    {
        page = form->botCfgPage;
        editor = form->Form3;
        ui.onModal = [this](QDialog* dialog) {
            EXPECT_EQ(dialog, editor);
            seen.append(look());
            dialog->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
            if (editorScript)
                editorScript(*editor);
            if (dialog->isVisible())
                dialog->reject();
            return dialog->result();
        };
        form->PageControl1->setCurrentWidget(page);
        QApplication::processEvents();
    }

    Seen look() const
    {
        Seen s { editor->botName(), editor->botModel(), editor->botSkin(), editor->profileFile(),
            editor->profileName(), itemsOf(editor->ComboBox2), itemsOf(editor->ComboBox3),
            editor->preview->image().size() };
        return s;
    }

    QTreeView* list() const { return page->ListView1; }
    QModelIndex cell(int row, int column) const { return list()->model()->index(row, column); }
    int rowCount() const { return list()->model()->rowCount(); }
    // "name | skin | profile" per row, as the list shows them.
    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < rowCount(); ++i) {
            out.append(cell(i, 0).data().toString() + QStringLiteral(" | ") + cell(i, 1).data().toString()
                + QStringLiteral(" | ") + cell(i, 2).data().toString());
        }
        return out;
    }
    // The rows whose icon is the tick, as a user sees them.
    QList<int> tickedRows() const
    {
        QList<int> out;
        const qint64 tick = BotCfgPage::selectedBotIcon().cacheKey();
        const qint64 empty = BotCfgPage::unselectedBotIcon().cacheKey();
        for (int i = 0; i < rowCount(); ++i) {
            const qint64 key = cell(i, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey();
            EXPECT_TRUE(key == tick || key == empty) << "row " << i << " has no bot icon";
            if (key == tick)
                out.append(i);
        }
        return out;
    }
    QList<int> selectedBots() const
    {
        QList<int> out;
        for (qsizetype i = 0; i < page->botList().size(); ++i) {
            if (page->botList().isSelected(i))
                out.append(int(i));
        }
        return out;
    }
    // The row with the selection highlight; -1 when none has it. The highlight covers
    // whole rows, one at most.
    int highlightedRow() const
    {
        const QModelIndexList cells = list()->selectionModel()->selectedIndexes();
        if (cells.isEmpty())
            return -1;
        EXPECT_EQ(cells.size(), list()->model()->columnCount()) << "the highlight is not one whole row";
        return cells.first().row();
    }
    QString countLabel() const { return page->Label1->text(); }

    QRect rowRect(int row) const
    {
        return list()->visualRect(cell(row, 0)) | list()->visualRect(cell(row, 2));
    }
    QPoint rowCentre(int row) const { return rowRect(row).center(); }
    void clickRow(int row) { QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rowCentre(row)); }
    // Double clicks go through the window system's path, which delivers the press
    // before the double click as a real mouse does.
    void doubleClickAt(QPoint inViewport)
    {
        QTest::mouseDClick(
            form->windowHandle(), Qt::LeftButton, {}, list()->viewport()->mapTo(form.get(), inViewport));
    }
    void doubleClickRow(int row) { doubleClickAt(rowCentre(row)); }
    void doubleClickBelowTheRows() { doubleClickAt(QPoint(30, list()->viewport()->height() - 4)); }
    void press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Replaces the text of the bot file box key by key, as a user types it.
    void typeBotFileName(const QString& name) { retype(page->botfilename, name); }
    // Picks the item of that name in the drop-down of the bot file box with the mouse.
    void chooseBotFileName(const QString& name) { chooseFromDropDown(page->botfilename, name); }
};

// The fixture of the bot tests: the window on an installation whose bot list files the
// test writes before start(), with the bot editor played by a script.
class BotWindowTest : public MainWindowTest {
protected:
    BotWindowTest()
        : MainWindowTest(QStringLiteral("Quake2"))
    { }
    Launcher& start()
    {
        openWindow();
        launcher = std::make_unique<Launcher>(ui, form);
        return *launcher;
    }

    std::unique_ptr<Launcher> launcher;
};

} // namespace bottest
