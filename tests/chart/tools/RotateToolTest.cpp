// Turning a 3D chart by dragging: the angle rules, drags across the control, the wire box.

#include <gtest/gtest.h>

#include "chart/components/CursorTool.h"
#include "chart/components/RotateTool.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/View3DOptions.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

struct AngleCase {
    bool elevation;
    bool full;
    int angle;
    int delta;
    int expected;
};

// A canvas that turns freely, for the wrap-around rule.
class FullRotationCanvas : public TTeeCanvas3D
{
public:
    bool GetSupportsFullRotation() override { return true; }
};

class RotateChart : public ToolChart
{
public:
    explicit RotateChart(TRotateToolStyles style = rsAll) : ToolChart(5, true)
    {
        tool = new TRotateTool(&owner);
        tool->SetStyle(style);
        tool->SetParentChart(chart);
        View()->SetRotation(0);
        View()->SetElevation(345);
        Paint();
    }
    TView3DOptions* View() const { return chart->View3DOptions(); }
    // Moves from (x0, y0) to (x1, y1) in steps of one pixel with the button held.
    void Drag(int x0, int y0, int x1, int y1, bool release = true)
    {
        chart->MouseDown(mbLeft, ssLeft, x0, y0);
        int x = x0, y = y0;
        while (x != x1 || y != y1) {
            x += (x1 > x) - (x1 < x);
            y += (y1 > y) - (y1 < y);
            chart->MouseMove(ssLeft, x, y);
        }
        if (release)
            chart->MouseUp(mbLeft, 0, x1, y1);
    }
    TRotateTool* tool;
};

} // namespace

TEST(RotateTool, AngleRules)
{
    const AngleCase cases[] = {
        // rotation without full rotation stays in 0..90 or 270..360
        {false, false, 80, 20, 90},
        {false, false, 350, 20, 10},
        {false, false, 340, 20, 360},
        {false, false, 300, -40, 270},
        {false, false, 10, -20, 350},
        {false, false, 280, -20, 270},
        {false, false, 45, 0, 45},
        {false, true, 10, -20, 0},
        {false, true, 100, -30, 70},
        // elevation
        {true, false, 280, -20, 270},
        {true, false, 300, -20, 280},
        {true, false, 350, 20, 360},
        {true, true, 10, -20, 0},
        {true, true, 100, -30, 70},
        {true, false, 123, 0, 123},
    };
    for (const AngleCase& c : cases) {
        const int got = c.elevation ? TRotateTool::ElevationChange(c.full, c.angle, c.delta)
                                    : TRotateTool::RotationChange(c.full, c.angle, c.delta);
        EXPECT_EQ(got, c.expected) << (c.elevation ? "elevation " : "rotation ") << c.angle << " + " << c.delta
                                   << (c.full ? " full" : "");
    }
}

TEST(RotateTool, DragAcrossTheWholeWidthTurnsNinetyDegreesHoweverSlowly)
{
    RotateChart fast(rsRotation);
    fast.chart->MouseDown(mbLeft, ssLeft, 0, 100);
    fast.chart->MouseMove(ssLeft, 600, 100);
    fast.chart->MouseUp(mbLeft, 0, 600, 100);
    EXPECT_EQ(fast.View()->Rotation(), 90);
    EXPECT_FALSE(fast.View()->Orthogonal());

    // 600 moves of one pixel: 0.15 degrees each, which rounding alone would lose.
    RotateChart slow(rsRotation);
    slow.Drag(0, 100, 600, 100);
    EXPECT_EQ(slow.View()->Rotation(), 90);

    RotateChart inverted(rsRotation);
    inverted.tool->SetInverted(true);
    inverted.Drag(0, 100, 600, 100);
    EXPECT_EQ(inverted.View()->Rotation(), 270);

    // Up by the whole height raises the elevation to its top.
    RotateChart up(rsElevation);
    up.View()->SetElevation(300);
    up.Drag(10, 300, 10, 100);
    EXPECT_EQ(up.View()->Elevation(), 345);
}

TEST(RotateTool, StylesButtonsAndOtherTools)
{
    // 300 px across is 45 degrees of rotation, 200 px up 45 degrees of elevation.
    RotateChart elevationOnly(rsElevation);
    elevationOnly.View()->SetElevation(300);
    elevationOnly.Drag(0, 300, 300, 100);
    EXPECT_EQ(elevationOnly.View()->Rotation(), 0);
    EXPECT_EQ(elevationOnly.View()->Elevation(), 345);

    RotateChart rotationOnly(rsRotation);
    rotationOnly.Drag(0, 300, 300, 100);
    EXPECT_EQ(rotationOnly.View()->Rotation(), 45);
    EXPECT_EQ(rotationOnly.View()->Elevation(), 345);

    // Another button neither turns the chart nor keeps the chart from zooming.
    RotateChart right;
    right.chart->MouseDown(mbRight, ssRight, 0, 100);
    right.chart->MouseMove(ssRight, 300, 100);
    EXPECT_EQ(right.View()->Rotation(), 0);
    EXPECT_TRUE(right.View()->Orthogonal());

    int rotated = 0;
    RotateChart told(rsRotation);
    told.tool->OnRotate = [&](TObject* sender) {
        EXPECT_EQ(sender, told.tool);
        ++rotated;
    };
    told.Drag(0, 100, 3, 100);
    EXPECT_EQ(rotated, 3);
}

TEST(RotateTool, ACursorOnTheTurnedChartIsGrabbedWhereItShows)
{
    RotateChart r;
    r.Drag(100, 100, 250, 160); // 22 degrees round, 13 down, no longer orthogonal
    auto* cursor = new TCursorTool(&r.owner);
    cursor->SetParentChart(r.chart);
    r.Paint();
    // Where the cross-hair shows, and 6 pixels beside it.
    const TPoint shown = r.chart->Canvas3D()->Calculate3DPosition(cursor->XPixel(), cursor->YPixel(), 0);
    r.chart->MouseDown(mbRight, ssRight, shown.X + 6, shown.Y + 6);
    EXPECT_EQ(cursor->Dragging(), ccNone);
    r.chart->MouseUp(mbRight, 0, shown.X + 6, shown.Y + 6);
    r.chart->MouseDown(mbRight, ssRight, shown.X, shown.Y);
    EXPECT_EQ(cursor->Dragging(), ccBoth);
    r.chart->MouseUp(mbRight, 0, shown.X, shown.Y);
}

TEST(RotateTool, ACanvasThatTurnsFreelyWrapsAround)
{
    RotateChart r;
    r.chart->SetInternalCanvas(new FullRotationCanvas);
    r.View()->SetRotation(80);
    r.View()->SetElevation(280);
    // 20 degrees right and 20 down: 80 px across, 400 / 90 * 20 px down.
    r.chart->MouseDown(mbLeft, ssLeft, 100, 100);
    r.chart->MouseMove(ssLeft, 100 + 600 * 20 / 90, 100 + 400 * 20 / 90);
    EXPECT_EQ(r.View()->Rotation(), 100);
    EXPECT_EQ(r.View()->Elevation(), 260);
}

TEST(RotateTool, WithAVisiblePenOnlyAWireBoxMovesUntilRelease)
{
    RotateChart r;
    r.tool->Pen()->SetVisible(true);
    r.Paint();
    const QImage before = r.Image();
    ASSERT_FALSE(r.chart->NeedsPaint());
    // 40 px right (6 degrees) and 10 px down (-2.25 degrees).
    r.Drag(100, 100, 140, 110, false);
    EXPECT_FALSE(r.chart->NeedsPaint());
    EXPECT_FALSE(r.chart->RepaintEnabled());
    // The box is drawn by inverting what lies under it.
    const QImage box = r.Image();
    int changed = 0;
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x) {
            const QRgb was = before.pixel(x, y) & 0xFFFFFF;
            const QRgb now = box.pixel(x, y) & 0xFFFFFF;
            if (was != now) {
                ++changed;
                ASSERT_EQ(now, was ^ 0xFFFFFFu) << x << "," << y;
            }
        }
    EXPECT_GT(changed, 400);
    EXPECT_EQ(r.View()->Rotation(), 6);
    EXPECT_EQ(r.View()->Elevation(), 343);
    // The box was drawn in the turned view, not in the orthogonal one the chart was painted in.
    EXPECT_FALSE(r.chart->Canvas3D()->IsOrthogonal);

    r.chart->MouseUp(mbLeft, 0, 140, 110);
    EXPECT_TRUE(r.chart->RepaintEnabled());
    EXPECT_TRUE(r.chart->NeedsPaint());

    // Without the pen every move repaints; a click without a move leaves repainting alone.
    RotateChart plain;
    plain.chart->MouseDown(mbLeft, ssLeft, 100, 100);
    plain.chart->MouseMove(ssLeft, 120, 100);
    EXPECT_TRUE(plain.chart->NeedsPaint());
    RotateChart click;
    click.tool->Pen()->SetVisible(true);
    click.chart->SetRepaintEnabled(false);
    click.chart->MouseDown(mbLeft, ssLeft, 100, 100);
    click.chart->MouseUp(mbLeft, 0, 100, 100);
    EXPECT_FALSE(click.chart->RepaintEnabled());
}
