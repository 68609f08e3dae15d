#include <gtest/gtest.h>

#include "SeriesTestChart.h"
#include "chart/core/ColorPalette.h"
#include "chart/core/Teeconst.h"
#include "platform/StringList.h"

namespace {

using PointList = QList<std::pair<double, double>>;

TEST(Series, AscendingXKeepsArrivalOrderOfEqualValues)
{
    TChartSeries s(nullptr);
    EXPECT_EQ(s.AddXY(3, 30), 0);
    EXPECT_EQ(s.AddXY(1, 10), 0);
    EXPECT_EQ(s.AddXY(2, 20), 1);
    EXPECT_EQ(s.AddXY(2, 21, "second"), 2);
    EXPECT_EQ(Points(s), (PointList{{1, 10}, {2, 20}, {2, 21}, {3, 30}}));
    EXPECT_EQ(s.XLabel(2), "second");
    EXPECT_EQ(s.XLabel(1), "");
    EXPECT_EQ(s.XLabel(3), "");
}

TEST(Series, DescendingXAndAddNumbersPoints)
{
    TChartSeries s(nullptr);
    s.XValues()->SetOrder(loDescending);
    s.AddXY(1, 1);
    s.AddXY(5, 5);
    s.AddXY(3, 3);
    EXPECT_EQ(Points(s), (PointList{{5, 5}, {3, 3}, {1, 1}}));

    TChartSeries byValue(nullptr);
    byValue.Add(7);
    byValue.Add(8);
    EXPECT_EQ(Points(byValue), (PointList{{0, 7}, {1, 8}}));
    byValue.SetHorizontal();
    byValue.Add(9);
    EXPECT_EQ(byValue.XValue(2), 9);
    EXPECT_EQ(byValue.YValue(2), 2);
}

TEST(Series, ColourListOnlyOnceAPointHasItsOwnColour)
{
    TChartSeries s(nullptr);
    s.SetSeriesColor(clBlue);
    s.AddXY(0, 0);
    s.AddXY(1, 1, "", clDefault);
    EXPECT_EQ(s.ColorList(), nullptr);
    s.SetValueColor(0, clDefault);
    EXPECT_EQ(s.ColorList(), nullptr);
    s.AddXY(2, 2, "", clRed);
    ASSERT_NE(s.ColorList(), nullptr);
    EXPECT_EQ(s.ColorList()->Count(), 3);
    EXPECT_EQ(s.ValueColor(0), clBlue);
    EXPECT_EQ(s.ValueColor(2), clRed);
    // A point added in front shifts the colours with it.
    s.AddXY(-1, 0);
    EXPECT_EQ(s.ValueColor(3), clRed);
    EXPECT_EQ(s.ValueColor(0), clBlue);
    s.SetColorEachPoint(true);
    EXPECT_EQ(s.ValueColor(0), GetDefaultColor(0));
    EXPECT_EQ(s.ValueColor(1), GetDefaultColor(1));
    EXPECT_EQ(s.ValueColor(3), clRed);
}

TEST(Series, NullPoints)
{
    TChartSeries s(nullptr);
    s.AddNull("gap");
    s.Add(4);
    EXPECT_TRUE(s.IsNull(0));
    EXPECT_FALSE(s.IsNull(1));
    EXPECT_EQ(s.XLabel(0), "gap");
    s.SetNull(0, false);
    EXPECT_FALSE(s.IsNull(0));
    s.AddNullXY(5, 6);
    EXPECT_TRUE(s.IsNull(2));
}

TEST(Series, DeleteOutOfBoundsRaisesAndChangesNothing)
{
    TChartSeries s(nullptr);
    s.Add(1);
    s.Add(2);
    try {
        s.Delete(2);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), "Series Delete: ValueIndex 2 out of bounds (0 to 1).");
    }
    EXPECT_THROW(s.Delete(-1), ChartException);
    EXPECT_EQ(s.Count(), 2);
    s.Delete(0);
    EXPECT_EQ(Points(s), (PointList{{1, 2}}));
}

TEST(Series, DeleteRangeTakesColoursLabelsAndMarksAlong)
{
    TChartSeries s(nullptr);
    for (int i = 0; i < 5; ++i)
        s.AddXY(i, i * 10, QString::number(i), i == 4 ? clRed : clDefault);
    TSeriesMarkPosition p;
    s.Marks()->Positions().Put(4, p);
    s.Delete(1, 2, false);
    EXPECT_EQ(Points(s), (PointList{{0, 0}, {3, 30}, {4, 40}}));
    EXPECT_EQ(s.XLabel(1), "3");
    EXPECT_EQ(s.ValueColor(2), clRed);
    EXPECT_NE(s.Marks()->Positions().Get(2), nullptr);
    s.Delete(3, 1); // start at Count: nothing
    s.Delete(1, 100, true); // beyond the end: cut to the list
    EXPECT_EQ(Points(s), (PointList{{0, 0}}));
    s.Delete(0, 1, true);
    EXPECT_EQ(s.ColorList(), nullptr);
}

TEST(Series, ClearKeepsCapacityAndTellsLinkedSeries)
{
    TTestChart chart;
    auto* source = new TChartSeries(&chart);
    auto* linked = new TChartSeries(&chart);
    chart.AddSeries(source);
    chart.AddSeries(linked);
    int cleared = 0;
    source->OnClearValues = [&](TChartSeries*) { ++cleared; };
    linked->SetDataSource(source);
    linked->AddXY(9, 9); // a point of its own, dropped by the source's clear
    source->Clear();
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(linked->Count(), 0);

    for (int i = 0; i < 3000; ++i)
        source->AddXY(i, i);
    const int capacity = source->XValues()->Capacity();
    source->Clear();
    EXPECT_EQ(source->XValues()->Capacity(), capacity);
}

TEST(Series, UpdateNestingRefreshesLinkedSeriesOnce)
{
    TTestChart chart;
    auto* source = new TChartSeries(&chart);
    auto* linked = new TChartSeries(&chart);
    chart.AddSeries(source);
    chart.AddSeries(linked);
    linked->SetDataSource(source);
    int afterAdds = 0;
    int linkedClears = 0;
    source->OnAfterAdd = [&](TChartSeries*, int) { ++afterAdds; };
    linked->OnClearValues = [&](TChartSeries*) { ++linkedClears; };
    chart.Events.clear();

    source->BeginUpdate();
    source->BeginUpdate();
    source->Add(1);
    source->Add(2);
    source->EndUpdate();
    EXPECT_EQ(linked->Count(), 0);
    EXPECT_EQ(linkedClears, 0);
    source->EndUpdate();
    EXPECT_EQ(afterAdds, 0);
    EXPECT_EQ(linkedClears, 1);
    EXPECT_EQ(Points(*linked), (PointList{{0, 1}, {1, 2}}));
    // The source once, and the linked series once for its own refill.
    ASSERT_EQ(chart.Events.size(), 2);
    EXPECT_EQ(chart.Events.count({source, seDataChanged}), 1);
    EXPECT_EQ(chart.Events.count({linked, seDataChanged}), 1);
    source->EndUpdate(); // at 0: nothing
    EXPECT_EQ(chart.Events.size(), 2);
}

TEST(Series, LinkedSeriesFollowsAddsAndDeletesPointByPoint)
{
    TTestChart chart;
    auto* source = new TChartSeries(&chart);
    auto* linked = new TChartSeries(&chart);
    chart.AddSeries(source);
    chart.AddSeries(linked);
    linked->SetDataSource(source);
    source->AddXY(1, 10, "a", clRed);
    source->AddXY(2, 20);
    source->AddXY(3, 30, "c");
    EXPECT_EQ(Points(*linked), Points(*source));
    EXPECT_EQ(linked->ValueColor(0), clRed);
    EXPECT_EQ(linked->XLabel(2), "c");
    source->Delete(1);
    EXPECT_EQ(Points(*linked), (PointList{{1, 10}, {3, 30}}));
    // A range delete reaches linked series as a whole copy, never as point -1.
    source->AddXY(4, 40);
    source->Delete(0, 2);
    EXPECT_EQ(Points(*linked), (PointList{{4, 40}}));
    source->Delete(0, 5);
    EXPECT_EQ(linked->Count(), 0);

    TSeriesRecalcOptions options = TSeriesRecalcOptions::All();
    options.Exclude(rOnInsert);
    linked->SetRecalcOptions(options);
    source->Add(5);
    EXPECT_EQ(linked->Count(), 0);
    linked->AddXY(5, 5);
    options = TSeriesRecalcOptions::All();
    options.Exclude(rOnDelete);
    linked->SetRecalcOptions(options);
    source->Delete(0);
    EXPECT_EQ(linked->Count(), 1);
    options.Exclude(rOnClear);
    linked->SetRecalcOptions(options);
    source->Clear();
    EXPECT_EQ(linked->Count(), 1);
}

TEST(Series, LinkedSeriesWithFewerPointsCopiesAgainInsteadOfRaising)
{
    TTestChart chart;
    auto* source = new TChartSeries(&chart);
    auto* linked = new TChartSeries(&chart);
    chart.AddSeries(source);
    chart.AddSeries(linked);
    source->Add(1);
    source->Add(2);
    linked->SetDataSource(source);
    linked->Delete(1);
    EXPECT_NO_THROW(source->Delete(1));
    EXPECT_EQ(Points(*linked), (PointList{{0, 1}}));
}

TEST(Series, OnBeforeAddRefusesAPoint)
{
    TChartSeries s(nullptr);
    s.OnBeforeAdd = [](TChartSeries* sender) { return sender->Count() < 1; };
    EXPECT_EQ(s.AddXY(1, 1), 0);
    EXPECT_EQ(s.AddXY(2, 2, "x", clRed), -1);
    EXPECT_EQ(s.Count(), 1);
    EXPECT_EQ(s.ColorList(), nullptr);
    EXPECT_EQ(s.Labels().Count(), 0);
}

TEST(Series, SortByLabelsAndSwap)
{
    TChartSeries s(nullptr);
    s.AddXY(0, 1, "b");
    s.AddXY(1, 2, "C");
    s.AddXY(2, 3, "a", clRed);
    s.SortByLabels(loAscending);
    // Byte order: upper case before lower case.
    EXPECT_EQ(s.XLabel(0), "C");
    EXPECT_EQ(s.XLabel(1), "a");
    EXPECT_EQ(s.XLabel(2), "b");
    EXPECT_EQ(Points(s), (PointList{{0, 2}, {1, 3}, {2, 1}}));
    EXPECT_EQ(s.ValueColor(1), clRed);
    s.SortByLabels(loDescending);
    EXPECT_EQ(s.XLabel(0), "b");
    EXPECT_EQ(s.YValue(0), 1);
}

TEST(Series, FurtherValueListsTakeTheirPendingValue)
{
    TChartSeries s(nullptr);
    auto* extra = new TChartValueList(&s, "Size");
    extra->PendingValue = 7;
    s.AddXY(5, 1);
    extra->PendingValue = 8;
    s.AddXY(2, 1);
    EXPECT_EQ((*extra)[0], 8);
    EXPECT_EQ((*extra)[1], 7);
    EXPECT_EQ(s.GetYValueList("size"), extra);
    EXPECT_EQ(s.GetYValueList("X"), s.YValues());

    auto* replacement = new TChartValueList(&s, "Other");
    s.ReplaceList(s.YValues(), replacement);
    EXPECT_EQ(s.YValues(), replacement);
    EXPECT_EQ(s.MandatoryValues(), replacement);
    EXPECT_EQ(replacement->Name(), "Y");
    EXPECT_EQ(s.ValueLists()->Count(), 3);
    EXPECT_EQ(s.ValueLists()->Get(1), replacement);
}

TEST(Series, LabelsListEdges)
{
    TChartSeries s(nullptr);
    TLabelsList& labels = s.Labels();
    labels.InsertLabel(0, "");
    EXPECT_EQ(labels.Count(), 0);
    labels.SetLabel(3, "d");
    EXPECT_EQ(labels.Count(), 4);
    labels.SetLabel(9, "");
    EXPECT_EQ(labels.Count(), 4);
    labels.InsertLabel(6, "g");
    EXPECT_EQ(labels.Count(), 7);
    EXPECT_EQ(labels[6], "g");
    EXPECT_EQ(labels[5], "");
    EXPECT_EQ(labels.IndexOfLabel("G", false), 6);
    EXPECT_EQ(labels.IndexOfLabel("G", true), -1);
}

TEST(Series, ElementSettersRepaintOnlyOnChange)
{
    TTestChart chart;
    auto* s = new TChartSeries(&chart);
    s->SetDepth(5); // no chart yet: nothing to repaint
    chart.AddSeries(s);
    const int before = chart.Invalidates;
    s->SetDepth(5);
    s->SetShowInLegend(true);
    EXPECT_EQ(chart.Invalidates, before);
    s->SetDepth(6);
    EXPECT_EQ(chart.Invalidates, before + 1);
    s->Pen()->SetWidth(3);
    EXPECT_EQ(chart.Invalidates, before + 2);
}

TEST(Series, SetActiveBroadcastsEvenWhenUnchanged)
{
    TTestChart chart;
    auto* s = new TChartSeries(&chart);
    chart.AddSeries(s);
    chart.Events.clear();
    const int before = chart.Invalidates;
    s->SetActive(true);
    EXPECT_EQ(chart.Invalidates, before);
    ASSERT_EQ(chart.Events.size(), 1);
    EXPECT_EQ(chart.Events[0].second, seChangeActive);
    s->SetActive(false);
    EXPECT_EQ(chart.Invalidates, before + 1);
    s->SetTitle("t");
    EXPECT_EQ(chart.Events.last().second, seChangeTitle);
}

TEST(Series, StyleKeepsSixFlagsAndIdentifierRoundTrips)
{
    TChartSeries s(nullptr);
    TeeReadProperties(s, "Style=255\nIdentifier=abc");
    EXPECT_EQ(s.Style(), 63);
    EXPECT_EQ(s.Identifier(), "abc");
    TChartSeries copy(nullptr);
    TeeReadProperties(copy, TeeWriteProperties(s));
    EXPECT_EQ(copy.Style(), 63);
    EXPECT_EQ(copy.Identifier(), "abc");
    EXPECT_EQ(TeeWriteProperties(*std::make_unique<TChartSeries>(nullptr)), QString());
}

TEST(Series, UntitledSeriesAreNamedByPosition)
{
    TTestChart chart;
    auto* a = new TChartSeries(&chart);
    auto* b = new TChartSeries(&chart);
    auto* c = new TChartSeries(&chart);
    chart.AddSeries(a);
    chart.AddSeries(b);
    chart.AddSeries(c);
    EXPECT_EQ(SeriesTitleOrName(c), "Series3");
    b->SetName("Named");
    EXPECT_EQ(SeriesTitleOrName(b), "Named");
    a->SetTitle("Title");
    EXPECT_EQ(SeriesTitleOrName(a), "Title");
    TChartSeries alone(nullptr);
    EXPECT_EQ(SeriesTitleOrName(&alone), "");
    c->SetInternalUse(true);
    TStringList items;
    FillSeriesItems(&items, &chart);
    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Objects(1), b);
}

TEST(Series, ContentTests)
{
    TChartSeries s(nullptr);
    s.AddXY(0, 5);
    s.AddXY(1, 5);
    s.AddXY(2, 5);
    EXPECT_FALSE(HasNoMandatoryValues(&s));
    s.SetXValue(2, 3);
    EXPECT_TRUE(HasNoMandatoryValues(&s));
    s.SetUsesXValues(false);
    EXPECT_FALSE(HasNoMandatoryValues(&s));

    TChartSeries labelled(nullptr);
    for (int i = 0; i < 150; ++i)
        labelled.Add(i, i == 101 ? "late" : "");
    EXPECT_FALSE(HasLabels(&labelled));
    labelled.SetXLabel(100, "in reach");
    EXPECT_TRUE(HasLabels(&labelled));

    TChartSeries coloured(nullptr);
    coloured.SetSeriesColor(clBlue);
    coloured.Add(1, "", clBlue);
    EXPECT_FALSE(HasColors(&coloured));
    coloured.Add(2, "", clNone);
    EXPECT_TRUE(HasColors(&coloured));
}

TEST(Series, GalleryOffersOnlyThePlainVariant)
{
    TTestChart chart;
    auto* series = new TChartSeries(&chart);
    chart.AddSeries(series);
    series->AddXY(1, 2);
    TSubGallery gallery;
    series->CreateSubGallery(gallery);
    EXPECT_EQ(gallery.Captions(), QStringList{"Normal"});
    // Applying any variant leaves the plain series as it is.
    const int repaints = chart.Invalidates;
    series->SetSubGallery(0);
    series->SetSubGallery(3);
    EXPECT_EQ(chart.Invalidates, repaints);
    EXPECT_EQ(Points(*series), (PointList{{1, 2}}));
}

TEST(Series, StreamedChildrenAreTheFunctionWhileThereIsOne)
{
    TTestChart chart;
    auto* series = new TChartSeries(&chart);
    chart.AddSeries(series);
    QList<TComponent*> children;
    const auto streamed = [&] {
        children.clear();
        static_cast<TComponent*>(series)->GetChildren([&](TComponent* c) { children.append(c); }, &chart);
        return children;
    };
    // A component the series owns is not stored inside it.
    new TSumFunction(series);
    EXPECT_TRUE(streamed().isEmpty());

    auto* function = new TSumFunction(&chart);
    series->SetFunction(function);
    EXPECT_EQ(streamed(), QList<TComponent*>{function});
    // A function freed on its own is forgotten, not passed on.
    function->Free();
    EXPECT_TRUE(streamed().isEmpty());

    series->SetFunction(new TSumFunction(&chart));
    series->SetFunction(nullptr);
    EXPECT_TRUE(streamed().isEmpty());
}

} // namespace

TEST(Series, SameColourForAllOnlyWhenEveryPointReadsIt)
{
    struct Case {
        std::vector<TColor> added; // one point per colour
        bool colourEach;
        bool cutColours;           // a point set back to clDefault beyond the list's end
        bool same;
        TColor colour;
    };
    const Case cases[] = {
        {{}, false, false, true, clBlue},
        {{clDefault, clDefault}, false, false, true, clBlue},
        {{clRed, clRed, clRed}, false, false, true, clRed},
        {{clRed, clGreen}, false, false, false, clNone},
        {{clRed, clRed}, true, false, false, clNone},
        {{clDefault, clDefault}, true, false, false, clNone},
        {{clRed, clRed}, false, true, false, clNone},
    };
    for (const Case& c : cases) {
        TChartSeries s(nullptr);
        s.SetSeriesColor(clBlue);
        s.SetColorEachPoint(c.colourEach);
        for (size_t i = 0; i < c.added.size(); ++i)
            s.AddXY(static_cast<double>(i), 1, QString(), c.added[i]);
        if (c.cutColours) {
            // A point added with the default colour after the list was cut back reads the
            // series colour.
            s.Delete(1);
            s.AddXY(5, 1);
        }
        TColor colour = clNone;
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(s.SameColourForAll(colour), c.same);
        if (c.same) {
            EXPECT_EQ(colour, c.colour);
            for (int i = 0; i < s.Count(); ++i)
                EXPECT_EQ(s.ValueColor(i), colour) << i;
        }
    }
}
