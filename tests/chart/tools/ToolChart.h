#pragma once

// A white 600 x 400 chart with a point series whose axes are fixed, painted once so that the
// series' points have their pixels; and application services that record the hints and
// message passes the tools ask for.

#include <QImage>
#include <QStringList>

#include "chart/components/Chart.h"
#include "chart/components/CustomSeries.h"
#include "chart/core/ChartAxis.h"
#include "platform/graphics/ApplicationServices.h"

class ToolChart
{
public:
    // points: y = 10 * x at x = 0, 1, ...; axes 0..10 and 0..100.
    explicit ToolChart(int points = 5, bool view3D = false)
    {
        chart = new TChart(&owner);
        chart->SetBounds(0, 0, 600, 400);
        chart->SetView3D(view3D);
        chart->Legend()->SetVisible(false);
        series = new TPointSeries(&owner);
        chart->AddSeries(series);
        for (int i = 0; i < points; ++i)
            series->AddXY(i, i * 10);
        chart->BottomAxis()->SetMinMax(0, 10);
        chart->LeftAxis()->SetMinMax(0, 100);
        Paint();
    }
    void Paint()
    {
        chart->Invalidate();
        chart->Update();
    }
    TPoint At(int index) const { return TPoint(series->CalcXPos(index), series->CalcYPos(index)); }
    QImage Image() const { return chart->BackBuffer().copy(); }

    TComponent owner{nullptr};
    TChart* chart;
    TPointSeries* series;
};

class RecordingServices : public TApplicationServices
{
public:
    RecordingServices() { SetApplicationServices(this); }
    ~RecordingServices() override { SetApplicationServices(nullptr); }
    void ProcessMessages() override
    {
        ++Passes;
        if (OnProcess)
            OnProcess();
    }
    void ActivateHint(TCustomControl*, TPoint point, const QString& hint) override
    {
        Hints << hint;
        HintPoint = point;
    }
    void CancelHint() override { ++Cancels; }

    int Passes = 0;
    std::function<void()> OnProcess;
    QStringList Hints;
    TPoint HintPoint;
    int Cancels = 0;
};
