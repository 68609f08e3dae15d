#pragma once

// Marks the point of a series nearest to the mouse with a circle, square or diamond and a line
// from the mouse to it, either by repainting the chart at each move or by exclusive-or drawing.

#include <QString>

#include "chart/core/TeeCustomTool.h"
#include "platform/TeeFiler.h"
#include "platform/Types.h"

class TChartSeries;

enum TNearestToolStyle { hsNone, hsCircle, hsRectangle, hsDiamond };

const QStringList& NearestToolStyleNames();

class TNearestTool : public TTeeCustomToolSeries
{
public:
    explicit TNearestTool(TComponent* AOwner);

    QString Description() const override;
    QString GetEditorClass() const override { return QStringLiteral("TNearestToolEdit"); }

    bool DrawLine() const { return FDrawLine; }
    void SetDrawLine(bool value) { SetBooleanProperty(FDrawLine, value); }
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool value) { SetBooleanProperty(FFullRepaint, value); }
    int Size() const { return FSize; }
    void SetSize(int value) { SetIntegerProperty(FSize, value); }
    TNearestToolStyle Style() const { return FStyle; }
    void SetStyle(TNearestToolStyle value) { SetProp(FStyle, value); }
    // The highlighted index belonged to the old series: it is dropped and the chart repainted.
    void SetSeries(TChartSeries* value) override;

    // The highlighted point, -1 when none.
    int Point() const { return FPoint; }
    TPoint Mouse() const { return FMouse; }

    // The point of the series nearest to (x, y) in pixels among those inside the plot or on
    // its edges, the lower index on equal distances; -1 when none is nearer than 10000 pixels.
    static int GetNearestPoint(TChartSeries* series, int x, int y);

    void ChartEvent(TChartToolEvent event) override;
    // Without a full repaint the mark is exclusive-or feedback that a move erases by drawing it
    // again, so it is drawn over everything else.
    bool FeedbackOverFrame() const override { return !FFullRepaint; }
    void ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
    void DefineProperties(TTeeFiler& filer) override;

    TNotifyEvent OnChange;

protected:
    // The mark and the line to the mouse; exclusive-or unless the chart is fully repainted.
    void PaintHint();

private:
    bool FDrawLine = true;
    bool FFullRepaint = true;
    int FSize = 20;
    TNearestToolStyle FStyle = hsCircle;
    TPoint FMouse;
    int FPoint = -1;
};
