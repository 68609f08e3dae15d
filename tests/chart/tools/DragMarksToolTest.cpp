// The drag-marks tool: the mark under the mouse, hovering and dragging its box and arrow tip.

#include <gtest/gtest.h>

#include "chart/components/DragMarksTool.h"
#include "chart/core/SeriesMarks.h"
#include "tests/chart/control/ChartFixture.h"

namespace {

// A mark of one point with its box at (left, top), 40 x 20, its arrow from the point below.
TSeriesMarkPosition* PlaceMark(TChartSeries* s, int left, int top)
{
    TSeriesMarkPosition* p = s->Marks()->Positions().Ensure(0);
    p->BoxLeftTop = TPoint(left, top);
    p->BoxWidth = 40;
    p->BoxHeight = 20;
    p->ArrowStart = TPoint(left + 20, top + 60);
    p->ArrowEnd = TPoint(left + 20, top + 20);
    return p;
}

TEST(DragMarksTool, DraggingMovesTheBoxAndItsArrowTip)
{
    ChartFixture f;
    auto* first = f.AddSeries("first", 1);
    auto* second = f.AddSeries("second", 1);
    first->Marks()->SetVisible(true);
    second->Marks()->SetVisible(true);
    TSeriesMarkPosition* under = PlaceMark(first, 100, 100);
    TSeriesMarkPosition* over = PlaceMark(second, 110, 105);
    auto* tool = new TDragMarksTool(&f.owner);
    f.chart->Tools()->Add(tool);
    // Hovering a mark shows the hand.
    tool->ChartMouseEvent(cmeMove, mbLeft, {}, 120, 110);
    EXPECT_EQ(f.chart->Cursor(), crHandPoint);
    tool->ChartMouseEvent(cmeDown, mbLeft, {}, 120, 110);
    EXPECT_TRUE(tool->Dragging());
    EXPECT_TRUE(f.chart->MouseCancelled());
    tool->ChartMouseEvent(cmeMove, mbLeft, {}, 125, 103);
    tool->ChartMouseEvent(cmeMove, mbLeft, {}, 131, 100);
    tool->ChartMouseEvent(cmeUp, mbLeft, {}, 131, 100);
    EXPECT_FALSE(tool->Dragging());
    // The later series' mark moved by (11, -10); the point end of its arrow stayed.
    EXPECT_TRUE(over->UserPlaced);
    EXPECT_EQ(over->BoxLeftTop, TPoint(121, 95));
    EXPECT_EQ(over->ArrowEnd, TPoint(141, 115));
    EXPECT_EQ(over->ArrowStart, TPoint(130, 165));
    EXPECT_EQ(under->BoxLeftTop, TPoint(100, 100));
    EXPECT_FALSE(under->UserPlaced);
    // Bound to one series, the tool finds only its marks; hidden marks give no hand.
    tool->SetSeries(first);
    tool->ChartMouseEvent(cmeDown, mbLeft, {}, 125, 100);
    tool->ChartMouseEvent(cmeMove, mbLeft, {}, 126, 100);
    tool->ChartMouseEvent(cmeUp, mbLeft, {}, 126, 100);
    EXPECT_EQ(under->BoxLeftTop, TPoint(101, 100));
    first->Marks()->SetVisible(false);
    f.chart->SetCursor(crDefault);
    f.chart->SetMouseCancelled(false);
    tool->ChartMouseEvent(cmeMove, mbLeft, {}, 110, 110);
    EXPECT_EQ(f.chart->Cursor(), crDefault);
    EXPECT_FALSE(f.chart->MouseCancelled());
    // A series cleared while its mark is dragged ends the drag.
    first->Marks()->SetVisible(true);
    tool->ChartMouseEvent(cmeDown, mbLeft, {}, 110, 110);
    first->Clear();
    tool->ChartMouseEvent(cmeMove, mbLeft, {}, 150, 150);
    EXPECT_FALSE(tool->Dragging());
}

} // namespace
