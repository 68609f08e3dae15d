// The axis side of the axis panel: the axes it hosts, which of them are visible, the range an
// automatic axis takes from the series (by page when paging), the label texts the series give,
// and the operations the chart control fills in.

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeEngineSettings.h"
#include "platform/Exceptions.h"
#include "platform/TeeComponentFiler.h"
#include "platform/TeeFiler.h"

// ---- operations the chart control fills in ----

void TCustomAxisPanel::CalcWallsRect() { throw EAbstractError(); }
int32_t TCustomAxisPanel::CalcWallSize(const TChartAxis*) { throw EAbstractError(); }
void TCustomAxisPanel::DrawTitlesAndLegend(bool) { throw EAbstractError(); }
void TCustomAxisPanel::DrawWalls() { throw EAbstractError(); }

void TCustomAxisPanel::DoOnAfterDraw()
{
    if (OnAfterDraw)
        OnAfterDraw(this);
}

void TCustomAxisPanel::DoOnBeforeDrawAxes()
{
    if (OnBeforeDrawAxes)
        OnBeforeDrawAxes(this);
}

void TCustomAxisPanel::DoOnBeforeDrawChart()
{
    if (OnBeforeDrawChart)
        OnBeforeDrawChart(this);
}

void TCustomAxisPanel::DoOnBeforeDrawSeries()
{
    if (OnBeforeDrawSeries)
        OnBeforeDrawSeries(this);
}

// ---- axes ----

void TCustomAxisPanel::SetLeftAxis(TChartAxis* value) { FLeftAxis->Assign(value); }
void TCustomAxisPanel::SetRightAxis(TChartAxis* value) { FRightAxis->Assign(value); }
void TCustomAxisPanel::SetTopAxis(TChartAxis* value) { FTopAxis->Assign(value); }
void TCustomAxisPanel::SetBottomAxis(TChartAxis* value) { FBottomAxis->Assign(value); }
void TCustomAxisPanel::SetDepthAxis(TChartAxis* value) { FDepthAxis->Assign(value); }

TCollection* TCustomAxisPanel::CustomAxesCollection()
{
    return FCustomAxes.get();
}

int TCustomAxisPanel::IndexOfAxis(const TChartAxis* axis) const
{
    for (int i = 0; i < FAxes.Count(); ++i)
        if (FAxes.Get(i) == axis)
            return i;
    return -1;
}

void TCustomAxisPanel::ReleaseAxis(TChartAxis* axis)
{
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (s->CustomHorizAxis() == axis)
            s->SetCustomHorizAxis(nullptr);
        if (s->CustomVertAxis() == axis)
            s->SetCustomVertAxis(nullptr);
    }
    for (int i = 0; i < FTools.Count(); ++i) {
        if (auto* tool = dynamic_cast<TTeeCustomToolAxis*>(FTools.Get(i)); tool && tool->Axis() == axis)
            tool->ForgetAxis();
    }
    FAxes.Remove(axis);
}

TChartSeries* TCustomAxisPanel::GetAxisSeries(const TChartAxis* axis) const
{
    const bool anyActive = !NoActiveSeries(axis);
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (s->AssociatedToAxis(axis) && (s->Active() || !anyActive))
            return s;
    }
    return nullptr;
}

TChartSeries* TCustomAxisPanel::GetAxisSeriesMaxPoints(const TChartAxis* axis) const
{
    const bool anyActive = !NoActiveSeries(axis);
    TChartSeries* result = nullptr;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (s->AssociatedToAxis(axis) && (s->Active() || !anyActive) && (!result || s->Count() > result->Count()))
            result = s;
    }
    return result;
}

bool TCustomAxisPanel::NoActiveSeries(const TChartAxis* axis) const
{
    for (int i = 0; i < SeriesCount(); ++i)
        if (Series(i)->Active() && Series(i)->AssociatedToAxis(axis))
            return false;
    return true;
}

bool TCustomAxisPanel::IsAxisVisible(const TChartAxis* axis)
{
    if (!FAxisVisible || !axis->Visible())
        return false;
    if (axis->IsDepthAxis())
        return View3D();
    bool anyActive = false;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
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

bool TCustomAxisPanel::IsIndexAxisOf(const TChartSeries* series, const TChartAxis* axis)
{
    return axis->Horizontal() == series->MandatoryIsY();
}

bool TCustomAxisPanel::PageMinMax(TChartAxis* axis, bool isMin, bool isX, double& result)
{
    if (FMaxPointsPerPage <= 0 || SeriesCount() == 0)
        return false;
    TChartSeries* first = GetAxisSeries(axis);
    if (!first || !IsIndexAxisOf(first, axis))
        return false;
    TChartSeries* s = GetAxisSeriesMaxPoints(axis);
    const int count = s ? s->Count() : 0;
    if (count == 0) {
        result = 0;
        return true;
    }
    const int perPage = FMaxPointsPerPage;
    int firstIndex = (FPage - 1) * perPage;
    if (firstIndex >= count)
        firstIndex = std::max(0, count / perPage - 1) * perPage;
    int lastIndex = firstIndex + perPage - 1;
    if (lastIndex >= count)
        lastIndex = firstIndex + count % perPage - 1;
    TChartValueList* list = isX ? s->XValues() : s->YValues();
    const double low = list->GetValue(firstIndex);
    double high = list->GetValue(lastIndex);
    const int shown = lastIndex - firstIndex + 1;
    // Unless told otherwise, a short last page keeps the spacing of a full one: its first
    // point stays put and the axis reaches as far as a full page of points at that spacing
    // (ten points from 20 spaced 1 apart end at 29).
    if (!FScaleLastPage && shown < perPage && lastIndex > firstIndex)
        high = low + (high - low) * (perPage - 1) / (lastIndex - firstIndex);
    result = isMin ? low : high;
    return true;
}

double TCustomAxisPanel::InternalMinMax(TChartAxis* axis, bool isMin, bool isX)
{
    if (axis->IsDepthAxis()) {
        if (axis->CalcLabelStyle() == talValue) {
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
        return isMin ? -0.5 : FMaxZPosition + 0.5;
    }
    double paged = 0;
    if (PageMinMax(axis, isMin, isX, paged))
        return paged;
    const bool anyActive = !NoActiveSeries(axis);
    bool any = false;
    double result = 0;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if ((anyActive && !s->Active()) || s->Count() == 0)
            continue;
        const bool uses = isX ? (s->HorizAxis() == aBothHorizAxis || s->GetHorizAxis() == axis)
                              : (s->VertAxis() == aBothVertAxis || s->GetVertAxis() == axis);
        if (!uses)
            continue;
        const double v = isMin ? (isX ? s->MinXValue() : s->MinYValue()) : (isX ? s->MaxXValue() : s->MaxYValue());
        result = !any ? v : (isMin ? std::min(result, v) : std::max(result, v));
        any = true;
    }
    return result;
}

bool TCustomAxisPanel::AxisIsDateTime(const TChartAxis* axis)
{
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (s->Active() && s->AssociatedToAxis(axis))
            return (axis->Horizontal() ? s->XValues() : s->YValues())->DateTime();
    }
    return false;
}

bool TCustomAxisPanel::AxisHasIndexSeriesUpTo(const TChartAxis* axis, int count)
{
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (s->Active() && s->AssociatedToAxis(axis) && IsIndexAxisOf(s, axis) && s->Count() <= count)
            return true;
    }
    return false;
}

TAxisLabelStyle TCustomAxisPanel::AxisSeriesLabelStyle(const TChartAxis* axis)
{
    TAxisLabelStyle result = talNone;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (!s->Active() || !s->AssociatedToAxis(axis))
            continue;
        if (IsIndexAxisOf(s, axis) && s->Labels().Count() > 0 && !s->XLabel(0).isEmpty())
            return talText;
        result = talValue;
    }
    return result;
}

bool TCustomAxisPanel::DepthAxisHasValues()
{
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (s->Active() && (s->HasZValues() || s->MinZValue() != s->MaxZValue()))
            return true;
    }
    return false;
}

bool TCustomAxisPanel::AxisLabelIndexRange(const TChartAxis* axis, int& first, int& last)
{
    first = last = -1;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (!s->Active() || !s->AssociatedToAxis(axis))
            continue;
        s->CalcFirstLastVisibleIndex();
        if (s->FirstVisible() == -1)
            continue;
        first = first == -1 ? s->FirstVisible() : std::min(first, s->FirstVisible());
        last = std::max(last, s->LastVisible());
    }
    return first != -1;
}

bool TCustomAxisPanel::AxisSeriesLabel(TChartAxis* axis, int index, bool marks, QString& text, double& value)
{
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (!s->Active() || !s->AssociatedToAxis(axis) || index < s->FirstVisible() || index > s->LastVisible())
            continue;
        text = marks ? s->GetMarkText(index) : s->XLabel(index);
        if (OnGetAxisLabelEvent)
            OnGetAxisLabelEvent(axis, s, index, text);
        if (text.isEmpty())
            continue;
        value = axis->Horizontal() ? s->XValue(index) : s->YValue(index);
        return true;
    }
    return false;
}

// ---- text widths ----

int32_t TCustomAxisPanel::MultiLineTextWidth(const QString& text, int& lines)
{
    lines = 0;
    if (text.isEmpty())
        return 0;
    QStringList pieces = text.split(TeeLineSeparator);
    if (pieces.last().isEmpty())
        pieces.removeLast();
    lines = static_cast<int>(pieces.size());
    int32_t width = 0;
    for (const QString& piece : pieces)
        width = std::max(width, Canvas3D()->TextWidth(piece));
    return width;
}

int32_t TCustomAxisPanel::MaxMarkWidth()
{
    int32_t result = 0;
    for (int i = 0; i < SeriesCount(); ++i)
        if (Series(i)->Active())
            result = std::max(result, Series(i)->MaxMarkWidth());
    return result;
}

int32_t TCustomAxisPanel::MaxTextWidth()
{
    int32_t result = 0;
    int lines = 0;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        for (int p = 0; p < s->Labels().Count(); ++p)
            result = std::max(result, MultiLineTextWidth(s->XLabel(p), lines));
    }
    return result;
}

// ---- copying and storing ----

void TCustomAxisPanel::Assign(TPersistent* Source)
{
    if (auto* p = dynamic_cast<TCustomAxisPanel*>(Source)) {
        FAxisBehind = p->FAxisBehind;
        FAxisVisible = p->FAxisVisible;
        SetBottomAxis(p->FBottomAxis);
        FClipPoints = p->FClipPoints;
        FCustomAxes->Assign(p->FCustomAxes.get());
        SetLeftAxis(p->FLeftAxis);
        SetDepthAxis(p->FDepthAxis);
        FMaxPointsPerPage = p->FMaxPointsPerPage;
        FPage = p->FPage;
        SetRightAxis(p->FRightAxis);
        FScaleLastPage = p->FScaleLastPage;
        SetTopAxis(p->FTopAxis);
        FView3DWalls = p->FView3DWalls;
    }
    TCustomTeePanelExtended::Assign(Source);
}

void TCustomAxisPanel::DefineProperties(TTeeFiler& filer)
{
    TCustomTeePanelExtended::DefineProperties(filer);
    // A bad text reads as false here, whatever the value held.
    using BoolSetter = void (TCustomAxisPanel::*)(bool);
    auto boolean = [this, &filer](const char* name, bool value, BoolSetter set) {
        TeeDefineBool(filer, name, value, true, [this, set](bool v) { (this->*set)(v); }, false);
    };
    boolean("AxisBehind", FAxisBehind, &TCustomAxisPanel::SetAxisBehind);
    boolean("AxisVisible", FAxisVisible, &TCustomAxisPanel::SetAxisVisible);
    boolean("ClipPoints", FClipPoints, &TCustomAxisPanel::SetClipPoints);
    boolean("ScaleLastPage", FScaleLastPage, &TCustomAxisPanel::SetScaleLastPage);
    boolean("View3DWalls", FView3DWalls, &TCustomAxisPanel::SetView3DWalls);
    // A bad number reads as the published default; the page is kept within the
    // pages there are, so it comes after the page size.
    TeeDefineInt(filer, "MaxPointsPerPage", FMaxPointsPerPage, 0, [this](int32_t v) { SetMaxPointsPerPage(v); }, 0);
    TeeDefineInt(filer, "Page", FPage, 1, [this](int32_t v) { SetPage(v); }, 1);
    TeeDefineObject(filer, "BottomAxis", FBottomAxis);
    TeeDefineObject(filer, "TopAxis", FTopAxis);
    TeeDefineObject(filer, "LeftAxis", FLeftAxis);
    TeeDefineObject(filer, "RightAxis", FRightAxis);
    TeeDefineObject(filer, "DepthAxis", FDepthAxis);
    // The custom axes, by their place, before the series and tools that are placed on them:
    // reading makes as many as the count asks for (an axis may store nothing of its own) and
    // reads each into the axis at its place. A count beyond what a chart can use refuses the
    // text; so does a refusal later on, and the axes that reading made go again.
    const TUndoIfRefused undo([axes = FCustomAxes.get(), before = FCustomAxes->Count()] {
        while (axes->Count() > before)
            axes->Delete(axes->Count() - 1);
    });
    filer.DefineObject(
        "CustomAxes",
        [this](TTeeFiler& f) {
            f.DefineProperty(
                "Count",
                [this, &f](const QString& v) {
                    const int64_t wanted = std::max<int64_t>(TeeTextInt(v, 0), 0);
                    if (wanted > TeeMaxCustomAxes)
                        throw EReadError(
                            QStringLiteral("Stored text makes more than %1 custom axes").arg(TeeMaxCustomAxes));
                    for (int64_t made = f.AllowNewObjects(wanted - FCustomAxes->Count()); made > 0; --made)
                        new TChartAxis(FCustomAxes.get());
                },
                [this] { return TeeIntText(FCustomAxes->Count()); }, true);
            for (int i = 0; i < FCustomAxes->Count(); ++i)
                TeeDefineObject(f, TeeIntText(i), FCustomAxes->Get(i));
        },
        FCustomAxes->Count() > 0);
    // The series, then the tools, by class: reading makes them again.
    TeeDefineChildren(filer, "Components", this);
}
