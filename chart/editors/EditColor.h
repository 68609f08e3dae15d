#pragma once

// Colour editing of the chart editors through the colour dialog of the dialog seam, so that
// tests answer for the user and nothing blocks.

#include "platform/Colors.h"

class QWidget;

// The colour chosen in the dialog, or the old colour when cancelled. Custom colours are
// remembered in TeeCustomEditColors between dialogs.
TColor EditColor(QWidget* owner, TColor color);
// True, with color updated, only when a different colour was chosen.
bool EditColorDialog(QWidget* owner, TColor& color);
