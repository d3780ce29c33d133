// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/installpaths.h"
#include "app/ui/tform1.h"
#include "launch/core/execsettings.h"
#include "player/ui/bindspage.h"
#include "player/ui/tform4.h"
#include "support/mainwindow.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "ui/clickhelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace tk {
static void PrintTo(const BindRow& row, std::ostream* os)
{
    *os << "BIND \"" << row.key.toStdString() << "\" \"" << row.command.toStdString() << '"';
}
} // namespace tk

namespace {

using Rows = QList<tk::BindRow>;

const QString kNotFilledIn = QStringLiteral("Error: Some fields not correctly filled in");

// The Binds tab of a main window on an installation with an empty bot list file.
class BindsBehaviour : public MainWindowTest {
protected:
    void SetUp() override
    {
        write(QStringLiteral("bots.cfg"), "");
        openWindow();
        ASSERT_TRUE(ui.messages.isEmpty());
        form->PageControl1->setCurrentWidget(page());
        QApplication::processEvents();
        clickIndicator(page()->CheckBox29);
        for (const tk::BindRow& row : initial)
            page()->addBindRow(row.key, row.command);
    }

    BindsPage* page() const { return form->bindsPage; }
    TForm4* dialog() const { return form->Form4; }

    void clickRow(int row)
    {
        const QRect r = page()->ListView3->visualItemRect(page()->ListView3->topLevelItem(row));
        QTest::mouseClick(page()->ListView3->viewport(), Qt::LeftButton, {}, r.center());
    }

    // Plays the user in the shown dialog; a dialog still open afterwards is cancelled.
    void whileShown(std::function<void(TForm4*)> user)
    {
        ui.onModal = [user](QDialog* shown) {
            auto* entry = qobject_cast<TForm4*>(shown);
            EXPECT_NE(entry, nullptr);
            if (!entry)
                return int(QDialog::Rejected);
            entry->show();
            user(entry);
            if (entry->isVisible())
                QTest::mouseClick(entry->SpeedButton2, Qt::LeftButton);
            return entry->result();
        };
    }

    static void apply(TForm4* entry) { QTest::mouseClick(entry->SpeedButton1, Qt::LeftButton); }

    const Rows initial { { "F1", "observer" }, { "F2", "cyclecam" }, { "F3", "autocam" },
        { "F4", "teamhelp" } };
};

TEST_F(BindsBehaviour, AddUnchangedShowsTheMessageAndKeepsTheDialogOpen)
{
    bool stayedOpen = false;
    whileShown([&](TForm4* entry) {
        EXPECT_EQ(entry->ComboBox1->currentText(), QStringLiteral("F1"));
        EXPECT_EQ(entry->edit1->currentText(), QString());
        EXPECT_EQ(entry->SpeedButton1->text(), QStringLiteral("Add to List"));
        apply(entry);
        stayedOpen = entry->isVisible();
    });
    QTest::mouseClick(page()->SpeedButton17, Qt::LeftButton);
    EXPECT_EQ(ui.modalDialogs, (QList<QDialog*> { dialog() }));
    EXPECT_EQ(ui.messages, QStringList { kNotFilledIn });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(page()->bindRows(), initial) << "cancelled afterwards: nothing added";
}

TEST_F(BindsBehaviour, AddAppendsTheTypedKeyAndCommand)
{
    whileShown([&](TForm4* entry) {
        retype(entry->ComboBox1, QStringLiteral("F2"));
        retype(entry->edit1, QStringLiteral("cyclecam"));
        apply(entry);
    });
    QTest::mouseClick(page()->SpeedButton17, Qt::LeftButton);
    Rows expected = initial;
    expected.append(tk::BindRow { "F2", "cyclecam" });
    ASSERT_EQ(page()->bindRows(), expected) << "duplicate keys are allowed";
    const QTreeWidgetItem* added = page()->ListView3->topLevelItem(4);
    EXPECT_EQ(added->text(0), QStringLiteral("BIND"));
    EXPECT_EQ(added->text(1), QStringLiteral("F2"));
    EXPECT_EQ(added->text(2), QStringLiteral("cyclecam"));

    // Texts are taken as typed, and a second Add starts from F1 and an empty command.
    whileShown([&](TForm4* entry) {
        EXPECT_EQ(entry->ComboBox1->currentText(), QStringLiteral("F1"));
        EXPECT_EQ(entry->edit1->currentText(), QString());
        QTest::keyClick(entry->ComboBox1->lineEdit(), Qt::Key_Space);
        QTest::keyClicks(entry->edit1->lineEdit(), QStringLiteral("say \"gg\""));
        apply(entry);
    });
    QTest::mouseClick(page()->SpeedButton17, Qt::LeftButton);
    EXPECT_EQ(page()->bindRows().last(), (tk::BindRow { "F1 ", "say \"gg\"" }));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(BindsBehaviour, EditChangesOnlyTheSelectedRowInPlace)
{
    clickRow(2);
    whileShown([&](TForm4* entry) {
        EXPECT_EQ(entry->ComboBox1->currentText(), QStringLiteral("F3"));
        EXPECT_EQ(entry->edit1->currentText(), QStringLiteral("autocam"));
        EXPECT_EQ(entry->SpeedButton1->text(), QStringLiteral("Make Changes"));
        EXPECT_EQ(entry->target(), std::optional<int>(2));
        retype(entry->edit1, QStringLiteral("quit"));
        apply(entry);
    });
    QTest::mouseClick(page()->SpeedButton19, Qt::LeftButton);
    Rows expected = initial;
    expected[2].command = QStringLiteral("quit");
    EXPECT_EQ(page()->bindRows(), expected);
    EXPECT_EQ(page()->selectedBindRow(), 2);

    // Emptying a field is refused; cancelling keeps the row.
    whileShown([&](TForm4* entry) {
        retype(entry->ComboBox1, QString());
        apply(entry);
    });
    QTest::mouseClick(page()->SpeedButton19, Qt::LeftButton);
    EXPECT_EQ(ui.messages, QStringList { kNotFilledIn });
    whileShown([&](TForm4* entry) { retype(entry->ComboBox1, QStringLiteral("KP_5")); });
    QTest::mouseClick(page()->SpeedButton19, Qt::LeftButton);
    EXPECT_EQ(page()->bindRows(), expected);

    // The first row is index 0.
    clickRow(0);
    whileShown([&](TForm4* entry) {
        retype(entry->ComboBox1, QStringLiteral("a"));
        apply(entry);
    });
    QTest::mouseClick(page()->SpeedButton19, Qt::LeftButton);
    expected[0].key = QStringLiteral("a");
    EXPECT_EQ(page()->bindRows(), expected);
}

TEST_F(BindsBehaviour, EditWithNothingSelectedDoesNothing)
{
    whileShown([](TForm4* entry) { apply(entry); });
    QTest::mouseClick(page()->SpeedButton19, Qt::LeftButton);
    EXPECT_TRUE(ui.modalDialogs.isEmpty());
    EXPECT_EQ(page()->bindRows(), initial);

    // After a deletion nothing stays selected either.
    clickRow(1);
    QTest::mouseClick(page()->SpeedButton20, Qt::LeftButton);
    QTest::mouseClick(page()->SpeedButton19, Qt::LeftButton);
    EXPECT_TRUE(ui.modalDialogs.isEmpty());
}

TEST_F(BindsBehaviour, UncheckedBindsLockTheButtonsButNotTheList)
{
    clickIndicator(page()->CheckBox29);
    for (QPushButton* b :
        { page()->SpeedButton17, page()->SpeedButton19, page()->SpeedButton20, page()->SpeedButton21 }) {
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
    }
    clickRow(3);
    EXPECT_EQ(page()->selectedBindRow(), 3);
    EXPECT_TRUE(ui.modalDialogs.isEmpty());
    EXPECT_EQ(page()->bindRows(), initial);

    clickIndicator(page()->CheckBox29);
    QTest::mouseClick(page()->SpeedButton21, Qt::LeftButton);
    EXPECT_TRUE(page()->bindRows().isEmpty());
    EXPECT_TRUE(ui.messages.isEmpty());
}

} // namespace
