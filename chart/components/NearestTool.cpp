#include "chart/components/NearestTool.h"

#include <cmath>
#include <optional>

#include "chart/components/ToolFeedback.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/Teeconst.h"

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

QString TNearestTool::Description()
{
    return TeeMsg_NearestTool;
}

void TNearestTool::SetStyle(TNearestToolStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    Repaint();
}

void TNearestTool::SetSeries(TChartSeries* value)
{
    if (value == Series())
        return;
    TTeeCustomToolSeries::SetSeries(value);
    FPoint = -1;
    Repaint();
}

int TNearestTool::GetNearestPoint(TChartSeries* series, int x, int y)
{
    TCustomAxisPanel* chart = series->ParentChart();
    if (!chart || series->Count() == 0)
        return -1;
    const int first = std::max(series->FirstVisible(), 0);
    int last = series->LastVisible();
    if (last < 0 || last >= series->Count())
        last = series->Count() - 1;
    const TRect plot = chart->PlotRect();
    int result = -1;
    int best = kFarAway;
    for (int i = first; i <= last; ++i) {
        const TPoint p(series->CalcXPos(i), series->CalcYPos(i));
        if (!PointInRect(plot, p))
            continue;
        const double dx = double(p.X) - x;
        const double dy = double(p.Y) - y;
        const int distance = Round(std::sqrt(dx * dx + dy * dy));
        if (distance < best) {
            best = distance;
            result = i;
        }
    }
    return result;
}

void TNearestTool::PaintHint(bool outsidePaint)
{
    TChartSeries* series = Series();
    TCustomAxisPanel* chart = ParentChart();
    if (!series || !chart || FPoint < 0 || FPoint >= series->Count())
        return;
    std::optional<TToolFeedback> feedback;
    TCanvas3D* canvas = chart->Canvas3D();
    if (FFullRepaint)
        canvas->AssignVisiblePen(Pen());
    else
        feedback.emplace(chart, Pen(), outsidePaint);
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
        PaintHint(false);
}

void TNearestTool::ChartMouseEvent(TChartMouseEvent event, TMouseButton, TShiftState, int x, int y)
{
    if (event != cmeMove || !Series() || !ParentChart())
        return;
    if (!FFullRepaint)
        PaintHint(true);
    FPoint = GetNearestPoint(Series(), x, y);
    FMouse = TPoint(x, y);
    if (!FFullRepaint)
        PaintHint(true);
    if (OnChange)
        OnChange(this);
    if (FFullRepaint)
        Repaint();
}

void TNearestTool::DefineProperties(TTeeFiler& filer)
{
    TeeDefineBool(filer, "DrawLine", FDrawLine, true, [this](bool v) { SetDrawLine(v); });
    TeeDefineBool(filer, "FullRepaint", FFullRepaint, true, [this](bool v) { SetFullRepaint(v); });
    // A size below zero is damage: the mark keeps its size.
    TeeDefineInt(filer, "Size", FSize, 20, [this](int v) {
        if (v >= 0)
            SetSize(v);
    });
    TeeDefineEnum(filer, "Style", FStyle, hsCircle, NearestToolStyleNames(), [this](TNearestToolStyle v) { SetStyle(v); });
}
