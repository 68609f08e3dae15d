#pragma once

// What a frame of many points needs of each fixed block of them, kept from frame to frame:
// the lowest and highest Y value of the block's points but its last (values that are not
// numbers left out, and whether there are any), and whether its X values ascend. Its first
// and last X and its last Y are read from the lists themselves. A frame then reads a few
// values of each block rather than every point.
// A block whose X values ascend and whose first and last X land on one column lies wholly on
// that column: a line folds it into the column's run at once instead of point by point, and
// symbols pass over it when their pixels there are all covered.
// A search over the points may halve only where their X values really ascend: the summary
// also knows, for each block, the first block of the run of blocks through it whose X values
// ascend throughout, across the blocks' edges too.
// Only whole blocks are summarised; the summary follows the lists' changes by itself: values
// added after the last extend it, any other change starts it again. It holds 21 bytes a
// block, 45 with the ends: long blocks without the ends keep the memory of a long series
// small, short blocks with them are read without going back to the lists.

#include <cstddef>
#include <cstdint>
#include <vector>

class TChartValueList;

class TLineBlockSummary
{
public:
    // Points a frame walks from which a summary pays for itself; fewer do without one.
    static constexpr int WorthFrom = 4096;

    TLineBlockSummary(int blockSize, bool keepEnds) : FSize(blockSize), FKeepEnds(keepEnds) {}

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
    // Gives the memory back, as for a series now too short to need a summary.
    void Release();
    // Block b holds points b * Size() to (b + 1) * Size() - 1.
    int Size() const { return FSize; }
    // The blocks summarised.
    int Count() const { return static_cast<int>(FRanges.size()); }
    // Block b of the lists last brought up to.
    TBlock operator[](int block) const
    {
        const size_t b = static_cast<size_t>(block);
        const TRange& r = FRanges[b];
        const bool notANumber = (FFlags[b] & kNotANumber) != 0, ascending = (FFlags[b] & kAscending) != 0;
        if (FKeepEnds) {
            const TEnds& e = FEnds[b];
            return {r.Low, r.High, e.FirstX, e.LastX, e.LastY, notANumber, ascending};
        }
        const size_t from = b * static_cast<size_t>(FSize), end = from + static_cast<size_t>(FSize) - 1;
        return {r.Low, r.High, FXData[from], FXData[end], FYData[end], notANumber, ascending};
    }

    // Whether block b's X values are all numbers and none is below the one before it.
    bool Ascending(int block) const { return (FFlags[static_cast<size_t>(block)] & kAscending) != 0; }
    // The first block of the run of blocks ending at block b whose X values ascend from the
    // run's first point to block b's last; b itself when block b's own X values do not.
    int AscendingFrom(int block) const { return FAscendingFrom[static_cast<size_t>(block)]; }

    // Asks for block b's ends to be brought near, where they are read from the lists.
    void Prefetch(int block) const
    {
        const size_t b = static_cast<size_t>(block);
        if (FKeepEnds || b >= FRanges.size())
            return;
        const size_t from = b * static_cast<size_t>(FSize), end = from + static_cast<size_t>(FSize) - 1;
        __builtin_prefetch(FXData + from);
        __builtin_prefetch(FXData + end);
        __builtin_prefetch(FYData + end);
    }

private:
    struct TRange {
        double Low, High;
    };
    struct TEnds {
        double FirstX, LastX, LastY;
    };
    enum : uint8_t { kNotANumber = 1, kAscending = 2 };
    int FSize;
    bool FKeepEnds;
    std::vector<TRange> FRanges;
    std::vector<uint8_t> FFlags;
    std::vector<TEnds> FEnds;
    std::vector<int32_t> FAscendingFrom;
    const double* FXData = nullptr;
    const double* FYData = nullptr;
    const TChartValueList* FXs = nullptr;
    const TChartValueList* FYs = nullptr;
    uint64_t FXEdits = 0;
    uint64_t FYEdits = 0;
};
