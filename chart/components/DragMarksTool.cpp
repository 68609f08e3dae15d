#include "chart/components/DragMarksTool.h"

#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/SeriesMarks.h"
#include "chart/core/Teeconst.h"

QString TDragMarksTool::Description()
{
    return TeeMsg_DragMarksTool;
}

bool TDragMarksTool::FindMark(int x, int y, bool onlyVisible, TChartSeries*& series, int& index) const
{
    const auto hit = [&](TChartSeries* s) {
        if (!s->Active() || (onlyVisible && !s->Marks()->Visible()))
            return false;
        index = s->Marks()->Clicked(x, y);
        if (index < 0)
            return false;
        series = s;
        return true;
    };
    if (Series())
        return hit(Series());
    for (int i = ParentChart()->SeriesCount() - 1; i >= 0; --i) {
        if (hit(ParentChart()->Series(i)))
            return true;
    }
    return false;
}

void TDragMarksTool::EndDrag()
{
    FDragSeries = nullptr;
    FDragIndex = -1;
}

void TDragMarksTool::ChartMouseEvent(TChartMouseEvent event, TMouseButton, TShiftState, int x, int y)
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    switch (event) {
    case cmeDown: {
        TChartSeries* series = nullptr;
        int index = -1;
        if (FindMark(x, y, false, series, index) && series->Marks()->Positions().Get(index)) {
            FDragSeries = series;
            FDragIndex = index;
            FLast = TPoint(x, y);
            chart->SetMouseCancelled(true);
        }
        break;
    }
    case cmeMove: {
        if (FDragSeries) {
            TSeriesMarkPosition* p = chart->SeriesList()->IndexOf(FDragSeries) >= 0
                                         ? FDragSeries->Marks()->Positions().Get(FDragIndex)
                                         : nullptr;
            if (!p) {
                FDragSeries = nullptr;
                break;
            }
            const int dx = x - FLast.X;
            const int dy = y - FLast.Y;
            p->UserPlaced = true;
            p->BoxLeftTop.X += dx;
            p->BoxLeftTop.Y += dy;
            p->ArrowEnd.X += dx;
            p->ArrowEnd.Y += dy;
            FLast = TPoint(x, y);
            chart->SetMouseCancelled(true);
            Repaint();
            break;
        }
        TChartSeries* series = nullptr;
        int index = -1;
        if (FindMark(x, y, true, series, index)) {
            chart->SetCursor(crHandPoint);
            chart->SetMouseCancelled(true);
        }
        break;
    }
    case cmeUp:
        EndDrag();
        break;
    }
}
