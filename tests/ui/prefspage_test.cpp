// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/prefspage.h"
#include "support/scriptedinteraction.h"
#include "widgets/colorswatch.h"

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

TEST(PrefsPage, SwatchShowsItsColourAndReportsClicks)
{
    const tk::InstallPaths paths = tk::InstallPaths::fromLauncherDir(QStringLiteral("/tmp/quake2/TARRAKIND"));
    ScriptedInteraction ui; // every colour dialog is cancelled
    PrefsPage page;
    page.attach(paths, ui);
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
    EXPECT_EQ(ui.colorsOffered.size(), 1) << "one click, one colour dialog";
    EXPECT_EQ(swatch->color(), QColor(0, 128, 255)) << "a cancelled dialog changes nothing";
}

TEST(ColorSwatch, ColourValuesOfTheProfile)
{
    // blue * 65536 + green * 256 + red; 255 is pure red.
    const struct {
        QColor colour;
        int value;
    } cases[] = {
        { QColor(255, 0, 0), 255 },
        { QColor(0, 255, 0), 65280 },
        { QColor(0, 0, 255), 16711680 },
        { QColor(1, 2, 3), 3 * 65536 + 2 * 256 + 1 },
        { QColor(255, 255, 255), 16777215 },
        { QColor(0, 0, 0), 0 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorSwatch::toColorRef(c.colour), c.value) << c.value;
        EXPECT_EQ(ColorSwatch::fromColorRef(c.value), c.colour) << c.value;
    }
    // A colour given in another model is stored by its red, green and blue.
    EXPECT_EQ(ColorSwatch::toColorRef(QColor::fromHsv(240, 255, 255)), 16711680);
    // Values beyond 24 bits (a profile may hold anything) still give a colour.
    EXPECT_EQ(ColorSwatch::fromColorRef(0x7F0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorSwatch::fromColorRef(-1), QColor(255, 255, 255));
    EXPECT_EQ(ColorSwatch::fromColorRef(int(0x80000005)), QColor(5, 0, 0));
}

} // namespace
