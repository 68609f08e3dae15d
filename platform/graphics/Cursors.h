#pragma once

// The screen's cursors: the standard ids map onto the system shapes, positive ids are slots
// that the program fills with its own cursors.

#include <QCursor>

#include "platform/graphics/ControlTypes.h"

// The cursor of an id: a filled slot, else the system shape of a standard id, else the arrow.
QCursor ScreenCursor(TCursor id);
// Fills or empties a slot.
void SetScreenCursor(TCursor id, const QCursor& cursor);
void ClearScreenCursor(TCursor id);
bool HasScreenCursor(TCursor id);
