// Pie series: slice angles, grouping of small values into the other slice (never stored),
// the rotation, a single point's full circle and exploded slices moved along this frame's
// angles.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/components/Series.h"
#include "platform/TeeFiler.h"
#include "platform/graphics/Canvas.h"
#include "platform/Types.h"
#include "tests/chart/types/SeriesChart.h"

namespace {

constexpr double kDegree = M_PI / 180;

struct PieChart {
    TSeriesChart chart{400, 300};
    TPieSeries* pie = new TPieSeries(nullptr);
    PieChart()
    {
        chart.AddSeries(pie);
        pie->Marks()->SetVisible(false);
    }
    std::vector<const TCanvasCall*> Pies(TRecordingCanvas* canvas)
    {
        std::vector<const TCanvasCall*> out;
        for (const TCanvasCall* c : canvas->Find("Pie"))
            if (c->Depth == 0)
                out.push_back(c);
        return out;
    }
};

} // namespace

TEST(PieSeries, ThirtyAndSeventyGiveZeroTo108And108To360)
{
    TPieSeries pie(nullptr);
    pie.Add(30);
    pie.Add(70);
    pie.CalcAngles();
    const auto& a = pie.Angles();
    ASSERT_EQ(a.size(), 2u);
    EXPECT_DOUBLE_EQ(a[0].StartAngle, 0);
    EXPECT_NEAR(a[0].EndAngle / kDegree, 108, 1e-9);
    EXPECT_NEAR(a[0].MidAngle / kDegree, 54, 1e-9);
    EXPECT_EQ(a[1].StartAngle, a[0].EndAngle);
    EXPECT_NEAR(a[1].EndAngle / kDegree, 360, 1e-9);
    // A half pie halves every angle.
    pie.SetAngleSize(180);
    pie.CalcAngles();
    EXPECT_NEAR(pie.Angles()[0].EndAngle / kDegree, 54, 1e-9);
    EXPECT_NEAR(pie.Angles()[1].EndAngle / kDegree, 180, 1e-9);
}

TEST(PieSeries, ZeroTotalGivesTheFirstSliceEverything)
{
    TPieSeries pie(nullptr);
    pie.Add(0);
    pie.Add(0);
    pie.CalcAngles();
    EXPECT_NEAR(pie.Angles()[0].EndAngle / kDegree, 360, 1e-9);
    EXPECT_EQ(pie.Angles()[1].StartAngle, pie.Angles()[1].EndAngle);
}

TEST(PieSeries, SlicesBelowTenPercentAreGroupedAndNeverStored)
{
    PieChart f;
    f.pie->Add(5, "a");
    f.pie->Add(5, "b");
    f.pie->Add(90, "c");
    f.pie->OtherSlice()->SetStyle(poBelowPercent);
    f.pie->OtherSlice()->SetValue(10);
    f.pie->DoBeforeDrawChart();
    ASSERT_EQ(f.pie->Count(), 4);
    EXPECT_EQ(f.pie->XValue(0), -1);
    EXPECT_EQ(f.pie->XValue(1), -1);
    EXPECT_EQ(f.pie->XValue(2), 2);
    EXPECT_EQ(f.pie->XValue(3), 2147483647.0);
    EXPECT_EQ(f.pie->YValue(3), 10);
    EXPECT_EQ(f.pie->XLabel(3), QStringLiteral("Other"));
    // The grouped points get no width; the other slice takes their share.
    f.pie->CalcAngles();
    const auto& a = f.pie->Angles();
    EXPECT_EQ(a[0].EndAngle, 0);
    EXPECT_EQ(a[1].EndAngle, 0);
    EXPECT_NEAR(a[2].EndAngle / kDegree, 324, 1e-9);
    EXPECT_NEAR(a[3].EndAngle / kDegree, 360, 1e-9);
    EXPECT_EQ(f.pie->CountLegendItems(), 2);
    EXPECT_EQ(f.pie->LegendToValueIndex(0), 2);
    EXPECT_EQ(f.pie->LegendToValueIndex(1), 3);
    // A second drawing groups afresh rather than adding a second other slice.
    f.pie->DoBeforeDrawChart();
    EXPECT_EQ(f.pie->Count(), 4);
    // Grouped slices are not drawn: two pies for c and the other slice.
    EXPECT_EQ(f.Pies(f.chart.Record()).size(), 2u);

    TTeePropertyWriter writer;
    f.pie->DefineProperties(writer);
    EXPECT_EQ(f.pie->Count(), 3);
}

TEST(PieSeries, RotationIsStoredModuloAFullTurn)
{
    TPieSeries pie(nullptr);
    pie.SetRotationAngle(370);
    EXPECT_EQ(pie.RotationAngle(), 10);
    EXPECT_DOUBLE_EQ(pie.Rotation(), 10 * 0.017453292519943295);
}

TEST(PieSeries, SampleValuesLeaveTheXValuesAscending)
{
    PieChart f;
    EXPECT_EQ(f.pie->XValues()->Order(), loNone);
    f.pie->FillSampleValues(3);
    EXPECT_EQ(f.pie->XValues()->Order(), loAscending);
    // A point added afterwards goes to its place by X.
    f.pie->AddXY(0.5, 7, "x", clDefault);
    ASSERT_EQ(f.pie->Count(), 4);
    EXPECT_EQ(f.pie->Labels().GetLabel(1), "x");
}

TEST(PieSeries, ASinglePointDrawsAWholeCircle)
{
    PieChart f;
    f.pie->Add(42);
    const auto pies = f.Pies(f.chart.Record());
    ASSERT_EQ(pies.size(), 1u);
    // The two radial points coincide at angle 0, to the right of the centre.
    ASSERT_EQ(pies[0]->Points.size(), 4u);
    EXPECT_EQ(pies[0]->Points[2], pies[0]->Points[3]);
    EXPECT_EQ(pies[0]->Points[2].X, f.pie->CircleXCenter() + f.pie->XRadius());
    EXPECT_EQ(pies[0]->Points[2].Y, f.pie->CircleYCenter());
}

TEST(PieSeries, ExplodedSliceMovesAlongThisFramesAngles)
{
    PieChart f;
    f.pie->Add(25);
    f.pie->Add(75);
    TRecordingCanvas* canvas = f.chart.Record();
    // The circle without explosion.
    const TRect whole = f.pie->CircleRect();
    const int xr = f.pie->XRadius(), yr = f.pie->YRadius();
    ASSERT_GT(xr, 50);

    // One frame with halves (the second slice's middle at 270 degrees), then back to 25 and 75.
    f.pie->SetYValue(0, 50);
    f.pie->SetYValue(1, 50);
    f.pie->ExplodedSlice()->Put(1, 20);
    f.chart.Painted();
    f.pie->SetYValue(0, 25);
    f.pie->SetYValue(1, 75);
    canvas->Clear();
    f.chart.Painted();

    // The second slice runs from 90 to 360 degrees: its middle is 225 degrees, so it moves by
    // dx = round(cos 225 x xr x 0.2), dy = round(sin 225 x 0.2 x yr), and the circle first
    // shrinks by half of each at both sides (then its sizes are made even).
    const int dx = Round(std::cos(225 * kDegree) * xr * 0.2), dy = Round(std::sin(225 * kDegree) * 0.2 * yr);
    int width = whole.Right - whole.Left - 2 * (std::abs(dx) / 2);
    int height = whole.Bottom - whole.Top - 2 * (std::abs(dy) / 2);
    width -= width % 2;
    height -= height % 2;
    EXPECT_EQ(f.pie->XRadius(), width / 2);
    EXPECT_EQ(f.pie->YRadius(), height / 2);
    const auto pies = f.Pies(canvas);
    ASSERT_EQ(pies.size(), 2u);
    const TRect& r = f.pie->CircleRect();
    EXPECT_EQ(pies[0]->Points[0], TPoint(r.Left, r.Top));
    const int dx2 = Round(std::cos(225 * kDegree) * f.pie->XRadius() * 0.2);
    const int dy2 = Round(std::sin(225 * kDegree) * 0.2 * f.pie->YRadius());
    EXPECT_EQ(pies[1]->Points[0], TPoint(r.Left + dx2, r.Top - dy2));
}

TEST(PieSeries, CircledKeepsTheDevicesPixelProportion)
{
    PieChart f;
    f.pie->Add(1);
    TRecordingCanvas* canvas = f.chart.Record();
    const TRect free = f.pie->CircleRect();
    const int xr = f.pie->XRadius(), yr = f.pie->YRadius();
    ASSERT_GT(xr, yr);

    // Unknown device: square pixels, the wider radius comes down to the other one.
    f.pie->SetCircled(true);
    f.chart.Painted();
    EXPECT_EQ(f.pie->XRadius(), yr);
    EXPECT_EQ(f.pie->YRadius(), yr);
    EXPECT_EQ(f.pie->CircleRect(), TRect(free.Left + xr - yr, free.Top, free.Right - (xr - yr), free.Bottom));

    // 400 x 200 pixels on 100 x 100 mm: twice as many pixels per millimetre across as down,
    // so the circle is twice as wide as high in pixels. c = 2 yr > xr: the height gives way,
    // by a = yr - round(xr / 2) at the top and at the bottom.
    canvas->Device = TDeviceSize{400, 200, 100, 100};
    f.chart.Painted();
    const int a = yr - Round(xr / 2.0);
    TRect r(free.Left, free.Top + a, free.Right, free.Bottom - a);
    r.Bottom -= (r.Bottom - r.Top) % 2;
    EXPECT_EQ(f.pie->XRadius(), xr);
    EXPECT_EQ(f.pie->YRadius(), (r.Bottom - r.Top) / 2);
    EXPECT_EQ(f.pie->CircleRect().Top, r.Top);

    // 400 x 200 pixels on 400 x 100 mm: half as many across, so the width gives way down to
    // c = round(yr / 2).
    canvas->Device = TDeviceSize{400, 200, 400, 100};
    f.chart.Painted();
    const int c = Round(yr * 0.5);
    EXPECT_EQ(f.pie->XRadius(), c);
    EXPECT_EQ(f.pie->YRadius(), yr);
    EXPECT_EQ(f.pie->CircleRect().Left, free.Left + xr - c);

    // A device that knows only one of its sizes counts as unknown.
    canvas->Device = TDeviceSize{400, 200, 0, 100};
    f.chart.Painted();
    EXPECT_EQ(f.pie->XRadius(), yr);
    EXPECT_EQ(f.pie->YRadius(), yr);
}

TEST(PieSeries, CircledOnAnImageOfUnequalResolutions)
{
    // Drawn straight onto an image of 4,000 dots per metre across and 2,000 down (as a
    // printer of unequal resolutions would be), a circled pie is twice as wide as high.
    PieChart f;
    f.pie->Add(1);
    f.pie->SetCircled(true);
    QImage image(400, 300, QImage::Format_RGB32);
    image.setDotsPerMeterX(4000);
    image.setDotsPerMeterY(2000);
    image.fill(Qt::white);
    TCanvas canvas;
    ASSERT_TRUE(canvas.BeginPaint(&image));
    f.chart.NonBufferDraw(&canvas, TRect(0, 0, 400, 300));
    canvas.EndPaint();
    const int xr = f.pie->XRadius(), yr = f.pie->YRadius();
    ASSERT_GT(yr, 20);
    EXPECT_LE(std::abs(xr - 2 * yr), 1) << xr << " x " << yr;
    // The pie's fill reaches the circle's edge across, not beyond.
    const TPoint centre(f.pie->CircleXCenter(), f.pie->CircleYCenter());
    EXPECT_NE(image.pixel(centre.X + xr - 3, centre.Y) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(centre.X + xr + 3, centre.Y) & 0xFFFFFF, 0xFFFFFFu);
}
