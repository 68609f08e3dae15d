#pragma once

// The lists through which a chart holds its axes: every axis in creation order (the five
// standard axes first), and the owned collection of custom axes.

#include "chart/core/ChartAxis.h"
#include "platform/Collection.h"
#include "platform/Lists.h"

class TCustomAxisPanel;

class TChartAxes : public TTypedList<TChartAxis>
{
public:
    explicit TChartAxes(TCustomAxisPanel* chart) : FChart(chart) {}
    ~TChartAxes() override;

    TCustomAxisPanel* Chart() const { return FChart; }
    TChartAxis* Get(int index) const { return Items(index); }
    // Frees the first axis until none is left (each axis leaves the list as it goes).
    void Clear() override;

    TChartAxis* BottomAxis() const { return Items(0); }
    TChartAxis* TopAxis() const { return Items(1); }
    TChartAxis* LeftAxis() const { return Items(2); }
    TChartAxis* RightAxis() const { return Items(3); }
    TChartAxis* DepthAxis() const { return Items(4); }

    // The chart's AxisBehind and AxisVisible.
    bool Behind() const;
    void SetBehind(bool value);
    bool Visible() const;
    void SetVisible(bool value);

    // Every axis maps without the pixel clamp; each chooses its mapping again.
    bool FastCalc() const { return FFastCalc; }
    void SetFastCalc(bool value);

private:
    TCustomAxisPanel* FChart;
    bool FFastCalc = false;
};

// Custom axes: created, owned and numbered by the chart's collection.
class TChartCustomAxes : public TOwnedCollection
{
public:
    explicit TChartCustomAxes(TPersistent* chart) : TOwnedCollection(chart, TCollection::ItemClassOf<TChartAxis>()) {}
    TChartAxis* Get(int index) const { return static_cast<TChartAxis*>(Items(index)); }
    // Copies axis into the item at index.
    void Put(int index, TChartAxis* axis) { Get(index)->Assign(axis); }
};
