#include "platform/DateTime.h"

#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"
#include "platform/Types.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

namespace {

// Day 0 is 1899-12-30, which is 25569 days before 1970-01-01.
constexpr int64_t kUnixEpochSerial = 25569;
constexpr int64_t kFirstSerial = -693593; // 0001-01-01
constexpr int64_t kLastSerial = 2958465;  // 9999-12-31

// Days since 1970-01-01 of a Gregorian date (proleptic), and back.
int64_t DaysFromCivil(int64_t y, int m, int d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(era * 400 + yoe + (month <= 2));
}

// The day number and the millisecond of the day, consistent with each other; false when the
// value lies outside the years 1..9999.
bool SplitDateTime(TDateTime value, int64_t& serial, int64_t& msOfDay)
{
    if (!std::isfinite(value) || value < static_cast<double>(kFirstSerial - 1) || value >= static_cast<double>(kLastSerial + 1))
        return false;
    serial = static_cast<int64_t>(std::trunc(value));
    msOfDay = Round64(std::fabs(value - static_cast<double>(serial)) * MSecsPerDay);
    if (msOfDay >= static_cast<int64_t>(MSecsPerDay)) {
        msOfDay -= static_cast<int64_t>(MSecsPerDay);
        ++serial;
    }
    return serial >= kFirstSerial && serial <= kLastSerial;
}

TDateTime Combine(double datePart, TDateTime timeSource)
{
    const double time = std::fabs(Frac(timeSource));
    return datePart >= 0 ? datePart + time : datePart - time;
}

} // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    result = static_cast<double>(DaysFromCivil(year, month, day) + kUnixEpochSerial);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result))
        throw EConvertError(QString::fromLatin1(SDateEncodeError));
    return result;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& result)
{
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
        return false;
    result = (((hour * 60.0 + min) * 60.0 + sec) * 1000.0 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec)
{
    TDateTime result = 0;
    if (!TryEncodeTime(hour, min, sec, msec, result))
        throw EConvertError(QString::fromLatin1(STimeEncodeError));
    return result;
}

void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& min, int& sec, int& msec)
{
    int64_t serial = 0;
    int64_t ms = 0;
    if (!SplitDateTime(value, serial, ms)) {
        year = month = day = hour = min = sec = msec = 0;
        return;
    }
    CivilFromDays(serial - kUnixEpochSerial, year, month, day);
    msec = static_cast<int>(ms % 1000);
    ms /= 1000;
    sec = static_cast<int>(ms % 60);
    ms /= 60;
    min = static_cast<int>(ms % 60);
    hour = static_cast<int>(ms / 60);
}

void DecodeDate(TDateTime date, int& year, int& month, int& day)
{
    int hour, min, sec, msec;
    DecodeDateTime(date, year, month, day, hour, min, sec, msec);
}

void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec)
{
    int y, mo, d;
    DecodeDateTime(time, y, mo, d, hour, min, sec, msec);
    if (y == 0 && std::isfinite(time)) {
        // Outside the calendar the time of day still has a meaning.
        int64_t ms = Round64(std::fabs(Frac(time)) * MSecsPerDay) % static_cast<int64_t>(MSecsPerDay);
        msec = static_cast<int>(ms % 1000);
        ms /= 1000;
        sec = static_cast<int>(ms % 60);
        ms /= 60;
        min = static_cast<int>(ms % 60);
        hour = static_cast<int>(ms / 60);
    }
}

int DayOfWeek(TDateTime date)
{
    int64_t serial = 0;
    int64_t ms = 0;
    if (!SplitDateTime(date, serial, ms))
        return 0;
    // Day 1 of the calendar (0001-01-01) was a Monday.
    return static_cast<int>((serial - kFirstSerial + 1) % 7) + 1;
}

TDateTime IncMonth(TDateTime date, int numberOfMonths)
{
    int y, m, d;
    DecodeDate(date, y, m, d);
    if (y == 0)
        throw EConvertError(QString::fromLatin1(SDateEncodeError));
    int64_t months = static_cast<int64_t>(y) * 12 + (m - 1) + numberOfMonths;
    const int64_t newYear = months >= 0 ? months / 12 : (months - 11) / 12;
    const int newMonth = static_cast<int>(months - newYear * 12) + 1;
    if (newYear < 1 || newYear > 9999)
        throw EConvertError(QString::fromLatin1(SDateEncodeError));
    const int newDay = std::min(d, DaysInMonth(static_cast<int>(newYear), newMonth));
    return Combine(EncodeDate(static_cast<int>(newYear), newMonth, newDay), date);
}

TDateTime Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return EncodeDate(d.year(), d.month(), d.day()) + EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
}

TDateTime Date()
{
    const QDate d = QDate::currentDate();
    return EncodeDate(d.year(), d.month(), d.day());
}

TDateTime Time()
{
    const QTime t = QTime::currentTime();
    return EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
}
