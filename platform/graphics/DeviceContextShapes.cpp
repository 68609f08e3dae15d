// Ellipses and polygons on pixels: an ellipse's outline traced by an integer walk and each row
// filled inside it, a polygon filled and then outlined through every vertex. Small ones drawn
// again and again with one look (chart symbols) are stamped from a picture of the first.

#include <QPaintDevice>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/FastPaths.h"

void TDeviceContext::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (!BeginBox(left, top, right, bottom))
        return;
    // Without a pen the fill stays inside the box less one pixel, as the device fills it.
    // Qt's own one-pixel outline of a small or flat ellipse misses a column or a row for some
    // boxes, so on pixels the outline is traced here and covers the box exactly. Sizes are
    // measured in 64 bits: a box can be wider than an int holds.
    constexpr int64_t traced = 4096;
    const int64_t width = int64_t(right) - left, height = int64_t(bottom) - top;
    const bool onPixels = FPen.style() != Qt::NoPen && SolidHairline() && PixelExact();
    if (!onPixels || width > traced || height > traced) {
        // From 2^23 pixels on, Qt outlines along a general curve and lights the pixels nearest
        // it: the curve through the centres of the box's outer pixels covers the box, as a
        // traced outline does (through the box's edges it would lose the last row or column).
        constexpr int64_t general = int64_t(1) << 23;
        if (onPixels && (width >= general || height >= general))
            FPainter->drawEllipse(OutlineBox(left, top, right, bottom).translated(0.5, 0.5));
        else if (BoxFits(left, top, right, bottom))
            FPainter->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
        else
            FPainter->drawEllipse(OutlineBox(left, top, right, bottom));
        return;
    }
    const TStampKey key{TStampKey::kEllipse, right - left, bottom - top, {}};
    if (!Stamped(left, top, key))
        PaintTracedEllipse(left, top, right, bottom);
}

void TDeviceContext::PaintTracedEllipse(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    TraceEllipse(left, top, right - 1, bottom - 1);
    // Each row is filled between its outline pixels, then the outline drawn over it.
    if (FBrush.style() != Qt::NoBrush) {
        for (int32_t y = top; y < bottom; ++y) {
            const int32_t from = FRowSpans[static_cast<size_t>(2 * (y - top))];
            const int32_t to = FRowSpans[static_cast<size_t>(2 * (y - top) + 1)];
            if (to - from >= 2)
                FPainter->fillRect(QRect(from + 1, y, to - from - 1, 1), FBrush);
        }
    }
    FPainter->drawPoints(FScratch.constData(), static_cast<int>(FScratch.size()));
}

void TDeviceContext::Polygon(const TPoint* points, int count)
{
    if (!FPainter || count < 2 || !PrepareRop())
        return;
    if (FPen.style() == Qt::NoPen || !SolidHairline() || !PixelExact()) {
        FPainter->drawPolygon(reinterpret_cast<const QPoint*>(points), count, Qt::OddEvenFill);
        return;
    }
    constexpr int kept = 8;
    if (count <= kept) {
        int32_t left = points[0].X, top = points[0].Y, right = left, bottom = top;
        for (int i = 1; i < count; ++i) {
            left = std::min(left, points[i].X);
            right = std::max(right, points[i].X);
            top = std::min(top, points[i].Y);
            bottom = std::max(bottom, points[i].Y);
        }
        // The outline passes through the vertices at the largest coordinates too. A shape whose
        // size an int cannot hold is no stamp's.
        const int64_t width = int64_t(right) - left + 1, height = int64_t(bottom) - top + 1;
        if (width <= INT32_MAX && height <= INT32_MAX) {
            TStampKey& key = FPolygonKey;
            key.Width = static_cast<int32_t>(width);
            key.Height = static_cast<int32_t>(height);
            key.Shape.clear();
            for (int i = 0; i < count; ++i)
                key.Shape.emplace_back(points[i].X - left, points[i].Y - top);
            if (Stamped(left, top, key))
                return;
        }
    }
    PaintPolygon(points, count);
}

void TDeviceContext::PaintPolygon(const TPoint* points, int count)
{
    // A closed outline has no last point to leave out (Qt's drops the vertices at the largest
    // coordinates): the inside is filled, then every edge is walked from its first vertex, so
    // that each vertex is drawn once.
    if (FBrush.style() != Qt::NoBrush) {
        FPainter->setPen(Qt::NoPen);
        FPainter->drawPolygon(reinterpret_cast<const QPoint*>(points), count, Qt::OddEvenFill);
        FPainter->setPen(FPen);
    }
    FClosedScratch.assign(points, points + count);
    FClosedScratch.push_back(points[0]);
    Polyline(FClosedScratch.data(), count + 1);
}

bool TDeviceContext::Stamped(int32_t left, int32_t top, const TStampKey& key)
{
    // A stamp sets exactly the pixels that drawing would, in the same colours, wherever it is
    // put: only for small shapes, opaque solid colours copied onto a 32-bit picture,
    // whole-pixel placement and no smoothing. Anything else is drawn each time.
    constexpr int32_t largest = 64;
    if (!TeeFastPaths::On())
        return false;
    if (key.Width > largest || key.Height > largest || FRop2 != R2_COPYPEN || FPainter->opacity() != 1.0 ||
        FPainter->testRenderHint(QPainter::Antialiasing) || FPen.color().alpha() != 255)
        return false;
    if (FBrush.style() != Qt::NoBrush && (FBrush.style() != Qt::SolidPattern || FBrush.color().alpha() != 255))
        return false;
    const QPaintDevice* device = FPainter->device();
    if (!device || device->devType() != QInternal::Image)
        return false;
    const QImage::Format format = static_cast<const QImage*>(device)->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
        return false;
    const QTransform& t = FPainter->combinedTransform();
    if (t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()))
        return false;
    ++FStampClock;
    TStamp* found = nullptr;
    for (TStamp& s : FStamps)
        if (s.Key == key && s.Pen == FPen && s.Brush == FBrush) {
            found = &s;
            break;
        }
    if (!found) {
        // A picture that cannot be had (no memory for it) makes no stamp: the shape is drawn.
        QImage image(key.Width, key.Height, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return false;
        // Charts draw a few looks over and over; the least used lately makes room.
        constexpr size_t room = 32;
        if (FStamps.size() < room)
            found = &FStamps.emplace_back();
        else
            found = &*std::min_element(FStamps.begin(), FStamps.end(),
                                       [](const TStamp& a, const TStamp& b) { return a.LastUse < b.LastUse; });
        found->Key = key;
        found->Pen = FPen;
        found->Brush = FBrush;
        found->Image = std::move(image);
        found->Image.fill(Qt::transparent);
        QPainter painter(&found->Image);
        painter.setPen(FPen);
        painter.setBrush(FBrush);
        QPainter* device = FPainter;
        FPainter = &painter;
        // The shape with its corner at the stamp's.
        if (key.Kind == TStampKey::kEllipse)
            PaintTracedEllipse(0, 0, key.Width, key.Height);
        else
            PaintPolygon(key.Shape.data(), static_cast<int>(key.Shape.size()));
        FPainter = device;
    }
    found->LastUse = FStampClock;
    FPainter->drawImage(left, top, found->Image);
    TeeFastPaths::Taken(TFastPath::StampedShape);
    return true;
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
