// The colour band: its rectangle on either axis kind and direction, clipped to the axis,
// skipped outside the range, one pixel wide for equal values; behind or in front; gradient,
// transparency and depth.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "chart/components/ColorBandTool.h"
#include "chart/components/ColorLineTool.h"
#include "chart/core/TeeGradient.h"
#include "platform/TeeFiler.h"
#include "tests/chart/tools/DrawToolsChart.h"

namespace {

class BandChart : public RecordingToolChart
{
public:
    BandChart()
    {
        tool = new TColorBandTool(&owner);
        tool->SetAxis(chart->BottomAxis());
    }
    // The rectangles drawn at one event.
    std::vector<std::vector<TPoint>> Drawn(TChartToolEvent event)
    {
        canvas->Clear();
        tool->ChartEvent(event);
        std::vector<std::vector<TPoint>> out;
        for (const TCanvasCall* c : canvas->TopLevel())
            if (c->Name == "Rectangle" || c->Name == "RectangleWithZ")
                out.push_back(c->Points);
        return out;
    }
    TColorBandTool* tool;
};

} // namespace

TEST(ColorBandTool, TheBandRectangleOnEachAxisKindAndDirection)
{
    using Rect = std::vector<std::vector<TPoint>>;
    struct Case {
        bool vertical, inverted, pen;
        double start, end;
        Rect drawn;
    };
    // Across: x = 5 v (inverted 500 - 5 v); up: y = 400 - 4 v (inverted 4 v).
    const Case cases[] = {
        {false, false, true, 10, 5, {{{25, 0}, {50, 400}}}},
        {false, false, true, 5, 10, {{{25, 0}, {50, 400}}}},
        {false, false, true, 120, 150, {}},
        {false, false, true, -20, -10, {}},
        {false, false, true, 100, 120, {{{500, 0}, {500, 400}}}},
        {false, false, true, -20, 0, {{{0, 0}, {0, 400}}}},
        {false, false, false, 30, 30, {{{150, 0}, {152, 400}}}},
        {false, false, true, -50, 50, {{{0, 0}, {250, 400}}}},
        {false, true, true, 5, 10, {{{450, 0}, {475, 400}}}},
        {true, false, true, 10, 20, {{{1, 320}, {500, 360}}}},
        {true, false, false, 20, 10, {{{1, 320}, {501, 362}}}},
        {true, true, true, 10, 20, {{{1, 40}, {500, 80}}}},
        {true, false, true, 90, 130, {{{1, 0}, {500, 40}}}},
    };
    for (const Case& c : cases) {
        BandChart b;
        TChartAxis* axis = c.vertical ? b.chart->LeftAxis() : b.chart->BottomAxis();
        axis->SetInverted(c.inverted);
        b.tool->SetAxis(axis);
        b.tool->Pen()->SetVisible(c.pen);
        b.tool->SetStartValue(c.start);
        b.tool->SetEndValue(c.end);
        EXPECT_EQ(b.Drawn(cteBeforeDrawSeries), c.drawn)
            << (c.vertical ? "vertical " : "horizontal ") << c.inverted << " " << c.start << ".." << c.end;
    }
}

TEST(ColorBandTool, WithoutAPenTheBandCoversThePixelsOfBothValues)
{
    // The red run along the axis through the middle of the plot goes from the pixel of one
    // value to the pixel of the other, both included (one pixel for equal values), flat or
    // at the back of a 3D chart, filled with the colour or with a gradient.
    struct Case {
        bool vertical, inverted, view3D, gradient;
        double start, end;
    };
    const Case cases[] = {
        {false, false, false, false, 40, 50}, {false, true, false, false, 40, 50},
        {false, false, false, false, 40, 40}, {true, false, false, false, 40, 50},
        {true, true, false, false, 50, 40},   {true, false, false, false, 40, 40},
        {false, false, false, true, 40, 50},  {true, true, false, true, 40, 45},
        {false, true, true, false, 40, 40},   {true, false, true, false, 40, 50},
        {false, false, true, true, 40, 50},
    };
    for (const Case& c : cases) {
        PaintedToolChart p(0);
        p.chart->SetView3D(c.view3D);
        p.chart->BottomAxis()->SetMinMax(0, 100);
        p.chart->LeftAxis()->SetMinMax(0, 100);
        TChartAxis* axis = c.vertical ? p.chart->LeftAxis() : p.chart->BottomAxis();
        axis->SetInverted(c.inverted);
        auto* tool = new TColorBandTool(&p.owner);
        tool->SetAxis(axis);
        tool->Pen()->Hide();
        tool->SetStartValue(c.start);
        tool->SetEndValue(c.end);
        tool->SetColor(c.gradient ? clBlue : clRed);
        tool->Gradient()->SetStartColor(clRed);
        tool->Gradient()->SetEndColor(clRed);
        tool->Gradient()->SetVisible(c.gradient);
        const QImage& image = p.Paint();
        const int depth = c.view3D ? p.chart->Depth3DHoriz() : 0;
        TCanvas3D* canvas = p.chart->Canvas3D();
        const TRect plot = p.chart->PlotRect();
        const int a = axis->CalcPosValue(c.start), b = axis->CalcPosValue(c.end);
        const TPoint from = canvas->Calculate3DPosition(std::min(a, b), std::min(a, b), depth);
        const TPoint to = canvas->Calculate3DPosition(std::max(a, b), std::max(a, b), depth);
        const TPoint middle = canvas->Calculate3DPosition((plot.Left + plot.Right) / 2, (plot.Top + plot.Bottom) / 2, depth);
        std::vector<int> red;
        for (int i = 0; i < (c.vertical ? image.height() : image.width()); ++i)
            if ((image.pixel(c.vertical ? middle.X : i, c.vertical ? i : middle.Y) & 0xFFFFFFu) == 0xFF0000u)
                red.push_back(i);
        std::vector<int> expected;
        for (int i = c.vertical ? from.Y : from.X; i <= (c.vertical ? to.Y : to.X); ++i)
            expected.push_back(i);
        EXPECT_EQ(red, expected) << c.vertical << c.inverted << c.view3D << c.gradient << " " << c.start << ".."
                                 << c.end;
    }
}

TEST(ColorBandTool, BehindTheSeriesAtTheBackOrInFrontAtDepthZero)
{
    BandChart b;
    b.tool->SetStartValue(10);
    b.tool->SetEndValue(20);
    b.tool->SetColor(clRed);
    EXPECT_EQ(b.Drawn(cteAfterDraw).size(), 0u);
    ASSERT_EQ(b.Drawn(cteBeforeDrawSeries).size(), 1u);
    EXPECT_EQ(b.canvas->TopLevel()[0]->BrushColor, clRed);
    b.tool->SetDrawBehind(false);
    EXPECT_EQ(b.Drawn(cteBeforeDrawSeries).size(), 0u);
    EXPECT_EQ(b.Drawn(cteAfterDraw).size(), 1u);

    b.chart->SetView3D(true);
    b.chart->SetDepth3DHoriz(30);
    b.Drawn(cteAfterDraw);
    EXPECT_EQ(b.canvas->Find("RectangleWithZ")[0]->Args, (std::vector<int64_t>{0}));
    b.tool->SetDrawBehind(true);
    b.Drawn(cteBeforeDrawSeries);
    EXPECT_EQ(b.canvas->Find("RectangleWithZ")[0]->Args, (std::vector<int64_t>{30}));
}

TEST(ColorBandTool, AGradientFillsTheBandAndTheRectangleIsThenHollow)
{
    BandChart b;
    b.tool->SetStartValue(5);
    b.tool->SetEndValue(10);
    b.tool->Gradient()->SetVisible(true);
    b.Drawn(cteBeforeDrawSeries);
    const auto fills = b.canvas->Find("GradientFill");
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->Points, (std::vector<TPoint>{{25, 0}, {49, 399}}));
    EXPECT_EQ(b.canvas->Find("Rectangle").back()->BrushStyle, bsClear);
    // Not on a canvas turned out of the orthogonal view.
    b.chart->View3DOptions()->SetOrthogonal(false);
    b.Drawn(cteBeforeDrawSeries);
    EXPECT_EQ(b.canvas->Count("GradientFill"), 0);
}

TEST(ColorBandTool, TransparencyMixesTheBandWithWhatIsBelow)
{
    PaintedToolChart p(0);
    p.chart->BottomAxis()->SetMinMax(0, 100);
    auto* tool = new TColorBandTool(&p.owner);
    tool->SetAxis(p.chart->BottomAxis());
    tool->SetStartValue(40);
    tool->SetEndValue(60);
    tool->SetColor(clRed);
    tool->Pen()->Hide();
    tool->SetDrawBehind(false);
    tool->SetActive(false);
    p.Paint();
    const int x = p.X(50), y = p.chart->PlotCenterY();
    const unsigned below = p.At(x, y);
    tool->SetActive(true);
    EXPECT_EQ(p.Paint().pixel(x, y) & 0xFFFFFFu, 0xFF0000u);
    tool->SetTransparency(50);
    const unsigned mixed = p.Paint().pixel(x, y) & 0xFFFFFFu;
    const auto half = [](int band, int under) { return band + (under - band) / 2; };
    EXPECT_LE(std::abs(int(mixed >> 16) - half(255, below >> 16)), 1);
    EXPECT_LE(std::abs(int((mixed >> 8) & 0xFF) - half(0, (below >> 8) & 0xFF)), 1);
    EXPECT_LE(std::abs(int(mixed & 0xFF) - half(0, below & 0xFF)), 1);
}

TEST(ColorBandTool, StoredSettingsReadBackAndDamageLeavesStartValues)
{
    BandChart b;
    b.tool->SetAxis(b.chart->LeftAxis());
    b.tool->SetStartValue(2.5);
    b.tool->SetEndValue(7);
    b.tool->SetColor(clRed);
    b.tool->SetDrawBehind(false);
    b.tool->SetTransparency(40);
    b.tool->Gradient()->SetVisible(true);
    b.tool->Pen()->Hide();
    const QString text = StoredTool(*b.chart, b.tool);
    EXPECT_EQ(text, "AxisID=2\nColor=255\nDrawBehind=False\nEndValue=7\nGradient.Visible=True\nPen.Visible=False\n"
                    "StartValue=2.5\nTransparency=40");
    RecordingToolChart c;
    auto* back = dynamic_cast<TColorBandTool*>(ReadTool(*c.chart, "TColorBandTool", text));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Axis(), c.chart->LeftAxis());
    EXPECT_EQ(StoredTool(*c.chart, back), text);

    RecordingToolChart d;
    auto* damaged = dynamic_cast<TColorBandTool*>(
        ReadTool(*d.chart, "TColorBandTool", "Transparency=-5\nStartValue=x\nAxisID=99\nColor=red"));
    ASSERT_NE(damaged, nullptr);
    EXPECT_EQ(StoredTool(*d.chart, damaged), "");
    TeeReadProperties(*damaged, "Transparency=101");
    EXPECT_EQ(damaged->Transparency(), 0);
}

TEST(ColorBandTool, AFreedAxisIsForgottenByBandsAndLines)
{
    BandChart b;
    auto* axis = static_cast<TChartAxis*>(b.chart->CustomAxes()->Add());
    axis->SetHorizontal(true);
    RecordingToolChart::FixAxis(axis, 0, 100);
    b.tool->SetAxis(axis);
    b.tool->SetEndValue(50);
    auto* line = new TColorLineTool(&b.owner);
    line->SetAxis(axis);
    line->SetValue(50);
    ASSERT_EQ(b.Drawn(cteBeforeDrawSeries).size(), 1u);
    b.chart->CustomAxes()->Delete(0);
    EXPECT_EQ(b.tool->Axis(), nullptr);
    EXPECT_EQ(line->Axis(), nullptr);
    b.canvas->Clear();
    for (TChartToolEvent e : {cteBeforeDrawSeries, cteAfterDraw}) {
        b.tool->ChartEvent(e);
        line->ChartEvent(e);
    }
    b.Down(250, 100);
    EXPECT_FALSE(line->Dragging());
    EXPECT_EQ(b.canvas->Calls.size(), 0u);
}
