#pragma once

// An axis' value-to-pixel conversion for a run of many points: the same pixels as the axis'
// own conversion, worked out inline. A linear axis is a multiply and an add; the rounding
// (halves to even) is done by adding and taking away 1.5 x 2^52, which rounds in the default
// rounding mode exactly as nearbyint does, without a library call per point. Other axes
// (logarithmic, depth) go through the axis.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "chart/core/ChartAxis.h"

class TAxisPixelMap
{
public:
    // vertical: the axis converts as a vertical axis (Y positions).
    TAxisPixelMap(const TChartAxis* axis, bool vertical, bool fastCalc);

    int32_t operator()(double value) const
    {
        if (FKind == kCentre)
            return FCentre;
        if (FKind == kAxis)
            return FVertical ? FAxis->CalcYPosValue(value) : FAxis->CalcXPosValue(value);
        const double p = (value - FMinimum) * FScale;
        if (FKind == kChecked)
            return CheckedPixel(value);
        // A whole pixel plus the rounded offset; far values go through the axis, which
        // saturates them.
        const double offset = FNegate ? -p : p;
        if (!(std::abs(offset) < 1e9))
            return FVertical ? FAxis->CalcYPosValue(value) : FAxis->CalcXPosValue(value);
        const int64_t sum = FWholeBase + static_cast<int64_t>(RoundEven(offset));
        return sum > INT32_MAX ? INT32_MAX : sum < INT32_MIN ? INT32_MIN : static_cast<int32_t>(sum);
    }

    // The plain linear conversion of the axis, which Checked() tells is in use.
    bool Checked() const { return FKind == kChecked; }
    int32_t CheckedPixel(double value) const
    {
        const double pixel = UnroundedColumn(value);
        // Not a number: the axis' rounding gives 0.
        return pixel == pixel ? static_cast<int32_t>(pixel) : 0;
    }
    // The pixel of CheckedPixel as a double, without the conversion to an integer, so that a
    // run of points can be compared with a column cheaply; not a number stays one.
    double UnroundedColumn(double value) const
    {
        const double p = (value - FMinimum) * FScale;
        const double pixel = FNegate ? FBase - p : p + FBase;
        return RoundEven(std::min(std::max(pixel, -FMaxPixel), FMaxPixel));
    }

    // A range [lo, hi] of values around x, which lands on column (as UnroundedColumn), that
    // all land on column: both ends are checked, and the conversion never reverses the order
    // of two values, so every value between them lands there too. The ends come from the
    // column's edges, drawn in a little towards x until they check; an end that does not
    // check stays at x.
    void ColumnRange(double x, double column, double& lo, double& hi) const
    {
        lo = hi = x;
        const double halfPixel = 0.5 / std::abs(FScale);
        const double centre = FMinimum + (FNegate ? FBase - column : column - FBase) / FScale;
        if (!(std::abs(halfPixel) < HUGE_VAL) || !(std::abs(centre) < HUGE_VAL))
            return;
        lo = Settle(x, centre - halfPixel, column, false);
        hi = Settle(x, centre + halfPixel, column, true);
    }

    // Nearest integer, halves to even, for |x| below 2^51: Round's rounding, inline, since a
    // library call per point makes the fast line and the nearest point 15 to 40% slower.
    static double RoundEven(double x)
    {
        constexpr double magic = 6755399441055744.0; // 1.5 x 2^52
        return x >= 0 ? (x + magic) - magic : -((-x + magic) - magic);
    }

private:
    // From edge towards x, the first of a few points that lands on column and lies on the
    // edge's side of x; x itself when none does.
    double Settle(double x, double edge, double column, bool above) const
    {
        double end = x + (edge - x) * 0.999999;
        for (int step = 0; step < 4; ++step, end = x + (end - x) * 0.5)
            if ((above ? end >= x : end <= x) && UnroundedColumn(end) == column)
                return end;
        return x;
    }

    enum TKind { kAxis, kCentre, kChecked, kFast };
    const TChartAxis* FAxis;
    bool FVertical;
    TKind FKind = kAxis;
    int32_t FCentre = 0;
    double FMinimum = 0;
    double FScale = 0;
    double FBase = 0;
    int64_t FWholeBase = 0;
    bool FNegate = false;
    double FMaxPixel = 0;
};
