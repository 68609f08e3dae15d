// Framed shapes drawn on a panel, and the zoom settings.
#include <gtest/gtest.h>

#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeCustomShape.h"
#include "chart/core/TeeGradient.h"
#include "platform/graphics/SystemColors.h"
#include "PanelTestSupport.h"

namespace {

// A white panel that draws one shape over its background.
class ShapePanel : public BackgroundPanel
{
public:
    ShapePanel() : shape(this)
    {
        SetBevelOuter(bvNone);
        SetColor(clWhite);
        shape.ShapeRect = TRect(50, 50, 150, 100);
    }
    void InternalDraw(const TRect& rect) override
    {
        PanelPaint(rect);
        shape.DrawRectRotated(shape.ShapeRect, angle, 0);
    }
    TTeeShape shape;
    int angle = 0;
};

QRgb Rgb(TColor c)
{
    return TColorToQColor(ColorToRGB(c)).rgb();
}

TEST(Shape, Defaults)
{
    TTeeShape shape(nullptr);
    EXPECT_EQ(shape.Bevel(), bvNone);
    EXPECT_EQ(shape.BevelWidth(), 2);
    EXPECT_EQ(shape.Color(), clWhite);
    EXPECT_EQ(shape.ShadowColor(), clBlack);
    EXPECT_EQ(shape.ShadowSize(), 3);
    EXPECT_EQ(shape.ShapeStyle(), fosRectangle);
    EXPECT_EQ(shape.Transparency(), 0);
    EXPECT_FALSE(shape.Transparent());
    EXPECT_FALSE(shape.HasGradient());
    EXPECT_TRUE(shape.Visible());
    EXPECT_EQ(TeeWriteProperties(shape), QString());
}

TEST(Shape, FrameFillAndShadowOffsetByTheFrameWidth)
{
    ShapePanel panel;
    panel.shape.SetColor(clYellow);
    panel.shape.Frame()->SetWidth(2);
    const QImage& img = panel.Painted();
    EXPECT_EQ(img.pixel(100, 75), Rgb(clYellow));
    EXPECT_EQ(img.pixel(50, 75), Rgb(clBlack)); // frame
    // Shadow 3 + frame 2: the shadow box runs from (55, 55) to (155, 105).
    EXPECT_EQ(img.pixel(153, 103), Rgb(clBlack));
    EXPECT_EQ(img.pixel(156, 103), Rgb(clWhite));
    EXPECT_EQ(img.pixel(153, 106), Rgb(clWhite));
    EXPECT_EQ(img.pixel(52, 102), Rgb(clWhite)); // left of the shadow
}

TEST(Shape, TransparentDrawsNothingAndAClearBrushNoShadow)
{
    ShapePanel panel;
    panel.shape.SetColor(clYellow);
    panel.shape.SetTransparent(true);
    const QImage& none = panel.Painted();
    EXPECT_EQ(none.pixel(100, 75), Rgb(clWhite));
    EXPECT_EQ(none.pixel(50, 75), Rgb(clWhite));
    EXPECT_EQ(none.pixel(152, 102), Rgb(clWhite));
    panel.shape.SetTransparent(false);
    panel.shape.Brush()->SetStyle(bsClear);
    const QImage& clear = panel.Painted();
    EXPECT_EQ(clear.pixel(50, 75), Rgb(clBlack));
    EXPECT_EQ(clear.pixel(152, 102), Rgb(clWhite));
}

TEST(Shape, BevelOnlyWhenUnrotated)
{
    ShapePanel panel;
    panel.shape.SetShadowSize(0);
    panel.shape.Frame()->SetVisible(false);
    panel.shape.SetBevel(bvRaised);
    panel.shape.SetBevelWidth(2);
    panel.shape.SetColor(clYellow);
    EXPECT_EQ(panel.Painted().pixel(51, 75), Rgb(clBtnHighlight));
    EXPECT_EQ(panel.Painted().pixel(148, 75), Rgb(clBtnShadow));
    EXPECT_EQ(panel.Painted().pixel(52, 75), Rgb(clYellow));
    panel.angle = -10; // a negative angle: an unrotated box without bevel
    EXPECT_EQ(panel.Painted().pixel(51, 75), Rgb(clYellow));
}

TEST(Shape, ARotatedShapeIsAPolygonAroundTheCentre)
{
    ShapePanel panel;
    panel.shape.SetShadowSize(0);
    panel.shape.SetColor(clYellow);
    panel.angle = 45;
    const QImage& img = panel.Painted();
    EXPECT_EQ(img.pixel(100, 75), Rgb(clYellow));
    EXPECT_EQ(img.pixel(52, 52), Rgb(clWhite)); // the unrotated corner lies outside
    EXPECT_EQ(img.pixel(100, 105), Rgb(clYellow)); // below the unrotated box, inside the turned one
    EXPECT_EQ(img.pixel(100, 115), Rgb(clWhite));
}

TEST(Shape, TransparencyBlendsWithTheBackground)
{
    ShapePanel panel;
    panel.shape.SetShadowSize(0);
    panel.shape.SetColor(clBlack);
    panel.shape.SetTransparency(50);
    const QRgb p = panel.Painted().pixel(100, 75);
    EXPECT_NEAR(qRed(p), 127, 1);
    EXPECT_NEAR(qGreen(p), 127, 1);
}

TEST(Shape, AssignLeavesTransparencyAndShapeRect)
{
    TTeeShape a(nullptr), b(nullptr);
    a.SetBevel(bvLowered);
    a.SetColor(clRed);
    a.SetTransparency(40);
    a.SetTransparent(true);
    a.Gradient()->SetVisible(true);
    a.ShapeRect = TRect(1, 2, 3, 4);
    a.SetVisible(false);
    b.SetTransparency(7);
    b.Assign(&a);
    EXPECT_EQ(b.Bevel(), bvLowered);
    EXPECT_EQ(b.Color(), clRed);
    EXPECT_TRUE(b.Transparent());
    EXPECT_TRUE(b.HasGradient());
    EXPECT_FALSE(b.Visible());
    EXPECT_EQ(b.Transparency(), 7);
    EXPECT_EQ(b.ShapeRect, TRect());
}

TEST(Shape, ReadOnlyShadowColourByNameOrNumber)
{
    TTeeShape shape(nullptr);
    TeeReadProperties(shape, QStringLiteral("ShadowColor=clRed\nShadowSize=6"));
    EXPECT_EQ(shape.ShadowColor(), clRed);
    EXPECT_EQ(shape.Shadow()->HorizSize(), 6);
    EXPECT_EQ(shape.Shadow()->VertSize(), 6);
    TeeReadProperties(shape, QStringLiteral("ShadowColor=255"));
    EXPECT_EQ(shape.ShadowColor(), 255u);
}

TEST(Shape, ChangesRepaintTheParent)
{
    ShapePanel panel;
    panel.Painted();
    panel.shape.Font()->SetColor(clRed);
    EXPECT_TRUE(panel.NeedsPaint());
    panel.Painted();
    panel.shape.SetColor(clWhite); // unchanged
    EXPECT_FALSE(panel.NeedsPaint());
}

// ---- zoom settings ----

TEST(Zoom, CheckOrdersTheCorners)
{
    TZoomPanning z;
    z.Activate(50, 40);
    EXPECT_TRUE(z.Active);
    EXPECT_EQ(z.X1, 50);
    EXPECT_EQ(z.Y1, 40);
    z.X1 = 10;
    z.Y1 = 20;
    z.Check();
    EXPECT_EQ(z.X0, 10);
    EXPECT_EQ(z.Y0, 20);
    EXPECT_EQ(z.X1, 50);
    EXPECT_EQ(z.Y1, 40);
    z.X1 = 60; // only the axis that is reversed swaps
    z.Y1 = 5;
    z.Check();
    EXPECT_EQ(z.X0, 10);
    EXPECT_EQ(z.X1, 60);
    EXPECT_EQ(z.Y0, 5);
    EXPECT_EQ(z.Y1, 20);
}

TEST(Zoom, DefaultsPenAndBrush)
{
    TTeeZoom zoom;
    EXPECT_TRUE(zoom.Allow());
    EXPECT_FALSE(zoom.Animated());
    EXPECT_EQ(zoom.AnimatedSteps(), 8);
    EXPECT_EQ(zoom.Direction(), tzdBoth);
    EXPECT_EQ(zoom.KeyShift(), 0u);
    EXPECT_EQ(zoom.MinimumPixels(), 16);
    EXPECT_EQ(zoom.MouseButton(), mbLeft);
    EXPECT_FALSE(zoom.HasBrush());
    EXPECT_EQ(zoom.Brush()->Color(), clWhite);
    EXPECT_EQ(zoom.Brush()->Style(), bsClear);
    EXPECT_EQ(zoom.Pen()->Color(), clWhite);
    zoom.SetBrush(nullptr);
    EXPECT_FALSE(zoom.HasBrush());
    EXPECT_EQ(TeeWriteProperties(zoom), QString());
    zoom.Pen()->SetColor(clRed);
    EXPECT_TRUE(TeeWriteProperties(zoom).contains(QStringLiteral("Pen.Color")));
}

TEST(Zoom, AssignCopiesAllButMinimumPixelsAndIgnoresOtherSources)
{
    TTeeZoom a, b;
    a.SetAllow(false);
    a.SetAnimated(true);
    a.SetAnimatedSteps(3);
    a.SetDirection(tzdHorizontal);
    a.SetKeyShift(ssCtrl);
    a.SetMouseButton(mbRight);
    a.SetMinimumPixels(2);
    a.Pen()->SetColor(clRed);
    b.Assign(&a);
    EXPECT_FALSE(b.Allow());
    EXPECT_TRUE(b.Animated());
    EXPECT_EQ(b.AnimatedSteps(), 3);
    EXPECT_EQ(b.Direction(), tzdHorizontal);
    EXPECT_EQ(b.KeyShift(), ssCtrl);
    EXPECT_EQ(b.MouseButton(), mbRight);
    EXPECT_EQ(b.Pen()->Color(), clRed);
    EXPECT_FALSE(b.HasBrush());
    EXPECT_EQ(b.MinimumPixels(), 16);
    TZoomPanning plain;
    b.Assign(&plain);
    EXPECT_FALSE(b.Allow());
}

} // namespace
