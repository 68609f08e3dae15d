#include "chart/core/PointColors.h"

#include <algorithm>
#include <utility>

TPointColors::TPointColors(int count, TColor colour) : FCount(std::max(count, 0)), FColour(colour)
{
}

void TPointColors::Spread()
{
    if (!FEntries.empty() || FCount == 0)
        return;
    FEntries.reserve(static_cast<size_t>(std::max(FRoom, FCount + 1)));
    FEntries.assign(static_cast<size_t>(FCount), FColour);
}

void TPointColors::Set(int index, TColor colour)
{
    if (FEntries.empty() && colour == FColour)
        return;
    Spread();
    FEntries[static_cast<size_t>(index)] = colour;
}

void TPointColors::InsertEntry(int index, TColor colour)
{
    Spread();
    FEntries.insert(FEntries.begin() + index, colour);
    ++FCount;
}

void TPointColors::Erase(int start, int count)
{
    count = std::min(count, FCount - start);
    if (start < 0 || count <= 0)
        return;
    if (!FEntries.empty())
        FEntries.erase(FEntries.begin() + start, FEntries.begin() + start + count);
    FCount -= count;
}

void TPointColors::Resize(int count, TColor colour)
{
    count = std::max(count, 0);
    if (FEntries.empty() && (count <= FCount || FCount == 0 || colour == FColour)) {
        if (FCount == 0)
            FColour = colour;
        FCount = count;
        return;
    }
    Spread();
    FEntries.resize(static_cast<size_t>(count), colour);
    FCount = count;
}

void TPointColors::Swap(int a, int b)
{
    if (!FEntries.empty())
        std::swap(FEntries[static_cast<size_t>(a)], FEntries[static_cast<size_t>(b)]);
}

void TPointColors::Reserve(int count)
{
    FRoom = count;
    if (!FEntries.empty())
        FEntries.reserve(static_cast<size_t>(std::max(count, FCount)));
}
