// Line family drawing in depth and with fills: the 3D line's front face and the shading of
// faces steeper than the depth, the stair riser, area gradients and blending, the faces that
// close the area, marks of the horizontal area and the order of stacked areas.
//
// The charts hide their axes, so the plot rectangle stays (12, 12, 388, 288) whatever the
// scales, and the scales are set so that one value unit is one pixel: x -> 12 + x and
// y -> 288 - y.
#include <gtest/gtest.h>

#include <QColor>

#include "chart/components/Series.h"
#include "chart/core/View3DOptions.h"
#include "tests/chart/types/SeriesChart.h"

namespace {

// A series chart that works out its 3D depth as a chart with walls does.
class TDepthChart : public TSeriesChart
{
public:
    explicit TDepthChart(bool is3D) : TSeriesChart(400, 300)
    {
        SetView3D(is3D);
        LeftAxis()->SetVisible(false);
        BottomAxis()->SetVisible(false);
        BottomAxis()->SetMinMax(0, 376);
        LeftAxis()->SetMinMax(0, 276);
    }
    void CalcWallsRect() override { CalcSize3DWalls(); }
};

// A canvas that claims to turn the chart all round, so that the hidden sides are drawn too.
class TFullRotationCanvas : public TRecordingCanvas
{
public:
    bool GetSupportsFullRotation() override { return true; }
};

TPoint Pixel(double x, double y)
{
    return TPoint(12 + static_cast<int>(x), 288 - static_cast<int>(y));
}

std::vector<const TCanvasCall*> TopLevelNamed(const TRecordingCanvas* canvas, const QString& name)
{
    std::vector<const TCanvasCall*> out;
    for (const TCanvasCall* c : canvas->TopLevel())
        if (c->Name == name)
            out.push_back(c);
    return out;
}

QColor At(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

} // namespace

TEST(Line3D, FrontFaceHangsLineHeightBelowTheLineAndClosesAtTheLastPoint)
{
    TDepthChart chart(true);
    auto* line = new TLineSeries(nullptr);
    chart.AddSeries(line);
    line->SetSeriesColor(clRed);
    line->SetLineHeight(5);
    line->AddXY(100, 100);
    line->AddXY(200, 90);
    line->AddXY(300, 90);
    TRecordingCanvas* canvas = chart.Record();
    // Depth: 376 x 15 x 0.001 = 5.64 -> 6 pixels at 45 degrees.
    ASSERT_EQ(line->StartZ(), 0);
    ASSERT_EQ(line->EndZ(), 6);
    const auto faces = TopLevelNamed(canvas, QStringLiteral("PlaneWithZ"));
    ASSERT_EQ(faces.size(), 2u);
    const TPoint a = Pixel(100, 100), b = Pixel(200, 90), c = Pixel(300, 90);
    EXPECT_EQ(faces[0]->Points, (std::vector<TPoint>{b, a, TPoint(a.X, a.Y + 5), TPoint(b.X, b.Y + 5)}));
    EXPECT_EQ(faces[0]->Args, std::vector<int64_t>{0});
    EXPECT_EQ(faces[1]->Points, (std::vector<TPoint>{c, b, TPoint(b.X, b.Y + 5), TPoint(c.X, c.Y + 5)}));
    // Only the last point gets the closing face, five pixels tall, across the depth.
    const auto closing = TopLevelNamed(canvas, QStringLiteral("RectangleZ"));
    ASSERT_EQ(closing.size(), 1u);
    EXPECT_EQ(closing[0]->Points, (std::vector<TPoint>{c, TPoint(c.X, c.Y + 5)}));
    EXPECT_EQ(closing[0]->Args, (std::vector<int64_t>{0, 6}));

    // On screen the face is red below a flat stretch of the line and the chart is white
    // under it (x = 250: between the second and third points, y = 198).
    chart.SetInternalCanvas(new TTeeCanvas3D);
    const QImage& image = chart.Painted();
    EXPECT_EQ(At(image, 262, 198 + 3), QColor(Qt::red));
    EXPECT_EQ(At(image, 262, 198 + 8), QColor(Qt::white));
}

TEST(Line3D, FacesSteeperThanTheDepthAreShadedAndDrawnAtTheFaceBottom)
{
    TDepthChart chart(true);
    // At 50 degrees: slot width round(5.64 / tan 50) = 5, height round(5 x tan 50) = 6, so
    // the slope ratio is 6 / 5 = 1.2.
    chart.View3DOptions()->SetOrthoAngle(50);
    auto* line = new TLineSeries(nullptr);
    chart.AddSeries(line);
    line->SetSeriesColor(clRed);
    line->SetLineHeight(4);
    // Rises of 12 (1.2, not above the ratio), 13 (1.3, above) and a fall of 10, each over
    // 10 pixels.
    line->AddXY(100, 100);
    line->AddXY(110, 112);
    line->AddXY(120, 125);
    line->AddXY(130, 115);
    TRecordingCanvas* canvas = chart.Record();
    ASSERT_EQ(chart.Depth3DHoriz(), 5);
    ASSERT_EQ(chart.Depth3DVert(), 6);
    const auto tops = TopLevelNamed(canvas, QStringLiteral("Plane3D"));
    ASSERT_EQ(tops.size(), 3u);
    const TColor shaded = 0x0000BF; // red 255 - 64
    EXPECT_EQ(tops[0]->BrushColor, clRed);
    EXPECT_EQ(tops[0]->Points, (std::vector<TPoint>{Pixel(110, 112), Pixel(100, 100)}));
    EXPECT_EQ(tops[1]->BrushColor, shaded);
    // The underside is seen: the face runs along the front face's bottom edge.
    EXPECT_EQ(tops[1]->Points,
              (std::vector<TPoint>{TPoint(132, 163 + 4), TPoint(122, 176 + 4)}));
    EXPECT_EQ(tops[2]->BrushColor, clRed);
    EXPECT_EQ(tops[2]->Points, (std::vector<TPoint>{Pixel(130, 115), Pixel(120, 125)}));
    // The brush comes back after the shaded face: the next front face is plain red.
    const auto fronts = TopLevelNamed(canvas, QStringLiteral("PlaneWithZ"));
    ASSERT_EQ(fronts.size(), 3u);
    EXPECT_EQ(fronts[2]->BrushColor, clRed);
}

TEST(Line3D, NoShadingWithoutDark3DOrOnAFullyTurningCanvas)
{
    for (int variant = 0; variant < 2; ++variant) {
        TDepthChart chart(true);
        auto* line = new TLineSeries(nullptr);
        chart.AddSeries(line);
        line->SetSeriesColor(clRed);
        line->AddXY(100, 100);
        line->AddXY(110, 150);
        TRecordingCanvas* canvas;
        if (variant == 0) {
            line->SetDark3D(false);
            canvas = chart.Record();
        } else {
            canvas = new TFullRotationCanvas;
            chart.SetInternalCanvas(canvas);
            chart.Painted();
            canvas->Clear();
            chart.Painted();
        }
        const auto tops = TopLevelNamed(canvas, QStringLiteral("Plane3D"));
        ASSERT_EQ(tops.size(), 1u) << variant;
        EXPECT_EQ(tops[0]->BrushColor, clRed) << variant;
    }
}

TEST(Line3D, StairRiserIsShadedAndTreadIsNot)
{
    TDepthChart chart(true);
    auto* line = new TLineSeries(nullptr);
    chart.AddSeries(line);
    line->SetSeriesColor(clBlue);
    line->SetStairs(true);
    line->AddXY(100, 100);
    line->AddXY(150, 120);
    TRecordingCanvas* canvas = chart.Record();
    const auto planes = TopLevelNamed(canvas, QStringLiteral("Plane3D"));
    ASSERT_EQ(planes.size(), 2u);
    // Tread at the first point's height, then the riser at the second point's x.
    EXPECT_EQ(planes[0]->Points, (std::vector<TPoint>{Pixel(100, 100), Pixel(150, 100)}));
    EXPECT_EQ(planes[0]->BrushColor, clBlue);
    EXPECT_EQ(planes[1]->Points, (std::vector<TPoint>{Pixel(150, 100), Pixel(150, 120)}));
    EXPECT_EQ(planes[1]->BrushColor, static_cast<TColor>(0xBF0000));
}

TEST(Line3D, BottomMarginMakesRoomForTheFrontFace)
{
    TDepthChart chart(true);
    auto* line = new TLineSeries(nullptr);
    chart.AddSeries(line);
    line->SetLineHeight(7);
    int top = 0, bottom = 0;
    line->CalcVerticalMargins(top, bottom);
    EXPECT_EQ(bottom, 7);
    // A pointer of half size 4 already asks for 5: the face only raises it.
    line->Pointer()->SetVisible(true);
    line->SetLineHeight(3);
    line->CalcVerticalMargins(top, bottom);
    EXPECT_EQ(bottom, 5);
    line->Pointer()->SetVisible(false);
    line->SetDrawArea(true);
    line->CalcVerticalMargins(top, bottom);
    EXPECT_EQ(bottom, 0);
    line->SetDrawArea(false);
    chart.SetView3D(false);
    bottom = 0;
    line->CalcVerticalMargins(top, bottom);
    EXPECT_EQ(bottom, 0);
}

TEST(Area, GradientRunsFromTheTopToTheBaseOfTheArea)
{
    // A flat area: largest and smallest values are both 100, yet the gradient must reach
    // down to the base at the axis (y = 288) to fill the whole area.
    TDepthChart chart(false);
    auto* area = new TAreaSeries(nullptr);
    chart.AddSeries(area);
    area->LinePen()->SetVisible(false);
    area->AreaLinesPen()->SetVisible(false);
    area->Gradient()->SetVisible(true);
    area->Gradient()->SetStartColor(clBlue);
    area->Gradient()->SetEndColor(clRed);
    area->AddXY(100, 100);
    area->AddXY(200, 100);
    const QImage& image = chart.Painted();
    // Rows 188 to 287: 100 one-row bands, band i on row 287 - i with colour
    // start + i x (end - start) div 99 per channel; top-bottom puts the end colour on top.
    EXPECT_EQ(At(image, 150, 188), QColor(255, 0, 0));
    EXPECT_EQ(At(image, 150, 287), QColor(0, 0, 255));
    // Row 237, band 50: red 12750 div 99 = 128, blue 255 - 128 = 127.
    EXPECT_EQ(At(image, 150, 237), QColor(128, 0, 127));
    // Outside the area nothing is filled.
    EXPECT_EQ(At(image, 150, 186), QColor(Qt::white));
    EXPECT_EQ(At(image, 215, 250), QColor(Qt::white));
}

TEST(Area, GradientSpansTheSeriesValuesSoPiecesMatch)
{
    // Two pieces, values 50..150: every piece uses the same band from y = 138 (150) to the
    // base 288, so a row has the same colour in both pieces.
    TDepthChart chart(false);
    auto* area = new TAreaSeries(nullptr);
    chart.AddSeries(area);
    area->LinePen()->SetVisible(false);
    area->AreaLinesPen()->SetVisible(false);
    area->Gradient()->SetVisible(true);
    area->Gradient()->SetStartColor(clBlack);
    area->Gradient()->SetEndColor(clWhite);
    area->AddXY(0, 150);
    area->AddXY(100, 50);
    area->AddXY(200, 150);
    const QImage& image = chart.Painted();
    // Band height 150 rows, N = 149; row 260 is band 287 - 260 = 27: 27 x 255 div 149 = 46.
    EXPECT_EQ(At(image, 12 + 60, 260), QColor(46, 46, 46));
    EXPECT_EQ(At(image, 12 + 160, 260), QColor(46, 46, 46));
}

TEST(Area, TransparencyBlendsWithTheBackground)
{
    TDepthChart chart(false);
    chart.SetColor(clYellow);
    auto* area = new TAreaSeries(nullptr);
    chart.AddSeries(area);
    area->SetSeriesColor(clBlue);
    area->LinePen()->SetVisible(false);
    area->AreaLinesPen()->SetVisible(false);
    area->SetTransparency(40);
    area->AddXY(100, 100);
    area->AddXY(200, 100);
    const QImage& image = chart.Painted();
    // new + 40 x (background - new) div 100: red 0 + 102, green 0 + 102, blue 255 - 102.
    EXPECT_EQ(At(image, 150, 250), QColor(102, 102, 153));
    EXPECT_EQ(At(image, 150, 150), QColor(Qt::yellow));
    // Stairs blend their rectangle the same way.
    area->SetStairs(true);
    const QImage& stairs = chart.Painted();
    EXPECT_EQ(At(stairs, 150, 250), QColor(102, 102, 153));
}

TEST(Area, ThreeDClosesTheLastPointAndFullRotationDrawsTheHiddenSides)
{
    TDepthChart chart(true);
    auto* area = new TAreaSeries(nullptr);
    chart.AddSeries(area);
    area->AddXY(100, 100);
    area->AddXY(200, 120);
    area->AddXY(300, 80);
    TRecordingCanvas* canvas = chart.Record();
    auto faces = TopLevelNamed(canvas, QStringLiteral("RectangleZ"));
    ASSERT_EQ(faces.size(), 1u);
    EXPECT_EQ(faces[0]->Points, (std::vector<TPoint>{Pixel(300, 80), TPoint(312, 288)}));
    EXPECT_EQ(faces[0]->Args, (std::vector<int64_t>{0, 6}));
    auto polygons = TopLevelNamed(canvas, QStringLiteral("PolygonWithZ"));
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0]->Points,
              (std::vector<TPoint>{TPoint(112, 288), Pixel(100, 100), Pixel(200, 120), TPoint(212, 288)}));
    EXPECT_EQ(polygons[0]->Args.back(), 0);

    auto* full = new TFullRotationCanvas;
    chart.SetInternalCanvas(full);
    chart.Painted();
    full->Clear();
    chart.Painted();
    // Closing faces at both ends; each piece at the front and at the back.
    faces = TopLevelNamed(full, QStringLiteral("RectangleZ"));
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_EQ(faces[0]->Points, (std::vector<TPoint>{Pixel(100, 100), TPoint(112, 288)}));
    polygons = TopLevelNamed(full, QStringLiteral("PolygonWithZ"));
    ASSERT_EQ(polygons.size(), 4u);
    EXPECT_EQ(polygons[0]->Args.back(), 0);
    EXPECT_EQ(polygons[1]->Args.back(), 6);
}

TEST(Area, ThreeDGradientFillsThePieceAtTheFront)
{
    TDepthChart chart(true);
    auto* area = new TAreaSeries(nullptr);
    chart.AddSeries(area);
    area->Gradient()->SetVisible(true);
    area->AddXY(100, 100);
    area->AddXY(200, 120);
    TRecordingCanvas* canvas = chart.Record();
    EXPECT_EQ(TopLevelNamed(canvas, QStringLiteral("PolygonWithZ")).size(), 0u);
    const auto fills = canvas->Find(QStringLiteral("GradientFill"));
    ASSERT_EQ(fills.size(), 1u);
    // The piece's bounds at depth 0: x 112..212, y 168..288, one past the extremes.
    EXPECT_EQ(fills[0]->Points, (std::vector<TPoint>{TPoint(112, 168), TPoint(213, 289)}));
}

TEST(Area, LegendSymbolShowsTheGradient)
{
    TDepthChart chart(false);
    auto* area = new TAreaSeries(nullptr);
    chart.AddSeries(area);
    area->AddXY(1, 1);
    TRecordingCanvas* canvas = chart.Record();
    canvas->Clear();
    area->Gradient()->SetVisible(true);
    area->Gradient()->SetStartColor(clGreen);
    area->Gradient()->SetEndColor(clNavy);
    area->DrawLegendShape(-1, TRect(10, 10, 40, 22));
    const auto fills = canvas->Find(QStringLiteral("GradientFill"));
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->Points, (std::vector<TPoint>{TPoint(10, 10), TPoint(40, 22)}));
    EXPECT_EQ(fills[0]->Args[0], clGreen);
    EXPECT_EQ(fills[0]->Args[1], clNavy);
    canvas->Clear();
    area->Gradient()->SetVisible(false);
    area->DrawLegendShape(-1, TRect(10, 10, 40, 22));
    EXPECT_EQ(canvas->Count(QStringLiteral("GradientFill")), 0);
}

TEST(HorizArea, MarksSitRightOfTheirPoints)
{
    TDepthChart chart(false);
    auto* area = new THorizAreaSeries(nullptr);
    chart.AddSeries(area);
    area->Marks()->SetVisible(true);
    area->Marks()->SetArrowLength(10);
    area->Marks()->Callout()->SetDistance(4);
    area->AddXY(150, 100, QStringLiteral("abc"));
    area->AddXY(250, 200, QStringLiteral("de"));
    chart.Record();
    const TSeriesMarkPosition* first = area->Marks()->Positions()[0];
    ASSERT_NE(first, nullptr);
    // The point at (162, 188); box 14 pixels high (12 and the frame's 1 on each side).
    ASSERT_EQ(first->BoxHeight, 14);
    EXPECT_EQ(first->BoxLeftTop, TPoint(162 + 10 + 4, 188 - 7));
    EXPECT_EQ(first->ArrowEnd, TPoint(162 + 14, 188));
    EXPECT_EQ(first->ArrowStart, TPoint(162 + 4, 188));
    const TSeriesMarkPosition* second = area->Marks()->Positions()[1];
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->BoxLeftTop, TPoint(262 + 14, 88 - 7));
}

TEST(Area, StackedAreasDrawBottomUpUnlessTheValueAxisIsInverted)
{
    for (const bool inverted : {false, true}) {
        TDepthChart chart(true);
        auto* lower = new TAreaSeries(nullptr);
        auto* upper = new TAreaSeries(nullptr);
        chart.AddSeries(lower);
        chart.AddSeries(upper);
        lower->SetSeriesColor(clRed);
        upper->SetSeriesColor(clBlue);
        lower->SetStacked(cssStack);
        for (int i = 0; i < 3; ++i) {
            lower->AddXY(100 * i, 50);
            upper->AddXY(100 * i, 30);
        }
        chart.LeftAxis()->SetInverted(inverted);
        TRecordingCanvas* canvas = chart.Record();
        std::vector<TColor> order;
        for (const TCanvasCall* c : TopLevelNamed(canvas, QStringLiteral("PolygonWithZ")))
            order.push_back(c->BrushColor);
        const std::vector<TColor> expected =
            inverted ? std::vector<TColor>{clBlue, clRed, clBlue, clRed} : std::vector<TColor>{clRed, clBlue, clRed, clBlue};
        EXPECT_EQ(order, expected) << inverted;
    }
}

TEST(HorizArea, RangeOnTheValueAxisTakesInTheOrigin)
{
    THorizAreaSeries area(nullptr);
    area.AddXY(2, 0);
    area.AddXY(6, 1);
    area.SetUseYOrigin(true);
    area.SetYOrigin(10);
    EXPECT_EQ(area.MaxXValue(), 10);
    EXPECT_EQ(area.MinXValue(), 2);
    area.SetYOrigin(-3);
    EXPECT_EQ(area.MaxXValue(), 6);
    EXPECT_EQ(area.MinXValue(), -3);
    // The other axis keeps its own range.
    EXPECT_EQ(area.MinYValue(), 0);
    EXPECT_EQ(area.MaxYValue(), 1);
}

TEST(HorizArea, RightMarginMakesRoomForTheCallout)
{
    TDepthChart chart(false);
    auto* area = new THorizAreaSeries(nullptr);
    chart.AddSeries(area);
    area->Marks()->SetArrowLength(10);
    area->Marks()->Callout()->SetDistance(4);
    int left = 0, right = 0;
    area->CalcHorizMargins(left, right);
    EXPECT_EQ(right, 0);
    area->Marks()->SetVisible(true);
    area->CalcHorizMargins(left, right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 14);
    // Vertical marks of a vertical area leave the horizontal margins alone.
    auto* upright = new TAreaSeries(nullptr);
    chart.AddSeries(upright);
    upright->Marks()->SetVisible(true);
    upright->CalcHorizMargins(left, right);
    EXPECT_EQ(right, 0);
}

TEST(Area, LegendSymbolTakesTheAreaColour)
{
    TDepthChart chart(false);
    auto* area = new TAreaSeries(nullptr);
    chart.AddSeries(area);
    area->SetSeriesColor(clRed);
    area->AddXY(1, 1);
    TRecordingCanvas* canvas = chart.Record();
    auto symbolColour = [&](int index) {
        canvas->Clear();
        area->DrawLegend(index, TRect(10, 10, 40, 22));
        const auto boxes = canvas->Find(QStringLiteral("Rectangle"));
        return boxes.empty() ? clNone : boxes[0]->BrushColor;
    };
    EXPECT_EQ(symbolColour(-1), clRed);
    area->SetAreaColor(clGreen);
    EXPECT_EQ(symbolColour(-1), clGreen);
    // Colours per point take precedence over the area colour.
    area->SetColorEachPoint(true);
    area->SetValueColor(0, clBlue);
    EXPECT_EQ(symbolColour(0), clBlue);
}

TEST(Line3D, ClickOnTheRibbonTopHitsTheSegment)
{
    TDepthChart chart(true);
    auto* line = new TLineSeries(nullptr);
    chart.AddSeries(line);
    line->AddXY(100, 100);
    line->AddXY(200, 100);
    line->AddXY(300, 150);
    chart.Record();
    // The first segment runs along y = 188 from x = 112 to 212; its top face reaches 6
    // pixels back, up and to the right, to y = 182.
    EXPECT_EQ(line->Clicked(160, 184), 0);
    EXPECT_EQ(line->Clicked(215, 183), 0);
    EXPECT_EQ(line->Clicked(160, 175), -1);
    EXPECT_EQ(line->Clicked(160, 193), -1);
    // Flat, the same click misses the line.
    chart.SetView3D(false);
    chart.Record();
    EXPECT_EQ(line->Clicked(160, 184), -1);
}

TEST(HorizArea, ClickInsideTheAreaHitsThePiece)
{
    TDepthChart chart(false);
    auto* area = new THorizAreaSeries(nullptr);
    chart.AddSeries(area);
    area->AddXY(100, 50);
    area->AddXY(150, 100);
    area->AddXY(100, 150);
    chart.Record();
    // The area runs from the left edge (x = 12) to the points: (112, 238), (162, 188),
    // (112, 138). A click at (60, 200) lies in the first piece, (60, 150) in the second.
    EXPECT_EQ(area->Clicked(60, 200), 0);
    EXPECT_EQ(area->Clicked(60, 150), 1);
    EXPECT_EQ(area->Clicked(200, 200), -1);
}

TEST(Line3D, MonochromeKeepsSteepFacesWhite)
{
    TDepthChart chart(true);
    auto* line = new TLineSeries(nullptr);
    chart.AddSeries(line);
    line->SetSeriesColor(clRed);
    line->AddXY(100, 100);
    line->AddXY(110, 150);
    TRecordingCanvas* canvas = chart.Record();
    canvas->SetMonochrome(true);
    chart.Painted();
    canvas->Clear();
    chart.Painted();
    const auto tops = TopLevelNamed(canvas, QStringLiteral("Plane3D"));
    ASSERT_EQ(tops.size(), 1u);
    EXPECT_EQ(tops[0]->BrushColor, clWhite);
}
