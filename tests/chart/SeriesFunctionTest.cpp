#include <gtest/gtest.h>

#include <limits>

#include "SeriesTestChart.h"

namespace {

using PointList = QList<std::pair<double, double>>;

// A chart with a source of the given X values (Y = 1, 2, 3, ...) and a series computed from it.
struct FunctionSetup {
    TTestChart chart;
    TChartSeries* source = new TChartSeries(&chart);
    TChartSeries* result = new TChartSeries(&chart);

    explicit FunctionSetup(std::initializer_list<double> xs)
    {
        chart.AddSeries(source);
        chart.AddSeries(result);
        int y = 1;
        for (double x : xs)
            source->AddXY(x, y++);
    }
    template <class F>
    F* Attach(double period, TFunctionPeriodStyle style = psNumPoints, TFunctionPeriodAlign align = paCenter)
    {
        auto* f = new F(&chart);
        f->BeginUpdate();
        f->SetPeriod(period);
        f->SetPeriodStyle(style);
        f->SetPeriodAlign(align);
        result->SetFunction(f);
        result->SetDataSource(source);
        f->EndUpdate();
        return f;
    }
};

TEST(SeriesFunction, WholeSourceGivesOnePointAtTheMiddleOrALevelLine)
{
    FunctionSetup one({2, 4, 10});
    one.Attach<TSumFunction>(0);
    EXPECT_EQ(Points(*one.result), (PointList{{6, 6}}));

    FunctionSetup line({2, 4, 10});
    line.result->SetOnePointFunctionResult(false);
    line.Attach<TSumFunction>(0);
    EXPECT_EQ(Points(*line.result), (PointList{{2, 6}, {10, 6}}));
}

TEST(SeriesFunction, PointGroupsDropAShortLastGroup)
{
    FunctionSetup setup({0, 1, 2, 3, 4, 5, 6});
    setup.Attach<TSumFunction>(3);
    // Groups 0-2 and 3-5 (Y 1+2+3 and 4+5+6), centred; point 6 gives nothing.
    EXPECT_EQ(Points(*setup.result), (PointList{{1, 6}, {4, 15}}));
}

TEST(SeriesFunction, AlignmentPlacesResultsAtGroupEdges)
{
    FunctionSetup first({0, 1, 2, 3, 4, 5});
    first.Attach<TSumFunction>(3, psNumPoints, paFirst);
    EXPECT_EQ(Points(*first.result), (PointList{{0, 6}, {3, 15}}));
    FunctionSetup last({0, 1, 2, 3, 4, 5});
    last.Attach<TSumFunction>(3, psNumPoints, paLast);
    EXPECT_EQ(Points(*last.result), (PointList{{2, 6}, {5, 15}}));
}

TEST(SeriesFunction, RangeGroupsGiveZeroForAnEmptyRange)
{
    FunctionSetup setup({0, 1, 25});
    setup.Attach<TSumFunction>(10, psRange);
    // [0,10) holds Y 1 and 2, [10,20) is empty, [20,30) holds Y 3; centred on each range.
    // Each range ends a thousandth of the period before the next one starts.
    const PointList expected{{4.995, 3}, {14.995, 0}, {24.995, 3}};
    ASSERT_EQ(setup.result->Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(setup.result->XValue(i), expected[i].first, 1e-9);
        EXPECT_EQ(setup.result->YValue(i), expected[i].second);
    }
}

// A range a million and a half periods wide would give a point per empty range: the
// calculation stops after a million.
TEST(SeriesFunction, RangeGroupsStopAfterAMillion)
{
    FunctionSetup setup({0, 1500000});
    setup.Attach<TSumFunction>(1, psRange, paFirst);
    ASSERT_EQ(setup.result->Count(), 1000000);
    EXPECT_EQ(setup.result->YValue(0), 1);
    EXPECT_EQ(setup.result->XValue(999999), 999999);
    EXPECT_EQ(setup.result->YValue(999999), 0);
}

TEST(SeriesFunction, PeriodBelowOneHalfCountsAsOnePoint)
{
    FunctionSetup setup({0, 1, 2});
    setup.Attach<TSumFunction>(0.4);
    EXPECT_EQ(Points(*setup.result), (PointList{{0, 1}, {1, 2}, {2, 3}}));
    FunctionSetup moving({0, 1, 2});
    moving.Attach<TSumMovingFunction>(0.4);
    EXPECT_EQ(Points(*moving.result), (PointList{{0, 1}, {1, 2}, {2, 3}}));
}

TEST(SeriesFunction, MovingWindowEndsAtEachResult)
{
    FunctionSetup setup({10, 11, 12, 13, 14});
    auto* f = setup.Attach<TSumMovingFunction>(3);
    EXPECT_EQ(Points(*setup.result), (PointList{{12, 6}, {13, 9}, {14, 12}}));
    // 2.5 rounds half to even: 2.
    f->SetPeriod(2.5);
    EXPECT_EQ(setup.result->Count(), 4);
    f->SetPeriod(9);
    EXPECT_EQ(setup.result->Count(), 0);
}

TEST(SeriesFunction, NegativePeriodRaisesAndSamePeriodDoesNotRecalculate)
{
    FunctionSetup setup({0, 1, 2, 3});
    auto* f = setup.Attach<TSumFunction>(2);
    // A period that is not a number is refused as a negative one is.
    for (const double bad : {-1.0, -0.0001, std::numeric_limits<double>::quiet_NaN()}) {
        try {
            f->SetPeriod(bad);
            ADD_FAILURE() << bad;
        } catch (const ChartException& e) {
            EXPECT_EQ(e.Message(), "Function Period should be >= 0");
        }
        EXPECT_EQ(f->Period(), 2) << bad;
    }
    int clears = 0;
    setup.result->OnClearValues = [&](TChartSeries*) { ++clears; };
    f->SetPeriod(2);
    EXPECT_EQ(clears, 0);
    f->SetPeriod(4);
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(Points(*setup.result), (PointList{{1.5, 10}}));
}

TEST(SeriesFunction, SourceChangesRecomputeTheWholeResult)
{
    FunctionSetup setup({0, 1});
    setup.Attach<TSumFunction>(0);
    setup.source->BeginUpdate();
    setup.source->AddXY(2, 3);
    setup.source->EndUpdate();
    EXPECT_EQ(Points(*setup.result), (PointList{{1, 6}}));
    // Adds one by one do not reach a series with a function.
    setup.source->AddXY(3, 4);
    EXPECT_EQ(Points(*setup.result), (PointList{{1, 6}}));
}

TEST(SeriesFunction, ManySourcesCombineByIndex)
{
    TTestChart chart;
    auto* a = new TChartSeries(&chart);
    auto* b = new TChartSeries(&chart);
    auto* sum = new TChartSeries(&chart);
    for (TChartSeries* s : {a, b, sum})
        chart.AddSeries(s);
    a->AddXY(0, 1, "p");
    b->AddXY(0, 10);
    b->AddXY(1, 20, "q");
    a->SetName("A");
    b->SetName("B");
    sum->SetFunction(new TSumFunction(&chart));
    // Several sources come from a stream, resolved by name once loading ends.
    sum->BeginLoading();
    TeeReadProperties(*sum, "DataSources=A,B");
    sum->EndLoading();
    ASSERT_EQ(sum->DataSources().size(), 2);
    EXPECT_TRUE(TeeWriteProperties(*sum).contains("DataSources=A,B"));
    EXPECT_EQ(Points(*sum), (PointList{{0, 11}, {1, 20}}));
    EXPECT_EQ(sum->XLabel(1), "q");
}

TEST(SeriesFunction, ReplacingAFunctionFreesTheOldOne)
{
    FunctionSetup setup({0, 1});
    setup.Attach<TSumFunction>(0);
    auto* second = new TSumMovingFunction(&setup.chart);
    setup.result->SetFunction(second);
    EXPECT_EQ(second->ParentSeries(), setup.result);
    EXPECT_EQ(Points(*setup.result), (PointList{{0, 1}, {1, 2}}));
    second->Free();
    EXPECT_EQ(setup.result->FunctionType(), nullptr);
}

} // namespace

namespace {

TEST(SeriesFunction, AssignedSeriesGetsAFunctionOfTheSameClass)
{
    TTestChart chart;
    auto* source = new TChartSeries(&chart);
    auto* computed = new TChartSeries(&chart);
    auto* copy = new TChartSeries(&chart);
    for (TChartSeries* s : {source, computed, copy})
        chart.AddSeries(s);
    source->Add(1);
    auto* f = new TTeeMovingFunction(&chart);
    f->SetPeriod(2);
    computed->SetFunction(f);
    computed->SetDataSource(source);
    copy->Assign(computed);
    ASSERT_NE(copy->FunctionType(), nullptr);
    EXPECT_NE(copy->FunctionType(), f);
    EXPECT_EQ(copy->FunctionType()->ClassName(), "TTeeMovingFunction");
    EXPECT_EQ(copy->FunctionType()->Period(), 2);
    EXPECT_EQ(copy->FunctionType()->ParentSeries(), copy);
    EXPECT_EQ(copy->DataSource(), source);
}

} // namespace
