// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The main window on a temporary installation with three bots, two maps and three binds,
// started up, with its settings saved in "default.tsf" and, with a frag limit of 7, in
// "other.tsf"; a quick-load button loads "other".

#include "app/ui/tform1.h"
#include "launch/ui/execlinesmodel.h"
#include "launch/ui/execpreview.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/profilestore.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "widgets/spinedit.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>

class MatchWindow : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString dir = root.filePath(QStringLiteral("quake2/TARRAKIND"));
    ScriptedInteraction ui;
    std::unique_ptr<TForm1> form;
    QString title; // the title panel's text without the marker

    void SetUp() override
    {
        QDir().mkpath(dir);
        writeAll(root.filePath(QStringLiteral("quake2/yq2")), "");
        writeAll(file("extra.cfg"), "");
        writeAll(file("bots.cfg"),
            "\"sv\" \"addbot\" \"Alpha\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n"
            "\"sv\" \"addbot\" \"Beta\" \"female/athena\" \"bots/bill_c.c\" \"bill\"\r\n"
            "\"sv\" \"addbot\" \"Gamma\" \"male/viper\" \"bots/zero_c.c\" \"zero\"\r\n");
        writeAll(file("mybots.cfg"), readAll(file("bots.cfg")));
        for (const char* map : { "q2dm1.aas", "q2dm2.aas" })
            writeAll(file(QLatin1String(map)), "aas");
        writeAll(file("default.tsf"),
            "[Binds]\r\nCount=3\r\nn0=\"\"F2\" \"cyclecam\"\"\r\nn1=\"\"F3\" \"score\"\"\r\nn2=\"\"F4\" "
            "\"inven\"\"\r\n");
        writeAll(file("quikload.ini"), "[QuikLoad]\r\nNumber=1\r\nn0=other\r\n");
        form = std::make_unique<TForm1>(tk::InstallPaths::fromLauncherDir(dir, false), ui);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->startUp();
        form->gamePage->fraglimit->setValue(7);
        form->profiles().save(file("other.tsf"));
        form->gamePage->fraglimit->setValue(150);
        form->profiles().save(file("default.tsf"));
        QTest::qWait(10);
        title = form->titleLabel->text();
        ASSERT_FALSE(title.endsWith(" *"));
        ASSERT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
    }

    QString file(const QString& name) const { return dir + '/' + name; }

    ExecPreview* openPreview()
    {
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(form->preview() && form->preview()->isVisible());
        QApplication::processEvents();
        return form->preview();
    }

    // The lines the preview shows.
    static QStringList shown(const ExecPreview* p)
    {
        const QAbstractItemModel* m = p->lines->model();
        QStringList out;
        for (int row = 0; row < m->rowCount(); ++row)
            out.append(m->data(m->index(row, ExecLinesModel::TextColumn)).toString());
        return out;
    }
};

// Selects the whole text of an edit, spin edit or memo and types over it.
inline void retype(QWidget* w, const QString& text)
{
    w->setFocus();
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w, text);
}
