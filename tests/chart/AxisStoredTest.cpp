// Stored properties of an axis and its grid pen: what is written and what reads back.

#include <gtest/gtest.h>

#include "tests/chart/AxisTestHost.h"

namespace {

TEST(AxisStored, NewStandardAxisWritesNothing)
{
    AxisTestHost host;
    TChartAxis axis(&host);
    EXPECT_EQ(TeeWriteProperties(axis), "");
}

TEST(AxisStored, BoundsOnlyWhenNotAutomatic)
{
    AxisTestHost host;
    TChartAxis axis(&host);
    axis.SetMaximum(50);
    EXPECT_FALSE(TeeWriteProperties(axis).contains("Maximum="));
    axis.SetAutomaticMaximum(false);
    const QString text = TeeWriteProperties(axis);
    EXPECT_TRUE(text.contains("Maximum=50"));
    EXPECT_FALSE(text.contains("Minimum="));
}

TEST(AxisStored, RoundTripOfChangedSettings)
{
    AxisTestHost host;
    TChartAxis axis(&host);
    axis.SetMinMax(-2.5, 7);
    axis.SetAxisValuesFormat("0.0");
    axis.SetLabelsAngle(90);
    axis.SetLabelStyle(talText);
    axis.SetGridCentered(true);
    axis.Grid()->SetZ(40);
    axis.Ticks()->SetColor(clRed);
    axis.SetEndPosition(80);
    const QString text = TeeWriteProperties(axis);
    EXPECT_FALSE(text.contains("Horizontal")); // standard axes take their side from the panel

    TChartAxis copy(&host);
    TeeReadProperties(copy, text);
    EXPECT_EQ(copy.Minimum(), -2.5);
    EXPECT_EQ(copy.Maximum(), 7);
    EXPECT_FALSE(copy.Automatic());
    EXPECT_EQ(copy.AxisValuesFormat(), "0.0");
    EXPECT_EQ(copy.LabelsAngle(), 90);
    EXPECT_EQ(copy.LabelStyle(), talText);
    EXPECT_TRUE(copy.GridCentered());
    EXPECT_EQ(copy.Grid()->ZPosition(), 40);
    EXPECT_EQ(copy.Ticks()->Color(), clRed);
    EXPECT_EQ(copy.EndPosition(), 80);
    EXPECT_EQ(TeeWriteProperties(copy), text);
}

TEST(AxisStored, ZPositionDefaultsDependOnTheSide)
{
    AxisTestHost host;
    TChartAxis axis(&host);
    axis.SetOtherSide(true);
    EXPECT_TRUE(axis.IsZPositionStored()); // 0 on the other side differs from 100
    axis.SetZPosition(100);
    EXPECT_FALSE(axis.IsZPositionStored());
    axis.SetDepthAxis(true);
    axis.SetZPosition(30);
    EXPECT_FALSE(axis.IsZPositionStored());
}

TEST(AxisStored, GridPenZPositionAgainstTheAxisDefault)
{
    TAxisGridPen pen;
    pen.SetDefaultZ(100);
    EXPECT_EQ(pen.ZPosition(), 100);
    EXPECT_FALSE(TeeWriteProperties(pen).contains("ZPosition"));
    int changes = 0;
    pen.OnChange = [&](TObject*) { ++changes; };
    pen.SetZ(100);
    pen.SetCentered(false);
    EXPECT_EQ(changes, 0);
    pen.SetZ(50);
    pen.SetCentered(true);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(TeeWriteProperties(pen).contains("ZPosition=50"));
}

TEST(AxisStored, CustomAxisStoresItsSide)
{
    AxisTestHost host;
    for (int i = 0; i < 5; ++i)
        new TChartAxis(&host);
    auto* custom = new TChartAxis(&host);
    custom->SetHorizontal(true);
    EXPECT_TRUE(TeeWriteProperties(*custom).contains("Horizontal=True"));
}

} // namespace
