#pragma once

// Small value types of the class library's controls: mouse buttons, the shift state, cursor
// ids and bevel cuts.

#include <QStringList>
#include <cstdint>

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The stored names of the mouse buttons, in the order of TMouseButton.
inline const QStringList& MouseButtonNames()
{
    static const QStringList names = {"mbLeft", "mbRight", "mbMiddle"};
    return names;
}

// The keys and buttons held during an input event, as a set of flags.
using TShiftState = uint32_t;
constexpr TShiftState ssShift = 1u << 0;
constexpr TShiftState ssAlt = 1u << 1;
constexpr TShiftState ssCtrl = 1u << 2;
constexpr TShiftState ssLeft = 1u << 3;
constexpr TShiftState ssRight = 1u << 4;
constexpr TShiftState ssMiddle = 1u << 5;
constexpr TShiftState ssDouble = 1u << 6;

// Whether every flag of required is held in shift.
constexpr bool ShiftContains(TShiftState shift, TShiftState required) { return (shift & required) == required; }

// A cursor id: the standard cursors are negative, 0 is the control's default, and positive
// ids are slots that the program fills (the chart's hand cursor is 2020).
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// The cut of a panel bevel.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
