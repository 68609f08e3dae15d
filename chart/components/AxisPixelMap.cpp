#include "chart/components/AxisPixelMap.h"

TAxisPixelMap::TAxisPixelMap(const TChartAxis* axis, bool vertical, bool fastCalc) : FAxis(axis), FVertical(vertical)
{
    if (axis->IsDepthAxis() || axis->Logarithmic())
        return;
    if (axis->RangeIsZero) {
        FKind = kCentre;
        FCentre = axis->CenterPixel;
        return;
    }
    FMinimum = axis->WorkMinimum;
    FScale = axis->ValueScale;
    FMaxPixel = TeeMaxPixelPos;
    // Horizontal: start + p, or end - p when inverted. Vertical: end - p, or start + p.
    const bool fromEnd = vertical ? !axis->Inverted() : axis->Inverted();
    FNegate = fromEnd;
    FBase = fromEnd ? axis->EndPixel : axis->StartPixel;
    FWholeBase = fromEnd ? axis->EndPixel : axis->StartPixel;
    FKind = fastCalc ? kFast : kChecked;
}
