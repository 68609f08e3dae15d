#pragma once

// One axis of a chart: its settings, the working scale taken from them and from the series,
// the value <-> pixel mappings and the distance between labels.

#include "chart/core/TeeUnits.h"
#include <QString>
#include <QVector>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "chart/core/AxisGridPen.h"
#include "chart/core/TeeCustomShape.h"
#include "chart/core/AxisHost.h"
#include "chart/core/ChartPen.h"
#include "chart/core/TeeUnits.h"
#include "chart/core/DateTimeSteps.h"
#include "platform/TeeFiler.h"
#include "platform/Collection.h"
#include "platform/Exceptions.h"
#include "platform/Types.h"
// AxisException: errors of axis settings.
#include "chart/core/ChartException.h"

enum TAxisLabelAlign { alDefault, alOpposite };

// Smallest label increment and smallest range that SetMinMax leaves.
extern double MinAxisIncrement; // 1e-12
extern double MinAxisRange;     // 1e-10
// Pixels beyond the axis line that still count as a click on the axis.
extern int32_t TeeAxisClickGap; // 3
// Bound of the pixel coordinates that the clamping mappings return; set at start-up.
extern int32_t TeeMaxPixelPos;
// TeeLineSeparator, the line break inside labels, is one of the engine's settings.
#include "chart/core/TeeEngineSettings.h"

// The next label step above x (x > 0): 1, 2, 5, 10, 20, 50 ... scaled by powers of ten.
double NextNiceStep(double x);

class TAxisItems;
class TCanvas3D;
class TChartAxis;
class TChartAxisTitle;
class TTeeFont;

// What an axis calls before it draws its grid (the grid band tools): any number of painters,
// each joining and leaving under its own key, called in the order they joined.
class TAxisGridPainters
{
public:
    using TPainter = std::function<void(TChartAxis*)>;
    // A key already there keeps its place and takes the new painter.
    void Add(const void* key, TPainter painter)
    {
        for (auto& item : FItems)
            if (item.first == key) {
                item.second = std::move(painter);
                return;
            }
        FItems.emplace_back(key, std::move(painter));
    }
    void Remove(const void* key)
    {
        std::erase_if(FItems, [key](const auto& item) { return item.first == key; });
    }
    explicit operator bool() const { return !FItems.empty(); }
    void operator()(TChartAxis* axis) const
    {
        // By index and through a copy: a painter may make others join or leave.
        for (size_t i = 0; i < FItems.size(); ++i) {
            const TPainter painter = FItems[i].second;
            painter(axis);
        }
    }

private:
    std::vector<std::pair<const void*, TPainter>> FItems;
};

class TChartAxis : public TCollectionItem, public TTeeStoredObject
{
public:
    // Joins the collection only when the panel already has its five standard axes.
    explicit TChartAxis(TCollection* collection);
    // A new axis of the panel (a custom one once the five standard axes exist).
    explicit TChartAxis(TAxisHost* panel);
    ~TChartAxis() override;

    // Copies every setting from another axis, without repaint.
    void Assign(TPersistent* source) override;
    void DefineProperties(TTeeFiler& filer) override;

    TAxisHost* ParentChart() const { return FParentChart; }

    // --- published settings ---
    bool Automatic() const { return FAutomatic; }
    bool AutomaticMaximum() const { return FAutomaticMaximum; }
    bool AutomaticMinimum() const { return FAutomaticMinimum; }
    TChartAxisPen* Axis() const { return FAxis.get(); }
    const QString& AxisValuesFormat() const { return FAxisValuesFormat; }
    const QString& DateTimeFormat() const { return FDateTimeFormat; }
    bool ExactDateTime() const { return FExactDateTime; }
    TAxisGridPen* Grid() const { return FGrid.get(); }
    bool GridCentered() const { return FGrid->Centered(); }
    double Increment() const { return FIncrement; }
    bool Inverted() const { return FInverted; }
    bool Horizontal() const { return FHorizontal; }
    bool OtherSide() const { return FOtherSide; }
    TAxisLabelAlign LabelsAlign() const { return FLabelsAlign; }
    int32_t LabelsAngle() const { return FLabelsAngle; }
    bool LabelsExponent() const { return FLabelsExponent; }
    bool LabelsMultiLine() const { return FLabelsMultiLine; }
    bool LabelsOnAxis() const { return FLabelsOnAxis; }
    int32_t LabelsSeparation() const { return FLabelsSeparation; }
    int32_t LabelsSize() const { return FLabelsSize; }
    TAxisLabelStyle LabelStyle() const { return FLabelStyle; }
    bool Logarithmic() const { return FLogarithmic; }
    double LogarithmicBase() const { return FLogarithmicBase; }
    double Maximum() const { return FMaximum; }
    int32_t MaximumOffset() const { return FMaximumOffset; }
    double Minimum() const { return FMinimum; }
    int32_t MinimumOffset() const { return FMinimumOffset; }
    TChartHiddenPen* MinorGrid() const { return FMinorGrid.get(); }
    int32_t MinorTickCount() const { return FMinorTickCount; }
    int32_t MinorTickLength() const { return FMinorTickLength; }
    TDarkGrayPen* MinorTicks() const { return FMinorTicks.get(); }
    double StartPosition() const { return FStartPosition; }
    double EndPosition() const { return FEndPosition; }
    double PositionPercent() const { return FPositionPercent; }
    TTeeUnits PositionUnits() const { return FPositionUnits; }
    bool RoundFirstLabel() const { return FRoundFirstLabel; }
    int32_t TickInnerLength() const { return FTickInnerLength; }
    int32_t TickLength() const { return FTickLength; }
    TDarkGrayPen* Ticks() const { return FTicks.get(); }
    TDarkGrayPen* TicksInner() const { return FTicksInner.get(); }
    bool TickOnLabelsOnly() const { return FTickOnLabelsOnly; }
    int32_t TitleSize() const { return FTitleSize; }
    bool Visible() const { return FVisible; }
    double ZPosition() const { return FZPosition; }

    void SetAutomatic(bool value);
    void SetAutomaticMaximum(bool value);
    void SetAutomaticMinimum(bool value);
    void SetAxis(TChartPen* value) { FAxis->Assign(value); }
    void SetAxisValuesFormat(const QString& value) { SetProp(FAxisValuesFormat, value); }
    void SetDateTimeFormat(const QString& value) { SetProp(FDateTimeFormat, value); }
    void SetExactDateTime(bool value) { SetProp(FExactDateTime, value); }
    void SetGrid(TChartPen* value) { FGrid->Assign(value); }
    void SetGridCentered(bool value) { FGrid->SetCentered(value); }
    // AxisException with TeeMsg_AxisIncrementNeg for a negative value.
    void SetDesiredIncrement(double value);
    void SetIncrement(double value) { SetDesiredIncrement(value); }
    void SetInverted(bool value) { SetProp(FInverted, value); }
    // Also chooses the mapping again.
    void SetHorizontal(bool value);
    void SetOtherSide(bool value) { SetProp(FOtherSide, value); }
    void SetLabelsAlign(TAxisLabelAlign value) { SetProp(FLabelsAlign, value); }
    // Kept modulo 360 with the sign of the value (450 -> 90, -90 stays -90).
    void SetLabelsAngle(int32_t value) { SetProp(FLabelsAngle, value % 360); }
    void SetLabelsExponent(bool value) { SetProp(FLabelsExponent, value); }
    void SetLabelsMultiLine(bool value) { SetProp(FLabelsMultiLine, value); }
    void SetLabelsOnAxis(bool value) { SetProp(FLabelsOnAxis, value); }
    // AxisException with TeeMsg_AxisLabelSep for a negative value; 0 is accepted.
    void SetLabelsSeparation(int32_t value);
    void SetLabelsSize(int32_t value) { SetProp(FLabelsSize, value); }
    void SetLabelStyle(TAxisLabelStyle value) { SetProp(FLabelStyle, value); }
    // AxisException for a date-time axis or for a negative bound; also chooses the mapping.
    void SetLogarithmic(bool value);
    // A base that is not a number is refused.
    void SetLogarithmicBase(double value)
    {
        if (!std::isnan(value))
            SetProp(FLogarithmicBase, value);
    }
    // AxisException when the bound would cross the other one (not while the panel loads);
    // the automatic flags are left alone.
    void SetMaximum(double value);
    void SetMinimum(double value);
    void SetMaximumOffset(int32_t value) { SetProp(FMaximumOffset, value); }
    void SetMinimumOffset(int32_t value) { SetProp(FMinimumOffset, value); }
    void SetMinorGrid(TChartPen* value) { FMinorGrid->Assign(value); }
    void SetMinorTickCount(int32_t value) { SetProp(FMinorTickCount, value); }
    void SetMinorTickLength(int32_t value) { SetProp(FMinorTickLength, value); }
    void SetMinorTicks(TChartPen* value) { FMinorTicks->Assign(value); }
    void SetStartPosition(double value) { SetProp(FStartPosition, value); }
    void SetEndPosition(double value) { SetProp(FEndPosition, value); }
    void SetPositionPercent(double value) { SetProp(FPositionPercent, value); }
    void SetPositionUnits(TTeeUnits value) { SetProp(FPositionUnits, value); }
    void SetRoundFirstLabel(bool value) { SetProp(FRoundFirstLabel, value); }
    void SetTickInnerLength(int32_t value) { SetProp(FTickInnerLength, value); }
    void SetTickLength(int32_t value) { SetProp(FTickLength, value); }
    void SetTicks(TChartPen* value) { FTicks->Assign(value); }
    void SetTicksInner(TChartPen* value) { FTicksInner->Assign(value); }
    void SetTickOnLabelsOnly(bool value) { SetProp(FTickOnLabelsOnly, value); }
    void SetTitleSize(int32_t value) { SetProp(FTitleSize, value); }
    void SetVisible(bool value) { SetProp(FVisible, value); }
    void SetZPosition(double value) { SetProp(FZPosition, value); }

    // Both bounds at once: automatic off, swapped when reversed, widened to MinAxisRange.
    void SetMinMax(double minimum, double maximum);
    // Store without checks (InternalSetInverted also without repaint).
    void InternalSetMinimum(double value) { SetProp(FMinimum, value); }
    void InternalSetMaximum(double value) { SetProp(FMaximum, value); }
    void InternalSetInverted(bool value) { FInverted = value; }
    // The depth axis of the panel: depth mapping, never a stored ZPosition.
    void SetDepthAxis(bool value);
    bool IsDepthAxis() const { return FIsDepthAxis; }

    // --- scale ---
    void CalcMinMax(double& minimum, double& maximum);
    void AdjustMaxMin();
    // Narrows the span by pixel margins and widens the working range to match.
    void AdjustMaxMinRect(const TRect& margins);
    // Moves both bounds by offset; with checkLimits only toward series values beyond them.
    // Refused when a bound would not be finite (ScrollKeepsFinite).
    void Scroll(double offset, bool checkLimits);
    // Whether both bounds moved by offset are finite: limits that are not could never be drawn
    // or scrolled back.
    bool ScrollKeepsFinite(double offset) const;
    bool IsDateTime() const;
    // One of the custom axes, which come after the five standard ones.
    bool IsCustom() const;

    // --- positions ---
    void InternalCalcPositions();
    void RecalcSizeCenter();
    void InternalCalcRange();
    int32_t CalcZPos() const;
    int32_t GetRectangleEdge(const TRect& rect) const;
    int32_t ApplyPosition(int32_t pos, const TRect& rect) const;
    // Binds the mapping that matches the axis kind; run when Horizontal, Logarithmic, the
    // depth marker or the panel's fast calculation change.
    void SetCalcPosValue();

    // --- mappings ---
    int32_t CalcPosValue(double value) const { return (this->*FCalcPosValue)(value); }
    int32_t CalcXPosValue(double value) const { return (this->*FCalcHorizPosValue)(value); }
    int32_t CalcYPosValue(double value) const { return (this->*FCalcVertPosValue)(value); }
    int32_t XPosValue(double value) const;
    int32_t YPosValue(double value) const;
    int32_t XPosValueCheck(double value) const;
    int32_t YPosValueCheck(double value) const;
    int32_t LogXPosValue(double value) const;
    int32_t LogYPosValue(double value) const;
    int32_t InternalCalcDepthPosValue(double value) const;
    double CalcPosPoint(int32_t pixel) const;
    int32_t CalcSizeValue(double value) const;

    // --- increment ---
    double CalcXYIncrement(int32_t labelSize) const;
    double CalcLabelsIncrement(int32_t maxLabels) const;
    double CalcDateTimeIncrement(int32_t maxLabels) const;

    // --- labels (ChartAxisLabels.cpp) ---
    // Labels: the visibility of the label format; LabelsFont: its font.
    bool Labels() const;
    void SetLabels(bool value);
    TTeeFont* LabelsFont() const;
    void SetLabelsFont(TTeeFont* value);
    TChartAxisTitle* Title() const { return FTitle.get(); }
    void SetTitle(TChartAxisTitle* value);
    // Custom labels and the label format.
    TAxisItems* Items() const { return FItems.get(); }

    // The text of the label of a value.
    QString LabelValue(double value) const;
    TAxisLabelStyle CalcLabelStyle() const;
    virtual TAxisLabelStyle InternalCalcLabelStyle() const;
    double CalcIncrement();
    int32_t LabelWidth(double value) { return InternalLabelSize(value, true); }
    int32_t LabelHeight(double value) { return InternalLabelSize(value, false); }
    int32_t InternalLabelSize(double value, bool isWidth);
    int32_t MaxLabelsWidth();
    int32_t SizeTickAxis() const;
    int32_t SizeLabels();
    int32_t InternalCalcSize(TTeeFont* font, int32_t angle, int32_t fixedSize, const QString& text);
    // Places axis line, labels and title; with inflate, takes their room from rect.
    void CalcRect(TRect& rect, bool inflate);
    TRect AxisRect() const;
    bool Clicked(int32_t x, int32_t y);
    void IncDecDateTime(bool increment, double& value, double amount, TDateTimeStep step) const;

    // --- drawing (ChartAxisDraw.cpp) ---
    void Draw(bool calcPosAxis);
    void DrawTitle(int32_t x, int32_t y);
    void DrawAxisLabel(int32_t x, int32_t y, int32_t angle, const QString& text, TTeeCustomShape* format = nullptr);
    void CustomDraw(int32_t posLabels, int32_t posTitle, int32_t posAxis, bool gridVisible);
    void CustomDrawMinMax(int32_t posLabels, int32_t posTitle, int32_t posAxis, bool gridVisible, double minimum,
                          double maximum, double increment);
    void CustomDrawStartEnd(int32_t posLabels, int32_t posTitle, int32_t posAxis, bool gridVisible,
                            int32_t startPos, int32_t endPos);
    void CustomDrawMinMaxStartEnd(int32_t posLabels, int32_t posTitle, int32_t posAxis, bool gridVisible,
                                  double minimum, double maximum, double increment, int32_t startPos,
                                  int32_t endPos);

    // --- working state (recomputed on every paint) ---
    // The room that the labels took in the last layout, and the least room that a layout gives
    // them: raised when the series' margins widened the range to wider labels.
    int32_t LabelsRoom = 0;
    int32_t LeastLabelsRoom = 0;
    int32_t AxisLinePos = 0;
    int32_t TitlePos = 0;
    int32_t LabelsPos = 0;
    bool IsDateTimeAxis = false;
    double LogScale = 0;
    double ValueScale = 0;
    int32_t CenterPixel = 0;
    double LogMaximum = 0;
    double LogMinimum = 0;
    double WorkMaximum = 0;
    double WorkMinimum = 0;
    double WorkRange = 0;
    double LogRange = 0;
    bool RangeIsZero = true;
    int32_t ZPixel = 0;
    bool FrontRedraw = false;
    TAxisGridPainters OnDrawGrids;
    QVector<int32_t> TickPositions;
    int32_t StartPixel = 0;
    int32_t EndPixel = 0;
    int32_t SizePixels = 0;

    // Storage rules.
    bool IsAxisValuesFormatStored() const;
    bool IsMaximumStored() const { return !FAutomatic && !FAutomaticMaximum; }
    bool IsMinimumStored() const { return !FAutomatic && !FAutomaticMinimum; }
    bool IsZPositionStored() const;
    // Visible is stored against this (false for the depth axis).
    bool DefaultVisible() const { return FDefaultVisible; }
    // The side a standard axis starts on; its OtherSide is stored when it differs.
    void InitOtherSide(bool value)
    {
        FDefaultOtherSide = value;
        SetOtherSide(value);
    }

protected:
    // A changed setting repaints the panel (SetProp calls this after storing).
    void PropertyChanged() override { FParentChart->AxisHostInvalidate(); }

    bool FDefaultVisible = true;
    bool FDefaultOtherSide = false;

private:
    using TCalcPos = int32_t (TChartAxis::*)(double) const;

    void Init();
    // Moves a coordinate away from the chart by n (the side the axis stands on).
    int32_t Outward(int32_t pos, int32_t n) const;
    void ShrinkRect(TRect& rect, int32_t n) const;
    TCanvas3D* Canvas() const;
    TTeeCustomShape* LabelFormat() const;

    // Label walks.
    void DrawLabels();
    void DrawValueLabel(double value);
    void DrawLabelText(int32_t pos, const QString& text, TTeeCustomShape* format);
    void DrawLinearValueLabels(double increment, TDateTimeStep step);
    void DrawLogValueLabels();
    void DrawEventLabels(double increment, TDateTimeStep step);
    void DrawSeriesLabels(TAxisLabelStyle style);
    void DrawSeriesTitleLabels();
    void DrawExponentLabel(int32_t x, int32_t y, int32_t z, const QString& text, uint32_t align);
    // Lines.
    void DrawAxisLine(int32_t wallSize);
    void DrawTicks(TChartPen* pen, int32_t outside, int32_t length, int32_t wallSize);
    void DrawTick(int32_t pos, int32_t outside, int32_t length, int32_t wallSize);
    void DrawGrid();
    void DrawGridLine(int32_t pos);
    void DrawMinorMarks(TChartPen* pen, bool grid, int32_t wallSize);
    int32_t ClampedPixel(double pixel) const;
    int32_t FastPixel(int64_t base, double offset) const;

    TAxisHost* FParentChart = nullptr;

    bool FAutomatic = true;
    bool FAutomaticMaximum = true;
    bool FAutomaticMinimum = true;
    std::unique_ptr<TChartAxisPen> FAxis;
    QString FAxisValuesFormat;
    QString FDateTimeFormat;
    bool FExactDateTime = true;
    std::unique_ptr<TAxisGridPen> FGrid;
    double FIncrement = 0;
    bool FInverted = false;
    bool FHorizontal = false;
    bool FOtherSide = false;
    TAxisLabelAlign FLabelsAlign = alDefault;
    int32_t FLabelsAngle = 0;
    bool FLabelsExponent = false;
    bool FLabelsMultiLine = false;
    bool FLabelsOnAxis = true;
    int32_t FLabelsSeparation = 10;
    int32_t FLabelsSize = 0;
    TAxisLabelStyle FLabelStyle = talAuto;
    bool FLogarithmic = false;
    double FLogarithmicBase = 10;
    double FMaximum = 0;
    int32_t FMaximumOffset = 0;
    double FMinimum = 0;
    int32_t FMinimumOffset = 0;
    std::unique_ptr<TChartHiddenPen> FMinorGrid;
    int32_t FMinorTickCount = 3;
    int32_t FMinorTickLength = 2;
    std::unique_ptr<TDarkGrayPen> FMinorTicks;
    double FStartPosition = 0;
    double FEndPosition = 100;
    double FPositionPercent = 0;
    TTeeUnits FPositionUnits = muPercent;
    bool FRoundFirstLabel = true;
    int32_t FTickInnerLength = 0;
    int32_t FTickLength = 4;
    std::unique_ptr<TDarkGrayPen> FTicks;
    std::unique_ptr<TDarkGrayPen> FTicksInner;
    bool FTickOnLabelsOnly = true;
    int32_t FTitleSize = 0;
    bool FVisible = true;
    double FZPosition = 0;
    bool FIsDepthAxis = false;
    std::unique_ptr<TChartAxisTitle> FTitle;
    std::unique_ptr<TAxisItems> FItems;

    TCalcPos FCalcHorizPosValue = &TChartAxis::XPosValueCheck;
    TCalcPos FCalcVertPosValue = &TChartAxis::YPosValueCheck;
    TCalcPos FCalcPosValue = &TChartAxis::YPosValueCheck;
};

// The depth axis: hidden by default; its labels are values when some series has depth values
// of its own, else the titles of the series.
class TChartDepthAxis : public TChartAxis
{
public:
    explicit TChartDepthAxis(TAxisHost* panel);
    TAxisLabelStyle InternalCalcLabelStyle() const override;
};

// Start-up of the axis unit: the pixel bound follows the platform's pen support.
void ChartAxisInitialize();
// Gives the pixel bound back its start value.
void ChartAxisFinalize();
