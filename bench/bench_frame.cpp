// One frame of an axis panel with a million-point series zoomed to a tenth of its range: the
// visible range and the walk over the drawn points (the series draws nothing itself), and a
// whole paint of the frame with axes. Run under QT_QPA_PLATFORM=offscreen.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include "chart/components/UnitStartup.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/TeEngine.h"

namespace {

class FrameChart : public TCustomAxisPanel
{
public:
    FrameChart() : TCustomAxisPanel(nullptr)
    {
        SetBounds(0, 0, 800, 500);
        SetView3D(false);
    }
    void CalcWallsRect() override { CalcSize3DWalls(); }
    int32_t CalcWallSize(const TChartAxis*) override { return 0; }
    void DrawTitlesAndLegend(bool) override {}
    void DrawWalls() override {}
    bool IsFreeSeriesColor(TColor, bool) override { return true; }
};

class CountingSeries : public TChartSeries
{
public:
    explicit CountingSeries(TComponent* owner) : TChartSeries(owner) {}
    void DrawValue(int index) override { drawn += index; }
    int64_t drawn = 0;
};

void BM_FrameWithMillionPoints(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    FrameChart chart;
    auto* series = new CountingSeries(&chart);
    series->SetParentChart(&chart);
    series->BeginUpdate();
    for (int i = 0; i < 1000000; ++i)
        series->AddXY(i, i % 1000);
    series->EndUpdate();
    chart.BottomAxis()->SetMinMax(450000, 550000);
    for (auto _ : state) {
        chart.Invalidate();
        chart.Update();
        benchmark::DoNotOptimize(series->drawn);
    }
    state.counters["drawn"] = series->VisibleCount();
}
BENCHMARK(BM_FrameWithMillionPoints)->Unit(benchmark::kMillisecond);

} // namespace
