#pragma once

// The pixels of a one-pixel line as the device draws it: Bresenham's walk from a towards b,
// leaving out b. The walk can be limited to a rectangle: the steps before and after it are
// skipped in one go (the walk's state at any step has a closed form), so a line towards a
// far-off point costs only its visible pixels, and those are exactly the pixels of the whole
// walk that fall in the rectangle.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/Types.h"

// An inclusive rectangle of pixels.
struct TPixelBounds {
    int64_t Left;
    int64_t Top;
    int64_t Right;
    int64_t Bottom;
};

class TLineWalk
{
public:
    TLineWalk(TPoint a, TPoint b)
        : FA(a), FDx(std::llabs(static_cast<int64_t>(b.X) - a.X)), FDy(std::llabs(static_cast<int64_t>(b.Y) - a.Y)),
          FSx(a.X < b.X ? 1 : -1), FSy(a.Y < b.Y ? 1 : -1), FXMajor(FDx > FDy), FLast(std::max(FDx, FDy))
    {
    }

    // Pixels still to walk.
    int64_t Count() const { return FLast - FFirst; }
    // Keeps only the steps whose pixels lie in bounds; false when none does.
    bool LimitTo(const TPixelBounds& bounds);

    template <class F>
    void Walk(F&& put) const
    {
        int64_t x = FA.X, y = FA.Y;
        int64_t err = (FDx > FDy ? FDx : -FDy) / 2;
        if (FFirst > 0) {
            const int64_t c = Minor(FFirst);
            const __int128 t = Offset(FFirst);
            err = static_cast<int64_t>(FXMajor ? c * static_cast<__int128>(Major()) - t : t - c * static_cast<__int128>(Major()));
            x += FSx * (FXMajor ? FFirst : c);
            y += FSy * (FXMajor ? c : FFirst);
        }
        for (int64_t i = FFirst; i < FLast; ++i) {
            put(static_cast<int32_t>(x), static_cast<int32_t>(y));
            const int64_t e2 = err;
            if (e2 > -FDx) {
                err -= FDy;
                x += FSx;
            }
            if (e2 < FDy) {
                err += FDx;
                y += FSy;
            }
        }
    }

private:
    int64_t Major() const { return FXMajor ? FDx : FDy; }
    int64_t MinorDelta() const { return FXMajor ? FDy : FDx; }
    // Step i's progress on the minor axis, scaled by the major length, less the starting half.
    __int128 Offset(int64_t i) const { return static_cast<__int128>(i) * MinorDelta() - Major() / 2; }
    // Steps taken along the minor axis before step i: the walk keeps its error term in
    // (-major, 0] (minor axis y) or [0, major) (minor axis x), which gives a rounding up.
    int64_t Minor(int64_t i) const
    {
        if (MinorDelta() == 0)
            return 0;
        const __int128 t = Offset(i);
        const int64_t d = Major();
        return static_cast<int64_t>(t <= 0 ? -((-t) / d) : (t + d - 1) / d);
    }

    TPoint FA;
    int64_t FDx;
    int64_t FDy;
    int FSx;
    int FSy;
    bool FXMajor;
    int64_t FFirst = 0;
    int64_t FLast;
};

inline bool TLineWalk::LimitTo(const TPixelBounds& bounds)
{
    const int64_t aMajor = FXMajor ? FA.X : FA.Y, aMinor = FXMajor ? FA.Y : FA.X;
    const int sMajor = FXMajor ? FSx : FSy, sMinor = FXMajor ? FSy : FSx;
    const int64_t loMajor = FXMajor ? bounds.Left : bounds.Top, hiMajor = FXMajor ? bounds.Right : bounds.Bottom;
    const int64_t loMinor = FXMajor ? bounds.Top : bounds.Left, hiMinor = FXMajor ? bounds.Bottom : bounds.Right;
    // The major coordinate moves one pixel a step.
    int64_t first = std::max(FFirst, sMajor > 0 ? loMajor - aMajor : aMajor - hiMajor);
    int64_t last = std::min(FLast - 1, sMajor > 0 ? hiMajor - aMajor : aMajor - loMajor);
    if (first > last)
        return false;
    // The minor steps taken never decrease: search the first and last step inside.
    const int64_t cLo = sMinor > 0 ? loMinor - aMinor : aMinor - hiMinor;
    const int64_t cHi = sMinor > 0 ? hiMinor - aMinor : aMinor - loMinor;
    if (Minor(first) < cLo) {
        if (Minor(last) < cLo)
            return false;
        int64_t lo = first, hi = last;
        while (hi - lo > 1) {
            const int64_t mid = lo + (hi - lo) / 2;
            (Minor(mid) < cLo ? lo : hi) = mid;
        }
        first = hi;
    }
    if (Minor(last) > cHi) {
        if (Minor(first) > cHi)
            return false;
        int64_t lo = first, hi = last;
        while (hi - lo > 1) {
            const int64_t mid = lo + (hi - lo) / 2;
            (Minor(mid) > cHi ? hi : lo) = mid;
        }
        last = lo;
    }
    FFirst = first;
    FLast = last + 1;
    return true;
}
