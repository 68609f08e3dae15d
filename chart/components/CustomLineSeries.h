#pragma once

// The base of the line-drawing series types: a series whose pen is its line.

#include "chart/core/ChartSeries.h"

class TCustomLineSeries : public TChartSeries
{
public:
    explicit TCustomLineSeries(TComponent* AOwner) : TChartSeries(AOwner) {}
    TChartPen* LinePen() const { return Pen(); }
    void SetLinePen(TChartPen* value) { SetPen(value); }
};
