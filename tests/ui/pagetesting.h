// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/tabpage.h"
#include "app/ui/tform1.h"
#include "profile/core/profile.h"
#include "ui/clickhelpers.h"
#include "widgets/spinedit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace pagetest {

// A page on its own, shown in an active window so that focus changes happen as
// they do for the user.
template <typename Page> struct ShownPage {
    Page page;

    ShownPage()
    {
        page.show();
        page.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
    }
    Page* operator->() { return &page; }
};

// The settings record of what page holds, each of its values over those of settings.
inline tk::ExecSettings gathered(const TabPage& page, tk::ExecSettings settings = {})
{
    tk::Profile profile;
    profile.exec = std::move(settings);
    page.store(profile);
    return profile.execSettings();
}

// Replaces the text of edit by typing text, then moves the focus away.
inline QString typeAndLeave(SpinEdit* edit, const QString& text)
{
    retype(edit, text);
    edit->clearFocus();
    return edit->text();
}

// The one click on a check box's or radio button's indicator.
using ::clickIndicator;

inline QString describe(const QWidget* w)
{
    QString text;
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        text = b->text();
    else if (auto* l = qobject_cast<const QLabel*>(w))
        text = l->text();
    else if (auto* g = qobject_cast<const QGroupBox*>(w))
        text = g->title();
    return QStringLiteral("%1 '%2' \"%3\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text.left(40));
}

// Every control of page that is on screen lies inside the page, and every caption,
// label and group title gets at least the room it asks for.
inline void expectEverythingFits(QWidget* page)
{
    const QRect pageRect = page->rect();
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow())
            continue;
        const QRect inPage(w->mapTo(page, QPoint(0, 0)), w->size());
        EXPECT_TRUE(pageRect.contains(inPage)) << qPrintable(describe(w)) << " lies outside the page";
        // Nor is it cut by the control it lies in (a scrolled area's contents excepted).
        const QWidget* parent = w->parentWidget();
        if (parent != page && parent->objectName() != QLatin1String("qt_scrollarea_viewport")) {
            EXPECT_TRUE(parent->rect().contains(w->geometry()))
                << qPrintable(describe(w)) << " is cut by " << qPrintable(describe(parent));
        }
        // A tab bar squeezed below the room its tabs ask for cuts their names.
        if (auto* bar = qobject_cast<QTabBar*>(w)) {
            EXPECT_GE(bar->width(), bar->sizeHint().width()) << qPrintable(describe(w));
        }

        if (qobject_cast<QToolButton*>(w))
            continue; // tool buttons have a fixed size and are data, not captions
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            // Push buttons ask for a minimum width beyond their text; the text is what
            // has to fit, with a little room for the bevel.
            const QSize text = b->fontMetrics().size(Qt::TextShowMnemonic, b->text());
            EXPECT_GE(b->width(), text.width() + 8) << qPrintable(describe(w));
            EXPECT_GE(b->height(), text.height() + 4) << qPrintable(describe(w));
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << qPrintable(describe(w));
            EXPECT_GE(button->height(), button->sizeHint().height()) << qPrintable(describe(w));
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->text().isEmpty() || l->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
                continue;
            if (l->wordWrap())
                EXPECT_GE(l->height(), l->heightForWidth(l->width())) << qPrintable(describe(w));
            else
                EXPECT_GE(l->width(), l->sizeHint().width()) << qPrintable(describe(w));
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            EXPECT_GE(g->width(), g->minimumSizeHint().width()) << qPrintable(describe(w));
        }
    }
}

// No two controls side by side in one parent overlap, so that each is seen whole. The
// toolkit's own parts of a control (a spin box's field, a list's scroll bars) are its own
// business.
inline void expectNothingOverlaps(QWidget* root)
{
    QList<QWidget*> parents = root->findChildren<QWidget*>();
    parents.prepend(root);
    for (QWidget* parent : std::as_const(parents)) {
        if (!parent->isVisible() || parent->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QList<QWidget*> shown;
        for (QObject* child : parent->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w && w->isVisible() && !w->isWindow() && !w->objectName().startsWith(QLatin1String("qt_")))
                shown.append(w);
        }
        for (qsizetype i = 0; i < shown.size(); ++i) {
            for (qsizetype j = i + 1; j < shown.size(); ++j) {
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << qPrintable(describe(shown[i])) << " overlaps " << qPrintable(describe(shown[j]));
            }
        }
    }
}

} // namespace pagetest
