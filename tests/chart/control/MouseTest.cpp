// Zoom by a dragged rectangle, undo by a backward drag, scroll by the right button, the wheel.

#include <gtest/gtest.h>

#include "tests/chart/control/ChartFixture.h"

namespace {

// A 500 x 400 plot with one series and both standard axes fixed at 0..100.
class MouseChart : public ChartFixture
{
public:
    MouseChart()
    {
        AddSeries("s", 3);
        chart->Legend()->SetVisible(false);
        FixAxis(chart->BottomAxis(), 0, 100);
        FixAxis(chart->LeftAxis(), 0, 100);
        FixAxis(chart->TopAxis(), 0, 100);
        FixAxis(chart->RightAxis(), 0, 100);
    }
    void Drag(TMouseButton button, int x0, int y0, int x1, int y1)
    {
        chart->MouseDown(button, 0, x0, y0);
        chart->MouseMove(0, x1, y1);
        chart->MouseUp(button, 0, x1, y1);
    }
    void ExpectAxis(TChartAxis* axis, double min, double max)
    {
        EXPECT_DOUBLE_EQ(axis->Minimum(), min);
        EXPECT_DOUBLE_EQ(axis->Maximum(), max);
    }
};

} // namespace

TEST(ChartZoom, ADragOfSixteenPixelsDoesNothingSeventeenZooms)
{
    MouseChart m;
    m.Drag(mbLeft, 100, 100, 116, 116);
    m.ExpectAxis(m.chart->BottomAxis(), 0, 100);
    EXPECT_FALSE(m.chart->Zoomed());
    m.Drag(mbLeft, 100, 100, 117, 116);
    m.ExpectAxis(m.chart->BottomAxis(), 0, 100); // 17 across is not enough with 16 down
    m.Drag(mbLeft, 100, 100, 116, 150);
    m.ExpectAxis(m.chart->LeftAxis(), 0, 100);
    m.Drag(mbLeft, 100, 100, 117, 117);
    // 5 pixels per unit across, 4 per unit down from the top (100 at the top).
    m.ExpectAxis(m.chart->BottomAxis(), 20, 23.4);
    m.ExpectAxis(m.chart->TopAxis(), 20, 23.4);
    m.ExpectAxis(m.chart->LeftAxis(), 100 - 117 / 4.0, 75);
    m.ExpectAxis(m.chart->RightAxis(), 100 - 117 / 4.0, 75);
    EXPECT_TRUE(m.chart->Zoomed());
}

TEST(ChartZoom, TwoZoomsAndOneBackwardDragReturnToTheStart)
{
    MouseChart m;
    int zooms = 0;
    int undos = 0;
    m.chart->OnZoom = [&](TObject*) { ++zooms; };
    m.chart->OnUndoZoom = [&](TObject*) { ++undos; };
    m.Drag(mbLeft, 100, 100, 300, 300);
    m.ExpectAxis(m.chart->BottomAxis(), 20, 60);
    m.FixAxis(m.chart->BottomAxis(), 20, 60);
    m.FixAxis(m.chart->LeftAxis(), 25, 75);
    m.Drag(mbLeft, 0, 0, 250, 200);
    m.ExpectAxis(m.chart->BottomAxis(), 20, 40);
    EXPECT_EQ(zooms, 2);
    m.Drag(mbLeft, 300, 300, 100, 100);
    EXPECT_EQ(undos, 1);
    m.ExpectAxis(m.chart->BottomAxis(), 0, 100);
    m.ExpectAxis(m.chart->LeftAxis(), 0, 100);
    EXPECT_FALSE(m.chart->ScalesSaved());
    EXPECT_FALSE(m.chart->Zoomed());
}

TEST(ChartZoom, HorizontalZoomSpansTheChartHeightAndAnimationRepaintsEachStep)
{
    MouseChart m;
    m.chart->Zoom()->SetDirection(tzdHorizontal);
    m.Drag(mbLeft, 100, 150, 200, 160);
    m.ExpectAxis(m.chart->BottomAxis(), 20, 40);
    m.ExpectAxis(m.chart->LeftAxis(), 0, 100);

    MouseChart a;
    a.chart->Zoom()->SetAnimated(true);
    a.chart->Zoom()->SetAnimatedSteps(8);
    a.chart->Draws = 0;
    a.chart->ZoomRect(TRect(100, 100, 300, 300));
    EXPECT_EQ(a.chart->Draws, 7);
    a.ExpectAxis(a.chart->BottomAxis(), 20, 60);

    // ZoomPercent 110 takes a tenth of the range off each end.
    MouseChart p;
    p.chart->ZoomPercent(110);
    p.ExpectAxis(p.chart->BottomAxis(), 10, 90);
}

TEST(ChartScroll, RightDragMovesTheAxesByTheMouseMovement)
{
    MouseChart m;
    int scrolls = 0;
    m.chart->OnScroll = [&](TObject*) { ++scrolls; };
    m.Drag(mbRight, 100, 100, 150, 100);
    m.ExpectAxis(m.chart->BottomAxis(), -10, 90);
    m.ExpectAxis(m.chart->LeftAxis(), 0, 100);
    EXPECT_EQ(scrolls, 1);

    // Leftward in 10-pixel steps: 2 units each, never more.
    MouseChart l;
    l.chart->MouseDown(mbRight, 0, 300, 200);
    l.chart->MouseMove(0, 290, 200);
    l.ExpectAxis(l.chart->BottomAxis(), 2, 102);
    l.chart->MouseMove(0, 280, 200);
    l.ExpectAxis(l.chart->BottomAxis(), 4, 104);
    l.chart->MouseMove(0, 270, 200);
    l.ExpectAxis(l.chart->BottomAxis(), 6, 106);
    // Upward likewise: 4 pixels per unit, 2.5 units per 10 pixels.
    l.chart->MouseMove(0, 270, 190);
    l.ExpectAxis(l.chart->LeftAxis(), -2.5, 97.5);
    l.chart->MouseMove(0, 270, 180);
    l.ExpectAxis(l.chart->LeftAxis(), -5, 95);
    l.chart->MouseUp(mbRight, 0, 270, 180);
    // One undo restores the scales from before the first scroll.
    l.chart->UndoZoom();
    l.ExpectAxis(l.chart->BottomAxis(), 0, 100);
}

TEST(ChartScroll, AllowScrollMayChangeOrRefuseAndLeavingTheChartStops)
{
    MouseChart m;
    int scrolls = 0;
    m.chart->OnScroll = [&](TObject*) { ++scrolls; };
    m.chart->SetAllowPanning(pmHorizontal);
    m.chart->OnAllowScroll = [](TChartAxis*, double&, double&, bool& allow) { allow = false; };
    m.Drag(mbRight, 100, 100, 150, 150);
    m.ExpectAxis(m.chart->BottomAxis(), 0, 100);
    EXPECT_EQ(scrolls, 1);
    m.chart->OnAllowScroll = [](TChartAxis*, double& min, double& max, bool&) {
        min = 1;
        max = 2;
    };
    m.Drag(mbRight, 100, 100, 150, 150);
    m.ExpectAxis(m.chart->BottomAxis(), 1, 2);
    m.ExpectAxis(m.chart->LeftAxis(), 0, 100);

    MouseChart out;
    out.chart->MouseDown(mbRight, 0, 100, 100);
    out.chart->MouseMove(0, 600, 100);
    EXPECT_FALSE(out.chart->Panning()->Active);
    out.ExpectAxis(out.chart->BottomAxis(), 0, 100);
}

TEST(ChartWheel, StepsOfThreePercentOnlyForTheChartUnderThePointer)
{
    MouseChart m;
    m.chart->DoMouseWheel(0, -120, TPoint(10, 10));
    m.ExpectAxis(m.chart->LeftAxis(), 3, 103);
    m.ExpectAxis(m.chart->RightAxis(), 3, 103);
    m.ExpectAxis(m.chart->BottomAxis(), 0, 100);
    m.chart->DoMouseWheel(0, 120, TPoint(10, 10));
    m.chart->DoMouseWheel(0, 120, TPoint(10, 10));
    EXPECT_NEAR(m.chart->LeftAxis()->Minimum(), 3 - 3.0 - 3.0, 1e-9);
    // A turn that arrives while the pointer is elsewhere leaves the chart alone.
    const double before = m.chart->LeftAxis()->Minimum();
    m.chart->DoMouseWheel(0, -120, TPoint(-5, 10));
    m.chart->DoMouseWheel(0, -120, TPoint(10, 700));
    EXPECT_EQ(m.chart->LeftAxis()->Minimum(), before);
    TeeUseMouseWheel = false;
    m.chart->DoMouseWheel(0, -120, TPoint(10, 10));
    TeeUseMouseWheel = true;
    EXPECT_EQ(m.chart->LeftAxis()->Minimum(), before);
}

// An axis spanning nearly the whole double range cannot move by a step: its limits would
// become infinite and it could never be drawn or scrolled back.
TEST(ChartWheel, AStepToLimitsThatAreNotFiniteIsRefused)
{
    MouseChart m;
    m.FixAxis(m.chart->LeftAxis(), -1e308, 1e308);
    m.chart->DoMouseWheel(0, -120, TPoint(10, 10));
    m.ExpectAxis(m.chart->LeftAxis(), -1e308, 1e308);
    m.ExpectAxis(m.chart->RightAxis(), 3, 103);
    m.chart->LeftAxis()->Scroll(1.7e308, false);
    m.ExpectAxis(m.chart->LeftAxis(), -1e308, 1e308);
    m.chart->LeftAxis()->Scroll(1e307, false);
    m.ExpectAxis(m.chart->LeftAxis(), -9e307, 1.1e308);
}

TEST(ChartMouse, ToolsAndHandlersCancelAndBackgroundClicks)
{
    MouseChart m;
    int background = 0;
    m.chart->OnClickBackground = [&](TCustomChart*, TMouseButton, TShiftState, int, int) {
        ++background;
        m.chart->SetMouseCancelled(false); // let the zoom go on
    };
    m.Drag(mbLeft, 100, 100, 300, 300);
    EXPECT_EQ(background, 1);
    m.ExpectAxis(m.chart->BottomAxis(), 20, 60);

    // A handler that keeps the cancel flag stops the zoom.
    MouseChart c;
    c.chart->OnClickBackground = [](TCustomChart*, TMouseButton, TShiftState, int, int) {};
    c.Drag(mbLeft, 100, 100, 300, 300);
    c.ExpectAxis(c.chart->BottomAxis(), 0, 100);

    // A click outside the chart rectangle is a background click too.
    MouseChart n;
    int outside = 0;
    n.SetPlot(TRect(50, 50, 550, 450));
    n.chart->OnClickBackground = [&](TCustomChart*, TMouseButton, TShiftState, int, int) { ++outside; };
    n.chart->MouseDown(mbLeft, 0, 10, 10);
    EXPECT_EQ(outside, 1);
    EXPECT_FALSE(n.chart->Zoom()->Active);
}

namespace {

// A series without axes that claims every point as its slice 2.
class SliceSeries : public TChartSeries
{
public:
    using TChartSeries::TChartSeries;
    bool UseAxis() const override { return false; }
    int Clicked(int, int) override { return 2; }
};

// A tool that records what reaches it and may stop the event there.
class CancelTool : public TTeeCustomTool
{
public:
    using TTeeCustomTool::TTeeCustomTool;
    void ChartMouseEvent(TChartMouseEvent e, TMouseButton, TShiftState, int, int) override
    {
        events.push_back(e);
        if (cancel)
            ParentChart()->SetMouseCancelled(true);
    }
    std::vector<TChartMouseEvent> events;
    bool cancel = false;
};

} // namespace

TEST(ChartMouse, ASliceClickRaisesTheSeriesEventButNeitherZoomNorScroll)
{
    ChartFixture f;
    auto* pie = new SliceSeries(&f.owner);
    f.chart->AddSeries(pie);
    f.FixAxis(f.chart->BottomAxis(), 0, 100);
    int clicks = 0;
    int index = -1;
    f.chart->OnClickSeries = [&](TCustomChart*, TChartSeries* s, int i, TMouseButton, TShiftState, int, int) {
        EXPECT_EQ(s, pie);
        index = i;
        ++clicks;
        f.chart->SetMouseCancelled(false);
    };
    int own = 0;
    pie->OnClick = [&](TChartSeries*, int, TMouseButton, TShiftState, int, int) { ++own; };
    f.chart->MouseDown(mbLeft, 0, 100, 100);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(own, 1);
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(f.chart->Zoom()->Active);
    f.chart->MouseUp(mbLeft, 0, 100, 100);
    f.chart->MouseDown(mbRight, 0, 100, 100);
    EXPECT_FALSE(f.chart->Panning()->Active);
    EXPECT_EQ(f.chart->CalcClickedPart(TPoint(5, 5)).Part, cpSeries);
}

TEST(ChartMouse, ToolsSeeEventsFirstAndCanStopThem)
{
    MouseChart m;
    auto* first = new CancelTool(&m.owner);
    auto* second = new CancelTool(&m.owner);
    m.chart->Tools()->Add(first);
    m.chart->Tools()->Add(second);
    m.Drag(mbLeft, 100, 100, 300, 300);
    EXPECT_EQ(first->events, (std::vector<TChartMouseEvent>{cmeDown, cmeMove, cmeUp}));
    EXPECT_EQ(second->events.size(), 3u);
    m.ExpectAxis(m.chart->BottomAxis(), 20, 60);

    // The first tool keeps the press: the second never sees it and nothing zooms.
    MouseChart c;
    auto* stopper = new CancelTool(&c.owner);
    auto* later = new CancelTool(&c.owner);
    c.chart->Tools()->Add(stopper);
    c.chart->Tools()->Add(later);
    stopper->cancel = true;
    c.chart->MouseDown(mbLeft, 0, 100, 100);
    EXPECT_TRUE(later->events.empty());
    EXPECT_FALSE(c.chart->Zoom()->Active);
    // An inactive tool is passed over.
    later->events.clear();
    stopper->SetActive(false);
    c.chart->MouseDown(mbLeft, 0, 100, 100);
    EXPECT_EQ(later->events.size(), 1u);
}

TEST(ChartDrag, DraggedPartShowsTheHandOnlyWhereItMayDrop)
{
    TChartClickedPart part;
    part.Part = cpLegend;
    part.PointIndex = 4;
    TTeeDragObject drag(part);
    EXPECT_EQ(drag.Part.Part, cpLegend);
    EXPECT_EQ(drag.Part.PointIndex, 4);
    EXPECT_EQ(drag.GetDragCursor(true, 0, 0), 2020);
    EXPECT_EQ(drag.GetDragCursor(false, 10, 10), -13);
}

namespace {

// A series without axes that claims only the points left of x = 200 (its slice 0).
class LeftHalfSeries : public TChartSeries
{
public:
    using TChartSeries::TChartSeries;
    bool UseAxis() const override { return false; }
    int Clicked(int x, int) override { return x < 200 ? 0 : -1; }
};

} // namespace

TEST(ChartMouse, ASeriesCursorShowsOverItsPointsAndTheSavedOneElsewhere)
{
    ChartFixture f;
    auto* s = new LeftHalfSeries(&f.owner);
    f.chart->AddSeries(s);
    s->SetCursor(crCross);
    f.chart->SetSavedCursor(crDefault);
    int enters = 0;
    int leaves = 0;
    s->OnMouseEnter = [&](TObject*) { ++enters; };
    s->OnMouseLeave = [&](TObject*) { ++leaves; };
    f.chart->MouseMove(0, 100, 100);
    EXPECT_EQ(f.chart->Cursor(), crCross);
    EXPECT_EQ(enters, 1);
    f.chart->MouseMove(0, 300, 100);
    EXPECT_EQ(f.chart->Cursor(), crDefault);
    EXPECT_EQ(leaves, 1);
    s->SetActive(false);
    f.chart->MouseMove(0, 100, 100);
    EXPECT_EQ(f.chart->Cursor(), crDefault); // an inactive series takes no part
}
