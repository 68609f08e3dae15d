#include "platform/DateTime.h"

#include "platform/FormatSettings.h"

namespace {

struct DateTimeParts {
    int year, month, day, hour, min, sec, msec, dayOfWeek;
};

QString Padded(int value, int digits)
{
    return QString::number(value).rightJustified(digits, QLatin1Char('0'));
}

bool StartsWithNoCase(const QString& text, qsizetype at, const char* word)
{
    return text.mid(at, static_cast<qsizetype>(qstrlen(word))).compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// Whether an hour at `from` is shown on the 12-hour clock: an am/pm marker follows before
// the next hour.
bool UsesTwelveHours(const QString& format, qsizetype from)
{
    const qsizetype n = format.size();
    for (qsizetype i = from; i < n; ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype close = format.indexOf(c, i + 1);
            if (close < 0)
                return false;
            i = close;
        } else if (c == QLatin1Char('h') || c == QLatin1Char('H')) {
            return false;
        } else if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
            if (StartsWithNoCase(format, i, "am/pm") || StartsWithNoCase(format, i, "a/p")
                || StartsWithNoCase(format, i, "ampm"))
                return true;
        }
    }
    return false;
}

void Append(QString& out, const QString& format, const DateTimeParts& p, int depth)
{
    // Patterns that name other patterns (c, ddddd, t...) are followed at most twice deep,
    // so that a locale pattern naming itself cannot recurse for ever.
    if (depth > 2)
        return;
    const TFormatSettings& fs = FormatSettings;
    const qsizetype n = format.size();
    QChar lastToken;
    qsizetype i = 0;
    // Pattern letters are the ASCII ones in either case; any other letter is text, even one
    // whose other case is a pattern letter (the long s upper-cases to "S").
    const auto asciiLower = [](QChar c) { return c.unicode() < 0x80 ? c.toLower() : c; };
    auto runOf = [&](QChar lower) {
        qsizetype j = i;
        while (j < n && asciiLower(format.at(j)) == lower)
            ++j;
        return static_cast<int>(j - i);
    };
    while (i < n) {
        const QChar c = format.at(i);
        QChar token = c.unicode() < 0x80 ? c.toUpper() : c;
        const bool letter = token >= QLatin1Char('A') && token <= QLatin1Char('Z');
        if (letter) {
            if (token == QLatin1Char('M') && lastToken == QLatin1Char('H'))
                token = QLatin1Char('N');
            lastToken = token;
        }
        switch (token.unicode()) {
        case u'"':
        case u'\'': {
            const qsizetype close = format.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? n : close;
            out += format.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        case u'Y': {
            const int count = runOf(QLatin1Char('y'));
            out += count <= 2 ? Padded(p.year % 100, 2) : Padded(p.year, 4);
            i += count;
            continue;
        }
        case u'M': {
            const int count = runOf(QLatin1Char('m'));
            if (count == 1)
                out += QString::number(p.month);
            else if (count == 2)
                out += Padded(p.month, 2);
            else if (p.month >= 1 && p.month <= 12)
                out += count == 3 ? fs.ShortMonthNames[static_cast<size_t>(p.month - 1)]
                                  : fs.LongMonthNames[static_cast<size_t>(p.month - 1)];
            i += count;
            continue;
        }
        case u'N': {
            // Minutes, written as n/nn or as m/mm right after an hour.
            const int count = runOf(c.toLower());
            out += count >= 2 ? Padded(p.min, 2) : QString::number(p.min);
            i += count;
            continue;
        }
        case u'D': {
            const int count = runOf(QLatin1Char('d'));
            if (count == 1)
                out += QString::number(p.day);
            else if (count == 2)
                out += Padded(p.day, 2);
            else if (count == 3 || count == 4) {
                if (p.dayOfWeek >= 1 && p.dayOfWeek <= 7)
                    out += count == 3 ? fs.ShortDayNames[static_cast<size_t>(p.dayOfWeek - 1)]
                                      : fs.LongDayNames[static_cast<size_t>(p.dayOfWeek - 1)];
            } else if (count == 5)
                Append(out, fs.ShortDateFormat, p, depth + 1);
            else
                Append(out, fs.LongDateFormat, p, depth + 1);
            i += count;
            continue;
        }
        case u'H': {
            const int count = runOf(QLatin1Char('h'));
            int hour = p.hour;
            if (UsesTwelveHours(format, i + count)) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += count >= 2 ? Padded(hour, 2) : QString::number(hour);
            i += count;
            continue;
        }
        case u'S': {
            const int count = runOf(QLatin1Char('s'));
            out += count >= 2 ? Padded(p.sec, 2) : QString::number(p.sec);
            i += count;
            continue;
        }
        case u'Z': {
            const int count = runOf(QLatin1Char('z'));
            out += count >= 3 ? Padded(p.msec, 3) : QString::number(p.msec);
            i += count;
            continue;
        }
        case u'T': {
            const int count = runOf(QLatin1Char('t'));
            Append(out, count == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, p, depth + 1);
            i += count;
            continue;
        }
        case u'C':
            Append(out, fs.ShortDateFormat, p, depth + 1);
            if (p.hour != 0 || p.min != 0 || p.sec != 0) {
                out += QLatin1Char(' ');
                Append(out, fs.LongTimeFormat, p, depth + 1);
            }
            ++i;
            continue;
        case u'A': {
            const bool pm = p.hour >= 12;
            if (StartsWithNoCase(format, i, "am/pm")) {
                out += format.mid(pm ? i + 3 : i, 2); // written in the pattern's own case
                i += 5;
            } else if (StartsWithNoCase(format, i, "a/p")) {
                out += format.mid(pm ? i + 2 : i, 1);
                i += 3;
            } else if (StartsWithNoCase(format, i, "ampm")) {
                out += pm ? fs.TimePMString : fs.TimeAMString;
                i += 4;
            } else {
                out += c;
                ++i;
            }
            continue;
        }
        case u'/':
            out += fs.DateSeparator;
            ++i;
            continue;
        case u':':
            out += fs.TimeSeparator;
            ++i;
            continue;
        default:
            out += c;
            ++i;
            continue;
        }
    }
}

} // namespace

QString FormatDateTime(const QString& format, TDateTime value)
{
    DateTimeParts p{};
    DecodeDateTime(value, p.year, p.month, p.day, p.hour, p.min, p.sec, p.msec);
    if (p.year == 0)
        DecodeTime(value, p.hour, p.min, p.sec, p.msec);
    p.dayOfWeek = DayOfWeek(value);
    QString out;
    Append(out, format.isEmpty() ? QStringLiteral("c") : format, p, 0);
    return out;
}

QString DateToStr(TDateTime value)
{
    return FormatDateTime(FormatSettings.ShortDateFormat, value);
}

QString TimeToStr(TDateTime value)
{
    return FormatDateTime(FormatSettings.LongTimeFormat, value);
}

QString DateTimeToStr(TDateTime value)
{
    return FormatDateTime(QStringLiteral("c"), value);
}
