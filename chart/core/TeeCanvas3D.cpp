#include "chart/core/TeeCanvas3D.h"

#include <QPolygon>
#include <cmath>

#include "platform/graphics/Picture.h"
#include "chart/core/TeCanvasSettings.h"
#include "chart/core/View3DOptions.h"

TTeeCanvas3D::TTeeCanvas3D() : FBitmapCanvas(std::make_unique<TCanvas>())
{
    // Text can be measured before the first paint.
    SetCanvas(FBitmapCanvas.get());
}

TTeeCanvas3D::~TTeeCanvas3D()
{
    DeleteBitmap();
}

TDeviceContext* TTeeCanvas3D::GetHandle()
{
    return FCanvas ? FCanvas->Handle() : FBitmapCanvas->Handle();
}

TColor TTeeCanvas3D::GetPixel(int32_t x, int32_t y)
{
    return FCanvas->Pixel(x, y);
}

uint32_t TTeeCanvas3D::GetTextAlign()
{
    return GetHandle()->TextAlign();
}

void TTeeCanvas3D::SetMonochrome(bool value)
{
    if (FMonochrome == value)
        return;
    FMonochrome = value;
    FDirty = true;
    if (View3DOptions)
        View3DOptions->Repaint();
}

void TTeeCanvas3D::SetPixel(int32_t x, int32_t y, TColor color)
{
    FCanvas->SetPixel(x, y, ColorToRGB(color));
}

void TTeeCanvas3D::SetTextAlign(uint32_t align)
{
    GetHandle()->SetTextAlign(align);
}

void TTeeCanvas3D::SetUseBuffer(bool value)
{
    if (FUseBuffer == value)
        return;
    FUseBuffer = value;
    if (!value && FBitmap) {
        DeleteBitmap();
        FDirty = true;
    } else if (value && FBitmap) {
        SetCanvas(FBitmapCanvas.get());
    }
}

// ---- buffering ----

TRect TTeeCanvas3D::InitWindow(TCanvas* canvas, TView3DOptions* options, TColor /*backColor*/, bool is3D,
                               const TRect& bounds)
{
    FBounds = bounds;
    InitWindow3D(options, is3D);
    if (!FUseBuffer) {
        SetCanvas(canvas);
        return bounds;
    }
    const int w = std::max(bounds.Width(), 0);
    const int h = std::max(bounds.Height(), 0);
    // A painter cannot start on an image of no pixels: keep at least one.
    const QSize size(std::max(w, 1), std::max(h, 1));
    if (!FBitmap || FBitmap->size() != size) {
        FBitmapCanvas->EndPaint();
        FBitmap = std::make_unique<QImage>(size, QImage::Format_RGB32);
        FBitmap->fill(Qt::white);
    }
    if (!FBitmapCanvas->Handle()->Active())
        FBitmapCanvas->BeginPaint(FBitmap.get());
    SetCanvas(FBitmapCanvas.get());
    return TRect(0, 0, w, h);
}

void TTeeCanvas3D::ShowImage(TCanvas* destination, TCanvas* defaultCanvas, const TRect& rect)
{
    if (FUseBuffer) {
        TransferBitmap(rect.Left, rect.Top, destination);
        FDirty = false;
    }
    // Without a default the canvas keeps a device-less one, so that text can still be measured.
    SetCanvas(defaultCanvas ? defaultCanvas : FBitmapCanvas.get());
}

void TTeeCanvas3D::TransferBitmap(int32_t x, int32_t y, TCanvas* canvas)
{
    if (FBitmap && canvas && canvas != FBitmapCanvas.get())
        canvas->Draw(x, y, *FBitmap);
}

bool TTeeCanvas3D::ReDrawBitmap()
{
    if (FDirty)
        return false;
    TransferBitmap(0, 0, FCanvas);
    return true;
}

void TTeeCanvas3D::DeleteBitmap()
{
    FBitmapCanvas->EndPaint();
    FBitmap.reset();
}

// ---- projection ----

void TTeeCanvas3D::Calculate2DPosition(int32_t& x, int32_t& y, int32_t z)
{
    TCanvas3DProjection::Calculate2DPosition(x, y, z);
}

TPoint TTeeCanvas3D::Calculate3DPosition(int32_t x, int32_t y, int32_t z)
{
    return Calc3DPoint(x, y, z);
}

void TTeeCanvas3D::Projection(int32_t maxDepth, const TRect& rect)
{
    TCanvas3DProjection::Projection(maxDepth, rect);
}

void TTeeCanvas3D::FrontPlaneBegin()
{
    FSavedIs3D = Is3D;
    Is3D = false;
}

void TTeeCanvas3D::FrontPlaneEnd()
{
    Is3D = FSavedIs3D;
}

// ---- flat operations ----

void TTeeCanvas3D::Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4)
{
    FCanvas->Arc(x1, y1, x2, y2, x3, y3, x4, y4);
}

void TTeeCanvas3D::Pie(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4)
{
    FCanvas->Pie(x1, y1, x2, y2, x3, y3, x4, y4);
}

void TTeeCanvas3D::Draw(int32_t x, int32_t y, const TPicture* graphic)
{
    if (graphic && !graphic->Empty())
        FCanvas->Draw(x, y, graphic->Graphic());
}

void TTeeCanvas3D::StretchDraw(const TRect& rect, const TPicture* graphic)
{
    if (graphic && !graphic->Empty())
        FCanvas->StretchDraw(rect, graphic->Graphic());
}

void TTeeCanvas3D::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    FCanvas->Ellipse(x1, y1, x2, y2);
}

void TTeeCanvas3D::FillRect(const TRect& rect)
{
    FCanvas->FillRect(rect);
}

void TTeeCanvas3D::EraseBackground(const TRect& rect)
{
    FillRect(rect);
}

void TTeeCanvas3D::LineTo(int32_t x, int32_t y)
{
    FCanvas->LineTo(x, y);
}

void TTeeCanvas3D::MoveTo(int32_t x, int32_t y)
{
    FCanvas->MoveTo(x, y);
}

void TTeeCanvas3D::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    MoveTo(x0, y0);
    LineTo(x1, y1);
}

void TTeeCanvas3D::DoHorizLine(int32_t x0, int32_t x1, int32_t y)
{
    MoveTo(x0, y);
    LineTo(x1, y);
}

void TTeeCanvas3D::DoVertLine(int32_t x, int32_t y0, int32_t y1)
{
    MoveTo(x, y0);
    LineTo(x, y1);
}

void TTeeCanvas3D::Rectangle(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    FCanvas->Rectangle(x0, y0, x1, y1);
}

void TTeeCanvas3D::RoundRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3)
{
    FCanvas->RoundRect(x1, y1, x2, y2, x3, y3);
}

void TTeeCanvas3D::Polyline(const TPoint* points, int32_t highIndex)
{
    FCanvas->Polyline(points, highIndex + 1);
}

void TTeeCanvas3D::Polygon(const TPoint* points, int32_t highIndex)
{
    FCanvas->Polygon(points, highIndex + 1);
}

void TTeeCanvas3D::PolygonFour()
{
    Polygon(FourPoints.data(), 3);
}

void TTeeCanvas3D::Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int32_t width)
{
    FPen->SetWidth(1);
    FPen->SetStyle(psSolid);
    --rect.Right;
    --rect.Bottom;
    for (int32_t i = 0; i < width; ++i) {
        FPen->SetColor(topColor);
        const TPoint top[3] = {{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}};
        Polyline(top, 2);
        FPen->SetColor(bottomColor);
        const TPoint bottom[3] = {{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}};
        Polyline(bottom, 2);
        InflateRect(rect, -1, -1);
    }
    ++rect.Right;
    ++rect.Bottom;
}

void TTeeCanvas3D::Donut(int32_t xc, int32_t yc, int32_t xr, int32_t yr, double startAngle, double endAngle,
                         double holePercent)
{
    const double ixr = holePercent * xr / 100.0;
    const double iyr = holePercent * yr / 100.0;
    auto at = [&](double rx, double ry, double a) {
        return QPointF(xc + Round(rx * std::cos(a)), yc - Round(ry * std::sin(a)));
    };
    const QPointF outerStart = at(xr, yr, startAngle);
    const QPointF outerEnd = at(xr, yr, endAngle);
    const QPointF innerStart = at(ixr, iyr, startAngle);
    const QPointF innerEnd = at(ixr, iyr, endAngle);
    // Counter-clockwise between the radials; equal radials go all the way round.
    const double a0 = std::atan2(yc - outerStart.y(), outerStart.x() - xc) * 180.0 / M_PI;
    const double a1 = std::atan2(yc - outerEnd.y(), outerEnd.x() - xc) * 180.0 / M_PI;
    double span = a1 - a0;
    while (span <= 0)
        span += 360;
    QRectF inner; // empty: the sector closes without an inner arc
    if (innerEnd != innerStart) {
        const int32_t rx = Round(ixr), ry = Round(iyr);
        inner = QRectF(xc - rx, yc - ry, 2.0 * rx, 2.0 * ry);
    }
    FCanvas->RequirePen();
    FCanvas->RequireBrush();
    GetHandle()->RingSector(QRectF(xc - xr, yc - yr, 2.0 * xr, 2.0 * yr), inner, outerStart, innerEnd, a0, span);
}

// ---- clipping ----

namespace {

// The unit-wide rule: remember whether there was a clip (and which), then intersect.
void ApplyUnitClip(TTeeCanvas* canvas, const QRegion& region)
{
    TDeviceContext* dc = canvas->GetHandle();
    QRegion old;
    WasOldRegion = dc->GetClipRegion(old);
    if (WasOldRegion)
        OldRegion = old;
    dc->IntersectClipRegion(region);
}

QRect DeviceRect(const TRect& rect)
{
    const TRect r = OrientRectangle(rect);
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

// A rectangle's clip, cut 2^29 pixels from the origin where it reaches further: no device
// reaches so far, and the size of a QRect must fit an int.
QRect CutDeviceRect(const TRect& rect)
{
    static constexpr int32_t farthest = 1 << 29;
    const TRect r = OrientRectangle(rect);
    const auto cut = [](int32_t v) { return std::clamp(v, -farthest, farthest); };
    return QRect(QPoint(cut(r.Left), cut(r.Top)), QPoint(cut(r.Right) - 1, cut(r.Bottom) - 1));
}

} // namespace

void TTeeCanvas3D::ApplyClipRegion(const QRegion& region)
{
    ApplyUnitClip(this, region);
}

void ClipCanvas(TCanvas3D* canvas, const TRect& rect)
{
    ApplyUnitClip(canvas, QRegion(CutDeviceRect(rect)));
}

void ClipEllipse(TCanvas3D* canvas, const TRect& rect)
{
    ApplyUnitClip(canvas, QRegion(DeviceRect(rect), QRegion::Ellipse));
}

void ClipRoundRectangle(TCanvas3D* canvas, const TRect& rect, int32_t roundSize)
{
    // The region is worked out row by row: a rectangle reaching far past the device is cut a
    // corner's size beyond what the device can show, where its corners would not show either.
    const TRect window = canvas->GetHandle()->ReachableRect();
    const int64_t margin = std::abs(int64_t{roundSize}) + 2;
    const TRect r = OrientRectangle(rect);
    const auto cut = [margin](int32_t v, int32_t low, int32_t high) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, low - margin, high + margin));
    };
    const TRect near(cut(r.Left, window.Left, window.Right), cut(r.Top, window.Top, window.Bottom),
                     cut(r.Right, window.Left, window.Right), cut(r.Bottom, window.Top, window.Bottom));
    ApplyUnitClip(canvas, TDeviceContext::RoundRectRegion(CutDeviceRect(near), roundSize / 2.0));
}

void ClipPolygon(TCanvas3D* canvas, const TPoint* points, int count)
{
    ApplyUnitClip(canvas, canvas->GetHandle()->PolygonRegion(points, count));
}

void UnClipCanvas(TCanvas3D* canvas)
{
    canvas->UnClipRectangle();
}

void TTeeCanvas3D::ClipRectangle(const TRect& rect)
{
    ClipCanvas(this, rect);
}

void TTeeCanvas3D::UnClipRectangle()
{
    TDeviceContext* dc = GetHandle();
    if (WasOldRegion)
        dc->SelectClipRegion(OldRegion);
    else
        dc->RemoveClip();
    WasOldRegion = false;
}

void TTeeCanvas3D::ClipCube(const TRect& rect, int32_t z0, int32_t z1)
{
    if (!Is3D && !IsOrthogonal) {
        ClipCanvas(this, TRect(rect.Left + 1, rect.Top + 1, rect.Right, rect.Bottom - 1));
        return;
    }
    const int32_t elevation = View3DOptions ? View3DOptions->Elevation() : 0;
    const int32_t rotation = View3DOptions ? View3DOptions->Rotation() : 0;
    const int32_t orthoAngle = View3DOptions ? View3DOptions->OrthoAngle() : 45;
    if (elevation == 270 && (rotation == 270 || rotation == 360)) {
        ClipCanvas(this, TRect(Calc3DPoint(rect.Left, rect.Top, z0), Calc3DPoint(rect.Right, rect.Top, z1)));
        return;
    }
    TPoint p[6];
    if (IsOrthogonal && orthoAngle > 90) {
        p[0] = Calc3DPoint(rect.Left, rect.Bottom, z0);
        p[1] = Calc3DPoint(rect.Left, rect.Bottom, z1);
        p[2] = Calc3DPoint(rect.Left, rect.Top, z1);
        p[3] = Calc3DPoint(rect.Right, rect.Top, z1);
        p[4] = Calc3DPoint(rect.Right, rect.Top, z0);
        p[5] = Calc3DPoint(rect.Right, rect.Bottom, z0);
    } else if (IsOrthogonal || rotation >= 270) {
        p[0] = Calc3DPoint(rect.Left, rect.Bottom, z0);
        p[1] = Calc3DPoint(rect.Left, rect.Top, z0);
        const TPoint rightTop0 = Calc3DPoint(rect.Right, rect.Top, z0);
        const TPoint leftTop1 = Calc3DPoint(rect.Left, rect.Top, z1);
        p[2] = rightTop0.Y < leftTop1.Y ? rightTop0 : leftTop1;
        p[3] = Calc3DPoint(rect.Right, rect.Top, z1);
        const TPoint rightBottom1 = Calc3DPoint(rect.Right, rect.Bottom, z1);
        p[4] = rightBottom1.X >= rightTop0.X ? rightBottom1 : rightTop0;
        p[5] = Calc3DPoint(rect.Right, rect.Bottom, z0);
        if (p[5].X < p[0].X) {
            p[0].X = p[5].X;
            if (rightTop0.Y < p[0].Y)
                p[0].Y = rightTop0.Y;
        }
    } else {
        return;
    }
    ClipPolygon(this, p, 6);
}
