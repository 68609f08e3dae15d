// Bar series: the shared layout (bar count, order, widest point count, bar size), positions of
// side-by-side bars, stacking by group and by sign, the 100% stack, full-width bars and the
// rectangles drawn.
#include <gtest/gtest.h>

#include "chart/components/Series.h"
#include "chart/core/View3DOptions.h"
#include "tests/chart/types/SeriesChart.h"

namespace {

struct BarChart {
    TSeriesChart chart{500, 300};
    TBarSeries* Add(int points, TColor colour = clRed)
    {
        auto* s = new TBarSeries(nullptr);
        chart.AddSeries(s);
        s->SetSeriesColor(colour);
        s->Marks()->SetVisible(false);
        for (int i = 0; i < points; ++i)
            s->Add(i + 1);
        return s;
    }
    // No margins and no axes drawn: the plot rectangle is the whole 500 x 300 panel, the
    // bottom axis runs from pixel 0 to 500 and the left axis from 0 (top) to 300.
    void Bare()
    {
        chart.SetMarginUnits(muPixels);
        for (int i = 0; i < 4; ++i)
            chart.SetMargin(i, 0);
        chart.SetAxisVisible(false);
    }
    // The bottom axis made 400 pixels long, then the bar sizes worked out as the frame does.
    void Axis400()
    {
        chart.Record();
        TChartAxis* axis = chart.BottomAxis();
        axis->StartPixel = 50;
        axis->EndPixel = 450;
        axis->SizePixels = 400;
    }
    std::vector<const TCanvasCall*> Bars(TRecordingCanvas* canvas, TColor colour)
    {
        std::vector<const TCanvasCall*> out;
        for (const TCanvasCall* c : canvas->Find("Rectangle"))
            if (c->Depth == 0 && c->BrushColor == colour)
                out.push_back(c);
        return out;
    }
};

} // namespace

TEST(BarSeries, TenPointsOnFourHundredPixels)
{
    BarChart f;
    TBarSeries* s = f.Add(10);
    f.Axis400();
    int left = 0, right = 0;
    s->CalcHorizMargins(left, right);
    // 11 slots (one spare for the side margins) of 400 div 11 = 36; 70% is 25.2, rounded 25,
    // made even 26; the margin is one bar group on each side.
    EXPECT_EQ(s->MaxBarPoints(), 11);
    EXPECT_EQ(s->NumBars(), 1);
    EXPECT_EQ(s->BarSize(), 26);
    EXPECT_EQ(left, 26);
    EXPECT_EQ(right, 26);

    // Without side margins: 10 slots of 40, 70% is 28 (even), and half a group each side.
    s->SetSideMargins(false);
    s->DoBeforeDrawChart();
    s->CalcHorizMargins(left, right);
    EXPECT_EQ(s->MaxBarPoints(), 10);
    EXPECT_EQ(s->BarSize(), 28);
    EXPECT_EQ(left, 14);
}

TEST(BarSeries, TwoSeriesSideBySide)
{
    BarChart f;
    TBarSeries* a = f.Add(10);
    TBarSeries* b = f.Add(10, clBlue);
    f.Axis400();
    int left = 0, right = 0;
    a->CalcHorizMargins(left, right);
    b->CalcHorizMargins(left, right);
    // round(0.7 x 36) = 25, shared by two bars: 25 div 2 = 12.
    EXPECT_EQ(a->NumBars(), 2);
    EXPECT_EQ(a->BarOrder(), 1);
    EXPECT_EQ(b->BarOrder(), 2);
    EXPECT_EQ(a->BarSize(), 12);
    EXPECT_EQ(left, 24);

    // On 500 pixels: round(0.7 x 45) = 32, 16 each; the span 0..9 widens by 32 pixels a side,
    // so X = 3 lands on round(32 + 3 x 436 / 9) = 177. The first bar ends where the second
    // starts there.
    BarChart g;
    g.Bare();
    TBarSeries* c = g.Add(10);
    TBarSeries* d = g.Add(10, clBlue);
    g.chart.Record();
    EXPECT_EQ(c->BarSize(), 16);
    EXPECT_EQ(c->CalcXPos(3), 161);
    EXPECT_EQ(d->CalcXPos(3), 177);
}

TEST(BarSeries, DrawnRectanglesReachTheOrigin)
{
    BarChart f;
    f.Bare();
    TBarSeries* s = f.Add(3);
    s->SetYOrigin(1.5);
    TRecordingCanvas* canvas = f.chart.Record();
    const auto bars = f.Bars(canvas, clRed);
    ASSERT_EQ(bars.size(), 3u);
    // Four slots of 125: bars 88 wide and 88 of margin a side, so X = 0, 1, 2 land on 88,
    // 250 and 412 and the bars start 44 to their left and end 89 further. The values 1..3
    // span the 300 pixels of the left axis, 150 a unit: 1 at 300, 2 at 150, 3 at 0, and
    // the origin 1.5 at 225.
    const TPoint corners[3][2] = {{{44, 225}, {133, 300}}, {{206, 150}, {295, 225}}, {{368, 0}, {457, 225}}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(bars[i]->Points[0], corners[i][0]) << i;
        EXPECT_EQ(bars[i]->Points[1], corners[i][1]) << i;
    }
    // At 100 percent the bars are 126 wide (125 made even) with margins of 126: the points
    // land on 126, 250, 374, the bars start at 63, 187, 311 and each reaches the next one;
    // the last is 127 wide.
    s->SetBarWidthPercent(100);
    canvas = f.chart.Record();
    const auto full = f.Bars(canvas, clRed);
    ASSERT_EQ(full.size(), 3u);
    EXPECT_EQ(full[0]->Points[0].X, 63);
    EXPECT_EQ(full[0]->Points[1].X, 187);
    EXPECT_EQ(full[1]->Points[1].X, 311);
    EXPECT_EQ(full[2]->Points[1].X, 438);
}

TEST(BarSeries, StackGroupsStandSideBySide)
{
    BarChart f;
    TBarSeries* a = f.Add(2);
    TBarSeries* b = f.Add(2, clBlue);
    TBarSeries* c = f.Add(2, clGreen);
    a->SetMultiBar(mbStacked);
    EXPECT_EQ(c->MultiBar(), mbStacked);
    c->SetStackGroup(1);
    for (TBarSeries* s : {a, b, c})
        s->DoBeforeDrawChart();
    // Two groups: two bar positions; a and b share the first, c takes the second.
    EXPECT_EQ(a->NumBars(), 2);
    EXPECT_EQ(b->NumBars(), 2);
    EXPECT_EQ(a->BarOrder(), 1);
    EXPECT_EQ(b->BarOrder(), 1);
    EXPECT_EQ(c->BarOrder(), 2);
    // b stacks on a; c's group starts from nothing.
    EXPECT_EQ(b->PointOrigin(1, false), 2);
    EXPECT_EQ(c->PointOrigin(1, false), 0);
    EXPECT_EQ(c->PointOrigin(1, true), 2);
}

TEST(BarSeries, PositiveAndNegativeBarsStackApart)
{
    BarChart f;
    TBarSeries* a = f.Add(0);
    TBarSeries* b = f.Add(0, clBlue);
    TBarSeries* c = f.Add(0, clGreen);
    a->SetMultiBar(mbStacked);
    a->Add(5);
    b->Add(-3);
    c->Add(2);
    EXPECT_EQ(b->PointOrigin(0, false), 0);
    EXPECT_EQ(c->PointOrigin(0, false), 5);
    TBarSeries* d = f.Add(0, clYellow);
    d->Add(-4);
    EXPECT_EQ(d->PointOrigin(0, false), -3);
    // The value axis covers both stacks.
    EXPECT_EQ(c->MaxYValue(), 7);
    EXPECT_EQ(d->MinYValue(), -7);
}

TEST(BarSeries, HundredPercentStackWithZeroTotalGoesToPixelZero)
{
    BarChart f;
    f.Bare();
    TBarSeries* a = f.Add(0);
    TBarSeries* b = f.Add(0, clBlue);
    a->SetMultiBar(mbStacked100);
    a->Add(0);
    b->Add(0);
    a->Add(1);
    b->Add(3);
    f.chart.Record();
    EXPECT_EQ(b->CalcYPos(0), 0);
    EXPECT_EQ(b->GetOriginPos(0), 0);
    // 1 of 4 is 25%, pixel 300 - 3 x 25 on the 0..100 axis; the top of the stack is 100%.
    EXPECT_EQ(a->CalcYPos(1), 225);
    EXPECT_EQ(b->CalcYPos(1), 0);
    EXPECT_EQ(b->GetOriginPos(1), 225);
    EXPECT_EQ(a->MaxYValue(), 100);
    EXPECT_EQ(a->MinYValue(), 0);
}

TEST(BarSeries, HorizontalBarsExchangeTheAxes)
{
    BarChart f;
    f.Bare();
    TSeriesChart& chart = f.chart;
    auto* s = new THorizBarSeries(nullptr);
    chart.AddSeries(s);
    s->SetSeriesColor(clRed);
    s->Marks()->SetVisible(false);
    s->Add(4);
    s->Add(-2);
    TRecordingCanvas* canvas = chart.Record();
    std::vector<const TCanvasCall*> bars;
    for (const TCanvasCall* c : canvas->Find("Rectangle"))
        if (c->Depth == 0 && c->BrushColor == clRed)
            bars.push_back(c);
    ASSERT_EQ(bars.size(), 2u);
    // The values -2..4 span the 500 pixels across: the origin 0 is at round(500 / 3) = 167.
    EXPECT_EQ(bars[0]->Points[0].X, 167);
    EXPECT_EQ(bars[0]->Points[1].X, 500);
    EXPECT_EQ(bars[1]->Points[0].X, 0);
    EXPECT_EQ(bars[1]->Points[1].X, 167);
    // Down the 300 pixels: three slots of 100, bars 70 high with margins of 70, so the
    // points 0 and 1 land on 230 and 70 and the first bar runs from 195 for 71 pixels.
    EXPECT_EQ(bars[0]->Points[0].Y, 195);
    EXPECT_EQ(bars[0]->Points[1].Y, 266);
    EXPECT_EQ(bars[1]->Points[0].Y, 35);
}

TEST(BarSeries, BevelNeverWiderThanHalfTheBar)
{
    BarChart f;
    TBarSeries* s = f.Add(3);
    s->SetBarStyle(bsBevel);
    TRecordingCanvas* canvas = f.chart.Record();
    auto frames = canvas->Find("Frame3D");
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0]->Args[2], 1);

    // A huge bevel would ring the bar over and over, crossing outside it: it stops at the middle.
    s->SetBevelSize(1000000);
    canvas = f.chart.Record();
    frames = canvas->Find("Frame3D");
    ASSERT_EQ(frames.size(), 3u);
    for (const TCanvasCall* frame : frames) {
        const int width = frame->Points[1].X - frame->Points[0].X;
        const int height = frame->Points[1].Y - frame->Points[0].Y;
        EXPECT_EQ(frame->Args[2], (std::min(width, height) + 1) / 2);
    }
    // Every ring line stays within its bar (the bottom line reaches one pixel left of it).
    const TCanvasCall* frame = nullptr;
    int rings = 0;
    for (const TCanvasCall& c : canvas->Calls) {
        if (c.Name == "Frame3D") {
            frame = &c;
            continue;
        }
        if (!frame || c.Depth <= frame->Depth) {
            frame = nullptr;
            continue;
        }
        if (c.Name != "Polyline")
            continue;
        ++rings;
        for (const TPoint& p : c.Points) {
            EXPECT_GE(p.X, frame->Points[0].X - 1);
            EXPECT_LE(p.X, frame->Points[1].X);
            EXPECT_GE(p.Y, frame->Points[0].Y);
            EXPECT_LE(p.Y, frame->Points[1].Y);
        }
    }
    EXPECT_EQ(rings, 2 * (frames[0]->Args[2] + frames[1]->Args[2] + frames[2]->Args[2]));
}

TEST(BarSeries, PageSizeDecidesTheBarWidth)
{
    BarChart f;
    TBarSeries* s = f.Add(10);
    f.chart.SetMaxPointsPerPage(4);
    f.Axis400();
    int left = 0, right = 0;
    s->CalcHorizMargins(left, right);
    // 4 points a page: slots of 400 div 4 = 100, 70 wide (even).
    EXPECT_EQ(s->MaxBarPoints(), 4);
    EXPECT_EQ(s->BarSize(), 70);
}

TEST(BarSeries, AutoAndCustomBarSizes)
{
    BarChart f;
    TBarSeries* s = f.Add(10);
    s->SetSideMargins(false);
    f.Axis400();
    TChartAxis* axis = f.chart.BottomAxis();
    ASSERT_EQ(axis->Minimum(), 0);
    ASSERT_EQ(axis->Maximum(), 9);
    int left = 0, right = 0;
    // From the point count: 400 div 10 = 40, 70% of it 28.
    s->CalcHorizMargins(left, right);
    EXPECT_EQ(s->BarSize(), 28);
    // From the axis range: round(400 / (9 + 2 - 0)) = 36, round(25.2) = 25, made even 26.
    s->SetAutoBarSize(true);
    s->CalcHorizMargins(left, right);
    EXPECT_EQ(s->BarSize(), 26);
    // A fixed width is taken as it is, odd or not.
    s->SetCustomBarWidth(13);
    s->CalcHorizMargins(left, right);
    EXPECT_EQ(s->BarSize(), 13);
    EXPECT_EQ(left, 6); // half a bar without side margins
}

TEST(BarSeries, AddedSeriesTakeTheChartsBarLayout)
{
    BarChart f;
    TBarSeries* first = f.Add(2);
    first->SetMultiBar(mbSelfStack);
    EXPECT_FALSE(first->VisiblePointsOnly());
    first->SetSideMargins(false);
    auto* later = new TBarSeries(nullptr);
    EXPECT_EQ(later->MultiBar(), mbSide);
    f.chart.AddSeries(later);
    EXPECT_EQ(later->MultiBar(), mbSelfStack);
    EXPECT_FALSE(later->SideMargins());
    // A change on any of them reaches all, with the visible-points switch.
    later->SetMultiBar(mbStacked);
    EXPECT_EQ(first->MultiBar(), mbStacked);
    EXPECT_TRUE(first->VisiblePointsOnly());
    EXPECT_TRUE(later->VisiblePointsOnly());
    // A horizontal bar series keeps its own.
    auto* horiz = new THorizBarSeries(nullptr);
    f.chart.AddSeries(horiz);
    EXPECT_EQ(horiz->MultiBar(), mbSide);
    EXPECT_TRUE(horiz->SideMargins());
}

TEST(BarSeries, RelativeGradientEndsPartWayToTheBarColour)
{
    BarChart f;
    TBarSeries* s = f.Add(0);
    s->Add(2);
    s->Add(4);
    s->SetBarStyle(bsRectGradient);
    s->Gradient()->SetRelative(true);
    TRecordingCanvas* canvas = f.chart.Record();
    const auto fills = canvas->Find("GradientFill");
    ASSERT_EQ(fills.size(), 2u);
    // White to red at half the range: green and blue 255 + round(0.5 x -255) = 255 - 128 (halves
    // to even), red stays 255.
    EXPECT_EQ(fills[0]->Args[0], clWhite);
    EXPECT_EQ(fills[0]->Args[1], 0x7F7FFF);
    EXPECT_EQ(fills[1]->Args[1], clRed);
    // Without Relative every bar ends in its own colour.
    s->Gradient()->SetRelative(false);
    canvas = f.chart.Record();
    EXPECT_EQ(canvas->Find("GradientFill")[0]->Args[1], clRed);
}

TEST(BarSeries, FarValueFilledAlikeWithFastCalculation)
{
    // Values 50, v and 20 on a fixed left axis of 300 pixels: the middle bar, columns 206 to 294
    // (295 without a pen), reaches from the origin far off the panel, beyond the 32-bit range
    // when far values are not clamped, and the plot's clip leaves out row 0. Its pixels are
    // the same whether far values are clamped or not.
    const struct {
        double value, minimum, maximum;
        bool pen;
        TBarStyle style;
        std::vector<std::pair<TPoint, unsigned>> probes;
    } cases[] = {
        // 0..100, 3 pixels a unit, the origin on row 300: the outline's left and right columns
        // and its bottom row in black, red inside.
        {1e9, 0, 100, true, bsRectangle,
         {{{205, 100}, 0xFFFFFF}, {{206, 1}, 0x000000}, {{207, 1}, 0xFF0000}, {{207, 0}, 0xFFFFFF},
          {{293, 298}, 0xFF0000}, {{294, 100}, 0x000000}, {{295, 100}, 0xFFFFFF}, {{250, 299}, 0x000000}}},
        // -100..100, 1.5 pixels a unit, the origin on row 150: without a pen the bar is one
        // pixel wider and starts on the origin's row.
        {-1e10, -100, 100, false, bsRectangle,
         {{{250, 149}, 0xFFFFFF}, {{206, 150}, 0xFF0000}, {{294, 299}, 0xFF0000}, {{205, 200}, 0xFFFFFF},
          {{295, 200}, 0xFFFFFF}}},
        // A bevel inside the pen: its left column brightened by 128, its right column and its
        // bottom row darkened by 64.
        {1e9, 0, 100, true, bsBevel,
         {{{207, 100}, 0xFF8080}, {{208, 100}, 0xFF0000}, {{293, 100}, 0xBF0000}, {{250, 298}, 0xBF0000},
          {{250, 299}, 0x000000}}},
    };
    for (const auto& c : cases) {
        QImage pictures[2];
        for (bool fast : {false, true}) {
            SCOPED_TRACE(::testing::Message() << c.value << (fast ? " fast" : " clamped"));
            BarChart f;
            f.Bare();
            TBarSeries* s = f.Add(0);
            for (double v : {50.0, c.value, 20.0})
                s->Add(v);
            s->BarPen()->SetVisible(c.pen);
            s->SetBarStyle(c.style);
            f.chart.Axes()->SetFastCalc(fast);
            f.chart.LeftAxis()->SetMinMax(c.minimum, c.maximum);
            pictures[fast] = f.chart.Painted().copy();
            for (const auto& [at, colour] : c.probes)
                EXPECT_EQ(pictures[fast].pixel(at.X, at.Y) & 0xFFFFFFu, colour) << at.X << "," << at.Y;
        }
        EXPECT_TRUE(pictures[0] == pictures[1]) << c.value;
    }
}

TEST(BarSeries, FarBarsOfEveryStyleIn3DAlikeWithFastCalculation)
{
    // Values 100, 1e10, -1e10 and 100 on a fixed 0..100 value axis, in an orthogonal 3D chart:
    // every style, upright and lying, draws the same pixels whether far values are clamped or
    // reach the ends of the 32-bit range. Turned, the far ends project elsewhere, but drawing
    // them still fails nowhere. The axes are hidden and the near values lie on the value axis's
    // ends: elsewhere a value half a pixel from a whole one rounds apart in the two mappings
    // (one rounds the offset, the other the pixel), and where that happens depends on the
    // axis's length, so on the label font.
    for (bool turned : {false, true}) {
        for (bool lying : {false, true}) {
            for (TBarStyle style : {bsRectangle, bsPyramid, bsInvPyramid, bsCilinder, bsEllipse, bsArrow, bsCone,
                                    bsRectGradient, bsBevel}) {
                SCOPED_TRACE(::testing::Message() << (turned ? "turned " : "") << (lying ? "lying " : "upright ")
                                                  << style);
                QImage pictures[2];
                for (bool fast : {false, true}) {
                    TSeriesChart chart(500, 300);
                    TCustomBarSeries* s = lying ? static_cast<TCustomBarSeries*>(new THorizBarSeries(nullptr))
                                                : static_cast<TCustomBarSeries*>(new TBarSeries(nullptr));
                    chart.AddSeries(s);
                    for (double v : {100.0, 1e10, -1e10, 100.0})
                        s->Add(v);
                    s->Marks()->SetVisible(false);
                    s->SetBarStyle(style);
                    chart.SetAxisVisible(false);
                    chart.SetView3D(true);
                    chart.View3DOptions()->SetOrthogonal(!turned);
                    chart.View3DOptions()->SetRotation(330);
                    chart.Axes()->SetFastCalc(fast);
                    (lying ? chart.BottomAxis() : chart.LeftAxis())->SetMinMax(0, 100);
                    pictures[fast] = chart.Painted().copy();
                }
                EXPECT_TRUE(turned || pictures[0] == pictures[1]);
            }
        }
    }
}

TEST(BarSeries, MarksOfFarBarsDrawAlikeWithFastCalculation)
{
    // A mark's box stands beside its bar's end; for a bar reaching beyond the 32-bit range that
    // end is far off the panel, and its mark is laid out from there without overflowing. The
    // axes are hidden and the near bars end on the value axis's ends, where both mappings give
    // whole pixels.
    for (bool horizontal : {false, true}) {
        for (double far : {1e9, -1e9, 1e12, -1e12}) {
            QImage pictures[2];
            for (bool fast : {false, true}) {
                SCOPED_TRACE(::testing::Message() << horizontal << " " << far << " " << fast);
                TSeriesChart chart(300, 300);
                TCustomBarSeries* s = horizontal ? static_cast<TCustomBarSeries*>(new THorizBarSeries(nullptr))
                                                 : new TBarSeries(nullptr);
                chart.AddSeries(s);
                for (double v : {100.0, far, 100.0})
                    s->Add(v);
                s->Marks()->SetVisible(true);
                chart.SetAxisVisible(false);
                chart.Axes()->SetFastCalc(fast);
                (horizontal ? chart.BottomAxis() : chart.LeftAxis())->SetMinMax(0, 100);
                pictures[fast] = chart.Painted().copy();
            }
            EXPECT_TRUE(pictures[0] == pictures[1]);
        }
    }
}
