// The results display of a million-play run: ShowResults from the records to every view,
// and the whole start command around it. Run under QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QComboBox>
#include <benchmark/benchmark.h>

#include "BenchApplication.h"
#include <cstdio>
#include <sys/resource.h>

#include "app/Unit1.h"
#include "chart/components/UnitStartup.h"

namespace {

long PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

constexpr int32_t Plays = 1000000;

void BM_ShowResultsMillionPlays(benchmark::State& state)
{
    BenchApplication<QApplication>();
    TMainForm form;
    form.show();
    Random31::Seed(1);
    form.ui.PlayNumEdit->setText(QString::number(Plays));
    form.RunSimulation();
    for (auto _ : state)
        form.ShowResults();
    state.counters["records"] = static_cast<double>(form.playRecords.size());
    state.counters["peakMB"] = static_cast<double>(PeakResidentMegabytes());
}
BENCHMARK(BM_ShowResultsMillionPlays)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StartCommandMillionPlays(benchmark::State& state)
{
    BenchApplication<QApplication>();
    TMainForm form;
    form.show();
    Random31::Seed(2);
    form.ui.PlayNumEdit->setText(QString::number(Plays));
    for (auto _ : state)
        form.FileStartMenuClick();
    state.counters["records"] = static_cast<double>(form.playRecords.size());
    state.counters["peakMB"] = static_cast<double>(PeakResidentMegabytes());
}
BENCHMARK(BM_StartCommandMillionPlays)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
