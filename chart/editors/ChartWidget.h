#pragma once

// The chart on a form: a host widget that owns one TChart. Designer forms promote a plain
// QWidget to this class; the form then reaches the chart through Chart().

#include "platform/widgets/ControlHost.h"

class TChart;

class TChartWidget : public TControlHost
{
public:
    explicit TChartWidget(QWidget* parent = nullptr);
    ~TChartWidget() override;

    TChart* Chart() const { return FChart; }

private:
    TChart* FChart;
};
