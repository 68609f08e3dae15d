// Text output of the 3D canvas: shadow, outline, gradient-filled text, zoomed and rotated text.

#include <cstdlib>

#include "chart/core/TeeBlend.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeFont.h"

TRect TTeeCanvas3D::TextRectangle(int32_t x, int32_t y, const QString& text)
{
    const int32_t width = TextWidth(text);
    const int32_t height = TextHeight(text);
    const uint32_t align = GetTextAlign() & ~TA_BOTTOM;
    if (align == TA_RIGHT)
        return TRect(x - width, y, x, y + height);
    if (align == TA_CENTER)
        return TRect(x - width / 2, y, x + width / 2, y + height);
    return TRect(x, y, x + width, y + height);
}

void TTeeCanvas3D::TextOut(int32_t x, int32_t y, const QString& text)
{
    DoTextOut(x, y, text);
}

void TTeeCanvas3D::DoTextOut(int32_t x, int32_t y, const QString& text)
{
    TDeviceContext* dc = GetHandle();
    FCanvas->RequireFont();
    TTeeFont* font = FCurrentFont;
    int32_t tx = x, ty = y;
    const TTeeShadow* shadow = font ? font->ShadowIfAny() : nullptr;
    if (shadow && (shadow->HorizSize() != 0 || shadow->VertSize() != 0)) {
        // A negative size moves the text instead of the shadow.
        int32_t sx = x, sy = y;
        if (shadow->HorizSize() >= 0)
            sx = x + shadow->HorizSize();
        else
            tx = x - shadow->HorizSize();
        if (shadow->VertSize() >= 0)
            sy = y + shadow->VertSize();
        else
            ty = y - shadow->VertSize();
        TTeeBlend* blend = nullptr;
        if (shadow->Transparency() != 0)
            blend = BeginBlending(TextRectangle(sx, sy, text), shadow->Transparency());
        dc->SetTextColor(ColorToRGB(shadow->Color()));
        dc->TextOut(sx, sy, text);
        if (blend)
            EndBlending(blend);
    }
    dc->SetTextColor(ColorToRGB(FFont->Color()));

    const bool outline = font && font->HasOutLine() && font->OutLine()->Visible();
    const bool gradient = font && font->HasGradient() && font->Gradient()->Visible();
    if (!outline && !gradient) {
        dc->TextOut(tx, ty, text);
        return;
    }
    if (outline)
        AssignVisiblePen(font->OutLine());
    else
        FPen->SetStyle(psClear);
    const TColor fontColor = FFont->Color();
    FBrush->SetStyle(bsSolid);
    FBrush->SetColor(fontColor);
    SetBackMode(TRANSPARENT);
    bool fill = fontColor != clNone;
    if (gradient) {
        TTeeFontGradient* g = font->Gradient();
        QRegion old;
        const bool hadClip = dc->GetClipRegion(old);
        dc->IntersectClipText(tx, ty, text, g->Outline() ? std::max(1, FPen->Width()) : 0);
        g->Draw(this, TextRectangle(tx, ty, text));
        if (hadClip)
            dc->SelectClipRegion(old);
        else
            dc->RemoveClip();
        if (g->Outline())
            return;
        FBrush->SetStyle(bsClear);
        fill = false;
    }
    if (outline) {
        FCanvas->RequirePen();
        FCanvas->RequireBrush();
        dc->TextOutline(tx, ty, text, fill);
    }
}

int32_t TTeeCanvas3D::ZoomedFontHeight()
{
    const int32_t size = FFont->Size();
    const int32_t scaled = std::max(Round(size * ZoomFactor), 1);
    if (scaled == size)
        return 0;
    return -MulDiv(scaled, FFont->PixelsPerInch(), 72);
}

void TTeeCanvas3D::TextOut3D(int32_t x, int32_t y, int32_t z, const QString& text)
{
    const TPoint p = Calc3DPoint(x, y, z);
    const int32_t zoomed = ZoomText && ZoomFactor != 1.0 ? ZoomedFontHeight() : 0;
    if (zoomed == 0) {
        DoTextOut(p.X, p.Y, text);
        return;
    }
    const int32_t oldHeight = FFont->Height();
    FFont->SetHeight(zoomed);
    DoTextOut(p.X, p.Y, text);
    FFont->SetHeight(oldHeight);
}

void TTeeCanvas3D::RotateLabel(int32_t x, int32_t y, const QString& text, int32_t angle)
{
    FBrush->SetStyle(bsClear);
    if (angle > 360)
        angle -= 360;
    const int32_t oldHeight = FFont->Height();
    const int32_t zoomed = ZoomText && ZoomFactor != 1.0 ? ZoomedFontHeight() : 0;
    if (zoomed != 0)
        FFont->SetHeight(zoomed);
    FCanvas->RequireFont();
    TDeviceContext* dc = GetHandle();
    dc->SelectFont(dc->Font(), angle * 10);
    DoTextOut(x, y, text);
    dc->SelectFont(dc->Font(), 0);
    if (zoomed != 0)
        FFont->SetHeight(oldHeight);
}

void TTeeCanvas3D::RotateLabel3D(int32_t x, int32_t y, int32_t z, const QString& text, int32_t angle)
{
    const TPoint p = Calc3DPoint(x, y, z);
    RotateLabel(p.X, p.Y, text, angle);
}
