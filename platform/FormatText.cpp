#include "platform/SysUtils.h"

#include "platform/DecimalDigits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

[[noreturn]] void FormatError(const QString& format)
{
    // Built by hand: Format cannot report its own failure through itself.
    throw EConvertError(QString::fromLatin1(SInvalidFormat).replace(QLatin1String("%s"), format));
}

QString Group(const QString& intDigits)
{
    QString out;
    const int n = static_cast<int>(intDigits.size());
    for (int i = 0; i < n; ++i) {
        out += intDigits.at(i);
        const int remaining = n - i - 1;
        if (remaining > 0 && remaining % 3 == 0)
            out += FormatSettings.ThousandSeparator;
    }
    return out;
}

// Scientific text with `precision` significant digits and at least expDigits exponent digits:
// "-d.dddE+ddd".
QString ExponentText(double value, int precision, int expDigits)
{
    precision = std::clamp(precision, 1, 18);
    TDecimalDigits d = DecimalDigitsOf(value, 15);
    RoundDigitsHalfUp(d, precision);
    QString out;
    if (value < 0 && !d.IsZero())
        out += QLatin1Char('-');
    out += QLatin1Char(DigitAt(d, 0));
    if (precision > 1) {
        out += FormatSettings.DecimalSeparator;
        for (int i = 1; i < precision; ++i)
            out += QLatin1Char(DigitAt(d, i));
    }
    const int exponent = d.IsZero() ? 0 : d.Exponent - 1;
    out += QLatin1Char('E');
    out += exponent < 0 ? QLatin1Char('-') : QLatin1Char('+');
    QString e = QString::number(std::abs(exponent));
    if (e.size() < expDigits)
        e.prepend(QString(expDigits - e.size(), QLatin1Char('0')));
    return out + e;
}

// Fixed text with exactly `decimals` decimals, optionally grouped.
QString FixedText(double value, int decimals, bool grouping)
{
    decimals = std::clamp(decimals, 0, 18);
    TDecimalDigits d = DecimalDigitsOf(value, 15);
    if (d.Exponent > 18)
        return ExponentText(value, 15, 3);
    RoundDigitsHalfUp(d, d.Exponent + decimals);
    QString intDigits;
    for (int i = 0; i < d.Exponent; ++i)
        intDigits += QLatin1Char(DigitAt(d, i));
    if (intDigits.isEmpty())
        intDigits = QStringLiteral("0");
    QString out;
    if (value < 0 && !d.IsZero())
        out += QLatin1Char('-');
    out += grouping ? Group(intDigits) : intDigits;
    if (decimals > 0) {
        out += FormatSettings.DecimalSeparator;
        for (int i = 0; i < decimals; ++i)
            out += QLatin1Char(DigitAt(d, d.Exponent + i));
    }
    return out;
}

// General text with up to `precision` significant digits (FloatToStr is the case of 15).
QString GeneralText(double value, int precision)
{
    if (precision >= 15 || precision <= 0)
        return FloatToStr(value);
    TDecimalDigits d = DecimalDigitsOf(value, 15);
    RoundDigitsHalfUp(d, precision);
    if (d.IsZero())
        return QStringLiteral("0");
    // Rebuild a double from the rounded digits and let the general form lay it out.
    const QString text = QStringLiteral("0.") + QString::fromLatin1(d.Digits.data(), static_cast<qsizetype>(d.Digits.size()))
        + QStringLiteral("e") + QString::number(d.Exponent);
    const double rounded = text.toDouble();
    return FloatToStr(value < 0 ? -rounded : rounded);
}

} // namespace

QString Format(const QString& format, std::initializer_list<TVarRec> args)
{
    const TVarRec* argv = args.begin();
    const int argc = static_cast<int>(args.size());
    int argIndex = 0;
    QString out;
    const qsizetype n = format.size();

    auto takeArg = [&]() -> const TVarRec& {
        if (argIndex >= argc)
            FormatError(format);
        return argv[argIndex++];
    };
    auto takeCount = [&]() -> int {
        const TVarRec& a = takeArg();
        if (a.VType() != TVarRec::vtInteger)
            FormatError(format);
        return static_cast<int>(std::clamp<int64_t>(a.AsInteger(), -1000000, 1000000));
    };
    auto readNumber = [&](qsizetype& i) -> int {
        int v = 0;
        while (i < n && format.at(i).unicode() >= u'0' && format.at(i).unicode() <= u'9') {
            v = std::min(v * 10 + (format.at(i).unicode() - u'0'), 1000000);
            ++i;
        }
        return v;
    };

    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        ++i;
        if (i >= n)
            FormatError(format);
        if (format.at(i) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            continue;
        }
        // [index:] [-] [width] [.precision] type
        bool leftJustify = false;
        int width = -1;
        int precision = -1;
        {
            qsizetype j = i;
            if (j < n && format.at(j) == QLatin1Char('*')) {
                ++j;
            } else {
                const qsizetype start = j;
                const int number = readNumber(j);
                if (j < n && j > start && format.at(j) == QLatin1Char(':')) {
                    argIndex = number;
                    i = j + 1;
                }
            }
        }
        if (i < n && format.at(i) == QLatin1Char('-')) {
            leftJustify = true;
            ++i;
        }
        if (i < n && format.at(i) == QLatin1Char('*')) {
            width = takeCount();
            ++i;
        } else if (i < n && format.at(i).isDigit()) {
            width = readNumber(i);
        }
        if (i < n && format.at(i) == QLatin1Char('.')) {
            ++i;
            if (i < n && format.at(i) == QLatin1Char('*')) {
                precision = takeCount();
                ++i;
            } else {
                precision = readNumber(i);
            }
        }
        if (i >= n)
            FormatError(format);
        const char16_t type = format.at(i).toLower().unicode();
        const TVarRec& arg = takeArg();
        QString text;
        const bool isInt = arg.VType() == TVarRec::vtInteger;
        const bool isFloat = arg.VType() == TVarRec::vtExtended;
        const double number = isInt ? static_cast<double>(arg.AsInteger()) : arg.AsExtended();
        switch (type) {
        case u'd':
        case u'u':
        case u'x': {
            if (!isInt)
                FormatError(format);
            const int64_t v = arg.AsInteger();
            const bool fits32 = v >= INT32_MIN && v <= INT32_MAX;
            QString digits;
            bool minus = false;
            if (type == u'd') {
                minus = v < 0;
                digits = QString::number(minus ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v));
            } else {
                // %u and %x show a negative value as its two's complement, 32 bits wide when the
                // value fits in 32 bits, so -1 reads FFFFFFFF as it would from a 32-bit int.
                const uint64_t u = fits32 ? static_cast<uint32_t>(v) : static_cast<uint64_t>(v);
                digits = type == u'u' ? QString::number(u) : QString::number(u, 16).toUpper();
            }
            if (precision > digits.size())
                digits.prepend(QString(precision - digits.size(), QLatin1Char('0')));
            text = minus ? QLatin1Char('-') + digits : digits;
            break;
        }
        case u'e':
            if (!isInt && !isFloat)
                FormatError(format);
            text = ExponentText(number, precision < 0 ? 15 : precision, 3);
            break;
        case u'f':
            if (!isInt && !isFloat)
                FormatError(format);
            text = std::isfinite(number) ? FixedText(number, precision < 0 ? 2 : precision, false) : FloatToStr(number);
            break;
        case u'n':
        case u'm':
            if (!isInt && !isFloat)
                FormatError(format);
            text = std::isfinite(number) ? FixedText(number, precision < 0 ? 2 : precision, true) : FloatToStr(number);
            break;
        case u'g':
            if (!isInt && !isFloat)
                FormatError(format);
            text = std::isfinite(number) ? GeneralText(number, precision < 0 ? 15 : precision) : FloatToStr(number);
            break;
        case u'p':
            if (arg.VType() != TVarRec::vtPointer)
                FormatError(format);
            text = QString::number(reinterpret_cast<quintptr>(arg.AsPointer()), 16).toUpper().rightJustified(
                static_cast<qsizetype>(sizeof(void*) * 2), QLatin1Char('0'));
            break;
        case u's':
            if (arg.VType() != TVarRec::vtString)
                FormatError(format);
            text = arg.AsString();
            if (precision >= 0 && precision < text.size())
                text.truncate(precision);
            break;
        default:
            FormatError(format);
        }
        if (width > text.size())
            text = leftJustify ? text.leftJustified(width) : text.rightJustified(width);
        out += text;
    }
    return out;
}
