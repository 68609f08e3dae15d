// The device context tells the size of the device it draws on, in pixels and millimetres.

#include <gtest/gtest.h>

#include <QImage>

#include "platform/graphics/DeviceContext.h"

TEST(DeviceSize, UnknownWithoutADevice)
{
    TDeviceContext dc;
    EXPECT_EQ(dc.PixelSize(), QSize(0, 0));
    EXPECT_EQ(dc.PhysicalSize().width(), 0);
    EXPECT_EQ(dc.PhysicalSize().height(), 0);
}

TEST(DeviceSize, AnImageGivesItsExactMillimetres)
{
    // 4,000 dots per metre across and 2,500 down: 0.25 mm and 0.4 mm per pixel.
    QImage image(300, 200, QImage::Format_RGB32);
    image.setDotsPerMeterX(4000);
    image.setDotsPerMeterY(2500);
    TDeviceContext dc;
    ASSERT_TRUE(dc.Begin(&image));
    EXPECT_EQ(dc.PixelSize(), QSize(300, 200));
    EXPECT_DOUBLE_EQ(dc.PhysicalSize().width(), 75.0);
    EXPECT_DOUBLE_EQ(dc.PhysicalSize().height(), 80.0);
    dc.End();

    // Equal resolutions whose whole millimetres would round differently (600 px at 3,780 dots
    // per metre is 158.73 mm, 500 px 132.28 mm) keep the pixel proportion exactly.
    QImage square(600, 500, QImage::Format_RGB32);
    square.setDotsPerMeterX(3780);
    square.setDotsPerMeterY(3780);
    ASSERT_TRUE(dc.Begin(&square));
    const QSizeF mm = dc.PhysicalSize();
    EXPECT_DOUBLE_EQ((600.0 / 500.0) / (mm.width() / mm.height()), 1.0);
    dc.End();
    EXPECT_EQ(dc.PixelSize(), QSize(0, 0));
}
