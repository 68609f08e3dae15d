#include "chart/core/CustomChartSeries.h"

#include <typeinfo>

#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeCustomTool.h"
#include "platform/ClassRegistry.h"

TCustomChartSeries::TCustomChartSeries(TComponent* AOwner) : TCustomChartElement(AOwner) {}

void TCustomChartSeries::SetTitle(const QString& value)
{
    SetStringProperty(FTitle, value);
    if (ParentChart())
        ParentChart()->BroadcastSeriesEvent(this, seChangeTitle);
    RepaintDesigner();
}

void TCustomChartSeries::SetActive(bool value)
{
    TCustomChartElement::SetActive(value);
    if (ParentChart())
        ParentChart()->BroadcastSeriesEvent(this, seChangeActive);
    RepaintDesigner();
}

void TCustomChartSeries::RepaintDesigner()
{
    if (ParentChart() && ParentChart()->Designer())
        ParentChart()->Designer()->Repaint();
}

void TCustomChartSeries::Removed()
{
    ClearParentChart();
}

void TCustomChartSeries::GalleryChanged3D(bool value)
{
    if (ParentChart())
        ParentChart()->SetView3D(value);
}

bool TCustomChartSeries::SameClass(const TCustomChartSeries* series) const
{
    // The same class, or, for registered classes, one derived from the other.
    if (!series)
        return false;
    if (typeid(*this) == typeid(*series))
        return true;
    const TPersistentClass mine = GetClass(ClassName());
    const TPersistentClass theirs = GetClass(series->ClassName());
    return mine && theirs && (mine->InheritsFrom(theirs->Name) || theirs->InheritsFrom(mine->Name));
}

void TCustomChartSeries::CalcHorizMargins(int& left, int& right)
{
    left = 0;
    right = 0;
}

void TCustomChartSeries::CalcVerticalMargins(int& top, int& bottom)
{
    top = 0;
    bottom = 0;
}

void TCustomChartSeries::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TCustomChartSeries*>(source)) {
        FShowInLegend = other->FShowInLegend;
        FTitle = other->FTitle;
        FStyle = other->FStyle;
        FIdentifier = other->FIdentifier;
    }
    TCustomChartElement::Assign(source);
}

void TCustomChartSeries::DefineProperties(TTeeFiler& filer)
{
    filer.DefineProperty(
        "Identifier", [this](const QString& v) { FIdentifier = TeeUnescapeText(v); },
        [this] { return TeeEscapeText(FIdentifier); }, !FIdentifier.isEmpty());
    // Bits beyond the six flags are dropped on reading.
    filer.DefineProperty(
        "Style", [this](const QString& v) { FStyle = static_cast<uint8_t>(TeeTextInt(v) & 63); },
        [this] { return TeeIntText(FStyle & 63); }, FStyle != 0);
}
