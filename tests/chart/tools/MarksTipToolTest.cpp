// Mark texts as hints: when they show, hide or stay, which style they take, several tools on
// one chart, and the application's hint pause.

#include <gtest/gtest.h>

#include <stdexcept>

#include "chart/components/MarksTipTool.h"
#include "platform/widgets/QtApplicationServices.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

class TipChart : public ToolChart
{
public:
    TipChart()
    {
        series->SetXLabel(1, "one");
        series->SetXLabel(2, "two");
        series->Marks()->SetStyle(smsXY);
        tool = AddTool();
    }
    TMarksTipTool* AddTool()
    {
        auto* t = new TMarksTipTool(&owner);
        t->SetParentChart(chart);
        return t;
    }
    void MoveTo(TPoint p) { chart->MouseMove(0, p.X, p.Y); }

    RecordingServices app;
    TMarksTipTool* tool;
};

} // namespace

TEST(MarksTipTool, HintShowsOnceAPointAndGoesAwayBesideThePoints)
{
    TipChart t;
    const TPoint one = t.At(1);
    t.MoveTo(one);
    EXPECT_EQ(t.app.Hints, QStringList{"one"});
    EXPECT_EQ(t.app.HintPoint, one);
    EXPECT_EQ(t.chart->Hint(), "one");
    EXPECT_TRUE(t.chart->ShowHint());
    // Within the same point the text is the same: no new hint.
    t.MoveTo(TPoint(one.X + 2, one.Y - 2));
    EXPECT_EQ(t.app.Hints.size(), 1);
    t.MoveTo(t.At(2));
    EXPECT_EQ(t.app.Hints, (QStringList{"one", "two"}));
    t.MoveTo(TPoint(one.X + 30, one.Y + 30));
    EXPECT_EQ(t.chart->Hint(), "");
    EXPECT_EQ(t.app.Cancels, 1);

    // A second tip tool: a miss of one must not hide the other's tip.
    t.AddTool();
    t.MoveTo(one);
    t.MoveTo(TPoint(one.X + 30, one.Y + 30));
    EXPECT_EQ(t.app.Cancels, 1);
    EXPECT_EQ(t.chart->Hint(), "one");
}

TEST(MarksTipTool, StyleOfTheTipAndOfTheSeriesMarks)
{
    TipChart t;
    t.tool->SetStyle(smsValue);
    t.MoveTo(t.At(3));
    EXPECT_EQ(t.app.Hints, QStringList{"30"});
    EXPECT_EQ(t.series->Marks()->Style(), smsXY);
    EXPECT_TRUE(t.chart->RepaintEnabled());

    t.tool->OnGetText = [](TMarksTipTool*, QString& text) { text = "<" + text + ">"; };
    t.MoveTo(t.At(2));
    EXPECT_EQ(t.app.Hints.last(), "<20>");

    // A failing mark text leaves the marks' style and the chart's repainting as they were.
    t.series->OnGetMarkText = [](TChartSeries*, int, QString&) { throw std::runtime_error("no text"); };
    EXPECT_THROW(t.MoveTo(t.At(4)), std::runtime_error);
    EXPECT_EQ(t.series->Marks()->Style(), smsXY);
    EXPECT_TRUE(t.chart->RepaintEnabled());
}

TEST(MarksTipTool, TheLegendStyleShowsPlainTextWithoutTheColumnSeparator)
{
    // Points 1, 2, 3: labels "one", "two" and none; values 10, 20, 30.
    struct Case {
        TLegendTextStyle style;
        int index;
        QString tip;
    };
    const Case cases[] = {
        {ltsLeftValue, 1, "10 one"}, {ltsRightValue, 2, "two 20"}, {ltsXAndValue, 3, "3 30"},
        {ltsLeftValue, 3, "30"},     {ltsPlain, 1, "one"},
    };
    for (const Case& c : cases) {
        TipChart t;
        t.chart->Legend()->SetTextStyle(c.style);
        t.tool->SetStyle(smsLegend);
        QString given;
        t.tool->OnGetText = [&](TMarksTipTool*, QString& text) { given = text; };
        t.MoveTo(t.At(c.index));
        EXPECT_EQ(given, c.tip) << c.style;
        EXPECT_EQ(t.app.Hints, QStringList{c.tip}) << c.style;
        EXPECT_EQ(t.chart->Hint(), c.tip) << c.style;
    }
}

TEST(MarksTipTool, ClickActionSeriesChoiceAndSwitches)
{
    TipChart t;
    t.tool->SetMouseAction(mtmClick);
    t.MoveTo(t.At(1));
    t.MoveTo(TPoint(590, 10));
    EXPECT_TRUE(t.app.Hints.isEmpty());
    EXPECT_EQ(t.app.Cancels, 0);
    t.chart->MouseDown(mbLeft, ssLeft, t.At(1).X, t.At(1).Y);
    t.chart->MouseUp(mbLeft, 0, t.At(1).X, t.At(1).Y);
    EXPECT_EQ(t.app.Hints, QStringList{"one"});
    t.tool->SetMouseAction(mtmMove);
    EXPECT_EQ(t.chart->Hint(), "");

    // Bound to another series, the first one's points show nothing; a hidden series neither.
    auto* other = new TPointSeries(&t.owner);
    t.chart->AddSeries(other);
    other->AddXY(5, 80, "other");
    t.Paint();
    const TPoint otherPoint(other->CalcXPos(0), other->CalcYPos(0));
    t.tool->SetSeries(other);
    t.MoveTo(t.At(2));
    EXPECT_EQ(t.app.Hints.size(), 1);
    t.MoveTo(otherPoint);
    EXPECT_EQ(t.app.Hints.last(), "other");
    t.tool->SetSeries(nullptr);
    other->SetActive(false);
    t.MoveTo(TPoint(1, 1));
    t.MoveTo(otherPoint);
    EXPECT_EQ(t.app.Hints.size(), 2);

    t.MoveTo(t.At(2));
    EXPECT_EQ(t.chart->Hint(), "two");
    t.tool->SetActive(false);
    EXPECT_EQ(t.chart->Hint(), "");
}

TEST(MarksTipTool, MouseDelayIsTheApplicationsHintPause)
{
    TQtApplicationServices qt;
    SetApplicationServices(&qt);
    TMarksTipTool::SetMouseDelay(100);
    EXPECT_EQ(qt.HintPause(), 100);
    EXPECT_EQ(TMarksTipTool::MouseDelay(), 100);
    SetApplicationServices(nullptr);
}
