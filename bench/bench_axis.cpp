// Value-to-pixel mapping of an axis for a million values: the clamping mapping, the fast one
// (FastCalc) and the inverse. Run under QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <vector>

#include "chart/components/UnitStartup.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartLists.h"
#include "chart/core/CustomAxisPanel.h"

namespace {

void StartUp()
{
    static int argc = 1;
    static char name[] = "bench_axis";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        InitializeUnits();
        return a;
    }();
    (void)app;
}

struct BenchChart : TCustomAxisPanel {
    BenchChart() : TCustomAxisPanel(nullptr) {}
    bool IsFreeSeriesColor(TColor, bool) override { return true; }
};

constexpr int Values = 1000000;

std::vector<double> SampleValues()
{
    std::vector<double> v(Values);
    for (int i = 0; i < Values; ++i)
        v[i] = static_cast<double>((int64_t{i} * 7919) % 100000) * 0.01;
    return v;
}

void MapAll(benchmark::State& state, bool fast)
{
    StartUp();
    BenchChart chart;
    chart.SetPlotRect(TRect(40, 20, 1240, 700));
    chart.Axes()->SetFastCalc(fast);
    TChartAxis* axis = chart.BottomAxis();
    axis->SetMinMax(0, 1000);
    axis->AdjustMaxMin();
    axis->InternalCalcPositions();
    const std::vector<double> values = SampleValues();
    for (auto _ : state) {
        int64_t sum = 0;
        for (double v : values)
            sum += axis->CalcPosValue(v);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * Values);
}

void BM_CalcPosValueClamped(benchmark::State& state)
{
    MapAll(state, false);
}
BENCHMARK(BM_CalcPosValueClamped)->Unit(benchmark::kMillisecond);

void BM_CalcPosValueFast(benchmark::State& state)
{
    MapAll(state, true);
}
BENCHMARK(BM_CalcPosValueFast)->Unit(benchmark::kMillisecond);

void BM_CalcPosPoint(benchmark::State& state)
{
    StartUp();
    BenchChart chart;
    chart.SetPlotRect(TRect(40, 20, 1240, 700));
    TChartAxis* axis = chart.LeftAxis();
    axis->SetMinMax(-50, 50);
    axis->AdjustMaxMin();
    axis->InternalCalcPositions();
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < Values; ++i)
            sum += axis->CalcPosPoint(20 + i % 680);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * Values);
}
BENCHMARK(BM_CalcPosPoint)->Unit(benchmark::kMillisecond);

} // namespace
