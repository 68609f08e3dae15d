#include "chart/components/CursorTool.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>

#include "chart/core/Canvas3D.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartFeedback.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeGeometry.h"
#include "chart/core/Teeconst.h"

namespace {

constexpr int kGrabPixels = 3; // a line is grabbed when the mouse is fewer pixels away

} // namespace

TCursorTool::TCursorTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {}

QString TCursorTool::Description() const
{
    return TeeMsg_CursorTool;
}

void TCursorTool::SetStyle(TCursorToolStyle value)
{
    if (SetProp(FStyle, value))
        SnapToPoint();
}

void TCursorTool::SetXValue(double value)
{
    SetCursorValue(FXValue, FXValueSet, value);
}

void TCursorTool::SetYValue(double value)
{
    SetCursorValue(FYValue, FYValueSet, value);
}

void TCursorTool::SetCursorValue(double& field, bool& given, double value)
{
    const bool changed = SetProp(field, value);
    const bool first = !std::exchange(given, true);
    // The first value given counts even when it equals the one the tool starts with.
    if (!changed && !first)
        return;
    if (!changed)
        Repaint();
    // Before the first draw the axes have no pixels yet: the draw places the cursor.
    if (FPlaced)
        CalcScreenPositions();
    Changed(-1);
}

void TCursorTool::SetSeries(TChartSeries* value)
{
    TTeeCustomToolSeries::SetSeries(value);
    TCustomAxisPanel* chart = ParentChart();
    // A cursor not yet placed is placed (and snapped) by the first draw, once the axes know
    // their pixels; placing it now would put it at a meaningless spot.
    if (!value || IsLoading() || !chart || !FPlaced)
        return;
    if (Active())
        RedrawCursor(); // erases
    SnapToPoint();
    CalcScreenPositions();
    if (Active())
        RedrawCursor();
}

void TCursorTool::Changed(int valueIndex)
{
    if (OnChange)
        OnChange(this, FXPixel, FYPixel, FXValue, FYValue, Series(), valueIndex);
}

TRect TCursorTool::GetAxisRect() const
{
    TRect r;
    if (FUseChartRect) {
        r = ParentChart()->PlotRect();
    } else {
        const TChartAxis* h = GetHorizAxis();
        const TChartAxis* v = GetVertAxis();
        r = TRect(h->StartPixel, v->StartPixel, h->EndPixel, v->EndPixel);
    }
    if (OnGetAxisRect)
        OnGetAxisRect(const_cast<TCursorTool*>(this), r);
    return r;
}

int TCursorTool::NearestPoint(TCursorToolStyle style, double& difference) const
{
    difference = -1;
    const TChartSeries* s = Series();
    if (!s || s->Count() == 0)
        return -1;
    const int count = s->Count();
    const int first = std::max(0, s->FirstVisible());
    int last = s->LastVisible();
    if (last < 0 || last >= count)
        last = count - 1;
    const TChartValueList* xs = s->XValues();
    const TChartValueList* ys = s->YValues();
    int best = -1;
    double bestDistance = 0;
    // Squared distances order the points as the distances do; the root is taken once.
    for (int i = first; i <= last; ++i) {
        double d;
        if (style == cssHorizontal) {
            d = std::fabs(FYValue - ys->GetValue(i));
        } else if (style == cssVertical) {
            d = std::fabs(FXValue - xs->GetValue(i));
        } else {
            const double dx = FXValue - xs->GetValue(i);
            const double dy = FYValue - ys->GetValue(i);
            d = dx * dx + dy * dy;
        }
        if (best < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    if (best >= 0)
        difference = style == cssBoth ? std::sqrt(bestDistance) : bestDistance;
    return best;
}

int TCursorTool::SnapToPoint()
{
    if (!Series() || !FSnap)
        return -1;
    double difference = 0;
    const int i = NearestPoint(FStyle, difference);
    if (i < 0)
        return -1;
    if (FStyle != cssVertical)
        FYValue = Series()->YValue(i);
    if (FStyle != cssHorizontal)
        FXValue = Series()->XValue(i);
    return i;
}

TCursorClicked TCursorTool::Clicked(int x, int y) const
{
    if (!FPlaced || !PointInRect(GetAxisRect(), x, y))
        return ccNone;
    const bool nearHoriz = FStyle != cssVertical && std::abs(y - FYPixel) < kGrabPixels;
    const bool nearVert = FStyle != cssHorizontal && std::abs(x - FXPixel) < kGrabPixels;
    if (FStyle == cssBoth && nearHoriz && nearVert)
        return ccBoth;
    if (nearHoriz)
        return ccHorizontal;
    if (nearVert)
        return ccVertical;
    return ccNone;
}

void TCursorTool::CalcValuePositions(int x, int y)
{
    if (FClicked != ccVertical) {
        FYValue = GetVertAxis()->CalcPosPoint(y);
        FYValueSet = true;
    }
    if (FClicked != ccHorizontal) {
        FXValue = GetHorizAxis()->CalcPosPoint(x);
        FXValueSet = true;
    }
}

void TCursorTool::CalcScreenPositions()
{
    if (!ParentChart() && !Series())
        return;
    const TChartAxis* h = GetHorizAxis();
    const TChartAxis* v = GetVertAxis();
    if (!FPlaced) {
        // A value never given starts in the middle of its axis; only a cursor placed wholly
        // there snaps, since a value that was given stays where it was put.
        const bool middle = !FXValueSet && !FYValueSet;
        if (!FXValueSet)
            FXValue = h->CalcPosPoint((h->StartPixel + h->EndPixel) / 2);
        if (!FYValueSet)
            FYValue = v->CalcPosPoint((v->StartPixel + v->EndPixel) / 2);
        FXValueSet = FYValueSet = FPlaced = true;
        const int snapped = middle ? SnapToPoint() : -1;
        FXPixel = h->CalcPosValue(FXValue);
        FYPixel = v->CalcPosValue(FYValue);
        Changed(snapped);
        return;
    }
    FXPixel = h->CalcPosValue(FXValue);
    FYPixel = v->CalcPosValue(FYValue);
}

void TCursorTool::RedrawCursor()
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    const TChartFeedback feedback(chart, Pen(), fmXor, fcOverChartColor);
    TCanvas3D* canvas = feedback.Canvas();
    const TRect r = GetAxisRect();
    // A line whose value lies beyond its axis (after a zoom or scroll) is left out: it would
    // cross the labels or the legend, and it could not be grabbed there.
    const bool horiz = FStyle != cssVertical && FYPixel >= std::min(r.Top, r.Bottom) &&
                       FYPixel <= std::max(r.Top, r.Bottom);
    const bool vert = FStyle != cssHorizontal && FXPixel >= std::min(r.Left, r.Right) &&
                      FXPixel <= std::max(r.Left, r.Right);
    if (chart->View3D()) {
        if (horiz)
            canvas->HorizLine3D(r.Left, r.Right, FYPixel, 0);
        if (vert)
            canvas->VertLine3D(FXPixel, r.Top, r.Bottom, 0);
    } else {
        if (horiz)
            canvas->DoHorizLine(r.Left, r.Right, FYPixel);
        if (vert)
            canvas->DoVertLine(FXPixel, r.Top, r.Bottom);
    }
}

void TCursorTool::ChartEvent(TChartToolEvent event)
{
    TTeeCustomToolSeries::ChartEvent(event);
    if (event != cteAfterDraw)
        return;
    CalcScreenPositions();
    RedrawCursor();
}

void TCursorTool::ChartMouseEvent(TChartMouseEvent event, TMouseButton, TShiftState, int x, int y)
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    // The lines lie on the front plane: on a turned chart the mouse is taken there first.
    chart->Canvas3D()->Calculate2DPosition(x, y, 0);
    switch (event) {
    case cmeDown:
        if (!FFollowMouse) {
            FClicked = Clicked(x, y);
            if (FClicked != ccNone)
                chart->SetMouseCancelled(true);
        }
        break;
    case cmeMove: {
        if ((FClicked != ccNone || FFollowMouse) && PointInRect(GetAxisRect(), x, y)) {
            // The lines move by exclusive-or: the chart is not drawn again.
            if (FPlaced)
                RedrawCursor(); // erases the lines where they were
            CalcValuePositions(x, y);
            FPlaced = true; // the mouse gave both values, or the cursor was placed already
            const int snapped = SnapToPoint();
            CalcScreenPositions();
            RedrawCursor();
            Changed(snapped);
            return;
        }
        const TCursorClicked over = Clicked(x, y);
        if (over == ccHorizontal)
            chart->SetCursor(crVSplit);
        else if (over == ccVertical)
            chart->SetCursor(crHSplit);
        else if (over == ccBoth)
            chart->SetCursor(crSizeAll);
        chart->SetMouseCancelled(over != ccNone);
        break;
    }
    case cmeUp:
        FClicked = ccNone;
        break;
    }
}

void TCursorTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomToolSeries::DefineProperties(filer);
    static const QStringList styles = {"cssHorizontal", "cssVertical", "cssBoth"};
    TeeDefineBool(filer, "FollowMouse", FFollowMouse, false, [this](bool v) { SetFollowMouse(v); });
    TeeDefineObject(filer, "Pen", Pen());
    TeeDefineBool(filer, "Snap", FSnap, false, [this](bool v) { SetSnap(v); });
    TeeDefineEnum(filer, "Style", FStyle, cssBoth, styles, [this](TCursorToolStyle v) { SetStyle(v); });
}
