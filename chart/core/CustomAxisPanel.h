#pragma once

// The chart panel that holds series, axes and tools: the series list and its broadcasts, the
// checks and refills of data sources, paging by a number of points per page, and the legend
// lookups that need no drawing. The axes and the frame's drawing build on this.

#include <QString>
#include <functional>
#include <memory>


#include "chart/core/AxisHost.h"
#include "chart/core/ChartLists.h"
#include "chart/core/CustomTeePanel.h"
#include "chart/core/TeeEventListeners.h"
#include "platform/Colors.h"

class TChartAxes;
class TChartAxis;
class TChartCustomAxes;
class TChartSeries;
class TCustomChartSeries;
class TTeeCustomDesigner;
class TStrings;

enum TChartSeriesEvent { seAdd, seRemove, seChangeTitle, seChangeColor, seSwap, seChangeActive, seDataChanged };

// A series was added, removed, renamed, recoloured, swapped, switched or refilled.
class TTeeSeriesEvent : public TTeeEvent
{
public:
    TChartSeriesEvent Event = seAdd;
    // Null for seSwap.
    TCustomChartSeries* Series = nullptr;
};

// The page or the page size changed.
class TChartChangePage : public TTeeEvent
{
};

// The panel answers its axes' questions (TAxisHost) from its plot rectangle, its axes list and
// its series.
class TCustomAxisPanel : public TCustomTeePanelExtended, public TAxisHost
{
public:
    explicit TCustomAxisPanel(TComponent* AOwner);
    // Frees every series, then the designer and the tools.
    ~TCustomAxisPanel() override;

    // Series.
    int SeriesCount() const { return FSeriesList.Count(); }
    TChartSeries* Series(int index) const { return FSeriesList.Get(index); }
    TChartSeries* GetSeries(int index) const { return Series(index); }
    TChartSeriesList* SeriesList() { return &FSeriesList; }
    int CountActiveSeries() const override;
    // The series joins this chart through its SetParentChart; returns it.
    TChartSeries* AddSeries(TChartSeries* series);
    // A new series of the registered class, owned by this chart's owner.
    TChartSeries* AddSeries(const QString& seriesClassName);
    // Called by a series that joins: nothing when it is already in.
    void InternalAddSeries(TChartSeries* series);
    // Nothing when absent.
    void RemoveSeries(TChartSeries* series);
    // Frees every series of that class (or derived from it), or every series for an empty name.
    void FreeAllSeries(const QString& seriesClassName = QString());
    void ExchangeSeries(int a, int b);
    void ExchangeSeries(TChartSeries* a, TChartSeries* b);
    // The greatest point count among the active series.
    int GetMaxValuesCount() const;
    void BroadcastSeriesEvent(TCustomChartSeries* series, TChartSeriesEvent event);
    TColor GetFreeSeriesColor(bool checkBackground);
    // Whether no series uses the colour yet; the chart control decides.
    virtual bool IsFreeSeriesColor(TColor colour, bool checkBackground) = 0;

    // Data sources.
    // ChartException when series is the data source of source, or of any series source feeds on.
    void CheckOtherSeries(TChartSeries* series, TChartSeries* source);
    bool IsValidDataSource(TChartSeries* series, TComponent* source);
    // Refills a series from its source, its function, or sample values.
    virtual void CheckDatasource(TChartSeries* series);
    // A series source that was the series' data source releases it.
    void RemovedDataSource(TChartSeries* series, TComponent* component);

    // Paging.
    int Page() const { return FPage; }
    void SetPage(int value);
    int MaxPointsPerPage() const { return FMaxPointsPerPage; }
    // ChartException for a negative value.
    void SetMaxPointsPerPage(int value);
    bool ScaleLastPage() const { return FScaleLastPage; }
    void SetScaleLastPage(bool value);
    int NumPages() const;
    std::function<void(TObject* sender)> OnPageChange;

    // Legend support.
    // The index-th series (from 0) shown in the legend, counting active ones only when asked.
    TChartSeries* SeriesLegend(int index, bool onlyActive) const;
    TChartSeries* ActiveSeriesLegend(int index) const { return SeriesLegend(index, true); }
    QString SeriesTitleLegend(int index, bool onlyActive) const;
    // Text of a value for the legend; the chart control formats it.
    virtual QString FormattedValueLegend(TChartSeries* series, int valueIndex);

    // Whether axes are drawn at all, and before the series.
    bool AxisVisible() const { return FAxisVisible; }
    void SetAxisVisible(bool value);
    bool AxisBehind() const { return FAxisBehind; }
    void SetAxisBehind(bool value);

    // Tools and the editor hook.
    TChartTools* Tools() { return &FTools; }
    TTeeCustomDesigner* Designer() const { return FDesigner.get(); }
    void SetDesigner(TTeeCustomDesigner* value);

    // ---- axes (CustomAxisPanelAxes.cpp) ----
    // The five standard axes, made by the constructor.
    TChartAxis* BottomAxis() const { return FBottomAxis; }
    TChartAxis* TopAxis() const { return FTopAxis; }
    TChartAxis* LeftAxis() const { return FLeftAxis; }
    TChartAxis* RightAxis() const { return FRightAxis; }
    TChartAxis* DepthAxis() const { return FDepthAxis; }
    // Each copies the given axis into the owned one.
    void SetBottomAxis(TChartAxis* value);
    void SetTopAxis(TChartAxis* value);
    void SetLeftAxis(TChartAxis* value);
    void SetRightAxis(TChartAxis* value);
    void SetDepthAxis(TChartAxis* value);
    // Every axis in creation order, and the collection of the custom ones.
    TChartAxes* Axes() const { return FAxes.get(); }
    TChartCustomAxes* CustomAxes() const { return FCustomAxes.get(); }
    void SetCustomAxes(TChartCustomAxes* value);
    // The highest series depth position of the frame, set while drawing.
    int MaxZPosition() const { return FMaxZPosition; }
    void SetMaxZPosition(int value) { FMaxZPosition = value; }

    // The first active series on the axis (any series on it when none is active), and the one
    // of those with the most points; null when none.
    TChartSeries* GetAxisSeries(const TChartAxis* axis) const;
    TChartSeries* GetAxisSeriesMaxPoints(const TChartAxis* axis) const;
    bool NoActiveSeries(const TChartAxis* axis) const;
    double MaxXValue(TChartAxis* axis) { return InternalMinMax(axis, false, true); }
    double MaxYValue(TChartAxis* axis) { return InternalMinMax(axis, false, false); }
    double MinXValue(TChartAxis* axis) { return InternalMinMax(axis, true, true); }
    double MinYValue(TChartAxis* axis) { return InternalMinMax(axis, true, false); }
    // The widest label of any series, the widest mark of the active series.
    int32_t MaxTextWidth() override;
    int32_t MaxMarkWidth() override;

    // Steps of a frame: every axis takes its range and positions and the visible ones take
    // their room from the plot rectangle; every axis widens its range by the pixel margins the
    // series ask for plus its offsets; the visible axes draw themselves.
    void CalcAxesRect();
    void CalcAxesMargins();
    void DrawAxes();

    // TAxisHost.
    bool AxisHostLoading() const override { return IsLoading(); }
    void AxisHostInvalidate() override { Invalidate(); }
    TCollection* CustomAxesCollection() override;
    int AxisCount() const override;
    int IndexOfAxis(const TChartAxis* axis) const override;
    void AppendAxis(TChartAxis* axis) override;
    void ReleaseAxis(TChartAxis* axis) override;
    bool AxesFastCalc() const override;
    TRect AxisChartRect() const override { return PlotRect(); }
    int32_t AxisDepth3D() const override { return Depth3DHoriz(); }
    double InternalMinMax(TChartAxis* axis, bool isMin, bool isX) override;
    bool AxisIsDateTime(const TChartAxis* axis) override;
    bool AxisHasIndexSeriesUpTo(const TChartAxis* axis, int count) override;
    TChartAxis* AxisAt(int index) const override;
    TCustomTeePanel* AxisShapeParent() override { return this; }
    TCanvas3D* AxisCanvas() override { return Canvas3D(); }
    bool AxisView3D() const override { return View3D(); }
    TView3DOptions* AxisView3DOptions() override { return View3DOptions(); }
    bool AxisBehindSeries() const override { return FAxisBehind; }
    bool IsAxisVisible(const TChartAxis* axis) override;
    int32_t MultiLineTextWidth(const QString& text, int& lines) override;
    void CheckPenWidth(TPen* pen) override { TCustomTeePanel::CheckPenWidth(pen); }
    TAxisOnGetLabel& OnGetAxisLabel() override { return FOnGetAxisLabel; }
    TAxisOnGetNextLabel& OnGetNextAxisLabel() override { return FOnGetNextAxisLabel; }
    TAxisLabelStyle AxisSeriesLabelStyle(const TChartAxis* axis) override;
    bool DepthAxisHasValues() override;
    bool AxisLabelIndexRange(const TChartAxis* axis, int& first, int& last) override;
    bool AxisSeriesLabel(TChartAxis* axis, int index, bool marks, QString& text, double& value) override;
    QString AxisSeriesTitle(int index) override { return SeriesTitleLegend(index, true); }

protected:
    // Makes the axes list, the custom axes collection and the five standard axes.
    void CreateAxes();
    // Frees every axis, then the custom axes collection.
    void DestroyAxes();

    TChartAxis* FBottomAxis = nullptr;
    TChartAxis* FTopAxis = nullptr;
    TChartAxis* FLeftAxis = nullptr;
    TChartAxis* FRightAxis = nullptr;
    TChartAxis* FDepthAxis = nullptr;

private:
    // Tells the listeners that the page or the page size changed.
    void BroadcastTeeChangePage();
    // Page count of the points along the axis side (horizontal or vertical) of the series.
    int AxisSidePages(bool horizontal) const;

    // Series on the axis: active ones, or all when none of them is active.
    bool UsesAxisSeries(const TChartSeries* series, const TChartAxis* axis, bool onlyActive) const;

    std::unique_ptr<TChartAxes> FAxes;
    std::unique_ptr<TChartCustomAxes> FCustomAxes;
    int FMaxZPosition = 0;
    TAxisOnGetLabel FOnGetAxisLabel;
    TAxisOnGetNextLabel FOnGetNextAxisLabel;
    TChartTools FTools;
    bool FAxisBehind = true;
    bool FAxisVisible = true;
    TChartSeriesList FSeriesList;
    int FPage = 1;
    int FMaxPointsPerPage = 0;
    bool FScaleLastPage = true;
    std::unique_ptr<TTeeCustomDesigner> FDesigner;
};
