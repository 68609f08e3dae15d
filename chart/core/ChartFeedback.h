#pragma once

// Feedback drawn over the chart while the mouse works on it: the zoom rectangle, cursor lines,
// rubber bands, wire boxes, the mark at the point nearest to the mouse. The figure is combined
// with the picture under it by exclusive-or, so that the same figure drawn again leaves every
// pixel as it was, and its pen colour is chosen so that it shows in that colour where it
// crosses the chart's background.
//
// During a paint the figure goes where the paint goes. Outside a paint it goes straight into
// the chart's back buffer, which is shown when the feedback ends: the chart is not drawn
// again, and its canvas's buffered picture is marked stale, since the screen no longer shows
// it. Either way the canvas pen is back in copy mode at the end.

#include "platform/Colors.h"

class TCanvas3D;
class TChartBrush;
class TChartPen;
class TCustomTeePanel;
class TTeeCustomTool;

// How the figure is combined with the picture under it.
enum TFeedbackMode {
    fmNotXor,
    fmXor,
    // The pen's own mode: a pen whose mode is a stored setting.
    fmPenMode,
};

// How the pen colour is turned into the colour drawn.
enum TFeedbackColor {
    // Pen colour XOR (white - the chart's back colour): not-xor shows it on that colour.
    fcOverBackColor,
    // Pen colour XOR the chart's own colour (button face for the default colour): xor shows it
    // on that colour.
    fcOverChartColor,
    // The pen colour as it is.
    fcPenColor,
};

// Whether the pen the figure is drawn with takes the mode.
enum TFeedbackPen {
    // A copy takes it: the element's pen, and so its stored settings, stay as they are (a
    // change to them would also repaint the chart).
    fpCopy,
    // The pen itself takes it and keeps it (the zoom pen).
    fpOwn,
};

class TChartFeedback
{
public:
    // A figure that the chart's own drawing shows too (the zoom rectangle while zooming, cursor
    // lines, the mark at the nearest point). The brush is clear and the background transparent
    // until Fill says otherwise.
    TChartFeedback(TCustomTeePanel* chart, TChartPen* pen, TFeedbackMode mode, TFeedbackColor colour,
                   TFeedbackPen use = fpCopy);
    // A figure of a tool's drag that the chart's own drawing does not show (a rubber band, a
    // line being dragged, a wire box): while the chart has not painted since, the tool's
    // stopping repaints the chart to wipe it.
    TChartFeedback(TTeeCustomTool* dragging, TChartPen* pen, TFeedbackMode mode, TFeedbackColor colour);
    // Plain drawing, outside a paint as above, with whatever pen and brush the caller selects
    // (the handles of a line as it is selected).
    explicit TChartFeedback(TCustomTeePanel* chart);
    ~TChartFeedback();
    TChartFeedback(const TChartFeedback&) = delete;
    TChartFeedback& operator=(const TChartFeedback&) = delete;

    TCanvas3D* Canvas() const { return FCanvas; }
    // Fills the figure with brush, its colour taken by the rule of the pen's; a clear brush
    // keeps the background transparent.
    void Fill(TChartBrush* brush);

private:
    void Begin();
    void SelectPen(TChartPen* pen, TFeedbackMode mode, TFeedbackColor colour, TFeedbackPen use);
    TColor FeedbackColor(TColor color) const;

    TCustomTeePanel* FChart;
    TCanvas3D* FCanvas;
    TFeedbackColor FColorRule = fcPenColor;
    bool FOutsidePaint = false;
};
