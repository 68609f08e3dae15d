#pragma once

// Colours of the class library as the window system shows them: system colours from the
// application palette, and TColor to and from Qt colours.

#include <QColor>

#include "platform/Colors.h"

// A system colour becomes its current value from the application palette (0 for an unknown
// index, as the window system answers); every other value is returned unchanged, clNone and
// clDefault included.
TColor ColorToRGB(TColor c);

// Qt colour of a TColor: system colours resolved, clNone transparent, otherwise the low 24 bits.
QColor TColorToQColor(TColor c);
// TColor of a Qt colour (alpha ignored; a fully transparent colour gives clNone).
TColor QColorToTColor(const QColor& c);
