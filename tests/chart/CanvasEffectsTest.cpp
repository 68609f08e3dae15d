// Gradients, blending, text with shadows, clipping and buffering, probed on pixels.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "chart/core/ChartPen.h"
#include "chart/core/TeCanvasSettings.h"
#include "chart/core/TeeBlend.h"
#include "chart/core/TeeFont.h"
#include "chart/core/TeeGradient.h"
#include "chart/core/TeeShadow.h"
#include "chart/core/View3DOptions.h"
#include "tests/chart/support/PaintedCanvas.h"

namespace {

unsigned Grey(unsigned v)
{
    return v << 16 | v << 8 | v;
}

// Leftmost column holding a pixel that is mostly red, or mostly blue.
int LeftmostOf(const TPaintedCanvas& p, int width, int height, bool red)
{
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const unsigned c = p.At(x, y);
            const int r = c >> 16 & 0xFF, b = c & 0xFF;
            if (red ? (r > 200 && b < 80) : (b > 200 && r < 80))
                return x;
        }
    return -1;
}

} // namespace

TEST(CanvasGradient, VerticalBandsFromTheBottomInIntegerSteps)
{
    TPaintedCanvas p(10, 3);
    p.Canvas.GradientFill(TRect(0, 0, 10, 3), clWhite, clBlack, gdTopBottom);
    EXPECT_EQ(p.At(0, 2), Grey(255));
    EXPECT_EQ(p.At(9, 1), Grey(128));
    EXPECT_EQ(p.At(5, 0), Grey(0));

    p.Canvas.GradientFill(TRect(0, 0, 10, 3), clWhite, clBlack, gdBottomTop);
    // The colours swap: black is band 0 at the bottom, the middle band 0 + 255 / 2.
    EXPECT_EQ(p.At(0, 0), Grey(255));
    EXPECT_EQ(p.At(0, 1), Grey(127));
    EXPECT_EQ(p.At(0, 2), Grey(0));
}

TEST(CanvasGradient, HorizontalBandsStartAtTheRightEdge)
{
    TPaintedCanvas p(3, 2);
    p.Canvas.GradientFill(TRect(0, 0, 3, 2), clWhite, clBlack, gdLeftRight);
    EXPECT_EQ(p.At(2, 0), Grey(255));
    EXPECT_EQ(p.At(1, 1), Grey(128));
    EXPECT_EQ(p.At(0, 0), Grey(0));
}

TEST(CanvasGradient, BalanceBendsTheBands)
{
    TPaintedCanvas p(1, 5);
    // N = 4; band 2 of 5: linear 255 - 2*255/4 = 128; balance 0 uses ((3/5)^0.5).
    p.Canvas.GradientFill(TRect(0, 0, 1, 5), clWhite, clBlack, gdTopBottom, 50);
    EXPECT_EQ(p.At(0, 2), Grey(128));
    p.Canvas.GradientFill(TRect(0, 0, 1, 5), clWhite, clBlack, gdTopBottom, 0);
    EXPECT_EQ(p.At(0, 2), Grey(255 - 198)); // round(255 * 0.7746) = 198
    p.Canvas.GradientFill(TRect(0, 0, 1, 5), clWhite, clBlack, gdTopBottom, 100);
    EXPECT_EQ(p.At(0, 2), Grey(255 - 92)); // round(255 * 0.36) = 92
}

TEST(CanvasGradient, TinyAndEmptyRectanglesDrawNothing)
{
    TPaintedCanvas p(10, 10);
    for (TGradientDirection d : {gdTopBottom, gdLeftRight, gdFromCenter, gdFromTopLeft, gdFromBottomLeft, gdRadial}) {
        p.Canvas.GradientFill(TRect(4, 4, 4, 4), clRed, clBlue, d);
        p.Canvas.GradientFill(TRect(4, 4, 5, 4), clRed, clBlue, d);
        p.Canvas.GradientFill(TRect(6, 6, 6, 9), clRed, clBlue, d);
    }
    // A one-pixel-high vertical gradient has a single band: nothing to spread over.
    p.Canvas.GradientFill(TRect(0, 0, 10, 1), clRed, clBlue, gdTopBottom);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            ASSERT_EQ(p.At(x, y), kWhite) << x << "," << y;
}

TEST(CanvasGradient, FromCentreAndCornersRunEdgeToCentre)
{
    TPaintedCanvas p(20, 20);
    // Colours swap for these directions: the end colour lies at the edge.
    p.Canvas.GradientFill(TRect(0, 0, 20, 20), clBlack, clWhite, gdFromCenter);
    EXPECT_EQ(p.At(0, 0), Grey(255));
    EXPECT_EQ(p.At(19, 10), Grey(255));
    EXPECT_EQ(p.At(1, 1), Grey(255 - 255 * 2 / 20));
    EXPECT_EQ(p.At(10, 10), Grey(255 - 255 * 18 / 20)); // the last ring, band 9 + 9
    p.Canvas.GradientFill(TRect(0, 0, 20, 20), clBlack, clWhite, gdFromTopLeft);
    EXPECT_EQ(p.At(0, 0), Grey(255));
    EXPECT_LT(p.At(19, 19) & 0xFF, 20u);
    p.Canvas.GradientFill(TRect(0, 0, 20, 20), clBlack, clWhite, gdFromBottomLeft);
    EXPECT_EQ(p.At(0, 19), Grey(255));
    EXPECT_LT(p.At(19, 0) & 0xFF, 20u);
}

TEST(CanvasGradient, HugeFillsDrawWhatFallsOnTheDevice)
{
    // A 200x100 white canvas; fills far wider than an int measures. Rows 10 to 59 hold the
    // rectangle (-2e9, 10, 2e9, 60): 50 rows, 4e9 columns.
    const TRect wide(-2000000000, 10, 2000000000, 60);
    const struct {
        const char* what;
        std::function<void(TTeeCanvas3D&)> draw;
        std::vector<std::pair<TPoint, unsigned>> probes;
    } cases[] = {
        // One band a row, band 0 at the bottom: row y holds band 59 - y of 49, 255 (59 - y) / 49.
        {"top to bottom", [&](TTeeCanvas3D& c) { c.GradientFill(wide, clBlack, clWhite, gdTopBottom); },
         {{{0, 9}, kWhite}, {{0, 10}, Grey(255)}, {{199, 35}, Grey(124)}, {{100, 59}, Grey(0)}, {{0, 60}, kWhite}}},
        // Rounded corners far off the device change nothing on it.
        {"rounded top to bottom",
         [&](TTeeCanvas3D& c) {
             TTeeGradient g;
             g.SetStartColor(clBlack);
             g.SetEndColor(clWhite);
             g.Draw(&c, wide, 10);
         },
         {{{0, 9}, kWhite}, {{0, 10}, Grey(255)}, {{199, 35}, Grey(124)}, {{100, 59}, Grey(0)}, {{0, 60}, kWhite}}},
        // 256 bands of 15625000 columns from the right edge 2e9 + 100: column 100 starts band 127.
        {"left to right",
         [](TTeeCanvas3D& c) { c.GradientFill(TRect(-1999999900, 10, 2000000100, 60), clBlack, clWhite, gdLeftRight); },
         {{{0, 10}, Grey(128)}, {{99, 59}, Grey(128)}, {{100, 10}, Grey(127)}, {{199, 59}, Grey(127)},
          {{0, 60}, kWhite}}},
        // Colours swapped, black at the edge. The rows from the top and bottom edges are their
        // rings' last until they meet: rings 0 to 24, bands 0 to 48 of 2e9 + 25, black. Rows 34
        // and 35 are painted by every ring after, ring 2e9 - 1 - x last over column x: band
        // 2e9 + 24 - x, so 255 less a hair, 254.
        {"from the centre", [&](TTeeCanvas3D& c) { c.GradientFill(wide, clWhite, clBlack, gdFromCenter); },
         {{{0, 10}, Grey(0)}, {{199, 33}, Grey(0)}, {{0, 34}, Grey(254)}, {{199, 35}, Grey(254)}, {{100, 36}, Grey(0)},
          {{100, 59}, Grey(0)}, {{100, 60}, kWhite}}},
        // Column x is step x + 2e9's, down to the top edge: band x + 2e9 + 50 of 4e9 + 50, 127.
        {"from the top left", [&](TTeeCanvas3D& c) { c.GradientFill(wide, clWhite, clBlack, gdFromTopLeft); },
         {{{0, 9}, kWhite}, {{0, 10}, Grey(127)}, {{199, 59}, Grey(127)}, {{0, 60}, kWhite}}},
        // Rings of 7843137 pixels a step around (1, 1): the device lies in the smallest one,
        // ring 1, start + round(255 / 255).
        {"radial",
         [](TTeeCanvas3D& c) {
             c.GradientFill(TRect(-2000000000, -2000000000, 2000000000, 2000000000), clBlack, clWhite, gdRadial);
         },
         {{{0, 0}, Grey(1)}, {{199, 99}, Grey(1)}}},
        // A quarter of a ring from 1e9 to 2e9 around a centre 1.5e9 to the left: the device lies
        // inside it, and its outline far off.
        {"donut",
         [](TTeeCanvas3D& c) {
             c.Brush()->SetColor(clRed);
             c.Pie3D(-1499999900, 50, 2000000000, 2000000000, 0, 10, -M_PI / 4, M_PI / 4, false, false, 50);
         },
         {{{0, 0}, kRed}, {{199, 99}, kRed}, {{100, 50}, kRed}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TPaintedCanvas p(200, 100);
        c.draw(p.Canvas);
        for (const auto& [at, colour] : c.probes)
            EXPECT_EQ(p.At(at.X, at.Y), colour) << at.X << "," << at.Y;
    }
}

TEST(CanvasGradient, FillsReachingPastTheDeviceMatchTheirWholeDrawing)
{
    // A fill larger than a 200x100 canvas, which lies near the middle of each of its edges in
    // turn, gives the pixels of the same fill drawn whole on a canvas of its size: even and odd
    // sizes, wide and tall. (A radial fill's centre is rounded half to even, so it does not move
    // with it.)
    for (const TPoint size : {TPoint(800, 500), TPoint(801, 501), TPoint(301, 901)}) {
        const int middleX = size.X / 2 - 100, middleY = size.Y / 2 - 50;
        for (const TPoint at : {TPoint(7, middleY), TPoint(size.X - 207, middleY), TPoint(middleX, 3),
                                TPoint(middleX, size.Y - 103)}) {
            for (TGradientDirection d : {gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter,
                                         gdFromTopLeft, gdFromBottomLeft}) {
                for (int balance : {50, 20}) {
                    TPaintedCanvas whole(size.X, size.Y), part(200, 100);
                    whole.Canvas.GradientFill(TRect(0, 0, size.X, size.Y), clRed, RGB(0, 90, 255), d, balance);
                    part.Canvas.GradientFill(TRect(-at.X, -at.Y, size.X - at.X, size.Y - at.Y), clRed,
                                             RGB(0, 90, 255), d, balance);
                    EXPECT_TRUE(part.Copy() == whole.Copy().copy(at.X, at.Y, 200, 100))
                        << size.X << "x" << size.Y << " at " << at.X << "," << at.Y << ": " << d << " " << balance;
                }
            }
        }
    }
}

TEST(CanvasGradient, RadialHasTheStartColourAtTheCentre)
{
    TPaintedCanvas p(40, 40);
    TTeeGradient g;
    g.SetDirection(gdRadial);
    g.SetStartColor(clRed);
    g.SetEndColor(clBlue);
    g.Draw(&p.Canvas, TRect(0, 0, 40, 40));
    // Centre (21, 21): the innermost rings are a few pixels wide, bands 1 to 4 of 40.
    const unsigned centre = p.At(21, 21);
    EXPECT_GE(centre >> 16, 229u);
    EXPECT_LE(centre & 0xFF, 26u);
    EXPECT_EQ(p.At(0, 0), kBlue);
}

TEST(CanvasGradient, MiddleColourSplitsTheFill)
{
    TPaintedCanvas p(4, 20);
    TTeeGradient g;
    g.SetStartColor(clRed);
    g.SetEndColor(clBlue);
    g.SetMidColor(clLime);
    g.Draw(&p.Canvas, TRect(0, 0, 4, 20));
    EXPECT_EQ(p.At(0, 19), kRed);  // lower half start -> middle, start at the bottom
    EXPECT_EQ(p.At(0, 10), kGreen);
    EXPECT_EQ(p.At(0, 9), kGreen); // upper half middle -> end
    EXPECT_EQ(p.At(0, 0), kBlue);
}

TEST(CanvasBlend, HalfTransparencyMixesEachChannelInIntegers)
{
    TPaintedCanvas p(10, 10);
    p.Canvas.Brush()->SetColor(RGB(200, 100, 0));
    p.Canvas.FillRect(TRect(0, 0, 10, 10));
    TTeeBlend* blend = p.Canvas.BeginBlending(TRect(0, 0, 10, 10), 50);
    p.Canvas.Brush()->SetColor(RGB(0, 0, 255));
    p.Canvas.FillRect(TRect(0, 0, 10, 10));
    p.Canvas.EndBlending(blend);
    EXPECT_EQ(p.At(5, 5), 0x643280u); // (100, 50, 128)

    blend = p.Canvas.BeginBlending(TRect(0, 0, 10, 10), 100);
    p.Canvas.Brush()->SetColor(clLime);
    p.Canvas.FillRect(TRect(0, 0, 10, 10));
    p.Canvas.EndBlending(blend);
    EXPECT_EQ(p.At(5, 5), 0x643280u); // 100 restores the background
}

TEST(CanvasBlend, WhiteIsTestedOnItsThreeColourBytesAlone)
{
    TPaintedCanvas p(4, 4);
    TTeeBlend* blend = p.Canvas.BeginBlending(TRect(0, 0, 4, 4), 0);
    p.Canvas.Brush()->SetColor(clWhite);
    p.Canvas.FillRect(TRect(0, 0, 4, 4));
    p.Canvas.SetPixel(1, 0, clBlue); // the pixel after (0, 0) is not black
    p.Canvas.EndBlending(blend);
    EXPECT_EQ(p.At(0, 0), 0xFEFFFFu);
    EXPECT_EQ(p.At(3, 3), 0xFEFFFFu);
    EXPECT_EQ(p.At(1, 0), kBlue);
}

TEST(CanvasBlend, EmptyOrNegativeRectanglesBlendNothing)
{
    TPaintedCanvas p(4, 4);
    TTeeBlend blend(&p.Canvas, TRect(-5, -5, -1, -1));
    EXPECT_FALSE(blend.ValidSize());
    blend.DoBlend(50);
    TTeeBlend clamped(&p.Canvas, TRect(-5, -5, 3, 3));
    EXPECT_EQ(clamped.Rect(), TRect(0, 0, 3, 3));
}

TEST(CanvasText, ShadowOffsetsMoveTheShadowOrTheText)
{
    for (int h : {4, -4}) {
        TPaintedCanvas p(80, 40);
        TTeeFont font;
        font.SetHeight(-24);
        font.SetColor(clBlue);
        font.Shadow()->SetColor(clRed);
        font.Shadow()->SetHorizSize(h);
        p.Canvas.AssignFont(&font);
        p.Canvas.TextOut(10, 5, QStringLiteral("l"));
        const int text = LeftmostOf(p, 80, 40, false);
        const int shadow = LeftmostOf(p, 80, 40, true);
        ASSERT_GE(text, 0);
        ASSERT_GE(shadow, 0);
        EXPECT_EQ(shadow - text, h);
        if (h < 0) {
            EXPECT_GE(text, 10 + 4); // the text moved, the shadow stayed
        }
        const int plain = p.Canvas.Canvas()->TextWidth(QStringLiteral("W"));
        EXPECT_EQ(p.Canvas.TextWidth(QStringLiteral("W")), plain + 4);
    }
}

TEST(CanvasText, RotationAbove360TurnsByTheRemainder)
{
    TPaintedCanvas a(60, 60), b(60, 60);
    a.Canvas.RotateLabel(30, 30, QStringLiteral("Ab"), 90);
    b.Canvas.RotateLabel(30, 30, QStringLiteral("Ab"), 450);
    EXPECT_EQ(a.Copy(), b.Copy());
    TPaintedCanvas c(60, 60);
    c.Canvas.RotateLabel(30, 30, QStringLiteral("Ab"), 0);
    EXPECT_NE(a.Copy(), c.Copy());
}

TEST(CanvasClip, EllipseAndPolygonRestrictDrawingUntilUnclipped)
{
    TPaintedCanvas p(20, 20);
    ClipEllipse(&p.Canvas, TRect(0, 0, 20, 20));
    p.Canvas.Brush()->SetColor(clRed);
    p.Canvas.FillRect(TRect(0, 0, 20, 20));
    EXPECT_EQ(p.At(0, 0), kWhite);
    EXPECT_EQ(p.At(10, 10), kRed);
    p.Canvas.UnClipRectangle();

    const TPoint triangle[3] = {{0, 0}, {20, 0}, {0, 20}};
    ClipPolygon(&p.Canvas, triangle, 3);
    p.Canvas.Brush()->SetColor(clBlue);
    p.Canvas.FillRect(TRect(0, 0, 20, 20));
    EXPECT_EQ(p.At(1, 1), kBlue);
    EXPECT_EQ(p.At(10, 17), kRed); // inside the ellipse, outside the triangle
    p.Canvas.UnClipRectangle();
    p.Canvas.Brush()->SetColor(clLime);
    p.Canvas.FillRect(TRect(0, 0, 20, 20));
    EXPECT_EQ(p.At(19, 19), kGreen);
}

TEST(CanvasClip, ASecondClipBeforeTheUnclipReplacesTheSavedRegion)
{
    TPaintedCanvas p(20, 20);
    p.Canvas.ClipRectangle(TRect(0, 0, 10, 10));
    p.Canvas.ClipRectangle(TRect(5, 5, 20, 20));
    p.Canvas.Brush()->SetColor(clRed);
    p.Canvas.FillRect(TRect(0, 0, 20, 20));
    EXPECT_EQ(p.At(7, 7), kRed);
    EXPECT_EQ(p.At(2, 2), kWhite);
    EXPECT_EQ(p.At(15, 15), kWhite);
    // The unclip goes back to the region in force at the second clip: the first one.
    p.Canvas.UnClipRectangle();
    p.Canvas.Brush()->SetColor(clLime);
    p.Canvas.FillRect(TRect(0, 0, 20, 20));
    EXPECT_EQ(p.At(2, 2), kGreen);
    EXPECT_EQ(p.At(15, 15), kWhite);
    p.Canvas.UnClipRectangle();
    p.Canvas.FillRect(TRect(0, 0, 20, 20));
    EXPECT_EQ(p.At(15, 15), kGreen);
}

TEST(CanvasBuffer, InitWindowAndRedrawFollowTheBuffer)
{
    TTeeCanvas3D c;
    EXPECT_FALSE(c.ReDrawBitmap()); // nothing finished yet
    EXPECT_EQ(c.InitWindow(nullptr, nullptr, clWhite, false, TRect(30, 40, 130, 90)), TRect(0, 0, 100, 50));
    ASSERT_NE(c.Bitmap(), nullptr);
    EXPECT_EQ(c.Bitmap()->size(), QSize(100, 50));

    QImage screen(200, 200, QImage::Format_RGB32);
    screen.fill(Qt::white);
    TCanvas target;
    target.BeginPaint(&screen);
    c.Brush()->SetColor(clRed);
    c.FillRect(TRect(0, 0, 100, 50));
    c.ShowImage(&target, &target, TRect(30, 40, 130, 90));
    target.EndPaint();
    EXPECT_EQ(screen.pixel(30, 40) & 0xFFFFFFu, kRed);
    EXPECT_EQ(screen.pixel(29, 40) & 0xFFFFFFu, kWhite);
    EXPECT_TRUE(c.ReDrawBitmap());
    c.Invalidate();
    EXPECT_FALSE(c.ReDrawBitmap());

    TTeeCanvas3D direct;
    direct.SetUseBuffer(false);
    TCanvas device;
    EXPECT_EQ(direct.InitWindow(&device, nullptr, clWhite, false, TRect(30, 40, 130, 90)), TRect(30, 40, 130, 90));
}

TEST(CanvasSelection, InvisiblePenOnlyClearsTheStyle)
{
    TPaintedCanvas p(4, 4);
    p.Canvas.Pen()->SetColor(clRed);
    p.Canvas.Pen()->SetWidth(3);
    TChartPen hidden;
    hidden.SetColor(clBlue);
    hidden.SetVisible(false);
    p.Canvas.AssignVisiblePen(&hidden);
    EXPECT_EQ(p.Canvas.Pen()->Style(), psClear);
    EXPECT_EQ(p.Canvas.Pen()->Color(), clRed);
    EXPECT_EQ(p.Canvas.Pen()->Width(), 3);
}

TEST(CanvasSelection, FontZoomAndMonochrome)
{
    TPaintedCanvas p(4, 4);
    TTeeFont font;
    font.SetSize(10);
    font.SetColor(clRed);
    font.SetInterCharSize(3);
    p.Canvas.SetFontZoom(150);
    p.Canvas.AssignFont(&font);
    EXPECT_EQ(p.Canvas.Font()->Size(), 15);
    EXPECT_EQ(p.Canvas.Font()->Color(), clRed);
    EXPECT_EQ(p.Canvas.GetHandle()->TextCharacterExtra(), 3);
    EXPECT_EQ(p.Canvas.CurrentFont(), &font);
    p.Canvas.SetMonochrome(true);
    p.Canvas.AssignFont(&font);
    EXPECT_EQ(p.Canvas.Font()->Color(), clBlack);
    TBrush brush;
    brush.SetColor(clRed);
    p.Canvas.AssignBrush(&brush, clNone);
    EXPECT_EQ(p.Canvas.Brush()->Color(), clWhite);
    EXPECT_EQ(p.Canvas.GetBackMode(), TRANSPARENT);
}

TEST(CanvasText, OutlineWithoutFontColourDrawsHollowText)
{
    for (TColor fontColor : {clNone, clBlue}) {
        TPaintedCanvas p(120, 60);
        p.Canvas.Brush()->SetColor(clLime);
        p.Canvas.FillRect(TRect(0, 0, 120, 60));
        TTeeFont font;
        font.SetHeight(-40);
        font.SetStyle({fsBold});
        font.SetColor(fontColor);
        font.OutLine()->SetColor(clRed);
        font.OutLine()->Show();
        p.Canvas.AssignFont(&font);
        p.Canvas.TextOut(10, 5, QStringLiteral("HO"));
        int red = 0, blue = 0, other = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 120; ++x) {
                const unsigned c = p.At(x, y);
                red += c == kRed;
                blue += c == kBlue;
                other += c != kRed && c != kBlue && c != kGreen;
            }
        EXPECT_GT(red, 50);
        EXPECT_EQ(other, 0); // paths are drawn without smoothing: pure colours
        if (fontColor == clNone) {
            EXPECT_EQ(blue, 0);
        } else {
            EXPECT_GT(blue, 100);
        }
    }
}

TEST(CanvasText, GradientTextPaintsOnlyInsideTheLetters)
{
    TPaintedCanvas p(120, 60);
    TTeeFont font;
    font.SetHeight(-40);
    font.SetStyle({fsBold});
    font.SetColor(clBlack);
    font.Gradient()->SetStartColor(clRed);
    font.Gradient()->SetEndColor(clBlue);
    font.Gradient()->SetVisible(true);
    p.Canvas.AssignFont(&font);
    p.Canvas.TextOut(10, 5, QStringLiteral("HO"));
    int coloured = 0, black = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) {
            const unsigned c = p.At(x, y);
            coloured += c != kWhite;
            black += c == kBlack;
        }
    EXPECT_GT(coloured, 100);
    EXPECT_EQ(black, 0);             // the gradient replaces the font colour
    EXPECT_EQ(p.At(5, 30), kWhite);  // nothing outside the letters
    EXPECT_EQ(p.At(115, 2), kWhite);
    // The clip of the letters is gone afterwards (the text left the brush clear).
    p.Canvas.Brush()->SetStyle(bsSolid);
    p.Canvas.Brush()->SetColor(clLime);
    p.Canvas.FillRect(TRect(0, 0, 120, 60));
    EXPECT_EQ(p.At(5, 30), kGreen);
}

TEST(CanvasClip, FlatCubeClipsInsideItsFrame)
{
    TPaintedCanvas p(20, 20);
    p.Canvas.ClipCube(TRect(2, 2, 12, 12), 0, 10);
    p.Canvas.Brush()->SetColor(clRed);
    p.Canvas.FillRect(TRect(0, 0, 20, 20));
    p.Canvas.UnClipRectangle();
    // (left + 1, top + 1, right, bottom - 1)
    EXPECT_EQ(p.At(2, 5), kWhite);
    EXPECT_EQ(p.At(3, 3), kRed);
    EXPECT_EQ(p.At(11, 10), kRed);
    EXPECT_EQ(p.At(12, 5), kWhite);
    EXPECT_EQ(p.At(5, 11), kWhite);
}

TEST(CanvasText, ZoomedTextGrowsWithTheViewZoom)
{
    class NoParent : public TView3DParent
    {
    public:
        void Invalidate() override {}
    } parent;
    auto inkWidth = [&](int zoom) {
        TView3DOptions options(&parent);
        options.SetZoom(zoom);
        TTeeCanvas3D c;
        const TRect r = c.InitWindow(nullptr, &options, clWhite, true, TRect(0, 0, 300, 100));
        c.Projection(0, r);
        c.ResetState();
        c.Brush()->SetColor(clWhite);
        c.FillRect(r);
        TTeeFont font;
        font.SetSize(10);
        c.AssignFont(&font);
        c.TextOut3D(150, 50, 0, QStringLiteral("MMMM"));
        int left = 300, right = -1;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 300; ++x)
                if ((c.Bitmap()->pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_EQ(c.Font()->Size(), 10); // the zoomed size is only for the call
        return right - left + 1;
    };
    const int plain = inkWidth(100);
    const int doubled = inkWidth(200);
    ASSERT_GT(plain, 10);
    EXPECT_GT(doubled, plain * 17 / 10);
    EXPECT_LT(doubled, plain * 23 / 10);
}

TEST(CanvasShadow, StripsUnderAndRightOfTheRectangle)
{
    TPaintedCanvas p(30, 20);
    TTeeShadow shadow;
    shadow.SetColor(clRed);
    shadow.SetHorizSize(3);
    shadow.SetVertSize(2);
    shadow.Draw(&p.Canvas, TRect(5, 5, 15, 10));
    // Under: (8, 10)-(18, 12); right: (15, 7)-(18, 12).
    EXPECT_EQ(p.At(8, 10), kRed);
    EXPECT_EQ(p.At(17, 11), kRed);
    EXPECT_EQ(p.At(15, 7), kRed);
    EXPECT_EQ(p.At(7, 11), kWhite);
    EXPECT_EQ(p.At(16, 6), kWhite);
    EXPECT_EQ(p.At(18, 11), kWhite);
    EXPECT_EQ(p.At(10, 8), kWhite); // the rectangle itself is left alone

    TPaintedCanvas q(30, 20);
    q.Canvas.Brush()->SetColor(clBlue);
    q.Canvas.FillRect(TRect(0, 0, 30, 20));
    shadow.SetTransparency(50);
    shadow.Draw(&q.Canvas, TRect(5, 5, 15, 10));
    EXPECT_EQ(q.At(10, 11), 0x80007Fu); // red 255 - 127, blue 0 + 127
    EXPECT_EQ(q.At(10, 8), kBlue);

    TPaintedCanvas none(30, 20);
    shadow.SetColor(clNone);
    EXPECT_FALSE(shadow.PrepareCanvas(&none.Canvas, TRect(5, 5, 15, 10)));
    shadow.SetColor(clRed);
    shadow.SetSize(0);
    shadow.Draw(&none.Canvas, TRect(5, 5, 15, 10));
    EXPECT_EQ(none.At(10, 11), kWhite);
}

TEST(CanvasGradient, MonochromeCanvasesGetGreys)
{
    TPaintedCanvas p(4, 4);
    p.Canvas.SetMonochrome(true);
    TTeeGradient g;
    g.SetStartColor(RGB(30, 60, 91));
    g.SetEndColor(RGB(30, 60, 91));
    g.Draw(&p.Canvas, TRect(0, 0, 4, 4));
    EXPECT_EQ(p.At(1, 1), Grey(60)); // (30 + 60 + 91) / 3
}
