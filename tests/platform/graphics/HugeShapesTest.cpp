// Lines reaching far beyond the device, up to the ends of the coordinate range: what falls on
// the device is drawn, and nothing fails. A 200x100 white picture, a black one-pixel pen.
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
