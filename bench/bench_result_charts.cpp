// The result charts: a million-play start command until every chart is painted, the slump
// chart of a ten-million-play run at setting 6 repainted after a resize, a zoom and a scroll,
// and the bonus bars of that run repainted.
// Run under QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include "app/Unit1.h"
#include "chart/components/Chart.h"
#include "chart/components/UnitStartup.h"
#include "chart/core/ChartAxis.h"
#include "chart/editors/ChartWidget.h"

namespace {

// Paints every chart of the window now, as the screen would after the command.
void PaintCharts(TMainForm& form)
{
    for (QWidget* w : {static_cast<QWidget*>(form.ui.SlumpChart), static_cast<QWidget*>(form.ui.SlumpChart2),
                       static_cast<QWidget*>(form.ui.KoyakuChart), static_cast<QWidget*>(form.ui.ModeStayChart)}) {
        QPixmap shot = w->grab();
        benchmark::DoNotOptimize(shot);
    }
}

// 開始 with a million plays until the window and its four charts are painted.
void BM_StartUntilChartsPaintedMillionPlays(benchmark::State& state)
{
    BenchApplication<QApplication>();
    TMainForm form;
    form.show();
    Random31::Seed(3);
    form.ui.PlayNumEdit->setText(QStringLiteral("1000000"));
    for (auto _ : state) {
        form.FileStartMenuClick();
        PaintCharts(form);
    }
    state.counters["records"] = static_cast<double>(form.playRecords.size());
}
BENCHMARK(BM_StartUntilChartsPaintedMillionPlays)->Unit(benchmark::kMillisecond)->Iterations(3);

// The slump chart's series of a ten-million-play run, filled once for the repaint benchmarks.
struct TenMillion {
    TMainForm form;
    TChartWidget* widget = nullptr;
    TChart* chart = nullptr;
    TenMillion()
    {
        form.show();
        Slot slot;
        slot.SetSetting(6);
        Random31::Seed(4);
        PlayRecords records;
        PlayRun(slot, records, 10000000);
        form.charts.Clear();
        form.charts.SetSlumpRange(records.playNumber.back());
        for (size_t i = 0; i < records.size(); ++i)
            form.charts.AddMarker(records, i);
        form.charts.FillLines(records);
        widget = form.ui.SlumpChart;
        chart = form.charts.SlumpChart();
    }
};

TenMillion& Run10M()
{
    BenchApplication<QApplication>();
    static TenMillion* run = new TenMillion;
    return *run;
}

void BM_SlumpRepaintTenMillionResize(benchmark::State& state)
{
    TenMillion& run = Run10M();
    int step = 0;
    for (auto _ : state) {
        run.widget->resize(597 - (step++ % 2) * 40, 217);
        QPixmap shot = run.widget->grab();
        benchmark::DoNotOptimize(shot);
    }
    run.widget->resize(597, 217);
}
BENCHMARK(BM_SlumpRepaintTenMillionResize)->Unit(benchmark::kMillisecond)->Iterations(10);

// Alternately the middle half and the whole run, as a zoom and its undo.
void ZoomAndUndo(benchmark::State& state, TenMillion& run)
{
    TChartAxis* bottom = run.chart->BottomAxis();
    int step = 0;
    for (auto _ : state) {
        if (step++ % 2 == 0)
            bottom->SetMinMax(2500000, 7500000);
        else
            bottom->SetMinMax(1, 10000000);
        QPixmap shot = run.widget->grab();
        benchmark::DoNotOptimize(shot);
    }
    bottom->SetMinMax(1, 10000000);
}

void BM_SlumpRepaintTenMillionZoom(benchmark::State& state)
{
    ZoomAndUndo(state, Run10M());
}
BENCHMARK(BM_SlumpRepaintTenMillionZoom)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SlumpRepaintTenMillionScroll(benchmark::State& state)
{
    TenMillion& run = Run10M();
    TChartAxis* bottom = run.chart->BottomAxis();
    double shift = 0;
    for (auto _ : state) {
        // A right-drag moves the whole view a little at a time.
        shift += 50000;
        bottom->SetMinMax(1 + shift, 10000000 + shift);
        QPixmap shot = run.widget->grab();
        benchmark::DoNotOptimize(shot);
    }
    bottom->SetMinMax(1, 10000000);
}
BENCHMARK(BM_SlumpRepaintTenMillionScroll)->Unit(benchmark::kMillisecond)->Iterations(10);

// The same zoom and its undo with every marker series shown (some 3.4 million symbols).
void BM_SlumpRepaintTenMillionZoomAllMarkers(benchmark::State& state)
{
    TenMillion& run = Run10M();
    for (int s = ResultCharts::BIG; s <= ResultCharts::Chance; ++s)
        run.form.charts.SetActive(static_cast<ResultCharts::Series>(s), true);
    ZoomAndUndo(state, run);
    for (int s = ResultCharts::BIG; s <= ResultCharts::Chance; ++s)
        run.form.charts.SetActive(static_cast<ResultCharts::Series>(s), false);
}
BENCHMARK(BM_SlumpRepaintTenMillionZoomAllMarkers)->Unit(benchmark::kMillisecond)->Iterations(10);

// The user's zoom with every marker series shown: a drag over the middle third of the plot,
// drawn in its animated steps, then its undo, each until the chart is painted.
void BM_SlumpAnimatedZoomAndUndoAllMarkers(benchmark::State& state)
{
    TenMillion& run = Run10M();
    for (int s = ResultCharts::BIG; s <= ResultCharts::Chance; ++s)
        run.form.charts.SetActive(static_cast<ResultCharts::Series>(s), true);
    TChartWidget* widget = run.widget;
    for (auto _ : state) {
        run.chart->ZoomRect(TRect(widget->width() / 3, widget->height() / 4, 2 * widget->width() / 3,
                                  3 * widget->height() / 4));
        QPixmap zoomed = widget->grab();
        benchmark::DoNotOptimize(zoomed);
        run.chart->UndoZoom();
        QPixmap whole = widget->grab();
        benchmark::DoNotOptimize(whole);
    }
    for (int s = ResultCharts::BIG; s <= ResultCharts::Chance; ++s)
        run.form.charts.SetActive(static_cast<ResultCharts::Series>(s), false);
}
BENCHMARK(BM_SlumpAnimatedZoomAndUndoAllMarkers)->Unit(benchmark::kMillisecond)->Iterations(10);

// The bars of games between bonuses of the same run, each with its mark (some 60,000).
void BM_BonusBarsRepaintTenMillion(benchmark::State& state)
{
    TenMillion& run = Run10M();
    TChartWidget* widget = run.form.ui.SlumpChart2;
    for (auto _ : state) {
        widget->Chart()->Invalidate();
        QPixmap shot = widget->grab();
        benchmark::DoNotOptimize(shot);
    }
    state.counters["bars"] = static_cast<double>(run.form.charts.PointCount(ResultCharts::SlumpBSeries));
}
BENCHMARK(BM_BonusBarsRepaintTenMillion)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
