// Small ellipses and polygons drawn again and again are stamped from a picture of the first;
// with the fast paths off each one is drawn anew. Both must give the same pixels, whatever the
// sizes, shapes, colours, clipping and places (the device's edges too), and looks that differ
// must not share a stamp.
#include <QImage>
#include <QRegion>
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/FastPaths.h"

namespace {

struct Look {
    std::vector<TPoint> polygon; // none: an ellipse of the size
    int width, height;
    QPen pen;
    QBrush brush;
};

QImage Draw(bool fastPaths, const std::vector<Look>& looks, bool clipped, bool shifted, unsigned seed)
{
    const TeeFastPaths::TScope scope(fastPaths);
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(QColor(230, 240, 250));
    TDeviceContext dc;
    dc.Begin(&image);
    if (shifted)
        dc.Painter()->translate(-7, 5);
    if (clipped)
        dc.SelectClipRegion(QRegion(10, 8, 90, 60) + QRegion(40, 60, 30, 25));
    std::mt19937 rng(seed);
    for (int i = 0; i < 400; ++i) {
        const Look& look = looks[rng() % looks.size()];
        dc.SelectPen(look.pen);
        dc.SelectBrush(look.brush);
        const int x = static_cast<int>(rng() % 140) - 15, y = static_cast<int>(rng() % 110) - 15;
        if (look.polygon.empty()) {
            dc.Ellipse(x, y, x + look.width, y + look.height);
            continue;
        }
        std::vector<TPoint> points;
        for (const TPoint& p : look.polygon)
            points.emplace_back(p.X + x, p.Y + y);
        dc.Polygon(points.data(), static_cast<int>(points.size()));
    }
    dc.End();
    return image;
}

} // namespace

TEST(ShapeStamp, GivesThePixelsOfDrawingEachShape)
{
    const QPen black(QColor(0, 0, 0), 1), red(QColor(255, 0, 0), 0), none(Qt::NoPen);
    const QBrush yellow(QColor(255, 255, 0)), blue(QColor(0, 0, 255)), clear(Qt::NoBrush);
    // The result chart's triangle and diamond, a thin sliver, a star that crosses itself, one
    // too wide for a stamp and one with too many vertices.
    const std::vector<TPoint> triangle{{0, 8}, {8, 8}, {4, 0}}, diamond{{0, 4}, {4, 0}, {8, 4}, {4, 8}},
        sliver{{0, 0}, {13, 3}, {1, 2}}, star{{0, 3}, {10, 3}, {2, 9}, {5, 0}, {8, 9}},
        wide{{0, 0}, {70, 10}, {0, 12}}, many{{0, 0}, {3, 0}, {5, 2}, {6, 5}, {5, 8}, {3, 9}, {0, 9}, {-2, 6}, {-1, 2}};
    const struct {
        std::vector<Look> looks;
        bool clipped, shifted;
    } cases[] = {
        // The result chart's circles, and sizes around them, one look after another.
        {{{{}, 9, 9, black, yellow}}, false, false},
        {{{{}, 9, 9, black, yellow}, {{}, 9, 9, black, blue}, {{}, 9, 9, red, yellow}, {{}, 9, 9, black, clear}},
         false, false},
        {{{{}, 1, 1, black, yellow}, {{}, 2, 2, black, blue}, {{}, 3, 5, black, yellow}, {{}, 8, 3, red, blue},
          {{}, 17, 16, black, yellow}, {{}, 64, 6, black, blue}, {{}, 65, 70, red, yellow}},
         false, false},
        // Polygons of every kind, with and without fill, among ellipses.
        {{{triangle, 0, 0, black, yellow}, {diamond, 0, 0, black, blue}, {triangle, 0, 0, red, clear},
          {{}, 9, 9, black, yellow}},
         false, false},
        {{{sliver, 0, 0, black, yellow}, {star, 0, 0, red, blue}, {wide, 0, 0, black, yellow},
          {many, 0, 0, black, blue}},
         false, false},
        // Clipped to a region, and with the drawing origin moved.
        {{{{}, 9, 9, black, yellow}, {{}, 7, 11, red, clear}, {triangle, 0, 0, black, yellow}}, true, false},
        {{{{}, 9, 9, black, yellow}, {{}, 7, 11, red, blue}, {diamond, 0, 0, red, yellow}, {star, 0, 0, black, blue}},
         true, true},
        // Without a pen Qt draws the shape itself; a dotted outline is not a hairline.
        {{{{}, 9, 9, none, yellow}, {{}, 9, 9, QPen(QColor(0, 0, 0), 1, Qt::DotLine), blue},
          {triangle, 0, 0, none, blue}},
         false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        const unsigned seed = 31 + static_cast<unsigned>(&c - cases);
        const uint64_t stamps = TeeFastPaths::TimesTaken(TFastPath::StampedShape);
        const QImage stamped = Draw(true, c.looks, c.clipped, c.shifted, seed);
        // Shapes are stamped unless no look has a solid one-pixel outline (the last case).
        EXPECT_EQ(TeeFastPaths::TimesTaken(TFastPath::StampedShape) > stamps, c.looks[0].pen.style() == Qt::SolidLine);
        const QImage drawn = Draw(false, c.looks, c.clipped, c.shifted, seed);
        int different = 0, set = 0;
        for (int y = 0; y < stamped.height(); ++y)
            for (int x = 0; x < stamped.width(); ++x) {
                different += stamped.pixel(x, y) != drawn.pixel(x, y);
                set += stamped.pixel(x, y) != qRgb(230, 240, 250);
            }
        EXPECT_EQ(different, 0);
        // The shapes are there.
        EXPECT_GT(set, 1000);
    }
}
