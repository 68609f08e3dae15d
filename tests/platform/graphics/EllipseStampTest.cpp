// Small ellipses drawn again and again on a 32-bit picture are stamped from a picture of the
// first; a 24-bit picture gets each one traced anew. Both must give the same pixels, whatever
// the sizes, colours, clipping and places, and looks that differ must not share a stamp.
#include <QImage>
#include <QRegion>
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/graphics/DeviceContext.h"

namespace {

struct Look {
    int width, height;
    QPen pen;
    QBrush brush;
};

QImage Draw(QImage::Format format, const std::vector<Look>& looks, bool clipped, bool shifted, unsigned seed)
{
    QImage image(120, 90, format);
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
        dc.Ellipse(x, y, x + look.width, y + look.height);
    }
    dc.End();
    return image;
}

} // namespace

TEST(EllipseStamp, GivesThePixelsOfTracingEachEllipse)
{
    const QPen black(QColor(0, 0, 0), 1), red(QColor(255, 0, 0), 0), none(Qt::NoPen);
    const QBrush yellow(QColor(255, 255, 0)), blue(QColor(0, 0, 255)), clear(Qt::NoBrush);
    const struct {
        std::vector<Look> looks;
        bool clipped, shifted;
    } cases[] = {
        // The result chart's circles, and sizes around them, one look after another.
        {{{9, 9, black, yellow}}, false, false},
        {{{9, 9, black, yellow}, {9, 9, black, blue}, {9, 9, red, yellow}, {9, 9, black, clear}}, false, false},
        {{{1, 1, black, yellow}, {2, 2, black, blue}, {3, 5, black, yellow}, {8, 3, red, blue}, {17, 16, black, yellow},
          {64, 6, black, blue}, {65, 70, red, yellow}},
         false, false},
        // Clipped to a region, and with the drawing origin moved.
        {{{9, 9, black, yellow}, {7, 11, red, clear}}, true, false},
        {{{9, 9, black, yellow}, {7, 11, red, blue}}, true, true},
        // Without a pen Qt fills the ellipse itself; a dotted outline is not a hairline.
        {{{9, 9, none, yellow}, {9, 9, QPen(QColor(0, 0, 0), 1, Qt::DotLine), blue}}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        const unsigned seed = 31 + static_cast<unsigned>(&c - cases);
        const QImage stamped = Draw(QImage::Format_RGB32, c.looks, c.clipped, c.shifted, seed);
        const QImage traced = Draw(QImage::Format_RGB888, c.looks, c.clipped, c.shifted, seed)
                                  .convertToFormat(QImage::Format_RGB32);
        int different = 0, drawn = 0;
        for (int y = 0; y < stamped.height(); ++y)
            for (int x = 0; x < stamped.width(); ++x) {
                different += stamped.pixel(x, y) != traced.pixel(x, y);
                drawn += stamped.pixel(x, y) != qRgb(230, 240, 250);
            }
        EXPECT_EQ(different, 0);
        // The ellipses are there.
        EXPECT_GT(drawn, 1000);
    }
}
