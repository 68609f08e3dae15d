// The rounded window region, row by row, and the region of a polygon seen through a window.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <random>
#include <vector>

#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/FastPaths.h"
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

namespace {

QRegion QtPolygonRegion(const std::vector<TPoint>& points, const QRect& window)
{
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << p.ToQPoint();
    return QRegion(polygon, Qt::OddEvenFill) & window;
}

} // namespace

TEST(PolygonRegion, RowsInsideTheWindowAreQtsOwnPixels)
{
    // A triangle worked out by hand: the slanted edge from (10, 0) crosses row y at 10 - y,
    // the span of a row ends before it, and the lowest row (10) is left out.
    const QRect window(-100, -100, 300, 300);
    const std::vector<TPoint> triangle = {{0, 0}, {10, 0}, {0, 10}};
    const QRegion t = PolygonRegion(triangle.data(), 3, window);
    EXPECT_TRUE(t.contains(QPoint(9, 0)));
    EXPECT_FALSE(t.contains(QPoint(10, 0)));
    EXPECT_TRUE(t.contains(QPoint(0, 9)));
    EXPECT_FALSE(t.contains(QPoint(1, 9)));
    EXPECT_FALSE(t.contains(QPoint(0, 10)));
    // Too tall for Qt to scan (it would gather 4e9 rows): the slanted edge from (0, -2e9) to
    // (100, 2e9) crosses row y at ceil((y + 2e9) / 4e7): 50 on row 0, 51 below.
    const std::vector<TPoint> tall = {{0, -2000000000}, {100, 2000000000}, {0, 2000000000}};
    EXPECT_EQ(PolygonRegion(tall.data(), 3, QRect(0, 0, 100, 30)), QRegion(0, 0, 50, 1) + QRegion(0, 1, 51, 29));

    struct Case {
        const char* what;
        std::vector<TPoint> points;
        QRect window;
    };
    const Case cases[] = {
        {"triangle", triangle, window},
        {"rectangle", {{5, 5}, {40, 5}, {40, 30}, {5, 30}}, window},
        {"crossed bow tie", {{0, 0}, {50, 40}, {50, 0}, {0, 40}}, window},
        {"star, odd-even hole", {{50, 0}, {80, 90}, {5, 35}, {95, 35}, {20, 90}}, window},
        {"repeated and in-line points", {{0, 0}, {0, 0}, {20, 10}, {40, 20}, {40, 20}, {0, 30}}, window},
        {"window through the middle", {{-30, -20}, {70, 5}, {20, 90}}, QRect(0, 0, 25, 40)},
        {"window outside", {{0, 0}, {10, 0}, {0, 10}}, QRect(50, 50, 10, 10)},
        {"a 3D box reaching far past the device",
         {{60, 400}, {60, 100}, {9000, -15000}, {9500, -15000}, {9500, -14700}, {600, 400}},
         QRect(-1, -1, 802, 502)},
        {"beyond 2^29", {{0, 0}, {600000000, 10}, {0, 20}}, QRect(0, 0, 100, 30)},
        {"two points", {{0, 0}, {10, 10}}, window},
        {"a corner at the least coordinate", {{INT32_MIN, 0}, {100, 10}, {0, 20}}, QRect(0, 0, 100, 30)},
    };
    for (const Case& c : cases) {
        const QRegion ours = PolygonRegion(c.points.data(), static_cast<int>(c.points.size()), c.window);
        EXPECT_TRUE((ours ^ QtPolygonRegion(c.points, c.window)).isEmpty()) << c.what;
    }

    // Random polygons, crossed ones included, under random windows.
    std::mt19937 rng(7);
    for (int t = 0; t < 300; ++t) {
        const int n = 3 + static_cast<int>(rng() % 6);
        const int range = t % 2 == 0 ? 40 : 700;
        std::vector<TPoint> p(static_cast<size_t>(n));
        for (TPoint& q : p)
            q = TPoint(static_cast<int>(rng() % (2 * range)) - range, static_cast<int>(rng() % (2 * range)) - range);
        const QRect w(static_cast<int>(rng() % 100) - 50, static_cast<int>(rng() % 100) - 50,
                      1 + static_cast<int>(rng() % 500), 1 + static_cast<int>(rng() % 400));
        EXPECT_TRUE((PolygonRegion(p.data(), n, w) ^ QtPolygonRegion(p, w)).isEmpty()) << t;
    }
}

namespace {

// Through the device context the region is cut to what the device shows, shifted or not:
// the clipped fill must cover the same pixels as a clip by Qt's whole region, which the
// device context takes with the fast paths off.
void ClipFillsAlikeOnAndOff(const std::vector<TPoint>& box)
{
    const auto fill = [&](QPointF shift, bool ours) {
        const TeeFastPaths::TScope fastPaths(ours);
        QImage image(80, 50, QImage::Format_RGB32);
        image.fill(Qt::white);
        TDeviceContext dc;
        dc.Begin(&image);
        dc.Painter()->translate(shift);
        const uint64_t rowClips = TeeFastPaths::TimesTaken(TFastPath::RowClip);
        dc.IntersectClipRegion(dc.PolygonRegion(box.data(), static_cast<int>(box.size())));
        EXPECT_EQ(TeeFastPaths::TimesTaken(TFastPath::RowClip) - rowClips, ours ? 1u : 0u);
        dc.FillRect(TRect(-100, -100, 200, 200), QBrush(Qt::blue));
        dc.End();
        return image;
    };
    for (const QPointF shift : {QPointF(0, 0), QPointF(-7, 12), QPointF(2.5, -1.5)}) {
        const QImage ours = fill(shift, true);
        EXPECT_EQ(ours, fill(shift, false)) << shift.x() << "," << shift.y();
        EXPECT_NE(ours.pixel(20, 30), QColor(Qt::white).rgb()) << shift.x() << "," << shift.y();
    }
}

} // namespace

TEST(PolygonRegion, ADeviceClipFillsThePixelsOfQtsWholePolygon)
{
    // A box of a 3D chart, and one reaching 2e9 up and down, too tall for Qt to scan: with the
    // fast paths off it is worked out for the device's rows all the same.
    for (const std::vector<TPoint>& box : {std::vector<TPoint>{{3, 60}, {3, 10}, {900, -1500}, {960, -1500},
                                                               {960, -1440}, {55, 60}},
                                           std::vector<TPoint>{{3, -2000000000}, {70, 2000000000}, {3, 2000000000}}})
        ClipFillsAlikeOnAndOff(box);
}
