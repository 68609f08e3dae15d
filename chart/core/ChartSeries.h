#pragma once

// The base of every series type: parallel value lists (X, Y and any a series type adds), one
// optional label and colour per point, the marks' data, the axes the series is plotted
// against, its data sources and the series fed from it.

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "chart/core/ChartLists.h"
#include "chart/core/ChartValueList.h"
#include "chart/core/CustomChartSeries.h"
#include "chart/core/LabelsList.h"
#include "chart/core/LegendTextStyle.h"
#include "chart/core/PointColors.h"
#include "chart/core/SeriesMarks.h"
#include "chart/core/SubGallery.h"

class TChartAxis;
class TCustomChartLegend;
class TTeeFunction;

// A change of a series' points, passed to the series linked to it.
enum TValueEvent { veClear, veAdd, veDelete, veModify, veRefresh };

enum TSeriesRecalcOption { rOnDelete, rOnModify, rOnInsert, rOnClear };
struct TSeriesRecalcOptions {
    uint8_t Bits = 0;
    constexpr bool Contains(TSeriesRecalcOption o) const { return (Bits & (1u << o)) != 0; }
    constexpr void Include(TSeriesRecalcOption o) { Bits |= static_cast<uint8_t>(1u << o); }
    constexpr void Exclude(TSeriesRecalcOption o) { Bits &= static_cast<uint8_t>(~(1u << o)); }
    static constexpr TSeriesRecalcOptions All() { return TSeriesRecalcOptions{0x0F}; }
    friend constexpr bool operator==(TSeriesRecalcOptions, TSeriesRecalcOptions) = default;
};

enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

class TChartSeries;
using TSeriesOnAfterAdd = std::function<void(TChartSeries* sender, int valueIndex)>;
// False refuses the point.
using TSeriesOnBeforeAdd = std::function<bool(TChartSeries* sender)>;
using TSeriesOnClear = std::function<void(TChartSeries* sender)>;
// A click on a point of the series (the chart control raises it).
using TSeriesClick = std::function<void(TChartSeries* Sender, int ValueIndex, TMouseButton Button, TShiftState Shift,
                                        int X, int Y)>;

class TChartSeries : public TCustomChartSeries
{
public:
    explicit TChartSeries(TComponent* AOwner);
    ~TChartSeries() override;

    // Points.
    int Count() const { return FXValues->Count(); }
    TChartValueLists* ValueLists() { return &FValueLists; }
    // The series' own value lists, the first ones: those that hold its values (see Lent).
    int OwnValueListCount() const;
    TChartValueList* XValues() const { return FXValues; }
    TChartValueList* YValues() const { return FYValues; }
    // The values the series shows (Y, or X for a horizontal series) and the ones that place them.
    TChartValueList* MandatoryValues() const { return FMandatoryValues; }
    TChartValueList* PositionValues() const { return FPositionValues; }
    bool MandatoryIsY() const { return FMandatoryIsY; }
    // For horizontal series types: X holds the shown values, Y the positions.
    void SetHorizontal();
    // The owned lists take the settings (not the values) of the given ones; repaints.
    void SetXValues(TChartValueList* value);
    void SetYValues(TChartValueList* value);

    double XValue(int index) const { return FXValues->GetValue(index); }
    double YValue(int index) const { return FYValues->GetValue(index); }
    // Store, mark the list's statistics stale and repaint.
    void SetXValue(int index, double value);
    void SetYValue(int index, double value);
    virtual double GetxValue(int index) const { return XValue(index); }
    virtual double GetyValue(int index) const { return YValue(index); }
    QString XLabel(int index) const { return FLabels.GetLabel(index); }
    void SetXLabel(int index, const QString& text) { FLabels.SetLabel(index, text); }
    TLabelsList& Labels() { return FLabels; }
    const TLabelsList& Labels() const { return FLabels; }
    virtual double GetOriginValue(int index) const { return FMandatoryValues->GetValue(index); }
    virtual double GetMarkValue(int index) const { return FMandatoryValues->GetValue(index); }

    // Colours: the point's own colour, else the palette's when ColorEachPoint, else SeriesColor.
    virtual TColor GetValueColor(int index) const;
    TColor ValueColor(int index) const { return GetValueColor(index); }
    void SetValueColor(int index, TColor colour);
    bool IsNull(int index) const { return GetValueColor(index) == clNone; }
    void SetNull(int index, bool value = true) { SetValueColor(index, value ? clNone : clDefault); }
    // Whether every point reads the same colour, and which: no colours of their own, or one
    // for all, and no palette colour per point. False when the points may differ.
    bool SameColourForAll(TColor& colour) const;
    // The per-point colours, or null until a point gets a colour other than clDefault.
    const TPointColors* ColorList() const { return FColors.get(); }
    TColor SeriesColor() const { return FSeriesColor; }
    // Tells the chart's listeners (seChangeColor) and the designer.
    virtual void SetSeriesColor(TColor value);
    bool ColorEachPoint() const { return FColorEachPoint; }
    virtual void SetColorEachPoint(bool value) { SetBooleanProperty(FColorEachPoint, value); }
    // The non-null points whose value in list lies in from..to take colour; one repaint.
    void ColorRange(TChartValueList* list, double from, double to, TColor colour);

    // Adding points; each returns the new point's index (-1 when OnBeforeAdd refuses it).
    virtual int AddXY(double x, double y, const QString& label = QString(), TColor colour = clDefault);
    // Room for count points in every value list and in the point colours, so that adding up
    // to count points moves none; room far beyond count, kept from a larger fill, is given
    // back. The points themselves are unchanged.
    void ReservePoints(int count);
    virtual int Add(double value, const QString& label = QString(), TColor colour = clDefault);
    int AddX(double x, const QString& label = QString(), TColor colour = clDefault);
    int AddY(double y, const QString& label = QString(), TColor colour = clDefault);
    virtual int AddNull(const QString& label = QString());
    int AddNullValue(double value);
    virtual int AddNullXY(double x, double y, const QString& label = QString());
    // Adds values[0..high] one by one inside one update; returns high + 1.
    int AddArray(const double* values, int high);

    // ChartException for an index outside 0 .. Count - 1; the series is then unchanged.
    virtual void Delete(int index);
    // Removes quantity points from start (cut at the end); nothing when start is outside.
    virtual void Delete(int start, int quantity, bool removeGap = false);
    virtual void Clear();
    // Empties every value list, the colours, the labels and the marks' data.
    virtual void ClearLists();

    void BeginUpdate() { ++FUpdateCount; }
    // The outermost one refreshes the linked series once and tells the chart (seDataChanged).
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    void RefreshSeries();

    // Ordering: sorts by the mandatory values when they keep an order.
    virtual void CheckOrder();
    void SortByLabels(TChartListOrder order = loAscending);
    // Exchanges two points in every value list, the colours and the labels.
    virtual void SwapValueIndex(int a, int b);
    // The new list takes the old one's name and place; the old one is freed.
    void ReplaceList(TChartValueList* oldList, TChartValueList* newList);
    // The value list from index 2 on with that name (without case), else YValues.
    TChartValueList* GetYValueList(const QString& name) const;

    // Statistics of the two main lists; Z is the series' ZOrder.
    virtual double MaxXValue() { return FXValues->MaxValue(); }
    virtual double MaxYValue() { return FYValues->MaxValue(); }
    virtual double MaxZValue() { return GetZOrder(); }
    virtual double MinXValue() { return FXValues->MinValue(); }
    virtual double MinYValue() { return FYValues->MinValue(); }
    virtual double MinZValue() { return GetZOrder(); }

    // Notifications.
    virtual void NotifyNewValue(TChartSeries* sender, int valueIndex);
    // Passes a change to the linked series, unless inside BeginUpdate.
    virtual void NotifyValue(TValueEvent event, int valueIndex);
    TSeriesRecalcOptions RecalcOptions() const { return FRecalcOptions; }
    void SetRecalcOptions(TSeriesRecalcOptions value) { FRecalcOptions = value; }
    TChartSeriesList* LinkedSeries() { return &FLinkedSeries; }
    void AddLinkedSeries(TChartSeries* series);
    void RemoveLinkedSeries(TChartSeries* series);

    // Data sources and feeding from other series.
    const QList<TComponent*>& DataSources() const { return FDataSources; }
    TComponent* DataSource() const { return FDataSources.isEmpty() ? nullptr : FDataSources.first(); }
    void SetDataSource(TComponent* value);
    void RemoveDataSource(TComponent* value);
    // Puts replacement where oldSource was among the data sources (once), linking both series
    // to this one as needed; the points are not refilled.
    void ReplaceDataSource(TChartSeries* oldSource, TChartSeries* replacement);
    // Refills the series from its sources, unless inside BeginUpdate.
    void CheckDataSource();
    bool IsValidSourceOf(const TChartSeries* series) const { return series != this; }
    bool IsValidSeriesSource(TChartSeries* series) const;
    virtual int AddChartValue(TChartSeries* source, int valueIndex);
    virtual void AddedValue(TChartSeries* source, int valueIndex);
    // A point of a source was deleted; -1 means a range went and the whole source is copied again.
    virtual void DeletedValue(TChartSeries* source, int valueIndex);
    virtual void AddValues(TChartSeries* source);
    void AssignValues(TChartSeries* source) { AddValues(source); }
    TTeeFunction* FunctionType() const { return FFunction; }
    // Frees the old function; the series becomes the new one's parent.
    virtual void SetFunction(TTeeFunction* value);
    // Drops the function without freeing it (it has gone to another series or is being freed).
    void ForgetFunction() { FFunction = nullptr; }
    const QString& ColorSource() const { return FColorSource; }
    // These two refill the series from its sources when changed, without a repaint of their own.
    void SetColorSource(const QString& value);
    const QString& XLabelsSource() const { return FXLabelsSource; }
    void SetLabelsSource(const QString& value);

    // Sample values.
    void FillSampleValues(int numValues = 0);
    virtual void AddSampleValues(int numValues);
    virtual int NumSampleValues() const { return 25; }
    bool CanAddRandomPoints() const;
    void SetPresetSampleCount(int value) { FPresetSampleCount = value; }
    virtual void PrepareForGallery(bool isEnabled);
    // Gallery variants: the base offers only the plain type. A series type calls its base,
    // then adds its own captions; SetSubGallery (index) applies the variant at that index,
    // and the plain one (0) needs nothing.
    virtual void CreateSubGallery(TSubGallery& gallery);
    virtual void SetSubGallery(int /*index*/) {}

    // Axes.
    THorizAxis HorizAxis() const { return FHorizAxis; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return FVertAxis; }
    void SetVertAxis(TVertAxis value);
    TChartAxis* CustomHorizAxis() const { return FCustomHorizAxis; }
    void SetCustomHorizAxis(TChartAxis* value);
    TChartAxis* CustomVertAxis() const { return FCustomVertAxis; }
    void SetCustomVertAxis(TChartAxis* value);
    // The axes in use, from the chart and the axis settings.
    TChartAxis* GetHorizAxis() const { return FUsedHorizAxis; }
    TChartAxis* GetVertAxis() const { return FUsedVertAxis; }
    void RecalcGetAxis();
    // Whether the series is plotted against the axis.
    virtual bool AssociatedToAxis(const TChartAxis* axis) const;
    // Whether the series is plotted against that standard axis by its settings.
    bool AssociatedToHorizAxis(THorizAxis which) const;
    bool AssociatedToVertAxis(TVertAxis which) const;
    virtual bool UseAxis() const { return true; }
    // Conversions through the series' axes (the series must be in a chart with axes).
    QString XValueToText(double value) const;
    QString YValueToText(double value) const;
    double XScreenToValue(int pixel) const;
    double YScreenToValue(int pixel) const;
    int CalcXPosValue(double value) const;
    int CalcYPosValue(double value) const;
    int CalcXSizeValue(double value) const;
    int CalcYSizeValue(double value) const;
    // Along the value axis: Y, or X for a horizontal series.
    int CalcPosValue(double value) const;

    TSeriesMarks* Marks() { return FMarks.get(); }
    const TSeriesMarks* Marks() const { return FMarks.get(); }
    int Depth() const { return FDepth; }
    void SetDepth(int value) { SetIntegerProperty(FDepth, value); }
    int ZOrder() const { return FZOrder; }
    void SetZOrder(int value);
    const QString& ValueFormat() const { return FValueFormat; }
    void SetValueFormat(const QString& value) { SetStringProperty(FValueFormat, value); }
    const QString& PercentFormat() const { return FPercentFormat; }
    void SetPercentFormat(const QString& value) { SetStringProperty(FPercentFormat, value); }
    int Cursor() const { return FCursor; }
    void SetCursor(int value) { FCursor = value; }
    int FirstVisible() const { return FFirstVisible; }
    int LastVisible() const { return FLastVisible; }

    // Switches read by the series types, the functions and the "Data" stream.
    bool UsesXValues() const { return FUsesXValues; }
    void SetUsesXValues(bool value) { FUsesXValues = value; }
    bool VisiblePointsOnly() const { return FVisiblePointsOnly; }
    void SetVisiblePointsOnly(bool value) { FVisiblePointsOnly = value; }
    // A whole-series function result is one point at the middle of the range (else a level line).
    bool OnePointFunctionResult() const { return FOnePointFunctionResult; }
    void SetOnePointFunctionResult(bool value) { FOnePointFunctionResult = value; }
    // Kept out of the chart's series lists for streaming and editors.
    bool InternalUse() const { return FInternalUse; }
    void SetInternalUse(bool value) { FInternalUse = value; }
    // The points were given directly rather than computed.
    bool ValuesEntered() const { return FValuesEntered; }
    void SetValuesEntered(bool value) { FValuesEntered = value; }
    // "Data" is stored when forced, or when the points were entered and saving is not off.
    bool ForceSaveValues() const { return FForceSaveValues; }
    void SetForceSaveValues(bool value) { FForceSaveValues = value; }
    bool DontSaveValues() const { return FDontSaveValues; }
    void SetDontSaveValues(bool value) { FDontSaveValues = value; }

    // ---- drawing (ChartSeriesDraw.cpp) ----
    // The range of points to draw in the current frame (-1 when none).
    void CalcFirstLastVisibleIndex();
    int VisibleCount() const { return FLastVisible - FFirstVisible + 1; }
    // Keeps the first point beyond the end edge in the range, so that the line to it is drawn.
    bool KeepEdgePoint() const { return FKeepEdgePoint; }
    void SetKeepEdgePoint(bool value) { FKeepEdgePoint = value; }
    virtual bool DrawValuesForward() const;
    virtual bool DrawSeriesForward(int valueIndex) const;
    virtual void DrawAllValues();
    // One point; nothing here.
    virtual void DrawValue(int) {}
    virtual void DoBeforeDrawValues();
    virtual void DoAfterDrawValues();
    virtual int CalcXPos(int index) const;
    virtual int CalcYPos(int index) const;
    // The point under (x, y), or -1.
    virtual int Clicked(int, int) { return -1; }
    TSeriesClick OnClick;
    TSeriesClick OnDblClick;
    int Clicked(TPoint p) { return Clicked(p.X, p.Y); }

    // Depth order: ZOrder -1 takes the next free position of the frame.
    virtual void CalcZOrder();
    int GetZOrder() const;
    virtual bool MoreSameZOrder() const;
    // Active, and no earlier active series shares the depth position.
    bool FirstInZOrder() const;
    // Series with depth values of their own do not share a depth position; none here.
    virtual bool HasZValues() const { return false; }
    // The depth slot of the current frame; the marks take its middle.
    void SetDepthSlot(int startZ, int endZ);
    int StartZ() const { return FStartZ; }
    int MiddleZ() const { return FMiddleZ; }
    int EndZ() const { return FEndZ; }

    // Marks.
    void DrawMarks();
    virtual void DrawMark(int index, const QString& text, TSeriesMarkPosition& position);
    QString GetMarkText(int index);
    QString MarkPercent(int index, bool addTotal) const;
    // The widest mark text over the points whose mark is shown.
    int MaxMarkWidth();

    // Legend items.
    virtual int CountLegendItems();
    virtual int LegendToValueIndex(int legendIndex);
    virtual TColor LegendItemColor(int legendIndex);
    virtual QString LegendString(int legendIndex, TLegendTextStyle style);
    // One legend symbol; -1 is the series as a whole.
    virtual void DrawLegend(int index, const TRect& rect);
    virtual void DrawLegendShape(int index, const TRect& rect);
    virtual void PrepareLegendCanvas(int, TColor&, TBrushStyle&) {}
    // The legend the series is drawing items for when it is not the chart's own (a pie's
    // other-slice legend, set while that legend draws); none otherwise. Not owned.
    TCustomChartLegend* DrawingLegend() const { return FDrawingLegend; }
    void SetDrawingLegend(TCustomChartLegend* value) { FDrawingLegend = value; }

    std::function<void(TChartSeries* sender)> BeforeDrawValues;
    std::function<void(TChartSeries* sender)> AfterDrawValues;
    std::function<void(TChartSeries* sender, int valueIndex, QString& text)> OnGetMarkText;

    // Mouse: the point under the chart's cursor, and the cursor position in axis values.
    int GetCursorValueIndex();
    void GetCursorValues(double& x, double& y);
    // Called for every mouse move: shows the series' cursor over a point and fires
    // OnMouseEnter and OnMouseLeave; true while the mouse is over a point.
    bool CheckMouse(int x, int y);
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    TSeriesOnAfterAdd OnAfterAdd;
    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesOnClear OnClearValues;

    // Chart membership.
    void SetParentChart(TCustomAxisPanel* value) override;
    void Added() override;
    void Removed() override;

    void Assign(TPersistent* source) override;
    // Release the data source, copy the look, the lists' settings and the axis settings.
    void AssignFormat(TChartSeries* source);
    void DefineProperties(TTeeFiler& filer) override;
    // For streaming: the component's children, then the function, which is stored inside
    // the series.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

protected:
    // The depth position a series type computes for this frame (ZOrder -1).
    void SetCalcZOrder(int value) { FCalcZOrderValue = value; }
    // Colours, sources, cursor, depth, axes, formats and the marks, after the base's.
    void DefineStartProperties(TTeeFiler& filer) override;
    // The registry's; a plain series for a class it cannot make (this class itself included).
    TSeriesHolder NewOfSameKind() const override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void BeforeDestruction() override;

private:
    TCustomChartLegend* FDrawingLegend = nullptr;
    friend class TChartValueList;
    // The X text of a point: through the horizontal axis' label format.
    QString XValueText(int index) const;
    // The depth position this frame's series takes, set by the chart.
    friend class TCustomAxisPanel;
    void SetComputedZ(int value) { FComputedZ = value; }
    int ComputedZ() const { return FComputedZ; }
    void Teardown();
    void UnlinkFromSources();
    void DropDataSources();
    void InternalAddDataSource(TComponent* value);
    // Keeps the colour list and labels in step with a point inserted at index.
    void InsertColorAndLabel(int index, TColor colour, const QString& label);
    void GrowColors();
    void RenumberPositions();
    void StoreValue(TChartValueList* list, int index, double value);
    // The "Data" block and back.
    QByteArray SaveData() const;
    void LoadData(const QByteArray& data);

    TColor FSeriesColor = clDefault;
    bool FColorEachPoint = false;
    std::unique_ptr<TPointColors> FColors;
    QString FColorSource;
    int FCursor = 0;
    QList<TComponent*> FDataSources;
    int FDepth = -1;
    int FFirstVisible = -1;
    TChartAxis* FUsedHorizAxis = nullptr;
    TChartAxis* FUsedVertAxis = nullptr;
    QString FXLabelsSource;
    int FLastVisible = -1;
    TChartSeriesList FLinkedSeries;
    std::unique_ptr<TSeriesMarks> FMarks;
    QString FPercentFormat;
    QStringList FDataSourceNames;
    bool FHasDataSourceNames = false;
    QString FValueFormat;
    TChartValueLists FValueLists;
    TChartValueList* FXValues = nullptr;
    TLabelsList FLabels;
    TChartValueList* FYValues = nullptr;
    THorizAxis FHorizAxis = aBottomAxis;
    TChartAxis* FCustomHorizAxis = nullptr;
    TChartAxis* FCustomVertAxis = nullptr;
    int FZOrder = -1;
    TVertAxis FVertAxis = aLeftAxis;
    TSeriesRecalcOptions FRecalcOptions = TSeriesRecalcOptions::All();
    TTeeFunction* FFunction = nullptr;
    bool FForceSaveValues = false;
    bool FDontSaveValues = false;
    bool FValuesEntered = false;
    int FPresetSampleCount = 0;
    int FUpdateCount = 0;
    bool FUsesXValues = true;
    bool FOnePointFunctionResult = true;
    bool FVisiblePointsOnly = true;
    bool FInternalUse = false;
    TChartValueList* FMandatoryValues = nullptr;
    TChartValueList* FPositionValues = nullptr;
    bool FMandatoryIsY = true;
    bool FTornDown = false;
    bool FMouseInside = false;
    bool FKeepEdgePoint = false;
    int FCalcZOrderValue = 0;
    int FComputedZ = 0;
    int FStartZ = 0;
    int FMiddleZ = 0;
    int FEndZ = 0;
};
