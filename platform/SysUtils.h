#pragma once

#include <QString>
#include <cstdint>

// Decimal text of an integer ("-12").
QString IntToStr(int64_t value);

// The general text of a number: up to 15 significant digits, trailing zeros dropped,
// fixed notation unless the decimal exponent is above 15 or below -4 ("1E20", "1.5E-5").
QString FloatToStr(double value);
