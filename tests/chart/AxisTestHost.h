#pragma once

// A stand-in for the axis panel: a chart rectangle, a depth, an axes list, a custom-axes
// collection and series ranges given by the test.

#include <QList>
#include <algorithm>

#include "chart/core/ChartAxis.h"
#include "platform/Collection.h"

class AxisTestHost : public TPersistent, public TAxisHost
{
public:
    AxisTestHost() : customAxes(this, TCollection::ItemClassOf<TChartAxis>()) {}
    ~AxisTestHost() override
    {
        customAxes.Clear();
        while (!axes.isEmpty())
            delete axes.last();
    }

    bool AxisHostLoading() const override { return loading; }
    void AxisHostInvalidate() override { ++invalidated; }
    TCollection* CustomAxesCollection() override { return &customAxes; }
    int AxisCount() const override { return static_cast<int>(axes.size()); }
    int IndexOfAxis(const TChartAxis* axis) const override { return static_cast<int>(axes.indexOf(axis)); }
    void AppendAxis(TChartAxis* axis) override { axes.append(axis); }
    void ReleaseAxis(TChartAxis* axis) override { axes.removeOne(axis); }
    bool AxesFastCalc() const override { return fastCalc; }
    TRect AxisChartRect() const override { return chartRect; }
    int32_t AxisDepth3D() const override { return depth3D; }
    double InternalMinMax(TChartAxis*, bool isMin, bool) override { return isMin ? seriesMin : seriesMax; }
    bool AxisIsDateTime(const TChartAxis*) override { return dateTime; }
    bool AxisHasIndexSeriesUpTo(const TChartAxis*, int count) override
    {
        return indexSeriesPoints >= 0 && indexSeriesPoints <= count;
    }

    bool loading = false;
    int invalidated = 0;
    bool fastCalc = false;
    TRect chartRect{0, 0, 500, 300};
    int32_t depth3D = 0;
    double seriesMin = 0;
    double seriesMax = 0;
    bool dateTime = false;
    int indexSeriesPoints = -1; // no index series
    QList<TChartAxis*> axes;
    TOwnedCollection customAxes;
};
