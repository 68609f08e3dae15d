#pragma once

// The projection part of the 3D canvas: turns the view options, once per paint, into a few
// coefficients, then maps panel points with a depth to device points.

#include <cstdint>

#include "chart/core/TeeGeometry.h"
#include "chart/core/View3DOptions.h"

struct TRotationCenter {
    double X = 0;
    double Y = 0;
    double Z = 0;
};

class TCanvas3DProjection
{
public:
    // The 3D part of a paint's set-up: called by InitWindow before Projection.
    void InitWindow3D(TView3DOptions* options, bool is3D);
    // Sines, cosines and rotation coefficients of the rotated projection.
    void CalcTrigValues();
    // Centre of rotation and scroll offsets for the drawing rectangle and the chart depth.
    void Projection(int32_t maxDepth, const TRect& rect);
    // Perspective strength for the drawing rectangle; none for a rectangle of no width.
    void CalcPerspective(const TRect& rect);

    // Forward projection of (x, y, z) into device coordinates, in place.
    void Calc3DPos(int32_t& x, int32_t& y, int32_t z) const;
    TPoint Calc3DPoint(int32_t x, int32_t y, int32_t z) const;
    TPoint Calc3DPoint(TPoint p, int32_t z) const { return Calc3DPoint(p.X, p.Y, z); }

    // First-order inverse: a device point and an assumed depth back to panel coordinates.
    void Calculate2DPosition(int32_t& x, int32_t& y, int32_t z) const;
    TPoint Calculate3DPosition(int32_t x, int32_t y, int32_t z) const { return Calc3DPoint(x, y, z); }
    void Calculate3DPosition(TPoint& p, int32_t z) const { p = Calc3DPoint(p, z); }
    // The two corners projected separately (not normalised).
    TRect CalcRect3D(const TRect& rect, int32_t z) const;
    // Top-left, top-right, bottom-right, bottom-left, projected.
    TFourPoints FourPointsFromRect(const TRect& rect, int32_t z) const;
    // Bounds of the four projected corners, right and bottom one past the extremes.
    TRect RectFromRectZ(const TRect& rect, int32_t z) const;

    // Draws flat (rotated mode only) until FrontPlaneEnd.
    void FrontPlaneBegin();
    void FrontPlaneEnd();

    TView3DOptions* View3DOptions = nullptr;
    TRotationCenter RotationCenter;
    bool IsOrthogonal = false;
    bool Is3D = false;
    int32_t XCenter = 0;
    int32_t YCenter = 0;
    int32_t ZCenter = 0;
    int32_t XCenterOffset = 0;
    int32_t YCenterOffset = 0;
    double ZoomFactor = 1.0;
    bool ZoomText = true;
    double OrthoX = 1.0;
    double OrthoY = 1.0;
    long double SinRotation = 0;
    long double CosRotation = 1;
    long double SinElevation = 0;
    long double CosElevation = 1;
    long double SinTilt = 0;
    long double CosTilt = 1;
    double XX = 1, XY = 0, XZ = 0;
    double YX = 0, YY = 1, YZ = 0;
    double PX = 0, PZ = 0;
    bool HasPerspective = false;
    double PerspectiveFactor = 0;

private:
    bool FWas3D = false;
};
