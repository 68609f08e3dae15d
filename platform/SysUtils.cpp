#include "platform/SysUtils.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

QString IntToStr(int64_t value)
{
    return QString::number(value);
}

QString FloatToStr(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0.0)
        return QStringLiteral("0");

    // 15 significant digits: d.dddddddddddddde±x
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.push_back(*p);
    const int exp10 = std::atoi(p + 1); // value = d.ddd × 10^exp10
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    const int pointPos = exp10 + 1; // digits before the decimal point
    if (pointPos > 15 || pointPos < -3) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exp10);
    } else if (pointPos <= 0) {
        out += "0.";
        out.append(static_cast<size_t>(-pointPos), '0');
        out += digits;
    } else {
        if (digits.size() <= static_cast<size_t>(pointPos)) {
            out += digits;
            out.append(static_cast<size_t>(pointPos) - digits.size(), '0');
        } else {
            out += digits.substr(0, static_cast<size_t>(pointPos));
            out += '.';
            out += digits.substr(static_cast<size_t>(pointPos));
        }
    }
    return QString::fromStdString(out);
}
