// Exclusive-or feedback over a chart: the colour a figure shows in over the background, its
// erasing by a second drawing, its drawing outside a paint straight into the back buffer, and
// the repaint that wipes a stopped drag's figures while they are still on screen.
#include <gtest/gtest.h>

#include <functional>

#include "chart/components/TeeTools.h"
#include "chart/core/ChartFeedback.h"
#include "chart/core/TeeCanvas3D.h"
#include "platform/graphics/SystemColors.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

// A chart of one colour all over the margin above the plot, where figures are drawn.
class FeedbackChart : public ToolChart
{
public:
    FeedbackChart(TColor colour, TColor backWall)
    {
        chart->SetColor(colour);
        chart->BackWall()->SetColor(backWall);
        chart->BackWall()->SetTransparent(false);
        chart->Title()->SetVisible(false);
        Paint();
    }
    QRgb Pixel(int x, int y) const { return chart->BackBuffer().pixel(x, y); }
};

constexpr int kRow = 6; // a row of the top margin

QRgb Rgb(TColor c)
{
    return TColorToQColor(ColorToRGB(c)).rgb();
}

// How many of the pixels at x from y0 to y1 differ between two pictures.
int ChangedInColumn(const QImage& a, const QImage& b, int x, int y0, int y1)
{
    int changed = 0;
    for (int y = y0; y <= y1; ++y)
        changed += a.pixel(x, y) != b.pixel(x, y);
    return changed;
}

} // namespace

TEST(ChartFeedback, AFigureShowsInItsPenColourOverTheBackgroundAndASecondDrawingErasesIt)
{
    struct Case {
        const char* name;
        TFeedbackMode mode;
        TFeedbackColor rule;
        TPenMode penMode;
        TColor pen, chartColour, backWall;
        QRgb shown;
    };
    const Case cases[] = {
        {"not-xor over a white back", fmNotXor, fcOverBackColor, pmCopy, clRed, clWhite, clWhite, 0xFFFF0000},
        {"not-xor over a navy back", fmNotXor, fcOverBackColor, pmCopy, clRed, clNavy, clNavy, 0xFFFF0000},
        // Taken against the navy back wall: red ^ 0x7FFFFF is 0x7FFF00, shown as is over white.
        {"not-xor against the back wall", fmNotXor, fcOverBackColor, pmCopy, clRed, clWhite, clNavy, 0xFF00FF7F},
        {"xor over the chart's colour", fmXor, fcOverChartColor, pmCopy, clBlue, clYellow, clWhite, 0xFF0000FF},
        // White xor navy.
        {"the pen's own xor", fmPenMode, fcPenColor, pmXor, clWhite, clNavy, clNavy, 0xFFFFFF7F},
        // A system colour is taken as its RGB value before it is combined.
        {"a system colour by not-xor", fmNotXor, fcOverBackColor, pmCopy, clHighlight, clNavy, clNavy,
         Rgb(clHighlight)},
        {"a system colour by xor", fmXor, fcOverChartColor, pmCopy, clHighlight, clNavy, clWhite, Rgb(clHighlight)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FeedbackChart f(c.chartColour, c.backWall);
        ASSERT_EQ(f.Pixel(150, kRow), Rgb(c.chartColour));
        const QImage before = f.Image();
        TChartPen pen;
        pen.SetColor(c.pen);
        pen.SetMode(c.penMode);
        for (int drawing = 1; drawing <= 2; ++drawing) {
            {
                const TChartFeedback feedback(f.chart, &pen, c.mode, c.rule);
                feedback.Canvas()->DoHorizLine(100, 200, kRow);
            }
            // Straight into the back buffer: no paint is asked for, and the canvas's own
            // picture no longer stands for the screen.
            EXPECT_FALSE(f.chart->NeedsPaint());
            EXPECT_FALSE(f.chart->Canvas3D()->ReDrawBitmap());
            EXPECT_EQ(f.chart->Canvas3D()->Pen()->Mode(), pmCopy);
            if (drawing == 1) {
                EXPECT_EQ(f.Pixel(150, kRow), c.shown);
            }
        }
        EXPECT_EQ(f.Image(), before);
        // The element's pen keeps its settings.
        EXPECT_EQ(pen.Mode(), c.penMode);
    }
}

TEST(ChartFeedback, AStoppedDragRepaintsTheChartOnlyWhileItsFeedbackIsOnScreen)
{
    for (const bool paintedSince : {false, true}) {
        SCOPED_TRACE(paintedSince ? "painted since the band was drawn" : "band on screen");
        ToolChart t;
        auto* tool = new TDrawLineTool(&t.owner);
        tool->SetParentChart(t.chart);
        t.chart->MouseDown(mbLeft, ssLeft, 100, 100);
        t.chart->MouseMove(ssLeft, 200, 150);
        if (paintedSince)
            t.Paint();
        ASSERT_FALSE(t.chart->NeedsPaint());
        tool->SetSeries(t.series); // a series tool stops its drag on another series
        EXPECT_FALSE(tool->Drawing());
        EXPECT_EQ(t.chart->NeedsPaint(), !paintedSince);
    }
}

TEST(ChartFeedback, CursorLinesMovedOutsideAPaintShowWhatAPaintWouldDraw)
{
    struct Case {
        const char* name;
        std::function<void(TChartPen*)> pen;
    };
    const Case cases[] = {
        {"solid", [](TChartPen*) {}},
        {"dashed", [](TChartPen* p) { p->SetStyle(psDash); }},
        {"dotted", [](TChartPen* p) { p->SetSmallDots(true); }},
        {"wide", [](TChartPen* p) { p->SetWidth(3); }},
        {"system colour", [](TChartPen* p) { p->SetColor(clHighlight); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FeedbackChart f(clWhite, clWhite);
        auto* cursor = new TCursorTool(&f.owner);
        cursor->SetParentChart(f.chart);
        cursor->SetFollowMouse(true);
        cursor->Pen()->SetColor(clRed);
        c.pen(cursor->Pen());
        f.Paint();
        f.chart->MouseMove(0, cursor->XPixel() + 40, cursor->YPixel() + 30);
        const QImage moved = f.Image();
        f.Paint();
        EXPECT_EQ(moved, f.Image());
    }
}

TEST(ChartFeedback, CursorLinesKeepTheirPensDotsAndColour)
{
    FeedbackChart f(clWhite, clWhite);
    const QImage without = f.Image();
    auto* cursor = new TCursorTool(&f.owner);
    cursor->SetParentChart(f.chart);
    cursor->SetStyle(cssVertical);
    cursor->SetXValue(5.5); // between the grid lines
    cursor->Pen()->SetSmallDots(true);
    f.Paint();
    const int x = cursor->XPixel();
    // Every other pixel of the plot's top rows, where nothing else is drawn.
    const int top = f.chart->PlotRect().Top + 2;
    EXPECT_EQ(ChangedInColumn(without, f.Image(), x, top, top + 19), 10);

    cursor->Pen()->SetSmallDots(false);
    cursor->Pen()->SetColor(clHighlight);
    f.Paint();
    EXPECT_EQ(f.Pixel(x, top), Rgb(clHighlight));
}

TEST(ChartFeedback, TheNearestMarkMovedOutsideAPaintSurvivesARepaintFromTheBuffer)
{
    ToolChart t;
    auto* nearest = new TNearestTool(&t.owner);
    nearest->SetParentChart(t.chart);
    nearest->SetSeries(t.series);
    nearest->SetFullRepaint(false);
    t.Paint();
    t.chart->MouseMove(0, t.At(2).X + 5, t.At(2).Y + 5);
    ASSERT_EQ(nearest->Point(), 2);
    // A repaint that asks for no new drawing (a window uncovered, a new canvas).
    t.chart->Repaint();
    const QImage repainted = t.Image();
    t.Paint();
    EXPECT_EQ(repainted, t.Image());
}
