#include "chart/editors/ChartWidget.h"

#include "chart/components/Chart.h"

TChartWidget::TChartWidget(QWidget* parent) : TControlHost(parent), FChart(new TChart(nullptr))
{
    // The wheel reaches the chart under the pointer; clicking gives it the focus as well.
    setFocusPolicy(Qt::WheelFocus);
    SetControl(FChart, true);
}

TChartWidget::~TChartWidget() = default;
