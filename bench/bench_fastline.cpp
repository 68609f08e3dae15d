// A fast line of one and ten million points repainted in a chart about 600 pixels wide,
// against a plain drawPolyline of every point's pixel into an image of the same size, and
// against the bare work that the repaint needs (each point's pixel, every pixel column
// reduced to its first, lowest, highest and last point, one drawPolyline); the chart's frame
// alone; and adding a million points one by one to a shown chart.
// Run under QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include <map>
#include <random>

#include "chart/components/Series.h"
#include "chart/components/UnitStartup.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/CustomAxisPanel.h"
#include "platform/widgets/ControlHost.h"

namespace {

class Chart : public TCustomAxisPanel
{
public:
    Chart() : TCustomAxisPanel(nullptr)
    {
        SetBounds(0, 0, 640, 400);
        SetView3D(false);
    }
    bool IsFreeSeriesColor(TColor, bool) override { return true; }
    int32_t CalcWallSize(const TChartAxis*) override { return 0; }
    // No walls, titles or legend: the plot rectangle is the panel's.
    void CalcWallsRect() override {}
    void DrawTitlesAndLegend(bool) override {}
    void DrawWalls() override {}
};

// A random walk, as a slump graph looks.
void AddWalk(TChartSeries* series, int count)
{
    std::mt19937 rng(1);
    double y = 0;
    for (int i = 0; i < count; ++i) {
        y += static_cast<int>(rng() % 7) - 3;
        series->AddXY(i, y);
    }
}

TFastLineSeries* AddFastLine(Chart* chart)
{
    auto* series = new TFastLineSeries(nullptr);
    chart->AddSeries(series);
    series->SetSeriesColor(clRed);
    series->LinePen()->SetWidth(2);
    return series;
}

// One chart per size, filled once.
Chart* FilledChart(int count)
{
    static std::map<int, Chart*> charts;
    Chart*& chart = charts[count];
    if (!chart) {
        chart = new Chart;
        TFastLineSeries* series = AddFastLine(chart);
        series->BeginUpdate();
        AddWalk(series, count);
        series->EndUpdate();
    }
    return chart;
}

void BM_FastLineRepaint(benchmark::State& state)
{
    BenchApplication<QApplication>();
    Chart* chart = FilledChart(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        chart->Invalidate();
        chart->Update();
        benchmark::DoNotOptimize(chart->BackBuffer().constBits());
    }
}
BENCHMARK(BM_FastLineRepaint)->Arg(1000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

// The same chart with its series switched off: what a repaint costs besides the points.
void BM_ChartFrame(benchmark::State& state)
{
    BenchApplication<QApplication>();
    static Chart* chart = [] {
        auto* c = new Chart;
        TFastLineSeries* series = AddFastLine(c);
        AddWalk(series, 1000);
        series->SetActive(false);
        return c;
    }();
    for (auto _ : state) {
        chart->Invalidate();
        chart->Update();
        benchmark::DoNotOptimize(chart->BackBuffer().constBits());
    }
}
BENCHMARK(BM_ChartFrame)->Unit(benchmark::kMillisecond);

// A million points added one by one, as a run fills its chart, to a chart shown in a window:
// each point asks for a repaint (AutoRepaint on), which the window does once, at the end.
void BM_FastLineAddPoints(benchmark::State& state)
{
    BenchApplication<QApplication>();
    auto* chart = new Chart;
    TFastLineSeries* series = AddFastLine(chart);
    TControlHost host;
    host.resize(640, 400);
    host.SetControl(chart, true);
    host.show();
    QApplication::processEvents();
    for (auto _ : state) {
        series->Clear();
        AddWalk(series, static_cast<int>(state.range(0)));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FastLineAddPoints)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same points' pixels (as the chart computed them) drawn by one drawPolyline.
void BM_PlainPolyline(benchmark::State& state)
{
    BenchApplication<QApplication>();
    Chart* chart = FilledChart(static_cast<int>(state.range(0)));
    chart->Invalidate();
    chart->Update();
    TChartSeries* series = chart->Series(0);
    std::vector<QPoint> points(static_cast<size_t>(series->Count()));
    for (int i = 0; i < series->Count(); ++i)
        points[static_cast<size_t>(i)] = QPoint(series->CalcXPos(i), series->CalcYPos(i));
    QImage image(640, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::red, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(points.data(), static_cast<int>(points.size()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PlainPolyline)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

// The bare work of a repaint, in plain Qt: the image cleared, each point's pixel from the
// axes' scales (as the painted chart left them, rounded by qRound), each pixel column reduced
// to its first, lowest, highest and last point, and one drawPolyline with the series' pen.
void BM_ReducedPolyline(benchmark::State& state)
{
    BenchApplication<QApplication>();
    Chart* chart = FilledChart(static_cast<int>(state.range(0)));
    chart->Invalidate();
    chart->Update();
    TChartSeries* series = chart->Series(0);
    const TChartAxis* h = series->GetHorizAxis();
    const TChartAxis* v = series->GetVertAxis();
    const double* xs = series->XValues()->Data();
    const double* ys = series->YValues()->Data();
    const int count = series->Count();
    std::vector<QPoint> points;
    points.reserve(4 * 640);
    QImage image(640, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        points.clear();
        int i = 0;
        while (i < count) {
            const int x = qRound(h->StartPixel + (xs[i] - h->WorkMinimum) * h->ValueScale);
            const int first = qRound(v->EndPixel - (ys[i] - v->WorkMinimum) * v->ValueScale);
            int low = first, high = first, last = first;
            for (++i; i < count; ++i) {
                if (qRound(h->StartPixel + (xs[i] - h->WorkMinimum) * h->ValueScale) != x)
                    break;
                last = qRound(v->EndPixel - (ys[i] - v->WorkMinimum) * v->ValueScale);
                low = std::min(low, last);
                high = std::max(high, last);
            }
            for (const int y : {first, low, high, last})
                if (points.empty() || points.back() != QPoint(x, y))
                    points.push_back(QPoint(x, y));
        }
        QPainter painter(&image);
        painter.setPen(QPen(Qt::red, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(points.data(), static_cast<int>(points.size()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReducedPolyline)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

} // namespace
