#pragma once

// Unit variables of the panel unit's utilities and their start-up.

#include "platform/Colors.h"

extern bool TeeCheckPenWidth;
extern bool TeeClipWhenPrinting;
extern bool TeeClipWhenMetafiling;
extern bool TeeEraseBack;
extern bool PrintTeePanel;

// Bevel colours of DrawBevel.
constexpr TColor TeeBevelLightColor = clBtnHighlight;
constexpr TColor TeeBevelDarkColor = clBtnShadow;

// Fills the palette, registers the hand cursor and fixes the earliest rounded date.
void TeeProcsInitialize();
void TeeProcsFinalize();
