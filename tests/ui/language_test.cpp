// SPDX-License-Identifier: GPL-2.0-or-later
// The window in each shipped language: a choice in Prefs applies at once and gives every
// text a window built in that language shows, and back again; every caption of every tab
// and dialog fits its control.
#include "app/core/language.h"
#include "app/ui/prefspage.h"
#include "app/ui/tform2.h"
#include "bots/ui/botgenerator.h"
#include "bots/ui/tform3.h"
#include "launch/ui/execpreview.h"
#include "player/ui/tform4.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/profilestore.h"
#include "support/mainwindow.h"
#include "ui/pagetesting.h"
#include "widgets/settingswatch.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Every text of root and the windows below it that the user reads or hears, in a fixed
// order; values (edits, editable combo boxes, list items) are left out.
QStringList shownTexts(QWidget* root)
{
    QStringList texts;
    QList<QWidget*> all { root };
    all += root->findChildren<QWidget*>();
    for (QWidget* w : all) {
        QStringList t { w->windowTitle(), w->statusTip(), w->toolTip(), w->accessibleName(),
            w->accessibleDescription() };
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            t << b->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            t << l->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            t << g->title();
        if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable()) {
            for (int i = 0; i < c->count(); ++i)
                t << c->itemText(i);
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                t << tabs->tabText(i);
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            for (int c = 0; c < view->model()->columnCount(); ++c)
                t << view->model()->headerData(c, Qt::Horizontal).toString();
        }
        // Widgets without a text of their own (some are made only when first needed) are
        // no part of it, nor the marker of changed settings, which follows the files.
        t.removeAll(QString());
        for (QString& text : t) {
            if (text.endsWith(QLatin1String(" *")))
                text.chop(2);
        }
        if (!t.isEmpty())
            texts << w->objectName() + QLatin1Char(' ') + t.join(QLatin1Char('|'));
    }
    return texts;
}

// The entries where two lists of shown texts differ, side by side.
QStringList differences(const QStringList& a, const QStringList& b)
{
    QStringList differing;
    for (qsizetype i = 0; i < qMax(a.size(), b.size()); ++i) {
        if (a.value(i) != b.value(i))
            differing << a.value(i) + QStringLiteral("  <>  ") + b.value(i);
    }
    if (a.size() != b.size())
        differing << QStringLiteral("%1 entries against %2").arg(a.size()).arg(b.size());
    return differing;
}

QStringList translatedLanguages()
{
    QStringList codes = tk::shippedLanguages();
    codes.removeAll(QStringLiteral("en"));
    return codes;
}

class Languages : public MainWindowTest {
protected:
    void TearDown() override { tk::useLanguage(QStringLiteral("en")); }

    void choose(const QString& code)
    {
        QComboBox* choice = form->prefsPage->languageChoice;
        choice->setCurrentIndex(choice->findData(code));
        // The letters of the new captions are looked at after the change.
        QTest::qWait(20);
    }
    void save()
    {
        form->profiles().save(file("default.tsf"));
        form->settingsWatch().touch();
        QTest::qWait(20);
    }
    // The window with its dialogs made, so that their texts count too.
    static void withDialogs(TForm1& window)
    {
        window.startUp();
        window.showPreview();
        window.preview()->hide();
    }
};

TEST_F(Languages, AChoiceInPrefsGivesTheTextsOfAWindowBuiltInThatLanguageAndBack)
{
    ASSERT_FALSE(translatedLanguages().isEmpty());
    openWindow(Shown::No, false);
    withDialogs(*form);
    form->gamePage->fraglimit->setValue(33); // a setting not saved
    const QStringList english = shownTexts(form.get());
    for (const QString& code : translatedLanguages()) {
        choose(code);
        EXPECT_EQ(tk::languageInUse(), code);
        EXPECT_EQ(form->gamePage->fraglimit->value(), 33);
        const QStringList switched = shownTexts(form.get());
        EXPECT_NE(switched, english) << qPrintable(code);
        // The same settings in a window that starts in the language.
        save();
        EXPECT_FALSE(form->profiles().hasUnsavedChanges());
        TForm1 built(paths(), ui);
        withDialogs(built);
        EXPECT_EQ(differences(switched, shownTexts(&built)), QStringList()) << qPrintable(code);

        choose(QString());
        save();
        EXPECT_EQ(differences(shownTexts(form.get()), english), QStringList()) << qPrintable(code);
    }
}

// Each caption, label, group title and tab name of window gets the width it asks for.
void expectCaptionsFit(QWidget* window, const QString& code)
{
    SCOPED_TRACE(qPrintable(code + QLatin1Char(' ') + window->objectName()));
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow() || qobject_cast<QToolButton*>(w))
            continue;
        const QString what = pagetest::describe(w);
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            // Beyond its text a push button asks for a minimum width; the text must fit.
            EXPECT_GE(b->width(), b->fontMetrics().size(Qt::TextShowMnemonic, b->text()).width() + 8)
                << qPrintable(what);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << qPrintable(what);
        } else if (auto* l = qobject_cast<QLabel*>(w);
                   l && !l->text().isEmpty() && l->sizePolicy().horizontalPolicy() != QSizePolicy::Ignored) {
            if (l->wordWrap())
                EXPECT_GE(l->height(), l->heightForWidth(l->width())) << qPrintable(what);
            else
                EXPECT_GE(l->width(), l->sizeHint().width()) << qPrintable(what);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            EXPECT_GE(g->width(), g->minimumSizeHint().width()) << qPrintable(what);
        } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
            for (int i = 0; i < bar->count(); ++i) {
                const int text = bar->fontMetrics().size(Qt::TextShowMnemonic, bar->tabText(i)).width();
                EXPECT_GE(bar->tabRect(i).width(), text + padding) << qPrintable(bar->tabText(i));
            }
        }
    }
}

TEST_F(Languages, EveryCaptionFitsItsControlOnEveryTabAndDialog)
{
    for (int n = 0; n < 10; ++n)
        write(QStringLiteral("bot%1.cfg").arg(n), "");
    openWindow(Shown::Yes);
    for (const QString& code : tk::shippedLanguages()) {
        choose(code);
        for (TabPage* page : form->pages()) {
            showPage(page);
            const QList<QTabWidget*> inner = page->findChildren<QTabWidget*>();
            for (int i = 0; i < (inner.isEmpty() ? 1 : inner.first()->count()); ++i) {
                if (!inner.isEmpty())
                    inner.first()->setCurrentIndex(i);
                QApplication::processEvents();
                expectCaptionsFit(form.get(), code);
            }
        }
        form->showPreview();
        for (QWidget* dialog :
            QList<QWidget*> { form->Form2, form->Form3, form->Form4, form->botGenerator, form->preview() }) {
            dialog->show();
            QApplication::processEvents();
            expectCaptionsFit(dialog, code);
            dialog->hide();
        }
    }
}

} // namespace
