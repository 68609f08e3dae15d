// Drawing of an axis: title, labels (custom items, value walks, series texts), axis line,
// ticks, grid and minor marks, and the custom drawing that tools use for extra axes.

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>

#include "chart/core/AxisItems.h"
#include "chart/core/Canvas3D.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/View3DOptions.h"
#include "platform/SysUtils.h"
#include "platform/graphics/Brush.h"

namespace {

// Grey that a grid of the default colour draws in.
constexpr TColor GridDefaultGray = 8421504;
// Largest number of calls to the next-label event in one walk.
constexpr int MaxEventLabels = 2000;

// The lines of a label: cut at each line separator; an empty piece after the last one does
// not count.
QStringList LabelLines(const QString& text)
{
    QStringList lines = text.split(TeeLineSeparator);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

void TChartAxis::Draw(bool calcPosAxis)
{
    const TRect chart = FParentChart->AxisChartRect();
    IsDateTimeAxis = IsDateTime();
    if (calcPosAxis)
        AxisLinePos = ApplyPosition(GetRectangleEdge(chart), chart);

    if (FTitle->Visible() && !FTitle->Caption().isEmpty()) {
        if (FIsDepthAxis)
            DrawTitle(TitlePos, chart.Bottom);
        else if (FHorizontal)
            DrawTitle(CenterPixel, TitlePos);
        else
            DrawTitle(TitlePos, CenterPixel);
    }

    TickPositions.clear();
    DrawLabels();

    TCanvas3D* canvas = Canvas();
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetBackMode(TRANSPARENT);
    const int32_t w = FParentChart->CalcWallSize(this);
    if (FAxis->Visible())
        DrawAxisLine(w);
    DrawTicks(FTicks.get(), 1, FTickLength, w);
    DrawGrid();
    DrawTicks(FTicksInner.get(), -1, -FTickInnerLength, w);
    DrawMinorMarks(FMinorTicks.get(), false, w);
    DrawMinorMarks(FMinorGrid.get(), true, w);
    canvas->SetBackMode(OPAQUE);
}

// ---------------------------------------------------------------- labels

void TChartAxis::DrawLabels()
{
    if (FItems->Count() > 0) {
        for (int i = 0; i < FItems->Count(); ++i) {
            TAxisItem* item = FItems->Get(i);
            const double value = item->Value();
            if (value < FMinimum || value > FMaximum)
                continue;
            const int32_t p = CalcPosValue(value);
            if (!FTickOnLabelsOnly)
                TickPositions.append(p);
            if (item->Visible())
                DrawLabelText(p, item->Text().isEmpty() ? LabelValue(value) : item->Text(), item);
        }
        return;
    }

    const TAxisLabelStyle style = CalcLabelStyle();
    if (style == talNone)
        return;
    Canvas()->AssignFont(LabelsFont());
    const double increment = CalcIncrement();
    TDateTimeStep step = dtNone;
    if (IsDateTimeAxis && FExactDateTime && FIncrement != 0) {
        step = FindDateTimeStep(FIncrement);
        if (step != dtNone) {
            while (increment > DateTimeStep[step] && step != dtOneYear)
                step = static_cast<TDateTimeStep>(step + 1);
        }
    }
    const bool calendarStep = step >= dtHalfMonth && step <= dtOneYear;
    if (!((increment > 0 || calendarStep) && WorkMaximum >= WorkMinimum))
        return;
    if (style == talValue) {
        if (FParentChart->OnGetNextAxisLabel())
            DrawEventLabels(increment, step);
        else if (FLogarithmic && FIncrement == 0)
            DrawLogValueLabels();
        else
            DrawLinearValueLabels(increment, step);
    } else if (style == talMark || style == talText) {
        if (FIsDepthAxis && style == talText)
            DrawSeriesTitleLabels();
        else
            DrawSeriesLabels(style);
    }
}

void TChartAxis::DrawValueLabel(double value)
{
    const int32_t p = CalcPosValue(value);
    if (FLabelsOnAxis || (p > StartPixel && p < EndPixel)) {
        if (!FTickOnLabelsOnly)
            TickPositions.append(p);
        if (Labels())
            DrawLabelText(p, LabelValue(value), nullptr);
    }
}

void TChartAxis::DrawLabelText(int32_t pos, const QString& text, TTeeCustomShape* format)
{
    if (FTickOnLabelsOnly)
        TickPositions.append(pos);
    TCanvas3D* canvas = Canvas();
    canvas->AssignFont(format ? format->Font() : LabelsFont());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetStyle(bsClear);
    // The clear brush writes the label without a box, whatever background mode the axis drawn
    // before left behind (its lines end opaque).
    canvas->SetBackMode(TRANSPARENT);
    if (FIsDepthAxis) {
        canvas->SetTextAlign(TA_LEFT);
        const TView3DOptions* view = FParentChart->AxisView3DOptions();
        if (view && (view->Rotation() == 360 || view->Orthogonal()))
            pos += canvas->FontHeight() / 2;
        canvas->TextOut3D(LabelsPos, FParentChart->AxisChartRect().Bottom, pos, text);
    } else if (FHorizontal) {
        DrawAxisLabel(pos, LabelsPos, FLabelsAngle, text, format);
    } else {
        DrawAxisLabel(LabelsPos, pos, FLabelsAngle, text, format);
    }
}

void TChartAxis::DrawLinearValueLabels(double increment, TDateTimeStep step)
{
    if (std::fabs(WorkRange / increment) >= 10000)
        return;
    double v;
    if (IsDateTimeAxis && FExactDateTime && step >= dtOneDay && step <= dtOneYear)
        v = TeeRoundDate(WorkMaximum, step);
    else if (FloatToStr(WorkMinimum) != FloatToStr(WorkMaximum) && FRoundFirstLabel)
        v = std::trunc(WorkMaximum / increment) * increment;
    else
        v = WorkMaximum;
    while (v > WorkMaximum) {
        const double before = v;
        IncDecDateTime(false, v, increment, step);
        if (v == before)
            break; // the increment is below the precision of v
    }

    if (RangeIsZero || std::fabs(WorkMaximum - WorkMinimum) < 1e-10 || FloatToStr(v) == FloatToStr(v - increment)) {
        DrawValueLabel(v);
        return;
    }
    // The lowest label may fall a hair below the minimum through rounding; the tolerance is
    // relative to the minimum's size so that -10 on a -10..100 axis is labelled as 10 is on a
    // 10..100 one.
    const double limit = WorkMinimum - MinAxisIncrement * (1 + std::fabs(WorkMinimum));
    int drawn = 0;
    while (v >= limit && drawn++ <= 10000) {
        DrawValueLabel(v);
        const double before = v;
        IncDecDateTime(false, v, increment, step);
        if (v == before)
            break; // the increment is below the precision of v
    }
}

void TChartAxis::DrawLogValueLabels()
{
    if (WorkMinimum == WorkMaximum)
        return;
    const double base = FLogarithmicBase;
    // A base of one or less never climbs: no labels rather than an endless walk.
    if (!(base > 1) || std::isinf(base))
        return;
    double v;
    if (WorkMinimum > 0) {
        v = std::pow(base, std::log(WorkMinimum) / std::log(base));
    } else {
        WorkMinimum = WorkMinimum == 0 ? 0.1 : MinAxisRange;
        v = WorkMinimum;
    }
    if (FMinorGrid->Visible()) {
        const double u = v >= WorkMinimum ? std::pow(base, std::log(WorkMinimum) / std::log(base) - 1) : v;
        if (u < WorkMinimum)
            TickPositions.append(CalcPosValue(u));
    }
    while (v <= WorkMaximum && !std::isinf(v)) {
        if (v >= WorkMinimum)
            DrawValueLabel(v);
        v = v * base;
    }
    if (FMinorGrid->Visible() && v > WorkMaximum)
        TickPositions.append(CalcPosValue(v));
}

void TChartAxis::DrawEventLabels(double increment, TDateTimeStep step)
{
    const TAxisOnGetNextLabel event = FParentChart->OnGetNextAxisLabel();
    double value = WorkMinimum;
    bool stop = true;
    for (int i = 0; i <= MaxEventLabels; ++i) {
        event(this, i, value, stop);
        if (stop) {
            if (i == 0) {
                if (FLogarithmic && FIncrement == 0)
                    DrawLogValueLabels();
                else
                    DrawLinearValueLabels(increment, step);
            }
            return;
        }
        if (value < WorkMinimum - 1e-7 || value > WorkMaximum + 1e-7)
            return;
        DrawValueLabel(value);
    }
}

void TChartAxis::DrawSeriesLabels(TAxisLabelStyle style)
{
    int first = -1;
    int last = -1;
    if (!FParentChart->AxisLabelIndexRange(this, first, last))
        return;
    TCanvas3D* canvas = Canvas();
    int32_t lastPos = -1;
    int32_t lastHalf = 0;
    bool any = false;
    const bool along = FHorizontal ? (FLabelsAngle != 90 && FLabelsAngle != 270)
                                   : (FLabelsAngle == 90 || FLabelsAngle == 270);
    for (int index = first; index <= last; ++index) {
        QString text;
        double value = 0;
        if (!FParentChart->AxisSeriesLabel(this, index, style == talMark, text, value))
            continue;
        if (value < WorkMinimum || value > WorkMaximum)
            continue;
        const int32_t p = CalcPosValue(value);
        if (!FTickOnLabelsOnly)
            TickPositions.append(p);
        if (!Labels())
            continue;
        int lines = 0;
        const int32_t width = FParentChart->MultiLineTextWidth(text, lines);
        const int32_t size = along ? width : canvas->FontHeight() * lines;
        if (FLabelsSeparation != 0 && any) {
            const int32_t half = (size + Trunc(size * 0.02 * FLabelsSeparation)) / 2;
            const bool clear = p < lastPos ? lastPos - lastHalf >= p + half : p - half >= lastPos + lastHalf;
            if (clear) {
                DrawLabelText(p, text, nullptr);
                lastPos = p;
                lastHalf = half;
            }
        } else {
            DrawLabelText(p, text, nullptr);
            lastPos = p;
            lastHalf = size / 2;
            any = true;
        }
    }
}

void TChartAxis::DrawSeriesTitleLabels()
{
    if (FParentChart->CountActiveSeries() == 0)
        return;
    const int64_t from = Trunc64(WorkMinimum);
    const int64_t to = Trunc64(WorkMaximum);
    for (int64_t a = from; a <= to; ++a) {
        const int32_t p = CalcPosValue(WorkMaximum - double(a) - 0.5);
        if (!FTickOnLabelsOnly)
            TickPositions.append(p);
        if (Labels()) {
            QString text = FParentChart->AxisSeriesTitle(static_cast<int>(a));
            if (const TAxisOnGetLabel& event = FParentChart->OnGetAxisLabel())
                event(this, nullptr, static_cast<int>(a), text);
            DrawLabelText(p, text, nullptr);
        }
    }
}

// ---------------------------------------------------------------- one label

void TChartAxis::DrawAxisLabel(int32_t x, int32_t y, int32_t angle, const QString& text, TTeeCustomShape* format)
{
    TCanvas3D* canvas = Canvas();
    const int32_t fontHeight = canvas->FontHeight();
    const int32_t h2 = fontHeight / 2;
    const bool h = FHorizontal;
    const bool o = FOtherSide;
    uint32_t align = TA_LEFT;
    switch (angle) {
    case 0:
    case 360:
        if (h) {
            align = o ? TA_CENTER | TA_BOTTOM : TA_CENTER;
        } else {
            if (FLabelsAlign == alDefault) {
                align = o ? TA_LEFT : TA_RIGHT;
            } else if (o) {
                align = TA_RIGHT;
                x += SizeLabels();
            } else {
                align = TA_LEFT;
                x -= SizeLabels();
            }
            y -= h2;
        }
        break;
    case 45:
        align = TA_LEFT;
        if (h && o) {
            const int32_t b = canvas->TextWidth(QStringLiteral("Wj"));
            x -= b;
            y -= b;
        } else if (h) {
            const int32_t b = Round(canvas->TextWidth(text) * std::sin(45 * TeePiStep));
            x -= b;
            y += b;
        }
        break;
    case 90:
        if (h) {
            align = o ? TA_LEFT : TA_RIGHT;
            x -= h2;
        } else {
            align = o ? TA_CENTER : TA_CENTER | TA_BOTTOM;
        }
        break;
    case 180:
        if (h) {
            align = o ? TA_CENTER : TA_CENTER | TA_BOTTOM;
        } else {
            align = o ? TA_RIGHT : TA_LEFT;
            y += h2;
        }
        break;
    case 270:
        if (h) {
            align = o ? TA_RIGHT : TA_LEFT;
            x += h2;
        } else {
            align = o ? TA_CENTER | TA_BOTTOM : TA_CENTER;
        }
        break;
    default:
        align = TA_LEFT;
        break;
    }

    const int32_t z = ZPixel;
    const QStringList lines = LabelLines(text);
    const int32_t n = static_cast<int32_t>(lines.size());
    const int32_t lh = (angle == 180 || angle == 270) ? -fontHeight : fontHeight;

    if (h) {
        if (angle == 0)
            y -= o ? Round(double(lh) * n) : lh;
        else if (angle == 90 || angle == 270)
            x -= Round(lh * 0.5 * (n + 1));
        else if (angle == 180)
            y -= o ? lh : Round(double(lh) * n);
    } else if (angle == 0 || angle == 180) {
        y -= Round(lh * 0.5 * (n + 1));
    } else if (angle == 90) {
        x -= o ? lh : Round(double(lh) * n);
    } else if (angle == 270) {
        x -= o ? Round(double(lh) * n) : lh;
    }

    TTeeCustomShape* box = format ? format : LabelFormat();
    if (!box->Transparent()) {
        int boxLines = 0;
        const int32_t tw = FParentChart->MultiLineTextWidth(text, boxLines);
        const int32_t th = fontHeight * boxLines;
        TRect r(x, y + lh, x, y + lh);
        // The box of a bottom-aligned text grows upward; the text keeps its own alignment.
        uint32_t boxAlign = align;
        if (boxAlign & TA_BOTTOM) {
            r.Top -= th;
            boxAlign &= ~TA_BOTTOM;
        }
        r.Bottom = r.Top + th;
        r.Right = r.Left + tw;
        if (boxAlign == TA_RIGHT) {
            r.Left -= tw;
            r.Right -= tw;
        } else if (boxAlign == TA_CENTER) {
            r.Left -= tw / 2;
            r.Right -= tw / 2;
        }
        const int32_t margin = canvas->TextWidth(QStringLiteral("W")) / 2;
        r.Left -= margin;
        r.Right += margin;
        if (z != 0)
            r = canvas->CalcRect3D(r, z);
        box->DrawRectRotated(r, FLabelsAngle, z);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetStyle(bsClear);
    }

    canvas->SetTextAlign(align);
    for (const QString& line : lines) {
        if (angle == 0) {
            y += lh;
            if (FLabelsExponent)
                DrawExponentLabel(x, y, z, line, align);
            else
                canvas->TextOut3D(x, y, z, line);
            continue;
        }
        if (angle == 90 || angle == 270)
            x += lh;
        else if (angle == 180)
            y += lh;
        canvas->RotateLabel3D(x, y, z, line, angle);
    }
    canvas->SetTextAlign(TA_LEFT);
}

void TChartAxis::DrawExponentLabel(int32_t x, int32_t y, int32_t z, const QString& text, uint32_t align)
{
    TCanvas3D* canvas = Canvas();
    const qsizetype e = text.toUpper().indexOf(QLatin1Char('E'));
    if (e < 0) {
        canvas->TextOut3D(x, y, z, text);
        return;
    }
    const QString mantissa = text.left(e);
    const QString exponent = text.mid(e + 1);
    const int32_t raisedY = y - (canvas->FontHeight() - 1) / 2 + 2;
    TFont* font = canvas->Font();
    const int32_t size = font->Size();
    if (align != TA_LEFT) {
        font->SetSize(size - size / 4);
        const int32_t expWidth = canvas->TextWidth(exponent);
        canvas->TextOut3D(x, raisedY, z, exponent);
        font->SetSize(size);
        canvas->TextOut3D(x - expWidth - 1, y, z, mantissa);
    } else {
        const int32_t mantWidth = canvas->TextWidth(mantissa);
        canvas->TextOut3D(x, y, z, mantissa);
        font->SetSize(size - size / 4);
        canvas->TextOut3D(x + mantWidth + 1, raisedY, z, exponent);
        font->SetSize(size);
    }
}

void TChartAxis::DrawTitle(int32_t x, int32_t y)
{
    TCanvas3D* canvas = Canvas();
    canvas->AssignFont(FTitle->Font());
    canvas->SetBackMode(TRANSPARENT);
    if (FIsDepthAxis) {
        canvas->SetTextAlign(TA_LEFT);
        canvas->TextOut3D(x, y, FParentChart->AxisDepth3D() / 2, FTitle->Caption());
        return;
    }
    const bool exponent = std::exchange(FLabelsExponent, false);
    DrawAxisLabel(x, y, FTitle->Angle(), FTitle->Caption(), nullptr);
    FLabelsExponent = exponent;
}

// ---------------------------------------------------------------- lines

void TChartAxis::DrawAxisLine(int32_t w)
{
    TCanvas3D* canvas = Canvas();
    canvas->AssignVisiblePen(FAxis.get());
    const TRect chart = FParentChart->AxisChartRect();
    const int32_t d = ZPixel;
    auto wallOf = [this](int index) {
        TChartAxis* axis = FParentChart->AxisAt(index);
        return axis ? FParentChart->CalcWallSize(axis) : 0;
    };
    if (FIsDepthAxis) {
        const int32_t y = chart.Bottom + wallOf(0) - d;
        canvas->MoveTo3D(AxisLinePos, y, StartPixel);
        canvas->LineTo3D(AxisLinePos, y, EndPixel);
    } else if (FHorizontal && FOtherSide) {
        canvas->HorizLine3D(StartPixel, EndPixel, AxisLinePos, d);
    } else if (FHorizontal) {
        canvas->HorizLine3D(StartPixel - wallOf(2), EndPixel + wallOf(3), AxisLinePos + w, d);
    } else {
        const int32_t x = FOtherSide ? AxisLinePos + w : AxisLinePos - w;
        canvas->VertLine3D(x, StartPixel, EndPixel + wallOf(0), d);
    }
}

void TChartAxis::DrawTick(int32_t pos, int32_t outside, int32_t length, int32_t w)
{
    TCanvas3D* canvas = Canvas();
    if (FIsDepthAxis) {
        const int32_t x = AxisLinePos + outside;
        canvas->HorizLine3D(x, x + length, FParentChart->AxisChartRect().Bottom, pos);
        return;
    }
    const bool topAxis = FHorizontal && FOtherSide;
    const int32_t s = Outward(AxisLinePos, outside + (topAxis ? 0 : w));
    const int32_t e = Outward(s, length);
    const bool in3D = FParentChart->AxisView3D();
    if (FHorizontal) {
        if (in3D)
            canvas->VertLine3D(pos, s, e, ZPixel);
        else
            canvas->DoVertLine(pos, s, e);
    } else if (in3D) {
        canvas->HorizLine3D(s, e, pos, ZPixel);
    } else {
        canvas->DoHorizLine(s, e, pos);
    }
}

void TChartAxis::DrawTicks(TChartPen* pen, int32_t outside, int32_t length, int32_t w)
{
    // Ticks of no length would draw no pixel.
    if (!pen->Visible() || length == 0)
        return;
    Canvas()->AssignVisiblePen(pen);
    for (const int32_t p : std::as_const(TickPositions))
        DrawTick(p, outside, length, w);
}

void TChartAxis::DrawGridLine(int32_t p)
{
    if (!(p > StartPixel && p < EndPixel))
        return;
    TCanvas3D* canvas = Canvas();
    const TRect chart = FParentChart->AxisChartRect();
    if (FIsDepthAxis) {
        canvas->VertLine3D(chart.Left, chart.Top, chart.Bottom, p);
        canvas->HorizLine3D(chart.Left, chart.Right, chart.Bottom, p);
        return;
    }
    auto line = [&](int32_t z) {
        if (FHorizontal)
            canvas->VertLine3D(p, chart.Top + 1, chart.Bottom, z);
        else
            canvas->HorizLine3D(chart.Left + 1, chart.Right, p, z);
    };
    if (!FParentChart->AxisView3D()) {
        if (FHorizontal)
            canvas->DoVertLine(p, chart.Top + 1, chart.Bottom);
        else
            canvas->DoHorizLine(chart.Left + 1, chart.Right, p);
    } else if (!FParentChart->AxisBehindSeries()) {
        line(0);
    } else {
        const int32_t depth = FParentChart->AxisDepth3D();
        if (!FrontRedraw)
            line(depth);
        const int32_t z = Round(depth * FGrid->ZPosition() * 0.01);
        if (z != depth) {
            if (FHorizontal)
                canvas->ZLine3D(p, AxisLinePos, z, depth);
            else
                canvas->ZLine3D(AxisLinePos, p, z, depth);
        }
    }
}

void TChartAxis::DrawGrid()
{
    if (OnDrawGrids)
        OnDrawGrids(this);
    if (!FGrid->Visible())
        return;
    TCanvas3D* canvas = Canvas();
    canvas->AssignVisiblePenColor(FGrid.get(), FGrid->Color() == clDefault ? GridDefaultGray : FGrid->Color());
    FParentChart->CheckPenWidth(canvas->Pen());
    if (FGrid->Centered()) {
        for (qsizetype i = 1; i < TickPositions.size(); ++i)
            DrawGridLine(Round((double(TickPositions[i]) + TickPositions[i - 1]) * 0.5));
    } else {
        for (const int32_t p : std::as_const(TickPositions))
            DrawGridLine(p);
    }
}

void TChartAxis::DrawMinorMarks(TChartPen* pen, bool grid, int32_t w)
{
    if (TickPositions.isEmpty() || !pen->Visible())
        return;
    TCanvas3D* canvas = Canvas();
    canvas->SetBackMode(TRANSPARENT);
    canvas->Brush()->SetStyle(bsClear);
    canvas->AssignVisiblePen(pen);
    auto mark = [&](int32_t q) {
        if (!(q > StartPixel && q < EndPixel))
            return;
        if (grid)
            DrawGridLine(q);
        else
            DrawTick(q, 1, FMinorTickLength, w);
    };
    const int32_t k = FMinorTickCount;
    const double f = 1.0 / (k + 1);
    const qsizetype count = TickPositions.size();
    if (count >= 2 && !FLogarithmic) {
        const double d = (double(TickPositions[1]) - TickPositions[0]) * f;
        for (int32_t i = 1; i <= k; ++i) {
            mark(TickPositions[0] - Round(i * d));
            mark(TickPositions[count - 1] + Round(i * d));
        }
    }
    for (qsizetype j = 1; j < count; ++j) {
        if (FLogarithmic) {
            double v = CalcPosPoint(TickPositions[j - 1]);
            const double dv = (v * FLogarithmicBase - v) * f;
            for (int32_t i = 1; i <= k; ++i) {
                v += dv;
                if (v > WorkMaximum)
                    break;
                mark(CalcPosValue(v));
            }
        } else {
            const double d = (double(TickPositions[j]) - TickPositions[j - 1]) * f;
            for (int32_t i = 1; i <= k; ++i)
                mark(TickPositions[j] - Round(d * i));
        }
    }
}

// ---------------------------------------------------------------- custom drawing

void TChartAxis::CustomDraw(int32_t posLabels, int32_t posTitle, int32_t posAxis, bool gridVisible)
{
    InternalCalcPositions();
    CustomDrawStartEnd(posLabels, posTitle, posAxis, gridVisible, StartPixel, EndPixel);
}

void TChartAxis::CustomDrawMinMax(int32_t posLabels, int32_t posTitle, int32_t posAxis, bool gridVisible,
                                  double minimum, double maximum, double increment)
{
    CustomDrawMinMaxStartEnd(posLabels, posTitle, posAxis, gridVisible, minimum, maximum, increment, StartPixel,
                             EndPixel);
}

void TChartAxis::CustomDrawStartEnd(int32_t posLabels, int32_t posTitle, int32_t posAxis, bool gridVisible,
                                    int32_t startPos, int32_t endPos)
{
    LabelsPos = posLabels;
    TitlePos = posTitle;
    AxisLinePos = posAxis;
    StartPixel = startPos;
    EndPixel = endPos;
    RecalcSizeCenter();
    // The grid's visibility is changed for this drawing only, without a repaint.
    const TNotifyEvent handler = std::exchange(FGrid->OnChange, {});
    const bool oldVisible = FGrid->Visible();
    FGrid->SetVisible(gridVisible);
    try {
        Draw(false);
    } catch (...) {
        FGrid->SetVisible(oldVisible);
        FGrid->OnChange = handler;
        throw;
    }
    FGrid->SetVisible(oldVisible);
    FGrid->OnChange = handler;
}

void TChartAxis::CustomDrawMinMaxStartEnd(int32_t posLabels, int32_t posTitle, int32_t posAxis, bool gridVisible,
                                          double minimum, double maximum, double increment, int32_t startPos,
                                          int32_t endPos)
{
    const double oldMin = FMinimum;
    const double oldMax = FMaximum;
    const double oldIncrement = FIncrement;
    const bool oldAutomatic = FAutomatic;
    auto restore = [&] {
        FMinimum = oldMin;
        FMaximum = oldMax;
        FIncrement = oldIncrement;
        FAutomatic = oldAutomatic;
        WorkMinimum = FMinimum;
        WorkMaximum = FMaximum;
        InternalCalcRange();
    };
    FAutomatic = false;
    FMinimum = minimum;
    FMaximum = maximum;
    FIncrement = increment;
    WorkMinimum = FMinimum;
    WorkMaximum = FMaximum;
    InternalCalcRange();
    try {
        CustomDrawStartEnd(posLabels, posTitle, posAxis, gridVisible, startPos, endPos);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}
