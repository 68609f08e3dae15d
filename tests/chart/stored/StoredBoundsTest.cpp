// What a stored text costs stays in proportion to it: its counts together make at most
// 100,000 objects, of which at most 500 components and 100 custom axes; a text beyond
// that is refused; many components are read in one pass.

#include <gtest/gtest.h>

#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "chart/components/TeeTools.h"
#include "chart/core/ChartAxis.h"
#include "platform/Exceptions.h"
#include "platform/TeeFiler.h"
#include "tests/HangGuard.h"

namespace {

QString Tools(int count, const QString& cls, int lines)
{
    QString text = QStringLiteral("Components.Count=%1\n").arg(count);
    for (int i = 0; i < count; ++i) {
        text += QStringLiteral("Components.%1.Class=%2\n").arg(i).arg(cls);
        if (lines > 0)
            text += QStringLiteral("Components.%1.Lines.Count=%2\n").arg(i).arg(lines);
    }
    return text;
}

// A text that would make more than one text may is refused as a whole: the reader raises an
// error that names the bound, and what it made is freed again, so the chart keeps the series,
// tools and custom axes it had.
TEST(StoredBounds, ATextBeyondTheBoundsIsRefusedAndWhatItMadeIsFreed)
{
    const QString objects = QStringLiteral("Stored text makes more than 100000 objects");
    const struct {
        QString text;
        QString error;
    } cases[] = {
        // A tool with 100,000 lines, then a series and a cursor: one object too many.
        {QStringLiteral("Components.Count=3\n"
                        "Components.0.Class=TDrawLineTool\nComponents.0.Lines.Count=100000\n"
                        "Components.1.Class=TLineSeries\nComponents.2.Class=TCursorTool\n"),
         objects},
        {Tools(40, "TDrawLineTool", 100000), objects},
        // 100 axes, three tools and 99,900 lines are 100,003 objects: the last tool's count
        // is refused after two tools and their lines were made.
        {"CustomAxes.Count=100\n" + Tools(3, "TDrawLineTool", 33300), objects},
        {Tools(501, "TColorBandTool", 0), QStringLiteral("Stored text makes more than 500 components")},
        {QStringLiteral("CustomAxes.Count=101\n"), QStringLiteral("Stored text makes more than 100 custom axes")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error.toStdString() + " " + c.text.left(80).toStdString());
        TComponent owner(nullptr);
        TChart chart(&owner);
        auto* kept = new TLineSeries(&owner);
        chart.AddSeries(kept);
        new TChartAxis(chart.CustomAxes());
        try {
            TeeReadProperties(chart, c.text);
            ADD_FAILURE() << "read";
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.error);
        }
        EXPECT_EQ(owner.ComponentCount(), 2); // the chart and its series
        EXPECT_EQ(chart.SeriesCount(), 1);
        EXPECT_EQ(chart.Tools()->Count(), 0);
        EXPECT_EQ(chart.CustomAxes()->Count(), 1);
    }
}

// Up to the bounds everything is read: 100 axes, two tools and 99,898 lines are 100,000
// objects; 500 components are as many as a text may make.
TEST(StoredBounds, ATextWithinTheBoundsIsReadWhole)
{
    TComponent owner(nullptr);
    TChart chart(&owner);
    TeeReadProperties(chart, "CustomAxes.Count=100\n"
                             "Components.Count=2\n"
                             "Components.0.Class=TDrawLineTool\nComponents.0.Lines.Count=60000\n"
                             "Components.1.Class=TDrawLineTool\nComponents.1.Lines.Count=39898\n");
    EXPECT_EQ(chart.CustomAxes()->Count(), 100);
    ASSERT_EQ(chart.Tools()->Count(), 2);
    EXPECT_EQ(static_cast<TDrawLineTool*>(chart.Tools()->Get(0))->Lines()->Count(), 60000);
    EXPECT_EQ(static_cast<TDrawLineTool*>(chart.Tools()->Get(1))->Lines()->Count(), 39898);

    TComponent other(nullptr);
    TChart many(&other);
    TeeReadProperties(many, Tools(500, "TColorBandTool", 0));
    EXPECT_EQ(many.Tools()->Count(), 500);
}

// A tool read alone keeps its lines when its count is refused.
TEST(StoredBounds, ARefusedCountOfLinesKeepsTheLines)
{
    TDrawLineTool tool(nullptr);
    new TDrawLine(tool.Lines(), 1, 2, 3, 4);
    EXPECT_THROW(TeeReadProperties(tool, "Lines.Count=100001\nLines.0.X0=9\n"), EReadError);
    ASSERT_EQ(tool.Lines()->Count(), 1);
    EXPECT_EQ(tool.Lines()->Get(0)->X0(), 1);
}

// A chart that counts the axes looked at to place an axis in its list.
class TAxisCountingChart : public TChart
{
public:
    using TChart::TChart;
    int IndexOfAxis(const TChartAxis* axis) const override
    {
        const int at = TChart::IndexOfAxis(axis);
        looked += at < 0 ? AxisCount() : at + 1;
        return at;
    }
    mutable int64_t looked = 0;
};

// Writing custom axes asks each whether it is custom without a walk of the axes list, so that
// writing 4n axes costs four times writing n; each custom axis writes its side and direction.
TEST(StoredBounds, WritingCustomAxesLooksAtEachOnce)
{
    int64_t looked[2] = {};
    const int counts[2] = {25, 100};
    for (int i = 0; i < 2; ++i) {
        TComponent owner(nullptr);
        auto* chart = new TAxisCountingChart(&owner);
        TeeReadProperties(*chart, QStringLiteral("CustomAxes.Count=%1\n").arg(counts[i]));
        ASSERT_EQ(chart->CustomAxes()->Count(), counts[i]);
        chart->looked = 0;
        const QString text = TeeWriteProperties(*chart);
        looked[i] = chart->looked;
        EXPECT_EQ(text.count(QStringLiteral(".Horizontal=False")), counts[i]);
        EXPECT_EQ(text.count(QStringLiteral(".OtherSide=False")), counts[i]);
    }
    EXPECT_LE(looked[1], 4 * looked[0]);
}

// A writer that counts the definitions it is asked for.
class TCountingWriter : public TTeePropertyWriter
{
public:
    void DefineProperty(const QString& name, const TValueReader& reader, const TValueWriter& writer,
                        bool stored) override
    {
        ++asked;
        TTeePropertyWriter::DefineProperty(name, reader, writer, stored);
    }
    void DefineObject(const QString& name, const TObjectDefiner& definer, bool stored) override
    {
        ++asked;
        TTeePropertyWriter::DefineObject(name, definer, stored);
    }
    int64_t asked = 0;
};

// Drawn lines as new store nothing and cost nothing to write, however many a count made; a
// line after them keeps its place.
TEST(StoredBounds, DrawnLinesAsNewCostNothingToWrite)
{
    int64_t asked[2] = {};
    const int counts[2] = {2500, 10000};
    for (int i = 0; i < 2; ++i) {
        TDrawLineTool tool(nullptr);
        for (int k = 0; k < counts[i]; ++k)
            new TDrawLine(tool.Lines());
        new TDrawLine(tool.Lines(), 5, 0, 0, 0);
        TCountingWriter writer;
        tool.DefineProperties(writer);
        asked[i] = writer.asked;
        EXPECT_EQ(writer.Text(), QStringLiteral("Lines.Count=%1\nLines.%2.X0=5").arg(counts[i] + 1).arg(counts[i]));
    }
    EXPECT_EQ(asked[0], asked[1]);
}

// Each line is found among the saved names by one search, not by a look at all of them.
TEST(StoredBounds, ManyStoredObjectsAreReadInOnePass)
{
    QString text = QStringLiteral("Components.Count=1\nComponents.0.Class=TDrawLineTool\n"
                                  "Components.0.Lines.Count=99999\n");
    for (int i = 0; i < 99999; ++i)
        text += QStringLiteral("Components.0.Lines.%1.X0=%1\n").arg(i);
    HangGuard guard("reading 99,999 stored lines", std::chrono::seconds(30));
    TComponent owner(nullptr);
    TChart chart(&owner);
    TeeReadProperties(chart, text);
    ASSERT_EQ(chart.Tools()->Count(), 1);
    TDrawLines* lines = static_cast<TDrawLineTool*>(chart.Tools()->Get(0))->Lines();
    ASSERT_EQ(lines->Count(), 99999);
    EXPECT_EQ(lines->Get(99998)->X0(), 99998);
}

} // namespace
