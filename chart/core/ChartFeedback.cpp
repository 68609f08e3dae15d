#include "chart/core/ChartFeedback.h"

#include "chart/core/ChartBrush.h"
#include "chart/core/ChartPen.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/TeeCustomTool.h"
#include "platform/graphics/SystemColors.h"

TChartFeedback::TChartFeedback(TCustomTeePanel* chart, TChartPen* pen, TFeedbackMode mode, TFeedbackColor colour,
                               TFeedbackPen use)
    : FChart(chart), FCanvas(chart->Canvas3D())
{
    Begin();
    SelectPen(pen, mode, colour, use);
}

TChartFeedback::TChartFeedback(TTeeCustomTool* dragging, TChartPen* pen, TFeedbackMode mode, TFeedbackColor colour)
    : TChartFeedback(dragging->ParentChart(), pen, mode, colour)
{
    // A figure drawn during a paint is gone with the next one anyway.
    if (FOutsidePaint)
        dragging->FDragFeedbackPaint = FChart->PaintCount();
}

TChartFeedback::TChartFeedback(TCustomTeePanel* chart) : FChart(chart), FCanvas(chart->Canvas3D())
{
    Begin();
}

TChartFeedback::~TChartFeedback()
{
    FCanvas->Pen()->SetMode(pmCopy);
    if (FOutsidePaint) {
        FCanvas->Invalidate();
        FChart->ShowBackBuffer();
    }
}

void TChartFeedback::Begin()
{
    FOutsidePaint = !FChart->IsDrawing();
    if (FOutsidePaint)
        FChart->BufferCanvas();
}

TColor TChartFeedback::FeedbackColor(TColor color) const
{
    const TColor rgb = ColorToRGB(color) & 0xFFFFFF;
    switch (FColorRule) {
    case fcOverBackColor:
        return rgb ^ (0xFFFFFF - (ColorToRGB(FChart->GetBackColor()) & 0xFFFFFF));
    case fcOverChartColor: {
        const TColor back = FChart->Color() == clDefault ? clBtnFace : FChart->Color();
        return rgb ^ (ColorToRGB(back) & 0xFFFFFF);
    }
    case fcPenColor:
        break;
    }
    return color;
}

void TChartFeedback::SelectPen(TChartPen* pen, TFeedbackMode mode, TFeedbackColor colour, TFeedbackPen use)
{
    FColorRule = colour;
    const TColor drawn = FeedbackColor(pen->Color());
    if (mode == fmPenMode) {
        FCanvas->AssignVisiblePenColor(pen, drawn);
    } else {
        const TPenMode penMode = mode == fmXor ? pmXor : pmNotXor;
        // The mode goes on before the canvas takes the pen: wide and dotted pens build their
        // device pen with it.
        if (use == fpOwn) {
            pen->SetMode(penMode);
            FCanvas->AssignVisiblePenColor(pen, drawn);
        } else {
            TChartPen copy;
            copy.Assign(pen);
            copy.SetMode(penMode);
            FCanvas->AssignVisiblePenColor(&copy, drawn);
        }
    }
    FCanvas->Brush()->SetStyle(bsClear);
    FCanvas->SetBackMode(TRANSPARENT);
}

void TChartFeedback::Fill(TChartBrush* brush)
{
    const TColor back = ColorToRGB(FChart->GetBackColor()) & 0xFFFFFF;
    FChart->SetBrushCanvas(FeedbackColor(brush->Color()), brush, back);
    if (brush->Style() == bsClear)
        FCanvas->SetBackMode(TRANSPARENT);
}
