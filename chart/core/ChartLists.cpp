#include "chart/core/ChartLists.h"

#include "chart/core/TeeCustomTool.h"

TChartTools::~TChartTools()
{
    Clear();
}

TTeeCustomTool* TChartTools::Add(TTeeCustomTool* tool)
{
    tool->SetParentChart(FOwner);
    return tool;
}

void TChartTools::Clear()
{
    while (Count() > 0) {
        TTeeCustomTool* tool = Items(0);
        const int before = Count();
        tool->Free();
        // A tool that did not take itself out is dropped here, so the loop always ends.
        if (Count() == before && Count() > 0 && Items(0) == tool)
            TList::Delete(0);
    }
    TTypedList<TTeeCustomTool>::Clear();
}
