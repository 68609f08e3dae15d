// The axis side of the axis panel: the standard and custom axes, the range an automatic axis
// takes from the series with paging, which axes show, the layout of the chart rectangle axis
// by axis and the margins, on the recording canvas (characters 6 wide, lines 12 high).

#include <gtest/gtest.h>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/ChartSeries.h"
#include "tests/chart/SeriesTestChart.h"
#include "tests/chart/support/RecordingCanvas.h"

namespace {

// A chart that draws on the recording canvas.
struct RecordedChart : TTestChart {
    TRecordingCanvas* canvas = new TRecordingCanvas;
    RecordedChart()
    {
        SetRepaintEnabled(false);
        SetInternalCanvas(canvas);
        SetRepaintEnabled(true);
        canvas->InitWindow(nullptr, nullptr, clWhite, false, TRect(0, 0, 600, 400));
        canvas->Projection(0, TRect(0, 0, 600, 400));
        SetPlotRect(TRect(50, 20, 550, 320));
        ReCalcWidthHeight();
    }
};

// A series of count points at x = 0, 1, 2 ... with y = step * x.
TChartSeries* AddLine(TCustomAxisPanel& chart, int count, double step = 1)
{
    auto* s = new TChartSeries(&chart);
    chart.AddSeries(s);
    for (int i = 0; i < count; ++i)
        s->Add(i * step);
    return s;
}

TEST(AxisPanelAxes, FiveStandardAxesInOrderThenCustomOnes)
{
    TTestChart chart;
    ASSERT_EQ(chart.AxisCount(), 5);
    EXPECT_EQ(chart.AxisAt(0), chart.BottomAxis());
    EXPECT_EQ(chart.AxisAt(1), chart.TopAxis());
    EXPECT_EQ(chart.AxisAt(2), chart.LeftAxis());
    EXPECT_EQ(chart.AxisAt(3), chart.RightAxis());
    EXPECT_EQ(chart.AxisAt(4), chart.DepthAxis());
    EXPECT_TRUE(chart.BottomAxis()->Horizontal() && !chart.BottomAxis()->OtherSide());
    EXPECT_TRUE(chart.TopAxis()->Horizontal() && chart.TopAxis()->OtherSide());
    EXPECT_TRUE(!chart.RightAxis()->Horizontal() && chart.RightAxis()->OtherSide());
    EXPECT_EQ(chart.TopAxis()->ZPosition(), 100);
    EXPECT_EQ(chart.TopAxis()->Grid()->ZPosition(), 100);
    EXPECT_FALSE(chart.TopAxis()->Grid()->IsZStored());
    EXPECT_EQ(chart.LeftAxis()->Title()->Angle(), 90);
    EXPECT_EQ(chart.RightAxis()->Title()->Angle(), 270);
    EXPECT_FALSE(chart.RightAxis()->Title()->IsAngleStored());
    EXPECT_TRUE(chart.DepthAxis()->IsDepthAxis());
    EXPECT_FALSE(chart.DepthAxis()->Visible());
    EXPECT_EQ(chart.CustomAxes()->Count(), 0);

    auto* custom = new TChartAxis(chart.CustomAxes());
    EXPECT_EQ(chart.CustomAxes()->Count(), 1);
    EXPECT_EQ(chart.AxisCount(), 6);
    EXPECT_TRUE(custom->IsCustom());

    // A series plotted against the custom axis falls back to the bottom axis when it goes.
    TChartSeries* s = AddLine(chart, 3);
    custom->SetHorizontal(true);
    s->SetCustomHorizAxis(custom);
    s->SetHorizAxis(aCustomHorizAxis);
    delete custom;
    EXPECT_EQ(s->CustomHorizAxis(), nullptr);
    EXPECT_EQ(s->HorizAxis(), aBottomAxis);
    EXPECT_EQ(chart.AxisCount(), 5);
}

TEST(AxisPanelAxes, RangeFromTheSeries)
{
    TTestChart chart;
    EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), 0); // no series
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 0);
    TChartSeries* a = AddLine(chart, 5, 2);  // x 0..4, y 0..8
    TChartSeries* b = AddLine(chart, 3, -1); // x 0..2, y -2..0
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 4);
    EXPECT_EQ(chart.MinYValue(chart.LeftAxis()), -2);
    EXPECT_EQ(chart.MaxYValue(chart.LeftAxis()), 8);
    a->SetActive(false); // inactive series do not count while an active one is on the axis
    EXPECT_EQ(chart.MaxYValue(chart.LeftAxis()), 0);
    b->SetActive(false); // with none active, the inactive ones give the range
    EXPECT_EQ(chart.MaxYValue(chart.LeftAxis()), 8);
    EXPECT_EQ(chart.MaxYValue(chart.RightAxis()), 0);
}

TEST(AxisPanelAxes, PagingTakesThePagesPoints)
{
    TTestChart chart;
    AddLine(chart, 25, 3);
    chart.SetMaxPointsPerPage(10);
    chart.SetPage(3);
    EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), 20);
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 24);
    EXPECT_EQ(chart.MaxYValue(chart.LeftAxis()), 72); // values are not paged
    // The short last page keeps the spacing of a full page: ten points from 20 reach 29.
    chart.SetScaleLastPage(false);
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 29);
    chart.SetPage(2);
    EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), 10);
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 19);
}

TEST(AxisPanelAxes, WhichAxesShow)
{
    TTestChart chart;
    EXPECT_TRUE(chart.IsAxisVisible(chart.TopAxis())); // no active series
    EXPECT_FALSE(chart.IsAxisVisible(chart.DepthAxis()));
    AddLine(chart, 3);
    EXPECT_TRUE(chart.IsAxisVisible(chart.BottomAxis()));
    EXPECT_TRUE(chart.IsAxisVisible(chart.LeftAxis()));
    EXPECT_FALSE(chart.IsAxisVisible(chart.TopAxis()));
    EXPECT_FALSE(chart.IsAxisVisible(chart.RightAxis()));
    chart.DepthAxis()->SetVisible(true);
    EXPECT_EQ(chart.IsAxisVisible(chart.DepthAxis()), chart.View3D());
    chart.SetView3D(false);
    EXPECT_FALSE(chart.IsAxisVisible(chart.DepthAxis()));
    chart.SetAxisVisible(false);
    EXPECT_FALSE(chart.IsAxisVisible(chart.BottomAxis()));
}

TEST(AxisPanelAxes, VisibleAxesTakeTheirRoomInListOrder)
{
    RecordedChart chart;
    chart.SetView3D(false);
    AddLine(chart, 11, 10); // x 0..10, y 0..100
    chart.CalcAxisRects();
    // Bottom: labels (12) and line with ticks (7); left: "100" and a space (24) and 7.
    EXPECT_EQ(chart.PlotRect(), TRect(81, 20, 550, 301));
    EXPECT_EQ(chart.BottomAxis()->LabelsPos, 308);
    EXPECT_EQ(chart.LeftAxis()->LabelsPos, 74);
    EXPECT_EQ(chart.BottomAxis()->StartPixel, 81);
    EXPECT_EQ(chart.LeftAxis()->EndPixel, 301);

    chart.DrawAxes();
    EXPECT_EQ(chart.canvas->Count("HorizLine3D"), 1); // bottom axis line
    EXPECT_EQ(chart.canvas->Count("VertLine3D"), 1);  // left axis line
    chart.canvas->Clear();
    chart.SetAxisVisible(false);
    chart.DrawAxes();
    EXPECT_TRUE(chart.canvas->Calls.empty());
}

TEST(AxisPanelAxes, OffsetsNarrowTheDataSpan)
{
    RecordedChart chart;
    chart.SetView3D(false);
    AddLine(chart, 11, 10);
    chart.BottomAxis()->SetMinimumOffset(10);
    chart.BottomAxis()->SetMaximumOffset(20);
    chart.LeftAxis()->SetMaximumOffset(15);
    chart.CalcAxisRects();
    chart.CalcAxisMarginsFromSeries();
    EXPECT_EQ(chart.BottomAxis()->CalcPosValue(0), 91);
    EXPECT_EQ(chart.BottomAxis()->CalcPosValue(10), 530);
    EXPECT_EQ(chart.LeftAxis()->CalcPosValue(100), 35);
    EXPECT_EQ(chart.LeftAxis()->CalcPosValue(0), 301);

    chart.BottomAxis()->SetInverted(true);
    chart.SetPlotRect(TRect(50, 20, 550, 320)); // a new frame starts from the whole rectangle
    chart.CalcAxisRects();
    chart.CalcAxisMarginsFromSeries();
    EXPECT_EQ(chart.BottomAxis()->CalcPosValue(0), 540);
    EXPECT_EQ(chart.BottomAxis()->CalcPosValue(10), 101);
}

} // namespace
