// Frames of a line-family series that are its symbols alone. Each symbol is drawn over what is
// there whatever lies beneath, so one that a later symbol of the same colour covers on the same
// pixel changes nothing and is left out; with many points most are. A long series passes over
// whole blocks of such points at once.

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "chart/components/AxisPixelMap.h"
#include "chart/components/CustomSeries.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeCanvas3D.h"
#include "platform/graphics/FastPaths.h"

namespace {

// The colour of the latest symbol planned on each pixel of the area where a symbol can change
// a pixel, found walking back from the last point, or none. A column's cells lie together:
// consecutive points mostly share a column. The area is measured in 64 bits: a huge symbol's
// reach takes it beyond what an int holds.
class TSymbolCells
{
public:
    static constexpr TColor None = 0xFFFFFFFF;

    // An area too large for cells leaves them out: no pixel is then known to be covered.
    TSymbolCells(int64_t left, int64_t top, int64_t right, int64_t bottom)
        : FLeft(left), FTop(top), FRight(right), FBottom(bottom)
    {
        constexpr int64_t most = int64_t(1) << 24;
        const int64_t width = std::max<int64_t>(0, right - left);
        const int64_t height = std::max<int64_t>(0, bottom - top);
        FActive = width <= most && height <= most && width * height <= most;
        if (FActive) {
            FHeight = static_cast<size_t>(height);
            FCells.assign(static_cast<size_t>(width * height), None);
        }
    }

    bool Active() const { return FActive; }
    bool Inside(int x, int y) const { return x >= FLeft && x < FRight && y >= FTop && y < FBottom; }
    // Only when Active and Inside.
    TColor& At(int x, int y)
    {
        return FCells[static_cast<size_t>(x - FLeft) * FHeight + static_cast<size_t>(y - FTop)];
    }

private:
    int64_t FLeft, FTop, FRight, FBottom;
    bool FActive = false;
    size_t FHeight = 0;
    std::vector<TColor> FCells;
};

struct TPlannedSymbol {
    int Index, X, Y;
    TColor Colour;
};

// Whether every point of a block would be left out: its X values ascend and both ends land on
// one column, so all its points do; its values are numbers, so its rows lie between those of
// its lowest and highest value (the conversion never reverses two values); and each of those
// rows already holds a later symbol of the colour.
bool BlockCovered(const TLineBlockSummary::TBlock block, const TAxisPixelMap& xMap, const TAxisPixelMap& yMap,
                  TSymbolCells& cells, TColor colour)
{
    if (!block.Ascending || block.NotANumber || block.LastY != block.LastY)
        return false;
    const double column = xMap.UnroundedColumn(block.FirstX);
    if (xMap.UnroundedColumn(block.LastX) != column)
        return false;
    int top = yMap.CheckedPixel(std::min(block.Low, block.LastY));
    int bottom = yMap.CheckedPixel(std::max(block.High, block.LastY));
    if (top > bottom)
        std::swap(top, bottom);
    const int x = static_cast<int>(column);
    if (!cells.Inside(x, top) || !cells.Inside(x, bottom))
        return false;
    for (int y = top; y <= bottom; ++y)
        if (cells.At(x, y) != colour)
            return false;
    return true;
}

} // namespace

bool TCustomSeries::DrawsSymbolsOnly() const
{
    TCustomAxisPanel* chart = ParentChart();
    if (!TeeFastPaths::On() || !chart || chart->View3D() || !FPointer->Visible() || FDrawArea || FOutLine->Visible())
        return false;
    if (FDrawLine && LinePen()->Visible())
        return false;
    if ((FStacked != cssNone && FStacked != cssOverlap) || OnGetPointerStyle || !MandatoryIsY())
        return false;
    if (!GetHorizAxis() || !GetVertAxis() || !DrawValuesForward())
        return false;
    // A symbol in another pen mode, or shaded, depends on what it is drawn over.
    if (FPointer->Gradient()->Visible() || chart->Canvas3D()->Pen()->Mode() != pmCopy ||
        (FPointer->Pen()->Visible() && FPointer->Pen()->Mode() != pmCopy))
        return false;
    return true;
}

void TCustomSeries::DrawSymbolsOnly()
{
    TCustomAxisPanel* chart = ParentChart();
    const int first = FirstVisible(), last = LastVisible();
    if (first < 0 || last < first)
        return;
    TeeFastPaths::Taken(TFastPath::SymbolsAlone);
    const bool fast = chart->AxesFastCalc();
    const TAxisPixelMap xMap(GetHorizAxis(), false, fast);
    const TAxisPixelMap yMap(GetVertAxis(), true, fast);
    const double* xs = XValues()->Data();
    const double* ys = YValues()->Data();

    // Symbols wholly outside the area that the series is clipped to change no pixel. The
    // reach of a symbol from its point is its size and its pen, with room to spare.
    const bool clipped = UseAxis() && chart->ClipPoints() && chart->CanClip();
    const int64_t reach = std::max<int64_t>(FPointer->HorizSize(), FPointer->VertSize()) +
                          (FPointer->Pen()->Visible() ? FPointer->Pen()->Width() : 0) + 4;
    TRect area = chart->PlotRect();
    ++area.Bottom;
    TSymbolCells cells(area.Left - reach, area.Top - reach, area.Right + reach, area.Bottom + reach);
    std::vector<TPlannedSymbol> symbols;
    const auto plan = [&](int i, TColor colour, int x, int y) {
        const bool inside = cells.Inside(x, y);
        if (clipped && !inside)
            return;
        if (cells.Active() && inside) {
            TColor& cell = cells.At(x, y);
            if (cell == colour)
                return;
            if (cell == TSymbolCells::None)
                cell = colour;
        }
        symbols.push_back({i, x, y, colour});
    };

    TColor colour = clNone;
    if (SameColourForAll(colour) && xMap.Checked() && yMap.Checked()) {
        // The common case, one colour for every point on plain linear axes, without a call per
        // point.
        const int size = FSymbolBlocks.Size();
        const bool useBlocks = colour != clNone && cells.Active() && last - first >= TLineBlockSummary::WorthFrom;
        if (useBlocks)
            FSymbolBlocks.Update(XValues(), YValues());
        else if (Count() < TLineBlockSummary::WorthFrom)
            FSymbolBlocks.Release();
        const int blocks = useBlocks ? FSymbolBlocks.Count() : 0;
        // The last point of the block the walk is in, kept without a division per point.
        int64_t blockLast = (int64_t(last) + 1) / size * size - 1;
        for (int i = last; i >= first && colour != clNone;) {
            while (blockLast > i)
                blockLast -= size;
            if (blockLast == i && i / size < blocks && i + 1 - size >= first &&
                BlockCovered(FSymbolBlocks[i / size], xMap, yMap, cells, colour)) {
                TeeFastPaths::Taken(TFastPath::SymbolBlock);
                i -= size;
                continue;
            }
            plan(i, colour, xMap.CheckedPixel(xs[i]), yMap.CheckedPixel(ys[i]));
            --i;
        }
    } else {
        for (int i = last; i >= first; --i) {
            const TColor c = GetValueColor(i);
            if (c != clNone)
                plan(i, c, xMap(xs[i]), yMap(ys[i]));
        }
    }
    for (auto s = symbols.rbegin(); s != symbols.rend(); ++s)
        DrawPointer(s->X, s->Y, s->Colour, s->Index);
    // What drawing point by point leaves for the next frame's first segment.
    FPrevX = CalcXPos(last);
    FPrevY = CalcYPos(last);
    FPrevOrigin = GetOriginPos(last);
    FPrevColor = GetValueColor(last);
}
