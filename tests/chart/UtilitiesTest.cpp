#include <gtest/gtest.h>

#include <QImage>

#include "chart/core/ColorPalette.h"
#include "chart/core/TeeBitmaps.h"
#include "chart/core/TeeProcsSettings.h"
#include "chart/core/TextFields.h"
#include "platform/Component.h"
#include "platform/FormatSettings.h"

namespace {

TEST(ColorPalette, TwentyColoursInOrderAndWrapping)
{
    ASSERT_EQ(ColorPalette.size(), 21);
    EXPECT_EQ(ColorPalette[0], 0u);
    EXPECT_EQ(GetDefaultColor(0), clRed);
    EXPECT_EQ(GetDefaultColor(1), clGreen);
    EXPECT_EQ(GetDefaultColor(3), 0xFF0000u);
    EXPECT_EQ(GetDefaultColor(16), 0xC0DCC0u);
    EXPECT_EQ(GetDefaultColor(17), 0xF0CAA6u);
    EXPECT_EQ(GetDefaultColor(18), 0xF0FBFFu);
    EXPECT_EQ(GetDefaultColor(19), clMedGray);
    EXPECT_EQ(GetDefaultColor(20), clRed);
    EXPECT_EQ(GetDefaultColor(45), clGray);
    EXPECT_EQ(GetDefaultColor(-1), clMedGray); // no reading outside the palette
}

TEST(TextFields, CountsAndExtracts)
{
    EXPECT_EQ(TeeNumFields(QString()), 0);
    EXPECT_EQ(TeeNumFields(QStringLiteral("a")), 1);
    EXPECT_EQ(TeeNumFields(QStringLiteral("a;;b")), 3);
    EXPECT_EQ(TeeExtractField(QStringLiteral("a;;b"), 2), QString());
    EXPECT_EQ(TeeExtractField(QStringLiteral("a;b"), 5), "b");
    EXPECT_EQ(TeeExtractField(QStringLiteral("a;b"), 1), "a");
    EXPECT_EQ(TeeExtractField(QStringLiteral("a;b"), 0), QString());
    EXPECT_EQ(TeeExtractField(QString(), 1), QString());

    EXPECT_EQ(TeeNumFields(QStringLiteral("x|y|z"), QStringLiteral("|")), 3);
    EXPECT_EQ(TeeExtractField(QStringLiteral("x|y|z"), 2, QStringLiteral("|")), "y");
    EXPECT_EQ(TeeFieldsSeparator, ";"); // restored after the call
}

TEST(TextFields, ReplaceCharAndFormatSeparators)
{
    EXPECT_EQ(ReplaceChar(QStringLiteral("a,b,c"), QLatin1Char(','), QLatin1Char(';')), "a;b;c");
    EXPECT_EQ(ReplaceChar(QStringLiteral("a,b,c"), QLatin1Char(',')), "abc");

    const TFormatSettings saved = FormatSettings;
    FormatSettings.ThousandSeparator = QLatin1Char('.');
    FormatSettings.DecimalSeparator = QLatin1Char(',');
    EXPECT_EQ(FixedToLocalFormat(QStringLiteral("#,##0.###")), "#.##0,###");
    EXPECT_EQ(LocalToFixedFormat(QStringLiteral("#.##0,###")), "#,##0.###");
    FormatSettings = saved;
}

TEST(TextFields, UniqueNamesSkipUsedOnes)
{
    EXPECT_EQ(TeeGetUniqueName(nullptr, QStringLiteral("Series")), "Series1");
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName(QStringLiteral("Series1"));
    auto* b = new TComponent(&owner);
    b->SetName(QStringLiteral("series2")); // names compare without case
    EXPECT_EQ(TeeGetUniqueName(&owner, QStringLiteral("Series")), "Series3");
    EXPECT_EQ(TeeStr(-42), "-42");
}

TEST(UnitSettings, StartValuesOfThePanelUnit)
{
    EXPECT_TRUE(TeeCheckPenWidth);
    EXPECT_TRUE(TeeClipWhenPrinting);
    EXPECT_TRUE(TeeClipWhenMetafiling);
    EXPECT_FALSE(TeeEraseBack);
    EXPECT_FALSE(PrintTeePanel);
}

TEST(Bitmaps, HandCursorIsRegisteredFromTheResources)
{
    ASSERT_TRUE(TeeHasScreenCursor(HandCursorId));
    const QCursor hand = TeeScreenCursor(HandCursorId);
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(5, 0));
    const QImage image = hand.pixmap().toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(image.pixel(0, 20)), 0);           // transparent around the hand
    EXPECT_EQ(image.pixel(5, 3) & 0xFFFFFF, 0xFFFFFFu);  // white finger
    EXPECT_EQ(image.pixel(4, 3) & 0xFFFFFF, 0x000000u);  // black outline
    EXPECT_EQ(TeeScreenCursor(9999).shape(), Qt::ArrowCursor);
}

TEST(Bitmaps, LoadBitmapTriesBothNames)
{
    QImage image;
    EXPECT_FALSE(TeeLoadBitmap(image, QStringLiteral("NoSuchBitmap"), QString()));
    EXPECT_TRUE(image.isNull());
    EXPECT_TRUE(TeeLoadBitmap(image, QStringLiteral("NoSuchBitmap"), QStringLiteral("TEE_CURSOR_HAND")));
    EXPECT_EQ(image.size(), QSize(32, 32));
}

} // namespace

#include "platform/ClassRegistry.h"

namespace {

// An object whose class has no bitmap of its own but whose parent class has.
struct TNoBitmapEditorObject : TPersistent {
};

TEST(Bitmaps, EditorBitmapFallsBackToTheParentClass)
{
    TNoBitmapEditorObject object;
    QImage image;
    UnRegisterClass(object.ClassName());
    EXPECT_FALSE(TeeGetBitmapEditor(&object, image));
    RegisterClass(object.ClassName(), QStringLiteral("TEE_CURSOR_HAND"), nullptr);
    EXPECT_TRUE(TeeGetBitmapEditor(&object, image));
    EXPECT_EQ(image.size(), QSize(32, 32));
    UnRegisterClass(object.ClassName());
    EXPECT_FALSE(TeeGetBitmapEditor(nullptr, image));
}

} // namespace

#include "chart/core/AntiAlias.h"

namespace {

TEST(AntiAlias, EachPixelIsTheTruncatedMeanOfItsBlock)
{
    QImage large(5, 4, QImage::Format_RGB32); // odd width: the last column is dropped
    large.fill(qRgb(0, 0, 0));
    large.setPixel(0, 0, qRgb(255, 10, 3));
    large.setPixel(1, 0, qRgb(255, 10, 0));
    large.setPixel(0, 1, qRgb(255, 11, 0));
    large.setPixel(1, 1, qRgb(254, 10, 0));
    large.setPixel(3, 3, qRgb(7, 7, 7));
    const QImage small = TeeHalveBitmap(large);
    ASSERT_EQ(small.size(), QSize(2, 2));
    EXPECT_EQ(small.format(), QImage::Format_RGB888);
    EXPECT_EQ(small.pixel(0, 0) & 0xFFFFFF, 0xFE0A00u); // 1019/4 = 254, 41/4 = 10, 3/4 = 0
    EXPECT_EQ(small.pixel(1, 1) & 0xFFFFFF, 0x010101u); // 7/4 = 1
    EXPECT_EQ(small.pixel(1, 0) & 0xFFFFFF, 0u);
    EXPECT_TRUE(TeeHalveBitmap(QImage(1, 9, QImage::Format_RGB32)).isNull());
}

} // namespace
