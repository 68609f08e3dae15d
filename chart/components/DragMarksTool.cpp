#include "chart/components/DragMarksTool.h"

#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/SeriesMarks.h"
#include "chart/core/Teeconst.h"

QString TDragMarksTool::Description() const
{
    return TeeMsg_DragMarksTool;
}

int TDragMarksTool::FindMark(int x, int y, bool onlyVisible, TChartSeries*& series) const
{
    series = nullptr;
    const auto hit = [&](TChartSeries* s) {
        if (!s->Active() || (onlyVisible && !s->Marks()->Visible()))
            return -1;
        const int index = s->Marks()->Clicked(x, y);
        if (index != -1)
            series = s;
        return index;
    };
    if (Series())
        return hit(Series());
    for (int i = ParentChart()->SeriesCount() - 1; i >= 0; --i) {
        if (const int index = hit(ParentChart()->Series(i)); index != -1)
            return index;
    }
    return -1;
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
        const int index = FindMark(x, y, false, series);
        if (index != -1 && series->Marks()->Positions().Get(index)) {
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
        if (FindMark(x, y, true, series) != -1) {
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
