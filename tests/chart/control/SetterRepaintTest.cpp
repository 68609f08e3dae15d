// Every setter of the chart's parts repaints its chart exactly once for a new value and not at
// all for the value it already holds, whichever object owns the field.

#include <gtest/gtest.h>

#include <functional>

#include "chart/components/BarSeries.h"
#include "chart/components/Chart.h"
#include "chart/components/ChartLegend.h"
#include "chart/components/CustomSeries.h"
#include "chart/components/PieSeries.h"
#include "chart/components/TeeTools.h"
#include "chart/core/Callout.h"
#include "chart/core/SeriesMarks.h"
#include "chart/core/SeriesPointer.h"

namespace {

class InvalidateCountingChart : public TChart
{
public:
    using TChart::TChart;
    void Invalidate() override
    {
        ++Invalidates;
        TChart::Invalidate();
    }
    int Invalidates = 0;
};

struct SetterCase {
    const char* name;
    std::function<void()> keep;   // sets the value the field holds
    std::function<void()> change; // sets another value
};

TEST(SetterRepaint, OneRepaintForANewValueNoneForTheSame)
{
    TComponent owner(nullptr);
    InvalidateCountingChart chart(&owner);
    auto* bar = new TBarSeries(&owner);
    auto* line = new TLineSeries(&owner);
    auto* pie = new TPieSeries(&owner);
    chart.AddSeries(bar);
    chart.AddSeries(line);
    chart.AddSeries(pie);
    TChartLegend* legend = chart.Legend();
    TChartTitle* title = chart.Title();
    TSeriesPointer* pointer = line->Pointer();
    TMarksCallout* callout = line->Marks()->Callout();
    TPieOtherSlice* other = pie->OtherSlice();
    auto* note = new TAnnotationTool(&owner);
    note->SetParentChart(&chart);
    auto* band = new TGridBandTool(&owner);
    band->SetAxis(chart.LeftAxis());
    auto* image = new TChartImageTool(&owner);
    image->SetParentChart(&chart);

    const SetterCase cases[] = {
        {"bar style", [&] { bar->SetBarStyle(bsRectangle); }, [&] { bar->SetBarStyle(bsPyramid); }},
        {"bar multi", [&] { bar->SetMultiBar(mbSide); }, [&] { bar->SetMultiBar(mbStacked); }},
        {"bar margins", [&] { bar->SetSideMargins(true); }, [&] { bar->SetSideMargins(false); }},
        {"bar depth", [&] { bar->SetDepth(-1); }, [&] { bar->SetDepth(7); }},
        {"bar gradient", [&] { bar->Gradient()->SetRelative(false); }, [&] { bar->Gradient()->SetRelative(true); }},
        {"line stacked", [&] { line->SetStacked(cssNone); }, [&] { line->SetStacked(cssStack); }},
        {"line axis", [&] { line->SetHorizAxis(aBottomAxis); }, [&] { line->SetHorizAxis(aTopAxis); }},
        {"pointer style", [&] { pointer->SetStyle(psRectangle); }, [&] { pointer->SetStyle(psCircle); }},
        {"pointer size", [&] { pointer->SetHorizSize(4); }, [&] { pointer->SetHorizSize(9); }},
        {"pointer 3D", [&] { pointer->SetDraw3D(true); }, [&] { pointer->SetDraw3D(false); }},
        {"pointer shown", [&] { pointer->SetVisible(false); }, [&] { pointer->SetVisible(true); }},
        {"callout distance", [&] { callout->SetDistance(0); }, [&] { callout->SetDistance(5); }},
        {"callout head", [&] { callout->SetArrowHead(ahNone); }, [&] { callout->SetArrowHead(ahSolid); }},
        {"callout length", [&] { callout->SetLength(8); }, [&] { callout->SetLength(11); }},
        {"other colour", [&] { other->SetColor(clDefault); }, [&] { other->SetColor(clRed); }},
        {"other style", [&] { other->SetStyle(poNone); }, [&] { other->SetStyle(poBelowValue); }},
        {"other text", [&] { other->SetText(QString()); }, [&] { other->SetText("rest"); }},
        {"other value", [&] { other->SetValue(0); }, [&] { other->SetValue(2.5); }},
        {"legend alignment", [&] { legend->SetAlignment(laRight); }, [&] { legend->SetAlignment(laTop); }},
        {"legend text", [&] { legend->SetTextStyle(ltsLeftValue); }, [&] { legend->SetTextStyle(ltsPercent); }},
        {"legend style", [&] { legend->SetLegendStyle(lsAuto); }, [&] { legend->SetLegendStyle(lsValues); }},
        {"legend margin", [&] { legend->SetHorizMargin(0); }, [&] { legend->SetHorizMargin(3); }},
        {"legend boxes", [&] { legend->SetCheckBoxes(false); }, [&] { legend->SetCheckBoxes(true); }},
        {"legend first", [&] { legend->SetFirstValue(0); }, [&] { legend->SetFirstValue(2); }},
        {"legend colour", [&] { legend->SetColor(clWhite); }, [&] { legend->SetColor(clAqua); }},
        {"symbol width", [&] { legend->Symbol()->SetWidth(20); }, [&] { legend->Symbol()->SetWidth(30); }},
        {"symbol squared", [&] { legend->Symbol()->SetSquared(false); }, [&] { legend->Symbol()->SetSquared(true); }},
        {"symbol place", [&] { legend->Symbol()->SetPosition(spLeft); }, [&] { legend->Symbol()->SetPosition(spRight); }},
        {"title alignment", [&] { title->SetAlignment(taCenter); }, [&] { title->SetAlignment(taLeftJustify); }},
        {"title frame", [&] { title->SetAdjustFrame(true); }, [&] { title->SetAdjustFrame(false); }},
        {"title custom", [&] { title->SetCustomPosition(false); }, [&] { title->SetCustomPosition(true); }},
        {"title clear", [&] { title->SetTransparent(true); }, [&] { title->SetTransparent(false); }},
        {"wall dark", [&] { chart.LeftWall()->SetDark3D(true); }, [&] { chart.LeftWall()->SetDark3D(false); }},
        {"wall size", [&] { chart.LeftWall()->SetSize(0); }, [&] { chart.LeftWall()->SetSize(6); }},
        {"wall hidden", [&] { chart.LeftWall()->SetVisible(true); }, [&] { chart.LeftWall()->SetVisible(false); }},
        {"note place", [&] { note->SetPosition(ppLeftTop); }, [&] { note->SetPosition(ppRightBottom); }},
        {"note text", [&] { note->SetText(QString()); }, [&] { note->SetText("note"); }},
        {"note alignment", [&] { note->SetTextAlignment(taLeftJustify); }, [&] { note->SetTextAlignment(taCenter); }},
        {"note target", [&] { note->Callout()->SetXPosition(0); }, [&] { note->Callout()->SetXPosition(30); }},
        {"band axis", [&] { band->SetAxis(chart.LeftAxis()); }, [&] { band->SetAxis(chart.BottomAxis()); }},
        {"band behind", [&] { band->Band1()->SetBackColor(clNone); }, [&] { band->Band1()->SetBackColor(clRed); }},
        {"band see-through", [&] { band->Band2()->SetTransparency(0); }, [&] { band->Band2()->SetTransparency(30); }},
        {"image series", [&] { image->SetSeries(nullptr); }, [&] { image->SetSeries(line); }},
    };
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = chart.Invalidates;
        c.keep();
        EXPECT_EQ(chart.Invalidates, before);
        c.change();
        EXPECT_EQ(chart.Invalidates, before + 1);
        c.change();
        EXPECT_EQ(chart.Invalidates, before + 1);
    }
    chart.FreeAllSeries();
}

} // namespace
