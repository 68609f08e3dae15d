// Reading a chart's stored text and freeing what it made, for texts of many components.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "BenchApplication.h"
#include "chart/components/Chart.h"
#include "chart/components/TeeTools.h"
#include "platform/TeeFiler.h"

namespace {

QString CursorTools(int count)
{
    QString text = QStringLiteral("Components.Count=%1\n").arg(count);
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("Components.%1.Class=TCursorTool\nComponents.%1.Name=Cursor%1\n").arg(i);
    return text;
}

// Reads N named cursor tools into a new chart and frees the chart.
void BM_ReadAndFreeCursorTools(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    const QString text = CursorTools(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TComponent owner(nullptr);
        auto* chart = new TChart(&owner);
        TeeReadProperties(*chart, text);
        benchmark::DoNotOptimize(chart->Tools()->Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadAndFreeCursorTools)->RangeMultiplier(2)->Range(2000, 16000)->Unit(benchmark::kMillisecond)->Complexity();

// Reading alone: the chart is freed outside the timing.
void BM_ReadCursorTools(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    const QString text = CursorTools(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto* owner = new TComponent(nullptr);
        auto* chart = new TChart(owner);
        state.ResumeTiming();
        TeeReadProperties(*chart, text);
        benchmark::DoNotOptimize(chart->Tools()->Count());
        state.PauseTiming();
        delete owner;
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadCursorTools)->RangeMultiplier(2)->Range(2000, 16000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
