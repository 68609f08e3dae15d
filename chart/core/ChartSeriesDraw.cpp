// The drawing side of a series: which points are drawn and in which order, the marks and
// their texts, the legend items and the depth order. The panel drives it once per frame.

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/DateTimeSteps.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/Teeconst.h"
#include "platform/DateTime.h"
#include "platform/SysUtils.h"
#include "platform/Types.h"

// ---- visible range and order ----

void TChartSeries::CalcFirstLastVisibleIndex()
{
    FFirstVisible = FLastVisible = -1;
    const int count = Count();
    if (count == 0)
        return;
    TChartValueList* positions = PositionValues();
    if (!FVisiblePointsOnly || positions->Order() == loNone || !ParentChart()) {
        FFirstVisible = 0;
        FLastVisible = count - 1;
        return;
    }
    const TRect r = ParentChart()->PlotRect();
    TChartAxis* axis = FMandatoryIsY ? GetHorizAxis() : GetVertAxis();
    if (!axis) {
        FFirstVisible = 0;
        FLastVisible = count - 1;
        return;
    }
    // The pixel edges where the position values start and end, along the axis' direction.
    int startPixel, endPixel;
    if (FMandatoryIsY) {
        startPixel = axis->Inverted() ? r.Right : r.Left;
        endPixel = axis->Inverted() ? r.Left : r.Right;
    } else {
        startPixel = axis->Inverted() ? r.Top : r.Bottom;
        endPixel = axis->Inverted() ? r.Bottom : r.Top;
    }
    const double startValue = axis->CalcPosPoint(startPixel);
    const double endValue = axis->CalcPosPoint(endPixel);
    // The first index from `from` on whose value is at least v; a binary search when the
    // values ascend, so that a million points cost a few steps per frame.
    const double* values = positions->Data();
    const bool ascending = positions->Order() == loAscending;
    auto firstAtLeast = [&](int from, double v) {
        if (ascending)
            return static_cast<int>(std::lower_bound(values + from, values + count, v) - values);
        while (from < count && values[from] < v)
            ++from;
        return from;
    };
    const int first = firstAtLeast(0, startValue);
    if (first == count)
        return;
    FFirstVisible = first;
    if (values[count - 1] <= endValue) {
        FLastVisible = count - 1;
        return;
    }
    int last = firstAtLeast(first, endValue);
    if (last == count)
        last = count - 1;
    // The first point beyond the edge stays when the line to it must be drawn.
    if (!FKeepEdgePoint && values[last] > endValue && last > first)
        --last;
    FLastVisible = last;
}

bool TChartSeries::DrawValuesForward() const
{
    if (FMandatoryIsY) {
        const bool forward = !(GetHorizAxis() && GetHorizAxis()->Inverted());
        return ParentChart() && ParentChart()->InvertedRotation() ? !forward : forward;
    }
    return !(GetVertAxis() && GetVertAxis()->Inverted());
}

bool TChartSeries::DrawSeriesForward(int) const
{
    return !(ParentChart() && ParentChart()->InvertedRotation());
}

void TChartSeries::DrawAllValues()
{
    if (FFirstVisible < 0)
        return;
    if (DrawValuesForward()) {
        for (int i = FFirstVisible; i <= FLastVisible; ++i)
            DrawValue(i);
    } else {
        for (int i = FLastVisible; i >= FFirstVisible; --i)
            DrawValue(i);
    }
}

void TChartSeries::DoBeforeDrawValues()
{
    if (BeforeDrawValues)
        BeforeDrawValues(this);
}

void TChartSeries::DoAfterDrawValues()
{
    if (AfterDrawValues)
        AfterDrawValues(this);
}

int TChartSeries::CalcXPos(int index) const
{
    return GetHorizAxis() ? GetHorizAxis()->CalcXPosValue(GetxValue(index)) : 0;
}

int TChartSeries::CalcYPos(int index) const
{
    return GetVertAxis() ? GetVertAxis()->CalcYPosValue(GetyValue(index)) : 0;
}

// ---- depth order ----

void TChartSeries::CalcZOrder()
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    if (FZOrder == -1) {
        if (chart->View3D()) {
            chart->SetMaxZPosition(chart->MaxZPosition() + 1);
            FCalcZOrderValue = chart->MaxZPosition();
        } else {
            FCalcZOrderValue = 0;
        }
    } else {
        chart->SetMaxZPosition(std::max(chart->MaxZPosition(), FZOrder));
    }
}

int TChartSeries::GetZOrder() const
{
    return FZOrder != -1 ? FZOrder : FCalcZOrderValue;
}

void TChartSeries::SetZOrder(int value)
{
    SetIntegerProperty(FZOrder, value);
    FCalcZOrderValue = value == -1 ? 0 : value;
}

bool TChartSeries::MoreSameZOrder() const
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || !chart->SeparateSeriesDepth())
        return false;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->Series(i);
        if (s != this && s->Active() && !s->HasZValues() && s->GetZOrder() == GetZOrder())
            return true;
    }
    return false;
}

bool TChartSeries::FirstInZOrder() const
{
    if (!Active())
        return false;
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return true;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->Series(i);
        if (s == this)
            return true;
        if (s->Active() && s->GetZOrder() == GetZOrder())
            return false;
    }
    return true;
}

void TChartSeries::SetDepthSlot(int startZ, int endZ)
{
    FStartZ = startZ;
    FEndZ = endZ;
    FMiddleZ = (startZ + endZ) / 2;
    Marks()->SetZPosition(FMiddleZ);
}

// ---- marks ----

QString TChartSeries::MarkPercent(int index, bool addTotal) const
{
    const double total = MandatoryValues()->TotalABS();
    const double percent = total == 0 ? 100.0 : std::abs(GetMarkValue(index)) * 100.0 / total;
    QString text = FormatFloat(FPercentFormat, percent);
    if (addTotal) {
        const QString& pattern = Marks()->MultiLine() ? TeeMsg_DefaultPercentOf2 : TeeMsg_DefaultPercentOf;
        text = Format(pattern, {text, FormatFloat(FValueFormat, total)});
    }
    return text;
}

QString TChartSeries::XValueText(int index) const
{
    const double x = PositionValues()->GetValue(index);
    if (TChartAxis* axis = GetHorizAxis())
        return axis->LabelValue(x);
    return FormatFloat(FValueFormat, x);
}

QString TChartSeries::GetMarkText(int index)
{
    const QString sep = Marks()->MultiLine() ? QString(TeeLineSeparator) : QStringLiteral(" ");
    const QString value = FormatFloat(FValueFormat, GetMarkValue(index));
    QString label = XLabel(index);
    if (label.isEmpty())
        label = value;
    QString text;
    switch (Marks()->Style()) {
    case smsValue: text = value; break;
    case smsPercent: text = MarkPercent(index, false); break;
    case smsLabel: text = label; break;
    case smsLabelPercent: text = label + sep + MarkPercent(index, false); break;
    case smsLabelValue: text = label + sep + value; break;
    case smsLegend: text = ParentChart() ? ParentChart()->FormattedValueLegend(this, index) : QString(); break;
    case smsPercentTotal: text = MarkPercent(index, true); break;
    case smsLabelPercentTotal: text = label + sep + MarkPercent(index, true); break;
    case smsXValue: text = XValueText(index); break;
    case smsXY: text = XValueText(index) + sep + value; break;
    }
    if (OnGetMarkText)
        OnGetMarkText(this, index, text);
    return text;
}

void TChartSeries::DrawMark(int index, const QString& text, TSeriesMarkPosition& position)
{
    Marks()->InternalDraw(index, GetValueColor(index), text, position);
}

void TChartSeries::DrawMarks()
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || FFirstVisible < 0)
        return;
    TCanvas3D* canvas = chart->Canvas3D();
    TSeriesMarks* marks = Marks();
    TSeriesMarkPosition position;
    const TSeriesMarks::TPlacing placing(marks);
    const int every = std::max(1, marks->DrawEvery());
    for (int i = FFirstVisible; i <= FLastVisible; ++i) {
        if (i % every != 0 || IsNull(i))
            continue;
        const QString text = GetMarkText(i);
        if (text.isEmpty())
            continue;
        TTeeCustomShape* item = marks->MarkItem(i);
        if (!item->Visible())
            continue;
        canvas->AssignFont(item->Font());
        TView3DOptions* view = chart->View3DOptions();
        if (chart->View3D() && !canvas->GetSupports3DText() && view->ZoomText() && view->Zoom() != 100) {
            const int size = std::max(1, Round(item->Font()->Size() * view->Zoom() * 0.01));
            canvas->Font()->SetSize(size);
        }
        const QStringList lines = TeeSplitMarkLines(text);
        int width = 0;
        for (const QString& line : lines)
            width = std::max(width, canvas->TextWidth(line));
        width += canvas->TextWidth(QStringLiteral("W"));
        int height = static_cast<int>(lines.size()) * canvas->FontHeight();
        canvas->AssignVisiblePen(item->Frame());
        if (item->Frame()->Visible()) {
            width += 2 * item->Frame()->Width();
            height += 2 * item->Frame()->Width();
        } else {
            height += 1;
        }
        position.ArrowStartFixed = false;
        position.UserPlaced = false;
        // A point far off the page (fast calculation leaves it unclamped) is held to the widest
        // pixel position, so that the box and arrow arithmetic after it stays within int.
        const auto held = [](int pixel) { return std::clamp(pixel, -TeeMaxPixelPos, TeeMaxPixelPos); };
        position.ArrowEnd = TPoint(held(CalcXPos(i)), held(CalcYPos(i)));
        position.ArrowStart = position.ArrowEnd;
        position.BoxLeftTop = TPoint(position.ArrowEnd.X - width / 2, position.ArrowEnd.Y - height + 1);
        position.BoxWidth = width;
        position.BoxHeight = height;
        DrawMark(i, text, position);
    }
}

// ---- legend ----

int TChartSeries::CountLegendItems() { return Count(); }
int TChartSeries::LegendToValueIndex(int legendIndex) { return legendIndex; }
TColor TChartSeries::LegendItemColor(int legendIndex) { return GetValueColor(legendIndex); }

QString TChartSeries::LegendString(int legendIndex, TLegendTextStyle style)
{
    const int index = LegendToValueIndex(legendIndex);
    const QString label = XLabel(index);
    const double v = GetMarkValue(index);
    const QString valueText = MandatoryValues()->DateTime() ? FormatDateTime(DateTimeDefaultFormat(v), v)
                                                            : FormatFloat(FValueFormat, v);
    const double total = MandatoryValues()->TotalABS();
    const QString percentText = FormatFloat(FPercentFormat, total == 0 ? 100.0 : v * 100.0 / total);
    const QString c = label.isEmpty() ? QString() : QString(TeeColumnSeparator);
    switch (style) {
    case ltsPlain: return label;
    case ltsLeftValue: return valueText + c + label;
    case ltsRightValue: return label + c + valueText;
    case ltsLeftPercent: return percentText + c + label;
    case ltsRightPercent: return label + c + percentText;
    case ltsXValue: return XValueText(index);
    case ltsValue: return valueText;
    case ltsPercent: return percentText;
    case ltsXAndValue: return XValueText(index) + TeeColumnSeparator + valueText;
    case ltsXAndPercent: return XValueText(index) + TeeColumnSeparator + percentText;
    }
    return label;
}

void TChartSeries::DrawLegend(int index, const TRect& rect)
{
    if (index == -1 && ColorEachPoint())
        return;
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    TCanvas3D* canvas = chart->Canvas3D();
    const bool oldRepaint = chart->RepaintEnabled();
    chart->SetRepaintEnabled(false);
    const TColor colour = index == -1 ? SeriesColor() : LegendItemColor(index);
    canvas->Brush()->SetColor(colour);
    if (colour != clNone) {
        TColor back = chart->LegendBackColor();
        TBrushStyle style = Brush()->Style();
        canvas->AssignVisiblePen(Pen());
        PrepareLegendCanvas(index, back, style);
        if (chart->LegendSymbolPen())
            canvas->AssignVisiblePen(chart->LegendSymbolPen());
        if (back == clDefault)
            back = chart->LegendBackColor() == clDefault ? chart->Color() : chart->LegendBackColor();
        const TBrushStyle oldStyle = Brush()->Style();
        const bool swapStyle = style != oldStyle && !(Brush()->HasImage() && !Brush()->Image()->Empty());
        if (swapStyle)
            Brush()->SetStyle(style);
        chart->SetBrushCanvas(canvas->Brush()->Color(), Brush(), back);
        DrawLegendShape(index, rect);
        if (swapStyle)
            Brush()->SetStyle(oldStyle);
    }
    chart->SetRepaintEnabled(oldRepaint);
}

void TChartSeries::DrawLegendShape(int, const TRect& rect)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    canvas->Rectangle(rect);
    const TColor fill = canvas->Brush()->Color();
    // A symbol in the legend's own colour would vanish: its outline is drawn again.
    if (fill == ParentChart()->LegendBackColor()) {
        const TColor pen = canvas->Pen()->Color();
        if (fill == clBlack)
            canvas->Pen()->SetColor(clWhite);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(rect);
        canvas->Pen()->SetColor(pen);
    }
}

int TChartSeries::MaxMarkWidth()
{
    int result = 0;
    for (int i = 0; i < Count(); ++i)
        if (Marks()->MarkItem(i)->Visible())
            result = std::max(result, Marks()->TextWidth(i));
    return result;
}
