// Speed of the simulation file and of the window-free part of the results display on a
// million-play run.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "app/ResultCounts.h"
#include "app/ResultRowLists.h"
#include "app/SimFile.h"
#include "model/Slot.h"

namespace {

const PlayRecords& MillionPlayRun()
{
    static const PlayRecords records = [] {
        Slot slot;
        Random31::Seed(12345);
        slot.SetSetting(4);
        PlayRecords r;
        PlayRun(slot, r, 1000000);
        return r;
    }();
    return records;
}

void BM_WriteSimFile(benchmark::State& state)
{
    const PlayRecords& records = MillionPlayRun();
    QTemporaryDir dir;
    const QString path = dir.filePath("run.sim");
    for (auto _ : state) {
        if (!WriteSimFile(path, {6, 4, 1000000}, records))
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * int64_t(12 + 44 * records.size()));
    state.counters["records"] = static_cast<double>(records.size());
}
BENCHMARK(BM_WriteSimFile)->Unit(benchmark::kMillisecond);

void BM_ReadSimFile(benchmark::State& state)
{
    const PlayRecords& records = MillionPlayRun();
    QTemporaryDir dir;
    const QString path = dir.filePath("run.sim");
    WriteSimFile(path, {6, 4, 1000000}, records);
    PlayRecords read;
    for (auto _ : state) {
        if (ReadSimFile(path, read).status != SimFileStatus::Ok)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(read.size());
    }
    state.SetBytesProcessed(state.iterations() * int64_t(12 + 44 * records.size()));
}
BENCHMARK(BM_ReadSimFile)->Unit(benchmark::kMillisecond);

// Counting pass, row pass and tables: everything of a display but the window's own work.
void BM_TallyAndRows(benchmark::State& state)
{
    const PlayRecords& records = MillionPlayRun();
    ResultRowLists rows;
    for (auto _ : state) {
        ResultTally tally(records);
        rows.clear();
        tally.CountAll();
        size_t extra = 0;
        for (size_t i = 0; i < tally.RecordCount(); ++i) {
            const RecordStep s = tally.Step(i, rows);
            extra += s.openBonusRow + s.closeBonusRow + s.addModeChange;
        }
        benchmark::DoNotOptimize(extra);
        benchmark::DoNotOptimize(tally.KoyakuRows());
        benchmark::DoNotOptimize(tally.SummaryText());
    }
}
BENCHMARK(BM_TallyAndRows)->Unit(benchmark::kMillisecond);

// What the list control asks for when it paints: the texts of every row once.
void BM_RowTexts(benchmark::State& state)
{
    const PlayRecords& records = MillionPlayRun();
    ResultRowLists rows;
    for (size_t i = 0; i < records.size(); ++i)
        rows.Append(records, i);
    for (auto _ : state) {
        qsizetype length = 0;
        for (int k = 0; k < rows.Count(); ++k)
            for (int list = 0; list < ResultRowLists::ListCount; ++list)
                length += rows.Entry(list, k).size();
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_RowTexts)->Unit(benchmark::kMillisecond);

} // namespace
