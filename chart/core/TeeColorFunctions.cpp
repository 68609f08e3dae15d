#include "chart/core/TeeColorFunctions.h"

#include <algorithm>

#include "platform/Types.h"
#include "platform/graphics/SystemColors.h"

TColor ApplyDark(TColor color, uint8_t quantity)
{
    const TColor c = ColorToRGB(color);
    auto dark = [quantity](uint8_t v) -> uint8_t { return v > quantity ? static_cast<uint8_t>(v - quantity) : 0; };
    return RGB(dark(GetRValue(c)), dark(GetGValue(c)), dark(GetBValue(c)));
}

TColor ApplyBright(TColor color, uint8_t quantity)
{
    const TColor c = ColorToRGB(color);
    auto bright = [quantity](uint8_t v) -> uint8_t { return static_cast<uint8_t>(std::min(255, v + quantity)); };
    return RGB(bright(GetRValue(c)), bright(GetGValue(c)), bright(GetBValue(c)));
}

void TeeGrayScale(QImage& bitmap, bool inverted, bool weighted)
{
    if (bitmap.isNull())
        return;
    const QImage::Format original = bitmap.format();
    QImage work = bitmap.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < work.height(); ++y) {
        uchar* line = work.scanLine(y);
        for (int x = 0; x < work.width(); ++x) {
            uchar* px = line + 3 * x;
            const int r = px[0], g = px[1], b = px[2];
            int grey = weighted ? Round(0.3 * r + 0.59 * g + 0.11 * b) : (r + g + b) / 3;
            grey = std::clamp(grey, 0, 255);
            if (inverted)
                grey = 255 - grey;
            px[0] = px[1] = px[2] = static_cast<uchar>(grey);
        }
    }
    bitmap = work.convertToFormat(original);
}
