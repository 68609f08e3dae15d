// The other slice's own legend: made on first read, hidden and bound to its pie; while it
// draws, the pie's legend items are the grouped points and the chart formats their texts with
// that legend's settings.

#include <gtest/gtest.h>

#include <memory>

#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "tests/chart/support/RecordingCanvas.h"

namespace {

const QChar C = TeeColumnSeparator;

// A flat chart control with one pie of 3, 5, 42 and 50 (a total of 100, so that each value
// is its own percent); values below 10 % are grouped into the other slice (8).
struct PieControl {
    TComponent owner{nullptr};
    std::unique_ptr<TChart> chart = std::make_unique<TChart>(&owner);
    TRecordingCanvas* canvas = new TRecordingCanvas;
    TPieSeries* pie = new TPieSeries(&owner);

    PieControl()
    {
        chart->SetBounds(0, 0, 600, 400);
        chart->SetInternalCanvas(canvas);
        chart->SetView3D(false);
        chart->AddSeries(pie);
        pie->Add(3, "a");
        pie->Add(5, "b");
        pie->Add(42, "c");
        pie->Add(50, "d");
        pie->OtherSlice()->SetStyle(poBelowPercent);
        pie->OtherSlice()->SetValue(10);
    }
    ~PieControl()
    {
        chart->FreeAllSeries();
        chart.reset();
    }
    void Frame()
    {
        chart->Invalidate();
        chart->Update();
    }
};

using Items = std::vector<std::array<QString, 2>>;

} // namespace

TEST(PieOtherLegend, MadeOnFirstReadHiddenAndBoundToThePie)
{
    PieControl f;
    TPieOtherSlice* other = f.pie->OtherSlice();
    EXPECT_EQ(other->LegendIfAny(), nullptr);
    TChartLegend* legend = other->Legend();
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(other->Legend(), legend);
    EXPECT_FALSE(legend->Visible());
    EXPECT_EQ(legend->Series(), f.pie);
    EXPECT_EQ(legend->Chart(), f.chart.get());

    // Hidden, it draws nothing: the chart's legend is the only one listing values.
    f.Frame();
    EXPECT_TRUE(legend->Items().empty());
    EXPECT_EQ(f.chart->Legend()->Items(), (Items{{"42", "c"}, {"50", "d"}, {"8", "Other"}}));

    // Shown but with nothing grouped, it has no items and no box.
    legend->SetVisible(true);
    f.pie->OtherSlice()->SetStyle(poNone);
    f.canvas->Clear();
    f.Frame();
    EXPECT_EQ(legend->ItemCount(), 0);
    EXPECT_TRUE(legend->Items().empty());
    EXPECT_EQ(f.chart->Legend()->ItemCount(), 4);
}

TEST(PieOtherLegend, ListsOnlyTheGroupedSlicesWithTheirValues)
{
    PieControl f;
    TChartLegend* legend = f.pie->OtherSlice()->Legend();
    legend->SetVisible(true);
    f.Frame();
    EXPECT_EQ(legend->Items(), (Items{{"3", "a"}, {"5", "b"}}));
    EXPECT_EQ(legend->ItemCount(), 2);
    // The chart's legend lists the slices drawn: c, d and the other slice.
    EXPECT_EQ(f.chart->Legend()->Items(), (Items{{"42", "c"}, {"50", "d"}, {"8", "Other"}}));
    // Outside that drawing the pie counts its drawn slices again.
    EXPECT_EQ(f.pie->DrawingLegend(), nullptr);
    EXPECT_EQ(f.pie->CountLegendItems(), 3);
    EXPECT_EQ(f.pie->LegendToValueIndex(2), 4);

    // Shares are of the given values (100), not of the given values plus the other slice.
    legend->SetTextStyle(ltsLeftPercent);
    f.Frame();
    EXPECT_EQ(legend->Items(), (Items{{"3 %", "a"}, {"5 %", "b"}}));
    EXPECT_EQ(f.pie->MarkPercent(4, false), QStringLiteral("8 %"));

    // Symbols are drawn in each grouped point's own colour.
    f.pie->SetValueColor(1, clLime);
    f.canvas->Clear();
    f.Frame();
    bool lime = false;
    for (const TCanvasCall* c : f.canvas->Find("Rectangle"))
        lime = lime || (c->BrushColor == clLime && c->Points[0].X >= legend->ShapeRect.Left &&
                        c->Points[1].X <= legend->ShapeRect.Right);
    EXPECT_TRUE(lime);
}

TEST(PieOtherLegend, TheChartFormatsValuesWithTheLegendBeingDrawn)
{
    PieControl f;
    TChartLegend* legend = f.pie->OtherSlice()->Legend();
    legend->SetTextStyle(ltsRightValue);
    f.pie->DoBeforeDrawChart();
    EXPECT_EQ(f.chart->FormattedValueLegend(f.pie, 0), QString("42") + C + "c");
    f.pie->SetDrawingLegend(legend);
    EXPECT_TRUE(f.pie->DrawingOtherLegend());
    EXPECT_EQ(f.pie->CountLegendItems(), 2);
    EXPECT_EQ(f.pie->LegendToValueIndex(1), 1);
    // No second grouped point beyond these: the index stands.
    EXPECT_EQ(f.pie->LegendToValueIndex(5), 5);
    EXPECT_EQ(f.chart->FormattedValueLegend(f.pie, 0), QString("a") + C + "3");
    f.pie->SetDrawingLegend(nullptr);
    EXPECT_EQ(f.chart->FormattedValueLegend(f.pie, 1), QString("50") + C + "d");
    EXPECT_EQ(f.chart->FormattedValueLegend(nullptr, 0), QString());
}

TEST(PieOtherLegend, TheChartKeepsItsRectangleForTheSeriesDrawnAfter)
{
    PieControl f;
    TRect before, after;
    f.pie->BeforeDrawValues = [&](TChartSeries*) { before = f.chart->PlotRect(); };
    f.pie->AfterDrawValues = [&](TChartSeries*) { after = f.chart->PlotRect(); };
    f.pie->OtherSlice()->Legend()->SetVisible(true);
    f.Frame();
    ASSERT_FALSE(f.pie->OtherSlice()->Legend()->Items().empty());
    EXPECT_EQ(after, before);
}

TEST(PieOtherLegend, SettingCopyingAndMovingTheLegend)
{
    PieControl f;
    TPieOtherSlice* other = f.pie->OtherSlice();

    // Setting copies the settings in and binds the copy to the pie.
    TChartLegend given(f.chart.get());
    given.SetAlignment(laLeft);
    given.SetTopPos(40);
    other->SetLegend(&given);
    ASSERT_NE(other->LegendIfAny(), nullptr);
    EXPECT_NE(other->LegendIfAny(), &given);
    EXPECT_EQ(other->Legend()->Alignment(), laLeft);
    EXPECT_EQ(other->Legend()->TopPos(), 40);
    EXPECT_EQ(other->Legend()->Series(), f.pie);

    // A copy of the pie copies the legend; a pie without one frees its copy's.
    TPieSeries copy(nullptr);
    copy.OtherSlice()->Assign(other);
    ASSERT_NE(copy.OtherSlice()->LegendIfAny(), nullptr);
    EXPECT_EQ(copy.OtherSlice()->Legend()->TopPos(), 40);
    EXPECT_EQ(copy.OtherSlice()->Legend()->Series(), &copy);
    TPieSeries plain(nullptr);
    copy.OtherSlice()->Assign(plain.OtherSlice());
    EXPECT_EQ(copy.OtherSlice()->LegendIfAny(), nullptr);

    // Moving the pie to another chart moves its legend; leaving the chart leaves it nowhere.
    TChart second(&f.owner);
    f.pie->SetParentChart(&second);
    EXPECT_EQ(other->Legend()->Chart(), &second);
    EXPECT_EQ(other->Legend()->Parent(), &second);
    f.pie->SetParentChart(nullptr);
    EXPECT_EQ(other->Legend()->Chart(), nullptr);
    // Taken out by the chart itself, the pie takes its legend along.
    f.pie->SetParentChart(&second);
    second.RemoveSeries(f.pie);
    EXPECT_EQ(other->Legend()->Parent(), nullptr);

    other->SetLegend(nullptr);
    EXPECT_EQ(other->LegendIfAny(), nullptr);
}
