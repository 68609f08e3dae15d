#include "platform/FormatSettings.h"

#include <algorithm>

TFormatSettings FormatSettings;

QString QtToLibraryDateTimePattern(const QString& qtPattern)
{
    QString out;
    const qsizetype n = qtPattern.size();
    qsizetype i = 0;
    auto run = [&](QChar c) {
        qsizetype j = i;
        while (j < n && qtPattern.at(j) == c)
            ++j;
        return static_cast<int>(j - i);
    };
    while (i < n) {
        const QChar c = qtPattern.at(i);
        if (c == QLatin1Char('\'')) {
            // Qt quotes with '...', where '' is a quote character.
            ++i;
            QString literal;
            while (i < n) {
                if (qtPattern.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < n && qtPattern.at(i + 1) == QLatin1Char('\'')) {
                        literal += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += qtPattern.at(i++);
            }
            if (literal.isEmpty()) // a lone '' outside quotes is one quote character
                out += QStringLiteral("'\"'\"'");
            else
                out += QLatin1Char('"') + literal + QLatin1Char('"');
            continue;
        }
        const int count = run(c);
        switch (c.unicode()) {
        case u'd':
            out += QString(std::min(count, 4), QLatin1Char('d'));
            break;
        case u'M':
            out += QString(std::min(count, 4), QLatin1Char('m'));
            break;
        case u'y':
            out += count <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
            break;
        case u'h':
        case u'H':
            out += count >= 2 ? QStringLiteral("hh") : QStringLiteral("h");
            break;
        case u'm':
            out += count >= 2 ? QStringLiteral("nn") : QStringLiteral("n");
            break;
        case u's':
            out += count >= 2 ? QStringLiteral("ss") : QStringLiteral("s");
            break;
        case u'z':
            out += count >= 2 ? QStringLiteral("zzz") : QStringLiteral("z");
            break;
        case u'A':
        case u'a':
            // "AP"/"A" upper-case, "ap"/"a" lower-case markers.
            if (i + 1 < n && (qtPattern.at(i + 1) == QLatin1Char('P') || qtPattern.at(i + 1) == QLatin1Char('p'))) {
                out += c == QLatin1Char('A') ? QStringLiteral("AMPM") : QStringLiteral("ampm");
                i += 2;
                continue;
            }
            out += c == QLatin1Char('A') ? QStringLiteral("AMPM") : QStringLiteral("ampm");
            break;
        case u't': // time zone: not shown
            break;
        default:
            for (int k = 0; k < count; ++k) {
                if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
                    out += QLatin1Char('"') + c + QLatin1Char('"');
                else
                    out += c;
            }
            break;
        }
        i += count;
    }
    return out.trimmed();
}

TFormatSettings TFormatSettings::FromLocale(const QLocale& locale)
{
    TFormatSettings s;
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (!point.isEmpty())
        s.DecimalSeparator = point.at(0);
    if (!group.isEmpty())
        s.ThousandSeparator = group.at(0);
    // Locale patterns keep their separators as literal characters.
    s.DateSeparator = QLatin1Char('/');
    s.TimeSeparator = QLatin1Char(':');
    s.ShortDateFormat = QtToLibraryDateTimePattern(locale.dateFormat(QLocale::ShortFormat));
    s.LongDateFormat = QtToLibraryDateTimePattern(locale.dateFormat(QLocale::LongFormat));
    s.ShortTimeFormat = QtToLibraryDateTimePattern(locale.timeFormat(QLocale::ShortFormat));
    s.LongTimeFormat = QtToLibraryDateTimePattern(locale.timeFormat(QLocale::LongFormat));
    s.TimeAMString = locale.amText();
    s.TimePMString = locale.pmText();
    for (int m = 1; m <= 12; ++m) {
        s.ShortMonthNames[static_cast<size_t>(m - 1)] = locale.monthName(m, QLocale::ShortFormat);
        s.LongMonthNames[static_cast<size_t>(m - 1)] = locale.monthName(m, QLocale::LongFormat);
    }
    // Qt counts Monday as 1 and Sunday as 7; the class library starts with Sunday.
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d;
        s.ShortDayNames[static_cast<size_t>(d)] = locale.dayName(qtDay, QLocale::ShortFormat);
        s.LongDayNames[static_cast<size_t>(d)] = locale.dayName(qtDay, QLocale::LongFormat);
    }
    return s;
}
