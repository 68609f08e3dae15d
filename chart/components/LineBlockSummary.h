#pragma once

// What a frame of many points needs of each fixed block of them, kept from frame to frame:
// the lowest and highest Y value of the block's points but its last (values that are not
// numbers left out, and whether there are any), the first and last X, the last Y, and whether
// its X values ascend. A frame then reads the summary alone, in order, rather than
// a few values of every block scattered over the lists.
// A block whose X values ascend and whose first and last X land on one column lies wholly on
// that column: a line folds it into the column's run at once instead of point by point, and
// symbols pass over it when their pixels there are all covered.
// Only whole blocks are summarised; the summary follows the lists' changes by itself: values
// added after the last extend it, any other change starts it again.

#include <cstddef>
#include <cstdint>
#include <vector>

class TChartValueList;

class TLineBlockSummary
{
public:
    static constexpr int BlockSize = 64;
    // Points a frame walks from which a summary pays for itself; fewer do without one.
    static constexpr int WorthFrom = 4096;

    struct TBlock {
        // Of the block's points but its last; low > high when none of them is a number.
        double Low;
        double High;
        double FirstX;
        double LastX;
        double LastY;
        bool NotANumber;
        // Every X of the block is a number and none is below the one before it.
        bool Ascending;
    };

    // Brings the summary up to the lists' values.
    void Update(const TChartValueList* xs, const TChartValueList* ys);
    // The blocks summarised: block b holds points b * BlockSize to (b + 1) * BlockSize - 1.
    int Count() const { return static_cast<int>(FBlocks.size()); }
    const TBlock& operator[](int block) const { return FBlocks[static_cast<size_t>(block)]; }

private:
    std::vector<TBlock> FBlocks;
    const TChartValueList* FXs = nullptr;
    const TChartValueList* FYs = nullptr;
    uint64_t FXEdits = 0;
    uint64_t FYEdits = 0;
};
