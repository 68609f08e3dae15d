#pragma once

// Colour names of the class library ("clRed", "clBtnFace", ...) and colours to and from them.

#include <QString>

#include "platform/Colors.h"

// The colour of a name (case-insensitive); false when the name is none of them.
bool IdentToColor(const QString& ident, TColor& color);
// The name of a colour; false when it has none.
bool ColorToIdent(TColor color, QString& ident);
