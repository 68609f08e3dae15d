// The rounded window region, row by row.
#include <gtest/gtest.h>

#include "platform/graphics/Regions.h"

TEST(RoundRectRegion, CornersFollowTheEllipseAndTheMiddleIsWhole)
{
    const QRegion r = RoundRectRegion(0, 0, 200, 100, 40, 40);
    // Row 0: the pixel centre lies 19.5 above the corner centre; the ellipse of radius 20 is
    // 4.44 wide there, so 16 pixels are cut from each side.
    EXPECT_FALSE(r.contains(QPoint(15, 0)));
    EXPECT_TRUE(r.contains(QPoint(16, 0)));
    EXPECT_TRUE(r.contains(QPoint(183, 0)));
    EXPECT_FALSE(r.contains(QPoint(184, 0)));
    EXPECT_FALSE(r.contains(QPoint(15, 99)));
    EXPECT_TRUE(r.contains(QPoint(16, 99)));
    EXPECT_TRUE(r.contains(QPoint(0, 20)));
    EXPECT_TRUE(r.contains(QPoint(199, 79)));
    EXPECT_FALSE(r.contains(QPoint(200, 50)));
    EXPECT_FALSE(r.contains(QPoint(100, 100)));
    EXPECT_EQ(r.boundingRect(), QRect(0, 0, 200, 100));
}

TEST(RoundRectRegion, NoRoundingIsTheRectangleAndNoAreaIsEmpty)
{
    EXPECT_EQ(RoundRectRegion(5, 5, 25, 15, 0, 0), QRegion(5, 5, 20, 10));
    EXPECT_TRUE(RoundRectRegion(5, 5, 5, 15, 10, 10).isEmpty());
    // A radius larger than the rectangle rounds it as far as it goes.
    const QRegion pill = RoundRectRegion(0, 0, 40, 10, 100, 100);
    EXPECT_TRUE(pill.contains(QPoint(20, 0)));
    EXPECT_FALSE(pill.contains(QPoint(0, 0)));
    EXPECT_TRUE(pill.contains(QPoint(0, 5)));
}
