#pragma once

#include <QList>

#include "platform/Colors.h"

// The default series colours: entries 1 to 20 are used, entry 0 stays 0.
extern QList<TColor> ColorPalette;

// The palette colour for a series index, wrapping every 20 (index 0 is clRed).
TColor GetDefaultColor(int index);

void ColorPaletteInitialize();
void ColorPaletteFinalize();
