#include "chart/components/RotateTool.h"

#include <algorithm>

#include "chart/core/ChartFeedback.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/Teeconst.h"
#include "chart/core/View3DOptions.h"

TRotateTool::TRotateTool(TComponent* AOwner) : TTeeCustomTool(AOwner)
{
    Pen()->DefaultVisible = false;
    Pen()->SetVisible(false);
    Pen()->SetMode(pmXor);
    Pen()->SetColor(clWhite);
}

TRotateTool::~TRotateTool()
{
    EndDrag();
}

QString TRotateTool::Description() const
{
    return TeeMsg_RotateTool;
}

int TRotateTool::RotationChange(bool fullRotation, int angle, int delta)
{
    if (delta == 0)
        return angle;
    if (delta > 0) {
        const int a = angle + delta;
        if (a > 360)
            return a - 360;
        return (a > 90 && a < 270) ? 90 : a;
    }
    if (fullRotation)
        return std::max(0, angle + delta);
    int a = angle + delta;
    if (a < 0)
        return a + 360;
    return (a > 90 && a < 270) ? 270 : a;
}

int TRotateTool::ElevationChange(bool fullRotation, int angle, int delta)
{
    if (delta == 0)
        return angle;
    if (delta > 0)
        return std::min(360, angle + delta);
    return std::max(fullRotation ? 0 : 270, angle + delta);
}

namespace {

int Normalised(int angle)
{
    if (angle > 360)
        return angle - 360;
    if (angle < 0)
        return angle + 360;
    return angle;
}

// Whole degrees of a move, keeping what rounding leaves for the next move.
int TakeDegrees(double degrees, double& rest)
{
    const double total = degrees + rest;
    const int whole = Round(total);
    rest = total - whole;
    return whole;
}

} // namespace

void TRotateTool::ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState, int x, int y)
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    switch (event) {
    case cmeDown:
        if (button != FButton)
            return;
        FDragging = true;
        FOldX = x;
        FOldY = y;
        FFirstMove = true;
        FRotationRest = 0;
        FElevationRest = 0;
        chart->SetMouseCancelled(true);
        break;
    case cmeMove:
        if (FDragging)
            MouseMoved(x, y);
        break;
    case cmeUp:
        if (FDragging)
            StopDrag();
        break;
    }
}

void TRotateTool::EndDrag()
{
    FDragging = false;
    // Only a drag that drew a wire box switched the chart's repaint off; the repaint also
    // wipes the box.
    if (FRepaintSaved) {
        FRepaintSaved = false;
        if (TCustomAxisPanel* chart = ParentChart()) {
            chart->SetRepaintEnabled(FOldRepaint);
            chart->Invalidate();
        }
    }
}

void TRotateTool::MouseMoved(int x, int y)
{
    TCustomAxisPanel* chart = ParentChart();
    const int sign = FInverted ? -1 : 1;
    // A control of no size has no degrees per pixel.
    const int r = chart->Width() > 0 ? sign * TakeDegrees((x - FOldX) * 90.0 / chart->Width(), FRotationRest) : 0;
    const int e = chart->Height() > 0 ? sign * TakeDegrees((FOldY - y) * 90.0 / chart->Height(), FElevationRest) : 0;

    const bool wire = Pen()->Visible();
    if (wire) {
        if (FFirstMove) {
            FOldRepaint = chart->RepaintEnabled();
            FRepaintSaved = true;
            chart->SetRepaintEnabled(false);
            FFirstMove = false;
        } else {
            DrawWireBox();
        }
    }

    chart->SetView3D(true);
    TView3DOptions* view = chart->View3DOptions();
    view->SetOrthogonal(false);
    const bool full = chart->Canvas3D()->GetSupportsFullRotation();
    if (FStyle == rsAll || FStyle == rsRotation)
        view->SetRotation(full ? Normalised(view->Rotation() + r) : RotationChange(false, view->Rotation(), r));
    if (FStyle == rsAll || FStyle == rsElevation)
        view->SetElevation(full ? Normalised(view->Elevation() + e) : ElevationChange(false, view->Elevation(), e));

    FOldX = x;
    FOldY = y;
    chart->SetMouseCancelled(true);

    if (wire) {
        // The canvas takes the angles now, and leaves the orthogonal view it was painted in
        // (the chart has just left it): the box shows the new angle before any repaint.
        TCanvas3D* canvas = chart->Canvas3D();
        canvas->InitWindow3D(view, true);
        canvas->CalcPerspective(chart->PlotRect());
        DrawWireBox();
    }
    if (OnRotate)
        OnRotate(this);
}

void TRotateTool::DrawWireBox()
{
    TCustomAxisPanel* chart = ParentChart();
    const TChartFeedback feedback(this, Pen(), fmPenMode, fcPenColor);
    TCanvas3D* canvas = feedback.Canvas();
    const TRect r = chart->PlotRect();
    const int depth = chart->Depth3DHoriz();
    canvas->RectangleWithZ(r, 0);
    canvas->RectangleWithZ(r, depth);
    const TPoint corners[] = {{r.Left, r.Top}, {r.Right, r.Top}, {r.Left, r.Bottom}, {r.Right, r.Bottom}};
    for (const TPoint& p : corners) {
        canvas->MoveTo3D(p.X, p.Y, 0);
        canvas->LineTo3D(p.X, p.Y, depth);
    }
}

void TRotateTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomTool::DefineProperties(filer);
    static const QStringList styles = {"rsAll", "rsRotation", "rsElevation"};
    TeeDefineEnum(filer, "Button", FButton, mbLeft, MouseButtonNames(), [this](TMouseButton v) { SetButton(v); });
    TeeDefineBool(filer, "Inverted", FInverted, false, [this](bool v) { SetInverted(v); });
    TeeDefineObject(filer, "Pen", Pen());
    TeeDefineEnum(filer, "Style", FStyle, rsAll, styles, [this](TRotateToolStyles v) { SetStyle(v); });
}
