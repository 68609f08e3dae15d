#include <gtest/gtest.h>

#include <QSet>

#include "chart/core/Teeconst.h"
#include "chart/core/Teeproco.h"

namespace {

TEST(Messages, EveryVariableHoldsItsEnglishTextAfterStartUp)
{
    for (const auto& table : {TeeconstMessages(), TeeprocoMessages()}) {
        for (const TTeeMessageEntry& entry : table) {
            EXPECT_EQ(*entry.Variable, QString::fromUtf8(entry.EnglishText)) << entry.Name;
            EXPECT_FALSE(entry.Variable->isEmpty()) << entry.Name;
        }
    }
    EXPECT_EQ(TeeconstMessages().size(), 283u);
    EXPECT_EQ(TeeprocoMessages().size(), 185u);
}

TEST(Messages, NamesAreUniqueWithinEachUnit)
{
    for (const auto& table : {TeeconstMessages(), TeeprocoMessages()}) {
        QSet<QString> names;
        for (const TTeeMessageEntry& entry : table)
            names.insert(QString::fromLatin1(entry.Name));
        EXPECT_EQ(static_cast<size_t>(names.size()), table.size());
    }
}

TEST(Messages, TextsThatOtherCodeQuotes)
{
    EXPECT_EQ(TeeMsg_AxisMinMax, "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(TeeMsg_SeriesDelete, "Series Delete: ValueIndex %d out of bounds (0 to %d).");
    EXPECT_EQ(TeeMsg_3dPercent, "3D effect percent must be between %d and %d");
    EXPECT_EQ(TeeMsg_DefValueFormat, "#,##0.###");
    EXPECT_EQ(TeeMsg_DefPercentFormat, "##0.## %");
    EXPECT_EQ(TeeMsg_DefaultFontName, "Arial");
    EXPECT_EQ(TeeMsg_DefaultFontSize, "8");
    EXPECT_EQ(TeeMsg_PieSample8, "Chairs");
    EXPECT_EQ(TeeMsg_GridBandTool, "Grid Band");
    EXPECT_EQ(TeeMsg_DownTri, "Down Tri.");
    EXPECT_EQ(tcDControls, "Data Controls");
    EXPECT_EQ(TeeCommanMsg_RotateLabel, "Drag %s to Rotate");
    EXPECT_EQ(TeeCommanMsg_Rotating, QString::fromUtf8("Rotation: %d\u00b0 Elevation: %d\u00b0"));
    EXPECT_EQ(Teeproco::TeeMsg_Edit, "Edit");
    EXPECT_EQ(TeeMsg_Edit, "Edit");
}

TEST(Messages, CarriageReturnSplitsTwoLineTexts)
{
    EXPECT_EQ(TeeMsg_DefaultPercentOf2, QStringLiteral("%s\rof %s"));
    EXPECT_EQ(TeeMsg_GalleryHorizBar, QStringLiteral("Horizontal\rBar"));
    EXPECT_EQ(TeeMsg_GalleryHorizLine, QStringLiteral("Horizontal\rLine"));
    EXPECT_EQ(TeeMsg_GalleryHorizArea, QStringLiteral("Horizontal\rArea"));
    EXPECT_EQ(TeeMsg_GalleryHorizBar.split(QChar(13)).size(), 2);
}

TEST(Messages, AssignedTextIsReadFromThenOnAndSetEnglishRestoresBothUnits)
{
    TeeMsg_AxisMinMax = QStringLiteral("最小値が最大値を超えています");
    TeeMsg_GalleryPolar = QStringLiteral("極座標");
    Teeproco::TeeMsg_PeriodRange = QStringLiteral("changed");
    TeeLanguage = 1041;
    TeeLanguageHotKeyAtEnd = true;
    TeeLanguageCanUpper = false;
    EXPECT_EQ(TeeMsg_AxisMinMax, QStringLiteral("最小値が最大値を超えています"));

    TeeSetEnglish();
    EXPECT_EQ(TeeMsg_AxisMinMax, "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(TeeMsg_GalleryPolar, "Polar");
    EXPECT_EQ(Teeproco::TeeMsg_PeriodRange, "Period range");
    EXPECT_EQ(TeeLanguage, TeeEnglishLanguage);
    EXPECT_FALSE(TeeLanguageHotKeyAtEnd);
    EXPECT_TRUE(TeeLanguageCanUpper);
}

TEST(Messages, OnlyTheFirstStartUpAssignsAndOnlyTheLastFinishReleases)
{
    TeeMsg_Series = QStringLiteral("系列");
    TeeconstInitialize(); // a second start-up leaves the changed text alone
    EXPECT_EQ(TeeMsg_Series, QStringLiteral("系列"));
    TeeconstFinalize(); // back to one start-up: texts stay
    EXPECT_EQ(TeeMsg_Series, QStringLiteral("系列"));
    TeeMsg_Series = QStringLiteral("Series");

    TeeprocoInitialize();
    TeeprocoFinalize();
    EXPECT_EQ(TeeMsg_FunctionRSI, "R.S.I.");
}

} // namespace
