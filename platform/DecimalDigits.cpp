#include "platform/DecimalDigits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

TDecimalDigits DecimalDigitsOf(double value, int precision)
{
    TDecimalDigits d;
    if (value == 0.0 || !std::isfinite(value))
        return d;
    if (precision < 1)
        precision = 1;
    if (precision > 17)
        precision = 17;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, std::fabs(value));
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.Digits.push_back(*p);
    d.Exponent = (*p == 'e' ? std::atoi(p + 1) : 0) + 1;
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
    return d;
}

void RoundDigitsHalfUp(TDecimalDigits& d, int count)
{
    if (d.IsZero() || count >= static_cast<int>(d.Digits.size()))
        return;
    if (count < 0) {
        d = TDecimalDigits();
        return;
    }
    const bool up = d.Digits[static_cast<size_t>(count)] >= '5';
    d.Digits.resize(static_cast<size_t>(count));
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.Digits[static_cast<size_t>(i)] == '9') {
            d.Digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.Digits[static_cast<size_t>(i)];
        } else {
            d.Digits.insert(d.Digits.begin(), '1');
            ++d.Exponent;
        }
    }
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
    if (d.Digits.empty())
        d.Exponent = 0;
}
