// The nearest-point tool: the search (rounded pixel distances, the lower index on ties, only
// points inside the plot), the three marks and the line to the mouse, both repaint modes.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "chart/components/NearestTool.h"
#include "platform/TeeFiler.h"
#include "platform/graphics/FastPaths.h"
#include "tests/chart/tools/DrawToolsChart.h"

namespace {

class NearestChart : public RecordingToolChart
{
public:
    NearestChart()
    {
        // Pixels (50, 201), (100, 200), (150, 100), then two on the plot's right and bottom
        // edges (in X order, the bottom one comes first).
        series = AddSeries({{10, 49.75}, {20, 50}, {30, 75}, {100, 50}, {50, 0}});
        tool = new TNearestTool(&owner);
        tool->SetParentChart(chart.get());
        tool->SetSeries(series);
        tool->OnChange = [this](TObject*) { ++changes; };
        chart->Invalidations = 0;
    }
    TChartSeries* series;
    TNearestTool* tool;
    int changes = 0;
};

} // namespace

TEST(NearestTool, FindsTheNearestPointInsideThePlotByRoundedDistance)
{
    struct Case {
        int x, y, index;
    };
    const Case cases[] = {
        {75, 200, 0},       // 25.02 and 25 both round to 25: the lower index stays
        {77, 200, 1},       // 27 against 23
        {75, 186, 0},       // 29.16 and 28.65 both round to 29
        {75, 187, 1},       // 28.65 rounds to 29, 28.18 to 28
        {490, 200, 4},      // 10 pixels from the point on the right edge
        {250, 395, 3},      // 5 pixels from the one on the bottom edge
        {150, 100, 2},      // on the point
        {20000, 20000, -1}, // nothing nearer than 10000 pixels
    };
    NearestChart n;
    // A fast line takes its pixels from its value lists: the same answers.
    auto* fast = new TFastLineSeries(&n.owner);
    fast->AssignValues(n.series);
    n.chart->AddSeries(fast);
    for (TChartSeries* s : {n.series, static_cast<TChartSeries*>(fast)}) {
        for (const Case& c : cases)
            EXPECT_EQ(TNearestTool::GetNearestPoint(s, c.x, c.y), c.index) << c.x << "," << c.y;
        s->Clear();
        EXPECT_EQ(TNearestTool::GetNearestPoint(s, 75, 200), -1);
    }
}

TEST(NearestTool, PointsOnAllFourPlotEdgesCountAndPointsBeyondThemDoNot)
{
    // One point, the mouse 3 pixels inside from it; the plot is (0, 0)-(500, 400).
    struct Case {
        double x, y;
        int mouseX, mouseY, index;
    };
    const Case cases[] = {
        {0, 50, 3, 200, 0},        // (0, 200) on the left edge
        {100, 50, 497, 200, 0},    // (500, 200) on the right edge
        {50, 100, 250, 3, 0},      // (250, 0) on the top edge
        {50, 0, 250, 397, 0},      // (250, 400) on the bottom edge
        {100, 0, 497, 397, 0},     // (500, 400) in the corner
        {-0.2, 50, 3, 200, -1},    // (-1, 200)
        {100.2, 50, 497, 200, -1}, // (501, 200)
        {50, 100.25, 250, 3, -1},  // (250, -1)
        {50, -0.25, 250, 397, -1}, // (250, 401)
    };
    for (const Case& c : cases) {
        RecordingToolChart t;
        TChartSeries* plain = t.AddSeries({{c.x, c.y}});
        auto* fast = new TFastLineSeries(&t.owner);
        fast->AddXY(c.x, c.y);
        t.chart->AddSeries(fast);
        for (TChartSeries* s : {plain, static_cast<TChartSeries*>(fast)})
            EXPECT_EQ(TNearestTool::GetNearestPoint(s, c.mouseX, c.mouseY), c.index) << c.x << "," << c.y;
    }
}

TEST(NearestTool, AFastLineSearchedFromTheMouseColumnFindsWhatAFullScanFinds)
{
    // Many points share columns and distances; the axis runs either way. With the fast paths
    // off every point is looked at.
    for (bool inverted : {false, true}) {
        RecordingToolChart t;
        t.chart->BottomAxis()->SetInverted(inverted);
        auto* fast = new TFastLineSeries(&t.owner);
        t.chart->AddSeries(fast);
        std::mt19937 rng(7);
        for (int i = 0; i < 5000; ++i)
            fast->AddXY(double(rng() % 1100) / 10 - 5, double(rng() % 110) - 5);
        ASSERT_EQ(fast->XValues()->Order(), loAscending);
        const auto fullScan = [&](int x, int y) {
            const TeeFastPaths::TScope plain(false);
            return TNearestTool::GetNearestPoint(fast, x, y);
        };
        const uint64_t halvings = TeeFastPaths::TimesTaken(TFastPath::NearestHalving);
        for (int x = -40; x <= 540; x += 29)
            for (int y = -30; y <= 430; y += 23)
                ASSERT_EQ(TNearestTool::GetNearestPoint(fast, x, y), fullScan(x, y)) << inverted << " " << x << "," << y;
        EXPECT_GT(TeeFastPaths::TimesTaken(TFastPath::NearestHalving), halvings);
    }
}

TEST(NearestTool, AFastLineIsHalvedOnlyWhereItsColumnsReallyFollowTheIndex)
{
    // 4196 points in eight blocks of 512 and a tail: x = i / 8 on a bottom axis of one pixel a
    // unit, y = 50 (row 200). One point is then moved to (10, 10), pixel (10, 360), by setting
    // its values directly; the mouse lies on it and every other point is 160 pixels away.
    struct Case {
        const char* what;
        int moved;
        double x;
        int mouseX, mouseY, expected;
    };
    const double notANumber = std::nan("");
    const Case cases[] = {
        {"in order: column 300 starts at 2396 (299.5 rounds to even)", -1, 0, 300, 200, 2396},
        {"inside a block", 2000, 10, 10, 360, 2000},
        {"an x that is not a number, on column 0", 2500, notANumber, 0, 360, 2500},
        {"the first of a block", 3072, 10, 10, 360, 3072},
        {"the last of a block", 3071, 10, 10, 360, 3071},
        {"the last of the first block, moved up", 511, 490, 490, 360, 511},
        {"past the last whole block", 4150, 10, 10, 360, 4150},
        {"a logarithmic axis", -2, 0, 0, 300, 0},
    };
    for (const Case& c : cases) {
        RecordingToolChart t;
        RecordingToolChart::FixAxis(t.chart->BottomAxis(), 0, 500);
        auto* fast = new TFastLineSeries(&t.owner);
        t.chart->AddSeries(fast);
        for (int i = 0; i < 4196; ++i)
            fast->AddXY(i / 8.0, 50);
        if (c.moved >= 0) {
            fast->XValues()->SetValue(c.moved, c.x);
            fast->YValues()->SetValue(c.moved, 10);
        } else if (c.moved == -2) {
            // On 1..1000 an x at or below 0 lies on the axis' start (column 0, 100 pixels from
            // the mouse); the tiny ones after it lie far beyond the start; x = 25 and up
            // lie from column 233 on.
            t.chart->BottomAxis()->SetLogarithmic(true);
            RecordingToolChart::FixAxis(t.chart->BottomAxis(), 1, 1000);
            for (int i = 0; i < 200; ++i)
                fast->XValues()->SetValue(i, i < 100 ? -1 : 1e-300);
        }
        EXPECT_EQ(TNearestTool::GetNearestPoint(fast, c.mouseX, c.mouseY), c.expected) << c.what;
    }
}

TEST(NearestTool, FullRepaintAsksForADrawAndMarksThePointAfterIt)
{
    NearestChart n;
    n.Move(77, 200);
    EXPECT_EQ(n.tool->Point(), 1);
    EXPECT_EQ(n.changes, 1);
    EXPECT_EQ(n.chart->Invalidations, 1);
    EXPECT_EQ(n.canvas->Count("Ellipse"), 0);

    n.tool->SetSize(5);
    struct Case {
        TNearestToolStyle style;
        bool line;
        QString sequence;
        std::vector<TPoint> mark;
    };
    const Case cases[] = {
        {hsCircle, true, "Ellipse Line", {{95, 195}, {105, 205}}},
        {hsRectangle, true, "Rectangle Line", {{95, 195}, {105, 205}}},
        {hsDiamond, false, "Polygon", {{100, 195}, {105, 200}, {100, 205}, {95, 200}}},
        {hsNone, true, "Line", {}},
        {hsNone, false, "", {}},
    };
    for (const Case& c : cases) {
        n.tool->SetStyle(c.style);
        n.tool->SetDrawLine(c.line);
        n.canvas->Clear();
        n.tool->ChartEvent(cteAfterDraw);
        ASSERT_EQ(n.canvas->Sequence(), c.sequence) << c.style;
        const auto calls = n.canvas->TopLevel();
        if (!c.mark.empty()) {
            EXPECT_EQ(calls[0]->Points, c.mark);
            EXPECT_EQ(calls[0]->PenColor, clWhite);
            EXPECT_EQ(calls[0]->PenStyle, psDot);
            EXPECT_EQ(calls[0]->BrushStyle, bsClear);
        }
        if (c.line) {
            EXPECT_EQ(calls.back()->Points, (std::vector<TPoint>{{77, 200}, {100, 200}}));
            EXPECT_EQ(calls.back()->PenStyle, psSolid);
        }
    }
}

TEST(NearestTool, In3DTheMarkLiesAtTheSeriesStartDepth)
{
    NearestChart n;
    n.chart->SetView3D(true);
    n.series->SetDepthSlot(12, 20);
    n.Move(77, 200);
    for (TNearestToolStyle style : {hsCircle, hsRectangle, hsDiamond}) {
        n.tool->SetStyle(style);
        n.canvas->Clear();
        n.tool->ChartEvent(cteAfterDraw);
        const auto calls = n.canvas->TopLevel();
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0]->Args, (std::vector<int64_t>{12})) << calls[0]->Name.toStdString();
        EXPECT_EQ(calls[1]->Name, "Line");
    }
}

TEST(NearestTool, ExclusiveOrMarksFollowTheMouseWithoutRepaintingAndSurviveARepaint)
{
    PaintedToolChart p;
    auto* tool = new TNearestTool(&p.owner);
    tool->SetParentChart(p.chart.get());
    tool->SetSeries(p.series);
    tool->SetFullRepaint(false);
    tool->Pen()->SetColor(clRed);
    const QImage clean = p.Paint().copy();
    const int ax = p.X(40), ay = p.Y(60), bx = p.X(150), by = p.Y(20);
    p.chart->MouseMove(0, ax, ay);
    const QImage atA = p.Copy();
    EXPECT_NE(atA, clean);
    p.chart->MouseMove(0, bx, by);
    EXPECT_NE(p.Buffer(), atA);
    p.chart->MouseMove(0, ax, ay);
    EXPECT_EQ(p.Buffer(), atA);
    EXPECT_FALSE(p.chart->NeedsPaint());

    // A repaint draws the mark where it is, so the next move erases it and leaves no trace.
    p.Paint();
    EXPECT_EQ(p.Buffer(), atA);
    p.chart->MouseMove(0, bx, by);
    const QImage atB = p.Copy();
    p.Paint();
    EXPECT_EQ(p.Buffer(), atB);

    // What the program draws after the chart lies under the mark, so that a move erases the
    // mark alone and leaves the chart as a full repaint draws it.
    p.chart->OnAfterDraw = [&p](TObject*) {
        p.chart->Canvas3D()->Brush()->SetColor(clYellow);
        p.chart->Canvas3D()->Brush()->SetStyle(bsSolid);
        p.chart->Canvas3D()->FillRect(TRect(0, 0, 320, 240));
    };
    p.Paint();
    p.chart->MouseMove(0, ax, ay);
    const QImage moved = p.Copy();
    EXPECT_EQ(moved, p.Paint());
}

TEST(NearestTool, AFreedSeriesIsForgotten)
{
    NearestChart n;
    n.Move(77, 200);
    n.chart->FreeAllSeries();
    EXPECT_EQ(n.tool->Series(), nullptr);
    n.Move(75, 200);
    n.tool->ChartEvent(cteAfterDraw);
    EXPECT_EQ(n.changes, 1);
}

TEST(NearestTool, StoredSettingsReadBackAndDamageLeavesStartValues)
{
    NearestChart n;
    n.series->SetName("Prices");
    EXPECT_EQ(StoredTool(*n.chart, n.tool), "Series=Prices"); // its dotted white pen is where it starts
    n.tool->SetSize(7);
    n.tool->SetStyle(hsDiamond);
    n.tool->SetFullRepaint(false);
    n.tool->SetDrawLine(false);
    n.tool->Brush()->SetStyle(bsSolid);
    n.tool->Pen()->SetStyle(psSolid);
    const QString text = StoredTool(*n.chart, n.tool);
    EXPECT_EQ(text, "Series=Prices\nBrush.Style=bsSolid\nDrawLine=False\nFullRepaint=False\nPen.Style=psSolid\n"
                    "Size=7\nStyle=hsDiamond");
    NearestChart m;
    m.series->SetName("Prices");
    TTeeCustomTool* back = ReadTool(*m.chart, "TNearestTool", text);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(StoredTool(*m.chart, back), text);

    RecordingToolChart d;
    TTeeCustomTool* damaged =
        ReadTool(*d.chart, "TNearestTool", "Size=-3\nStyle=hsStar\nDrawLine=perhaps\nPen.Style=psWavy\nSeries=Gone");
    ASSERT_NE(damaged, nullptr);
    EXPECT_EQ(StoredTool(*d.chart, damaged), "");
}
