#include <gtest/gtest.h>

#include "chart/core/DateTimeSteps.h"
#include "platform/FormatSettings.h"

namespace {

TDateTime D(int y, int m, int d) { return EncodeDate(y, m, d); }

double Step(TDateTime value, TDateTimeStep step, bool forward)
{
    double v = value;
    TeeDateTimeIncrement(true, forward, v, DateTimeStep[step], step);
    return v;
}

TEST(DateTimeSteps, FindAndNextStep)
{
    EXPECT_EQ(FindDateTimeStep(1.0 / 24), dtOneHour);
    EXPECT_EQ(FindDateTimeStep(365), dtOneYear);
    EXPECT_EQ(FindDateTimeStep(1.0 / 86400000000.0), dtOneMicroSecond);
    EXPECT_EQ(FindDateTimeStep(1.5), dtNone);
    EXPECT_EQ(FindDateTimeStep(1), dtOneDay); // dtNone's length 1 is never reported

    EXPECT_EQ(NextDateTimeStep(1), 2.0);
    EXPECT_EQ(NextDateTimeStep(400), 365.0);
    EXPECT_EQ(NextDateTimeStep(182), 365.0);
    EXPECT_EQ(NextDateTimeStep(1e-12), 365.0);
    EXPECT_EQ(NextDateTimeStep(0.3), 0.5);
}

TEST(DateTimeSteps, MonthStepsAcrossMonthAndYearEnds)
{
    EXPECT_EQ(Step(D(2024, 1, 31), dtOneMonth, true), D(2024, 2, 1));
    EXPECT_EQ(Step(D(2024, 12, 10), dtOneMonth, true), D(2025, 1, 1));
    EXPECT_EQ(Step(D(2024, 11, 10), dtThreeMonths, true), D(2025, 2, 1));
    EXPECT_EQ(Step(D(2024, 2, 15), dtThreeMonths, false), D(2023, 11, 1));
    EXPECT_EQ(Step(D(2024, 7, 9), dtSixMonths, false), D(2024, 1, 1));
    EXPECT_EQ(Step(D(2024, 6, 9), dtSixMonths, false), D(2023, 12, 1));
    EXPECT_EQ(Step(D(2024, 3, 31), dtTwoMonths, false), D(2024, 1, 1));
}

TEST(DateTimeSteps, HalfMonthForwardGoesForward)
{
    EXPECT_EQ(Step(D(2024, 3, 20), dtHalfMonth, true), D(2024, 4, 1));
    EXPECT_EQ(Step(D(2024, 3, 15), dtHalfMonth, true), D(2024, 4, 1));
    EXPECT_EQ(Step(D(2024, 3, 1), dtHalfMonth, true), D(2024, 3, 15));
    EXPECT_EQ(Step(D(2024, 3, 14), dtHalfMonth, true), D(2024, 3, 15));
    EXPECT_EQ(Step(D(2024, 12, 31), dtHalfMonth, true), D(2025, 1, 1));
    // Every forward step of a run goes forward.
    double v = D(2024, 1, 1);
    for (int i = 0; i < 30; ++i) {
        const double next = Step(v, dtHalfMonth, true);
        ASSERT_GT(next, v);
        v = next;
    }
    EXPECT_EQ(v, D(2025, 4, 1));
}

TEST(DateTimeSteps, HalfMonthBackward)
{
    EXPECT_EQ(Step(D(2024, 3, 20), dtHalfMonth, false), D(2024, 3, 15));
    EXPECT_EQ(Step(D(2024, 3, 15), dtHalfMonth, false), D(2024, 3, 1));
    EXPECT_EQ(Step(D(2024, 3, 1), dtHalfMonth, false), D(2024, 2, 15));
    EXPECT_EQ(Step(D(2024, 1, 1), dtHalfMonth, false), D(2023, 12, 15));
}

TEST(DateTimeSteps, YearStepsAndPlainSteps)
{
    EXPECT_EQ(Step(D(2023, 5, 17), dtOneYear, true), D(2024, 5, 17));
    EXPECT_EQ(Step(D(2023, 5, 17), dtOneYear, false), D(2022, 5, 17));
    EXPECT_EQ(Step(D(2024, 2, 29), dtOneYear, true), D(2025, 2, 28)); // no 29 February in 2025
    // The time of day is dropped by calendar steps.
    EXPECT_EQ(Step(D(2024, 1, 31) + 0.75, dtOneMonth, true), D(2024, 2, 1));

    double v = 10.25;
    TeeDateTimeIncrement(true, true, v, 7, dtOneWeek);
    EXPECT_EQ(v, 17.25);
    TeeDateTimeIncrement(false, false, v, 30, dtOneMonth); // not a date axis: plain arithmetic
    EXPECT_EQ(v, -12.75);
}

TEST(DateTimeSteps, RoundDate)
{
    EXPECT_EQ(TeeRoundDate(D(1899, 6, 1), dtOneMonth), D(1899, 6, 1));
    EXPECT_EQ(TeeRoundDate(D(1900, 1, 1) + 0.5, dtOneYear), D(1900, 1, 1)); // the same day, later
    EXPECT_EQ(TeeRoundDate(D(1900, 1, 2) + 14.0 / 24, dtOneDay), D(1900, 1, 2));
    EXPECT_EQ(TeeRoundDate(D(2024, 3, 14), dtHalfMonth), D(2024, 3, 1));
    EXPECT_EQ(TeeRoundDate(D(2024, 3, 15), dtHalfMonth), D(2024, 3, 15));
    EXPECT_EQ(TeeRoundDate(D(2024, 3, 31), dtFourMonths), D(2024, 3, 1));
    EXPECT_EQ(TeeRoundDate(D(2024, 8, 31), dtOneYear), D(2024, 1, 1));
}

TEST(DateTimeSteps, DefaultFormatByRange)
{
    EXPECT_EQ(DateTimeDefaultFormat(2), FormatSettings.ShortDateFormat);
    EXPECT_EQ(DateTimeDefaultFormat(1), FormatSettings.ShortTimeFormat);
}

} // namespace
