#include "chart/core/TeeCanvas.h"

#include <cstdlib>

#include "platform/graphics/Canvas.h"
#include "chart/core/ChartBrush.h"
#include "chart/core/ChartPen.h"
#include "platform/graphics/DevicePen.h"
#include "chart/core/TeCanvasSettings.h"
#include "chart/core/TeeBlend.h"
#include "chart/core/TeeColorFunctions.h"
#include "chart/core/TeeFont.h"

TColor TTeeCanvas::GetBackColor()
{
    return GetHandle()->BkColor();
}

int32_t TTeeCanvas::GetBackMode()
{
    return GetHandle()->BkMode();
}

void TTeeCanvas::SetBackColor(TColor color)
{
    GetHandle()->SetBkColor(ColorToRGB(color));
}

TDeviceSize TTeeCanvas::GetDeviceSize()
{
    TDeviceSize result;
    if (TDeviceContext* dc = GetHandle()) {
        const QSize pixels = dc->PixelSize();
        const QSizeF mm = dc->PhysicalSize();
        result.Width = pixels.width();
        result.Height = pixels.height();
        result.WidthMM = mm.width();
        result.HeightMM = mm.height();
    }
    return result;
}

void TTeeCanvas::SetBackMode(int32_t mode)
{
    GetHandle()->SetBkMode(mode);
}

TTeeBlend* TTeeCanvas::BeginBlending(const TRect& rect, uint8_t transparency)
{
    FBlendTransparency = transparency;
    return new TTeeBlend(this, rect);
}

void TTeeCanvas::EndBlending(TTeeBlend* blend)
{
    if (!blend)
        return;
    blend->DoBlend(FBlendTransparency);
    delete blend;
}

int32_t TTeeCanvas::TextWidth(const QString& text)
{
    int32_t result = FCanvas ? FCanvas->TextWidth(text) : 0;
    if (FCurrentFont && FCurrentFont->HasShadow())
        result += std::abs(FCurrentFont->ShadowIfAny()->HorizSize());
    return result;
}

int32_t TTeeCanvas::TextHeight(const QString& text)
{
    int32_t result = FCanvas ? FCanvas->TextHeight(text) : 0;
    if (FCurrentFont && FCurrentFont->HasShadow())
        result += std::abs(FCurrentFont->ShadowIfAny()->VertSize());
    return result;
}

void TTeeCanvas::SetCanvas(TCanvas* canvas)
{
    FCanvas = canvas;
    FFont = canvas ? canvas->Font() : nullptr;
    FPen = canvas ? canvas->Pen() : nullptr;
    FBrush = canvas ? canvas->Brush() : nullptr;
}

void TTeeCanvas::ResetState()
{
    FPen->SetColor(clBlack);
    FPen->SetWidth(1);
    FPen->SetStyle(psSolid);
    FBrush->SetColor(clWhite);
    FBrush->SetStyle(bsSolid);
    // The whole text state: a new font's name, style, character set and pitch, no extra
    // spacing and no chart font's shadow, outline or gradient, whatever the last text used.
    TFont fresh;
    FFont->Assign(&fresh);
    FFont->SetColor(clBlack);
    FFont->SetSize(10);
    GetHandle()->SetTextCharacterExtra(0);
    FCurrentFont = nullptr;
    SetBackColor(clWhite);
    SetBackMode(TRANSPARENT);
    SetTextAlign(TA_LEFT);
}

void TTeeCanvas::AssignVisiblePen(TPen* pen)
{
    AssignVisiblePenColor(pen, pen->Color());
}

void TTeeCanvas::AssignVisiblePenColor(TPen* pen, TColor color)
{
    if (GetMonochrome())
        color = clBlack;
    auto* chartPen = dynamic_cast<TChartPen*>(pen);
    if (chartPen && !chartPen->Visible()) {
        FPen->SetStyle(psClear);
        return;
    }
    FPen->Assign(pen);
    FPen->SetColor(color);
    // Dotted and wide chart pens need a device pen of their own (dots, line ends, joins).
    if (chartPen && IsWindowsNT && (chartPen->SmallDots() || chartPen->Width() >= 2)) {
        TDevicePen device;
        TeeSetTeePen(device, *chartPen, color);
        FCanvas->SetPenHandle(device.Pen, device.Mode);
    }
}

void TTeeCanvas::AssignBrush(TBrush* brush, TColor backColor)
{
    AssignBrushColor(brush, brush->Color(), backColor);
}

void TTeeCanvas::AssignBrushColor(TBrush* brush, TColor color, TColor backColor)
{
    if (GetMonochrome())
        color = clWhite;
    auto* chartBrush = dynamic_cast<TChartBrush*>(brush);
    if (chartBrush && chartBrush->HasImage() && !chartBrush->Image()->Empty()) {
        FBrush->SetStyle(bsClear);
        FCanvas->SetBrushPattern(chartBrush->Image()->Graphic());
        GetHandle()->SetTextColor(ColorToRGB(color));
        SetBackMode(OPAQUE);
        SetBackColor(backColor);
        return;
    }
    if (FBrush->Color() != color)
        FBrush->SetColor(color);
    if (FBrush->Style() != brush->Style())
        FBrush->SetStyle(brush->Style());
    if (FBrush->Bitmap().cacheKey() != brush->Bitmap().cacheKey())
        FBrush->SetBitmap(brush->Bitmap());
    if (backColor == clNone) {
        SetBackMode(TRANSPARENT);
    } else {
        SetBackMode(OPAQUE);
        SetBackColor(backColor);
    }
}

void TTeeCanvas::AssignFont(TTeeFont* font)
{
    font->SetPixelsPerInch(FFont->PixelsPerInch());
    FFont->Assign(font);
    if (FFontZoom != 100.0)
        FFont->SetSize(Round(font->Size() * FFontZoom / 100.0));
    if (GetMonochrome())
        FFont->SetColor(clBlack);
    TDeviceContext* dc = GetHandle();
    if (dc->TextCharacterExtra() != font->InterCharSize())
        dc->SetTextCharacterExtra(font->InterCharSize());
    FCurrentFont = font;
    font->Canvas = this;
}

void TTeeCanvas::InternalDark(TColor color, uint8_t quantity)
{
    const TColor dark = ApplyDark(color, quantity);
    if (FBrush->Style() != bsSolid)
        SetBackColor(dark);
    else
        FBrush->SetColor(dark);
}
