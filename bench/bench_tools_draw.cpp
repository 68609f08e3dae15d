// Feedback of the drawing tools over a chart holding a 1,000,000-point fast line, shown in a
// window: one mouse move while dragging a colour line, while drawing a trend line's rubber
// band, and while the nearest-point mark follows the mouse by exclusive-or; then the
// nearest-point search alone. None of the moves may repaint the series; a full repaint of the
// same chart is measured for comparison. Run under QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include <random>

#include "chart/components/Chart.h"
#include "chart/components/ColorLineTool.h"
#include "chart/components/DrawLineTool.h"
#include "chart/components/NearestTool.h"
#include "chart/components/Series.h"
#include "chart/core/ChartAxis.h"
#include "platform/widgets/ControlHost.h"

namespace {

constexpr int kPoints = 1000000;

struct ShownChart {
    TChart* Chart = nullptr;
    TFastLineSeries* Series = nullptr;
    TControlHost* Host = nullptr;
};

// One painted chart for every case, shown in a window as the program shows it.
ShownChart& Shown()
{
    static ShownChart shown = [] {
        ShownChart s;
        s.Chart = new TChart(nullptr);
        s.Chart->SetBounds(0, 0, 640, 400);
        s.Chart->SetView3D(false);
        s.Series = new TFastLineSeries(nullptr);
        s.Chart->AddSeries(s.Series);
        s.Series->BeginUpdate();
        std::mt19937 rng(1);
        double y = 0;
        for (int i = 0; i < kPoints; ++i) {
            y += static_cast<int>(rng() % 7) - 3;
            s.Series->AddXY(i, y);
        }
        s.Series->EndUpdate();
        s.Host = new TControlHost;
        s.Host->resize(640, 400);
        s.Host->SetControl(s.Chart, true);
        s.Host->show();
        s.Chart->Repaint();
        QApplication::processEvents();
        return s;
    }();
    return shown;
}

// Mouse moves to and fro along x while the chart handles them; the window shows each result.
void MoveToAndFro(benchmark::State& state, TChart* chart, int x0, int y)
{
    int step = 0;
    for (auto _ : state) {
        chart->MouseMove(0, x0 + (step++ % 40), y);
        QApplication::processEvents();
    }
    if (chart->NeedsPaint())
        state.SkipWithError("a move asked for a repaint");
}

void BM_ColorLineDragMove(benchmark::State& state)
{
    BenchApplication<QApplication>();
    ShownChart& s = Shown();
    auto* tool = new TColorLineTool(nullptr);
    tool->SetAxis(s.Chart->BottomAxis());
    tool->SetValue(kPoints / 2);
    s.Chart->Repaint();
    const int x = s.Chart->BottomAxis()->CalcPosValue(kPoints / 2);
    const int y = s.Chart->PlotCenterY();
    s.Chart->MouseDown(mbLeft, 0, x, y);
    MoveToAndFro(state, s.Chart, x, y);
    s.Chart->MouseUp(mbLeft, 0, x, y);
    delete tool;
    s.Chart->Repaint();
}
BENCHMARK(BM_ColorLineDragMove)->Unit(benchmark::kMicrosecond);

void BM_DrawLineRubberBandMove(benchmark::State& state)
{
    BenchApplication<QApplication>();
    ShownChart& s = Shown();
    auto* tool = new TDrawLineTool(nullptr);
    tool->SetParentChart(s.Chart);
    const TRect plot = s.Chart->PlotRect();
    s.Chart->MouseDown(mbLeft, 0, plot.Left + 20, plot.Top + 20);
    MoveToAndFro(state, s.Chart, plot.Left + 200, plot.Top + 200);
    tool->ChartMouseEvent(cmeMove, mbLeft, 0, plot.Left + 20, plot.Top + 20); // no line is added
    s.Chart->MouseUp(mbLeft, 0, plot.Left + 20, plot.Top + 20);
    delete tool;
    s.Chart->Repaint();
}
BENCHMARK(BM_DrawLineRubberBandMove)->Unit(benchmark::kMicrosecond);

void BM_NearestExclusiveOrMove(benchmark::State& state)
{
    BenchApplication<QApplication>();
    ShownChart& s = Shown();
    auto* tool = new TNearestTool(nullptr);
    tool->SetParentChart(s.Chart);
    tool->SetSeries(s.Series);
    tool->SetFullRepaint(false);
    s.Chart->Repaint();
    MoveToAndFro(state, s.Chart, s.Chart->PlotCenterX(), s.Chart->PlotCenterY());
    delete tool;
    s.Chart->Repaint();
}
BENCHMARK(BM_NearestExclusiveOrMove)->Unit(benchmark::kMicrosecond);

void BM_NearestSearch(benchmark::State& state)
{
    BenchApplication<QApplication>();
    ShownChart& s = Shown();
    int step = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            TNearestTool::GetNearestPoint(s.Series, s.Chart->PlotCenterX() + (step++ % 40), s.Chart->PlotCenterY()));
}
BENCHMARK(BM_NearestSearch)->Unit(benchmark::kMillisecond);

// From a corner of the plot far from the line every column may hold a nearer point: the
// whole series is looked at.
void BM_NearestSearchFromACorner(benchmark::State& state)
{
    BenchApplication<QApplication>();
    ShownChart& s = Shown();
    const TRect plot = s.Chart->PlotRect();
    const double top = s.Chart->LeftAxis()->CalcPosPoint(plot.Top);
    const double bottom = s.Chart->LeftAxis()->CalcPosPoint(plot.Bottom);
    // The corner on the side away from the line's last point.
    const double last = s.Series->YValues()->GetValue(kPoints - 1);
    const int y = last - bottom > top - last ? plot.Top : plot.Bottom - 1;
    int step = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(TNearestTool::GetNearestPoint(s.Series, plot.Right - 1 - (step++ % 40), y));
}
BENCHMARK(BM_NearestSearchFromACorner)->Unit(benchmark::kMillisecond);

void BM_FullRepaintForComparison(benchmark::State& state)
{
    BenchApplication<QApplication>();
    ShownChart& s = Shown();
    for (auto _ : state) {
        s.Chart->Invalidate();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FullRepaintForComparison)->Unit(benchmark::kMillisecond);

} // namespace
