#include "chart/core/TeeSeriesSource.h"

#include <memory>

#include "chart/core/ChartSeries.h"

namespace {
std::unique_ptr<QList<QString>> sources;
}

QList<QString>& TeeSources()
{
    if (!sources)
        sources = std::make_unique<QList<QString>>();
    return *sources;
}

void TeeSourcesFinalize()
{
    sources.reset();
}

TTeeSeriesSource::~TTeeSeriesSource()
{
    Close();
    if (FSeries)
        FSeries->RemoveFreeNotification(this);
}

void TTeeSeriesSource::SetActive(bool value)
{
    if (value == FActive)
        return;
    if (!value) {
        if (FSeries && !FSeries->IsDestroying() && !IsDestroying())
            FSeries->Clear();
    } else if (FSeries && !IsLoading()) {
        Load();
    }
    FActive = value;
}

void TTeeSeriesSource::SetSeries(TChartSeries* value)
{
    if (value == FSeries)
        return;
    Close();
    TChartSeries* old = FSeries;
    if (old)
        old->RemoveFreeNotification(this);
    FSeries = value;
    if (FSeries) {
        FSeries->FreeNotification(this);
        FSeries->SetDataSource(this);
    } else if (old && !old->IsDestroying() && old->DataSource() == this) {
        old->SetDataSource(nullptr);
    }
}

bool TTeeSeriesSource::HasSeries(const TChartSeries* series) const
{
    const TComponent* source = series ? series->DataSource() : nullptr;
    return source && source->ClassName() == ClassName();
}

void TTeeSeriesSource::Close()
{
    if (!IsLoading() && !IsDestroying())
        SetActive(false);
}

void TTeeSeriesSource::Refresh()
{
    if (FActive && !IsLoading())
        Load();
}

void TTeeSeriesSource::Loaded()
{
    TComponent::Loaded();
    Refresh();
}

void TTeeSeriesSource::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSeries)
        SetSeries(nullptr);
}
