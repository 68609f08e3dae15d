// The chart under the mouse: tools see each event first, a click finds the part it hit, the
// zoom button drags a rectangle to zoom into (or, dragged backwards, to undo), the scroll
// button drags the axes, and the wheel scrolls the vertical axes.

#include "chart/components/Chart.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/SeriesMarks.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/TeeBitmaps.h"
#include "chart/core/TeeGeometry.h"

TShiftState TeeScrollKeyShift = 0;

TCursor TTeeDragObject::GetDragCursor(bool Accepted, int, int) const
{
    return Accepted ? TCursor(HandCursorId) : crNoDrop;
}

bool TeeUseMouseWheel = true;
double AnimatedZoomFactor = 3.0;

namespace {
bool HasKeys(TShiftState shift, TShiftState keys) { return (shift & keys) == keys; }
} // namespace

void TCustomChart::BroadcastMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    for (int i = 0; i < Tools()->Count(); ++i) {
        TTeeCustomTool* tool = Tools()->Get(i);
        if (!tool->Active())
            continue;
        tool->ChartMouseEvent(AEvent, Button, Shift, X, Y);
        if (MouseCancelled())
            break;
    }
}

TChartClickedPart TCustomChart::CalcClickedPart(TPoint Pos) { return CalcNeedClickedPart(Pos, false); }

TChartClickedPart TCustomChart::CalcNeedClickedPart(TPoint Pos, bool OnlyNeeded)
{
    TChartClickedPart part;
    if (FLegend->Visible()) {
        part.PointIndex = FLegend->Clicked(Pos.X, Pos.Y);
        if (part.PointIndex != -1) {
            part.Part = cpLegend;
            return part;
        }
    }
    for (int i = SeriesCount() - 1; i >= 0; --i) {
        TChartSeries* s = Series(i);
        if (!s->Active())
            continue;
        if (OnlyNeeded && !s->OnClick && !s->OnDblClick && !OnClickSeries)
            continue;
        int index = s->Clicked(Pos.X, Pos.Y);
        if (index != -1) {
            part.Part = cpSeries;
        } else if (s->Marks()->Visible()) {
            index = s->Marks()->Clicked(Pos.X, Pos.Y);
            if (index != -1)
                part.Part = cpSeriesMarks;
        }
        if (index != -1) {
            part.PointIndex = index;
            part.ASeries = s;
            return part;
        }
    }
    for (int i = 0; i < AxisCount(); ++i)
        if (AxisAt(i)->Clicked(Pos.X, Pos.Y)) {
            part.Part = cpAxis;
            part.AAxis = AxisAt(i);
            return part;
        }
    if (FTitle->Clicked(Pos.X, Pos.Y))
        part.Part = cpTitle;
    else if (FSubTitle->Clicked(Pos.X, Pos.Y))
        part.Part = cpSubTitle;
    else if (FFoot->Clicked(Pos.X, Pos.Y))
        part.Part = cpFoot;
    else if (FSubFoot->Clicked(Pos.X, Pos.Y))
        part.Part = cpSubFoot;
    else if (PointInRect(PlotRect(), Pos) && CountActiveSeries() > 0)
        part.Part = cpChartRect;
    return part;
}

// The handler runs with the cancel flag set; a handler that clears it lets processing go on.
bool TCustomChart::RaiseClick(const std::function<void()>& handler)
{
    SetMouseCancelled(true);
    handler();
    return MouseCancelled();
}

void TCustomChart::StartZoomOrScroll(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!ActiveSeriesUseAxis())
        return;
    bool started = false;
    TTeeZoom* zoom = Zoom();
    if (zoom->Allow() && Button == zoom->MouseButton() && HasKeys(Shift, zoom->KeyShift())) {
        int x = X;
        int y = Y;
        if (zoom->Direction() == tzdVertical)
            x = PlotRect().Left;
        if (zoom->Direction() == tzdHorizontal)
            y = PlotRect().Top;
        zoom->Activate(x, y);
        if (zoom->Direction() == tzdVertical)
            zoom->X1 = PlotRect().Right;
        if (zoom->Direction() == tzdHorizontal)
            zoom->Y1 = PlotRect().Bottom;
        DrawZoomRectangle();
        started = true;
    }
    if (AllowPanning() != pmNone && Button == FScrollMouseButton && HasKeys(Shift, TeeScrollKeyShift)) {
        Panning()->Activate(X, Y);
        started = true;
    }
    if (started)
        SetCursor(SavedCursor());
}

TPoint TCustomChart::ZoomEndPoint(int X, int Y) const
{
    // A one-way zoom keeps the full chart extent across the other direction.
    TPoint end(X, Y);
    if (Zoom()->Direction() == tzdVertical)
        end.X = PlotRect().Right;
    if (Zoom()->Direction() == tzdHorizontal)
        end.Y = PlotRect().Bottom;
    return end;
}

void TCustomChart::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomAxisPanel::MouseDown(Button, Shift, X, Y);
    if (MouseCancelled() || Zoom()->Active || Panning()->Active)
        return;
    SetMouseCancelled(false);
    BroadcastMouseEvent(cmeDown, Button, Shift, X, Y);
    if (MouseCancelled())
        return;

    const TChartClickedPart part = CalcNeedClickedPart(TPoint(X, Y), true);
    bool handled = false;
    // One click raises the background event once, even when its handler lets processing go on.
    bool backgroundRaised = false;
    switch (part.Part) {
    case cpLegend:
        handled = FLegend->DoMouseDown(X, Y);
        if (OnClickLegend)
            handled = RaiseClick([&] { OnClickLegend(this, Button, Shift, X, Y); });
        break;
    case cpAxis:
        if (OnClickAxis)
            handled = RaiseClick([&] { OnClickAxis(this, part.AAxis, Button, Shift, X, Y); });
        if (!handled)
            StartZoomOrScroll(Button, Shift, X, Y);
        break;
    case cpSeries: {
        TChartSeries* s = part.ASeries;
        SetMouseCancelled(false);
        if (Shift & ssDouble) {
            if (s->OnDblClick)
                s->OnDblClick(s, part.PointIndex, Button, Shift, X, Y);
        } else if (s->OnClick)
            s->OnClick(s, part.PointIndex, Button, Shift, X, Y);
        handled = MouseCancelled();
        if (OnClickSeries)
            handled = RaiseClick([&] { OnClickSeries(this, s, part.PointIndex, Button, Shift, X, Y); });
        if (!handled)
            StartZoomOrScroll(Button, Shift, X, Y);
        break;
    }
    case cpTitle:
    case cpFoot:
    case cpSubTitle:
    case cpSubFoot: {
        TChartTitle* title = part.Part == cpTitle      ? FTitle.get()
                             : part.Part == cpSubTitle ? FSubTitle.get()
                             : part.Part == cpFoot     ? FFoot.get()
                                                       : FSubFoot.get();
        if (OnClickTitle)
            handled = RaiseClick([&] { OnClickTitle(this, title, Button, Shift, X, Y); });
        if (!handled)
            StartZoomOrScroll(Button, Shift, X, Y);
        break;
    }
    case cpChartRect:
        if (OnClickBackground) {
            handled = RaiseClick([&] { OnClickBackground(this, Button, Shift, X, Y); });
            backgroundRaised = true;
        }
        if (!handled)
            StartZoomOrScroll(Button, Shift, X, Y);
        break;
    case cpNone:
    case cpSeriesMarks:
        break;
    }
    if (!handled && !backgroundRaised && OnClickBackground)
        RaiseClick([&] { OnClickBackground(this, Button, Shift, X, Y); });
    SetMouseCancelled(false);
}

// Every axis along one direction (but the depth axis) moves by the values between the two
// pixels: the mouse's own movement.
void TCustomChart::ScrollAxes(bool horizontal, int from, int to)
{
    for (int i = 0; i < AxisCount(); ++i) {
        TChartAxis* axis = AxisAt(i);
        if (axis->IsDepthAxis() || axis->Horizontal() != horizontal)
            continue;
        const double d = axis->CalcPosPoint(from) - axis->CalcPosPoint(to);
        double aMin = axis->Minimum() + d;
        double aMax = axis->Maximum() + d;
        bool allow = true;
        if (OnAllowScroll)
            OnAllowScroll(axis, aMin, aMax, allow);
        if (allow)
            axis->SetMinMax(aMin, aMax);
    }
}

void TCustomChart::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomAxisPanel::MouseMove(Shift, X, Y);
    if (!IsDesigning())
        BroadcastMouseEvent(cmeMove, mbLeft, Shift, X, Y);
    if (MouseCancelled())
        return;
    TTeeZoom* zoom = Zoom();
    TZoomPanning* pan = Panning();
    if (zoom->Active) {
        const TPoint end = ZoomEndPoint(X, Y);
        if (end.X != zoom->X1 || end.Y != zoom->Y1) {
            DrawZoomRectangle();
            zoom->X1 = end.X;
            zoom->Y1 = end.Y;
            DrawZoomRectangle();
        }
    } else if (pan->Active) {
        if (!PointInRect(PlotRect(), X, Y)) {
            pan->Active = false;
            return;
        }
        if (X == pan->X1 && Y == pan->Y1)
            return;
        // The last point stays where the mouse was: ordering the corners here would swap it
        // with the start of the drag and move the axes by twice the mouse's movement.
        if (FScalesNotSaved) {
            FSavedScales = SaveScales();
            FScalesNotSaved = false;
        }
        bool scrolled = false;
        const TPanningMode mode = AllowPanning();
        if (X != pan->X1 && (mode == pmHorizontal || mode == pmBoth)) {
            ScrollAxes(true, pan->X1, X);
            scrolled = true;
        }
        if (Y != pan->Y1 && (mode == pmVertical || mode == pmBoth)) {
            ScrollAxes(false, pan->Y1, Y);
            scrolled = true;
        }
        pan->X1 = X;
        pan->Y1 = Y;
        if (scrolled) {
            if (OnScroll)
                OnScroll(this);
            Invalidate();
        }
    } else if (!CheckMouseSeries(X, Y)) {
        // A series under the mouse has set its own cursor; elsewhere the chart's returns.
        SetCursor(SavedCursor());
    }
}

void TCustomChart::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    SetMouseCancelled(false);
    TCustomAxisPanel::MouseUp(Button, Shift, X, Y);
    TTeeZoom* zoom = Zoom();
    if (zoom->Active && Button == zoom->MouseButton()) {
        zoom->Active = false;
        DrawZoomRectangle();
        Canvas3D()->Pen()->SetMode(pmCopy);
        const TPoint end = ZoomEndPoint(X, Y);
        zoom->X1 = end.X;
        zoom->Y1 = end.Y;
        if (std::abs(zoom->X1 - zoom->X0) > zoom->MinimumPixels() &&
            std::abs(zoom->Y1 - zoom->Y0) > zoom->MinimumPixels()) {
            if (zoom->X0 < zoom->X1 && zoom->Y0 < zoom->Y1)
                CalcZoomPoints();
            else
                UndoZoom();
            Invalidate();
        }
    }
    Panning()->Active = false;
    BroadcastMouseEvent(cmeUp, Button, Shift, X, Y);
}

// ---- zoom ----

void TCustomChart::DoZoom(double topMin, double topMax, double botMin, double botMax, double leftMin, double leftMax,
                          double rightMin, double rightMax)
{
    if (FScalesNotSaved) {
        FSavedScales = SaveScales();
        FScalesNotSaved = false;
    }
    struct Target {
        TChartAxis* axis;
        double min;
        double max;
    };
    const Target targets[] = {{LeftAxis(), leftMin, leftMax},
                              {RightAxis(), rightMin, rightMax},
                              {TopAxis(), topMin, topMax},
                              {BottomAxis(), botMin, botMax}};
    if (Zoom()->Animated()) {
        for (int step = 1; step < Zoom()->AnimatedSteps(); ++step) {
            for (const Target& t : targets) {
                const double min = t.axis->Minimum() + (t.min - t.axis->Minimum()) / AnimatedZoomFactor;
                const double max = t.axis->Maximum() - (t.axis->Maximum() - t.max) / AnimatedZoomFactor;
                t.axis->SetMinMax(min, max);
            }
            Repaint();
        }
    }
    for (const Target& t : targets)
        t.axis->SetMinMax(t.min, t.max);
    SetZoomed(true);
    if (OnZoom)
        OnZoom(this);
}

void TCustomChart::ZoomRect(const TRect& Rect)
{
    TTeeZoom* zoom = Zoom();
    zoom->X0 = Rect.Left;
    zoom->Y0 = Rect.Top;
    zoom->X1 = Rect.Right;
    zoom->Y1 = Rect.Bottom;
    CalcZoomPoints();
}

void TCustomChart::CalcZoomPoints()
{
    TTeeZoom* zoom = Zoom();
    zoom->Check();
    DoZoom(TopAxis()->CalcPosPoint(zoom->X0), TopAxis()->CalcPosPoint(zoom->X1),
           BottomAxis()->CalcPosPoint(zoom->X0), BottomAxis()->CalcPosPoint(zoom->X1),
           LeftAxis()->CalcPosPoint(zoom->Y1), LeftAxis()->CalcPosPoint(zoom->Y0),
           RightAxis()->CalcPosPoint(zoom->Y1), RightAxis()->CalcPosPoint(zoom->Y0));
}

void TCustomChart::ZoomPercent(double PercentZoom)
{
    double limits[4][2];
    TChartAxis* axes[] = {LeftAxis(), RightAxis(), TopAxis(), BottomAxis()};
    for (int i = 0; i < 4; ++i) {
        double min = axes[i]->Minimum();
        double max = axes[i]->Maximum();
        axes[i]->CalcMinMax(min, max);
        const double d = (max - min) * (PercentZoom - 100) * 0.01;
        limits[i][0] = min + d;
        limits[i][1] = max - d;
    }
    DoZoom(limits[2][0], limits[2][1], limits[3][0], limits[3][1], limits[0][0], limits[0][1], limits[1][0],
           limits[1][1]);
    Repaint();
}

void TCustomChart::UndoZoom()
{
    if (!FScalesNotSaved) {
        RestoreScales(FSavedScales);
        FScalesNotSaved = true;
    }
    TCustomAxisPanel::UndoZoom();
}

// ---- wheel ----

void TCustomChart::ScrollVerticalAxes(bool Up)
{
    for (int i = 0; i < AxisCount(); ++i) {
        TChartAxis* axis = AxisAt(i);
        if (axis->Horizontal())
            continue;
        const double d = (axis->Maximum() - axis->Minimum()) * 0.03;
        axis->Scroll(Up ? d : -d, false);
    }
}

bool TCustomChart::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    return TCustomAxisPanel::DoMouseWheel(Shift, WheelDelta, MousePos);
}

// The wheel scrolls the chart that has the pointer: a turn that reaches this chart while the
// pointer is elsewhere leaves it alone.
bool TCustomChart::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    const bool result = TCustomAxisPanel::DoMouseWheelDown(Shift, MousePos);
    if (TeeUseMouseWheel && PointInRect(TRect(0, 0, Width(), Height()), MousePos))
        ScrollVerticalAxes(true);
    return result;
}

bool TCustomChart::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool result = TCustomAxisPanel::DoMouseWheelUp(Shift, MousePos);
    if (TeeUseMouseWheel && PointInRect(TRect(0, 0, Width(), Height()), MousePos))
        ScrollVerticalAxes(false);
    return result;
}
