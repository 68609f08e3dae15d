#pragma once

// The device pen that a pen becomes when the canvas selects it.

#include <QPen>

#include "platform/graphics/Pen.h"

struct TDevicePen {
    QPen Pen;
    // Raster operation the painter applies with this pen.
    TPenMode Mode = pmCopy;
};

// Qt pen style of a class-library pen style (inside-frame draws solid).
Qt::PenStyle DevicePenStyle(TPenStyle style);

// A cosmetic one-pixel pen that sets every other pixel, in the colour resolved to RGB.
TDevicePen TeeCreatePenSmallDots(TColor color);
