#include "FormatSettingsGuard.h"

#include "platform/SysUtils.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(FloatToStr, FifteenSignificantDigitsWithoutTrailingZeros)
{
    FormatSettingsGuard english;
    EXPECT_EQ(FloatToStr(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(FloatToStr(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(FloatToStr(2.0 / 3.0), QStringLiteral("0.666666666666667"));
    EXPECT_EQ(FloatToStr(312.0), QStringLiteral("312"));
    EXPECT_EQ(FloatToStr(-2.5), QStringLiteral("-2.5"));
    EXPECT_EQ(FloatToStr(-1.0 / 3.0), QStringLiteral("-0.333333333333333"));
    EXPECT_EQ(FloatToStr(0.0), QStringLiteral("0"));
    EXPECT_EQ(FloatToStr(-0.0), QStringLiteral("0"));
    EXPECT_EQ(FloatToStr(104.43333333333334), QStringLiteral("104.433333333333"));
    EXPECT_EQ(FloatToStr(-62340.0), QStringLiteral("-62340"));
}

TEST(FloatToStr, SwitchesToScientificAtTheBoundaries)
{
    FormatSettingsGuard english;
    // Fixed while the integer part has at most 15 digits.
    EXPECT_EQ(FloatToStr(1e14), QStringLiteral("100000000000000"));
    EXPECT_EQ(FloatToStr(999999999999999.0), QStringLiteral("999999999999999"));
    EXPECT_EQ(FloatToStr(1e15), QStringLiteral("1E15"));
    EXPECT_EQ(FloatToStr(1e16), QStringLiteral("1E16"));
    EXPECT_EQ(FloatToStr(-1e16), QStringLiteral("-1E16"));
    EXPECT_EQ(FloatToStr(1e20), QStringLiteral("1E20"));
    EXPECT_EQ(FloatToStr(123456789012345678.0), QStringLiteral("1.23456789012346E17"));
    // 15 nines round up into a 16-digit integer part.
    EXPECT_EQ(FloatToStr(999999999999999.9), QStringLiteral("1E15"));
    // Fixed down to 0.0001.
    EXPECT_EQ(FloatToStr(1e-4), QStringLiteral("0.0001"));
    EXPECT_EQ(FloatToStr(1.5e-4), QStringLiteral("0.00015"));
    EXPECT_EQ(FloatToStr(1e-5), QStringLiteral("1E-5"));
    EXPECT_EQ(FloatToStr(1.5e-5), QStringLiteral("1.5E-5"));
    EXPECT_EQ(FloatToStr(-1.5e-5), QStringLiteral("-1.5E-5"));
    EXPECT_EQ(FloatToStr(5e-324), QStringLiteral("4.94065645841247E-324"));
}

TEST(FloatToStr, SpecialValuesAndLocaleSeparator)
{
    FormatSettingsGuard english;
    EXPECT_EQ(FloatToStr(std::nan("")), QStringLiteral("NAN"));
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::infinity()), QStringLiteral("INF"));
    EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity()), QStringLiteral("-INF"));
    FormatSettings.DecimalSeparator = QLatin1Char(',');
    EXPECT_EQ(FloatToStr(2.5), QStringLiteral("2,5"));
    EXPECT_EQ(FloatToStr(1.5e-5), QStringLiteral("1,5E-5"));
}

TEST(FormatFloat, RoundsHalfAwayFromZero)
{
    FormatSettingsGuard english;
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), 0.125), QStringLiteral("0.13"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), -0.125), QStringLiteral("-0.13"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0"), -0.5), QStringLiteral("-1"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0"), 0.5), QStringLiteral("1"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0"), 2.5), QStringLiteral("3"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0"), 0.4999), QStringLiteral("0"));
    // Decimal halves that binary cannot hold exactly still round up.
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), 2.675), QStringLiteral("2.68"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), 1.005), QStringLiteral("1.01"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), 9.995), QStringLiteral("10.00"));
    // Something that shows as zero is zero: no "-0".
    EXPECT_EQ(FormatFloat(QStringLiteral("0"), -0.4), QStringLiteral("0"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), -0.001), QStringLiteral("0.00"));
}

TEST(FormatFloat, ChartDefaultFormats)
{
    FormatSettingsGuard english;
    const QString value = QStringLiteral("#,##0.###");
    EXPECT_EQ(FormatFloat(value, 1234567.8915), QStringLiteral("1,234,567.892"));
    EXPECT_EQ(FormatFloat(value, -1234.5), QStringLiteral("-1,234.5"));
    EXPECT_EQ(FormatFloat(value, 0), QStringLiteral("0"));
    EXPECT_EQ(FormatFloat(value, 999.9999), QStringLiteral("1,000"));
    EXPECT_EQ(FormatFloat(value, 100), QStringLiteral("100"));
    EXPECT_EQ(FormatFloat(value, 0.0004), QStringLiteral("0"));
    EXPECT_EQ(FormatFloat(value, 123456), QStringLiteral("123,456"));
    EXPECT_EQ(FormatFloat(value, -62340), QStringLiteral("-62,340"));
    // The percent text is already a percentage: '%' does not scale it.
    const QString percent = QStringLiteral("##0.## %");
    EXPECT_EQ(FormatFloat(percent, 25), QStringLiteral("25 %"));
    EXPECT_EQ(FormatFloat(percent, 100.0 / 3.0), QStringLiteral("33.33 %"));
    EXPECT_EQ(FormatFloat(percent, 0.004), QStringLiteral("0 %"));
    EXPECT_EQ(FormatFloat(percent, 1234.5), QStringLiteral("1234.5 %"));
}

TEST(FormatFloat, PlaceholdersAndLiterals)
{
    FormatSettingsGuard english;
    EXPECT_EQ(FormatFloat(QStringLiteral("000"), 7), QStringLiteral("007"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#"), 0), QString());
    EXPECT_EQ(FormatFloat(QStringLiteral("#.##"), 0.5), QStringLiteral(".5"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.##"), 1), QStringLiteral("1"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0#"), 1), QStringLiteral("1.0"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.000"), 1.5), QStringLiteral("1.500"));
    EXPECT_EQ(FormatFloat(QStringLiteral("00-00"), 12345), QStringLiteral("123-45"));
    EXPECT_EQ(FormatFloat(QStringLiteral("\"$\"#,##0.00"), 1234.5), QStringLiteral("$1,234.50"));
    EXPECT_EQ(FormatFloat(QStringLiteral("'Value: '0"), 7), QStringLiteral("Value: 7"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0 \"x;y\""), 3), QStringLiteral("3 x;y")); // ';' inside quotes
    EXPECT_EQ(FormatFloat(QStringLiteral("0 回"), 12), QStringLiteral("12 回"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0"), 1e17), QStringLiteral("100,000,000,000,000,000"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0"), 1e20), QStringLiteral("1E20")); // too long for fixed digits
    EXPECT_EQ(FormatFloat(QString(), 2.5), QStringLiteral("2.5"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), std::nan("")), QStringLiteral("NAN"));
}

TEST(FormatFloat, Sections)
{
    FormatSettingsGuard english;
    const QString three = QStringLiteral("0.0;(0.0);zero");
    EXPECT_EQ(FormatFloat(three, 1.25), QStringLiteral("1.3"));
    EXPECT_EQ(FormatFloat(three, -1.25), QStringLiteral("(1.3)"));
    EXPECT_EQ(FormatFloat(three, 0), QStringLiteral("zero"));
    EXPECT_EQ(FormatFloat(three, 0.01), QStringLiteral("zero"));  // shows as zero
    EXPECT_EQ(FormatFloat(three, -0.01), QStringLiteral("zero"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0;;z"), -3), QStringLiteral("-3")); // empty negative section
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0;(0.0)"), -0.04), QStringLiteral("0.0"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0;neg"), -5), QStringLiteral("neg"));
}

TEST(FormatFloat, ExponentForms)
{
    FormatSettingsGuard english;
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00E+00"), 12345), QStringLiteral("1.23E+04"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00E+00"), 0.00012345), QStringLiteral("1.23E-04"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00E+00"), -12345), QStringLiteral("-1.23E+04"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00E+00"), 0), QStringLiteral("0.00E+00"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0E-0"), 12345), QStringLiteral("1.2E4"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0E-0"), 0.012), QStringLiteral("1.2E-2"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0e+000"), 99999), QStringLiteral("1.0e+005")); // carry into the exponent
    EXPECT_EQ(FormatFloat(QStringLiteral("0.##E+0"), 1500), QStringLiteral("1.5E+3"));
    EXPECT_EQ(FormatFloat(QStringLiteral("00.0E+0"), 12345), QStringLiteral("12.3E+3"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00E+00"), 1.125), QStringLiteral("1.13E+00"));
}

TEST(FormatFloat, LocaleSeparators)
{
    FormatSettingsGuard english;
    FormatSettings.DecimalSeparator = QLatin1Char(',');
    FormatSettings.ThousandSeparator = QLatin1Char('.');
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 1234.5), QStringLiteral("1.234,50"));
}

TEST(FormatFloat, AValueFormattedAgainFollowsThePatternAndTheSeparatorsInForce)
{
    // Recent texts are kept: asking again with another pattern, other separators, an empty
    // pattern or another value must not give the kept text.
    FormatSettingsGuard english;
    const QString pattern = QStringLiteral("#,##0.###");
    EXPECT_EQ(FormatFloat(pattern, 1234.5), QStringLiteral("1,234.5"));
    EXPECT_EQ(FormatFloat(pattern, 1234.5), QStringLiteral("1,234.5"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), 1234.5), QStringLiteral("1234.50"));
    EXPECT_EQ(FormatFloat(QString(), 1234.5), QStringLiteral("1234.5"));
    EXPECT_EQ(FormatFloat(QStringLiteral(""), 1234.5), QStringLiteral("1234.5"));
    EXPECT_EQ(FormatFloat(pattern, 1234.25), QStringLiteral("1,234.25"));
    EXPECT_EQ(FormatFloat(pattern, -1234.5), QStringLiteral("-1,234.5"));
    FormatSettings.DecimalSeparator = QLatin1Char(',');
    EXPECT_EQ(FormatFloat(pattern, 1234.5), QStringLiteral("1,234,5"));
    FormatSettings.ThousandSeparator = QLatin1Char('.');
    EXPECT_EQ(FormatFloat(pattern, 1234.5), QStringLiteral("1.234,5"));
}

TEST(Format, StringsAndIntegers)
{
    FormatSettingsGuard english;
    EXPECT_EQ(Format(QStringLiteral("%s of %s"), {QStringLiteral("25 %"), QStringLiteral("100")}),
              QStringLiteral("25 % of 100"));
    EXPECT_EQ(Format(QStringLiteral("3D effect percent must be between %d and %d"), {1, 100}),
              QStringLiteral("3D effect percent must be between 1 and 100"));
    EXPECT_EQ(Format(QStringLiteral("Series Delete: ValueIndex %d out of bounds (0 to %d)."), {5, -1}),
              QStringLiteral("Series Delete: ValueIndex 5 out of bounds (0 to -1)."));
    EXPECT_EQ(Format(QStringLiteral("[%5d|%-5d|%.3d|%-4s|%.2s]"), {42, 42, 7, "ab", "xyz"}),
              QStringLiteral("[   42|42   |007|ab  |xy]"));
    EXPECT_EQ(Format(QStringLiteral("%x %x %.4x %u"), {255, -1, 10, -1}), QStringLiteral("FF FFFFFFFF 000A 4294967295"));
    EXPECT_EQ(Format(QStringLiteral("%1:s %0:s %s"), {"a", "b"}), QStringLiteral("b a b"));
    EXPECT_EQ(Format(QStringLiteral("%*d|%.*f"), {4, 7, 1, 2.25}), QStringLiteral("   7|2.3"));
    EXPECT_EQ(Format(QStringLiteral("100%%"), {}), QStringLiteral("100%"));
    EXPECT_EQ(Format(QStringLiteral("%d"), {INT64_MIN}), QStringLiteral("-9223372036854775808"));
    EXPECT_EQ(Format(QStringLiteral("Rotation: %d°"), {345}), QStringLiteral("Rotation: 345°"));
    EXPECT_EQ(Format(QStringLiteral("%s/%s"), {QLatin1String("x"), QStringView(u"y")}), QStringLiteral("x/y"));
}

TEST(Format, FloatingPoint)
{
    FormatSettingsGuard english;
    EXPECT_EQ(Format(QStringLiteral("%f"), {2.0}), QStringLiteral("2.00"));
    EXPECT_EQ(Format(QStringLiteral("%.2f"), {1.005}), QStringLiteral("1.01"));
    EXPECT_EQ(Format(QStringLiteral("%.0f"), {-0.4}), QStringLiteral("0"));
    EXPECT_EQ(Format(QStringLiteral("%n"), {1234567.891}), QStringLiteral("1,234,567.89"));
    EXPECT_EQ(Format(QStringLiteral("%e"), {1234.5}), QStringLiteral("1.23450000000000E+003"));
    EXPECT_EQ(Format(QStringLiteral("%.3e"), {-0.0012345}), QStringLiteral("-1.23E-003"));
    EXPECT_EQ(Format(QStringLiteral("%g|%g|%.3g"), {0.5, 1e20, 2.0 / 3.0}), QStringLiteral("0.5|1E20|0.667"));
    EXPECT_EQ(Format(QStringLiteral("%8.1f"), {3}), QStringLiteral("     3.0")); // an integer serves as a number
}

TEST(Format, BadSpecifiersRaiseConversionErrors)
{
    auto message = [](const QString& fmt, std::initializer_list<TVarRec> args) {
        try {
            Format(fmt, args);
        } catch (const EConvertError& e) {
            return e.Message();
        }
        return QStringLiteral("no error");
    };
    EXPECT_EQ(message(QStringLiteral("%d"), {1.5}), QStringLiteral("Format '%d' invalid or incompatible with argument"));
    EXPECT_EQ(message(QStringLiteral("%s and %s"), {"one"}),
              QStringLiteral("Format '%s and %s' invalid or incompatible with argument"));
    EXPECT_EQ(message(QStringLiteral("%s"), {3}), QStringLiteral("Format '%s' invalid or incompatible with argument"));
    EXPECT_EQ(message(QStringLiteral("%q"), {3}), QStringLiteral("Format '%q' invalid or incompatible with argument"));
    EXPECT_EQ(message(QStringLiteral("50%"), {}), QStringLiteral("Format '50%' invalid or incompatible with argument"));
    EXPECT_EQ(message(QStringLiteral("%5:d"), {1}), QStringLiteral("Format '%5:d' invalid or incompatible with argument"));
}

TEST(StrToInt, AcceptsTheClassLibrarySyntax)
{
    EXPECT_EQ(StrToInt(QStringLiteral("123")), 123);
    EXPECT_EQ(StrToInt(QStringLiteral("  -42")), -42);
    EXPECT_EQ(StrToInt(QStringLiteral("+7")), 7);
    EXPECT_EQ(StrToInt(QStringLiteral("$FF")), 255);
    EXPECT_EQ(StrToInt(QStringLiteral("0x10")), 16);
    EXPECT_EQ(StrToInt(QStringLiteral("2147483647")), INT32_MAX);
    EXPECT_EQ(StrToInt(QStringLiteral("-2147483648")), INT32_MIN);
    EXPECT_EQ(StrToInt64(QStringLiteral("9223372036854775807")), INT64_MAX);
    EXPECT_EQ(StrToInt64(QStringLiteral("-9223372036854775808")), INT64_MIN);
    EXPECT_EQ(StrToIntDef(QStringLiteral("x"), -9), -9);
}

TEST(StrToInt, RejectsEverythingElseWithTheConversionError)
{
    for (const char* bad : {"", " ", "12 ", "1.5", "abc", "2147483648", "-2147483649", "--1", "+", "$", "0x", "１２",
                            "99999999999999999999"}) {
        try {
            StrToInt(QString::fromUtf8(bad));
            ADD_FAILURE() << "accepted " << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromUtf8(bad)));
        }
    }
    EXPECT_THROW(StrToInt64(QStringLiteral("9223372036854775808")), EConvertError);
    EXPECT_THROW(StrToInt64(QStringLiteral("-9223372036854775809")), EConvertError);
}

TEST(StrToFloat, ParsesWithTheLocaleSeparator)
{
    FormatSettingsGuard english;
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1.5")), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral(" -2.5e3 ")), -2500.0);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral(".5")), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("5.")), 5.0);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1E-400")), 0.0);
    for (const char* bad : {"", "1,5", ".", "1e", "e5", "inf", "nan", "1e400", "1.2.3", "0x10"}) {
        try {
            StrToFloat(QString::fromLatin1(bad));
            ADD_FAILURE() << "accepted " << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid floating point value").arg(QLatin1String(bad)));
        }
    }
    FormatSettings.DecimalSeparator = QLatin1Char(',');
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1,5")), 1.5);
    EXPECT_THROW(StrToFloat(QStringLiteral("1.5")), EConvertError);
    // The general text reads back to the same text.
    EXPECT_EQ(FloatToStr(StrToFloat(FloatToStr(2.0 / 3.0))), FloatToStr(2.0 / 3.0));
}
