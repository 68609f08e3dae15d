#include <gtest/gtest.h>

#include "chart/core/HitTests.h"

namespace {

TEST(PointInLine, HorizontalSegmentAndEndTolerance)
{
    for (int tol : {0, 1, 5}) {
        EXPECT_TRUE(PointInLine(TPoint(5, 0), 0, 0, 10, 0, tol));
        EXPECT_FALSE(PointInLine(TPoint(5, 1), 0, 0, 10, 0, tol));
    }
    EXPECT_TRUE(PointInLine(TPoint(12, 0), 0, 0, 10, 0, 2));
    EXPECT_FALSE(PointInLine(TPoint(12, 0), 0, 0, 10, 0, 1));
    EXPECT_TRUE(PointInLine(TPoint(-2, 0), 0, 0, 10, 0, 2));
    EXPECT_FALSE(PointInLine(TPoint(-3, 0), TPoint(0, 0), TPoint(10, 0), 2));
    EXPECT_TRUE(PointInLine(TPoint(10, 0), TPoint(0, 0), TPoint(10, 0)));
    EXPECT_FALSE(PointInLine(TPoint(11, 0), TPoint(10, 0), TPoint(0, 0)));
    EXPECT_TRUE(PointInLineTolerance(TPoint(11, 0), 10, 0, 0, 0, 1));
}

TEST(PointInLine, SlantedAndDegenerateSegments)
{
    EXPECT_TRUE(PointInLine(TPoint(5, 5), 0, 0, 10, 10));
    EXPECT_FALSE(PointInLine(TPoint(5, 6), 0, 0, 10, 10)); // |cross| 10 is not below 10
    EXPECT_TRUE(PointInLine(TPoint(5, 2), 0, 0, 10, 4)); // cross 4*5 - 2*10 = 0
    EXPECT_FALSE(PointInLine(TPoint(3, 3), 3, 3, 3, 3)); // a point has no length
}

TEST(PointInPolygon, EdgesOfASquareAndEmptyArray)
{
    const TPoint square[] = {TPoint(0, 0), TPoint(10, 0), TPoint(10, 10), TPoint(0, 10)};
    EXPECT_TRUE(PointInPolygon(TPoint(5, 5), square));
    EXPECT_TRUE(PointInPolygon(TPoint(5, 0), square));   // smaller-y edge: inside
    EXPECT_FALSE(PointInPolygon(TPoint(5, 10), square)); // larger-y edge: outside
    EXPECT_TRUE(PointInPolygon(TPoint(0, 5), square));
    EXPECT_FALSE(PointInPolygon(TPoint(10, 5), square));
    EXPECT_FALSE(PointInPolygon(TPoint(-1, 5), square));
    EXPECT_FALSE(PointInPolygon(TPoint(5, 5), std::span<const TPoint>()));

    // Even-odd: the middle of a self-crossing star is outside.
    const TPoint star[] = {TPoint(50, 0), TPoint(79, 90), TPoint(2, 35), TPoint(97, 35), TPoint(21, 90)};
    EXPECT_FALSE(PointInPolygon(TPoint(50, 50), star));
    EXPECT_TRUE(PointInPolygon(TPoint(50, 20), star));
}

TEST(HitShapes, TrianglesAndEllipses)
{
    EXPECT_TRUE(PointInTriangle(TPoint(10, 5), 0, 20, 10, 0)); // apex (10, 0), base y 10
    EXPECT_FALSE(PointInTriangle(TPoint(2, 2), 0, 20, 10, 0));
    EXPECT_TRUE(PointInHorizTriangle(TPoint(5, 10), 0, 20, 0, 20)); // apex (20, 10)
    EXPECT_FALSE(PointInHorizTriangle(TPoint(18, 2), 0, 20, 0, 20));

    EXPECT_TRUE(PointInEllipse(TPoint(10, 5), 0, 0, 20, 10));
    EXPECT_TRUE(PointInEllipse(TPoint(20, 5), 0, 0, 20, 10)); // on the ellipse: <= 1
    EXPECT_FALSE(PointInEllipse(TPoint(19, 9), TRect(0, 0, 20, 10)));
    EXPECT_FALSE(PointInEllipse(TPoint(0, 0), 0, 0, 1, 10)); // radius 0
}

TEST(HitShapes, RectToFourPointsRotatesAboutTheCentre)
{
    const TFourPoints same = RectToFourPoints(TRect(0, 0, 20, 10), 0);
    EXPECT_EQ(same[0], TPoint(0, 0));
    EXPECT_EQ(same[2], TPoint(20, 10));
    const TFourPoints turned = RectToFourPoints(TRect(0, 0, 20, 10), 90);
    // (-10, -5) about (10, 5): x' = round(-10 cos + -5 sin) = -5, y' = round(10 sin - 5 cos) = 10
    EXPECT_EQ(turned[0], TPoint(5, 15));
    EXPECT_EQ(turned[1], TPoint(5, -5));
    EXPECT_EQ(turned[2], TPoint(15, -5));
    EXPECT_EQ(turned[3], TPoint(15, 15));
}

TEST(HitShapes, CrossingLines)
{
    double x = 0, y = 0;
    EXPECT_TRUE(CrossingLines(0, 0, 10, 10, 0, 10, 10, 0, x, y));
    EXPECT_DOUBLE_EQ(x, 5);
    EXPECT_DOUBLE_EQ(y, 5);
    EXPECT_FALSE(CrossingLines(0, 0, 1, 1, 5, 0, 6, 3, x, y)); // lines meet beyond the segments
    EXPECT_FALSE(CrossingLines(0, 0, 10, 0, 0, 1, 10, 1, x, y)); // parallel: no division by zero
    EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
}

} // namespace
