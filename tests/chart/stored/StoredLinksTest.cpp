// A chart written and read back keeps every link between its parts: series and tools on
// custom axes, a series' function and its sources, tools on series without a name. And what
// a text may make is bounded whatever its counts say.

#include <gtest/gtest.h>

#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "chart/components/TeeTools.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/TeeFunction.h"
#include "platform/ClassRegistry.h"
#include "platform/TeeFiler.h"
#include "tests/chart/SeriesTestChart.h"

namespace {

// A chart of its own owner, as a form holds one.
struct Form {
    TComponent owner{nullptr};
    TChart* chart = new TChart(&owner);
    ~Form() { chart->FreeAllSeries(); }

    template <class T>
    T* Add(const char* name = "")
    {
        auto* made = new T(&owner);
        made->SetName(name);
        if constexpr (std::is_base_of_v<TChartSeries, T>)
            chart->AddSeries(made);
        else
            made->SetParentChart(chart);
        return made;
    }
    template <class T>
    T* Tool(int index) const
    {
        return dynamic_cast<T*>(chart->Tools()->Get(index));
    }
};

TEST(StoredLinks, CustomAxesComeBackWithWhatIsOnThem)
{
    Form a;
    auto* across = new TChartAxis(a.chart->CustomAxes());
    across->SetHorizontal(true);
    across->SetMinMax(-5, 5);
    auto* up = new TChartAxis(a.chart->CustomAxes());
    up->SetMinMax(100, 200);
    auto* line = a.Add<TLineSeries>("Line");
    line->SetCustomHorizAxis(across);
    line->SetCustomVertAxis(up);
    a.Add<TColorBandTool>()->SetAxis(up);
    a.Add<TColorLineTool>()->SetAxis(across);
    a.Add<TGridBandTool>()->SetAxis(up);
    a.Add<TAxisArrowTool>()->SetAxis(across);
    const QString text = TeeWriteProperties(*a.chart);

    Form b;
    TeeReadProperties(*b.chart, text);
    ASSERT_EQ(b.chart->CustomAxes()->Count(), 2);
    TChartAxis* h = b.chart->CustomAxes()->Get(0);
    TChartAxis* v = b.chart->CustomAxes()->Get(1);
    EXPECT_TRUE(h->Horizontal());
    EXPECT_FALSE(v->Horizontal());
    EXPECT_FALSE(h->Automatic());
    EXPECT_EQ(h->Minimum(), -5);
    EXPECT_EQ(h->Maximum(), 5);
    EXPECT_EQ(v->Minimum(), 100);
    EXPECT_EQ(v->Maximum(), 200);
    ASSERT_EQ(b.chart->SeriesCount(), 1);
    EXPECT_EQ(b.chart->Series(0)->GetHorizAxis(), h);
    EXPECT_EQ(b.chart->Series(0)->GetVertAxis(), v);
    ASSERT_EQ(b.chart->Tools()->Count(), 4);
    EXPECT_EQ(b.Tool<TColorBandTool>(0)->Axis(), v);
    EXPECT_EQ(b.Tool<TColorLineTool>(1)->Axis(), h);
    EXPECT_EQ(b.Tool<TGridBandTool>(2)->Axis(), v);
    EXPECT_EQ(b.Tool<TAxisArrowTool>(3)->Axis(), h);
    EXPECT_EQ(TeeWriteProperties(*b.chart).toStdString(), text.toStdString());

    // A chart without custom axes writes none.
    Form c;
    EXPECT_FALSE(TeeWriteProperties(*c.chart).contains("CustomAxes"));
}

// Sums each point with the one before it (at a period of 2).
using TPairSumFunction = TSumMovingFunction;

struct PairSumClass {
    PairSumClass() { RegisterClassOf<TPairSumFunction>("TPairSumFunction", "TTeeMovingFunction"); }
    ~PairSumClass() { UnRegisterClassOf<TPairSumFunction>(); }
};

TEST(StoredLinks, AFunctionAndItsOneSourceComeBackAndCompute)
{
    PairSumClass registered;
    Form a;
    auto* source = a.Add<TLineSeries>("Source");
    for (double y : {1, 2, 4, 8})
        source->Add(y);
    source->SetValuesEntered(true);
    auto* sums = a.Add<TLineSeries>("Sums");
    auto* f = new TPairSumFunction(&a.owner);
    f->SetName("PairSum");
    f->SetPeriod(2);
    f->SetPeriodAlign(paFirst);
    sums->SetFunction(f);
    sums->SetDataSource(source);
    const QString text = TeeWriteProperties(*a.chart);
    EXPECT_TRUE(text.contains("DataSource=Source")) << text.toStdString();
    EXPECT_FALSE(text.contains("DataSources=")) << text.toStdString();

    Form b;
    TeeReadProperties(*b.chart, text);
    ASSERT_EQ(b.chart->SeriesCount(), 2);
    TChartSeries* read = b.chart->Series(1);
    EXPECT_EQ(read->DataSource(), b.chart->Series(0));
    ASSERT_NE(read->FunctionType(), nullptr);
    EXPECT_EQ(read->FunctionType()->ClassName(), "TPairSumFunction");
    EXPECT_EQ(read->FunctionType()->Name(), "PairSum");
    EXPECT_EQ(read->FunctionType()->Period(), 2);
    EXPECT_EQ(read->FunctionType()->PeriodAlign(), paFirst);
    // Windows of two end at x = 1, 2, 3: 1 + 2, 2 + 4, 4 + 8.
    ASSERT_EQ(read->Count(), 3);
    EXPECT_EQ(read->XValue(0), 1);
    EXPECT_EQ(read->YValue(0), 3);
    EXPECT_EQ(read->YValue(1), 6);
    EXPECT_EQ(read->YValue(2), 12);
    EXPECT_EQ(TeeWriteProperties(*b.chart).toStdString(), text.toStdString());

    // A second function read replaces the first, which is freed.
    Form c;
    TeeReadProperties(*c.chart, "Components.Count=1\nComponents.0.Class=TLineSeries\n"
                                "Components.0.Components.Count=2\n"
                                "Components.0.Components.0.Class=TPairSumFunction\n"
                                "Components.0.Components.0.Name=First\n"
                                "Components.0.Components.1.Class=TPairSumFunction\n"
                                "Components.0.Components.1.Name=Second\n");
    ASSERT_EQ(c.chart->SeriesCount(), 1);
    ASSERT_NE(c.chart->Series(0)->FunctionType(), nullptr);
    EXPECT_EQ(c.chart->Series(0)->FunctionType()->Name(), "Second");
    EXPECT_EQ(c.owner.FindComponent("First"), nullptr);
}

TEST(StoredLinks, LinksToSeriesWithoutANameComeBack)
{
    Form a;
    auto* first = a.Add<TLineSeries>();
    first->Add(7);
    first->SetValuesEntered(true);
    auto* copy = a.Add<TBarSeries>();
    copy->SetDataSource(first);
    a.Add<TCursorTool>()->SetSeries(first);
    a.Add<TNearestTool>()->SetSeries(copy);
    a.Add<TMarksTipTool>();
    const QString text = TeeWriteProperties(*a.chart);

    Form b;
    TeeReadProperties(*b.chart, text);
    ASSERT_EQ(b.chart->SeriesCount(), 2);
    ASSERT_EQ(b.chart->Tools()->Count(), 3);
    EXPECT_EQ(b.chart->Series(1)->DataSource(), b.chart->Series(0));
    EXPECT_EQ(b.chart->Series(1)->Count(), 1);
    EXPECT_EQ(b.Tool<TCursorTool>(0)->Series(), b.chart->Series(0));
    EXPECT_EQ(b.Tool<TNearestTool>(1)->Series(), b.chart->Series(1));
    EXPECT_EQ(b.Tool<TMarksTipTool>(2)->Series(), nullptr);
    EXPECT_EQ(TeeWriteProperties(*b.chart).toStdString(), text.toStdString());
}

// A text read into a form that already holds a chart with the same names: a link names what
// the text made under that name, even where the name was taken and the part read stays
// unnamed; only a name the text never gave reaches past it, to the form.
TEST(StoredLinks, ALinkNamesWhatItsOwnTextMade)
{
    enum Target { Text, Nothing, Stranger };
    const struct {
        const char* first; // the first stored component, before "Copy" fed from Src and a cursor on Src
        int series;
        Target copyFrom, cursorOn;
    } cases[] = {
        {"Class=TLineSeries\nComponents.0.Name=Src", 2, Text, Text},
        {"Class=TLineSeries\nComponents.0.Name=src ", 2, Text, Text},
        {"Class=TLineSeries\nComponents.0.Name=Src\nComponents.3.Class=TLineSeries\nComponents.3.Name=Src", 3, Text,
         Text},
        {"Class=TNoSuchSeries\nComponents.0.Name=Src", 1, Nothing, Nothing},
        {"Class=TLineSeries\nComponents.0.Name=Other", 2, Stranger, Nothing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        Form f;
        auto* stranger = f.Add<TLineSeries>("Src");
        auto* read = new TChart(&f.owner);
        TeeReadProperties(*read, QString("Components.Count=4\nComponents.0.%1\n"
                                         "Components.1.Class=TBarSeries\nComponents.1.Name=Copy\n"
                                         "Components.1.DataSource=Src\n"
                                         "Components.2.Class=TCursorTool\nComponents.2.Series=Src\n")
                                     .arg(c.first));
        const bool made = c.copyFrom != Nothing;
        ASSERT_EQ(read->SeriesCount(), c.series);
        TChartSeries* own = made ? read->Series(0) : nullptr;
        TChartSeries* copy = read->Series(made ? 1 : 0);
        const auto expected = [&](Target t) -> TComponent* { return t == Text ? own : t == Stranger ? stranger : nullptr; };
        EXPECT_EQ(copy->Name(), "Copy");
        EXPECT_EQ(copy->DataSource(), expected(c.copyFrom));
        ASSERT_EQ(read->Tools()->Count(), 1);
        EXPECT_EQ(static_cast<TCursorTool*>(read->Tools()->Get(0))->Series(), expected(c.cursorOn));
        EXPECT_EQ(stranger->LinkedSeries()->Count(), c.copyFrom == Stranger ? 1 : 0);
        if (c.copyFrom == Text) {
            // The name was taken: the part read has none, and is written by its place.
            EXPECT_EQ(own->Name(), "");
            const QString again = TeeWriteProperties(*read);
            EXPECT_TRUE(again.contains("Components.1.DataSource=#0\n")) << again.toStdString();
            EXPECT_TRUE(again.contains(".Series=#0\n")) << again.toStdString();
        }
        read->FreeAllSeries();
    }
}

// "#N" names the component stored at place N of the same text, 0 to Count - 1; any other
// place names nothing.
TEST(StoredLinks, APlaceNamesAComponentOfTheText)
{
    const struct {
        const char* reference;
        int series; // the series named, -1 for none
    } cases[] = {
        {"#0", 0}, {"#1", 1}, {"#2", -1}, {"#3", -1}, {"#4", -1}, {"#-1", -1}, {"#", -1}, {"#x", -1},
        {"#1 ", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reference);
        Form f;
        // Three components: two series and the cursor naming one of them.
        TeeReadProperties(*f.chart, QString("Components.Count=3\nComponents.0.Class=TLineSeries\n"
                                            "Components.1.Class=TBarSeries\nComponents.2.Class=TCursorTool\n"
                                            "Components.2.Series=%1\n")
                                        .arg(c.reference));
        ASSERT_EQ(f.chart->SeriesCount(), 2);
        EXPECT_EQ(f.Tool<TCursorTool>(0)->Series(), c.series < 0 ? nullptr : f.chart->Series(c.series));
    }
}

// Only a series (or a series source) feeds a series: a stored name of anything else is dropped.
TEST(StoredLinks, AStoredSourceThatCannotFeedASeriesIsDropped)
{
    const struct {
        const char* stored;
        QStringList sources;
    } cases[] = {
        {"DataSource=Cursor", {}},
        {"DataSources=Cursor,Line", {"Line"}},
        {"DataSource=Line", {"Line"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Form f;
        TeeReadProperties(*f.chart, QString("Components.Count=3\nComponents.0.Class=TLineSeries\n"
                                            "Components.0.Name=Line\nComponents.1.Class=TCursorTool\n"
                                            "Components.1.Name=Cursor\nComponents.2.Class=TBarSeries\n"
                                            "Components.2.%1\n")
                                        .arg(c.stored));
        ASSERT_EQ(f.chart->SeriesCount(), 2);
        QStringList sources;
        for (TComponent* source : f.chart->Series(1)->DataSources())
            sources << source->Name();
        EXPECT_EQ(sources.join(',').toStdString(), c.sources.join(',').toStdString());
    }
}

// Saved with either line end, and class names with spaces around them.
TEST(StoredLinks, EitherLineEndAndSpacedClassNames)
{
    const char* const texts[] = {
        "Components.Count=2\nComponents.0.Class=TLineSeries\nComponents.0.Name=Line\n"
        "Components.1.Class=TCursorTool\nComponents.1.Series=Line\n",
        "Components.Count=2\r\nComponents.0.Class=TLineSeries\r\nComponents.0.Name=Line\r\n"
        "Components.1.Class=TCursorTool\r\nComponents.1.Series=Line\r\n",
        "Components.Count=2\nComponents.0.Class= TLineSeries \nComponents.0.Name=Line\n"
        "Components.1.Class=\tTCursorTool\nComponents.1.Series=Line\n",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        Form f;
        TeeReadProperties(*f.chart, text);
        ASSERT_EQ(f.chart->SeriesCount(), 1);
        EXPECT_EQ(f.chart->Series(0)->Name(), "Line");
        ASSERT_EQ(f.chart->Tools()->Count(), 1);
        EXPECT_EQ(f.Tool<TCursorTool>(0)->Series(), f.chart->Series(0));
    }
}

// One custom axis with a series on it, a series fed from that one and a cursor on it: saved
// with each line end (a lone CR too, as no written value holds one), and with spaces after the
// names and the references.
TEST(StoredLinks, LineEndsAndSpacesAfterNamesAndReferences)
{
    const struct {
        const char* end;
        const char* space;
    } cases[] = {
        {"\n", ""}, {"\r\n", ""}, {"\r", ""}, {"\r\r\n", ""}, {"\n", " "}, {"\r\n", " \t"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((QString(c.end).replace('\r', "CR").replace('\n', "LF") + "|" + c.space + "|").toStdString());
        QString text = "CustomAxes.Count=1|CustomAxes.0.Maximum=200|CustomAxes.0.Automatic=False|"
                       "Components.Count=3|Components.0.Class=TLineSeries|Components.0.Name=Line_|"
                       "Components.0.CustomVertAxis=0|Components.1.Class=TBarSeries|Components.1.Name=Bar_|"
                       "Components.1.DataSource=Line_|Components.2.Class=TCursorTool|Components.2.Series=Line_|";
        text.replace('_', c.space).replace('|', c.end);
        Form f;
        TeeReadProperties(*f.chart, text);
        ASSERT_EQ(f.chart->CustomAxes()->Count(), 1);
        TChartAxis* axis = f.chart->CustomAxes()->Get(0);
        EXPECT_EQ(axis->Maximum(), 200);
        ASSERT_EQ(f.chart->SeriesCount(), 2);
        TChartSeries* line = f.chart->Series(0);
        EXPECT_EQ(line->Name(), "Line");
        EXPECT_EQ(line->GetVertAxis(), axis);
        EXPECT_EQ(f.chart->Series(1)->Name(), "Bar");
        EXPECT_EQ(f.chart->Series(1)->DataSource(), line);
        ASSERT_EQ(f.chart->Tools()->Count(), 1);
        EXPECT_EQ(f.Tool<TCursorTool>(0)->Series(), line);
    }
}

} // namespace
