// The cursor tool on a chart of known geometry: the plot is 500 x 400 pixels, the bottom axis
// runs left to right and the left axis bottom to top.

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "chart/components/CursorTool.h"
#include "chart/components/Series.h"
#include "chart/components/TeeTools.h"
#include "platform/TeeFiler.h"
#include "tests/chart/control/ChartFixture.h"
#include "tests/chart/support/PixelDifference.h"

namespace {

struct CursorFixture : ChartFixture {
    CursorFixture()
    {
        chart->SetView3D(false);
        FixAxis(chart->BottomAxis(), 0, 100); // 5 pixels a unit
        FixAxis(chart->LeftAxis(), 0, 100);   // 4 pixels a unit, upwards
        tool = new TCursorTool(&owner);
        chart->Tools()->Add(tool);
        tool->OnChange = [this](TCursorTool*, int x, int y, double xv, double yv, TChartSeries* s, int index) {
            changes.push_back({x, y, xv, yv, s, index});
        };
    }
    struct Change {
        int x, y;
        double xv, yv;
        TChartSeries* series;
        int index;
    };
    void Move(int x, int y) { tool->ChartMouseEvent(cmeMove, mbLeft, {}, x, y); }
    TCursorTool* tool;
    std::vector<Change> changes;
};

TEST(CursorTool, FirstDrawPlacesItInTheMiddleAndReportsOnce)
{
    CursorFixture f;
    EXPECT_EQ(f.tool->XPixel(), -1);
    f.chart->BroadcastToolEvent(cteAfterDraw);
    f.chart->BroadcastToolEvent(cteAfterDraw);
    ASSERT_EQ(f.changes.size(), 1u);
    EXPECT_EQ(f.changes[0].x, 250);
    EXPECT_EQ(f.changes[0].y, 200);
    EXPECT_DOUBLE_EQ(f.changes[0].xv, 50);
    EXPECT_DOUBLE_EQ(f.changes[0].yv, 50);
    EXPECT_EQ(f.changes[0].series, nullptr);
    EXPECT_EQ(f.changes[0].index, -1);
    // Each draw ends with the cross-hair across the axis rectangle.
    const auto horiz = f.canvas->Find("DoHorizLine");
    const auto vert = f.canvas->Find("DoVertLine");
    ASSERT_EQ(horiz.size(), 2u);
    ASSERT_EQ(vert.size(), 2u);
    EXPECT_EQ(horiz[0]->Points, (std::vector<TPoint>{{0, 200}, {500, 200}}));
    EXPECT_EQ(vert[0]->Points, (std::vector<TPoint>{{250, 0}, {250, 400}}));
    f.tool->SetStyle(cssVertical);
    f.canvas->Clear();
    f.chart->BroadcastToolEvent(cteAfterDraw);
    EXPECT_EQ(f.canvas->Count("DoHorizLine"), 0);
    EXPECT_EQ(f.canvas->Count("DoVertLine"), 1);
    // In 3D the line stands at depth 0.
    f.chart->SetView3D(true);
    f.canvas->Clear();
    f.chart->BroadcastToolEvent(cteAfterDraw);
    const auto vert3D = f.canvas->Find("VertLine3D");
    ASSERT_EQ(vert3D.size(), 1u);
    EXPECT_EQ(vert3D[0]->Args.back(), 0);
}

TEST(CursorTool, AValueSetBeforeTheFirstDrawIsKeptTheMiddleOnlyForAValueNeverSet)
{
    // Axes 0..100: x pixel = 5 x, y pixel = 400 - 4 y; the middle is (250, 200), values 50.
    // Each value set reports once, unplaced (pixels -1); the first draw reports the placing.
    struct Case {
        bool setX, setY;
        double x, y;
        int setReports;
        int px, py;
        double xv, yv;
        int index;
    };
    // Snapping pulls a cursor placed in the middle onto the one point, (40, 40); a value that
    // was set stays where it was put.
    const Case cases[] = {
        {true, false, 30, 0, 1, 150, 200, 30, 50, -1}, {false, true, 0, 25, 1, 250, 300, 50, 25, -1},
        {true, true, 30, 25, 2, 150, 300, 30, 25, -1}, {true, false, 0, 0, 1, 0, 200, 0, 50, -1},
        {false, false, 0, 0, 0, 200, 240, 40, 40, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.setX << c.setY << " " << c.x << "," << c.y);
        CursorFixture f;
        auto* s = f.AddSeries("s");
        s->AddXY(40, 40);
        f.tool->SetSeries(s);
        f.tool->SetSnap(true);
        if (c.setX)
            f.tool->SetXValue(c.x);
        if (c.setY)
            f.tool->SetYValue(c.y);
        ASSERT_EQ(static_cast<int>(f.changes.size()), c.setReports);
        for (const auto& change : f.changes)
            EXPECT_EQ(TPoint(change.x, change.y), TPoint(-1, -1));
        f.changes.clear();
        f.chart->BroadcastToolEvent(cteAfterDraw);
        f.chart->BroadcastToolEvent(cteAfterDraw);
        ASSERT_EQ(f.changes.size(), 1u);
        EXPECT_EQ(TPoint(f.changes[0].x, f.changes[0].y), TPoint(c.px, c.py));
        EXPECT_DOUBLE_EQ(f.tool->XValue(), c.xv);
        EXPECT_DOUBLE_EQ(f.tool->YValue(), c.yv);
        EXPECT_EQ(f.changes[0].index, c.index);
    }
}

TEST(CursorTool, ALineBeyondItsAxisIsNotDrawn)
{
    // Axes 0..100: x pixel = 5 x, y pixel = 400 - 4 y; the ends of the axes still draw.
    struct Case {
        double xv, yv;
        int horizontal, vertical;
    };
    const Case cases[] = {
        {100, 0, 1, 1}, {0, 100, 1, 1}, {101, 50, 1, 0}, {-1, 50, 1, 0}, {50, 101, 0, 1}, {50, -0.5, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.xv << "," << c.yv);
        CursorFixture f;
        f.chart->BroadcastToolEvent(cteAfterDraw);
        f.tool->SetXValue(c.xv);
        f.tool->SetYValue(c.yv);
        f.canvas->Clear();
        f.chart->BroadcastToolEvent(cteAfterDraw);
        EXPECT_EQ(f.canvas->Count("DoHorizLine"), c.horizontal);
        EXPECT_EQ(f.canvas->Count("DoVertLine"), c.vertical);
    }
}

TEST(CursorTool, GrabsALineFewerThanThreePixelsAway)
{
    CursorFixture f;
    f.chart->BroadcastToolEvent(cteAfterDraw); // lines at x 250 and y 200
    struct Case {
        TCursorToolStyle style;
        int x, y;
        TCursorClicked expected;
    };
    const Case cases[] = {
        {cssBoth, 252, 100, ccVertical},     {cssBoth, 253, 100, ccNone},     {cssBoth, 248, 100, ccVertical},
        {cssBoth, 247, 100, ccNone},         {cssBoth, 100, 202, ccHorizontal}, {cssBoth, 100, 197, ccNone},
        {cssBoth, 251, 198, ccBoth},         {cssHorizontal, 250, 100, ccNone}, {cssHorizontal, 250, 200, ccHorizontal},
        {cssVertical, 100, 200, ccNone},     {cssVertical, 250, 200, ccVertical}, {cssBoth, 500, 200, ccNone},
        {cssBoth, 250, 400, ccNone},         {cssBoth, 0, 200, ccHorizontal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.style << " " << c.x << "," << c.y);
        f.tool->SetStyle(c.style);
        EXPECT_EQ(f.tool->Clicked(c.x, c.y), c.expected);
    }
    // Through the chart: a grabbed line keeps the chart from starting a zoom.
    f.tool->SetStyle(cssBoth);
    f.AddSeries("s", 3);
    f.chart->MouseDown(mbLeft, {}, 252, 100);
    EXPECT_EQ(f.tool->Dragging(), ccVertical);
    EXPECT_FALSE(f.chart->Zoom()->Active);
    f.chart->MouseUp(mbLeft, {}, 252, 100);
    EXPECT_EQ(f.tool->Dragging(), ccNone);
    f.chart->MouseDown(mbLeft, {}, 253, 100);
    EXPECT_TRUE(f.chart->Zoom()->Active);
    f.chart->MouseUp(mbLeft, {}, 253, 100);
}

TEST(CursorTool, DraggingSnapsToTheNearestPointTheEarlierOnTies)
{
    CursorFixture f;
    auto* s = f.AddSeries("s");
    s->AddXY(10, 80);
    s->AddXY(20, 30);
    s->AddXY(30, 60);
    f.tool->SetStyle(cssVertical);
    f.tool->SetSnap(true);
    f.tool->SetSeries(s);
    EXPECT_EQ(f.tool->XPixel(), -1);
    f.chart->BroadcastToolEvent(cteAfterDraw); // the middle, 50, snaps to 30
    EXPECT_EQ(f.tool->XPixel(), 150);
    ASSERT_EQ(f.changes.size(), 1u);
    EXPECT_EQ(f.changes[0].index, 2);

    f.tool->ChartMouseEvent(cmeDown, mbLeft, {}, 151, 20);
    EXPECT_EQ(f.tool->Dragging(), ccVertical);
    EXPECT_TRUE(f.chart->MouseCancelled());
    struct Case {
        int mouseX;
        int index;
        int pixel;
    };
    // Pixel 75 is 15, as far from 10 as from 20; 76 is 15.2.
    const Case cases[] = {{75, 0, 50}, {76, 1, 100}, {124, 1, 100}, {126, 2, 150}, {499, 2, 150}, {0, 0, 50}};
    for (const Case& c : cases) {
        f.changes.clear();
        f.Move(c.mouseX, 100);
        ASSERT_EQ(f.changes.size(), 1u) << c.mouseX;
        EXPECT_EQ(f.changes[0].index, c.index) << c.mouseX;
        EXPECT_EQ(f.changes[0].x, c.pixel) << c.mouseX;
        EXPECT_EQ(f.changes[0].series, s);
    }
    f.tool->ChartMouseEvent(cmeUp, mbLeft, {}, 0, 100);
    EXPECT_EQ(f.tool->Dragging(), ccNone);
    // Both lines: the Euclidean distance in axis values decides.
    f.tool->SetStyle(cssBoth);
    f.tool->SetFollowMouse(true);
    f.changes.clear();
    f.Move(110, 160); // 22, 60: (30, 60) is 8 away, (20, 30) is 30.07
    ASSERT_EQ(f.changes.size(), 1u);
    EXPECT_EQ(f.changes[0].index, 2);
    EXPECT_DOUBLE_EQ(f.tool->XValue(), 30);
    EXPECT_DOUBLE_EQ(f.tool->YValue(), 60);
    double difference = 0;
    f.tool->SetSnap(false);
    f.Move(100, 200); // 20, 50
    EXPECT_EQ(f.tool->NearestPoint(cssHorizontal, difference), 2);
    EXPECT_DOUBLE_EQ(difference, 10);
    EXPECT_EQ(f.tool->NearestPoint(cssBoth, difference), 2);
    EXPECT_DOUBLE_EQ(difference, std::sqrt(200.0));
}

TEST(CursorTool, FollowingTheMouseStopsAtTheAxisRectangle)
{
    CursorFixture f;
    f.tool->SetFollowMouse(true);
    f.chart->BroadcastToolEvent(cteAfterDraw);
    f.Move(100, 100);
    EXPECT_EQ(f.tool->XPixel(), 100);
    EXPECT_DOUBLE_EQ(f.tool->XValue(), 20);
    EXPECT_DOUBLE_EQ(f.tool->YValue(), 75);
    f.changes.clear();
    f.canvas->Clear();
    f.Move(520, 50);
    EXPECT_EQ(f.tool->XPixel(), 100);
    EXPECT_EQ(f.tool->YPixel(), 100);
    EXPECT_TRUE(f.changes.empty());
    EXPECT_EQ(f.canvas->Count("DoVertLine"), 0);
    // Without following, hovering shows which line would be grabbed.
    f.tool->SetFollowMouse(false);
    const struct {
        int x, y;
        TCursor cursor;
        bool cancelled;
    } hovers[] = {{300, 100, crVSplit, true}, {100, 300, crHSplit, true}, {101, 99, crSizeAll, true}, {300, 300, crSizeAll, false}};
    for (const auto& h : hovers) {
        f.Move(h.x, h.y);
        EXPECT_EQ(f.chart->Cursor(), h.cursor) << h.x << "," << h.y;
        EXPECT_EQ(f.chart->MouseCancelled(), h.cancelled) << h.x << "," << h.y;
    }
}

TEST(CursorTool, ExclusiveOrLinesDrawnTwiceLeaveTheBufferAsItWas)
{
    TComponent owner(nullptr);
    TChart chart(&owner);
    chart.SetBounds(0, 0, 300, 200);
    auto* line = new TLineSeries(&owner);
    chart.AddSeries(line);
    for (int i = 0; i < 50; ++i)
        line->AddXY(i, (i * 37) % 23);
    auto* tool = new TCursorTool(&owner);
    tool->Pen()->SetColor(clRed);
    chart.Tools()->Add(tool);
    chart.Draw();
    const QImage drawn = chart.BackBuffer().copy();
    const int x = tool->XPixel();
    const int y = tool->YPixel();
    ASSERT_GT(x, 0);
    // The lines are in the picture the draw left.
    EXPECT_NE(drawn.pixel(x, y + 20), drawn.pixel(x + 3, y + 20));
    tool->RedrawCursor();
    EXPECT_NE(chart.BackBuffer().copy(), drawn);
    tool->RedrawCursor();
    EXPECT_EQ(chart.BackBuffer().copy(), drawn);
    // Dragging moves the lines in the back buffer without drawing the chart again.
    tool->SetFollowMouse(true);
    tool->ChartMouseEvent(cmeMove, mbLeft, {}, x + 10, y + 5);
    const QImage moved = chart.BackBuffer().copy();
    int changedElsewhere = 0;
    for (int py = 0; py < drawn.height(); ++py) {
        for (int px = 0; px < drawn.width(); ++px) {
            const bool onLines = px == x || px == x + 10 || py == y || py == y + 5;
            changedElsewhere += !onLines && moved.pixel(px, py) != drawn.pixel(px, py);
        }
    }
    EXPECT_EQ(changedElsewhere, 0);
    EXPECT_NE(moved.pixel(x + 10, y + 40), drawn.pixel(x + 10, y + 40));
    chart.FreeAllSeries();
}

// A painted 600 x 400 chart whose cursor comes first among its tools, so that the figures of
// the others lie across its path: a line with pointers, an annotation's arrow and the marker
// at its end, a colour line, and a line that the program draws after the chart.
struct CrossedCursorChart {
    CrossedCursorChart()
    {
        chart->SetBounds(0, 0, 600, 400);
        chart->SetView3D(false);
        chart->Legend()->SetVisible(false);
        auto* line = new TLineSeries(&owner);
        chart->AddSeries(line);
        line->Pointer()->SetVisible(true);
        for (int i = 0; i <= 10; ++i)
            line->AddXY(i, 50 + (i % 2 ? 30 : -30));
        chart->BottomAxis()->SetMinMax(0, 10);
        chart->LeftAxis()->SetMinMax(0, 100);
        cursor = new TCursorTool(&owner);
        cursor->SetParentChart(chart);
        auto* note = new TAnnotationTool(&owner);
        note->SetParentChart(chart);
        note->SetText("Note");
        note->Callout()->SetVisible(true);
        note->Callout()->Arrow()->SetVisible(true);
        note->Callout()->SetXPosition(420);
        note->Callout()->SetYPosition(280);
        auto* colour = new TColorLineTool(&owner);
        colour->SetAxis(chart->BottomAxis());
        colour->SetValue(6);
        chart->OnAfterDraw = [this](TObject*) { chart->Canvas3D()->Line(0, 250, 600, 120); };
        Paint();
    }
    ~CrossedCursorChart() { chart->FreeAllSeries(); }
    QImage Paint()
    {
        chart->Invalidate();
        chart->Update();
        return chart->BackBuffer().copy();
    }
    TComponent owner{nullptr};
    TChart* chart = new TChart(&owner);
    TCursorTool* cursor;
};

TEST(CursorTool, AfterEachMoveOfADragTheChartIsAsAFullRepaintDrawsIt)
{
    CrossedCursorChart dragged;
    TCursorTool* cursor = dragged.cursor;
    const int x = cursor->XPixel();
    const int y = cursor->YPixel();
    dragged.chart->MouseDown(mbLeft, ssLeft, x, y);
    ASSERT_EQ(cursor->Dragging(), ccBoth);
    // Through the marker at (420, 280), along the colour line, then away from everything.
    const TPoint moves[] = {{x + 7, y - 5}, {420, 280}, {cursor->GetHorizAxis()->CalcPosValue(6), 150}, {120, 330}};
    for (const TPoint& m : moves) {
        SCOPED_TRACE(testing::Message() << m.X << "," << m.Y);
        dragged.chart->MouseMove(ssLeft, m.X, m.Y);
        ASSERT_EQ(TPoint(cursor->XPixel(), cursor->YPixel()), m);
        CrossedCursorChart repainted;
        repainted.cursor->SetXValue(cursor->XValue());
        repainted.cursor->SetYValue(cursor->YValue());
        EXPECT_EQ(CountDifferent(dragged.chart->BackBuffer(), repainted.Paint()), 0);
    }
    dragged.chart->MouseUp(mbLeft, {}, 120, 330);
    const QImage released = dragged.chart->BackBuffer().copy();
    EXPECT_EQ(CountDifferent(released, dragged.Paint()), 0);
}

TEST(CursorTool, StoresItsSettings)
{
    TComponent owner(nullptr);
    TChart chart(&owner);
    auto* series = new TLineSeries(&owner);
    series->SetName("Series1");
    chart.AddSeries(series);
    auto* tool = new TCursorTool(&owner);
    chart.Tools()->Add(tool);
    tool->SetSeries(series);
    tool->SetFollowMouse(true);
    tool->SetSnap(true);
    tool->SetStyle(cssHorizontal);
    tool->Pen()->SetWidth(2);
    TComponent otherForm(nullptr);
    TChart back(&otherForm);
    TeeReadProperties(back, TeeWriteProperties(chart));
    auto* read = dynamic_cast<TCursorTool*>(back.Tools()->Get(0));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->FollowMouse());
    EXPECT_TRUE(read->Snap());
    EXPECT_EQ(read->Style(), cssHorizontal);
    EXPECT_EQ(TeeWriteProperties(back).count("Components."), TeeWriteProperties(chart).count("Components."));
    EXPECT_EQ(read->Pen()->Width(), 2);
    EXPECT_EQ(read->Series(), back.Series(0));
    EXPECT_EQ(read->XPixel(), -1); // placed by the first draw
    TeeReadProperties(back, "Components.Count=1\nComponents.0.Class=TCursorTool\nComponents.0.Style=cssDiagonal");
    EXPECT_EQ(dynamic_cast<TCursorTool*>(back.Tools()->Get(1))->Style(), cssBoth);
    EXPECT_EQ(tool->Description(), "Cursor");
    EXPECT_EQ(tool->GetEditorClass(), "TCursorToolEditor");
    back.FreeAllSeries();
    chart.FreeAllSeries();
}

} // namespace
