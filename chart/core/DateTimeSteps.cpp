#include "chart/core/DateTimeSteps.h"

#include <algorithm>
#include <cmath>

#include "platform/FormatSettings.h"

const std::array<double, 28> DateTimeStep{
    1.0 / 86400000000.0, 1.0 / 86400000.0, 1.0 / 86400.0, 5.0 / 86400.0, 10.0 / 86400.0, 15.0 / 86400.0,
    30.0 / 86400.0,      1.0 / 1440.0,     5.0 / 1440.0,  10.0 / 1440.0, 15.0 / 1440.0,  30.0 / 1440.0,
    1.0 / 24.0,          2.0 / 24.0,       0.25,          0.5,           1.0,            2.0,
    3.0,                 7.0,              15.0,          30.0,          60.0,           90.0,
    120.0,               182.0,            365.0,         1.0};

namespace {

TDateTime minimumDate = 2.0; // 1900-01-01, set again at start-up

// Month stepping by n months; the day becomes 1.
void StepMonths(int& year, int& month, int& day, int n, bool forward)
{
    day = 1;
    if (forward) {
        month += n;
        if (month > 12) {
            ++year;
            month -= 12;
        }
    } else if (n < month) {
        month -= n;
    } else {
        --year;
        month = 12 - (n - month);
    }
}

int MonthsOfStep(TDateTimeStep step)
{
    switch (step) {
    case dtOneMonth: return 1;
    case dtTwoMonths: return 2;
    case dtThreeMonths: return 3;
    case dtFourMonths: return 4;
    case dtSixMonths: return 6;
    default: return 0;
    }
}

} // namespace

void DateTimeStepsInitialize()
{
    minimumDate = EncodeDate(1900, 1, 1);
}

double NextDateTimeStep(double days)
{
    for (int s = dtSixMonths; s >= dtOneMicroSecond; --s) {
        if (DateTimeStep[s] <= days)
            return DateTimeStep[s + 1];
    }
    return DateTimeStep[dtOneYear];
}

TDateTimeStep FindDateTimeStep(double days)
{
    for (int s = dtOneYear; s >= dtOneMicroSecond; --s) {
        if (std::fabs(DateTimeStep[s] - days) < DateTimeStep[dtOneMicroSecond])
            return static_cast<TDateTimeStep>(s);
    }
    return dtNone;
}

QString DateTimeDefaultFormat(double value)
{
    return value > 1 ? FormatSettings.ShortDateFormat : FormatSettings.ShortTimeFormat;
}

TDateTime TeeRoundDate(TDateTime date, TDateTimeStep step)
{
    if (!(date > minimumDate))
        return date;
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    if (year == 0)
        return date; // beyond the calendar: nothing to round to
    switch (step) {
    case dtHalfMonth: day = day < 15 ? 1 : 15; break;
    case dtOneMonth:
    case dtTwoMonths:
    case dtThreeMonths:
    case dtFourMonths:
    case dtSixMonths: day = 1; break;
    case dtOneYear: day = 1; month = 1; break;
    default: break;
    }
    return EncodeDate(year, month, day);
}

void TeeDateTimeIncrement(bool isDateTime, bool increment, double& value, double amount, TDateTimeStep step)
{
    if (!isDateTime || step < dtHalfMonth || step > dtOneYear) {
        value = increment ? value + amount : value - amount;
        return;
    }
    int year = 0, month = 0, day = 0;
    DecodeDate(value, year, month, day);
    if (year == 0)
        return; // outside the calendar: no calendar step exists
    if (step == dtHalfMonth) {
        if (increment) {
            // Forward goes to the next half: the 15th, or the 1st of the next month.
            if (day < 15) {
                day = 15;
            } else {
                StepMonths(year, month, day, 1, true);
            }
        } else if (day > 15) {
            day = 15;
        } else if (day > 1) {
            day = 1;
        } else {
            StepMonths(year, month, day, 1, false);
            day = 15;
        }
    } else if (step == dtOneYear) {
        year += increment ? 1 : -1;
        // 29 February of a leap year has no twin in the next year.
        day = std::min(day, DaysInMonth(year, month));
    } else {
        StepMonths(year, month, day, MonthsOfStep(step), increment);
    }
    TDateTime result = 0;
    if (TryEncodeDate(year, month, day, result))
        value = result;
}
