#include "FormatSettingsGuard.h"
#include "tests/HangGuard.h"

#include "platform/SysUtils.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Ymd {
    int y, m, d;
    bool operator==(const Ymd&) const = default;
};

Ymd DateOf(TDateTime value)
{
    Ymd r{};
    DecodeDate(value, r.y, r.m, r.d);
    return r;
}

std::string TimeOf(TDateTime value)
{
    int h, n, s, ms;
    DecodeTime(value, h, n, s, ms);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d.%03d", h, n, s, ms);
    return buf;
}

} // namespace

TEST(DateTime, DayCountsFromTheEpoch)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1899, 12, 31), 1.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(1900, 3, 1), 61.0); // 1900 is not a leap year
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(2024, 2, 29), 45351.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
    EXPECT_EQ(DateOf(36526), (Ymd{2000, 1, 1}));
    EXPECT_EQ(DateOf(-693593), (Ymd{1, 1, 1}));
    EXPECT_EQ(DateOf(2958465.9), (Ymd{9999, 12, 31}));
    EXPECT_EQ(DateOf(45351), (Ymd{2024, 2, 29}));
}

TEST(DateTime, InvalidPartsRaise)
{
    try {
        EncodeDate(2023, 2, 29);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid argument to date encode"));
    }
    EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
    EXPECT_THROW(EncodeDate(10000, 1, 1), EConvertError);
    EXPECT_THROW(EncodeDate(2000, 13, 1), EConvertError);
    EXPECT_THROW(EncodeDate(2000, 4, 31), EConvertError);
    try {
        EncodeTime(24, 0, 0, 0);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid argument to time encode"));
    }
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
    EXPECT_THROW(EncodeTime(-1, 0, 0, 0), EConvertError);
}

TEST(DateTime, TimeOfDayAndNegativeDates)
{
    EXPECT_EQ(TimeOf(36526.75), "18:00:00.000");
    EXPECT_DOUBLE_EQ(EncodeTime(18, 0, 0, 0), 0.75);
    EXPECT_EQ(TimeOf(EncodeTime(23, 59, 59, 999)), "23:59:59.999");
    // Before the epoch the fraction is still the time of day.
    EXPECT_EQ(DateOf(-1.25), (Ymd{1899, 12, 29}));
    EXPECT_EQ(TimeOf(-1.25), "06:00:00.000");
    EXPECT_EQ(DateOf(-0.25), (Ymd{1899, 12, 30}));
    // A time that rounds to 24:00 is midnight of the next day, for date and time alike.
    EXPECT_EQ(DateOf(1 - 1e-10), (Ymd{1899, 12, 31}));
    EXPECT_EQ(TimeOf(1 - 1e-10), "00:00:00.000");
    // Outside the calendar: zeros, no undefined conversion.
    EXPECT_EQ(DateOf(1e300), (Ymd{0, 0, 0}));
    EXPECT_EQ(DateOf(std::nan("")), (Ymd{0, 0, 0}));
    EXPECT_EQ(DateOf(-1e7), (Ymd{0, 0, 0}));
    EXPECT_EQ(TimeOf(1e7 + 0.5), "12:00:00.000");
}

TEST(DateTime, CalendarHelpers)
{
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 12), 31);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
    EXPECT_EQ(DayOfWeek(0), 7);                          // 1899-12-30, a Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2000, 1, 1)), 7);     // Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 6, 2) + 0.9), 1); // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);        // Monday
    EXPECT_EQ(DayOfWeek(-1.5), 6);                       // 1899-12-29, a Friday
}

TEST(DateTime, IncMonthClampsTheDayAndKeepsTheTime)
{
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2023, 1, 31), 1), EncodeDate(2023, 2, 28));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), -13), EncodeDate(2023, 2, 28));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 11, 15), 2), EncodeDate(2025, 1, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -1), EncodeDate(2023, 12, 15));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 15) + 0.25, 12), EncodeDate(2025, 1, 15) + 0.25);
    // Before the epoch a negative value keeps its time of day.
    const TDateTime before = EncodeDate(1899, 11, 15) - 0.25;
    EXPECT_EQ(TimeOf(IncMonth(before, -1)), "06:00:00.000");
    EXPECT_EQ(DateOf(IncMonth(before, -1)), (Ymd{1899, 10, 15}));
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
}

TEST(FormatDateTime, PatternLetters)
{
    FormatSettingsGuard english;
    const TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45); // a Tuesday
    EXPECT_EQ(FormatDateTime(QStringLiteral("yyyy/mm/dd"), t), QStringLiteral("2024/03/05"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("d/m/yy"), t), QStringLiteral("5/3/24"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("ddd dddd mmm mmmm"), t), QStringLiteral("Tue Tuesday Mar March"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("hh:nn:ss.zzz"), t), QStringLiteral("14:07:09.045"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("h:n:s z"), t), QStringLiteral("14:7:9 45"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("h:mm"), t), QStringLiteral("14:07")); // m after h is minutes
    EXPECT_EQ(FormatDateTime(QStringLiteral("HH:MM YYYY"), t), QStringLiteral("14:07 2024"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("h:mm am/pm"), t), QStringLiteral("2:07 pm"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("h:mm AM/PM"), t), QStringLiteral("2:07 PM"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("hh a/p"), t), QStringLiteral("02 p"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("h ampm"), t), QStringLiteral("2 PM"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("'yyyy' yyyy \"at\" h"), t), QStringLiteral("yyyy 2024 at 14"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("yyyy年m月d日"), t), QStringLiteral("2024年3月5日"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("yyy"), EncodeDate(987, 6, 1)), QStringLiteral("0987"));
}

TEST(FormatDateTime, LettersThatOnlyCaseMapToPatternLettersAreText)
{
    // Letters outside ASCII whose other case is a pattern letter (long s upper-cases to "S",
    // dotless i to "I", the Kelvin sign lower-cases to "k") are plain text, and every
    // pattern comes to an end.
    FormatSettingsGuard english;
    const TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
    const struct {
        const char16_t* format;
        const char16_t* expected;
    } cases[] = {
        {u"\u017F", u"\u017F"},
        {u"\u017F\u017Fs", u"\u017F\u017F9"},
        {u"h\u017Fnn", u"14\u017F07"},
        {u"ss\u017F", u"09\u017F"},
        {u"\u0131\u212Ad", u"\u0131\u212A5"},
        {u"\u1E9E\u0130yy", u"\u1E9E\u013024"},
        {u"'\u017F'\u017F", u"\u017F\u017F"},
    };
    HangGuard guard("a date-time pattern with a long s");
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(QString::fromUtf16(c.format), t), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.format).toStdString();
}

TEST(FormatDateTime, TwelveHourClockAtMidnightAndNoon)
{
    FormatSettingsGuard english;
    EXPECT_EQ(FormatDateTime(QStringLiteral("h:nn am/pm"), EncodeTime(0, 30, 0, 0)), QStringLiteral("12:30 am"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("h:nn am/pm"), EncodeTime(12, 0, 0, 0)), QStringLiteral("12:00 pm"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("h:nn am/pm"), EncodeTime(11, 59, 0, 0)), QStringLiteral("11:59 am"));
    // An hour after the marker is on the 24-hour clock again.
    EXPECT_EQ(FormatDateTime(QStringLiteral("am/pm h"), EncodeTime(15, 0, 0, 0)), QStringLiteral("pm 15"));
}

TEST(FormatDateTime, LocalePatternsAndSeparators)
{
    FormatSettingsGuard english;
    const TDateTime day = EncodeDate(2024, 3, 5);
    const TDateTime t = day + EncodeTime(14, 7, 9, 0);
    EXPECT_EQ(FormatDateTime(QStringLiteral("c"), t), QStringLiteral("3/5/2024 2:07:09 PM"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("c"), day), QStringLiteral("3/5/2024")); // no time at midnight
    EXPECT_EQ(FormatDateTime(QString(), day), QStringLiteral("3/5/2024"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("ddddd | t | tt"), t), QStringLiteral("3/5/2024 | 2:07 PM | 2:07:09 PM"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("dddddd"), t), QStringLiteral("Tuesday, March 5, 2024"));
    EXPECT_EQ(DateToStr(t), QStringLiteral("3/5/2024"));
    EXPECT_EQ(TimeToStr(t), QStringLiteral("2:07:09 PM"));
    FormatSettings.DateSeparator = QLatin1Char('-');
    FormatSettings.TimeSeparator = QLatin1Char('.');
    EXPECT_EQ(FormatDateTime(QStringLiteral("yyyy/mm/dd hh:nn"), t), QStringLiteral("2024-03-05 14.07"));
    // A pattern that names itself does not recurse for ever.
    // "c" is the short date and, when the time is not midnight, a space and the long time.
    // Followed at most twice deep, the short date "c" gives: at the third level nothing but
    // " " (its time is cut off too), at the second that plus " 2.07.09 PM", at the first that
    // plus " 2.07.09 PM" again.
    FormatSettings.ShortDateFormat = QStringLiteral("c");
    EXPECT_EQ(FormatDateTime(QStringLiteral("c"), t), QStringLiteral("  2.07.09 PM 2.07.09 PM"));
}

TEST(FormatDateTime, QtLocalePatternsBecomeLibraryPatterns)
{
    EXPECT_EQ(QtToLibraryDateTimePattern(QStringLiteral("yyyy/MM/dd")), QStringLiteral("yyyy/mm/dd"));
    EXPECT_EQ(QtToLibraryDateTimePattern(QStringLiteral("H:mm")), QStringLiteral("h:nn"));
    EXPECT_EQ(QtToLibraryDateTimePattern(QStringLiteral("h:mm:ss AP t")), QStringLiteral("h:nn:ss AMPM"));
    EXPECT_EQ(QtToLibraryDateTimePattern(QStringLiteral("H時mm分ss秒 t")), QStringLiteral("h時nn分ss秒"));
    EXPECT_EQ(QtToLibraryDateTimePattern(QStringLiteral("d 'de' MMMM")), QStringLiteral("d \"de\" mmmm"));

    FormatSettingsGuard english;
    FormatSettings = TFormatSettings::FromLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    const TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(9, 5, 0, 0);
    EXPECT_EQ(FormatDateTime(QStringLiteral("c"), t), QStringLiteral("2024/03/05 9時05分00秒"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("ddd"), t), QStringLiteral("火"));
}
