#include "chart/core/CustomAxisPanel.h"

#include <algorithm>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/AxisGridPen.h"
#include "chart/core/ChartException.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/ColorPalette.h"
#include "chart/core/EngineServices.h"
#include "chart/core/TeeCustomTool.h"
#include "chart/core/TeeFunction.h"
#include "chart/core/TeeSeriesSource.h"
#include "chart/core/Teeconst.h"
#include "platform/ClassRegistry.h"
#include "platform/SysUtils.h"

TCustomAxisPanel::TCustomAxisPanel(TComponent* AOwner)
    : TCustomTeePanelExtended(AOwner), FTools(this), FSeriesList(this), FAxes(this)
{
    SetRepaintEnabled(false);
    FCustomAxes = std::make_unique<TChartCustomAxes>(this);
    FBottomAxis = new TChartAxis(this);
    FBottomAxis->SetHorizontal(true);
    FTopAxis = new TChartAxis(this);
    FTopAxis->SetHorizontal(true);
    FTopAxis->InitOtherSide(true);
    FTopAxis->SetZPosition(100);
    FTopAxis->Grid()->SetDefaultZ(100);
    FLeftAxis = new TChartAxis(this);
    FLeftAxis->Title()->SetDefaultAngle(90);
    FRightAxis = new TChartAxis(this);
    FRightAxis->InitOtherSide(true);
    FRightAxis->Title()->SetDefaultAngle(270);
    FRightAxis->SetZPosition(100);
    FRightAxis->Grid()->SetDefaultZ(100);
    FDepthAxis = new TChartDepthAxis(this);
    FDepthAxis->SetDepthAxis(true);
    FDepthAxis->InitOtherSide(true);
    SetRepaintEnabled(true);
}

TCustomAxisPanel::~TCustomAxisPanel()
{
    FreeAllSeries();
    FAxes.Clear();
    FCustomAxes.reset();
    FDesigner.reset();
    FTools.Clear();
}

int TCustomAxisPanel::CountActiveSeries() const
{
    int result = 0;
    for (int i = 0; i < SeriesCount(); ++i) {
        if (Series(i)->Active())
            ++result;
    }
    return result;
}

TChartSeries* TCustomAxisPanel::AddSeries(TChartSeries* series)
{
    series->SetParentChart(this);
    return series;
}

TChartSeries* TCustomAxisPanel::AddSeries(const QString& seriesClassName)
{
    TComponent* created = CreateComponentByName(seriesClassName, Owner());
    auto* series = dynamic_cast<TChartSeries*>(created);
    if (!series) {
        FreeObject(created);
        throw EInvalidCast(QStringLiteral("%1 is not a series class").arg(seriesClassName));
    }
    return AddSeries(series);
}

void TCustomAxisPanel::InternalAddSeries(TChartSeries* series)
{
    if (FSeriesList.IndexOf(series) >= 0)
        return;
    // The series' own SetParentChart has stored the chart already; Added may need it.
    series->Added();
    FSeriesList.Add(series);
    BroadcastSeriesEvent(series, seAdd);
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* series)
{
    const int index = FSeriesList.IndexOf(series);
    if (index < 0)
        return;
    BroadcastSeriesEvent(series, seRemove);
    series->Removed();
    FSeriesList.Remove(series);
    Invalidate();
}

void TCustomAxisPanel::FreeAllSeries(const QString& seriesClassName)
{
    int i = 0;
    while (i < SeriesCount()) {
        TChartSeries* series = Series(i);
        bool matches = seriesClassName.isEmpty();
        if (!matches) {
            const TPersistentClass cls = GetClass(series->ClassName());
            matches = cls ? cls->InheritsFrom(seriesClassName) : SameText(series->ClassName(), seriesClassName);
        }
        if (matches) {
            series->SetParentChart(nullptr);
            series->Free();
        } else {
            ++i;
        }
    }
}

void TCustomAxisPanel::ExchangeSeries(int a, int b)
{
    TChartSeries* first = Series(a);
    TChartSeries* second = Series(b);
    FSeriesList.Exchange(a, b);
    // Their places among the owner's components follow, so that streaming keeps the order.
    TComponent* owner = first->Owner();
    if (owner && owner == second->Owner()) {
        owner->ExchangeComponents(first->ComponentIndex(), second->ComponentIndex());
    }
    BroadcastSeriesEvent(nullptr, seSwap);
    Invalidate();
}

void TCustomAxisPanel::ExchangeSeries(TChartSeries* a, TChartSeries* b)
{
    ExchangeSeries(FSeriesList.IndexOf(a), FSeriesList.IndexOf(b));
}

int TCustomAxisPanel::GetMaxValuesCount() const
{
    int result = 0;
    for (int i = 0; i < SeriesCount(); ++i) {
        if (Series(i)->Active())
            result = std::max(result, Series(i)->Count());
    }
    return result;
}

void TCustomAxisPanel::BroadcastSeriesEvent(TCustomChartSeries* series, TChartSeriesEvent event)
{
    TTeeSeriesEvent e;
    e.Event = event;
    e.Series = series;
    BroadcastTeeEvent(&e);
}

TColor TCustomAxisPanel::GetFreeSeriesColor(bool checkBackground)
{
    // The palette's used entries in order (its unused first slot would make the first series
    // black); the last one when every colour is taken.
    constexpr int paletteColours = 20;
    for (int i = 0; i < paletteColours; ++i) {
        if (IsFreeSeriesColor(GetDefaultColor(i), checkBackground))
            return GetDefaultColor(i);
    }
    return GetDefaultColor(paletteColours - 1);
}

void TCustomAxisPanel::CheckOtherSeries(TChartSeries* series, TChartSeries* source)
{
    // Walks the sources of source with a visit list, so that a loop that is already in the
    // data (read from a stream) cannot make the walk itself endless.
    QList<TChartSeries*> pending{source};
    QList<TChartSeries*> visited;
    while (!pending.isEmpty()) {
        TChartSeries* current = pending.takeLast();
        if (!current || visited.contains(current))
            continue;
        visited.append(current);
        if (current == series)
            throw ChartException(TeeMsg_CircularSeries);
        for (TComponent* c : current->DataSources()) {
            if (auto* s = dynamic_cast<TChartSeries*>(c)) {
                if (s == series)
                    throw ChartException(TeeMsg_CircularSeries);
                pending.append(s);
            }
        }
    }
}

bool TCustomAxisPanel::IsValidDataSource(TChartSeries* series, TComponent* source)
{
    if (auto* s = dynamic_cast<TChartSeries*>(source))
        return s != series && series->IsValidSeriesSource(s);
    if (auto* ss = dynamic_cast<TTeeSeriesSource*>(source))
        return ss->Available(this);
    return false;
}

void TCustomAxisPanel::CheckDatasource(TChartSeries* series)
{
    if (series->IsLoading())
        return;
    if (TComponent* source = series->DataSource()) {
        if (auto* s = dynamic_cast<TChartSeries*>(source))
            series->AddValues(s);
        else if (auto* ss = dynamic_cast<TTeeSeriesSource*>(source))
            ss->Refresh();
        return;
    }
    if (TTeeFunction* f = series->FunctionType(); f && f->NoSourceRequired()) {
        series->BeginUpdate();
        series->Clear();
        f->AddPoints(nullptr);
        series->EndUpdate();
    } else if (!series->ValuesEntered() && series->CanAddRandomPoints()) {
        series->FillSampleValues(series->NumSampleValues());
    }
}

void TCustomAxisPanel::RemovedDataSource(TChartSeries* series, TComponent* component)
{
    auto* source = dynamic_cast<TTeeSeriesSource*>(component);
    if (source && series->DataSource() == component)
        source->SetSeries(nullptr);
}

void TCustomAxisPanel::SetPage(int value)
{
    value = std::max(1, std::min(value, NumPages()));
    if (!SetProp(FPage, value))
        return;
    BroadcastTeeChangePage();
    if (OnPageChange)
        OnPageChange(this);
}

void TCustomAxisPanel::SetMaxPointsPerPage(int value)
{
    if (value < 0)
        throw ChartException(TeeMsg_MaxPointsPerPage);
    SetIntegerProperty(FMaxPointsPerPage, value);
    if (FPage > NumPages())
        SetPage(NumPages());
    BroadcastTeeChangePage();
}

void TCustomAxisPanel::BroadcastTeeChangePage()
{
    TChartChangePage e;
    BroadcastTeeEvent(&e);
}

void TCustomAxisPanel::BroadcastToolEvent(TChartToolEvent event, TToolsTold told)
{
    for (int i = 0; i < FTools.Count(); ++i) {
        TTeeCustomTool* tool = FTools.Get(i);
        if (tool->Active() && (told == ttAll || tool->FeedbackOverFrame() == (told == ttOverFrame)))
            tool->ChartEvent(event);
    }
}

void TCustomAxisPanel::SetAxisVisible(bool value) { SetBooleanProperty(FAxisVisible, value); }
void TCustomAxisPanel::SetAxisBehind(bool value) { SetBooleanProperty(FAxisBehind, value); }
void TCustomAxisPanel::SetScaleLastPage(bool value) { SetBooleanProperty(FScaleLastPage, value); }

int TCustomAxisPanel::AxisSidePages(bool horizontal) const
{
    // The two standard axes of that side; each gives the pages of its largest active series.
    int result = 1;
    for (int side = 0; side < 2; ++side) {
        int most = 0;
        for (int i = 0; i < SeriesCount(); ++i) {
            TChartSeries* s = Series(i);
            if (!s->Active())
                continue;
            const bool associated = horizontal ? s->AssociatedToHorizAxis(side == 0 ? aBottomAxis : aTopAxis)
                                               : s->AssociatedToVertAxis(side == 0 ? aLeftAxis : aRightAxis);
            if (associated)
                most = std::max(most, s->Count());
        }
        const int pages = most > 0 ? (most + FMaxPointsPerPage - 1) / FMaxPointsPerPage : 1;
        result = std::max(result, pages);
    }
    return result;
}

int TCustomAxisPanel::NumPages() const
{
    if (FMaxPointsPerPage < 1 || SeriesCount() == 0)
        return 1;
    return AxisSidePages(Series(0)->MandatoryIsY());
}

void TCustomAxisPanel::GetChildren(const TGetChildProc& Proc, TComponent* Root)
{
    TCustomTeePanelExtended::GetChildren(Proc, Root);
    // Internal series are made by their owners again on load, so they are not stored.
    for (int i = 0; i < SeriesCount(); ++i)
        if (!Series(i)->InternalUse())
            Proc(Series(i));
}

bool TCustomAxisPanel::CheckMouseSeries(int x, int y)
{
    for (int i = SeriesCount() - 1; i >= 0; --i) {
        if (Series(i)->Active() && Series(i)->CheckMouse(x, y))
            return true;
    }
    return false;
}

TChartSeries* TCustomAxisPanel::SeriesLegend(int index, bool onlyActive) const
{
    int n = 0;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (s->ShowInLegend() && (!onlyActive || s->Active())) {
            if (n == index)
                return s;
            ++n;
        }
    }
    return nullptr;
}

QString TCustomAxisPanel::SeriesTitleLegend(int index, bool onlyActive) const
{
    TChartSeries* s = SeriesLegend(index, onlyActive);
    return s ? SeriesTitleOrName(s) : QString();
}

QString TCustomAxisPanel::FormattedValueLegend(TChartSeries*, int)
{
    return QString();
}

void TCustomAxisPanel::SetDesigner(TTeeCustomDesigner* value)
{
    FDesigner.reset(value);
}
