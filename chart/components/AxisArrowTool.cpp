#include "chart/components/AxisArrowTool.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>

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

QString TAxisArrowTool::Description() const
{
    return TeeMsg_AxisArrowTool;
}

void TAxisArrowTool::SetLength(int value)
{
    if (value < 0 || value > TeeMaxPixelPos)
        return;
    SetIntegerProperty(FLength, value);
}

int TAxisArrowTool::ArrowDepth() const
{
    const TCustomAxisPanel* chart = ParentChart();
    return chart && chart->View3D() && Axis()->OtherSide() ? chart->Depth3DHoriz() : 0;
}

TPoint TAxisArrowTool::AlongAxis(int64_t along) const
{
    const TChartAxis* axis = Axis();
    const auto a = static_cast<int32_t>(std::clamp<int64_t>(along, INT32_MIN, INT32_MAX));
    return axis->Horizontal() ? TPoint(a, axis->AxisLinePos) : TPoint(axis->AxisLinePos, a);
}

namespace {

// Whether (x, y) lies strictly between the two ends of a drawn arrow, along it, and within
// the tolerance across it. On a flat axis this is: start < along < start + length, and
// |across - axis line| <= tolerance.
bool OnArrow(int x, int y, TPoint tail, TPoint tip)
{
    const double dx = static_cast<double>(tip.X) - tail.X;
    const double dy = static_cast<double>(tip.Y) - tail.Y;
    const double length2 = dx * dx + dy * dy;
    if (length2 <= 0)
        return false;
    const double mx = static_cast<double>(x) - tail.X;
    const double my = static_cast<double>(y) - tail.Y;
    const double along = mx * dx + my * dy;
    if (along <= 0 || along >= length2)
        return false;
    return std::fabs(mx * dy - my * dx) / std::sqrt(length2) <= kLineTolerance;
}

} // namespace

int TAxisArrowTool::ClickedArrow(int x, int y) const
{
    const TChartAxis* axis = Axis();
    TCustomAxisPanel* chart = ParentChart();
    if (!axis || !chart)
        return -1;
    // The arrows are projected as they are drawn; a flat chart projects nothing.
    TCanvas3D* canvas = chart->Canvas3D();
    const int z = ArrowDepth();
    const auto hit = [&](int64_t tail, int64_t tip) {
        const TPoint a = AlongAxis(tail);
        const TPoint b = AlongAxis(tip);
        return OnArrow(x, y, canvas->Calculate3DPosition(a.X, a.Y, z), canvas->Calculate3DPosition(b.X, b.Y, z));
    };
    const int64_t start = axis->StartPixel;
    const int64_t end = axis->EndPixel;
    if (FPosition != aaEnd && hit(start + FLength, start))
        return 0;
    if (FPosition != aaStart && hit(end - FLength, end))
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
    const int z = ArrowDepth();
    const int64_t start = axis->StartPixel;
    const int64_t end = axis->EndPixel;
    if (FPosition != aaEnd)
        canvas->Arrow(true, AlongAxis(start + FLength), AlongAxis(start), kArrowHead, kArrowHead, z);
    if (FPosition != aaStart)
        canvas->Arrow(true, AlongAxis(end - FLength), AlongAxis(end), kArrowHead, kArrowHead, z);
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
    // Series drawn against both axes of the pair keep the opposite axis in step.
    TCustomAxisPanel* panel = ParentChart();
    bool paired = false;
    for (int i = 0; i < panel->SeriesCount() && !paired; ++i) {
        const TChartSeries* s = panel->Series(i);
        paired = s->AssociatedToAxis(axis) &&
                 (axis->Horizontal() ? s->HorizAxis() == aBothHorizAxis : s->VertAxis() == aBothVertAxis);
    }
    TChartAxis* opposite = nullptr;
    if (paired) {
        if (axis == panel->BottomAxis())
            opposite = panel->TopAxis();
        else if (axis == panel->TopAxis())
            opposite = panel->BottomAxis();
        else if (axis == panel->LeftAxis())
            opposite = panel->RightAxis();
        else if (axis == panel->RightAxis())
            opposite = panel->LeftAxis();
    }
    // The pair moves together or not at all.
    if (!axis->ScrollKeepsFinite(offset) || (opposite && !opposite->ScrollKeepsFinite(offset)))
        return;
    axis->Scroll(offset, false);
    if (opposite)
        opposite->Scroll(offset, false);
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
    TeeDefineInt(filer, "Length", FLength, 16, [this](int v) { SetLength(v); });
    TeeDefineObject(filer, "Pen", Pen());
    TeeDefineEnum(filer, "Position", FPosition, aaBoth, positions, [this](TAxisArrowToolPosition v) { SetPosition(v); });
    TeeDefineBool(filer, "ScrollInverted", FScrollInverted, false, [this](bool v) { SetScrollInverted(v); });
    TeeDefineInt(filer, "ScrollPercent", FScrollPercent, 10, [this](int v) { SetScrollPercent(v); });
}
