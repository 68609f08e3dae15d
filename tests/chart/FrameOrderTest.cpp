// One frame of the axis panel: the order of walls, axes, series, marks, titles and legend; the
// depth order; series sharing a depth position; visible ranges with inverted axes.
#include <gtest/gtest.h>

#include "FrameTestChart.h"
#include "chart/core/ChartAxis.h"

namespace {

TTraceSeries* AddPoints(TFrameChart& chart, const QString& name, int count, int firstX = 0)
{
    auto* s = new TTraceSeries(&chart, name);
    for (int i = 0; i < count; ++i)
        s->AddXY(firstX + i, i + 1);
    return s;
}

QStringList Without(QStringList trace, const QString& prefix)
{
    trace.removeIf([&](const QString& t) { return t.startsWith(prefix); });
    return trace;
}

} // namespace

TEST(FrameOrder, TitlesWallsAxesEachActiveSeriesWithItsMarksThenTitlesAfter)
{
    TFrameChart chart;
    chart.SetView3D(false);
    TTraceSeries* a = AddPoints(chart, "A", 3);
    a->Marks()->SetVisible(true);
    TTraceSeries* off = AddPoints(chart, "Off", 2);
    off->SetActive(false);
    AddPoints(chart, "B", 2);
    chart.PaintFrame();
    EXPECT_EQ(chart.trace, (QStringList{"titles before", "walls rect", "walls", "axes", "before series", "before A",
                                        "A:0", "A:1", "A:2", "mark A:0", "mark A:1", "mark A:2", "after A",
                                        "before B", "B:0", "B:1", "after B", "titles after", "after draw"}));

    chart.SetAxisBehind(false);
    chart.PaintFrame();
    const QStringList t = chart.trace;
    EXPECT_LT(t.indexOf("after B"), t.indexOf("axes"));
    EXPECT_LT(t.indexOf("axes"), t.indexOf("titles after"));

    chart.SetAxisVisible(false);
    chart.PaintFrame();
    EXPECT_FALSE(chart.trace.contains("axes"));
}

TEST(FrameOrder, AnInvertedDepthAxisDrawsTheSeriesLastToFirst)
{
    TFrameChart chart;
    chart.SetView3D(true);
    AddPoints(chart, "A", 1);
    AddPoints(chart, "B", 1);
    chart.PaintFrame();
    EXPECT_LT(chart.trace.indexOf("A:0"), chart.trace.indexOf("B:0"));
    chart.DepthAxis()->SetInverted(true);
    chart.PaintFrame();
    EXPECT_GT(chart.trace.indexOf("A:0"), chart.trace.indexOf("B:0"));
}

TEST(FrameOrder, TheFirstSeriesTakesTheBackSlotSoThatItIsDrawnFirst)
{
    TFrameChart chart;
    chart.SetView3D(true);
    TTraceSeries* a = AddPoints(chart, "A", 1);
    TTraceSeries* b = AddPoints(chart, "B", 1);
    TTraceSeries* c = AddPoints(chart, "C", 1);
    chart.PaintFrame();
    EXPECT_EQ(chart.MaxZPosition(), 2);
    const int slot = chart.ZSlotWidth();
    ASSERT_GT(slot, 0);
    EXPECT_EQ(a->StartZ(), 2 * slot);
    EXPECT_EQ(b->StartZ(), slot);
    EXPECT_EQ(c->StartZ(), 0);
    EXPECT_EQ(c->EndZ(), slot);
    EXPECT_EQ(c->MiddleZ(), slot / 2);
    EXPECT_EQ(c->Marks()->ZPosition(), slot / 2);
    // On an inverted depth axis the order of drawing turns round, and so do the slots.
    chart.DepthAxis()->SetInverted(true);
    chart.PaintFrame();
    EXPECT_EQ(a->StartZ(), 0);
    EXPECT_EQ(c->StartZ(), 2 * slot);
    // A fixed depth position raises the deepest one; later automatic ones go beyond it.
    b->SetZOrder(5);
    chart.DepthAxis()->SetInverted(false);
    chart.PaintFrame();
    EXPECT_EQ(chart.MaxZPosition(), 6);
    EXPECT_EQ(a->StartZ(), 6 * slot);
    EXPECT_EQ(b->StartZ(), slot);
    EXPECT_EQ(c->StartZ(), 0);
}

TEST(FrameOrder, SeriesSharingADepthPositionAreDrawnPointByPointFromTheLeastFirstIndex)
{
    TFrameChart chart;
    chart.SetView3D(true);
    // A's points all show (x 5..9); B's first two (x 0, 1) lie left of the axis.
    TTraceSeries* a = AddPoints(chart, "A", 5, 5);
    TTraceSeries* b = AddPoints(chart, "B", 5, 0);
    a->SetZOrder(0);
    b->SetZOrder(0);
    chart.BottomAxis()->SetMinMax(2, 9);
    chart.PaintFrame();
    EXPECT_EQ(b->FirstVisible(), 2);
    EXPECT_EQ(Without(chart.trace, "walls"),
              (QStringList{"titles before", "axes", "before series", "before A", "before B", "A:0", "A:1", "A:2", "B:2",
                           "A:3", "B:3", "A:4", "B:4", "after A", "after B", "titles after", "after draw"}));
}

TEST(FrameOrder, VisibleRangeStopsBeforeThePointPastTheEdgeUnlessItIsKept)
{
    TFrameChart chart;
    chart.SetView3D(false);
    TTraceSeries* s = AddPoints(chart, "S", 10);
    chart.BottomAxis()->SetMinMax(2.5, 6.5);
    chart.PaintFrame();
    EXPECT_EQ(s->FirstVisible(), 3);
    EXPECT_EQ(s->LastVisible(), 6);
    EXPECT_EQ(s->VisibleCount(), 4);
    EXPECT_EQ(Without(Without(chart.trace, "walls"), "titles"),
              (QStringList{"axes", "before series", "before S", "S:3", "S:4", "S:5", "S:6", "after S", "after draw"}));
    s->SetKeepEdgePoint(true);
    chart.PaintFrame();
    EXPECT_EQ(s->LastVisible(), 7);
    // Inverted, the same points are drawn from the last to the first.
    s->SetKeepEdgePoint(false);
    chart.BottomAxis()->SetInverted(true);
    chart.PaintFrame();
    EXPECT_EQ(s->FirstVisible(), 3);
    EXPECT_EQ(s->LastVisible(), 6);
    EXPECT_LT(chart.trace.indexOf("S:6"), chart.trace.indexOf("S:3"));
}

TEST(FrameOrder, ASeriesLeftOfTheRangeFiresNoDrawEventsAndAnUnorderedOneDrawsAll)
{
    TFrameChart chart;
    chart.SetView3D(false);
    TTraceSeries* s = AddPoints(chart, "S", 5);
    chart.BottomAxis()->SetMinMax(20, 30);
    chart.PaintFrame();
    EXPECT_EQ(s->FirstVisible(), -1);
    EXPECT_EQ(s->LastVisible(), -1);
    EXPECT_FALSE(chart.trace.contains("before S"));
    EXPECT_FALSE(chart.trace.contains("after S"));
    s->XValues()->SetOrder(loNone);
    chart.PaintFrame();
    EXPECT_EQ(s->FirstVisible(), 0);
    EXPECT_EQ(s->LastVisible(), 4);
}

TEST(FrameOrder, SlotSizesFollowThePlotWidthAndTheOrthogonalRatio)
{
    TFrameChart chart;
    chart.SetView3D(true);
    chart.SetPlotRect(TRect(0, 0, 300, 100));
    chart.ReCalcWidthHeight();
    chart.SetMaxZPosition(2);
    // 300 x 15 x 0.001 = 4.5 rounds to the even 4; at 30 degrees the height share is 4 x 0.577.
    chart.View3DOptions()->SetOrthoAngle(30);
    chart.CalcSize3DWalls();
    EXPECT_EQ(chart.ZSlotWidth(), 4);
    EXPECT_EQ(chart.ZSlotHeight(), 2);
    EXPECT_EQ(chart.Depth3DHoriz(), 12);
    EXPECT_EQ(chart.Depth3DVert(), 6);
    // Above 45 degrees the slot narrows by the ratio: 4 / 1.732 = 2.31, height 2 x 1.732.
    chart.View3DOptions()->SetOrthoAngle(60);
    chart.CalcSize3DWalls();
    EXPECT_EQ(chart.ZSlotWidth(), 2);
    EXPECT_EQ(chart.ZSlotHeight(), 3);
    // One slot for all when the series do not get their own depth.
    chart.SetSeparateSeriesDepth(false);
    chart.CalcSize3DWalls();
    EXPECT_EQ(chart.Depth3DHoriz(), 2);
    chart.SetView3D(false);
    chart.CalcSize3DWalls();
    EXPECT_EQ(chart.ZSlotWidth(), 0);
    EXPECT_EQ(chart.Depth3DHoriz(), 0);
}

TEST(FrameOrder, SeriesAreClippedToThePlotOneRowTallerAndMarksOnlyWhenAsked)
{
    TFrameChart chart;
    chart.SetView3D(false);
    TTraceSeries* s = AddPoints(chart, "S", 2);
    s->Marks()->SetVisible(true);
    chart.PaintFrame();
    auto clips = chart.canvas->Find("ClipCube");
    ASSERT_EQ(clips.size(), 1u);
    const TRect plot = chart.PlotRect();
    EXPECT_EQ(clips[0]->Points, (std::vector<TPoint>{{plot.Left, plot.Top}, {plot.Right, plot.Bottom + 1}}));
    EXPECT_EQ(clips[0]->Args, (std::vector<int64_t>{0, chart.Depth3DHoriz()}));
    s->Marks()->SetClip(true);
    chart.PaintFrame();
    EXPECT_EQ(chart.canvas->Count("ClipCube"), 2);
    chart.SetClipPoints(false);
    chart.PaintFrame();
    EXPECT_EQ(chart.canvas->Count("ClipCube"), 1);
}

TEST(FrameOrder, In3DAMarkBoxKeepsItsOffsetFromTheProjectedArrowEnd)
{
    TFrameChart chart;
    chart.SetView3D(true);
    TTraceSeries* s = AddPoints(chart, "S", 1);
    chart.PaintFrame();
    s->Marks()->SetZPosition(10);
    TSeriesMarkPosition p;
    p.ArrowEnd = TPoint(100, 100);
    TPoint corner(90, 80);
    s->Marks()->ConvertTo2D(p, corner);
    const TPoint end = chart.canvas->Calculate3DPosition(100, 100, 10);
    EXPECT_EQ(corner, TPoint(end.X - 10, end.Y - 20));
    EXPECT_NE(end, TPoint(100, 100));
    chart.SetView3D(false);
    TPoint flat(90, 80);
    s->Marks()->ConvertTo2D(p, flat);
    EXPECT_EQ(flat, TPoint(90, 80));
}
