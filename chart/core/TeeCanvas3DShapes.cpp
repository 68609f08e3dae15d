// 3D shapes of the canvas: planes and lines at a depth, boxes, pies and donuts, cones and
// cylinders, pyramids, arrows and ellipses. Hidden faces are skipped by a sign test on the
// projected points; side faces are darkened from one base colour.

#include <array>
#include <cmath>

#include "chart/core/TeCanvasSettings.h"
#include "chart/core/TeeCanvas3D.h"

namespace {

// Sign of a face from its stored points p1, p2, p3.
int64_t FaceSign(const TFourPoints& p)
{
    return (static_cast<int64_t>(p[3].X) - p[2].X) * (static_cast<int64_t>(p[1].Y) - p[2].Y)
           - (static_cast<int64_t>(p[1].X) - p[2].X) * (static_cast<int64_t>(p[3].Y) - p[2].Y);
}

// The colour that shading starts from: the background behind a non-solid brush, else the brush.
TColor ShadeBase(TTeeCanvas* canvas)
{
    return canvas->Brush()->Style() != bsSolid ? canvas->GetBackColor() : canvas->Brush()->Color();
}

void RestoreBase(TTeeCanvas* canvas, TColor base)
{
    if (canvas->Brush()->Style() != bsSolid)
        canvas->SetBackColor(base);
    else
        canvas->Brush()->SetColor(base);
}

} // namespace

void TTeeCanvas3D::ProjectedPolygon(const TPoint* points, int count, int32_t z, bool closed)
{
    if (count <= 0)
        return;
    FScratch.resize(count);
    for (int i = 0; i < count; ++i)
        FScratch[i] = Calc3DPoint(points[i], z);
    if (closed)
        Polygon(FScratch.constData(), count - 1);
    else
        Polyline(FScratch.constData(), count - 1);
}

// ---- planes, lines, points ----

void TTeeCanvas3D::PolygonWithZ(const TPoint* points, int32_t highIndex, int32_t z)
{
    ProjectedPolygon(points, highIndex + 1, z, true);
}

void TTeeCanvas3D::Polyline(const TPoint* points, int32_t highIndex, int32_t z)
{
    ProjectedPolygon(points, highIndex + 1, z, false);
}

void TTeeCanvas3D::PlaneWithZ(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int32_t z)
{
    FourPoints = {Calc3DPoint(p1, z), Calc3DPoint(p2, z), Calc3DPoint(p3, z), Calc3DPoint(p4, z)};
    PolygonFour();
}

void TTeeCanvas3D::Plane3D(TPoint a, TPoint b, int32_t z0, int32_t z1)
{
    FourPoints = {Calc3DPoint(a, z0), Calc3DPoint(b, z0), Calc3DPoint(b, z1), Calc3DPoint(a, z1)};
    PolygonFour();
}

void TTeeCanvas3D::PlaneFour3D(const TFourPoints& points, int32_t z0, int32_t z1)
{
    FourPoints = {Calc3DPoint(points[0], z0), Calc3DPoint(points[1], z0), Calc3DPoint(points[2], z1),
                  Calc3DPoint(points[3], z1)};
    PolygonFour();
}

void TTeeCanvas3D::RectangleWithZ(const TRect& rect, int32_t z)
{
    if (!Is3D && !IsOrthogonal) {
        Rectangle(rect);
        return;
    }
    FourPoints = FourPointsFromRect(rect, z);
    PolygonFour();
}

void TTeeCanvas3D::RectangleY(int32_t left, int32_t top, int32_t right, int32_t z0, int32_t z1)
{
    FourPoints = {Calc3DPoint(left, top, z0), Calc3DPoint(right, top, z0), Calc3DPoint(right, top, z1),
                  Calc3DPoint(left, top, z1)};
    PolygonFour();
}

void TTeeCanvas3D::RectangleZ(int32_t left, int32_t top, int32_t bottom, int32_t z0, int32_t z1)
{
    FourPoints = {Calc3DPoint(left, top, z0), Calc3DPoint(left, top, z1), Calc3DPoint(left, bottom, z1),
                  Calc3DPoint(left, bottom, z0)};
    PolygonFour();
}

void TTeeCanvas3D::TriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int32_t z)
{
    const TPoint p[3] = {Calc3DPoint(p1, z), Calc3DPoint(p2, z), Calc3DPoint(p3, z)};
    Polygon(p, 2);
}

void TTeeCanvas3D::Triangle3D(const TPoint3D& p0, const TPoint3D& p1, const TPoint3D& p2, TColor color0,
                              TColor /*color1*/, TColor /*color2*/)
{
    if (FBrush->Style() != bsClear)
        FBrush->SetColor(color0);
    const TPoint p[3] = {Calc3DPoint(p0.X, p0.Y, p0.Z), Calc3DPoint(p1.X, p1.Y, p1.Z), Calc3DPoint(p2.X, p2.Y, p2.Z)};
    Polygon(p, 2);
}

void TTeeCanvas3D::MoveTo3D(int32_t x, int32_t y, int32_t z)
{
    const TPoint p = Calc3DPoint(x, y, z);
    MoveTo(p.X, p.Y);
}

void TTeeCanvas3D::LineTo3D(int32_t x, int32_t y, int32_t z)
{
    const TPoint p = Calc3DPoint(x, y, z);
    LineTo(p.X, p.Y);
}

void TTeeCanvas3D::LineWithZ(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t z)
{
    MoveTo3D(x0, y0, z);
    LineTo3D(x1, y1, z);
}

void TTeeCanvas3D::HorizLine3D(int32_t left, int32_t right, int32_t y, int32_t z)
{
    MoveTo3D(left, y, z);
    LineTo3D(right, y, z);
}

void TTeeCanvas3D::VertLine3D(int32_t x, int32_t top, int32_t bottom, int32_t z)
{
    MoveTo3D(x, top, z);
    LineTo3D(x, bottom, z);
}

void TTeeCanvas3D::ZLine3D(int32_t x, int32_t y, int32_t z0, int32_t z1)
{
    MoveTo3D(x, y, z1);
    LineTo3D(x, y, z0);
}

TColor TTeeCanvas3D::GetPixel3D(int32_t x, int32_t y, int32_t z)
{
    const TPoint p = Calc3DPoint(x, y, z);
    return GetPixel(p.X, p.Y);
}

void TTeeCanvas3D::SetPixel3D(int32_t x, int32_t y, int32_t z, TColor color)
{
    const TPoint p = Calc3DPoint(x, y, z);
    if (FPen->Width() == 1) {
        SetPixel(p.X, p.Y, color);
    } else {
        // A dot of the current pen: a line of no length.
        MoveTo(p.X, p.Y);
        LineTo(p.X, p.Y);
    }
}

void TTeeCanvas3D::Sphere(int32_t x, int32_t y, int32_t z, double radius)
{
    const int32_t r = Round(radius);
    EllipseWithZ(x - r, y - r, x + r, y + r, z);
}

void TTeeCanvas3D::Surface3D(TTeeCanvasSurfaceStyle, bool, int32_t, int32_t, const TTeeCanvasCalcPoints&)
{
    // Surfaces need a canvas with full rotation: nothing is drawn here.
}

// ---- ellipses ----

void TTeeCanvas3D::EllipseWithZ(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t z)
{
    if (IsOrthogonal) {
        const TPoint a = Calc3DPoint(x1, y1, z);
        const TPoint b = Calc3DPoint(x2, y2, z);
        Ellipse(a.X, a.Y, b.X, b.Y);
        return;
    }
    if (!Is3D) {
        Ellipse(x1, y1, x2 + 1, y2 + 1);
        return;
    }
    // Worked out in 64 bits: a box can be wider than an int measures, not its middle or half.
    const int32_t cx = static_cast<int32_t>((int64_t{x1} + x2) / 2), cy = static_cast<int32_t>((int64_t{y1} + y2) / 2);
    const int32_t rx = static_cast<int32_t>((int64_t{x2} - x1) / 2), ry = static_cast<int32_t>((int64_t{y2} - y1) / 2);
    std::array<TPoint, 64> p;
    for (int k = 0; k < 64; ++k) {
        const double a = k * M_PI / 20.0;
        p[k] = Calc3DPoint(cx + Trunc(std::sin(a) * rx), cy + Trunc(std::cos(a) * ry), z);
    }
    if (FBrush->Style() != bsClear) {
        const TPenStyle old = FPen->Style();
        FPen->SetStyle(psClear);
        const TPoint centre = Calc3DPoint(cx, cy, z);
        for (int k = 0; k < 63; ++k) {
            const TPoint tri[3] = {centre, p[k], p[k + 1]};
            Polygon(tri, 2);
        }
        FPen->SetStyle(old);
    }
    if (FPen->Style() != psClear)
        Polyline(p.data(), 63);
}

// ---- boxes ----

void TTeeCanvas3D::Cube(int32_t left, int32_t right, int32_t top, int32_t bottom, int32_t z0, int32_t z1,
                        bool darkSides)
{
    const TColor base = ShadeBase(this);

    FourPoints = {Calc3DPoint(left, top, z0), Calc3DPoint(right, top, z0), Calc3DPoint(right, bottom, z0),
                  Calc3DPoint(left, bottom, z0)};
    if (FaceSign(FourPoints) > 0) {
        PolygonFour();
    } else {
        FourPoints = {Calc3DPoint(left, top, z1), Calc3DPoint(right, top, z1), Calc3DPoint(right, bottom, z1),
                      Calc3DPoint(left, bottom, z1)};
        PolygonFour();
    }

    FourPoints = {Calc3DPoint(right, top, z0), Calc3DPoint(right, top, z1), Calc3DPoint(right, bottom, z1),
                  Calc3DPoint(right, bottom, z0)};
    if (FaceSign(FourPoints) > 0) {
        if (darkSides)
            InternalDark(base, DarkerColorQuantity);
        PolygonFour();
    }

    FourPoints = {Calc3DPoint(left, top, z0), Calc3DPoint(left, top, z1), Calc3DPoint(left, bottom, z1),
                  Calc3DPoint(left, bottom, z0)};
    {
        const TFourPoints& p = FourPoints;
        const int64_t sign = (static_cast<int64_t>(p[3].X) - p[0].X) * (static_cast<int64_t>(p[1].Y) - p[0].Y)
                             - (static_cast<int64_t>(p[1].X) - p[0].X) * (static_cast<int64_t>(p[3].Y) - p[0].Y);
        if (sign > 0) {
            if (darkSides)
                InternalDark(base, DarkerColorQuantity);
            PolygonFour();
        }
    }

    FourPoints = {Calc3DPoint(left, top, z0), Calc3DPoint(right, top, z0), Calc3DPoint(right, top, z1),
                  Calc3DPoint(left, top, z1)};
    {
        const TPoint lt0 = FourPoints[0], rt0 = FourPoints[1], rt1 = FourPoints[2];
        const int64_t sign = (static_cast<int64_t>(lt0.X) - rt0.X) * (static_cast<int64_t>(rt1.Y) - rt0.Y)
                             - (static_cast<int64_t>(rt1.X) - rt0.X) * (static_cast<int64_t>(lt0.Y) - rt0.Y);
        // Only the sides follow darkSides: the top and bottom are always a little darker.
        if (sign > 0) {
            InternalDark(base, DarkColorQuantity);
            PolygonFour();
        }
    }

    FourPoints = {Calc3DPoint(left, bottom, z0), Calc3DPoint(left, bottom, z1), Calc3DPoint(right, bottom, z1),
                  Calc3DPoint(right, bottom, z0)};
    if (FaceSign(FourPoints) < 0) {
        InternalDark(base, DarkColorQuantity);
        PolygonFour();
    }
}

// ---- pies and donuts ----

void TTeeCanvas3D::Pie3D(int32_t xc, int32_t yc, int32_t xr, int32_t yr, int32_t z0, int32_t z1, double startAngle,
                         double endAngle, bool darkSides, bool drawSides, int32_t donutPercent)
{
    const int n = std::min(Round(std::fabs(endAngle - startAngle) / TeePiStep / 10.0), 30) + 2;
    const double ixr = donutPercent * double(xr) / 100.0, iyr = donutPercent * double(yr) / 100.0;
    std::array<TPoint, 32> outer, inner;
    const double step = (endAngle - startAngle) / (n - 1);
    for (int k = 0; k < n; ++k) {
        const double a = startAngle + k * step;
        outer[k] = TPoint(xc + Round(xr * std::cos(a)), yc - Round(yr * std::sin(a)));
        inner[k] = donutPercent > 0 ? TPoint(xc + Round(ixr * std::cos(a)), yc - Round(iyr * std::sin(a)))
                                    : TPoint(xc, yc);
    }
    const TColor base = ShadeBase(this);
    std::array<TPoint, 65> poly;

    if (donutPercent > 0) {
        int m = 0;
        for (int k = n - 1; k >= 0; --k)
            poly[m++] = Calc3DPoint(inner[k], z1);
        for (int k = 0; k < n; ++k)
            poly[m++] = Calc3DPoint(inner[k], z0);
        if (darkSides)
            InternalDark(base, 32);
        Polygon(poly.data(), m - 1);
    }

    if (drawSides) {
        const TPoint outerEnd1 = Calc3DPoint(outer[n - 1], z1);
        if (outerEnd1.X < XCenterOffset) {
            FourPoints = {Calc3DPoint(inner[n - 1], z1), outerEnd1, Calc3DPoint(outer[n - 1], z0),
                          Calc3DPoint(inner[n - 1], z0)};
            if (darkSides)
                InternalDark(base, 32);
            PolygonFour();
        }
        const TPoint outerStart1 = Calc3DPoint(outer[0], z1);
        if (outerStart1.X > XCenterOffset) {
            FourPoints = {Calc3DPoint(inner[0], z1), outerStart1, Calc3DPoint(outer[0], z0),
                          Calc3DPoint(inner[0], z0)};
            if (darkSides)
                InternalDark(base, 32);
            PolygonFour();
        }
    }

    RestoreBase(this, base);
    int m = 0;
    if (donutPercent > 0) {
        for (int k = 0; k < n; ++k)
            poly[m++] = Calc3DPoint(outer[k], z1);
        for (int k = n - 1; k >= 0; --k)
            poly[m++] = Calc3DPoint(inner[k], z1);
        poly[m++] = poly[0];
    } else {
        poly[m++] = Calc3DPoint(xc, yc, z1);
        for (int k = 0; k < n; ++k)
            poly[m++] = Calc3DPoint(outer[k], z1);
    }
    Polygon(poly.data(), m - 1);

    // The outer rim faces the viewer where the projected arc runs to the right.
    std::array<TPoint, 32> top;
    for (int k = 0; k < n; ++k)
        top[k] = Calc3DPoint(outer[k], z1);
    auto band = [&](int from, int to) {
        if (to - from + 1 < 2)
            return;
        int c = 0;
        for (int k = from; k <= to; ++k)
            poly[c++] = top[k];
        for (int k = to; k >= from; --k)
            poly[c++] = Calc3DPoint(outer[k], z0);
        if (darkSides)
            InternalDark(base, 32);
        Polygon(poly.data(), c - 1);
    };
    int firstEnd = 0;
    while (firstEnd + 1 < n && top[firstEnd + 1].X > top[firstEnd].X)
        ++firstEnd;
    band(0, firstEnd);
    if (firstEnd < n - 1) {
        int lastStart = n - 1;
        while (lastStart > 0 && top[lastStart].X > top[lastStart - 1].X)
            --lastStart;
        band(std::max(lastStart, firstEnd + 1), n - 1);
    }
}

// ---- cones and cylinders ----

void TTeeCanvas3D::Cylinder(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0,
                            int32_t z1, bool darkSides)
{
    ConeOrCylinder(vertical, left, top, right, bottom, z0, z1, darkSides, 100);
}

void TTeeCanvas3D::Cone(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0,
                        int32_t z1, bool darkSides, int32_t conePercent)
{
    ConeOrCylinder(vertical, left, top, right, bottom, z0, z1, darkSides, conePercent);
}

void TTeeCanvas3D::ConeOrCylinder(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom,
                                  int32_t z0, int32_t z1, bool darkSides, int32_t conePercent)
{
    if (conePercent == 0)
        conePercent = TeeDefaultConePercent;
    const TColor base = ShadeBase(this);
    // Across the axis: x for a vertical shape, y for a horizontal one; plus the depth.
    const int32_t a0 = vertical ? left : top, a1 = vertical ? right : bottom;
    const int32_t across = (a1 - a0) / 2, acrossCentre = (a0 + a1) / 2;
    const int32_t depth = (z1 - z0) / 2, depthCentre = (z0 + z1) / 2;
    const int32_t nearAcross = Round(across * conePercent / 100.0), nearDepth = Round(depth * conePercent / 100.0);
    const int32_t farEnd = vertical ? std::max(top, bottom) : std::min(left, right);
    const int32_t nearEnd = vertical ? std::min(top, bottom) : std::max(left, right);
    std::array<TPoint, 16> farP, nearP;
    std::array<TPoint3D, 16> near3D;
    for (int k = 1; k <= 16; ++k) {
        const double a = (vertical ? k - 4 : k - 5) * M_PI / 8.0;
        const double s = std::sin(a), c = std::cos(a);
        const int32_t fa = acrossCentre + Round(s * across), fz = depthCentre - Round(c * depth);
        const int32_t na = acrossCentre + Round(s * nearAcross), nz = depthCentre - Round(c * nearDepth);
        if (vertical) {
            farP[k - 1] = Calc3DPoint(fa, farEnd, fz);
            near3D[k - 1] = TPoint3D{na, nearEnd, nz};
        } else {
            farP[k - 1] = Calc3DPoint(farEnd, fa, fz);
            near3D[k - 1] = TPoint3D{nearEnd, na, nz};
        }
        nearP[k - 1] = Calc3DPoint(near3D[k - 1].X, near3D[k - 1].Y, near3D[k - 1].Z);
    }
    const int faces = conePercent == 100 ? 16 : 15;
    for (int j = 0; j < faces; ++j) {
        const int k0 = j, k1 = (j + 1) % 16;
        FourPoints = {nearP[k0], farP[k0], farP[k1], nearP[k1]};
        if (TeeCull(FourPoints[0], FourPoints[1], FourPoints[2]))
            continue;
        if (darkSides && j <= 8)
            InternalDark(base, static_cast<uint8_t>(16 * j));
        PolygonFour();
    }
    if (darkSides)
        InternalDark(base, DarkColorQuantity);
    std::array<TPoint, 16> cap = nearP;
    if (!vertical) {
        const bool faces0 = !TeeCull(Calc3DPoint(0, 0, 0), Calc3DPoint(0, 10, 0), Calc3DPoint(0, 10, 10));
        if (!faces0)
            for (int k = 0; k < 16; ++k)
                cap[k] = Calc3DPoint(left, near3D[k].Y, near3D[k].Z);
    }
    Polygon(cap.data(), 15);
}

// ---- pyramids ----

void TTeeCanvas3D::Pyramid(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0,
                           int32_t z1, bool darkSides)
{
    const TColor base = ShadeBase(this);
    const int32_t zm = (z0 + z1) / 2;
    auto triangle = [&](TPoint3D a, TPoint3D b, TPoint3D c, std::array<TPoint, 3>& out) {
        out = {Calc3DPoint(a.X, a.Y, a.Z), Calc3DPoint(b.X, b.Y, b.Z), Calc3DPoint(c.X, c.Y, c.Z)};
        return TeeCull(out[0], out[1], out[2]);
    };
    std::array<TPoint, 3> t;
    if (vertical) {
        const bool apexAbove = top < bottom;
        const TPoint3D apex{static_cast<int32_t>((int64_t{left} + right) / 2), top, zm};
        if (top != bottom) {
            triangle({left, bottom, z0}, {right, bottom, z0}, apex, t);
            Polygon(t.data(), 2);
            if (triangle({left, bottom, z1}, {left, bottom, z0}, apex, t) != apexAbove)
                Polygon(t.data(), 2);
            if (darkSides)
                InternalDark(base, DarkerColorQuantity);
            if (triangle({right, bottom, z1}, {right, bottom, z0}, apex, t) != !apexAbove)
                Polygon(t.data(), 2);
            if (apexAbove && !triangle({right, bottom, z1}, {left, bottom, z1}, apex, t))
                Polygon(t.data(), 2);
        }
        const bool culled = TeeCull(Calc3DPoint(left, bottom, z0), Calc3DPoint(right, bottom, z0),
                                    Calc3DPoint(right, bottom, z1));
        if (culled == apexAbove) {
            if (darkSides)
                InternalDark(base, DarkColorQuantity);
            RectangleY(left, bottom, right, z0, z1);
        }
        return;
    }
    const bool apexRight = left < right;
    const TPoint3D apex{right, (top + bottom) / 2, zm};
    if (left != right) {
        triangle({left, top, z0}, {left, bottom, z0}, apex, t);
        Polygon(t.data(), 2);
        if (triangle({left, top, z1}, {left, top, z0}, apex, t) != apexRight)
            Polygon(t.data(), 2);
        if (darkSides)
            InternalDark(base, DarkColorQuantity);
        if (triangle({left, bottom, z1}, {left, bottom, z0}, apex, t) != !apexRight)
            Polygon(t.data(), 2);
        if (apexRight && !triangle({left, bottom, z1}, {left, top, z1}, apex, t))
            Polygon(t.data(), 2);
    }
    const bool culled = TeeCull(Calc3DPoint(left, top, z0), Calc3DPoint(left, top, z1), Calc3DPoint(left, bottom, z1));
    if (culled != apexRight) {
        if (darkSides)
            InternalDark(base, DarkerColorQuantity);
        RectangleZ(left, top, bottom, z0, z1);
    }
}

void TTeeCanvas3D::PyramidTrunc(const TRect& rect, int32_t startZ, int32_t endZ, int32_t truncX, int32_t truncZ)
{
    const int32_t mx = (rect.Left + rect.Right) / 2, mz = (startZ + endZ) / 2;
    const int32_t cl = mx - truncX, cr = mx + truncX, cf = mz - truncZ, cb = mz + truncZ;
    auto cutFace = [&] {
        if (truncX != 0)
            RectangleY(cl, rect.Top, cr, cf, cb);
    };
    auto baseFace = [&] { RectangleY(rect.Left, rect.Bottom, rect.Right, startZ, endZ); };
    const bool apexAbove = rect.Top < rect.Bottom;
    if (apexAbove)
        baseFace();
    else
        cutFace();
    FourPoints = {Calc3DPoint(cl, rect.Top, cb), Calc3DPoint(cr, rect.Top, cb), Calc3DPoint(rect.Right, rect.Bottom, endZ),
                  Calc3DPoint(rect.Left, rect.Bottom, endZ)};
    PolygonFour();
    FourPoints = {Calc3DPoint(cl, rect.Top, cf), Calc3DPoint(cl, rect.Top, cb), Calc3DPoint(rect.Left, rect.Bottom, endZ),
                  Calc3DPoint(rect.Left, rect.Bottom, startZ)};
    if (FaceSign(FourPoints) < 0)
        PolygonFour();
    FourPoints = {Calc3DPoint(cl, rect.Top, cf), Calc3DPoint(cr, rect.Top, cf),
                  Calc3DPoint(rect.Right, rect.Bottom, startZ), Calc3DPoint(rect.Left, rect.Bottom, startZ)};
    PolygonFour();
    FourPoints = {Calc3DPoint(cr, rect.Top, cf), Calc3DPoint(cr, rect.Top, cb),
                  Calc3DPoint(rect.Right, rect.Bottom, endZ), Calc3DPoint(rect.Right, rect.Bottom, startZ)};
    if (FaceSign(FourPoints) > 0)
        PolygonFour();
    if (apexAbove)
        cutFace();
    else
        baseFace();
}

// ---- arrows ----

void TTeeCanvas3D::Arrow(bool filled, TPoint from, TPoint to, int32_t headWidth, int32_t headHeight, int32_t z)
{
    const double dx = static_cast<double>(to.X) - from.X, dy = static_cast<double>(to.Y) - from.Y;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d <= 0)
        return;
    const double head = std::min(headHeight, Round(d));
    const double ux = dx / d, uy = dy / d;
    // A point along the arrow and across it, turned back to the device and projected.
    auto at = [&](double along, double acrossBy) {
        return Calc3DPoint(Round(from.X + along * ux - acrossBy * uy), Round(from.Y + along * uy + acrossBy * ux), z);
    };
    const double half = headWidth / 2.0, quarter = headWidth / 4.0;
    const double headBase = d - head;
    if (!filled) {
        const TPoint tail = Calc3DPoint(from, z), tip = Calc3DPoint(to, z);
        const TPoint c1 = at(headBase, half), c2 = at(headBase, -half);
        MoveTo(tail.X, tail.Y);
        LineTo(tip.X, tip.Y);
        LineTo(c1.X, c1.Y);
        MoveTo(tip.X, tip.Y);
        LineTo(c2.X, c2.Y);
        return;
    }
    const TPoint p[7] = {at(0, quarter),        at(0, -quarter), at(headBase, -quarter), at(headBase, -half),
                         Calc3DPoint(to, z), at(headBase, half), at(headBase, quarter)};
    Polygon(p, 6);
}
