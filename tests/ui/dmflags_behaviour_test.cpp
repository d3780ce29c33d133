// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/tform1.h"
#include "launch/ui/dmflagspage.h"
#include "profile/ui/gamepage.h"
#include "support/mainwindow.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "ui/pagetesting.h"
#include "widgets/spinedit.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DmFlagsBehaviour : public MainWindowTest {
protected:
    DmFlagsPage* page = nullptr;

    void SetUp() override
    {
        openWindow(Shown::Yes, false);
        form->PageControl1->setCurrentWidget(form->dmFlagsPage);
        page = form->dmFlagsPage;
    }

    // The captions of the checked boxes, in box order.
    QStringList checked() const
    {
        QStringList names;
        for (QCheckBox* box : page->flagBoxes()) {
            if (box->isChecked())
                names.append(box->text());
        }
        return names;
    }
    void typeTotalAndSet(const QString& text)
    {
        page->dmflags->setText(text);
        QTest::mouseClick(page->SpeedButton13, Qt::LeftButton);
    }
};

TEST_F(DmFlagsBehaviour, ClickingABoxWritesTheBoxSum)
{
    pagetest::clickIndicator(page->CheckBox1);
    EXPECT_EQ(page->dmflags->text(), "280085");
    pagetest::clickIndicator(page->CheckBox18);
    EXPECT_EQ(page->dmflags->text(), "17941");
}

TEST_F(DmFlagsBehaviour, SetDecodesTheTypedTotal)
{
    struct Case {
        const char* typed;
        QStringList boxes;
        const char* text;
    };
    const QStringList all { "No Health", "No Items", "Weapons Stay", "No Falling Dmg", "Instant Items",
        "Stay on same Lvl", "Teams by Skin", "Teams by Model", "No Friendly Fire", "Spawn Farthest",
        "Force Respawn", "No Armour", "Allow Exit", "Infinite Ammo", "Quad Drop", "Fixed F.o.V." };
    const Case cases[] = {
        { "1040", { "Instant Items", "Force Respawn" }, "1040" },
        // 65536 has no box: it reads as all the lower flags.
        { "65536", all, "65535" },
        { "1048576", all + QStringList { "Force Join", "Armour Protect", "No Tech Powerups" }, "983039" },
        { "-5", {}, "0" },
        { "0", {}, "0" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        typeTotalAndSet(QString::fromLatin1(c.typed));
        EXPECT_EQ(checked(), c.boxes);
        EXPECT_EQ(page->dmflags->text(), QString::fromLatin1(c.text));
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(DmFlagsBehaviour, SetLeavesTheTextWhenNoBoxChanges)
{
    // The default boxes already make 280084; "+280084" decodes to them and stays as typed.
    typeTotalAndSet(QStringLiteral("+280084"));
    EXPECT_EQ(page->dmflags->text(), "+280084");
}

TEST_F(DmFlagsBehaviour, SetRefusesWhatIsNotAnIntegerAndIgnoresHugeNumbers)
{
    const QStringList before = checked();
    for (const char* bad : { "", "12a", "2147483648", " 5" }) {
        typeTotalAndSet(QString::fromLatin1(bad));
        EXPECT_EQ(ui.messages.last(), QStringLiteral("'%1' is not a valid integer value").arg(bad));
        EXPECT_EQ(checked(), before);
        EXPECT_EQ(page->dmflags->text(), QString::fromLatin1(bad));
    }
    ui.messages.clear();
    typeTotalAndSet(QStringLiteral("9999999"));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(checked(), before);
    EXPECT_EQ(page->dmflags->text(), "9999999");
    typeTotalAndSet(QStringLiteral("9999998"));
    EXPECT_NE(checked(), before);
}

TEST_F(DmFlagsBehaviour, OnlyDigitsCanBeTyped)
{
    page->dmflags->clear();
    page->dmflags->setFocus();
    QTest::keyClicks(page->dmflags, QStringLiteral("12a-3 .4"));
    EXPECT_EQ(page->dmflags->text(), "1234");
    // Backspace types a character and is refused; Delete erases.
    QTest::keyClick(page->dmflags, Qt::Key_Backspace);
    EXPECT_EQ(page->dmflags->text(), "1234");
    QTest::keyClick(page->dmflags, Qt::Key_Home);
    QTest::keyClick(page->dmflags, Qt::Key_Delete);
    EXPECT_EQ(page->dmflags->text(), "234");
}

TEST_F(DmFlagsBehaviour, PresetsSetFlagsAndLimitsAndSwitchOffServerOptions)
{
    form->gamePage->dedicated->setChecked(true);
    form->gamePage->cheats->setChecked(true);
    page->capturelimit->setValue(0);
    QTest::mouseClick(page->RxSpeedButton1, Qt::LeftButton);
    EXPECT_EQ(checked(), (QStringList { "Instant Items", "Force Respawn" }));
    EXPECT_EQ(page->dmflags->text(), "1040");
    EXPECT_EQ(form->gamePage->fraglimit->value(), 10);
    EXPECT_EQ(form->gamePage->timelimit->value(), 10);
    EXPECT_EQ(form->gamePage->maxclients->value(), 16);
    EXPECT_EQ(page->capturelimit->value(), 8);
    EXPECT_FALSE(form->gamePage->dedicated->isChecked());
    EXPECT_FALSE(form->gamePage->cheats->isChecked());

    // A second press changes no box, so a total typed meanwhile stays.
    page->dmflags->setText(QStringLiteral("77"));
    QTest::mouseClick(page->RxSpeedButton1, Qt::LeftButton);
    EXPECT_EQ(page->dmflags->text(), "77");

    QTest::mouseClick(page->RxSpeedButton6, Qt::LeftButton);
    EXPECT_EQ(checked(),
        (QStringList { "Instant Items", "Teams by Model", "Spawn Farthest", "Force Respawn", "Quad Drop" }));
    EXPECT_EQ(page->dmflags->text(), "18064");
    EXPECT_EQ(form->gamePage->fraglimit->value(), 30);
    EXPECT_EQ(form->gamePage->timelimit->value(), 20);
}

TEST_F(DmFlagsBehaviour, ATypedTotalReachesTheExecFileWithoutSet)
{
    page->dmflags->setText(QStringLiteral("1234"));
    EXPECT_EQ(form->gatherExecSettings().dmflags, "1234");
    page->capturelimit->setValue(0);
    EXPECT_EQ(form->gatherExecSettings().capturelimit, 0);
}

} // namespace
