#include "chart/components/FastLineSeries.h"

#include <cmath>

#include "chart/core/ChartAxis.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/HitTests.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/Teeconst.h"
#include "platform/TeeFiler.h"
#include "platform/graphics/FastPaths.h"

TFastLineSeries::TFastLineSeries(TComponent* AOwner) : TCustomLineSeries(AOwner)
{
    SetOnePointFunctionResult(false);
    SetKeepEdgePoint(true);
}

void TFastLineSeries::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TFastLineSeries*>(source)) {
        FAutoRepaint = other->FAutoRepaint;
        FDrawAllPoints = other->FDrawAllPoints;
        FFastPen = other->FFastPen;
        FIgnoreNulls = other->FIgnoreNulls;
        FInvertedStairs = other->FInvertedStairs;
        FStairs = other->FStairs;
    }
    TCustomLineSeries::Assign(source);
}

void TFastLineSeries::DefineProperties(TTeeFiler& filer)
{
    TCustomLineSeries::DefineProperties(filer);
    // A bad text reads as false, whatever the value held.
    TeeDefineBool(filer, "AutoRepaint", FAutoRepaint, true, [this](bool v) { SetAutoRepaint(v); }, false);
    TeeDefineBool(filer, "DrawAllPoints", FDrawAllPoints, true, [this](bool v) { SetDrawAllPoints(v); }, false);
    TeeDefineBool(filer, "IgnoreNulls", FIgnoreNulls, true, [this](bool v) { SetIgnoreNulls(v); }, false);
    TeeDefineBool(filer, "InvertedStairs", FInvertedStairs, false, [this](bool v) { SetInvertedStairs(v); }, false);
    TeeDefineBool(filer, "Stairs", FStairs, false, [this](bool v) { SetStairs(v); }, false);
    filer.DefineObject("LinePen", [this](TTeeFiler& f) {
        LinePen()->DefineProperties(f);
        // A line colour read back is the series colour too: the two stay equal.
        if (dynamic_cast<TTeePropertyReader*>(&f))
            TCustomLineSeries::SetSeriesColor(LinePen()->Color());
    });
}

void TFastLineSeries::SetPen(TChartPen* value)
{
    TCustomLineSeries::SetPen(value);
    TCustomLineSeries::SetSeriesColor(LinePen()->Color());
}

void TFastLineSeries::SetSeriesColor(TColor value)
{
    TCustomLineSeries::SetSeriesColor(value);
    LinePen()->SetColor(value);
}

TPoint TFastLineSeries::CalcPosition(int index) const
{
    return TPoint(GetHorizAxis()->CalcXPosValue(XValues()->GetValue(index)),
                  GetVertAxis()->CalcYPosValue(YValues()->GetValue(index)));
}

void TFastLineSeries::PrepareCanvas()
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    canvas->AssignVisiblePen(LinePen());
    chart->CheckPenWidth(canvas->Pen());
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetBackMode(TRANSPARENT);
}

void TFastLineSeries::DoMove(int x, int y)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    const bool is3D = ParentChart()->View3D();
    if (FPath) {
        FPath->MoveTo(canvas, is3D ? canvas->Calculate3DPosition(x, y, MiddleZ()) : TPoint(x, y));
    } else if (is3D) {
        canvas->MoveTo3D(x, y, MiddleZ());
    } else {
        canvas->MoveTo(x, y);
    }
}

void TFastLineSeries::DoLineProjected(int x, int y)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    const bool is3D = ParentChart()->View3D();
    if (FPath) {
        FPath->LineTo(is3D ? canvas->Calculate3DPosition(x, y, MiddleZ()) : TPoint(x, y));
    } else if (is3D) {
        canvas->LineTo3D(x, y, MiddleZ());
    } else {
        canvas->LineTo(x, y);
    }
}

namespace {

// The common case in one tight loop over the value arrays. Consecutive points on one pixel
// column form a run; of a run only the first point, the lowest and highest value before the
// last point, and the last point reach the column path, which is all that the path keeps of
// it anyway. The lowest and highest are found on the values and converted afterwards: the
// conversion never reverses the order of two values, so the extreme values give the extreme
// pixels. A value that is not a number has no order; it is kept as a point of its own.
// Where blocks are given, a block that starts inside a run and lies wholly on its column is
// folded in from its summary, and in a block whose X values ascend the run's end is found by
// halving: exactly as the points one by one would be. Returns the last point.
TPoint ReduceRuns(TPixelColumnPath& path, const TAxisPixelMap& xMap, const TAxisPixelMap& yMap, const double* xs,
                  const double* ys, int from, int last, const TLineBlockSummary* blocks)
{
    const int size = blocks ? blocks->Size() : 1;
    // Where the summarised blocks end within the points, and the first point of the block at
    // or after the point in hand, kept without a division per point.
    const int64_t blocksEnd = blocks ? std::min<int64_t>(int64_t(blocks->Count()) * size, int64_t(last) + 1) : 0;
    int64_t nextBlock = blocks ? (int64_t(from) + size - 1) / size * size : 0;
    TPoint p;
    int i = from;
    while (i <= last) {
        const int32_t column = xMap.CheckedPixel(xs[i]);
        const double columnAsDouble = column;
        double low = HUGE_VAL;
        double high = -HUGE_VAL;
        bool notANumber = false;
        double y = ys[i];
        double firstY = y;
        // Values inside the column's checked range need no conversion.
        double columnLow, columnHigh;
        xMap.ColumnRange(xs[i], columnAsDouble, columnLow, columnHigh);
        const auto onColumn = [&](double x) {
            return (x >= columnLow && x <= columnHigh) || xMap.UnroundedColumn(x) == columnAsDouble;
        };
        // Folds the pending point in; the next one becomes the pending one.
        const auto fold = [&](double next) {
            low = y < low ? y : low;
            high = y > high ? y : high;
            notANumber |= y != y;
            y = next;
        };
        int j = i + 1;
        while (j <= last) {
            if (blocks) {
                while (nextBlock < j)
                    nextBlock += size;
                // The summarised block that j is in, when it lies within the points.
                const int64_t start = j == nextBlock ? nextBlock : nextBlock - size;
                const int end = static_cast<int>(start + size - 1);
                if (start + size <= blocksEnd && onColumn(xs[j])) {
                    const TLineBlockSummary::TBlock b = (*blocks)[static_cast<int>(start / size)];
                    // The ends of blocks a little ahead are fetched while this one is read:
                    // they lie far apart in the lists.
                    blocks->Prefetch(static_cast<int>(start / size) + 8);
                    if (b.Ascending && j == start && onColumn(b.LastX)) {
                        // Its points but its last fold in after the pending one, and its last
                        // one becomes the pending one: as point by point. Its X values
                        // ascend, so with both ends on the column every point between is
                        // there too.
                        TeeFastPaths::Taken(TFastPath::LineBlock);
                        fold(b.LastY);
                        low = b.Low < low ? b.Low : low;
                        high = b.High > high ? b.High : high;
                        notANumber |= b.NotANumber;
                        j += size;
                        continue;
                    }
                    if (b.Ascending) {
                        // The points from j on the column end before the first that is not,
                        // found by halving: the columns of ascending values never turn back.
                        TeeFastPaths::Taken(TFastPath::LineBlock);
                        int on = j, off = end;
                        if (onColumn(xs[end]))
                            on = end;
                        while (off - on > 1) {
                            const int middle = on + (off - on) / 2;
                            (onColumn(xs[middle]) ? on : off) = middle;
                        }
                        for (; j <= on; ++j)
                            fold(ys[j]);
                        continue;
                    }
                }
            }
            if (!onColumn(xs[j]))
                break;
            fold(ys[j]);
            ++j;
        }
        path.LineTo(TPoint(column, yMap.CheckedPixel(firstY)));
        if (j - i > 1) {
            if (low <= high) {
                path.LineTo(TPoint(column, yMap.CheckedPixel(low)));
                path.LineTo(TPoint(column, yMap.CheckedPixel(high)));
            }
            if (notANumber)
                path.LineTo(TPoint(column, yMap.CheckedPixel(std::nan(""))));
            path.LineTo(TPoint(column, yMap.CheckedPixel(y)));
        }
        p = TPoint(column, yMap.CheckedPixel(y));
        i = j;
    }
    return p;
}

} // namespace

void TFastLineSeries::DrawAllValues()
{
    const int first = FirstVisible();
    const int last = LastVisible();
    if (first < 0 || !ParentChart() || !GetHorizAxis() || !GetVertAxis())
        return;
    PrepareCanvas();
    // Runs of points on one pixel column are reduced only where that leaves the pixels as
    // they are: a solid pen (a dash pattern follows the length of the path).
    const TPenStyle style = ParentChart()->Canvas3D()->Pen()->Style();
    FPath = (style == psSolid || style == psInsideFrame) ? &FColumnPath : nullptr;
    FPath3D = ParentChart()->View3D();
    const bool fast = ParentChart()->AxesFastCalc();
    FXMap.emplace(GetHorizAxis(), false, fast);
    FYMap.emplace(GetVertAxis(), true, fast);
    const int startIndex = first > 0 ? first - 1 : first;
    const TPoint start = Position(startIndex);
    FLastNull = !FIgnoreNulls && GetValueColor(startIndex) == clNone;
    FLastX = start.X;
    FLastY = start.Y;
    DoMove(FLastX, FLastY);
    const int from = first > 0 ? first : first + 1;
    if (FPath && !FPath3D && FIgnoreNulls && !FStairs && FDrawAllPoints && FXMap->Checked() && FYMap->Checked() &&
        TeeFastPaths::On()) {
        TeeFastPaths::Taken(TFastPath::LineRuns);
        const bool useBlocks = last - from >= TLineBlockSummary::WorthFrom;
        if (useBlocks)
            FBlocks.Update(XValues(), YValues());
        else if (Count() < TLineBlockSummary::WorthFrom)
            FBlocks.Release();
        const TPoint end = ReduceRuns(*FPath, *FXMap, *FYMap, XValues()->Data(), YValues()->Data(), from, last,
                                      useBlocks ? &FBlocks : nullptr);
        if (from <= last) {
            FLastX = end.X;
            FLastY = end.Y;
        }
    } else {
        for (int i = from; i <= last; ++i)
            DrawPoint(i);
    }
    FXMap.reset();
    FYMap.reset();
    if (FPath) {
        FPath->Flush(ParentChart()->Canvas3D());
        FPath = nullptr;
    }
}

void TFastLineSeries::DrawValue(int index)
{
    DrawPoint(index);
}

void TFastLineSeries::DrawPoint(int index)
{
    const TPoint p = Position(index);
    // A null point, with nulls not ignored, is reached and left by a move: no segment
    // touches it on either side. Neither it nor the point after it is skipped for sharing
    // the last pixel, or its gap would come and go with the zoom.
    const bool isNull = !FIgnoreNulls && GetValueColor(index) == clNone;
    if (p.X == FLastX && (!FDrawAllPoints || p.Y == FLastY) && !isNull && !FLastNull)
        return;
    if (!isNull && !FLastNull) {
        if (FStairs) {
            if (FInvertedStairs)
                DoLine(FLastX, p.Y);
            else
                DoLine(p.X, FLastY);
        }
        DoLine(p.X, p.Y);
    } else {
        DoMove(p.X, p.Y);
    }
    FLastNull = isNull;
    FLastX = p.X;
    FLastY = p.Y;
}

void TFastLineSeries::NotifyNewValue(TChartSeries* sender, int valueIndex)
{
    TCustomAxisPanel* chart = ParentChart();
    if (FAutoRepaint || !chart || !Active() || !GetHorizAxis() || !GetVertAxis()) {
        TCustomLineSeries::NotifyNewValue(sender, valueIndex);
        return;
    }
    if (OnAfterAdd)
        OnAfterAdd(sender, valueIndex);
    NotifyValue(veAdd, valueIndex);
    // The new segment goes straight onto the chart's picture.
    const int startIndex = valueIndex > 0 ? valueIndex - 1 : 0;
    const TPoint start = CalcPosition(startIndex);
    FLastNull = !FIgnoreNulls && GetValueColor(startIndex) == clNone;
    FLastX = start.X;
    FLastY = start.Y;
    PrepareCanvas();
    DoMove(FLastX, FLastY);
    DrawValue(valueIndex);
    chart->Canvas3D()->Invalidate();
}

int TFastLineSeries::PenMargin() const
{
    const int w = LinePen()->Width();
    return w - (w - 2) / 2;
}

void TFastLineSeries::CalcHorizMargins(int& left, int& right)
{
    TCustomLineSeries::CalcHorizMargins(left, right);
    left += PenMargin();
    right += PenMargin();
}

void TFastLineSeries::CalcVerticalMargins(int& top, int& bottom)
{
    TCustomLineSeries::CalcVerticalMargins(top, bottom);
    top += PenMargin();
    bottom += PenMargin();
}

void TFastLineSeries::DrawMark(int index, const QString& text, TSeriesMarkPosition& position)
{
    Marks()->ApplyArrowLength(position);
    TCustomLineSeries::DrawMark(index, text, position);
}

void TFastLineSeries::PrepareLegendCanvas(int, TColor&, TBrushStyle&)
{
    PrepareCanvas();
}

void TFastLineSeries::DrawLegendShape(int, const TRect& rect)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    const int y = (rect.Top + rect.Bottom) / 2;
    canvas->DoHorizLine(rect.Left, rect.Right, y);
}

int TFastLineSeries::Clicked(int x, int y)
{
    const int first = FirstVisible();
    if (first < 0 || !ParentChart() || !GetHorizAxis() || !GetVertAxis())
        return -1;
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    if (ParentChart()->View3D())
        canvas->Calculate2DPosition(x, y, MiddleZ());
    const TPoint p(x, y);
    TPoint previous;
    for (int i = first; i <= LastVisible() && i < Count(); ++i) {
        const TPoint q = CalcPosition(i);
        if (q.X == x && q.Y == y)
            return i;
        if (i > first && PointInLine(p, previous, q))
            return i - 1;
        previous = q;
    }
    return -1;
}

void TFastLineSeries::CreateSubGallery(TSubGallery& gallery)
{
    TCustomLineSeries::CreateSubGallery(gallery);
    gallery.Add(TeeMsg_Marks);
    gallery.Add(TeeMsg_Dotted);
    gallery.Add(TeeMsg_Stairs);
}

void TFastLineSeries::SetSubGallery(int index)
{
    switch (index) {
    case 1: Marks()->SetVisible(true); break;
    case 2: LinePen()->SetSmallDots(true); break;
    case 3: SetStairs(true); break;
    default: break;
    }
}
