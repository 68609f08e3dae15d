// Axis layout and drawing on the recording canvas (characters 6 pixels wide, lines 12 high):
// label positions and order, ticks, grid and minor ticks, label alignment at each angle and
// side, series texts that would overlap, the hit test and the room an axis takes.

#include <gtest/gtest.h>

#include <cmath>

#include "chart/core/AxisItems.h"
#include "chart/core/DateTimeSteps.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/CustomTeePanel.h"
#include "tests/chart/AxisTestHost.h"
#include "tests/chart/support/RecordingCanvas.h"
#include "tests/chart/types/SeriesChart.h"
#include "tests/HangGuard.h"

namespace {

// Also logs the text alignment in force at each text output.
struct AlignCanvas : TRecordingCanvas {
    std::vector<uint32_t> Aligns;
    AlignCanvas()
    {
        InitWindow(nullptr, nullptr, clWhite, false, TRect(0, 0, 600, 400));
        Projection(0, TRect(0, 0, 600, 400));
    }
    void TextOut3D(int32_t x, int32_t y, int32_t z, const QString& text) override
    {
        Aligns.push_back(GetTextAlign());
        TRecordingCanvas::TextOut3D(x, y, z, text);
    }
    void RotateLabel3D(int32_t x, int32_t y, int32_t z, const QString& text, int32_t angle) override
    {
        Aligns.push_back(GetTextAlign());
        TRecordingCanvas::RotateLabel3D(x, y, z, text, angle);
    }
    // "x,y:text" of every text drawn, in order.
    QStringList Texts() const
    {
        QStringList out;
        for (const TCanvasCall& c : Calls)
            if (c.Depth == 0 && (c.Name == "TextOut3D" || c.Name == "RotateLabel3D"))
                out << QStringLiteral("%1,%2:%3").arg(c.Points[0].X).arg(c.Points[0].Y).arg(c.Text);
        return out;
    }
    // "x,y0-y1" of every vertical line drawn.
    QStringList VertLines() const
    {
        QStringList out;
        for (const TCanvasCall& c : Calls)
            if (c.Depth == 0 && c.Name == "DoVertLine")
                out << QStringLiteral("%1,%2-%3").arg(c.Points[0].X).arg(c.Points[0].Y).arg(c.Points[1].Y);
        return out;
    }
};

// One axis laid out the way the panel does it: range, positions, room, positions again.
struct DrawFixture {
    AxisTestHost host;
    AlignCanvas canvas;
    TChartAxis* axis;

    DrawFixture(bool horizontal, bool otherSide = false) : axis(new TChartAxis(&host))
    {
        host.canvas = &canvas;
        host.chartRect = TRect(50, 20, 550, 320);
        axis->SetHorizontal(horizontal);
        axis->SetOtherSide(otherSide);
    }
    TRect Layout(double lo, double hi)
    {
        axis->SetMinMax(lo, hi);
        axis->AdjustMaxMin();
        axis->InternalCalcPositions();
        TRect r = host.chartRect;
        axis->CalcRect(r, true);
        host.chartRect = r;
        axis->InternalCalcPositions();
        return r;
    }
};

TEST(AxisDraw, ValueWalkLabelsTopDownWithTicksGridAndMinorTicks)
{
    DrawFixture f(true);
    f.axis->SetDesiredIncrement(10);
    const TRect r = f.Layout(0, 100);
    // 12 pixels of labels and 2 + 1 + 4 of axis line and ticks under the chart.
    EXPECT_EQ(r, TRect(50, 20, 550, 301));
    EXPECT_EQ(f.axis->LabelsPos, 308);
    f.axis->Draw(true);
    EXPECT_EQ(f.axis->AxisLinePos, 301);

    const QStringList texts = f.canvas.Texts();
    ASSERT_EQ(texts.size(), 11);
    EXPECT_EQ(texts.first(), "550,308:100");
    EXPECT_EQ(texts[1], "500,308:90");
    EXPECT_EQ(texts.last(), "50,308:0");
    EXPECT_EQ(f.canvas.Aligns.front(), TA_CENTER);
    const QVector<int32_t> ticks{550, 500, 450, 400, 350, 300, 250, 200, 150, 100, 50};
    EXPECT_EQ(f.axis->TickPositions, ticks);

    const auto axisLine = f.canvas.Find("HorizLine3D");
    ASSERT_EQ(axisLine.size(), 1u);
    EXPECT_EQ(axisLine[0]->Points, (std::vector<TPoint>{{50, 301}, {550, 301}}));

    const QStringList lines = f.canvas.VertLines();
    // Ticks below the axis line, then the grid inside the chart (not on its edges), then
    // three minor ticks in each gap.
    EXPECT_EQ(lines.mid(0, 2), QStringList({"550,302-306", "500,302-306"}));
    EXPECT_EQ(lines.mid(11, 2), QStringList({"500,21-301", "450,21-301"}));
    EXPECT_EQ(lines.mid(20, 3), QStringList({"512,302-304", "525,302-304", "538,302-304"}));
    EXPECT_EQ(lines.size(), 11 + 9 + 30);
}

TEST(AxisDraw, NegativeMinimumThatIsAMultipleOfTheStepIsLabelled)
{
    DrawFixture f(true);
    f.axis->SetDesiredIncrement(10);
    f.Layout(-10, 100);
    f.axis->Draw(true);
    const QStringList texts = f.canvas.Texts();
    ASSERT_EQ(texts.size(), 12);
    EXPECT_EQ(texts.last(), "50,308:-10");

    DrawFixture g(true);
    g.axis->SetDesiredIncrement(10);
    g.Layout(10, 100);
    g.axis->Draw(true);
    EXPECT_EQ(g.canvas.Texts().last(), "50,308:10");
}

TEST(AxisDraw, EqualBoundsDrawOneLabel)
{
    DrawFixture f(true);
    f.host.seriesMin = f.host.seriesMax = 7;
    f.axis->AdjustMaxMin();
    f.axis->InternalCalcPositions();
    f.axis->LabelsPos = 330;
    f.axis->Draw(true);
    EXPECT_EQ(f.canvas.Texts(), QStringList({"300,330:7"}));
}

TEST(AxisDraw, LogarithmicWalkFromZeroStartsAtOneTenth)
{
    DrawFixture f(false);
    f.axis->SetMinMax(0, 1000);
    f.axis->SetLogarithmic(true);
    f.Layout(0, 1000);
    f.axis->Draw(true);
    QStringList values;
    for (const TCanvasCall* c : f.canvas.Find("TextOut3D"))
        values << c->Text;
    EXPECT_EQ(values, QStringList({"0.1", "1", "10", "100", "1,000"}));
    EXPECT_EQ(f.axis->WorkMinimum, 0.1);
}

TEST(AxisDraw, DateTimeWalkStartsAtTheRoundedMaximum)
{
    DrawFixture f(true);
    f.host.dateTime = true;
    f.axis->SetDateTimeFormat("yyyymmdd");
    f.axis->SetDesiredIncrement(DateTimeStep[dtOneDay]);
    f.Layout(45000.5, 45005.5);
    f.axis->Draw(true);
    QStringList values;
    for (const TCanvasCall* c : f.canvas.Find("TextOut3D"))
        values << c->Text;
    // Whole days from the maximum's day down to the first day inside the range.
    EXPECT_EQ(values, QStringList({"20230320", "20230319", "20230318", "20230317", "20230316"}));
}

TEST(AxisDraw, LogarithmicBaseOfOneOrLessDrawsNoLabels)
{
    for (const double base : {1.0, 0.5, 0.0}) {
        DrawFixture f(true);
        f.axis->SetMinMax(1, 1000);
        f.axis->SetLogarithmic(true);
        f.axis->SetLogarithmicBase(base);
        f.Layout(1, 1000);
        f.axis->Draw(true);
        EXPECT_EQ(f.canvas.Count("TextOut3D"), 0) << base;
    }
}

TEST(AxisDraw, EventWalkDrawsGivenValuesAndStops)
{
    DrawFixture f(true);
    f.Layout(0, 100);
    int calls = 0;
    f.host.onGetNextAxisLabel = [&](TChartAxis*, int index, double& value, bool& stop) {
        ++calls;
        value = 25.0 * (index + 1);
        stop = index == 3;
    };
    f.axis->Draw(true);
    QStringList values;
    for (const TCanvasCall* c : f.canvas.Find("TextOut3D"))
        values << c->Text;
    EXPECT_EQ(values, QStringList({"25", "50", "75"}));
    EXPECT_EQ(calls, 4);

    // An event that never stops is cut off.
    calls = 0;
    f.host.onGetNextAxisLabel = [&](TChartAxis*, int, double& value, bool& stop) {
        ++calls;
        value = 50;
        stop = false;
    };
    f.axis->Draw(true);
    EXPECT_EQ(calls, 2001);

    // Stopping at once falls back to the value walk.
    f.canvas.Clear();
    f.host.onGetNextAxisLabel = [](TChartAxis*, int, double&, bool& stop) { stop = true; };
    f.axis->SetDesiredIncrement(50);
    f.axis->Draw(true);
    EXPECT_EQ(f.canvas.Count("TextOut3D"), 3);
}

TEST(AxisDraw, SeriesTextsThatWouldOverlapAreSkipped)
{
    DrawFixture f(true);
    const QString wide(24, QLatin1Char('X')); // 144 pixels
    f.host.seriesLabelStyle = talText;
    f.host.seriesLabels = QStringList{wide, wide, wide, wide};
    f.Layout(0, 3); // at 50, 217, 383, 550
    f.axis->Draw(true);
    QStringList xs;
    for (const TCanvasCall* c : f.canvas.Find("TextOut3D"))
        xs << QString::number(c->Points[0].X);
    // Each label keeps half its width plus 10 % on both sides (86): 217 - 86 clears the first
    // label's 50 + 72, but 383 - 86 comes within 217 + 86.
    EXPECT_EQ(xs, QStringList({"50", "217", "550"}));
    EXPECT_EQ(f.axis->TickPositions, (QVector<int32_t>{50, 217, 550}));
}

TEST(AxisDraw, CustomItemsReplaceTheAutomaticLabels)
{
    DrawFixture f(true);
    f.Layout(0, 100);
    f.axis->Items()->Add(20, "low");
    f.axis->Items()->Add(150, "off");
    f.axis->Items()->Add(60);
    f.axis->Draw(true);
    EXPECT_EQ(f.canvas.Texts(), QStringList({"150,308:low", "350,308:60"}));
}

TEST(AxisLabel, MultiLineBlocksEndOnTheTopAxisAndStartOnTheBottomAxis)
{
    DrawFixture top(true, true);
    top.axis->SetLabelsMultiLine(true);
    top.axis->DrawAxisLabel(100, 20, 0, top.axis->LabelValue(0) + QString(TeeLineSeparator) + "b");
    EXPECT_EQ(top.canvas.Texts(), QStringList({"100,8:0", "100,20:b"}));
    EXPECT_EQ(top.canvas.Aligns.front(), TA_CENTER | TA_BOTTOM);

    DrawFixture bottom(true);
    bottom.axis->SetLabelsMultiLine(true);
    bottom.host.onGetAxisLabel = [](TChartAxis*, TChartSeries*, int, QString& text) { text = "a b"; };
    bottom.axis->DrawAxisLabel(100, 20, 0, bottom.axis->LabelValue(1));
    EXPECT_EQ(bottom.canvas.Texts(), QStringList({"100,20:a", "100,32:b"}));
}

TEST(AxisLabel, VerticalAxesAlignBesideTheAxisCentredOnTheValue)
{
    DrawFixture left(false);
    left.axis->DrawAxisLabel(40, 150, 0, "12");
    EXPECT_EQ(left.canvas.Texts(), QStringList({"40,144:12"}));
    EXPECT_EQ(left.canvas.Aligns.back(), TA_RIGHT);

    DrawFixture right(false, true);
    right.axis->SetLabelsAlign(alOpposite);
    right.axis->SetLabelsSize(30);
    right.axis->DrawAxisLabel(560, 150, 0, "12");
    EXPECT_EQ(right.canvas.Texts(), QStringList({"590,144:12"}));
    EXPECT_EQ(right.canvas.Aligns.back(), TA_RIGHT);
}

TEST(AxisLabel, RotatedLabels)
{
    DrawFixture left(false);
    left.axis->DrawAxisLabel(40, 150, 90, "ab");
    EXPECT_EQ(left.canvas.Texts(), QStringList({"40,150:ab"}));
    EXPECT_EQ(left.canvas.Aligns.back(), TA_CENTER | TA_BOTTOM);

    DrawFixture bottom(true);
    bottom.axis->DrawAxisLabel(100, 308, 270, "ab");
    bottom.axis->DrawAxisLabel(100, 308, 90, "ab");
    bottom.axis->DrawAxisLabel(100, 308, 45, "ab");
    bottom.axis->DrawAxisLabel(100, 308, 180, "ab");
    // 270: left-aligned, half a line right, block moved back by a line; 90: right-aligned,
    // half a line left; 45: moved left and down by 12 sin 45 = 8; 180: the line's height up.
    EXPECT_EQ(bottom.canvas.Texts(), QStringList({"106,308:ab", "94,308:ab", "92,316:ab", "100,308:ab"}));
    const std::vector<uint32_t> aligns{TA_LEFT, TA_RIGHT, TA_LEFT, TA_CENTER | TA_BOTTOM};
    EXPECT_EQ(bottom.canvas.Aligns, aligns);
    EXPECT_EQ(bottom.canvas.Find("RotateLabel3D")[0]->Args[1], 270);
}

TEST(AxisLabel, ExponentIsRaisedBesideTheMantissa)
{
    DrawFixture left(false);
    left.axis->SetLabelsExponent(true);
    left.axis->DrawAxisLabel(40, 150, 0, "1E5");
    EXPECT_EQ(left.canvas.Texts(), QStringList({"40,141:5", "33,144:1"}));

    // A centred label puts the exponent at x too; a label without "E" is drawn plainly.
    DrawFixture bottom(true);
    bottom.axis->SetLabelsExponent(true);
    bottom.axis->DrawAxisLabel(100, 308, 0, "2e3");
    bottom.axis->DrawAxisLabel(100, 308, 0, "25");
    EXPECT_EQ(bottom.canvas.Texts(), QStringList({"100,305:3", "93,308:2", "100,308:25"}));
}

// A panel that draws nothing of its own: it only lends its canvas to the label boxes.
struct BlankPanel : TCustomTeePanel {
    BlankPanel() : TCustomTeePanel(nullptr) {}
    void InternalDraw(const TRect&) override {}
};

TEST(AxisLabel, BoxBehindTheLabelWhenTheFormatIsNotTransparent)
{
    BlankPanel panel;
    auto* canvas = new AlignCanvas;
    panel.SetInternalCanvas(canvas);
    AxisTestHost host;
    host.shapeParent = &panel;
    host.canvas = canvas;
    TChartAxis axis(&host);
    axis.SetHorizontal(true);
    axis.Items()->Format()->SetTransparent(false);
    axis.Items()->Format()->SetShadowSize(0);
    axis.DrawAxisLabel(100, 308, 0, "100");
    // 18 pixels of text centred on 100 from the labels line down one line, widened by half
    // a "W" on each side.
    const auto boxes = canvas->Find("Rectangle");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->Points, (std::vector<TPoint>{{88, 308}, {112, 320}}));
    EXPECT_EQ(canvas->Texts(), QStringList({"100,308:100"}));

    // A bottom-aligned label (top axis) has its box above the text line.
    canvas->Clear();
    axis.SetOtherSide(true);
    axis.DrawAxisLabel(100, 20, 0, "100");
    EXPECT_EQ(canvas->Find("Rectangle")[0]->Points, (std::vector<TPoint>{{88, 8}, {112, 20}}));
}

TEST(AxisLayout, LeftAxisTakesTitleLabelsAndTicksFromTheRect)
{
    DrawFixture f(false);
    f.axis->Title()->SetAngle(90);
    f.axis->Title()->SetCaption("Yen");
    f.axis->SetMinMax(0, 100);
    f.axis->AdjustMaxMin();
    f.axis->InternalCalcPositions();
    TRect r = f.host.chartRect;
    f.axis->CalcRect(r, true);
    // Title: one line (12); labels: "100" and a space (24); line and ticks (7).
    EXPECT_EQ(f.axis->TitlePos, 62);
    EXPECT_EQ(f.axis->LabelsPos, 86);
    EXPECT_EQ(r, TRect(93, 20, 550, 320));

    TRect custom = f.host.chartRect;
    f.axis->CalcRect(custom, false);
    EXPECT_EQ(custom, f.host.chartRect);
    EXPECT_EQ(f.axis->AxisLinePos, 50);
    EXPECT_EQ(f.axis->LabelsPos, 43);
    EXPECT_EQ(f.axis->TitlePos, 19);
}

TEST(AxisLayout, LabelWidthsAreMeasuredWithoutTheLabelEvent)
{
    DrawFixture f(false);
    int calls = 0;
    f.host.onGetAxisLabel = [&](TChartAxis*, TChartSeries*, int, QString& text) {
        ++calls;
        text = "a much longer text";
    };
    f.axis->SetMinMax(0, 100);
    f.axis->AdjustMaxMin();
    f.axis->InternalCalcPositions();
    // "100" and a space, as if no event were set; the event is back afterwards.
    EXPECT_EQ(f.axis->MaxLabelsWidth(), 24);
    EXPECT_TRUE(static_cast<bool>(f.host.onGetAxisLabel));
    const int before = calls;
    EXPECT_EQ(f.axis->LabelValue(5), "a much longer text");
    EXPECT_EQ(calls, before + 1);
}

TEST(AxisLayout, ClickedUpToThreePixelsBeyondTheLine)
{
    DrawFixture f(true);
    f.Layout(0, 100);
    f.axis->Draw(true); // line at 301, labels at 308
    EXPECT_TRUE(f.axis->Clicked(100, 298));
    EXPECT_FALSE(f.axis->Clicked(100, 297));
    EXPECT_TRUE(f.axis->Clicked(100, 307));
    EXPECT_FALSE(f.axis->Clicked(100, 308));
    EXPECT_FALSE(f.axis->Clicked(40, 300));
    f.host.axisVisible = false;
    EXPECT_FALSE(f.axis->Clicked(100, 300));
}

TEST(AxisDraw, GridBehindIn3DRunsOnTheBackWallAndAlongTheDepth)
{
    DrawFixture f(true);
    f.host.view3D = true;
    f.host.depth3D = 20;
    f.axis->MinorTicks()->Hide();
    f.axis->SetDesiredIncrement(50);
    f.Layout(0, 100);
    f.axis->Draw(true);
    const auto back = f.canvas.Find("VertLine3D");
    // Ticks at depth 0 for 550, 300, 50; the grid line at 300 on the back wall.
    ASSERT_EQ(back.size(), 4u);
    const TCanvasCall* grid = back[3];
    EXPECT_EQ(grid->Points, (std::vector<TPoint>{{300, 21}, {300, 301}}));
    EXPECT_EQ(grid->Args[0], 20);
    const auto depth = f.canvas.Find("ZLine3D");
    ASSERT_EQ(depth.size(), 1u);
    EXPECT_EQ(depth[0]->Points[0], TPoint(300, 301));
    EXPECT_EQ(depth[0]->Args, (std::vector<int64_t>{0, 20}));

    f.canvas.Clear();
    f.axis->FrontRedraw = true;
    f.axis->Grid()->SetZ(100);
    f.axis->Draw(true);
    EXPECT_EQ(f.canvas.Count("ZLine3D"), 0);
    EXPECT_EQ(f.canvas.Count("VertLine3D"), 3); // only the ticks
}

TEST(AxisDraw, TitleOutsideTheLabels)
{
    DrawFixture f(true);
    f.axis->Title()->SetCaption("Plays");
    f.axis->SetDesiredIncrement(50);
    const TRect r = f.Layout(0, 100);
    EXPECT_EQ(f.axis->TitlePos, 308);
    EXPECT_EQ(f.axis->LabelsPos, 296);
    EXPECT_EQ(r.Bottom, 289);
    f.axis->Draw(true);
    EXPECT_EQ(f.canvas.Texts(), QStringList({"300,308:Plays", "550,296:100", "300,296:50", "50,296:0"}));
}

TEST(AxisDraw, GridCentredBetweenTicks)
{
    DrawFixture f(true);
    f.axis->SetDesiredIncrement(50);
    f.axis->SetGridCentered(true);
    f.axis->MinorTicks()->Hide();
    f.Layout(0, 100);
    f.axis->Draw(true);
    EXPECT_EQ(f.canvas.VertLines().filter(",21-"), QStringList({"425,21-301", "175,21-301"}));
}

TEST(AxisDraw, DepthAxisShowsSeriesTitlesAlongTheDepth)
{
    AxisTestHost host;
    AlignCanvas canvas;
    host.canvas = &canvas;
    host.chartRect = TRect(50, 20, 550, 320);
    host.depth3D = 40;
    host.seriesTitles = QStringList{"A", "B"};
    TChartDepthAxis* axis = new TChartDepthAxis(&host);
    axis->SetDepthAxis(true);
    axis->SetOtherSide(true);
    axis->SetMinMax(-0.5, 1.5);
    axis->AdjustMaxMin();
    axis->InternalCalcPositions();
    axis->LabelsPos = 560;
    axis->Draw(true);
    EXPECT_EQ(canvas.Texts(), QStringList({"560,320:A", "560,320:B"}));
    const auto texts = canvas.Find("TextOut3D");
    EXPECT_EQ(texts[0]->Args[0], 30); // the first series stands at the back
    EXPECT_EQ(texts[1]->Args[0], 10);
    std::vector<const TCanvasCall*> from;
    std::vector<const TCanvasCall*> to;
    for (const TCanvasCall* c : canvas.TopLevel()) {
        if (c->Name == "MoveTo3D")
            from.push_back(c);
        if (c->Name == "LineTo3D")
            to.push_back(c);
    }
    ASSERT_EQ(from.size(), 1u);
    ASSERT_EQ(to.size(), 1u);
    EXPECT_EQ(from[0]->Points[0], TPoint(550, 320));
    EXPECT_EQ(from[0]->Args[0], 0);
    EXPECT_EQ(to[0]->Args[0], 40);
}

TEST(AxisLabel, DateTimeTexts)
{
    DrawFixture f(true);
    f.axis->IsDateTimeAxis = true;
    f.axis->SetDateTimeFormat("yyyymmdd");
    EXPECT_EQ(f.axis->LabelValue(45000), "20230315");
    EXPECT_EQ(f.axis->LabelValue(-1), "");
    f.axis->IsDateTimeAxis = false;
    EXPECT_EQ(f.axis->LabelValue(1234.5678), "1,234.568");
}

TEST(AxisDraw, CustomDrawRestoresTheScale)
{
    DrawFixture f(true);
    f.Layout(0, 100);
    f.axis->CustomDrawMinMax(400, 420, 390, false, 0, 10, 5);
    QStringList values;
    for (const TCanvasCall* c : f.canvas.Find("TextOut3D"))
        values << c->Text;
    EXPECT_EQ(values, QStringList({"10", "5", "0"}));
    EXPECT_EQ(f.axis->Maximum(), 100);
    EXPECT_EQ(f.axis->WorkMaximum, 100);
    EXPECT_TRUE(f.axis->Grid()->Visible());
    EXPECT_EQ(f.canvas.VertLines().filter(",21-").size(), 0); // no grid
}

} // namespace

TEST(AxisDraw, EveryRangeGetsItsLabelsToAnEnd)
{
    // Series values of denormal, tiny, huge and far-from-zero ranges; each chart is drawn with
    // its labels on both the left axis and the bottom one (values as X too).
    const double tiny = 4.9406564584124654e-324, max = 1.7976931348623157e308;
    const std::vector<std::vector<double>> cases = {
        {1.3e-317},
        {0, 1.3e-317},
        {-tiny, tiny},
        {1.3e-317, 2.6e-317},
        {1e-300, 1.0000000000000002e-300},
        {1e17, 1e17 + 16},
        {-1e17 - 16, -1e17},
        {4503599627370496.0, 4503599627370497.0},
        {-max, max},
        {0, max},
        {1e308, -1e308, 5},
    };
    HangGuard guard("labels of tiny, huge and far-off ranges");
    for (const auto& values : cases) {
        TSeriesChart chart;
        auto* s = new TChartSeries(&chart);
        chart.AddSeries(s);
        for (double v : values)
            s->AddXY(v, v);
        TRecordingCanvas* canvas = chart.Record();
        // A label per 40 pixels at most on these short axes.
        EXPECT_LE(canvas->Count("TextOut3D"), 20) << values.front();
    }
}
