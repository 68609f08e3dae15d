#include <gtest/gtest.h>

#include "chart/core/TeCanvas.h"
#include "chart/core/Teeconst.h"

namespace {

// Restores the start-up default font after each case.
class DefaultFont : public ::testing::Test
{
protected:
    void TearDown() override
    {
        TeeSetEnglish();
        TeeSetDefaultFont(QLocale::system(), ScreenPixelsPerInch());
    }
};

TEST_F(DefaultFont, EnglishLocaleKeepsArialEight)
{
    TeeSetDefaultFont(QLocale(QLocale::English, QLocale::UnitedStates), 96);
    EXPECT_EQ(GetDefaultFontName, "Arial");
    EXPECT_EQ(GetDefaultFontSize, 8);
}

TEST_F(DefaultFont, JapaneseLocaleTakesTheClassLibraryDefault)
{
    TeeSetDefaultFont(QLocale(QLocale::Japanese, QLocale::Japan), 96);
    EXPECT_EQ(GetDefaultFontName, QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(GetDefaultFontSize, 9); // height -12 at 96 pixels per inch
    TTeeFont font;
    EXPECT_EQ(font.Name(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(font.Size(), 9);
    EXPECT_FALSE(font.IsNameStored());
    EXPECT_FALSE(font.IsHeightStored());
}

TEST_F(DefaultFont, JapaneseRuleAppliesOnlyToTheExactEnglishValues)
{
    TeeMsg_DefaultFontName = QStringLiteral("arial"); // not exactly "Arial"
    TeeMsg_DefaultFontSize = QStringLiteral("10");
    TeeSetDefaultFont(QLocale(QLocale::Japanese, QLocale::Japan), 96);
    EXPECT_EQ(GetDefaultFontName, "arial");
    EXPECT_EQ(GetDefaultFontSize, 10);
}

TEST_F(DefaultFont, TextThatIsNotANumberKeepsEight)
{
    TeeMsg_DefaultFontSize = QStringLiteral("eight");
    TeeSetDefaultFont(QLocale(QLocale::English), 96);
    EXPECT_EQ(GetDefaultFontSize, 8);
}

TEST(FontSize, HeightAndSizeAreOneValue)
{
    TFont font;
    font.SetPixelsPerInch(96);
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    font.SetHeight(-16);
    EXPECT_EQ(font.Size(), 12);
}

} // namespace
