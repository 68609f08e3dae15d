// Whole frames of the line family, 800 x 500: a 3D line with a front face, a 2D area filled
// with a gradient, a see-through area and a 3D gradient area, each of 10,000 points (many
// points per pixel column, as a long run gives). Run under QT_QPA_PLATFORM=offscreen.
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cmath>

#include "BenchApplication.h"

#include "chart/components/Series.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/TeEngine.h"

namespace {

constexpr int Points = 10000;

class FrameChart : public TCustomAxisPanel
{
public:
    explicit FrameChart(bool is3D) : TCustomAxisPanel(nullptr)
    {
        SetBounds(0, 0, 800, 500);
        SetView3D(is3D);
    }
    void CalcWallsRect() override { CalcSize3DWalls(); }
    int32_t CalcWallSize(const TChartAxis*) override { return 0; }
    void DrawTitlesAndLegend(bool) override {}
    void DrawWalls() override {}
    bool IsFreeSeriesColor(TColor, bool) override { return true; }
};

template <class Series>
void Fill(Series* series)
{
    series->BeginUpdate();
    for (int i = 0; i < Points; ++i)
        series->AddXY(i, 500 + 400 * std::sin(i * 0.003) + (i * 7919) % 97);
    series->EndUpdate();
}

void Frames(benchmark::State& state, FrameChart& chart)
{
    for (auto _ : state) {
        chart.Invalidate();
        chart.Update();
    }
    state.SetItemsProcessed(state.iterations() * Points);
}

void BM_Line3DWithFrontFace(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    FrameChart chart(true);
    auto* line = new TLineSeries(&chart);
    line->SetParentChart(&chart);
    line->SetLineHeight(5);
    Fill(line);
    Frames(state, chart);
}
BENCHMARK(BM_Line3DWithFrontFace)->Unit(benchmark::kMillisecond);

void BM_AreaGradient2D(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    FrameChart chart(false);
    auto* area = new TAreaSeries(&chart);
    area->SetParentChart(&chart);
    area->Gradient()->SetVisible(true);
    Fill(area);
    Frames(state, chart);
}
BENCHMARK(BM_AreaGradient2D)->Unit(benchmark::kMillisecond);

void BM_AreaTransparent2D(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    FrameChart chart(false);
    auto* area = new TAreaSeries(&chart);
    area->SetParentChart(&chart);
    area->SetTransparency(50);
    Fill(area);
    Frames(state, chart);
}
BENCHMARK(BM_AreaTransparent2D)->Unit(benchmark::kMillisecond);

void BM_AreaGradient3D(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    FrameChart chart(true);
    auto* area = new TAreaSeries(&chart);
    area->SetParentChart(&chart);
    area->Gradient()->SetVisible(true);
    Fill(area);
    Frames(state, chart);
}
BENCHMARK(BM_AreaGradient3D)->Unit(benchmark::kMillisecond);

} // namespace
