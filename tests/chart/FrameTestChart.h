#pragma once

// A chart whose walls, titles and legend only write their names into a trace, drawing on a
// recording canvas, and a series that traces each point it draws and each mark.

#include <QStringList>

#include "chart/core/TeEngine.h"
#include "support/RecordingCanvas.h"

class TFrameChart : public TCustomAxisPanel
{
public:
    explicit TFrameChart(TComponent* owner = nullptr) : TCustomAxisPanel(owner)
    {
        SetBevelOuter(bvNone);
        SetColor(clWhite);
        canvas = new TRecordingCanvas;
        SetInternalCanvas(canvas);
        OnBeforeDrawAxes = [this](TObject*) { trace << "axes"; };
        OnBeforeDrawSeries = [this](TObject*) { trace << "before series"; };
        OnAfterDraw = [this](TObject*) { trace << "after draw"; };
    }
    // One whole frame into the back buffer.
    void PaintFrame()
    {
        trace.clear();
        canvas->Clear();
        Invalidate();
        Update();
    }
    void CalcWallsRect() override
    {
        trace << "walls rect";
        CalcSize3DWalls();
    }
    int32_t CalcWallSize(const TChartAxis*) override { return 0; }
    void DrawTitlesAndLegend(bool beforeSeries) override
    {
        trace << (beforeSeries ? "titles before" : "titles after");
    }
    void DrawWalls() override { trace << "walls"; }
    bool IsFreeSeriesColor(TColor colour, bool) override
    {
        for (int i = 0; i < SeriesCount(); ++i)
            if (Series(i)->SeriesColor() == colour)
                return false;
        return true;
    }

    TRecordingCanvas* canvas;
    QStringList trace;
};

class TTraceSeries : public TChartSeries
{
public:
    TTraceSeries(TFrameChart* chart, const QString& name) : TChartSeries(chart->Owner()), FChart(chart), FName(name)
    {
        SetParentChart(chart);
        BeforeDrawValues = [this](TChartSeries*) { FChart->trace << "before " + FName; };
        AfterDrawValues = [this](TChartSeries*) { FChart->trace << "after " + FName; };
    }
    void DrawValue(int index) override { FChart->trace << FName + ":" + QString::number(index); }
    void DrawMark(int index, const QString& text, TSeriesMarkPosition& position) override
    {
        FChart->trace << "mark " + FName + ":" + QString::number(index);
        TChartSeries::DrawMark(index, text, position);
    }

private:
    TFrameChart* FChart;
    QString FName;
};
