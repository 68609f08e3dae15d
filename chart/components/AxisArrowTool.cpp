#include "chart/components/AxisArrowTool.h"

#include <QStringList>
#include <cstdlib>

#include "chart/components/Chart.h"
#include "chart/core/Canvas3D.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/Teeconst.h"

namespace {

constexpr int kArrowHead = 8;   // head width and height in pixels
constexpr int kLineTolerance = 2; // pixels across the axis line that still hit an arrow

} // namespace

TAxisArrowTool::TAxisArrowTool(TComponent* AOwner) : TTeeCustomToolAxis(AOwner) {}

QString TAxisArrowTool::Description()
{
    return TeeMsg_AxisArrowTool;
}

void TAxisArrowTool::SetPosition(TAxisArrowToolPosition value)
{
    if (FPosition == value)
        return;
    FPosition = value;
    Repaint();
}

int TAxisArrowTool::ClickedArrow(int x, int y) const
{
    const TChartAxis* axis = Axis();
    if (!axis)
        return -1;
    const int across = axis->Horizontal() ? y : x;
    const int along = axis->Horizontal() ? x : y;
    if (std::abs(across - axis->AxisLinePos) > kLineTolerance)
        return -1;
    const int start = axis->StartPixel;
    const int end = axis->EndPixel;
    if (FPosition != aaEnd && along > start && along < start + FLength)
        return 0;
    if (FPosition != aaStart && along > end - FLength && along < end)
        return 1;
    return -1;
}

void TAxisArrowTool::ChartEvent(TChartToolEvent event)
{
    TTeeCustomToolAxis::ChartEvent(event);
    TChartAxis* axis = Axis();
    TCustomAxisPanel* chart = ParentChart();
    if (event != cteAfterDraw || !axis || !chart)
        return;
    TCanvas3D* canvas = chart->Canvas3D();
    canvas->AssignBrush(Brush(), Brush()->Color());
    canvas->AssignVisiblePen(Pen());
    const int z = chart->View3D() && axis->OtherSide() ? chart->Depth3DHoriz() : 0;
    const int line = axis->AxisLinePos;
    const auto point = [axis, line](int along) { return axis->Horizontal() ? TPoint(along, line) : TPoint(line, along); };
    const int start = axis->StartPixel;
    const int end = axis->EndPixel;
    if (FPosition != aaEnd)
        canvas->Arrow(true, point(start + FLength), point(start), kArrowHead, kArrowHead, z);
    if (FPosition != aaStart)
        canvas->Arrow(true, point(end - FLength), point(end), kArrowHead, kArrowHead, z);
}

void TAxisArrowTool::ScrollBy(double offset)
{
    TChartAxis* axis = Axis();
    auto* chart = dynamic_cast<TCustomChart*>(ParentChart());
    bool allow = true;
    if (chart && chart->OnAllowScroll) {
        double newMin = axis->Minimum() + offset;
        double newMax = axis->Maximum() + offset;
        chart->OnAllowScroll(axis, newMin, newMax, allow);
    }
    if (!allow)
        return;
    axis->Scroll(offset, false);
    // Series drawn against both axes of the pair keep the opposite axis in step.
    TCustomAxisPanel* panel = ParentChart();
    bool paired = false;
    for (int i = 0; i < panel->SeriesCount() && !paired; ++i) {
        const TChartSeries* s = panel->Series(i);
        paired = s->AssociatedToAxis(axis) &&
                 (axis->Horizontal() ? s->HorizAxis() == aBothHorizAxis : s->VertAxis() == aBothVertAxis);
    }
    if (paired) {
        TChartAxis* opposite = nullptr;
        if (axis == panel->BottomAxis())
            opposite = panel->TopAxis();
        else if (axis == panel->TopAxis())
            opposite = panel->BottomAxis();
        else if (axis == panel->LeftAxis())
            opposite = panel->RightAxis();
        else if (axis == panel->RightAxis())
            opposite = panel->LeftAxis();
        if (opposite)
            opposite->Scroll(offset, false);
    }
    if (panel->OnScroll)
        panel->OnScroll(panel);
}

void TAxisArrowTool::ChartMouseEvent(TChartMouseEvent event, TMouseButton, TShiftState, int x, int y)
{
    TChartAxis* axis = Axis();
    TCustomAxisPanel* chart = ParentChart();
    if (!axis || !chart || !axis->Visible())
        return;
    if (event == cmeMove) {
        if (ClickedArrow(x, y) != -1) {
            chart->SetCursor(crHandPoint);
            chart->SetMouseCancelled(true);
        }
        return;
    }
    if (event != cmeDown || FScrollPercent == 0)
        return;
    const int arrow = ClickedArrow(x, y);
    if (arrow == -1)
        return;
    double delta = (axis->Maximum() - axis->Minimum()) * FScrollPercent / 100.0;
    if (FScrollInverted)
        delta = -delta;
    ScrollBy(arrow == 0 ? delta : -delta);
    chart->SetMouseCancelled(true);
    if (OnClick)
        OnClick(this, arrow == 0);
}

void TAxisArrowTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomToolAxis::DefineProperties(filer);
    static const QStringList positions = {"aaStart", "aaEnd", "aaBoth"};
    TeeDefineObject(filer, "Brush", Brush());
    // A negative length would turn the arrows round; such a text is not a length.
    TeeDefineInt(filer, "Length", FLength, 16, [this](int v) {
        if (v >= 0)
            SetLength(v);
    });
    TeeDefineObject(filer, "Pen", Pen());
    TeeDefineEnum(filer, "Position", FPosition, aaBoth, positions, [this](TAxisArrowToolPosition v) { SetPosition(v); });
    TeeDefineBool(filer, "ScrollInverted", FScrollInverted, false, [this](bool v) { SetScrollInverted(v); });
    TeeDefineInt(filer, "ScrollPercent", FScrollPercent, 10, [this](int v) { SetScrollPercent(v); });
}
