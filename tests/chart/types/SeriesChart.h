#pragma once

// A plain 2D axis chart for the series types: white, no bevel, fixed bounds, optionally
// drawing on the recording canvas.

#include <QImage>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "tests/chart/support/RecordingCanvas.h"

class TSeriesChart : public TCustomAxisPanel
{
public:
    explicit TSeriesChart(int width = 400, int height = 300) : TCustomAxisPanel(nullptr)
    {
        SetBounds(0, 0, width, height);
        SetView3D(false);
        SetBevelOuter(bvNone);
        SetColor(clWhite);
    }
    bool IsFreeSeriesColor(TColor colour, bool) override
    {
        for (int i = 0; i < SeriesCount(); ++i)
            if (Series(i)->SeriesColor() == colour)
                return false;
        return true;
    }
    int32_t CalcWallSize(const TChartAxis*) override { return 0; }
    // No walls, titles or legend: the plot rectangle is the panel's.
    void CalcWallsRect() override {}
    void DrawTitlesAndLegend(bool) override {}
    void DrawWalls() override {}
    const QImage& Painted()
    {
        Invalidate();
        Update();
        return BackBuffer();
    }
    // Draws one frame on a new recording canvas, which the chart keeps (the first paint after
    // a canvas change is logged twice, so the log of a second paint is kept).
    TRecordingCanvas* Record()
    {
        auto* canvas = new TRecordingCanvas;
        SetInternalCanvas(canvas);
        Painted();
        canvas->Clear();
        Painted();
        return canvas;
    }
};

// Calls of that name drawn with the given pen colour, at any depth.
inline std::vector<const TCanvasCall*> CallsInColour(const TRecordingCanvas* canvas, const QString& name,
                                                    TColor colour)
{
    std::vector<const TCanvasCall*> out;
    for (const TCanvasCall* c : canvas->Find(name))
        if (c->Depth == 0 && c->PenColor == colour)
            out.push_back(c);
    return out;
}
