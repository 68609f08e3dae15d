// A one-pixel line walked only inside a rectangle gives exactly the pixels of the whole walk
// that fall in it, and a polyline through a far-off point keeps every segment after it.
#include <QImage>
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/LineWalk.h"

namespace {

using Pixels = std::set<std::pair<int64_t, int64_t>>;

// The device's line rule written out step by step: Bresenham from a, leaving out b.
Pixels Reference(TPoint a, TPoint b, const TPixelBounds& r)
{
    Pixels out;
    const int64_t dx = std::llabs(static_cast<int64_t>(b.X) - a.X), dy = std::llabs(static_cast<int64_t>(b.Y) - a.Y);
    const int sx = a.X < b.X ? 1 : -1, sy = a.Y < b.Y ? 1 : -1;
    int64_t err = (dx > dy ? dx : -dy) / 2, x = a.X, y = a.Y;
    for (int64_t i = 0; i < std::max(dx, dy); ++i) {
        if (x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom)
            out.insert({x, y});
        const int64_t e2 = err;
        if (e2 > -dx) {
            err -= dy;
            x += sx;
        }
        if (e2 < dy) {
            err += dx;
            y += sy;
        }
    }
    return out;
}

Pixels Limited(TPoint a, TPoint b, const TPixelBounds& r, int64_t* walked)
{
    Pixels out;
    TLineWalk walk(a, b);
    *walked = 0;
    if (walk.LimitTo(r))
        walk.Walk([&](int32_t x, int32_t y) {
            out.insert({x, y});
            ++*walked;
        });
    return out;
}

} // namespace

TEST(LineWalk, LimitedToARectangleKeepsTheWholeWalksPixelsThere)
{
    const TPixelBounds r = {10, 20, 49, 44};
    std::mt19937 rng(3);
    for (int k = 0; k < 20000; ++k) {
        // Ends near the rectangle, on its edges, or far beyond it in any direction.
        const auto coordinate = [&](int lo, int hi) {
            const int kind = static_cast<int>(rng() % 4);
            if (kind == 0)
                return lo - 3 + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 7));
            if (kind == 1)
                return rng() % 2 ? lo : hi;
            return static_cast<int>(rng() % 4000) - 2000;
        };
        const TPoint a(coordinate(10, 49), coordinate(20, 44)), b(coordinate(10, 49), coordinate(20, 44));
        int64_t walked = 0;
        const Pixels got = Limited(a, b, r, &walked);
        ASSERT_EQ(got, Reference(a, b, r)) << a.X << "," << a.Y << " " << b.X << "," << b.Y;
        EXPECT_EQ(walked, static_cast<int64_t>(got.size()));
    }
    // A line across the whole 32-bit range walks only the rectangle's width.
    int64_t walked = 0;
    Limited(TPoint(INT32_MIN, -7), TPoint(INT32_MAX, 90), r, &walked);
    EXPECT_LE(walked, 40);
}

TEST(LineWalk, PolylineThroughAFarPointKeepsTheSegmentsAfterIt)
{
    // Up to a far value and back: eighty million pixels, more than a polyline's pixel list
    // may hold, of which a few hundred are on the image.
    const std::vector<TPoint> points = {TPoint(5, 50), TPoint(20, 60), TPoint(40, -40000000), TPoint(60, 40),
                                        TPoint(90, 70), TPoint(95, 10)};
    for (bool longLine : {false, true}) {
        QImage image(100, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        TDeviceContext dc;
        dc.Begin(&image);
        dc.SelectPen(QPen(QBrush(Qt::red), 1));
        if (longLine) {
            dc.Polyline(points.data(), static_cast<int>(points.size()));
        } else {
            dc.MoveTo(points[0].X, points[0].Y);
            for (size_t i = 1; i < points.size(); ++i)
                dc.LineTo(points[i].X, points[i].Y);
        }
        dc.End();
        const TPixelBounds all = {0, 0, 99, 79};
        Pixels want;
        for (size_t i = 1; i < points.size(); ++i)
            for (const auto& p : Reference(points[i - 1], points[i], all))
                want.insert(p);
        Pixels got;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 100; ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    got.insert({x, y});
        EXPECT_EQ(got, want) << longLine;
        EXPECT_TRUE(got.count({94, 19})) << longLine; // on the last segment
    }
}
