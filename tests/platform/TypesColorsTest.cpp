#include "platform/Colors.h"
#include "platform/Random.h"
#include "platform/Types.h"
#include "platform/graphics/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(5, 1, 2), 3);   // 2.5
    EXPECT_EQ(MulDiv(-5, 1, 2), -3); // -2.5
    EXPECT_EQ(MulDiv(5, -1, 2), -3);
    EXPECT_EQ(MulDiv(-5, -1, 2), 3);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);   // 2.33
    EXPECT_EQ(MulDiv(8, 1, 3), 3);   // 2.67
    EXPECT_EQ(MulDiv(-8, 1, 3), -3);
    EXPECT_EQ(MulDiv(10, 72, 96), 8); // 7.5: the font-size conversion the chart uses
}

TEST(MulDiv, UsesSixtyFourBitsAndReportsFailureAsMinusOne)
{
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
    EXPECT_EQ(MulDiv(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);
    EXPECT_EQ(MulDiv(INT32_MIN, 1, 1), INT32_MIN);
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
    EXPECT_EQ(MulDiv(INT32_MAX, 2, 1), -1); // does not fit
    EXPECT_EQ(MulDiv(INT32_MIN, -1, 1), -1);
    EXPECT_EQ(MulDiv(INT32_MIN, 1, -1), -1);
}

TEST(Round, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(2.5000001), 3);
    EXPECT_EQ(Round(-2.4999999), -2);
    EXPECT_EQ(Round64(4503599627370495.5), 4503599627370496);
}

TEST(Round, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(Round(1e300), INT32_MAX);
    EXPECT_EQ(Round(-1e300), INT32_MIN);
    EXPECT_EQ(Round(2147483647.4), INT32_MAX);
    EXPECT_EQ(Round(2147483648.0), INT32_MAX);
    EXPECT_EQ(Round(-2147483648.0), INT32_MIN);
    EXPECT_EQ(Round(-2147483649.0), INT32_MIN);
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), INT32_MAX);
    EXPECT_EQ(Round(std::nan("")), 0);
    EXPECT_EQ(Round64(1e19), INT64_MAX);
    EXPECT_EQ(Round64(-1e19), INT64_MIN);
    EXPECT_EQ(Round64(9223372036854775807.0), INT64_MAX); // 2^63 as a double
}

TEST(Trunc, GoesTowardZeroAndSaturates)
{
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(3e10), INT32_MAX);
    EXPECT_EQ(Trunc(-3e10), INT32_MIN);
    EXPECT_EQ(Trunc64(-3e10), -30000000000);
    EXPECT_DOUBLE_EQ(Frac(-1.25), -0.25);
    EXPECT_DOUBLE_EQ(Frac(3.75), 0.75);
}

TEST(Rect, EdgesAndSetOperations)
{
    const TRect r(10, 20, 30, 40);
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.Height(), 20);
    EXPECT_TRUE(PtInRect(r, TPoint(10, 20)));
    EXPECT_FALSE(PtInRect(r, TPoint(30, 25))); // right edge is outside
    EXPECT_FALSE(PtInRect(r, TPoint(15, 40))); // bottom edge is outside
    EXPECT_EQ(TRect(30, 40, 10, 20).Normalized(), r);
    EXPECT_EQ(Bounds(1, 2, 3, 4), TRect(1, 2, 4, 6));

    TRect out;
    EXPECT_TRUE(IntersectRect(out, r, TRect(25, 35, 50, 50)));
    EXPECT_EQ(out, TRect(25, 35, 30, 40));
    EXPECT_FALSE(IntersectRect(out, r, TRect(30, 20, 40, 40))); // touching is not meeting
    EXPECT_EQ(out, TRect());
    EXPECT_TRUE(UnionRect(out, r, TRect()));
    EXPECT_EQ(out, r);
    EXPECT_TRUE(UnionRect(out, r, TRect(0, 0, 5, 5)));
    EXPECT_EQ(out, TRect(0, 0, 30, 40));

    TRect moved = r;
    OffsetRect(moved, -10, 5);
    InflateRect(moved, 1, 2);
    EXPECT_EQ(moved, TRect(-1, 23, 21, 47));
    EXPECT_EQ(r.ToQRect(), QRect(10, 20, 20, 20));
    EXPECT_EQ(TRect::FromQRect(QRect(10, 20, 20, 20)), r);
}

TEST(Colors, ValuesAndChannels)
{
    EXPECT_EQ(clRed, 0x0000FFu);
    EXPECT_EQ(clBlue, 0xFF0000u);
    EXPECT_EQ(clMoneyGreen, 0xC0DCC0u);
    EXPECT_EQ(clNone, 0x1FFFFFFFu);
    EXPECT_EQ(clDefault, 0x20000000u);
    EXPECT_EQ(clBtnFace, 0x8000000Fu);
    EXPECT_EQ(clInfoBk, 0x80000018u);
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
    EXPECT_EQ(GetRValue(0x123456), 0x56);
    EXPECT_EQ(GetGValue(0x123456), 0x34);
    EXPECT_EQ(GetBValue(0x123456), 0x12);
}

TEST(Colors, SystemColoursComeFromTheApplicationPalette)
{
    QPalette pal = QGuiApplication::palette();
    const QPalette saved = pal;
    pal.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    pal.setColor(QPalette::Active, QPalette::Base, QColor(250, 251, 252));
    pal.setColor(QPalette::Active, QPalette::Highlight, QColor(10, 20, 30));
    pal.setColor(QPalette::Active, QPalette::Dark, QColor(40, 50, 60));
    pal.setColor(QPalette::Active, QPalette::Light, QColor(70, 80, 90));
    QGuiApplication::setPalette(pal);

    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(1, 2, 3));
    EXPECT_EQ(ColorToRGB(clWindow), RGB(250, 251, 252));
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(10, 20, 30));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(40, 50, 60));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(70, 80, 90));
    EXPECT_EQ(ColorToRGB(clSystemColor | 200), clBlack); // unknown index
    EXPECT_EQ(TColorToQColor(clBtnFace), QColor(1, 2, 3));

    QGuiApplication::setPalette(saved);
}

TEST(Colors, PlainValuesPassThroughAndQtConversion)
{
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
    EXPECT_EQ(TColorToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(TColorToQColor(clSkyBlue), QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(TColorToQColor(clNone).alpha(), 0);
    EXPECT_EQ(QColorToTColor(QColor(0xA6, 0xCA, 0xF0)), clSkyBlue);
    EXPECT_EQ(QColorToTColor(QColor(Qt::transparent)), clNone);
}

TEST(Random, SequenceFromAFixedSeed)
{
    const uint32_t saved = RandSeed;
    RandSeed = 0;
    EXPECT_EQ(Random(100), 0);
    EXPECT_EQ(RandSeed, 1u);
    EXPECT_EQ(Random(1000), 31);
    EXPECT_EQ(RandSeed, 0x08088406u);
    EXPECT_EQ(Random(7774444), 6694173);
    EXPECT_EQ(Random(6), 1);
    EXPECT_EQ(Random(INT32_MAX), 586093958);
    EXPECT_EQ(Random(1), 0);

    RandSeed = 12345;
    const int expected[] = {385, 289, 79, 553, 633};
    for (int e : expected)
        EXPECT_EQ(Random(1000), e);

    RandSeed = 12345;
    EXPECT_DOUBLE_EQ(Random(), 1655067934.0 / 4294967296.0);

    // A range of 0 or below yields 0 but still moves the state.
    RandSeed = 0;
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    EXPECT_EQ(RandSeed, 0x08088406u);
    RandSeed = saved;
}

TEST(Random, FloatStaysBelowOne)
{
    const uint32_t saved = RandSeed;
    // The state just before 0xFFFFFFFF gives the largest value.
    RandSeed = 0;
    for (int i = 0; i < 10000; ++i) {
        const double r = Random();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    Randomize();
    const uint32_t first = RandSeed;
    const int32_t r = Random(10);
    // One step of the generator, and the range taken from the high bits of the new state.
    EXPECT_EQ(RandSeed, first * 134775813u + 1u);
    EXPECT_EQ(r, static_cast<int32_t>((static_cast<uint64_t>(RandSeed) * 10u) >> 32));
    RandSeed = saved;
}
