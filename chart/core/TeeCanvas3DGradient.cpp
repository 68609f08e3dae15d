// Gradient fills of the 3D canvas: bands of solid colour in every direction.

#include <cmath>
#include <utility>

#include "chart/core/TeeCanvas3D.h"

TColor TTeeCanvas3D::BandColor(TColor start, TColor end, int32_t band, int32_t divisor, int32_t balance)
{
    const TColor s = ColorToRGB(start), e = ColorToRGB(end);
    if (divisor <= 0)
        return s & 0xFFFFFF;
    const int32_t sr = GetRValue(s), sg = GetGValue(s), sb = GetBValue(s);
    const int32_t dr = GetRValue(e) - sr, dg = GetGValue(e) - sg, db = GetBValue(e) - sb;
    if (balance == 50) {
        return RGB(static_cast<uint8_t>(sr + band * dr / divisor), static_cast<uint8_t>(sg + band * dg / divisor),
                   static_cast<uint8_t>(sb + band * db / divisor));
    }
    const double x = std::pow((band + 1.0) / (divisor + 1.0), 0.5 + 0.015 * balance);
    auto channel = [x](int32_t from, int32_t diff) {
        return static_cast<uint8_t>(std::clamp(from + Round(diff * x), 0, 255));
    };
    return RGB(channel(sr, dr), channel(sg, dg), channel(sb, db));
}

void TTeeCanvas3D::FillBand(const TRect& rect, TColor color, TColor& lastColor, QBrush& brush)
{
    // One solid brush, rebuilt only when the band colour changes.
    if (color != lastColor) {
        brush = QBrush(TColorToQColor(color));
        lastColor = color;
    }
    GetHandle()->FillRect(rect, brush);
}

void TTeeCanvas3D::GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction,
                                int32_t balance)
{
    const TRect r = OrientRectangle(rect);
    if (direction == gdRadial) {
        TCustomTeeGradient radial;
        radial.SetDirection(gdRadial);
        radial.SetStartColor(startColor);
        radial.SetEndColor(endColor);
        radial.SetBalance(50);
        radial.Draw(this, r);
        return;
    }
    const int32_t w = r.Width(), h = r.Height();
    // An empty rectangle has no pixel to fill (and no size to divide by).
    if (w <= 0 || h <= 0)
        return;
    if (direction != gdTopBottom && direction != gdLeftRight)
        std::swap(startColor, endColor);
    TColor last = clNone;
    QBrush brush;
    switch (direction) {
    case gdTopBottom:
    case gdBottomTop: {
        // Band 0 lies at the bottom edge.
        const int32_t n = std::min(h, 256);
        if (n - 1 <= 0)
            return;
        for (int32_t i = 0; i < n; ++i) {
            const int32_t y0 = r.Bottom - static_cast<int32_t>(static_cast<int64_t>(h) * (i + 1) / n);
            const int32_t y1 = r.Bottom - static_cast<int32_t>(static_cast<int64_t>(h) * i / n);
            FillBand(TRect(r.Left, y0, r.Right, y1), BandColor(startColor, endColor, i, n - 1, balance), last, brush);
        }
        break;
    }
    case gdLeftRight:
    case gdRightLeft: {
        // Band 0 lies at the right edge.
        const int32_t n = std::min(w, 256);
        if (n - 1 <= 0)
            return;
        for (int32_t i = 0; i < n; ++i) {
            const int32_t x0 = r.Right - static_cast<int32_t>(static_cast<int64_t>(w) * (i + 1) / n);
            const int32_t x1 = r.Right - static_cast<int32_t>(static_cast<int64_t>(w) * i / n);
            FillBand(TRect(x0, r.Top, x1, r.Bottom), BandColor(startColor, endColor, i, n - 1, balance), last, brush);
        }
        break;
    }
    case gdFromCenter: {
        // Rings one pixel wide from the edge inward. A rectangle too small to have a centre
        // band draws nothing.
        const int32_t divisor = w / 2 + h / 2;
        if (divisor <= 0)
            return;
        int32_t dx = 0, dy = 0;
        for (;;) {
            const TColor c = BandColor(startColor, endColor, dx + dy, divisor, balance);
            const int32_t rows = h - 2 * dy, cols = w - 2 * dx;
            if (rows > 0) {
                FillBand(TRect(r.Left + dx, r.Top + dy, r.Left + dx + 1, r.Top + dy + rows), c, last, brush);
                FillBand(TRect(r.Right - dx - 1, r.Top + dy, r.Right - dx, r.Top + dy + rows), c, last, brush);
            }
            if (cols > 0) {
                FillBand(TRect(r.Left + dx, r.Top + dy, r.Left + dx + cols, r.Top + dy + 1), c, last, brush);
                FillBand(TRect(r.Left + dx, r.Bottom - dy - 1, r.Left + dx + cols, r.Bottom - dy), c, last, brush);
            }
            const bool more = dx < w / 2 || dy < h / 2;
            if (!more)
                break;
            if (dx < w / 2)
                ++dx;
            if (dy < h / 2)
                ++dy;
        }
        break;
    }
    case gdFromTopLeft:
    case gdFromBottomLeft: {
        const int32_t divisor = w + h;
        if (divisor <= 0)
            return;
        const bool fromTop = direction == gdFromTopLeft;
        const int32_t steps = std::max(w, h);
        for (int32_t s = 0; s <= steps; ++s) {
            const int32_t x = std::min(s, w), y = std::min(s, h);
            const TColor c = BandColor(startColor, endColor, x + y, divisor, balance);
            const int32_t row = fromTop ? r.Top + y : r.Bottom - 1 - y;
            if (x < w) {
                // The column from the current row to the starting edge.
                const TRect column = fromTop ? TRect(r.Left + x, r.Top, r.Left + x + 1, std::min(row + 1, r.Bottom))
                                             : TRect(r.Left + x, std::max(row, r.Top), r.Left + x + 1, r.Bottom);
                FillBand(column, c, last, brush);
            }
            if (y < h && x > 0)
                FillBand(TRect(r.Left, row, r.Left + x, row + 1), c, last, brush);
        }
        break;
    }
    case gdRadial: break;
    }
}
