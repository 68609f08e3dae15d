// Shapes and lines reaching far beyond the device, up to the ends of the coordinate range: what
// falls on the device is drawn, with the outline where it crosses the device and the fill
// elsewhere, and nothing fails. A 200x100 white picture, a black one-pixel pen, a red brush.
#include <QImage>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "platform/graphics/DeviceContext.h"

namespace {

constexpr QRgb W = 0xFFFFFF, K = 0x000000, R = 0xFF0000;

struct Probe {
    int x, y;
    QRgb colour;
};

} // namespace

TEST(HugeShapes, DrawWhatFallsOnTheDevice)
{
    const struct {
        const char* what;
        std::function<void(TDeviceContext&)> draw;
        std::vector<Probe> probes;
    } cases[] = {
        // Flat and far wider than the device: the top and bottom rows are the curve, the rows
        // between are filled, from edge to edge.
        {"wide ellipse", [](TDeviceContext& dc) { dc.Ellipse(-1200000000, 10, 1200000000, 60); },
         {{0, 9, W}, {0, 10, K}, {100, 10, K}, {199, 10, K}, {0, 11, R}, {199, 58, R}, {100, 59, K}, {199, 59, K},
          {100, 60, W}}},
        {"tall ellipse", [](TDeviceContext& dc) { dc.Ellipse(10, -1200000000, 60, 1200000000); },
         {{9, 0, W}, {10, 0, K}, {10, 99, K}, {11, 50, R}, {58, 99, R}, {59, 0, K}, {59, 50, K}, {60, 50, W}}},
        // From this width on Qt draws along its general curve.
        {"ellipse 2^23 wide", [](TDeviceContext& dc) { dc.Ellipse(100 - (1 << 22), 10, 100 + (1 << 22), 60); },
         {{100, 9, W}, {100, 10, K}, {100, 11, R}, {0, 58, R}, {0, 59, K}, {100, 59, K}, {100, 60, W}}},
        // Without a pen the fill stays inside the box less one pixel.
        {"wide ellipse, no pen",
         [](TDeviceContext& dc) {
             dc.SelectPen(QPen(Qt::NoPen));
             dc.Ellipse(-1200000000, 10, 1200000000, 60);
         },
         {{0, 9, W}, {0, 10, R}, {199, 10, R}, {100, 58, R}, {100, 59, W}}},
        // The curve lies far off on every side.
        {"ellipse around", [](TDeviceContext& dc) { dc.Ellipse(-2000000000, -2000000000, 2000000000, 2000000000); },
         {{0, 0, R}, {199, 0, R}, {100, 50, R}, {0, 99, R}, {199, 99, R}}},
        {"triangle around",
         [](TDeviceContext& dc) {
             const TPoint p[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
             dc.Polygon(p, 3);
         },
         {{0, 0, R}, {199, 0, R}, {100, 50, R}, {0, 99, R}, {199, 99, R}}},
        // Its top edge crosses the device at row 50.
        {"quadrilateral below",
         [](TDeviceContext& dc) {
             const TPoint p[] = {
                 {-2000000000, 50}, {2000000000, 50}, {2000000000, 2000000000}, {-2000000000, 2000000000}};
             dc.Polygon(p, 4);
         },
         {{0, 49, W}, {199, 49, W}, {0, 50, K}, {199, 50, K}, {0, 51, R}, {199, 99, R}}},
        {"wide rectangle", [](TDeviceContext& dc) { dc.Rectangle(-2000000000, 10, 2000000000, 60); },
         {{0, 9, W}, {0, 10, K}, {199, 10, K}, {100, 11, R}, {0, 58, R}, {0, 59, K}, {199, 59, K}, {100, 60, W}}},
        {"rectangle around", [](TDeviceContext& dc) { dc.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX); },
         {{0, 0, R}, {199, 99, R}}},
        // A fill sets every pixel of the device, the right and bottom edge left out.
        {"fill around", [](TDeviceContext& dc) { dc.FillRect(TRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), dc.Brush()); },
         {{0, 0, R}, {199, 99, R}}},
        {"wide fill", [](TDeviceContext& dc) { dc.FillRect(TRect(-2000000000, 10, 2000000000, 60), dc.Brush()); },
         {{0, 9, W}, {0, 10, R}, {199, 10, R}, {199, 59, R}, {0, 60, W}}},
        // A picture of 2x2 pixels stretched over a box centred on (100, 35): each of its pixels
        // covers a quarter of the device.
        {"picture around",
         [](TDeviceContext& dc) {
             QImage picture(2, 2, QImage::Format_RGB32);
             picture.setPixel(0, 0, qRgb(0, 0, 255));
             picture.setPixel(1, 0, qRgb(0, 255, 0));
             picture.setPixel(0, 1, qRgb(255, 255, 0));
             picture.setPixel(1, 1, qRgb(255, 0, 255));
             dc.StretchImage(TRect(-1999999900, -1999999965, 2000000100, 2000000035), picture);
         },
         {{0, 0, 0x0000FF}, {99, 34, 0x0000FF}, {100, 34, 0x00FF00}, {199, 0, 0x00FF00}, {99, 35, 0xFFFF00},
          {0, 99, 0xFFFF00}, {100, 35, 0xFF00FF}, {199, 99, 0xFF00FF}}},
        {"round rectangle around", [](TDeviceContext& dc) { dc.RoundRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 40, 40); },
         {{0, 0, R}, {199, 99, R}}},
        // Counter-clockwise from straight down to the right: the quarter below and right of the
        // middle, which holds the device; the arc's curve lies far off.
        {"pie around",
         [](TDeviceContext& dc) {
             dc.Pie(-2000000000, -2000000000, 2000000000, 2000000000, 0, 2000000000, 2000000000, 0);
         },
         {{100, 50, R}, {199, 99, R}}},
        {"arc around",
         [](TDeviceContext& dc) {
             dc.Arc(-2000000000, -2000000000, 2000000000, 2000000000, 0, 2000000000, 2000000000, 0);
         },
         {{100, 50, W}, {199, 99, W}}},
        // One-pixel lines along a row or a column, from one end of the range to the other and
        // from the device to the far end; the end point stays out.
        {"row across", [](TDeviceContext& dc) { dc.MoveTo(INT_MIN, 20); dc.LineTo(INT_MAX, 20); },
         {{0, 19, W}, {0, 20, K}, {199, 20, K}, {0, 21, W}}},
        {"row back", [](TDeviceContext& dc) { dc.MoveTo(INT_MAX, 30); dc.LineTo(INT_MIN, 30); },
         {{0, 30, K}, {199, 30, K}, {0, 31, W}}},
        {"row to the far right", [](TDeviceContext& dc) { dc.MoveTo(-10, 40); dc.LineTo(INT_MAX, 40); },
         {{0, 40, K}, {199, 40, K}}},
        {"row from the far right", [](TDeviceContext& dc) { dc.MoveTo(INT_MAX, 45); dc.LineTo(5, 45); },
         {{4, 45, W}, {5, 45, W}, {6, 45, K}, {199, 45, K}}},
        {"row to the far left", [](TDeviceContext& dc) { dc.MoveTo(150, 48); dc.LineTo(INT_MIN + 1, 48); },
         {{0, 48, K}, {150, 48, K}, {151, 48, W}}},
        {"column across", [](TDeviceContext& dc) { dc.MoveTo(50, INT_MIN); dc.LineTo(50, INT_MAX); },
         {{49, 50, W}, {50, 0, K}, {50, 99, K}, {51, 50, W}}},
        {"column from the top end", [](TDeviceContext& dc) { dc.MoveTo(60, INT_MIN); dc.LineTo(60, 70); },
         {{60, 0, K}, {60, 69, K}, {60, 70, W}}},
        {"column to the top end", [](TDeviceContext& dc) { dc.MoveTo(70, 80); dc.LineTo(70, INT_MIN); },
         {{70, 0, K}, {70, 80, K}, {70, 81, W}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        TDeviceContext dc;
        ASSERT_TRUE(dc.Begin(&image));
        dc.SelectBrush(QBrush(QColor(255, 0, 0)));
        c.draw(dc);
        dc.End();
        for (const Probe& p : c.probes)
            EXPECT_EQ(image.pixel(p.x, p.y) & 0xFFFFFF, p.colour) << p.x << "," << p.y;
    }
}
