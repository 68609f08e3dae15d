// Legend layouts: rows and columns, margins, check boxes, text columns, computed style.

#include <gtest/gtest.h>

#include "chart/core/TeeEngineSettings.h"
#include "tests/chart/control/ChartFixture.h"

TEST(ChartLegend, BottomLegendOfTwentyFiveSeriesInTwoColumnsShowsTwenty)
{
    ChartFixture f(TRect(0, 0, 120, 400));
    for (int i = 0; i < 25; ++i)
        f.AddSeries(QString("S%1").arg(i, 2, 10, QChar('0')));
    TChartLegend* legend = f.chart->Legend();
    legend->SetAlignment(laBottom);
    legend->DrawLegend();
    // Texts 18 wide, two spaces: 29; symbol 20 % of that: 6; an item 43; (120 - 2 - 8) / 43.
    EXPECT_EQ(legend->Columns(), 2);
    EXPECT_EQ(legend->Rows(), 10);
    EXPECT_EQ(legend->LastValue(), 19);
    EXPECT_EQ(f.canvas->Count("TextOut"), 20);
    // Ten rows of 12 plus 2, standing on the chart bottom less frame and shadow.
    const int bottom = 400 - f.chart->Shadow()->VertSize() - 1 - 1;
    EXPECT_EQ(legend->ShapeRect.Bottom, bottom);
    EXPECT_EQ(legend->ShapeRect.Top, bottom - 122);
    // The chart ends at the legend top, less 4 % of what is left.
    const int top = legend->ShapeRect.Top;
    EXPECT_EQ(f.chart->PlotRect().Bottom, top - top * 4 / 100);

    legend->SetMaxNumRows(20);
    f.SetPlot(TRect(0, 0, 120, 400));
    legend->DrawLegend();
    EXPECT_EQ(legend->Rows(), 13);
    EXPECT_EQ(legend->LastValue(), 24);
    EXPECT_EQ(f.canvas->Count("TextOut"), 20 + 25);
}

TEST(ChartLegend, RightLegendSizeAndMargins)
{
    ChartFixture f;
    f.AddSeries("A");
    f.AddSeries("BB");
    TChartLegend* legend = f.chart->Legend();
    legend->SetResizeChart(false);
    legend->DrawLegend();
    EXPECT_EQ(legend->LegendStyleComputed(), lsSeries);
    // Texts 12 + 2 spaces - 1 = 23, symbol round(20 % of 33) = 7: width 40, ending at the chart
    // right less the legend's shadow and frame; from 10 % down the 500-pixel panel, two rows.
    const int right = 500 - legend->Shadow()->HorizSize() - 2;
    EXPECT_EQ(legend->ShapeRect, TRect(right - 40, 50, right, 76));
    // HorizMargin 0: 3 % of 500.
    EXPECT_EQ(f.chart->PlotRect().Right, 485);

    f.SetPlot(TRect(0, 0, 500, 400));
    legend->SetHorizMargin(7);
    legend->DrawLegend();
    EXPECT_EQ(f.chart->PlotRect().Right, 493);

    f.SetPlot(TRect(0, 0, 500, 400));
    legend->SetResizeChart(true);
    legend->SetHorizMargin(0);
    legend->DrawLegend();
    const int left = legend->ShapeRect.Left;
    EXPECT_EQ(f.chart->PlotRect().Right, left - left * 3 / 100);
}

TEST(ChartLegend, ShortRightLegendShowsOnlyTheRowsThatFit)
{
    ChartFixture f(TRect(0, 0, 500, 110));
    for (int i = 0; i < 6; ++i)
        f.AddSeries(QString("s%1").arg(i));
    TChartLegend* legend = f.chart->Legend();
    legend->DrawLegend();
    // From 50 down (10 % of the panel): (110 - 2 - 50) / 12 rows.
    EXPECT_EQ(legend->Rows(), 4);
    EXPECT_EQ(legend->LastValue(), 3);
    EXPECT_EQ(f.canvas->Count("TextOut"), 4);
}

TEST(ChartLegend, CheckBoxTogglesTheSeriesItShowsFromALaterFirstValue)
{
    ChartFixture f;
    TChartSeries* a = f.AddSeries("a");
    TChartSeries* b = f.AddSeries("b");
    TChartSeries* c = f.AddSeries("c");
    TChartLegend* legend = f.chart->Legend();
    legend->SetCheckBoxes(true);
    legend->SetFirstValue(1);
    legend->DrawLegend();
    EXPECT_EQ(legend->Items().size(), 2u);
    EXPECT_EQ(legend->Items()[0][0], "b");
    const TRect r = legend->ShapeRect;
    // Item rows are 17 high with check boxes.
    EXPECT_EQ(legend->Clicked(r.Left + 5, r.Top + 5), 0);
    EXPECT_EQ(legend->Clicked(r.Left + 5, r.Top + 20), 1);
    EXPECT_TRUE(legend->DoMouseDown(r.Left + 5, r.Top + 5));
    EXPECT_TRUE(a->Active());
    EXPECT_FALSE(b->Active());
    EXPECT_TRUE(c->Active());
    // Inactive series stay listed, and a second click brings it back.
    f.SetPlot(TRect(0, 0, 500, 400));
    legend->DrawLegend();
    EXPECT_EQ(legend->ShapeRect, r);
    EXPECT_EQ(legend->Items().size(), 2u);
    EXPECT_TRUE(legend->DoMouseDown(r.Left + 5, r.Top + 5));
    EXPECT_TRUE(b->Active());
    EXPECT_TRUE(legend->DoMouseDown(r.Left + 5, r.Top + 20));
    EXPECT_FALSE(c->Active());
    EXPECT_FALSE(legend->DoMouseDown(r.Left - 1, r.Top + 5));

    // Through the chart's mouse handling too.
    f.chart->MouseDown(mbLeft, 0, r.Left + 5, r.Top + 20);
    EXPECT_TRUE(c->Active());
}

TEST(ChartLegend, TextColumnsSplitAtTheColumnSeparator)
{
    ChartFixture f;
    const QString sep(TeeColumnSeparator);
    f.AddSeries("a" + sep + "b" + sep + "c");
    f.AddSeries("d" + sep);
    TChartLegend* legend = f.chart->Legend();
    legend->DrawLegend();
    ASSERT_EQ(legend->Items().size(), 2u);
    EXPECT_EQ(legend->Items()[0][0], "a");
    EXPECT_EQ(legend->Items()[0][1], "b");
    EXPECT_EQ(legend->Items()[1][0], "d");
    EXPECT_EQ(legend->Items()[1][1], "");
    EXPECT_EQ(legend->ColumnWidth(0), 6);
    EXPECT_EQ(legend->ColumnWidth(1), 6);

    legend->SetInverted(true);
    legend->DrawLegend();
    EXPECT_EQ(legend->Items()[0][0], "d");
}

TEST(ChartLegend, StyleFirstValueAndShouldDraw)
{
    ChartFixture f;
    TChartLegend* legend = f.chart->Legend();
    EXPECT_FALSE(legend->ShouldDraw());
    TChartSeries* a = f.AddSeries("a", 3);
    legend->CalcLegendStyle();
    EXPECT_EQ(legend->LegendStyleComputed(), lsValues);
    f.AddSeries("b", 3);
    legend->CalcLegendStyle();
    EXPECT_EQ(legend->LegendStyleComputed(), lsSeries);
    a->SetActive(false);
    legend->CalcLegendStyle();
    EXPECT_EQ(legend->LegendStyleComputed(), lsValues);
    legend->SetCheckBoxes(true);
    legend->CalcLegendStyle();
    EXPECT_EQ(legend->LegendStyleComputed(), lsSeries);
    EXPECT_TRUE(legend->ShouldDraw());

    try {
        legend->SetFirstValue(-1);
        FAIL();
    } catch (const LegendException& e) {
        EXPECT_EQ(e.Message(), "First Legend Value must be > 0");
    }
    EXPECT_EQ(legend->FirstValue(), 0);
    legend->SetFirstValue(0);
    EXPECT_EQ(legend->FirstValue(), 0);
}

TEST(ChartLegend, ValuesLegendOfAPagedChartFollowsThePage)
{
    ChartFixture f;
    f.AddSeries("a", 25);
    f.chart->SetMaxPointsPerPage(10);
    f.chart->SetPage(3);
    TChartLegend* legend = f.chart->Legend();
    legend->DrawLegend();
    EXPECT_EQ(legend->LegendStyleComputed(), lsValues);
    EXPECT_EQ(legend->FirstValue(), 20);
    EXPECT_EQ(legend->ItemCount(), 5);
    EXPECT_EQ(legend->LastValue(), 24);
    f.chart->SetPage(1);
    f.SetPlot(TRect(0, 0, 500, 400));
    legend->DrawLegend();
    EXPECT_EQ(legend->FirstValue(), 0);
    EXPECT_EQ(legend->ItemCount(), 10);
}

TEST(ChartLegend, ForgetsItsSeriesWhenThatSeriesIsFreed)
{
    ChartFixture f;
    f.AddSeries("a", 3);
    TComponent elsewhere(nullptr); // an owner the chart does not hear from
    auto* b = new TChartSeries(&elsewhere);
    for (int i = 0; i < 5; ++i)
        b->AddXY(i, i);
    f.chart->AddSeries(b);
    TChartLegend* legend = f.chart->Legend();
    legend->SetLegendStyle(lsValues);
    legend->SetSeries(b);
    legend->DrawLegend();
    EXPECT_EQ(legend->ItemCount(), 5);
    b->Free();
    EXPECT_EQ(legend->Series(), nullptr);
    f.SetPlot(TRect(0, 0, 500, 400));
    legend->DrawLegend();
    EXPECT_EQ(legend->ItemCount(), 3); // the chart's first series again
}

TEST(ChartLegend, RightValueTextStyleAlignsNameLeftAndValueRight)
{
    ChartFixture f;
    TChartSeries* s = f.AddSeries("s");
    s->AddXY(0, 5, "ab");
    s->AddXY(1, 123, "c");
    TChartLegend* legend = f.chart->Legend();
    legend->SetTextStyle(ltsRightValue);
    legend->DrawLegend();
    const auto texts = f.canvas->Find("TextOut");
    ASSERT_EQ(texts.size(), 4u);
    // Column widths 12 and 18, a space of 6 after each column.
    const int x0 = texts[0]->Points.at(0).X;
    EXPECT_EQ(texts[0]->Text, "ab");
    EXPECT_EQ(texts[1]->Text, "5");
    EXPECT_EQ(texts[1]->Points.at(0).X, x0 + 12 + 6 + 18);
    EXPECT_EQ(texts[2]->Points.at(0).X, x0);
    EXPECT_EQ(texts[3]->Text, "123");
    EXPECT_EQ(texts[3]->Points.at(0).X, x0 + 36);
    // The symbol sits left of the texts: W = round(20 % of (41 + 10)) = 10, texts 10 further.
    EXPECT_EQ(x0, legend->ShapeRect.Left + 10 + 10);

    // Values first (the default): the value column is right-aligned at its own edge.
    f.canvas->Clear();
    f.SetPlot(TRect(0, 0, 500, 400));
    legend->SetTextStyle(ltsLeftValue);
    legend->DrawLegend();
    const auto left = f.canvas->Find("TextOut");
    ASSERT_EQ(left.size(), 4u);
    const int y0 = legend->ShapeRect.Left + 10 + 10;
    EXPECT_EQ(left[0]->Text, "5");
    EXPECT_EQ(left[0]->Points.at(0).X, y0 + 18);
    EXPECT_EQ(left[1]->Text, "ab");
    EXPECT_EQ(left[1]->Points.at(0).X, y0 + 24);
}

TEST(ChartLegend, LeftTopAndCustomPositions)
{
    ChartFixture f;
    f.AddSeries("A");
    f.AddSeries("BB");
    TChartLegend* legend = f.chart->Legend();
    legend->SetAlignment(laLeft);
    legend->DrawLegend();
    // Inside the frame pen; 40 wide, two rows from 10 % down.
    EXPECT_EQ(legend->ShapeRect, TRect(2, 50, 42, 76));
    EXPECT_EQ(f.chart->PlotRect().Left, 42 + (500 - 42) * 3 / 100);

    f.SetPlot(TRect(0, 0, 500, 400));
    legend->SetAlignment(laTop);
    legend->DrawLegend();
    // Symbol round(20 % of 23) = 5, two columns of 34 plus 6: 74 wide, moved 10 % of the
    // panel's spare width right of the chart centre.
    EXPECT_EQ(legend->Columns(), 2);
    EXPECT_EQ(legend->Rows(), 1);
    EXPECT_EQ(legend->ShapeRect, TRect(266, 2, 340, 16));
    const int top = 16 + f.chart->Shadow()->VertSize();
    EXPECT_EQ(f.chart->PlotRect().Top, top + (400 - top) * 4 / 100);

    f.SetPlot(TRect(0, 0, 500, 400));
    legend->SetAlignment(laRight);
    legend->SetLeft(100);
    legend->SetTop(200);
    EXPECT_TRUE(legend->CustomPosition());
    legend->DrawLegend();
    EXPECT_EQ(legend->ShapeRect, TRect(100, 200, 140, 226));
    // No room taken, only the margin.
    EXPECT_EQ(f.chart->PlotRect(), TRect(0, 0, 485, 400));
}
