#pragma once

// The device pen that a chart pen becomes when the canvas selects it.

#include <QPen>

#include "chart/core/ChartPen.h"

struct TDevicePen {
    QPen Pen;
    // Raster operation the painter applies with this pen.
    TPenMode Mode = pmCopy;
};

// Qt pen style of a class-library pen style (inside-frame draws solid).
Qt::PenStyle DevicePenStyle(TPenStyle style);

// A cosmetic one-pixel pen that sets every other pixel, in the colour resolved to RGB.
TDevicePen TeeCreatePenSmallDots(TColor color);

// Builds the device pen for a visible chart pen drawn in colour: small dots win over width;
// a pen of width 2 or more is a geometric pen with the chart pen's line ends and joins; a pen
// of width 1 copies the chart pen and takes the colour.
void TeeSetTeePen(TDevicePen& devicePen, const TChartPen& chartPen, TColor color);
