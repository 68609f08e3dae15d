#include <gtest/gtest.h>

#include "SeriesTestChart.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ColorPalette.h"

namespace {

TEST(AxisPanelSeries, AddingTwiceAddsAndBroadcastsOnce)
{
    TTestChart chart;
    auto* s = new TChartSeries(&chart);
    chart.AddSeries(s);
    chart.AddSeries(s);
    chart.InternalAddSeries(s);
    EXPECT_EQ(chart.SeriesCount(), 1);
    EXPECT_EQ(chart.Events.count({s, seAdd}), 1);
    // A series without a colour of its own takes the first free palette colour.
    EXPECT_EQ(s->SeriesColor(), clRed);
    auto* t = new TChartSeries(&chart);
    chart.AddSeries(t);
    EXPECT_EQ(t->SeriesColor(), clGreen);
    auto* own = new TChartSeries(&chart);
    own->SetSeriesColor(clRed);
    chart.AddSeries(own);
    EXPECT_EQ(own->SeriesColor(), clRed);

    chart.RemoveSeries(s);
    EXPECT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(s->ParentChart(), nullptr);
    EXPECT_EQ(chart.Events.last(), std::make_pair(static_cast<TCustomChartSeries*>(s), seRemove));
    const int events = chart.Events.size();
    chart.RemoveSeries(s);
    EXPECT_EQ(chart.Events.size(), events);
}

TEST(AxisPanelSeries, ExchangeAndFreeAll)
{
    TTestChart owner;
    TTestChart chart(&owner);
    auto* a = new TChartSeries(&owner);
    auto* b = new TChartSeries(&owner);
    chart.AddSeries(a);
    chart.AddSeries(b);
    const int ia = a->ComponentIndex();
    const int ib = b->ComponentIndex();
    chart.ExchangeSeries(0, 1);
    EXPECT_EQ(chart.Series(0), b);
    EXPECT_EQ(a->ComponentIndex(), ib);
    EXPECT_EQ(b->ComponentIndex(), ia);
    EXPECT_EQ(chart.Events.last(), std::make_pair(static_cast<TCustomChartSeries*>(nullptr), seSwap));
    chart.FreeAllSeries();
    EXPECT_EQ(chart.SeriesCount(), 0);
    EXPECT_EQ(owner.ComponentCount(), 1); // only the chart is left
}

TEST(AxisPanelSeries, PagingCountsPagesAndClampsThePage)
{
    TTestChart chart;
    auto* s = new TChartSeries(&chart);
    chart.AddSeries(s);
    for (int i = 0; i < 25; ++i)
        s->Add(i);
    EXPECT_EQ(chart.NumPages(), 1);
    try {
        chart.SetMaxPointsPerPage(-1);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), "MaxPointsPerPage must be >= 0");
    }
    EXPECT_EQ(chart.MaxPointsPerPage(), 0);
    int changes = 0;
    chart.OnPageChange = [&](TObject*) { ++changes; };
    chart.SetMaxPointsPerPage(10);
    EXPECT_EQ(chart.PageEvents, 1);
    EXPECT_EQ(chart.NumPages(), 3);
    chart.SetPage(99);
    EXPECT_EQ(chart.Page(), 3);
    chart.SetPage(0);
    EXPECT_EQ(chart.Page(), 1);
    chart.SetPage(1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(chart.PageEvents, 3);
    chart.SetPage(3);
    chart.SetMaxPointsPerPage(25);
    EXPECT_EQ(chart.Page(), 1);
    // Points on the top axis count for the horizontal side too; inactive series do not.
    auto* top = new TChartSeries(&chart);
    top->SetHorizAxis(aTopAxis);
    chart.AddSeries(top);
    for (int i = 0; i < 60; ++i)
        top->Add(i);
    EXPECT_EQ(chart.NumPages(), 3);
    top->SetActive(false);
    EXPECT_EQ(chart.NumPages(), 1);
}

TEST(AxisPanelSeries, LegendLookups)
{
    TTestChart chart;
    auto* a = new TChartSeries(&chart);
    auto* b = new TChartSeries(&chart);
    auto* c = new TChartSeries(&chart);
    for (TChartSeries* s : {a, b, c})
        chart.AddSeries(s);
    a->SetShowInLegend(false);
    b->SetActive(false);
    EXPECT_EQ(chart.SeriesLegend(0, false), b);
    EXPECT_EQ(chart.SeriesLegend(0, true), c);
    EXPECT_EQ(chart.ActiveSeriesLegend(1), nullptr);
    EXPECT_EQ(chart.SeriesTitleLegend(1, false), "Series3");
    EXPECT_EQ(chart.SeriesTitleLegend(5, false), "");
    EXPECT_EQ(chart.CountActiveSeries(), 2);
    c->Add(1);
    c->Add(2);
    b->Add(1);
    b->Add(2);
    b->Add(3);
    EXPECT_EQ(chart.GetMaxValuesCount(), 2);
}

TEST(AxisPanelSeries, ToolsJoinAndLeaveTheChart)
{
    TTestChart chart;
    auto* tool = new TTeeCustomToolSeries(&chart);
    chart.Tools()->Add(tool);
    EXPECT_EQ(chart.Tools()->Count(), 1);
    chart.Tools()->Add(tool); // moves to the end, no duplicate
    EXPECT_EQ(chart.Tools()->Count(), 1);
    auto* s = new TChartSeries(&chart);
    tool->SetSeries(s);
    s->Free();
    EXPECT_EQ(tool->Series(), nullptr);
    const int before = chart.Invalidates;
    tool->SetParentChart(nullptr);
    EXPECT_EQ(chart.Tools()->Count(), 0);
    EXPECT_EQ(chart.Invalidates, before + 1);
    chart.Tools()->Add(tool);
    chart.Tools()->Clear();
    EXPECT_EQ(chart.Tools()->Count(), 0);
}

} // namespace

namespace {

TEST(AxisPanelSeries, StoredSettingsAndAssign)
{
    TTestChart chart;
    const QString defaults = TeeWriteProperties(chart);
    EXPECT_FALSE(defaults.contains("AxisBehind"));
    EXPECT_FALSE(defaults.contains("MaxPointsPerPage"));
    EXPECT_FALSE(defaults.contains("Page="));
    chart.SetAxisBehind(false);
    chart.SetClipPoints(false);
    chart.SetMaxPointsPerPage(10);
    chart.SetScaleLastPage(false);
    TTestChart read;
    TeeReadProperties(read, TeeWriteProperties(chart));
    EXPECT_FALSE(read.AxisBehind());
    EXPECT_FALSE(read.ClipPoints());
    EXPECT_EQ(read.MaxPointsPerPage(), 10);
    EXPECT_FALSE(read.ScaleLastPage());
    EXPECT_TRUE(read.AxisVisible());
    // The setters decide: a negative page size is refused, a page below the first is the first.
    TeeReadProperties(read, "MaxPointsPerPage=-4\nPage=0");
    EXPECT_EQ(read.MaxPointsPerPage(), 10);
    EXPECT_EQ(read.Page(), 1);

    TTestChart copy;
    auto* s = new TChartSeries(&chart);
    chart.AddSeries(s);
    copy.Assign(&chart);
    EXPECT_FALSE(copy.AxisBehind());
    EXPECT_EQ(copy.MaxPointsPerPage(), 10);
    EXPECT_EQ(copy.SeriesCount(), 0);
}

} // namespace

namespace {

TEST(AxisPanelSeries, ToolAxesFromSeriesOrChart)
{
    TTestChart chart;
    auto* tool = new TTeeCustomToolSeries(&chart);
    chart.Tools()->Add(tool);
    auto* s = new TChartSeries(&chart);
    chart.AddSeries(s);
    s->SetHorizAxis(aTopAxis);
    s->SetVertAxis(aRightAxis);
    tool->SetSeries(s);
    EXPECT_EQ(tool->GetHorizAxis(), chart.TopAxis());
    EXPECT_EQ(tool->GetVertAxis(), chart.RightAxis());
    s->Free();
    EXPECT_EQ(tool->GetHorizAxis(), chart.BottomAxis());
    EXPECT_EQ(tool->GetVertAxis(), chart.LeftAxis());
}

TEST(AxisPanelSeries, AxisToolStoresItsAxisByPlace)
{
    TTestChart chart;
    auto* tool = new TTeeCustomToolAxis(&chart);
    EXPECT_EQ(TeeWriteProperties(*tool), QString());
    tool->SetAxis(chart.LeftAxis());
    EXPECT_EQ(tool->ParentChart(), &chart);
    EXPECT_EQ(TeeWriteProperties(*tool), "AxisID=2");
    auto* read = new TTeeCustomToolAxis(&chart);
    chart.Tools()->Add(read);
    TeeReadProperties(*read, "AxisID=3");
    EXPECT_EQ(read->Axis(), chart.RightAxis());
    TeeReadProperties(*read, "AxisID=99");
    EXPECT_EQ(read->Axis(), chart.RightAxis());
    tool->SetAxis(nullptr);
    EXPECT_EQ(tool->ParentChart(), nullptr);
}

TEST(AxisPanelSeries, SeriesCustomAxesByPlace)
{
    TTestChart chart;
    chart.CustomAxes()->Add();
    auto* second = static_cast<TChartAxis*>(chart.CustomAxes()->Add());
    second->SetHorizontal(true);
    auto* s = new TChartSeries(&chart);
    chart.AddSeries(s);
    s->SetCustomHorizAxis(second);
    EXPECT_EQ(s->HorizAxis(), aCustomHorizAxis);
    EXPECT_EQ(s->GetHorizAxis(), second);
    EXPECT_TRUE(s->AssociatedToAxis(second));
    EXPECT_FALSE(s->AssociatedToAxis(chart.BottomAxis()));
    const QString text = TeeWriteProperties(*s);
    EXPECT_TRUE(text.contains("CustomHorizAxis=1"));
    EXPECT_FALSE(text.contains("CustomVertAxis"));
    auto* read = new TChartSeries(&chart);
    chart.AddSeries(read);
    TeeReadProperties(*read, text);
    EXPECT_EQ(read->CustomHorizAxis(), second);
    EXPECT_EQ(read->GetHorizAxis(), second);
    s->SetHorizAxis(aBottomAxis);
    EXPECT_EQ(s->CustomHorizAxis(), nullptr);
    EXPECT_EQ(s->GetHorizAxis(), chart.BottomAxis());
    s->SetHorizAxis(aBothHorizAxis);
    EXPECT_TRUE(s->AssociatedToAxis(second));
    EXPECT_TRUE(s->AssociatedToAxis(chart.TopAxis()));
    EXPECT_FALSE(s->AssociatedToAxis(chart.RightAxis()));
}

} // namespace

namespace {

// Points are hit within 2 pixels of (10 * index, 0).
class THitSeries : public TChartSeries
{
public:
    using TChartSeries::TChartSeries;
    int Clicked(int x, int y) override
    {
        for (int i = 0; i < Count(); ++i) {
            if (std::abs(x - 10 * i) <= 2 && std::abs(y) <= 2)
                return i;
        }
        return -1;
    }
};

TEST(AxisPanelSeries, MouseEntersAndLeavesSeries)
{
    TTestChart chart;
    auto* below = new THitSeries(&chart);
    auto* above = new THitSeries(&chart);
    chart.AddSeries(below);
    chart.AddSeries(above);
    below->Add(1);
    below->Add(2);
    above->Add(1);
    EXPECT_FALSE(chart.CheckMouseSeries(10, 0)); // nobody listens and no cursor
    QStringList log;
    below->OnMouseEnter = [&](TObject*) { log << "enter below"; };
    below->OnMouseLeave = [&](TObject*) { log << "leave below"; };
    above->SetCursor(5);
    EXPECT_TRUE(chart.CheckMouseSeries(10, 0)); // only the lower series has point 1
    EXPECT_TRUE(chart.CheckMouseSeries(11, 1));
    EXPECT_TRUE(chart.CheckMouseSeries(0, 0)); // the upper series takes it first
    EXPECT_EQ(chart.Cursor(), 5);
    EXPECT_EQ(log, (QStringList{"enter below"})); // still inside: no second enter
    EXPECT_FALSE(chart.CheckMouseSeries(50, 50));
    EXPECT_EQ(log, (QStringList{"enter below", "leave below"}));
    EXPECT_FALSE(below->CheckMouse(50, 50));
    EXPECT_EQ(log.size(), 2);
    above->SetActive(false);
    EXPECT_TRUE(chart.CheckMouseSeries(0, 0));
    EXPECT_EQ(log.last(), "enter below");
}

} // namespace

namespace {

TEST(AxisPanelSeries, StreamedChildrenAreTheSeriesButInternalOnes)
{
    TTestChart chart;
    auto* a = new TChartSeries(&chart);
    auto* hidden = new TChartSeries(&chart);
    auto* b = new TChartSeries(&chart);
    chart.AddSeries(a);
    chart.AddSeries(hidden);
    chart.AddSeries(b);
    hidden->SetInternalUse(true);
    std::vector<TComponent*> children;
    chart.GetChildren([&](TComponent* c) { children.push_back(c); }, &chart);
    EXPECT_EQ(children, (std::vector<TComponent*>{a, b}));
}

} // namespace
