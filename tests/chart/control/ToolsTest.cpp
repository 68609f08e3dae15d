// The cursor, drag-marks and axis-arrow tools on a chart of known geometry: the plot is
// 500 x 400 pixels, the bottom axis runs left to right and the left axis bottom to top.

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "chart/components/Series.h"
#include "chart/components/TeeTools.h"
#include "chart/core/SeriesMarks.h"
#include "platform/TeeFiler.h"
#include "tests/chart/control/ChartFixture.h"

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
