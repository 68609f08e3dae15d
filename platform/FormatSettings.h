#pragma once

// Locale texts that number and date formatting read. Filled from the system locale by
// PlatformInitialize; tests and callers may change them.

#include <QChar>
#include <QLocale>
#include <QString>
#include <array>

struct TFormatSettings {
    QChar DecimalSeparator = QLatin1Char('.');
    QChar ThousandSeparator = QLatin1Char(',');
    QChar DateSeparator = QLatin1Char('/');
    QChar TimeSeparator = QLatin1Char(':');
    QString ShortDateFormat = QStringLiteral("m/d/yyyy");
    QString LongDateFormat = QStringLiteral("dddd, mmmm d, yyyy");
    QString ShortTimeFormat = QStringLiteral("h:nn AMPM");
    QString LongTimeFormat = QStringLiteral("h:nn:ss AMPM");
    QString TimeAMString = QStringLiteral("AM");
    QString TimePMString = QStringLiteral("PM");
    std::array<QString, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<QString, 12> LongMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                           "July",    "August",   "September", "October", "November", "December"};
    // Sunday first.
    std::array<QString, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<QString, 7> LongDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

    // The fixed English settings above (the defaults of a new object).
    static TFormatSettings English() { return TFormatSettings(); }
    // Settings from a Qt locale, with the date and time patterns turned into this library's letters.
    static TFormatSettings FromLocale(const QLocale& locale);
};

// The settings in force.
extern TFormatSettings FormatSettings;

// A Qt date/time pattern ("yyyy/MM/dd H:mm") in this library's letters ("yyyy/mm/dd h:nn").
QString QtToLibraryDateTimePattern(const QString& qtPattern);
