#pragma once

// Typed lists through which a chart holds its series and tools.

#include "platform/Collection.h"
#include "platform/Lists.h"

class TChartAxis;
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

// Every axis of a chart, standard and custom, in creation order; the chart frees them
// through Clear.
class TChartAxes : public TTypedList<TChartAxis>
{
public:
    explicit TChartAxes(TCustomAxisPanel* chart) : FChart(chart) {}
    ~TChartAxes() override;
    TCustomAxisPanel* Chart() const { return FChart; }
    TChartAxis* Get(int index) const { return Items(index); }
    // Frees the first axis until none is left (each leaves the list as it goes).
    void Clear() override;
    TChartAxis* LeftAxis() const;
    TChartAxis* TopAxis() const;
    TChartAxis* RightAxis() const;
    TChartAxis* BottomAxis() const;
    TChartAxis* DepthAxis() const;
    // The chart's AxisBehind and AxisVisible, through its setters.
    bool Behind() const;
    void SetBehind(bool value);
    bool Visible() const;
    void SetVisible(bool value);
    bool FastCalc() const { return FFastCalc; }
    // Every axis chooses its value-to-pixel mapping again.
    void SetFastCalc(bool value);

private:
    TCustomAxisPanel* FChart;
    bool FFastCalc = false;
};

// The chart's custom axes, created and owned as collection items.
class TChartCustomAxes : public TCollection
{
public:
    // The chart is the collection's owner, which the axes find their panel through.
    explicit TChartCustomAxes(TCustomAxisPanel* chart);
    TPersistent* GetOwner() override;
    TChartAxis* Get(int index) const;
    // The item takes the given axis' settings.
    void Put(int index, TChartAxis* axis);

private:
    TCustomAxisPanel* FChart;
};
