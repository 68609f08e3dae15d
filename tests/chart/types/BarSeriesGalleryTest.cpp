// The bar series in the gallery: the variant captions in order, what each variant sets, the
// second series that the several-bars variants add to a chart of one, and the variant numbers
// of a bar kind without stacked variants.
#include <gtest/gtest.h>

#include "chart/components/Series.h"
#include "platform/ClassRegistry.h"
#include "tests/chart/types/SeriesChart.h"

// A bar kind that offers no stacked variants (registered by the tests that need to create it
// by class).
class TNoStackBarSeries : public TBarSeries
{
public:
    using TBarSeries::TBarSeries;
    bool SubGalleryStack() const override { return false; }
};

namespace {

QStringList Captions(TCustomBarSeries* s)
{
    TSubGallery gallery;
    s->CreateSubGallery(gallery);
    return gallery.Captions();
}

struct NoStackRegistered {
    NoStackRegistered() { RegisterClassOf<TNoStackBarSeries>("TNoStackBarSeries", "TBarSeries"); }
    ~NoStackRegistered() { UnRegisterClass("TNoStackBarSeries"); }
};

} // namespace

TEST(BarSeriesGallery, CaptionsInOrder)
{
    TSeriesChart chart;
    auto* s = new TBarSeries(nullptr);
    chart.AddSeries(s);
    EXPECT_EQ(Captions(s), (QStringList{"Normal", "Colors", "Pyramid", "Ellipse", "Inv. Pyramid", "Gradient", "Stack",
                                        "Stack 100%", "Self Stacked", "Sides", "Side All"}));
    auto* h = new THorizBarSeries(nullptr);
    chart.AddSeries(h);
    EXPECT_EQ(Captions(h).size(), 11);

    auto* plain = new TNoStackBarSeries(nullptr);
    chart.AddSeries(plain);
    EXPECT_EQ(Captions(plain),
              (QStringList{"Normal", "Colors", "Pyramid", "Ellipse", "Inv. Pyramid", "Gradient", "Sides", "Side All"}));
}

TEST(BarSeriesGallery, EachVariantSetsItsStyleOrMode)
{
    // Two series already: no series is added.
    TSeriesChart chart;
    auto* s = new TBarSeries(nullptr);
    chart.AddSeries(s);
    chart.AddSeries(new TBarSeries(nullptr));
    const TBarStyle styles[] = {bsPyramid, bsEllipse, bsInvPyramid, bsRectGradient};
    for (int i = 2; i <= 5; ++i) {
        s->SetBarStyle(bsRectangle);
        s->SetSubGallery(i);
        EXPECT_EQ(s->BarStyle(), styles[i - 2]) << i;
        EXPECT_EQ(s->MultiBar(), mbSide) << i;
    }
    EXPECT_FALSE(s->ColorEachPoint());
    s->SetSubGallery(1);
    EXPECT_TRUE(s->ColorEachPoint());

    const TMultiBar modes[] = {mbStacked, mbStacked100, mbSelfStack, mbSide, mbSideAll};
    for (int i = 6; i <= 10; ++i) {
        s->SetMultiBar(mbNone);
        s->SetSubGallery(i);
        EXPECT_EQ(s->MultiBar(), modes[i - 6]) << i;
        EXPECT_EQ(s->BarStyle(), bsRectGradient) << i;
    }
    // The plain variant and numbers past the last change nothing.
    s->SetMultiBar(mbNone);
    s->SetSubGallery(0);
    s->SetSubGallery(11);
    EXPECT_EQ(s->MultiBar(), mbNone);
    EXPECT_EQ(chart.SeriesCount(), 2);
}

TEST(BarSeriesGallery, SeveralBarVariantsAddASecondSeriesToAChartOfOne)
{
    TComponent owner(nullptr);
    TSeriesChart chart;
    auto* s = new TBarSeries(&owner);
    s->SetName("Series1");
    chart.AddSeries(s);
    s->SetBarWidthPercent(85);
    // A bar style variant needs no second series.
    s->SetSubGallery(5);
    ASSERT_EQ(chart.SeriesCount(), 1);

    s->SetSubGallery(7);
    ASSERT_EQ(chart.SeriesCount(), 2);
    auto* added = dynamic_cast<TBarSeries*>(chart.Series(1));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Owner(), &owner);
    EXPECT_EQ(added->Name(), "Series2");
    EXPECT_EQ(added->Title(), QString());
    EXPECT_EQ(added->Count(), 2);
    EXPECT_FALSE(added->Marks()->Visible());
    EXPECT_EQ(added->BarWidthPercent(), 85);
    EXPECT_EQ(added->MultiBar(), mbStacked100);
    EXPECT_EQ(s->Count(), 2);
    EXPECT_FALSE(s->Marks()->Visible());
    EXPECT_EQ(s->MultiBar(), mbStacked100);

    // With two series in the chart the next variant adds none.
    s->SetSubGallery(10);
    EXPECT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(added->MultiBar(), mbSideAll);
}

TEST(BarSeriesGallery, ASeriesWithoutOwnerHasItsNeighbourOwnedByTheChart)
{
    TSeriesChart chart;
    auto* s = new THorizBarSeries(nullptr);
    chart.AddSeries(s);
    s->SetSubGallery(6);
    ASSERT_EQ(chart.SeriesCount(), 2);
    auto* added = dynamic_cast<THorizBarSeries*>(chart.Series(1));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Owner(), &chart);
    EXPECT_EQ(added->Name(), "Series1");
    EXPECT_EQ(added->MultiBar(), mbStacked);
}

TEST(BarSeriesGallery, WithoutStackVariantsTheSideVariantsMoveUp)
{
    NoStackRegistered registered;
    TSeriesChart chart;
    auto* s = new TNoStackBarSeries(nullptr);
    chart.AddSeries(s);
    s->SetMultiBar(mbNone);
    s->SetSubGallery(6);
    EXPECT_EQ(s->MultiBar(), mbSide);
    ASSERT_EQ(chart.SeriesCount(), 2);
    EXPECT_NE(dynamic_cast<TNoStackBarSeries*>(chart.Series(1)), nullptr);
    s->SetSubGallery(7);
    EXPECT_EQ(s->MultiBar(), mbSideAll);
    // 8 would be past the last variant.
    s->SetMultiBar(mbNone);
    s->SetSubGallery(8);
    EXPECT_EQ(s->MultiBar(), mbNone);
}

TEST(BarSeriesGallery, PreparationAndSampleSize)
{
    TSeriesChart chart;
    auto* s = new TBarSeries(nullptr);
    chart.AddSeries(s);
    EXPECT_EQ(s->NumSampleValues(), 6);
    s->PrepareForGallery(true);
    EXPECT_EQ(s->BarWidthPercent(), 85);
    EXPECT_EQ(s->MultiBar(), mbNone);

    // A horizontal bar series is not of its class: still 6.
    auto* h = new THorizBarSeries(nullptr);
    chart.AddSeries(h);
    h->FillSampleValues(3);
    EXPECT_EQ(s->NumSampleValues(), 6);
    auto* other = new TBarSeries(nullptr);
    chart.AddSeries(other);
    other->FillSampleValues(9);
    EXPECT_EQ(s->NumSampleValues(), 9);
    EXPECT_EQ(other->NumSampleValues(), s->Count());
}
