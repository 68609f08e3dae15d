#pragma once

// Geometry functions of the drawing unit: record constructors, rectangle helpers, distances
// and the back-face test.

#include <QList>
#include <array>
#include <cstdint>
#include <span>

#include "platform/Types.h"

// Degrees to radians.
constexpr double TeePiStep = 0.017453292519943295;

struct TPoint3D {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Z = 0;
    friend constexpr bool operator==(const TPoint3D&, const TPoint3D&) = default;
};

using TFourPoints = std::array<TPoint, 4>;
using TPointArray = QList<TPoint>;

constexpr TPoint TeePoint(int32_t x, int32_t y) { return TPoint(x, y); }
constexpr TRect TeeRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return TRect(left, top, right, bottom);
}
constexpr TPoint3D Point3D(int32_t x, int32_t y, int32_t z) { return TPoint3D{x, y, z}; }

// Right and bottom edges are outside.
constexpr bool PointInRect(const TRect& rect, int32_t x, int32_t y)
{
    return x >= rect.Left && y >= rect.Top && x < rect.Right && y < rect.Bottom;
}
constexpr bool PointInRect(const TRect& rect, TPoint p) { return PointInRect(rect, p.X, p.Y); }

// A copy with Left <= Right and Top <= Bottom.
TRect OrientRectangle(const TRect& rect);
void RectSize(const TRect& rect, int32_t& width, int32_t& height);
// Midpoints truncated toward zero.
void RectCenter(const TRect& rect, int32_t& x, int32_t& y);
// The bounds of the points with right and bottom one past the extreme points.
TRect RectFromPolygon(std::span<const TPoint> points);
TRect RectFromPolygon(const TPoint* points, int count);

// Back-face test of three projected points: true when the face turns away.
bool TeeCull(TPoint a, TPoint b, TPoint c);
bool TeeCull(std::span<const TPoint> points);

// The point at distance from `to`, on the line back toward `from`.
TPoint PointAtDistance(TPoint from, TPoint to, int32_t distance);
double TeeDistance(double dx, double dy);

void SwapInteger(int32_t& a, int32_t& b);
void SwapDouble(double& a, double& b);

// Nearest integer with halves to even, for results computed in extended precision
// (rounding through double first could turn a near-half into a half). Saturates like Round.
int32_t RoundExtended(long double value);
