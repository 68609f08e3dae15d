#include "chart/components/TeeSeriesTypes.h"

#include "chart/components/Chart.h"
#include "chart/core/Canvas3D.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/TeeCustomTool.h"
#include "chart/core/TeeFunction.h"
#include "chart/core/Teeconst.h"
#include "chart/core/TextFields.h"
#include "platform/Exceptions.h"
#include "platform/Random.h"
#include "platform/graphics/Canvas.h"

#include <memory>

TTeeSeriesTypes* TeeSeriesTypes = nullptr;
TTeeToolTypes* TeeToolTypes = nullptr;

namespace {
int startCount = 0;
} // namespace

void ChartUnitInitialize()
{
    if (startCount++ != 0)
        return;
    Randomize();
    TeeSeriesTypes = new TTeeSeriesTypes;
    TeeToolTypes = new TTeeToolTypes;
}

void ChartUnitFinalize()
{
    if (startCount == 0 || --startCount != 0)
        return;
    delete TeeToolTypes;
    TeeToolTypes = nullptr;
    delete TeeSeriesTypes;
    TeeSeriesTypes = nullptr;
}

// ---- the gallery ----

TTeeSeriesType* TTeeSeriesTypes::Find(TPersistentClass seriesClass) const
{
    for (TTeeSeriesType* t : FItems) {
        if (t->SeriesClass == seriesClass && !t->FunctionClass)
            return t;
    }
    return nullptr;
}

void TTeeSeriesTypes::Clear()
{
    for (TTeeSeriesType* t : FItems)
        delete t;
    FItems.clear();
}

void TTeeSeriesTypes::Delete(int index)
{
    delete FItems.takeAt(index);
}

void RegisterTeeSeriesFunction(TPersistentClass seriesClass, TPersistentClass functionClass,
                               const QString* description, const QString* galleryPage, int numGallerySeries)
{
    // Entering a class again keeps it known to streaming (its registry entry stays the same).
    for (TPersistentClass cls : {seriesClass, functionClass}) {
        if (cls)
            RegisterClass(cls->Name, cls->ParentName, cls->Factory, cls->Type);
    }
    if (!TeeSeriesTypes)
        return;
    for (int i = 0; i < TeeSeriesTypes->Count(); ++i) {
        const TTeeSeriesType* t = TeeSeriesTypes->Get(i);
        if (t->SeriesClass == seriesClass && t->FunctionClass == functionClass)
            return;
    }
    auto* entry = new TTeeSeriesType;
    entry->SeriesClass = seriesClass;
    entry->FunctionClass = functionClass;
    entry->FDescription = description;
    entry->FGalleryPage = galleryPage;
    entry->NumGallerySeries = numGallerySeries;
    TeeSeriesTypes->Add(entry);
}

void RegisterTeeSeries(TPersistentClass seriesClass, const QString* description, const QString* galleryPage,
                       int numGallerySeries)
{
    RegisterTeeSeriesFunction(seriesClass, nullptr, description, galleryPage, numGallerySeries);
}

void RegisterTeeFunction(TPersistentClass functionClass, const QString* description, const QString* galleryPage,
                         int numGallerySeries)
{
    RegisterTeeSeriesFunction(nullptr, functionClass, description, galleryPage, numGallerySeries);
}

void RegisterTeeBasicFunction(TPersistentClass functionClass, const QString* description)
{
    RegisterTeeFunction(functionClass, description, &TeeMsg_GalleryStandard, 2);
}

namespace {

template <class Pick>
void UnRegisterEntries(std::initializer_list<TPersistentClass> classes, Pick pick)
{
    if (!TeeSeriesTypes)
        return;
    for (TPersistentClass cls : classes) {
        for (int i = TeeSeriesTypes->Count() - 1; i >= 0; --i) {
            if (pick(TeeSeriesTypes->Get(i)) == cls)
                TeeSeriesTypes->Delete(i);
        }
    }
}

} // namespace

void UnRegisterTeeSeries(std::initializer_list<TPersistentClass> seriesClasses)
{
    UnRegisterEntries(seriesClasses, [](const TTeeSeriesType* t) { return t->SeriesClass; });
}

void UnRegisterTeeFunctions(std::initializer_list<TPersistentClass> functionClasses)
{
    UnRegisterEntries(functionClasses, [](const TTeeSeriesType* t) { return t->FunctionClass; });
}

void RegisterTeeTools(std::initializer_list<TPersistentClass> toolClasses)
{
    for (TPersistentClass cls : toolClasses) {
        if (!cls || !TeeToolTypes || TeeToolTypes->IndexOf(cls) >= 0)
            continue;
        RegisterClass(cls->Name, cls->ParentName, cls->Factory, cls->Type);
        TeeToolTypes->Add(cls);
    }
}

void UnRegisterTeeTools(std::initializer_list<TPersistentClass> toolClasses)
{
    for (TPersistentClass cls : toolClasses) {
        if (TeeToolTypes)
            TeeToolTypes->Remove(cls);
    }
}

QString GetGallerySeriesName(const TChartSeries* series)
{
    const QString name = series->ClassName();
    if (TeeSeriesTypes) {
        if (const TTeeSeriesType* t = TeeSeriesTypes->Find(GetClass(name)))
            return t->Description();
    }
    return name;
}

// ---- the series factory ----

QString GetNewSeriesName(const TComponent* owner)
{
    return TeeGetUniqueName(owner, QStringLiteral("Series"));
}

TTeeFunction* CreateNewTeeFunction(TChartSeries* series, TPersistentClass functionClass)
{
    TComponent* owner = series->Owner();
    std::unique_ptr<TPersistent, void (*)(TPersistent*)> made(functionClass->Create(owner),
                                                              [](TPersistent* p) { FreeObject(p); });
    auto* function = dynamic_cast<TTeeFunction*>(made.get());
    if (!function)
        throw EInvalidCast(QStringLiteral("%1 is not a function class").arg(functionClass->Name));
    made.release();
    function->SetParentSeries(series);
    function->SetName(TeeGetUniqueName(owner, QStringLiteral("TeeFunction")));
    return function;
}

TChartSeries* CreateNewSeries(TComponent* owner, TCustomAxisPanel* chart, TPersistentClass seriesClass,
                              TPersistentClass functionClass)
{
    TComponent* seriesOwner = owner ? owner : chart;
    for (int i = 0; chart && i < chart->SeriesCount(); ++i) {
        if (chart->Series(i)->Owner() == chart) {
            seriesOwner = chart;
            break;
        }
    }
    TPersistent* made = seriesClass->Create(seriesOwner);
    auto* series = dynamic_cast<TChartSeries*>(made);
    if (!series) {
        FreeObject(made);
        throw EInvalidCast(QStringLiteral("%1 is not a series class").arg(seriesClass->Name));
    }
    series->SetName(GetNewSeriesName(seriesOwner));
    series->SetParentChart(chart);
    if (functionClass)
        CreateNewTeeFunction(series, functionClass);
    return series;
}

TChartSeries* CloneChartSeries(TChartSeries* series)
{
    const TPersistentClass functionClass =
        series->FunctionType() ? GetClass(series->FunctionType()->ClassName()) : nullptr;
    TChartSeries* clone =
        CreateNewSeries(series->Owner(), series->ParentChart(), FindClass(series->ClassName()), functionClass);
    clone->Assign(series);
    return clone;
}

void AssignSeries(TChartSeries*& oldSeries, TChartSeries*& newSeries)
{
    if (oldSeries == newSeries)
        return;
    // What may fail comes first, while the old series still stands as it was: the settings,
    // then the name, which the old series gives up only once the new one has taken it.
    newSeries->Assign(oldSeries);
    const QString name = oldSeries->Name();
    oldSeries->SetName(QString());
    try {
        newSeries->SetName(name);
    } catch (...) {
        oldSeries->SetName(name);
        throw;
    }
    newSeries->OnAfterAdd = oldSeries->OnAfterAdd;
    newSeries->OnBeforeAdd = oldSeries->OnBeforeAdd;
    newSeries->OnClearValues = oldSeries->OnClearValues;
    newSeries->OnClick = oldSeries->OnClick;
    newSeries->OnDblClick = oldSeries->OnDblClick;
    newSeries->OnGetMarkText = oldSeries->OnGetMarkText;
    newSeries->OnMouseEnter = oldSeries->OnMouseEnter;
    newSeries->OnMouseLeave = oldSeries->OnMouseLeave;
    // Series fed by the old one are fed by the new one.
    while (oldSeries->LinkedSeries()->Count() > 0)
        oldSeries->LinkedSeries()->Get(0)->ReplaceDataSource(oldSeries, newSeries);
    TCustomAxisPanel* chart = oldSeries->ParentChart();
    if (chart) {
        for (int i = 0; i < chart->Tools()->Count(); ++i) {
            auto* tool = dynamic_cast<TTeeCustomToolSeries*>(chart->Tools()->Get(i));
            if (tool && tool->Series() == oldSeries)
                tool->SetSeries(newSeries);
        }
        if (newSeries->ParentChart() == chart)
            chart->ExchangeSeries(oldSeries, newSeries);
    }
    FreeAndNil(oldSeries);
    if (TCustomAxisPanel* newChart = newSeries->ParentChart())
        newChart->BroadcastSeriesEvent(newSeries, seChangeTitle);
    if (newSeries->DataSource())
        newSeries->CheckDataSource();
}

void ChangeSeriesType(TChartSeries*& series, TPersistentClass seriesClass)
{
    if (!seriesClass || GetClass(series->ClassName()) == seriesClass)
        return;
    // The new series has the old one's owner and chart. Until the old one is freed a failure
    // frees the new one again, leaving the chart as it was.
    TPersistent* made = seriesClass->Create(series->Owner());
    auto* created = dynamic_cast<TChartSeries*>(made);
    if (!created) {
        FreeObject(made);
        throw EInvalidCast(QStringLiteral("%1 is not a series class").arg(seriesClass->Name));
    }
    try {
        created->SetParentChart(series->ParentChart());
        AssignSeries(series, created);
    } catch (...) {
        if (series)
            FreeObject(created);
        else
            series = created;
        throw;
    }
    series = created;
}

void ChangeAllSeriesType(TCustomAxisPanel* chart, TPersistentClass seriesClass)
{
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries* series = chart->Series(i);
        ChangeSeriesType(series, seriesClass);
    }
}

// ---- legend symbols anywhere ----

void PaintSeriesLegend(TChartSeries* series, TCanvas* canvas, const TRect& rect)
{
    std::unique_ptr<TChart> borrowed;
    if (!series->ParentChart()) {
        borrowed = std::make_unique<TChart>(nullptr);
        borrowed->SetRepaintEnabled(false);
        series->SetParentChart(borrowed.get());
    }
    // The chart leaves the series again however the drawing ends.
    struct Detach {
        TChartSeries* Series;
        bool Active;
        ~Detach()
        {
            if (Active)
                Series->SetParentChart(nullptr);
        }
    } detach{series, borrowed != nullptr};

    TCustomAxisPanel* chart = series->ParentChart();
    canvas->Brush()->SetStyle(bsSolid);
    if (auto* control = dynamic_cast<TCustomChart*>(chart)) {
        canvas->Brush()->SetColor(control->Legend()->Color());
        control->Legend()->PrepareSymbolPen();
    }
    TCanvas3D* chartCanvas = chart->Canvas3D();
    if (chartCanvas->GetSupportsFullRotation()) {
        series->DrawLegend(-1, rect);
        return;
    }
    TCanvas* saved = chartCanvas->Canvas();
    chartCanvas->SetCanvas(canvas);
    try {
        series->DrawLegend(-1, rect);
    } catch (...) {
        chartCanvas->SetCanvas(saved);
        throw;
    }
    chartCanvas->SetCanvas(saved);
}
