// What a pie stores (only what differs from its own start values) and its gallery variants.

#include <gtest/gtest.h>

#include "chart/components/Series.h"
#include "chart/core/View3DOptions.h"
#include "platform/TeeFiler.h"
#include "tests/chart/types/SeriesChart.h"

TEST(PieStored, AFreshPieWritesNoneOfItsDefaults)
{
    TPieSeries pie(nullptr);
    pie.Add(10);
    const QString text = TeeWriteProperties(pie);
    for (const char* name : {"AngleSize", "AutoMarkPosition", "CircleBackColor", "ColorEachPoint", "Dark3D",
                             "DarkPen", "ExplodeBiggest", "RotationAngle", "UsePatterns", "Circled", "CustomXRadius",
                             "CustomYRadius", "OtherSlice", "Shadow"})
        EXPECT_FALSE(text.contains(name)) << name << " in " << text.toStdString();
    // Its shadow starts grey, and grey is its default.
    EXPECT_EQ(pie.Shadow()->Color(), 10526880);
}

TEST(PieStored, EveryChangedSettingComesBack)
{
    TPieSeries pie(nullptr);
    pie.Add(10);
    pie.Add(20);
    pie.SetAngleSize(180);
    pie.SetAutoMarkPosition(false);
    pie.SetCircleBackColor(clYellow);
    pie.SetColorEachPoint(false);
    pie.SetDark3D(false);
    pie.SetDarkPen(true);
    pie.SetExplodeBiggest(25);
    pie.SetRotationAngle(370);
    pie.SetUsePatterns(true);
    pie.SetCircled(true);
    pie.SetCustomXRadius(70);
    pie.SetCustomYRadius(60);
    pie.Shadow()->SetColor(clSilver);
    pie.Shadow()->SetSize(4);
    TPieOtherSlice* other = pie.OtherSlice();
    other->SetColor(clRed);
    other->SetStyle(poBelowValue);
    other->SetText(QStringLiteral("その他"));
    other->SetValue(12.5);
    other->Legend()->SetTopPos(55);

    const QString text = TeeWriteProperties(pie);
    // A turn and ten degrees is stored as ten degrees.
    EXPECT_TRUE(text.contains("\nRotationAngle=10\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("Shadow.Color=")) << text.toStdString();
    EXPECT_TRUE(text.contains("OtherSlice.Legend.TopPos=55")) << text.toStdString();

    TPieSeries read(nullptr);
    read.Add(10);
    read.Add(20);
    TeeReadProperties(read, text);
    EXPECT_EQ(read.AngleSize(), 180);
    EXPECT_FALSE(read.AutoMarkPosition());
    EXPECT_EQ(read.CircleBackColor(), clYellow);
    EXPECT_FALSE(read.ColorEachPoint());
    EXPECT_FALSE(read.Dark3D());
    EXPECT_TRUE(read.DarkPen());
    EXPECT_EQ(read.ExplodeBiggest(), 25);
    // Applied at once: the biggest value (the second) is exploded.
    EXPECT_EQ(read.ExplodedSlice()->Get(1), 25);
    EXPECT_EQ(read.RotationAngle(), 10);
    EXPECT_TRUE(read.UsePatterns());
    EXPECT_TRUE(read.Circled());
    EXPECT_EQ(read.CustomXRadius(), 70);
    EXPECT_EQ(read.CustomYRadius(), 60);
    EXPECT_EQ(read.Shadow()->Color(), clSilver);
    EXPECT_EQ(read.Shadow()->HorizSize(), 4);
    EXPECT_EQ(read.OtherSlice()->Color(), clRed);
    EXPECT_EQ(read.OtherSlice()->Style(), poBelowValue);
    EXPECT_EQ(read.OtherSlice()->Text(), QStringLiteral("その他"));
    EXPECT_EQ(read.OtherSlice()->Value(), 12.5);
    ASSERT_NE(read.OtherSlice()->LegendIfAny(), nullptr);
    EXPECT_EQ(read.OtherSlice()->Legend()->TopPos(), 55);
    EXPECT_FALSE(read.OtherSlice()->Legend()->Visible());
    EXPECT_EQ(read.OtherSlice()->Legend()->Series(), &read);
}

TEST(PieStored, OtherSliceTextIsStoredOnlyWhenGiven)
{
    TPieSeries pie(nullptr);
    pie.OtherSlice()->SetStyle(poBelowPercent);
    EXPECT_EQ(TeeWriteProperties(pie), QStringLiteral("OtherSlice.Style=poBelowPercent"));
    // Read back, the empty text still shows as "Other".
    TPieSeries read(nullptr);
    TeeReadProperties(read, TeeWriteProperties(pie));
    EXPECT_EQ(read.OtherSlice()->Text(), QStringLiteral("Other"));
    EXPECT_EQ(read.OtherSlice()->LegendIfAny(), nullptr);
}

namespace {

struct GalleryPie {
    TSeriesChart chart{400, 300};
    TPieSeries* pie = new TPieSeries(nullptr);
    GalleryPie() { chart.AddSeries(pie); }
};

} // namespace

TEST(PieGallery, SevenVariantsAfterTheNormalOne)
{
    TPieSeries pie(nullptr);
    TSubGallery gallery;
    pie.CreateSubGallery(gallery);
    EXPECT_EQ(gallery.Captions(), (QStringList{"Normal", "Patterns", "Exploded", "Shadow", "Marks", "Semi Pie",
                                               "No Border", "Dark Border"}));
}

TEST(PieGallery, EachVariantChangesItsOneSetting)
{
    {
        GalleryPie g;
        g.pie->SetSubGallery(1);
        EXPECT_TRUE(g.pie->UsePatterns());
    }
    {
        GalleryPie g;
        g.pie->Add(10);
        g.pie->Add(40);
        g.pie->Add(20);
        g.pie->SetSubGallery(2);
        EXPECT_EQ(g.pie->ExplodeBiggest(), 30);
        EXPECT_EQ(g.pie->ExplodedSlice()->Get(1), 30);
        EXPECT_EQ(g.pie->ExplodedSlice()->Get(0), 0);
    }
    {
        GalleryPie g;
        g.pie->SetSubGallery(3);
        EXPECT_EQ(g.pie->Shadow()->HorizSize(), 10);
        EXPECT_EQ(g.pie->Shadow()->VertSize(), 10);
    }
    {
        GalleryPie g;
        g.pie->FillSampleValues(8);
        g.pie->Marks()->SetVisible(false);
        g.pie->SetSubGallery(4);
        EXPECT_TRUE(g.pie->Marks()->Visible());
        ASSERT_EQ(g.pie->Count(), 2);
        EXPECT_EQ(g.pie->XLabel(0), QStringLiteral("A"));
        EXPECT_EQ(g.pie->YValue(0), 30);
        EXPECT_EQ(g.pie->XLabel(1), QStringLiteral("B"));
        EXPECT_EQ(g.pie->YValue(1), 70);
    }
    {
        GalleryPie g;
        g.pie->SetSubGallery(5);
        EXPECT_EQ(g.pie->AngleSize(), 180);
    }
    {
        GalleryPie g;
        g.pie->SetSubGallery(6);
        EXPECT_FALSE(g.pie->PiePen()->Visible());
    }
    {
        GalleryPie g;
        g.pie->SetSubGallery(7);
        EXPECT_TRUE(g.pie->DarkPen());
        // The plain variant and unknown ones change nothing.
        g.pie->SetSubGallery(0);
        g.pie->SetSubGallery(8);
        // The chart gave the pie its first free colour, red.
        EXPECT_EQ(TeeWriteProperties(*g.pie), QStringLiteral("SeriesColor=255\nDarkPen=True"));
    }
}

TEST(PieGallery, PreparedPieAndItsThreeDSwitch)
{
    GalleryPie g;
    g.pie->PrepareForGallery(true);
    EXPECT_EQ(g.pie->Count(), 8);
    EXPECT_EQ(g.pie->XLabel(0), QStringLiteral("Cars"));
    EXPECT_EQ(g.pie->XLabel(7), QStringLiteral("Chairs"));
    EXPECT_EQ(g.chart.Chart3DPercent(), 75);
    EXPECT_EQ(g.pie->Marks()->ArrowLength(), 0);
    EXPECT_EQ(g.pie->Marks()->DrawEvery(), 1);
    EXPECT_TRUE(g.pie->ColorEachPoint());
    TView3DOptions* view = g.chart.View3DOptions();
    EXPECT_FALSE(view->Orthogonal());
    EXPECT_EQ(view->Rotation(), 0);
    EXPECT_EQ(view->Elevation(), 305);
    g.pie->PrepareForGallery(false);
    EXPECT_FALSE(g.pie->ColorEachPoint());

    view->SetRotation(20);
    view->SetElevation(340);
    g.pie->GalleryChanged3D(true);
    EXPECT_TRUE(g.chart.View3D());
    EXPECT_FALSE(g.pie->Circled());
    EXPECT_EQ(view->Rotation(), 0);
    EXPECT_EQ(view->Elevation(), 305);
    g.pie->GalleryChanged3D(false);
    EXPECT_FALSE(g.chart.View3D());
    EXPECT_TRUE(g.pie->Circled());
}
