#pragma once

// A chart of a known size drawing onto a recording canvas, with a plot rectangle set by hand,
// and plain series to fill it.

#include <memory>

#include "chart/components/Chart.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "tests/chart/support/RecordingCanvas.h"

// Counts its draws instead of drawing, so that tests see each synchronous repaint.
class CountingChart : public TChart
{
public:
    using TChart::TChart;
    void InternalDraw(const TRect&) override { ++Draws; }
    int Draws = 0;
};

class ChartFixture
{
public:
    explicit ChartFixture(const TRect& plot = TRect(0, 0, 500, 400))
    {
        chart = std::make_unique<CountingChart>(&owner);
        chart->SetBounds(0, 0, 600, 500);
        canvas = new TRecordingCanvas();
        chart->SetInternalCanvas(canvas);
        SetPlot(plot);
    }
    ~ChartFixture()
    {
        chart->FreeAllSeries();
        chart.reset();
    }
    void SetPlot(const TRect& plot)
    {
        chart->SetPlotRect(plot);
        chart->ReCalcWidthHeight();
    }
    TChartSeries* AddSeries(const QString& title, int points = 0)
    {
        auto* s = new TChartSeries(&owner);
        s->SetTitle(title);
        for (int i = 0; i < points; ++i)
            s->AddXY(i, i * 10);
        chart->AddSeries(s);
        return s;
    }
    // Fixed scales over the plot rectangle, as a draw would leave them.
    void FixAxis(TChartAxis* axis, double min, double max)
    {
        axis->SetMinMax(min, max);
        axis->AdjustMaxMin();
        axis->InternalCalcPositions();
    }

    TComponent owner{nullptr};
    std::unique_ptr<CountingChart> chart;
    TRecordingCanvas* canvas;
};
