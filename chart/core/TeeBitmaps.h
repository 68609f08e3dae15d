#pragma once

// Bitmaps and the hand cursor from the program's resources.

#include <QCursor>
#include <QImage>
#include <QString>

class TObject;

// Loads the first of the bitmaps named name1 and name2 found in the resources; false and the
// bitmap unchanged when neither exists.
bool TeeLoadBitmap(QImage& bitmap, const QString& name1, const QString& name2);
// The editor bitmap of an object: named after its class, else after its parent class.
bool TeeGetBitmapEditor(const TObject* object, QImage& bitmap);

// Cursor slot of the hand cursor.
constexpr int HandCursorId = 2020;

// The screen's cursor slots: a cursor stored under an id, and the arrow for an empty slot.
QCursor TeeScreenCursor(int id);
void TeeSetScreenCursor(int id, const QCursor& cursor);
void TeeClearScreenCursor(int id);
bool TeeHasScreenCursor(int id);

// The hand cursor drawn for the chart, loaded from the resources by its name
// "TEE_CURSOR_HAND".
QCursor TeeLoadHandCursor();
