#include "chart/components/LineBlockSummary.h"

#include <algorithm>
#include <cmath>

#include "chart/core/ChartValueList.h"

void TLineBlockSummary::Update(const TChartValueList* xs, const TChartValueList* ys)
{
    const size_t size = static_cast<size_t>(FSize);
    const size_t blocks = static_cast<size_t>(std::min(xs->Count(), ys->Count())) / size;
    if (xs != FXs || ys != FYs || xs->Edits() != FXEdits || ys->Edits() != FYEdits || FRanges.size() > blocks) {
        // Room far beyond what is needed, kept from a larger series, is given back.
        if (FRanges.capacity() > 4 * std::max<size_t>(blocks, 4096)) {
            std::vector<TRange>().swap(FRanges);
            std::vector<uint8_t>().swap(FFlags);
            std::vector<TEnds>().swap(FEnds);
            std::vector<int32_t>().swap(FAscendingFrom);
        }
        FRanges.clear();
        FFlags.clear();
        FEnds.clear();
        FAscendingFrom.clear();
        FRanges.reserve(blocks);
        FFlags.reserve(blocks);
        FAscendingFrom.reserve(blocks);
        if (FKeepEnds)
            FEnds.reserve(blocks);
        FXs = xs;
        FYs = ys;
        FXEdits = xs->Edits();
        FYEdits = ys->Edits();
    }
    const double* x = xs->Data();
    const double* y = ys->Data();
    // The lists' values move when they grow.
    FXData = x;
    FYData = y;
    for (size_t b = FRanges.size(); b < blocks; ++b) {
        const size_t from = b * size;
        // The same comparisons as the reduction's, so that equal values and values that are
        // not numbers settle the same way.
        double low = HUGE_VAL;
        double high = -HUGE_VAL;
        bool notANumber = false;
        for (size_t i = from; i < from + size - 1; ++i) {
            const double v = y[i];
            low = v < low ? v : low;
            high = v > high ? v : high;
            notANumber |= v != v;
        }
        bool ascending = x[from] == x[from];
        for (size_t i = from + 1; i < from + size; ++i)
            ascending &= x[i] >= x[i - 1];
        // The run goes on from the block before when that one ascends too and this one's
        // first X is not below its last.
        const bool joins = ascending && b > 0 && (FFlags[b - 1] & kAscending) != 0 && x[from] >= x[from - 1];
        FAscendingFrom.push_back(joins ? FAscendingFrom[b - 1] : static_cast<int32_t>(b));
        FRanges.push_back({low, high});
        if (FKeepEnds)
            FEnds.push_back({x[from], x[from + size - 1], y[from + size - 1]});
        FFlags.push_back(static_cast<uint8_t>((notANumber ? kNotANumber : 0) | (ascending ? kAscending : 0)));
    }
}

void TLineBlockSummary::Release()
{
    if (FRanges.capacity() == 0)
        return;
    std::vector<TRange>().swap(FRanges);
    std::vector<uint8_t>().swap(FFlags);
    std::vector<TEnds>().swap(FEnds);
    std::vector<int32_t>().swap(FAscendingFrom);
    FXs = FYs = nullptr;
}
