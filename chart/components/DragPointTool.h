#pragma once

// Moves a point of a series with the mouse, along x, y or both.

#include <functional>

#include "chart/core/TeeCustomTool.h"

enum TDragPointStyle { dsX, dsY, dsBoth };

class TDragPointTool;
using TDragPointToolEvent = std::function<void(TDragPointTool* Sender, int Index)>;

class TDragPointTool : public TTeeCustomToolSeries
{
public:
    explicit TDragPointTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {}

    TDragPointStyle DragStyle() const { return FDragStyle; }
    void SetDragStyle(TDragPointStyle value) { SetProp(FDragStyle, value); }
    TDragPointToolEvent OnDragPoint;
    // The point being dragged, -1 for none.
    int DraggedIndex() const { return FIndex; }

    void ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
    QString GetEditorClass() const override { return QStringLiteral("TDragPointToolEdit"); }
    QString Description() const override;
    void DefineProperties(TTeeFiler& filer) override;

protected:
    // The point stays where the drag left it.
    void EndDrag() override { FIndex = -1; }

private:
    TDragPointStyle FDragStyle = dsBoth;
    int FIndex = -1;
};
