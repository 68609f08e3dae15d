#include <gtest/gtest.h>

#include "chart/core/Projection3D.h"

namespace {

struct CountingParent : TView3DParent {
    int invalidations = 0;
    void Invalidate() override { ++invalidations; }
};

// A paint's set-up over the rectangle (0, 0, 400, 300) with depth 100: centre (200, 150, 50).
TCanvas3DProjection Prepare(TView3DOptions* options, bool is3D = true, TRect rect = TRect(0, 0, 400, 300))
{
    TCanvas3DProjection p;
    p.InitWindow3D(options, is3D);
    p.Projection(100, rect);
    return p;
}

TEST(Projection, DefaultOptionsMoveDepthRightAndUp)
{
    TView3DOptions options(nullptr);
    const TCanvas3DProjection p = Prepare(&options);
    EXPECT_TRUE(p.IsOrthogonal);
    EXPECT_EQ(p.XCenter, 200);
    EXPECT_EQ(p.YCenter, 150);
    EXPECT_EQ(p.ZCenter, 50);
    EXPECT_EQ(p.Calc3DPoint(210, 160, 0), TPoint(210, 160));
    EXPECT_EQ(p.Calc3DPoint(210, 160, 10), TPoint(220, 150));
    EXPECT_EQ(p.Calc3DPoint(0, 0, 100), TPoint(100, -100));

    int x = 220, y = 150;
    p.Calculate2DPosition(x, y, 10);
    EXPECT_EQ(TPoint(x, y), TPoint(210, 160));
}

TEST(Projection, OrthoAngleAboveNinetyRecedesLeftAndNinetyIsFinite)
{
    TView3DOptions options(nullptr);
    options.SetOrthoAngle(135);
    TCanvas3DProjection p = Prepare(&options);
    EXPECT_EQ(p.OrthoX, -1.0);
    EXPECT_NEAR(p.OrthoY, 1.0, 1e-15);
    EXPECT_EQ(p.Calc3DPoint(210, 160, 10), TPoint(200, 150));

    options.SetOrthoAngle(90);
    p = Prepare(&options);
    EXPECT_EQ(p.OrthoY, 1.0);
    EXPECT_EQ(p.Calc3DPoint(200, 150, 7), TPoint(207, 143));

    options.SetOrthoAngle(60);
    EXPECT_NEAR(options.CalcOrthoRatio(), 1.7320508075688772, 1e-12);
    options.SetOrthoAngle(120);
    EXPECT_NEAR(options.CalcOrthoRatio(), 1.7320508075688772, 1e-12);
    options.SetOrthogonal(false);
    EXPECT_EQ(options.CalcOrthoRatio(), 1.0);
}

TEST(Projection, ZoomFiftyRoundsHalvesToEven)
{
    TView3DOptions options(nullptr);
    options.SetZoom(50);
    const TCanvas3DProjection p = Prepare(&options);
    EXPECT_EQ(p.ZoomFactor, 0.5);
    // dx 1 -> 0.5 -> 0; 3 -> 1.5 -> 2; -1 -> -0.5 -> 0; -3 -> -1.5 -> -2
    EXPECT_EQ(p.Calc3DPoint(201, 150, 0).X, 200);
    EXPECT_EQ(p.Calc3DPoint(203, 150, 0).X, 202);
    EXPECT_EQ(p.Calc3DPoint(199, 150, 0).X, 200);
    EXPECT_EQ(p.Calc3DPoint(197, 150, 0).X, 198);
    EXPECT_EQ(p.Calc3DPoint(200, 151, 0).Y, 150);
    EXPECT_EQ(p.Calc3DPoint(200, 153, 0).Y, 152);
    // depth 1 and dx 0: 0.5 right and 0.5 up, both to even
    EXPECT_EQ(p.Calc3DPoint(200, 150, 1), TPoint(200, 150));
    EXPECT_EQ(p.Calc3DPoint(200, 150, 3), TPoint(202, 148));
}

TEST(Projection, OffsetsShiftTheCentreOnTheDevice)
{
    TView3DOptions options(nullptr);
    options.SetHorizOffset(7);
    options.SetVertOffset(-4);
    const TCanvas3DProjection p = Prepare(&options);
    EXPECT_EQ(p.XCenterOffset, 207);
    EXPECT_EQ(p.YCenterOffset, 146);
    EXPECT_EQ(p.Calc3DPoint(210, 160, 0), TPoint(217, 156));
}

TEST(Projection, RotatedWithPerspective)
{
    TView3DOptions options(nullptr);
    options.SetOrthogonal(false); // rotation 345, elevation 345, tilt 0, perspective 15
    const TCanvas3DProjection p = Prepare(&options);
    EXPECT_FALSE(p.IsOrthogonal);
    EXPECT_TRUE(p.HasPerspective);
    EXPECT_NEAR(p.PerspectiveFactor, 15.0 / 150.0 / 400.0, 1e-18);
    EXPECT_NEAR(p.XX, 0.9659258262890683, 1e-15);
    EXPECT_NEAR(p.YX, 0.06698729810778063, 1e-15);
    EXPECT_NEAR(p.XZ, 0.2588190451025207, 1e-15);
    EXPECT_NEAR(p.YZ, -0.25, 1e-15);
    EXPECT_NEAR(p.PX, -0.25, 1e-15);
    EXPECT_NEAR(p.PZ, 0.9330127018922194, 1e-15);
    EXPECT_EQ(p.XY, 0.0);

    EXPECT_EQ(p.Calc3DPoint(0, 0, 0), TPoint(-8, 3));
    EXPECT_EQ(p.Calc3DPoint(400, 300, 100), TPoint(404, 294));
    EXPECT_EQ(p.Calc3DPoint(100, 50, 20), TPoint(95, 54));
    EXPECT_EQ(p.Calc3DPoint(300, 250, 80), TPoint(304, 245));
    EXPECT_EQ(p.Calc3DPoint(50, 280, 0), TPoint(43, 277));
    EXPECT_EQ(p.Calc3DPoint(200, 150, 50), TPoint(200, 150));
}

TEST(Projection, RotatedWithTiltZoomAndOffsets)
{
    TView3DOptions options(nullptr);
    options.SetOrthogonal(false);
    options.SetRotation(30);
    options.SetElevation(20);
    options.SetTilt(10);
    options.SetPerspective(40);
    options.SetZoom(80);
    options.SetHorizOffset(5);
    options.SetVertOffset(-3);
    TCanvas3DProjection p;
    p.InitWindow3D(&options, true);
    p.Projection(60, TRect(10, 20, 610, 420));
    EXPECT_EQ(p.Calc3DPoint(10, 20, 0), TPoint(78, 49));
    EXPECT_EQ(p.Calc3DPoint(610, 420, 60), TPoint(533, 372));
    EXPECT_EQ(p.Calc3DPoint(300, 100, 30), TPoint(293, 129));
    EXPECT_EQ(p.Calc3DPoint(123, 456, 7), TPoint(214, 396));
}

TEST(Projection, RotatedWithoutAnglesOrPerspectiveIsIdentityApartFromOffsets)
{
    TView3DOptions options(nullptr);
    options.SetOrthogonal(false);
    options.SetRotation(0);
    options.SetElevation(0);
    options.SetPerspective(0);
    options.SetHorizOffset(3);
    const TCanvas3DProjection p = Prepare(&options);
    EXPECT_FALSE(p.HasPerspective);
    EXPECT_EQ(p.Calc3DPoint(123, 45, 0), TPoint(126, 45));
    EXPECT_EQ(p.Calc3DPoint(123, 45, 99), TPoint(126, 45));
    int x = 126, y = 45;
    p.Calculate2DPosition(x, y, 0);
    EXPECT_EQ(TPoint(x, y), TPoint(123, 45));
}

TEST(Projection, ZeroWidthRectangleGivesNoPerspective)
{
    TView3DOptions options(nullptr);
    options.SetOrthogonal(false);
    const TCanvas3DProjection p = Prepare(&options, true, TRect(50, 0, 50, 300));
    EXPECT_FALSE(p.HasPerspective);
    EXPECT_EQ(p.PerspectiveFactor, 0.0);
    options.SetPerspective(0);
    const TCanvas3DProjection none = Prepare(&options, true, TRect(50, 0, 50, 300));
    EXPECT_EQ(p.Calc3DPoint(60, 10, 20), none.Calc3DPoint(60, 10, 20));
    EXPECT_EQ(p.Calc3DPoint(-300, 900, 70), none.Calc3DPoint(-300, 900, 70));
}

TEST(Projection, WiderRectangleWeakensTheSamePerspective)
{
    TView3DOptions options(nullptr);
    options.SetOrthogonal(false);
    const TCanvas3DProjection narrow = Prepare(&options, true, TRect(0, 0, 200, 300));
    const TCanvas3DProjection wide = Prepare(&options, true, TRect(0, 0, 800, 300));
    EXPECT_DOUBLE_EQ(narrow.PerspectiveFactor, 4 * wide.PerspectiveFactor);
}

TEST(Projection, ZoomZeroCollapsesAndCannotBeInverted)
{
    TView3DOptions options(nullptr);
    options.SetZoom(0);
    const TCanvas3DProjection p = Prepare(&options);
    EXPECT_EQ(p.Calc3DPoint(17, 290, 40), TPoint(200, 150));
    int x = 17, y = 290;
    p.Calculate2DPosition(x, y, 40);
    EXPECT_EQ(TPoint(x, y), TPoint(17, 290));
}

TEST(Projection, TwoDimensionalPaintIgnoresEveryOption)
{
    TView3DOptions options(nullptr);
    options.SetZoom(300);
    options.SetHorizOffset(50);
    const TCanvas3DProjection p = Prepare(&options, false);
    EXPECT_EQ(p.ZoomFactor, 1.0);
    EXPECT_EQ(p.Calc3DPoint(17, 29, 40), TPoint(17, 29));
    int x = 17, y = 29;
    p.Calculate2DPosition(x, y, 40);
    EXPECT_EQ(TPoint(x, y), TPoint(17, 29));
}

TEST(Projection, FrontPlaneFlattensOnlyTheRotatedMode)
{
    TView3DOptions options(nullptr);
    TCanvas3DProjection ortho = Prepare(&options);
    ortho.FrontPlaneBegin();
    EXPECT_EQ(ortho.Calc3DPoint(210, 160, 10), TPoint(220, 150));
    ortho.FrontPlaneEnd();

    options.SetOrthogonal(false);
    TCanvas3DProjection rotated = Prepare(&options);
    rotated.FrontPlaneBegin();
    EXPECT_EQ(rotated.Calc3DPoint(0, 0, 0), TPoint(0, 0));
    rotated.FrontPlaneEnd();
    EXPECT_EQ(rotated.Calc3DPoint(0, 0, 0), TPoint(-8, 3));
}

TEST(Projection, RectangleOperationsProjectCorners)
{
    TView3DOptions options(nullptr);
    const TCanvas3DProjection p = Prepare(&options);
    EXPECT_EQ(p.CalcRect3D(TRect(10, 20, 30, 40), 5), TRect(15, 15, 35, 35));
    const TFourPoints four = p.FourPointsFromRect(TRect(10, 20, 30, 40), 5);
    EXPECT_EQ(four[0], TPoint(15, 15));
    EXPECT_EQ(four[1], TPoint(35, 15));
    EXPECT_EQ(four[2], TPoint(35, 35));
    EXPECT_EQ(four[3], TPoint(15, 35));
    EXPECT_EQ(p.RectFromRectZ(TRect(30, 40, 10, 20), 5), TRect(15, 15, 36, 36));
}

TEST(View3DOptions, DefaultsAndNotifications)
{
    CountingParent parent;
    TView3DOptions options(&parent);
    EXPECT_EQ(options.Elevation(), 345);
    EXPECT_EQ(options.Rotation(), 345);
    EXPECT_EQ(options.OrthoAngle(), 45);
    EXPECT_EQ(options.Perspective(), 15);
    EXPECT_EQ(options.Zoom(), 100);
    EXPECT_EQ(options.Tilt(), 0);
    EXPECT_EQ(options.HorizOffset(), 0);
    EXPECT_EQ(options.VertOffset(), 0);
    EXPECT_TRUE(options.Orthogonal());
    EXPECT_TRUE(options.ZoomText());

    std::vector<std::string> log;
    options.OnChangedZoom = [&](int32_t z) { log.push_back("zoom " + std::to_string(z) + " was " + std::to_string(options.Zoom())); };
    options.OnScrolled = [&](bool horiz) {
        log.push_back(std::string(horiz ? "horiz" : "vert") + " after " + std::to_string(parent.invalidations));
    };
    options.SetZoom(100);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(parent.invalidations, 0);
    options.SetZoom(120);
    options.SetHorizOffset(5);
    options.SetHorizOffset(5);
    options.SetVertOffset(-1);
    options.SetRotation(-720); // accepted as is
    EXPECT_EQ(options.Rotation(), -720);
    EXPECT_EQ(log, (std::vector<std::string>{"zoom 120 was 100", "horiz after 2", "vert after 3"}));
    EXPECT_EQ(parent.invalidations, 4);
}

TEST(View3DOptions, AssignCopiesSettingsOnlyAndIgnoresOtherSources)
{
    CountingParent parentA, parentB;
    TView3DOptions a(&parentA), b(&parentB);
    a.SetElevation(10);
    a.SetHorizOffset(1);
    a.SetOrthoAngle(30);
    a.SetOrthogonal(false);
    a.SetPerspective(0);
    a.SetRotation(20);
    a.SetTilt(5);
    a.SetVertOffset(2);
    a.SetZoom(70);
    a.SetZoomText(false);
    bool raised = false;
    b.OnChangedZoom = [&](int32_t) { raised = true; };
    b.Assign(&a);
    EXPECT_EQ(b.Elevation(), 10);
    EXPECT_EQ(b.HorizOffset(), 1);
    EXPECT_EQ(b.OrthoAngle(), 30);
    EXPECT_FALSE(b.Orthogonal());
    EXPECT_EQ(b.Perspective(), 0);
    EXPECT_EQ(b.Rotation(), 20);
    EXPECT_EQ(b.Tilt(), 5);
    EXPECT_EQ(b.VertOffset(), 2);
    EXPECT_EQ(b.Zoom(), 70);
    EXPECT_FALSE(b.ZoomText());
    EXPECT_EQ(b.Parent(), &parentB);
    EXPECT_FALSE(raised);
    EXPECT_EQ(parentB.invalidations, 0);

    TPersistent other;
    EXPECT_NO_THROW(b.Assign(&other));
    EXPECT_NO_THROW(b.Assign(nullptr));
    EXPECT_EQ(b.Zoom(), 70);
}

} // namespace

namespace {

TEST(Projection, ExtremeSettingsStayInsideTheDeviceRange)
{
    TView3DOptions options(nullptr);
    options.SetZoom(INT32_MAX);
    options.SetHorizOffset(INT32_MAX);
    options.SetVertOffset(INT32_MIN);
    TCanvas3DProjection p = Prepare(&options);
    EXPECT_EQ(p.XCenterOffset, INT32_MAX);
    EXPECT_EQ(p.YCenterOffset, INT32_MIN + 150);
    EXPECT_EQ(p.Calc3DPoint(INT32_MAX, INT32_MIN, 0), TPoint(INT32_MAX, INT32_MIN));

    options.SetOrthogonal(false);
    options.SetPerspective(INT32_MAX);
    p = Prepare(&options);
    // Rotation and elevation 345: with dx = -1000200, dy = 999850, dz = 999950 the perspective
    // term (dx PX - dy sin e + dz PZ, about 1.44e6, times a factor of about 7.7e11) drives the
    // scale to about -1.1e18. The x sum (dx XX + dz XZ, about -7.1e5) and the y sum
    // (dx YX + dy YY + dz YZ, about 6.5e5) then overflow to opposite ends of the range.
    const TPoint q = p.Calc3DPoint(-1000000, 1000000, 1000000);
    EXPECT_EQ(q, TPoint(INT32_MAX, INT32_MIN));
}

} // namespace
