#pragma once

// A chart that counts its repaints and records its series events, and a function that sums
// the shown values of a group of source points.

#include <QList>
#include <utility>

#include "chart/core/TeEngine.h"

class TTestChart : public TCustomAxisPanel, public ITeeEventListener
{
public:
    explicit TTestChart(TComponent* owner = nullptr) : TCustomAxisPanel(owner) { Listeners().Add(this); }
    // The chart frees its series after this part is gone; they must not call back into it.
    ~TTestChart() override { RemoveListener(this); }
    void Invalidate() override
    {
        if (RepaintEnabled())
            ++Invalidates;
    }
    int32_t CalcWallSize(const TChartAxis*) override { return 0; }
    void HandleTeeEvent(TTeeEvent* event) override
    {
        if (auto* e = dynamic_cast<TTeeSeriesEvent*>(event))
            Events.append({e->Series, e->Event});
        else if (dynamic_cast<TChartChangePage*>(event))
            ++PageEvents;
    }
    // A colour is free when no series has it.
    bool IsFreeSeriesColor(TColor colour, bool) override
    {
        for (int i = 0; i < SeriesCount(); ++i) {
            if (Series(i)->SeriesColor() == colour)
                return false;
        }
        return true;
    }

    int Invalidates = 0;
    int PageEvents = 0;
    QList<std::pair<TCustomChartSeries*, TChartSeriesEvent>> Events;
};

class TSumFunction : public TTeeFunction
{
public:
    explicit TSumFunction(TComponent* owner) : TTeeFunction(owner) {}
    double Calculate(TChartSeries* source, int first, int last) override
    {
        if (first < 0) {
            first = 0;
            last = source->Count() - 1;
        }
        double sum = 0;
        TChartValueList* list = ValueList(source);
        for (int i = first; i <= last; ++i)
            sum += list->GetValue(i);
        return sum;
    }
    double CalculateMany(const QList<TChartSeries*>& sources, int index) override
    {
        double sum = 0;
        for (TChartSeries* s : sources) {
            if (index < s->Count())
                sum += s->YValue(index);
        }
        return sum;
    }
};

class TSumMovingFunction : public TTeeMovingFunction
{
public:
    explicit TSumMovingFunction(TComponent* owner) : TTeeMovingFunction(owner) {}
    double Calculate(TChartSeries* source, int first, int last) override
    {
        double sum = 0;
        for (int i = first; i <= last; ++i)
            sum += source->YValue(i);
        return sum;
    }
};

// The X and Y values of a series, for comparing whole series at once.
inline QList<std::pair<double, double>> Points(const TChartSeries& s)
{
    QList<std::pair<double, double>> result;
    for (int i = 0; i < s.Count(); ++i)
        result.append({s.XValue(i), s.YValue(i)});
    return result;
}
