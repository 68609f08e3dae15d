#pragma once

// Typed lists through which a chart holds its series and tools.

#include "platform/Lists.h"

class TChartSeries;
class TCustomAxisPanel;
class TTeeCustomTool;

// Series in drawing order; holds them without owning them.
class TChartSeriesList : public TTypedList<TChartSeries>
{
public:
    explicit TChartSeriesList(TCustomAxisPanel* owner = nullptr) : FOwner(owner) {}
    TCustomAxisPanel* Owner() const { return FOwner; }
    TChartSeries* Get(int index) const { return Items(index); }
    void Put(int index, TChartSeries* series) { SetItem(index, series); }

private:
    TCustomAxisPanel* FOwner;
};

// The chart's tools; they enter and leave it through their SetParentChart.
class TChartTools : public TTypedList<TTeeCustomTool>
{
public:
    explicit TChartTools(TCustomAxisPanel* owner) : FOwner(owner) {}
    ~TChartTools() override;
    TCustomAxisPanel* Owner() const { return FOwner; }
    TTeeCustomTool* Get(int index) const { return Items(index); }
    // Gives the tool this chart; returns it.
    TTeeCustomTool* Add(TTeeCustomTool* tool);
    // Frees every tool (each leaves the list as it leaves the chart).
    void Clear() override;

private:
    TCustomAxisPanel* FOwner;
};
