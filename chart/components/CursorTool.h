#pragma once

// A cross-hair over the chart: a horizontal and/or vertical line that the user drags, that may
// follow the mouse and snap to the nearest point of a series. Its place is kept in axis values
// and in pixels; the lines are drawn by exclusive-or, so moving them repaints nothing.

#include <functional>

#include "chart/core/TeeCustomTool.h"
#include "platform/Types.h"

enum TCursorToolStyle { cssHorizontal, cssVertical, cssBoth };
enum TCursorClicked { ccNone, ccHorizontal, ccVertical, ccBoth };

class TCursorTool;
using TCursorToolChangeEvent = std::function<void(TCursorTool* Sender, int x, int y, double XValue, double YValue,
                                                  TChartSeries* Series, int ValueIndex)>;
// May change the rectangle the cursor lives in.
using TCursorToolGetAxisRect = std::function<void(TCursorTool* Sender, TRect& Rect)>;

class TCursorTool : public TTeeCustomToolSeries
{
public:
    explicit TCursorTool(TComponent* AOwner);

    bool FollowMouse() const { return FFollowMouse; }
    void SetFollowMouse(bool value) { SetBooleanProperty(FFollowMouse, value); }
    bool Snap() const { return FSnap; }
    void SetSnap(bool value) { SetBooleanProperty(FSnap, value); }
    TCursorToolStyle Style() const { return FStyle; }
    // Also snaps again.
    void SetStyle(TCursorToolStyle value);
    bool UseChartRect() const { return FUseChartRect; }
    void SetUseChartRect(bool value) { SetBooleanProperty(FUseChartRect, value); }
    double XValue() const { return FXValue; }
    double YValue() const { return FYValue; }
    // Also moves the cursor there and reports the move (index -1). A value set before the
    // cursor is first placed is kept by the placing.
    void SetXValue(double value);
    void SetYValue(double value);
    // The pixel position; -1 until the cursor is first placed (by the first draw).
    int XPixel() const { return FXPixel; }
    int YPixel() const { return FYPixel; }
    // Which line is being dragged.
    TCursorClicked Dragging() const { return FClicked; }

    // Erases the drawn cursor, snaps to the new series and draws it again.
    void SetSeries(TChartSeries* value) override;

    // The visible point nearest to the cursor by the style's distance (the earlier on ties),
    // or -1; difference is that distance in axis values.
    int NearestPoint(TCursorToolStyle style, double& difference) const;
    // With a series and Snap: moves the cursor's values onto the nearest point; its index or -1.
    int SnapToPoint();
    // Which line is within 2 pixels of (x, y), inside the axis rectangle.
    TCursorClicked Clicked(int x, int y) const;
    TRect GetAxisRect() const;
    // Draws the lines by exclusive-or: a second call at the same place erases them.
    void RedrawCursor();
    void CalcValuePositions(int x, int y);
    void CalcScreenPositions();
    // Calls OnChange.
    virtual void Changed(int valueIndex);

    void ChartEvent(TChartToolEvent event) override;
    // The lines lie over everything: a move erases them exactly by drawing them again.
    bool FeedbackOverFrame() const override { return true; }
    void ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClass() const override { return QStringLiteral("TCursorToolEditor"); }
    void DefineProperties(TTeeFiler& filer) override;

    TCursorToolChangeEvent OnChange;
    TCursorToolGetAxisRect OnGetAxisRect;

protected:
    // The lines stay where the drag left them.
    void EndDrag() override { FClicked = ccNone; }

private:
    // SetXValue and SetYValue: the value, and whether one was ever given.
    void SetCursorValue(double& field, bool& given, double value);

    bool FFollowMouse = false;
    bool FSnap = false;
    TCursorToolStyle FStyle = cssBoth;
    bool FUseChartRect = false;
    TCursorClicked FClicked = ccNone;
    double FXValue = 0;
    double FYValue = 0;
    // Which values were given (in code or by the mouse): placing takes the middle only for
    // a value never given.
    bool FXValueSet = false;
    bool FYValueSet = false;
    bool FPlaced = false;
    int FXPixel = -1;
    int FYPixel = -1;
};
