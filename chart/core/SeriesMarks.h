#pragma once

// The data side of a series' marks: where each mark was drawn or placed by the user, the
// per-point look overrides, and the settings the series itself reads. The drawing of marks
// and their framed-shape look build on this.

#include <memory>
#include <vector>

#include "platform/Persistent.h"
#include "platform/Types.h"

class TChartSeries;

enum TSeriesMarksStyle {
    smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsLegend, smsPercentTotal,
    smsLabelPercentTotal, smsXValue, smsXY
};

// The geometry of one mark.
class TSeriesMarkPosition
{
public:
    TPoint ArrowStart;
    // A user position keeps this arrow start instead of the stored one.
    bool ArrowStartFixed = false;
    TPoint ArrowEnd;
    bool UserPlaced = false;
    int32_t Height = 0;
    TPoint LeftTop;
    int32_t Width = 0;

    // Copies the geometry, not the two flags.
    void Assign(const TSeriesMarkPosition& other);
    TRect Bounds() const { return TRect(LeftTop.X, LeftTop.Y, LeftTop.X + Width, LeftTop.Y + Height); }
};

// Mark positions by point index; entries may be missing.
class TSeriesMarksPositions
{
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // The entry, or null beyond the end or when missing.
    TSeriesMarkPosition* Get(int index) const;
    TSeriesMarkPosition* operator[](int index) const { return Get(index); }
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

// The look of one point's mark, overriding the marks' own.
class TMarksItem : public TPersistent
{
};

// Per-point looks, created on demand and owned.
class TMarksItems
{
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // The item at index, created (and the list extended) when missing.
    TMarksItem* Get(int index);
    // The item, or null when missing or beyond the end.
    TMarksItem* Existing(int index) const;
    void Delete(int index);
    void Clear() { FItems.clear(); }
    // Set while items are read from a stream, so that clearing the series keeps them.
    bool Loading = false;

private:
    std::vector<std::unique_ptr<TMarksItem>> FItems;
};

class TSeriesMarks : public TPersistent
{
public:
    explicit TSeriesMarks(TChartSeries* series) : FSeries(series) {}

    TChartSeries* Series() const { return FSeries; }
    TSeriesMarksPositions& Positions() { return FPositions; }
    const TSeriesMarksPositions& Positions() const { return FPositions; }
    TMarksItems& Items() { return FItems; }

    TSeriesMarksStyle Style() const { return FStyle; }
    void SetStyle(TSeriesMarksStyle value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    int DrawEvery() const { return FDrawEvery; }
    void SetDrawEvery(int value);

    // Drops the positions, and the items unless they are being read.
    void Clear();
    // Every position returns to computed placement; the series repaints.
    void ResetPositions();

private:
    TChartSeries* FSeries;
    TSeriesMarksPositions FPositions;
    TMarksItems FItems;
    TSeriesMarksStyle FStyle = smsLabel;
    bool FVisible = false;
    int FDrawEvery = 1;
};
