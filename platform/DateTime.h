#pragma once

// Dates and times as the class library keeps them: days since 1899-12-30 in the integer part,
// the time of day in the fraction. Negative values count days backward, but their fraction
// is still a time of day (-1.25 is 1899-12-29 06:00).

#include <QString>
#include <cstdint>

using TDateTime = double;

constexpr double HoursPerDay = 24;
constexpr double MinsPerDay = 24 * 60;
constexpr double SecsPerDay = 24 * 60 * 60;
constexpr double MSecsPerDay = 24.0 * 60 * 60 * 1000;

bool IsLeapYear(int year);
// Length of the month in the Gregorian calendar; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// EConvertError "Invalid argument to date encode" outside 1/1/1 .. 9999/12/31.
TDateTime EncodeDate(int year, int month, int day);
// EConvertError "Invalid argument to time encode" outside 0:0:0.0 .. 23:59:59.999.
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& result);

// The time of day is taken to the nearest millisecond; one that rounds up to 24:00 is 0:00 of
// the next day, for the date as well. A value outside the years 1..9999 (or NaN) decodes to
// all zeros (the time of day alone is still given by DecodeTime).
void DecodeDate(TDateTime date, int& year, int& month, int& day);
void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec);
void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& min, int& sec, int& msec);

// 1 = Sunday .. 7 = Saturday; 0 outside the calendar.
int DayOfWeek(TDateTime date);
// The same day months later (or earlier), clamped to the length of the target month; the
// time of day is kept.
TDateTime IncMonth(TDateTime date, int numberOfMonths = 1);

TDateTime Now();
TDateTime Date();
TDateTime Time();

// Text of a date/time by the class library's pattern letters (case-insensitive):
// c, d dd ddd dddd ddddd dddddd, m mm mmm mmmm (minutes right after h/hh), yy yyyy,
// h hh, n nn, s ss, z zzz, t tt, am/pm a/p ampm, '/' and ':' as the locale's separators,
// "..." and '...' literals. An empty pattern means "c".
QString FormatDateTime(const QString& format, TDateTime value);
QString DateToStr(TDateTime value);
QString TimeToStr(TDateTime value);
QString DateTimeToStr(TDateTime value);
