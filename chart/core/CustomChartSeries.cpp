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

TCustomChartSeries::TSeriesHolder TCustomChartSeries::NewOfSameKind() const
{
    TSeriesHolder none(nullptr, FreeSeries);
    const TPersistentClass kind = GetClass(ClassName());
    if (!kind || !kind->Factory)
        return none;
    TPersistent* made = kind->Create(nullptr);
    auto* series = dynamic_cast<TCustomChartSeries*>(made);
    if (!series || typeid(*series) != typeid(*this)) {
        FreeObject(made);
        return none;
    }
    return {series, FreeSeries};
}

void TCustomChartSeries::DefineProperties(TTeeFiler& filer)
{
    TeeDefineText(filer, "Identifier", FIdentifier, QString(), [this](const QString& v) { SetIdentifier(v); });
    // Bits beyond the six flags are dropped on reading.
    filer.DefineProperty(
        "Style", [this](const QString& v) { SetStyle(static_cast<uint8_t>(TeeTextInt(v) & 63)); },
        [this] { return TeeIntText(FStyle & 63); }, FStyle != 0);
    // A kind may start with other values than the published defaults (bars show their marks):
    // writing compares with a new series of the same kind, so that reading the text into such
    // a series gives this one back. Reading takes whatever is there.
    if (!dynamic_cast<TTeePropertyReader*>(&filer)) {
        if (const auto fresh = NewOfSameKind()) {
            TCustomChartSeries* start = fresh.get();
            const TTeeStartValuesFiler::TStartTexts texts =
                TTeeStartValuesFiler::Record([start](TTeeFiler& f) { start->DefineStartProperties(f); });
            TTeeStartValuesFiler changed(filer, &texts);
            DefineStartProperties(changed);
            return;
        }
    }
    DefineStartProperties(filer);
}

void TCustomChartSeries::DefineStartProperties(TTeeFiler& filer)
{
    TeeDefineBool(filer, "Active", Active(), true, [this](bool v) { SetActive(v); });
    TeeDefineBool(filer, "ShowInLegend", FShowInLegend, true, [this](bool v) { SetShowInLegend(v); });
    TeeDefineText(filer, "Title", FTitle, QString(), [this](const QString& v) { SetTitle(v); });
}
