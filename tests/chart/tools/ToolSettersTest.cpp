// Every setter of the tools repaints the tool's chart exactly once for a new value and not at
// all for the value it already holds; settings that only steer the mouse included.

#include <gtest/gtest.h>

#include <functional>

#include "chart/components/TeeTools.h"
#include "chart/editors/TeeDragPoint.h"
#include "tests/chart/tools/DrawToolsChart.h"

namespace {

struct SetterCase {
    const char* name;
    std::function<void()> keep;   // sets the value the field holds
    std::function<void()> change; // sets another value
};

TEST(ToolSetters, OneRepaintForANewValueNoneForTheSame)
{
    RecordingToolChart d;
    TChart* chart = d.chart.get();
    TComponent& owner = d.owner;
    const auto onChart = [chart](TTeeCustomTool* tool) { tool->SetParentChart(chart); };
    auto* cursor = new TCursorTool(&owner);
    onChart(cursor);
    cursor->SetXValue(3);
    cursor->SetYValue(4);
    auto* arrows = new TAxisArrowTool(&owner);
    arrows->SetAxis(chart->LeftAxis());
    auto* band = new TColorBandTool(&owner);
    band->SetAxis(chart->BottomAxis());
    auto* line = new TColorLineTool(&owner);
    line->SetAxis(chart->BottomAxis());
    line->SetValue(5);
    auto* nearest = new TNearestTool(&owner);
    onChart(nearest);
    auto* draw = new TDrawLineTool(&owner);
    onChart(draw);
    auto* drawn = new TDrawLine(draw->Lines(), 1, 2, 3, 4);
    auto* rotate = new TRotateTool(&owner);
    onChart(rotate);
    auto* point = new TDragPointTool(&owner);
    onChart(point);
    auto* grow = new TSeriesAnimationTool(&owner);
    onChart(grow);
    auto* tips = new TMarksTipTool(&owner);
    onChart(tips);
    auto* note = new TAnnotationTool(&owner);
    onChart(note);

    const SetterCase cases[] = {
        {"cursor follows", [&] { cursor->SetFollowMouse(false); }, [&] { cursor->SetFollowMouse(true); }},
        {"cursor snaps", [&] { cursor->SetSnap(false); }, [&] { cursor->SetSnap(true); }},
        {"cursor style", [&] { cursor->SetStyle(cssBoth); }, [&] { cursor->SetStyle(cssVertical); }},
        {"cursor rect", [&] { cursor->SetUseChartRect(false); }, [&] { cursor->SetUseChartRect(true); }},
        {"cursor x", [&] { cursor->SetXValue(3); }, [&] { cursor->SetXValue(7); }},
        {"cursor y", [&] { cursor->SetYValue(4); }, [&] { cursor->SetYValue(-2); }},
        {"arrow length", [&] { arrows->SetLength(16); }, [&] { arrows->SetLength(9); }},
        {"arrow place", [&] { arrows->SetPosition(aaBoth); }, [&] { arrows->SetPosition(aaEnd); }},
        {"arrow inverted", [&] { arrows->SetScrollInverted(false); }, [&] { arrows->SetScrollInverted(true); }},
        {"arrow percent", [&] { arrows->SetScrollPercent(10); }, [&] { arrows->SetScrollPercent(25); }},
        {"band colour", [&] { band->SetColor(clWhite); }, [&] { band->SetColor(clRed); }},
        {"band behind", [&] { band->SetDrawBehind(true); }, [&] { band->SetDrawBehind(false); }},
        {"band start", [&] { band->SetStartValue(0); }, [&] { band->SetStartValue(10); }},
        {"band end", [&] { band->SetEndValue(0); }, [&] { band->SetEndValue(20); }},
        {"band see-through", [&] { band->SetTransparency(0); }, [&] { band->SetTransparency(40); }},
        {"line drags", [&] { line->SetAllowDrag(true); }, [&] { line->SetAllowDrag(false); }},
        {"line repaints", [&] { line->SetDragRepaint(false); }, [&] { line->SetDragRepaint(true); }},
        {"line 3D", [&] { line->SetDraw3D(true); }, [&] { line->SetDraw3D(false); }},
        {"line behind", [&] { line->SetDrawBehind(false); }, [&] { line->SetDrawBehind(true); }},
        {"line unlimited", [&] { line->SetNoLimitDrag(false); }, [&] { line->SetNoLimitDrag(true); }},
        {"line value", [&] { line->SetValue(5); }, [&] { line->SetValue(6); }},
        // A value equal to the one held still moves a line that stood by its style.
        {"line style", [&] { line->SetStyle(clCustom); }, [&] { line->SetStyle(clMaximum); }},
        {"line value, style", [&] { line->SetStyle(clMaximum); }, [&] { line->SetValue(6); }},
        {"nearest line", [&] { nearest->SetDrawLine(true); }, [&] { nearest->SetDrawLine(false); }},
        {"nearest repaints", [&] { nearest->SetFullRepaint(true); }, [&] { nearest->SetFullRepaint(false); }},
        {"nearest size", [&] { nearest->SetSize(20); }, [&] { nearest->SetSize(8); }},
        {"nearest style", [&] { nearest->SetStyle(hsCircle); }, [&] { nearest->SetStyle(hsDiamond); }},
        {"draw button", [&] { draw->SetButton(mbLeft); }, [&] { draw->SetButton(mbRight); }},
        {"draw draws", [&] { draw->SetEnableDraw(true); }, [&] { draw->SetEnableDraw(false); }},
        {"draw selects", [&] { draw->SetEnableSelect(true); }, [&] { draw->SetEnableSelect(false); }},
        {"drawn style", [&] { drawn->SetStyle(dlLine); }, [&] { drawn->SetStyle(dlVertParallel); }},
        {"drawn x0", [&] { drawn->SetX0(1); }, [&] { drawn->SetX0(-1); }},
        {"drawn y1", [&] { drawn->SetY1(4); }, [&] { drawn->SetY1(40); }},
        {"rotate button", [&] { rotate->SetButton(mbLeft); }, [&] { rotate->SetButton(mbMiddle); }},
        {"rotate inverted", [&] { rotate->SetInverted(false); }, [&] { rotate->SetInverted(true); }},
        {"rotate style", [&] { rotate->SetStyle(rsAll); }, [&] { rotate->SetStyle(rsElevation); }},
        {"point style", [&] { point->SetDragStyle(dsBoth); }, [&] { point->SetDragStyle(dsY); }},
        {"grow every", [&] { grow->SetDrawEvery(0); }, [&] { grow->SetDrawEvery(3); }},
        {"grow steps", [&] { grow->SetSteps(100); }, [&] { grow->SetSteps(7); }},
        {"grow start", [&] { grow->SetStartValue(0); }, [&] { grow->SetStartValue(2.5); }},
        {"grow from min", [&] { grow->SetStartAtMin(true); }, [&] { grow->SetStartAtMin(false); }},
        {"tip style", [&] { tips->SetStyle(smsLabel); }, [&] { tips->SetStyle(smsValue); }},
        {"note cursor", [&] { note->SetCursor(crDefault); }, [&] { note->SetCursor(crHandPoint); }},
    };
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = d.chart->Invalidations;
        c.keep();
        EXPECT_EQ(d.chart->Invalidations, before);
        c.change();
        EXPECT_EQ(d.chart->Invalidations, before + 1);
        c.change();
        EXPECT_EQ(d.chart->Invalidations, before + 1);
    }
}

} // namespace
