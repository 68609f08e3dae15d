#include "chart/core/TeeCustomTool.h"

#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"

TTeeCustomTool::~TTeeCustomTool()
{
    TTeeCustomTool::SetParentChart(nullptr);
}

void TTeeCustomTool::SetParentChart(TCustomAxisPanel* value)
{
    if (TCustomAxisPanel* old = ParentChart()) {
        old->Tools()->Remove(this);
        if (!value)
            old->Invalidate();
    }
    TCustomChartElement::SetParentChart(value);
    if (value)
        static_cast<TTypedList<TTeeCustomTool>*>(value->Tools())->Add(this);
}

void TTeeCustomToolSeries::SetSeries(TChartSeries* value)
{
    if (FSeries == value)
        return;
    if (FSeries)
        FSeries->RemoveFreeNotification(this);
    FSeries = value;
    if (FSeries)
        FSeries->FreeNotification(this);
}

void TTeeCustomToolSeries::Notification(TComponent* AComponent, TOperation Operation)
{
    TTeeCustomTool::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSeries)
        SetSeries(nullptr);
}
