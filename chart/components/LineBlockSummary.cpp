#include "chart/components/LineBlockSummary.h"

#include <algorithm>
#include <cmath>

#include "chart/core/ChartValueList.h"

void TLineBlockSummary::Update(const TChartValueList* xs, const TChartValueList* ys)
{
    const size_t blocks = static_cast<size_t>(std::min(xs->Count(), ys->Count()) / BlockSize);
    if (xs != FXs || ys != FYs || xs->Edits() != FXEdits || ys->Edits() != FYEdits || FBlocks.size() > blocks) {
        // Room far beyond what is needed, kept from a larger series, is given back.
        if (FBlocks.capacity() > 4 * std::max<size_t>(blocks, 4096))
            std::vector<TBlock>().swap(FBlocks);
        FBlocks.clear();
        FXs = xs;
        FYs = ys;
        FXEdits = xs->Edits();
        FYEdits = ys->Edits();
    }
    FBlocks.reserve(blocks);
    const double* x = xs->Data();
    const double* y = ys->Data();
    for (size_t b = FBlocks.size(); b < blocks; ++b) {
        const size_t from = b * BlockSize;
        // The same comparisons as the reduction's, so that equal values and values that are
        // not numbers settle the same way.
        double low = HUGE_VAL;
        double high = -HUGE_VAL;
        bool notANumber = false;
        for (size_t i = from; i < from + BlockSize - 1; ++i) {
            const double v = y[i];
            low = v < low ? v : low;
            high = v > high ? v : high;
            notANumber |= v != v;
        }
        bool ascending = x[from] == x[from];
        for (size_t i = from + 1; i < from + BlockSize; ++i)
            ascending &= x[i] >= x[i - 1];
        const size_t end = from + BlockSize - 1;
        FBlocks.push_back({low, high, x[from], x[end], y[end], notANumber, ascending});
    }
}
