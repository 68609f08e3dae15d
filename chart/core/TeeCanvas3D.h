#pragma once

// The one implementation of the drawing interface: draws through a class-library canvas,
// by default into an off-screen image that is shown in one transfer at the end of a paint.

#include <QImage>
#include <memory>

#include "platform/graphics/Canvas.h"
#include "chart/core/Canvas3D.h"

class TTeeCanvas3D : public TCanvas3D
{
public:
    TTeeCanvas3D();
    ~TTeeCanvas3D() override;

    // ---- TTeeCanvas ----
    TDeviceContext* GetHandle() override;
    bool GetMonochrome() override { return FMonochrome; }
    TColor GetPixel(int32_t x, int32_t y) override;
    uint32_t GetTextAlign() override;
    bool GetUseBuffer() override { return FUseBuffer; }
    // A change marks the buffer stale and repaints the panel of the 3D options.
    void SetMonochrome(bool value) override;
    void SetPixel(int32_t x, int32_t y, TColor color) override;
    void SetTextAlign(uint32_t align) override;
    // Switching off drops the buffer bitmap; switching on draws into it again.
    void SetUseBuffer(bool value) override;
    void Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4) override;
    void Donut(int32_t xCenter, int32_t yCenter, int32_t xRadius, int32_t yRadius, double startAngle,
               double endAngle, double holePercent) override;
    void Draw(int32_t x, int32_t y, const TPicture* graphic) override;
    void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void FillRect(const TRect& rect) override;
    void Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int32_t width) override;
    void LineTo(int32_t x, int32_t y) override;
    void MoveTo(int32_t x, int32_t y) override;
    void Pie(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4) override;
    void Rectangle(int32_t x0, int32_t y0, int32_t x1, int32_t y1) override;
    void RoundRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3) override;
    void StretchDraw(const TRect& rect, const TPicture* graphic) override;
    void TextOut(int32_t x, int32_t y, const QString& text) override;
    void ClipRectangle(const TRect& rect) override;
    void DoHorizLine(int32_t x0, int32_t x1, int32_t y) override;
    void DoVertLine(int32_t x, int32_t y0, int32_t y1) override;
    void EraseBackground(const TRect& rect) override;
    void GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction,
                      int32_t balance = 50) override;
    void Invalidate() override { FDirty = true; }
    void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1) override;
    void Polyline(const TPoint* points, int32_t highIndex) override;
    void Polygon(const TPoint* points, int32_t highIndex) override;
    void RotateLabel(int32_t x, int32_t y, const QString& text, int32_t angle) override;
    void UnClipRectangle() override;

    // ---- TCanvas3D ----
    TColor GetPixel3D(int32_t x, int32_t y, int32_t z) override;
    bool GetSupportsFullRotation() override { return false; }
    bool GetSupports3DText() override { return false; }
    void SetPixel3D(int32_t x, int32_t y, int32_t z, TColor color) override;
    void Calculate2DPosition(int32_t& x, int32_t& y, int32_t z) override;
    TPoint Calculate3DPosition(int32_t x, int32_t y, int32_t z) override;
    TRect InitWindow(TCanvas* canvas, TView3DOptions* options, TColor backColor, bool is3D,
                     const TRect& bounds) override;
    void Projection(int32_t maxDepth, const TRect& rect) override;
    void ShowImage(TCanvas* destination, TCanvas* defaultCanvas, const TRect& rect) override;
    bool ReDrawBitmap() override;
    void Arrow(bool filled, TPoint from, TPoint to, int32_t headWidth, int32_t headHeight, int32_t z) override;
    void ClipCube(const TRect& rect, int32_t z0, int32_t z1) override;
    void Cone(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0, int32_t z1,
              bool darkSides, int32_t conePercent) override;
    void Cube(int32_t left, int32_t right, int32_t top, int32_t bottom, int32_t z0, int32_t z1,
              bool darkSides = true) override;
    void Cylinder(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0, int32_t z1,
                  bool darkSides) override;
    void HorizLine3D(int32_t left, int32_t right, int32_t y, int32_t z) override;
    void VertLine3D(int32_t x, int32_t top, int32_t bottom, int32_t z) override;
    void ZLine3D(int32_t x, int32_t y, int32_t z0, int32_t z1) override;
    void EllipseWithZ(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t z) override;
    void FrontPlaneBegin() override;
    void FrontPlaneEnd() override;
    void LineWithZ(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t z) override;
    void MoveTo3D(int32_t x, int32_t y, int32_t z) override;
    void LineTo3D(int32_t x, int32_t y, int32_t z) override;
    void Pie3D(int32_t xCenter, int32_t yCenter, int32_t xRadius, int32_t yRadius, int32_t z0, int32_t z1,
               double startAngle, double endAngle, bool darkSides, bool drawSides, int32_t donutPercent = 0) override;
    void Plane3D(TPoint a, TPoint b, int32_t z0, int32_t z1) override;
    void PlaneWithZ(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int32_t z) override;
    void PlaneFour3D(const TFourPoints& points, int32_t z0, int32_t z1) override;
    void PolygonWithZ(const TPoint* points, int32_t highIndex, int32_t z) override;
    void Polyline(const TPoint* points, int32_t highIndex, int32_t z) override;
    void Pyramid(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0, int32_t z1,
                 bool darkSides) override;
    void PyramidTrunc(const TRect& rect, int32_t startZ, int32_t endZ, int32_t truncX, int32_t truncZ) override;
    void RectangleWithZ(const TRect& rect, int32_t z) override;
    void RectangleY(int32_t left, int32_t top, int32_t right, int32_t z0, int32_t z1) override;
    void RectangleZ(int32_t left, int32_t top, int32_t bottom, int32_t z0, int32_t z1) override;
    void RotateLabel3D(int32_t x, int32_t y, int32_t z, const QString& text, int32_t angle) override;
    void Sphere(int32_t x, int32_t y, int32_t z, double radius) override;
    void Surface3D(TTeeCanvasSurfaceStyle style, bool sameBrush, int32_t numX, int32_t numZ,
                   const TTeeCanvasCalcPoints& calcPoints) override;
    void TextOut3D(int32_t x, int32_t y, int32_t z, const QString& text) override;
    void Triangle3D(const TPoint3D& p0, const TPoint3D& p1, const TPoint3D& p2, TColor color0, TColor color1,
                    TColor color2) override;
    void TriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int32_t z) override;

    // ---- own virtual operations ----
    // FourPoints as a filled polygon.
    virtual void PolygonFour();
    virtual void DeleteBitmap();
    // One block copy of the whole buffer to canvas at (x, y).
    virtual void TransferBitmap(int32_t x, int32_t y, TCanvas* canvas);

    using TCanvas3D::Calculate3DPosition;
    using TCanvas3D::Cube;
    using TCanvas3D::LineWithZ;
    using TCanvas3D::PlaneWithZ;
    using TCanvas3D::Polygon;
    using TCanvas3D::Polyline;
    using TCanvas3D::StretchDraw;
    using TTeeCanvas::Ellipse;
    using TTeeCanvas::Line;
    using TTeeCanvas::Rectangle;
    using TTeeCanvas::RoundRect;

    // The off-screen image; null until the first buffered paint.
    const QImage* Bitmap() const { return FBitmap.get(); }
    bool Dirty() const { return FDirty; }
    const TRect& Bounds() const { return FBounds; }
    // Scratch quadrilateral of the 3D shapes, drawn by PolygonFour.
    TFourPoints FourPoints;

    // The rectangle that TextOut at (x, y) covers: text size placed by the alignment.
    TRect TextRectangle(int32_t x, int32_t y, const QString& text);

protected:
    // Rounded radius-scaled font height for zoomed text; 0 when the size stays.
    int32_t ZoomedFontHeight();
    // Writes text with the current font: shadow, outline and gradient of CurrentFont.
    void DoTextOut(int32_t x, int32_t y, const QString& text);
    // One polygon of points projected at z, without allocation per call.
    void ProjectedPolygon(const TPoint* points, int count, int32_t z, bool closed);
    // The clip region of the device applied the unit-wide way (saved region, intersection).
    void ApplyClipRegion(const QRegion& region);

    // Band colour of a gradient: balance 50 is linear in integer arithmetic, other balances
    // follow a power curve.
    static TColor BandColor(TColor start, TColor end, int64_t band, int64_t divisor, int32_t balance);
    friend class TCustomTeeGradient;

private:
    void FillBand(const TRect& rect, TColor color, TColor& lastColor, QBrush& brush);
    void ConeOrCylinder(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0,
                        int32_t z1, bool darkSides, int32_t conePercent);

    bool FSavedIs3D = false;
    std::unique_ptr<QImage> FBitmap;
    std::unique_ptr<TCanvas> FBitmapCanvas;
    bool FDirty = true;
    bool FMonochrome = false;
    TRect FBounds;
    bool FUseBuffer = true;
    TPointArray FScratch;
};

// Clip operations on a 3D canvas, with the unit-wide saved region (clips do not nest).
void ClipCanvas(TCanvas3D* canvas, const TRect& rect);
void ClipEllipse(TCanvas3D* canvas, const TRect& rect);
void ClipRoundRectangle(TCanvas3D* canvas, const TRect& rect, int32_t roundSize);
void ClipPolygon(TCanvas3D* canvas, const TPoint* points, int count);
void UnClipCanvas(TCanvas3D* canvas);
