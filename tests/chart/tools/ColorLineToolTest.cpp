// The colour line: where each style puts it, its parts behind and in front in 3D, the grab
// tolerance, dragging within the axis or beyond it, by exclusive-or or by repainting.
#include <gtest/gtest.h>

#include "chart/components/ColorLineTool.h"
#include "platform/TeeFiler.h"
#include "tests/chart/tools/DrawToolsChart.h"

namespace {

class LineChart : public RecordingToolChart
{
public:
    LineChart()
    {
        tool = new TColorLineTool(&owner);
        tool->SetAxis(chart->BottomAxis());
        tool->OnDragLine = [this](TColorLineTool*) { ++drags; };
        tool->OnEndDragLine = [this](TColorLineTool*) { ++ends; };
        chart->Invalidations = 0;
    }
    // The calls of one part, as "Name x,y x,y z..." joined by "; ".
    QString Part(bool back)
    {
        canvas->Clear();
        tool->ChartEvent(back ? cteBeforeDrawSeries : cteAfterDraw);
        QStringList out;
        for (const TCanvasCall* c : canvas->TopLevel()) {
            QString s = c->Name;
            for (const TPoint& p : c->Points)
                s += QString(" %1,%2").arg(p.X).arg(p.Y);
            for (int64_t a : c->Args)
                s += QString(" z%1").arg(a);
            out << s;
        }
        return out.join("; ");
    }
    TColorLineTool* tool;
    int drags = 0;
    int ends = 0;
};

} // namespace

TEST(ColorLineTool, EachStyleStandsAtItsValue)
{
    LineChart l;
    l.tool->SetValue(30);
    const std::pair<TColorLineStyle, double> cases[] = {{clCustom, 30}, {clMaximum, 100}, {clCenter, 50}, {clMinimum, 0}};
    for (const auto& [style, value] : cases) {
        l.tool->SetStyle(style);
        EXPECT_EQ(l.tool->CalcValue(), value) << style;
    }
    RecordingToolChart::FixAxis(l.chart->BottomAxis(), 20, 60);
    l.tool->SetStyle(clCenter);
    EXPECT_EQ(l.tool->CalcValue(), 40);
    EXPECT_EQ(l.Part(false), "VertLine3D 250,0 250,400 z0");
}

TEST(ColorLineTool, BackAndFrontPartsIn3D)
{
    struct Case {
        bool vertical, draw3D, behind;
        QString back, front;
    };
    // At 30 across (x 150) or 25 up (y 300); the plot is (0, 0)-(500, 400), 30 pixels deep.
    const Case cases[] = {
        {false, true, false, "ZLine3D 150,400 z0 z30; VertLine3D 150,0 150,400 z30",
         "ZLine3D 150,0 z0 z30; VertLine3D 150,0 150,400 z0"},
        {false, false, false, "", "VertLine3D 150,0 150,400 z0"},
        {false, false, true, "VertLine3D 150,0 150,400 z30", ""},
        {false, true, true, "ZLine3D 150,400 z0 z30; VertLine3D 150,0 150,400 z30", "ZLine3D 150,0 z0 z30"},
        {true, true, false, "ZLine3D 0,300 z0 z30; HorizLine3D 0,300 500,300 z30",
         "ZLine3D 500,300 z0 z30; HorizLine3D 0,300 500,300 z0"},
        {true, false, true, "HorizLine3D 0,300 500,300 z30", ""},
    };
    for (const Case& c : cases) {
        LineChart l;
        l.chart->SetView3D(true);
        l.chart->SetDepth3DHoriz(30);
        l.tool->SetAxis(c.vertical ? l.chart->LeftAxis() : l.chart->BottomAxis());
        l.tool->SetValue(c.vertical ? 25 : 30);
        l.tool->SetDraw3D(c.draw3D);
        l.tool->SetDrawBehind(c.behind);
        EXPECT_EQ(l.Part(true), c.back) << c.vertical << c.draw3D << c.behind;
        EXPECT_EQ(l.Part(false), c.front) << c.vertical << c.draw3D << c.behind;
    }
}

TEST(ColorLineTool, GrabsWithinTwoPixelsAndDragsToTheAxisEndUnlessUnlimited)
{
    LineChart l;
    l.tool->SetStyle(clCenter); // x 250
    struct Grab {
        int x, y;
        bool grabbed;
    };
    for (const Grab& g : {Grab{252, 100, true}, Grab{248, 0, true}, Grab{253, 100, false}, Grab{250, 400, true},
                        Grab{250, 401, false}}) {
        l.tool->ChartMouseEvent(cmeDown, mbLeft, 0, g.x, g.y);
        EXPECT_EQ(l.tool->Dragging(), g.grabbed) << g.x << "," << g.y;
        EXPECT_EQ(l.chart->MouseCancelled(), g.grabbed);
        l.tool->ChartMouseEvent(cmeUp, mbLeft, 0, g.x, g.y);
    }
    EXPECT_EQ(l.ends, 3);
    EXPECT_EQ(l.tool->Style(), clCenter);

    l.tool->SetStyle(clMaximum); // x 500
    l.chart->Invalidations = 0;
    l.Down(500, 100);
    l.Move(400, 100);
    EXPECT_EQ(l.tool->Style(), clCustom);
    EXPECT_EQ(l.tool->Value(), 80);
    l.Move(700, 100);
    EXPECT_EQ(l.tool->Value(), 100);
    EXPECT_EQ(l.drags, 2);
    EXPECT_EQ(l.chart->Invalidations, 0); // exclusive-or while dragging
    l.Up(700, 100);
    EXPECT_EQ(l.chart->Invalidations, 1);
    EXPECT_EQ(l.ends, 4);

    l.tool->SetNoLimitDrag(true);
    l.Drag(500, 100, 700, 100);
    EXPECT_EQ(l.tool->Value(), 140);
}

TEST(ColorLineTool, DragRepaintRepaintsEveryMoveAndAHoverShowsTheSplitCursor)
{
    LineChart l;
    l.tool->SetValue(50);
    // Without DragRepaint a value set while dragging is only stored.
    l.tool->OnDragLine = [](TColorLineTool* t) { t->SetValue(t->Value() + 0.5); };
    l.chart->Invalidations = 0;
    l.Down(250, 100);
    l.Move(260, 100);
    EXPECT_EQ(l.tool->Value(), 52.5);
    EXPECT_EQ(l.chart->Invalidations, 0);
    l.Up(260, 100);
    l.tool->OnDragLine = nullptr;
    l.tool->SetValue(50);
    l.tool->SetDragRepaint(true);
    l.chart->Invalidations = 0;
    l.Down(250, 100);
    l.Move(260, 100);
    l.Move(270, 100);
    EXPECT_EQ(l.tool->Value(), 54);
    EXPECT_EQ(l.chart->Invalidations, 2);
    l.Up(270, 100);
    EXPECT_EQ(l.chart->Invalidations, 2);
    EXPECT_EQ(l.ends, 2);

    l.Move(271, 300);
    EXPECT_EQ(l.chart->Cursor(), crHSplit);
    l.tool->SetAxis(l.chart->LeftAxis());
    l.tool->SetValue(50); // y 200
    l.Move(10, 198);
    EXPECT_EQ(l.chart->Cursor(), crVSplit);
    EXPECT_TRUE(l.chart->MouseCancelled());
}

TEST(ColorLineTool, AValueOutsideTheAxisIsDrawnAtItsEndAndKept)
{
    LineChart l;
    l.tool->SetValue(150);
    EXPECT_EQ(l.Part(false), "VertLine3D 500,0 500,400 z0");
    EXPECT_EQ(l.tool->Value(), 150);
    l.tool->SetNoLimitDrag(true);
    EXPECT_EQ(l.Part(false), "VertLine3D 750,0 750,400 z0");
}

TEST(ColorLineTool, DraggingByExclusiveOrRestoresEveryPixelAndNeverRepaints)
{
    // Drawn along the depth or not: in 2D either way one flat line shows while dragging.
    for (bool draw3D : {true, false}) {
        PaintedToolChart p;
        auto* tool = new TColorLineTool(&p.owner);
        tool->SetAxis(p.chart->BottomAxis());
        tool->Pen()->SetColor(clRed);
        tool->SetValue(100);
        tool->SetDraw3D(draw3D);
        const QImage before = p.Paint().copy();
        const int x = p.X(100), y = p.chart->PlotCenterY();
        p.chart->MouseDown(mbLeft, 0, x, y);
        p.chart->MouseMove(0, x + 30, y);
        // Where it was, the background; where it went, the pen colour over the background.
        const unsigned back = ColorToRGB(p.chart->GetBackColor()) & 0xFFFFFFu;
        int clear = -1;
        for (int row = p.chart->PlotRect().Top + 1; row < p.chart->PlotRect().Bottom && clear < 0; ++row)
            if ((before.pixel(x + 30, row) & 0xFFFFFFu) == back)
                clear = row;
        ASSERT_GE(clear, 0);
        EXPECT_EQ(p.At(x + 30, clear), 0xFF0000u) << draw3D;
        EXPECT_EQ(p.At(x, clear), back) << draw3D;
        p.chart->MouseMove(0, x, y);
        EXPECT_EQ(p.Buffer(), before) << draw3D;
        EXPECT_FALSE(p.chart->NeedsPaint());
        p.chart->MouseUp(mbLeft, 0, x, y);
        EXPECT_TRUE(p.chart->NeedsPaint());
    }
}

TEST(ColorLineTool, StoredSettingsReadBackAndDamageLeavesStartValues)
{
    LineChart l;
    l.tool->SetValue(5);
    l.tool->SetStyle(clCenter);
    l.tool->SetAllowDrag(false);
    l.tool->SetDrawBehind(true);
    l.tool->SetDraw3D(false);
    l.tool->SetDragRepaint(true);
    l.tool->SetNoLimitDrag(true);
    l.tool->Pen()->SetWidth(3);
    const QString text = StoredTool(*l.chart, l.tool);
    EXPECT_EQ(text, "AxisID=0\nAllowDrag=False\nDragRepaint=True\nDraw3D=False\nDrawBehind=True\nNoLimitDrag=True\n"
                    "Pen.Width=3\nValue=5\nStyle=clCenter");
    RecordingToolChart m;
    TTeeCustomTool* back = ReadTool(*m.chart, "TColorLineTool", text);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(StoredTool(*m.chart, back), text);

    RecordingToolChart d;
    TTeeCustomTool* damaged =
        ReadTool(*d.chart, "TColorLineTool", "Style=clSideways\nValue=many\nDraw3D=2\nPen.Width=-2");
    ASSERT_NE(damaged, nullptr);
    EXPECT_EQ(StoredTool(*d.chart, damaged), "");
}
