// Line family: a null point breaks the line on both sides and loses its symbol, the first
// visible segment comes in from the chart edge at the interpolated value, one visible point
// draws only its symbol, assignment between kinds and the 100% stack of zeros; symbols alone,
// of one series and of several, give the pixels of every symbol drawn in turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "chart/components/Series.h"
#include "platform/graphics/FastPaths.h"
#include "tests/chart/support/PixelDifference.h"
#include "tests/chart/types/SeriesChart.h"

namespace {

struct LineChart {
    TSeriesChart chart{400, 300};
    TLineSeries* line = new TLineSeries(nullptr);
    LineChart()
    {
        chart.AddSeries(line);
        line->SetSeriesColor(clRed);
        line->SetColorEachLine(false);
        chart.BottomAxis()->SetMinMax(0, 10);
        chart.LeftAxis()->SetMinMax(0, 10);
    }
    TPoint At(double x, double y) const
    {
        return TPoint(chart.BottomAxis()->CalcXPosValue(x), chart.LeftAxis()->CalcYPosValue(y));
    }
    // Each segment as (from, to): a MoveTo followed by LineTo in the series colour.
    std::vector<std::pair<TPoint, TPoint>> Segments(TRecordingCanvas* canvas) const
    {
        std::vector<std::pair<TPoint, TPoint>> out;
        TPoint from;
        for (const TCanvasCall& c : canvas->Calls) {
            if (c.Depth != 0)
                continue;
            if (c.Name == "MoveTo")
                from = c.Points[0];
            else if (c.Name == "LineTo" && c.PenColor == clRed) {
                out.push_back({from, c.Points[0]});
                from = c.Points[0];
            }
        }
        return out;
    }
};

} // namespace

TEST(LineSeries, NullPointLeavesAGapOnBothSidesAndNoSymbol)
{
    LineChart f;
    f.line->Pointer()->SetVisible(true);
    for (int i = 0; i < 5; ++i)
        f.line->AddXY(i * 2, i % 2 ? 8 : 2);
    f.line->SetNull(2);
    TRecordingCanvas* canvas = f.chart.Record();
    const auto segments = f.Segments(canvas);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0], std::make_pair(f.At(0, 2), f.At(2, 8)));
    EXPECT_EQ(segments[1], std::make_pair(f.At(6, 8), f.At(8, 2)));
    // Symbols at every point but the null one: four rectangles centred on their points.
    std::vector<TPoint> centres;
    for (const TCanvasCall* c : canvas->Find("Rectangle"))
        if (c->Depth <= 1)
            centres.push_back(TPoint((c->Points[0].X + c->Points[1].X) / 2, (c->Points[0].Y + c->Points[1].Y) / 2));
    EXPECT_EQ(centres.size(), 4u);
    for (const TPoint& p : centres)
        EXPECT_NE(p, f.At(4, 2));
}

TEST(LineSeries, FirstVisibleSegmentStartsAtTheChartEdge)
{
    LineChart f;
    f.line->AddXY(0, 0);
    f.line->AddXY(4, 8);
    f.line->AddXY(6, 4);
    f.chart.BottomAxis()->SetMinMax(2, 10);
    TRecordingCanvas* canvas = f.chart.Record();
    const auto segments = f.Segments(canvas);
    ASSERT_EQ(segments.size(), 2u);
    // At the left edge (x = 2) the line between (0, 0) and (4, 8) is at y = 4.
    const int edge = f.chart.PlotRect().Left;
    EXPECT_EQ(segments[0].first, TPoint(edge, f.chart.LeftAxis()->CalcYPosValue(4)));
    EXPECT_EQ(segments[0].second, f.At(4, 8));
    EXPECT_EQ(segments[1], std::make_pair(f.At(4, 8), f.At(6, 4)));
}

TEST(LineSeries, OneVisiblePointDrawsOnlyItsSymbol)
{
    LineChart f;
    f.line->Pointer()->SetVisible(true);
    f.line->AddXY(5, 5);
    TRecordingCanvas* canvas = f.chart.Record();
    EXPECT_TRUE(f.Segments(canvas).empty());
    EXPECT_GE(canvas->Count("Rectangle"), 1);
}

TEST(LineSeries, LineFromAreaHidesThePointerAndDrawsNoArea)
{
    TAreaSeries area(nullptr);
    area.Pointer()->SetVisible(true);
    TLineSeries line(nullptr);
    line.Pointer()->SetVisible(true);
    line.Assign(&area);
    EXPECT_FALSE(line.Pointer()->Visible());
    EXPECT_FALSE(line.DrawArea());
    EXPECT_TRUE(line.DrawLine());
    TPointSeries points(nullptr);
    points.Assign(&line);
    EXPECT_TRUE(points.Pointer()->Visible());
    EXPECT_FALSE(points.DrawLine());
}

TEST(LineSeries, HundredPercentStackOfZerosGoesToTheAxisEnd)
{
    LineChart f;
    auto* second = new TLineSeries(nullptr);
    f.chart.AddSeries(second);
    f.line->SetStacked(cssStack100);
    EXPECT_EQ(second->Stacked(), cssStack100);
    f.line->AddXY(1, 0);
    second->AddXY(1, 0);
    f.line->AddXY(2, 1);
    second->AddXY(2, 3);
    f.chart.Record();
    TChartAxis* v = f.chart.LeftAxis();
    EXPECT_EQ(second->CalcYPos(0), v->StartPixel);
    EXPECT_EQ(f.line->CalcYPos(1), v->CalcYPosValue(25));
    EXPECT_EQ(second->CalcYPos(1), v->CalcYPosValue(100));
}

TEST(LineSeries, LegendSymbolIsALineThroughThePointer)
{
    LineChart f;
    f.line->Pointer()->SetVisible(true);
    f.line->AddXY(1, 1);
    TRecordingCanvas* canvas = f.chart.Record();
    canvas->Clear();
    // A 30 x 9 symbol: the line across its middle; the pointer's half sizes (4 and 4) limited
    // to a third of the rectangle (10 and 3) give 4 and 3, centred at (25, 14).
    f.line->DrawLegendShape(-1, TRect(10, 10, 40, 19));
    const auto lines = canvas->Find("DoHorizLine");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0]->Points[0], TPoint(10, 14));
    EXPECT_EQ(lines[0]->Points[1].X, 40);
    EXPECT_EQ(lines[0]->PenColor, clRed);
    const auto boxes = canvas->Find("Rectangle");
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back()->Points[0], TPoint(25 - 4, 14 - 3));
}

TEST(LineSeries, VisibleOutLineIsDrawnFirstAndWider)
{
    LineChart f;
    f.line->OutLine()->SetVisible(true);
    f.line->OutLine()->SetColor(clYellow);
    f.line->OutLine()->SetWidth(3);
    f.line->AddXY(1, 1);
    f.line->AddXY(5, 5);
    TRecordingCanvas* canvas = f.chart.Record();
    std::vector<const TCanvasCall*> lines;
    for (const TCanvasCall* c : canvas->Find("LineTo"))
        if (c->Depth == 0 && (c->PenColor == clYellow || c->PenColor == clRed))
            lines.push_back(c);
    ASSERT_EQ(lines.size(), 2u);
    // 1 (the line) + 3 (the outline) + 2.
    EXPECT_EQ(lines[0]->PenColor, clYellow);
    EXPECT_EQ(lines[0]->PenWidth, 6);
    EXPECT_EQ(lines[1]->PenColor, clRed);
    EXPECT_EQ(lines[1]->PenWidth, 1);
    EXPECT_EQ(f.line->SeriesColor(), clRed);
}

TEST(LineSeries, SymbolsAloneGiveThePixelsOfEverySymbolDrawnInTurn)
{
    // Many symbols on few pixels: runs on one pixel in one colour, other colours coming
    // between them on the same pixel, null points, points far above, below and beside the
    // plot, and symbols cut by its edge. The picture must be the one that drawing every
    // symbol in turn gives, as the series does with the fast paths off.
    struct Variant {
        TSeriesPointerStyle style;
        bool colourEach;
        TPenMode penMode;
        bool clip;
        TColor oneColour; // clNone: the colours below, by turns
        bool squares = false; // every other point a square, by the pointer style event
    };
    const Variant variants[] = {
        {psCircle, false, pmCopy, true, clNone},      {psTriangle, true, pmCopy, true, clNone},
        {psDiamond, true, pmCopy, false, clNone},     {psRectangle, false, pmXor, true, clNone},
        {psCircle, true, pmNotXor, true, clNone},     {psCircle, false, pmCopy, true, clRed},
        {psDiamond, false, pmCopy, false, clDefault}, {psTriangle, false, pmXor, true, clDefault},
        {psCircle, false, pmCopy, true, clRed, true},
    };
    for (const Variant& v : variants) {
        QImage pictures[2];
        for (int turn = 0; turn < 2; ++turn) {
            const TeeFastPaths::TScope fastPaths(turn == 0);
            LineChart c;
            c.chart.SetClipPoints(v.clip);
            c.line->LinePen()->SetVisible(false);
            c.line->Pointer()->SetVisible(true);
            c.line->Pointer()->SetStyle(v.style);
            c.line->Pointer()->Pen()->SetMode(v.penMode);
            c.line->SetColorEachPoint(v.colourEach);
            if (v.squares)
                c.line->OnGetPointerStyle = [&](TCustomSeries*, int i) { return i % 2 ? psRectangle : v.style; };
            // Some 40 points to a pixel column on three values: every symbol is repeated on
            // its pixel, an even number of times as often as an odd one.
            const TColor colours[] = {clRed, clBlue, clRed, clDefault, clNone, clRed};
            for (int i = 0; i < 20000; ++i) {
                const double x = -1 + 12.0 * i / 20000;
                double y = 5 + (i % 3) * 0.5;
                if (i % 97 == 0)
                    y = i % 2 ? 10.2 : -0.2; // cut by the plot's edge
                if (i % 101 == 0)
                    y = -0.5; // beside the plot, on the picture
                if (i % 89 == 0)
                    y = i % 2 ? 60 : -50; // far outside the picture
                c.line->AddXY(x, y, QString(), v.oneColour == clNone ? colours[(i / 7) % 6] : v.oneColour);
            }
            const uint64_t alone = TeeFastPaths::TimesTaken(TFastPath::SymbolsAlone);
            pictures[turn] = c.chart.Painted().copy();
            // A symbol in another pen mode depends on what lies beneath, and one of another
            // shape may not cover it: every one is drawn.
            EXPECT_EQ(TeeFastPaths::TimesTaken(TFastPath::SymbolsAlone) > alone,
                      turn == 0 && v.penMode == pmCopy && !v.squares);
        }
        SCOPED_TRACE(static_cast<int>(&v - variants));
        EXPECT_TRUE(pictures[0] == pictures[1]);
        if (v.penMode != pmCopy)
            continue;
        int red = 0;
        for (int y = 0; y < pictures[0].height(); ++y)
            for (int x = 0; x < pictures[0].width(); ++x)
                red += (pictures[0].pixel(x, y) & 0xFFFFFF) == 0xFF0000;
        EXPECT_GT(red, 20);
    }
}

TEST(LineSeries, SymbolsOfSeveralSeriesGiveThePixelsOfEverySymbolDrawnInTurn)
{
    // Several symbol-only series one after the other, their points on one shared walk with
    // a hundred points and more to a pixel column, so that later symbols land on the pixels of
    // earlier ones of every series. A later symbol may hide an earlier one only when it sets
    // every pixel the earlier one set: same shape and sizes, same pen, a fill that lets
    // nothing through. The reference draws every symbol in turn (as each series does with the
    // fast paths off).
    struct Look {
        TSeriesPointerStyle style = psCircle;
        int size = 4;
        bool pen = true;
        int penWidth = 1;
        TPenStyle penStyle = psSolid;
        TBrushStyle brush = bsSolid;
        TColor colour = clRed;
        TColor penColour = clBlack;
        bool nulls = false; // some points null, the others in the series colour
        bool line = false;  // draws its line too (the series is then not symbols alone)
    };
    struct Case {
        std::vector<Look> series; // in the order drawn
        bool clip = true;
        bool inverted = false;    // the vertical axis (along an inverted horizontal one, every symbol is drawn in turn)
        bool backwards = false;   // drawn from the last series to the first
        double xMin = 0, xMax = 10;
    };
    const Case cases[] = {
        // As the result chart: circles and triangles in several colours.
        {{{psCircle, 4, true, 1, psSolid, bsSolid, clRed}, {psTriangle, 4, true, 1, psSolid, bsSolid, clBlack},
          {psCircle, 4, true, 1, psSolid, bsSolid, clYellow}, {psCircle, 4, true, 1, psSolid, bsSolid, clBlack}}},
        // A later symbol smaller, without outline, with a wider one, or of another shape.
        {{{psCircle, 5}, {psCircle, 4, true, 1, psSolid, bsSolid, clBlue}}},
        {{{psDiamond, 4}, {psDiamond, 4, false, 1, psSolid, bsSolid, clBlue}}},
        {{{psRectangle, 3, true, 1}, {psRectangle, 3, true, 2, psSolid, bsSolid, clBlue}}, false},
        // Later symbols that let what lies beneath show through: no fill, a hatch, dots, an
        // outline of no colour.
        {{{psCircle, 4}, {psCircle, 4, true, 1, psSolid, bsClear, clBlue}}},
        {{{psTriangle, 4}, {psTriangle, 4, true, 1, psSolid, bsDiagCross, clBlue}}},
        {{{psCircle, 4}, {psCircle, 4, true, 1, psDot, bsSolid, clBlue}}},
        {{{psCircle, 4}, {psCircle, 4, true, 1, psSolid, bsSolid, clBlue, clNone}}},
        // Unfilled symbols of one look do hide each other; null points hide nothing.
        {{{psCircle, 4, true, 1, psSolid, bsClear, clGreen},
          {psCircle, 4, true, 1, psSolid, bsClear, clBlue, clBlack, true}},
         true, true, false, 2.5, 7.5},
        // A line between, and the series drawn from the last to the first.
        {{{psCircle, 4}, {psCircle, 4, true, 1, psSolid, bsSolid, clBlue, clBlack, false, true},
          {psCircle, 4, true, 1, psSolid, bsSolid, clYellow}}},
        {{{psCircle, 4}, {psCircle, 4, true, 1, psSolid, bsSolid, clBlue}, {psTriangle, 4, true, 1, psSolid, bsSolid,
          clYellow}, {psTriangle, 4, true, 1, psSolid, bsSolid, clBlack}}, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        // Symbols alone, every symbol in turn, no symbols.
        QImage pictures[3];
        for (int turn = 0; turn < 3; ++turn) {
            const TeeFastPaths::TScope fastPaths(turn != 1);
            TSeriesChart chart(120, 100);
            chart.SetClipPoints(c.clip);
            chart.BottomAxis()->SetMinMax(c.xMin, c.xMax);
            chart.LeftAxis()->SetMinMax(0, 10);
            chart.LeftAxis()->SetInverted(c.inverted);
            chart.DepthAxis()->SetInverted(c.backwards);
            std::vector<TLineSeries*> series;
            for (const Look& look : c.series) {
                auto* s = new TLineSeries(nullptr);
                chart.AddSeries(s);
                s->SetSeriesColor(look.colour);
                s->SetColorEachLine(false);
                s->LinePen()->SetVisible(look.line);
                s->Pointer()->SetVisible(true);
                s->Pointer()->SetStyle(look.style);
                s->Pointer()->SetHorizSize(look.size);
                s->Pointer()->SetVertSize(look.size);
                s->Pointer()->Pen()->SetVisible(look.pen);
                s->Pointer()->Pen()->SetWidth(look.penWidth);
                s->Pointer()->Pen()->SetStyle(look.penStyle);
                s->Pointer()->Pen()->SetColor(look.penColour);
                s->Pointer()->Brush()->SetStyle(look.brush);
                s->SetActive(turn < 2);
                series.push_back(s);
            }
            std::mt19937 rng(17 + static_cast<unsigned>(&c - cases));
            double walk = 5;
            for (int i = 0; i < 12000; ++i) {
                walk = std::clamp(walk + (static_cast<int>(rng() % 9) - 4) * 0.02, -0.5, 10.5);
                const double x = -0.2 + 10.4 * i / 12000;
                for (size_t k = 0; k < series.size(); ++k) {
                    if (rng() % (1 + k) != 0)
                        continue;
                    const Look& look = c.series[k];
                    const TColor colour = look.nulls && rng() % 3 == 0 ? clNone : look.colour;
                    series[k]->AddXY(x, rng() % 50 == 0 ? walk + 0.3 : walk, QString(), colour);
                }
            }
            const uint64_t alone = TeeFastPaths::TimesTaken(TFastPath::SymbolsAlone);
            pictures[turn] = chart.Painted().copy();
            EXPECT_EQ(TeeFastPaths::TimesTaken(TFastPath::SymbolsAlone) > alone, turn == 0);
        }
        EXPECT_TRUE(pictures[0] == pictures[1]);
        // The symbols are there: the picture without them differs in many pixels.
        EXPECT_GT(CountDifferent(pictures[0], pictures[2]), 500);
    }
}

TEST(LineSeries, HugeSymbolsAloneCoverThePlot)
{
    // Symbols more than two billion pixels across, their middles on the plot: whatever the
    // shape, what shows is its fill, on the plot alone when the plot clips it, over the whole
    // picture but the axes drawn after it when not.
    const struct {
        TSeriesPointerStyle style;
        bool clip;
        int size;
    } cases[] = {{psCircle, true, 1100000000},    {psTriangle, true, 1100000000},
                 {psRectangle, true, 1100000000}, {psDiamond, true, 1100000000},
                 {psCircle, false, 1100000000},   {psTriangle, false, 1100000000},
                 {psCircle, true, 2147483647},    {psTriangle, false, 2147483647},
                 {psRectangle, false, 2147483647}, {psDiamond, true, 2147483647}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        TSeriesChart chart(120, 100);
        chart.SetClipPoints(c.clip);
        auto* s = new TLineSeries(nullptr);
        chart.AddSeries(s);
        s->SetSeriesColor(clRed);
        s->LinePen()->SetVisible(false);
        s->Pointer()->SetVisible(true);
        s->Pointer()->SetInflateMargins(false);
        s->Pointer()->SetStyle(c.style);
        s->Pointer()->SetHorizSize(c.size);
        s->Pointer()->SetVertSize(c.size);
        chart.BottomAxis()->SetMinMax(0, 10);
        chart.LeftAxis()->SetMinMax(0, 10);
        s->AddXY(5, 5);
        s->AddXY(6, 4);
        const QImage& image = chart.Painted();
        // The plot's edges depend on the label font's metrics, which differ between machines.
        const TRect plot = chart.PlotRect();
        ASSERT_TRUE(plot.Left >= 20 && plot.Left <= 30 && plot.Top == 4 && plot.Right == 117 &&
                    plot.Bottom >= 68 && plot.Bottom <= 78)
            << plot.Left << "," << plot.Top << "," << plot.Right << "," << plot.Bottom;
        for (const TPoint p : {TPoint(plot.Left + 5, 8), TPoint(112, 8), TPoint(plot.Left + 5, plot.Bottom - 5),
                               TPoint(112, plot.Bottom - 5), TPoint(70, 40)})
            EXPECT_EQ(image.pixel(p.X, p.Y) & 0xFFFFFF, 0xFF0000u) << p.X << "," << p.Y;
        for (const TPoint p : {TPoint(70, 1), TPoint(119, 40), TPoint(70, 90)})
            EXPECT_EQ(image.pixel(p.X, p.Y) & 0xFFFFFF, c.clip ? 0xFFFFFFu : 0xFF0000u) << p.X << "," << p.Y;
    }
}

// Symbols that ask for margins wider than any screen: the axes keep a margin a screen can hold,
// and the frame is drawn without an overflow.
TEST(LineSeries, HugeSymbolsAskingForMarginsLeaveTheAxesDrawable)
{
    for (const int size : {1100000000, 2147483647}) {
        TSeriesChart chart(120, 100);
        auto* s = new TLineSeries(nullptr);
        chart.AddSeries(s);
        s->Pointer()->SetVisible(true);
        s->Pointer()->SetHorizSize(size);
        s->Pointer()->SetVertSize(size);
        s->AddXY(5, 5);
        s->AddXY(6, 4);
        chart.Painted();
        for (TChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
            EXPECT_GE(axis->StartPixel, -67108863);
            EXPECT_LE(axis->EndPixel, 67108863 + 120);
        }
    }
}
