#include "chart/core/SeriesPointer.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "chart/core/ChartException.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeGradient.h"
#include "chart/core/Teeconst.h"

namespace {

void CheckPointerSize(int value)
{
    if (value < 1)
        throw ChartException(TeeMsg_CheckPointerSize);
}

// A symbol keeps one pixel beyond its size free; the largest size keeps the int limit.
int MarginFor(int size) { return size == std::numeric_limits<int>::max() ? size : size + 1; }

const QStringList& StyleNames()
{
    static const QStringList names{"psRectangle",  "psCircle",   "psTriangle", "psDownTriangle",
                                   "psCross",      "psDiagCross", "psStar",    "psDiamond",
                                   "psSmallDot",   "psNothing",  "psLeftTriangle", "psRightTriangle"};
    return names;
}

} // namespace

TSeriesPointer::TSeriesPointer(TChartSeries* series) : FSeries(series)
{
    if (series)
        SetParent(series->ParentChart());
    FGradient = std::make_unique<TTeeGradient>([this](TObject* sender) { CanvasChanged(sender); });
}

TSeriesPointer::~TSeriesPointer() = default;

void TSeriesPointer::SetDark3D(bool value) { SetProp(FDark3D, value); }
void TSeriesPointer::SetDraw3D(bool value) { SetProp(FDraw3D, value); }
void TSeriesPointer::SetInflateMargins(bool value) { SetProp(FInflateMargins, value); }
void TSeriesPointer::SetStyle(TSeriesPointerStyle value) { SetProp(FStyle, value); }
void TSeriesPointer::SetGradient(TTeeGradient* value) { FGradient->Assign(value); }

void TSeriesPointer::SetHorizSize(int value)
{
    CheckPointerSize(value);
    SetProp(FHorizSize, value);
}

void TSeriesPointer::SetVertSize(int value)
{
    CheckPointerSize(value);
    SetProp(FVertSize, value);
}

TColor TSeriesPointer::GetColor() const { return Brush()->Color(); }
void TSeriesPointer::SetColor(TColor value) { Brush()->SetColor(value); }

int TSeriesPointer::GetStartZ() const { return FSeries ? FSeries->StartZ() : 0; }
int TSeriesPointer::GetMiddleZ() const { return FSeries ? FSeries->MiddleZ() : 0; }
int TSeriesPointer::GetEndZ() const { return FSeries ? FSeries->EndZ() : 0; }

void TSeriesPointer::CalcHorizMargins(int& left, int& right) const
{
    if (Visible() && FInflateMargins) {
        left = std::max(left, MarginFor(FHorizSize));
        right = std::max(right, MarginFor(FHorizSize));
    }
}

void TSeriesPointer::CalcVerticalMargins(int& top, int& bottom) const
{
    if (Visible() && FInflateMargins) {
        top = std::max(top, MarginFor(FVertSize));
        bottom = std::max(bottom, MarginFor(FVertSize));
    }
}

void TSeriesPointer::PrepareCanvas(TCanvas3D* canvas, TColor colour)
{
    if (Pen()->Visible())
        canvas->AssignVisiblePenColor(Pen(), Pen()->Color() == clDefault ? colour : Pen()->Color());
    else
        canvas->Pen()->SetStyle(psClear);
    TColor fill = Brush()->Color();
    if (fill == clDefault)
        fill = Brush()->Style() == bsSolid ? colour : clBlack;
    canvas->AssignBrushColor(Brush(), fill, canvas->GetBackColor());
}

TCustomTeePanel* TSeriesPointer::Panel() const
{
    if (FSeries && FSeries->ParentChart())
        return FSeries->ParentChart();
    return Parent();
}

void TSeriesPointer::PrepareCanvas()
{
    if (TCustomTeePanel* panel = Panel())
        PrepareCanvas(panel->Canvas3D(), GetColor());
}

void TSeriesPointer::Draw(int x, int y) { Draw(x, y, GetColor(), FStyle); }

void TSeriesPointer::Draw(int x, int y, TColor colour, TSeriesPointerStyle style)
{
    if (TCustomTeePanel* panel = Panel())
        DrawPointer(panel->Canvas3D(), panel->View3D(), x, y, FHorizSize, FVertSize, colour, style);
}

void TSeriesPointer::DrawPointer(TCanvas3D* canvas, bool is3D, int x, int y, int h, int v, TColor colour,
                                 TSeriesPointerStyle style)
{
    // A size near the int limit would overflow the box; its far sides lie off any device, so
    // they are held two pixels inside the int range, where the shapes' "+ 1" still fits.
    const auto side = [](int64_t c) {
        return static_cast<int>(std::clamp<int64_t>(c, std::numeric_limits<int>::min() + 2,
                                                    std::numeric_limits<int>::max() - 2));
    };
    const TRect box(side(int64_t(x) - h), side(int64_t(y) - v), side(int64_t(x) + h), side(int64_t(y) + v));
    DrawShape(canvas, is3D, box, x, y, style);
    if (FGradient->Visible())
        DrawGradient(canvas, is3D, box, x, y, colour, style);
}

void TSeriesPointer::DrawShape(TCanvas3D* canvas, bool is3D, const TRect& box, int x, int y,
                               TSeriesPointerStyle style)
{
    const int l = box.Left, t = box.Top, r = box.Right, b = box.Bottom;
    const int z0 = GetStartZ();
    auto polygon = [&](std::array<TPoint, 4> p, int n) {
        if (is3D)
            canvas->PolygonWithZ(p.data(), n - 1, z0);
        else
            canvas->Polygon(p.data(), n - 1);
    };
    auto line = [&](int x0, int y0, int x1, int y1) {
        if (is3D)
            canvas->LineWithZ(x0, y0, x1, y1, z0);
        else
            canvas->Line(x0, y0, x1, y1);
    };
    switch (style) {
    case psRectangle:
        if (is3D && FDraw3D)
            canvas->Cube(l, r, t, b, z0, GetEndZ(), FDark3D);
        else if (is3D)
            canvas->RectangleWithZ(TRect(l, t, r + 1, b + 1), z0);
        else
            canvas->Rectangle(l, t, r + 1, b + 1);
        break;
    case psCircle:
        if (is3D && FDraw3D && canvas->GetSupportsFullRotation())
            canvas->Sphere(x, y, GetMiddleZ(), box.Right - x);
        else if (is3D)
            canvas->EllipseWithZ(l, t, r, b, z0);
        else
            canvas->Ellipse(l, t, r, b);
        break;
    case psTriangle:
    case psDownTriangle: {
        const bool up = style == psTriangle;
        if (is3D && FDraw3D)
            canvas->Pyramid(true, l, up ? t : b, r, up ? b : t, z0, GetEndZ(), FDark3D);
        else
            polygon({TPoint(l, up ? b : t), TPoint(r, up ? b : t), TPoint(x, up ? t : b), TPoint()}, 3);
        break;
    }
    case psCross:
        line(l, y, r + 1, y);
        line(x, t, x, b + 1);
        break;
    case psDiagCross:
    case psStar:
        if (style == psStar) {
            line(l, y, r + 1, y);
            line(x, t, x, b + 1);
        }
        line(l, t, r + 1, b + 1);
        line(l, b, r + 1, t - 1);
        break;
    case psDiamond:
        polygon({TPoint(l, y), TPoint(x, t), TPoint(r, y), TPoint(x, b)}, 4);
        break;
    case psSmallDot:
        if (is3D)
            canvas->SetPixel3D(x, y, GetMiddleZ(), canvas->Brush()->Color());
        else
            canvas->SetPixel(x, y, canvas->Brush()->Color());
        break;
    case psLeftTriangle:
        polygon({TPoint(l, y), TPoint(r, b), TPoint(r, t), TPoint()}, 3);
        break;
    case psRightTriangle:
        polygon({TPoint(r, y), TPoint(l, b), TPoint(l, t), TPoint()}, 3);
        break;
    case psNothing:
        break;
    }
}

void TSeriesPointer::DrawGradient(TCanvas3D* canvas, bool is3D, const TRect& box, int x, int y, TColor colour,
                                  TSeriesPointerStyle style)
{
    const int penWidth = Pen()->Visible() ? Pen()->Width() : 0;
    TRect r(box.Left + penWidth, box.Top + penWidth, box.Right, box.Bottom);
    if (!FFullGradient)
        FGradient->SetEndColor(colour);
    const int z0 = GetStartZ();
    if (is3D && !canvas->IsOrthogonal && style == psRectangle) {
        r.Right -= penWidth;
        r.Bottom -= penWidth;
        FGradient->Draw(canvas, canvas->FourPointsFromRect(r, z0));
        return;
    }
    auto project = [&](TPoint p) { return is3D ? canvas->Calc3DPoint(p, z0) : p; };
    if (is3D)
        r = canvas->CalcRect3D(r, z0);
    auto fillTriangle = [&](TPoint a, TPoint b, TPoint c) {
        const std::array<TPoint, 3> p{project(a), project(b), project(c)};
        ClipPolygon(canvas, p.data(), 3);
        r = RectFromPolygon(p.data(), 3);
    };
    const int l = box.Left, t = box.Top, rr = box.Right, b = box.Bottom;
    switch (style) {
    case psRectangle:
        ClipCanvas(canvas, r);
        break;
    case psCircle:
        ClipEllipse(canvas, r);
        break;
    case psTriangle:
    case psDownTriangle:
        // A 3D pyramid has its own faces; only the flat triangle takes the fill.
        if (is3D && FDraw3D)
            return;
        if (style == psTriangle)
            fillTriangle(TPoint(l, b), TPoint(rr, b), TPoint(x, t));
        else
            fillTriangle(TPoint(l, t), TPoint(rr, t), TPoint(x, b));
        break;
    case psLeftTriangle:
        fillTriangle(TPoint(l, y), TPoint(rr, b), TPoint(rr, t));
        break;
    case psRightTriangle:
        fillTriangle(TPoint(rr, y), TPoint(l, b), TPoint(l, t));
        break;
    case psDiamond: {
        const TFourPoints p{project(TPoint(l, y)), project(TPoint(x, t)), project(TPoint(rr, y)),
                            project(TPoint(x, b))};
        FGradient->Draw(canvas, p);
        return;
    }
    default:
        return;
    }
    FGradient->Draw(canvas, r);
    UnClipCanvas(canvas);
}

void TSeriesPointer::Assign(TPersistent* Source)
{
    if (auto* p = dynamic_cast<TSeriesPointer*>(Source)) {
        FDark3D = p->FDark3D;
        FDraw3D = p->FDraw3D;
        FGradient->Assign(p->FGradient.get());
        FHorizSize = p->FHorizSize;
        FInflateMargins = p->FInflateMargins;
        FStyle = p->FStyle;
        FVertSize = p->FVertSize;
    }
    TTeeCustomShapeBrushPen::Assign(Source);
}

void TSeriesPointer::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomShapeBrushPen::DefineProperties(filer);
    // A bad text reads as false for the flags, whatever the value held.
    TeeDefineBool(filer, "Dark3D", FDark3D, true, [this](bool v) { SetDark3D(v); }, false);
    TeeDefineBool(filer, "Draw3D", FDraw3D, FDefaultDraw3D, [this](bool v) { SetDraw3D(v); }, false);
    TeeDefineObject(filer, "Gradient", FGradient.get());
    TeeDefineInt(filer, "HorizSize", FHorizSize, 4, [this](int32_t v) { SetHorizSize(v); });
    TeeDefineBool(filer, "InflateMargins", FInflateMargins, true, [this](bool v) { SetInflateMargins(v); }, false);
    TeeDefineEnum(filer, "Style", FStyle, psRectangle, StyleNames(), [this](TSeriesPointerStyle v) { SetStyle(v); });
    TeeDefineInt(filer, "VertSize", FVertSize, 4, [this](int32_t v) { SetVertSize(v); });
}
