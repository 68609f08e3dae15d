#include "platform/graphics/Regions.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

QRegion RoundRectRegion(int left, int top, int right, int bottom, int width, int height)
{
    if (right <= left || bottom <= top)
        return QRegion();
    const double rx = std::min(width, right - left) / 2.0;
    const double ry = std::min(height, bottom - top) / 2.0;
    if (rx <= 0 || ry <= 0)
        return QRegion(left, top, right - left, bottom - top);
    QRegion region;
    int runStart = top;
    int runInset = -1;
    const auto flush = [&](int end) {
        if (runInset >= 0 && end > runStart && right - left > 2 * runInset)
            region += QRect(left + runInset, runStart, right - left - 2 * runInset, end - runStart);
    };
    // One row at a time, pixel centres against the corner ellipse; equal rows are merged.
    for (int y = top; y < bottom; ++y) {
        const double cy = y + 0.5;
        double dy = 0;
        if (cy < top + ry)
            dy = top + ry - cy;
        else if (cy > bottom - ry)
            dy = cy - (bottom - ry);
        const double dx = dy > 0 ? rx * std::sqrt(std::max(0.0, 1.0 - (dy / ry) * (dy / ry))) : rx;
        const int inset = Round(rx - dx);
        if (inset != runInset) {
            flush(y);
            runStart = y;
            runInset = inset;
        }
    }
    flush(bottom);
    return region;
}

namespace {

struct TEdge {
    int64_t XTop, YTop, YBottom, Dx, Dy;
};

// In 128 bits: a row's distance from an edge's end times the edge's width can pass 2^63.
__int128 CeilDiv(__int128 a, __int128 b) // b > 0
{
    return a >= 0 ? (a + b - 1) / b : a / b;
}

} // namespace

bool QtCanScan(const TPoint* points, int count)
{
    if (count <= 0)
        return true;
    int32_t top = points[0].Y, bottom = top;
    for (int i = 1; i < count; ++i) {
        top = std::min(top, points[i].Y);
        bottom = std::max(bottom, points[i].Y);
    }
    return int64_t{bottom} - top <= (int64_t(1) << 20);
}

QRegion PolygonRegion(const TPoint* points, int count, const QRect& window)
{
    constexpr int32_t limit = 1 << 29;
    if (count < 3 || window.isEmpty())
        return QRegion();
    const bool qtCanScan = QtCanScan(points, count);
    for (int i = 0; i < count && qtCanScan; ++i) {
        if (std::llabs(points[i].X) > limit || std::llabs(points[i].Y) > limit) {
            QPolygon polygon(count);
            for (int k = 0; k < count; ++k)
                polygon[k] = points[k].ToQPoint();
            return QRegion(polygon, Qt::OddEvenFill) & window;
        }
    }
    std::vector<TEdge> edges;
    edges.reserve(static_cast<size_t>(count));
    int64_t top = INT64_MAX, bottom = INT64_MIN;
    for (int i = 0; i < count; ++i) {
        TPoint a = points[i];
        TPoint b = points[(i + 1) % count];
        if (a.Y == b.Y)
            continue;
        if (a.Y > b.Y)
            std::swap(a, b);
        edges.push_back({a.X, a.Y, b.Y, static_cast<int64_t>(b.X) - a.X, static_cast<int64_t>(b.Y) - a.Y});
        top = std::min<int64_t>(top, a.Y);
        bottom = std::max<int64_t>(bottom, b.Y);
    }
    const int64_t firstRow = std::max<int64_t>(top, window.top());
    const int64_t endRow = std::min<int64_t>(bottom, static_cast<int64_t>(window.bottom()) + 1);
    const int64_t left = window.left(), right = static_cast<int64_t>(window.right()) + 1;
    std::vector<QRect> rects;
    std::vector<int64_t> crossings;
    std::vector<int64_t> spans, bandSpans; // [x0, x1) pairs of the current row and band
    int64_t bandTop = firstRow;
    const auto closeBand = [&](int64_t end) {
        for (size_t k = 0; k < bandSpans.size(); k += 2)
            rects.push_back(QRect(static_cast<int>(bandSpans[k]), static_cast<int>(bandTop),
                                  static_cast<int>(bandSpans[k + 1] - bandSpans[k]), static_cast<int>(end - bandTop)));
    };
    for (int64_t y = firstRow; y < endRow; ++y) {
        crossings.clear();
        for (const TEdge& e : edges)
            if (e.YTop <= y && y < e.YBottom)
                crossings.push_back(e.XTop + static_cast<int64_t>(CeilDiv(__int128{y - e.YTop} * e.Dx, e.Dy)));
        std::sort(crossings.begin(), crossings.end());
        spans.clear();
        for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
            const int64_t x0 = std::max(crossings[k], left), x1 = std::min(crossings[k + 1], right);
            if (x0 >= x1)
                continue;
            // Spans that touch are one: a row of a region never holds two that abut.
            if (!spans.empty() && spans.back() == x0)
                spans.back() = x1;
            else
                spans.insert(spans.end(), {x0, x1});
        }
        if (spans != bandSpans) {
            closeBand(y);
            bandSpans.swap(spans);
            bandTop = y;
        }
    }
    closeBand(endRow);
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}
