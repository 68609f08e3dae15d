#pragma once

// The series gallery and the tool types: which series, function and tool classes exist, under
// which description and gallery page; and the routines that make, clone and change series.
// Both registries live from the chart unit's start-up to its finish.

#include <QList>
#include <QString>
#include <initializer_list>

#include "platform/ClassRegistry.h"

class TCanvas;
class TChartSeries;
class TCustomAxisPanel;
class TTeeFunction;
struct TRect;

// One gallery entry: a series class, a function class, or both. The texts are message
// variables, so an entry shows the current language.
class TTeeSeriesType : public TObject
{
public:
    TPersistentClass SeriesClass = nullptr;
    TPersistentClass FunctionClass = nullptr;
    const QString* FDescription = nullptr;
    const QString* FGalleryPage = nullptr;
    int NumGallerySeries = 1;

    QString Description() const { return FDescription ? *FDescription : QString(); }
    QString GalleryPage() const { return FGalleryPage ? *FGalleryPage : QString(); }
};

// The gallery entries in registration order; owned.
class TTeeSeriesTypes
{
public:
    TTeeSeriesTypes() = default;
    TTeeSeriesTypes(const TTeeSeriesTypes&) = delete;
    TTeeSeriesTypes& operator=(const TTeeSeriesTypes&) = delete;
    ~TTeeSeriesTypes() { Clear(); }

    int Count() const { return static_cast<int>(FItems.size()); }
    TTeeSeriesType* Get(int index) const { return FItems.at(index); }
    // The first entry of that series class that carries no function, or null.
    TTeeSeriesType* Find(TPersistentClass seriesClass) const;
    // Frees every entry, then empties the list.
    void Clear();

    void Add(TTeeSeriesType* entry) { FItems.append(entry); }
    // Frees the entry at index.
    void Delete(int index);

private:
    QList<TTeeSeriesType*> FItems;
};

// The tool classes in registration order; not owned (they are the class registry's).
class TTeeToolTypes
{
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TPersistentClass Get(int index) const { return FItems.at(index); }
    int IndexOf(TPersistentClass cls) const { return static_cast<int>(FItems.indexOf(cls)); }
    void Add(TPersistentClass cls) { FItems.append(cls); }
    void Remove(TPersistentClass cls) { FItems.removeAll(cls); }

private:
    QList<TPersistentClass> FItems;
};

// Null outside the chart unit's start-up and finish.
extern TTeeSeriesTypes* TeeSeriesTypes;
extern TTeeToolTypes* TeeToolTypes;

// The chart unit: seeds the class library's generator from the clock and makes both registries;
// the finish frees them. Only the first start-up and the last finish act.
void ChartUnitInitialize();
void ChartUnitFinalize();

// Class references are class registry entries (a class registry entry is the class known to
// streaming). A pair already entered with the same series and function class is kept once.
void RegisterTeeSeriesFunction(TPersistentClass seriesClass, TPersistentClass functionClass,
                               const QString* description, const QString* galleryPage, int numGallerySeries);
void RegisterTeeSeries(TPersistentClass seriesClass, const QString* description, const QString* galleryPage,
                       int numGallerySeries);
void RegisterTeeFunction(TPersistentClass functionClass, const QString* description, const QString* galleryPage,
                         int numGallerySeries);
// On the standard page, with two gallery series.
void RegisterTeeBasicFunction(TPersistentClass functionClass, const QString* description);
// Frees every entry of each series class (of each function class).
void UnRegisterTeeSeries(std::initializer_list<TPersistentClass> seriesClasses);
void UnRegisterTeeFunctions(std::initializer_list<TPersistentClass> functionClasses);

// Appends each class not yet there; classes already there are skipped.
void RegisterTeeTools(std::initializer_list<TPersistentClass> toolClasses);
void UnRegisterTeeTools(std::initializer_list<TPersistentClass> toolClasses);

// The gallery description of the series' class, else its class name.
QString GetGallerySeriesName(const TChartSeries* series);
// "Series" and the smallest number that no component of owner has as its name.
QString GetNewSeriesName(const TComponent* owner);
// A function owned by the series' owner, feeding the series, named uniquely ("TeeFunction1").
TTeeFunction* CreateNewTeeFunction(TChartSeries* series, TPersistentClass functionClass);
// A new series of seriesClass on chart, owned by the chart when the chart owns any of its series,
// else by owner (the chart when owner is null), named by GetNewSeriesName; with a function of
// functionClass when one is given. EInvalidCast when the class does not make series.
TChartSeries* CreateNewSeries(TComponent* owner, TCustomAxisPanel* chart, TPersistentClass seriesClass,
                              TPersistentClass functionClass = nullptr);
// A copy of the series (look, points, function kind) on the same chart, under a new name.
TChartSeries* CloneChartSeries(TChartSeries* series);
// Moves everything of oldSeries into newSeries and frees oldSeries: events, data-source links
// both ways, series tools, the place in the chart's series list and the name. When newSeries
// cannot take the settings or the name, oldSeries is left as it was.
void AssignSeries(TChartSeries*& oldSeries, TChartSeries*& newSeries);
// Replaces the series by one of seriesClass, of the same owner, that carries the same points,
// look, links and name; on failure the series and its chart stay as they were.
void ChangeSeriesType(TChartSeries*& series, TPersistentClass seriesClass);
void ChangeAllSeriesType(TCustomAxisPanel* chart, TPersistentClass seriesClass);
// Draws the series' legend symbol into rect of any canvas; a series without a chart borrows a
// temporary one for the time it draws.
void PaintSeriesLegend(TChartSeries* series, TCanvas* canvas, const TRect& rect);
