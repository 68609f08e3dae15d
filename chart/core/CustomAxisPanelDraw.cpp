// One frame of the axis panel: the order in which walls, axes, series, marks, titles and
// legend are drawn, the depth slot of each series, and the axes' room for the series.

#include <algorithm>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeCustomTool.h"
#include "chart/core/TeeZoom.h"
#include "platform/Types.h"

void TCustomAxisPanel::CalcInvertedRotation()
{
    FInvertedRotation = false;
    if (!View3D())
        return;
    TView3DOptions* view = View3DOptions();
    FInvertedRotation = view->Orthogonal() ? view->OrthoAngle() > 90 : view->Rotation() < 270;
}

void TCustomAxisPanel::InternalDraw(const TRect& rect)
{
    const bool oldRepaint = RepaintEnabled();
    SetRepaintEnabled(false);
    CalcInvertedRotation();
    PanelPaint(rect);
    BroadcastToolEvent(cteBeforeDraw);
    DoOnBeforeDrawChart();
    for (int i = 0; i < SeriesCount(); ++i)
        if (Series(i)->Active())
            Series(i)->DoBeforeDrawChart();
    TCanvas3D* canvas = Canvas3D();
    if (!canvas->GetSupportsFullRotation())
        DrawTitlesAndLegend(true);
    CalcSeriesZPositions();
    CalcWallsRect();
    for (int i = 0; i < AxisCount(); ++i)
        AxisAt(i)->LeastLabelsRoom = 0;
    const TRect beforeAxes = PlotRect();
    CalcAxisRects();
    CalcSeriesDepthSlots();
    CalcAxisMarginsFromSeries();
    // The series' margins (a mark above the highest bar) widen an axis' range after its labels
    // were measured, and can bring wider labels ("1,000" over "980"): the axes are laid out
    // once more with that room, so that no label runs into its title or off the panel.
    if (WidenLabelsRoom()) {
        SetPlotRect(beforeAxes);
        ReCalcWidthHeight();
        CalcAxisRects();
        CalcSeriesDepthSlots();
        CalcAxisMarginsFromSeries();
    }
    canvas->Projection(Depth3DHoriz(), PlotRect());
    if (canvas->GetSupportsFullRotation()) {
        const TRect plot = PlotRect();
        SetPlotRect(PanelBounds());
        DrawTitlesAndLegend(true);
        SetPlotRect(plot);
    }
    DrawWalls();
    if (AxisBehind())
        DrawAxes();
    BroadcastToolEvent(cteBeforeDrawSeries);
    DoOnBeforeDrawSeries();
    const bool backwards = DepthAxis() && DepthAxis()->Inverted();
    if (backwards) {
        for (int i = SeriesCount() - 1; i >= 0; --i)
            if (Series(i)->Active())
                DrawSeries(Series(i));
    } else {
        for (int i = 0; i < SeriesCount(); ++i)
            if (Series(i)->Active())
                DrawSeries(Series(i));
    }
    if (!AxisBehind())
        DrawAxes();
    DrawTitlesAndLegend(false);
    if (Zoom()->Active)
        DrawZoomRectangle();
    BroadcastToolEvent(cteAfterDraw, ttUnderFrame);
    canvas->ResetState();
    DoOnAfterDraw();
    // Exclusive-or figures come last, so that drawing one again at its place gives back the
    // frame without it.
    BroadcastToolEvent(cteAfterDraw, ttOverFrame);
    SetRepaintEnabled(oldRepaint);
}

void TCustomAxisPanel::CalcSeriesZPositions()
{
    FMaxZPosition = 0;
    const bool separate = View3D() && SeparateSeriesDepth();
    if (separate) {
        FMaxZPosition = -1;
        for (int i = 0; i < SeriesCount(); ++i)
            if (Series(i)->Active())
                Series(i)->CalcZOrder();
    }
    // Series are drawn first to last (last to first on an inverted depth axis), so the first
    // one drawn must lie deepest: with the axis as it is, the first series takes the back slot.
    const bool inverted = DepthAxis() && DepthAxis()->Inverted();
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (!s->Active())
            continue;
        if (!separate)
            s->SetComputedZ(0);
        else
            s->SetComputedZ(inverted ? s->GetZOrder() : FMaxZPosition - s->GetZOrder());
    }
}

void TCustomAxisPanel::CalcAxisRects()
{
    for (int i = 0; i < AxisCount(); ++i)
        AxisAt(i)->AdjustMaxMin();
    for (int i = 0; i < AxisCount(); ++i)
        AxisAt(i)->InternalCalcPositions();
    TRect r = PlotRect();
    for (int i = 0; i < AxisCount(); ++i) {
        TChartAxis* axis = AxisAt(i);
        if (!IsAxisVisible(axis))
            continue;
        TRect shrunk = r;
        axis->CalcRect(shrunk, i < 5);
        TRect common;
        if (IntersectRect(common, shrunk, r))
            r = shrunk;
    }
    SetPlotRect(r);
    ReCalcWidthHeight();
    for (int i = 0; i < AxisCount(); ++i)
        AxisAt(i)->InternalCalcPositions();
}

bool TCustomAxisPanel::WidenLabelsRoom()
{
    bool widened = false;
    for (int i = 0; i < AxisCount(); ++i) {
        TChartAxis* axis = AxisAt(i);
        if (!IsAxisVisible(axis) || !axis->Labels())
            continue;
        const int32_t needed = axis->SizeLabels();
        if (needed > axis->LabelsRoom) {
            axis->LeastLabelsRoom = needed;
            widened = true;
        }
    }
    return widened;
}

void TCustomAxisPanel::CalcSeriesDepthSlots()
{
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (!s->Active())
            continue;
        const int start = FZSlotWidth * s->ComputedZ();
        s->SetDepthSlot(start, start + (s->Depth() != -1 ? s->Depth() : FZSlotWidth));
    }
}

void TCustomAxisPanel::CalcAxisMarginsFromSeries()
{
    for (int a = 0; a < AxisCount(); ++a) {
        TChartAxis* axis = AxisAt(a);
        int l = 0, t = 0, r = 0, b = 0;
        for (int i = 0; i < SeriesCount(); ++i) {
            TChartSeries* s = Series(i);
            if (!s->Active() || !s->AssociatedToAxis(axis))
                continue;
            int first = 0, second = 0;
            if (axis->Horizontal()) {
                s->CalcHorizMargins(first, second);
                if (axis->AutomaticMinimum())
                    l = std::max(l, first);
                if (axis->AutomaticMaximum())
                    r = std::max(r, second);
            } else {
                s->CalcVerticalMargins(first, second);
                if (axis->AutomaticMaximum())
                    t = std::max(t, first);
                if (axis->AutomaticMinimum())
                    b = std::max(b, second);
            }
        }
        if (axis->Horizontal()) {
            (axis->Inverted() ? r : l) += axis->MinimumOffset();
            (axis->Inverted() ? l : r) += axis->MaximumOffset();
        } else {
            (axis->Inverted() ? b : t) += axis->MaximumOffset();
            (axis->Inverted() ? t : b) += axis->MinimumOffset();
        }
        axis->AdjustMaxMinRect(TRect(l, t, r, b));
    }
}

void TCustomAxisPanel::DrawAxes()
{
    if (!AxisVisible())
        return;
    DoOnBeforeDrawAxes();
    for (int i = 0; i < AxisCount(); ++i)
        if (IsAxisVisible(AxisAt(i)))
            AxisAt(i)->Draw(true);
}

void TCustomAxisPanel::ClipSeriesArea()
{
    TRect r = PlotRect();
    ++r.Bottom;
    Canvas3D()->ClipCube(r, 0, Depth3DHoriz());
}

void TCustomAxisPanel::DrawSeriesMarks(TChartSeries* series)
{
    if (series->Count() == 0 || !series->Marks()->Visible())
        return;
    const bool clip = series->Marks()->Clip() && CanClip();
    if (clip)
        ClipSeriesArea();
    series->DrawMarks();
    if (clip)
        Canvas3D()->UnClipRectangle();
}

void TCustomAxisPanel::DrawSeries(TChartSeries* series)
{
    const bool mayClip = series->UseAxis() && FClipPoints && CanClip();
    if (!View3D() || !series->MoreSameZOrder()) {
        series->CalcFirstLastVisibleIndex();
        if (series->FirstVisible() == -1)
            return;
        series->DoBeforeDrawValues();
        if (mayClip)
            ClipSeriesArea();
        series->DrawAllValues();
        if (mayClip)
            Canvas3D()->UnClipRectangle();
        DrawSeriesMarks(series);
        series->DoAfterDrawValues();
        return;
    }
    // Series sharing one depth position are drawn together, point by point, when the first of
    // them comes up, so that each point covers the ones behind it correctly.
    if (!series->FirstInZOrder())
        return;
    const int self = SeriesList()->IndexOf(series);
    const int z = series->GetZOrder();
    auto member = [&](TChartSeries* s) { return s->Active() && s->GetZOrder() == z; };
    // The group's range covers every member's visible points: from the least first index to
    // the greatest last one.
    int first = -1, last = -1;
    bool clipped = false;
    for (int i = self; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (!member(s))
            continue;
        s->CalcFirstLastVisibleIndex();
        if (s->FirstVisible() != -1) {
            first = first == -1 ? s->FirstVisible() : std::min(first, s->FirstVisible());
            last = std::max(last, s->LastVisible());
        }
        s->DoBeforeDrawValues();
        if (mayClip && !clipped) {
            ClipSeriesArea();
            clipped = true;
        }
    }
    auto drawPoint = [&](TChartSeries* s, int i) {
        if (member(s) && s->FirstVisible() != -1 && i >= s->FirstVisible() && i <= s->LastVisible() &&
            i < s->Count())
            s->DrawValue(i);
    };
    auto drawIndex = [&](int i) {
        if (i >= series->Count() || series->DrawSeriesForward(i)) {
            for (int k = self; k < SeriesCount(); ++k)
                drawPoint(Series(k), i);
        } else {
            for (int k = SeriesCount() - 1; k >= self; --k)
                drawPoint(Series(k), i);
        }
    };
    if (first != -1) {
        if (series->DrawValuesForward()) {
            for (int i = first; i <= last; ++i)
                drawIndex(i);
        } else {
            for (int i = last; i >= first; --i)
                drawIndex(i);
        }
    }
    if (clipped)
        Canvas3D()->UnClipRectangle();
    for (int i = self; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (member(s) && s->FirstVisible() != -1) {
            DrawSeriesMarks(s);
            s->DoAfterDrawValues();
        }
    }
}

void TCustomAxisPanel::CalcSize3DWalls()
{
    if (!View3D()) {
        FZSlotWidth = FZSlotHeight = 0;
        SetDepth3DHoriz(0);
        SetDepth3DVert(0);
        return;
    }
    TView3DOptions* view = View3DOptions();
    double width = PlotWidth() * Chart3DPercent() * 0.001;
    if (!view->Orthogonal())
        width *= 2;
    FZSlotWidth = Round(width);
    const double ratio = view->CalcOrthoRatio();
    if (ratio > 1)
        FZSlotWidth = Round(FZSlotWidth / ratio);
    FZSlotHeight = Round(FZSlotWidth * ratio);
    const int n = SeparateSeriesDepth() ? std::max(1, FMaxZPosition + 1) : 1;
    SetDepth3DVert(n * FZSlotHeight);
    SetDepth3DHoriz(n * FZSlotWidth);
}
