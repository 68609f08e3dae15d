#pragma once

// The 3D drawing interface: the 2D canvas plus the projection and the 3D primitives. Every
// operation added here projects the points it is given (x, y and a depth) before drawing; in
// a 2D paint the projection is the identity.

#include <functional>

#include "chart/core/Projection3D.h"
#include "chart/core/TeeCanvas.h"

class TView3DOptions;

// Surface cells for Surface3D: the two corners of cell (x, z); false ends the surface.
using TTeeCanvasCalcPoints = std::function<bool(int32_t x, int32_t z, TPoint3D& p0, TPoint3D& p1)>;

// The projection state (view options, orthogonal flag, rotation centre and the coefficients of
// one paint) is the TCanvas3DProjection base, computed by InitWindow and Projection.
class TCanvas3D : public TTeeCanvas, public TCanvas3DProjection
{
public:
    // ---- virtual operations, in declaration order (after those of TTeeCanvas) ----
    virtual TColor GetPixel3D(int32_t x, int32_t y, int32_t z) = 0;
    virtual bool GetSupportsFullRotation() = 0;
    virtual bool GetSupports3DText() = 0;
    virtual void SetPixel3D(int32_t x, int32_t y, int32_t z, TColor color) = 0;
    virtual void Calculate2DPosition(int32_t& x, int32_t& y, int32_t z) = 0;
    virtual TPoint Calculate3DPosition(int32_t x, int32_t y, int32_t z) = 0;
    // Prepares a paint and returns the rectangle to draw in.
    virtual TRect InitWindow(TCanvas* canvas, TView3DOptions* options, TColor backColor, bool is3D,
                             const TRect& bounds) = 0;
    // Copies Monochrome.
    virtual void Assign(TCanvas3D* source);
    virtual void Projection(int32_t maxDepth, const TRect& rect) = 0;
    virtual void ShowImage(TCanvas* destination, TCanvas* defaultCanvas, const TRect& rect) = 0;
    virtual bool ReDrawBitmap() = 0;
    virtual void Arrow(bool filled, TPoint from, TPoint to, int32_t headWidth, int32_t headHeight, int32_t z) = 0;
    virtual void ClipCube(const TRect& rect, int32_t z0, int32_t z1) = 0;
    virtual void Cone(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0,
                      int32_t z1, bool darkSides, int32_t conePercent) = 0;
    virtual void Cube(int32_t left, int32_t right, int32_t top, int32_t bottom, int32_t z0, int32_t z1,
                      bool darkSides = true) = 0;
    virtual void Cylinder(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0,
                          int32_t z1, bool darkSides) = 0;
    virtual void HorizLine3D(int32_t left, int32_t right, int32_t y, int32_t z) = 0;
    virtual void VertLine3D(int32_t x, int32_t top, int32_t bottom, int32_t z) = 0;
    // Drawn from z1 to z0.
    virtual void ZLine3D(int32_t x, int32_t y, int32_t z0, int32_t z1) = 0;
    virtual void EllipseWithZ(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t z) = 0;
    virtual void FrontPlaneBegin() = 0;
    virtual void FrontPlaneEnd() = 0;
    virtual void LineWithZ(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t z) = 0;
    virtual void MoveTo3D(int32_t x, int32_t y, int32_t z) = 0;
    virtual void LineTo3D(int32_t x, int32_t y, int32_t z) = 0;
    // Angles in radians; donutPercent 0 is a plain pie.
    virtual void Pie3D(int32_t xCenter, int32_t yCenter, int32_t xRadius, int32_t yRadius, int32_t z0, int32_t z1,
                       double startAngle, double endAngle, bool darkSides, bool drawSides,
                       int32_t donutPercent = 0) = 0;
    virtual void Plane3D(TPoint a, TPoint b, int32_t z0, int32_t z1) = 0;
    virtual void PlaneWithZ(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int32_t z) = 0;
    virtual void PlaneFour3D(const TFourPoints& points, int32_t z0, int32_t z1) = 0;
    virtual void PolygonWithZ(const TPoint* points, int32_t highIndex, int32_t z) = 0;
    virtual void Polyline(const TPoint* points, int32_t highIndex, int32_t z) = 0;
    virtual void Pyramid(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0,
                         int32_t z1, bool darkSides) = 0;
    virtual void PyramidTrunc(const TRect& rect, int32_t startZ, int32_t endZ, int32_t truncX, int32_t truncZ) = 0;
    virtual void RectangleWithZ(const TRect& rect, int32_t z) = 0;
    virtual void RectangleY(int32_t left, int32_t top, int32_t right, int32_t z0, int32_t z1) = 0;
    virtual void RectangleZ(int32_t left, int32_t top, int32_t bottom, int32_t z0, int32_t z1) = 0;
    virtual void RotateLabel3D(int32_t x, int32_t y, int32_t z, const QString& text, int32_t angle) = 0;
    virtual void Sphere(int32_t x, int32_t y, int32_t z, double radius) = 0;
    virtual void Surface3D(TTeeCanvasSurfaceStyle style, bool sameBrush, int32_t numX, int32_t numZ,
                           const TTeeCanvasCalcPoints& calcPoints) = 0;
    virtual void TextOut3D(int32_t x, int32_t y, int32_t z, const QString& text) = 0;
    // Only the first colour is used.
    virtual void Triangle3D(const TPoint3D& p0, const TPoint3D& p1, const TPoint3D& p2, TColor color0,
                            TColor color1, TColor color2) = 0;
    virtual void TriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int32_t z) = 0;

    // ---- non-virtual helpers ----
    using TTeeCanvas::Polyline;
    using TTeeCanvas::Polygon;
    void Calculate3DPosition(TPoint& p, int32_t z) { p = Calculate3DPosition(p.X, p.Y, z); }
    TRect CalcRect3D(const TRect& rect, int32_t z) { return TCanvas3DProjection::CalcRect3D(rect, z); }
    TFourPoints FourPointsFromRect(const TRect& rect, int32_t z) const
    {
        return TCanvas3DProjection::FourPointsFromRect(rect, z);
    }
    TRect RectFromRectZ(const TRect& rect, int32_t z) const { return TCanvas3DProjection::RectFromRectZ(rect, z); }
    void Cube(const TRect& rect, int32_t z0, int32_t z1, bool darkSides = true)
    {
        Cube(rect.Left, rect.Right, rect.Top, rect.Bottom, z0, z1, darkSides);
    }
    void LineWithZ(TPoint from, TPoint to, int32_t z) { LineWithZ(from.X, from.Y, to.X, to.Y, z); }
    void PlaneWithZ(const TFourPoints& p, int32_t z) { PlaneWithZ(p[0], p[1], p[2], p[3], z); }
    void Polyline(const TPointArray& points, int32_t z)
    {
        Polyline(points.constData(), static_cast<int32_t>(points.size()) - 1, z);
    }
    // An ellipse turned by angle degrees, filled with triangles from its centre at depth z.
    void RotatedEllipse(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z, double angle);
    // A picture laid on the plane at depth z, one filled cell per pixel.
    void StretchDraw(const TRect& rect, const TPicture* graphic, int32_t z);
    using TTeeCanvas::StretchDraw;
};
