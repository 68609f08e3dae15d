#pragma once

// A stand-in for the axis panel: a chart rectangle, a depth, an axes list, a custom-axes
// collection, series ranges and label texts given by the test, and an optional canvas.

#include <QList>
#include <QStringList>
#include <algorithm>

#include "chart/core/Canvas3D.h"
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

    TChartAxis* AxisAt(int index) const override { return index < axes.size() ? axes[index] : nullptr; }
    TCustomTeePanel* AxisShapeParent() override { return shapeParent; }
    TCanvas3D* AxisCanvas() override { return canvas; }
    bool AxisView3D() const override { return view3D; }
    TView3DOptions* AxisView3DOptions() override { return nullptr; }
    bool AxisBehindSeries() const override { return axisBehind; }
    bool IsAxisVisible(const TChartAxis*) override { return axisVisible; }
    int32_t CalcWallSize(const TChartAxis*) override { return wallSize; }
    int32_t MultiLineTextWidth(const QString& text, int& lines) override
    {
        QStringList pieces = text.split(TeeLineSeparator);
        if (pieces.last().isEmpty())
            pieces.removeLast();
        lines = static_cast<int>(pieces.size());
        int32_t width = 0;
        for (const QString& piece : pieces)
            width = std::max(width, canvas ? canvas->TextWidth(piece) : 6 * static_cast<int32_t>(piece.size()));
        return width;
    }
    int32_t MaxMarkWidth() override { return 0; }
    int32_t MaxTextWidth() override { return maxTextWidth; }
    void CheckPenWidth(TPen*) override {}
    TAxisOnGetLabel& OnGetAxisLabel() override { return onGetAxisLabel; }
    TAxisOnGetNextLabel& OnGetNextAxisLabel() override { return onGetNextAxisLabel; }
    TAxisLabelStyle AxisSeriesLabelStyle(const TChartAxis*) override { return seriesLabelStyle; }
    bool DepthAxisHasValues() override { return false; }
    bool AxisLabelIndexRange(const TChartAxis*, int& first, int& last) override
    {
        if (seriesLabels.isEmpty())
            return false;
        first = 0;
        last = static_cast<int>(seriesLabels.size()) - 1;
        return true;
    }
    bool AxisSeriesLabel(TChartAxis*, int index, bool, QString& text, double& value) override
    {
        text = seriesLabels[index];
        value = index;
        return !text.isEmpty();
    }
    int CountActiveSeries() const override { return static_cast<int>(seriesTitles.size()); }
    QString AxisSeriesTitle(int index) override { return seriesTitles.value(index); }

    bool loading = false;
    int invalidated = 0;
    bool fastCalc = false;
    TRect chartRect{0, 0, 500, 300};
    int32_t depth3D = 0;
    double seriesMin = 0;
    double seriesMax = 0;
    bool dateTime = false;
    int indexSeriesPoints = -1; // no index series
    TCanvas3D* canvas = nullptr;
    TCustomTeePanel* shapeParent = nullptr; // the panel whose canvas draws label boxes
    bool view3D = false;
    bool axisBehind = true;
    bool axisVisible = true;
    int32_t wallSize = 0;
    int32_t maxTextWidth = 0;
    TAxisOnGetLabel onGetAxisLabel;
    TAxisOnGetNextLabel onGetNextAxisLabel;
    TAxisLabelStyle seriesLabelStyle = talValue;
    QStringList seriesLabels; // label texts at values 0, 1, 2 ...
    QStringList seriesTitles;
    QList<TChartAxis*> axes;
    TOwnedCollection customAxes;
};
