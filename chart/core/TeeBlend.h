#pragma once

// Transparency by blending: the background under a rectangle is saved before drawing, and the
// new drawing is then mixed with it pixel by pixel.

#include <QImage>
#include <cstdint>

#include "platform/Types.h"

class TTeeCanvas;

class TTeeBlend
{
public:
    // Saves the background under rect.
    TTeeBlend(TTeeCanvas* canvas, const TRect& rect);

    // Normalises rect, clamps negative coordinates to 0 and saves what lies under it; a rect
    // of no area (or on a device that cannot be read) blends nothing.
    void SetRectangle(const TRect& rect);
    // new + transparency x (saved - new) / 100 per channel: 0 keeps the new drawing, 100
    // restores the background.
    void DoBlend(uint8_t transparency);

    bool ValidSize() const { return FValidSize; }
    const TRect& Rect() const { return FRect; }

private:
    QImage FBitmap;
    TTeeCanvas* FCanvas;
    TRect FRect;
    bool FValidSize = false;
};
