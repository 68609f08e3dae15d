#include "chart/core/ColorPalette.h"

QList<TColor> ColorPalette;

void ColorPaletteInitialize()
{
    ColorPalette = {0,      clRed,  clGreen, clYellow, clBlue,   clWhite,  clGray,       clFuchsia,  clTeal,  clNavy,   clMaroon,
                    clLime, clOlive, clPurple, clSilver, clAqua, clBlack, clMoneyGreen, clSkyBlue, clCream, clMedGray};
}

void ColorPaletteFinalize()
{
    ColorPalette.clear();
}

TColor GetDefaultColor(int index)
{
    if (ColorPalette.size() < 21)
        ColorPaletteInitialize(); // asked before start-up: the palette is fixed, so build it
    // A negative index (no series position) counts from the end of the cycle instead of
    // reading outside the palette.
    int slot = index % 20;
    if (slot < 0)
        slot += 20;
    return ColorPalette[slot + 1];
}
