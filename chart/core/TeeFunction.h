#pragma once

// Functions that compute a series (their parent) from the points of one or more source
// series: how source points are grouped into periods, where each result is placed and how
// results are added. A concrete function supplies Calculate and CalculateMany.

#include <QList>
#include <QString>

#include "platform/Component.h"
#include "platform/TeeFiler.h"

class TChartSeries;
class TChartValueList;
class TCustomAxisPanel;

enum TFunctionPeriodStyle { psNumPoints, psRange };
enum TFunctionPeriodAlign { paFirst, paCenter, paLast };

class TTeeFunction : public TComponent, public TTeeStoredObject
{
public:
    explicit TTeeFunction(TComponent* AOwner);
    ~TTeeFunction() override;

    double Period() const { return FPeriod; }
    // ChartException for a negative period; a different value recalculates.
    void SetPeriod(double value);
    // Stores without recalculating.
    void InternalSetPeriod(double value) { FPeriod = value; }
    TFunctionPeriodStyle PeriodStyle() const { return FPeriodStyle; }
    void SetPeriodStyle(TFunctionPeriodStyle value);
    TFunctionPeriodAlign PeriodAlign() const { return FPeriodAlign; }
    void SetPeriodAlign(TFunctionPeriodAlign value);

    TChartSeries* ParentSeries() const { return FParent; }
    // The old parent forgets this function; the series takes it.
    void SetParentSeries(TChartSeries* value);
    // Called by the series that takes this function as its own.
    void InternalSetParentSeries(TChartSeries* value) { FParent = value; }

    // No recalculation between the two.
    void BeginUpdate() { FUpdating = true; }
    void EndUpdate();
    // Refills the parent through its data-source check.
    void ReCalculate();

    // The result for source points first..last (-1, -1: all).
    virtual double Calculate(TChartSeries* source, int first, int last);
    // The result for one index across several sources.
    virtual double CalculateMany(const QList<TChartSeries*>& sources, int valueIndex);
    // Whether the function accepts the series as a source.
    virtual bool IsValidSource(TChartSeries*) const { return true; }
    // Computes without source data (the parent then needs no data source).
    virtual bool NoSourceRequired() const { return false; }
    // Adds the results computed from source to the parent (which has been cleared).
    virtual void AddPoints(TChartSeries* source);
    // The list of source that the function reads.
    TChartValueList* ValueList(TChartSeries* source) const;
    // One result point, (x, y) when the source shows Y values, else (y, x).
    void AddFunctionXY(bool sourceYMandatory, double x, double y);
    virtual QString GetEditorClass() const { return QStringLiteral("TTeeFunctionEditor"); }
    // Every series of the chart takes its gallery look.
    void PrepareForGallery(TCustomAxisPanel* chart);

    // Period settings.
    void Assign(TPersistent* source) override;
    // The period settings, against a new function of the same class (a moving one starts
    // with a period of 1).
    void DefineProperties(TTeeFiler& filer) override;
    bool StoresAgainstNewObject() const override { return true; }
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* value) override;

protected:
    // A changed period setting recalculates the parent series.
    void PropertyChanged() override { ReCalculate(); }
    virtual void DoCalculation(TChartSeries* source, TChartValueList* list);
    virtual void CalculateAllPoints(TChartSeries* source, TChartValueList* list);
    virtual void CalculateByPeriod(TChartSeries* source, TChartValueList* list);
    virtual void CalculatePeriod(TChartSeries* source, double position, int first, int last);
    void CalculateManySources(TChartSeries* source);

private:
    double FPeriod = 0;
    TFunctionPeriodStyle FPeriodStyle = psNumPoints;
    TFunctionPeriodAlign FPeriodAlign = paCenter;
    TChartSeries* FParent = nullptr;
    bool FUpdating = false;
};

// Functions over a sliding window of Period points that ends at each result.
class TTeeMovingFunction : public TTeeFunction
{
public:
    explicit TTeeMovingFunction(TComponent* AOwner);

protected:
    void DoCalculation(TChartSeries* source, TChartValueList* list) override;
};

// Whole periods as a point count: the period rounded half to even, and at least 1.
int TeePeriodPoints(double period);
