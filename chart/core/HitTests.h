#pragma once

// Hit tests in integer pixels for points, lines, polygons, triangles and ellipses.

#include <span>

#include "chart/core/TeeGeometry.h"

// P on the segment (x0, y0)-(x1, y1): close to the line and not beyond an end by more than
// the tolerance.
bool PointInLine(TPoint p, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t tolerance);
bool PointInLine(TPoint p, int32_t x0, int32_t y0, int32_t x1, int32_t y1);
bool PointInLine(TPoint p, TPoint p0, TPoint p1);
bool PointInLine(TPoint p, TPoint p0, TPoint p1, int32_t tolerance);
bool PointInLineTolerance(TPoint p, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t tolerance);

// Even-odd rule; false for no points.
bool PointInPolygon(TPoint p, std::span<const TPoint> points);
// Triangle (x0, y0), ((x0 + x1) div 2, y1), (x1, y0).
bool PointInTriangle(TPoint p, int32_t x0, int32_t x1, int32_t y0, int32_t y1);
// Triangle (x0, y0), (x1, (y0 + y1) div 2), (x0, y1).
bool PointInHorizTriangle(TPoint p, int32_t y0, int32_t y1, int32_t x0, int32_t x1);
// False for an ellipse of no width or height.
bool PointInEllipse(TPoint p, int32_t left, int32_t top, int32_t right, int32_t bottom);
bool PointInEllipse(TPoint p, const TRect& rect);

// The rectangle's corners rotated by angle degrees about its centre.
TFourPoints RectToFourPoints(const TRect& rect, double angle);

// Whether the segments (x1, y1)-(x2, y2) and (x3, y3)-(x4, y4) cross; x, y receive where the
// two lines meet.
bool CrossingLines(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                   double& x, double& y);
