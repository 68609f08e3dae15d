#pragma once

// Charts for the drawing tools.
// RecordingToolChart: 2D, drawing on the recording canvas, with the plot set to (0, 0)-(500, 400) and
// the four standard axes fixed at 0..100: 5 pixels a unit across from x 0, 4 pixels a unit up
// from y 400. It never paints by itself; it counts the repaints asked of it.
// PaintedToolChart: a real 2D chart of a line series that paints into its back buffer.

#include <QImage>
#include <memory>

#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "chart/core/ChartAxis.h"
#include "platform/TeeFiler.h"
#include "tests/chart/support/RecordingCanvas.h"

// A tool's stored lines as its chart writes them (against a new tool of its class), without
// the chart's prefix and the lines of its class and name.
inline QString StoredTool(TChart& chart, const TTeeCustomTool* tool)
{
    const QStringList lines = TeeWriteProperties(chart).split(QLatin1Char('\n'));
    QString prefix;
    for (const QString& line : lines)
        if (line.startsWith("Components.") && line.endsWith(".Class=" + tool->ClassName()))
            prefix = line.left(line.size() - tool->ClassName().size() - 6);
    QStringList out;
    for (const QString& line : lines)
        if (!prefix.isEmpty() && line.startsWith(prefix) && !line.startsWith(prefix + "Class=") &&
            !line.startsWith(prefix + "Name="))
            out << line.mid(prefix.size());
    return out.join(QLatin1Char('\n'));
}

// A new tool of the class read into the chart from such lines, as a stored chart reads it.
inline TTeeCustomTool* ReadTool(TChart& chart, const QString& className, const QString& text)
{
    QString all = "Components.Count=1\nComponents.0.Class=" + className;
    for (const QString& line : text.split(QLatin1Char('\n')))
        all += "\nComponents.0." + line;
    const int before = chart.Tools()->Count();
    TeeReadProperties(chart, all);
    return chart.Tools()->Count() > before ? chart.Tools()->Get(chart.Tools()->Count() - 1) : nullptr;
}

class InvalidationCountingChart : public TChart
{
public:
    using TChart::TChart;
    void Invalidate() override
    {
        ++Invalidations;
        TChart::Invalidate();
    }
    void InternalDraw(const TRect&) override {}
    int Invalidations = 0;
};

class RecordingToolChart
{
public:
    RecordingToolChart()
    {
        chart = std::make_unique<InvalidationCountingChart>(&owner);
        chart->SetBounds(0, 0, 600, 500);
        canvas = new TRecordingCanvas();
        chart->SetInternalCanvas(canvas);
        chart->SetView3D(false);
        chart->SetPlotRect(TRect(0, 0, 500, 400));
        chart->ReCalcWidthHeight();
        for (TChartAxis* axis : {chart->BottomAxis(), chart->TopAxis(), chart->LeftAxis(), chart->RightAxis()})
            FixAxis(axis, 0, 100);
        chart->Invalidations = 0;
    }
    ~RecordingToolChart()
    {
        chart->FreeAllSeries();
        chart.reset();
    }
    static void FixAxis(TChartAxis* axis, double min, double max)
    {
        axis->SetMinMax(min, max);
        axis->AdjustMaxMin();
        axis->InternalCalcPositions();
    }
    // A series of (x, y) values on the standard axes.
    TChartSeries* AddSeries(std::initializer_list<std::pair<double, double>> points)
    {
        auto* s = new TChartSeries(&owner);
        for (const auto& [x, y] : points)
            s->AddXY(x, y);
        chart->AddSeries(s);
        return s;
    }
    void Down(int x, int y, TMouseButton button = mbLeft) { chart->MouseDown(button, 0, x, y); }
    void Move(int x, int y) { chart->MouseMove(0, x, y); }
    void Up(int x, int y, TMouseButton button = mbLeft) { chart->MouseUp(button, 0, x, y); }
    void Drag(int x0, int y0, int x1, int y1)
    {
        Down(x0, y0);
        Move(x1, y1);
        Up(x1, y1);
    }

    TComponent owner{nullptr};
    std::unique_ptr<InvalidationCountingChart> chart;
    TRecordingCanvas* canvas;
};

class PaintedToolChart
{
public:
    explicit PaintedToolChart(int points = 200)
    {
        chart = std::make_unique<TChart>(&owner);
        chart->SetBounds(0, 0, 320, 240);
        chart->SetView3D(false);
        chart->Legend()->SetVisible(false);
        series = new TLineSeries(&owner);
        for (int i = 0; i < points; ++i)
            series->AddXY(i, (i * 37) % 101);
        chart->AddSeries(series);
        Paint();
    }
    ~PaintedToolChart()
    {
        chart->FreeAllSeries();
        chart.reset();
    }
    const QImage& Paint()
    {
        chart->Invalidate();
        chart->Update();
        return Buffer();
    }
    const QImage& Buffer() { return chart->BackBuffer(); }
    QImage Copy() { return Buffer().copy(); }
    unsigned At(int x, int y) { return Buffer().pixel(x, y) & 0xFFFFFFu; }
    int X(double value) const { return chart->BottomAxis()->CalcPosValue(value); }
    int Y(double value) const { return chart->LeftAxis()->CalcPosValue(value); }

    TComponent owner{nullptr};
    std::unique_ptr<TChart> chart;
    TLineSeries* series;
};
