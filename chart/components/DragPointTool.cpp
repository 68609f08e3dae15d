#include "chart/components/DragPointTool.h"

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/Teeconst.h"

QString TDragPointTool::Description() const
{
    return TeeMsg_DragPoint;
}

void TDragPointTool::ChartMouseEvent(TChartMouseEvent event, TMouseButton, TShiftState, int x, int y)
{
    TChartSeries* series = Series();
    if (!series)
        return;
    switch (event) {
    case cmeDown:
        FIndex = series->Clicked(x, y);
        if (FIndex != -1)
            if (TCustomAxisPanel* chart = ParentChart() ? ParentChart() : series->ParentChart())
                chart->SetMouseCancelled(true); // the chart neither zooms nor scrolls
        break;
    case cmeMove:
        if (FIndex == -1)
            return;
        // Points deleted meanwhile end the drag.
        if (FIndex >= series->Count()) {
            FIndex = -1;
            return;
        }
        series->BeginUpdate();
        if (FDragStyle == dsX || FDragStyle == dsBoth)
            series->SetXValue(FIndex, series->GetHorizAxis()->CalcPosPoint(x));
        if (FDragStyle == dsY || FDragStyle == dsBoth)
            series->SetYValue(FIndex, series->GetVertAxis()->CalcPosPoint(y));
        series->EndUpdate();
        if (OnDragPoint)
            OnDragPoint(this, FIndex);
        break;
    case cmeUp: EndDrag(); break;
    }
}

void TDragPointTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomToolSeries::DefineProperties(filer);
    static const QStringList styles = {"dsX", "dsY", "dsBoth"};
    TeeDefineEnum(filer, "DragStyle", FDragStyle, dsBoth, styles, [this](TDragPointStyle v) { SetDragStyle(v); });
}
