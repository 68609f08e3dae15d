#pragma once

// Exclusive-or feedback of the tools (rubber bands, dragged lines, marks that follow the
// mouse). The pen colour is combined with the chart's back colour and drawn in not-xor mode,
// so that a figure drawn on the background shows in the pen colour, one drawn over a line of
// the pen colour erases it, and any figure drawn twice leaves every pixel as it was.

class TChartPen;
class TCustomAxisPanel;
class TCanvas3D;

class TToolFeedback
{
public:
    // Outside a paint the figure goes straight into the chart's back buffer, which is shown
    // when the feedback ends; the chart is not redrawn. During a paint it goes where the paint
    // goes.
    TToolFeedback(TCustomAxisPanel* chart, TChartPen* pen, bool outsidePaint = true);
    // The canvas pen returns to copy mode.
    ~TToolFeedback();
    TToolFeedback(const TToolFeedback&) = delete;
    TToolFeedback& operator=(const TToolFeedback&) = delete;

    TCanvas3D* Canvas() const { return FCanvas; }

private:
    TCustomAxisPanel* FChart;
    TCanvas3D* FCanvas;
    bool FOutsidePaint;
};
