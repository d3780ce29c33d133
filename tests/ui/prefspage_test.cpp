#include "app/ui/colorswatch.h"
#include "app/ui/prefspage.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QColor centreColour(QWidget* w)
{
    const QImage shot = w->grab().toImage();
    return shot.pixelColor(shot.rect().center());
}

TEST(PrefsPage, DefaultsOfANewWindow)
{
    PrefsPage page;
    EXPECT_TRUE(page.CheckBox24->isChecked()) << "leave open when running";
    EXPECT_FALSE(page.CheckBox26->isChecked()) << "save on close";
    EXPECT_TRUE(page.CheckBox25->isChecked()) << "light-up captions";
    EXPECT_EQ(page.colortest->color(), QColor(Qt::red));
}

TEST(PrefsPage, SwatchShowsItsColourAndReportsClicks)
{
    PrefsPage page;
    page.resize(584, 355);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    ColorSwatch* swatch = page.colortest;
    EXPECT_EQ(centreColour(swatch), QColor(Qt::red));

    swatch->setColor(QColor(0, 128, 255));
    EXPECT_EQ(swatch->color(), QColor(0, 128, 255));
    EXPECT_EQ(centreColour(swatch), QColor(0, 128, 255));

    QSignalSpy clicks(swatch, &ColorSwatch::clicked);
    QTest::mouseClick(swatch, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(swatch, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1) << "only the left button asks for a colour";
    // A press that is released away from the swatch is no click.
    QTest::mousePress(swatch, Qt::LeftButton);
    QTest::mouseRelease(swatch, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(swatch->color(), QColor(0, 128, 255)) << "the colour dialog is not part of the swatch";
}

} // namespace
