#include "platform/Types.h"

#include <algorithm>
#include <cmath>
#include <limits>

TRect TRect::Normalized() const
{
    return TRect(std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom));
}

bool PtInRect(const TRect& r, TPoint p)
{
    return r.Contains(p);
}

bool IsRectEmpty(const TRect& r)
{
    return r.IsEmpty();
}

bool IntersectRect(TRect& dest, const TRect& a, const TRect& b)
{
    TRect r(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom));
    if (r.IsEmpty()) {
        dest = TRect();
        return false;
    }
    dest = r;
    return true;
}

bool UnionRect(TRect& dest, const TRect& a, const TRect& b)
{
    if (a.IsEmpty() && b.IsEmpty()) {
        dest = TRect();
        return false;
    }
    if (a.IsEmpty()) {
        dest = b;
        return true;
    }
    if (b.IsEmpty()) {
        dest = a;
        return true;
    }
    dest = TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom));
    return true;
}

void OffsetRect(TRect& r, int32_t dx, int32_t dy)
{
    r.Offset(dx, dy);
}

void InflateRect(TRect& r, int32_t dx, int32_t dy)
{
    r.Inflate(dx, dy);
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    const int64_t product = static_cast<int64_t>(a) * b; // cannot overflow: |a*b| <= 2^62
    const bool negative = (product < 0) != (c < 0);
    // Work on magnitudes in unsigned arithmetic so that INT32_MIN needs no special case.
    const uint64_t num = product < 0 ? 0 - static_cast<uint64_t>(product) : static_cast<uint64_t>(product);
    const uint64_t den = c < 0 ? 0 - static_cast<uint64_t>(static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
    uint64_t q = num / den;
    if ((num % den) * 2 >= den) // half or more: away from zero
        ++q;
    if (negative) {
        if (q > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()) + 1)
            return -1;
        return static_cast<int32_t>(-static_cast<int64_t>(q));
    }
    if (q > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
        return -1;
    return static_cast<int32_t>(q);
}

namespace {

// Saturating conversion of an already integral double.
template <class Int>
Int ClampToInt(double integral)
{
    if (std::isnan(integral))
        return 0;
    // The limits as doubles: max+1 is exact (a power of two), min is exact.
    constexpr double lo = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double hiExclusive = -lo; // 2^(bits-1)
    if (integral < lo)
        return std::numeric_limits<Int>::min();
    if (integral >= hiExclusive)
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(integral);
}

} // namespace

int32_t Round(double value)
{
    return ClampToInt<int32_t>(std::nearbyint(value));
}

int64_t Round64(double value)
{
    return ClampToInt<int64_t>(std::nearbyint(value));
}

int32_t Trunc(double value)
{
    return ClampToInt<int32_t>(std::trunc(value));
}

int64_t Trunc64(double value)
{
    return ClampToInt<int64_t>(std::trunc(value));
}

double Frac(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? value : 0.0;
    return value - std::trunc(value);
}
