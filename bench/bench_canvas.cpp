// The drawing canvas on a 600 x 400 back buffer: a polyline of a million points (a fast-line
// series of a million-play run), ten thousand small rectangles (bars and legend symbols), and
// a state change that changes nothing, and short texts measured and written.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include <random>
#include <vector>

#include "chart/core/TeeCanvas3D.h"

namespace {

// Text needs the font database of an application object (and the environment may turn the fast
// paths off).
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "bench_canvas";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = [] {
        auto* a = new QGuiApplication(argc, argv);
        FastPathsFromEnvironment();
        return a;
    }();
    (void)app;
}

std::vector<TPoint> RandomWalk(int count)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> step(-3, 3);
    std::vector<TPoint> points(count);
    int y = 200;
    for (int i = 0; i < count; ++i) {
        y = std::clamp(y + step(random), 0, 399);
        points[i] = TPoint(static_cast<int32_t>(static_cast<int64_t>(i) * 600 / count), y);
    }
    return points;
}

void BM_Polyline1M(benchmark::State& state)
{
    EnsureApplication();
    const std::vector<TPoint> points = RandomWalk(1000000);
    TTeeCanvas3D canvas;
    canvas.InitWindow(nullptr, nullptr, clWhite, false, TRect(0, 0, 600, 400));
    canvas.ResetState();
    canvas.Pen()->SetColor(clRed);
    for (auto _ : state) {
        canvas.Polyline(points.data(), static_cast<int32_t>(points.size()) - 1);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(points.size()));
}
BENCHMARK(BM_Polyline1M)->Unit(benchmark::kMillisecond);

void BM_Rectangles10k(benchmark::State& state)
{
    TTeeCanvas3D canvas;
    canvas.InitWindow(nullptr, nullptr, clWhite, false, TRect(0, 0, 600, 400));
    canvas.ResetState();
    canvas.Brush()->SetColor(clBlue);
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            const int x = (i * 7) % 590, y = (i * 13) % 390;
            canvas.Rectangle(x, y, x + 8, y + 6);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_Rectangles10k)->Unit(benchmark::kMillisecond);

void BM_UnchangedState(benchmark::State& state)
{
    TTeeCanvas3D canvas;
    canvas.InitWindow(nullptr, nullptr, clWhite, false, TRect(0, 0, 600, 400));
    canvas.ResetState();
    for (auto _ : state) {
        // Setting what is already set rebuilds no device pen or brush.
        canvas.Pen()->SetColor(clBlack);
        canvas.Pen()->SetWidth(1);
        canvas.Brush()->SetColor(clWhite);
        canvas.Brush()->SetStyle(bsSolid);
        benchmark::DoNotOptimize(canvas.Pen());
    }
}
BENCHMARK(BM_UnchangedState);

void BM_TextWidth(benchmark::State& state)
{
    EnsureApplication();
    TTeeCanvas3D canvas;
    canvas.InitWindow(nullptr, nullptr, clWhite, false, TRect(0, 0, 600, 400));
    canvas.ResetState();
    const QString text = QStringLiteral("12,345");
    for (auto _ : state)
        benchmark::DoNotOptimize(canvas.TextWidth(text));
}
BENCHMARK(BM_TextWidth);

void BM_TextOut(benchmark::State& state)
{
    EnsureApplication();
    TTeeCanvas3D canvas;
    canvas.InitWindow(nullptr, nullptr, clWhite, false, TRect(0, 0, 600, 400));
    canvas.ResetState();
    const QString text = QStringLiteral("12,345");
    for (auto _ : state)
        canvas.TextOut(100, 100, text);
}
BENCHMARK(BM_TextOut);

} // namespace
