#include "chart/core/TeeBlend.h"

#include <algorithm>

#include "chart/core/TeeCanvas.h"
#include "chart/core/TeeGeometry.h"
#include "platform/graphics/DeviceContext.h"

TTeeBlend::TTeeBlend(TTeeCanvas* canvas, const TRect& rect) : FCanvas(canvas)
{
    SetRectangle(rect);
}

void TTeeBlend::SetRectangle(const TRect& rect)
{
    FRect = OrientRectangle(rect);
    FRect.Left = std::max(FRect.Left, 0);
    FRect.Top = std::max(FRect.Top, 0);
    FRect.Right = std::max(FRect.Right, 0);
    FRect.Bottom = std::max(FRect.Bottom, 0);
    FValidSize = FRect.Width() > 0 && FRect.Height() > 0;
    if (!FValidSize)
        return;
    const QImage* image = FCanvas->GetHandle()->Image();
    if (!image) {
        FValidSize = false;
        return;
    }
    // Pixels outside the image come back black, as an unreadable device area would.
    FBitmap = image->copy(FRect.ToQRect()).convertToFormat(QImage::Format_RGB32);
}

void TTeeBlend::DoBlend(uint8_t transparency)
{
    if (!FValidSize)
        return;
    TDeviceContext* dc = FCanvas->GetHandle();
    const QImage* image = dc->Image();
    if (!image)
        return;
    const int x = FRect.Left, y = FRect.Top;
    const int w = std::min(FBitmap.width(), image->width() - x);
    const int h = std::min(FBitmap.height(), image->height() - y);
    if (w < 2 || h < 2)
        return;
    QImage now = image->copy(x, y, w, h).convertToFormat(QImage::Format_RGB32);
    const int t = transparency;
    for (int row = 0; row < h; ++row) {
        auto* dst = reinterpret_cast<QRgb*>(now.scanLine(row));
        const auto* saved = reinterpret_cast<const QRgb*>(FBitmap.constScanLine(row));
        for (int col = 0; col < w; ++col) {
            int r = qRed(dst[col]), g = qGreen(dst[col]), b = qBlue(dst[col]);
            // Pure white (the three colour bytes alone) is kept just off white.
            if (r == 255 && g == 255 && b == 255)
                r = 254;
            const QRgb s = saved[col];
            r += t * (qRed(s) - r) / 100;
            g += t * (qGreen(s) - g) / 100;
            b += t * (qBlue(s) - b) / 100;
            dst[col] = qRgb(r, g, b);
        }
    }
    dc->DrawImage(x, y, now);
}
