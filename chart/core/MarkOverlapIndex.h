#pragma once

// The boxes of the marks already placed in one drawing pass, so that placing a mark looks
// only at the boxes near it instead of at every earlier mark. Boxes are listed in the cells of
// a grid that they cover, each cell ordered by the boxes' tops, so that a search reads, in the
// cells it covers, only the boxes whose top lies between a box's height above its own box and
// its bottom: boxes piled just below or above it cost nothing. A new mark moves by its overlap
// with each box it meets; those overlaps only add up, so the boxes met can be taken in any
// order.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/Types.h"

class TMarkOverlapIndex
{
public:
    void Clear();
    // A box that covers no pixel meets nothing and is not kept.
    void Add(const TRect& box);
    // How far a mark whose box is r0 moves up (down when negative): for each kept box R that
    // meets r0, the part of r0 below R's top when r0 starts higher, else minus the part of r0
    // above R's bottom.
    int64_t Shift(const TRect& r0) const;

private:
    struct TCells {
        int64_t Left, Top, Right, Bottom; // inclusive
        int64_t Count() const { return (Right - Left + 1) * (Bottom - Top + 1); }
    };
    struct TKept {
        TRect Box;
        int64_t FirstColumn, FirstRow; // of its cells
    };
    struct TCell {
        std::vector<TKept> ByTop; // ordered by the boxes' tops
        int64_t TallestBox = 0;
    };
    TCells CellsOf(const TRect& box) const;
    static uint64_t Key(int64_t column, int64_t row)
    {
        return (static_cast<uint64_t>(column) << 32) ^ static_cast<uint32_t>(row);
    }

    int32_t FCellWidth = 0; // 0 until the first box sets the grid
    int32_t FCellHeight = 0;
    // Boxes over too many cells to list in each, and every box while the fast paths are off:
    // looked at by every search.
    std::vector<TKept> FWide;
    std::unordered_map<uint64_t, TCell> FCells;
    bool FEmpty = true;
};
