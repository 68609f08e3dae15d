// A chart panel's own drawing: a full paint of a gradient background with bevels and border,
// showing the buffered picture again, a bitmap export and an anti-aliased picture.
// Run under QT_QPA_PLATFORM=offscreen.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include "chart/components/UnitStartup.h"
#include "chart/core/AntiAlias.h"
#include "chart/core/CustomTeePanel.h"
#include "chart/core/TeeGradient.h"

namespace {

class BackgroundPanel : public TCustomTeePanelExtended
{
public:
    BackgroundPanel() : TCustomTeePanelExtended(nullptr)
    {
        SetBounds(0, 0, 800, 500);
        Gradient()->SetStartColor(clWhite);
        Gradient()->SetEndColor(clNavy);
        Gradient()->SetVisible(true);
        SetBevelInner(bvLowered);
        Border()->SetVisible(true);
        Border()->SetWidth(2);
    }
    void InternalDraw(const TRect& rect) override { PanelPaint(rect); }
};

void BM_FullPaint(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    BackgroundPanel panel;
    for (auto _ : state) {
        panel.Invalidate();
        panel.Update();
        benchmark::DoNotOptimize(panel.BackBuffer().constBits());
    }
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMicrosecond);

void BM_BufferedRepaint(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    BackgroundPanel panel;
    panel.Update();
    for (auto _ : state) {
        panel.Repaint();
        benchmark::DoNotOptimize(panel.BackBuffer().constBits());
    }
}
BENCHMARK(BM_BufferedRepaint)->Unit(benchmark::kMicrosecond);

void BM_BitmapExport(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    BackgroundPanel panel;
    for (auto _ : state)
        benchmark::DoNotOptimize(panel.TeeCreateBitmap(clWhite, panel.GetRectangle()));
}
BENCHMARK(BM_BitmapExport)->Unit(benchmark::kMicrosecond);

void BM_AntiAlias(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    BackgroundPanel panel;
    for (auto _ : state)
        benchmark::DoNotOptimize(TeeAntiAlias(&panel));
}
BENCHMARK(BM_AntiAlias)->Unit(benchmark::kMicrosecond);

} // namespace
