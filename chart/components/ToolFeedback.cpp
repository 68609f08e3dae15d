#include "chart/components/ToolFeedback.h"

#include "chart/core/ChartPen.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeCanvas.h"

TToolFeedback::TToolFeedback(TCustomAxisPanel* chart, TChartPen* pen, bool outsidePaint)
    : FChart(chart), FCanvas(chart->Canvas3D()), FOutsidePaint(outsidePaint)
{
    if (FOutsidePaint)
        FChart->ControlCanvas();
    const TColor back = ColorToRGB(FChart->GetBackColor()) & 0xFFFFFF;
    // A copy carries the mode, so the tool's own pen never changes (which would repaint).
    TChartPen xorPen;
    xorPen.Assign(pen);
    xorPen.SetMode(pmNotXor);
    FCanvas->AssignVisiblePenColor(&xorPen, (ColorToRGB(pen->Color()) & 0xFFFFFF) ^ (0xFFFFFF - back));
    FCanvas->Brush()->SetStyle(bsClear);
    FCanvas->SetBackMode(TRANSPARENT);
}

TToolFeedback::~TToolFeedback()
{
    FCanvas->Pen()->SetMode(pmCopy);
    if (FOutsidePaint)
        FChart->ShowBackBuffer();
}
