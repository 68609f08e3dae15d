#pragma once

// Where each mark of a series was drawn, or placed by the user, so that marks can be hit,
// dragged and kept apart.

#include <memory>
#include <vector>

#include "chart/core/TeeGeometry.h"

// The geometry of one mark.
class TSeriesMarkPosition
{
public:
    TPoint ArrowStart;
    // A user position keeps this arrow start instead of the stored one.
    bool ArrowStartFixed = false;
    TPoint ArrowEnd;
    bool UserPlaced = false;
    int32_t BoxHeight = 0;
    TPoint BoxLeftTop;
    int32_t BoxWidth = 0;

    // Copies the geometry, not the two flags.
    void Assign(const TSeriesMarkPosition& other);
    TRect Bounds() const
    {
        return TRect(BoxLeftTop.X, BoxLeftTop.Y, BoxLeftTop.X + BoxWidth, BoxLeftTop.Y + BoxHeight);
    }
};

// Mark positions by point index; entries may be missing.
class TSeriesMarksPositions
{
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // The entry, or null beyond the end or when missing.
    TSeriesMarkPosition* Get(int index) const;
    TSeriesMarkPosition* operator[](int index) const { return Get(index); }
    // The entry at index, created (not user-placed) when missing, the list extended.
    TSeriesMarkPosition* Ensure(int index);
    // Makes the entry at index user-placed with position's geometry, extending the list.
    void Put(int index, const TSeriesMarkPosition& position);
    // Appends an entry (a copy, flags included), or a missing one for null.
    void Append(const TSeriesMarkPosition* position);
    // The entry returns to computed placement.
    void Automatic(int index);
    void Clear() { FItems.clear(); }
    // Some entry is user-placed.
    bool ExistCustom() const;
    // Entries past the end are ignored.
    void Delete(int index) { Delete(index, 1); }
    void Delete(int start, int quantity);
    void Exchange(int a, int b);

private:
    std::vector<std::unique_ptr<TSeriesMarkPosition>> FItems;
};
