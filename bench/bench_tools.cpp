// The cursor tool over a chart holding a million-point fast line, shown in a window: one mouse
// move (the lines erased and drawn again by exclusive-or, the window shown its back buffer),
// with and without snapping to the nearest point; and the nearest-point search alone over a
// million visible points. "draws" counts how often the chart was drawn during the moves.
// Run under QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include <random>

#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "chart/components/TeeTools.h"
#include "platform/widgets/ControlHost.h"

namespace {

class CountingChart : public TChart
{
public:
    CountingChart() : TChart(nullptr)
    {
        SetBounds(0, 0, 640, 400);
        SetView3D(false);
    }
    void InternalDraw(const TRect& r) override
    {
        ++Draws;
        TChart::InternalDraw(r);
    }
    int Draws = 0;
};

struct Scene {
    CountingChart* chart = new CountingChart;
    TFastLineSeries* series = new TFastLineSeries(nullptr);
    TCursorTool* cursor = new TCursorTool(nullptr);
    TControlHost host;

    Scene()
    {
        chart->AddSeries(series);
        std::mt19937 rng(1);
        double y = 0;
        series->BeginUpdate();
        for (int i = 0; i < 1000000; ++i) {
            y += static_cast<int>(rng() % 7) - 3;
            series->AddXY(i, y);
        }
        series->EndUpdate();
        chart->Tools()->Add(cursor);
        cursor->SetSeries(series);
        cursor->SetFollowMouse(true);
        host.resize(640, 400);
        host.SetControl(chart, true);
        host.show();
        QApplication::processEvents();
    }
};

Scene& TheScene()
{
    static Scene* scene = new Scene;
    return *scene;
}

void BM_CursorMove(benchmark::State& state)
{
    BenchApplication<QApplication>();
    Scene& scene = TheScene();
    scene.cursor->SetSnap(state.range(0) != 0);
    QApplication::processEvents();
    const int drawsBefore = scene.chart->Draws;
    const bool showWindow = state.range(1) != 0;
    int x = 100;
    for (auto _ : state) {
        x = x == 500 ? 100 : x + 1;
        scene.cursor->ChartMouseEvent(cmeMove, mbLeft, {}, x, 200);
        if (showWindow)
            QApplication::processEvents();
    }
    QApplication::processEvents();
    state.counters["draws"] = scene.chart->Draws - drawsBefore;
}
// window:0 leaves out the window showing the back buffer.
BENCHMARK(BM_CursorMove)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"snap", "window"})->Unit(benchmark::kMicrosecond);

void BM_NearestPoint(benchmark::State& state)
{
    BenchApplication<QApplication>();
    Scene& scene = TheScene();
    double difference = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(scene.cursor->NearestPoint(static_cast<TCursorToolStyle>(state.range(0)), difference));
    state.counters["visible"] = scene.series->LastVisible() - scene.series->FirstVisible() + 1;
}
BENCHMARK(BM_NearestPoint)->Arg(cssVertical)->Arg(cssBoth)->ArgName("style")->Unit(benchmark::kMillisecond);

} // namespace
