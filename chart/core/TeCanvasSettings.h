#pragma once

// Unit-wide settings of the drawing unit and its start-up.

#include <QLocale>
#include <QRegion>
#include <QStringList>
#include <cstdint>
#include <memory>

extern int32_t TeeDefaultConePercent;
// Strong darkening of 3D side faces.
extern uint8_t DarkerColorQuantity;
// Mild darkening of 3D faces.
extern uint8_t DarkColorQuantity;
// The platform draws geometric and dotted pens (always so on Qt).
extern bool IsWindowsNT;
// Default size and name of every new TTeeFont, fixed at start-up.
extern int32_t GetDefaultFontSize;
extern QString GetDefaultFontName;
// Custom colours remembered between colour dialogs; none until the first dialog.
extern std::unique_ptr<QStringList> TeeCustomEditColors;
// Font quality of rotated text (4: antialiased).
extern uint8_t TeeFontAntiAlias;

// The clip saved by the clip operations of the canvas.
extern QRegion OldRegion;
extern bool WasOldRegion;

// The default font from the English message texts: on a Japanese system the plain "Arial"
// and 8 give way to the class library's default font name and size.
void TeeSetDefaultFont(const QLocale& locale, int32_t pixelsPerInch);

// Start-up of the drawing unit (the first call only) with the system locale; finish at the
// last call.
void TeCanvasInitialize();
void TeCanvasFinalize();
