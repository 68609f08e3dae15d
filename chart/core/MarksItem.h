#pragma once

// Per-point looks of series marks: a framed shape that overrides the marks' own look for one
// point, and the owned list of them, created on demand.

#include <memory>
#include <vector>

#include "chart/core/TeeCustomShape.h"
#include "chart/core/TeeGradient.h"

class TSeriesMarks;
class TTeeShadow;

class TMarksItem : public TTeeCustomShape
{
public:
    // Colour of information backgrounds.
    explicit TMarksItem(TCustomTeePanel* AOwner);

protected:
    bool IsColorStored() const override { return Color() != clInfoBk; }
};

class TMarksItems
{
public:
    explicit TMarksItems(TSeriesMarks* marks) : FMarks(marks) {}

    int Count() const { return static_cast<int>(FItems.size()); }
    // The item at index, created on the marks' panel (and the list extended) when missing.
    TMarksItem* Get(int index);
    // The item, or null when missing or beyond the end.
    TMarksItem* Existing(int index) const;
    void Delete(int index);
    // Frees every item and repaints the marks.
    void Clear();
    // The items follow the marks to another panel.
    void SetParent(TCustomTeePanel* panel);
    // Set while items are read from a stream, so that clearing the series keeps them.
    bool Loading = false;

private:
    TSeriesMarks* FMarks;
    std::vector<std::unique_ptr<TMarksItem>> FItems;
};

// The gradient of marks: right to left from silver to white.
class TSeriesMarksGradient : public TTeeGradient
{
public:
    explicit TSeriesMarksGradient(TNotifyEvent changeHandler = {});
};
