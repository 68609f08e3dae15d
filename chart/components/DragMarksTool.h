#pragma once

// Lets the user move the marks of series points with the mouse; a moved mark keeps its place.

#include "chart/core/TeeCustomTool.h"
#include "platform/Types.h"

class TDragMarksTool : public TTeeCustomToolSeries
{
public:
    using TTeeCustomToolSeries::TTeeCustomToolSeries;

    void ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClass() const override { return QStringLiteral("TDragMarksToolEditor"); }
    // Whether a mark is being dragged.
    bool Dragging() const { return FDragSeries != nullptr; }

protected:
    // The mark stays where the drag left it.
    void EndDrag() override;

private:
    // The index of the mark under (x, y) and its series: on Series, else on the chart's series
    // from the last; -1 and no series when none. onlyVisible asks for series whose marks are
    // shown.
    int FindMark(int x, int y, bool onlyVisible, TChartSeries*& series) const;

    // The mark being dragged, by series and point index, so that a series that goes away or
    // loses points ends the drag instead of leaving a stale position behind.
    TChartSeries* FDragSeries = nullptr;
    int FDragIndex = -1;
    TPoint FLast;
};
