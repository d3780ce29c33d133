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
#include "support/mainwindow.h"
#include "support/printers.h"
#include "ui/clickhelpers.h"
#include "widgets/spinedit.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>

class MatchWindow : public MainWindowTest {
protected:
    QString title; // the title panel's text without the marker

    void SetUp() override
    {
        writeAll(quake2 + QStringLiteral("/yq2"), "");
        write(QStringLiteral("extra.cfg"), "");
        write(QStringLiteral("bots.cfg"),
            "\"sv\" \"addbot\" \"Alpha\" \"male/grunt\" \"bots/hunk_c.c\" \"hunk\"\r\n"
            "\"sv\" \"addbot\" \"Beta\" \"female/athena\" \"bots/bill_c.c\" \"bill\"\r\n"
            "\"sv\" \"addbot\" \"Gamma\" \"male/viper\" \"bots/zero_c.c\" \"zero\"\r\n");
        write(QStringLiteral("mybots.cfg"), read(QStringLiteral("bots.cfg")));
        for (const char* map : { "q2dm1.aas", "q2dm2.aas" })
            write(QLatin1String(map), "aas");
        write(QStringLiteral("default.tsf"),
            "[Binds]\r\nCount=3\r\nn0=\"\"F2\" \"cyclecam\"\"\r\nn1=\"\"F3\" \"score\"\"\r\nn2=\"\"F4\" "
            "\"inven\"\"\r\n");
        write(QStringLiteral("quikload.ini"), "[QuikLoad]\r\nNumber=1\r\nn0=other\r\n");
        openWindow(Shown::Active);
        form->gamePage->fraglimit->setValue(7);
        form->profiles().save(file("other.tsf"));
        form->gamePage->fraglimit->setValue(150);
        form->profiles().save(file("default.tsf"));
        QTest::qWait(10);
        title = form->titleLabel->text();
        ASSERT_FALSE(title.endsWith(" *"));
        ASSERT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
    }

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
