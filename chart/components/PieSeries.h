#pragma once

// One slice per value: exploded slices, small values grouped into one other slice, a shadow
// ellipse, patterns, a dark border and a donut hole.

#include <QString>
#include <memory>
#include <vector>

#include "chart/components/ChartLegend.h"
#include "chart/components/CircledSeries.h"
#include "chart/core/TeeShadow.h"

class TPieSeries;

// Explode percent per value index; indices beyond the list read 0.
class TExplodedSlices
{
public:
    explicit TExplodedSlices(TPieSeries* owner) : FOwner(owner) {}
    int Get(int index) const;
    // Extends the list with zeros up to index; repaints the owner when the value changed.
    void Put(int index, int value);
    int Count() const { return static_cast<int>(FItems.size()); }
    void Clear() { FItems.clear(); }
    void Exchange(int a, int b);
    void Extend(int count);

private:
    TPieSeries* FOwner;
    std::vector<int> FItems;
};

enum TPieOtherStyle { poNone, poBelowPercent, poBelowValue };

// Grouping of small slices into one, with an optional legend that lists the grouped ones.
class TPieOtherSlice : public TPersistent, public TTeeStoredObject
{
public:
    explicit TPieOtherSlice(TPieSeries* owner);
    ~TPieOtherSlice() override;
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TPieOtherStyle Style() const { return FStyle; }
    void SetStyle(TPieOtherStyle value);
    // "Other" while empty.
    QString Text() const;
    void SetText(const QString& value);
    double Value() const { return FValue; }
    void SetValue(double value);
    // Created on first read: hidden, listing the owner's values in the owner's chart.
    TChartLegend* Legend();
    // The legend when it has been made, without making it.
    TChartLegend* LegendIfAny() const { return FLegend.get(); }
    // None frees the legend; otherwise it takes the settings given and lists the owner's values.
    void SetLegend(TCustomChartLegend* value);
    // Color, Legend (freed when the source has none), Style, Text, Value.
    void Assign(TPersistent* source) override;
    void DefineProperties(TTeeFiler& filer) override;

protected:
    // A changed setting repaints the pie.
    void PropertyChanged() override;

private:
    TPieSeries* FOwner;
    std::unique_ptr<TChartLegend> FLegend;
    TColor FColor = clDefault;
    TPieOtherStyle FStyle = poNone;
    QString FText;
    double FValue = 0;
};

// The shadow ellipse, grey by default.
class TPieShadow : public TTeeShadow
{
public:
    explicit TPieShadow(TNotifyEvent changeHandler = {});
};

struct TPieAngle {
    double StartAngle = 0;
    double MidAngle = 0;
    double EndAngle = 0;
};

class TPieSeries : public TCircledSeries
{
public:
    // The X value that marks the other slice.
    static constexpr double OtherFlag = 2147483647.0;

    explicit TPieSeries(TComponent* AOwner);
    ~TPieSeries() override;

    int AngleSize() const { return FAngleSize; }
    void SetAngleSize(int value) { SetIntegerProperty(FAngleSize, value); }
    bool AutoMarkPosition() const { return FAutoMarkPosition; }
    void SetAutoMarkPosition(bool value) { SetBooleanProperty(FAutoMarkPosition, value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { SetBooleanProperty(FDark3D, value); }
    bool DarkPen() const { return FDarkPen; }
    void SetDarkPen(bool value) { SetBooleanProperty(FDarkPen, value); }
    int DonutPercent() const { return FDonutPercent; }
    void SetDonutPercent(int value) { SetIntegerProperty(FDonutPercent, value); }
    TExplodedSlices* ExplodedSlice() { return &FExplodedSlice; }
    int ExplodeBiggest() const { return FExplodeBiggest; }
    // Applied at once.
    void SetExplodeBiggest(int value);
    TPieOtherSlice* OtherSlice() const { return FOtherSlice.get(); }
    void SetOtherSlice(TPieOtherSlice* value) { FOtherSlice->Assign(value); }
    TPieShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(TPieShadow* value) { FShadow->Assign(value); }
    bool UsePatterns() const { return FUsePatterns; }
    void SetUsePatterns(bool value) { SetBooleanProperty(FUsePatterns, value); }
    TChartPen* PiePen() const { return Pen(); }
    TChartValueList* PieValues() const { return YValues(); }

    int AddPie(double value, const QString& label = QString(), TColor colour = clDefault)
    {
        return Add(value, label, colour);
    }
    const std::vector<TPieAngle>& Angles() const { return FAngles; }
    void CalcAngles();
    // The point belongs to the other slice.
    bool IsGrouped(int index) const { return XValues()->GetValue(index) == -1; }
    TPoint CalcExplodedOffset(int index) const;
    TPoint CalcExplodedRadius(int index) const;
    void CalcExplodeBiggest();
    // Removes the other slice added by the grouping.
    void RemoveOtherSlice();

    void Assign(TPersistent* source) override;
    QString GetEditorClass() const override { return QStringLiteral("TPieSeriesEditor"); }
    // Also moves the other slice's legend to the new chart.
    void SetParentChart(TCustomAxisPanel* value) override;
    // Taken out of its chart directly: the legend leaves the chart too.
    void Removed() override;
    void DoBeforeDrawChart() override;
    void ClearLists() override;
    void DrawAllValues() override;
    void DrawValue(int index) override;
    void DrawMark(int index, const QString& text, TSeriesMarkPosition& position) override;
    void PrepareLegendCanvas(int index, TColor& backColor, TBrushStyle& style) override;
    int CountLegendItems() override;
    int LegendToValueIndex(int legendIndex) override;
    double MaxXValue() override;
    double MaxYValue() override;
    double MinXValue() override;
    double MinYValue() override;
    int CalcXPos(int index) const override;
    int Clicked(int x, int y) override;
    void SwapValueIndex(int a, int b) override;
    // Slices keep the order they were given in; only their X values are kept ascending.
    void CheckOrder() override;
    void AddSampleValues(int numValues) override;
    int NumSampleValues() const override { return 8; }
    void DefineProperties(TTeeFiler& filer) override;
    // True while the other slice's legend draws: the legend items are then the grouped points.
    bool DrawingOtherLegend() const;

    // ---- gallery ----
    void PrepareForGallery(bool isEnabled) override;
    void CreateSubGallery(TSubGallery& gallery) override;
    void SetSubGallery(int index) override;
    void GalleryChanged3D(bool value) override;
    // A flat view from the front: not orthogonal, rotation 0, elevation 305.
    void DisableRotation();

protected:
    void DrawPie(int index);

private:
    TBrushStyle SliceBrushStyle(int index) const;
    void DrawOtherLegend();

    int FAngleSize = 360;
    bool FAutoMarkPosition = true;
    bool FDark3D = true;
    bool FDarkPen = false;
    int FDonutPercent = 0;
    TExplodedSlices FExplodedSlice;
    int FExplodeBiggest = 0;
    std::unique_ptr<TPieOtherSlice> FOtherSlice;
    std::unique_ptr<TPieShadow> FShadow;
    bool FUsePatterns = false;
    std::vector<int> FSortedSlice;
    std::vector<TPieAngle> FAngles;
    TPoint FPreviousEnd;
    bool FIsExploded = false;
};
