// Drawing of the gradient settings on a canvas.

#include <cmath>

#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeGradient.h"

namespace {

// On a monochrome canvas a colour becomes the grey of its channels' integer mean.
TColor ForCanvas(TCanvas3D* canvas, TColor color)
{
    if (!canvas->GetMonochrome() || color == clNone)
        return color;
    const TColor c = ColorToRGB(color);
    const uint8_t grey = static_cast<uint8_t>((GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3);
    return RGB(grey, grey, grey);
}

} // namespace

void TCustomTeeGradient::Draw(TCanvas3D* canvas, const TRect& rect, int32_t roundSize)
{
    const TColor mid = ForCanvas(canvas, FMidColor);
    const TColor start = ForCanvas(canvas, FStartColor);
    const TColor end = ForCanvas(canvas, FEndColor);
    if (roundSize > 0)
        ClipRoundRectangle(canvas, rect, roundSize);
    if (FDirection == gdRadial) {
        DrawRadial(canvas, rect);
    } else if (FUseMiddle) {
        const TRect r = OrientRectangle(rect);
        const int32_t midY = (r.Top + r.Bottom) / 2, midX = (r.Left + r.Right) / 2;
        const TRect upper(r.Left, r.Top, r.Right, midY), lower(r.Left, midY, r.Right, r.Bottom);
        const TRect left(r.Left, r.Top, midX, r.Bottom), right(midX, r.Top, r.Right, r.Bottom);
        switch (FDirection) {
        case gdTopBottom:
            canvas->GradientFill(upper, mid, end, FDirection, 50);
            canvas->GradientFill(lower, start, mid, FDirection, 50);
            break;
        case gdBottomTop:
            canvas->GradientFill(upper, start, mid, FDirection, 50);
            canvas->GradientFill(lower, mid, end, FDirection, 50);
            break;
        case gdLeftRight:
            canvas->GradientFill(left, mid, end, FDirection, 50);
            canvas->GradientFill(right, start, mid, FDirection, 50);
            break;
        case gdRightLeft:
            canvas->GradientFill(left, start, mid, FDirection, 50);
            canvas->GradientFill(right, mid, end, FDirection, 50);
            break;
        default: canvas->GradientFill(rect, start, end, FDirection, 50); break;
        }
    } else {
        canvas->GradientFill(rect, start, end, FDirection, FBalance);
    }
    if (roundSize > 0)
        canvas->UnClipRectangle();
}

void TCustomTeeGradient::Draw(TCanvas3D* canvas, const TFourPoints& points)
{
    ClipPolygon(canvas, points.data(), 4);
    Draw(canvas, RectFromPolygon(std::span<const TPoint>(points)));
    canvas->UnClipRectangle();
}

void TCustomTeeGradient::Draw(TCanvas3D* canvas, const TFourPoints& points, int32_t z)
{
    TFourPoints p = points;
    for (TPoint& q : p)
        canvas->Calculate3DPosition(q, z);
    Draw(canvas, p);
}

void TCustomTeeGradient::DrawRadial(TCanvas3D* canvas, const TRect& rect)
{
    const TRect r = OrientRectangle(rect);
    // Sizes in 64 bits: a rectangle can be wider than an int measures.
    const int64_t w = int64_t{r.Right} - r.Left, h = int64_t{r.Bottom} - r.Top;
    // An empty rectangle has no rings to draw (and nothing to divide by).
    if (w <= 0 || h <= 0)
        return;
    const int32_t max = static_cast<int32_t>(std::min<int64_t>(255, std::max(w, h)));
    int32_t n = max;
    if (w % 2 != 0 || h % 2 != 0)
        --n;
    ClipCanvas(canvas, r);
    TPen* pen = canvas->Pen();
    TBrush* brush = canvas->Brush();
    const TPenStyle oldPenStyle = pen->Style();
    const TColor oldBrushColor = brush->Color();
    const TColor start = ForCanvas(canvas, FStartColor);
    const TColor end = ForCanvas(canvas, FEndColor);
    pen->SetStyle(psClear);
    brush->SetColor(end);
    canvas->FillRect(r);
    const TColor s = ColorToRGB(start), e = ColorToRGB(end);
    const double cx = FRadialX + 1 + (double(r.Left) + r.Right) / 2.0;
    const double cy = FRadialY + 1 + (double(r.Top) + r.Bottom) / 2.0;
    for (int32_t i = n; i >= 0; --i) {
        TColor c;
        if (FBalance == 50) {
            auto channel = [&](uint8_t from, uint8_t to) {
                return static_cast<uint8_t>(from + Round(static_cast<double>(i) * (to - from) / max));
            };
            c = RGB(channel(GetRValue(s), GetRValue(e)), channel(GetGValue(s), GetGValue(e)),
                    channel(GetBValue(s), GetBValue(e)));
        } else {
            c = TTeeCanvas3D::BandColor(start, end, i, n, FBalance);
        }
        brush->SetColor(c);
        const double dx = i * w / (2.0 * max), dy = i * h / (2.0 * max);
        canvas->Ellipse(Round(cx - dx), Round(cy - dy), Round(cx + dx), Round(cy + dy));
    }
    pen->SetStyle(oldPenStyle);
    brush->SetColor(oldBrushColor);
    canvas->UnClipRectangle();
}

