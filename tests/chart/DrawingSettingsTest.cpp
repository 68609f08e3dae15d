#include <gtest/gtest.h>

#include <QPainter>

#include "chart/core/TeCanvas.h"
#include "platform/graphics/SystemColors.h"

namespace {

// Counts change notifications of a settings object.
struct ChangeCounter {
    int count = 0;
    TNotifyEvent Handler()
    {
        return [this](TObject*) { ++count; };
    }
};

TEST(ChartPen, DefaultsAndPresetKinds)
{
    TChartPen pen;
    EXPECT_EQ(pen.Color(), clBlack);
    EXPECT_EQ(pen.Mode(), pmCopy);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(pen.Width(), 1);
    EXPECT_EQ(pen.EndStyle(), esRound);
    EXPECT_FALSE(pen.SmallDots());
    EXPECT_TRUE(pen.Visible());

    TChartHiddenPen hidden;
    EXPECT_FALSE(hidden.Visible());
    EXPECT_FALSE(hidden.DefaultVisible);
    TDottedGrayPen dotted;
    EXPECT_EQ(dotted.Color(), 0x808080u);
    EXPECT_EQ(dotted.Style(), psDot);
    TDarkGrayPen dark;
    EXPECT_EQ(dark.Color(), 8421504u);
    TChartAxisPen axis;
    EXPECT_EQ(axis.Width(), 2);
    TWhitePen white;
    EXPECT_EQ(white.Color(), 16777215u);

    // Each preset's own values are its published defaults: nothing to store.
    const std::vector<const TChartPen*> pens{&pen, &hidden, &dotted, &dark, &axis, &white};
    for (const TChartPen* p : pens) {
        EXPECT_FALSE(p->IsColorStored());
        EXPECT_FALSE(p->IsStyleStored());
        EXPECT_FALSE(p->IsWidthStored());
        EXPECT_FALSE(p->IsVisibleStored());
        EXPECT_FALSE(p->IsEndStyleStored());
        EXPECT_FALSE(p->IsSmallDotsStored());
    }
    axis.SetWidth(1);
    EXPECT_TRUE(axis.IsWidthStored());
    dotted.SetStyle(psSolid);
    EXPECT_TRUE(dotted.IsStyleStored());
}

TEST(ChartPen, VisibleIsStoredAgainstThePerObjectDefault)
{
    TChartHiddenPen hidden;
    EXPECT_FALSE(hidden.IsVisibleStored()); // saved invisible: nothing written
    hidden.SetVisible(true);
    EXPECT_TRUE(hidden.IsVisibleStored()); // made visible: true is written

    TChartPen pen;
    pen.DefaultVisible = false; // an owner that hides this pen by default
    EXPECT_TRUE(pen.IsVisibleStored());
    pen.DefaultEndStyle = esFlat;
    EXPECT_TRUE(pen.IsEndStyleStored());
    pen.SetEndStyle(esFlat);
    EXPECT_FALSE(pen.IsEndStyleStored());
}

TEST(ChartPen, SettersNotifyOnlyOnChangeAndConstructionIsSilent)
{
    ChangeCounter counter;
    TDottedGrayPen pen(counter.Handler());
    EXPECT_EQ(counter.count, 0);
    pen.SetVisible(true);
    pen.SetSmallDots(false);
    pen.SetEndStyle(esRound);
    pen.SetColor(clGray);
    EXPECT_EQ(counter.count, 0);
    pen.SetVisible(false);
    pen.SetSmallDots(true);
    pen.SetEndStyle(esSquare);
    pen.SetWidth(3);
    EXPECT_EQ(counter.count, 4);
}

TEST(ChartPen, AssignFromChartPenAndFromPlainPen)
{
    TChartPen source;
    source.SetVisible(false);
    source.SetSmallDots(true);
    source.SetEndStyle(esFlat);
    source.SetColor(clRed);
    source.SetWidth(4);
    source.SetStyle(psDash);
    source.SetMode(pmXor);

    TChartPen target;
    target.Assign(&source);
    EXPECT_FALSE(target.Visible());
    EXPECT_TRUE(target.SmallDots());
    EXPECT_EQ(target.EndStyle(), esFlat);
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.Width(), 4);
    EXPECT_EQ(target.Style(), psDash);
    EXPECT_EQ(target.Mode(), pmXor);

    TPen plain;
    plain.SetColor(clBlue);
    TChartPen fromPlain;
    fromPlain.SetVisible(false);
    fromPlain.Assign(&plain);
    EXPECT_EQ(fromPlain.Color(), clBlue);
    EXPECT_FALSE(fromPlain.Visible()); // untouched

    TChartBrush brush;
    EXPECT_THROW(target.Assign(&brush), EConvertError);
}

TEST(TeeSetTeePen, SmallDotsWideAndThinPens)
{
    TDevicePen device;
    TChartPen pen;
    pen.SetWidth(3);
    pen.SetSmallDots(true);
    TeeSetTeePen(device, pen, clRed);
    EXPECT_EQ(device.Pen.width(), 1); // small dots win over width
    EXPECT_EQ(device.Pen.style(), Qt::CustomDashLine);
    EXPECT_EQ(device.Pen.dashPattern(), (QList<qreal>{1.0, 1.0}));
    EXPECT_TRUE(device.Pen.isCosmetic());
    EXPECT_EQ(device.Pen.color(), QColor(255, 0, 0));

    pen.SetSmallDots(false);
    pen.SetWidth(2);
    pen.SetEndStyle(esFlat);
    pen.SetStyle(psDashDot);
    pen.SetMode(pmNotXor);
    TeeSetTeePen(device, pen, clBtnFace);
    EXPECT_EQ(device.Pen.width(), 2);
    EXPECT_EQ(device.Pen.capStyle(), Qt::FlatCap);
    EXPECT_EQ(device.Pen.joinStyle(), Qt::MiterJoin);
    EXPECT_EQ(device.Pen.style(), Qt::DashDotLine);
    EXPECT_EQ(device.Mode, pmNotXor);
    EXPECT_EQ(QColorToTColor(device.Pen.color()), ColorToRGB(clBtnFace));

    pen.SetEndStyle(esSquare);
    TeeSetTeePen(device, pen, clRed);
    EXPECT_EQ(device.Pen.capStyle(), Qt::SquareCap);
    EXPECT_EQ(device.Pen.joinStyle(), Qt::BevelJoin);
    pen.SetEndStyle(esRound);
    TeeSetTeePen(device, pen, clRed);
    EXPECT_EQ(device.Pen.capStyle(), Qt::RoundCap);
    EXPECT_EQ(device.Pen.joinStyle(), Qt::RoundJoin);

    pen.SetWidth(1);
    pen.SetStyle(psClear);
    pen.SetMode(pmCopy);
    TeeSetTeePen(device, pen, clGreen);
    EXPECT_EQ(device.Pen.style(), Qt::NoPen);
    EXPECT_EQ(device.Pen.color(), QColor(0, 128, 0));
    EXPECT_EQ(device.Mode, pmCopy);
}

TEST(ChartBrush, DefaultColourAndImageCreatedOnFirstRead)
{
    ChangeCounter counter;
    TChartBrush brush(counter.Handler());
    EXPECT_EQ(brush.Color(), clDefault);
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_FALSE(brush.IsColorStored());
    EXPECT_EQ(counter.count, 0);

    EXPECT_FALSE(brush.HasImage());
    TPicture* image = brush.Image();
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(brush.HasImage());
    EXPECT_TRUE(image->Empty());
    EXPECT_EQ(brush.Image(), image);

    QImage pixels(4, 4, QImage::Format_RGB32);
    pixels.fill(Qt::red);
    image->SetGraphic(pixels);
    EXPECT_EQ(counter.count, 1); // the picture reports through the brush's handler

    brush.SetImage(nullptr);
    EXPECT_FALSE(brush.HasImage());
}

TEST(ChartBrush, AssignAlwaysCreatesTheTargetPicture)
{
    TChartBrush source, target;
    source.SetColor(clRed);
    source.SetStyle(bsCross);
    target.Assign(&source);
    EXPECT_TRUE(target.HasImage());
    EXPECT_TRUE(target.Image()->Empty());
    EXPECT_FALSE(source.HasImage()); // reading the source does not create its picture
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.Style(), bsCross);

    QImage pixels(2, 3, QImage::Format_RGB32);
    pixels.fill(Qt::blue);
    source.Image()->SetGraphic(pixels);
    target.Assign(&source);
    EXPECT_EQ(target.Image()->Width(), 2);
    EXPECT_EQ(target.Image()->Height(), 3);

    TPicture other;
    other.SetGraphic(QImage(5, 5, QImage::Format_RGB32));
    target.SetImage(&other);
    EXPECT_EQ(target.Image()->Width(), 5);
    EXPECT_NE(target.Image(), &other); // a copy, not the caller's picture
}

TEST(TeeFont, DefaultsFromTheDrawingUnit)
{
    TTeeFont font;
    EXPECT_EQ(font.Color(), clBlack);
    EXPECT_EQ(font.Charset(), 1);
    EXPECT_EQ(font.Name(), GetDefaultFontName);
    EXPECT_EQ(font.Size(), GetDefaultFontSize);
    EXPECT_EQ(font.InterCharSize(), 0);
    EXPECT_EQ(font.DefaultColor, 0u);
    EXPECT_TRUE(font.DefaultStyle.Empty());
    EXPECT_FALSE(font.IsHeightStored());
    EXPECT_FALSE(font.IsNameStored());
    EXPECT_FALSE(font.IsColorStored());
    EXPECT_FALSE(font.IsStyleStored());
    EXPECT_FALSE(font.IsCharsetStored());
}

TEST(TeeFont, StoredOnlyWhenDifferentFromDefaults)
{
    TTeeFont font;
    font.SetSize(GetDefaultFontSize); // set explicitly, still the default
    EXPECT_FALSE(font.IsHeightStored());
    font.SetSize(GetDefaultFontSize + 2);
    EXPECT_TRUE(font.IsHeightStored());
    font.SetName(QStringLiteral("Courier New"));
    EXPECT_TRUE(font.IsNameStored());
    font.SetColor(clRed);
    EXPECT_TRUE(font.IsColorStored());
    font.DefaultColor = clRed; // the owner's default
    EXPECT_FALSE(font.IsColorStored());
    font.SetStyle({fsBold});
    EXPECT_TRUE(font.IsStyleStored());
    font.DefaultStyle = {fsBold};
    EXPECT_FALSE(font.IsStyleStored());
}

TEST(TeeFont, SubObjectsCreatedOnFirstReadWithTheFontsHandler)
{
    ChangeCounter counter;
    TTeeFont font(counter.Handler());
    EXPECT_FALSE(font.HasGradient());
    EXPECT_FALSE(font.HasOutLine());
    EXPECT_FALSE(font.HasShadow());
    EXPECT_EQ(font.ShadowIfAny(), nullptr);

    EXPECT_FALSE(font.OutLine()->Visible()); // invisible until made visible
    font.OutLine()->SetVisible(true);
    font.Shadow()->SetHorizSize(-3);
    font.Gradient()->SetOutline(true);
    EXPECT_EQ(counter.count, 3);
    EXPECT_TRUE(font.HasGradient() && font.HasOutLine() && font.HasShadow());

    font.SetShadow(nullptr);
    EXPECT_FALSE(font.HasShadow());
    font.SetInterCharSize(2);
    font.SetInterCharSize(2);
    EXPECT_EQ(counter.count, 4);
}

TEST(TeeFont, AssignCopiesSubObjectsAndFreesMissingOnes)
{
    TTeeFont source, target;
    source.Shadow()->SetSize(4);
    source.SetInterCharSize(3);
    source.SetName(QStringLiteral("Times New Roman"));
    source.SetSize(12);
    source.SetStyle({fsItalic, fsUnderline});
    source.SetColor(clNavy);
    target.Gradient()->SetVisible(true); // the source has none: the target's goes

    target.Assign(&source);
    EXPECT_FALSE(target.HasGradient());
    EXPECT_FALSE(target.HasOutLine());
    ASSERT_TRUE(target.HasShadow());
    EXPECT_EQ(target.Shadow()->HorizSize(), 4);
    EXPECT_EQ(target.Shadow()->VertSize(), 4);
    EXPECT_EQ(target.InterCharSize(), 3);
    EXPECT_EQ(target.Name(), "Times New Roman");
    EXPECT_EQ(target.Size(), 12);
    EXPECT_EQ(target.Style(), (TFontStyles{fsItalic, fsUnderline}));
    EXPECT_EQ(target.Color(), clNavy);
    EXPECT_NE(target.ShadowIfAny(), source.ShadowIfAny());
}

TEST(Gradient, MiddleColourSwitchesWithClNone)
{
    ChangeCounter counter;
    TTeeGradient g(counter.Handler());
    EXPECT_EQ(g.Balance(), 50);
    EXPECT_EQ(g.Direction(), gdTopBottom);
    EXPECT_EQ(g.StartColor(), clWhite);
    EXPECT_EQ(g.EndColor(), clYellow);
    EXPECT_EQ(g.MidColor(), clNone);
    EXPECT_FALSE(g.Visible());

    g.SetMidColor(clNone); // off and staying off: nothing
    EXPECT_EQ(counter.count, 0);
    g.SetMidColor(clRed);
    EXPECT_TRUE(g.UseMiddle());
    EXPECT_EQ(g.MidColor(), clRed);
    g.SetMidColor(clRed);
    EXPECT_EQ(counter.count, 1);
    g.SetMidColor(clNone);
    EXPECT_FALSE(g.UseMiddle());
    EXPECT_EQ(g.MidColor(), clNone);
    EXPECT_EQ(counter.count, 2);
    g.UseMiddleColor(); // back on with the kept colour
    EXPECT_EQ(g.MidColor(), clRed);

    TTeeGradient copy;
    copy.Assign(&g);
    EXPECT_TRUE(copy.UseMiddle());
    TTeeShadow shadow;
    EXPECT_THROW(copy.Assign(&shadow), EConvertError);
}

TEST(Shadow, DefaultsStorageAndSize)
{
    TTeeShadow s;
    EXPECT_EQ(s.Color(), clSilver);
    EXPECT_EQ(s.Size(), 0);
    EXPECT_FALSE(s.IsColorStored());
    s.DefaultColor = clBlack;
    s.DefaultSize = 3;
    EXPECT_TRUE(s.IsColorStored());
    EXPECT_TRUE(s.IsHorizSizeStored());
    s.SetSize(3);
    EXPECT_FALSE(s.IsHorizSizeStored());
    EXPECT_FALSE(s.IsVertSizeStored());
    s.SetVertSize(7);
    EXPECT_EQ(s.Size(), 7);
    s.SetTransparency(250);
    EXPECT_EQ(s.Transparency(), 100);
}

} // namespace

namespace {

// Draws a horizontal line with the device pen of a chart pen and returns the image.
QImage DrawWith(const TChartPen& chartPen, TColor color)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    TDevicePen device;
    TeeSetTeePen(device, chartPen, color);
    QPainter painter(&image);
    painter.setPen(device.Pen);
    painter.drawLine(QPointF(10.5, 10.5), QPointF(30.5, 10.5));
    return image;
}

TEST(TeeSetTeePen, SmallDotsPaintEveryOtherPixelWhateverTheWidth)
{
    TChartPen pen;
    pen.SetWidth(3);
    pen.SetSmallDots(true);
    const QImage image = DrawWith(pen, clBlack);
    int painted = 0;
    for (int x = 10; x < 30; ++x) {
        const bool dark = qRed(image.pixel(x, 10)) < 128;
        painted += dark ? 1 : 0;
        EXPECT_NE(dark, qRed(image.pixel(x + 1, 10)) < 128) << x; // alternate pixels
    }
    EXPECT_EQ(painted, 10);
    EXPECT_EQ(qRed(image.pixel(15, 9)), 255); // one pixel high
    EXPECT_EQ(qRed(image.pixel(15, 11)), 255);
}

TEST(TeeSetTeePen, WidePenEndsFollowTheEndStyle)
{
    TChartPen pen;
    pen.SetWidth(4);
    pen.SetEndStyle(esFlat);
    QImage image = DrawWith(pen, clBlack);
    EXPECT_EQ(qRed(image.pixel(11, 10)), 0);
    EXPECT_EQ(qRed(image.pixel(9, 10)), 255); // flat: nothing before the start point
    pen.SetEndStyle(esSquare);
    image = DrawWith(pen, clBlack);
    EXPECT_EQ(qRed(image.pixel(9, 10)), 0); // square: half the width beyond it
}

} // namespace
