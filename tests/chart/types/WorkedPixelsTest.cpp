// Whole charts painted, with every probed position worked out by hand from the chart's size:
// bars shifted by a percentage of their width, and the direction and start of pie slices.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/components/Series.h"
#include "tests/chart/types/SeriesChart.h"

namespace {

// 500 x 300, no margins and no axes drawn: the plot rectangle is the whole panel, so the
// bottom axis runs from pixel 0 to 500 and the left axis from 0 (top) to 300.
struct BareChart {
    TSeriesChart chart{500, 300};
    BareChart()
    {
        chart.SetMarginUnits(muPixels);
        for (int i = 0; i < 4; ++i)
            chart.SetMargin(i, 0);
        chart.SetAxisVisible(false);
    }
    QRgb At(int x, int y) { return chart.Painted().pixel(x, y) & 0xFFFFFF; }
};

constexpr QRgb kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF, kBlack = 0x000000;

TEST(WorkedPixels, BarsMoveByTheirOffsetPercent)
{
    // Ten bars at X 0..9, heights 1..10, side margins on: 11 slots of 500 div 11 = 45 pixels;
    // 70 % of 45 is 31.5, rounded to the even 32: the bar size and the margin on each side.
    // The span 0..9 then widens by 32 pixels each side: the value 0 lands on pixel 32 and
    // each step is 436 / 9 pixels, so X = i is on round(32 + 436 i / 9): 32, 177 (i = 3),
    // 420 (i = 8). A bar is centred there (minus 16), then moved by the offset.
    const struct {
        int offsetPercent;
        int shift; // from the centred position
    } cases[] = {{0, 0}, {50, 16}, {-25, -8}, {100, 32}};
    const int point[] = {32, 177, 420};
    const int index[] = {0, 3, 8};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offsetPercent);
        BareChart f;
        auto* s = new TBarSeries(nullptr);
        f.chart.AddSeries(s);
        s->SetSeriesColor(clRed);
        s->Marks()->SetVisible(false);
        s->SetOffsetPercent(c.offsetPercent);
        for (int i = 0; i < 10; ++i)
            s->Add(i + 1);
        for (int k = 0; k < 3; ++k) {
            // Left edge, 33 pixels to the right edge, both in the pen; the top at 300 - 30 x
            // the value, the bottom at the origin 0 (pixel 300, past the image).
            const int left = point[k] - 16 + c.shift, right = left + 32;
            const int top = 300 - 30 * (index[k] + 1);
            const int y = (top + 300) / 2;
            EXPECT_EQ(f.At(left, y), kBlack) << index[k];
            EXPECT_EQ(f.At(left + 1, y), kRed) << index[k];
            EXPECT_EQ(f.At(right - 1, y), kRed) << index[k];
            EXPECT_EQ(f.At(right, y), kBlack) << index[k];
            if (left > 0) {
                EXPECT_EQ(f.At(left - 1, y), kWhite) << index[k];
            }
            EXPECT_EQ(f.At(right + 1, y), kWhite) << index[k];
            EXPECT_EQ(f.At(left + 16, top), kBlack) << index[k];
            EXPECT_EQ(f.At(left + 16, top - 1), kWhite) << index[k];
        }
    }
}

TEST(WorkedPixels, PieSlicesRunCounterClockwiseFromTheRotation)
{
    // Values 30 and 70: slice 0 spans 108 degrees, slice 1 the remaining 252, counter-clockwise
    // from the rotation angle with the screen's y downwards. The circle is the plot rectangle:
    // centre (250, 150), radii 250 and 150. Probes halfway out at angle a:
    // (250 + 125 cos a, 150 - 75 sin a).
    const auto probe = [](double degrees) {
        const double a = degrees * M_PI / 180;
        return QPoint(static_cast<int>(std::lround(250 + 125 * std::cos(a))),
                      static_cast<int>(std::lround(150 - 75 * std::sin(a))));
    };
    const struct {
        int rotation;
        double degrees;
        QRgb colour;
    } cases[] = {
        {0, 54, kRed},   {0, 100, kRed},  {0, 116, kBlue}, {0, 330, kBlue}, {0, 5, kRed},   {0, 355, kBlue},
        {90, 144, kRed}, {90, 54, kBlue}, {90, 190, kRed}, {90, 206, kBlue}, {90, 95, kRed}, {90, 85, kBlue},
    };
    for (int rotation : {0, 90}) {
        BareChart f;
        auto* pie = new TPieSeries(nullptr);
        f.chart.AddSeries(pie);
        pie->Marks()->SetVisible(false);
        pie->SetRotationAngle(rotation);
        pie->AddXY(0, 30, QString(), clRed);
        pie->AddXY(1, 70, QString(), clBlue);
        for (const auto& c : cases) {
            if (c.rotation != rotation)
                continue;
            const QPoint p = probe(c.degrees);
            EXPECT_EQ(f.At(p.x(), p.y()), c.colour) << rotation << " " << c.degrees;
        }
    }
}

} // namespace
