// Mark texts, percentages and legend strings of every style; legend symbols; paging ranges.
#include <gtest/gtest.h>

#include "FrameTestChart.h"
#include "chart/core/ChartException.h"

namespace {

const QString C(TeeColumnSeparator);
const QString L(TeeLineSeparator);

// Four points of value 1 (total 4); the first one labelled "a".
void FillFour(TChartSeries& s)
{
    s.AddXY(10, 1, "a");
    s.AddXY(20, 1);
    s.AddXY(30, -1);
    s.AddXY(40, 1);
}

} // namespace

TEST(SeriesTexts, MarkTextOfEveryStyle)
{
    TChartSeries s(nullptr);
    FillFour(s);
    TSeriesMarks* m = s.Marks();
    const std::vector<std::pair<TSeriesMarksStyle, QStringList>> expected{
        {smsValue, {"1", "1"}},
        {smsPercent, {"25 %", "25 %"}},
        {smsLabel, {"a", "1"}},
        {smsLabelPercent, {"a 25 %", "1 25 %"}},
        {smsLabelValue, {"a 1", "1 1"}},
        {smsPercentTotal, {"25 % of 4", "25 % of 4"}},
        {smsLabelPercentTotal, {"a 25 % of 4", "1 25 % of 4"}},
        {smsXValue, {"10", "20"}},
        {smsXY, {"10 1", "20 1"}},
    };
    for (const auto& [style, texts] : expected) {
        m->SetStyle(style);
        EXPECT_EQ(s.GetMarkText(0), texts[0]) << style;
        EXPECT_EQ(s.GetMarkText(1), texts[1]) << style;
    }
    // The negative value counts by its size.
    m->SetStyle(smsPercent);
    EXPECT_EQ(s.GetMarkText(2), "25 %");
    m->SetMultiLine(true);
    m->SetStyle(smsLabelPercentTotal);
    EXPECT_EQ(s.GetMarkText(0), "a" + L + "25 %" + L + "of 4");
    EXPECT_EQ(s.MarkPercent(1, true), "25 %" + L + "of 4");
    s.OnGetMarkText = [](TChartSeries*, int index, QString& text) { text = "#" + QString::number(index) + text; };
    m->SetStyle(smsValue);
    EXPECT_EQ(s.GetMarkText(3), "#31");
}

TEST(SeriesTexts, AllZeroValuesGiveAHundredPercent)
{
    TChartSeries s(nullptr);
    s.Add(0);
    s.Add(0);
    EXPECT_EQ(s.MarkPercent(1, false), "100 %");
    EXPECT_EQ(s.MarkPercent(0, true), "100 % of 0");
}

TEST(SeriesTexts, LegendStringsOfEveryStyleAddTheColumnOnlyBesideALabel)
{
    TChartSeries s(nullptr);
    FillFour(s);
    s.SetValueFormat("0.0");
    const std::vector<std::pair<TLegendTextStyle, QStringList>> expected{
        {ltsPlain, {"a", ""}},
        {ltsLeftValue, {"1.0" + C + "a", "1.0"}},
        {ltsRightValue, {"a" + C + "1.0", "1.0"}},
        {ltsLeftPercent, {"25 %" + C + "a", "25 %"}},
        {ltsRightPercent, {"a" + C + "25 %", "25 %"}},
        {ltsXValue, {"10.0", "20.0"}},
        {ltsValue, {"1.0", "1.0"}},
        {ltsPercent, {"25 %", "25 %"}},
        {ltsXAndValue, {"10.0" + C + "1.0", "20.0" + C + "1.0"}},
        {ltsXAndPercent, {"10.0" + C + "25 %", "20.0" + C + "25 %"}},
    };
    for (const auto& [style, texts] : expected) {
        EXPECT_EQ(s.LegendString(0, style), texts[0]) << style;
        EXPECT_EQ(s.LegendString(1, style), texts[1]) << style;
    }
    // The legend's percentage keeps the sign of the value.
    EXPECT_EQ(s.LegendString(2, ltsPercent), "-25 %");
    EXPECT_EQ(s.CountLegendItems(), 4);
}

TEST(SeriesTexts, ALegendSymbolInTheLegendColourIsOutlinedWhiteOnBlack)
{
    TFrameChart chart;
    chart.SetView3D(false);
    auto* s = new TChartSeries(&chart);
    s->SetParentChart(&chart);
    s->AddXY(0, 1, "", clBlack);
    s->AddXY(1, 1, "", clRed);
    s->AddXY(2, 1, "", clNone);
    chart.PaintFrame();
    chart.SetLegendBackColor(clBlack);
    chart.canvas->Clear();
    s->DrawLegend(0, TRect(10, 10, 20, 20));
    auto top = chart.canvas->TopLevel();
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0]->BrushColor, clBlack);
    EXPECT_EQ(top[1]->Points, (std::vector<TPoint>{{10, 10}, {20, 20}}));
    EXPECT_EQ(top[1]->PenColor, clWhite);
    EXPECT_EQ(top[1]->BrushStyle, bsClear);
    chart.canvas->Clear();
    s->DrawLegend(1, TRect(10, 10, 20, 20));
    ASSERT_EQ(chart.canvas->TopLevel().size(), 1u);
    EXPECT_EQ(chart.canvas->TopLevel()[0]->BrushColor, clRed);
    chart.canvas->Clear();
    s->DrawLegend(2, TRect(10, 10, 20, 20));
    EXPECT_TRUE(chart.canvas->TopLevel().empty());
    s->SetColorEachPoint(true);
    s->DrawLegend(-1, TRect(10, 10, 20, 20));
    EXPECT_TRUE(chart.canvas->TopLevel().empty());
    EXPECT_TRUE(chart.RepaintEnabled());
}

TEST(Paging, ThePageOfPointsSetsTheRangeAndAShortLastPageKeepsTheScale)
{
    TFrameChart chart;
    auto* s = new TChartSeries(&chart);
    s->SetParentChart(&chart);
    for (int i = 0; i < 25; ++i)
        s->AddXY(i, 100 + i);
    chart.SetMaxPointsPerPage(10);
    EXPECT_EQ(chart.NumPages(), 3);
    chart.SetPage(2);
    EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), 10);
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 19);
    chart.SetPage(3);
    EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), 20);
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 24);
    chart.SetScaleLastPage(false);
    // 5 points shown of 10: the axis reaches where a full page at that spacing would end.
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 29);
    // The other axis takes the values of the points on the page.
    EXPECT_EQ(chart.MinYValue(chart.LeftAxis()), 100);
    chart.SetPage(0);
    EXPECT_EQ(chart.Page(), 1);
    chart.SetPage(99);
    EXPECT_EQ(chart.Page(), 3);
    EXPECT_THROW(chart.SetMaxPointsPerPage(-1), ChartException);
    EXPECT_EQ(chart.MaxPointsPerPage(), 10);
    chart.SetMaxPointsPerPage(0);
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 24);
}

TEST(Paging, AxisRangesComeFromTheSeriesOnTheAxisInactiveOnesWhenNoneIsActive)
{
    TFrameChart chart;
    EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), 0);
    EXPECT_EQ(chart.MaxYValue(chart.LeftAxis()), 0);
    auto* a = new TChartSeries(&chart);
    a->SetParentChart(&chart);
    a->AddXY(-3, 7);
    a->AddXY(5, 9);
    auto* right = new TChartSeries(&chart);
    right->SetParentChart(&chart);
    right->SetVertAxis(aRightAxis);
    right->AddXY(50, 1000);
    EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), -3);
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 50);
    EXPECT_EQ(chart.MaxYValue(chart.LeftAxis()), 9);
    EXPECT_EQ(chart.MaxYValue(chart.RightAxis()), 1000);
    a->SetActive(false);
    right->SetActive(false);
    EXPECT_EQ(chart.MaxYValue(chart.LeftAxis()), 9);
    EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), -3);
    // The depth axis spans the series slots.
    EXPECT_EQ(chart.MinXValue(chart.DepthAxis()), -0.5);
}
