// The device pixel rules as the chart code relies on them, probed on an RGB32 image.

#include <gtest/gtest.h>

#include <vector>

#include "chart/core/ChartPen.h"
#include "tests/chart/support/PaintedCanvas.h"

namespace {

void Fill(TTeeCanvas3D& c, const TRect& r, TColor color)
{
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(color);
    c.FillRect(r);
}

} // namespace

TEST(CanvasPixels, RectangleLeavesOutItsRightAndBottomEdge)
{
    TPaintedCanvas p(20, 20);
    p.Canvas.Brush()->SetColor(clRed);
    p.Canvas.Rectangle(2, 2, 6, 5);
    EXPECT_EQ(p.At(2, 2), kBlack);
    EXPECT_EQ(p.At(5, 2), kBlack);
    EXPECT_EQ(p.At(5, 4), kBlack);
    EXPECT_EQ(p.At(2, 4), kBlack);
    EXPECT_EQ(p.At(6, 2), kWhite);
    EXPECT_EQ(p.At(2, 5), kWhite);
    EXPECT_EQ(p.At(3, 3), kRed);
    EXPECT_EQ(p.At(4, 3), kRed);

    // Without a pen the fill is one pixel smaller still.
    p.Canvas.Pen()->SetStyle(psClear);
    p.Canvas.Rectangle(10, 10, 14, 13);
    EXPECT_EQ(p.At(10, 10), kRed);
    EXPECT_EQ(p.At(12, 11), kRed);
    EXPECT_EQ(p.At(13, 11), kWhite);
    EXPECT_EQ(p.At(12, 12), kWhite);
}

TEST(CanvasPixels, LineLeavesOutItsLastPixelInEveryDirection)
{
    TPaintedCanvas p(20, 20);
    p.Canvas.Line(2, 2, 8, 2);
    EXPECT_EQ(p.At(2, 2), kBlack);
    EXPECT_EQ(p.At(7, 2), kBlack);
    EXPECT_EQ(p.At(8, 2), kWhite);
    p.Canvas.Line(8, 5, 2, 5);
    EXPECT_EQ(p.At(8, 5), kBlack);
    EXPECT_EQ(p.At(3, 5), kBlack);
    EXPECT_EQ(p.At(2, 5), kWhite);
    p.Canvas.Line(12, 8, 12, 2);
    EXPECT_EQ(p.At(12, 8), kBlack);
    EXPECT_EQ(p.At(12, 3), kBlack);
    EXPECT_EQ(p.At(12, 2), kWhite);
    p.Canvas.Line(0, 10, 5, 15);
    EXPECT_EQ(p.At(0, 10), kBlack);
    EXPECT_EQ(p.At(4, 14), kBlack);
    EXPECT_EQ(p.At(5, 15), kWhite);
    // A polyline draws each corner once and leaves out only its very last point.
    const TPoint pts[3] = {{14, 10}, {18, 10}, {18, 14}};
    p.Canvas.Polyline(pts, 2);
    EXPECT_EQ(p.At(18, 10), kBlack);
    EXPECT_EQ(p.At(18, 13), kBlack);
    EXPECT_EQ(p.At(18, 14), kWhite);
}

TEST(CanvasPixels, Frame3DCornersAndTheRectangleInside)
{
    TPaintedCanvas p(20, 20);
    TRect r(2, 2, 8, 8);
    p.Canvas.Frame3D(r, clRed, clBlue, 1);
    EXPECT_EQ(p.At(2, 2), kRed);   // top-left: top colour
    EXPECT_EQ(p.At(6, 2), kRed);
    EXPECT_EQ(p.At(7, 2), kBlue);  // top-right: bottom colour
    EXPECT_EQ(p.At(7, 7), kBlue);
    EXPECT_EQ(p.At(2, 7), kBlue);  // bottom-left: the bottom line runs over it
    EXPECT_EQ(p.At(2, 6), kRed);
    EXPECT_EQ(p.At(8, 8), kWhite);
    EXPECT_EQ(p.At(1, 7), kWhite);
    EXPECT_EQ(r, TRect(3, 3, 7, 7));

    TRect twice(10, 10, 18, 18);
    p.Canvas.Frame3D(twice, clRed, clBlue, 2);
    EXPECT_EQ(twice, TRect(12, 12, 16, 16));
    EXPECT_EQ(p.At(11, 11), kRed);
    EXPECT_EQ(p.At(12, 12), kWhite);
}

TEST(CanvasPixels, ExclusiveOrFiguresDrawnTwiceRestoreTheImage)
{
    TPaintedCanvas p(40, 40);
    p.Canvas.GradientFill(TRect(0, 0, 40, 40), clRed, clBlue, gdLeftRight);
    const QImage before = p.Copy();
    for (TPenMode mode : {pmXor, pmNotXor}) {
        for (int pass = 0; pass < 2; ++pass) {
            p.Canvas.Pen()->SetMode(mode);
            p.Canvas.Pen()->SetColor(RGB(40, 200, 90));
            p.Canvas.Brush()->SetStyle(bsClear);
            p.Canvas.Rectangle(3, 4, 30, 25);
            p.Canvas.Line(1, 1, 35, 20);
            const TPoint pts[4] = {{5, 30}, {20, 35}, {35, 5}, {10, 10}};
            p.Canvas.Polyline(pts, 3);
            p.Canvas.Ellipse(8, 8, 28, 30);
        }
        EXPECT_EQ(p.Copy(), before) << mode;
    }
    // A one-pixel dotted chart pen keeps its exclusive-or mode.
    TChartPen dots;
    dots.SetSmallDots(true);
    dots.SetMode(pmXor);
    dots.SetColor(clWhite);
    p.Canvas.AssignVisiblePen(&dots);
    p.Canvas.Line(0, 20, 39, 20);
    EXPECT_NE(p.Copy(), before);
    p.Canvas.Line(0, 20, 39, 20);
    EXPECT_EQ(p.Copy(), before);
}

TEST(CanvasPixels, AnOutlinedEllipseCoversItsBoxLessTheRightAndBottomEdge)
{
    // Boxes (left, top, right, bottom): round, flat, tall, tiny and odd.
    const TRect boxes[] = {{10, 10, 18, 18}, {10, 10, 18, 16}, {10, 10, 19, 19}, {10, 10, 30, 20},
                           {10, 10, 13, 17}, {10, 10, 37, 15}, {10, 10, 12, 12}, {10, 10, 60, 13}};
    for (const TRect& box : boxes) {
        TPaintedCanvas p(70, 40);
        p.Canvas.Pen()->SetColor(clBlack);
        p.Canvas.Brush()->SetColor(clRed);
        p.Canvas.Ellipse(box.Left, box.Top, box.Right, box.Bottom);
        TRect covered(70, 40, -1, -1);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 70; ++x)
                if (p.At(x, y) != kWhite) {
                    covered.Left = std::min(covered.Left, x);
                    covered.Top = std::min(covered.Top, y);
                    covered.Right = std::max(covered.Right, x + 1);
                    covered.Bottom = std::max(covered.Bottom, y + 1);
                }
        EXPECT_EQ(covered, box) << box.Right << "x" << box.Bottom;
        // The middle is the brush, the leftmost pixel of the middle row the pen.
        EXPECT_EQ(p.At((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2), box.Right - box.Left > 2 ? kRed : kBlack);
        EXPECT_EQ(p.At(box.Left, (box.Top + box.Bottom - 1) / 2), kBlack);
    }
}

TEST(CanvasPixels, PiesRunCounterClockwiseBetweenTheRadials)
{
    TPaintedCanvas p(60, 30);
    p.Canvas.Pen()->SetStyle(psClear);
    p.Canvas.Brush()->SetColor(clRed);
    // From the radial to the right to the one going up: the top-right quarter.
    p.Canvas.Pie(0, 0, 21, 21, 20, 10, 10, 0);
    EXPECT_EQ(p.At(15, 5), kRed);
    EXPECT_EQ(p.At(5, 5), kWhite);
    EXPECT_EQ(p.At(5, 15), kWhite);
    EXPECT_EQ(p.At(15, 15), kWhite);
    // Swapped: three quarters, all but the top-right.
    p.Canvas.Pie(30, 0, 51, 21, 40, 0, 50, 10);
    EXPECT_EQ(p.At(35, 5), kRed);
    EXPECT_EQ(p.At(35, 15), kRed);
    EXPECT_EQ(p.At(45, 15), kRed);
    EXPECT_EQ(p.At(45, 5), kWhite);
}

TEST(CanvasPixels, PolygonsFillAlternate)
{
    TPaintedCanvas p(21, 21);
    p.Canvas.Pen()->SetStyle(psClear);
    p.Canvas.Brush()->SetColor(clRed);
    const TPoint star[5] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    p.Canvas.Polygon(star, 4);
    EXPECT_EQ(p.At(10, 11), kWhite); // the centre is crossed twice
    EXPECT_EQ(p.At(10, 4), kRed);
    EXPECT_EQ(p.At(3, 8), kRed);
}

TEST(CanvasPixels, HatchGapsShowTheBackColourOrStayTransparent)
{
    TPaintedCanvas p(20, 10);
    Fill(p.Canvas, TRect(0, 0, 20, 10), clBlue);
    TBrush hatch;
    hatch.SetStyle(bsHorizontal);
    hatch.SetColor(clRed);
    p.Canvas.Pen()->SetStyle(psClear);
    p.Canvas.AssignBrush(&hatch, clNone);
    p.Canvas.Rectangle(0, 0, 10, 10);
    p.Canvas.AssignBrush(&hatch, clLime);
    p.Canvas.Rectangle(10, 0, 20, 10);
    int red = 0, blue = 0, green = 0;
    for (int y = 0; y < 8; ++y) {
        red += p.At(4, y) == kRed;
        blue += p.At(4, y) == kBlue;
        green += p.At(14, y) == kGreen;
    }
    EXPECT_EQ(red, 1);   // one line in eight rows
    EXPECT_EQ(blue, 7);  // gaps transparent
    EXPECT_EQ(green, 7); // gaps in the back colour
}

TEST(CanvasPixels, DonutWithNoHoleAndEqualRadialsIsAWholeDisc)
{
    TPaintedCanvas p(60, 60);
    p.Canvas.Pen()->SetStyle(psClear);
    p.Canvas.Brush()->SetColor(clRed);
    p.Canvas.Donut(30, 30, 20, 20, 0.0, 0.0, 0.0);
    EXPECT_EQ(p.At(30, 15), kRed);
    EXPECT_EQ(p.At(15, 30), kRed);
    EXPECT_EQ(p.At(30, 45), kRed);
    EXPECT_EQ(p.At(30, 5), kWhite);

    // A half ring: the hole stays clear.
    p.Canvas.Brush()->SetColor(clBlue);
    p.Canvas.Donut(30, 30, 20, 20, 0.0, M_PI, 50.0);
    EXPECT_EQ(p.At(30, 14), kBlue);
    EXPECT_EQ(p.At(30, 25), kRed);
}

TEST(CanvasPixels, LongPolylineHasThePixelsOfItsSegments)
{
    // Thousands of segments take the fast way; each segment still leaves out its end pixel.
    std::vector<TPoint> points;
    for (int i = 0; i < 3000; ++i)
        points.emplace_back(5 + (i * 37) % 190, 5 + (i * 53) % 90);
    TPaintedCanvas whole(200, 100), bySegment(200, 100);
    whole.Canvas.Pen()->SetColor(clRed);
    whole.Canvas.Polyline(points.data(), static_cast<int32_t>(points.size()) - 1);
    bySegment.Canvas.Pen()->SetColor(clRed);
    bySegment.Canvas.MoveTo(points[0].X, points[0].Y);
    for (size_t i = 1; i < points.size(); ++i)
        bySegment.Canvas.LineTo(points[i].X, points[i].Y);
    EXPECT_EQ(whole.Copy(), bySegment.Copy());
}
