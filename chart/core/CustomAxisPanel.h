#pragma once

// The chart panel that holds series, axes and tools: the series list and its broadcasts, the
// checks and refills of data sources, paging by a number of points per page, the legend
// lookups, the axes it hosts and the order in which one frame is drawn. The chart control
// fills in the walls, titles and legend.

#include <QString>
#include <functional>
#include <memory>

#include "chart/core/AxisHost.h"
#include "chart/core/ChartLists.h"
#include "chart/core/CustomTeePanel.h"
#include "chart/core/TeeCustomTool.h"
#include "platform/Colors.h"

class TChartAxis;
class TChartSeries;
class TCustomChartSeries;
class TTeeCustomDesigner;
class TStrings;

enum TChartSeriesEvent { seAdd, seRemove, seChangeTitle, seChangeColor, seSwap, seChangeActive, seDataChanged };

// A series was added, removed, renamed, recoloured, swapped, switched or changed its data.
class TTeeSeriesEvent : public TTeeEvent
{
public:
    TChartSeriesEvent Event = seAdd;
    TCustomChartSeries* Series = nullptr;
};

// The page or the number of points per page changed.
class TChartChangePage : public TTeeEvent
{
};

// The most custom axes that a stored text may make: more than a chart has room to show. A
// frame asks each axis about each series, so axes and series are bounded together.
inline constexpr int TeeMaxCustomAxes = 100;

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
    // Kept within 1 and NumPages; a change also tells the listeners and OnPageChange.
    void SetPage(int value);
    int MaxPointsPerPage() const { return FMaxPointsPerPage; }
    // ChartException for a negative value.
    void SetMaxPointsPerPage(int value);
    bool ScaleLastPage() const { return FScaleLastPage; }
    void SetScaleLastPage(bool value);
    int NumPages() const;
    // Prints pages FromPage to ToPage (0: from the first, to the last) as one document, a sheet
    // each, into the print rectangle; the current page is kept. A failure aborts the document
    // and is passed on.
    void PrintPages(int FromPage = 0, int ToPage = 0);
    std::function<void(TObject* sender)> OnPageChange;

    // Asks the active series, last first, whether the mouse is over one of their points.
    bool CheckMouseSeries(int x, int y);
    // Streaming children: the control's own (none here), then every series but internal ones.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

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

    // Tells every active tool, in list order; or only those whose figure is drawn over the
    // frame, or only the others.
    enum TToolsTold { ttAll, ttOverFrame, ttUnderFrame };
    void BroadcastToolEvent(TChartToolEvent event, TToolsTold told = ttAll);

    // The axes: the five standard ones first, then the custom ones, in creation order.
    TChartAxis* BottomAxis() const { return FBottomAxis; }
    TChartAxis* TopAxis() const { return FTopAxis; }
    TChartAxis* LeftAxis() const { return FLeftAxis; }
    TChartAxis* RightAxis() const { return FRightAxis; }
    TChartAxis* DepthAxis() const { return FDepthAxis; }
    TChartAxes* Axes() { return &FAxes; }
    TChartCustomAxes* CustomAxes() const { return FCustomAxes.get(); }
    void SetLeftAxis(TChartAxis* value);
    void SetRightAxis(TChartAxis* value);
    void SetTopAxis(TChartAxis* value);
    void SetBottomAxis(TChartAxis* value);
    void SetDepthAxis(TChartAxis* value);
    // The first active series on the axis (any series when none is active), or null.
    TChartSeries* GetAxisSeries(const TChartAxis* axis) const;
    // Among the same candidates, the one with the most points.
    TChartSeries* GetAxisSeriesMaxPoints(const TChartAxis* axis) const;
    bool NoActiveSeries(const TChartAxis* axis) const;
    double MaxXValue(TChartAxis* axis) { return InternalMinMax(axis, false, true); }
    double MaxYValue(TChartAxis* axis) { return InternalMinMax(axis, false, false); }
    double MinXValue(TChartAxis* axis) { return InternalMinMax(axis, true, true); }
    double MinYValue(TChartAxis* axis) { return InternalMinMax(axis, true, false); }

    bool ClipPoints() const { return FClipPoints; }
    void SetClipPoints(bool value) { SetBooleanProperty(FClipPoints, value); }
    bool View3DWalls() const { return FView3DWalls; }
    void SetView3DWalls(bool value) { SetBooleanProperty(FView3DWalls, value); }

    // ---- state of the current frame ----
    // 3D with an ortho angle above 90 degrees, or a rotation below 270 degrees.
    bool InvertedRotation() const { return FInvertedRotation; }
    void CalcInvertedRotation();
    int MaxZPosition() const { return FMaxZPosition; }
    void SetMaxZPosition(int value) { FMaxZPosition = value; }
    int ZSlotWidth() const { return FZSlotWidth; }
    int ZSlotHeight() const { return FZSlotHeight; }
    // The 3D depth of one series slot, and of the chart.
    void CalcSize3DWalls();
    // The legend's colour while it draws its items, and a pen for every legend symbol.
    TColor LegendBackColor() const { return FLegendBackColor; }
    void SetLegendBackColor(TColor value) { FLegendBackColor = value; }
    TChartPen* LegendSymbolPen() const { return FLegendSymbolPen; }
    void SetLegendSymbolPen(TChartPen* value) { FLegendSymbolPen = value; }

    // One frame: background, titles and legend, walls, axes, series with their marks.
    void InternalDraw(const TRect& rect) override;
    // One active series (and the series sharing its depth position) inside the frame.
    void DrawSeries(TChartSeries* series);
    // Frame steps of the axes: every axis takes its range and positions and the visible ones
    // take their room from the plot rectangle in list order; then every axis widens its range
    // by the pixel margins its series ask for plus its offsets; then the visible axes draw.
    void CalcAxisRects();
    void CalcAxisMarginsFromSeries();
    // Raises the least label room of each axis whose labels, with the range as the margins left
    // it, need more room than they had; true when any did.
    bool WidenLabelsRoom();
    void DrawAxes();

    // ---- what the chart control fills in (abstract here) ----
    // The chart rectangle inside the walls, and the 3D sizes.
    virtual void CalcWallsRect();
    int32_t CalcWallSize(const TChartAxis* axis) override;
    virtual void DrawTitlesAndLegend(bool beforeSeries);
    virtual void DrawWalls();
    virtual void DoOnAfterDraw();
    virtual void DoOnBeforeDrawAxes();
    virtual void DoOnBeforeDrawChart();
    virtual void DoOnBeforeDrawSeries();

    TNotifyEvent OnBeforeDrawChart;
    TNotifyEvent OnBeforeDrawAxes;
    TNotifyEvent OnBeforeDrawSeries;
    TAxisOnGetLabel OnGetAxisLabelEvent;
    TAxisOnGetNextLabel OnGetNextAxisLabelEvent;

    // Widest line of a text cut at line separators, and the number of lines (a last empty
    // piece does not count).
    int32_t MultiLineTextWidth(const QString& text, int& lines) override;
    int32_t MaxMarkWidth() override;
    int32_t MaxTextWidth() override;

    // ---- what the axes ask of the panel ----
    bool AxisHostLoading() const override { return IsLoading(); }
    void AxisHostInvalidate() override { Invalidate(); }
    TCollection* CustomAxesCollection() override;
    int AxisCount() const override { return FAxes.Count(); }
    int IndexOfAxis(const TChartAxis* axis) const override;
    void AppendAxis(TChartAxis* axis) override { FAxes.Add(axis); }
    void ReleaseAxis(TChartAxis* axis) override;
    bool AxesFastCalc() const override { return FAxes.FastCalc(); }
    TRect AxisChartRect() const override { return PlotRect(); }
    int32_t AxisDepth3D() const override { return Depth3DHoriz(); }
    double InternalMinMax(TChartAxis* axis, bool isMin, bool isX) override;
    bool AxisIsDateTime(const TChartAxis* axis) override;
    bool AxisHasIndexSeriesUpTo(const TChartAxis* axis, int count) override;
    TChartAxis* AxisAt(int index) const override { return FAxes.Get(index); }
    TCustomTeePanel* AxisShapeParent() override { return this; }
    TCanvas3D* AxisCanvas() override { return Canvas3D(); }
    bool AxisView3D() const override { return View3D(); }
    TView3DOptions* AxisView3DOptions() override { return View3DOptions(); }
    bool AxisBehindSeries() const override { return FAxisBehind; }
    bool IsAxisVisible(const TChartAxis* axis) override;
    void CheckPenWidth(TPen* pen) override { TCustomTeePanel::CheckPenWidth(pen); }
    TAxisOnGetLabel& OnGetAxisLabel() override { return OnGetAxisLabelEvent; }
    TAxisOnGetNextLabel& OnGetNextAxisLabel() override { return OnGetNextAxisLabelEvent; }
    TAxisLabelStyle AxisSeriesLabelStyle(const TChartAxis* axis) override;
    bool DepthAxisHasValues() override;
    bool AxisLabelIndexRange(const TChartAxis* axis, int& first, int& last) override;
    bool AxisSeriesLabel(TChartAxis* axis, int index, bool marks, QString& text, double& value) override;
    QString AxisSeriesTitle(int index) override { return SeriesTitleLegend(index, true); }

    // From another axis panel: axis switches, the axes, clipping, paging and walls; then the
    // panel's settings. Series and tools are not copied.
    void Assign(TPersistent* Source) override;
    void DefineProperties(TTeeFiler& filer) override;

private:
    // Steps of a frame.
    void CalcSeriesZPositions();
    void CalcSeriesDepthSlots();
    void ClipSeriesArea();
    void DrawSeriesMarks(TChartSeries* series);
    // The page of points along the axis, when paging applies to it.
    bool PageMinMax(TChartAxis* axis, bool isMin, bool isX, double& result);
    // Whether the series is plotted along the axis as its position (index) axis.
    static bool IsIndexAxisOf(const TChartSeries* series, const TChartAxis* axis);

    TChartAxis* FBottomAxis = nullptr;
    TChartAxis* FTopAxis = nullptr;
    TChartAxis* FLeftAxis = nullptr;
    TChartAxis* FRightAxis = nullptr;
    TChartAxis* FDepthAxis = nullptr;

    // Tells the listeners that the page or the page size changed.
    void BroadcastTeeChangePage();
    // Page count of the points along the axis side (horizontal or vertical) of the series.
    int AxisSidePages(bool horizontal) const;

    TChartTools FTools;
    bool FAxisBehind = true;
    bool FAxisVisible = true;
    TChartSeriesList FSeriesList;
    int FPage = 1;
    int FMaxPointsPerPage = 0;
    bool FScaleLastPage = true;
    bool FView3DWalls = true;
    bool FClipPoints = true;
    TChartAxes FAxes;
    std::unique_ptr<TChartCustomAxes> FCustomAxes;
    bool FInvertedRotation = false;
    int FMaxZPosition = 0;
    int FZSlotWidth = 0;
    int FZSlotHeight = 0;
    TColor FLegendBackColor = clDefault;
    TChartPen* FLegendSymbolPen = nullptr;
    std::unique_ptr<TTeeCustomDesigner> FDesigner;
};
