#pragma once

// What an axis asks of the panel that owns it. The axis panel answers these from its plot
// rectangle, its axes list and its series; tests answer them with a small stand-in, so the
// axis arithmetic can be checked without a whole chart.

#include <QString>
#include <cstdint>
#include <functional>

#include "platform/Types.h"

class TCanvas3D;
class TChartAxis;
class TChartSeries;
class TCollection;
class TCustomTeePanel;
class TPen;
class TView3DOptions;

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

// The panel's label events: the text of a label (series and value index, or none and -1),
// and the value of the next label (stop ends the walk).
using TAxisOnGetLabel = std::function<void(TChartAxis* sender, TChartSeries* series, int valueIndex, QString& text)>;
using TAxisOnGetNextLabel = std::function<void(TChartAxis* sender, int labelIndex, double& labelValue, bool& stop)>;

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

    // --- drawing ---
    // The axis at a position of the axes list (0 bottom, 1 top, 2 left, 3 right, 4 depth).
    virtual TChartAxis* AxisAt(int index) const = 0;
    // The panel that shapes of the axis (title, label boxes) repaint; may be null.
    virtual TCustomTeePanel* AxisShapeParent() = 0;
    virtual TCanvas3D* AxisCanvas() = 0;
    virtual bool AxisView3D() const = 0;
    virtual TView3DOptions* AxisView3DOptions() = 0;
    virtual bool AxisBehindSeries() const = 0;
    virtual bool IsAxisVisible(const TChartAxis* axis) = 0;
    // Thickness of the wall beside an axis.
    virtual int32_t CalcWallSize(const TChartAxis* axis) = 0;
    // Widest line of a text cut at line separators, and the number of lines.
    virtual int32_t MultiLineTextWidth(const QString& text, int& lines) = 0;
    virtual int32_t MaxMarkWidth() = 0;
    virtual int32_t MaxTextWidth() = 0;
    // A printer pen of one dotted pixel becomes a hairline.
    virtual void CheckPenWidth(TPen* pen) = 0;
    // The panel's label events (may be empty functions).
    virtual TAxisOnGetLabel& OnGetAxisLabel() = 0;
    virtual TAxisOnGetNextLabel& OnGetNextAxisLabel() = 0;
    // Label style the series on the axis call for: texts on an index axis, else values, or
    // none without an active series.
    virtual TAxisLabelStyle AxisSeriesLabelStyle(const TChartAxis* axis) = 0;
    // Some active series has depth values of its own (else the depth axis shows titles).
    virtual bool DepthAxisHasValues() = 0;
    // Labels taken from the series: the index range of the active series on the axis, and for
    // one index the first series' text (mark text or label, after OnGetAxisLabel) that is not
    // empty, with that series' value along the axis.
    virtual bool AxisLabelIndexRange(const TChartAxis* axis, int& first, int& last) = 0;
    virtual bool AxisSeriesLabel(TChartAxis* axis, int index, bool marks, QString& text, double& value) = 0;
    virtual int CountActiveSeries() const = 0;
    // Title of the index-th active series.
    virtual QString AxisSeriesTitle(int index) = 0;
};
