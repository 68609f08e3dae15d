// The axis-arrow tool on a chart of known geometry: the plot is 500 x 400 pixels, the bottom
// axis runs left to right at y 400.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/components/AxisArrowTool.h"
#include "chart/components/Chart.h"
#include "platform/TeeFiler.h"
#include "tests/chart/control/ChartFixture.h"

namespace {

struct ArrowFixture : ChartFixture {
    ArrowFixture()
    {
        FixAxis(chart->BottomAxis(), 0, 50);
        chart->BottomAxis()->AxisLinePos = 400;
        tool = new TAxisArrowTool(&owner);
        tool->SetAxis(chart->BottomAxis());
        tool->OnClick = [this](TAxisArrowTool*, bool start) { clicks.push_back(start ? "start" : "end"); };
    }
    TAxisArrowTool* tool;
    std::vector<std::string> clicks;
};

TEST(AxisArrowTool, ArrowsScrollTheAxisByAShareOfItsRange)
{
    struct Case {
        TAxisArrowToolPosition position;
        bool inverted;
        int x, y;
        double min, max;
        const char* click;
    };
    const Case cases[] = {
        {aaBoth, false, 8, 400, 5, 55, "start"},  {aaBoth, false, 495, 402, -5, 45, "end"},
        {aaBoth, true, 8, 400, -5, 45, "start"},  {aaBoth, true, 495, 400, 5, 55, "end"},
        {aaStart, false, 495, 400, 0, 50, ""},    {aaEnd, false, 8, 400, 0, 50, ""},
        {aaBoth, false, 8, 403, 0, 50, ""},       {aaBoth, false, 0, 400, 0, 50, ""},
        {aaBoth, false, 16, 400, 0, 50, ""},      {aaBoth, false, 15, 398, 5, 55, "start"},
        {aaBoth, false, 484, 400, 0, 50, ""},     {aaBoth, false, 485, 400, -5, 45, "end"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.position << " " << c.inverted << " " << c.x << "," << c.y);
        ArrowFixture f;
        f.tool->SetPosition(c.position);
        f.tool->SetScrollInverted(c.inverted);
        f.tool->ChartMouseEvent(cmeDown, mbLeft, {}, c.x, c.y);
        EXPECT_DOUBLE_EQ(f.chart->BottomAxis()->Minimum(), c.min);
        EXPECT_DOUBLE_EQ(f.chart->BottomAxis()->Maximum(), c.max);
        EXPECT_EQ(f.clicks.empty() ? "" : f.clicks[0], c.click);
        EXPECT_EQ(f.chart->MouseCancelled(), *c.click != 0);
    }
}

TEST(AxisArrowTool, AllowScrollPairedAxisAndDrawing)
{
    ArrowFixture f;
    f.FixAxis(f.chart->TopAxis(), 100, 200);
    int scrolls = 0;
    f.chart->OnScroll = [&](TObject*) { ++scrolls; };
    f.chart->OnAllowScroll = [](TChartAxis*, double& min, double& max, bool& allow) {
        allow = !(min == 5 && max == 55);
    };
    f.tool->ChartMouseEvent(cmeDown, mbLeft, {}, 8, 400);
    EXPECT_DOUBLE_EQ(f.chart->BottomAxis()->Minimum(), 0);
    EXPECT_EQ(scrolls, 0);
    EXPECT_EQ(f.clicks, std::vector<std::string>{"start"});
    // A series on both horizontal axes takes the top axis along.
    auto* s = f.AddSeries("both", 3);
    s->SetHorizAxis(aBothHorizAxis);
    f.tool->ChartMouseEvent(cmeDown, mbLeft, {}, 495, 400);
    EXPECT_DOUBLE_EQ(f.chart->BottomAxis()->Minimum(), -5);
    EXPECT_DOUBLE_EQ(f.chart->TopAxis()->Minimum(), 95);
    EXPECT_EQ(scrolls, 1);
    f.tool->SetScrollPercent(0);
    f.tool->ChartMouseEvent(cmeDown, mbLeft, {}, 495, 400);
    EXPECT_EQ(scrolls, 1);
    // Hovering an arrow shows the hand.
    f.tool->ChartMouseEvent(cmeMove, mbLeft, {}, 495, 400);
    EXPECT_EQ(f.chart->Cursor(), crHandPoint);
    f.chart->BottomAxis()->SetVisible(false);
    f.chart->SetMouseCancelled(false);
    f.tool->ChartMouseEvent(cmeMove, mbLeft, {}, 495, 400);
    EXPECT_FALSE(f.chart->MouseCancelled());

    f.canvas->Clear();
    f.tool->SetLength(20);
    f.chart->BroadcastToolEvent(cteAfterDraw);
    const auto arrows = f.canvas->Find("Arrow");
    ASSERT_EQ(arrows.size(), 2u);
    EXPECT_EQ(arrows[0]->Points, (std::vector<TPoint>{{20, 400}, {0, 400}}));
    EXPECT_EQ(arrows[1]->Points, (std::vector<TPoint>{{480, 400}, {500, 400}}));
    EXPECT_EQ(arrows[1]->Args, (std::vector<int64_t>{1, 8, 8, 0}));
    f.chart->FreeAllSeries();
}

TEST(AxisArrowTool, OnAnAxisDrawnAtDepthTheArrowsAreHitWhereTheyShow)
{
    // The top axis lies at the back: 30 pixels deep, seen at 45 degrees, its arrows show 30
    // pixels right of and 30 above the axis line at y 100 (range 0..50 over x 0..500).
    ArrowFixture f;
    f.chart->SetView3D(true);
    f.chart->SetDepth3DHoriz(30);
    f.FixAxis(f.chart->TopAxis(), 0, 50);
    f.chart->TopAxis()->AxisLinePos = 100;
    f.tool->SetAxis(f.chart->TopAxis());
    f.canvas->InitWindow(nullptr, f.chart->View3DOptions(), clWhite, true, TRect(0, 0, 600, 500));
    f.canvas->Projection(30, f.chart->PlotRect());
    f.chart->BroadcastToolEvent(cteAfterDraw);
    const auto heads = f.canvas->Find("Polygon");
    ASSERT_EQ(heads.size(), 2u);
    EXPECT_EQ(heads[0]->Points[4], TPoint(30, 70)); // the tips
    EXPECT_EQ(heads[1]->Points[4], TPoint(530, 70));
    struct Case {
        int x, y;
        double min;
    };
    const Case cases[] = {{38, 70, 5},  {8, 100, 0},   {31, 70, 5},  {30, 70, 0},  {45, 72, 5},
                          {46, 70, 0},  {38, 73, 0},   {38, 67, 0},  {38, 68, 5},  {525, 70, -5},
                          {529, 70, -5}, {530, 70, 0}, {514, 70, 0}, {495, 100, 0}};
    for (const Case& c : cases) {
        f.FixAxis(f.chart->TopAxis(), 0, 50);
        f.tool->ChartMouseEvent(cmeDown, mbLeft, {}, c.x, c.y);
        EXPECT_DOUBLE_EQ(f.chart->TopAxis()->Minimum(), c.min) << c.x << "," << c.y;
    }
}

TEST(AxisArrowTool, ALengthNoScreenHoldsAndAScrollToNoFiniteLimitsAreRefused)
{
    // Lengths up to the largest pixel position the axes give (2^26 - 1) are kept.
    struct LengthCase {
        int64_t value;
        int kept;
    };
    const LengthCase lengths[] = {{0, 0},   {67108863, 67108863}, {67108864, 20}, {2147483647, 20}, {-1, 20},
                                  {-16, 20}};
    for (const LengthCase& c : lengths) {
        ArrowFixture f;
        f.tool->SetLength(20);
        f.tool->SetLength(static_cast<int>(c.value));
        EXPECT_EQ(f.tool->Length(), c.kept) << c.value;
        ArrowFixture g;
        TeeReadProperties(*g.chart, "Components.Count=1\nComponents.0.Class=TAxisArrowTool\nComponents.0.Length=" +
                                        QString::number(c.value));
        ASSERT_EQ(g.chart->Tools()->Count(), 2); // the fixture's tool and the one read
        EXPECT_EQ(static_cast<TAxisArrowTool*>(g.chart->Tools()->Get(1))->Length(), c.kept == 20 ? 16 : c.kept)
            << c.value;
    }
    // A click on the start arrow of a bottom axis (0..500 pixels, line at 400), with the top
    // axis kept in step: new limits that are not finite leave both axes; OnClick still fires.
    struct ScrollCase {
        double min, max, topMin, topMax;
        double newMin, newTopMin;
    };
    const double big = 1e308;
    const ScrollCase scrolls[] = {
        {-big, big, 0, 1, -big, 0},
        {-1e306, 1e306, 0, 1, -8e305, 2e305},
        {0, 1e307, 1.7e308, 1.79e308, 0, 1.7e308},
        {0, 50, 1.7e308, 1.79e308, 5, 1.7e308 + 5},
    };
    for (const ScrollCase& c : scrolls) {
        ArrowFixture f;
        int scrolled = 0;
        f.chart->OnScroll = [&](TObject*) { ++scrolled; };
        f.AddSeries("both", 2)->SetHorizAxis(aBothHorizAxis);
        f.chart->BottomAxis()->SetMinMax(c.min, c.max);
        f.chart->TopAxis()->SetMinMax(c.topMin, c.topMax);
        f.tool->ChartMouseEvent(cmeDown, mbLeft, {}, 8, 400);
        EXPECT_DOUBLE_EQ(f.chart->BottomAxis()->Minimum(), c.newMin) << c.min << " " << c.topMin;
        EXPECT_DOUBLE_EQ(f.chart->TopAxis()->Minimum(), c.newTopMin) << c.min << " " << c.topMin;
        EXPECT_TRUE(std::isfinite(f.chart->BottomAxis()->Maximum()));
        EXPECT_TRUE(std::isfinite(f.chart->TopAxis()->Maximum()));
        EXPECT_EQ(scrolled, c.newMin != c.min ? 1 : 0);
        EXPECT_EQ(f.clicks, std::vector<std::string>{"start"});
        EXPECT_TRUE(f.chart->MouseCancelled());
        f.chart->FreeAllSeries();
    }
}

TEST(AxisArrowTool, StoresItsSettingsAndIgnoresBadText)
{
    TComponent owner(nullptr);
    TChart chart(&owner);
    auto* tool = new TAxisArrowTool(&owner);
    tool->SetAxis(chart.RightAxis());
    tool->SetLength(30);
    tool->SetPosition(aaEnd);
    tool->SetScrollInverted(true);
    tool->SetScrollPercent(25);
    tool->Brush()->SetColor(clLime);
    TChart back(&owner);
    TeeReadProperties(back, TeeWriteProperties(chart));
    auto* read = dynamic_cast<TAxisArrowTool*>(back.Tools()->Get(0));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Axis(), back.RightAxis());
    EXPECT_EQ(read->Length(), 30);
    EXPECT_EQ(read->Position(), aaEnd);
    EXPECT_TRUE(read->ScrollInverted());
    EXPECT_EQ(read->ScrollPercent(), 25);
    EXPECT_EQ(read->Brush()->Color(), clLime);
    TeeReadProperties(back, "Components.Count=1\nComponents.0.Class=TAxisArrowTool\nComponents.0.Length=-4\n"
                            "Components.0.Position=aaMiddle\nComponents.0.AxisID=-1");
    auto* bad = dynamic_cast<TAxisArrowTool*>(back.Tools()->Get(1));
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(bad->Length(), 16);
    EXPECT_EQ(bad->Position(), aaBoth);
    EXPECT_EQ(bad->Axis(), nullptr);
    EXPECT_EQ(bad->Description(), "Axis Arrows");
}

} // namespace
