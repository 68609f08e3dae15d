// Dragging a point along x, y or both, with any button; clicks beside the points go to the chart.

#include <gtest/gtest.h>

#include "chart/components/DragPointTool.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

class DragChart : public ToolChart
{
public:
    explicit DragChart(TDragPointStyle style)
    {
        tool = new TDragPointTool(&owner);
        tool->SetParentChart(chart);
        tool->SetSeries(series);
        tool->SetDragStyle(style);
    }
    // Drags point 2 (2, 20) to where (6, 70) is.
    void DragPoint(TMouseButton button = mbLeft)
    {
        const TPoint from = At(2);
        const TPoint to(chart->BottomAxis()->CalcPosValue(6), chart->LeftAxis()->CalcPosValue(70));
        chart->MouseDown(button, 0, from.X, from.Y);
        chart->MouseMove(0, to.X, to.Y);
        chart->MouseUp(button, 0, to.X, to.Y);
    }
    // One pixel of the axes, in values.
    double PixelX() const { return 10.0 / (chart->PlotRect().Right - chart->PlotRect().Left); }
    double PixelY() const { return 100.0 / (chart->PlotRect().Bottom - chart->PlotRect().Top); }

    TDragPointTool* tool;
};

} // namespace

TEST(DragPointTool, EachStyleMovesItsOwnCoordinates)
{
    struct Case {
        TDragPointStyle style;
        TMouseButton button;
        bool movesX;
        bool movesY;
    };
    const Case cases[] = {
        {dsX, mbLeft, true, false},
        {dsY, mbLeft, false, true},
        {dsBoth, mbLeft, true, true},
        {dsBoth, mbRight, true, true},
        {dsY, mbMiddle, false, true},
    };
    for (const Case& c : cases) {
        DragChart d(c.style);
        int dragged = -1;
        d.tool->OnDragPoint = [&](TDragPointTool* sender, int index) {
            EXPECT_EQ(sender, d.tool);
            dragged = index;
        };
        d.DragPoint(c.button);
        if (c.movesX)
            EXPECT_NEAR(d.series->XValue(2), 6, d.PixelX()) << c.style;
        else
            EXPECT_EQ(d.series->XValue(2), 2) << c.style;
        if (c.movesY)
            EXPECT_NEAR(d.series->YValue(2), 70, d.PixelY()) << c.style;
        else
            EXPECT_EQ(d.series->YValue(2), 20) << c.style;
        EXPECT_EQ(dragged, 2);
        EXPECT_EQ(d.tool->DraggedIndex(), -1);
        EXPECT_FALSE(d.chart->Zoomed());
    }
}

TEST(DragPointTool, AClickBesideThePointsLetsTheChartZoom)
{
    DragChart d(dsBoth);
    d.chart->MouseDown(mbLeft, ssLeft, 350, 100);
    d.chart->MouseMove(ssLeft, 450, 200);
    d.chart->MouseUp(mbLeft, 0, 450, 200);
    EXPECT_TRUE(d.chart->Zoomed());
    for (int i = 0; i < d.series->Count(); ++i) {
        EXPECT_EQ(d.series->XValue(i), i);
        EXPECT_EQ(d.series->YValue(i), i * 10);
    }

    // Without a series the tool does nothing, and moves after the release drag nothing.
    DragChart none(dsBoth);
    none.tool->SetSeries(nullptr);
    none.DragPoint();
    EXPECT_EQ(none.series->YValue(2), 20);
    none.tool->SetSeries(none.series);
    none.chart->MouseDown(mbLeft, 0, none.At(2).X, none.At(2).Y);
    none.chart->MouseUp(mbLeft, 0, none.At(2).X, none.At(2).Y);
    none.chart->MouseMove(0, 10, 10);
    EXPECT_EQ(none.series->YValue(2), 20);

    // Points deleted during a drag end it; nothing is written past the series' end.
    DragChart gone(dsBoth);
    gone.chart->MouseDown(mbLeft, 0, gone.At(4).X, gone.At(4).Y);
    EXPECT_EQ(gone.tool->DraggedIndex(), 4);
    gone.series->Delete(3, 2);
    gone.chart->MouseMove(0, 10, 10);
    EXPECT_EQ(gone.tool->DraggedIndex(), -1);
    EXPECT_EQ(gone.series->Count(), 3);
}
