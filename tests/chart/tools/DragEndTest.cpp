// A drag ends however the tool stops taking part: switched off, taken off its chart, freed,
// or left without its series or axis. What the drag changed on the chart is put back, and a
// later move with no button held, followed by a release, moves nothing.

#include <gtest/gtest.h>

#include <functional>

#include "chart/components/DragPointTool.h"
#include "chart/components/TeeTools.h"
#include "chart/core/SeriesMarks.h"
#include "chart/core/View3DOptions.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

class DragChart : public ToolChart
{
public:
    int X(double v) const { return chart->BottomAxis()->CalcPosValue(v); }
    int Y(double v) const { return chart->LeftAxis()->CalcPosValue(v); }
    void Down(int x, int y) { chart->MouseDown(mbLeft, ssLeft, x, y); }
    void Held(int x, int y) { chart->MouseMove(ssLeft, x, y); }
    template <class T> T* Add(T* tool)
    {
        tool->SetParentChart(chart);
        return tool;
    }
    QString Values() const
    {
        QStringList out;
        for (int i = 0; i < series->Count(); ++i)
            out << QString("%1,%2").arg(series->XValue(i)).arg(series->YValue(i));
        return out.join(' ');
    }
};

struct DragCase {
    const char* name;
    // Makes the tool and starts a drag with the left button held.
    std::function<TTeeCustomTool*(DragChart&)> start;
    // Ends the drag otherwise than by a release and lets the tool take the mouse again;
    // gives the tool back, or null when it was freed.
    std::function<TTeeCustomTool*(DragChart&, TTeeCustomTool*)> end;
    std::function<bool(TTeeCustomTool*)> dragging;
    // What a stale drag would move.
    std::function<QString(DragChart&, TTeeCustomTool*)> state;
    // The drag drew into the back buffer: its end asks for a repaint.
    bool wipes;
};

TTeeCustomTool* OffAndOn(DragChart&, TTeeCustomTool* tool)
{
    tool->SetActive(false);
    tool->SetActive(true);
    return tool;
}

TCursorTool* Cursor(DragChart& d, bool onSeries)
{
    auto* tool = d.Add(new TCursorTool(&d.owner));
    tool->SetSeries(onSeries ? d.series : nullptr);
    d.Paint(); // places it in the middle
    d.Down(tool->XPixel(), tool->YPixel());
    d.Held(tool->XPixel() + 20, tool->YPixel() + 20);
    return tool;
}

TColorLineTool* ColorLine(DragChart& d, TChartAxis* axis)
{
    auto* tool = new TColorLineTool(&d.owner);
    tool->SetAxis(axis);
    tool->SetValue(5);
    d.Down(axis->CalcPosValue(5), d.Y(50));
    d.Held(axis->CalcPosValue(6), d.Y(50));
    return tool;
}

TRotateTool* Rotate(DragChart& d)
{
    auto* tool = d.Add(new TRotateTool(&d.owner));
    tool->Pen()->SetVisible(true);
    d.Down(100, 100);
    d.Held(140, 110);
    d.Held(150, 120);
    EXPECT_FALSE(d.chart->RepaintEnabled());
    return tool;
}

TDrawLineTool* DrawLine(DragChart& d, bool onLine)
{
    auto* tool = d.Add(new TDrawLineTool(&d.owner));
    tool->SetSeries(d.series);
    if (onLine)
        new TDrawLine(tool->Lines(), 5, 70, 8, 70);
    d.Down(d.X(6.5), d.Y(70));
    d.Held(d.X(7), d.Y(80));
    return tool;
}

TDragMarksTool* DragMarks(DragChart& d)
{
    auto* tool = d.Add(new TDragMarksTool(&d.owner));
    tool->SetSeries(d.series);
    d.series->Marks()->SetVisible(true);
    TSeriesMarkPosition* p = d.series->Marks()->Positions().Ensure(0);
    p->BoxLeftTop = TPoint(300, 100);
    p->BoxWidth = 40;
    p->BoxHeight = 20;
    d.Down(310, 110);
    d.Held(320, 115);
    return tool;
}

TDragPointTool* DragPoint(DragChart& d)
{
    auto* tool = d.Add(new TDragPointTool(&d.owner));
    tool->SetSeries(d.series);
    d.Down(d.At(2).X, d.At(2).Y);
    d.Held(d.X(6), d.Y(70));
    return tool;
}

QString CursorState(DragChart&, TTeeCustomTool* t)
{
    auto* c = static_cast<TCursorTool*>(t);
    return QString("%1 %2").arg(c->XValue()).arg(c->YValue());
}

QString LineState(DragChart&, TTeeCustomTool* t)
{
    QStringList out;
    TDrawLines* lines = static_cast<TDrawLineTool*>(t)->Lines();
    for (int i = 0; i < lines->Count(); ++i) {
        const TDrawLine* l = lines->Get(i);
        out << QString("%1,%2-%3,%4").arg(l->X0()).arg(l->Y0()).arg(l->X1()).arg(l->Y1());
    }
    return out.join(' ');
}

QString Angles(DragChart& d, TTeeCustomTool*)
{
    return QString("%1 %2").arg(d.chart->View3DOptions()->Rotation()).arg(d.chart->View3DOptions()->Elevation());
}

const DragCase kCases[] = {
    {"cursor switched off", [](DragChart& d) { return Cursor(d, false); }, OffAndOn,
     [](TTeeCustomTool* t) { return static_cast<TCursorTool*>(t)->Dragging() != ccNone; }, CursorState, false},
    {"cursor losing its series", [](DragChart& d) { return Cursor(d, true); },
     [](DragChart& d, TTeeCustomTool* t) {
         d.series->Free();
         return t;
     },
     [](TTeeCustomTool* t) { return static_cast<TCursorTool*>(t)->Dragging() != ccNone; }, CursorState, false},
    {"colour line switched off", [](DragChart& d) { return ColorLine(d, d.chart->BottomAxis()); }, OffAndOn,
     [](TTeeCustomTool* t) { return static_cast<TColorLineTool*>(t)->Dragging(); },
     [](DragChart&, TTeeCustomTool* t) { return QString::number(static_cast<TColorLineTool*>(t)->Value()); }, true},
    {"colour line with dragging switched off", [](DragChart& d) { return ColorLine(d, d.chart->BottomAxis()); },
     [](DragChart&, TTeeCustomTool* t) {
         static_cast<TColorLineTool*>(t)->SetAllowDrag(false);
         static_cast<TColorLineTool*>(t)->SetAllowDrag(true);
         return t;
     },
     [](TTeeCustomTool* t) { return static_cast<TColorLineTool*>(t)->Dragging(); },
     [](DragChart&, TTeeCustomTool* t) { return QString::number(static_cast<TColorLineTool*>(t)->Value()); }, true},
    {"colour line losing its axis",
     [](DragChart& d) {
         auto* custom = new TChartAxis(d.chart->CustomAxes());
         custom->SetHorizontal(true);
         custom->SetMinMax(0, 10);
         custom->AdjustMaxMin();
         custom->InternalCalcPositions();
         return ColorLine(d, custom);
     },
     [](DragChart& d, TTeeCustomTool* t) {
         auto* tool = static_cast<TColorLineTool*>(t);
         delete tool->Axis();
         // Over before anything else happens: a new axis would end the drag by itself.
         EXPECT_FALSE(tool->Dragging());
         tool->SetAxis(d.chart->BottomAxis());
         return t;
     },
     [](TTeeCustomTool* t) { return static_cast<TColorLineTool*>(t)->Dragging(); },
     [](DragChart&, TTeeCustomTool* t) { return QString::number(static_cast<TColorLineTool*>(t)->Value()); }, true},
    {"rotate switched off", [](DragChart& d) { return Rotate(d); }, OffAndOn, nullptr, Angles, true},
    {"rotate taken off its chart", [](DragChart& d) { return Rotate(d); },
     [](DragChart& d, TTeeCustomTool* t) {
         t->SetParentChart(nullptr);
         t->SetParentChart(d.chart);
         return t;
     },
     nullptr, Angles, true},
    {"rotate freed", [](DragChart& d) { return Rotate(d); },
     [](DragChart&, TTeeCustomTool* t) -> TTeeCustomTool* {
         t->Free();
         return nullptr;
     },
     nullptr, Angles, true},
    {"draw line drawing, switched off", [](DragChart& d) { return DrawLine(d, false); }, OffAndOn,
     [](TTeeCustomTool* t) { return static_cast<TDrawLineTool*>(t)->Drawing(); }, LineState, true},
    {"draw line dragging, losing its series", [](DragChart& d) { return DrawLine(d, true); },
     [](DragChart& d, TTeeCustomTool* t) {
         d.series->Free();
         return t;
     },
     [](TTeeCustomTool* t) { return static_cast<TDrawLineTool*>(t)->DragMode() != dmNone; }, LineState, true},
    {"drag marks switched off", [](DragChart& d) { return DragMarks(d); }, OffAndOn,
     [](TTeeCustomTool* t) { return static_cast<TDragMarksTool*>(t)->Dragging(); },
     [](DragChart& d, TTeeCustomTool*) {
         const TPoint p = d.series->Marks()->Positions().Get(0)->BoxLeftTop;
         return QString("%1,%2").arg(p.X).arg(p.Y);
     },
     false},
    {"drag marks losing its series", [](DragChart& d) { return DragMarks(d); },
     [](DragChart&, TTeeCustomTool* t) {
         static_cast<TDragMarksTool*>(t)->SetSeries(nullptr);
         return t;
     },
     [](TTeeCustomTool* t) { return static_cast<TDragMarksTool*>(t)->Dragging(); },
     [](DragChart& d, TTeeCustomTool*) {
         const TPoint p = d.series->Marks()->Positions().Get(0)->BoxLeftTop;
         return QString("%1,%2").arg(p.X).arg(p.Y);
     },
     false},
    {"drag point switched off", [](DragChart& d) { return DragPoint(d); }, OffAndOn,
     [](TTeeCustomTool* t) { return static_cast<TDragPointTool*>(t)->DraggedIndex() != -1; },
     [](DragChart& d, TTeeCustomTool*) { return d.Values(); }, false},
    {"drag point losing its series", [](DragChart& d) { return DragPoint(d); },
     [](DragChart& d, TTeeCustomTool* t) {
         auto* tool = static_cast<TDragPointTool*>(t);
         tool->SetSeries(nullptr);
         tool->SetSeries(d.series);
         return t;
     },
     [](TTeeCustomTool* t) { return static_cast<TDragPointTool*>(t)->DraggedIndex() != -1; },
     [](DragChart& d, TTeeCustomTool*) { return d.Values(); }, false},
};

} // namespace

TEST(ToolDrags, EndWhenTheToolIsSwitchedOffFreedOrLosesItsChartSeriesOrAxis)
{
    for (const DragCase& c : kCases) {
        SCOPED_TRACE(c.name);
        DragChart d;
        TTeeCustomTool* tool = c.start(d);
        ASSERT_TRUE(!c.dragging || c.dragging(tool));
        const QString during = c.state(d, tool);
        tool = c.end(d, tool);
        EXPECT_FALSE(tool && c.dragging && c.dragging(tool));
        EXPECT_TRUE(d.chart->RepaintEnabled());
        EXPECT_TRUE(!c.wipes || d.chart->NeedsPaint());
        // The button was released while the tool took no part; the mouse moves on.
        d.chart->MouseMove(0, 450, 300);
        d.chart->MouseUp(mbLeft, 0, 450, 300);
        EXPECT_EQ(c.state(d, tool).toStdString(), during.toStdString());
    }
}

TEST(ToolDrags, AChartFreedDuringAWireBoxDragTakesTheToolWithIt)
{
    DragChart d;
    Rotate(d);
    ASSERT_EQ(d.owner.ComponentCount(), 3);
    // The chart frees its series and its tool, which must not reach back into it afterwards.
    d.chart->Free();
    EXPECT_EQ(d.owner.ComponentCount(), 0);
}
