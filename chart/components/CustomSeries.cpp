// Segments, areas and symbols of the line family, drawn point by point.

#include "chart/components/CustomSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/core/ChartAxis.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/HitTests.h"
#include "chart/core/TeeCanvas3D.h"
#include "platform/Types.h"

TCustomSeries::TCustomSeries(TComponent* AOwner)
    : TCustomLineSeries(AOwner), FAreaBrush(std::make_unique<TChartBrush>([this](TObject*) { Repaint(); })),
      FAreaLinesPen(std::make_unique<TChartPen>([this](TObject*) { Repaint(); })),
      FOutLine(std::make_unique<TChartHiddenPen>([this](TObject*) { Repaint(); })),
      FPointer(std::make_unique<TSeriesPointer>(this))
{
    FGradient = std::make_unique<TTeeGradient>([this](TObject*) { Repaint(); });
    SetKeepEdgePoint(true);
}

TCustomSeries::~TCustomSeries() = default;

void TCustomSeries::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TCustomSeries*>(source)) {
        FClickableLine = other->FClickableLine;
        FAreaBrush->Assign(other->FAreaBrush.get());
        FAreaColor = other->FAreaColor;
        FAreaLinesPen->Assign(other->FAreaLinesPen.get());
        FColorEachLine = other->FColorEachLine;
        FDark3D = other->FDark3D;
        FDrawArea = other->FDrawArea;
        FDrawLine = other->FDrawLine;
        FInvertedStairs = other->FInvertedStairs;
        FLineHeight = other->FLineHeight;
        FPointer->Assign(other->FPointer.get());
        FStacked = other->FStacked;
        FStairs = other->FStairs;
        FTransparency = other->FTransparency;
        FOutLine->Assign(other->FOutLine.get());
        FGradient->Assign(other->FGradient.get());
    }
    TCustomLineSeries::Assign(source);
}

void TCustomSeries::SetParentChart(TCustomAxisPanel* value)
{
    TCustomLineSeries::SetParentChart(value);
    FPointer->SetParent(value);
}

void TCustomSeries::SetStacked(TCustomSeriesStack value)
{
    if (!SetProp(FStacked, value))
        return;
    if (TCustomAxisPanel* chart = ParentChart())
        for (int i = 0; i < chart->SeriesCount(); ++i)
            if (auto* s = dynamic_cast<TCustomSeries*>(chart->Series(i)); s && SameClass(s))
                s->FStacked = value;
}

void TCustomSeries::CalcZOrder()
{
    if (FStacked != cssNone && ParentChart()) {
        // Stacked series share one depth.
        SetCalcZOrder(ParentChart()->MaxZPosition());
        return;
    }
    TCustomLineSeries::CalcZOrder();
}

// ---- stacking and positions ----

double TCustomSeries::PointOrigin(int index, bool includeSelf) const
{
    double sum = 0;
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return 0;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->Series(i);
        if (s == this && !includeSelf)
            break;
        if (s->Active() && (s == this || SameClass(s)) && s->Count() > index) {
            const double v = s->GetOriginValue(index);
            if (v > 0)
                sum += v;
        }
    }
    return sum;
}

int TCustomSeries::CalcStackedPos(int index, double value) const
{
    TChartAxis* axis = MandatoryIsY() ? GetVertAxis() : GetHorizAxis();
    const double origin = PointOrigin(index, false);
    if (FStacked == cssStack) {
        const int pos = axis->CalcPosValue(origin + value);
        // Never past the axis' end.
        return MandatoryIsY() ? std::max(pos, axis->StartPixel) : std::min(pos, axis->EndPixel);
    }
    const double total = PointOrigin(index, true);
    if (total == 0)
        return MandatoryIsY() ? axis->StartPixel : axis->EndPixel;
    return axis->CalcPosValue((origin + value) * 100.0 / total);
}

int TCustomSeries::CalcXPos(int index) const
{
    if (!MandatoryIsY() && (FStacked == cssStack || FStacked == cssStack100))
        return CalcStackedPos(index, XValues()->GetValue(index));
    return TCustomLineSeries::CalcXPos(index);
}

int TCustomSeries::CalcYPos(int index) const
{
    if (MandatoryIsY() && (FStacked == cssStack || FStacked == cssStack100))
        return CalcStackedPos(index, YValues()->GetValue(index));
    return TCustomLineSeries::CalcYPos(index);
}

int TCustomSeries::GetOriginPos(int index) const
{
    if (FStacked == cssStack || FStacked == cssStack100)
        return CalcStackedPos(index, 0);
    if (MandatoryIsY()) {
        TChartAxis* axis = GetVertAxis();
        return axis->Inverted() ? axis->StartPixel : axis->EndPixel;
    }
    TChartAxis* axis = GetHorizAxis();
    return axis->Inverted() ? axis->EndPixel : axis->StartPixel;
}

double TCustomSeries::StackedMaximum()
{
    TChartValueList* values = MandatoryValues();
    double result = values->MaxValue();
    for (int i = 0; i < Count(); ++i)
        result = std::max(result, PointOrigin(i, false) + values->GetValue(i));
    return result;
}

double TCustomSeries::MaxYValue()
{
    if (MandatoryIsY() && FStacked == cssStack100)
        return 100;
    if (MandatoryIsY() && FStacked == cssStack)
        return StackedMaximum();
    return TCustomLineSeries::MaxYValue();
}

double TCustomSeries::MinYValue()
{
    if (MandatoryIsY() && FStacked == cssStack100)
        return 0;
    return TCustomLineSeries::MinYValue();
}

double TCustomSeries::MaxXValue()
{
    if (!MandatoryIsY() && FStacked == cssStack100)
        return 100;
    if (!MandatoryIsY() && FStacked == cssStack)
        return StackedMaximum();
    return TCustomLineSeries::MaxXValue();
}

double TCustomSeries::MinXValue()
{
    if (!MandatoryIsY() && FStacked == cssStack100)
        return 0;
    return TCustomLineSeries::MinXValue();
}

// ---- margins and marks ----

void TCustomSeries::CalcHorizMargins(int& left, int& right)
{
    TCustomLineSeries::CalcHorizMargins(left, right);
    if (FPointer->Visible())
        FPointer->CalcHorizMargins(left, right);
    if (FDrawLine && FStairs) {
        left = std::max(left, LinePen()->Width());
        right = std::max(right, LinePen()->Width());
    }
    if (FDrawLine && FOutLine->Visible()) {
        left = std::max(left, FOutLine->Width());
        right = std::max(right, FOutLine->Width());
    }
    if (Marks()->Visible() && !MandatoryIsY())
        right = std::max(left, Marks()->ArrowLength() + Marks()->Callout()->Distance());
}

void TCustomSeries::CalcVerticalMargins(int& top, int& bottom)
{
    TCustomLineSeries::CalcVerticalMargins(top, bottom);
    if (FPointer->Visible())
        FPointer->CalcVerticalMargins(top, bottom);
    if (FDrawLine && FStairs) {
        top = std::max(top, LinePen()->Width());
        bottom = std::max(bottom, LinePen()->Width());
    }
    if (FDrawLine && FOutLine->Visible()) {
        top = std::max(top, FOutLine->Width());
        bottom = std::max(bottom, FOutLine->Width());
    }
    if (Marks()->Visible() && MandatoryIsY())
        top = std::max(bottom, Marks()->ArrowLength() + Marks()->Callout()->Distance());
    if (FLineHeight > 0 && !FDrawArea && ParentChart() && ParentChart()->View3D())
        bottom = std::max(bottom, FLineHeight);
}

void TCustomSeries::DrawMark(int index, const QString& text, TSeriesMarkPosition& position)
{
    Marks()->SetZPosition(StartZ());
    if (MandatoryIsY())
        Marks()->ApplyArrowLength(position);
    TCustomLineSeries::DrawMark(index, text, position);
}

// ---- clicks ----

bool TCustomSeries::ClickedPointer(int index, int x, int y, int pointX, int pointY)
{
    return PointerStyle(index) != psNothing && std::abs(x - pointX) < FPointer->HorizSize() &&
           std::abs(y - pointY) < FPointer->VertSize();
}

int TCustomSeries::Clicked(int x, int y)
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return -1;
    if (chart->View3D())
        chart->Canvas3D()->Calculate2DPosition(x, y, StartZ());
    const int marked = TCustomLineSeries::Clicked(x, y);
    if (marked != -1)
        return marked;
    if (FirstVisible() < 0)
        return -1;
    const TPoint hit(x, y);
    TPoint previous;
    int previousOrigin = 0;
    for (int i = FirstVisible(); i <= LastVisible() && i < Count(); ++i) {
        const TPoint c(CalcXPos(i), CalcYPos(i));
        if (FPointer->Visible() && ClickedPointer(i, x, y, c.X, c.Y)) {
            if (OnClickPointer)
                OnClickPointer(this, i, x, y);
            return i;
        }
        if (c == hit)
            return i;
        const int origin = GetOriginPos(i);
        if (i > FirstVisible() && FClickableLine) {
            bool onLine;
            if (chart->View3D()) {
                // The ribbon's top face: the segment and the same segment at the end depth,
                // both seen in the plane of the start depth.
                TCanvas3D* canvas = chart->Canvas3D();
                auto atEnd = [&](TPoint q) {
                    const TPoint seen = canvas->Calculate3DPosition(q.X, q.Y, EndZ());
                    int qx = seen.X, qy = seen.Y;
                    canvas->Calculate2DPosition(qx, qy, StartZ());
                    return TPoint(qx, qy);
                };
                const TPoint face[4] = {previous, c, atEnd(c), atEnd(previous)};
                onLine = PointInPolygon(hit, std::span<const TPoint>(face, 4)) || PointInLine(hit, previous, c);
            } else if (FStairs) {
                const TPoint corner = FInvertedStairs ? TPoint(previous.X, c.Y) : TPoint(c.X, previous.Y);
                onLine = PointInLine(hit, previous, corner) || PointInLine(hit, corner, c);
            } else {
                onLine = PointInLine(hit, previous, c);
            }
            if (onLine)
                return i - 1;
            if (FDrawArea) {
                const bool vertical = MandatoryIsY();
                const TPoint poly[4] = {previous, c, vertical ? TPoint(c.X, origin) : TPoint(origin, c.Y),
                                        vertical ? TPoint(previous.X, previousOrigin)
                                                 : TPoint(previousOrigin, previous.Y)};
                if (PointInPolygon(hit, std::span<const TPoint>(poly, 4)))
                    return i - 1;
            }
        }
        previous = c;
        previousOrigin = origin;
    }
    return -1;
}

// ---------------------------------------------------------------- concrete kinds

TLineSeries::TLineSeries(TComponent* AOwner) : TCustomSeries(AOwner)
{
    SetDrawLine(true);
    SetOnePointFunctionResult(false);
    Pointer()->SetVisible(false);
    KeepStartLook();
}

void TLineSeries::Assign(TPersistent* source)
{
    TCustomSeries::Assign(source);
    if (source && source->ClassName() != ClassName())
        Pointer()->SetVisible(false);
    SetDrawArea(false);
    SetDrawLine(true);
}

void TLineSeries::PrepareLegendCanvas(int, TColor&, TBrushStyle& style)
{
    ParentChart()->Canvas3D()->AssignVisiblePen(LinePen());
    style = Brush()->Style();
}

THorizLineSeries::THorizLineSeries(TComponent* AOwner) : TLineSeries(AOwner)
{
    SetHorizontal();
    SetVisiblePointsOnly(false);
    XValues()->SetOrder(loNone);
    YValues()->SetOrder(loAscending);
}

TPointSeries::TPointSeries(TComponent* AOwner) : TCustomSeries(AOwner)
{
    ApplyLook();
    Marks()->SetArrowLength(0);
    KeepStartLook();
}

void TPointSeries::ApplyLook()
{
    Pointer()->SetVisible(true);
    SetDrawArea(false);
    SetDrawLine(false);
    SetClickableLine(false);
}

void TPointSeries::Assign(TPersistent* source)
{
    TCustomSeries::Assign(source);
    ApplyLook();
}

TAreaSeries::TAreaSeries(TComponent* AOwner) : TCustomSeries(AOwner)
{
    SetDrawArea(true);
    SetOnePointFunctionResult(false);
    Pointer()->SetVisible(false);
    KeepStartLook();
}

bool TAreaSeries::DrawSeriesForward(int index) const
{
    // Stacked areas go from the base upward, so each covers the edge of the one below it.
    if (MultiArea() != maNone) {
        TChartAxis* axis = MandatoryIsY() ? GetVertAxis() : GetHorizAxis();
        return !(axis && axis->Inverted());
    }
    return TCustomSeries::DrawSeriesForward(index);
}

int TAreaSeries::GetOriginPos(int index) const
{
    if (FUseYOrigin)
        return MandatoryIsY() ? GetVertAxis()->CalcYPosValue(FYOrigin) : GetHorizAxis()->CalcXPosValue(FYOrigin);
    return TCustomSeries::GetOriginPos(index);
}

double TAreaSeries::MaxYValue()
{
    const double result = TCustomSeries::MaxYValue();
    return FUseYOrigin && MandatoryIsY() ? std::max(result, FYOrigin) : result;
}

double TAreaSeries::MinYValue()
{
    const double result = TCustomSeries::MinYValue();
    return FUseYOrigin && MandatoryIsY() ? std::min(result, FYOrigin) : result;
}

double TAreaSeries::MaxXValue()
{
    const double result = TCustomSeries::MaxXValue();
    return FUseYOrigin && !MandatoryIsY() ? std::max(result, FYOrigin) : result;
}

double TAreaSeries::MinXValue()
{
    const double result = TCustomSeries::MinXValue();
    return FUseYOrigin && !MandatoryIsY() ? std::min(result, FYOrigin) : result;
}

void TAreaSeries::PrepareLegendCanvas(int, TColor&, TBrushStyle& style)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    canvas->AssignVisiblePen(AreaLinesPen());
    style = AreaChartBrush()->Style();
    // The symbol shows the area's own colour when it has one.
    if (!ColorEachPoint() && AreaColor() != clDefault)
        canvas->Brush()->SetColor(AreaColor());
}

void TAreaSeries::Assign(TPersistent* source)
{
    TCustomSeries::Assign(source);
    if (auto* other = dynamic_cast<TAreaSeries*>(source)) {
        FUseYOrigin = other->FUseYOrigin;
        FYOrigin = other->FYOrigin;
    } else {
        Pointer()->SetVisible(false);
    }
    SetDrawArea(true);
    SetDrawLine(true);
}

THorizAreaSeries::THorizAreaSeries(TComponent* AOwner) : TAreaSeries(AOwner)
{
    SetHorizontal();
    Gradient()->SetStartDirection(gdRightLeft);
    XValues()->SetOrder(loNone);
    YValues()->SetOrder(loAscending);
}

void THorizAreaSeries::DrawMark(int index, const QString& text, TSeriesMarkPosition& position)
{
    const int distance = Marks()->Callout()->Distance();
    const int reach = Marks()->ArrowLength() + distance;
    position.BoxLeftTop.Y = position.ArrowEnd.Y - position.BoxHeight / 2;
    position.BoxLeftTop.X += reach + position.BoxWidth / 2;
    position.ArrowEnd.X += reach;
    position.ArrowStart.Y = position.ArrowEnd.Y;
    position.ArrowStart.X += distance;
    TAreaSeries::DrawMark(index, text, position);
}
