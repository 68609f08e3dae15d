#include "chart/components/PixelColumnPath.h"

#include "chart/core/TeeCanvas.h"
#include "platform/graphics/FastPaths.h"

void TPixelColumnPath::MoveTo(TTeeCanvas* canvas, TPoint p)
{
    Flush(canvas);
    FFolding = TeeFastPaths::On();
    if (FFolding)
        OpenColumn(p);
    else
        FPoints.push_back(p);
}

void TPixelColumnPath::CloseColumn()
{
    if (!FHasColumn)
        return;
    Emit(FFirst);
    // Points other than the last one lie in the column.
    if (FMin <= FMax) {
        TeeFastPaths::Taken(TFastPath::ColumnFolding);
        // The first point opened the column; the inner extremes come next, the one equal to
        // the last point first, so that the path never ends on a zero-length piece while the
        // full path covers the last pixel.
        const bool maxIsLast = FMax == FLast;
        const int32_t a = maxIsLast ? FMax : FMin;
        const int32_t b = maxIsLast ? FMin : FMax;
        if (a != FFirst)
            Emit(a);
        if (b != a)
            Emit(b);
        Emit(FLast);
    }
    FHasColumn = false;
}

void TPixelColumnPath::Flush(TTeeCanvas* canvas)
{
    CloseColumn();
    if (FPoints.size() >= 2 && canvas)
        canvas->Polyline(FPoints.data(), static_cast<int32_t>(FPoints.size()) - 1);
    FPoints.clear();
}
