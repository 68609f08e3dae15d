#pragma once

// Window regions of the class library's shapes.

#include <QRegion>

// The pixels of a rectangle (left, top) to (right, bottom), right and bottom outside, whose
// corners are quarters of an ellipse width wide and height high.
QRegion RoundRectRegion(int left, int top, int right, int bottom, int width, int height);
