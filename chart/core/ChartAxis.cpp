#include "chart/core/ChartAxis.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "chart/core/AxisItems.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/DateTimeSteps.h"
#include "chart/core/TeCanvasSettings.h"
#include "chart/core/Teeconst.h"

double MinAxisIncrement = 1e-12;
double MinAxisRange = 1e-10;
int32_t TeeAxisClickGap = 3;
int32_t TeeMaxPixelPos = 67108863;

void ChartAxisInitialize()
{
    // Pens and coordinates reach 2^26 on the NT family of systems, 16 bits on the others.
    TeeMaxPixelPos = IsWindowsNT ? 67108863 : 32767;
}

void ChartAxisFinalize() { TeeMaxPixelPos = 67108863; }

double NextNiceStep(double x)
{
    // Written as a loop so that a zero, negative or infinite step cannot recurse without end;
    // the scaling is applied in the same order as the recursive rule, so results are equal.
    if (std::isinf(x))
        return x;
    if (!(x > 0) && !std::isnan(x))
        return MinAxisIncrement;
    const double given = x;
    int up = 0;
    int down = 0;
    while (x >= 10) {
        x = 0.1 * x;
        ++up;
    }
    while (x < 1) {
        x = 10 * x;
        ++down;
    }
    double result = x < 2 ? 2 : (x < 5 ? 5 : 10);
    for (int i = 0; i < down; ++i)
        result = 0.1 * result;
    for (int i = 0; i < up; ++i)
        result = 10 * result;
    // Among the denormal doubles the nice step may round back to the given one (or to 0):
    // doubling keeps every walk of steps climbing.
    return result > given ? result : 2 * given;
}

namespace {

TAxisHost* HostOfCollection(TCollection* collection)
{
    auto* host = collection ? dynamic_cast<TAxisHost*>(collection->GetOwner()) : nullptr;
    if (!host)
        throw EInvalidCast(QStringLiteral("An axis needs an axis panel"));
    return host;
}

int32_t Saturate32(int64_t v)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

TChartAxis::TChartAxis(TCollection* collection) : TCollectionItem(nullptr), FParentChart(HostOfCollection(collection))
{
    if (FParentChart->AxisCount() >= 5)
        SetCollection(collection);
    Init();
}

TChartAxis::TChartAxis(TAxisHost* panel) : TCollectionItem(nullptr), FParentChart(panel)
{
    if (FParentChart->AxisCount() >= 5 && FParentChart->CustomAxesCollection())
        SetCollection(FParentChart->CustomAxesCollection());
    Init();
}

void TChartAxis::Init()
{
    SetCalcPosValue();
    FItems = std::make_unique<TAxisItems>(this);
    FAxisValuesFormat = TeeMsg_DefValueFormat;
    TAxisHost* host = FParentChart;
    const TNotifyEvent changed = [host](TObject*) { host->AxisHostInvalidate(); };
    FTicks = std::make_unique<TDarkGrayPen>(changed);
    FMinorTicks = std::make_unique<TDarkGrayPen>(changed);
    FTicksInner = std::make_unique<TDarkGrayPen>(changed);
    FGrid = std::make_unique<TAxisGridPen>(changed);
    FMinorGrid = std::make_unique<TChartHiddenPen>(changed);
    FTitle = std::make_unique<TChartAxisTitle>(this);
    FAxis = std::make_unique<TChartAxisPen>(changed);
    FParentChart->AppendAxis(this);
}

TChartAxis::~TChartAxis()
{
    FTicks.reset();
    FMinorTicks.reset();
    FTicksInner.reset();
    FGrid.reset();
    FMinorGrid.reset();
    FAxis.reset();
    FTitle.reset();
    FItems.reset();
    FParentChart->ReleaseAxis(this);
    TickPositions.clear();
}

TChartDepthAxis::TChartDepthAxis(TAxisHost* panel) : TChartAxis(panel)
{
    FDefaultVisible = false;
    SetVisible(false);
}

TAxisLabelStyle TChartDepthAxis::InternalCalcLabelStyle() const
{
    return ParentChart()->DepthAxisHasValues() ? talValue : talText;
}

void TChartAxis::Assign(TPersistent* source)
{
    auto* a = dynamic_cast<TChartAxis*>(source);
    if (!a) {
        TCollectionItem::Assign(source);
        return;
    }
    FAxis->Assign(a->FAxis.get());
    FItems->CopyFrom(*a->FItems);
    FLabelsAlign = a->FLabelsAlign;
    FLabelsAngle = a->FLabelsAngle;
    FLabelsExponent = a->FLabelsExponent;
    FLabelsMultiLine = a->FLabelsMultiLine;
    FLabelsSeparation = a->FLabelsSeparation;
    FLabelsSize = a->FLabelsSize;
    FLabelStyle = a->FLabelStyle;
    FLabelsOnAxis = a->FLabelsOnAxis;
    FTicks->Assign(a->FTicks.get());
    FTicksInner->Assign(a->FTicksInner.get());
    FTitleSize = a->FTitleSize;
    FGrid->Assign(a->FGrid.get());
    FMinorTicks->Assign(a->FMinorTicks.get());
    FMinorGrid->Assign(a->FMinorGrid.get());
    FTickLength = a->FTickLength;
    FMinorTickLength = a->FMinorTickLength;
    FMinorTickCount = a->FMinorTickCount;
    FTickInnerLength = a->FTickInnerLength;
    FAxisValuesFormat = a->FAxisValuesFormat;
    FIncrement = a->FIncrement;
    FMaximum = a->FMaximum;
    FMaximumOffset = a->FMaximumOffset;
    FMinimum = a->FMinimum;
    FMinimumOffset = a->FMinimumOffset;
    FAutomatic = a->FAutomatic;
    FAutomaticMaximum = a->FAutomaticMaximum;
    FAutomaticMinimum = a->FAutomaticMinimum;
    FTitle->Assign(a->FTitle.get());
    FDateTimeFormat = a->FDateTimeFormat;
    FLogarithmic = a->FLogarithmic;
    FLogarithmicBase = a->FLogarithmicBase;
    FInverted = a->FInverted;
    FExactDateTime = a->FExactDateTime;
    FRoundFirstLabel = a->FRoundFirstLabel;
    FTickOnLabelsOnly = a->FTickOnLabelsOnly;
    FIsDepthAxis = a->FIsDepthAxis;
    FStartPosition = a->FStartPosition;
    FEndPosition = a->FEndPosition;
    FPositionPercent = a->FPositionPercent;
    FPositionUnits = a->FPositionUnits;
    FVisible = a->FVisible;
    FHorizontal = a->FHorizontal;
    FOtherSide = a->FOtherSide;
    // The mapping follows the copied kind.
    SetCalcPosValue();
}

// ---------------------------------------------------------------- settings

void TChartAxis::SetAutomatic(bool value)
{
    SetProp(FAutomatic, value);
    if (!FParentChart->AxisHostLoading()) {
        FAutomaticMinimum = value;
        FAutomaticMaximum = value;
    }
}

void TChartAxis::SetAutomaticMaximum(bool value)
{
    SetProp(FAutomaticMaximum, value);
    if (!value)
        FAutomatic = false;
    else if (FAutomaticMinimum)
        FAutomatic = true;
}

void TChartAxis::SetAutomaticMinimum(bool value)
{
    SetProp(FAutomaticMinimum, value);
    if (!value)
        FAutomatic = false;
    else if (FAutomaticMaximum)
        FAutomatic = true;
}

void TChartAxis::SetDesiredIncrement(double value)
{
    if (value < 0)
        throw AxisException(TeeMsg_AxisIncrementNeg);
    SetProp(FIncrement, value);
}

void TChartAxis::SetHorizontal(bool value)
{
    SetProp(FHorizontal, value);
    SetCalcPosValue();
}

void TChartAxis::SetLabelsSeparation(int32_t value)
{
    if (value < 0)
        throw AxisException(TeeMsg_AxisLabelSep);
    SetProp(FLabelsSeparation, value);
}

void TChartAxis::SetLogarithmic(bool value)
{
    if (value && IsDateTime())
        throw AxisException(TeeMsg_AxisLogDateTime);
    if (value) {
        AdjustMaxMin();
        if (WorkMinimum < 0 || WorkMaximum < 0)
            throw AxisException(TeeMsg_AxisLogNotPositive);
    }
    SetProp(FLogarithmic, value);
    SetCalcPosValue();
}

void TChartAxis::SetMaximum(double value)
{
    if (!FParentChart->AxisHostLoading() && value < FMinimum)
        throw AxisException(TeeMsg_AxisMaxMin);
    SetProp(FMaximum, value);
}

void TChartAxis::SetMinimum(double value)
{
    if (!FParentChart->AxisHostLoading() && value > FMaximum)
        throw AxisException(TeeMsg_AxisMinMax);
    SetProp(FMinimum, value);
}

void TChartAxis::SetMinMax(double minimum, double maximum)
{
    FAutomatic = false;
    FAutomaticMinimum = false;
    FAutomaticMaximum = false;
    if (minimum > maximum)
        std::swap(minimum, maximum);
    SetProp(FMinimum, minimum);
    SetProp(FMaximum, maximum);
    if (FMaximum - FMinimum < MinAxisRange)
        SetProp(FMaximum, FMinimum + MinAxisRange);
}

void TChartAxis::SetDepthAxis(bool value)
{
    FIsDepthAxis = value;
    SetCalcPosValue();
}

// ---------------------------------------------------------------- scale

void TChartAxis::CalcMinMax(double& minimum, double& maximum)
{
    if (FAutomatic || FAutomaticMaximum)
        maximum = FParentChart->InternalMinMax(this, false, FHorizontal);
    if (FAutomatic || FAutomaticMinimum)
        minimum = FParentChart->InternalMinMax(this, true, FHorizontal);
}

void TChartAxis::AdjustMaxMin()
{
    CalcMinMax(FMinimum, FMaximum);
    WorkMinimum = FMinimum;
    WorkMaximum = FMaximum;
    InternalCalcRange();
}

void TChartAxis::AdjustMaxMinRect(const TRect& margins)
{
    // A margin wider than any screen (a huge symbol asks for one) is held to the widest pixel
    // position, so the axis's pixels stay within int arithmetic.
    const auto held = [](int32_t m) { return std::clamp(m, -TeeMaxPixelPos, TeeMaxPixelPos); };
    const int32_t a = held(FHorizontal ? margins.Left : margins.Top);
    const int32_t b = held(FHorizontal ? margins.Right : margins.Bottom);
    const int32_t s = StartPixel;
    const int32_t e = EndPixel;
    StartPixel = s + a;
    EndPixel = e - b;
    SizePixels = EndPixel - StartPixel;
    const double vs = CalcPosPoint(s);
    const double ve = CalcPosPoint(e);
    InternalCalcPositions();
    WorkMinimum = vs;
    WorkMaximum = ve;
    if (WorkMinimum > WorkMaximum)
        std::swap(WorkMinimum, WorkMaximum);
    InternalCalcRange();
}

void TChartAxis::Scroll(double offset, bool checkLimits)
{
    if (checkLimits) {
        if (offset > 0) {
            if (!(FParentChart->InternalMinMax(this, false, FHorizontal) > FMaximum))
                return;
        } else if (offset < 0) {
            if (!(FParentChart->InternalMinMax(this, true, FHorizontal) < FMinimum))
                return;
        } else {
            return;
        }
    }
    if (!ScrollKeepsFinite(offset))
        return;
    FAutomatic = false;
    FAutomaticMaximum = false;
    FAutomaticMinimum = false;
    FMaximum += offset;
    FMinimum += offset;
    FParentChart->AxisHostInvalidate();
}

bool TChartAxis::ScrollKeepsFinite(double offset) const
{
    return std::isfinite(FMinimum + offset) && std::isfinite(FMaximum + offset);
}

bool TChartAxis::IsDateTime() const
{
    return FParentChart->AxisIsDateTime(this);
}

bool TChartAxis::IsCustom() const
{
    // The five standard axes come first in the axes list and belong to no collection; every
    // later axis is one of the custom axes. Asking the collection spares a walk of the list,
    // which made writing n custom axes cost n squared.
    return Collection() != nullptr;
}

// ---------------------------------------------------------------- positions

void TChartAxis::InternalCalcPositions()
{
    int32_t origin;
    int32_t length;
    const TRect r = FParentChart->AxisChartRect();
    if (FIsDepthAxis) {
        origin = 0;
        length = FParentChart->AxisDepth3D();
    } else if (FHorizontal) {
        origin = r.Left;
        length = r.Width();
    } else {
        origin = r.Top;
        length = r.Height();
    }
    StartPixel = Saturate32(int64_t{origin} + Round(length * 0.01 * FStartPosition));
    EndPixel = Saturate32(int64_t{origin} + Round(length * 0.01 * FEndPosition));
    RecalcSizeCenter();
}

void TChartAxis::RecalcSizeCenter()
{
    SizePixels = Saturate32(int64_t{EndPixel} - StartPixel);
    CenterPixel = static_cast<int32_t>((int64_t{StartPixel} + EndPixel) / 2);
    InternalCalcRange();
}

void TChartAxis::InternalCalcRange()
{
    WorkRange = WorkMaximum - WorkMinimum;
    RangeIsZero = WorkRange == 0;
    ValueScale = RangeIsZero ? 0 : SizePixels / WorkRange;
    if (FLogarithmic) {
        LogMinimum = WorkMinimum > 0 ? std::log(WorkMinimum) : 0;
        LogMaximum = WorkMaximum > 0 ? std::log(WorkMaximum) : 0;
        LogRange = LogMaximum - LogMinimum;
        LogScale = LogRange == 0 ? 0 : SizePixels / LogRange;
    }
    ZPixel = CalcZPos();
}

int32_t TChartAxis::CalcZPos() const
{
    const int32_t depth = FIsDepthAxis ? FParentChart->AxisChartRect().Height() : FParentChart->AxisDepth3D();
    return Round(FZPosition * depth * 0.01);
}

int32_t TChartAxis::GetRectangleEdge(const TRect& rect) const
{
    if (FOtherSide)
        return FHorizontal ? rect.Top : rect.Right;
    return FHorizontal ? rect.Bottom : rect.Left;
}

int32_t TChartAxis::ApplyPosition(int32_t pos, const TRect& rect) const
{
    if (FPositionPercent == 0)
        return pos;
    int32_t offset;
    if (FPositionUnits == muPixels)
        offset = Round(FPositionPercent);
    else
        offset = Round(FPositionPercent * 0.01 * (FHorizontal ? rect.Height() : rect.Width()));
    if (FOtherSide)
        offset = -offset;
    return Saturate32(FHorizontal ? int64_t{pos} - offset : int64_t{pos} + offset);
}

void TChartAxis::SetCalcPosValue()
{
    if (FIsDepthAxis) {
        FCalcHorizPosValue = &TChartAxis::InternalCalcDepthPosValue;
        FCalcVertPosValue = &TChartAxis::InternalCalcDepthPosValue;
    } else if (FLogarithmic) {
        FCalcHorizPosValue = &TChartAxis::LogXPosValue;
        FCalcVertPosValue = &TChartAxis::LogYPosValue;
    } else if (FParentChart->AxesFastCalc()) {
        FCalcHorizPosValue = &TChartAxis::XPosValue;
        FCalcVertPosValue = &TChartAxis::YPosValue;
    } else {
        FCalcHorizPosValue = &TChartAxis::XPosValueCheck;
        FCalcVertPosValue = &TChartAxis::YPosValueCheck;
    }
    FCalcPosValue = FHorizontal ? FCalcHorizPosValue : FCalcVertPosValue;
}

// ---------------------------------------------------------------- mappings

// A whole pixel plus or minus a rounded offset, worked out in 64 bits and saturated at the
// 32-bit range, so that a far-off value never reaches an undefined conversion.
int32_t TChartAxis::FastPixel(int64_t base, double offset) const
{
    const int64_t r = Round64(offset);
    int64_t sum;
    if (__builtin_add_overflow(base, r, &sum))
        sum = r > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    return Saturate32(sum);
}

int32_t TChartAxis::ClampedPixel(double pixel) const
{
    if (pixel > TeeMaxPixelPos)
        return TeeMaxPixelPos;
    if (pixel < -TeeMaxPixelPos)
        return -TeeMaxPixelPos;
    return Round(pixel);
}

int32_t TChartAxis::XPosValue(double value) const
{
    if (RangeIsZero)
        return CenterPixel;
    const double p = (value - WorkMinimum) * ValueScale;
    return FInverted ? FastPixel(EndPixel, -p) : FastPixel(StartPixel, p);
}

int32_t TChartAxis::YPosValue(double value) const
{
    if (RangeIsZero)
        return CenterPixel;
    const double p = (value - WorkMinimum) * ValueScale;
    return FInverted ? FastPixel(StartPixel, p) : FastPixel(EndPixel, -p);
}

int32_t TChartAxis::XPosValueCheck(double value) const
{
    if (RangeIsZero)
        return CenterPixel;
    const double p = (value - WorkMinimum) * ValueScale;
    return ClampedPixel(FInverted ? EndPixel - p : p + StartPixel);
}

int32_t TChartAxis::YPosValueCheck(double value) const
{
    if (RangeIsZero)
        return CenterPixel;
    const double p = (value - WorkMinimum) * ValueScale;
    return ClampedPixel(FInverted ? p + StartPixel : EndPixel - p);
}

int32_t TChartAxis::LogXPosValue(double value) const
{
    if (LogRange == 0)
        return CenterPixel;
    if (value <= 0)
        return FInverted ? EndPixel : StartPixel;
    const double l = std::log(value);
    return FastPixel(StartPixel, LogScale * (FInverted ? LogMaximum - l : l - LogMinimum));
}

int32_t TChartAxis::LogYPosValue(double value) const
{
    if (LogRange == 0)
        return CenterPixel;
    if (value <= 0)
        return FInverted ? StartPixel : EndPixel;
    const double l = std::log(value);
    return FastPixel(EndPixel, -LogScale * (FInverted ? LogMaximum - l : l - LogMinimum));
}

int32_t TChartAxis::InternalCalcDepthPosValue(double value) const
{
    if (RangeIsZero)
        return CenterPixel;
    return Round(ValueScale * (FInverted ? WorkMaximum - value : value - WorkMinimum));
}

double TChartAxis::CalcPosPoint(int32_t pixel) const
{
    const double fromStart = FInverted ? double(EndPixel) - pixel : double(pixel) - StartPixel;
    if (FLogarithmic) {
        const bool minAtStart = FHorizontal != FInverted;
        if (pixel == StartPixel)
            return minAtStart ? WorkMinimum : WorkMaximum;
        if (pixel == EndPixel)
            return minAtStart ? WorkMaximum : WorkMinimum;
        if (LogRange != 0 && SizePixels != 0) {
            const double t = fromStart * LogRange / SizePixels;
            return FHorizontal ? std::exp(t + LogMinimum) : std::exp(LogMaximum - t);
        }
        return WorkMinimum;
    }
    if (SizePixels < 1)
        return 0;
    const double t = fromStart * WorkRange / SizePixels;
    return FHorizontal ? WorkMinimum + t : WorkMaximum - t;
}

int32_t TChartAxis::CalcSizeValue(double value) const
{
    if (value <= 0)
        return 0;
    if (FLogarithmic)
        return LogRange != 0 ? Round(std::log(value) * LogScale) : 0;
    return WorkRange != 0 ? Round(value * ValueScale) : 0;
}

// ---------------------------------------------------------------- increment

double TChartAxis::CalcXYIncrement(int32_t labelSize) const
{
    int32_t maxLabels = 1;
    if (labelSize > 0) {
        const int32_t s = FLabelsSeparation;
        const double each = s > 0 ? double(labelSize) + Round(labelSize * 0.01 * s) : double(labelSize);
        maxLabels = Round(SizePixels / each);
    }
    return CalcLabelsIncrement(maxLabels);
}

double TChartAxis::CalcLabelsIncrement(int32_t maxLabels) const
{
    if (maxLabels < 1)
        return IsDateTimeAxis ? DateTimeStep[dtOneMicroSecond] : MinAxisIncrement;
    if (IsDateTimeAxis)
        return CalcDateTimeIncrement(maxLabels);

    double step;
    if (FIncrement > 0) {
        step = FIncrement;
    } else if (WorkRange != 0) {
        step = std::fabs(WorkRange) / (double(maxLabels) + 1);
        // Index axes (one label per point) never step by less than one point.
        if (step < 1 && FParentChart->AxisHasIndexSeriesUpTo(this, maxLabels))
            step = 1;
    } else {
        step = 1;
    }

    bool inf = false;
    if (FLabelsSeparation >= 0) {
        int64_t n = int64_t{maxLabels} + 1;
        do {
            const double q = WorkRange / step;
            if (std::fabs(q) < 2147483647.0) {
                n = Round(q);
                if (n > maxLabels)
                    step = NextNiceStep(step);
            } else {
                step = NextNiceStep(step);
            }
            inf = std::isinf(step);
        } while (n > maxLabels && step <= WorkRange && !inf);
    }
    if (inf)
        return WorkRange;
    return std::max(MinAxisIncrement, step);
}

double TChartAxis::CalcDateTimeIncrement(int32_t maxLabels) const
{
    double step = std::max(DateTimeStep[dtOneMicroSecond], FIncrement);
    if (step > 0 && maxLabels > 0) {
        if (WorkRange / step > 1000000)
            step = WorkRange / 1000000;
        while (Round(WorkRange / step) > maxLabels) {
            if (step >= DateTimeStep[dtOneYear])
                step = step * 2;
            else if (step >= DateTimeStep[dtOneSecond])
                step = NextDateTimeStep(step);
            else
                step = NextNiceStep(step);
        }
    }
    return std::max(DateTimeStep[dtOneMicroSecond], step);
}

// ---------------------------------------------------------------- storage

bool TChartAxis::IsAxisValuesFormatStored() const
{
    return FAxisValuesFormat != TeeMsg_DefValueFormat;
}

bool TChartAxis::IsZPositionStored() const
{
    if (FIsDepthAxis)
        return false;
    return FOtherSide ? FZPosition != 100 : FZPosition != 0;
}
