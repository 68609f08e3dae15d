// A series growing to its values: groups, steps, repaints, the start value, and the values
// given back exactly however the run ends.

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "chart/components/SeriesAnimationTool.h"
#include "platform/TeeFiler.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

class AnimationChart : public ToolChart
{
public:
    explicit AnimationChart(const std::vector<double>& values) : ToolChart(0)
    {
        for (size_t i = 0; i < values.size(); ++i)
            series->AddXY(static_cast<double>(i), values[i]);
        tool = new TSeriesAnimationTool(&owner);
        tool->SetParentChart(chart);
        tool->SetSeries(series);
    }
    std::vector<double> Values() const
    {
        std::vector<double> v;
        for (int i = 0; i < series->Count(); ++i)
            v.push_back(series->YValue(i));
        return v;
    }

    RecordingServices app;
    TSeriesAnimationTool* tool;
};

std::vector<double> Ramp(int n)
{
    std::vector<double> v;
    for (int i = 0; i < n; ++i)
        v.push_back(5 + 4.0 * i);
    return v;
}

} // namespace

TEST(SeriesAnimationTool, GroupsOfDrawEveryGrowOneAfterAnother)
{
    AnimationChart a(Ramp(25));
    a.tool->SetDrawEvery(10);
    a.tool->SetSteps(4);
    std::vector<int> steps;
    std::vector<std::vector<double>> seen;
    a.tool->OnStep = [&](TObject* sender, int step) {
        EXPECT_EQ(sender, a.tool);
        steps.push_back(step);
        seen.push_back(a.Values());
    };
    a.tool->Execute();
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4}));
    // One repaint at the start value, then one after every step.
    EXPECT_EQ(a.app.Passes, 16);
    ASSERT_EQ(seen.size(), 15u);
    // Step 2 of the second group: the first group done, the second half way, the third waiting.
    const std::vector<double>& mid = seen[7];
    EXPECT_EQ(mid[9], 5 + 4.0 * 9);
    EXPECT_EQ(mid[10], 5 + 4.0 * 10 * 2 * 0.25);
    EXPECT_EQ(mid[19], 5 + 4.0 * 19 * 2 * 0.25);
    EXPECT_EQ(mid[20], 5);
    EXPECT_EQ(mid[24], 5);
    // The third group has 5 points.
    EXPECT_EQ(seen[10][20], 5);
    EXPECT_EQ(seen[14][24], 5 + 4.0 * 24);
    EXPECT_FALSE(a.tool->Running());
    EXPECT_EQ(a.series->UpdateCount(), 0);
}

TEST(SeriesAnimationTool, ValuesComeBackBitForBit)
{
    // With 3 steps the last one gives 0.6999999999999998 for 0.7, 2.8999999999999995 for 2.9.
    const std::vector<double> original{0.1, 0.7, 2.9, 10.3, 7.7};
    AnimationChart a(original);
    a.tool->SetSteps(3);
    std::vector<double> last;
    a.tool->OnStep = [&](TObject*, int step) {
        if (step == 3)
            last = a.Values();
    };
    a.tool->Execute();
    EXPECT_EQ(last[1], 0.6999999999999998);
    EXPECT_EQ(a.Values(), original);

    // A failing step: the error passes on, the values and the series' state come back.
    a.tool->OnStep = [](TObject*, int step) {
        if (step == 2)
            throw std::runtime_error("step");
    };
    EXPECT_THROW(a.tool->Execute(), std::runtime_error);
    EXPECT_EQ(a.Values(), original);
    EXPECT_FALSE(a.tool->Running());
    EXPECT_EQ(a.series->UpdateCount(), 0);

    // No steps: the real values at once, one repaint, no step event.
    a.app.Passes = 0;
    int events = 0;
    a.tool->OnStep = [&](TObject*, int) { ++events; };
    a.tool->SetSteps(0);
    a.tool->Execute();
    EXPECT_EQ(a.Values(), original);
    EXPECT_EQ(a.app.Passes, 1);
    EXPECT_EQ(events, 0);
}

TEST(SeriesAnimationTool, StartValueAndReentry)
{
    AnimationChart a({30, 10, 20});
    a.tool->SetSteps(2);
    std::vector<std::vector<double>> seen;
    int nested = 0;
    a.tool->OnStep = [&](TObject*, int) {
        seen.push_back(a.Values());
        ++nested;
        a.tool->Execute(); // refused while running
    };
    a.tool->Execute();
    EXPECT_EQ(nested, 3);
    // From the smallest value.
    EXPECT_EQ(seen[0], (std::vector<double>{10, 10, 10}));
    EXPECT_EQ(seen[1], (std::vector<double>{20, 10, 15}));

    // Bars grow from zero.
    seen.clear();
    a.tool->SetStartAtMin(false);
    a.tool->SetStartValue(0);
    a.tool->Execute();
    EXPECT_EQ(seen[0], (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(seen[1], (std::vector<double>{15, 5, 10}));

    // Nothing to animate without a series.
    a.tool->SetSeries(nullptr);
    seen.clear();
    a.tool->Execute();
    EXPECT_TRUE(seen.empty());
}

TEST(SeriesAnimationTool, SeriesOrToolFreedDuringARun)
{
    AnimationChart series({1, 2, 3});
    series.tool->SetSteps(5);
    int steps = 0;
    series.tool->OnStep = [&](TObject*, int) {
        if (++steps == 2)
            series.series->Free();
    };
    series.tool->Execute();
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(series.tool->Series(), nullptr);
    EXPECT_FALSE(series.tool->Running());

    // The tool goes while the application handles its messages: the series still gets its values.
    AnimationChart tool({1, 2, 3});
    tool.tool->SetSteps(5);
    TSeriesAnimationTool* animator = tool.tool;
    tool.app.OnProcess = [&] {
        if (tool.app.Passes == 3)
            animator->Free();
    };
    animator->Execute();
    EXPECT_EQ(tool.Values(), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(tool.series->UpdateCount(), 0);

    // The tool goes in its own step event: nothing more runs on it, the series gets its values.
    AnimationChart step({1, 2, 3});
    step.tool->SetSteps(5);
    TSeriesAnimationTool* freed = step.tool;
    freed->OnStep = [freed](TObject*, int d) {
        if (d == 1)
            freed->Free();
    };
    freed->Execute();
    EXPECT_EQ(step.Values(), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(step.series->UpdateCount(), 0);
    // The start value and steps 0 and 1 were shown; nothing after the tool went.
    EXPECT_EQ(step.app.Passes, 2);
}

TEST(SeriesAnimationTool, PointsAddedOrRemovedDuringARunLeaveTheOthersTheirOwnValues)
{
    // Points (0, 30), (1, 10), (2, 20) grow in 4 steps; at step 1 the series changes. Every
    // point there at the start gets its value back, wherever it went; new points keep theirs.
    using Points = std::vector<std::pair<double, double>>;
    struct Case {
        const char* what;
        std::function<void(TChartSeries*)> change;
        Points after;
    };
    const Case cases[] = {
        {"appended", [](TChartSeries* s) { s->AddXY(3, 99); }, {{0, 30}, {1, 10}, {2, 20}, {3, 99}}},
        {"put first", [](TChartSeries* s) { s->AddXY(-1, 77); }, {{-1, 77}, {0, 30}, {1, 10}, {2, 20}}},
        {"first gone", [](TChartSeries* s) { s->Delete(0); }, {{1, 10}, {2, 20}}},
        {"two gone", [](TChartSeries* s) { s->Delete(0, 2); }, {{2, 20}}},
        {"one for another",
         [](TChartSeries* s) {
             s->Delete(1);
             s->AddXY(1.5, 55);
         },
         {{0, 30}, {1.5, 55}, {2, 20}}},
        {"first moved last",
         [](TChartSeries* s) {
             s->XValues()->SetValue(0, 5);
             s->XValues()->Sort();
         },
         {{1, 10}, {2, 20}, {5, 30}}},
        {"cleared", [](TChartSeries* s) { s->Clear(); }, {}},
        {"refilled",
         [](TChartSeries* s) {
             s->Clear();
             for (int i = 0; i < 3; ++i)
                 s->AddXY(i, i + 1);
         },
         {{0, 1}, {1, 2}, {2, 3}}},
    };
    for (const Case& c : cases) {
        AnimationChart a({30, 10, 20});
        const int lists = a.series->ValueLists()->Count();
        a.tool->SetSteps(4);
        a.tool->OnStep = [&](TObject*, int step) {
            if (step == 1)
                c.change(a.series);
        };
        a.tool->Execute();
        Points after;
        for (int i = 0; i < a.series->Count(); ++i)
            after.emplace_back(a.series->XValue(i), a.series->YValue(i));
        EXPECT_EQ(after, c.after) << c.what;
        EXPECT_EQ(a.series->ValueLists()->Count(), lists) << c.what;
        EXPECT_EQ(a.series->UpdateCount(), 0) << c.what;
        EXPECT_FALSE(a.tool->Running()) << c.what;
    }
}

// What a run lends the series to follow its points is none of the series' values: a chart
// written during a run stores the series' own points, and a series text read into the series
// during a run gives the text's points.
TEST(SeriesAnimationTool, ChartWrittenOrSeriesReadDuringARunHoldsOnlyTheSeriesPoints)
{
    using Points = std::vector<std::pair<double, double>>;
    const auto points = [](TChartSeries* s) {
        Points p;
        for (int i = 0; i < s->Count(); ++i)
            p.emplace_back(s->XValue(i), s->YValue(i));
        return p;
    };
    const Points cases[] = {{{0, 10}, {1, 15}, {2, 20}}, {{0, 10}, {2.5, 15}, {7, 20}}};
    for (const Points& original : cases) {
        AnimationChart a({});
        for (const auto& [x, y] : original)
            a.series->AddXY(x, y);
        a.series->SetValuesEntered(true);
        a.tool->SetSteps(4);
        QString written;
        a.tool->OnStep = [&](TObject*, int step) {
            if (step == 4)
                written = TeeWriteProperties(*a.chart);
        };
        a.tool->Execute();
        AnimationChart b({});
        b.chart->FreeAllSeries();
        TeeReadProperties(*b.chart, written);
        ASSERT_EQ(b.chart->SeriesCount(), 1);
        EXPECT_EQ(points(b.chart->Series(0)), original);

        // Read at step 1: the run stops and the text's points stay.
        TPointSeries other(nullptr);
        const Points read{{1, 30}, {4.5, 40}, {6, 50}};
        for (const auto& [x, y] : read)
            other.AddXY(x, y);
        other.SetValuesEntered(true);
        const QString text = TeeWriteProperties(other);
        a.tool->OnStep = [&](TObject*, int step) {
            if (step == 1)
                TeeReadProperties(*a.series, text);
        };
        a.tool->Execute();
        EXPECT_EQ(points(a.series), read);
    }

    // An editor offering the value lists of a series that animates offers its own only.
    AnimationChart c({1, 2});
    auto* fed = new TPointSeries(&c.owner);
    c.chart->AddSeries(fed);
    fed->SetDataSource(c.series);
    QStringList names;
    c.tool->SetSteps(1);
    c.tool->OnStep = [&](TObject*, int step) {
        if (step == 1)
            c.chart->FillValueSourceItems(fed->YValues(), [&](const QString& name) { names << name; });
    };
    c.tool->Execute();
    EXPECT_EQ(names, (QStringList{"X", "Y"}));
}
