// Filling a series: a million AddXY calls in X order, into a fresh series and into one that
// was cleared (its capacity reused), and the memory a million points take. Writing and reading
// back the stored properties of a bar series (each write compares with a new series of its
// kind).
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "chart/components/Series.h"
#include "chart/components/UnitStartup.h"
#include "platform/TeeFiler.h"
#include "chart/core/TeEngine.h"

namespace {

constexpr int Points = 1000000;

void Start()
{
    static int argc = 1;
    static char name[] = "bench_series";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = [] {
        auto* a = new QGuiApplication(argc, argv);
        InitializeUnits();
        return a;
    }();
    (void)app;
}

size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_AddXYMillionFresh(benchmark::State& state)
{
    Start();
    for (auto _ : state) {
        TChartSeries series(nullptr);
        for (int i = 0; i < Points; ++i)
            series.AddXY(i, i & 1023);
        benchmark::DoNotOptimize(series.Count());
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_AddXYMillionFresh)->Unit(benchmark::kMillisecond);

void BM_AddXYMillionAfterClear(benchmark::State& state)
{
    Start();
    TChartSeries series(nullptr);
    for (int i = 0; i < Points; ++i)
        series.AddXY(i, 0);
    for (auto _ : state) {
        series.Clear();
        for (int i = 0; i < Points; ++i)
            series.AddXY(i, i & 1023);
        benchmark::DoNotOptimize(series.Count());
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_AddXYMillionAfterClear)->Unit(benchmark::kMillisecond);

// Heap bytes per point of a filled million-point series (two doubles are 16 bytes).
void BM_MillionPointsMemory(benchmark::State& state)
{
    Start();
    double bytesPerPoint = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        auto series = std::make_unique<TChartSeries>(nullptr);
        for (int i = 0; i < Points; ++i)
            series->AddXY(i, i);
        bytesPerPoint = static_cast<double>(HeapInUse() - before) / Points;
        benchmark::DoNotOptimize(series->Count());
    }
    state.counters["bytes_per_point"] = bytesPerPoint;
}
BENCHMARK(BM_MillionPointsMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_BarStoredRoundTrip(benchmark::State& state)
{
    Start();
    TBarSeries bar(nullptr);
    bar.SetTitle(QStringLiteral("Slump"));
    bar.SetSeriesColor(clTeal);
    bar.Marks()->SetVisible(false);
    bar.Marks()->SetStyle(smsValue);
    for (auto _ : state) {
        const QString text = TeeWriteProperties(bar);
        TBarSeries read(nullptr);
        TeeReadProperties(read, text);
        benchmark::DoNotOptimize(read.Marks()->Visible());
    }
}
BENCHMARK(BM_BarStoredRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace
