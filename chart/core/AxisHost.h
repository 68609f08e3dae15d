#pragma once

// What an axis asks of the panel that owns it. The axis panel answers these from its plot
// rectangle, its axes list and its series; tests answer them with a small stand-in, so the
// axis arithmetic can be checked without a whole chart.

#include <cstdint>

#include "platform/Types.h"

class TChartAxis;
class TCollection;

class TAxisHost
{
public:
    virtual ~TAxisHost() = default;

    // The panel is being read from a stream: setters skip their range checks.
    virtual bool AxisHostLoading() const = 0;
    // A drawn property changed: repaint the chart.
    virtual void AxisHostInvalidate() = 0;

    // The collection that owns the custom axes (null when the panel keeps none).
    virtual TCollection* CustomAxesCollection() = 0;
    // The list of every axis, standard and custom, in creation order.
    virtual int AxisCount() const = 0;
    virtual int IndexOfAxis(const TChartAxis* axis) const = 0;
    virtual void AppendAxis(TChartAxis* axis) = 0;
    // The axis is going away: series that use it as a custom axis fall back to the bottom or
    // left axis, and it leaves the axes list.
    virtual void ReleaseAxis(TChartAxis* axis) = 0;
    // Every axis maps without the pixel clamp.
    virtual bool AxesFastCalc() const = 0;

    // The chart rectangle and the horizontal 3D depth in pixels.
    virtual TRect AxisChartRect() const = 0;
    virtual int32_t AxisDepth3D() const = 0;

    // Smallest or largest series value along the axis (X values when isX).
    virtual double InternalMinMax(TChartAxis* axis, bool isMin, bool isX) = 0;
    // The first active series on the axis holds date-time values along it.
    virtual bool AxisIsDateTime(const TChartAxis* axis) = 0;
    // Some active series on the axis uses it as its index axis and has at most count points.
    virtual bool AxisHasIndexSeriesUpTo(const TChartAxis* axis, int count) = 0;
};
