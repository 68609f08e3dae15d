// Label texts and sizes of an axis, the room it takes from the chart rectangle, and its hit test.

#include <QChar>
#include <algorithm>
#include <cmath>

#include "chart/core/AxisItems.h"
#include "chart/core/Canvas3D.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/TeeGeometry.h"
#include "platform/DateTime.h"
#include "platform/SysUtils.h"

namespace {

bool IsAngle(int32_t angle, int32_t a, int32_t b)
{
    return angle == a || angle == b;
}

} // namespace

bool TChartAxis::Labels() const
{
    return FItems->Format()->Visible();
}

void TChartAxis::SetLabels(bool value)
{
    FItems->Format()->SetVisible(value);
}

TTeeFont* TChartAxis::LabelsFont() const
{
    return FItems->Format()->Font();
}

void TChartAxis::SetLabelsFont(TTeeFont* value)
{
    FItems->Format()->SetFont(value);
}

void TChartAxis::SetTitle(TChartAxisTitle* value)
{
    FTitle->Assign(value);
}

TTeeCustomShape* TChartAxis::LabelFormat() const
{
    return FItems->Format();
}

TCanvas3D* TChartAxis::Canvas() const
{
    return FParentChart->AxisCanvas();
}

QString TChartAxis::LabelValue(double value) const
{
    QString text;
    if (!IsDateTimeAxis) {
        text = FormatFloat(FAxisValuesFormat, value);
    } else if (value >= 0) {
        const QString format = FDateTimeFormat.isEmpty() ? DateTimeDefaultFormat(WorkRange) : FDateTimeFormat;
        text = FormatDateTime(format, value);
    }
    if (const TAxisOnGetLabel& event = FParentChart->OnGetAxisLabel())
        event(const_cast<TChartAxis*>(this), nullptr, -1, text);
    if (FLabelsMultiLine)
        text.replace(QLatin1Char(' '), TeeLineSeparator);
    return text;
}

TAxisLabelStyle TChartAxis::CalcLabelStyle() const
{
    return FLabelStyle == talAuto ? InternalCalcLabelStyle() : FLabelStyle;
}

TAxisLabelStyle TChartAxis::InternalCalcLabelStyle() const
{
    return FParentChart->AxisSeriesLabelStyle(this);
}

void TChartAxis::IncDecDateTime(bool increment, double& value, double amount, TDateTimeStep step) const
{
    TeeDateTimeIncrement(FExactDateTime && IsDateTimeAxis && step >= dtHalfMonth, increment, value, amount, step);
}

// ---------------------------------------------------------------- sizes

double TChartAxis::CalcIncrement()
{
    const int32_t size =
        std::max(InternalLabelSize(WorkMinimum, FHorizontal), InternalLabelSize(WorkMaximum, FHorizontal));
    return CalcXYIncrement(size);
}

int32_t TChartAxis::InternalLabelSize(double value, bool isWidth)
{
    int lines = 0;
    int32_t size = FParentChart->MultiLineTextWidth(LabelValue(value), lines);
    if ((isWidth && IsAngle(FLabelsAngle, 90, 270)) || (!isWidth && IsAngle(FLabelsAngle, 0, 180)))
        size = Canvas()->FontHeight() * lines;
    return size;
}

int32_t TChartAxis::SizeTickAxis() const
{
    int32_t result = (FAxis->Visible() ? FAxis->Width() + 1 : 0) + (FTicks->Visible() ? FTickLength : 0);
    if (FMinorTicks->Visible())
        result = std::max(result, FMinorTickLength);
    return result;
}

int32_t TChartAxis::SizeLabels()
{
    return InternalCalcSize(LabelsFont(), FLabelsAngle, FLabelsSize, QString());
}

int32_t TChartAxis::InternalCalcSize(TTeeFont* font, int32_t angle, int32_t fixedSize, const QString& text)
{
    if (fixedSize != 0)
        return fixedSize;
    TCanvas3D* canvas = Canvas();
    canvas->AssignFont(font);
    const bool parallel = FHorizontal ? IsAngle(angle, 0, 180) : IsAngle(angle, 90, 270);
    if (parallel)
        return canvas->FontHeight();
    return text.isEmpty() ? MaxLabelsWidth() : canvas->TextWidth(text);
}

int32_t TChartAxis::MaxLabelsWidth()
{
    TCanvas3D* canvas = Canvas();
    int lines = 0;
    if (FItems->Count() > 0) {
        int32_t result = 0;
        for (int i = 0; i < FItems->Count(); ++i) {
            TAxisItem* item = FItems->Get(i);
            canvas->AssignFont(item->Font());
            result = std::max(result, FParentChart->MultiLineTextWidth(item->Text(), lines));
        }
        return result;
    }
    switch (CalcLabelStyle()) {
    case talValue: {
        double lo = WorkMinimum;
        double hi = WorkMaximum;
        if ((IsDateTime() && FExactDateTime) || FRoundFirstLabel) {
            const double increment = CalcIncrement();
            lo = std::trunc(WorkMinimum / increment) * increment;
            hi = std::trunc(WorkMaximum / increment) * increment;
        }
        // Sizes are measured on the plain texts: the label event may not see these values.
        TAxisOnGetLabel& event = FParentChart->OnGetAxisLabel();
        const TAxisOnGetLabel saved = std::exchange(event, {});
        const int32_t hiWidth = FParentChart->MultiLineTextWidth(LabelValue(hi), lines);
        const int32_t loWidth = FParentChart->MultiLineTextWidth(LabelValue(lo), lines);
        event = saved;
        return std::max(hiWidth, loWidth) + canvas->TextWidth(QStringLiteral(" "));
    }
    case talMark:
        return FParentChart->MaxMarkWidth();
    case talText:
        return FParentChart->MaxTextWidth();
    default:
        return 0;
    }
}

// ---------------------------------------------------------------- layout

int32_t TChartAxis::Outward(int32_t pos, int32_t n) const
{
    // Left of a left axis, right of a right axis, below the bottom axis, above the top axis.
    const bool towardsLess = FHorizontal ? FOtherSide : !FOtherSide;
    return towardsLess ? pos - n : pos + n;
}

void TChartAxis::ShrinkRect(TRect& rect, int32_t n) const
{
    if (FHorizontal) {
        if (FOtherSide)
            rect.Top += n;
        else
            rect.Bottom -= n;
    } else if (FOtherSide) {
        rect.Right -= n;
    } else {
        rect.Left += n;
    }
}

void TChartAxis::CalcRect(TRect& rect, bool inflate)
{
    IsDateTimeAxis = IsDateTime();
    if (!inflate) {
        AxisLinePos = ApplyPosition(GetRectangleEdge(rect), rect);
        LabelsPos = Outward(AxisLinePos, SizeTickAxis());
        LabelsRoom = std::max(SizeLabels(), LeastLabelsRoom);
        TitlePos = Outward(LabelsPos, LabelsRoom);
        return;
    }
    if (FIsDepthAxis) {
        TitlePos = rect.Right;
    } else if (FTitle->Visible() && !FTitle->Caption().isEmpty()) {
        ShrinkRect(rect, InternalCalcSize(FTitle->Font(), FTitle->Angle(), FTitleSize, FTitle->Caption()));
        TitlePos = GetRectangleEdge(rect);
    }
    if (Labels()) {
        LabelsRoom = std::max(SizeLabels(), LeastLabelsRoom);
        ShrinkRect(rect, LabelsRoom);
        LabelsPos = GetRectangleEdge(rect);
    }
    const int32_t aside = FParentChart->CalcWallSize(this) + SizeTickAxis();
    if (aside > 0)
        ShrinkRect(rect, aside);
    TitlePos = ApplyPosition(TitlePos, rect);
    LabelsPos = ApplyPosition(LabelsPos, rect);
}

TRect TChartAxis::AxisRect() const
{
    const int32_t a = std::min(StartPixel, EndPixel);
    const int32_t b = std::max(StartPixel, EndPixel);
    int32_t c;
    int32_t d;
    if (LabelsPos < AxisLinePos) {
        c = LabelsPos;
        d = AxisLinePos + TeeAxisClickGap;
    } else {
        c = AxisLinePos - TeeAxisClickGap;
        d = LabelsPos;
    }
    return FHorizontal ? TRect(a, c, b, d) : TRect(c, a, d, b);
}

bool TChartAxis::Clicked(int32_t x, int32_t y)
{
    if (!FParentChart->IsAxisVisible(this))
        return false;
    TRect r = AxisRect();
    if (FParentChart->AxisView3D())
        r = Canvas()->CalcRect3D(r, FOtherSide ? FParentChart->AxisDepth3D() : 0);
    return PointInRect(r, x, y);
}
