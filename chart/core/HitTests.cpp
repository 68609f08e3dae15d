#include "chart/core/HitTests.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// False when F lies more than the tolerance on one side of E while P lies more than the
// tolerance on the other side, on either axis.
bool NotBeyondEnd(TPoint p, TPoint e, TPoint f, int64_t tol)
{
    const int64_t px = p.X, py = p.Y, ex = e.X, ey = e.Y, fx = f.X, fy = f.Y;
    if (fx + tol < ex && ex + tol < px)
        return false;
    if (ex + tol < fx && px + tol < ex)
        return false;
    if (fy + tol < ey && ey + tol < py)
        return false;
    if (ey + tol < fy && py + tol < ey)
        return false;
    return true;
}

} // namespace

bool PointInLine(TPoint p, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t tolerance)
{
    const double dx = static_cast<double>(x1) - x0;
    const double dy = static_cast<double>(y1) - y0;
    const double cross = dy * (static_cast<double>(p.X) - x0) - (static_cast<double>(p.Y) - y0) * dx;
    if (!(std::fabs(cross) < std::max(std::fabs(dx), std::fabs(dy))))
        return false;
    const TPoint a(x0, y0), b(x1, y1);
    return NotBeyondEnd(p, a, b, tolerance) && NotBeyondEnd(p, b, a, tolerance);
}

bool PointInLine(TPoint p, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    return PointInLine(p, x0, y0, x1, y1, 0);
}

bool PointInLine(TPoint p, TPoint p0, TPoint p1)
{
    return PointInLine(p, p0.X, p0.Y, p1.X, p1.Y, 0);
}

bool PointInLine(TPoint p, TPoint p0, TPoint p1, int32_t tolerance)
{
    return PointInLine(p, p0.X, p0.Y, p1.X, p1.Y, tolerance);
}

bool PointInLineTolerance(TPoint p, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t tolerance)
{
    return PointInLine(p, x0, y0, x1, y1, tolerance);
}

bool PointInPolygon(TPoint p, std::span<const TPoint> points)
{
    bool inside = false;
    const size_t n = points.size();
    if (n == 0)
        return false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const TPoint& pi = points[i];
        const TPoint& pj = points[j];
        if ((p.Y >= pi.Y && p.Y < pj.Y) || (p.Y >= pj.Y && p.Y < pi.Y)) {
            const double xCross = (static_cast<double>(pj.X) - pi.X) * (static_cast<double>(p.Y) - pi.Y)
                                      / (static_cast<double>(pj.Y) - pi.Y)
                                  + pi.X;
            if (p.X < xCross)
                inside = !inside;
        }
    }
    return inside;
}

bool PointInTriangle(TPoint p, int32_t x0, int32_t x1, int32_t y0, int32_t y1)
{
    const TPoint pts[3] = {TPoint(x0, y0), TPoint(static_cast<int32_t>((static_cast<int64_t>(x0) + x1) / 2), y1),
                           TPoint(x1, y0)};
    return PointInPolygon(p, pts);
}

bool PointInHorizTriangle(TPoint p, int32_t y0, int32_t y1, int32_t x0, int32_t x1)
{
    const TPoint pts[3] = {TPoint(x0, y0), TPoint(x1, static_cast<int32_t>((static_cast<int64_t>(y0) + y1) / 2)),
                           TPoint(x0, y1)};
    return PointInPolygon(p, pts);
}

bool PointInEllipse(TPoint p, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    const int64_t cx = (static_cast<int64_t>(left) + right) / 2;
    const int64_t cy = (static_cast<int64_t>(top) + bottom) / 2;
    const int64_t a = cx - left;
    const int64_t b = cy - top;
    if (a == 0 || b == 0)
        return false;
    const double dx = static_cast<double>(p.X - cx);
    const double dy = static_cast<double>(p.Y - cy);
    return dx * dx / static_cast<double>(a * a) + dy * dy / static_cast<double>(b * b) <= 1.0;
}

bool PointInEllipse(TPoint p, const TRect& rect)
{
    return PointInEllipse(p, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

TFourPoints RectToFourPoints(const TRect& rect, double angle)
{
    int32_t cx = 0, cy = 0;
    RectCenter(rect, cx, cy);
    const long double a = angle * static_cast<long double>(TeePiStep);
    const long double s = std::sin(a);
    const long double c = std::cos(a);
    auto rotate = [&](int32_t px, int32_t py) {
        const long double x = static_cast<long double>(px) - cx;
        const long double y = static_cast<long double>(py) - cy;
        return TPoint(RoundExtended(x * c + y * s) + cx, RoundExtended(-x * s + y * c) + cy);
    };
    return TFourPoints{rotate(rect.Left, rect.Top), rotate(rect.Right, rect.Top), rotate(rect.Right, rect.Bottom),
                       rotate(rect.Left, rect.Bottom)};
}

bool CrossingLines(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                   double& x, double& y)
{
    // Solve the two lines in parametric form; a determinant this small means parallel lines.
    const double d = (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
    if (std::fabs(d) <= 1e-15) {
        x = x1;
        y = y1;
        return false;
    }
    const double t = ((x3 - x1) * (y4 - y3) - (y3 - y1) * (x4 - x3)) / d;
    const double u = ((x3 - x1) * (y2 - y1) - (y3 - y1) * (x2 - x1)) / d;
    x = x1 + t * (x2 - x1);
    y = y1 + t * (y2 - y1);
    return t >= 0 && t <= 1 && u >= 0 && u <= 1;
}
