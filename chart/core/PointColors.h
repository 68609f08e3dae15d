#pragma once

// The colours of a series' points, one entry per point. While every entry holds the same
// colour the list keeps that colour once instead of an entry per point, so that a line of
// millions of points in one colour costs nothing here; the first different colour gives
// every point its own entry from then on.

#include <cstddef>
#include <vector>

#include "platform/Colors.h"

class TPointColors
{
public:
    TPointColors() = default;
    // count entries of colour.
    TPointColors(int count, TColor colour);

    int Count() const { return FCount; }
    // Every entry holds the same colour (kept once).
    bool Uniform() const { return FEntries.empty(); }
    bool Empty() const { return FCount == 0; }
    // Entry index, 0 <= index < Count().
    TColor operator[](int index) const { return FEntries.empty() ? FColour : FEntries[static_cast<size_t>(index)]; }

    void Set(int index, TColor colour);
    // Inserts before index, 0 <= index <= Count().
    void Insert(int index, TColor colour)
    {
        if (FEntries.empty() && (FCount == 0 || colour == FColour)) {
            FColour = colour;
            ++FCount;
        } else {
            InsertEntry(index, colour);
        }
    }
    // Removes count entries from start (cut to the list).
    void Erase(int start, int count);
    // Cuts the list to count entries, or fills it up to count with colour.
    void Resize(int count, TColor colour);
    void Swap(int a, int b);
    // Room for count entries, taken once the points have colours of their own.
    void Reserve(int count);

private:
    // One entry per point from now on.
    void Spread();
    void InsertEntry(int index, TColor colour);

    int FCount = 0;
    // Every entry while FEntries is empty.
    TColor FColour = clDefault;
    std::vector<TColor> FEntries;
    int FRoom = 0;
};
