// The graphics objects on their own: one notification per real change through SetProp, the
// exceptions that say so, and their stored properties read back by a fresh object.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/graphics/Brush.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"
#include "platform/graphics/Picture.h"

namespace {

struct ChangeCount {
    int count = 0;
    TObject* last = nullptr;
    TNotifyEvent Handler()
    {
        return [this](TObject* sender) {
            ++count;
            last = sender;
        };
    }
};

TEST(GraphicsObjects, SettersNotifyOncePerRealChange)
{
    ChangeCount changes;
    TPen pen;
    pen.OnChange = changes.Handler();
    pen.SetWidth(1); // the default: no change
    pen.SetColor(clBlack);
    pen.SetMode(pmCopy);
    pen.SetStyle(psSolid);
    EXPECT_EQ(changes.count, 0);
    pen.SetWidth(2);
    pen.SetWidth(2);
    pen.SetMode(pmXor);
    EXPECT_EQ(changes.count, 2);
    EXPECT_EQ(changes.last, &pen);
    EXPECT_EQ(pen.Width(), 2);
    EXPECT_EQ(pen.Mode(), pmXor);

    TBrush brush;
    brush.OnChange = changes.Handler();
    brush.SetColor(clWhite);
    brush.SetStyle(bsSolid);
    EXPECT_EQ(changes.count, 2);
    brush.SetStyle(bsCross);
    EXPECT_EQ(changes.count, 3);
    EXPECT_EQ(changes.last, &brush);

    TFont font;
    font.OnChange = changes.Handler();
    font.SetStyle(TFontStyles{fsBold, fsItalic});
    font.SetStyle(TFontStyles{fsItalic, fsBold}); // the same set
    font.SetPitch(fpFixed);
    font.SetCharset(SHIFTJIS_CHARSET);
    font.SetCharset(SHIFTJIS_CHARSET);
    EXPECT_EQ(changes.count, 6);
}

TEST(GraphicsObjects, FontKeepsItsNameAgainstAnEmptyOneAndImagesAlwaysNotify)
{
    ChangeCount changes;
    TFont font;
    font.OnChange = changes.Handler();
    font.SetName(QStringLiteral("IPAPGothic"));
    font.SetName(QString());
    font.SetName(QStringLiteral("IPAPGothic"));
    EXPECT_EQ(font.Name(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(changes.count, 1);

    // Images are not compared: the same picture set twice tells the owner twice.
    const QImage image(2, 2, QImage::Format_RGB32);
    TBrush brush;
    brush.OnChange = changes.Handler();
    brush.SetBitmap(image);
    brush.SetBitmap(image);
    EXPECT_EQ(changes.count, 3);

    TPicture picture(changes.Handler());
    picture.SetGraphic(image);
    picture.SetGraphic(image);
    EXPECT_EQ(changes.count, 5);
    picture.Clear();
    picture.Clear(); // already empty
    EXPECT_EQ(changes.count, 6);
    EXPECT_TRUE(picture.Empty());
}

TEST(GraphicsObjects, FontSizeAndHeightAreOneValue)
{
    TFont font;
    font.SetPixelsPerInch(96);
    font.SetSize(9); // 9 points at 96 ppi: 12 pixels of character height
    EXPECT_EQ(font.Height(), -12);
    EXPECT_EQ(font.Size(), 9);
    font.SetPixelsPerInch(120); // the height in pixels stays; the size follows
    EXPECT_EQ(font.Height(), -12);
    EXPECT_EQ(font.Size(), 7); // 12 * 72 / 120 = 7.2
}

TEST(GraphicsObjects, StoredPropertiesOfPenBrushAndFontReadBack)
{
    TPen pen;
    pen.SetColor(clNavy);
    pen.SetMode(pmNotXor);
    pen.SetWidth(4);
    EXPECT_EQ(TeeWriteProperties(pen), "Color=8388608\nMode=pmNotXor\nWidth=4");
    TPen penCopy;
    TeeReadProperties(penCopy, TeeWriteProperties(pen));
    EXPECT_EQ(penCopy.Color(), clNavy);
    EXPECT_EQ(penCopy.Mode(), pmNotXor);
    EXPECT_EQ(penCopy.Style(), psSolid);
    EXPECT_EQ(penCopy.Width(), 4);

    TBrush brush;
    EXPECT_EQ(TeeWriteProperties(brush), QString()); // white and solid are the defaults
    brush.SetColor(clRed);
    brush.SetStyle(bsDiagCross);
    EXPECT_EQ(TeeWriteProperties(brush), "Color=255\nStyle=bsDiagCross");
    TBrush brushCopy;
    TeeReadProperties(brushCopy, TeeWriteProperties(brush));
    EXPECT_EQ(brushCopy.Color(), clRed);
    EXPECT_EQ(brushCopy.Style(), bsDiagCross);

    TFont font;
    font.SetName(QStringLiteral("Line\\One"));
    font.SetHeight(-16);
    font.SetColor(clRed);
    font.SetCharset(SHIFTJIS_CHARSET);
    font.SetStyle(TFontStyles{fsUnderline, fsBold});
    EXPECT_EQ(TeeWriteProperties(font),
              "Charset=128\nColor=255\nHeight=-16\nName=Line\\\\One\nStyle=[fsBold,fsUnderline]");
    TFont fontCopy;
    TeeReadProperties(fontCopy, TeeWriteProperties(font));
    EXPECT_EQ(fontCopy.Name(), QStringLiteral("Line\\One"));
    EXPECT_EQ(fontCopy.Height(), -16);
    EXPECT_EQ(fontCopy.Color(), clRed);
    EXPECT_EQ(fontCopy.Charset(), SHIFTJIS_CHARSET);
    EXPECT_EQ(fontCopy.Style(), (TFontStyles{fsBold, fsUnderline}));
}

TEST(GraphicsObjects, UnknownOrOutOfRangeStoredValuesKeepTheCurrentOnes)
{
    TPen pen;
    pen.SetWidth(3);
    TeeReadProperties(pen, "Width=4294967296\nStyle=psWavy\nColor=blue");
    EXPECT_EQ(pen.Width(), 3);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(pen.Color(), clBlack);
}

} // namespace
