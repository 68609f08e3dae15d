// Where a series' points come from: other series, a function, a series source or sample
// values; chart membership; copying one series into another; the series' teardown.

#include <algorithm>
#include <cmath>

#include "chart/core/ChartException.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/ColorPalette.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/TeeFont.h"
#include "chart/core/TeeFunction.h"
#include "chart/core/TeeSeriesSource.h"
#include "chart/core/Teeconst.h"
#include "platform/ClassRegistry.h"
#include "platform/DateTime.h"
#include "platform/Random.h"
#include "platform/SysUtils.h"
#include "platform/TeeComponentFiler.h"

namespace {

// Whether series is source itself or one of the series that feed source, however far back.
bool FeedsFrom(const TChartSeries* source, const TChartSeries* series)
{
    QList<const TChartSeries*> pending{source};
    QList<const TChartSeries*> visited;
    while (!pending.isEmpty()) {
        const TChartSeries* current = pending.takeLast();
        if (visited.contains(current))
            continue;
        if (current == series)
            return true;
        visited.append(current);
        for (TComponent* c : current->DataSources())
            if (auto* s = dynamic_cast<const TChartSeries*>(c))
                pending.append(s);
    }
    return false;
}

} // namespace

// Teardown: the function, the links to sources and to linked series, the points, the chart.

void TChartSeries::Teardown()
{
    if (FTornDown)
        return;
    FTornDown = true;
    Destroying();
    if (TTeeFunction* f = FFunction) {
        FFunction = nullptr;
        f->InternalSetParentSeries(nullptr);
        f->Free();
    }
    UnlinkFromSources();
    const QList<TComponent*> sources = FDataSources;
    FDataSources.clear();
    for (TComponent* c : sources) {
        if (dynamic_cast<TTeeSeriesSource*>(c) && c->Owner() == this)
            c->Free();
    }
    while (FLinkedSeries.Count() > 0) {
        TChartSeries* linked = FLinkedSeries.Get(0);
        FLinkedSeries.Delete(0);
        linked->RemoveDataSource(this);
    }
    Clear();
    TChartSeries::SetParentChart(nullptr);
}

void TChartSeries::UnlinkFromSources()
{
    for (TComponent* c : FDataSources) {
        if (auto* s = dynamic_cast<TChartSeries*>(c))
            s->RemoveLinkedSeries(this);
    }
}

void TChartSeries::DropDataSources()
{
    UnlinkFromSources();
    FDataSources.clear();
}

// Chart membership.

void TChartSeries::SetParentChart(TCustomAxisPanel* value)
{
    if (value == ParentChart())
        return;
    if (TCustomAxisPanel* old = ParentChart())
        old->RemoveSeries(this);
    TCustomChartSeries::SetParentChart(value);
    FMarks->SetParent(value);
    if (value)
        value->InternalAddSeries(this);
}

void TChartSeries::Added()
{
    if (FSeriesColor == clDefault)
        SetSeriesColor(ParentChart()->GetFreeSeriesColor(true));
    RecalcGetAxis();
    CheckDataSource();
}

void TChartSeries::Removed()
{
    // The chart shows its own cursor again when it was showing the series' one.
    if (TCustomAxisPanel* chart = ParentChart(); chart && FCursor != 0 && chart->Cursor() == FCursor)
        chart->SetCursor(chart->SavedCursor());
    UnlinkFromSources();
    TCustomChartSeries::Removed();
    FMarks->SetParent(nullptr);
    RecalcGetAxis();
}

// Data sources.

void TChartSeries::SetDataSource(TComponent* value)
{
    if (!value) {
        if (IsDestroying())
            return;
        if (ParentChart() && DataSource())
            ParentChart()->RemovedDataSource(this, DataSource());
        DropDataSources();
        if (!FValuesEntered)
            Clear();
        CheckDataSource();
        return;
    }
    if (!ParentChart())
        throw ChartException(TeeMsg_SeriesSetDataSource);
    if (!ParentChart()->IsValidDataSource(this, value))
        throw ChartException(Format(TeeMsg_SeriesInvDataSource, {value->Name()}));
    if (FDataSources.contains(value))
        return;
    if (auto* series = dynamic_cast<TChartSeries*>(value))
        ParentChart()->CheckOtherSeries(this, series);
    if (!IsLoading()) {
        if (DataSource())
            ParentChart()->RemovedDataSource(this, DataSource());
        DropDataSources();
    }
    InternalAddDataSource(value);
    CheckDataSource();
}

void TChartSeries::InternalAddDataSource(TComponent* value)
{
    FDataSources.append(value);
    FValuesEntered = false;
    if (auto* series = dynamic_cast<TChartSeries*>(value)) {
        series->AddLinkedSeries(this);
        return;
    }
    value->FreeNotification(this);
    if (auto* source = dynamic_cast<TTeeSeriesSource*>(value)) {
        const bool wasActive = source->Active();
        if (wasActive)
            source->Close();
        TChartSeries* old = source->Series();
        if (old != this) {
            if (old && source->Owner() == old)
                InsertComponent(source);
            if (old && old->DataSources().contains(source))
                old->RemoveDataSource(source);
            source->SetSeries(this);
        }
        if (wasActive)
            source->Open();
    }
}

void TChartSeries::RemoveDataSource(TComponent* value)
{
    if (auto* series = dynamic_cast<TChartSeries*>(value))
        series->RemoveLinkedSeries(this);
    FDataSources.removeAll(value);
    CheckDataSource();
}

void TChartSeries::ReplaceDataSource(TChartSeries* oldSource, TChartSeries* replacement)
{
    oldSource->RemoveLinkedSeries(this);
    const qsizetype at = FDataSources.indexOf(oldSource);
    FDataSources.removeAll(oldSource);
    if (!FDataSources.contains(replacement))
        FDataSources.insert(at < 0 ? FDataSources.size() : at, replacement);
    replacement->AddLinkedSeries(this);
}

void TChartSeries::CheckDataSource()
{
    if (FUpdateCount == 0 && ParentChart())
        ParentChart()->CheckDatasource(this);
}

void TChartSeries::SetColorSource(const QString& value)
{
    if (FColorSource != value) {
        FColorSource = value;
        CheckDataSource();
    }
}

void TChartSeries::SetLabelsSource(const QString& value)
{
    if (FXLabelsSource != value) {
        FXLabelsSource = value;
        CheckDataSource();
    }
}

bool TChartSeries::IsValidSeriesSource(TChartSeries* series) const
{
    return !FFunction || FFunction->IsValidSource(series);
}

void TChartSeries::SetFunction(TTeeFunction* value)
{
    if (value == FFunction)
        return;
    TTeeFunction* old = FFunction;
    FFunction = value;
    if (old) {
        old->InternalSetParentSeries(nullptr);
        old->Free();
    }
    if (value) {
        if (TChartSeries* previous = value->ParentSeries(); previous && previous != this)
            previous->ForgetFunction();
        value->InternalSetParentSeries(this);
    }
    FValuesEntered = false;
    CheckDataSource();
}

void TChartSeries::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomChartSeries::Notification(AComponent, Operation);
    if (Operation != opRemove || FTornDown)
        return;
    if (AComponent == FFunction)
        FFunction = nullptr;
    if (AComponent == DataSource())
        SetDataSource(nullptr);
    else
        FDataSources.removeAll(AComponent);
}

void TChartSeries::Loaded()
{
    TCustomChartSeries::Loaded();
    FMarks->Items().Loading = false;
    if (FHasDataSourceNames) {
        FDataSources.clear();
        for (const QString& name : FDataSourceNames) {
            // A name that the stored text does not give is the owner's component.
            TComponent* c = TeeReferencedComponent(name, ParentChart(), [this](const QString& ownerName) {
                return Owner() ? Owner()->FindComponent(ownerName) : nullptr;
            });
            // A stored list may name this series, or a series fed by it: such a link would
            // feed the series from itself without end, and is dropped as SetDataSource
            // refuses it. So is a name of anything that cannot feed a series (a tool), which
            // nothing would tell this series of when it is freed.
            if (auto* series = dynamic_cast<TChartSeries*>(c); series && FeedsFrom(series, this))
                continue;
            const bool canFeed = ParentChart() ? ParentChart()->IsValidDataSource(this, c)
                                               : dynamic_cast<TChartSeries*>(c) || dynamic_cast<TTeeSeriesSource*>(c);
            if (!canFeed)
                continue;
            if (c && !FDataSources.contains(c))
                InternalAddDataSource(c);
        }
        FDataSourceNames.clear();
        FHasDataSourceNames = false;
    }
    CheckDataSource();
}

// Copying points from a source series.

int TChartSeries::AddChartValue(TChartSeries* source, int valueIndex)
{
    double x = source->XValue(valueIndex);
    double y = source->YValue(valueIndex);
    if (source->MandatoryIsY() != FMandatoryIsY)
        std::swap(x, y);
    FXValues->PendingValue = x;
    FYValues->PendingValue = y;
    const int index = FXValues->AddChartValue(x);
    FYValues->InsertChartValue(index, y);
    const int sourceLists = source->OwnValueListCount();
    for (int i = 2; i < FValueLists.Count(); ++i) {
        TChartValueList* list = FValueLists.Get(i);
        // A lent list gives a copied point what it gives any new point.
        double v = list->PendingValue;
        if (!list->Lent)
            v = i < sourceLists ? source->FValueLists.Get(i)->GetValue(valueIndex) : 0;
        list->InsertChartValue(index, v);
    }
    return index;
}

void TChartSeries::AddedValue(TChartSeries* source, int valueIndex)
{
    const int index = AddChartValue(source, valueIndex);
    TColor colour = clDefault;
    if (source->FColors && valueIndex < source->FColors->Count())
        colour = (*source->FColors)[valueIndex];
    InsertColorAndLabel(index, colour, source->XLabel(valueIndex));
    NotifyNewValue(this, index);
}

void TChartSeries::DeletedValue(TChartSeries* source, int valueIndex)
{
    // A range delete (-1) or a point this series does not have: copy the source again
    // rather than touch entries that are not there.
    if (valueIndex < 0 || valueIndex >= Count())
        AddValues(source);
    else
        Delete(valueIndex);
}

void TChartSeries::AddValues(TChartSeries* source)
{
    BeginUpdate();
    Clear();
    if (FFunction) {
        FXValues->InitDateTime(source->XValues()->DateTime());
        FYValues->InitDateTime(source->YValues()->DateTime());
        FFunction->AddPoints(source);
    } else if (IsValidSourceOf(source)) {
        for (int i = 0; i < source->Count(); ++i)
            AddedValue(source, i);
    }
    EndUpdate();
}

// Sample values.

bool TChartSeries::CanAddRandomPoints() const
{
    return TeeRandomAtRunTime || IsDesigning();
}

void TChartSeries::FillSampleValues(int numValues)
{
    if (numValues < 0)
        throw ChartException(TeeMsg_FillSample);
    if (numValues == 0)
        numValues = FPresetSampleCount > 0 ? FPresetSampleCount : NumSampleValues();
    Clear();
    BeginUpdate();
    RandSeed = static_cast<uint32_t>(Random(7774444));
    AddSampleValues(numValues);
    CheckOrder();
    EndUpdate();
    FValuesEntered = false;
}

namespace {

// Ranges of the chart's points, over the series that have any.
bool ChartRanges(TCustomAxisPanel* chart, double& minX, double& maxX, double& minY, double& maxY)
{
    bool any = false;
    for (int i = 0; chart && i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->Series(i);
        if (!s->Active() || s->Count() == 0)
            continue;
        if (!any) {
            minX = s->MinXValue();
            maxX = s->MaxXValue();
            minY = s->MinYValue();
            maxY = s->MaxYValue();
            any = true;
        } else {
            minX = std::min(minX, s->MinXValue());
            maxX = std::max(maxX, s->MaxXValue());
            minY = std::min(minY, s->MinYValue());
            maxY = std::max(maxY, s->MaxYValue());
        }
    }
    return any;
}

int32_t ClampedRange(double range)
{
    return static_cast<int32_t>(std::clamp(range, -2147483647.0, 2147483647.0));
}

} // namespace

void TChartSeries::AddSampleValues(int numValues)
{
    double minX = 0;
    double maxX = 0;
    double minY = 0;
    double maxY = 0;
    if (ChartRanges(ParentChart(), minX, maxX, minY, maxY) && ParentChart()->GetMaxValuesCount() > 0) {
        if (maxX == minX)
            maxX = minX != 0 ? 2 * minX : numValues - 1;
        if (maxY == minY) {
            if (minY != 0)
                maxY = 2 * minY;
            else
                maxY = 1000;
        }
        if (!FMandatoryIsY) {
            std::swap(minX, minY);
            std::swap(maxX, maxY);
        }
    } else {
        if (FXValues->DateTime()) {
            minX = std::floor(Now());
            maxX = minX + numValues - 1;
        } else {
            minX = 0;
            maxX = numValues - 1;
        }
        minY = 0;
        maxY = 1000;
    }
    const double stepX = numValues > 1 ? (maxX - minX) / (numValues - 1) : 0;
    const int32_t rangeY = ClampedRange(maxY - minY);
    double y = minY + Random(rangeY);
    const int32_t r = rangeY / 4;
    double x = minX;
    for (int i = 0; i < numValues; ++i) {
        y = std::fabs(y + Random(r) - r / 2);
        if (FMandatoryIsY)
            AddXY(x, y, QString(), clDefault);
        else
            AddXY(y, x, QString(), clDefault);
        x += stepX;
    }
}

void TChartSeries::PrepareForGallery(bool isEnabled)
{
    FillSampleValues(4);
    FMarks->SetVisible(false);
    FMarks->Font()->SetSize(7);
    FMarks->SetArrowLength(4);
    FMarks->SetDrawEvery(2);
    SetColorEachPoint(false);
    if (isEnabled) {
        const bool first = ParentChart() && ParentChart()->SeriesCount() > 0 && ParentChart()->Series(0) == this;
        const int index = first ? clTeeGallery1 : clTeeGallery2;
        SetSeriesColor(index >= 0 && index < ColorPalette.size() ? ColorPalette[index] : clDefault);
    } else {
        SetSeriesColor(clSilver);
    }
}

void TChartSeries::CreateSubGallery(TSubGallery& gallery)
{
    gallery.Add(TeeMsg_Normal);
}

// Copying one series into another.

void TChartSeries::AssignFormat(TChartSeries* source)
{
    if (DataSource())
        SetDataSource(nullptr);
    const bool crosswise = source->FMandatoryIsY != FMandatoryIsY;
    FXValues->Assign(crosswise ? source->FYValues : source->FXValues);
    FYValues->Assign(crosswise ? source->FXValues : source->FYValues);
    FXLabelsSource = source->FXLabelsSource;
    FColorSource = source->FColorSource;
    for (int i = 2; i < std::min(OwnValueListCount(), source->OwnValueListCount()); ++i)
        FValueLists.Get(i)->Assign(source->FValueLists.Get(i));
    FMarks->Assign(source->FMarks.get());
    FSeriesColor = source->FSeriesColor;
    FColorEachPoint = source->FColorEachPoint;
    FValueFormat = source->FValueFormat;
    FPercentFormat = source->FPercentFormat;
    FCustomHorizAxis = source->FCustomHorizAxis;
    FCustomVertAxis = source->FCustomVertAxis;
    FHorizAxis = source->FHorizAxis;
    FVertAxis = source->FVertAxis;
    FRecalcOptions = source->FRecalcOptions;
    FCursor = source->FCursor;
    FDepth = source->FDepth;
    RecalcGetAxis();
}

void TChartSeries::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TChartSeries*>(source);
    if (!other) {
        TCustomChartSeries::Assign(source);
        return;
    }
    TCustomChartSeries::Assign(source);
    AssignFormat(other);
    // A series computed by a function gets a function of the same kind.
    if (other->FFunction && !FFunction) {
        if (TPersistentClass cls = GetClass(other->FFunction->ClassName())) {
            TPersistent* created = cls->Create(Owner());
            if (auto* f = dynamic_cast<TTeeFunction*>(created)) {
                f->Assign(other->FFunction);
                SetFunction(f);
            } else {
                FreeObject(created);
            }
        }
    }
    FValuesEntered = other->FValuesEntered;
    if (!other->FDataSources.isEmpty()) {
        for (TComponent* c : other->FDataSources) {
            if (!FDataSources.contains(c) && c != this)
                InternalAddDataSource(c);
        }
    } else if (!other->IsDesigning()) {
        const bool entered = FValuesEntered;
        AssignValues(other);
        FValuesEntered = entered;
    }
    CheckDataSource();
}
