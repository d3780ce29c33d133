// SPDX-License-Identifier: GPL-2.0-or-later
#include "imaging/ui/imageview.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// An image is fitted whole inside the view, keeping its proportions, centred; the
// bands beside it stay black.
TEST(ImageView, FitsTheImageInsideKeepingItsAspectRatio)
{
    const struct {
        QSize image;
        QRect expected; // where the image lands in a 320 x 200 view
    } cases[] = {
        { QSize(320, 200), QRect(0, 0, 320, 200) },
        { QSize(256, 256), QRect(60, 0, 200, 200) },
        { QSize(100, 50), QRect(0, 20, 320, 160) },
        { QSize(640, 100), QRect(0, 75, 320, 50) },
        { QSize(32, 40), QRect(80, 0, 160, 200) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.image.width() << "x" << c.image.height());
        ImageView view;
        view.resize(320, 200);
        view.setImage(filled(c.image, Qt::red));
        const QImage shown = view.grab().toImage();
        ASSERT_EQ(shown.size(), QSize(320, 200));
        for (int y = 0; y < shown.height(); y += 5) {
            for (int x = 0; x < shown.width(); x += 5) {
                const QColor expected = c.expected.contains(x, y) ? QColor(Qt::red) : QColor(Qt::black);
                ASSERT_EQ(QColor(shown.pixel(x, y)), expected) << "at " << x << "," << y;
            }
        }
    }
}

TEST(ImageView, IsBlankUntilAnImageIsSetAndKeepsIt)
{
    ImageView view;
    view.resize(320, 200);
    EXPECT_TRUE(view.image().isNull());
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(160, 100)), QColor(Qt::black));

    const QImage skin = filled(QSize(296, 256), Qt::green);
    view.setImage(skin);
    EXPECT_EQ(view.image(), skin);
    view.setImage(QImage());
    EXPECT_EQ(QColor(view.grab().toImage().pixel(160, 100)), QColor(Qt::black));
}

} // namespace
