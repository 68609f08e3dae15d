// The axis side of the axis panel: the five standard axes and the custom ones, the range an
// automatic axis takes from the series (with paging), which axes show, the labels the series
// give them, and the frame steps that lay the axes out and draw them.

#include <QStringList>
#include <algorithm>

#include "chart/core/ChartLists.h"
#include "chart/core/Canvas3D.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "platform/Types.h"

// ---------------------------------------------------------------- the axes

void TCustomAxisPanel::CreateAxes()
{
    FAxes = std::make_unique<TChartAxes>(this);
    FCustomAxes = std::make_unique<TChartCustomAxes>(this);

    FBottomAxis = new TChartAxis(static_cast<TAxisHost*>(this));
    FBottomAxis->SetHorizontal(true);

    FTopAxis = new TChartAxis(static_cast<TAxisHost*>(this));
    FTopAxis->SetHorizontal(true);
    FTopAxis->SetOtherSide(true);
    FTopAxis->SetZPosition(100);
    FTopAxis->Grid()->SetDefaultZ(100);

    FLeftAxis = new TChartAxis(static_cast<TAxisHost*>(this));
    FLeftAxis->Title()->SetDefaultAngle(90);

    FRightAxis = new TChartAxis(static_cast<TAxisHost*>(this));
    FRightAxis->SetOtherSide(true);
    FRightAxis->Title()->SetDefaultAngle(270);
    FRightAxis->SetZPosition(100);
    FRightAxis->Grid()->SetDefaultZ(100);

    FDepthAxis = new TChartDepthAxis(static_cast<TAxisHost*>(this));
    FDepthAxis->SetDepthAxis(true);
    FDepthAxis->SetOtherSide(true);
}

void TCustomAxisPanel::DestroyAxes()
{
    if (FAxes)
        FAxes->Clear();
    FBottomAxis = FTopAxis = FLeftAxis = FRightAxis = FDepthAxis = nullptr;
    FCustomAxes.reset();
    FAxes.reset();
}

void TCustomAxisPanel::SetBottomAxis(TChartAxis* value)
{
    FBottomAxis->Assign(value);
}

void TCustomAxisPanel::SetTopAxis(TChartAxis* value)
{
    FTopAxis->Assign(value);
}

void TCustomAxisPanel::SetLeftAxis(TChartAxis* value)
{
    FLeftAxis->Assign(value);
}

void TCustomAxisPanel::SetRightAxis(TChartAxis* value)
{
    FRightAxis->Assign(value);
}

void TCustomAxisPanel::SetDepthAxis(TChartAxis* value)
{
    FDepthAxis->Assign(value);
}

void TCustomAxisPanel::SetCustomAxes(TChartCustomAxes* value)
{
    FCustomAxes->Assign(value);
}

TCollection* TCustomAxisPanel::CustomAxesCollection()
{
    return FCustomAxes.get();
}

int TCustomAxisPanel::AxisCount() const
{
    return FAxes ? FAxes->Count() : 0;
}

int TCustomAxisPanel::IndexOfAxis(const TChartAxis* axis) const
{
    return FAxes ? FAxes->IndexOf(const_cast<TChartAxis*>(axis)) : -1;
}

void TCustomAxisPanel::AppendAxis(TChartAxis* axis)
{
    FAxes->Add(axis);
}

void TCustomAxisPanel::ReleaseAxis(TChartAxis* axis)
{
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (s->CustomHorizAxis() == axis) {
            s->SetCustomHorizAxis(nullptr);
            s->SetHorizAxis(aBottomAxis);
        }
        if (s->CustomVertAxis() == axis) {
            s->SetCustomVertAxis(nullptr);
            s->SetVertAxis(aLeftAxis);
        }
    }
    if (FAxes)
        FAxes->Remove(axis);
}

bool TCustomAxisPanel::AxesFastCalc() const
{
    return FAxes && FAxes->FastCalc();
}

TChartAxis* TCustomAxisPanel::AxisAt(int index) const
{
    return FAxes && index >= 0 && index < FAxes->Count() ? FAxes->Get(index) : nullptr;
}

// ---------------------------------------------------------------- series on an axis

bool TCustomAxisPanel::NoActiveSeries(const TChartAxis* axis) const
{
    for (int i = 0; i < SeriesCount(); ++i) {
        const TChartSeries* s = Series(i);
        if (s->Active() && s->AssociatedToAxis(axis))
            return false;
    }
    return true;
}

TChartSeries* TCustomAxisPanel::GetAxisSeries(const TChartAxis* axis) const
{
    const bool onlyActive = !NoActiveSeries(axis);
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if ((!onlyActive || s->Active()) && s->AssociatedToAxis(axis))
            return s;
    }
    return nullptr;
}

TChartSeries* TCustomAxisPanel::GetAxisSeriesMaxPoints(const TChartAxis* axis) const
{
    const bool onlyActive = !NoActiveSeries(axis);
    TChartSeries* result = nullptr;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if ((!onlyActive || s->Active()) && s->AssociatedToAxis(axis) && (!result || s->Count() > result->Count()))
            result = s;
    }
    return result;
}

bool TCustomAxisPanel::UsesAxisSeries(const TChartSeries* s, const TChartAxis* axis, bool onlyActive) const
{
    if (onlyActive && !s->Active())
        return false;
    if (axis->Horizontal())
        return s->HorizAxis() == aBothHorizAxis || s->GetHorizAxis() == axis;
    return s->VertAxis() == aBothVertAxis || s->GetVertAxis() == axis;
}

double TCustomAxisPanel::InternalMinMax(TChartAxis* axis, bool isMin, bool isX)
{
    if (axis->IsDepthAxis()) {
        if (axis->CalcLabelStyle() != talValue)
            return isMin ? -0.5 : FMaxZPosition + 0.5;
        bool any = false;
        double result = 0;
        for (int i = 0; i < SeriesCount(); ++i) {
            TChartSeries* s = Series(i);
            if (!s->Active())
                continue;
            const double v = isMin ? s->MinZValue() : s->MaxZValue();
            result = !any ? v : (isMin ? std::min(result, v) : std::max(result, v));
            any = true;
        }
        return result;
    }

    if (FMaxPointsPerPage > 0) {
        // Paging applies along the axis the points run on: X for a series whose Y values are
        // mandatory, Y for one lying on its side; the first series of the axis decides.
        const TChartSeries* first = GetAxisSeries(axis);
        if (first && first->MandatoryIsY() == isX) {
            const TChartSeries* s = GetAxisSeriesMaxPoints(axis);
            const int count = s ? s->Count() : 0;
            if (count == 0)
                return 0;
            const int perPage = FMaxPointsPerPage;
            int64_t from = int64_t{FPage - 1} * perPage;
            if (from >= count)
                from = int64_t{std::max(0, count / perPage - 1)} * perPage;
            int64_t to = from + perPage - 1;
            if (to >= count)
                to = from + count % perPage - 1;
            const TChartValueList* list = isX ? s->XValues() : s->YValues();
            const double lo = list->GetValue(static_cast<int>(from));
            double hi = list->GetValue(static_cast<int>(to));
            // A short last page keeps the spacing of a full one: its first point stays put and
            // the axis reaches as far as a full page of points at that spacing would.
            const int64_t shown = to - from + 1;
            if (!FScaleLastPage && shown < perPage && to > from)
                hi = lo + (hi - lo) * double(perPage - 1) / double(to - from);
            return isMin ? lo : hi;
        }
    }

    const bool onlyActive = !NoActiveSeries(axis);
    bool any = false;
    double result = 0;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (s->Count() == 0 || !UsesAxisSeries(s, axis, onlyActive))
            continue;
        const double v = isX ? (isMin ? s->MinXValue() : s->MaxXValue()) : (isMin ? s->MinYValue() : s->MaxYValue());
        result = !any ? v : (isMin ? std::min(result, v) : std::max(result, v));
        any = true;
    }
    return result;
}

bool TCustomAxisPanel::IsAxisVisible(const TChartAxis* axis)
{
    if (!FAxisVisible || !axis->Visible())
        return false;
    if (axis->IsDepthAxis())
        return View3D();
    bool anyActive = false;
    for (int i = 0; i < SeriesCount(); ++i) {
        const TChartSeries* s = Series(i);
        if (!s->Active())
            continue;
        anyActive = true;
        if (!s->UseAxis())
            return false;
        if (s->AssociatedToAxis(axis))
            return true;
    }
    return !anyActive;
}

bool TCustomAxisPanel::AxisIsDateTime(const TChartAxis* axis)
{
    for (int i = 0; i < SeriesCount(); ++i) {
        const TChartSeries* s = Series(i);
        if (s->Active() && s->AssociatedToAxis(axis))
            return axis->Horizontal() ? s->XValues()->DateTime() : s->YValues()->DateTime();
    }
    return false;
}

namespace {

// The axis along which the series' points are counted (its labels, one per point).
bool IsIndexAxis(const TChartSeries* s, const TChartAxis* axis)
{
    return axis->Horizontal() ? s->MandatoryIsY() : !s->MandatoryIsY();
}

} // namespace

bool TCustomAxisPanel::AxisHasIndexSeriesUpTo(const TChartAxis* axis, int count)
{
    for (int i = 0; i < SeriesCount(); ++i) {
        const TChartSeries* s = Series(i);
        if (s->Active() && IsIndexAxis(s, axis) && s->AssociatedToAxis(axis) && s->Count() <= count)
            return true;
    }
    return false;
}

TAxisLabelStyle TCustomAxisPanel::AxisSeriesLabelStyle(const TChartAxis* axis)
{
    TAxisLabelStyle result = talNone;
    for (int i = 0; i < SeriesCount(); ++i) {
        const TChartSeries* s = Series(i);
        if (!s->Active() || !s->AssociatedToAxis(axis))
            continue;
        if (IsIndexAxis(s, axis) && s->Labels().Count() > 0 && !s->Labels().GetLabel(0).isEmpty())
            return talText;
        result = talValue;
    }
    return result;
}

bool TCustomAxisPanel::DepthAxisHasValues()
{
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (s->Active() && s->MinZValue() != s->MaxZValue())
            return true;
    }
    return false;
}

namespace {

// INTERIM: the first and last visible point come with the series drawing; until a series has
// worked them out, all its points count as visible.
void VisibleRange(const TChartSeries* s, int& first, int& last)
{
    first = s->FirstVisible();
    last = s->LastVisible();
    if (first == -1 && s->Count() > 0) {
        first = 0;
        last = s->Count() - 1;
    }
}

} // namespace

bool TCustomAxisPanel::AxisLabelIndexRange(const TChartAxis* axis, int& first, int& last)
{
    first = -1;
    last = -1;
    for (int i = 0; i < SeriesCount(); ++i) {
        const TChartSeries* s = Series(i);
        if (!s->Active() || !s->AssociatedToAxis(axis))
            continue;
        int a = -1;
        int b = -1;
        VisibleRange(s, a, b);
        if (a != -1 && (first == -1 || a < first))
            first = a;
        last = std::max(last, b);
    }
    return first != -1;
}

bool TCustomAxisPanel::AxisSeriesLabel(TChartAxis* axis, int index, bool marks, QString& text, double& value)
{
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (!s->Active() || !s->AssociatedToAxis(axis))
            continue;
        int a = -1;
        int b = -1;
        VisibleRange(s, a, b);
        if (index < a || index > b)
            continue;
        // INTERIM: mark texts come with the series drawing; until then marks show the label.
        Q_UNUSED(marks);
        text = s->XLabel(index);
        if (FOnGetAxisLabel)
            FOnGetAxisLabel(axis, s, index, text);
        if (!text.isEmpty()) {
            value = axis->Horizontal() ? s->XValue(index) : s->YValue(index);
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- text widths

int32_t TCustomAxisPanel::MultiLineTextWidth(const QString& text, int& lines)
{
    lines = 0;
    if (text.isEmpty())
        return 0;
    QStringList pieces = text.split(TeeLineSeparator);
    if (pieces.last().isEmpty())
        pieces.removeLast();
    lines = static_cast<int>(pieces.size());
    int32_t result = 0;
    for (const QString& piece : std::as_const(pieces))
        result = std::max(result, Canvas3D()->TextWidth(piece));
    return result;
}

int32_t TCustomAxisPanel::MaxTextWidth()
{
    int32_t result = 0;
    int lines = 0;
    for (int i = 0; i < SeriesCount(); ++i) {
        const TChartSeries* s = Series(i);
        for (int j = 0; j < s->Labels().Count(); ++j)
            result = std::max(result, MultiLineTextWidth(s->Labels().GetLabel(j), lines));
    }
    return result;
}

int32_t TCustomAxisPanel::MaxMarkWidth()
{
    // INTERIM: the widths of marks come with the series drawing.
    return 0;
}

// ---------------------------------------------------------------- frame steps

void TCustomAxisPanel::CalcAxesRect()
{
    for (int i = 0; i < FAxes->Count(); ++i)
        FAxes->Get(i)->AdjustMaxMin();
    for (int i = 0; i < FAxes->Count(); ++i)
        FAxes->Get(i)->InternalCalcPositions();
    TRect r = PlotRect();
    for (int i = 0; i < FAxes->Count(); ++i) {
        TChartAxis* axis = FAxes->Get(i);
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
    for (int i = 0; i < FAxes->Count(); ++i)
        FAxes->Get(i)->InternalCalcPositions();
}

void TCustomAxisPanel::CalcAxesMargins()
{
    for (int i = 0; i < FAxes->Count(); ++i) {
        TChartAxis* axis = FAxes->Get(i);
        int l = 0;
        int t = 0;
        int r = 0;
        int b = 0;
        for (int j = 0; j < SeriesCount(); ++j) {
            TChartSeries* s = Series(j);
            if (!s->Active() || !s->AssociatedToAxis(axis))
                continue;
            int first = 0;
            int second = 0;
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
    if (!FAxisVisible)
        return;
    for (int i = 0; i < FAxes->Count(); ++i) {
        TChartAxis* axis = FAxes->Get(i);
        if (IsAxisVisible(axis))
            axis->Draw(true);
    }
}
