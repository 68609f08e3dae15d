#pragma once

#include <QImage>

// The smoothing step of an anti-aliased chart picture: a picture drawn at twice the size
// becomes one of the normal size, each pixel the average of its 2 x 2 block per channel
// (sum of four divided by 4, truncated). The result is 24-bit; an odd last row or column of
// the large picture is dropped.
QImage TeeHalveBitmap(const QImage& large);

class TCustomTeePanel;

// A smoothed picture of the panel: drawn at twice its size (fonts doubled, without repainting
// the screen or using the buffer) on its own colour, then halved.
QImage TeeAntiAlias(TCustomTeePanel* panel);
