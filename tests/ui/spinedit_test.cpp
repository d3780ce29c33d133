// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/printers.h"
#include "widgets/spinedit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Field {
    SpinEdit* spin;
    QLineEdit* other; // somewhere for the focus to go
    QWidget window;
    Field(int min, int max, int step, int maxLength)
    {
        spin = new SpinEdit(&window);
        spin->setRange(min, max);
        spin->setIncrement(step);
        if (maxLength)
            spin->setMaxLength(maxLength);
        other = new QLineEdit(&window);
        other->move(0, 40);
        window.show();
        QApplication::setActiveWindow(&window);
        spin->setFocus();
    }
    QString text() const { return spin->findChild<QLineEdit*>()->text(); }
    void type(const char* keys)
    {
        spin->findChild<QLineEdit*>()->clear();
        QTest::keyClicks(spin, QString::fromLatin1(keys));
    }
};

TEST(SpinEdit, ClampsWhenItHasARange)
{
    Field f(1, 999, 10, 3);
    f.spin->setValue(5000);
    EXPECT_EQ(f.text(), "999");
    f.spin->setValue(0);
    EXPECT_EQ(f.text(), "1");
    // Three characters at most: a typed 1500 stops at 150.
    f.type("1500");
    EXPECT_EQ(f.text(), "150");
}

TEST(SpinEdit, ClampsTheTextWhenTheUserLeaves)
{
    Field f(0, 999, 10, 0);
    f.type("1500");
    EXPECT_EQ(f.text(), "1500");
    f.other->setFocus();
    EXPECT_EQ(f.text(), "999");
    // Text that is not an integer reads as the minimum, and leaving shows it.
    f.spin->setFocus();
    f.type("-");
    EXPECT_EQ(f.spin->value(), 0);
    f.other->setFocus();
    EXPECT_EQ(f.text(), "0");
}

TEST(SpinEdit, HasNoRangeWhenMinimumEqualsMaximum)
{
    Field f(0, 0, 5, 0);
    f.spin->setValue(5000);
    EXPECT_EQ(f.text(), "5000");
    f.spin->setValue(-7);
    f.other->setFocus();
    EXPECT_EQ(f.text(), "-7");
    f.type("12x3");
    EXPECT_EQ(f.text(), "123"); // letters are refused
    f.type("1.5");
    EXPECT_EQ(f.spin->value(), 0); // not an integer: the minimum
}

TEST(SpinEdit, StepsByItsIncrementAndStopsAtTheBounds)
{
    Field f(1, 999, 10, 3);
    f.spin->setValue(150);
    QTest::keyClick(f.spin, Qt::Key_Up);
    EXPECT_EQ(f.text(), "160");
    QTest::keyClick(f.spin, Qt::Key_Down);
    QTest::keyClick(f.spin, Qt::Key_Down);
    EXPECT_EQ(f.text(), "140");
    f.spin->setValue(995);
    QTest::keyClick(f.spin, Qt::Key_Up);
    EXPECT_EQ(f.text(), "999");
}

} // namespace
