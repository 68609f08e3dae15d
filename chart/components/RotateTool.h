#pragma once

// Turns a 3D chart by dragging: across changes the rotation, up and down the elevation. With
// its pen visible the tool only draws a wire box of the chart's cube while dragging and the
// chart repaints once when the button is released.

#include "chart/core/TeeCustomTool.h"
#include "platform/Persistent.h"

enum TRotateToolStyles { rsAll, rsRotation, rsElevation };

class TRotateTool : public TTeeCustomTool
{
public:
    explicit TRotateTool(TComponent* AOwner);
    // A drag under way gives the chart its automatic repaint back.
    ~TRotateTool() override;

    TMouseButton Button() const { return FButton; }
    void SetButton(TMouseButton value) { SetProp(FButton, value); }
    bool Inverted() const { return FInverted; }
    void SetInverted(bool value) { SetProp(FInverted, value); }
    TRotateToolStyles Style() const { return FStyle; }
    void SetStyle(TRotateToolStyles value) { SetProp(FStyle, value); }
    TNotifyEvent OnRotate;

    // The next rotation or elevation for a change of delta degrees. Without full rotation the
    // rotation stays within 0..90 or 270..360 and the elevation within 270..360.
    static int RotationChange(bool fullRotation, int angle, int delta);
    static int ElevationChange(bool fullRotation, int angle, int delta);

    void ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
    QString GetEditorClass() const override { return QStringLiteral("TRotateToolEditor"); }
    QString Description() const override;
    void DefineProperties(TTeeFiler& filer) override;

protected:
    // The chart keeps the angles the drag gave it and gets its automatic repaint back.
    void EndDrag() override;

private:
    void MouseMoved(int x, int y);
    // The chart's cube as lines, in the pen's exclusive-or mode.
    void DrawWireBox();

    TMouseButton FButton = mbLeft;
    bool FInverted = false;
    TRotateToolStyles FStyle = rsAll;

    bool FDragging = false;
    bool FFirstMove = true;
    bool FRepaintSaved = false;
    bool FOldRepaint = true;
    int FOldX = 0;
    int FOldY = 0;
    // What each move's rounding left over, so that slow drags add up instead of vanishing.
    double FRotationRest = 0;
    double FElevationRest = 0;
};
