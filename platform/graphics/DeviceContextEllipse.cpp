// Ellipses on pixels: the outline traced by an integer walk and each row filled inside it,
// and small ellipses drawn again and again (chart symbols) stamped from a picture of the first.

#include <QPaintDevice>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/graphics/DeviceContext.h"

void TDeviceContext::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (!BeginBox(left, top, right, bottom))
        return;
    // Without a pen the fill stays inside the box less one pixel, as the device fills it.
    // Qt's own one-pixel outline of a small or flat ellipse misses a column or a row for some
    // boxes, so on pixels the outline is traced here and covers the box exactly.
    constexpr int32_t traced = 4096;
    if (FPen.style() == Qt::NoPen || !SolidHairline() || !PixelExact() || right - left > traced
        || bottom - top > traced) {
        FPainter->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
        return;
    }
    if (const QImage* stamp = EllipseStamp(right - left, bottom - top)) {
        FPainter->drawImage(left, top, *stamp);
        return;
    }
    PaintTracedEllipse(*FPainter, left, top, right, bottom);
}

void TDeviceContext::PaintTracedEllipse(QPainter& painter, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    TraceEllipse(left, top, right - 1, bottom - 1);
    // Each row is filled between its outline pixels, then the outline drawn over it.
    if (FBrush.style() != Qt::NoBrush) {
        for (int32_t y = top; y < bottom; ++y) {
            const int32_t from = FRowSpans[static_cast<size_t>(2 * (y - top))];
            const int32_t to = FRowSpans[static_cast<size_t>(2 * (y - top) + 1)];
            if (to - from >= 2)
                painter.fillRect(QRect(from + 1, y, to - from - 1, 1), FBrush);
        }
    }
    painter.drawPoints(FScratch.constData(), static_cast<int>(FScratch.size()));
}

const QImage* TDeviceContext::EllipseStamp(int32_t width, int32_t height)
{
    // A stamp sets exactly the pixels the tracing would, in the same colours, wherever it is
    // put: only for small boxes, opaque solid colours copied onto a 32-bit picture, whole-pixel
    // placement and no smoothing. Anything else is traced each time.
    constexpr int32_t largest = 64;
    if (width > largest || height > largest || FRop2 != R2_COPYPEN || FPainter->opacity() != 1.0 ||
        FPainter->testRenderHint(QPainter::Antialiasing) || FPen.color().alpha() != 255)
        return nullptr;
    if (FBrush.style() != Qt::NoBrush && (FBrush.style() != Qt::SolidPattern || FBrush.color().alpha() != 255))
        return nullptr;
    const QPaintDevice* device = FPainter->device();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    const QImage::Format format = static_cast<const QImage*>(device)->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    const QTransform& t = FPainter->combinedTransform();
    if (t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()))
        return nullptr;
    for (const TEllipseStamp& s : FEllipseStamps)
        if (s.Width == width && s.Height == height && s.Pen == FPen && s.Brush == FBrush)
            return &s.Image;
    // Charts draw a few looks over and over; an unbounded mix of looks starts the list again.
    if (FEllipseStamps.size() >= 32)
        FEllipseStamps.clear();
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setPen(FPen);
        painter.setBrush(FBrush);
        PaintTracedEllipse(painter, 0, 0, width, height);
    }
    FEllipseStamps.push_back({width, height, FPen, FBrush, std::move(image)});
    return &FEllipseStamps.back().Image;
}

void TDeviceContext::TraceEllipse(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    // The integer midpoint walk of the ellipse inscribed in the pixels x0..x1, y0..y1
    // (inclusive), one quadrant point mirrored into all four, with the tips of very flat
    // ellipses finished by hand. Points go to FScratch once each, and the leftmost and
    // rightmost pixel of every row to FRowSpans.
    const int64_t a = x1 - x0, b = y1 - y0;
    int64_t b1 = b & 1;
    int64_t dx = 4 * (1 - a) * b * b, dy = 4 * (b1 + 1) * a * a;
    int64_t err = dx + dy + b1 * a * a;
    const int32_t top = y0;
    FRowSpans.assign(static_cast<size_t>(2 * (b + 1)), 0);
    for (int64_t i = 0; i <= b; ++i) {
        FRowSpans[static_cast<size_t>(2 * i)] = INT32_MAX;
        FRowSpans[static_cast<size_t>(2 * i + 1)] = INT32_MIN;
    }
    FScratch.resize(0);
    const auto put = [&](int64_t x, int64_t y) {
        if (y < top || y > y1)
            return;
        FScratch.append(QPoint(static_cast<int>(x), static_cast<int>(y)));
        int32_t& from = FRowSpans[static_cast<size_t>(2 * (y - top))];
        int32_t& to = FRowSpans[static_cast<size_t>(2 * (y - top) + 1)];
        from = std::min<int32_t>(from, static_cast<int32_t>(x));
        to = std::max<int32_t>(to, static_cast<int32_t>(x));
    };
    int64_t left = x0, right = x1;
    int64_t lower = y0 + (b + 1) / 2, upper = lower - b1;
    const int64_t a8 = 8 * a * a, b8 = 8 * b * b;
    do {
        put(right, lower);
        put(left, lower);
        put(left, upper);
        put(right, upper);
        const int64_t e2 = 2 * err;
        if (e2 <= dy) {
            ++lower;
            --upper;
            err += dy += a8;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++left;
            --right;
            err += dx += b8;
        }
    } while (left <= right);
    while (lower - upper <= b) {
        put(left - 1, lower);
        put(right + 1, lower++);
        put(left - 1, upper);
        put(right + 1, upper--);
    }
    // A pixel met twice (the mirrored points meet on the axes) is drawn once, so that an
    // exclusive-or outline drawn twice restores it.
    std::sort(FScratch.begin(), FScratch.end(),
              [](const QPoint& p, const QPoint& q) { return p.y() != q.y() ? p.y() < q.y() : p.x() < q.x(); });
    FScratch.erase(std::unique(FScratch.begin(), FScratch.end()), FScratch.end());
}
