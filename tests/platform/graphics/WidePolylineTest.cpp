// A long wide polyline with round ends is drawn by the device context as separate segments:
// the pixels must stay those of Qt's own polyline through every point.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/FastPaths.h"

namespace {

QPen RoundPen(int width, QColor colour = QColor(200, 0, 0))
{
    return QPen(QBrush(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage ByQt(const std::vector<TPoint>& points, const QPen& pen)
{
    QImage image(160, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(pen);
    std::vector<QPoint> q;
    for (const TPoint& p : points)
        q.push_back(p.ToQPoint());
    painter.drawPolyline(q.data(), static_cast<int>(q.size()));
    return image;
}

QImage ByDevice(const std::vector<TPoint>& points, const QPen& pen, TRop2 rop = R2_COPYPEN)
{
    QImage image(160, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    TDeviceContext dc;
    dc.Begin(&image);
    dc.SelectPen(pen);
    dc.SetRop2(rop);
    dc.Polyline(points.data(), static_cast<int>(points.size()));
    dc.End();
    return image;
}

// Zigzags in columns (as a reduced fast line draws), free slopes, and repeated points.
std::vector<TPoint> RandomPath(unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<TPoint> points;
    int x = 20 + static_cast<int>(rng() % 60), y = 20 + static_cast<int>(rng() % 60);
    const int kind = static_cast<int>(rng() % 3);
    const int count = 17 + static_cast<int>(rng() % 120);
    for (int i = 0; i < count; ++i) {
        if (kind == 0) {
            x = static_cast<int>(rng() % 150);
            y = static_cast<int>(rng() % 150);
        } else if (kind == 1) {
            if (rng() % 3 == 0)
                ++x;
            y += static_cast<int>(rng() % 21) - 10;
        } else {
            x += static_cast<int>(rng() % 5) - 2;
            y += static_cast<int>(rng() % 5) - 2;
            if (rng() % 5 == 0)
                points.push_back(TPoint(std::clamp(x, 5, 150), std::clamp(y, 5, 150)));
        }
        x = std::clamp(x, 5, 150);
        y = std::clamp(y, 5, 150);
        points.push_back(TPoint(x, y));
    }
    return points;
}

// A polyline drawn with the fast paths on and off, and whether it went in pieces.
struct TOnAndOff {
    QImage Fast, Plain;
    bool Pieces;
};

TOnAndOff OnAndOff(const std::vector<TPoint>& points, const QPen& pen)
{
    TOnAndOff result;
    const uint64_t before = TeeFastPaths::TimesTaken(TFastPath::WidePolylinePieces);
    {
        const TeeFastPaths::TScope on(true);
        result.Fast = ByDevice(points, pen);
    }
    result.Pieces = TeeFastPaths::TimesTaken(TFastPath::WidePolylinePieces) > before;
    const TeeFastPaths::TScope off(false);
    result.Plain = ByDevice(points, pen);
    return result;
}

// A zigzag across the device, then the given vertices.
std::vector<TPoint> Zigzag(std::initializer_list<TPoint> more)
{
    std::vector<TPoint> points;
    for (int i = 0; i < 16; ++i)
        points.push_back(TPoint(10 + 9 * i, i % 2 ? 30 : 130));
    points.insert(points.end(), more);
    return points;
}

} // namespace

TEST(WidePolyline, SegmentsDrawnApartKeepQtsPixels)
{
    for (int width : {2, 3, 4, 5}) {
        for (unsigned seed = 1; seed <= 150; ++seed) {
            const std::vector<TPoint> points = RandomPath(seed * 7 + static_cast<unsigned>(width));
            ASSERT_EQ(ByDevice(points, RoundPen(width)), ByQt(points, RoundPen(width))) << width << " " << seed;
        }
    }
    // A path that comes back on itself and repeats points.
    std::vector<TPoint> back;
    for (int i = 0; i < 40; ++i)
        back.push_back(TPoint(50 + (i % 3), i % 2 ? 20 : 90));
    back.push_back(back.back());
    EXPECT_EQ(ByDevice(back, RoundPen(2)), ByQt(back, RoundPen(2)));
}

TEST(WidePolyline, KeptWholeWhereApartWouldChangePixels)
{
    // At width 6 Qt's cap and join arcs differ: find a path that shows it when drawn apart.
    std::vector<TPoint> points;
    bool found = false;
    for (unsigned seed = 1; seed <= 400 && !found; ++seed) {
        points = RandomPath(seed);
        QImage apart(160, 160, QImage::Format_RGB32);
        apart.fill(Qt::white);
        QPainter painter(&apart);
        painter.setPen(RoundPen(6));
        for (size_t i = 1; i < points.size(); ++i)
            painter.drawLine(points[i - 1].ToQPoint(), points[i].ToQPoint());
        painter.end();
        found = apart != ByQt(points, RoundPen(6));
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(ByDevice(points, RoundPen(6)), ByQt(points, RoundPen(6)));
    // Exclusive or and a translucent pen would mark the shared ends twice.
    QImage xorOnce(160, 160, QImage::Format_RGB32);
    xorOnce.fill(Qt::white);
    {
        QPainter painter(&xorOnce);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(RoundPen(2));
        std::vector<QPoint> q;
        for (const TPoint& p : points)
            q.push_back(p.ToQPoint());
        painter.drawPolyline(q.data(), static_cast<int>(q.size()));
    }
    EXPECT_EQ(ByDevice(points, RoundPen(2), R2_XORPEN), xorOnce);
    const QPen glass = RoundPen(3, QColor(0, 0, 255, 100));
    EXPECT_EQ(ByDevice(points, glass), ByQt(points, glass));
}

TEST(WidePolyline, FarVerticesDrawWhatTheWholeStrokeDraws)
{
    // Qt strokes a segment longer than about 2^15 pixels a little differently whole and apart:
    // the first line by 1734 pixels, the second by one. A polyline reaching no further than
    // 2^14 pixels each way still goes in pieces.
    const struct {
        int width;
        std::vector<TPoint> points;
        bool pieces;
    } cases[] = {
        {4,
         {{77, 146}, {25, 116}, {69, -776579}, {41, 118}, {115, 0}, {145, 2}, {37, 61}, {146, 34}, {120, 39},
          {99, 137}, {79, 49}, {53, 106}, {57, 53}, {63, 1}, {202576, 1}, {2, 21}, {6, -1360035}, {146, 44},
          {-1427122462, 115}, {154, 101}},
         false},
        {3,
         {{121, 134}, {33, 149}, {109, 5}, {146, -2082947149}, {29, 76}, {56, 149}, {42, 69}, {146, 150}, {8, 2},
          {30, 100}, {14, 130}, {136, 154}, {73, 154}, {123, 58}, {56, 116}, {16, 109}, {61, 104}, {0, 36}},
         false},
        {3, Zigzag({{10 + 16384, 80}}), true},
        {3, Zigzag({{10 + 16385, 80}}), false},
        {2, Zigzag({{80, 130 - 16384}}), true},
        {2, Zigzag({{80, 130 - 16385}}), false},
    };
    for (const auto& c : cases) {
        const TOnAndOff drawn = OnAndOff(c.points, RoundPen(c.width));
        EXPECT_TRUE(drawn.Fast == drawn.Plain) << c.points.size();
        EXPECT_EQ(drawn.Pieces, c.pieces) << c.points.size();
    }
    // Random lines of widths 2 to 5, a quarter of whose vertices lie 2^14 to 2^31 pixels off
    // in any direction.
    std::mt19937 rng(31);
    for (int line = 0; line < 3000; ++line) {
        const int width = 2 + static_cast<int>(rng() % 4);
        const int count = 17 + static_cast<int>(rng() % 20);
        std::vector<TPoint> points;
        for (int i = 0; i < count; ++i) {
            TPoint p(static_cast<int32_t>(rng() % 160), static_cast<int32_t>(rng() % 160));
            if (rng() % 4 == 0) {
                const double far = std::min(std::exp2(14 + 17 * (rng() / 4294967296.0)), 2147483647.0);
                const int32_t at = static_cast<int32_t>(far);
                switch (rng() % 4) {
                case 0: p.X = at; break;
                case 1: p.X = -at; break;
                case 2: p.Y = at; break;
                default: p.Y = -at; break;
                }
            }
            points.push_back(p);
        }
        const TOnAndOff drawn = OnAndOff(points, RoundPen(width));
        ASSERT_TRUE(drawn.Fast == drawn.Plain) << line;
    }
}
