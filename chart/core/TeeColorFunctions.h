#pragma once

// Colour arithmetic of the drawing unit.

#include <QImage>
#include <cstdint>

#include "platform/Colors.h"

// The three colour bytes in pixel order.
struct TRGBValue {
    uint8_t Blue = 0;
    uint8_t Green = 0;
    uint8_t Red = 0;
    friend constexpr bool operator==(const TRGBValue&, const TRGBValue&) = default;
};

// The colour's bytes as they are, without resolving system colours.
constexpr TRGBValue RGBValue(TColor color)
{
    return TRGBValue{GetBValue(color), GetGValue(color), GetRValue(color)};
}

// Each channel of the resolved colour lowered by quantity, not below 0.
TColor ApplyDark(TColor color, uint8_t quantity);
// Each channel of the resolved colour raised by quantity, capped at 255.
TColor ApplyBright(TColor color, uint8_t quantity);

// Turns the image grey: weighted 0.3 R + 0.59 G + 0.11 B (rounded) or the plain mean;
// inverted gives 255 minus the grey. The image keeps its format.
void TeeGrayScale(QImage& bitmap, bool inverted, bool weighted);
