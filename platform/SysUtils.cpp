#include "platform/SysUtils.h"

#include "platform/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

QString IntToStr(int64_t value)
{
    return QString::number(value);
}

QString IntToHex(int64_t value, int digits)
{
    QString s = QString::number(static_cast<quint64>(value), 16).toUpper();
    if (s.size() < digits)
        s.prepend(QString(digits - s.size(), QLatin1Char('0')));
    return s;
}

QString FloatToStr(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");

    const TDecimalDigits d = DecimalDigitsOf(value, 15);
    if (d.IsZero())
        return QStringLiteral("0");

    const QChar point = FormatSettings.DecimalSeparator;
    const int n = static_cast<int>(d.Digits.size());
    QString out;
    if (value < 0)
        out += QLatin1Char('-');
    if (d.Exponent > 15 || d.Exponent < -3) {
        out += QLatin1Char(d.Digits[0]);
        if (n > 1) {
            out += point;
            out += QString::fromLatin1(d.Digits.data() + 1, n - 1);
        }
        out += QLatin1Char('E');
        out += QString::number(d.Exponent - 1);
    } else if (d.Exponent <= 0) {
        out += QLatin1Char('0');
        out += point;
        out += QString(-d.Exponent, QLatin1Char('0'));
        out += QString::fromLatin1(d.Digits.data(), n);
    } else {
        for (int i = 0; i < d.Exponent; ++i)
            out += QLatin1Char(DigitAt(d, i));
        if (n > d.Exponent) {
            out += point;
            out += QString::fromLatin1(d.Digits.data() + d.Exponent, n - d.Exponent);
        }
    }
    return out;
}

// ---- text to number ----

namespace {

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool ParseInteger(const QString& text, int64_t minValue, int64_t maxValue, int64_t& result)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text.at(i)))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text.at(i) == QLatin1Char('0')
               && (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    // Accumulate the magnitude in unsigned 64 bits; the bound stops long before it wraps.
    const uint64_t limit = negative ? 0 - static_cast<uint64_t>(minValue) : static_cast<uint64_t>(maxValue);
    uint64_t magnitude = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (magnitude > limit)
            return false;
    }
    result = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

} // namespace

bool TryStrToInt64(const QString& text, int64_t& value)
{
    return ParseInteger(text, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max(), value);
}

bool TryStrToInt(const QString& text, int32_t& value)
{
    int64_t v = 0;
    if (!ParseInteger(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), v))
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

int32_t StrToInt(const QString& text)
{
    int32_t v = 0;
    if (!TryStrToInt(text, v))
        throw EConvertError(Format(QString::fromLatin1(SInvalidInteger), {text}));
    return v;
}

int64_t StrToInt64(const QString& text)
{
    int64_t v = 0;
    if (!TryStrToInt64(text, v))
        throw EConvertError(Format(QString::fromLatin1(SInvalidInteger), {text}));
    return v;
}

int32_t StrToIntDef(const QString& text, int32_t fallback)
{
    int32_t v = 0;
    return TryStrToInt(text, v) ? v : fallback;
}

bool TryStrToFloat(const QString& text, double& value)
{
    // Checked by hand first, so that only the class library's syntax passes; the digits are
    // then converted without any C locale getting in the way.
    const QString t = Trim(text);
    std::string ascii;
    ascii.reserve(static_cast<size_t>(t.size()));
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
        if (t.at(i) == QLatin1Char('-'))
            ascii.push_back('-');
        ++i;
    }
    int mantissaDigits = 0;
    while (i < n && t.at(i).isDigit() && t.at(i).unicode() < 128) {
        ascii.push_back(static_cast<char>(t.at(i).unicode()));
        ++i;
        ++mantissaDigits;
    }
    if (i < n && t.at(i) == FormatSettings.DecimalSeparator) {
        ascii.push_back('.');
        ++i;
        while (i < n && t.at(i).isDigit() && t.at(i).unicode() < 128) {
            ascii.push_back(static_cast<char>(t.at(i).unicode()));
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (t.at(i) == QLatin1Char('e') || t.at(i) == QLatin1Char('E'))) {
        ascii.push_back('e');
        ++i;
        if (i < n && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
            ascii.push_back(static_cast<char>(t.at(i).unicode()));
            ++i;
        }
        int expDigits = 0;
        while (i < n && t.at(i).isDigit() && t.at(i).unicode() < 128) {
            ascii.push_back(static_cast<char>(t.at(i).unicode()));
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    double v = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Too small a magnitude becomes zero; too large is not a usable number.
        const auto e = ascii.find('e');
        if (e == std::string::npos || ascii.compare(e + 1, 1, "-") != 0)
            return false;
        v = 0.0;
    } else if (ec != std::errc() || end != ascii.data() + ascii.size()) {
        return false;
    }
    value = v;
    return true;
}

double StrToFloat(const QString& text)
{
    double v = 0;
    if (!TryStrToFloat(text, v))
        throw EConvertError(Format(QString::fromLatin1(SInvalidFloat), {text}));
    return v;
}

double StrToFloatDef(const QString& text, double fallback)
{
    double v = 0;
    return TryStrToFloat(text, v) ? v : fallback;
}

// ---- texts ----

QString Trim(const QString& text)
{
    // The class library trims control characters and spaces (code <= 32), nothing else.
    qsizetype l = 0;
    qsizetype r = text.size();
    while (l < r && text.at(l).unicode() <= 32)
        ++l;
    while (r > l && text.at(r - 1).unicode() <= 32)
        --r;
    return text.mid(l, r - l);
}

QString UpperCase(const QString& text)
{
    return text.toUpper();
}

QString LowerCase(const QString& text)
{
    return text.toLower();
}

int CompareText(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive);
}

bool SameText(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
