// The panel's background, border, bevels and zoom rectangle, read back as pixels.
#include <gtest/gtest.h>

#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeGradient.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/SystemColors.h"
#include "PanelTestSupport.h"

namespace {

QRgb Rgb(TColor c)
{
    return TColorToQColor(ColorToRGB(c)).rgb();
}

// A plain white panel: no bevels, white background.
void MakePlain(BackgroundPanel& panel)
{
    panel.SetBevelOuter(bvNone);
    panel.SetColor(clWhite);
}

TEST(PanelDrawing, ColourFillsThePanelAndAShadowOfZeroErasesNothingFirst)
{
    BackgroundPanel panel;
    MakePlain(panel);
    panel.SetColor(clYellow);
    const QImage& img = panel.Painted();
    EXPECT_EQ(img.pixel(0, 0), Rgb(clYellow));
    EXPECT_EQ(img.pixel(399, 249), Rgb(clYellow));
}

TEST(PanelDrawing, AShadowTakesTheLowerRightStripsInTheParentColour)
{
    BackgroundPanel panel;
    MakePlain(panel);
    panel.SetColor(clYellow);
    panel.Shadow()->SetColor(clNavy);
    panel.Shadow()->SetSize(5);
    const QImage& img = panel.Painted();
    EXPECT_EQ(img.pixel(394, 100), Rgb(clYellow));
    EXPECT_EQ(img.pixel(396, 100), Rgb(clNavy));  // shadow strip at the right
    EXPECT_EQ(img.pixel(100, 247), Rgb(clNavy));  // and at the bottom
    EXPECT_EQ(img.pixel(397, 2), Rgb(clYellow)); // above the shadow: the parent's colour (no window: own)
}

TEST(PanelDrawing, BorderOfWidthOneIsTheOutermostRow)
{
    BackgroundPanel panel;
    MakePlain(panel);
    panel.Border()->SetVisible(true);
    panel.Border()->SetColor(clBlack);
    const QImage& img = panel.Painted();
    for (QPoint p : {QPoint(0, 0), QPoint(200, 0), QPoint(0, 125), QPoint(399, 125), QPoint(200, 249),
                     QPoint(399, 249)})
        EXPECT_EQ(img.pixel(p), Rgb(clBlack)) << p.x() << "," << p.y();
    EXPECT_EQ(img.pixel(1, 125), Rgb(clWhite));
    EXPECT_EQ(img.pixel(398, 125), Rgb(clWhite));
    EXPECT_EQ(img.pixel(200, 1), Rgb(clWhite));
    EXPECT_EQ(img.pixel(200, 248), Rgb(clWhite));
}

TEST(PanelDrawing, BorderOfWidthFourStaysInsideThePanel)
{
    BackgroundPanel panel;
    MakePlain(panel);
    panel.Border()->SetVisible(true);
    panel.Border()->SetWidth(4);
    const QImage& img = panel.Painted();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(img.pixel(i, 125), Rgb(clBlack)) << "left " << i;
        EXPECT_EQ(img.pixel(399 - i, 125), Rgb(clBlack)) << "right " << i;
        EXPECT_EQ(img.pixel(200, i), Rgb(clBlack)) << "top " << i;
        EXPECT_EQ(img.pixel(200, 249 - i), Rgb(clBlack)) << "bottom " << i;
    }
    EXPECT_EQ(img.pixel(4, 125), Rgb(clWhite));
    EXPECT_EQ(img.pixel(395, 125), Rgb(clWhite));
    EXPECT_EQ(img.pixel(200, 4), Rgb(clWhite));
    EXPECT_EQ(img.pixel(200, 245), Rgb(clWhite));
}

TEST(PanelDrawing, BevelsStartInsideTheBorder)
{
    BackgroundPanel panel;
    panel.SetColor(clYellow);
    panel.Border()->SetVisible(true);
    panel.Border()->SetColor(clRed);
    const QImage& img = panel.Painted(); // raised outer bevel of width 1
    EXPECT_EQ(img.pixel(0, 100), Rgb(clRed));
    EXPECT_EQ(img.pixel(1, 100), Rgb(clBtnHighlight));
    EXPECT_EQ(img.pixel(2, 100), Rgb(clYellow));
    EXPECT_EQ(img.pixel(399, 100), Rgb(clRed));
    EXPECT_EQ(img.pixel(398, 100), Rgb(clBtnShadow));
    EXPECT_EQ(img.pixel(397, 100), Rgb(clYellow));
}

TEST(PanelDrawing, RaisedAndLoweredBevelsUseLightAndDarkSides)
{
    BackgroundPanel panel;
    panel.SetColor(clYellow);
    panel.SetBevelOuter(bvRaised);
    panel.SetBevelInner(bvLowered);
    panel.SetBevelWidth(2);
    const QImage& img = panel.Painted();
    const QRgb light = Rgb(clBtnHighlight);
    const QRgb dark = Rgb(clBtnShadow);
    ASSERT_NE(light, dark);
    EXPECT_EQ(img.pixel(0, 100), light);
    EXPECT_EQ(img.pixel(1, 100), light);
    EXPECT_EQ(img.pixel(2, 100), dark); // inner lowered: dark at the top-left
    EXPECT_EQ(img.pixel(3, 100), dark);
    EXPECT_EQ(img.pixel(4, 100), Rgb(clYellow));
    EXPECT_EQ(img.pixel(399, 100), dark);
    EXPECT_EQ(img.pixel(397, 100), light);
    EXPECT_EQ(img.pixel(100, 249), dark);
}

TEST(PanelDrawing, AVisibleGradientReplacesTheColour)
{
    BackgroundPanel panel;
    MakePlain(panel);
    panel.Gradient()->SetStartColor(clRed);
    panel.Gradient()->SetEndColor(clBlue);
    panel.Gradient()->SetDirection(gdTopBottom);
    panel.Gradient()->SetVisible(true);
    const QImage& img = panel.Painted();
    // Top to bottom runs from the end colour to the start colour... whichever the direction
    // rule gives, the two rows differ and neither is the panel colour.
    EXPECT_NE(img.pixel(200, 1), Rgb(clWhite));
    EXPECT_NE(img.pixel(200, 1), img.pixel(200, 248));
    panel.SetGradient(nullptr);
    EXPECT_EQ(panel.Painted().pixel(200, 1), Rgb(clWhite));
}

TEST(PanelDrawing, BackImageStretchedTiledOrCentred)
{
    BackgroundPanel panel;
    MakePlain(panel);
    QImage tile(10, 10, QImage::Format_RGB32);
    tile.fill(Qt::red);
    tile.setPixel(0, 0, qRgb(0, 255, 0));
    panel.BackImage()->SetGraphic(tile);
    ASSERT_TRUE(panel.HasBackImage());
    EXPECT_EQ(panel.Painted().pixel(200, 125), qRgb(255, 0, 0));
    panel.SetBackImageMode(pbmTile);
    const QImage& tiled = panel.Painted();
    EXPECT_EQ(tiled.pixel(10, 10), qRgb(0, 255, 0));
    EXPECT_EQ(tiled.pixel(390, 240), qRgb(0, 255, 0));
    EXPECT_EQ(tiled.pixel(11, 11), qRgb(255, 0, 0));
    panel.SetBackImageMode(pbmCenter);
    const QImage& centred = panel.Painted();
    EXPECT_EQ(centred.pixel(195, 120), qRgb(0, 255, 0));
    EXPECT_EQ(centred.pixel(200, 125), qRgb(255, 0, 0));
    EXPECT_EQ(centred.pixel(100, 125), qRgb(255, 255, 255));
    panel.SetBackImageInside(true);
    EXPECT_EQ(panel.Painted().pixel(200, 125), qRgb(255, 255, 255));
}

TEST(PanelDrawing, AnEmptyTiledImageDrawsNothing)
{
    BackgroundPanel panel;
    MakePlain(panel);
    panel.SetBackImageMode(pbmTile);
    panel.BackImage()->SetGraphic(QImage(0, 0, QImage::Format_RGB32));
    EXPECT_EQ(panel.Painted().pixel(0, 0), Rgb(clWhite));
}

TEST(PanelDrawing, BufferedPaintIsShownAgainWithoutDrawing)
{
    BackgroundPanel panel;
    panel.Painted();
    const int draws = panel.draws;
    panel.Repaint(); // the control repaints, the chart's picture is still valid
    EXPECT_EQ(panel.draws, draws);
    panel.Invalidate();
    panel.Update();
    EXPECT_EQ(panel.draws, draws + 1);
}

// ---- zoom rectangle ----

void ExpectZoomRectangleErasesItself(TColor back)
{
    BackgroundPanel panel;
    panel.SetColor(back);
    panel.Gradient()->SetStartColor(clRed);
    panel.Gradient()->SetEndColor(clYellow);
    panel.Gradient()->SetVisible(true);
    const QImage before = panel.Painted().copy();
    panel.Zoom()->Activate(20, 30);
    panel.Zoom()->X1 = 300;
    panel.Zoom()->Y1 = 200;
    panel.DrawZoomRectangle();
    const QImage& img = panel.BackBuffer();
    if (back != clWhite) { // a white pen over a white back colour leaves every pixel as it was
        EXPECT_NE(img.pixel(20, 100), before.pixel(20, 100)) << "the rectangle shows";
    }
    EXPECT_EQ(img.pixel(100, 100), before.pixel(100, 100)) << "a clear brush fills nothing";
    panel.DrawZoomRectangle();
    EXPECT_EQ(panel.BackBuffer(), before);
    EXPECT_FALSE(panel.NeedsPaint()) << "feedback is shown without painting the chart again";
}

TEST(PanelZoomRectangle, DrawnTwiceRestoresEveryPixelOnWhite)
{
    ExpectZoomRectangleErasesItself(clWhite);
}

TEST(PanelZoomRectangle, DrawnTwiceRestoresEveryPixelOnBlack)
{
    ExpectZoomRectangleErasesItself(clBlack);
}

TEST(PanelZoomRectangle, DrawnTwiceRestoresEveryPixelOnButtonFace)
{
    ExpectZoomRectangleErasesItself(clBtnFace);
}

TEST(PanelZoomRectangle, ThePenTakesTheBackColourSoThatTheBackTurnsWhite)
{
    for (TColor back : {clWhite, clBlack, clBtnFace}) {
        BackgroundPanel panel;
        panel.SetBevelOuter(bvNone);
        panel.SetColor(back);
        panel.Painted();
        panel.Zoom()->Activate(10, 10);
        panel.Zoom()->X1 = 50;
        panel.Zoom()->Y1 = 50;
        panel.DrawZoomRectangle();
        // The white pen xor (white - back) is the back colour itself; not-xor of it over the
        // back colour gives white.
        EXPECT_EQ(panel.BackBuffer().pixel(10, 30), qRgb(255, 255, 255)) << back;
        EXPECT_EQ(panel.BackBuffer().pixel(30, 30), Rgb(back)) << back;
        EXPECT_EQ(panel.Zoom()->Pen()->Mode(), pmNotXor);
    }
}

TEST(PanelZoom, UndoZoomCallsTheEventAndClearsZoomed)
{
    BackgroundPanel panel;
    panel.SetZoomed(true);
    int calls = 0;
    panel.OnUndoZoom = [&](TObject* sender) {
        EXPECT_EQ(sender, &panel);
        EXPECT_TRUE(panel.Zoomed());
        ++calls;
    };
    panel.UndoZoom();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(panel.Zoomed());
    EXPECT_TRUE(panel.NeedsPaint());
}

} // namespace
