#include "chart/core/TeeGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

TRect OrientRectangle(const TRect& rect)
{
    TRect r = rect;
    if (r.Left > r.Right)
        std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    return r;
}

void RectSize(const TRect& rect, int32_t& width, int32_t& height)
{
    width = rect.Right - rect.Left;
    height = rect.Bottom - rect.Top;
}

void RectCenter(const TRect& rect, int32_t& x, int32_t& y)
{
    x = static_cast<int32_t>((static_cast<int64_t>(rect.Left) + rect.Right) / 2);
    y = static_cast<int32_t>((static_cast<int64_t>(rect.Top) + rect.Bottom) / 2);
}

TRect RectFromPolygon(std::span<const TPoint> points)
{
    if (points.empty())
        return TRect(); // no points, no area
    TRect r(points[0].X, points[0].Y, points[0].X, points[0].Y);
    for (const TPoint& p : points.subspan(1)) {
        r.Left = std::min(r.Left, p.X);
        r.Right = std::max(r.Right, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Bottom = std::max(r.Bottom, p.Y);
    }
    // The right and bottom edges lie outside; at the end of the range they stay on the last
    // coordinate, far off any device.
    r.Right = static_cast<int32_t>(std::min<int64_t>(int64_t{r.Right} + 1, INT32_MAX));
    r.Bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{r.Bottom} + 1, INT32_MAX));
    return r;
}

TRect RectFromPolygon(const TPoint* points, int count)
{
    return RectFromPolygon(std::span<const TPoint>(points, count > 0 ? static_cast<size_t>(count) : 0));
}

bool TeeCull(TPoint a, TPoint b, TPoint c)
{
    // Differences in 64 bits: points far apart differ by more than an int holds.
    const int64_t cross = (int64_t{a.X} - b.X) * (int64_t{c.Y} - b.Y) - (int64_t{c.X} - b.X) * (int64_t{a.Y} - b.Y);
    return cross < 0;
}

bool TeeCull(std::span<const TPoint> points)
{
    if (points.size() < 3)
        return false;
    return TeeCull(points[0], points[1], points[2]);
}

TPoint PointAtDistance(TPoint from, TPoint to, int32_t distance)
{
    if (from.X == to.X) {
        if (to.Y < from.Y)
            return TPoint(to.X, to.Y + distance);
        return TPoint(to.X, to.Y - distance);
    }
    const long double angle = std::atan2(static_cast<long double>(to.Y) - from.Y, static_cast<long double>(to.X) - from.X);
    return TPoint(to.X - RoundExtended(distance * std::cos(angle)), to.Y - RoundExtended(distance * std::sin(angle)));
}

double TeeDistance(double dx, double dy)
{
    return std::sqrt(dx * dx + dy * dy);
}

void SwapInteger(int32_t& a, int32_t& b)
{
    std::swap(a, b);
}

void SwapDouble(double& a, double& b)
{
    std::swap(a, b);
}

int32_t RoundExtended(long double value)
{
    if (std::isnan(value))
        return 0;
    // rintl is one instruction; nearbyintl saves and restores the floating-point environment
    // on every call. Both round halves to even in the default mode.
    const long double r = std::rintl(value);
    if (r >= static_cast<long double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (r <= static_cast<long double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}
