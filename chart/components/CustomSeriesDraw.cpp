// Drawing of the line family: segments point by point, the 3D ribbon with its front face, area
// pieces down to the origin (flat, gradient or blended), point symbols and legend symbols.
// Frames of symbols alone are in CustomSeriesSymbols.cpp.

#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/components/CustomSeries.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeCanvasSettings.h"
#include "chart/core/TeeBlend.h"
#include "chart/core/TeeCanvas3D.h"

namespace {

// Darkens the current fill for a face that looks away from the light. A monochrome canvas
// keeps such faces white.
void ShadeFace(TCanvas3D* canvas)
{
    if (canvas->Monochrome()) {
        canvas->Brush()->SetColor(clWhite);
        return;
    }
    const bool solid = canvas->Brush()->Style() == bsSolid;
    canvas->InternalDark(solid ? canvas->Brush()->Color() : canvas->GetBackColor(), DarkColorQuantity);
}

// The brush and background colours in use, put back after a face was shaded.
struct TFillColours {
    explicit TFillColours(TCanvas3D* canvas)
        : Canvas(canvas), Brush(canvas->Brush()->Color()), Back(canvas->GetBackColor())
    {
    }
    void Restore() const
    {
        Canvas->Brush()->SetColor(Brush);
        Canvas->SetBackColor(Back);
    }
    TCanvas3D* Canvas;
    TColor Brush;
    TColor Back;
};

// The smallest rectangle holding the points projected at depth z.
TRect ProjectedBounds(TCanvas3D* canvas, const TPoint* points, int count, int z)
{
    TPoint projected[4];
    for (int i = 0; i < count; ++i)
        projected[i] = canvas->Calculate3DPosition(points[i].X, points[i].Y, z);
    return RectFromPolygon(projected, count);
}

TRect Union(const TRect& a, const TRect& b)
{
    return TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom));
}

} // namespace

void TCustomSeries::DrawAllValues()
{
    if (DrawsSymbolsOnly()) {
        DrawSymbolsOnly();
        return;
    }
    if (FOutLine->Visible()) {
        // The outline first, in its colour and wider than the line by its width and 2, then
        // the line over it.
        TChartPen saved;
        saved.Assign(LinePen());
        const TColor savedColour = SeriesColor();
        LinePen()->Assign(FOutLine.get());
        LinePen()->SetWidth(saved.Width() + FOutLine->Width() + 2);
        SetSeriesColor(FOutLine->Color());
        FPrevColor = clNone;
        TCustomLineSeries::DrawAllValues();
        LinePen()->Assign(&saved);
        SetSeriesColor(savedColour);
    }
    FPrevColor = clNone;
    TCustomLineSeries::DrawAllValues();
}

TSeriesPointerStyle TCustomSeries::PointerStyle(int index)
{
    return OnGetPointerStyle ? OnGetPointerStyle(this, index) : FPointer->Style();
}

void TCustomSeries::DrawPointer(int x, int y, TColor colour, int index)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    FPointer->PrepareCanvas(canvas, colour);
    FPointer->Draw(x, y, colour, PointerStyle(index));
}

TColor TCustomSeries::AreaColorOf(TColor colour) const
{
    return ColorEachPoint() || FAreaColor == clDefault ? colour : FAreaColor;
}

void TCustomSeries::DrawValue(int index)
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const TColor colour = GetValueColor(index);
    const int x = CalcXPos(index), y = CalcYPos(index);
    if (canvas->Pen()->Color() != clBlack)
        canvas->Pen()->SetColor(clBlack);
    if (colour != clNone)
        canvas->Brush()->SetColor(colour);
    // No segment comes from a null point: the next one starts anew from itself.
    if (FPrevColor == clNone) {
        FPrevX = x;
        FPrevY = y;
    }
    const int origin = GetOriginPos(index);
    const bool forward = DrawValuesForward();
    const int firstDrawn = forward ? FirstVisible() : LastVisible();
    const int lastDrawn = forward ? LastVisible() : FirstVisible();
    if (index == firstDrawn) {
        if (FDark3D) {
            const int w = chart->Depth3DHoriz(), h = chart->Depth3DVert();
            FSlopeRatio = w == 0 ? 1.0 : std::abs(static_cast<double>(h) / w);
        }
        if (index == FirstVisible() && index > 0 && MandatoryIsY()) {
            // The segment from the point before the first visible one, cut at the chart edge.
            const int before = index - 1;
            int px, py, prevOrigin = origin;
            if (FDrawArea) {
                px = CalcXPos(before);
                py = CalcYPos(before);
                prevOrigin = GetOriginPos(before);
            } else {
                TChartAxis* h = GetHorizAxis();
                px = h->Inverted() ? chart->PlotRect().Right : chart->PlotRect().Left;
                if (FStairs) {
                    py = CalcYPos(before);
                } else if (GetVertAxis()->Logarithmic()) {
                    px = CalcXPos(before);
                    py = CalcYPos(before);
                } else {
                    const double x0 = XValues()->GetValue(before), x1 = XValues()->GetValue(index);
                    if (x0 == x1) {
                        py = CalcYPos(before);
                    } else {
                        const double y0 = YValues()->GetValue(before), y1 = YValues()->GetValue(index);
                        const double edge = h->CalcPosPoint(px);
                        py = GetVertAxis()->CalcYPosValue(y0 + (y1 - y0) * (edge - x0) / (x1 - x0));
                    }
                }
            }
            if (!IsNull(before))
                DrawSegment(TPoint(px, py), TPoint(x, y), prevOrigin, origin, colour, index, false,
                            index == lastDrawn);
        }
        if (index == lastDrawn && FPointer->Visible() && colour != clNone)
            DrawPointer(x, y, colour, index);
        // A canvas that can turn the chart all round shows the area's starting side too.
        if (canvas->GetSupportsFullRotation() && FDrawArea && chart->View3D() && colour != clNone)
            DrawClosingFace(TPoint(x, y), origin);
    } else {
        DrawSegment(TPoint(FPrevX, FPrevY), TPoint(x, y), FPrevOrigin, origin, colour, index, true,
                    index == lastDrawn);
    }
    FPrevX = x;
    FPrevY = y;
    FPrevOrigin = origin;
    FPrevColor = colour;
}

void TCustomSeries::DrawSegment(TPoint p, TPoint c, int prevOrigin, int origin, TColor colour, int index,
                                bool pointers, bool lastDrawn)
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const bool is3D = chart->View3D();
    if (!(c == p) && colour != clNone) {
        if (is3D && (FDrawArea || FDrawLine))
            DrawRibbon(p, c, colour, lastDrawn);
        if (FDrawArea) {
            DrawAreaPiece(p, c, prevOrigin, origin, colour, lastDrawn);
        } else if (!is3D && FDrawLine) {
            canvas->AssignVisiblePenColor(LinePen(), FColorEachLine ? colour : SeriesColor());
            chart->CheckPenWidth(canvas->Pen());
            canvas->MoveTo(p.X, p.Y);
            if (FStairs) {
                if (FInvertedStairs)
                    canvas->LineTo(p.X, c.Y);
                else
                    canvas->LineTo(c.X, p.Y);
            }
            canvas->LineTo(c.X, c.Y);
        }
    }
    if (pointers && FPointer->Visible()) {
        if (FPrevColor != clNone)
            DrawPointer(p.X, p.Y, FPrevColor, index - 1);
        if (lastDrawn && colour != clNone)
            DrawPointer(c.X, c.Y, colour, index);
    }
}

void TCustomSeries::DrawRibbon(TPoint p, TPoint c, TColor colour, bool lastDrawn)
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    canvas->AssignVisiblePen(LinePen());
    chart->CheckPenWidth(canvas->Pen());
    const TColor fill = FColorEachLine || FDrawArea ? AreaColorOf(colour) : SeriesColor();
    canvas->AssignBrushColor(Brush(), fill, chart->Color());
    const TFillColours normal(canvas);
    if (FStairs) {
        // The riser faces sideways and is shaded; the tread is not.
        const TPoint corner = FInvertedStairs ? TPoint(p.X, c.Y) : TPoint(c.X, p.Y);
        auto riser = [&](TPoint a, TPoint b) {
            if (FDark3D)
                ShadeFace(canvas);
            canvas->Plane3D(a, b, StartZ(), EndZ());
            normal.Restore();
        };
        if (FInvertedStairs) {
            riser(p, corner);
            canvas->Plane3D(corner, c, StartZ(), EndZ());
        } else {
            canvas->Plane3D(p, corner, StartZ(), EndZ());
            riser(corner, c);
        }
        return;
    }
    // A line with a height shows a front face of that many pixels below its top edge.
    const int height = FLineHeight > 0 && !FDrawArea ? FLineHeight : 0;
    if (height > 0) {
        canvas->PlaneWithZ(c, p, TPoint(p.X, p.Y + height), TPoint(c.X, c.Y + height), StartZ());
        if (lastDrawn)
            canvas->RectangleZ(c.X, c.Y, c.Y + height, StartZ(), EndZ());
    }
    if (FDark3D && !canvas->GetSupportsFullRotation() && c.X != p.X && FSlopeRatio != 0 &&
        static_cast<double>(p.Y - c.Y) / (c.X - p.X) > FSlopeRatio) {
        // Steeper than the depth: the underside shows, at the bottom edge of the front face.
        ShadeFace(canvas);
        p.Y += height;
        c.Y += height;
    }
    canvas->Plane3D(c, p, StartZ(), EndZ());
    normal.Restore();
}

void TCustomSeries::DrawClosingFace(TPoint point, int origin)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    if (MandatoryIsY())
        canvas->RectangleZ(point.X, point.Y, origin, StartZ(), EndZ());
    else
        canvas->RectangleY(origin, point.Y, point.X, StartZ(), EndZ());
}

void TCustomSeries::DrawAreaPiece(TPoint p, TPoint c, int prevOrigin, int origin, TColor colour, bool lastDrawn)
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const TColor fill = AreaColorOf(colour);
    const TColor back = FAreaBrush->Color() == clDefault ? SeriesColor() : FAreaBrush->Color();
    chart->SetBrushCanvas(fill, FAreaBrush.get(), back);
    if (FAreaLinesPen->Visible() && FAreaLinesPen->Color() != clDefault)
        canvas->AssignVisiblePen(FAreaLinesPen.get());
    else
        canvas->AssignVisiblePenColor(FAreaLinesPen.get(), colour);
    if (chart->View3D() && lastDrawn)
        DrawClosingFace(c, origin);
    if (FStairs && MandatoryIsY())
        DrawAreaStep(p, c, prevOrigin, origin);
    else
        DrawAreaPolygon(p, c, prevOrigin, origin);
}

void TCustomSeries::DrawAreaStep(TPoint p, TPoint c, int prevOrigin, int origin)
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const bool is3D = chart->View3D();
    const TRect step(p.X, FInvertedStairs ? c.Y : p.Y, c.X + 1, FInvertedStairs ? origin : prevOrigin);
    TTeeBlend* blend = nullptr;
    if (FTransparency > 0)
        blend = canvas->BeginBlending(is3D ? canvas->CalcRect3D(step, StartZ()) : OrientRectangle(step),
                                      static_cast<uint8_t>(FTransparency));
    if (is3D) {
        canvas->RectangleWithZ(step, StartZ());
        if (canvas->GetSupportsFullRotation())
            canvas->RectangleWithZ(step, EndZ());
    } else if (FGradient->Visible()) {
        FGradient->Draw(canvas, OrientRectangle(step));
        if (canvas->Pen()->Style() != psClear) {
            canvas->Brush()->SetStyle(bsClear);
            canvas->Rectangle(step);
        }
    } else {
        canvas->Rectangle(step);
    }
    if (blend)
        canvas->EndBlending(blend);
    if (LinePen()->Visible() && !FAreaLinesPen->Visible()) {
        // The step's own outline: the tread and the riser as the line would draw them.
        canvas->AssignVisiblePen(LinePen());
        const TPoint corner = FInvertedStairs ? TPoint(p.X, c.Y) : TPoint(c.X, p.Y);
        if (is3D) {
            canvas->LineWithZ(p, corner, StartZ());
            canvas->LineWithZ(corner, c, StartZ());
        } else {
            canvas->Line(p, corner);
            canvas->Line(corner, c);
        }
    }
}

void TCustomSeries::DrawAreaPolygon(TPoint p, TPoint c, int prevOrigin, int origin)
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const bool is3D = chart->View3D();
    const bool vertical = MandatoryIsY();
    const bool bothDepths = is3D && canvas->GetSupportsFullRotation();
    TFourPoints poly;
    poly[0] = vertical ? TPoint(p.X, prevOrigin) : TPoint(prevOrigin, p.Y);
    poly[1] = p;
    poly[2] = c;
    poly[3] = vertical ? TPoint(c.X, origin) : TPoint(origin, c.Y);
    TTeeBlend* blend = nullptr;
    if (FTransparency > 0) {
        // The outline's right and bottom pixels belong to the piece too.
        TRect r = is3D ? ProjectedBounds(canvas, poly.data(), 4, StartZ()) : RectFromPolygon(poly.data(), 4);
        if (bothDepths)
            r = Union(r, ProjectedBounds(canvas, poly.data(), 4, EndZ()));
        blend = canvas->BeginBlending(TRect(r.Left, r.Top, r.Right + 1, r.Bottom + 1),
                                      static_cast<uint8_t>(FTransparency));
    }
    // A piece without width (many points in one pixel column) has no inside to fill.
    const bool hollow = vertical ? p.X == c.X : p.Y == c.Y;
    if (is3D) {
        if (!FGradient->Visible())
            canvas->PolygonWithZ(poly.data(), 3, StartZ());
        else if (!hollow)
            FGradient->Draw(canvas, poly, StartZ());
    } else if (FGradient->Visible()) {
        // One gradient runs over the whole series: every piece fills its slice of the band
        // from the series' largest value to its smallest, widened to this piece's own points
        // and base so that no part of the area is left unfilled.
        if (!hollow) {
            TChartValueList* values = MandatoryValues();
            TChartAxis* axis = vertical ? GetVertAxis() : GetHorizAxis();
            const int a = axis->CalcPosValue(values->MaxValue()), b = axis->CalcPosValue(values->MinValue());
            int low = std::min(a, b), high = std::max(a, b);
            for (const TPoint& q : poly) {
                low = std::min(low, vertical ? q.Y : q.X);
                high = std::max(high, vertical ? q.Y : q.X);
            }
            const TRect band = vertical ? TRect(std::min(p.X, c.X), low, std::max(p.X, c.X), high)
                                        : TRect(low, std::min(p.Y, c.Y), high, std::max(p.Y, c.Y));
            ClipPolygon(canvas, poly.data(), 4);
            FGradient->Draw(canvas, band);
            canvas->UnClipRectangle();
        }
        canvas->Brush()->SetStyle(bsClear);
        if (canvas->Pen()->Style() != psClear)
            canvas->Line(p, poly[0]);
    } else {
        canvas->Polygon(poly.data(), 3);
    }
    if (bothDepths)
        canvas->PolygonWithZ(poly.data(), 3, EndZ());
    if (blend)
        canvas->EndBlending(blend);
    if (LinePen()->Visible()) {
        canvas->AssignVisiblePen(LinePen());
        if (is3D)
            canvas->LineWithZ(p, c, StartZ());
        else
            canvas->Line(p, c);
    }
}

// ---- legend ----

void TeePointerDrawLegend(TSeriesPointer* pointer, TColor colour, const TRect& rect, bool lineVisible)
{
    TCustomTeePanel* chart = pointer->Parent();
    if (!chart)
        return;
    TCanvas3D* canvas = chart->Canvas3D();
    pointer->PrepareCanvas(canvas, colour);
    const int w = rect.Right - rect.Left, h = rect.Bottom - rect.Top;
    const int hs = lineVisible ? std::min(pointer->HorizSize(), w / 3) : std::min(pointer->HorizSize(), w / 2 + 1);
    const int vs = lineVisible ? std::min(pointer->VertSize(), h / 3) : std::min(pointer->VertSize(), h / 2 + 1);
    pointer->DrawPointer(canvas, false, (rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2, hs, vs, colour,
                         pointer->Style());
}

void TCustomSeries::DrawLegendShape(int index, const TRect& rect)
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const TColor colour = index == -1 ? SeriesColor() : LegendItemColor(index);
    auto prepareLine = [&] {
        if (chart->View3D()) {
            canvas->AssignBrushColor(Brush(), colour, chart->Color());
            canvas->AssignVisiblePen(LinePen());
        } else {
            canvas->Brush()->SetStyle(bsClear);
            canvas->AssignVisiblePenColor(LinePen(), colour);
        }
        chart->CheckPenWidth(canvas->Pen());
    };
    const int middle = (rect.Top + rect.Bottom) / 2;
    if (FPointer->Visible()) {
        if (FDrawLine) {
            prepareLine();
            canvas->DoHorizLine(rect.Left, rect.Right, middle);
        }
        TeePointerDrawLegend(FPointer.get(), colour, rect, LinePen()->Visible());
    } else if (!FDrawLine || FDrawArea) {
        TCustomLineSeries::DrawLegendShape(index, rect);
    } else {
        prepareLine();
        if (chart->View3D())
            canvas->Rectangle(rect);
        else
            canvas->DoHorizLine(rect.Left, rect.Right, middle);
    }
}

void TAreaSeries::DrawLegendShape(int index, const TRect& rect)
{
    if (Gradient()->Visible())
        Gradient()->Draw(ParentChart()->Canvas3D(), rect);
    else
        TCustomSeries::DrawLegendShape(index, rect);
}
