// The two bar kinds: vertical bars (TBarSeries) and horizontal bars (THorizBarSeries), each
// with its own positions, margins, bar shapes, marks and click test.

#include <algorithm>

#include "chart/components/BarSeries.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/HitTests.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/Teeconst.h"

// ---------------------------------------------------------------- vertical bars

TBarSeries::TBarSeries(TComponent* AOwner) : TCustomBarSeries(AOwner)
{
    Gradient()->SetStartDirection(gdTopBottom);
    YValues()->SetName(TeeMsg_ValuesBar);
}

void TBarSeries::CalcHorizMargins(int& left, int& right)
{
    TCustomBarSeries::CalcHorizMargins(left, right);
    CalcBarSize();
    left += BarMargin();
    right += BarMargin();
}

void TBarSeries::CalcVerticalMargins(int& top, int& bottom)
{
    TCustomBarSeries::CalcVerticalMargins(top, bottom);
    const int length = CalcMarkLength(0);
    if (length <= 0)
        return;
    const bool inverted = ValueAxis() && ValueAxis()->Inverted();
    if (UseYOrigin() && YValues()->MinValue() < YOrigin())
        (inverted ? top : bottom) += length + 1;
    if (!(UseYOrigin() && YValues()->MaxValue() <= YOrigin()))
        (inverted ? bottom : top) += length + 1;
}

int TBarSeries::CalcXPos(int index) const { return CalcCategoryPos(index); }
int TBarSeries::CalcYPos(int index) const { return CalcValuePos(index); }

int TBarSeries::InternalCalcMarkLength(int) { return ParentChart()->Canvas3D()->FontHeight(); }

void TBarSeries::DrawMark(int index, const QString& text, TSeriesMarkPosition& position)
{
    const int distance = Marks()->Callout()->Distance();
    int length = Marks()->ArrowLength() + distance;
    if (GetOriginPos(index) < position.ArrowStart.Y) {
        // A bar below its origin has its mark underneath.
        length = -length - position.BoxHeight;
        position.ArrowStart.Y += distance;
    } else {
        position.ArrowStart.Y -= distance;
    }
    const int half = BarSize() / 2;
    position.BoxLeftTop.X += half;
    position.ArrowEnd.X += half;
    position.ArrowStart.X += half;
    position.BoxLeftTop.Y -= length;
    position.ArrowEnd.Y -= length;
    if (AutoMarkPosition())
        Marks()->AntiOverlap(FirstVisible(), index, position);
    TCustomBarSeries::DrawMark(index, text, position);
}

bool TBarSeries::MoreSameZOrder() const
{
    return MultiBar() == mbSideAll ? false : TCustomBarSeries::MoreSameZOrder();
}

bool TBarSeries::DrawSeriesForward(int index) const
{
    const bool inverted = GetVertAxis() && GetVertAxis()->Inverted();
    switch (MultiBar()) {
    case mbStacked:
    case mbSelfStack: {
        const bool forward = YValues()->GetValue(index) >= YOrigin();
        return inverted ? !forward : forward;
    }
    case mbStacked100: return !inverted;
    default: return TCustomBarSeries::DrawSeriesForward(index);
    }
}

void TBarSeries::DrawBar(int index, int start, int end)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    PrepareBar();
    const TBarStyle style = GetBarStyle(index);
    const int left = FBarBounds.Left, right = FBarBounds.Right;
    const int centre = (left + right) / 2;
    if (ParentChart()->View3D()) {
        switch (style) {
        case bsPyramid: canvas->Pyramid(true, left, start, right, end, StartZ(), EndZ(), Dark3D()); break;
        case bsInvPyramid: canvas->Pyramid(true, left, end, right, start, StartZ(), EndZ(), Dark3D()); break;
        case bsCilinder: canvas->Cylinder(true, left, start, right, end, StartZ(), EndZ(), Dark3D()); break;
        case bsCone: canvas->Cone(true, left, start, right, end, StartZ(), EndZ(), Dark3D(), ConePercent()); break;
        case bsEllipse: canvas->EllipseWithZ(left, start, right, end, MiddleZ()); break;
        case bsArrow:
            canvas->Arrow(true, TPoint(centre, end), TPoint(centre, start), BarSize(), BarSize() / 2, MiddleZ());
            break;
        default: canvas->Cube(left, right, start, end, StartZ(), EndZ(), Dark3D()); break;
        }
    } else {
        switch (style) {
        case bsPyramid:
        case bsCone: {
            const TPoint p[3] = {TPoint(left, end), TPoint(centre, start), TPoint(right, end)};
            canvas->Polygon(p, 2);
            break;
        }
        case bsInvPyramid: {
            const TPoint p[3] = {TPoint(left, start), TPoint(centre, end), TPoint(right, start)};
            canvas->Polygon(p, 2);
            break;
        }
        case bsEllipse: canvas->Ellipse(left, start, right, end); break;
        case bsArrow:
            canvas->Arrow(true, TPoint(centre, end), TPoint(centre, start), BarSize(), BarSize() / 2, MiddleZ());
            break;
        default: BarRectangle(FBarColor, left, start, right, end); break;
        }
    }
    if (style == bsRectGradient)
        BarGradient(index, TRect(left, start, right, end));
    else if (style == bsBevel)
        DrawBevel();
}

bool TBarSeries::InternalClicked(int index, TPoint p)
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const bool is3D = chart->View3D();
    const int x = CalcXPos(index);
    if (!is3D && (p.X < x || p.X > x + BarSize()))
        return false;
    const int y = CalcYPos(index), origin = GetOriginPos(index);
    const int top = std::min(y, origin), bottom = std::max(y, origin);
    const TBarStyle style = GetBarStyle(index);
    if (style == bsPyramid || style == bsCone || style == bsInvPyramid) {
        const bool inverted = style == bsInvPyramid;
        const int base = inverted ? top : bottom, apex = inverted ? bottom : top;
        TPoint t[3] = {TPoint(x, base), TPoint(x + BarSize() / 2, apex), TPoint(x + BarSize(), base)};
        if (is3D) {
            t[0] = canvas->Calculate3DPosition(t[0].X, t[0].Y, StartZ());
            t[1] = canvas->Calculate3DPosition(t[1].X, t[1].Y, MiddleZ());
            t[2] = canvas->Calculate3DPosition(t[2].X, t[2].Y, StartZ());
        }
        return PointInPolygon(p, std::span<const TPoint>(t, 3));
    }
    int px = p.X, py = p.Y;
    if (is3D) {
        canvas->Calculate2DPosition(px, py, StartZ());
        if (px < x || px > x + BarSize())
            return false;
    }
    if (style == bsEllipse)
        return PointInEllipse(TPoint(px, py), TRect(x, top, x + BarSize(), bottom));
    return py >= top && py <= bottom;
}

// ---------------------------------------------------------------- horizontal bars

THorizBarSeries::THorizBarSeries(TComponent* AOwner) : TCustomBarSeries(AOwner)
{
    SetHorizontal();
    XValues()->SetOrder(loNone);
    YValues()->SetOrder(loAscending);
    Gradient()->SetStartDirection(gdLeftRight);
    XValues()->SetName(TeeMsg_ValuesBar);
}

void THorizBarSeries::CalcVerticalMargins(int& top, int& bottom)
{
    TCustomBarSeries::CalcVerticalMargins(top, bottom);
    CalcBarSize();
    top += BarMargin();
    bottom += BarMargin();
}

void THorizBarSeries::CalcHorizMargins(int& left, int& right)
{
    TCustomBarSeries::CalcHorizMargins(left, right);
    int length = CalcMarkLength(-1);
    if (length <= 0)
        return;
    ++length;
    const bool inverted = ValueAxis() && ValueAxis()->Inverted();
    if (UseYOrigin() && XValues()->MinValue() < YOrigin())
        left += length;
    if (!(UseYOrigin() && XValues()->MaxValue() <= YOrigin()))
        (inverted ? left : right) += length;
}

int THorizBarSeries::CalcXPos(int index) const { return CalcValuePos(index); }
int THorizBarSeries::CalcYPos(int index) const { return CalcCategoryPos(index); }

int THorizBarSeries::InternalCalcMarkLength(int index)
{
    if (index == -1)
        return MaxMarkWidth();
    return ParentChart()->Canvas3D()->TextWidth(GetMarkText(index));
}

void THorizBarSeries::DrawMark(int index, const QString& text, TSeriesMarkPosition& position)
{
    const int distance = Marks()->Callout()->Distance();
    int length = Marks()->ArrowLength() + distance;
    const bool negative = position.ArrowStart.X < GetOriginPos(index);
    if (negative)
        length = -length - position.BoxWidth;
    const int half = BarSize() / 2;
    position.BoxLeftTop.X += length + position.BoxWidth / 2;
    position.BoxLeftTop.Y += half + position.BoxHeight / 2;
    position.ArrowEnd.X += length;
    position.ArrowEnd.Y += half;
    position.ArrowStart.Y += half;
    position.ArrowStart.X += negative ? -distance : distance;
    TCustomBarSeries::DrawMark(index, text, position);
}

bool THorizBarSeries::DrawSeriesForward(int index) const
{
    const bool inverted = GetHorizAxis() && GetHorizAxis()->Inverted();
    switch (MultiBar()) {
    case mbNone: return TCustomBarSeries::DrawSeriesForward(index);
    case mbSide:
    case mbSideAll: return false;
    case mbStacked:
    case mbSelfStack: {
        const bool forward = XValues()->GetValue(index) >= 0;
        return inverted ? !forward : forward;
    }
    case mbStacked100: return !inverted;
    }
    return true;
}

void THorizBarSeries::DrawBar(int index, int start, int end)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    PrepareBar();
    const TBarStyle style = GetBarStyle(index);
    const int top = FBarBounds.Top, bottom = FBarBounds.Bottom;
    const int centre = (top + bottom) / 2;
    // A bar's point lies at its value: the far end from the origin.
    const bool positive = CalcXPos(index) >= GetOriginPos(index);
    const int tip = positive ? end : start, foot = positive ? start : end;
    if (ParentChart()->View3D()) {
        switch (style) {
        case bsPyramid: canvas->Pyramid(false, foot, top, tip, bottom, StartZ(), EndZ(), Dark3D()); break;
        case bsInvPyramid: canvas->Pyramid(false, tip, top, foot, bottom, StartZ(), EndZ(), Dark3D()); break;
        case bsCilinder: canvas->Cylinder(false, start, top, end, bottom, StartZ(), EndZ(), Dark3D()); break;
        case bsCone: canvas->Cone(false, foot, top, tip, bottom, StartZ(), EndZ(), Dark3D(), ConePercent()); break;
        case bsEllipse: canvas->EllipseWithZ(start, top, end, bottom, MiddleZ()); break;
        case bsArrow:
            canvas->Arrow(true, TPoint(foot, centre), TPoint(tip, centre), BarSize(), BarSize() / 2, MiddleZ());
            break;
        default: canvas->Cube(start, end, top, bottom, StartZ(), EndZ(), Dark3D()); break;
        }
    } else {
        switch (style) {
        case bsPyramid:
        case bsCone: {
            const TPoint p[3] = {TPoint(foot, top), TPoint(tip, centre), TPoint(foot, bottom)};
            canvas->Polygon(p, 2);
            break;
        }
        case bsInvPyramid: {
            const TPoint p[3] = {TPoint(tip, top), TPoint(foot, centre), TPoint(tip, bottom)};
            canvas->Polygon(p, 2);
            break;
        }
        case bsEllipse: canvas->Ellipse(start, top, end, bottom); break;
        case bsArrow:
            canvas->Arrow(true, TPoint(foot, centre), TPoint(tip, centre), BarSize(), BarSize() / 2, MiddleZ());
            break;
        default: BarRectangle(FBarColor, start, top, end, bottom); break;
        }
    }
    if (style == bsRectGradient)
        BarGradient(index, TRect(start, top, end, bottom));
    else if (style == bsBevel)
        DrawBevel();
}

bool THorizBarSeries::InternalClicked(int index, TPoint p)
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const bool is3D = chart->View3D();
    const int y = CalcYPos(index);
    int px = p.X, py = p.Y;
    if (is3D)
        canvas->Calculate2DPosition(px, py, StartZ());
    if (py < y || py > y + BarSize())
        return false;
    const int x = CalcXPos(index), origin = GetOriginPos(index);
    const int left = std::min(x, origin), right = std::max(x, origin);
    const TBarStyle style = GetBarStyle(index);
    if (style == bsEllipse)
        return PointInEllipse(TPoint(px, py), TRect(left, y, right, y + BarSize()));
    if (style == bsPyramid || style == bsCone || style == bsInvPyramid) {
        const bool toValue = (style != bsInvPyramid) == (x >= origin);
        const int tip = toValue ? right : left, foot = toValue ? left : right;
        const TPoint t[3] = {TPoint(foot, y), TPoint(tip, y + BarSize() / 2), TPoint(foot, y + BarSize())};
        return PointInPolygon(TPoint(px, py), std::span<const TPoint>(t, 3));
    }
    return px >= left && px <= right;
}
