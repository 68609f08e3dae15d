// Keeping marks apart: a chart of 20,000 bars and a pie of 20,000 slices, each point with its
// mark, painted in 2D and in 3D, with the marks kept apart and, for comparison, without (marks
// kept apart land elsewhere, so the difference also holds their other drawing); and the
// placing alone: the positions that a paint without keeping them apart recorded, placed again
// one after another as a paint places them. 800 x 500, no legend. Run under
// QT_QPA_PLATFORM=offscreen.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include <random>
#include <vector>

#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "chart/core/SeriesMarks.h"

namespace {

constexpr int Marks = 20000;

TChart* NewChart(bool is3D)
{
    auto* chart = new TChart(nullptr);
    chart->SetBounds(0, 0, 800, 500);
    chart->SetView3D(is3D);
    chart->Legend()->SetVisible(false);
    return chart;
}

template <class Series>
void Fill(Series* series)
{
    std::mt19937 rng(20);
    series->BeginUpdate();
    for (int i = 0; i < Marks; ++i)
        series->Add(static_cast<double>(rng() % 1000 + 1));
    series->EndUpdate();
    series->Marks()->SetVisible(true);
}

void Paint(benchmark::State& state, TChart* chart)
{
    for (auto _ : state) {
        chart->Invalidate();
        chart->Update();
        benchmark::DoNotOptimize(chart->BackBuffer().constBits());
    }
}

// Arguments: 3D (0 or 1), marks kept apart (0 or 1).
void BM_BarMarks(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    TChart* chart = NewChart(state.range(0) != 0);
    auto* bars = new TBarSeries(chart);
    chart->AddSeries(bars);
    Fill(bars);
    bars->SetAutoMarkPosition(state.range(1) != 0);
    Paint(state, chart);
    chart->FreeAllSeries();
    delete chart;
}
BENCHMARK(BM_BarMarks)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_PieMarks(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    TChart* chart = NewChart(state.range(0) != 0);
    auto* pie = new TPieSeries(chart);
    chart->AddSeries(pie);
    Fill(pie);
    pie->SetAutoMarkPosition(state.range(1) != 0);
    Paint(state, chart);
    chart->FreeAllSeries();
    delete chart;
}
BENCHMARK(BM_PieMarks)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

// The marks' own positions as the series computed them, placed one after another.
void Place(benchmark::State& state, TChartSeries* series)
{
    series->ParentChart()->Invalidate();
    series->ParentChart()->Update();
    TSeriesMarks* marks = series->Marks();
    std::vector<TSeriesMarkPosition> computed;
    for (int i = 0; i < series->Count(); ++i)
        computed.push_back(*marks->Positions().Get(i));
    for (auto _ : state) {
        const TSeriesMarks::TPlacing placing(marks);
        for (int i = 0; i < static_cast<int>(computed.size()); ++i) {
            TSeriesMarkPosition p = computed[static_cast<size_t>(i)];
            marks->AntiOverlap(0, i, p);
            marks->UsePosition(i, p);
        }
    }
    state.SetItemsProcessed(state.iterations() * series->Count());
}

// Argument: 3D (0 or 1).
void BM_PlaceBarMarks(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    TChart* chart = NewChart(state.range(0) != 0);
    auto* bars = new TBarSeries(chart);
    chart->AddSeries(bars);
    Fill(bars);
    bars->SetAutoMarkPosition(false);
    Place(state, bars);
    chart->FreeAllSeries();
    delete chart;
}
BENCHMARK(BM_PlaceBarMarks)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PlacePieMarks(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    TChart* chart = NewChart(state.range(0) != 0);
    auto* pie = new TPieSeries(chart);
    chart->AddSeries(pie);
    Fill(pie);
    pie->SetAutoMarkPosition(false);
    Place(state, pie);
    chart->FreeAllSeries();
    delete chart;
}
BENCHMARK(BM_PlacePieMarks)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
