// Stripes between the grid lines of an axis, probed in the painted chart.

#include <gtest/gtest.h>

#include <functional>

#include "chart/components/GridBandTool.h"
#include "chart/core/Canvas3D.h"
#include "chart/core/View3DOptions.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlue = 0x0000FF;
constexpr unsigned kWhite = 0xFFFFFF;

class BandChart : public ToolChart
{
public:
    explicit BandChart(bool vertical = true)
    {
        chart->SetColor(clWhite);
        chart->BackWall()->SetColor(clWhite);
        tool = new TGridBandTool(&owner);
        tool->SetAxis(vertical ? chart->LeftAxis() : chart->BottomAxis());
        tool->Band1()->SetColor(clRed);
        tool->Band2()->SetColor(clBlue);
    }
    // The colour at a value of the axis, across the plot at the other axis' value (away from
    // the other axis' grid lines and from the points); in 3D on the back wall.
    unsigned AtY(double y, double x = 8.5) const
    {
        const TPoint p = chart->Canvas3D()->Calculate3DPosition(
            chart->BottomAxis()->CalcPosValue(x), chart->LeftAxis()->CalcPosValue(y), chart->View3D() ? chart->Depth3DHoriz() : 0);
        return Image().pixel(p.X, p.Y) & 0xFFFFFF;
    }
    unsigned AtX(double x, double y = 87.5) const { return AtY(y, x); }

    TGridBandTool* tool;
};

} // namespace

TEST(GridBandTool, StripesAlternateFromTheLeadingToTheTrailingOneWhicheverWayTheAxisRuns)
{
    // -10..110 by 25: grid lines at 100, 75, 50, 25 and 0; Band1 beyond 100, then turn about
    // down to the stripe below 0, on either axis, either way round, flat or on the back wall.
    const double middles[] = {105, 87, 62, 37, 12, -5};
    const unsigned expected[] = {kRed, kBlue, kRed, kBlue, kRed, kBlue};
    for (const bool vertical : {true, false})
        for (const bool inverted : {false, true})
            for (const bool view3D : {false, true}) {
                BandChart b(vertical);
                b.chart->SetView3D(view3D);
                TChartAxis* axis = vertical ? b.chart->LeftAxis() : b.chart->BottomAxis();
                axis->SetMinMax(-10, 110);
                axis->SetIncrement(25);
                axis->SetInverted(inverted);
                b.Paint();
                for (int i = 0; i < 6; ++i)
                    EXPECT_EQ(vertical ? b.AtY(middles[i]) : b.AtX(middles[i]), expected[i])
                        << vertical << inverted << view3D << " at " << middles[i];
            }
}

TEST(GridBandTool, AClearBandLeavesEveryOtherStripe)
{
    BandChart v;
    v.tool->Band2()->SetStyle(bsClear);
    v.chart->LeftAxis()->SetIncrement(25);
    v.Paint();
    EXPECT_EQ(v.AtY(87), kRed);
    EXPECT_EQ(v.AtY(62), kWhite);
    EXPECT_EQ(v.AtY(37), kRed);
    EXPECT_EQ(v.AtY(12), kWhite);

    // Along the bottom axis 0..10 by 2 the stripes run from the right.
    BandChart h(false);
    h.chart->BottomAxis()->SetIncrement(2);
    h.tool->Band2()->SetStyle(bsClear);
    h.Paint();
    EXPECT_EQ(h.AtX(9), kRed);
    EXPECT_EQ(h.AtX(7), kWhite);
    EXPECT_EQ(h.AtX(5), kRed);
    EXPECT_EQ(h.AtX(1), kRed);

    // Switched off: no stripes.
    h.tool->SetActive(false);
    h.Paint();
    EXPECT_EQ(h.AtX(9), kWhite);
}

TEST(GridBandTool, BackColourBehindHatchesAndTransparency)
{
    BandChart b;
    b.chart->LeftAxis()->SetIncrement(25);
    // A transparent back wall is not painted, yet its colour stays behind the hatches.
    b.chart->BackWall()->SetTransparent(true);
    b.chart->BackWall()->SetColor(clYellow);
    b.tool->Band1()->SetStyle(bsCross);
    b.tool->Band2()->SetStyle(bsCross);
    b.tool->Band2()->SetBackColor(clLime);
    b.Paint();
    const QImage image = b.Image();
    auto colours = [&](double from, double to) {
        QSet<unsigned> seen;
        const int x0 = b.chart->BottomAxis()->CalcPosValue(6), x1 = b.chart->BottomAxis()->CalcPosValue(9);
        for (int y = b.chart->LeftAxis()->CalcPosValue(to) + 3; y < b.chart->LeftAxis()->CalcPosValue(from) - 3; ++y)
            for (int x = x0; x < x1; ++x)
                seen.insert(image.pixel(x, y) & 0xFFFFFF);
        return seen;
    };
    EXPECT_EQ(colours(75, 100), (QSet<unsigned>{kRed, 0xFFFF00}));
    EXPECT_EQ(colours(50, 75), (QSet<unsigned>{kBlue, 0x00FF00}));

    BandChart t;
    t.chart->LeftAxis()->SetIncrement(25);
    t.tool->Band1()->SetTransparency(50);
    t.Paint();
    const unsigned half = t.AtY(87);
    EXPECT_EQ(half >> 16, 0xFFu);
    EXPECT_NEAR(static_cast<int>((half >> 8) & 0xFF), 127, 1);
    EXPECT_EQ(half & 0xFF, (half >> 8) & 0xFF);
    t.tool->Band1()->SetTransparency(250);
    EXPECT_EQ(t.tool->Band1()->Transparency(), 100);
}

TEST(GridBandTool, EveryToolOnAnAxisPaintsWhateverTheOthersDo)
{
    // Left axis by 25: the first tool paints 75..100 red, the second 50..75 blue. The top
    // axis, which no series uses, draws no grid.
    BandChart b;
    TChartAxis* left = b.chart->LeftAxis();
    TChartAxis* top = b.chart->TopAxis();
    left->SetIncrement(25);
    TGridBandTool* first = b.tool;
    first->Band2()->SetStyle(bsClear);
    auto* second = new TGridBandTool(&b.owner);
    second->Band1()->SetStyle(bsClear);
    second->Band2()->SetColor(clBlue);
    second->SetAxis(left);
    struct Step {
        const char* what;
        std::function<void()> action;
        unsigned at87, at62;
    };
    const Step steps[] = {
        {"both", [] {}, kRed, kBlue},
        {"second across", [&] { second->SetAxis(top); }, kRed, kWhite},
        {"second back", [&] { second->SetAxis(left); }, kRed, kBlue},
        {"first across", [&] { first->SetAxis(top); }, kWhite, kBlue},
        {"first back", [&] { first->SetAxis(left); }, kRed, kBlue},
        {"first off", [&] { first->SetActive(false); }, kWhite, kBlue},
        {"second freed", [&] { first->SetActive(true), second->Free(); }, kRed, kWhite},
        {"first freed", [&] { first->Free(); }, kWhite, kWhite},
    };
    for (const Step& step : steps) {
        step.action();
        b.Paint();
        EXPECT_EQ(b.AtY(87), step.at87) << step.what;
        EXPECT_EQ(b.AtY(62), step.at62) << step.what;
    }
    // No painter is left behind.
    EXPECT_FALSE(static_cast<bool>(left->OnDrawGrids));
    EXPECT_FALSE(static_cast<bool>(top->OnDrawGrids));
}

TEST(GridBandTool, StaysBehindThePointsWhenTheLeftWallIsDrawnInFront)
{
    // Turned so that the left wall and its axis are drawn again after the series: the stripes
    // lie on the back wall and must not be painted over the points a second time.
    auto pointPixels = [](bool bands) {
        BandChart b;
        b.tool->SetActive(bands);
        b.series->SetSeriesColor(clFuchsia);
        b.chart->SetView3D(true);
        b.chart->View3DOptions()->SetOrthogonal(false);
        b.chart->View3DOptions()->SetRotation(5);
        b.chart->View3DOptions()->SetElevation(355);
        b.Paint();
        const QImage image = b.Image();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += (image.pixel(x, y) & 0xFFFFFF) == 0xFF00FF;
        return count;
    };
    const int alone = pointPixels(false);
    EXPECT_GT(alone, 200);
    EXPECT_EQ(pointPixels(true), alone);
}
