#pragma once

// A drawing canvas painting into its own white RGB32 back buffer, for pixel probes.

#include <QImage>

#include "chart/core/TeeCanvas3D.h"

struct TPaintedCanvas {
    TTeeCanvas3D Canvas;

    TPaintedCanvas(int width, int height)
    {
        Canvas.InitWindow(nullptr, nullptr, clWhite, false, TRect(0, 0, width, height));
        Canvas.ResetState();
    }
    // The pixel as 0xRRGGBB.
    unsigned At(int x, int y) const { return Canvas.Bitmap()->pixel(x, y) & 0xFFFFFFu; }
    QImage Copy() const { return Canvas.Bitmap()->copy(); }
};

constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kBlack = 0x000000;
constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kGreen = 0x00FF00;
constexpr unsigned kBlue = 0x0000FF;
