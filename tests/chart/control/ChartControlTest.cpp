// The chart control: wall defaults and sizes, the order of titles and legend, saved scales,
// series order, pages and axis names.

#include <gtest/gtest.h>

#include "chart/core/ChartAxisTitle.h"
#include "tests/chart/control/ChartFixture.h"

TEST(ChartWalls, DefaultColoursAndVisibility)
{
    ChartFixture f;
    TCustomChart* c = f.chart.get();
    EXPECT_EQ(c->BackWall()->Color(), TColor(0xC0C0C0));
    EXPECT_TRUE(c->BackWall()->Transparent());
    EXPECT_EQ(c->LeftWall()->Color(), TColor(0x80FFFF));
    EXPECT_FALSE(c->LeftWall()->Transparent());
    EXPECT_EQ(c->BottomWall()->Color(), TColor(0xFFFFFF));
    EXPECT_EQ(c->RightWall()->Color(), TColor(0xC0C0C0));
    EXPECT_FALSE(c->RightWall()->Visible());
    EXPECT_TRUE(c->LeftWall()->Visible());
    EXPECT_TRUE(c->LeftWall()->Dark3D());
    EXPECT_EQ(c->LeftWall()->Size(), 0);
    EXPECT_TRUE(c->Walls()->Visible());

    // A colour equal to the wall's default is not stored; a changed one is.
    EXPECT_FALSE(c->LeftWall()->IsColorStored());
    EXPECT_FALSE(TeeWriteProperties(*c->LeftWall()).contains("Color="));
    c->LeftWall()->SetColor(clWhite);
    EXPECT_TRUE(c->LeftWall()->IsColorStored());
    EXPECT_TRUE(TeeWriteProperties(*c->LeftWall()).contains("Color=16777215"));
    EXPECT_FALSE(TeeWriteProperties(*c->BottomWall()).contains("Color="));
}

TEST(ChartWalls, SizeDarkSidesAndWallsOff)
{
    ChartFixture f;
    TCustomChart* c = f.chart.get();
    c->LeftWall()->SetSize(5);
    c->BottomWall()->SetSize(4);
    EXPECT_EQ(c->CalcWallSize(c->LeftAxis()), 5);
    EXPECT_EQ(c->CalcWallSize(c->BottomAxis()), 4);
    EXPECT_EQ(c->CalcWallSize(c->RightAxis()), 0); // hidden
    EXPECT_EQ(c->CalcWallSize(c->TopAxis()), 0);   // the back wall's
    c->Walls()->SetVisible(false);
    EXPECT_FALSE(c->View3DWalls());
    EXPECT_EQ(c->CalcWallSize(c->LeftAxis()), 0);
    c->Walls()->SetVisible(true);
    c->SetView3D(false);
    EXPECT_EQ(c->CalcWallSize(c->LeftAxis()), 0);

    EXPECT_TRUE(c->LeftWall()->ApplyDark3D());
    c->LeftWall()->Brush()->SetStyle(bsClear);
    EXPECT_FALSE(c->LeftWall()->ApplyDark3D());
    c->BottomWall()->SetDark3D(false);
    EXPECT_FALSE(c->BottomWall()->ApplyDark3D());

    TChartWall copy(c);
    copy.Assign(c->BottomWall());
    EXPECT_EQ(copy.Size(), 4);
    EXPECT_FALSE(copy.Dark3D());
}

TEST(ChartWalls, TwoDimensionalBackWallAndNoWallsForSeriesWithoutAxes)
{
    ChartFixture f(TRect(10, 20, 110, 120));
    TCustomChart* c = f.chart.get();
    EXPECT_TRUE(c->ActiveSeriesUseAxis()); // no series at all
    c->SetView3D(false);
    c->DrawWalls();
    // One frame, a pixel wider than the chart rectangle.
    const auto rects = f.canvas->Find("Rectangle");
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0]->Points.at(0), TPoint(10, 20));
    EXPECT_EQ(rects[0]->Points.at(1), TPoint(111, 121));
    EXPECT_EQ(rects[0]->BrushStyle, bsClear); // transparent back wall
}

TEST(ChartControl, BackColourSavedScalesSeriesOrderPagesAndAxisNames)
{
    ChartFixture f;
    TCustomChart* c = f.chart.get();
    EXPECT_EQ(c->GetBackColor(), c->Color());
    c->BackWall()->SetTransparent(false);
    EXPECT_EQ(c->GetBackColor(), TColor(0xC0C0C0));

    // The back colour name is read as a colour name or a number, and never written back.
    TeeReadProperties(*c, "BackColor=clRed");
    EXPECT_EQ(c->BackWall()->Color(), clRed);
    TeeReadProperties(*c, "BackColor=65280");
    EXPECT_EQ(c->BackWall()->Color(), TColor(65280));
    EXPECT_FALSE(TeeWriteProperties(*c).contains("BackColor"));

    TChartSeries* a = f.AddSeries("a", 3);
    TChartSeries* b = f.AddSeries("b", 3);
    c->SeriesUp(a);
    EXPECT_EQ(c->Series(0), a);
    c->SeriesDown(b);
    EXPECT_EQ(c->Series(1), b);
    c->SeriesDown(a);
    EXPECT_EQ(c->Series(0), b);
    EXPECT_EQ(c->GetASeries(), b);

    c->NextPage();
    EXPECT_EQ(c->Page(), 1);

    EXPECT_EQ(c->AxisTitleOrName(c->RightAxis()), "Right Axis");
    EXPECT_EQ(c->AxisTitleOrName(c->TopAxis()), "Top Axis");
    EXPECT_EQ(c->AxisTitleOrName(c->DepthAxis()), "Depth Axis");
    c->LeftAxis()->Title()->SetCaption("Medals");
    EXPECT_EQ(c->AxisTitleOrName(c->LeftAxis()), "Medals");

    c->BottomAxis()->SetMinMax(5, 7);
    TAllAxisSavedScales saved = c->SaveScales();
    EXPECT_EQ(saved.size(), static_cast<size_t>(c->AxisCount()));
    c->BottomAxis()->SetAutomatic(true);
    c->RestoreScales(saved);
    EXPECT_TRUE(saved.empty());
    EXPECT_FALSE(c->BottomAxis()->Automatic());
    EXPECT_EQ(c->BottomAxis()->Minimum(), 5);
    EXPECT_EQ(c->BottomAxis()->Maximum(), 7);

    EXPECT_FALSE(c->IsFreeSeriesColor(a->SeriesColor(), false));
    c->RemoveAllSeries();
    EXPECT_EQ(c->SeriesCount(), 0);
    delete a;
    delete b;
}

TEST(ChartControl, TitlesAndSideLegendOrder)
{
    ChartFixture f;
    TCustomChart* c = f.chart.get();
    f.AddSeries("a");
    f.AddSeries("b");
    c->Title()->Text()->Add("T");
    c->Foot()->Text()->Add("F");
    c->DrawTitlesAndLegend(true);
    // A side legend is measured first, so the title is centred over what it leaves.
    const auto texts = f.canvas->Find("TextOut");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0]->Text, "a");
    EXPECT_EQ(texts[2]->Text, "T");
    EXPECT_EQ(texts[3]->Text, "F");

    ChartFixture g;
    g.AddSeries("a");
    g.AddSeries("b");
    g.chart->Legend()->SetAlignment(laTop);
    g.chart->Title()->Text()->Add("T");
    g.chart->DrawTitlesAndLegend(true);
    const auto top = g.canvas->Find("TextOut");
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[0]->Text, "T");
    // The top legend sits below the title.
    EXPECT_GT(g.chart->Legend()->ShapeRect.Top, g.chart->Title()->ShapeRect.Bottom);
}

TEST(ChartWalls, ThreeDimensionalWallsBehindTheSeriesInOrder)
{
    ChartFixture f(TRect(50, 40, 450, 340));
    TCustomChart* c = f.chart.get();
    c->SetDepth3DHoriz(20);
    f.canvas->InitWindow(nullptr, c->View3DOptions(), clWhite, true, TRect(0, 0, 600, 500));
    f.canvas->Projection(20, c->PlotRect());
    // Seen from the front, the left wall shows its inner face (behind the series) and the
    // right wall its outer one (in front of them).
    EXPECT_FALSE(c->DrawLeftWallFirst());
    EXPECT_TRUE(c->DrawRightWallAfter());
    c->DrawWalls();
    EXPECT_EQ(f.canvas->Sequence(), "RectangleWithZ RectangleZ RectangleY");
    const auto back = f.canvas->TopLevel().at(0);
    EXPECT_EQ(back->BrushStyle, bsClear);
    const auto left = f.canvas->TopLevel().at(1);
    EXPECT_EQ(left->BrushColor, TColor(0x80FFFF));
    EXPECT_EQ(left->Args, (std::vector<int64_t>{0, 20}));
    const auto bottom = f.canvas->TopLevel().at(2);
    EXPECT_EQ(bottom->BrushColor, TColor(0xFFFFFF));

    // A visible right wall waits until after the series, with the right axis.
    f.canvas->Clear();
    c->RightWall()->SetVisible(true);
    c->DrawWalls();
    EXPECT_EQ(f.canvas->Sequence(), "RectangleWithZ RectangleZ RectangleY");
    f.canvas->Clear();
    c->Legend()->SetVisible(false);
    c->DrawTitlesAndLegend(false);
    const auto after = f.canvas->Find("RectangleZ");
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0]->Args, (std::vector<int64_t>{0, 21}));
    EXPECT_EQ(after[0]->BrushColor, TColor(0xC0C0C0));
    f.canvas->Clear();
    c->Walls()->SetVisible(false);
    c->DrawWalls();
    EXPECT_EQ(f.canvas->Sequence(), "");
}

TEST(ChartWalls, ThickWallsAreBoxes)
{
    ChartFixture f(TRect(50, 40, 450, 340));
    TCustomChart* c = f.chart.get();
    c->SetDepth3DHoriz(20);
    f.canvas->InitWindow(nullptr, c->View3DOptions(), clWhite, true, TRect(0, 0, 600, 500));
    f.canvas->Projection(20, c->PlotRect());
    c->LeftWall()->SetSize(5);
    c->BottomWall()->SetSize(4);
    c->LeftWall()->SetDark3D(false);
    c->DrawWalls();
    const auto cubes = f.canvas->Find("Cube");
    ASSERT_EQ(cubes.size(), 2u);
    // left - size .. left, top .. bottom + bottom wall, depth 0 .. 20, no dark sides.
    EXPECT_EQ(cubes[0]->Points, (std::vector<TPoint>{{45, 40}, {50, 344}}));
    EXPECT_EQ(cubes[0]->Args, (std::vector<int64_t>{0, 20, 0}));
    EXPECT_EQ(cubes[1]->Points, (std::vector<TPoint>{{50, 340}, {450, 344}}));
    EXPECT_EQ(cubes[1]->Args, (std::vector<int64_t>{0, 20, 1}));
}

TEST(ChartWalls, WallsRectangleLeavesRoomForDepthAndThickness)
{
    ChartFixture f;
    TCustomChart* c = f.chart.get();
    c->BackWall()->SetSize(3);
    c->CalcWallsRect();
    const int d = std::abs(c->Depth3DHoriz());
    const int dv = std::abs(c->Depth3DVert());
    EXPECT_GT(d, 0);
    EXPECT_EQ(c->PlotRect(), TRect(0, 3 + dv, 500 - d - 3, 400));

    ChartFixture g;
    g.chart->BackWall()->SetSize(3);
    g.chart->RightWall()->SetVisible(true);
    g.chart->RightWall()->SetSize(2);
    g.chart->CalcWallsRect();
    EXPECT_EQ(g.chart->PlotRect().Right, 500 - d - 3 - 3);

    // Flat: nothing moves.
    ChartFixture flat;
    flat.chart->SetView3D(false);
    flat.chart->CalcWallsRect();
    EXPECT_EQ(flat.chart->PlotRect(), TRect(0, 0, 500, 400));
}

namespace {
class NoAxisSeries : public TChartSeries
{
public:
    using TChartSeries::TChartSeries;
    bool UseAxis() const override { return false; }
};
} // namespace

TEST(ChartWalls, SeriesWithoutAxesDrawNoWalls)
{
    ChartFixture f;
    auto* pie = new NoAxisSeries(&f.owner);
    f.chart->AddSeries(pie);
    EXPECT_FALSE(f.chart->ActiveSeriesUseAxis());
    f.chart->RightWall()->SetVisible(true);
    f.chart->Legend()->SetVisible(false);
    f.chart->DrawWalls();
    f.chart->DrawTitlesAndLegend(false);
    EXPECT_EQ(f.canvas->Sequence(), "");
    // With no active series at all, walls come back.
    pie->SetActive(false);
    EXPECT_TRUE(f.chart->ActiveSeriesUseAxis());
}
