#include "chart/core/MarkOverlapIndex.h"

#include <algorithm>

#include "platform/graphics/FastPaths.h"

namespace {

// Listing a box in more cells than this costs more than looking at it every time.
constexpr int64_t MaxCellsPerBox = 16;
// A search over more cells than this looks at every cell instead.
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
    FWide.clear();
    FCells.clear();
    FEmpty = true;
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
    FEmpty = false;
    const TCells cells = CellsOf(box);
    const TKept kept = {box, cells.Left, cells.Top};
    if (cells.Count() > MaxCellsPerBox || !TeeFastPaths::On()) {
        FWide.push_back(kept);
        return;
    }
    TeeFastPaths::Taken(TFastPath::MarkGrid);
    const int64_t height = static_cast<int64_t>(box.Bottom) - box.Top;
    const auto byTop = [](int32_t top, const TKept& k) { return top < k.Box.Top; };
    for (int64_t row = cells.Top; row <= cells.Bottom; ++row) {
        for (int64_t column = cells.Left; column <= cells.Right; ++column) {
            TCell& cell = FCells[Key(column, row)];
            cell.ByTop.insert(std::upper_bound(cell.ByTop.begin(), cell.ByTop.end(), box.Top, byTop), kept);
            cell.TallestBox = std::max(cell.TallestBox, height);
        }
    }
}

int64_t TMarkOverlapIndex::Shift(const TRect& r0) const
{
    if (r0.Right <= r0.Left || r0.Bottom <= r0.Top || FEmpty)
        return 0;
    int64_t shift = 0;
    for (const TKept& kept : FWide)
        if (Meet(kept.Box, r0))
            shift += ShiftBy(r0, kept.Box);
    if (FCells.empty())
        return shift;
    const TCells cells = CellsOf(r0);
    const auto inSearch = [&](int64_t column, int64_t row) {
        return column >= cells.Left && column <= cells.Right && row >= cells.Top && row <= cells.Bottom;
    };
    const auto search = [&](int64_t column, int64_t row, const TCell& cell) {
        // A box reaches below r0's top only when its top lies less than its height above it.
        const int64_t lowestTop = static_cast<int64_t>(r0.Top) - cell.TallestBox + 1;
        auto it = std::lower_bound(cell.ByTop.begin(), cell.ByTop.end(), lowestTop,
                                   [](const TKept& k, int64_t top) { return k.Box.Top < top; });
        for (; it != cell.ByTop.end() && it->Box.Top < r0.Bottom; ++it) {
            // A box listed in several of the searched cells counts in the first of them.
            if (column == std::max(it->FirstColumn, cells.Left) && row == std::max(it->FirstRow, cells.Top) &&
                Meet(it->Box, r0))
                shift += ShiftBy(r0, it->Box);
        }
    };
    if (cells.Count() > MaxCellsPerSearch) {
        for (const auto& [key, cell] : FCells) {
            const auto column = static_cast<int64_t>(static_cast<int32_t>(key >> 32));
            const auto row = static_cast<int64_t>(static_cast<int32_t>(key & 0xFFFFFFFF));
            if (inSearch(column, row))
                search(column, row, cell);
        }
        return shift;
    }
    for (int64_t row = cells.Top; row <= cells.Bottom; ++row) {
        for (int64_t column = cells.Left; column <= cells.Right; ++column) {
            const auto found = FCells.find(Key(column, row));
            if (found != FCells.end())
                search(column, row, found->second);
        }
    }
    return shift;
}
