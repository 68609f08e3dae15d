#include "chart/components/NearestTool.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "chart/components/AxisPixelMap.h"
#include "chart/components/FastLineSeries.h"
#include "chart/core/ChartFeedback.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/ChartValueList.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/Teeconst.h"
#include "platform/graphics/FastPaths.h"

namespace {

// A point must be nearer than this many pixels to count.
constexpr int kFarAway = 10000;

} // namespace

const QStringList& NearestToolStyleNames()
{
    static const QStringList names = {"hsNone", "hsCircle", "hsRectangle", "hsDiamond"};
    return names;
}

TNearestTool::TNearestTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner)
{
    Brush()->SetStyle(bsClear);
    Pen()->SetStyle(psDot);
    Pen()->SetColor(clWhite);
}

QString TNearestTool::Description() const
{
    return TeeMsg_NearestTool;
}

void TNearestTool::SetSeries(TChartSeries* value)
{
    if (value == Series())
        return;
    TTeeCustomToolSeries::SetSeries(value);
    FPoint = -1;
    Repaint();
}

namespace {

// The search keeps the best point so far: a point replaces it when its rounded pixel distance
// is smaller, or equal with a lower index (the order of visiting may not be the index order).
// A rounded distance is below best exactly when the squared distance is at most
// best * (best - 1), and equal to it up to best * (best + 1), so the square root is taken
// only for a likely winner.
class TNearestSearch
{
public:
    TNearestSearch(const TRect& plot, int x, int y) : FPlot(plot), FX(x), FY(y) {}

    void Try(int index, TPoint p)
    {
        // All four edges of the plot belong to it: an automatic axis puts the last and the
        // lowest point of a series on the right and the bottom one.
        if (p.X < FPlot.Left || p.X > FPlot.Right || p.Y < FPlot.Top || p.Y > FPlot.Bottom)
            return;
        const double dx = double(p.X) - FX;
        const double dy = double(p.Y) - FY;
        const double squared = dx * dx + dy * dy;
        if (squared > double(FBest) * (FBest + 1))
            return;
        const int distance = Round(std::sqrt(squared));
        if (distance < FBest || (distance == FBest && index < FResult)) {
            FBest = distance;
            FResult = index;
        }
    }
    // Whether points whose pixel column lies at x can still win (their distance is at least
    // the horizontal one).
    bool InReach(int x) const { return std::abs(double(x) - FX) <= FBest; }
    int Result() const { return FResult; }

private:
    TRect FPlot;
    int FX;
    int FY;
    int FBest = kFarAway;
    int FResult = -1;
};

// Searches a run of points whose columns follow their index one way (ascending X values, or
// descending on an inverted axis): from the mouse's column either way, only as far as a point
// could still be nearer.
void SearchAscending(TNearestSearch& search, const TAxisPixelMap& xMap, const TAxisPixelMap& yMap, const double* xs,
                     const double* ys, int from, int last, int x, bool inverted)
{
    TeeFastPaths::Taken(TFastPath::NearestHalving);
    const auto beforeMouse = [&](int i) { return inverted ? xMap(xs[i]) > x : xMap(xs[i]) < x; };
    int start = from;
    for (int count = last - from + 1; count > 0;) {
        const int half = count / 2;
        if (beforeMouse(start + half)) {
            start += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    for (int i = start; i <= last; ++i) {
        const int column = xMap(xs[i]);
        if (!search.InReach(column))
            break;
        search.Try(i, TPoint(column, yMap(ys[i])));
    }
    for (int i = start - 1; i >= from; --i) {
        const int column = xMap(xs[i]);
        if (!search.InReach(column))
            break;
        search.Try(i, TPoint(column, yMap(ys[i])));
    }
}

} // namespace

int TNearestTool::GetNearestPoint(TChartSeries* series, int x, int y)
{
    TCustomAxisPanel* chart = series->ParentChart();
    if (!chart || series->Count() == 0)
        return -1;
    const int first = std::max(series->FirstVisible(), 0);
    int last = series->LastVisible();
    if (last < 0 || last >= series->Count())
        last = series->Count() - 1;
    TNearestSearch search(chart->PlotRect(), x, y);
    auto* fastLine = dynamic_cast<TFastLineSeries*>(series);
    if (!fastLine || !series->GetHorizAxis() || !series->GetVertAxis()) {
        for (int i = first; i <= last; ++i)
            search.Try(i, TPoint(series->CalcXPos(i), series->CalcYPos(i)));
        return search.Result();
    }
    // A fast line places its points by its axes alone: their pixels come straight from the
    // value lists, without two virtual calls a point.
    const bool fast = chart->AxesFastCalc();
    const TAxisPixelMap xMap(series->GetHorizAxis(), false, fast);
    const TAxisPixelMap yMap(series->GetVertAxis(), true, fast);
    const double* xs = series->XValues()->Data();
    const double* ys = series->YValues()->Data();
    const auto scan = [&](int from, int to) {
        for (int i = from; i <= to; ++i)
            search.Try(i, TPoint(xMap(xs[i]), yMap(ys[i])));
    };
    // Many points are halved where their X values really ascend, whatever order the list
    // claims (a value set in place or one that is not a number breaks it), as the block
    // summary knows; the rest are looked at one by one. A logarithmic axis puts X values at or
    // below 0 on its start but tiny ones far before it: its columns need not follow the X order.
    if (!TeeFastPaths::On() || last - first < TLineBlockSummary::WorthFrom || series->GetHorizAxis()->Logarithmic()) {
        scan(first, last);
        return search.Result();
    }
    const bool inverted = series->GetHorizAxis()->Inverted();
    const TLineBlockSummary& blocks = fastLine->BlockSummary();
    const int size = blocks.Size();
    // From the last point back, one run of points at a time.
    for (int to = last; to >= first;) {
        const int block = to / size;
        int from;
        if (block >= blocks.Count()) {
            from = std::max(first, blocks.Count() * size);
            scan(from, to);
        } else if (!blocks.Ascending(block)) {
            from = std::max(first, block * size);
            scan(from, to);
        } else {
            from = std::max(first, blocks.AscendingFrom(block) * size);
            SearchAscending(search, xMap, yMap, xs, ys, from, to, x, inverted);
        }
        to = from - 1;
    }
    return search.Result();
}

void TNearestTool::PaintHint()
{
    TChartSeries* series = Series();
    TCustomAxisPanel* chart = ParentChart();
    if (!series || !chart || FPoint < 0 || FPoint >= series->Count())
        return;
    std::optional<TChartFeedback> feedback;
    TCanvas3D* canvas = chart->Canvas3D();
    if (FFullRepaint)
        canvas->AssignVisiblePen(Pen());
    else
        feedback.emplace(chart, Pen(), fmNotXor, fcOverBackColor);
    const int x = series->CalcXPos(FPoint);
    const int y = series->CalcYPos(FPoint);
    const int s = FSize;
    const int z = series->StartZ();
    const bool is3D = chart->View3D();
    if (FStyle != hsNone) {
        canvas->AssignBrush(Brush(), clBlack);
        const TRect r(x - s, y - s, x + s, y + s);
        switch (FStyle) {
        case hsCircle:
            if (is3D)
                canvas->EllipseWithZ(r.Left, r.Top, r.Right, r.Bottom, z);
            else
                canvas->Ellipse(r);
            break;
        case hsRectangle:
            if (is3D)
                canvas->RectangleWithZ(r, z);
            else
                canvas->Rectangle(r);
            break;
        case hsDiamond: {
            const TPoint diamond[4] = {TPoint(x, y - s), TPoint(x + s, y), TPoint(x, y + s), TPoint(x - s, y)};
            if (is3D)
                canvas->PolygonWithZ(diamond, 3, z);
            else
                canvas->Polygon(diamond, 3);
            break;
        }
        case hsNone:
            break;
        }
    }
    if (FDrawLine) {
        canvas->Pen()->SetStyle(psSolid);
        canvas->Line(FMouse.X, FMouse.Y, x, y);
    }
}

void TNearestTool::ChartEvent(TChartToolEvent event)
{
    TTeeCustomToolSeries::ChartEvent(event);
    // Also the exclusive-or mark: the next move erases it by drawing it again.
    if (event == cteAfterDraw)
        PaintHint();
}

void TNearestTool::ChartMouseEvent(TChartMouseEvent event, TMouseButton, TShiftState, int x, int y)
{
    if (event != cmeMove || !Series() || !ParentChart())
        return;
    if (!FFullRepaint)
        PaintHint();
    FPoint = GetNearestPoint(Series(), x, y);
    FMouse = TPoint(x, y);
    if (!FFullRepaint)
        PaintHint();
    if (OnChange)
        OnChange(this);
    if (FFullRepaint)
        Repaint();
}

void TNearestTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomToolSeries::DefineProperties(filer);
    TeeDefineObject(filer, "Brush", Brush());
    TeeDefineBool(filer, "DrawLine", FDrawLine, true, [this](bool v) { SetDrawLine(v); });
    TeeDefineBool(filer, "FullRepaint", FFullRepaint, true, [this](bool v) { SetFullRepaint(v); });
    TeeDefineObject(filer, "Pen", Pen());
    // A size below zero is damage: the mark keeps its size.
    TeeDefineInt(filer, "Size", FSize, 20, [this](int v) {
        if (v >= 0)
            SetSize(v);
    });
    TeeDefineEnum(filer, "Style", FStyle, hsCircle, NearestToolStyleNames(), [this](TNearestToolStyle v) { SetStyle(v); });
}
