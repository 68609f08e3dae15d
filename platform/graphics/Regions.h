#pragma once

// Window regions of the class library's shapes.

#include <QRect>
#include <QRegion>

#include "platform/Types.h"

// The pixels of a rectangle (left, top) to (right, bottom), right and bottom outside, whose
// corners are quarters of an ellipse width wide and height high.
QRegion RoundRectRegion(int left, int top, int right, int bottom, int width, int height);

// The pixels of a polygon filled odd-even, exactly those of QRegion(polygon, Qt::OddEvenFill),
// but only the ones inside window. Qt scans every row of the polygon and gathers a rectangle
// for each, which grows with the polygon's height however little of it is ever seen (a 3D
// chart's clip reaches far beyond the device); here only the window's rows are worked out,
// each edge's crossing of a row in closed form. A row y holds the edges whose upper end lies
// on or above it and whose lower end below it; an edge crosses it at
// xTop + ceil((y - yTop) * dx / dy), the column Qt's stepping reaches; the sorted crossings
// pair off into spans [x0, x1). Coordinates beyond 2^29 (where Qt's own stepping could no
// longer be trusted to match) go to Qt, unless the polygon is too tall for Qt to scan.
QRegion PolygonRegion(const TPoint* points, int count, const QRect& window);

// Whether Qt can work out a polygon's region itself: it gathers a rectangle for every row of
// the polygon, and those of one over a million rows tall take more memory than there is.
bool QtCanScan(const TPoint* points, int count);
