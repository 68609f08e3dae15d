#pragma once

// The 2D half of the drawing interface every chart element draws through. Its operations take
// device coordinates and never project, also in a 3D paint.

#include <QString>
#include <cstdint>

#include "chart/core/TeeGeometry.h"
#include "chart/core/TeeGradient.h"
#include "platform/Colors.h"

class TCanvas;
class TDeviceContext;
class TPen;
class TBrush;
class TFont;
class TPicture;
class TChartPen;
class TChartBrush;
class TTeeFont;
class TTeeBlend;

enum TCanvasBackMode { cbmNone, cbmTransparent, cbmOpaque };
enum TTeeCanvasSurfaceStyle { tcsSolid, tcsWire, tcsDot };

// Background modes of the device.
constexpr int32_t TRANSPARENT = 1;
constexpr int32_t OPAQUE = 2;

// Text alignment flags of the device: horizontal (left, right, centre), vertical (top, bottom,
// baseline) and whether text output moves the current position.
constexpr uint32_t TA_NOUPDATECP = 0;
constexpr uint32_t TA_UPDATECP = 1;
constexpr uint32_t TA_LEFT = 0;
constexpr uint32_t TA_RIGHT = 2;
constexpr uint32_t TA_CENTER = 6;
constexpr uint32_t TA_TOP = 0;
constexpr uint32_t TA_BOTTOM = 8;
constexpr uint32_t TA_BASELINE = 24;

// The size of the device drawn on, in pixels and in millimetres; a zero is not known.
struct TDeviceSize {
    int32_t Width = 0;
    int32_t Height = 0;
    double WidthMM = 0;
    double HeightMM = 0;
};

class TTeeCanvas
{
public:
    TTeeCanvas() = default;
    virtual ~TTeeCanvas() = default;
    TTeeCanvas(const TTeeCanvas&) = delete;
    TTeeCanvas& operator=(const TTeeCanvas&) = delete;

    // ---- virtual operations, in declaration order ----
    virtual TColor GetBackColor();
    virtual int32_t GetBackMode();
    virtual TDeviceContext* GetHandle() = 0;
    virtual bool GetMonochrome() = 0;
    virtual TColor GetPixel(int32_t x, int32_t y) = 0;
    virtual uint32_t GetTextAlign() = 0;
    virtual bool GetUseBuffer() = 0;
    virtual void SetBackColor(TColor color);
    virtual void SetBackMode(int32_t mode);
    virtual void SetMonochrome(bool value) = 0;
    virtual void SetPixel(int32_t x, int32_t y, TColor color) = 0;
    virtual void SetTextAlign(uint32_t align) = 0;
    virtual void SetUseBuffer(bool value) = 0;
    // Saves the background under rect; EndBlending mixes the new drawing with it and frees
    // the blend.
    virtual TTeeBlend* BeginBlending(const TRect& rect, uint8_t transparency);
    virtual void EndBlending(TTeeBlend* blend);
    virtual void Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                     int32_t y4) = 0;
    // Angles in radians, counter-clockwise.
    virtual void Donut(int32_t xCenter, int32_t yCenter, int32_t xRadius, int32_t yRadius, double startAngle,
                       double endAngle, double holePercent) = 0;
    virtual void Draw(int32_t x, int32_t y, const TPicture* graphic) = 0;
    virtual void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    virtual void FillRect(const TRect& rect) = 0;
    // A bevel frame; rect comes back as the inside of the frame.
    virtual void Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int32_t width) = 0;
    virtual void LineTo(int32_t x, int32_t y) = 0;
    virtual void MoveTo(int32_t x, int32_t y) = 0;
    virtual void Pie(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                     int32_t y4) = 0;
    virtual void Rectangle(int32_t x0, int32_t y0, int32_t x1, int32_t y1) = 0;
    virtual void RoundRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3) = 0;
    virtual void StretchDraw(const TRect& rect, const TPicture* graphic) = 0;
    virtual void TextOut(int32_t x, int32_t y, const QString& text) = 0;
    // Text size with the current font, plus the size of the current chart font's shadow.
    virtual int32_t TextWidth(const QString& text);
    virtual int32_t TextHeight(const QString& text);
    virtual void ClipRectangle(const TRect& rect) = 0;
    virtual void DoHorizLine(int32_t x0, int32_t x1, int32_t y) = 0;
    virtual void DoVertLine(int32_t x, int32_t y0, int32_t y1) = 0;
    virtual void EraseBackground(const TRect& rect) = 0;
    // Balance 50 is linear.
    virtual void GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction,
                              int32_t balance = 50) = 0;
    virtual void Invalidate() = 0;
    virtual void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1) = 0;
    // Point lists are an array and its highest index (count - 1).
    virtual void Polyline(const TPoint* points, int32_t highIndex) = 0;
    virtual void Polygon(const TPoint* points, int32_t highIndex) = 0;
    // Text turned counter-clockwise by angle degrees.
    virtual void RotateLabel(int32_t x, int32_t y, const QString& text, int32_t angle) = 0;
    virtual void UnClipRectangle() = 0;

    // ---- state ----
    // Makes canvas the one drawn on and refreshes Font, Pen and Brush from it.
    void SetCanvas(TCanvas* canvas);
    TCanvas* Canvas() const { return FCanvas; }
    TFont* Font() const { return FFont; }
    TPen* Pen() const { return FPen; }
    TBrush* Brush() const { return FBrush; }
    uint8_t BlendTransparency() const { return FBlendTransparency; }
    TTeeFont* CurrentFont() const { return FCurrentFont; }
    double FontZoom() const { return FFontZoom; }
    void SetFontZoom(double value) { FFontZoom = value; }
    bool Monochrome() { return GetMonochrome(); }
    // The device of the handle while it draws; zeros when there is none.
    virtual TDeviceSize GetDeviceSize();
    bool UseBuffer() { return GetUseBuffer(); }

    // ---- selection of drawing settings ----
    // Pen black, width 1, solid; brush white, solid; font a new one's, black, size 10, with
    // no extra spacing and no chart font current; background white and transparent; text
    // alignment left-top.
    void ResetState();
    void AssignVisiblePen(TPen* pen);
    // An invisible chart pen only clears the current pen's style; monochrome draws black.
    void AssignVisiblePenColor(TPen* pen, TColor color);
    void AssignBrush(TBrush* brush, TColor backColor);
    // A brush image becomes the pattern, coloured in color; hatch gaps take backColor, or stay
    // transparent for clNone. Monochrome fills white.
    void AssignBrushColor(TBrush* brush, TColor color, TColor backColor);
    // Selects the chart font scaled by FontZoom (black when monochrome) with its extra
    // character spacing; text operations then honour its shadow, outline and gradient.
    void AssignFont(TTeeFont* font);
    int32_t FontHeight() { return TextHeight(QStringLiteral("W")); }

    // ---- overloads ----
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void DoRectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void RoundRect(const TRect& rect, int32_t x, int32_t y)
    {
        RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, x, y);
    }
    void Line(TPoint from, TPoint to) { Line(from.X, from.Y, to.X, to.Y); }
    void Polyline(const TPointArray& points) { Polyline(points.constData(), static_cast<int32_t>(points.size()) - 1); }
    void Polygon(const TPointArray& points) { Polygon(points.constData(), static_cast<int32_t>(points.size()) - 1); }

    // colour darkened by quantity; when the brush is not solid the background colour is set,
    // else the brush colour. Used by the shaded 3D shapes.
    void InternalDark(TColor color, uint8_t quantity);

protected:
    TCanvas* FCanvas = nullptr;
    TFont* FFont = nullptr;
    TPen* FPen = nullptr;
    TBrush* FBrush = nullptr;
    uint8_t FBlendTransparency = 0;
    TTeeFont* FCurrentFont = nullptr;
    double FFontZoom = 100.0;
};
