#include "chart/core/MarkOverlapIndex.h"

#include <algorithm>

namespace {

// Listing a box in more cells than this costs more than looking at it every time.
constexpr int64_t MaxCellsPerBox = 16;
// A search over more cells than this reads every box instead.
constexpr int64_t MaxCellsPerSearch = 64;

int64_t FloorDiv(int64_t a, int64_t b) // b > 0
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

bool Meet(const TRect& a, const TRect& b)
{
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) && std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

// The new mark moves up by the part of it below the other's top when it starts higher, else
// down by the part of it above the other's bottom.
int64_t ShiftBy(const TRect& r0, const TRect& r)
{
    return r0.Top < r.Top ? static_cast<int64_t>(r0.Bottom) - r.Top : static_cast<int64_t>(r0.Top) - r.Bottom;
}

} // namespace

void TMarkOverlapIndex::Clear()
{
    FCellWidth = FCellHeight = 0;
    FBoxes.clear();
    FWide.clear();
    FCells.clear();
}

TMarkOverlapIndex::TCells TMarkOverlapIndex::CellsOf(const TRect& box) const
{
    // Right and bottom lie outside the box.
    return {FloorDiv(box.Left, FCellWidth), FloorDiv(box.Top, FCellHeight),
            FloorDiv(static_cast<int64_t>(box.Right) - 1, FCellWidth),
            FloorDiv(static_cast<int64_t>(box.Bottom) - 1, FCellHeight)};
}

void TMarkOverlapIndex::Add(const TRect& box)
{
    if (box.Right <= box.Left || box.Bottom <= box.Top)
        return;
    if (FCellWidth == 0) {
        // Marks of one series are mostly alike: cells the size of the first box hold few.
        FCellWidth = std::clamp(box.Right - box.Left, 4, 1 << 16);
        FCellHeight = std::clamp(box.Bottom - box.Top, 4, 1 << 16);
    }
    const TCells cells = CellsOf(box);
    const auto id = static_cast<int32_t>(FBoxes.size());
    FBoxes.push_back({box, cells.Left, cells.Top});
    if (cells.Count() > MaxCellsPerBox) {
        FWide.push_back(id);
        return;
    }
    for (int64_t row = cells.Top; row <= cells.Bottom; ++row)
        for (int64_t column = cells.Left; column <= cells.Right; ++column)
            FCells[Key(column, row)].push_back(id);
}

int64_t TMarkOverlapIndex::Shift(const TRect& r0) const
{
    if (r0.Right <= r0.Left || r0.Bottom <= r0.Top || FBoxes.empty())
        return 0;
    int64_t shift = 0;
    const TCells cells = CellsOf(r0);
    if (cells.Count() > MaxCellsPerSearch) {
        for (const TKept& kept : FBoxes)
            if (Meet(kept.Box, r0))
                shift += ShiftBy(r0, kept.Box);
        return shift;
    }
    for (const int32_t id : FWide)
        if (Meet(FBoxes[static_cast<size_t>(id)].Box, r0))
            shift += ShiftBy(r0, FBoxes[static_cast<size_t>(id)].Box);
    for (int64_t row = cells.Top; row <= cells.Bottom; ++row) {
        for (int64_t column = cells.Left; column <= cells.Right; ++column) {
            const auto found = FCells.find(Key(column, row));
            if (found == FCells.end())
                continue;
            for (const int32_t id : found->second) {
                const TKept& kept = FBoxes[static_cast<size_t>(id)];
                // A box listed in several of the searched cells counts in the first of them.
                if (column != std::max(kept.FirstColumn, cells.Left) || row != std::max(kept.FirstRow, cells.Top))
                    continue;
                if (Meet(kept.Box, r0))
                    shift += ShiftBy(r0, kept.Box);
            }
        }
    }
    return shift;
}
