// Whole runs of the machine: 10 million plays with every record appended.
#include <benchmark/benchmark.h>

#include "model/PlayRecords.h"
#include "model/Slot.h"

// The window reuses its columns from run to run, so their pages are warm after the first run;
// a fresh process pays the kernel's first touch of ~500 MB once (see BM_PlayRunFirst).
static void RunPlays(benchmark::State& state, bool freshRecords)
{
    const int32_t setting = static_cast<int32_t>(state.range(0));
    const int32_t plays = 10000000;
    Slot slot;
    PlayRecords records;
    Random31::Seed(1);
    int64_t games = 0;
    for (auto _ : state) {
        if (freshRecords)
            records = PlayRecords();
        slot.SetSetting(setting);
        PlayRun(slot, records, plays);
        games += static_cast<int64_t>(records.size());
        benchmark::DoNotOptimize(records.medals.data());
    }
    state.counters["games/s"] = benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
    state.counters["plays/s"] = benchmark::Counter(static_cast<double>(plays) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
}
static void BM_PlayRun(benchmark::State& state) { RunPlays(state, false); }
static void BM_PlayRunFirst(benchmark::State& state) { RunPlays(state, true); }
BENCHMARK(BM_PlayRun)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlayRunFirst)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond)->Iterations(3);

// The model alone, without records.
static void BM_PlayOnly(benchmark::State& state)
{
    Slot slot;
    Random31::Seed(1);
    for (auto _ : state) {
        slot.Play();
        benchmark::DoNotOptimize(slot.medals);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlayOnly);
