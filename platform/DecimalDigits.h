#pragma once

// Decimal digits of a double, shared by the number texts. Internal to the platform layer.

#include <string>

// |value| = 0.D1D2D3... x 10^Exponent. Digits carry no trailing zeros; no digits means zero.
struct TDecimalDigits {
    std::string Digits;
    int Exponent = 0;

    bool IsZero() const { return Digits.empty(); }
};

// |value| to at most `precision` (1..17) significant digits, correctly rounded from the binary
// value. value must be finite.
TDecimalDigits DecimalDigitsOf(double value, int precision);

// Keeps the first `count` digits (count may be 0 or negative), rounding half up on the digits
// (so half away from zero for the number); a carry out of the first digit raises Exponent.
void RoundDigitsHalfUp(TDecimalDigits& d, int count);

// The digit at position i (0-based), '0' beyond the stored digits.
inline char DigitAt(const TDecimalDigits& d, int i)
{
    return i >= 0 && i < static_cast<int>(d.Digits.size()) ? d.Digits[static_cast<size_t>(i)] : '0';
}
