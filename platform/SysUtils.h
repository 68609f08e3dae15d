#pragma once

// Number texts and conversions of the class library.

#include "platform/DateTime.h"
#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"

#include <QString>
#include <cstdint>
#include <initializer_list>

// Decimal text of an integer ("-12").
QString IntToStr(int64_t value);
// Upper-case hexadecimal, at least digits long.
QString IntToHex(int64_t value, int digits);

// The general text of a number: up to 15 significant digits, trailing zeros and a trailing
// decimal separator dropped, fixed notation while the integer part has at most 15 digits and
// the value is at least 0.0001 in size, scientific otherwise ("1E15", "1.5E-5"). The decimal
// separator of FormatSettings; "NAN", "INF", "-INF" for the special values.
QString FloatToStr(double value);

// A number by a pattern: up to three sections "positive;negative;zero", digit placeholders
// "0" (always a digit) and "#" (a digit when significant), "." the decimal point, "," anywhere
// in the number turns on thousand grouping, "E+00"/"E-00" (or "e") scientific form, quoted
// literals, every other character copied. Digits are rounded half away from zero. A value
// that rounds to zero counts as zero (no "-0"). '%' is an ordinary character.
QString FormatFloat(const QString& format, double value);

// Text to integer: optional leading blanks, sign, decimal digits or hex after '$' or "0x".
// EConvertError "'<text>' is not a valid integer value" otherwise or when out of range.
int32_t StrToInt(const QString& text);
int64_t StrToInt64(const QString& text);
int32_t StrToIntDef(const QString& text, int32_t fallback);
bool TryStrToInt(const QString& text, int32_t& value);
bool TryStrToInt64(const QString& text, int64_t& value);

// Text to number with FormatSettings' decimal separator and an optional exponent; blanks
// around it allowed. EConvertError "'<text>' is not a valid floating point value" otherwise.
double StrToFloat(const QString& text);
double StrToFloatDef(const QString& text, double fallback);
bool TryStrToFloat(const QString& text, double& value);

// One argument of Format.
class TVarRec {
public:
    enum Kind { vtInteger, vtExtended, vtString, vtPointer };

    TVarRec(int v) : kind_(vtInteger), int_(v) {}
    TVarRec(unsigned v) : kind_(vtInteger), int_(v) {}
    TVarRec(long v) : kind_(vtInteger), int_(v) {}
    TVarRec(unsigned long v) : kind_(vtInteger), int_(static_cast<int64_t>(v)) {}
    TVarRec(long long v) : kind_(vtInteger), int_(v) {}
    TVarRec(unsigned long long v) : kind_(vtInteger), int_(static_cast<int64_t>(v)) {}
    TVarRec(double v) : kind_(vtExtended), double_(v) {}
    TVarRec(const QString& v) : kind_(vtString), string_(v) {}
    TVarRec(const char* v) : kind_(vtString), string_(QString::fromUtf8(v)) {}
    TVarRec(QLatin1String v) : kind_(vtString), string_(v) {}
    TVarRec(QStringView v) : kind_(vtString), string_(v.toString()) {}
    TVarRec(QChar v) : kind_(vtString), string_(v) {}
    TVarRec(const void* v) : kind_(vtPointer), pointer_(v) {}

    Kind VType() const { return kind_; }
    int64_t AsInteger() const { return int_; }
    double AsExtended() const { return double_; }
    const QString& AsString() const { return string_; }
    const void* AsPointer() const { return pointer_; }

private:
    Kind kind_;
    int64_t int_ = 0;
    double double_ = 0;
    QString string_;
    const void* pointer_ = nullptr;
};

// Text with arguments in the class library's form: %[index:][-][width][.precision]type, where
// width and precision may be '*' (taken from the arguments), and type is
// d (integer), u, x (hex), e, f, g, n (grouped), m (as n), p (pointer), s (string); "%%" is '%'.
// EConvertError "Format '<fmt>' invalid or incompatible with argument" for a bad specifier,
// a missing argument or a wrong kind of argument.
QString Format(const QString& format, std::initializer_list<TVarRec> args);

// Helpers shared with the number formats.
QString Trim(const QString& text);
QString UpperCase(const QString& text);
QString LowerCase(const QString& text);
// Without case, like the class library's text comparison: <0, 0, >0.
int CompareText(const QString& a, const QString& b);
bool SameText(const QString& a, const QString& b);
