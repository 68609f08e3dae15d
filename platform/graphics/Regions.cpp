#include "platform/graphics/Regions.h"

#include <algorithm>
#include <cmath>

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
        const int inset = static_cast<int>(std::lround(rx - dx));
        if (inset != runInset) {
            flush(y);
            runStart = y;
            runInset = inset;
        }
    }
    flush(bottom);
    return region;
}
