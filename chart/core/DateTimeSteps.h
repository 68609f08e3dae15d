#pragma once

// Date-time steps of date-time axes: their lengths, the next larger step, rounding a date to a
// step and stepping by calendar.

#include <QString>
#include <array>

#include "platform/DateTime.h"

enum TDateTimeStep {
    dtOneMicroSecond, dtOneMillisecond, dtOneSecond, dtFiveSeconds, dtTenSeconds, dtFifteenSeconds,
    dtThirtySeconds, dtOneMinute, dtFiveMinutes, dtTenMinutes, dtFifteenMinutes, dtThirtyMinutes,
    dtOneHour, dtTwoHours, dtSixHours, dtTwelveHours, dtOneDay, dtTwoDays, dtThreeDays, dtOneWeek,
    dtHalfMonth, dtOneMonth, dtTwoMonths, dtThreeMonths, dtFourMonths, dtSixMonths, dtOneYear, dtNone
};

// Length of each step in days.
extern const std::array<double, 28> DateTimeStep;

// The length of the next step larger than days (365 for less than a microsecond).
double NextDateTimeStep(double days);
// The step whose length is within a microsecond of days, else dtNone.
TDateTimeStep FindDateTimeStep(double days);
// The locale's short date pattern above one day, else its short time pattern.
QString DateTimeDefaultFormat(double value);
// The date rounded down to the start of its step (time of day dropped); dates up to
// 1900-01-01 are returned unchanged.
TDateTime TeeRoundDate(TDateTime date, TDateTimeStep step);
// Steps value by amount, or by calendar for the month and year steps of a date-time axis.
void TeeDateTimeIncrement(bool isDateTime, bool increment, double& value, double amount, TDateTimeStep step);

// Start-up: the earliest date that rounding touches.
void DateTimeStepsInitialize();
