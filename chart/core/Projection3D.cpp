#include "chart/core/Projection3D.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Degrees to radians, kept in extended precision.
long double Radians(long double degrees)
{
    return degrees * static_cast<long double>(TeePiStep);
}

// A rounded projected offset placed at a device centre, kept inside the 32-bit range: far
// points of a strong zoom or perspective must not overflow.
int32_t AtCentre(long double offset, int32_t centre)
{
    const int64_t v = static_cast<int64_t>(RoundExtended(offset)) + centre;
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

} // namespace

void TCanvas3DProjection::InitWindow3D(TView3DOptions* options, bool is3D)
{
    View3DOptions = options;
    Is3D = is3D;
    IsOrthogonal = false;
    ZoomFactor = 1.0;
    if (!Is3D)
        return;
    if (options) {
        IsOrthogonal = options->Orthogonal();
        if (IsOrthogonal) {
            int32_t angle = options->OrthoAngle();
            OrthoX = 1.0;
            if (angle > 90) {
                OrthoX = -1.0;
                angle = 180 - angle;
            }
            const long double c = std::cos(Radians(angle));
            const long double s = std::sin(Radians(angle));
            // Near 90 degrees the tangent would be huge or infinite.
            OrthoY = c < 0.01L ? 1.0 : static_cast<double>(s / c);
        }
        ZoomFactor = static_cast<double>(options->Zoom() * 0.01L);
        ZoomText = options->ZoomText();
    }
    CalcTrigValues();
}

void TCanvas3DProjection::CalcTrigValues()
{
    if (IsOrthogonal)
        return;
    long double r = 0, e = 0, t = 0;
    if (View3DOptions) {
        r = View3DOptions->Rotation();
        e = View3DOptions->Elevation();
        t = View3DOptions->Tilt();
    }
    HasPerspective = false;
    PerspectiveFactor = 0;

    SinRotation = std::sin(Radians(r));
    CosRotation = std::cos(Radians(r));
    SinElevation = std::sin(Radians(e));
    CosElevation = std::cos(Radians(e));
    SinTilt = std::sin(Radians(t));
    CosTilt = std::cos(Radians(t));

    const long double s1 = SinRotation, c1 = CosRotation;
    const long double s2 = SinElevation, c2 = CosElevation;
    const long double s3 = SinTilt, c3 = CosTilt;
    XY = static_cast<double>(c2 * s3);
    YY = static_cast<double>(std::max(c2 * c3, 0.00001L));
    XX = static_cast<double>(std::max(s1 * s2 * s3 + c1 * c3, 0.00001L));
    YX = static_cast<double>(c3 * s1 * s2 - c1 * s3);
    XZ = static_cast<double>(c1 * s2 * s3 - c3 * s1);
    YZ = static_cast<double>(c1 * c3 * s2 + s1 * s3);
    PX = static_cast<double>(c2 * s1);
    PZ = static_cast<double>(c1 * c2);
}

void TCanvas3DProjection::Projection(int32_t maxDepth, const TRect& rect)
{
    RectCenter(rect, XCenter, YCenter);
    XCenter = AtCentre(RotationCenter.X, XCenter);
    YCenter = AtCentre(RotationCenter.Y, YCenter);
    ZCenter = RoundExtended(maxDepth * 0.5L + RotationCenter.Z);
    XCenterOffset = XCenter;
    YCenterOffset = YCenter;
    if (!View3DOptions)
        return;
    XCenterOffset = AtCentre(View3DOptions->HorizOffset(), XCenter);
    YCenterOffset = AtCentre(View3DOptions->VertOffset(), YCenter);
    CalcPerspective(rect);
}

void TCanvas3DProjection::CalcPerspective(const TRect& rect)
{
    const int32_t perspective = View3DOptions ? View3DOptions->Perspective() : 0;
    const int64_t width = static_cast<int64_t>(rect.Right) - rect.Left;
    // A rectangle of no width has no scale to spread the perspective over: none at all,
    // rather than an infinite factor.
    HasPerspective = perspective > 0 && width != 0;
    PerspectiveFactor = 0;
    if (HasPerspective)
        PerspectiveFactor = static_cast<double>(perspective * static_cast<long double>(ZoomFactor) * (1.0L / 150.0L) / width);
}

void TCanvas3DProjection::Calc3DPos(int32_t& x, int32_t& y, int32_t z) const
{
    if (IsOrthogonal) {
        const long double zoom = ZoomFactor;
        const long double px = (z * static_cast<long double>(OrthoX) + (static_cast<long double>(x) - XCenter)) * zoom;
        const long double py = ((static_cast<long double>(y) - YCenter) - z * static_cast<long double>(OrthoY)) * zoom;
        x = AtCentre(px, XCenterOffset);
        y = AtCentre(py, YCenterOffset);
    } else if (Is3D) {
        const long double dx = static_cast<long double>(x) - XCenter;
        const long double dy = static_cast<long double>(y) - YCenter;
        const long double dz = static_cast<long double>(z) - ZCenter;
        long double f = ZoomFactor;
        if (HasPerspective)
            f = ZoomFactor - (dx * PX - dy * SinElevation + dz * PZ) * PerspectiveFactor;
        x = AtCentre((dx * XX + dy * XY + dz * XZ) * f, XCenterOffset);
        y = AtCentre(f * (dx * YX + dy * YY + dz * YZ), YCenterOffset);
    }
}

TPoint TCanvas3DProjection::Calc3DPoint(int32_t x, int32_t y, int32_t z) const
{
    Calc3DPos(x, y, z);
    return TPoint(x, y);
}

void TCanvas3DProjection::Calculate2DPosition(int32_t& x, int32_t& y, int32_t z) const
{
    if (ZoomFactor == 0)
        return;
    const long double k = 1.0L / ZoomFactor;
    if (IsOrthogonal) {
        x = AtCentre(k * (static_cast<long double>(x) - XCenterOffset) - z * static_cast<long double>(OrthoX), XCenter);
        y = AtCentre(k * (static_cast<long double>(y) - YCenterOffset) + z * static_cast<long double>(OrthoY), YCenter);
    } else if (Is3D && XX != 0 && YY != 0) {
        const long double X = x;
        const long double Y = y;
        const long double dz = static_cast<long double>(z) - ZCenter;
        x = AtCentre((k * (X - XCenterOffset) - dz * XZ - (Y - YCenter) * XY) / XX, XCenter);
        y = AtCentre((k * (Y - YCenterOffset) - dz * YZ - (X - XCenter) * YX) / YY, YCenter);
    }
}

TRect TCanvas3DProjection::CalcRect3D(const TRect& rect, int32_t z) const
{
    return TRect(Calc3DPoint(rect.Left, rect.Top, z), Calc3DPoint(rect.Right, rect.Bottom, z));
}

TFourPoints TCanvas3DProjection::FourPointsFromRect(const TRect& rect, int32_t z) const
{
    return TFourPoints{Calc3DPoint(rect.Left, rect.Top, z), Calc3DPoint(rect.Right, rect.Top, z),
                       Calc3DPoint(rect.Right, rect.Bottom, z), Calc3DPoint(rect.Left, rect.Bottom, z)};
}

TRect TCanvas3DProjection::RectFromRectZ(const TRect& rect, int32_t z) const
{
    const TFourPoints p = FourPointsFromRect(rect, z);
    return RectFromPolygon(std::span<const TPoint>(p));
}

void TCanvas3DProjection::FrontPlaneBegin()
{
    FWas3D = Is3D;
    Is3D = false;
}

void TCanvas3DProjection::FrontPlaneEnd()
{
    Is3D = FWas3D;
}
