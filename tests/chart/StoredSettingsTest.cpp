#include <gtest/gtest.h>

#include "chart/core/TeCanvas.h"

namespace {

TEST(StoredSettings, DefaultObjectsWriteNothing)
{
    TChartPen pen;
    TChartHiddenPen hidden;
    TDottedGrayPen dotted;
    TChartAxisPen axis;
    TChartBrush brush;
    TTeeFont font;
    TTeeGradient gradient;
    TTeeShadow shadow;
    TView3DOptions options(nullptr);
    for (TTeeStoredObject* o : std::initializer_list<TTeeStoredObject*>{&pen, &hidden, &dotted, &axis, &brush, &font,
                                                                          &gradient, &shadow, &options})
        EXPECT_EQ(TeeWriteProperties(*o), QString());
}

TEST(StoredSettings, HiddenPenWritesVisibleOnlyWhenShown)
{
    TChartHiddenPen pen;
    pen.SetVisible(true);
    EXPECT_EQ(TeeWriteProperties(pen), "Visible=True");

    TChartHiddenPen read;
    TeeReadProperties(read, TeeWriteProperties(pen));
    EXPECT_TRUE(read.Visible());
    TeeReadProperties(read, QString()); // nothing saved: the default stays as constructed
    EXPECT_TRUE(read.Visible());
}

TEST(StoredSettings, PenRoundTrip)
{
    TDottedGrayPen pen;
    pen.SetColor(clRed);
    pen.SetStyle(psSolid);
    pen.SetWidth(3);
    pen.SetMode(pmXor);
    pen.SetEndStyle(esSquare);
    pen.SetSmallDots(true);
    pen.SetVisible(false);
    const QString text = TeeWriteProperties(pen);
    EXPECT_EQ(text, "Color=255\nMode=pmXor\nStyle=psSolid\nWidth=3\nEndStyle=esSquare\nSmallDots=True\nVisible=False");

    TDottedGrayPen copy;
    TeeReadProperties(copy, text);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.Style(), psSolid);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.Mode(), pmXor);
    EXPECT_EQ(copy.EndStyle(), esSquare);
    EXPECT_TRUE(copy.SmallDots());
    EXPECT_FALSE(copy.Visible());
}

TEST(StoredSettings, FontWithSubObjectsRoundTrip)
{
    TTeeFont font;
    font.SetName(QStringLiteral("ＭＳ Ｐ明朝"));
    font.SetSize(GetDefaultFontSize + 4);
    font.SetStyle({fsBold, fsStrikeOut});
    font.SetColor(clBlue);
    font.SetInterCharSize(2);
    font.Shadow()->SetHorizSize(-3);
    font.Gradient()->SetOutline(true);
    font.Gradient()->SetMidColor(clRed);

    const QString text = TeeWriteProperties(font);
    EXPECT_TRUE(text.contains("Style=[fsBold,fsStrikeOut]"));
    EXPECT_TRUE(text.contains("Shadow.HorizSize=-3"));
    EXPECT_TRUE(text.contains("Gradient.Outline=True"));
    EXPECT_FALSE(text.contains("OutLine.")); // never read, never created, not stored

    TTeeFont copy;
    TeeReadProperties(copy, text);
    EXPECT_EQ(copy.Name(), QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(copy.Size(), GetDefaultFontSize + 4);
    EXPECT_EQ(copy.Style(), (TFontStyles{fsBold, fsStrikeOut}));
    EXPECT_EQ(copy.Color(), clBlue);
    EXPECT_EQ(copy.InterCharSize(), 2);
    ASSERT_TRUE(copy.HasShadow());
    EXPECT_EQ(copy.Shadow()->HorizSize(), -3);
    EXPECT_TRUE(copy.Gradient()->Outline());
    EXPECT_EQ(copy.Gradient()->MidColor(), clRed);
    EXPECT_FALSE(copy.HasOutLine());
    EXPECT_EQ(TeeWriteProperties(copy), text);
}

TEST(StoredSettings, ExplicitDefaultSizeIsNotStored)
{
    TTeeFont font;
    font.SetSize(GetDefaultFontSize);
    EXPECT_FALSE(TeeWriteProperties(font).contains("Height"));
}

TEST(StoredSettings, BrushAndOptionsRoundTrip)
{
    TChartBrush brush;
    brush.SetColor(clDefault);
    brush.SetStyle(bsDiagCross);
    EXPECT_EQ(TeeWriteProperties(brush), "Style=bsDiagCross");
    brush.SetColor(clLime);
    TChartBrush copy;
    TeeReadProperties(copy, TeeWriteProperties(brush));
    EXPECT_EQ(copy.Color(), clLime);
    EXPECT_EQ(copy.Style(), bsDiagCross);

    TView3DOptions options(nullptr);
    options.SetOrthogonal(false);
    options.SetZoom(250);
    options.SetTilt(-10);
    options.SetZoomText(false);
    const QString text = TeeWriteProperties(options);
    EXPECT_EQ(text, "Orthogonal=False\nTilt=-10\nZoom=250\nZoomText=False");
    TView3DOptions read(nullptr);
    TeeReadProperties(read, text);
    EXPECT_FALSE(read.Orthogonal());
    EXPECT_EQ(read.Zoom(), 250);
    EXPECT_EQ(read.Tilt(), -10);
    EXPECT_FALSE(read.ZoomText());
}

TEST(StoredSettings, ReaderKeepsValuesOnBadTextAndReportsUnknownNames)
{
    TChartPen pen;
    pen.SetWidth(4);
    TTeePropertyReader reader("Width=wide\nStyle=psNoSuchStyle\nColour=12\nnot a property");
    pen.DefineProperties(reader);
    EXPECT_EQ(pen.Width(), 4);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(reader.Unread(), QStringList{"Colour"});
}

TEST(StoredSettings, TextEscapesKeepLineBreaks)
{
    const QString text = QStringLiteral("a\\b\nc\rd");
    EXPECT_EQ(TeeEscapeText(text), "a\\\\b\\nc\\rd");
    EXPECT_EQ(TeeUnescapeText(TeeEscapeText(text)), text);
}

} // namespace
