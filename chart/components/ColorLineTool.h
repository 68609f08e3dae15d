#pragma once

// A line across the plot at one value of an axis (or at its maximum, centre or minimum),
// optionally running along the walls in 3D, that the user can drag.

#include <QString>
#include <functional>

#include "chart/core/TeeCustomTool.h"
#include "platform/TeeFiler.h"

enum TColorLineStyle { clCustom, clMaximum, clCenter, clMinimum };

const QStringList& ColorLineStyleNames();

class TColorLineTool;
using TColorLineToolOnDrag = std::function<void(TColorLineTool* sender)>;

class TColorLineTool : public TTeeCustomToolAxis
{
public:
    explicit TColorLineTool(TComponent* AOwner);

    QString Description() const override;
    QString GetEditorClass() const override { return QStringLiteral("TColorLineToolEditor"); }

    bool AllowDrag() const { return FAllowDrag; }
    // Forbidding drags also ends the one under way: the tool sees no more mouse, not the release.
    void SetAllowDrag(bool value);
    bool DragRepaint() const { return FDragRepaint; }
    void SetDragRepaint(bool value) { SetBooleanProperty(FDragRepaint, value); }
    bool Draw3D() const { return FDraw3D; }
    void SetDraw3D(bool value) { SetBooleanProperty(FDraw3D, value); }
    bool DrawBehind() const { return FDrawBehind; }
    void SetDrawBehind(bool value) { SetBooleanProperty(FDrawBehind, value); }
    bool NoLimitDrag() const { return FNoLimitDrag; }
    void SetNoLimitDrag(bool value) { SetBooleanProperty(FNoLimitDrag, value); }
    TColorLineStyle Style() const { return FStyle; }
    void SetStyle(TColorLineStyle value) { SetProp(FStyle, value); }
    double Value() const { return FValue; }
    // Also makes the style custom, which repaints even for the same value. While a drag draws
    // by exclusive-or the value is only stored: a repaint would wipe the feedback.
    void SetValue(double value);

    // The value the line stands at, by its style.
    double CalcValue() const;
    // The value kept within the values at the two ends of the axis.
    double LimitValue(double value) const;
    // Whether (x, y) is on the line: within 2 pixels along the axis, inside the plot across.
    bool Clicked(int x, int y) const;
    bool Dragging() const { return FDragging; }

    void ChartEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
    void DefineProperties(TTeeFiler& filer) override;

    TColorLineToolOnDrag OnDragLine;
    TColorLineToolOnDrag OnEndDragLine;

protected:
    // The part behind the series (back) or in front of them.
    void DrawColorLine(bool back);
    virtual void DoEndDragLine();
    // The line stays at the value the drag gave it.
    void EndDrag() override;

private:
    // The pixel of the line on the axis.
    int LinePixel() const;
    // Back and front parts in exclusive-or, straight into the back buffer.
    void DrawFeedback();

    bool FAllowDrag = true;
    bool FDragRepaint = false;
    bool FDraw3D = true;
    bool FDrawBehind = false;
    bool FNoLimitDrag = false;
    TColorLineStyle FStyle = clCustom;
    double FValue = 0;
    bool FDragging = false;
};
