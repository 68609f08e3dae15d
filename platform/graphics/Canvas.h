#pragma once

// The class library's canvas: a pen, a brush and a font that the caller changes freely, and a
// device context that draws with them. The objects are turned into device objects only when
// something is drawn after a change, so that setting a value that is already set costs nothing.

#include <QImage>
#include <QString>
#include <cstdint>

#include "platform/graphics/Brush.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"
#include "platform/Types.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/SystemColors.h"

class TPicture;

class TCanvas
{
public:
    TCanvas();
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Starts drawing on a paint device (own painter) or with an active painter (not owned).
    bool BeginPaint(QPaintDevice* device);
    void BeginOnPainter(QPainter* painter);
    void EndPaint();

    TPen* Pen() { return &FPen; }
    TBrush* Brush() { return &FBrush; }
    TFont* Font() { return &FFont; }
    TDeviceContext* Handle() { return &FDC; }

    // A device pen built elsewhere (geometric and dotted chart pens) replaces the one built
    // from Pen until Pen changes. The raster operation comes with it.
    void SetPenHandle(const QPen& pen, int penMode);
    // A picture as the brush pattern until Brush changes.
    void SetBrushPattern(const QImage& pattern);

    void MoveTo(int32_t x, int32_t y);
    void LineTo(int32_t x, int32_t y);
    void Polyline(const TPoint* points, int count);
    void Polygon(const TPoint* points, int count);
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width, int32_t height);
    void Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4);
    void Pie(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4);
    // The brush over rect, no pen.
    void FillRect(const TRect& rect);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& rect);
    void TextOut(int32_t x, int32_t y, const QString& text);
    TSize TextExtent(const QString& text);
    int32_t TextWidth(const QString& text) { return TextExtent(text).cx; }
    int32_t TextHeight(const QString& text) { return TextExtent(text).cy; }
    void Draw(int32_t x, int32_t y, const QImage& image);
    void StretchDraw(const TRect& rect, const QImage& image);
    TColor Pixel(int32_t x, int32_t y);
    void SetPixel(int32_t x, int32_t y, TColor color);

    // Makes the device objects current (the text operations and paths use them directly).
    void RequirePen();
    void RequireBrush();
    void RequireFont();

    // The Qt pen, brush and font that a class-library pen, brush or font becomes.
    static QPen DevicePenOf(const TPen& pen);
    static QBrush DeviceBrushOf(const TBrush& brush);
    static QFont DeviceFontOf(const TFont& font);

private:
    TDeviceContext FDC;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    bool FPenDirty = true;
    bool FBrushDirty = true;
    bool FFontDirty = true;
    bool FPenHandleSet = false;
};
