// Filling the result charts from the records, as the display does after its row pass: the mode
// and medal lines (one point per normal game each) and the bonus bars, for runs of 1 and 10
// million plays at setting 6. "ns/point" divides by the points of the two lines. "Fresh" fills
// series that never held points (as the first display of a program does); "Refill" fills them
// again after a display of the same run. Run under QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

#include "BenchApplication.h"

#include "app/ResultCounts.h"
#include "app/Unit1.h"

namespace {

const PlayRecords& Records(int32_t plays)
{
    static std::map<int32_t, std::unique_ptr<PlayRecords>> runs;
    std::unique_ptr<PlayRecords>& run = runs[plays];
    if (!run) {
        run = std::make_unique<PlayRecords>();
        Slot slot;
        slot.SetSetting(6);
        Random31::Seed(8);
        PlayRun(slot, *run, plays);
    }
    return *run;
}

// What the display does with the charts' lines: empty them, take room from the counts, fill.
void Fill(TMainForm& form, const PlayRecords& records, const ResultTally& tally)
{
    form.charts.Clear();
    form.charts.Reserve(tally);
    form.charts.FillLines(records);
}

void SetPointCounter(benchmark::State& state, const PlayRecords& records)
{
    const double points = 2.0 * records.playNumber.back();
    state.counters["ns/point"] =
        benchmark::Counter(points * static_cast<double>(state.iterations()) * 1e-9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_FillLinesFresh(benchmark::State& state)
{
    BenchApplication<QApplication>();
    const PlayRecords& records = Records(static_cast<int32_t>(state.range(0)));
    ResultTally tally(records);
    tally.CountAll();
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<TMainForm>();
        state.ResumeTiming();
        Fill(*form, records, tally);
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    SetPointCounter(state, records);
}
BENCHMARK(BM_FillLinesFresh)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FillLinesRefill(benchmark::State& state)
{
    BenchApplication<QApplication>();
    const PlayRecords& records = Records(static_cast<int32_t>(state.range(0)));
    ResultTally tally(records);
    tally.CountAll();
    TMainForm form;
    Fill(form, records, tally);
    for (auto _ : state)
        Fill(form, records, tally);
    SetPointCounter(state, records);
}
BENCHMARK(BM_FillLinesRefill)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
