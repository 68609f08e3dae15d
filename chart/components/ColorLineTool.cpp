#include "chart/components/ColorLineTool.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartFeedback.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/Teeconst.h"

namespace {

// Pixels either side of the line that still grab it.
constexpr int kGrabTolerance = 2;

} // namespace

const QStringList& ColorLineStyleNames()
{
    static const QStringList names = {"clCustom", "clMaximum", "clCenter", "clMinimum"};
    return names;
}

TColorLineTool::TColorLineTool(TComponent* AOwner) : TTeeCustomToolAxis(AOwner) {}

QString TColorLineTool::Description() const
{
    return TeeMsg_ColorLineTool;
}

void TColorLineTool::SetAllowDrag(bool value)
{
    SetBooleanProperty(FAllowDrag, value);
    if (!value)
        StopDrag();
}

void TColorLineTool::SetValue(double value)
{
    const bool styleChanged = std::exchange(FStyle, clCustom) != clCustom;
    if (FDragging && !FDragRepaint) {
        FValue = value;
        return;
    }
    if (!SetProp(FValue, value) && styleChanged)
        Repaint();
}

double TColorLineTool::CalcValue() const
{
    const TChartAxis* axis = Axis();
    switch (FStyle) {
    case clMaximum:
        return axis->Maximum();
    case clCenter:
        return (axis->Maximum() + axis->Minimum()) * 0.5;
    case clMinimum:
        return axis->Minimum();
    case clCustom:
        break;
    }
    return FValue;
}

double TColorLineTool::LimitValue(double value) const
{
    const TChartAxis* axis = Axis();
    const double a = axis->CalcPosPoint(axis->StartPixel);
    const double b = axis->CalcPosPoint(axis->EndPixel);
    return std::clamp(value, std::min(a, b), std::max(a, b));
}

int TColorLineTool::LinePixel() const
{
    // A value outside the visible range is drawn at its edge; the value itself is kept, so
    // that zooming in and out again does not move the line.
    const double used = FStyle == clCustom && !FNoLimitDrag ? LimitValue(FValue) : CalcValue();
    return Axis()->CalcPosValue(used);
}

bool TColorLineTool::Clicked(int x, int y) const
{
    const TChartAxis* axis = Axis();
    TCustomAxisPanel* chart = ParentChart();
    if (!axis || !chart)
        return false;
    const int p = LinePixel();
    const TRect& r = chart->PlotRect();
    if (axis->Horizontal())
        return std::abs(x - p) <= kGrabTolerance && y >= r.Top && y <= r.Bottom;
    return std::abs(y - p) <= kGrabTolerance && x >= r.Left && x <= r.Right;
}

void TColorLineTool::DrawColorLine(bool back)
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const int p = LinePixel();
    const int depth = chart->Depth3DHoriz();
    const TRect r = chart->PlotRect();
    const bool horizontal = Axis()->Horizontal();
    // Lines along the depth have no length in 2D.
    const bool depthLines = FDraw3D && chart->View3D();
    if (back) {
        if (depthLines) {
            if (horizontal)
                canvas->ZLine3D(p, r.Bottom, 0, depth);
            else
                canvas->ZLine3D(r.Left, p, 0, depth);
        }
        if (FDrawBehind || FDraw3D) {
            if (horizontal)
                canvas->VertLine3D(p, r.Top, r.Bottom, depth);
            else
                canvas->HorizLine3D(r.Left, r.Right, p, depth);
        }
        return;
    }
    // In 2D the back part already drew the flat line: during an exclusive-or drag drawing it
    // again would erase it.
    const bool backDrewIt = FDrawBehind || FDraw3D;
    if (!chart->View3D() && FDragging && !FDragRepaint && backDrewIt)
        return;
    if (depthLines) {
        if (horizontal)
            canvas->ZLine3D(p, r.Top, 0, depth);
        else
            canvas->ZLine3D(r.Right, p, 0, depth);
    }
    if (!FDrawBehind) {
        if (horizontal)
            canvas->VertLine3D(p, r.Top, r.Bottom, 0);
        else
            canvas->HorizLine3D(r.Left, r.Right, p, 0);
    }
}

void TColorLineTool::DrawFeedback()
{
    const TChartFeedback feedback(this, Pen(), fmNotXor, fcOverBackColor);
    DrawColorLine(true);
    DrawColorLine(false);
}

void TColorLineTool::ChartEvent(TChartToolEvent event)
{
    TTeeCustomToolAxis::ChartEvent(event);
    if (!Axis() || !ParentChart() || (event != cteBeforeDrawSeries && event != cteAfterDraw))
        return;
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    canvas->AssignVisiblePen(Pen());
    canvas->SetBackMode(TRANSPARENT);
    DrawColorLine(event == cteBeforeDrawSeries);
}

void TColorLineTool::DoEndDragLine()
{
    if (OnEndDragLine)
        OnEndDragLine(this);
}

void TColorLineTool::EndDrag()
{
    FDragging = false;
}

void TColorLineTool::ChartMouseEvent(TChartMouseEvent event, TMouseButton, TShiftState, int x, int y)
{
    TChartAxis* axis = Axis();
    TCustomAxisPanel* chart = ParentChart();
    if (!FAllowDrag || !axis || !chart)
        return;
    switch (event) {
    case cmeDown:
        FDragging = Clicked(x, y);
        chart->SetMouseCancelled(FDragging);
        break;
    case cmeMove: {
        if (!FDragging) {
            if (Clicked(x, y)) {
                chart->SetCursor(axis->Horizontal() ? crHSplit : crVSplit);
                chart->SetMouseCancelled(true);
            }
            break;
        }
        double v = axis->CalcPosPoint(axis->Horizontal() ? x : y);
        if (!FNoLimitDrag)
            v = LimitValue(v);
        bool moved = false;
        if (FDragRepaint) {
            SetValue(v);
        } else if (v != CalcValue()) {
            DrawFeedback();
            FStyle = clCustom;
            FValue = v;
            moved = true;
        }
        chart->SetMouseCancelled(true);
        if (OnDragLine)
            OnDragLine(this);
        if (moved)
            DrawFeedback();
        break;
    }
    case cmeUp:
        // Only the end of a drag: a click elsewhere is none of the line's business.
        if (!FDragging)
            break;
        // Without repaints while dragging the line is drawn again in its place among the
        // series.
        StopDrag(!FDragRepaint);
        DoEndDragLine();
        break;
    }
}

void TColorLineTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomToolAxis::DefineProperties(filer);
    TeeDefineBool(filer, "AllowDrag", FAllowDrag, true, [this](bool v) { SetAllowDrag(v); });
    TeeDefineBool(filer, "DragRepaint", FDragRepaint, false, [this](bool v) { SetDragRepaint(v); });
    TeeDefineBool(filer, "Draw3D", FDraw3D, true, [this](bool v) { SetDraw3D(v); });
    TeeDefineBool(filer, "DrawBehind", FDrawBehind, false, [this](bool v) { SetDrawBehind(v); });
    TeeDefineBool(filer, "NoLimitDrag", FNoLimitDrag, false, [this](bool v) { SetNoLimitDrag(v); });
    TeeDefineObject(filer, "Pen", Pen());
    // The value makes the style custom: the stored style is read after it.
    TeeDefineFloat(filer, "Value", FValue, 0.0, [this](double v) { SetValue(v); });
    TeeDefineEnum(filer, "Style", FStyle, clCustom, ColorLineStyleNames(), [this](TColorLineStyle v) { SetStyle(v); });
}
