#include <gtest/gtest.h>

#include "SeriesTestChart.h"
#include "chart/core/Callout.h"
#include "chart/core/ColorPalette.h"
#include "chart/core/TeeFont.h"
#include "platform/Random.h"
#include "tests/HangGuard.h"

namespace {

using PointList = QList<std::pair<double, double>>;

QString DataText(TChartSeries& s)
{
    for (const QString& line : TeeWriteProperties(s).split('\n')) {
        if (line.startsWith("Data="))
            return line.mid(5);
    }
    return QString();
}

uint8_t DataFlags(TChartSeries& s)
{
    const QByteArray bytes = QByteArray::fromBase64(DataText(s).toLatin1());
    return bytes.isEmpty() ? 0xFF : static_cast<uint8_t>(bytes[0]);
}

TEST(SeriesData, SequentialXIsNotStored)
{
    TChartSeries s(nullptr);
    s.SetValuesEntered(true);
    s.Add(5);
    s.Add(6);
    EXPECT_EQ(DataFlags(s), 0);
    s.SetXValue(1, 3);
    EXPECT_EQ(DataFlags(s), tfNoMandatory);
}

TEST(SeriesData, NothingStoredUnlessEnteredOrForced)
{
    TChartSeries s(nullptr);
    s.Add(5);
    EXPECT_TRUE(DataText(s).isEmpty());
    s.SetForceSaveValues(true);
    EXPECT_FALSE(DataText(s).isEmpty());
    s.SetForceSaveValues(false);
    s.SetValuesEntered(true);
    s.SetDontSaveValues(true);
    EXPECT_TRUE(DataText(s).isEmpty());
}

TEST(SeriesData, RoundTripKeepsLateLabelsColoursAndX)
{
    TChartSeries s(nullptr);
    s.SetValuesEntered(true);
    auto* extra = new TChartValueList(&s, "Extra");
    for (int i = 0; i < 10005; ++i) {
        extra->PendingValue = i * 0.5;
        s.AddXY(i, i % 7);
    }
    // Only points past what the content tests look at differ from the plain defaults.
    s.SetXLabel(200, QString::fromUtf8("ラベル") + QString(300, 'x'));
    s.SetValueColor(10003, clRed);
    s.SetXValue(10004, 20000.5);
    TSeriesMarkPosition mark;
    mark.BoxLeftTop = TPoint(3, 4);
    mark.BoxWidth = 7;
    s.Marks()->Positions().Put(2, mark);

    TChartSeries read(nullptr);
    auto* readExtra = new TChartValueList(&read, "Extra");
    TeeReadProperties(read, TeeWriteProperties(s));
    ASSERT_EQ(read.Count(), s.Count());
    EXPECT_EQ(Points(read), Points(s));
    EXPECT_TRUE(read.ValuesEntered());
    EXPECT_EQ(read.ValueColor(10003), clRed);
    EXPECT_EQ(read.ValueColor(10002), read.SeriesColor());
    // Labels are cut at 255 bytes, at a character boundary.
    EXPECT_EQ(read.XLabel(200), QString::fromUtf8("ラベル") + QString(246, 'x'));
    EXPECT_EQ((*readExtra)[9], 4.5);
    EXPECT_EQ((*readExtra)[10004], 5002);
    // Missing mark positions stay missing; the placed one comes back user-placed.
    EXPECT_EQ(read.Marks()->Positions().Get(0), nullptr);
    ASSERT_NE(read.Marks()->Positions().Get(2), nullptr);
    EXPECT_TRUE(read.Marks()->Positions().Get(2)->UserPlaced);
    EXPECT_EQ(read.Marks()->Positions().Get(2)->BoxLeftTop, TPoint(3, 4));
    EXPECT_EQ(read.Marks()->Positions().Get(2)->BoxWidth, 7);
}

TEST(SeriesData, HorizontalSeriesReadsBackWhatItWrote)
{
    // As horizontal series types set it up: X holds the shown values, in arrival order.
    TChartSeries s(nullptr);
    s.SetHorizontal();
    s.XValues()->SetOrder(loNone);
    s.SetValuesEntered(true);
    s.AddXY(5, 0, "a");
    s.AddXY(7, 1);
    s.AddXY(-2, 2, "", clBlue);
    EXPECT_EQ(DataFlags(s), tfColor | tfLabel);
    TChartSeries read(nullptr);
    read.SetHorizontal();
    read.XValues()->SetOrder(loNone);
    TeeReadProperties(read, TeeWriteProperties(s));
    EXPECT_EQ(Points(read), (PointList{{5, 0}, {7, 1}, {-2, 2}}));
    EXPECT_EQ(read.XLabel(0), "a");
    EXPECT_EQ(read.ValueColor(2), clBlue);

    s.SetYValue(1, 4);
    EXPECT_EQ(DataFlags(s), tfNoMandatory | tfColor | tfLabel);
    TChartSeries again(nullptr);
    again.SetHorizontal();
    again.XValues()->SetOrder(loNone);
    TeeReadProperties(again, TeeWriteProperties(s));
    EXPECT_EQ(Points(again), (PointList{{5, 0}, {7, 4}, {-2, 2}}));
}

TEST(SeriesData, DamagedBlockGivesThePointsBeforeTheDamage)
{
    TChartSeries s(nullptr);
    s.SetValuesEntered(true);
    for (int i = 0; i < 4; ++i)
        s.AddXY(i * 2, i);
    QByteArray bytes = QByteArray::fromBase64(DataText(s).toLatin1());
    bytes.chop(20); // the last point and part of the third
    TChartSeries read(nullptr);
    TeeReadProperties(read, "Data=" + QString::fromLatin1(bytes.toBase64()));
    EXPECT_EQ(Points(read), (PointList{{0, 0}, {2, 1}}));
    TeeReadProperties(read, "Data=");
    EXPECT_EQ(read.Count(), 0);
}

TEST(SeriesSources, SetDataSourceChecks)
{
    TTestChart chart;
    auto* a = new TChartSeries(&chart);
    auto* b = new TChartSeries(&chart);
    auto* c = new TChartSeries(&chart);
    TChartSeries loose(nullptr);
    try {
        loose.SetDataSource(a);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), "No ParentChart to validate DataSource");
    }
    chart.AddSeries(a);
    chart.AddSeries(b);
    chart.AddSeries(c);
    a->SetName("SeriesA");
    try {
        a->SetDataSource(a);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), "No valid DataSource: SeriesA");
    }
    b->SetDataSource(a);
    c->SetDataSource(b);
    try {
        a->SetDataSource(c);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), "Circular Series dependences are not allowed");
    }
    EXPECT_EQ(a->DataSource(), nullptr);
    EXPECT_EQ(a->LinkedSeries()->Count(), 1);
}

TEST(SeriesSources, StoredSourcesThatCloseACircleAreDropped)
{
    // Each row: the stored source names of A and of B, and the sources each keeps.
    const struct {
        const char* a;
        const char* b;
        QStringList keptByA;
        QStringList keptByB;
    } cases[] = {
        {"DataSources=A", "", {}, {}},
        {"DataSources=A,B", "", {"B"}, {}},
        {"DataSources=B", "DataSources=A", {"B"}, {}},
        {"DataSources=B,A", "DataSources=B,A", {"B"}, {}},
        {"", "DataSources=A", {}, {"A"}},
    };
    HangGuard guard("series whose stored sources form a circle");
    for (const auto& c : cases) {
        TTestChart chart;
        auto* a = new TChartSeries(&chart);
        auto* b = new TChartSeries(&chart);
        chart.AddSeries(a);
        chart.AddSeries(b);
        a->SetName("A");
        b->SetName("B");
        a->AddXY(0, 1);
        b->AddXY(0, 2);
        chart.BeginLoading();
        TeeReadProperties(*a, c.a);
        TeeReadProperties(*b, c.b);
        chart.EndLoading();
        const auto names = [](TChartSeries* s) {
            QStringList n;
            for (TComponent* source : s->DataSources())
                n << source->Name();
            return n;
        };
        EXPECT_EQ(names(a), c.keptByA) << c.a << " / " << c.b;
        EXPECT_EQ(names(b), c.keptByB) << c.a << " / " << c.b;
        // The links that stay still feed: a change of B reaches A.
        if (c.keptByA == QStringList{"B"}) {
            b->AddXY(1, 3);
            EXPECT_EQ(a->Count(), 2);
        }
    }
}

TEST(SeriesSources, ReleasingASourceKeepsEnteredPoints)
{
    TTestChart chart;
    auto* a = new TChartSeries(&chart);
    auto* b = new TChartSeries(&chart);
    chart.AddSeries(a);
    chart.AddSeries(b);
    a->Add(1);
    b->SetDataSource(a);
    EXPECT_EQ(b->Count(), 1);
    b->SetDataSource(nullptr);
    EXPECT_EQ(b->Count(), 0); // computed points go with the source
    EXPECT_EQ(a->LinkedSeries()->Count(), 0);

    b->SetDataSource(a);
    b->SetValuesEntered(true);
    b->SetDataSource(nullptr);
    EXPECT_EQ(b->Count(), 1);
}

TEST(SeriesSources, FreeingASourceReleasesItsLinkedSeries)
{
    TTestChart chart;
    auto* a = new TChartSeries(&chart);
    auto* b = new TChartSeries(&chart);
    chart.AddSeries(a);
    chart.AddSeries(b);
    a->Add(1);
    b->SetDataSource(a);
    a->Free();
    EXPECT_EQ(b->DataSource(), nullptr);
    EXPECT_EQ(chart.SeriesCount(), 1);
}

class TCountingSource : public TTeeSeriesSource
{
public:
    using TTeeSeriesSource::TTeeSeriesSource;
    void Load() override
    {
        ++Loads;
        Series()->Clear();
        Series()->Add(42);
    }
    int Loads = 0;
};

TEST(SeriesSources, SeriesSourceOpensLoadsAndCloses)
{
    TTestChart chart;
    auto* source = new TCountingSource(&chart);
    source->Open();
    EXPECT_TRUE(source->Active());
    EXPECT_EQ(source->Loads, 0);
    source->Close();
    EXPECT_FALSE(source->Active());

    auto* s = new TChartSeries(&chart);
    chart.AddSeries(s);
    source->SetSeries(s);
    EXPECT_EQ(s->DataSource(), source);
    EXPECT_TRUE(source->HasSeries(s));
    source->Open();
    EXPECT_EQ(source->Loads, 1);
    EXPECT_EQ(s->Count(), 1);
    source->Close();
    EXPECT_EQ(s->Count(), 0);
    source->Open();
    s->Free();
    EXPECT_EQ(source->Series(), nullptr);
}

TEST(SeriesSources, SampleValues)
{
    TChartSeries s(nullptr);
    EXPECT_THROW(s.FillSampleValues(-1), ChartException);
    RandSeed = 1234;
    s.FillSampleValues();
    EXPECT_EQ(s.Count(), 25);
    EXPECT_FALSE(s.ValuesEntered());
    EXPECT_EQ(s.XValue(0), 0);
    EXPECT_EQ(s.XValue(24), 24);
    const PointList first = Points(s);
    RandSeed = 1234;
    s.FillSampleValues(25);
    EXPECT_EQ(Points(s), first);
    for (int i = 0; i < s.Count(); ++i)
        EXPECT_GE(s.YValue(i), 0);
    s.SetPresetSampleCount(4);
    s.FillSampleValues(0);
    EXPECT_EQ(s.Count(), 4);
}

TEST(SeriesSources, AssignCopiesLookAndPoints)
{
    TChartSeries source(nullptr);
    source.SetTitle("Source");
    source.SetSeriesColor(clRed);
    source.SetValueFormat("0.0");
    source.SetHorizAxis(aTopAxis);
    source.AddXY(1, 2, "a", clBlue);
    TChartSeries copy(nullptr);
    copy.Assign(&source);
    EXPECT_EQ(copy.Title(), "Source");
    EXPECT_EQ(copy.SeriesColor(), clRed);
    EXPECT_EQ(copy.ValueFormat(), "0.0");
    EXPECT_EQ(copy.HorizAxis(), aTopAxis);
    EXPECT_EQ(Points(copy), (PointList{{1, 2}}));
    EXPECT_EQ(copy.XLabel(0), "a");
    EXPECT_EQ(copy.ValueColor(0), clBlue);
}

} // namespace

namespace {

TEST(SeriesSources, GalleryLook)
{
    TTestChart chart;
    auto* first = new TChartSeries(&chart);
    auto* second = new TChartSeries(&chart);
    chart.AddSeries(first);
    chart.AddSeries(second);
    first->Marks()->SetVisible(true);
    first->SetColorEachPoint(true);
    first->PrepareForGallery(true);
    second->PrepareForGallery(true);
    EXPECT_EQ(first->Count(), 4);
    EXPECT_FALSE(first->Marks()->Visible());
    EXPECT_EQ(first->Marks()->Font()->Size(), 7);
    EXPECT_EQ(first->Marks()->Callout()->Length(), 4);
    EXPECT_EQ(first->Marks()->DrawEvery(), 2);
    EXPECT_FALSE(first->ColorEachPoint());
    EXPECT_EQ(first->SeriesColor(), GetDefaultColor(0)); // palette entry 1
    EXPECT_EQ(second->SeriesColor(), GetDefaultColor(3)); // palette entry 4
    second->PrepareForGallery(false);
    EXPECT_EQ(second->SeriesColor(), clSilver);
}

} // namespace

namespace {

class TOnePointSource : public TTeeSeriesSource
{
public:
    using TTeeSeriesSource::TTeeSeriesSource;
    void Load() override { Series()->Add(1); }
};

TEST(SeriesSources, ReleasingOrFreeingASeriesSource)
{
    TTestChart chart;
    auto* s = new TChartSeries(&chart);
    chart.AddSeries(s);
    auto* source = new TOnePointSource(&chart);
    s->SetDataSource(source);
    EXPECT_EQ(source->Series(), s);
    source->Open();
    EXPECT_EQ(s->Count(), 1);
    s->SetDataSource(nullptr);
    EXPECT_EQ(source->Series(), nullptr);
    EXPECT_EQ(s->DataSource(), nullptr);
    EXPECT_EQ(s->Count(), 0);

    source->SetSeries(s);
    source->Open();
    source->Free();
    EXPECT_EQ(s->DataSource(), nullptr);
}

} // namespace
