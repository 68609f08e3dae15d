// Gradient fills of the 3D canvas: bands of solid colour in every direction.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "chart/core/TeeCanvas3D.h"

TColor TTeeCanvas3D::BandColor(TColor start, TColor end, int64_t band, int64_t divisor, int32_t balance)
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

namespace {

// The steps 0 to last of a ring or corner fill that may paint the device, in order: runs of
// steps, merged where they meet or overlap.
class TStepRuns
{
public:
    explicit TStepRuns(int64_t last) : FLast(last) {}
    void Add(int64_t from, int64_t to)
    {
        from = std::max<int64_t>(from, 0);
        to = std::min(to, FLast);
        if (from <= to)
            FRuns.push_back({from, to});
    }
    template <class F>
    void ForEach(F&& step)
    {
        std::sort(FRuns.begin(), FRuns.end());
        int64_t next = 0; // the first step not yet taken
        for (const auto& [from, to] : FRuns) {
            for (int64_t s = std::max(from, next); s <= to; ++s)
                step(s);
            next = std::max(next, to + 1);
        }
    }

private:
    int64_t FLast;
    std::vector<std::pair<int64_t, int64_t>> FRuns;
};

} // namespace

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
    // Sizes in 64 bits: a rectangle can be wider than an int measures. Every band edge lies
    // within the rectangle, so it fits an int again.
    const int64_t w = int64_t{r.Right} - r.Left, h = int64_t{r.Bottom} - r.Top;
    // An empty rectangle has no pixel to fill (and no size to divide by).
    if (w <= 0 || h <= 0)
        return;
    const auto at = [](int64_t v) { return static_cast<int32_t>(v); };
    if (direction != gdTopBottom && direction != gdLeftRight)
        std::swap(startColor, endColor);
    TColor last = clNone;
    QBrush brush;
    // Rings and corner steps number as many as the rectangle is wide: only those whose edge
    // rows or columns can fall on the device are painted, which leaves its pixels as they are
    // (the last step to paint a pixel of it always is one of them).
    const TRect device = GetHandle()->ReachableRect();
    switch (direction) {
    case gdTopBottom:
    case gdBottomTop: {
        // Band 0 lies at the bottom edge.
        const int64_t n = std::min<int64_t>(h, 256);
        if (n - 1 <= 0)
            return;
        for (int64_t i = 0; i < n; ++i) {
            const int32_t y0 = at(r.Bottom - h * (i + 1) / n), y1 = at(r.Bottom - h * i / n);
            FillBand(TRect(r.Left, y0, r.Right, y1), BandColor(startColor, endColor, i, n - 1, balance), last, brush);
        }
        break;
    }
    case gdLeftRight:
    case gdRightLeft: {
        // Band 0 lies at the right edge.
        const int64_t n = std::min<int64_t>(w, 256);
        if (n - 1 <= 0)
            return;
        for (int64_t i = 0; i < n; ++i) {
            const int32_t x0 = at(r.Right - w * (i + 1) / n), x1 = at(r.Right - w * i / n);
            FillBand(TRect(x0, r.Top, x1, r.Bottom), BandColor(startColor, endColor, i, n - 1, balance), last, brush);
        }
        break;
    }
    case gdFromCenter: {
        // Rings one pixel wide from the edge inward. A rectangle too small to have a centre
        // band draws nothing. Ring s paints columns s in from either side and rows s in from
        // the top and the bottom (each held at the middle once reached).
        const int64_t halfW = w / 2, halfH = h / 2, divisor = halfW + halfH;
        if (divisor <= 0)
            return;
        TStepRuns steps(std::max(halfW, halfH));
        steps.Add(int64_t{device.Left} - r.Left, int64_t{device.Right} - 1 - r.Left);
        steps.Add(int64_t{r.Right} - device.Right, int64_t{r.Right} - 1 - device.Left);
        steps.Add(int64_t{device.Top} - r.Top, int64_t{device.Bottom} - 1 - r.Top);
        steps.Add(int64_t{r.Bottom} - device.Bottom, int64_t{r.Bottom} - 1 - device.Top);
        steps.ForEach([&](int64_t s) {
            const int64_t dx = std::min(s, halfW), dy = std::min(s, halfH);
            const TColor c = BandColor(startColor, endColor, dx + dy, divisor, balance);
            // The ring's sides: all within the rectangle, so they fit an int.
            const int32_t left = at(r.Left + dx), right = at(r.Right - dx), top = at(r.Top + dy),
                          bottom = at(r.Bottom - dy);
            if (h - 2 * dy > 0) {
                FillBand(TRect(left, top, left + 1, bottom), c, last, brush);
                FillBand(TRect(right - 1, top, right, bottom), c, last, brush);
            }
            if (w - 2 * dx > 0) {
                FillBand(TRect(left, top, right, top + 1), c, last, brush);
                FillBand(TRect(left, bottom - 1, right, bottom), c, last, brush);
            }
        });
        break;
    }
    case gdFromTopLeft:
    case gdFromBottomLeft: {
        // Step s paints column s from its row to the starting edge, and its row (s rows from
        // the starting edge) up to column s.
        const int64_t divisor = w + h;
        const bool fromTop = direction == gdFromTopLeft;
        TStepRuns steps(std::max(w, h));
        steps.Add(int64_t{device.Left} - r.Left, int64_t{device.Right} - 1 - r.Left);
        if (fromTop)
            steps.Add(int64_t{device.Top} - r.Top, int64_t{device.Bottom} - 1 - r.Top);
        else
            steps.Add(int64_t{r.Bottom} - device.Bottom, int64_t{r.Bottom} - 1 - device.Top);
        steps.ForEach([&](int64_t s) {
            const int64_t x = std::min(s, w), y = std::min(s, h);
            const TColor c = BandColor(startColor, endColor, x + y, divisor, balance);
            const int64_t row = fromTop ? r.Top + y : r.Bottom - 1 - y;
            if (x < w) {
                // The column from the current row to the starting edge.
                const int32_t from = fromTop ? r.Top : at(std::max<int64_t>(row, r.Top));
                const int32_t to = fromTop ? at(std::min<int64_t>(row + 1, r.Bottom)) : r.Bottom;
                FillBand(TRect(at(r.Left + x), from, at(r.Left + x + 1), to), c, last, brush);
            }
            if (y < h && x > 0)
                FillBand(TRect(r.Left, at(row), at(r.Left + x), at(row + 1)), c, last, brush);
        });
        break;
    }
    case gdRadial: break;
    }
}
