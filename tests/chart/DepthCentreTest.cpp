// The centre of depth is half the chart depth rounded half to even: a depth of 7 centres at
// 4 (3.5 rounds up to the even 4, where truncation gives 3), a depth of 5 at 2 (2.5 rounds
// down to the even 2, where rounding half away from zero gives 3).
#include <gtest/gtest.h>

#include "chart/core/Projection3D.h"

namespace {

TCanvas3DProjection Rotated(TView3DOptions& options, int32_t maxDepth)
{
    // Rotation 90, elevation and tilt 0, no perspective: device x = -(z - ZCenter) + centre.
    options.SetOrthogonal(false);
    options.SetRotation(90);
    options.SetElevation(0);
    options.SetTilt(0);
    options.SetPerspective(0);
    TCanvas3DProjection p;
    p.InitWindow3D(&options, true);
    p.Projection(maxDepth, TRect(0, 0, 400, 300));
    return p;
}

TEST(DepthCentre, HalfDepthRoundsHalfToEven)
{
    const struct {
        int32_t depth;
        int32_t centre;
    } cases[] = {{7, 4}, {5, 2}, {3, 2}, {1, 0}, {9, 4}, {11, 6}, {100, 50}, {0, 0}, {-7, -4}, {-5, -2}};
    for (const auto& c : cases) {
        TView3DOptions options(nullptr);
        TCanvas3DProjection p;
        p.InitWindow3D(&options, true);
        p.Projection(c.depth, TRect(0, 0, 400, 300));
        EXPECT_EQ(p.ZCenter, c.centre) << "depth " << c.depth;
    }
}

TEST(DepthCentre, RotatedPointsTurnAboutTheRoundedCentre)
{
    TView3DOptions options(nullptr);
    const TCanvas3DProjection p = Rotated(options, 7);
    ASSERT_EQ(p.ZCenter, 4);
    // Turned a quarter about the vertical axis, depth runs along x: XZ = -1.
    EXPECT_NEAR(p.XZ, -1.0, 1e-15);
    EXPECT_EQ(p.Calc3DPoint(200, 150, 4), TPoint(200, 150)); // the centre stays put
    EXPECT_EQ(p.Calc3DPoint(200, 150, 0), TPoint(204, 150));
    EXPECT_EQ(p.Calc3DPoint(200, 150, 7), TPoint(197, 150));
}

} // namespace
