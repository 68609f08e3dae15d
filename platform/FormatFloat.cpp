#include "platform/SysUtils.h"

#include "platform/DecimalDigits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// One parsed section of a number pattern.
struct Section {
    enum Kind { Literal, IntDigit, Point, FracDigit, ExponentMark };
    struct Token {
        Kind kind;
        QString text;          // Literal: its text; ExponentMark: "E" or "e"
        bool zero = false;     // digit placeholders: '0' rather than '#'
        bool plusSign = false; // ExponentMark: E+ (always a sign) rather than E-
        int expDigits = 0;     // ExponentMark: minimum exponent digits
    };
    std::vector<Token> tokens;
    int intPlaces = 0;   // digit placeholders before the decimal point
    int minInt = 0;      // integer digits always shown (from the first '0' on)
    int fracPlaces = 0;  // digit placeholders after the point
    int minFrac = 0;     // decimals always shown (up to the last '0')
    bool grouping = false;
    bool scientific = false;
    bool hasDigits() const { return intPlaces + fracPlaces > 0; }
};

QList<QString> SplitSections(const QString& format)
{
    QList<QString> sections;
    QString current;
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections.append(current);
            current.clear();
            continue;
        }
        current += c;
    }
    sections.append(current);
    return sections;
}

Section ParseSection(const QString& text)
{
    Section s;
    bool afterPoint = false;
    bool afterExponent = false;
    int firstZeroInt = -1; // placeholder index of the first '0' in the integer part
    auto literal = [&s](const QString& t) {
        if (!s.tokens.empty() && s.tokens.back().kind == Section::Literal)
            s.tokens.back().text += t;
        else
            s.tokens.push_back({Section::Literal, t});
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype close = text.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? n : close;
            literal(text.mid(i + 1, end - i - 1));
            i = end;
        } else if (!afterExponent && (c == QLatin1Char('0') || c == QLatin1Char('#'))) {
            const bool zero = c == QLatin1Char('0');
            if (afterPoint) {
                ++s.fracPlaces;
                if (zero)
                    s.minFrac = s.fracPlaces;
                s.tokens.push_back({Section::FracDigit, QString(), zero});
            } else {
                if (zero && firstZeroInt < 0)
                    firstZeroInt = s.intPlaces;
                ++s.intPlaces;
                s.tokens.push_back({Section::IntDigit, QString(), zero});
            }
        } else if (c == QLatin1Char('.') && !afterPoint && !afterExponent) {
            afterPoint = true;
            s.tokens.push_back({Section::Point, QString()});
        } else if (c == QLatin1Char(',') && !afterExponent) {
            s.grouping = true;
        } else if ((c == QLatin1Char('E') || c == QLatin1Char('e')) && !afterExponent && i + 1 < n
                   && (text.at(i + 1) == QLatin1Char('+') || text.at(i + 1) == QLatin1Char('-'))) {
            Section::Token t{Section::ExponentMark, QString(c)};
            t.plusSign = text.at(i + 1) == QLatin1Char('+');
            i += 2;
            while (i < n && text.at(i) == QLatin1Char('0') && t.expDigits < 4) {
                ++t.expDigits;
                ++i;
            }
            --i;
            s.tokens.push_back(t);
            s.scientific = true;
            afterExponent = true;
        } else {
            literal(QString(c));
        }
    }
    s.minInt = firstZeroInt < 0 ? 0 : s.intPlaces - firstZeroInt;
    return s;
}

// Writes the section's tokens with the integer digits (already padded to the minimum), the
// decimals (already trimmed) and, for the scientific form, the exponent.
QString Render(const Section& s, const QString& intDigits, const QString& fracDigits, int exponent, bool minus)
{
    QString out;
    if (minus)
        out += QLatin1Char('-');
    const QChar thousand = FormatSettings.ThousandSeparator;
    const int digitCount = static_cast<int>(intDigits.size());
    int nextDigit = 0;
    int intPlace = 0;
    int fracIndex = 0;
    auto emitDigit = [&]() {
        out += intDigits.at(nextDigit);
        const int remaining = digitCount - ++nextDigit;
        if (s.grouping && !s.scientific && remaining > 0 && remaining % 3 == 0)
            out += thousand;
    };
    auto flushInt = [&]() {
        while (nextDigit < digitCount)
            emitDigit();
    };
    for (const Section::Token& t : s.tokens) {
        switch (t.kind) {
        case Section::Literal:
            out += t.text;
            break;
        case Section::IntDigit: {
            // Digits line up with the placeholders from the right; the first placeholder
            // also takes every digit that has no placeholder of its own.
            const int digitIndex = digitCount - (s.intPlaces - intPlace);
            if (intPlace == 0)
                while (nextDigit < digitIndex)
                    emitDigit();
            if (digitIndex >= 0 && digitIndex == nextDigit)
                emitDigit();
            ++intPlace;
            break;
        }
        case Section::Point:
            flushInt();
            if (!fracDigits.isEmpty())
                out += FormatSettings.DecimalSeparator;
            break;
        case Section::FracDigit:
            if (fracIndex < fracDigits.size())
                out += fracDigits.at(fracIndex);
            ++fracIndex;
            break;
        case Section::ExponentMark: {
            flushInt();
            out += t.text;
            if (exponent < 0)
                out += QLatin1Char('-');
            else if (t.plusSign)
                out += QLatin1Char('+');
            QString e = QString::number(std::abs(exponent));
            if (e.size() < t.expDigits)
                e.prepend(QString(t.expDigits - e.size(), QLatin1Char('0')));
            out += e;
            break;
        }
        }
    }
    flushInt();
    return out;
}

QString TrimFraction(QString frac, int minFrac)
{
    while (frac.size() > minFrac && frac.endsWith(QLatin1Char('0')))
        frac.chop(1);
    return frac;
}

QString DigitRange(const TDecimalDigits& d, int from, int count)
{
    QString s;
    s.reserve(count);
    for (int i = 0; i < count; ++i)
        s += QLatin1Char(DigitAt(d, from + i));
    return s;
}

// |value| by one section; roundsToZero tells whether nothing but zeros came out.
QString FormatSection(const QString& text, double magnitude, bool minus, bool& roundsToZero)
{
    if (text.isEmpty()) {
        roundsToZero = magnitude == 0.0;
        return FloatToStr(minus ? -magnitude : magnitude);
    }
    const Section s = ParseSection(text);
    TDecimalDigits d = DecimalDigitsOf(magnitude, 15);
    if (!s.hasDigits()) {
        // Only text ("zero", "n/a"): no digits to show; whole units decide what is zero.
        RoundDigitsHalfUp(d, d.Exponent);
        roundsToZero = d.IsZero();
        return Render(s, QString(), QString(), 0, false);
    }

    if (s.scientific) {
        RoundDigitsHalfUp(d, std::min(s.intPlaces + s.fracPlaces, 18));
        roundsToZero = d.IsZero();
        QString intDigits;
        int exponent = 0;
        if (d.IsZero()) {
            intDigits = QString(s.intPlaces > 0 ? std::max(1, s.minInt) : 0, QLatin1Char('0'));
        } else {
            intDigits = DigitRange(d, 0, s.intPlaces);
            exponent = d.Exponent - s.intPlaces;
        }
        const QString frac = TrimFraction(DigitRange(d, s.intPlaces, s.fracPlaces), s.minFrac);
        return Render(s, intDigits, frac, exponent, minus && !roundsToZero);
    }

    // Beyond 18 integer digits a fixed pattern would show invented digits: general form.
    if (d.Exponent > 18) {
        roundsToZero = false;
        return FloatToStr(minus ? -magnitude : magnitude);
    }
    RoundDigitsHalfUp(d, d.Exponent + s.fracPlaces);
    roundsToZero = d.IsZero();
    QString intDigits = d.Exponent > 0 && !d.IsZero() ? DigitRange(d, 0, d.Exponent) : QString();
    if (intDigits.size() < s.minInt)
        intDigits.prepend(QString(s.minInt - intDigits.size(), QLatin1Char('0')));
    const QString frac = d.IsZero() ? QString(s.minFrac, QLatin1Char('0'))
                                    : TrimFraction(DigitRange(d, d.Exponent, s.fracPlaces), s.minFrac);
    return Render(s, intDigits, frac, 0, minus && !roundsToZero);
}

QString FormatFiniteFloat(const QString& format, double value)
{
    const QList<QString> sections = SplitSections(format);
    auto section = [&sections](int i) { return i < sections.size() ? sections.at(i) : QString(); };

    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    const bool hasZeroSection = !section(2).isEmpty();

    if (value == 0.0 && hasZeroSection) {
        bool ignored = false;
        return FormatSection(section(2), 0.0, false, ignored);
    }
    // A negative section writes its own sign; the positive one gets a '-' in front.
    const bool useNegativeSection = negative && !section(1).isEmpty();
    bool roundsToZero = false;
    const QString text = FormatSection(section(useNegativeSection ? 1 : 0), magnitude,
                                       negative && !useNegativeSection, roundsToZero);
    if (!roundsToZero || value == 0.0)
        return text;
    // Something that shows as zero is zero: the zero section, or the positive one unsigned.
    bool ignored = false;
    return FormatSection(section(hasZeroSection ? 2 : 0), 0.0, false, ignored);
}

// The texts of recent values: charts format the same few values over and over (a mark for
// each of thousands of bars, the axis labels at every repaint). The text depends on the
// pattern, the value and the two separators only.
struct TFormattedFloat {
    QString Format;
    uint64_t Bits = 0;
    QChar Decimal;
    QChar Thousand;
    QString Text;
};

} // namespace

QString FormatFloat(const QString& format, double value)
{
    if (!std::isfinite(value))
        return FloatToStr(value);
    thread_local std::array<TFormattedFloat, 4096> recent;
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    TFormattedFloat& entry = recent[(bits * 0x9E3779B97F4A7C15ULL) >> 52];
    const QChar decimal = FormatSettings.DecimalSeparator;
    const QChar thousand = FormatSettings.ThousandSeparator;
    if (entry.Bits == bits && entry.Decimal == decimal && entry.Thousand == thousand && !entry.Format.isNull() &&
        entry.Format == format)
        return entry.Text;
    entry.Text = FormatFiniteFloat(format, value);
    entry.Format = format.isNull() ? QStringLiteral("") : format;
    entry.Bits = bits;
    entry.Decimal = decimal;
    entry.Thousand = thousand;
    return entry.Text;
}
