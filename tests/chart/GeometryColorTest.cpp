#include <gtest/gtest.h>

#include <QImage>

#include "chart/core/TeeColorFunctions.h"
#include "chart/core/TeeGeometry.h"
#include "platform/graphics/SystemColors.h"

namespace {

TEST(Geometry, PointInRectExcludesRightAndBottomEdges)
{
    const TRect r(10, 20, 30, 40);
    EXPECT_TRUE(PointInRect(r, 10, 20));
    EXPECT_TRUE(PointInRect(r, 29, 39));
    EXPECT_FALSE(PointInRect(r, 30, 25));
    EXPECT_FALSE(PointInRect(r, 15, 40));
    EXPECT_FALSE(PointInRect(r, 9, 25));
    EXPECT_FALSE(PointInRect(r, 15, 19));
}

TEST(Geometry, RectanglesFromPointsAndOrientation)
{
    const TPoint single[] = {TPoint(3, 4)};
    EXPECT_EQ(RectFromPolygon(single), TRect(3, 4, 4, 5));
    const TPoint quad[] = {TPoint(5, -2), TPoint(-7, 9), TPoint(0, 0), TPoint(4, 12)};
    EXPECT_EQ(RectFromPolygon(quad), TRect(-7, -2, 6, 13));
    EXPECT_EQ(RectFromPolygon(quad, 2), TRect(-7, -2, 6, 10));
    EXPECT_EQ(RectFromPolygon(std::span<const TPoint>()), TRect());

    EXPECT_EQ(OrientRectangle(TRect(30, 40, 10, 20)), TRect(10, 20, 30, 40));
    EXPECT_EQ(OrientRectangle(TRect(10, 40, 30, 20)), TRect(10, 20, 30, 40));

    int32_t w = 0, h = 0, x = 0, y = 0;
    RectSize(TRect(10, 20, 5, 50), w, h);
    EXPECT_EQ(w, -5);
    EXPECT_EQ(h, 30);
    RectCenter(TRect(-5, -5, 0, 2), x, y); // -5/2 and -3/2 truncate toward zero
    EXPECT_EQ(x, -2);
    EXPECT_EQ(y, -1);
}

TEST(Geometry, CullIsTheSignOfTheTurn)
{
    EXPECT_TRUE(TeeCull(TPoint(0, 0), TPoint(10, 0), TPoint(10, 10)) != TeeCull(TPoint(10, 10), TPoint(10, 0), TPoint(0, 0)));
    // (a-b).x*(c-b).y - (c-b).x*(a-b).y = (-10)(10) - 0 = -100 < 0
    EXPECT_TRUE(TeeCull(TPoint(0, 0), TPoint(10, 0), TPoint(10, 10)));
    EXPECT_FALSE(TeeCull(TPoint(0, 0), TPoint(5, 5), TPoint(10, 10))); // collinear: 0 is not culled
    const TPoint pts[] = {TPoint(0, 0), TPoint(10, 0), TPoint(10, 10), TPoint(99, 99)};
    EXPECT_TRUE(TeeCull(pts));
}

TEST(Geometry, PointAtDistanceStepsBackTowardTheStart)
{
    EXPECT_EQ(PointAtDistance(TPoint(0, 0), TPoint(0, 10), 4), TPoint(0, 6));
    EXPECT_EQ(PointAtDistance(TPoint(0, 10), TPoint(0, 0), 4), TPoint(0, 4));
    EXPECT_EQ(PointAtDistance(TPoint(0, 0), TPoint(10, 0), 4), TPoint(6, 0));
    EXPECT_EQ(PointAtDistance(TPoint(0, 0), TPoint(30, 40), 5), TPoint(27, 36));
    EXPECT_DOUBLE_EQ(TeeDistance(3, 4), 5.0);
}

TEST(Geometry, ExtendedRoundingHalvesToEvenAndSaturates)
{
    EXPECT_EQ(RoundExtended(0.5L), 0);
    EXPECT_EQ(RoundExtended(1.5L), 2);
    EXPECT_EQ(RoundExtended(-0.5L), 0);
    EXPECT_EQ(RoundExtended(-2.5L), -2);
    EXPECT_EQ(RoundExtended(1e30L), INT32_MAX);
    EXPECT_EQ(RoundExtended(-1e30L), INT32_MIN);
}

TEST(ColorFunctions, DarkAndBrightClampEachChannel)
{
    EXPECT_EQ(ApplyDark(clWhite, 64), RGB(191, 191, 191));
    EXPECT_EQ(ApplyDark(RGB(200, 64, 10), 64), RGB(136, 0, 0)); // 64 is not above 64
    EXPECT_EQ(ApplyBright(RGB(250, 10, 0), 10), RGB(255, 20, 10));
    EXPECT_EQ(ApplyBright(clBlack, 255), clWhite);
    // System colours are resolved before the arithmetic.
    EXPECT_EQ(ApplyDark(clBtnFace, 0), ColorToRGB(clBtnFace));
}

TEST(ColorFunctions, RGBValueKeepsPixelOrderAndRawBytes)
{
    const TRGBValue v = RGBValue(RGB(1, 2, 3));
    EXPECT_EQ(v.Red, 1);
    EXPECT_EQ(v.Green, 2);
    EXPECT_EQ(v.Blue, 3);
    EXPECT_EQ(RGBValue(clBtnFace).Red, 15); // index byte, not resolved
}

TEST(ColorFunctions, GrayScaleWeightedPlainAndInverted)
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(10, 20, 200));
    image.setPixel(1, 0, qRgb(255, 0, 0));
    QImage weighted = image;
    TeeGrayScale(weighted, false, true);
    EXPECT_EQ(qRed(weighted.pixel(0, 0)), 37); // 3 + 11.8 + 22 = 36.8
    EXPECT_EQ(qGreen(weighted.pixel(1, 0)), 76); // 0.3 x 255
    EXPECT_EQ(weighted.format(), QImage::Format_RGB32);
    QImage plain = image;
    TeeGrayScale(plain, true, false);
    EXPECT_EQ(qBlue(plain.pixel(0, 0)), 255 - 76); // 230 div 3
    EXPECT_EQ(qBlue(plain.pixel(1, 0)), 255 - 85);
}

} // namespace
