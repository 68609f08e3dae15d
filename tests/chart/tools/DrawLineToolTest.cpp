// Trend lines: hits on bodies and handles, drawing, selecting (and refusing), moving whole or
// by an end, deleting, the exclusive-or rubber band, what is drawn, and the stored lines.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "chart/components/DrawLineTool.h"
#include "chart/core/View3DOptions.h"
#include "platform/TeeFiler.h"
#include "tests/chart/tools/DrawToolsChart.h"
#include "tests/demo/ToolsDemoWindow.h"

namespace {

class DrawLineChart : public RecordingToolChart
{
public:
    DrawLineChart()
    {
        tool = new TDrawLineTool(&owner);
        tool->SetParentChart(chart.get());
        tool->OnNewLine = [this](TObject*) { ++newLines; };
        tool->OnSelect = [this](TObject*) { ++selects; };
        tool->OnDragLine = [this](TObject*) { ++drags; };
        tool->OnDraggedLine = [this](TObject*) { ++dragged; };
    }
    TDrawLine* Add(double x0, double y0, double x1, double y1, TDrawLineStyle style = dlLine)
    {
        auto* line = new TDrawLine(tool->Lines(), x0, y0, x1, y1);
        line->SetStyle(style);
        return line;
    }
    void ExpectLine(const TDrawLine* line, double x0, double y0, double x1, double y1)
    {
        EXPECT_DOUBLE_EQ(line->X0(), x0);
        EXPECT_DOUBLE_EQ(line->Y0(), y0);
        EXPECT_DOUBLE_EQ(line->X1(), x1);
        EXPECT_DOUBLE_EQ(line->Y1(), y1);
    }
    TDrawLineTool* tool;
    int newLines = 0;
    int selects = 0;
    int drags = 0;
    int dragged = 0;
};

} // namespace

TEST(DrawLineTool, HitsBodiesWithinFourPixelsAlongAndNoneAcrossAndHandlesAsSquares)
{
    // Pixels (10, 50) to (100, 80) are values (2, 87.5) to (20, 80); a flat line stays at y 50.
    struct Case {
        TDrawLineStyle style;
        double y1;
        int x, y;
        bool hit;
    };
    const Case cases[] = {
        {dlLine, 87.5, 60, 50, true},           {dlLine, 87.5, 60, 51, false},
        {dlLine, 87.5, 104, 50, true},          {dlLine, 87.5, 105, 50, false},
        {dlLine, 87.5, 6, 50, true},            {dlLine, 87.5, 5, 50, false},
        // The start handle covers x 7..12 and y 47..52 around (10, 50); the end one likewise.
        {dlLine, 87.5, 10, 52, true},           {dlLine, 87.5, 10, 53, false},
        {dlLine, 87.5, 12, 47, true},           {dlLine, 87.5, 13, 47, false},
        {dlLine, 87.5, 97, 52, true},           {dlLine, 87.5, 100, 53, false},
        {dlHorizParallel, 80, 60, 80, true},    {dlHorizParallel, 80, 60, 50, true},
        {dlHorizParallel, 80, 60, 65, false},   {dlHorizParallel, 80, 104, 80, true},
        {dlVertParallel, 80, 100, 65, true},    {dlVertParallel, 80, 10, 65, true},
        {dlVertParallel, 80, 55, 65, false},    {dlVertParallel, 80, 100, 84, true},
        {dlVertParallel, 80, 100, 85, false},
    };
    for (const Case& c : cases) {
        DrawLineChart d;
        TDrawLine* line = d.Add(2, 87.5, 20, c.y1, c.style);
        EXPECT_EQ(d.tool->Clicked(c.x, c.y), c.hit ? line : nullptr)
            << "style " << c.style << " at " << c.x << "," << c.y;
    }
}

TEST(DrawLineTool, TheSelectedLineIsFoundFirstThenBodiesBeforeHandles)
{
    DrawLineChart d;
    TDrawLine* a = d.Add(2, 87.5, 20, 87.5);      // (10, 50) to (100, 50)
    TDrawLine* b = d.Add(2, 87.5, 2, 50);         // (10, 50) up to (10, 200): its body passes a's start
    EXPECT_EQ(d.tool->Clicked(60, 50), a);
    EXPECT_EQ(d.tool->Clicked(10, 52), b);        // b's body before a's start handle
    d.tool->SetSelected(b);
    EXPECT_EQ(d.tool->Clicked(10, 50), b);
    d.tool->SetSelected(a);
    EXPECT_EQ(d.tool->Clicked(10, 50), a);
}

TEST(DrawLineTool, AClickAddsNoLineADragAddsOneInAxisValues)
{
    DrawLineChart d;
    d.AddSeries({{0, 0}, {100, 100}});
    d.Down(10, 50);
    EXPECT_TRUE(d.tool->Drawing());
    EXPECT_FALSE(d.chart->Zoom()->Active); // the tool took the press
    d.Up(10, 50);
    EXPECT_EQ(d.tool->Lines()->Count(), 0);
    EXPECT_EQ(d.newLines, 0);

    d.Drag(10, 50, 100, 80);
    ASSERT_EQ(d.tool->Lines()->Count(), 1);
    d.ExpectLine(d.tool->Lines()->Last(), 2, 87.5, 20, 80);
    EXPECT_EQ(d.tool->Lines()->Last()->Style(), dlLine);
    EXPECT_EQ(d.newLines, 1);
    EXPECT_EQ(d.drags, 1);
    EXPECT_FALSE(d.tool->Drawing());

    // Lines are values: a zoomed axis moves their pixels.
    RecordingToolChart::FixAxis(d.chart->BottomAxis(), 0, 50);
    EXPECT_EQ(d.tool->AxisPoint(d.tool->Lines()->Last()->EndPos()), TPoint(200, 80));
}

TEST(DrawLineTool, DraggingMovesTheWholeLineOrOnlyTheGrabbedEnd)
{
    DrawLineChart d;
    TDrawLine* line = d.Add(2, 87.5, 20, 87.5); // (10, 50) to (100, 50)
    d.Drag(60, 50, 70, 60);                     // the body: 10 pixels right and down
    EXPECT_EQ(d.tool->Selected(), line);
    EXPECT_EQ(d.selects, 1);
    d.ExpectLine(line, 4, 85, 22, 85);
    EXPECT_EQ(d.dragged, 1);

    d.Down(110, 60); // the end handle of the selected line
    EXPECT_EQ(d.tool->DragMode(), dmEndPoint);
    d.Move(130, 100);
    d.Up(130, 100);
    d.ExpectLine(line, 4, 85, 26, 75);

    d.Down(20, 60); // the start handle
    EXPECT_EQ(d.tool->DragMode(), dmStartPoint);
    d.Move(0, 0);
    d.Up(0, 0);
    d.ExpectLine(line, 0, 100, 26, 75);
    EXPECT_EQ(d.selects, 1);
    EXPECT_EQ(d.newLines, 0);

    // Another line grabbed at its end is selected and moves whole.
    TDrawLine* other = d.Add(2, 50, 20, 50); // (10, 200) to (100, 200)
    d.Down(100, 200);
    EXPECT_EQ(d.tool->Selected(), other);
    EXPECT_EQ(d.tool->DragMode(), dmWholeLine);
}

TEST(DrawLineTool, OnlyAMouseThatReallyMovedRewritesTheLine)
{
    // (2.02, 87.4)-(20.02, 87.4) lies at pixels (10, 50)-(100, 50) (5 pixels a unit across,
    // y = 400 - 4 value); pixels written back would round it to (2, 87.5)-(20, 87.5).
    struct Case {
        bool selectFirst;
        int downX;
        std::vector<TPoint> moves;
        double x0, y0, x1, y1;
        int dragged;
    };
    const Case cases[] = {
        {false, 60, {}, 2.02, 87.4, 20.02, 87.4, 0},
        {false, 60, {{60, 50}}, 2.02, 87.4, 20.02, 87.4, 0},
        {true, 100, {{100, 50}}, 2.02, 87.4, 20.02, 87.4, 0}, // the end handle
        {true, 10, {}, 2.02, 87.4, 20.02, 87.4, 0},           // the start handle
        {false, 60, {{70, 60}}, 4, 85, 22, 85, 1},
        {false, 60, {{70, 60}, {60, 50}}, 2, 87.5, 20, 87.5, 1},
        {true, 100, {{101, 50}}, 2.02, 87.4, 20.2, 87.5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.downX << " moves " << c.moves.size());
        DrawLineChart d;
        TDrawLine* line = d.Add(2.02, 87.4, 20.02, 87.4);
        if (c.selectFirst)
            d.tool->SetSelected(line);
        d.Down(c.downX, 50);
        for (const TPoint& p : c.moves)
            d.Move(p.X, p.Y);
        const TPoint up = c.moves.empty() ? TPoint(c.downX, 50) : c.moves.back();
        d.Up(up.X, up.Y);
        EXPECT_EQ(d.tool->Selected(), line);
        EXPECT_EQ(d.tool->DragMode(), dmNone);
        d.ExpectLine(line, c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(d.dragged, c.dragged);
    }
}

TEST(DrawLineTool, ARefusedLineIsNeitherSelectedNorDraggedAndNothingIsWrittenElsewhere)
{
    DrawLineChart d;
    TDrawLine* a = d.Add(2, 87.5, 20, 87.5); // y 50
    TDrawLine* b = d.Add(2, 50, 20, 50);     // y 200
    d.tool->OnSelecting = [b](TDrawLineTool*, TDrawLine* line, bool& allow) { allow = line != b; };

    d.Drag(60, 200, 80, 220); // nothing selected before
    EXPECT_EQ(d.tool->Selected(), nullptr);
    EXPECT_EQ(d.dragged, 0);
    d.ExpectLine(b, 2, 50, 20, 50);

    d.Drag(60, 50, 60, 50); // select a
    ASSERT_EQ(d.tool->Selected(), a);
    d.Down(60, 200);
    EXPECT_EQ(d.tool->DragMode(), dmNone);
    d.Move(80, 220);
    d.Up(80, 220);
    EXPECT_EQ(d.tool->Selected(), a);
    d.ExpectLine(a, 2, 87.5, 20, 87.5);
    d.ExpectLine(b, 2, 50, 20, 50);
    EXPECT_EQ(d.tool->Lines()->Count(), 2);
}

TEST(DrawLineTool, DeletingTheSelectedLineAndFreeingItDuringItsDrag)
{
    DrawLineChart d;
    TDrawLine* a = d.Add(2, 87.5, 20, 87.5);
    TDrawLine* b = d.Add(2, 50, 20, 50);
    d.tool->DeleteSelected(); // nothing selected: nothing happens
    EXPECT_EQ(d.tool->Lines()->Count(), 2);
    d.tool->SetSelected(a);
    d.chart->Invalidations = 0;
    d.tool->DeleteSelected();
    EXPECT_EQ(d.tool->Lines()->Count(), 1);
    EXPECT_EQ(d.tool->Lines()->Get(0), b);
    EXPECT_EQ(d.tool->Selected(), nullptr);
    EXPECT_EQ(d.chart->Invalidations, 1);

    // The handler frees the line being dragged: its release has nothing to write to, and the
    // rubber band is cleared by a repaint.
    d.tool->OnDragLine = [&d](TObject*) { delete d.tool->Selected(); };
    d.Down(60, 200);
    d.Move(80, 220);
    d.chart->Invalidations = 0;
    d.Up(80, 220);
    EXPECT_EQ(d.tool->Lines()->Count(), 0);
    EXPECT_EQ(d.tool->Selected(), nullptr);
    EXPECT_EQ(d.chart->Invalidations, 1);
    EXPECT_EQ(d.dragged, 0);
}

TEST(DrawLineTool, WithoutSelectionAClickOnALineStartsANewOne)
{
    DrawLineChart d;
    TDrawLine* a = d.Add(2, 87.5, 20, 87.5);
    d.tool->SetSelected(a);
    d.tool->SetEnableSelect(false);
    EXPECT_EQ(d.tool->Selected(), nullptr);
    d.Drag(60, 50, 60, 150);
    ASSERT_EQ(d.tool->Lines()->Count(), 2);
    d.ExpectLine(d.tool->Lines()->Get(1), 12, 87.5, 12, 62.5);
    d.ExpectLine(a, 2, 87.5, 20, 87.5);
    // Nor is drawing allowed: the press goes on to the chart.
    d.tool->SetEnableDraw(false);
    d.tool->ChartMouseEvent(cmeDown, mbLeft, 0, 300, 300);
    EXPECT_FALSE(d.tool->Drawing());
    EXPECT_FALSE(d.chart->MouseCancelled());
}

TEST(DrawLineTool, HoveringShowsACrossOverHandlesAndAHandOverLines)
{
    DrawLineChart d;
    TDrawLine* a = d.Add(2, 87.5, 20, 87.5);
    d.Move(60, 50);
    EXPECT_EQ(d.chart->Cursor(), crHandPoint);
    d.tool->SetSelected(a);
    d.Move(100, 52);
    EXPECT_EQ(d.chart->Cursor(), crCross);
}

TEST(DrawLineTool, DrawsEachStyleClippedToTheAxesWithHandlesOnTheSelectedLine)
{
    DrawLineChart d;
    d.tool->Pen()->SetColor(clRed);
    d.Add(2, 87.5, 20, 80);
    TDrawLine* h = d.Add(2, 87.5, 20, 80, dlHorizParallel);
    d.Add(2, 87.5, 20, 80, dlVertParallel);
    d.tool->SetSelected(h);
    d.canvas->Clear();
    d.tool->ChartEvent(cteAfterDraw);
    EXPECT_EQ(d.canvas->Sequence(), "ClipCube Line DoHorizLine DoHorizLine DoVertLine DoVertLine RectangleWithZ "
                                    "RectangleWithZ UnClipRectangle");
    const auto top = d.canvas->TopLevel();
    EXPECT_EQ(top[0]->Points, (std::vector<TPoint>{{0, 0}, {500, 400}}));
    EXPECT_EQ(top[1]->Points, (std::vector<TPoint>{{10, 50}, {100, 80}}));
    EXPECT_EQ(top[1]->PenColor, clRed);
    EXPECT_EQ(top[2]->Points, (std::vector<TPoint>{{10, 50}, {100, 50}}));
    EXPECT_EQ(top[3]->Points, (std::vector<TPoint>{{10, 80}, {100, 80}}));
    EXPECT_EQ(top[4]->Points, (std::vector<TPoint>{{10, 50}, {10, 80}}));
    EXPECT_EQ(top[5]->Points, (std::vector<TPoint>{{100, 50}, {100, 80}}));
    EXPECT_EQ(top[6]->Points, (std::vector<TPoint>{{7, 47}, {13, 53}}));
    EXPECT_EQ(top[7]->Points, (std::vector<TPoint>{{97, 77}, {103, 83}}));
    EXPECT_EQ(top[6]->BrushColor, clBlack);
    EXPECT_EQ(top[6]->PenStyle, psClear);

    // In 3D every line lies at depth 0.
    d.chart->SetView3D(true);
    d.canvas->Clear();
    d.tool->ChartEvent(cteAfterDraw);
    EXPECT_EQ(d.canvas->Sequence(), "ClipCube LineWithZ HorizLine3D HorizLine3D VertLine3D VertLine3D "
                                    "RectangleWithZ RectangleWithZ UnClipRectangle");
    for (const TCanvasCall* c : d.canvas->TopLevel())
        if (c->Name.endsWith("3D") || c->Name.endsWith("WithZ")) {
            EXPECT_EQ(c->Args, (std::vector<int64_t>{0})) << c->Name.toStdString();
        }
    d.chart->SetView3D(false);

    // On a black chart the handles are silver; with a series the clip is its axes' rectangle.
    d.chart->SetColor(clBlack);
    TChartSeries* s = d.AddSeries({{0, 0}});
    TChartAxis* custom = new TChartAxis(d.chart->CustomAxes());
    custom->SetHorizontal(true);
    custom->StartPixel = 100;
    custom->EndPixel = 300;
    s->SetCustomHorizAxis(custom);
    d.tool->SetSeries(s);
    d.canvas->Clear();
    d.tool->ChartEvent(cteAfterDraw);
    EXPECT_EQ(d.canvas->TopLevel()[0]->Points, (std::vector<TPoint>{{100, 0}, {300, 400}}));
    EXPECT_EQ(d.canvas->Find("RectangleWithZ")[0]->BrushColor, clSilver);
}

// The band and a moved line are exclusive-or figures that never repaint the chart. A paint in
// the middle of a drag (a resized window) wipes them: the next move must not draw the wiped
// figure back, and a line being moved shows at its stored place again, to be taken from there
// as at the start of its drag.
TEST(DrawLineTool, TheRubberBandIsExclusiveOrAndAPaintDuringADragLeavesNoCopyBehind)
{
    for (const bool paintMidway : {false, true}) {
        SCOPED_TRACE(paintMidway);
        PaintedToolChart p;
        auto* tool = new TDrawLineTool(&p.owner);
        tool->SetParentChart(p.chart.get());
        tool->Pen()->SetColor(clRed);
        const QImage before = p.Paint().copy();
        const int x0 = p.X(20), y0 = p.Y(10), x1 = p.X(150), y1 = p.Y(90);
        p.chart->MouseDown(mbLeft, 0, x0, y0);
        p.chart->MouseMove(0, x1, y1);
        EXPECT_NE(p.Buffer(), before);
        EXPECT_FALSE(p.chart->NeedsPaint());
        if (paintMidway)
            p.Paint();
        p.chart->MouseMove(0, x0, y0); // back to a band of no length
        EXPECT_EQ(p.Buffer(), before);

        // Dragging a drawn line away erases it where it was; back again restores every pixel.
        p.chart->MouseUp(mbLeft, 0, x0, y0);
        tool->SetSelected(new TDrawLine(tool->Lines(), 20, 50, 150, 50));
        p.Paint();
        const QImage lineShown = p.Copy();
        const int mx = p.X(85), my = p.Y(50);
        p.chart->MouseDown(mbLeft, 0, mx, my);
        p.chart->MouseMove(0, mx + 5, my + 40);
        EXPECT_EQ(p.At(mx, my), ColorToRGB(p.chart->GetBackColor()) & 0xFFFFFFu);
        if (paintMidway)
            p.Paint();
        p.chart->MouseMove(0, mx, my);
        EXPECT_EQ(p.Buffer(), lineShown);
        EXPECT_FALSE(p.chart->NeedsPaint());
        p.chart->MouseMove(0, mx + 5, my + 40);
        EXPECT_EQ(p.At(mx, my), ColorToRGB(p.chart->GetBackColor()) & 0xFFFFFFu);
    }
}

TEST(DrawLineTool, OnATurnedChartALineLiesWhereTheMouseDrewIt)
{
    PaintedToolChart p;
    p.chart->SetView3D(true);
    p.chart->View3DOptions()->SetOrthogonal(false);
    p.chart->View3DOptions()->SetRotation(20);
    p.chart->View3DOptions()->SetElevation(340);
    p.Paint();
    auto* tool = new TDrawLineTool(&p.owner);
    tool->SetParentChart(p.chart.get());
    p.chart->MouseDown(mbLeft, 0, 80, 150);
    p.chart->MouseMove(0, 150, 120);
    p.chart->MouseMove(0, 220, 90);
    p.chart->MouseUp(mbLeft, 0, 220, 90);
    ASSERT_EQ(tool->Lines()->Count(), 1);
    // Half way along where it was drawn the line is grabbed whole, and once selected, at the
    // pixel where the drawing started, by its start.
    p.chart->MouseDown(mbLeft, 0, 150, 120);
    EXPECT_EQ(tool->Selected(), tool->Lines()->Get(0));
    EXPECT_EQ(tool->DragMode(), dmWholeLine);
    p.chart->MouseUp(mbLeft, 0, 150, 120);
    p.chart->MouseDown(mbLeft, 0, 80, 150);
    EXPECT_EQ(tool->DragMode(), dmStartPoint);
    p.chart->MouseUp(mbLeft, 0, 80, 150);
    EXPECT_EQ(tool->Lines()->Count(), 1);
}

TEST(DrawLineTool, StoredLinesReadBackAndDamageLeavesStartValues)
{
    DrawLineChart d;
    d.Add(2, 87.5, 20, 80, dlVertParallel);
    d.Add(0, 0, 0, 0);
    d.tool->SetButton(mbRight);
    d.tool->SetEnableDraw(false);
    d.tool->Pen()->SetColor(clRed);
    const QString text = StoredTool(*d.chart, d.tool);
    EXPECT_EQ(text, "Button=mbRight\nEnableDraw=False\nLines.Count=2\nLines.0.Style=dlVertParallel\n"
                    "Lines.0.X0=2\nLines.0.Y0=87.5\nLines.0.X1=20\nLines.0.Y1=80\nPen.Color=255");
    // What is read back writes the same text again.
    RecordingToolChart e;
    TTeeCustomTool* back = ReadTool(*e.chart, "TDrawLineTool", text);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(StoredTool(*e.chart, back), text);

    // Damaged values keep what a new tool has, so nothing needs storing.
    const QString damaged[] = {"Button=mbSide\nLines.Count=-4\nEnableSelect=maybe\nPen.Color=red",
                               "Lines.Count=1\nLines.0.Style=dlZigzag\nLines.0.X1=abc"};
    const QString kept[] = {"", "Lines.Count=1"};
    for (int i = 0; i < 2; ++i) {
        RecordingToolChart f;
        TTeeCustomTool* tool = ReadTool(*f.chart, "TDrawLineTool", damaged[i]);
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(StoredTool(*f.chart, tool), kept[i]);
    }
}

TEST(DrawLineTool, TheDeleteKeyInTheToolsDemoRemovesTheSelectedLine)
{
    ToolsDemoWindow window;
    TDrawLineTool* tool = window.Lines();
    TDrawLine* a = new TDrawLine(tool->Lines(), 100, 0, 200, 5);
    TDrawLine* b = new TDrawLine(tool->Lines(), 300, 0, 400, 5);
    const auto press = [&](int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window.ChartWidget(), &event);
    };
    // Only the selected line goes, and only while the tool is on.
    struct Case {
        bool on;
        TDrawLine* selected;
        int key;
        int left;
    };
    const Case cases[] = {{true, nullptr, Qt::Key_Delete, 2}, {false, a, Qt::Key_Delete, 2},
                          {true, a, Qt::Key_Backspace, 2},    {true, a, Qt::Key_Delete, 1}};
    for (const Case& c : cases) {
        tool->SetActive(c.on);
        tool->SetSelected(c.selected);
        press(c.key);
        EXPECT_EQ(tool->Lines()->Count(), c.left) << c.on << " " << c.key;
    }
    EXPECT_EQ(tool->Lines()->Get(0), b);
    EXPECT_EQ(tool->Selected(), nullptr);
}
