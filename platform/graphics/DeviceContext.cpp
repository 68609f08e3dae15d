#include "platform/graphics/DeviceContext.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QTextLayout>
#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/graphics/FastPaths.h"
#include "platform/graphics/LineWalk.h"
#include "platform/graphics/Regions.h"

static_assert(sizeof(TPoint) == sizeof(QPoint) && alignof(TPoint) == alignof(QPoint),
              "point lists go to QPainter without a copy");

namespace {

const QPoint* AsQPoints(const TPoint* points)
{
    return reinterpret_cast<const QPoint*>(points);
}

// A brush equal to b that shares nothing with it.
QBrush FreshBrush(const QBrush& b)
{
    if (b.style() == Qt::TexturePattern)
        return b.textureImage().isNull() ? QBrush(b.texture()) : QBrush(b.textureImage().copy());
    QBrush result(b.color(), b.style());
    result.setTransform(b.transform());
    return result;
}

QColor Opaque(TColor color)
{
    return TColorToQColor(ColorToRGB(color) & 0xFFFFFF);
}

} // namespace

TRop2 Rop2OfPenMode(int mode)
{
    static constexpr TRop2 table[16] = {R2_BLACK,       R2_WHITE,      R2_NOP,        R2_NOT,
                                        R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                        R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,   R2_NOTMERGEPEN,
                                        R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,     R2_NOTXORPEN};
    return mode >= 0 && mode < 16 ? table[mode] : R2_COPYPEN;
}

TDeviceContext::TDeviceContext() : FPen(QPen(QBrush(Qt::black), 1)), FBrush(Qt::white)
{
    FPen.setCosmetic(true);
    FPen.setCapStyle(Qt::FlatCap);
}

TDeviceContext::~TDeviceContext()
{
    End();
}

bool TDeviceContext::Begin(QPaintDevice* device)
{
    End();
    if (!device)
        return false;
    FOwnPainter = std::make_unique<QPainter>();
    if (!FOwnPainter->begin(device)) {
        FOwnPainter.reset();
        return false;
    }
    BeginOnPainter(FOwnPainter.get());
    return true;
}

void TDeviceContext::BeginOnPainter(QPainter* painter)
{
    if (painter != FOwnPainter.get())
        End();
    FPainter = painter;
    if (!FPainter)
        return;
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, true);
    FPainter->setBackground(Opaque(FBkColor));
    FPainter->setBackgroundMode(FBkMode == 2 ? Qt::OpaqueMode : Qt::TransparentMode);
    ApplyPen();
    ApplyBrush();
}

void TDeviceContext::End()
{
    if (FOwnPainter && FOwnPainter->isActive())
        FOwnPainter->end();
    FOwnPainter.reset();
    FPainter = nullptr;
}

const QImage* TDeviceContext::Image() const
{
    QPaintDevice* device = Device();
    if (device && device->devType() == QInternal::Image)
        return static_cast<const QImage*>(device);
    return nullptr;
}

QSize TDeviceContext::PixelSize() const
{
    const QPaintDevice* device = Device();
    return device ? QSize(device->width(), device->height()) : QSize(0, 0);
}

QSizeF TDeviceContext::PhysicalSize() const
{
    const QPaintDevice* device = Device();
    if (!device)
        return QSizeF(0, 0);
    if (const QImage* image = Image(); image && image->dotsPerMeterX() > 0 && image->dotsPerMeterY() > 0)
        return QSizeF(image->width() * 1000.0 / image->dotsPerMeterX(), image->height() * 1000.0 / image->dotsPerMeterY());
    return QSizeF(device->widthMM(), device->heightMM());
}

void TDeviceContext::SelectPen(const QPen& pen)
{
    if (pen == FPen)
        return;
    FPen = pen;
    ApplyPen();
}

void TDeviceContext::SelectBrush(const QBrush& brush)
{
    if (brush == FBrush)
        return;
    FBrush = brush;
    ApplyBrush();
}

void TDeviceContext::SelectFont(const QFont& font, int32_t escapement)
{
    if (!(font == FFont)) {
        FFont = font;
        FMeasure.reset();
    }
    FEscapement = escapement;
}

void TDeviceContext::ApplyPen()
{
    if (FPainter)
        FPainter->setPen(FPen);
}

void TDeviceContext::ApplyBrush()
{
    if (FPainter)
        FPainter->setBrush(FBrush);
}

void TDeviceContext::SetRop2(TRop2 mode)
{
    FRop2 = mode;
}

void TDeviceContext::SetBkColor(TColor color)
{
    FBkColor = color;
    if (FPainter)
        FPainter->setBackground(Opaque(color));
}

void TDeviceContext::SetBkMode(int32_t mode)
{
    FBkMode = mode;
    if (FPainter)
        FPainter->setBackgroundMode(mode == 2 ? Qt::OpaqueMode : Qt::TransparentMode);
}

void TDeviceContext::SetTextCharacterExtra(int32_t extra)
{
    if (FCharExtra != extra)
        FMeasure.reset();
    FCharExtra = extra;
}

bool TDeviceContext::PrepareRop()
{
    if (!FPainter || FRop2 == R2_NOP)
        return false;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (FRop2) {
    case R2_BLACK: mode = QPainter::RasterOp_ClearDestination; break;
    case R2_NOTMERGEPEN: mode = QPainter::RasterOp_NotSourceAndNotDestination; break;
    case R2_MASKNOTPEN: mode = QPainter::RasterOp_NotSourceAndDestination; break;
    case R2_NOTCOPYPEN: mode = QPainter::RasterOp_NotSource; break;
    case R2_MASKPENNOT: mode = QPainter::RasterOp_SourceAndNotDestination; break;
    case R2_NOT: mode = QPainter::RasterOp_NotDestination; break;
    case R2_XORPEN: mode = QPainter::RasterOp_SourceXorDestination; break;
    case R2_NOTMASKPEN: mode = QPainter::RasterOp_NotSourceOrNotDestination; break;
    case R2_MASKPEN: mode = QPainter::RasterOp_SourceAndDestination; break;
    case R2_NOTXORPEN: mode = QPainter::RasterOp_NotSourceXorDestination; break;
    case R2_MERGENOTPEN: mode = QPainter::RasterOp_NotSourceOrDestination; break;
    case R2_MERGEPENNOT: mode = QPainter::RasterOp_SourceOrNotDestination; break;
    case R2_MERGEPEN: mode = QPainter::RasterOp_SourceOrDestination; break;
    case R2_WHITE: mode = QPainter::RasterOp_SetDestination; break;
    case R2_COPYPEN:
    case R2_NOP: break;
    }
    // Vector devices know no raster operations: they draw the pen colour.
    if (mode != QPainter::CompositionMode_SourceOver && FPainter->paintEngine()
        && !FPainter->paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        mode = QPainter::CompositionMode_SourceOver;
    if (FPainter->compositionMode() != mode)
        FPainter->setCompositionMode(mode);
    return true;
}

bool TDeviceContext::PixelExact() const
{
    // Pixel rules matter where pixels are drawn, one logical pixel to one device pixel; a
    // vector device (PDF, SVG, printer) or a scaled mapping (a panel printed on a larger page)
    // gets lines as lines, which a pixel walk would leave as scattered dots.
    return FPainter && FPainter->paintEngine() && FPainter->paintEngine()->type() == QPaintEngine::Raster
           && FPainter->combinedTransform().type() <= QTransform::TxTranslate;
}

bool TDeviceContext::SolidHairline() const
{
    return FPen.style() == Qt::SolidLine && FPen.widthF() <= 1.0 && FPen.brush().style() == Qt::SolidPattern;
}

void TDeviceContext::FillPixels(int64_t x0, int64_t y0, int64_t x1, int64_t y1, const QColor& color)
{
    // Only the part on the device is filled: a span towards either end of the coordinates is
    // wider than an int holds.
    const TPixelBounds b = DeviceBounds();
    x0 = std::max({x0, b.Left, -kFarthest});
    y0 = std::max({y0, b.Top, -kFarthest});
    x1 = std::min({x1, b.Right, kFarthest});
    y1 = std::min({y1, b.Bottom, kFarthest});
    if (x0 <= x1 && y0 <= y1)
        FPainter->fillRect(QRect(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0 + 1),
                                 static_cast<int>(y1 - y0 + 1)),
                           color);
}

void TDeviceContext::LineTo(int32_t x, int32_t y)
{
    const TPoint a = FPosition;
    FPosition = TPoint(x, y);
    if (!FPainter || FPen.style() == Qt::NoPen || a == FPosition || !PrepareRop())
        return;
    if (!SolidHairline() || !PixelExact()) {
        FPainter->drawLine(a.ToQPoint(), QPoint(x, y));
        return;
    }
    const QColor color = FPen.color();
    if (a.Y == y) {
        if (a.X < x)
            FillPixels(a.X, y, x - 1, y, color);
        else
            FillPixels(x + 1, y, a.X, y, color);
        return;
    }
    if (a.X == x) {
        if (a.Y < y)
            FillPixels(x, a.Y, x, y - 1, color);
        else
            FillPixels(x, y + 1, x, a.Y, color);
        return;
    }
    // Only the pixels on the device are walked: a line towards a far-off point costs no more
    // than the device is wide.
    TLineWalk walk(a, FPosition);
    if (!walk.LimitTo(DeviceBounds()))
        return;
    FScratch.resize(static_cast<int>(std::min<int64_t>(walk.Count(), 1 << 24)));
    const int n = AppendLinePixels(FScratch.data(), FScratch.size(), walk);
    FPainter->drawPoints(FScratch.constData(), n);
}

TPixelBounds TDeviceContext::DeviceBounds() const
{
    constexpr TPixelBounds everywhere = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    const QPaintDevice* device = Device();
    const QTransform t = FPainter->combinedTransform();
    if (!device || t.type() > QTransform::TxTranslate)
        return everywhere;
    // A pixel at p lands on the device at p + the shift: the device's pixels, shifted back,
    // with a pixel to spare on each side for a shift that is not whole.
    const int64_t dx = static_cast<int64_t>(std::floor(t.dx())), dy = static_cast<int64_t>(std::floor(t.dy()));
    return {-dx - 1, -dy - 1, device->width() - dx, device->height() - dy};
}

TRect TDeviceContext::ReachableRect() const
{
    const QPaintDevice* device = Device();
    if (!device)
        return TRect();
    TPixelBounds b = DeviceBounds();
    const QTransform t = FPainter->combinedTransform();
    if (t.type() > QTransform::TxTranslate) {
        // Turned or scaled: the device's corners mapped back, in doubles that may lie far out.
        bool invertible = false;
        const QTransform back = t.inverted(&invertible);
        if (!invertible)
            return TRect();
        const QRectF r = back.mapRect(QRectF(0, 0, device->width(), device->height()));
        const auto whole = [](double v) { return static_cast<int64_t>(std::clamp(v, -1e12, 1e12)); };
        b = {whole(std::floor(r.left())) - 1, whole(std::floor(r.top())) - 1, whole(std::ceil(r.right())) + 1,
             whole(std::ceil(r.bottom())) + 1};
    }
    const auto cut = [](int64_t v) { return static_cast<int32_t>(std::clamp(v, -kFarthest, kFarthest)); };
    return TRect(cut(b.Left), cut(b.Top), cut(b.Right) + 1, cut(b.Bottom) + 1);
}

int TDeviceContext::AppendLinePixels(QPoint* out, int room, const TLineWalk& walk)
{
    int i = 0;
    walk.Walk([&](int32_t x, int32_t y) {
        if (i < room)
            out[i++] = QPoint(x, y);
    });
    return i;
}

bool TDeviceContext::PolylineThroughMask(const TPoint* points, int count, const TPixelBounds& bounds)
{
    // A long polyline copied onto an image: its pixels are marked once in a mask of its
    // bounds (on the device) and the mask drawn in one go, rather than every pixel of every
    // segment.
    if (FRop2 != R2_COPYPEN || !Image() || FPen.color().alpha() != 255)
        return false;
    int64_t minX = points[0].X, maxX = minX, minY = points[0].Y, maxY = minY;
    for (int i = 1; i < count; ++i) {
        minX = std::min<int64_t>(minX, points[i].X);
        maxX = std::max<int64_t>(maxX, points[i].X);
        minY = std::min<int64_t>(minY, points[i].Y);
        maxY = std::max<int64_t>(maxY, points[i].Y);
    }
    minX = std::max(minX, bounds.Left);
    maxX = std::min(maxX, bounds.Right);
    minY = std::max(minY, bounds.Top);
    maxY = std::min(maxY, bounds.Bottom);
    if (minX > maxX || minY > maxY)
        return true;
    const TPixelBounds box = {minX, minY, maxX, maxY};
    const int64_t w = static_cast<int64_t>(maxX) - minX + 1, h = static_cast<int64_t>(maxY) - minY + 1;
    if (w * h > (int64_t(1) << 22))
        return false;
    if (FMask.width() < w || FMask.height() < h)
        FMask = QImage(std::max<int>(FMask.width(), static_cast<int>(w)), std::max<int>(FMask.height(), static_cast<int>(h)),
                       QImage::Format_ARGB32_Premultiplied);
    const int width = static_cast<int>(w), height = static_cast<int>(h);
    for (int y = 0; y < height; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(FMask.scanLine(y)), width, 0u);
    const QRgb colour = FPen.color().rgba();
    uchar* bits = FMask.bits();
    const qsizetype stride = FMask.bytesPerLine();
    for (int i = 1; i < count; ++i) {
        TLineWalk walk(points[i - 1], points[i]);
        if (walk.LimitTo(box))
            walk.Walk([&](int32_t x, int32_t y) { reinterpret_cast<QRgb*>(bits + (y - minY) * stride)[x - minX] = colour; });
    }
    FPainter->drawImage(QPoint(static_cast<int>(minX), static_cast<int>(minY)), FMask, QRect(0, 0, width, height));
    TeeFastPaths::Taken(TFastPath::MaskedPolyline);
    return true;
}

bool TDeviceContext::WidePolylineInPieces(const TPoint* points, int count)
{
    // Qt strokes a wide polyline as one outline: each corner costs an arc worked out with
    // angles, and the fill slows down with every edge that crosses a scan line, so a long
    // zigzag costs many times its segments drawn apart. With round caps and joins the stroke
    // is the union of round-ended segments, and the segments drawn one by one cover the same
    // pixels: measured on Qt's raster engine for widths 2 to 5 (from width 6 its cap and join
    // arcs differ by a pixel). Only an opaque copy may paint a pixel twice unchanged.
    if (!TeeFastPaths::On())
        return false;
    if (count <= 16 || FRop2 != R2_COPYPEN || FPen.style() != Qt::SolidLine || FPen.brush().style() != Qt::SolidPattern ||
        FPen.color().alpha() != 255 || FPen.capStyle() != Qt::RoundCap || FPen.joinStyle() != Qt::RoundJoin ||
        FPen.widthF() < 2 || FPen.widthF() > 5 || FPen.widthF() != std::floor(FPen.widthF()) || !PixelExact() ||
        FPainter->testRenderHint(QPainter::Antialiasing) || FPainter->worldTransform().type() != QTransform::TxNone)
        return false;
    // Qt works out the stroke of a segment about 2^15 pixels long and longer less exactly, and
    // not alike whole and apart (a pixel or a few thousand differ): only a polyline that spans
    // at most 2^14 pixels each way, whose segments stay well short of that, goes in pieces.
    constexpr int64_t reach = 1 << 14;
    int32_t left = points[0].X, right = left, top = points[0].Y, bottom = top;
    for (int i = 1; i < count; ++i) {
        left = std::min(left, points[i].X);
        right = std::max(right, points[i].X);
        top = std::min(top, points[i].Y);
        bottom = std::max(bottom, points[i].Y);
    }
    if (int64_t(right) - left > reach || int64_t(bottom) - top > reach)
        return false;
    FLineScratch.resize(static_cast<size_t>(count - 1));
    for (int i = 1; i < count; ++i)
        FLineScratch[static_cast<size_t>(i - 1)] = QLine(points[i - 1].ToQPoint(), points[i].ToQPoint());
    FPainter->drawLines(FLineScratch.data(), count - 1);
    TeeFastPaths::Taken(TFastPath::WidePolylinePieces);
    return true;
}

void TDeviceContext::Polyline(const TPoint* points, int count)
{
    if (!FPainter || count < 2 || FPen.style() == Qt::NoPen || !PrepareRop())
        return;
    if (!SolidHairline() || !PixelExact()) {
        if (!WidePolylineInPieces(points, count))
            FPainter->drawPolyline(AsQPoints(points), count);
        return;
    }
    // Every segment leaves out its last pixel (the next one's first), so that shared corners
    // are drawn once: all pixels go to the painter in one call from a reused buffer.
    // Only pixels on the device count: a segment towards a far-off point neither costs its
    // length nor crowds out the segments after it.
    const TPixelBounds bounds = DeviceBounds();
    int64_t total = 0;
    for (int i = 1; i < count; ++i) {
        TLineWalk walk(points[i - 1], points[i]);
        if (walk.LimitTo(bounds))
            total += walk.Count();
    }
    if (total > 4096 && TeeFastPaths::On() && PolylineThroughMask(points, count, bounds))
        return;
    total = std::min<int64_t>(total, 1 << 26);
    if (FScratch.size() < total)
        FScratch.resize(static_cast<int>(total));
    QPoint* out = FScratch.data();
    int n = 0;
    for (int i = 1; i < count && n < total; ++i) {
        TLineWalk walk(points[i - 1], points[i]);
        if (walk.LimitTo(bounds))
            n += AppendLinePixels(out + n, static_cast<int>(total) - n, walk);
    }
    FPainter->drawPoints(FScratch.constData(), n);
}

bool TDeviceContext::BeginBox(int32_t& left, int32_t& top, int32_t& right, int32_t& bottom)
{
    if (!FPainter)
        return false;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    return int64_t(right) - left >= 1 && int64_t(bottom) - top >= 1 && PrepareRop();
}

bool TDeviceContext::BoxFits(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return int64_t(right) - left <= INT32_MAX && int64_t(bottom) - top <= INT32_MAX;
}

QRectF TDeviceContext::OutlineBox(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return QRectF(left, top, double(right) - left - 1, double(bottom) - top - 1);
}

void TDeviceContext::CutToDevice(int32_t& left, int32_t& top, int32_t& right, int32_t& bottom) const
{
    // Two pixels to spare beyond the device on each side: an outline cut off there stays off it.
    const TPixelBounds b = DeviceBounds();
    const auto cut = [](int32_t& v, int64_t low, int64_t high) {
        v = static_cast<int32_t>(std::clamp<int64_t>(v, std::max(low - 2, -kFarthest), std::min(high + 2, kFarthest)));
    };
    cut(left, b.Left, b.Right);
    cut(right, b.Left, b.Right);
    cut(top, b.Top, b.Bottom);
    cut(bottom, b.Top, b.Bottom);
}

void TDeviceContext::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (!BeginBox(left, top, right, bottom))
        return;
    // Larger than an int measures, the box is cut to what the device shows of it.
    if (!BoxFits(left, top, right, bottom))
        CutToDevice(left, top, right, bottom);
    const int32_t w = right - left, h = bottom - top;
    if (FPen.style() == Qt::NoPen) {
        if (FBrush.style() != Qt::NoBrush && w > 1 && h > 1)
            FPainter->drawRect(QRect(left, top, w - 1, h - 1));
        return;
    }
    if (!SolidHairline()) {
        FPainter->drawRect(QRect(left, top, w - 1, h - 1));
        return;
    }
    const QColor color = FPen.color();
    if (FRop2 == R2_COPYPEN && FBrush.style() == Qt::SolidPattern) {
        // Copied: the outline colour under the whole rectangle, the brush inside it.
        FPainter->fillRect(QRect(left, top, w, h), color);
        if (w > 2 && h > 2)
            FPainter->fillRect(QRect(left + 1, top + 1, w - 2, h - 2), FBrush.color());
        return;
    }
    // Inside first, then the outline as spans that do not overlap, so that an exclusive-or
    // rectangle drawn twice restores every pixel.
    if (FBrush.style() == Qt::SolidPattern && w > 2 && h > 2) {
        FPainter->fillRect(QRect(left + 1, top + 1, w - 2, h - 2), FBrush.color());
    } else if (FBrush.style() != Qt::NoBrush && w > 2 && h > 2) {
        FPainter->setPen(Qt::NoPen);
        FPainter->drawRect(QRect(left + 1, top + 1, w - 2, h - 2));
        FPainter->setPen(FPen);
    }
    FillPixels(left, top, right - 1, top, color);
    if (h > 1)
        FillPixels(left, bottom - 1, right - 1, bottom - 1, color);
    if (h > 2) {
        FPainter->fillRect(QRect(left, top + 1, 1, h - 2), color);
        if (w > 1)
            FPainter->fillRect(QRect(right - 1, top + 1, 1, h - 2), color);
    }
}

void TDeviceContext::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width,
                               int32_t height)
{
    if (!BeginBox(left, top, right, bottom))
        return;
    const double rx = std::abs(double(width)) / 2, ry = std::abs(double(height)) / 2;
    if (BoxFits(left, top, right, bottom))
        FPainter->drawRoundedRect(QRect(left, top, right - left - 1, bottom - top - 1), rx, ry, Qt::AbsoluteSize);
    else
        FPainter->drawRoundedRect(OutlineBox(left, top, right, bottom), rx, ry, Qt::AbsoluteSize);
}

double TDeviceContext::RadialAngle(double cx, double cy, double rx, double ry, int32_t x, int32_t y) const
{
    // The parametric angle of the point where the radial through (x, y) meets the ellipse.
    const double ux = rx > 0 ? (x - cx) / rx : (x - cx);
    const double uy = ry > 0 ? (cy - y) / ry : (cy - y);
    if (ux == 0 && uy == 0)
        return 0;
    return std::atan2(uy, ux) * 180.0 / M_PI;
}

void TDeviceContext::ArcOrPie(bool pie, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x3,
                              int32_t y3, int32_t x4, int32_t y4)
{
    if (!BeginBox(left, top, right, bottom))
        return;
    const QRectF box = OutlineBox(left, top, right, bottom);
    const double cx = box.center().x(), cy = box.center().y();
    const double rx = box.width() / 2, ry = box.height() / 2;
    const double start = RadialAngle(cx, cy, rx, ry, x3, y3);
    double span = RadialAngle(cx, cy, rx, ry, x4, y4) - start;
    // Counter-clockwise from start to end; equal radials give the whole ellipse.
    while (span <= 0)
        span += 360;
    const int a16 = static_cast<int>(std::lround(start * 16));
    const int s16 = static_cast<int>(std::lround(span * 16));
    if (pie)
        FPainter->drawPie(box, a16, s16);
    else
        FPainter->drawArc(box, a16, s16);
}

void TDeviceContext::Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x3, int32_t y3,
                         int32_t x4, int32_t y4)
{
    ArcOrPie(false, left, top, right, bottom, x3, y3, x4, y4);
}

void TDeviceContext::Pie(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x3, int32_t y3,
                         int32_t x4, int32_t y4)
{
    ArcOrPie(true, left, top, right, bottom, x3, y3, x4, y4);
}

void TDeviceContext::FillRect(const TRect& rect, const QBrush& brush)
{
    if (!FPainter || rect.IsEmpty())
        return;
    // Larger than an int measures, the box is cut to what the device shows of it (a pattern
    // keeps to the device's origin, not the box's).
    int32_t left = rect.Left, top = rect.Top, right = rect.Right, bottom = rect.Bottom;
    if (!BoxFits(left, top, right, bottom))
        CutToDevice(left, top, right, bottom);
    const QPainter::CompositionMode old = FPainter->compositionMode();
    if (old != QPainter::CompositionMode_SourceOver)
        FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter->fillRect(QRect(left, top, right - left, bottom - top), brush);
    if (old != QPainter::CompositionMode_SourceOver)
        FPainter->setCompositionMode(old);
}

void TDeviceContext::DrawPath(const QPainterPath& path, bool stroke, bool fill)
{
    if (!FPainter || !PrepareRop())
        return;
    FPainter->setPen(stroke ? FPen : QPen(Qt::NoPen));
    FPainter->setBrush(fill ? FBrush : QBrush(Qt::NoBrush));
    FPainter->drawPath(path);
    FPainter->setPen(FPen);
    FPainter->setBrush(FBrush);
}

void TDeviceContext::RingSector(const QRectF& outer, const QRectF& inner, const QPointF& outerStart,
                                const QPointF& innerEnd, double startDeg, double spanDeg)
{
    QPainterPath path;
    path.moveTo(outerStart);
    path.arcTo(outer, startDeg, spanDeg);
    path.lineTo(innerEnd);
    if (!inner.isEmpty())
        path.arcTo(inner, startDeg + spanDeg, -spanDeg);
    path.lineTo(outerStart);
    path.closeSubpath();
    DrawPath(path, true, true);
}

void TDeviceContext::SetPixel(int32_t x, int32_t y, TColor color)
{
    if (!FPainter)
        return;
    const QPainter::CompositionMode old = FPainter->compositionMode();
    FPainter->setCompositionMode(QPainter::CompositionMode_Source);
    FPainter->fillRect(QRect(x, y, 1, 1), Opaque(color));
    FPainter->setCompositionMode(old);
}

TColor TDeviceContext::GetPixel(int32_t x, int32_t y) const
{
    const QImage* image = Image();
    if (!image || !image->valid(x, y))
        return clNone;
    const QRgb p = image->pixel(x, y);
    return RGB(static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)), static_cast<uint8_t>(qBlue(p)));
}

const QFont& TDeviceContext::EffectiveFont() const
{
    Measure();
    return FMeasure->Font;
}

const QFontMetrics& TDeviceContext::Metrics() const
{
    Measure();
    return FMeasure->Metrics;
}

void TDeviceContext::Measure() const
{
    // The font with its extra spacing and its metrics, built once per font change.
    if (FMeasure)
        return;
    QFont f = FFont;
    if (FCharExtra != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, FCharExtra);
    FMeasure.emplace(TMeasure{f, QFontMetrics(f), {}, {}, 0, 0});
}

int TDeviceContext::TextWidth(const QString& text) const
{
    Measure();
    QHash<QString, int>& widths = FMeasure->Widths;
    if (const auto found = widths.constFind(text); found != widths.constEnd())
        return *found;
    // A bounded cache: texts that all differ (a long list of values) start it over.
    if (widths.size() >= 4096)
        widths.clear();
    const int width = FMeasure->Metrics.horizontalAdvance(text);
    widths.insert(text, width);
    return width;
}

TSize TDeviceContext::TextExtent(const QString& text) const
{
    return TSize(TextWidth(text), Metrics().height());
}

int32_t TDeviceContext::FontAscent() const
{
    return Metrics().ascent();
}

int32_t TDeviceContext::FontDescent() const
{
    return Metrics().descent();
}

namespace {

// Where the text starts (dx) and its baseline lies (dy) relative to the reference point.
struct TTextPlacement {
    double Dx = 0;
    double Baseline = 0;
    int Width = 0;
    int Ascent = 0;
    int Descent = 0;
};

TTextPlacement Place(const QFontMetrics& fm, uint32_t align, int width)
{
    TTextPlacement p;
    p.Width = width;
    p.Ascent = fm.ascent();
    p.Descent = fm.descent();
    switch (align & 6) {
    case 2: p.Dx = -p.Width; break;
    case 6: p.Dx = -(p.Width / 2); break;
    default: break;
    }
    switch (align & 24) {
    case 24: p.Baseline = 0; break;
    case 8: p.Baseline = -p.Descent; break;
    default: p.Baseline = p.Ascent; break;
    }
    return p;
}

} // namespace

QPainterPath TDeviceContext::TextPath(int32_t x, int32_t y, const QString& text) const
{
    const QFont& font = EffectiveFont();
    const TTextPlacement p = Place(Metrics(), FTextAlign, TextWidth(text));
    QPainterPath path;
    path.addText(QPointF(p.Dx, p.Baseline), font, text);
    QTransform t;
    t.translate(x, y);
    if (FEscapement != 0)
        t.rotate(-FEscapement / 10.0);
    return t.map(path);
}

void TDeviceContext::TextOut(int32_t x, int32_t y, const QString& text)
{
    const QFont& font = EffectiveFont();
    const TTextPlacement p = Place(Metrics(), FTextAlign, TextWidth(text));
    const bool updateCP = (FTextAlign & 1) != 0;
    const TPoint at = updateCP ? FPosition : TPoint(x, y);
    if (updateCP && (FTextAlign & 6) == 0)
        FPosition.X += p.Width;
    if (!FPainter || text.isEmpty())
        return;
    FPainter->save();
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter->translate(at.X, at.Y);
    if (FEscapement != 0)
        FPainter->rotate(-FEscapement / 10.0);
    if (FBkMode == 2)
        FPainter->fillRect(QRectF(p.Dx, p.Baseline - p.Ascent, p.Width, p.Ascent + p.Descent), Opaque(FBkColor));
    FPainter->setFont(font);
    FPainter->setPen(Opaque(FTextColor));
    FPainter->setBackgroundMode(Qt::TransparentMode);
    if (const QList<QGlyphRun>* glyphs = KeptGlyphs(text)) {
        for (const QGlyphRun& run : *glyphs)
            FPainter->drawGlyphRun(QPointF(p.Dx, p.Baseline), run);
        TeeFastPaths::Taken(TFastPath::KeptGlyphs);
    } else {
        FPainter->drawText(QPointF(p.Dx, p.Baseline), text);
    }
    FPainter->restore();
}

const QList<QGlyphRun>* TDeviceContext::KeptGlyphs(const QString& text)
{
    // Shaping a text is most of what drawing it costs, and charts draw the same few texts
    // again and again (a mark for each of thousands of bars). The glyphs kept from one
    // layout give exactly the pixels of drawing the text on the raster engine, unturned,
    // for plain left-to-right text on one line without decorations or extra spacing; any
    // other text is drawn as text.
    if (!TeeFastPaths::On())
        return nullptr;
    const QFont& font = EffectiveFont();
    if (FEscapement != 0 || FCharExtra != 0 || font.underline() || font.strikeOut() || font.overline())
        return nullptr;
    QPaintEngine* engine = FPainter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || FPainter->worldTransform().type() > QTransform::TxTranslate)
        return nullptr;
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029 || c.unicode() == 0x7F)
            return nullptr;
    if (text.isRightToLeft())
        return nullptr;
    QPaintDevice* device = FPainter->device();
    TMeasure& m = *FMeasure;
    if (m.GlyphDpiX != device->logicalDpiX() || m.GlyphDpiY != device->logicalDpiY()) {
        m.Glyphs.clear();
        m.GlyphDpiX = device->logicalDpiX();
        m.GlyphDpiY = device->logicalDpiY();
    }
    if (const auto found = m.Glyphs.constFind(text); found != m.Glyphs.constEnd())
        return &*found;
    // A bounded store: texts that all differ start it over.
    if (m.Glyphs.size() >= 4096)
        m.Glyphs.clear();
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return nullptr;
    }
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    QList<QGlyphRun> runs = layout.glyphRuns();
    const qreal ascent = line.ascent();
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position.ry() -= ascent;
        run.setPositions(positions);
    }
    return &*m.Glyphs.insert(text, runs);
}

void TDeviceContext::ClipChanged()
{
    // The raster engine keeps the clip it saw with a brush or pen until a different brush
    // or pen comes: after a clip change, the same objects would still draw with the old clip
    // (Qt 6.4). Fresh copies make it take the new one.
    FBrush = FreshBrush(FBrush);
    QPen pen(FPen);
    pen.setBrush(FreshBrush(FPen.brush()));
    FPen = pen;
    ApplyPen();
    ApplyBrush();
}

bool TDeviceContext::GetClipRegion(QRegion& region) const
{
    if (!FPainter || !FPainter->hasClipping())
        return false;
    region = FPainter->clipRegion();
    return true;
}

void TDeviceContext::IntersectClipRegion(const QRegion& region)
{
    if (!FPainter)
        return;
    FPainter->setClipRegion(region, FPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    ClipChanged();
}

void TDeviceContext::SelectClipRegion(const QRegion& region)
{
    if (FPainter)
        FPainter->setClipRegion(region, Qt::ReplaceClip);
    ClipChanged();
}

void TDeviceContext::RemoveClip()
{
    // Switching clipping off with setClipping(false) leaves a later ReplaceClip without
    // effect on the raster engine (Qt 6.4): drop the clip itself.
    if (FPainter)
        FPainter->setClipRegion(QRegion(), Qt::NoClip);
    ClipChanged();
}

void TDeviceContext::TextOutline(int32_t x, int32_t y, const QString& text, bool fill)
{
    DrawPath(TextPath(x, y, text), true, fill);
}

void TDeviceContext::IntersectClipText(int32_t x, int32_t y, const QString& text, int strokeWidth)
{
    const QPainterPath path = TextPath(x, y, text);
    if (strokeWidth <= 0) {
        IntersectClipPath(path);
        return;
    }
    QPainterPathStroker stroker;
    stroker.setWidth(strokeWidth);
    IntersectClipPath(stroker.createStroke(path));
}

QRegion TDeviceContext::RoundRectRegion(const QRect& rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(rect), radius, radius);
    return QRegion(path.toFillPolygon().toPolygon(), Qt::OddEvenFill);
}

QRegion TDeviceContext::PolygonRegion(const TPoint* points, int count) const
{
    const TPixelBounds b = FPainter ? DeviceBounds() : TPixelBounds{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    if (TeeFastPaths::On() && b.Left > INT32_MIN && b.Right < INT32_MAX && b.Top > INT32_MIN && b.Bottom < INT32_MAX) {
        const QRect window(static_cast<int>(b.Left), static_cast<int>(b.Top), static_cast<int>(b.Right - b.Left + 1),
                           static_cast<int>(b.Bottom - b.Top + 1));
        TeeFastPaths::Taken(TFastPath::RowClip);
        return ::PolygonRegion(points, count, window);
    }
    // Taller than Qt can scan, a polygon's region is worked out for the rows that can reach the
    // device, fast paths or not: there is no other way to have it.
    if (!QtCanScan(points, count))
        return ::PolygonRegion(points, count, ReachableRect().ToQRect());
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i)
        polygon[i] = points[i].ToQPoint();
    return QRegion(polygon, Qt::OddEvenFill);
}

void TDeviceContext::IntersectClipPath(const QPainterPath& path)
{
    if (!FPainter)
        return;
    QPainterPath p = path;
    p.setFillRule(Qt::OddEvenFill);
    FPainter->setClipPath(p, FPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    ClipChanged();
}

void TDeviceContext::DrawImage(int32_t x, int32_t y, const QImage& image)
{
    if (!FPainter || image.isNull())
        return;
    const QPainter::CompositionMode old = FPainter->compositionMode();
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter->drawImage(QPoint(x, y), image);
    FPainter->setCompositionMode(old);
}

void TDeviceContext::StretchImage(const TRect& rect, const QImage& image)
{
    if (!FPainter || image.isNull())
        return;
    const QPainter::CompositionMode old = FPainter->compositionMode();
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (BoxFits(rect.Left, rect.Top, rect.Right, rect.Bottom))
        FPainter->drawImage(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top), image);
    else if (!StretchImageCells(rect, image))
        FPainter->drawImage(QRectF(rect.Left, rect.Top, double(rect.Right) - rect.Left, double(rect.Bottom) - rect.Top),
                            image);
    FPainter->setCompositionMode(old);
}

bool TDeviceContext::StretchImageCells(const TRect& rect, const QImage& image)
{
    // Stretched over a box wider than an int measures, a picture's pixel is far wider than the
    // device, beyond what Qt's scaling resolves: each pixel of the device takes the picture's
    // pixel under its centre, and the runs of device pixels under one picture pixel are filled.
    const double width = double(rect.Right) - rect.Left, height = double(rect.Bottom) - rect.Top;
    const TPixelBounds b = DeviceBounds();
    if (width <= 0 || height <= 0 || !PixelExact())
        return false;
    // Runs of device pixels [from, to] over one picture pixel along an axis.
    struct TRun {
        int64_t From, To;
        int Cell;
    };
    const auto runs = [](int64_t first, int64_t last, int32_t start, double size, int cells) {
        std::vector<TRun> out;
        for (int64_t p = first; p <= last; ++p) {
            const double at = std::floor((p + 0.5 - start) * cells / size);
            const int cell = std::clamp(static_cast<int>(at), 0, cells - 1);
            if (out.empty() || out.back().Cell != cell)
                out.push_back({p, p, cell});
            else
                out.back().To = p;
        }
        return out;
    };
    const std::vector<TRun> columns = runs(std::max<int64_t>(b.Left, rect.Left),
                                           std::min<int64_t>(b.Right, int64_t{rect.Right} - 1), rect.Left, width,
                                           image.width());
    const std::vector<TRun> rows = runs(std::max<int64_t>(b.Top, rect.Top),
                                        std::min<int64_t>(b.Bottom, int64_t{rect.Bottom} - 1), rect.Top, height,
                                        image.height());
    for (const TRun& row : rows)
        for (const TRun& column : columns)
            FPainter->fillRect(QRect(static_cast<int>(column.From), static_cast<int>(row.From),
                                     static_cast<int>(column.To - column.From + 1),
                                     static_cast<int>(row.To - row.From + 1)),
                               image.pixelColor(column.Cell, row.Cell));
    return true;
}
