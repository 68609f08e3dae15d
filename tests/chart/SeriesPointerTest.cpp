// Pointer symbols: every style drawn inside its box (pixels), the 3D solids over the series'
// depth slot, margins, colours and the callouts.
#include <gtest/gtest.h>

#include <functional>

#include "chart/core/Callout.h"
#include "chart/core/ChartException.h"
#include "chart/core/SeriesPointer.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeGradient.h"
#include "FrameTestChart.h"
#include "PanelTestSupport.h"
#include "support/RecordingCanvas.h"

namespace {

// A white panel that draws one thing over its background.
class SymbolPanel : public BackgroundPanel
{
public:
    SymbolPanel()
    {
        SetBevelOuter(bvNone);
        SetColor(clWhite);
        SetView3D(false);
    }
    std::function<void(TCanvas3D*)> paint;
    void InternalDraw(const TRect& rect) override
    {
        PanelPaint(rect);
        if (paint)
            paint(Canvas3D());
    }
};

struct Changed {
    int count = 0;
    TRect bounds{10000, 10000, -1, -1};
};

Changed Difference(const QImage& a, const QImage& b)
{
    Changed c;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++c.count;
                c.bounds.Left = std::min(c.bounds.Left, x);
                c.bounds.Top = std::min(c.bounds.Top, y);
                c.bounds.Right = std::max(c.bounds.Right, x);
                c.bounds.Bottom = std::max(c.bounds.Bottom, y);
            }
    return c;
}

} // namespace

TEST(SeriesPointer, EveryStyleDrawsInsideItsBoxAndNothingDrawsNothing)
{
    // Centre (50, 40), half sizes 4 and 3: the box is 46..54 by 37..43, edges included.
    for (int s = psRectangle; s <= psRightTriangle; ++s) {
        const auto style = static_cast<TSeriesPointerStyle>(s);
        SymbolPanel panel;
        const QImage blank = panel.Painted().copy();
        TSeriesPointer pointer(nullptr);
        pointer.SetParent(&panel);
        pointer.Gradient()->SetVisible(true);
        pointer.Gradient()->SetStartColor(clBlue);
        panel.paint = [&](TCanvas3D* canvas) {
            pointer.PrepareCanvas(canvas, clRed);
            pointer.DrawPointer(canvas, false, 50, 40, 4, 3, clRed, style);
        };
        const Changed c = Difference(blank, panel.Painted());
        SCOPED_TRACE(s);
        if (style == psNothing) {
            EXPECT_EQ(c.count, 0);
            continue;
        }
        ASSERT_GT(c.count, 0);
        EXPECT_GE(c.bounds.Left, 46);
        EXPECT_GE(c.bounds.Top, 37);
        EXPECT_LE(c.bounds.Right, 54);
        EXPECT_LE(c.bounds.Bottom, 43);
        if (style == psSmallDot) {
            EXPECT_EQ(c.count, 1);
            EXPECT_EQ(c.bounds.Left, 50);
            EXPECT_EQ(c.bounds.Top, 40);
        }
        // The full-box styles reach every edge of the box.
        if (style == psRectangle || style == psCross || style == psStar || style == psDiagCross) {
            EXPECT_EQ(c.bounds.Left, 46);
            EXPECT_EQ(c.bounds.Top, 37);
            EXPECT_EQ(c.bounds.Right, 54);
            EXPECT_EQ(c.bounds.Bottom, 43);
        }
    }
}

TEST(SeriesPointer, FlatShapesHaveTheirCorners)
{
    TRecordingCanvas c;
    c.InitWindow(nullptr, nullptr, clWhite, false, TRect(0, 0, 200, 200));
    TSeriesPointer p(nullptr);
    auto draw = [&](TSeriesPointerStyle s) {
        c.Clear();
        p.DrawPointer(&c, false, 50, 40, 4, 3, clRed, s);
        return c.TopLevel();
    };
    auto calls = draw(psRectangle);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0]->Name, "Rectangle");
    EXPECT_EQ(calls[0]->Points, (std::vector<TPoint>{{46, 37}, {55, 44}}));
    calls = draw(psTriangle);
    EXPECT_EQ(calls[0]->Points, (std::vector<TPoint>{{46, 43}, {54, 43}, {50, 37}}));
    calls = draw(psDownTriangle);
    EXPECT_EQ(calls[0]->Points, (std::vector<TPoint>{{46, 37}, {54, 37}, {50, 43}}));
    calls = draw(psDiamond);
    EXPECT_EQ(calls[0]->Points, (std::vector<TPoint>{{46, 40}, {50, 37}, {54, 40}, {50, 43}}));
    calls = draw(psLeftTriangle);
    EXPECT_EQ(calls[0]->Points, (std::vector<TPoint>{{46, 40}, {54, 43}, {54, 37}}));
    calls = draw(psRightTriangle);
    EXPECT_EQ(calls[0]->Points, (std::vector<TPoint>{{54, 40}, {46, 43}, {46, 37}}));
    calls = draw(psCircle);
    EXPECT_EQ(calls[0]->Name, "Ellipse");
    EXPECT_EQ(calls[0]->Points, (std::vector<TPoint>{{46, 37}, {54, 43}}));
    calls = draw(psCross);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0]->Points, (std::vector<TPoint>{{46, 40}, {55, 40}}));
    EXPECT_EQ(calls[1]->Points, (std::vector<TPoint>{{50, 37}, {50, 44}}));
    EXPECT_EQ(draw(psStar).size(), 4u);
    EXPECT_TRUE(draw(psNothing).empty());
}

TEST(SeriesPointer, SolidsIn3DAndFlatShapesAtTheStartDepth)
{
    TRecordingCanvas c;
    TView3DOptions options(nullptr);
    c.InitWindow(nullptr, &options, clWhite, true, TRect(0, 0, 200, 200));
    c.Projection(100, TRect(0, 0, 200, 200));
    TSeriesPointer p(nullptr);
    p.DrawPointer(&c, true, 50, 40, 4, 3, clRed, psRectangle);
    p.DrawPointer(&c, true, 50, 40, 4, 3, clRed, psDownTriangle);
    p.SetDraw3D(false);
    p.DrawPointer(&c, true, 50, 40, 4, 3, clRed, psRectangle);
    p.DrawPointer(&c, true, 50, 40, 4, 3, clRed, psCircle);
    EXPECT_EQ(c.Sequence(), "Cube Pyramid RectangleWithZ EllipseWithZ");
    const auto top = c.TopLevel();
    EXPECT_EQ(top[0]->Points, (std::vector<TPoint>{{46, 37}, {54, 43}}));
    EXPECT_EQ(top[0]->Args, (std::vector<int64_t>{0, 0, 1}));
    // Apex down: the pyramid's "top" is the box bottom.
    EXPECT_EQ(top[1]->Points, (std::vector<TPoint>{{46, 43}, {54, 37}}));
    EXPECT_EQ(top[2]->Points, (std::vector<TPoint>{{46, 37}, {55, 44}}));
}

TEST(SeriesPointer, MarginsSizesAndColours)
{
    TSeriesPointer p(nullptr);
    int l = 2, r = 7;
    p.CalcHorizMargins(l, r);
    EXPECT_EQ(l, 5);
    EXPECT_EQ(r, 7);
    p.ChangeVertSize(6);
    int t = 0, b = 0;
    p.CalcVerticalMargins(t, b);
    EXPECT_EQ(t, 7);
    EXPECT_EQ(b, 7);
    p.SetInflateMargins(false);
    l = r = 0;
    p.CalcHorizMargins(l, r);
    EXPECT_EQ(l + r, 0);
    p.SetInflateMargins(true);
    p.SetVisible(false);
    p.CalcHorizMargins(l, r);
    EXPECT_EQ(l + r, 0);

    EXPECT_THROW(p.SetHorizSize(0), ChartException);
    EXPECT_THROW(p.SetVertSize(-1), ChartException);
    EXPECT_EQ(p.HorizSize(), 4);
    EXPECT_EQ(p.VertSize(), 6);
    p.SetHorizSize(1);
    EXPECT_EQ(p.HorizSize(), 1);

    TRecordingCanvas c;
    c.InitWindow(nullptr, nullptr, clWhite, false, TRect(0, 0, 100, 100));
    p.SetColor(clDefault);
    p.PrepareCanvas(&c, clRed);
    EXPECT_EQ(c.Brush()->Color(), clRed);
    p.Brush()->SetStyle(bsCross);
    p.PrepareCanvas(&c, clRed);
    EXPECT_EQ(c.Brush()->Color(), clBlack);
    p.Pen()->SetColor(clDefault);
    p.PrepareCanvas(&c, clGreen);
    EXPECT_EQ(c.Pen()->Color(), clGreen);
    p.Pen()->SetVisible(false);
    p.PrepareCanvas(&c, clGreen);
    EXPECT_EQ(c.Pen()->Style(), psClear);
}

TEST(Callout, MarksCalloutStartsHiddenWithAWhiteArrowAndLengthEight)
{
    TMarksCallout m(nullptr);
    EXPECT_FALSE(m.Visible());
    EXPECT_EQ(m.Arrow()->Color(), clWhite);
    EXPECT_EQ(m.Length(), 8);
    EXPECT_EQ(m.ArrowHeadSize(), 8);
    EXPECT_FALSE(m.Draw3D());
    TCallout c(nullptr);
    EXPECT_TRUE(c.Visible());
    EXPECT_EQ(c.GetColor(), clBlack);
    m.SetLength(12);
    m.SetDistance(3);
    TMarksCallout copy(nullptr);
    copy.Assign(&m);
    EXPECT_EQ(copy.Length(), 12);
    EXPECT_EQ(copy.Distance(), 3);
}

TEST(Callout, ASolidHeadDrawsTheArrowButNoSymbolAPlainOneDrawsBoth)
{
    SymbolPanel panel;
    TRecordingCanvas* c = new TRecordingCanvas;
    panel.SetInternalCanvas(c);
    TCallout callout(nullptr);
    callout.SetParent(&panel);
    callout.Arrow()->SetColor(clBlue);
    panel.paint = [&](TCanvas3D*) {
        c->Clear();
        callout.Draw(clRed, TPoint(10, 50), TPoint(10, 20), 0);
    };
    panel.Painted();
    EXPECT_EQ(c->Sequence(), "Line Rectangle");
    EXPECT_EQ(c->TopLevel()[0]->Points, (std::vector<TPoint>{{10, 50}, {10, 20}}));
    EXPECT_EQ(c->TopLevel()[0]->PenColor, clBlue);
    EXPECT_EQ(c->TopLevel()[1]->Points, (std::vector<TPoint>{{6, 46}, {15, 55}}));
    callout.SetArrowHead(ahSolid);
    panel.Painted();
    EXPECT_EQ(c->Sequence(), "Arrow");
    // The arrow runs from the box back to the point, its head at the point.
    EXPECT_EQ(c->TopLevel()[0]->Points, (std::vector<TPoint>{{10, 20}, {10, 50}}));
    EXPECT_EQ(c->TopLevel()[0]->Args, (std::vector<int64_t>{1, 8, 8, 0}));
}

TEST(SeriesPointer, APointerDrawsOnTheChartItsSeriesJoinsLaterAtTheSeriesDepth)
{
    TFrameChart chart;
    auto* s = new TChartSeries(&chart);
    TSeriesPointer p(s);
    s->SetParentChart(&chart);
    s->AddXY(0, 1);
    chart.SetView3D(true);
    chart.PaintFrame();
    chart.canvas->Clear();
    p.Draw(20, 30);
    auto top = chart.canvas->TopLevel();
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0]->Name, "Cube");
    EXPECT_EQ(top[0]->Args, (std::vector<int64_t>{s->StartZ(), s->EndZ(), 1}));
    EXPECT_GT(s->EndZ(), s->StartZ());
}

TEST(Callout, AnArrowInThePointColourTurnsBlackOnALightPanelWhenChecked)
{
    TFrameChart chart;
    chart.SetView3D(false);
    chart.PaintFrame();
    TCallout callout(nullptr);
    callout.SetParent(&chart);
    callout.SetVisible(false);
    callout.Arrow()->SetColor(clRed);
    chart.canvas->Clear();
    TeeCheckMarkArrowColor = true;
    callout.Draw(clRed, TPoint(0, 0), TPoint(0, 10), 0);
    TeeCheckMarkArrowColor = false;
    callout.Draw(clRed, TPoint(0, 0), TPoint(0, 10), 0);
    auto top = chart.canvas->TopLevel();
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0]->PenColor, clBlack);
    EXPECT_EQ(top[1]->PenColor, clRed);
}

TEST(SeriesPointer, OutlinesReachEveryVertexAndCirclesFillTheirBox)
{
    // Centre (50, 40), half sizes 4 and 3. A closed outline draws every vertex; the circle
    // is the device ellipse of the box, which leaves out the right and bottom edge.
    const struct {
        TSeriesPointerStyle style;
        std::vector<TPoint> vertices;
        TRect bounds; // inclusive
    } cases[] = {
        {psTriangle, {{46, 43}, {54, 43}, {50, 37}}, {46, 37, 54, 43}},
        {psDownTriangle, {{46, 37}, {54, 37}, {50, 43}}, {46, 37, 54, 43}},
        {psLeftTriangle, {{46, 40}, {54, 43}, {54, 37}}, {46, 37, 54, 43}},
        {psRightTriangle, {{54, 40}, {46, 43}, {46, 37}}, {46, 37, 54, 43}},
        {psDiamond, {{46, 40}, {50, 37}, {54, 40}, {50, 43}}, {46, 37, 54, 43}},
        {psCircle, {{46, 40}, {53, 40}, {50, 37}, {50, 42}}, {46, 37, 53, 42}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        SymbolPanel panel;
        const QImage blank = panel.Painted().copy();
        TSeriesPointer pointer(nullptr);
        pointer.SetParent(&panel);
        panel.paint = [&](TCanvas3D* canvas) {
            pointer.PrepareCanvas(canvas, clRed);
            pointer.DrawPointer(canvas, false, 50, 40, 4, 3, clRed, c.style);
        };
        const QImage drawn = panel.Painted().copy();
        EXPECT_EQ(Difference(blank, drawn).bounds, c.bounds);
        for (const TPoint& v : c.vertices)
            EXPECT_NE(drawn.pixel(v.X, v.Y), blank.pixel(v.X, v.Y)) << v.X << "," << v.Y;
    }
}
