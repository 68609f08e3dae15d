#include "platform/graphics/Canvas.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

QColor Solid(TColor color)
{
    return TColorToQColor(ColorToRGB(color) & 0xFFFFFF);
}

} // namespace

TCanvas::TCanvas()
{
    FPen.OnChange = [this](TObject*) { FPenDirty = true; FPenHandleSet = false; };
    FBrush.OnChange = [this](TObject*) { FBrushDirty = true; };
    FFont.OnChange = [this](TObject*) { FFontDirty = true; };
}

TCanvas::~TCanvas()
{
    FPen.OnChange = nullptr;
    FBrush.OnChange = nullptr;
    FFont.OnChange = nullptr;
}

bool TCanvas::BeginPaint(QPaintDevice* device)
{
    FPenDirty = FBrushDirty = FFontDirty = true;
    return FDC.Begin(device);
}

void TCanvas::BeginOnPainter(QPainter* painter)
{
    FPenDirty = FBrushDirty = FFontDirty = true;
    FDC.BeginOnPainter(painter);
}

void TCanvas::EndPaint()
{
    FDC.End();
}

QPen TCanvas::DevicePenOf(const TPen& pen)
{
    const QColor color = Solid(pen.Color());
    const int width = pen.Width();
    if (pen.Style() == psClear)
        return QPen(Qt::NoPen);
    if (width > 1) {
        // A wide pen of the class library is solid with round ends; inside-frame stays solid.
        return QPen(QBrush(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
    QPen result(QBrush(color), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    result.setCosmetic(true);
    // Dashes of a one-pixel pen in device pixels, as the device draws them.
    switch (pen.Style()) {
    case psDash: result.setDashPattern({18, 6}); break;
    case psDot: result.setDashPattern({3, 3}); break;
    case psDashDot: result.setDashPattern({9, 6, 3, 6}); break;
    case psDashDotDot: result.setDashPattern({9, 3, 3, 3, 3, 3}); break;
    default: break;
    }
    return result;
}

QBrush TCanvas::DeviceBrushOf(const TBrush& brush)
{
    if (!brush.Bitmap().isNull())
        return QBrush(brush.Bitmap());
    const QColor color = Solid(brush.Color());
    switch (brush.Style()) {
    case bsSolid: return QBrush(color);
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(color, Qt::HorPattern);
    case bsVertical: return QBrush(color, Qt::VerPattern);
    case bsFDiagonal: return QBrush(color, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(color, Qt::BDiagPattern);
    case bsCross: return QBrush(color, Qt::CrossPattern);
    case bsDiagCross: return QBrush(color, Qt::DiagCrossPattern);
    }
    return QBrush(color);
}

QFont TCanvas::DeviceFontOf(const TFont& font)
{
    QFont result(font.Name());
    const int32_t height = font.Height();
    if (height < 0) {
        // A negative height is the character height in pixels.
        result.setPixelSize(-height);
    } else if (height > 0) {
        // A positive height is the cell height: scale the character height to fit it.
        result.setPixelSize(height);
        const int cell = QFontMetrics(result).height();
        if (cell > 0 && cell != height)
            result.setPixelSize(std::max(1, height * height / cell));
    } else {
        result.setPixelSize(std::max(1, MulDiv(8, font.PixelsPerInch(), 72)));
    }
    const TFontStyles style = font.Style();
    result.setBold(style.Contains(fsBold));
    result.setItalic(style.Contains(fsItalic));
    result.setUnderline(style.Contains(fsUnderline));
    result.setStrikeOut(style.Contains(fsStrikeOut));
    if (font.Pitch() == fpFixed)
        result.setFixedPitch(true);
    return result;
}

void TCanvas::SetPenHandle(const QPen& pen, int penMode)
{
    FDC.SelectPen(pen);
    FDC.SetRop2(Rop2OfPenMode(penMode));
    FPenDirty = false;
    FPenHandleSet = true;
}

void TCanvas::SetBrushPattern(const QImage& pattern)
{
    FDC.SelectBrush(pattern.isNull() ? QBrush(Qt::NoBrush) : QBrush(pattern));
    FBrushDirty = false;
}

void TCanvas::RequirePen()
{
    if (!FPenDirty)
        return;
    FPenDirty = false;
    if (!FPenHandleSet) {
        FDC.SelectPen(DevicePenOf(FPen));
        FDC.SetRop2(Rop2OfPenMode(FPen.Mode()));
    }
}

void TCanvas::RequireBrush()
{
    if (!FBrushDirty)
        return;
    FBrushDirty = false;
    FDC.SelectBrush(DeviceBrushOf(FBrush));
}

void TCanvas::RequireFont()
{
    if (!FFontDirty)
        return;
    FFontDirty = false;
    FDC.SelectFont(DeviceFontOf(FFont), FDC.Escapement());
    FDC.SetTextColor(FFont.Color());
}

void TCanvas::MoveTo(int32_t x, int32_t y)
{
    FDC.MoveTo(x, y);
}

void TCanvas::LineTo(int32_t x, int32_t y)
{
    RequirePen();
    FDC.LineTo(x, y);
}

void TCanvas::Polyline(const TPoint* points, int count)
{
    RequirePen();
    FDC.Polyline(points, count);
}

void TCanvas::Polygon(const TPoint* points, int count)
{
    RequirePen();
    RequireBrush();
    FDC.Polygon(points, count);
}

void TCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    RequirePen();
    RequireBrush();
    FDC.Rectangle(left, top, right, bottom);
}

void TCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    RequirePen();
    RequireBrush();
    FDC.Ellipse(left, top, right, bottom);
}

void TCanvas::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width, int32_t height)
{
    RequirePen();
    RequireBrush();
    FDC.RoundRect(left, top, right, bottom, width, height);
}

void TCanvas::Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4)
{
    RequirePen();
    FDC.Arc(x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Pie(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4)
{
    RequirePen();
    RequireBrush();
    FDC.Pie(x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::FillRect(const TRect& rect)
{
    RequireBrush();
    FDC.FillRect(rect, FDC.Brush());
}

void TCanvas::FrameRect(const TRect& rect)
{
    if (rect.IsEmpty())
        return;
    const QBrush b(Solid(FBrush.Color()));
    FDC.FillRect(TRect(rect.Left, rect.Top, rect.Right, rect.Top + 1), b);
    FDC.FillRect(TRect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom), b);
    FDC.FillRect(TRect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom), b);
    FDC.FillRect(TRect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom), b);
}

void TCanvas::TextOut(int32_t x, int32_t y, const QString& text)
{
    RequireFont();
    RequireBrush();
    FDC.TextOut(x, y, text);
}

TSize TCanvas::TextExtent(const QString& text)
{
    RequireFont();
    return FDC.TextExtent(text);
}

void TCanvas::Draw(int32_t x, int32_t y, const QImage& image)
{
    FDC.DrawImage(x, y, image);
}

void TCanvas::StretchDraw(const TRect& rect, const QImage& image)
{
    FDC.StretchImage(rect, image);
}

TColor TCanvas::Pixel(int32_t x, int32_t y)
{
    return FDC.GetPixel(x, y);
}

void TCanvas::SetPixel(int32_t x, int32_t y, TColor color)
{
    FDC.SetPixel(x, y, color);
}
