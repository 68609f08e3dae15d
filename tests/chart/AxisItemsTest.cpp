// Custom axis labels, their common format, and the axis title.

#include <gtest/gtest.h>

#include "chart/core/AxisItems.h"
#include "chart/core/ChartAxisTitle.h"
#include "tests/chart/AxisTestHost.h"

namespace {

TEST(AxisItems, ItemsRepaintOnlyOnChange)
{
    AxisTestHost host;
    TChartAxis axis(&host);
    TAxisItem* item = axis.Items()->Add(5, "five");
    EXPECT_EQ(item->Value(), 5);
    EXPECT_EQ(item->Text(), "five");
    EXPECT_TRUE(item->Transparent());
    const int before = host.invalidated;
    item->SetValue(5);
    item->SetText("five");
    EXPECT_EQ(host.invalidated, before);
    item->SetValue(6);
    EXPECT_EQ(host.invalidated, before + 1);
    item->SetText("six");
    EXPECT_EQ(host.invalidated, before + 2);
    axis.Items()->Clear();
    EXPECT_EQ(axis.Items()->Count(), 0);
    EXPECT_EQ(host.invalidated, before + 3);
}

TEST(AxisItems, CopyTakesFormatValuesAndTextsOnly)
{
    AxisTestHost host;
    TChartAxis a(&host);
    TChartAxis b(&host);
    b.Items()->Add(1, "x");
    b.Items()->Format()->SetTransparent(false);
    a.Items()->Add(2, "old");
    a.Items()->CopyFrom(*b.Items());
    ASSERT_EQ(a.Items()->Count(), 1);
    EXPECT_EQ(a.Items()->Get(0)->Value(), 1);
    EXPECT_EQ(a.Items()->Get(0)->Text(), "x");
    EXPECT_FALSE(a.Items()->Format()->Transparent());

    TChartAxis empty(&host);
    empty.Items()->Format()->SetVisible(false);
    a.Items()->CopyFrom(*empty.Items());
    EXPECT_EQ(a.Items()->Count(), 0);
    EXPECT_FALSE(a.Labels()); // the format's visibility is the axis' Labels
}

TEST(AxisTitle, AngleModuloAndItsDefault)
{
    AxisTestHost host;
    TChartAxis axis(&host);
    TChartAxisTitle* title = axis.Title();
    title->SetDefaultAngle(90);
    EXPECT_EQ(title->Angle(), 90);
    EXPECT_FALSE(title->IsAngleStored());
    title->SetAngle(450);
    EXPECT_EQ(title->Angle(), 90);
    title->SetAngle(-30);
    EXPECT_TRUE(title->IsAngleStored());
    const int before = host.invalidated;
    title->SetCaption("Yen");
    title->SetCaption("Yen");
    EXPECT_EQ(host.invalidated, before + 1);

    TChartAxis other(&host);
    other.SetTitle(title);
    EXPECT_EQ(other.Title()->Angle(), -30);
    EXPECT_EQ(other.Title()->Caption(), "Yen");
}

TEST(AxisTitle, TitleAndLabelsAreStoredWithTheAxis)
{
    AxisTestHost host;
    TChartAxis axis(&host);
    axis.Title()->SetCaption("Plays");
    axis.SetLabels(false);
    const QString text = TeeWriteProperties(axis);
    EXPECT_TRUE(text.contains("Title.Caption=Plays"));
    EXPECT_TRUE(text.contains("Labels=False"));
    TChartAxis copy(&host);
    TeeReadProperties(copy, text);
    EXPECT_EQ(copy.Title()->Caption(), "Plays");
    EXPECT_FALSE(copy.Labels());
}

} // namespace
