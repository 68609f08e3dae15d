// A 3D chart of many line series, each in its own depth slot: one paint of 250, 500 and
// 1,000 series of 20 points, 800 x 500, with walls and legend as a chart shows them. Each
// series is clipped to the chart's box, so the time per series should stay flat as the
// series grow in number. Run under QT_QPA_PLATFORM=offscreen.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include <random>

#include "chart/components/Chart.h"
#include "chart/components/Series.h"

namespace {

void BM_LineSeries3D(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    const int count = static_cast<int>(state.range(0));
    TChart chart(nullptr);
    chart.SetBounds(0, 0, 800, 500);
    chart.SetView3D(true);
    std::mt19937 rng(3);
    for (int s = 0; s < count; ++s) {
        auto* line = new TLineSeries(&chart);
        chart.AddSeries(line);
        line->BeginUpdate();
        for (int i = 0; i < 20; ++i)
            line->AddXY(i, static_cast<double>(rng() % 100));
        line->EndUpdate();
    }
    for (auto _ : state) {
        chart.Invalidate();
        chart.Update();
        benchmark::DoNotOptimize(chart.BackBuffer().constBits());
    }
    state.SetItemsProcessed(state.iterations() * count);
    chart.FreeAllSeries();
}
BENCHMARK(BM_LineSeries3D)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
