#pragma once

// A canvas for layout tests: it logs every drawing call with its points instead of drawing,
// and measures text with fixed metrics (CharWidth per character, LineHeight per line), so that
// tests can check coordinates and call order on any machine.
//
// Calls made by the code under test have Depth 0. The 3D shapes and the compound operations
// are real (the drawing canvas's own code), so what they draw is logged too, with Depth 1 or
// more under the call that drew it: Count("Polygon") counts all polygons, TopLevel() only the
// calls made directly.
//
// Usage: TRecordingCanvas c; c.InitWindow(nullptr, options, clWhite, is3D, bounds);
// c.Projection(depth, rect); ... draw ...; then inspect c.Calls.

#include <QString>
#include <vector>

#include "chart/core/TeeCanvas3D.h"

struct TCanvasCall {
    QString Name;
    // Device points for flat operations (rectangles as two corners, arcs as four points);
    // panel points as given for the 3D operations.
    std::vector<TPoint> Points;
    // Other integer arguments in order (depths, sizes, flags, angles in degrees).
    std::vector<int64_t> Args;
    QString Text;
    int Depth = 0;
    TColor PenColor = clBlack;
    TPenStyle PenStyle = psSolid;
    int32_t PenWidth = 1;
    TColor BrushColor = clWhite;
    TBrushStyle BrushStyle = bsSolid;
    TColor FontColor = clBlack;
};

class TRecordingCanvas : public TTeeCanvas3D
{
public:
    TRecordingCanvas();

    static constexpr int32_t CharWidth = 6;
    static constexpr int32_t LineHeight = 12;

    std::vector<TCanvasCall> Calls;
    void Clear() { Calls.clear(); }
    // Calls of that name at any depth, in order.
    std::vector<const TCanvasCall*> Find(const QString& name) const;
    int Count(const QString& name) const { return static_cast<int>(Find(name).size()); }
    // Calls made directly by the code under test.
    std::vector<const TCanvasCall*> TopLevel() const;
    // "Name" of every call at depth 0, joined by spaces (quick order checks).
    QString Sequence() const;

    int32_t TextWidth(const QString& text) override;
    int32_t TextHeight(const QString& text) override;
    TColor GetPixel(int32_t, int32_t) override { return clNone; }
    // The device a test pretends to draw on; unknown (zeros) unless set.
    TDeviceSize Device;
    TDeviceSize GetDeviceSize() override { return Device; }

    TRect InitWindow(TCanvas* canvas, TView3DOptions* options, TColor backColor, bool is3D,
                     const TRect& bounds) override;
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
    void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1) override;
    void Polyline(const TPoint* points, int32_t highIndex) override;
    void Polygon(const TPoint* points, int32_t highIndex) override;
    void RotateLabel(int32_t x, int32_t y, const QString& text, int32_t angle) override;
    void UnClipRectangle() override;

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
    void TextOut3D(int32_t x, int32_t y, int32_t z, const QString& text) override;
    void Triangle3D(const TPoint3D& p0, const TPoint3D& p1, const TPoint3D& p2, TColor color0, TColor color1,
                    TColor color2) override;
    void TriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int32_t z) override;

    using TTeeCanvas3D::Cube;
    using TTeeCanvas3D::Ellipse;
    using TTeeCanvas3D::Line;
    using TTeeCanvas3D::LineWithZ;
    using TTeeCanvas3D::PlaneWithZ;
    using TTeeCanvas3D::Polygon;
    using TTeeCanvas3D::Polyline;
    using TTeeCanvas3D::Rectangle;
    using TTeeCanvas3D::RoundRect;
    using TTeeCanvas3D::StretchDraw;

private:
    // Logs a call at the current depth; the returned guard nests what it draws one level down.
    class TScope
    {
    public:
        TScope(TRecordingCanvas* canvas, const QString& name, std::vector<TPoint> points,
               std::vector<int64_t> args = {}, const QString& text = {});
        ~TScope() { --FCanvas->FDepth; }
        TScope(const TScope&) = delete;
        TScope& operator=(const TScope&) = delete;

    private:
        TRecordingCanvas* FCanvas;
    };

    int FDepth = 0;
};
