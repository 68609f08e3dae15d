#pragma once

// Bars from an origin to each value, vertical (TBarSeries) or horizontal (THorizBarSeries).
// All bar series of one kind in a chart share a layout: before each frame every bar series
// counts the bar series beside it, its own place among them and the widest point count, and
// derives its bar width in pixels from these.

#include <functional>
#include <memory>
#include <vector>

#include "chart/core/ChartSeries.h"
#include "chart/core/TeeGradient.h"

enum TBarStyle { bsRectangle, bsPyramid, bsInvPyramid, bsCilinder, bsEllipse, bsArrow, bsRectGradient, bsCone, bsBevel };
enum TMultiBar { mbNone, mbSide, mbStacked, mbStacked100, mbSideAll, mbSelfStack };

// The fill of bsRectGradient; Relative scales the end colour by the bar's value.
class TBarSeriesGradient : public TCustomTeeGradient
{
public:
    explicit TBarSeriesGradient(TNotifyEvent changeHandler = {});
    bool Relative() const { return FRelative; }
    void SetRelative(bool value);
    void Assign(TPersistent* source) override;
    void DefineProperties(TTeeFiler& filer) override;

private:
    bool FRelative = false;
};

class TCustomBarSeries;
using TBarStyleEvent = std::function<void(TCustomBarSeries* sender, int valueIndex, TBarStyle& style)>;

class TCustomBarSeries : public TChartSeries
{
public:
    explicit TCustomBarSeries(TComponent* AOwner);
    ~TCustomBarSeries() override;

    bool AutoBarSize() const { return FAutoBarSize; }
    void SetAutoBarSize(bool value) { SetBooleanProperty(FAutoBarSize, value); }
    bool AutoMarkPosition() const { return FAutoMarkPosition; }
    void SetAutoMarkPosition(bool value) { SetBooleanProperty(FAutoMarkPosition, value); }
    TBarStyle BarStyle() const { return FBarStyle; }
    void SetBarStyle(TBarStyle value);
    int BarWidthPercent() const { return FBarWidthPercent; }
    void SetBarWidthPercent(int value) { SetIntegerProperty(FBarWidthPercent, value); }
    int BevelSize() const { return FBevelSize; }
    void SetBevelSize(int value) { SetIntegerProperty(FBevelSize, value); }
    int ConePercent() const { return FConePercent; }
    void SetConePercent(int value) { SetIntegerProperty(FConePercent, value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { SetBooleanProperty(FDark3D, value); }
    TBarSeriesGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(TBarSeriesGradient* value) { FGradient->Assign(value); }
    TMultiBar MultiBar() const { return FMultiBar; }
    // Also given to every bar series of the same kind in the chart; repaints.
    void SetMultiBar(TMultiBar value);
    int OffsetPercent() const { return FOffsetPercent; }
    void SetOffsetPercent(int value) { SetIntegerProperty(FOffsetPercent, value); }
    bool SideMargins() const { return FSideMargins; }
    // Also given to every bar series of the same kind in the chart; repaints.
    void SetSideMargins(bool value);
    int StackGroup() const { return FStackGroup; }
    void SetStackGroup(int value) { SetIntegerProperty(FStackGroup, value); }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { SetIntegerProperty(FTransparency, value); }
    bool UseYOrigin() const { return FUseYOrigin; }
    void SetUseYOrigin(bool value) { SetBooleanProperty(FUseYOrigin, value); }
    double YOrigin() const { return FYOrigin; }
    void SetYOrigin(double value) { SetDoubleProperty(FYOrigin, value); }
    int CustomBarWidth() const { return FCustomBarWidth; }
    void SetCustomBarWidth(int value) { SetIntegerProperty(FCustomBarWidth, value); }
    TChartBrush* BarBrush() const { return Brush(); }
    TChartPen* BarPen() const { return Pen(); }
    TBarStyleEvent OnGetBarStyle;

    int AddBar(double value, const QString& label = QString(), TColor colour = clDefault)
    {
        return Add(value, label, colour);
    }
    TBarStyle GetBarStyle(int index);

    // The layout of the current frame.
    int BarSize() const { return FBarSize; }
    int NumBars() const { return FNumBars; }
    int BarOrder() const { return FBarOrder; }
    int MaxBarPoints() const { return FMaxBarPoints; }
    int PrecedingPoints() const { return FPrecedingPoints; }
    const TRect& BarBounds() const { return FBarBounds; }

    // The stacked sum below the point (PointOrigin(index, true) includes this series).
    virtual double PointOrigin(int index, bool includeSelf) const;
    // The pixel where the bar of the point starts.
    int GetOriginPos(int index) const;

    void Assign(TPersistent* source) override;
    QString GetEditorClass() const override { return QStringLiteral("TBarSeriesEditor"); }
    void SetParentChart(TCustomAxisPanel* value) override;
    void DoBeforeDrawChart() override;
    void CalcZOrder() override;
    int Clicked(int x, int y) override;
    void DrawValue(int index) override;
    void PrepareLegendCanvas(int index, TColor& backColor, TBrushStyle& style) override;
    void DrawLegendShape(int index, const TRect& rect) override;
    void PrepareForGallery(bool isEnabled) override;
    int NumSampleValues() const override;
    // Variants: colours, four bar styles, then (with SubGalleryStack) three stacked modes, and
    // side by side, per series or over all points.
    void CreateSubGallery(TSubGallery& gallery) override;
    void SetSubGallery(int index) override;
    // Whether the gallery offers the stacked variants.
    virtual bool SubGalleryStack() const { return true; }
    // Every published property, stored when it differs from its default.
    void DefineProperties(TTeeFiler& filer) override;

protected:
    // The category axis (horizontal for vertical bars) and the value axis.
    TChartAxis* CategoryAxis() const;
    TChartAxis* ValueAxis() const;
    // Bar size and the margin on both category sides.
    void CalcBarSize();
    int BarMargin() const;
    // The category pixel of a bar's near edge, common to both kinds.
    int CalcCategoryPos(int index) const;
    // The pixel of a value, through the stacking mode.
    int CalcValuePos(int index) const;
    double MaxValueOfValueAxis();
    double MinValueOfValueAxis();
    double MaxValueOfCategoryAxis();
    double MinValueOfCategoryAxis();
    int CalcMarkLength(int index);
    virtual int InternalCalcMarkLength(int index) = 0;
    virtual bool InternalClicked(int index, TPoint p) = 0;
    virtual void DrawBar(int index, int start, int end) = 0;
    // A plain bar, with the one-pixel and thin-bar rules.
    void BarRectangle(TColor colour, int left, int top, int right, int bottom);
    void BarGradient(int index, TRect rect);
    void DrawBevel();
    // Brush and pen of one bar.
    void PrepareBar();
    // The series' index in the chart's list (its category of a self-stacked bar).
    int SeriesIndex() const;

    TRect FBarBounds;
    TColor FBarColor = clDefault;
    int FBarSize = 0;

private:
    // Every bar series of the same kind in the chart, this one included, in list order.
    template <class F> void ForEachSameClass(F f) const;

    bool FAutoBarSize = false;
    bool FAutoMarkPosition = true;
    TBarStyle FBarStyle = bsRectangle;
    int FBarWidthPercent = 70;
    int FBevelSize = 1;
    int FConePercent = 0;
    bool FDark3D = true;
    std::unique_ptr<TBarSeriesGradient> FGradient;
    TMultiBar FMultiBar = mbSide;
    int FOffsetPercent = 0;
    bool FSideMargins = true;
    int FStackGroup = 0;
    int FTransparency = 0;
    bool FUseYOrigin = true;
    double FYOrigin = 0;
    int FNumBars = 0;
    int FMaxBarPoints = 0;
    int FBarOrder = 1;
    int FPrecedingPoints = 0;
    int FCustomBarWidth = 0;
};

class TBarSeries : public TCustomBarSeries
{
public:
    explicit TBarSeries(TComponent* AOwner);
    void CalcHorizMargins(int& left, int& right) override;
    void CalcVerticalMargins(int& top, int& bottom) override;
    int CalcXPos(int index) const override;
    int CalcYPos(int index) const override;
    double MaxXValue() override { return MaxValueOfCategoryAxis(); }
    double MinXValue() override { return MinValueOfCategoryAxis(); }
    double MaxYValue() override { return MaxValueOfValueAxis(); }
    double MinYValue() override { return MinValueOfValueAxis(); }
    void DrawMark(int index, const QString& text, TSeriesMarkPosition& position) override;
    bool MoreSameZOrder() const override;
    bool DrawSeriesForward(int index) const override;
    void DefineProperties(TTeeFiler& filer) override;

protected:
    int InternalCalcMarkLength(int index) override;
    bool InternalClicked(int index, TPoint p) override;
    void DrawBar(int index, int start, int end) override;
};

class THorizBarSeries : public TCustomBarSeries
{
public:
    explicit THorizBarSeries(TComponent* AOwner);
    int CustomBarHeight() const { return CustomBarWidth(); }
    void SetCustomBarHeight(int value) { SetCustomBarWidth(value); }
    void CalcHorizMargins(int& left, int& right) override;
    void CalcVerticalMargins(int& top, int& bottom) override;
    int CalcXPos(int index) const override;
    int CalcYPos(int index) const override;
    double MaxXValue() override { return MaxValueOfValueAxis(); }
    double MinXValue() override { return MinValueOfValueAxis(); }
    double MaxYValue() override { return MaxValueOfCategoryAxis(); }
    double MinYValue() override { return MinValueOfCategoryAxis(); }
    void DrawMark(int index, const QString& text, TSeriesMarkPosition& position) override;
    bool DrawSeriesForward(int index) const override;
    void DefineProperties(TTeeFiler& filer) override;

protected:
    int InternalCalcMarkLength(int index) override;
    bool InternalClicked(int index, TPoint p) override;
    void DrawBar(int index, int start, int end) override;
};
