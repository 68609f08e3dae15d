#pragma once

// The chart panel that holds series, axes and tools: the series list and its broadcasts, the
// checks and refills of data sources, paging by a number of points per page, and the legend
// lookups that need no drawing. The axes and the frame's drawing build on this.

#include <QString>
#include <functional>
#include <memory>


#include "chart/core/ChartLists.h"
#include "chart/core/CustomTeePanel.h"
#include "chart/core/TeeEventListeners.h"
#include "platform/Colors.h"

class TChartAxis;
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

class TCustomAxisPanel : public TCustomTeePanelExtended
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
    int CountActiveSeries() const;
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

    bool ClipPoints() const { return FClipPoints; }
    void SetClipPoints(bool value) { SetBooleanProperty(FClipPoints, value); }
    bool View3DWalls() const { return FView3DWalls; }
    void SetView3DWalls(bool value) { SetBooleanProperty(FView3DWalls, value); }

    // From another axis panel: the axis switches, clipping, paging and walls (without repaint);
    // series and tools are not copied. Then the extended panel's settings.
    void Assign(TPersistent* source) override;
    // The panel's own stored properties, each when it differs from its default.
    void DefineProperties(TTeeFiler& filer) override;

    // Tools and the editor hook.
    TChartTools* Tools() { return &FTools; }
    TTeeCustomDesigner* Designer() const { return FDesigner.get(); }
    void SetDesigner(TTeeCustomDesigner* value);

    // The axes, created by the axis side of the panel; null until then.
    TChartAxis* BottomAxis() const { return FBottomAxis; }
    TChartAxis* TopAxis() const { return FTopAxis; }
    TChartAxis* LeftAxis() const { return FLeftAxis; }
    TChartAxis* RightAxis() const { return FRightAxis; }
    TChartAxis* DepthAxis() const { return FDepthAxis; }

protected:
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

    TChartTools FTools;
    bool FAxisBehind = true;
    bool FAxisVisible = true;
    bool FClipPoints = true;
    bool FView3DWalls = true;
    TChartSeriesList FSeriesList;
    int FPage = 1;
    int FMaxPointsPerPage = 0;
    bool FScaleLastPage = true;
    std::unique_ptr<TTeeCustomDesigner> FDesigner;
};
