// Reading a chart's stored text and freeing what it made, for texts of many components (a text
// makes at most 500).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <chrono>

#include "BenchApplication.h"
#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "chart/components/TeeTools.h"
#include "chart/core/ChartAxis.h"
#include "platform/Exceptions.h"
#include "platform/TeeFiler.h"

namespace {

QString CursorTools(int count)
{
    QString text = QStringLiteral("Components.Count=%1\n").arg(count);
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("Components.%1.Class=TCursorTool\nComponents.%1.Name=Cursor%1\n").arg(i);
    return text;
}

// Reads N named cursor tools into a new chart and frees the chart.
void BM_ReadAndFreeCursorTools(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    const QString text = CursorTools(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TComponent owner(nullptr);
        auto* chart = new TChart(&owner);
        TeeReadProperties(*chart, text);
        benchmark::DoNotOptimize(chart->Tools()->Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadAndFreeCursorTools)->Arg(125)->Arg(250)->Arg(500)->Unit(benchmark::kMillisecond)->Complexity();

// Reading alone: the chart is freed outside the timing.
void BM_ReadCursorTools(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    const QString text = CursorTools(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto* owner = new TComponent(nullptr);
        auto* chart = new TChart(owner);
        state.ResumeTiming();
        TeeReadProperties(*chart, text);
        benchmark::DoNotOptimize(chart->Tools()->Count());
        state.PauseTiming();
        delete owner;
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadCursorTools)->Arg(125)->Arg(250)->Arg(500)->Unit(benchmark::kMillisecond)->Complexity();

// Texts up to the bounds (500 components, 100 custom axes, 100,000 objects), each read as a
// form loads it, painted, written and freed; the counters give each step in milliseconds. A
// text beyond them is refused, which the steps time too.
struct StepTimes {
    double read = 0, paint = 0, write = 0, free = 0;
};

StepTimes ReadPaintWriteFree(const QString& text)
{
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::time_point a, Clock::time_point b) {
        return std::chrono::duration<double, std::milli>(b - a).count();
    };
    StepTimes t;
    const auto t0 = Clock::now();
    auto* owner = new TComponent(nullptr);
    auto* chart = new TChart(owner);
    chart->SetBounds(0, 0, 320, 240);
    owner->BeginLoading();
    try {
        TeeReadProperties(*chart, text);
    } catch (const EReadError&) {
    }
    owner->EndLoading();
    const auto t1 = Clock::now();
    chart->Invalidate();
    chart->Update();
    const auto t2 = Clock::now();
    benchmark::DoNotOptimize(TeeWriteProperties(*chart).size());
    const auto t3 = Clock::now();
    delete owner;
    const auto t4 = Clock::now();
    t.read = ms(t0, t1);
    t.paint = ms(t1, t2);
    t.write = ms(t2, t3);
    t.free = ms(t3, t4);
    return t;
}

void RunSteps(benchmark::State& state, const QString& text)
{
    BenchApplication<QGuiApplication>();
    StepTimes sum;
    for (auto _ : state) {
        const StepTimes t = ReadPaintWriteFree(text);
        sum.read += t.read;
        sum.paint += t.paint;
        sum.write += t.write;
        sum.free += t.free;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["read_ms"] = sum.read / n;
    state.counters["paint_ms"] = sum.paint / n;
    state.counters["write_ms"] = sum.write / n;
    state.counters["free_ms"] = sum.free / n;
}

// Components of one class: line, bar, pie and area series, cursor tools.
void BM_StepsComponents(benchmark::State& state)
{
    static const char* const classes[] = {"TLineSeries", "TBarSeries", "TPieSeries", "TAreaSeries", "TCursorTool"};
    const QString cls = QLatin1String(classes[state.range(1)]);
    state.SetLabel(cls.toStdString());
    QString text = QStringLiteral("Components.Count=%1\n").arg(state.range(0));
    for (int64_t i = 0; i < state.range(0); ++i)
        text += QStringLiteral("Components.%1.Class=%2\nComponents.%1.Name=C%1\n").arg(i).arg(cls);
    RunSteps(state, text);
}
BENCHMARK(BM_StepsComponents)
    ->ArgsProduct({{125, 500}, {0, 1, 2, 3, 4}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

void BM_StepsCustomAxes(benchmark::State& state)
{
    RunSteps(state, QStringLiteral("CustomAxes.Count=%1\n").arg(state.range(0)));
}
BENCHMARK(BM_StepsCustomAxes)->Arg(25)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StepsDrawnLines(benchmark::State& state)
{
    RunSteps(state, QStringLiteral("Components.Count=1\nComponents.0.Class=TDrawLineTool\n"
                                   "Components.0.Lines.Count=%1\n")
                        .arg(state.range(0)));
}
BENCHMARK(BM_StepsDrawnLines)->Arg(99999)->Unit(benchmark::kMillisecond)->Iterations(3);

// Writing custom axes made in code, beyond the hundred that a text may make.
void BM_WriteCustomAxesMadeInCode(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    TChart chart(nullptr);
    for (int64_t i = 0; i < state.range(0); ++i)
        new TChartAxis(chart.CustomAxes());
    for (auto _ : state)
        benchmark::DoNotOptimize(TeeWriteProperties(chart).size());
}
BENCHMARK(BM_WriteCustomAxesMadeInCode)->Arg(20000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);

// The text of the file that PELVARO_STORED_TEXT names, when it names one.
void BM_StepsTextOfFile(benchmark::State& state)
{
    QFile file(qEnvironmentVariable("PELVARO_STORED_TEXT"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("PELVARO_STORED_TEXT names no file");
        return;
    }
    RunSteps(state, QString::fromUtf8(file.readAll()));
}
BENCHMARK(BM_StepsTextOfFile)->Unit(benchmark::kMillisecond)->Iterations(2);

// Line series made in code, owned by one component, then freed.
void BM_MakeAndFreeLineSeries(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    for (auto _ : state) {
        auto* owner = new TComponent(nullptr);
        for (int64_t i = 0; i < state.range(0); ++i)
            new TLineSeries(owner);
        delete owner;
    }
}
BENCHMARK(BM_MakeAndFreeLineSeries)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Line series made in code by a chart without owner, which owns them, then the chart freed:
// it frees its series from the first.
void BM_MakeAndFreeSeriesOfAChart(benchmark::State& state)
{
    BenchApplication<QGuiApplication>();
    for (auto _ : state) {
        auto* chart = new TChart(nullptr);
        for (int64_t i = 0; i < state.range(0); ++i)
            chart->AddSeries(new TLineSeries(chart));
        delete chart;
    }
}
BENCHMARK(BM_MakeAndFreeSeriesOfAChart)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
