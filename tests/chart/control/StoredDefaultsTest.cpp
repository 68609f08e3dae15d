// What the chart's parts leave out of a stream: values equal to each part's own start values.

#include <gtest/gtest.h>

#include "chart/core/AxisItems.h"
#include "chart/core/TeeCustomTool.h"
#include "chart/core/TeeGradient.h"
#include "tests/chart/AxisTestHost.h"
#include "tests/chart/control/ChartFixture.h"

TEST(StoredDefaults, LegendGradientStartsSilverToWhiteAndStoresOnlyChanges)
{
    ChartFixture f;
    TTeeGradient* g = f.chart->Legend()->Gradient();
    ASSERT_NE(dynamic_cast<TChartLegendGradient*>(g), nullptr);
    EXPECT_EQ(g->Direction(), gdRightLeft);
    EXPECT_EQ(g->StartColor(), 0xC0C0C0);
    EXPECT_EQ(g->EndColor(), 0xFFFFFF);
    EXPECT_FALSE(g->Visible());

    // Its own start values are not written; the plain gradient's would be.
    const QString plain = TeeWriteProperties(*g);
    EXPECT_FALSE(plain.contains("Direction")) << plain.toStdString();
    EXPECT_FALSE(plain.contains("StartColor")) << plain.toStdString();
    EXPECT_FALSE(plain.contains("EndColor")) << plain.toStdString();

    // Back to what a plain gradient starts with: now each differs from the legend's own.
    g->SetDirection(gdTopBottom);
    g->SetStartColor(clWhite);
    g->SetEndColor(clYellow);
    g->SetVisible(true);
    const QString changed = TeeWriteProperties(*f.chart->Legend());
    EXPECT_TRUE(changed.contains("Direction")) << changed.toStdString();
    EXPECT_TRUE(changed.contains("StartColor")) << changed.toStdString();
    EXPECT_TRUE(changed.contains("EndColor")) << changed.toStdString();

    ChartFixture other;
    TeeReadProperties(*other.chart->Legend(), changed);
    TTeeGradient* read = other.chart->Legend()->Gradient();
    EXPECT_EQ(read->Direction(), gdTopBottom);
    EXPECT_EQ(read->StartColor(), clWhite);
    EXPECT_EQ(read->EndColor(), clYellow);
    EXPECT_TRUE(read->Visible());
}

TEST(StoredDefaults, OtherShapesKeepThePlainGradient)
{
    ChartFixture f;
    TTeeGradient* g = f.chart->Title()->Gradient();
    EXPECT_EQ(dynamic_cast<TChartLegendGradient*>(g), nullptr);
    EXPECT_EQ(g->Direction(), gdTopBottom);
    EXPECT_EQ(g->StartColor(), clWhite);
    EXPECT_EQ(g->EndColor(), clYellow);
    g->SetStartColor(clSilver);
    EXPECT_TRUE(TeeWriteProperties(*g).contains("StartColor"));
}

TEST(StoredDefaults, TitleStoresTransparentOnlyWhenMadeOpaque)
{
    ChartFixture f;
    TChartTitle* title = f.chart->Title();
    EXPECT_TRUE(title->Transparent());
    EXPECT_FALSE(TeeWriteProperties(*title).contains("Transparent"));

    title->SetTransparent(false);
    const QString text = TeeWriteProperties(*title);
    EXPECT_TRUE(text.contains("Transparent")) << text.toStdString();
    ChartFixture other;
    TeeReadProperties(*other.chart->Title(), text);
    EXPECT_FALSE(other.chart->Title()->Transparent());

    // The legend starts opaque, so there the stored case is the transparent one.
    EXPECT_FALSE(TeeWriteProperties(*f.chart->Legend()).contains("Transparent"));
    f.chart->Legend()->SetTransparent(true);
    EXPECT_TRUE(TeeWriteProperties(*f.chart->Legend()).contains("Transparent"));
}

TEST(StoredDefaults, AxisItemsAndTheirFormatStoreTransparentOnlyWhenOpaque)
{
    AxisTestHost host;
    TChartAxis axis(&host);
    TAxisItem* item = axis.Items()->Add(3, "three");
    EXPECT_FALSE(TeeWriteProperties(*item).contains("Transparent"));
    EXPECT_FALSE(TeeWriteProperties(*axis.Items()->Format()).contains("Transparent"));

    item->SetTransparent(false);
    const QString text = TeeWriteProperties(*item);
    EXPECT_TRUE(text.contains("Transparent")) << text.toStdString();
    TAxisItem* copy = axis.Items()->Add(0);
    TeeReadProperties(*copy, text);
    EXPECT_FALSE(copy->Transparent());
    EXPECT_EQ(copy->Value(), 3);
    EXPECT_EQ(copy->Text(), "three");
}

TEST(ChartChildren, StreamsSeriesButInternalOnesThenTools)
{
    ChartFixture f;
    TChartSeries* a = f.AddSeries("a");
    TChartSeries* hidden = f.AddSeries("internal");
    hidden->SetInternalUse(true);
    TChartSeries* b = f.AddSeries("b");
    auto* tool = new TTeeCustomToolSeries(&f.owner);
    f.chart->Tools()->Add(tool);

    std::vector<TComponent*> children;
    f.chart->GetChildren([&](TComponent* c) { children.push_back(c); }, &f.owner);
    EXPECT_EQ(children, (std::vector<TComponent*>{a, b, tool}));
}

TEST(ChartChildren, ValueSourcesAreTheNamesOfTheFeedingSeriesLists)
{
    ChartFixture f;
    TChartSeries* source = f.AddSeries("source", 2);
    TChartSeries* fed = f.AddSeries("fed");
    QStringList names;
    const auto collect = [&](const QString& n) { names << n; };

    f.chart->FillValueSourceItems(fed->YValues(), collect);
    EXPECT_TRUE(names.isEmpty()); // no data source yet

    fed->SetDataSource(source);
    f.chart->FillValueSourceItems(fed->YValues(), collect);
    EXPECT_EQ(names, (QStringList{"X", "Y"}));

    names.clear();
    f.chart->FillSeriesSourceItems(fed, collect);
    EXPECT_TRUE(names.isEmpty());
}

TEST(StoredDefaults, LegendStoresEachChangedSettingAndItsSymbol)
{
    const char* names[] = {"CurrentPage", "DividingLines.Visible", "FirstValue", "FontSeriesColor",
                           "HorizMargin", "Inverted",              "TextStyle",  "VertMargin",
                           "VertSpacing", "Symbol.Continuous",     "Symbol.DefaultPen", "Symbol.Position",
                           "Symbol.Squared", "Symbol.Visible",     "Symbol.Width", "Symbol.WidthUnits"};
    ChartFixture f;
    const QString fresh = TeeWriteProperties(*f.chart->Legend());
    for (const char* name : names)
        EXPECT_FALSE(fresh.contains(QLatin1String(name) + "=")) << name << "\n" << fresh.toStdString();

    TCustomChartLegend* l = f.chart->Legend();
    l->SetCurrentPage(false);
    l->DividingLines()->SetVisible(true);
    l->SetFirstValue(3);
    l->SetFontSeriesColor(true);
    l->SetHorizMargin(7);
    l->SetInverted(true);
    l->SetTextStyle(ltsXAndPercent);
    l->SetVertMargin(5);
    l->SetVertSpacing(2);
    l->Symbol()->SetContinuous(true);
    l->Symbol()->SetDefaultPen(false);
    l->Symbol()->SetPosition(spRight);
    l->Symbol()->SetSquared(true);
    l->Symbol()->SetVisible(false);
    l->Symbol()->SetWidth(33);
    l->Symbol()->SetWidthUnits(lcsPixels);
    const QString text = TeeWriteProperties(*l);
    for (const char* name : names)
        EXPECT_TRUE(text.contains(QLatin1String(name) + "=")) << name << "\n" << text.toStdString();

    ChartFixture other;
    TCustomChartLegend* r = other.chart->Legend();
    TeeReadProperties(*r, text);
    EXPECT_FALSE(r->CurrentPage());
    EXPECT_TRUE(r->DividingLines()->Visible());
    EXPECT_EQ(r->FirstValue(), 3);
    EXPECT_TRUE(r->FontSeriesColor());
    EXPECT_EQ(r->HorizMargin(), 7);
    EXPECT_TRUE(r->Inverted());
    EXPECT_EQ(r->TextStyle(), ltsXAndPercent);
    EXPECT_EQ(r->VertMargin(), 5);
    EXPECT_EQ(r->VertSpacing(), 2);
    EXPECT_TRUE(r->Symbol()->Continuous());
    EXPECT_FALSE(r->Symbol()->DefaultPen());
    EXPECT_EQ(r->Symbol()->Position(), spRight);
    EXPECT_TRUE(r->Symbol()->Squared());
    EXPECT_FALSE(r->Symbol()->Visible());
    EXPECT_EQ(r->Symbol()->Width(), 33);
    EXPECT_EQ(r->Symbol()->WidthUnits(), lcsPixels);

    // A negative first value in a stream is not an error for the reader: it starts at the first.
    ChartFixture third;
    TeeReadProperties(*third.chart->Legend(), "FirstValue=-4");
    EXPECT_EQ(third.chart->Legend()->FirstValue(), 0);
}

TEST(StoredDefaults, AnAutomaticShapeReadBackStaysAutomatic)
{
    ChartFixture f;
    f.chart->Legend()->ShapeRect = TRect(410, 30, 490, 120); // where the last drawing put it
    const QString automatic = TeeWriteProperties(*f.chart->Legend());
    EXPECT_TRUE(automatic.contains("Left=410")) << automatic.toStdString();

    ChartFixture other;
    TeeReadProperties(*other.chart->Legend(), automatic);
    EXPECT_FALSE(other.chart->Legend()->CustomPosition());
    TeeReadProperties(*other.chart->Title(), TeeWriteProperties(*f.chart->Title()));
    EXPECT_FALSE(other.chart->Title()->CustomPosition());

    // A shape at a custom position comes back there.
    f.chart->Legend()->SetLeft(12);
    f.chart->Legend()->SetTop(34);
    ChartFixture third;
    TeeReadProperties(*third.chart->Legend(), TeeWriteProperties(*f.chart->Legend()));
    EXPECT_TRUE(third.chart->Legend()->CustomPosition());
    EXPECT_EQ(third.chart->Legend()->Left(), 12);
    EXPECT_EQ(third.chart->Legend()->Top(), 34);
}
