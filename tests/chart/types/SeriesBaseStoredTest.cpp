// What every series stores of its base (colour, title, legend switch, sources, cursor, depth,
// axes, formats and marks): nothing for a new series of any kind, everything changed comes back
// into a new series of the same kind, start values a kind has of its own (shown marks, longer
// callouts, coloured points) come back both ways, bad texts change nothing, and no name is
// written twice.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "chart/components/Series.h"
#include "chart/core/SeriesMarks.h"
#include "platform/TeeFiler.h"
#include "platform/graphics/ControlTypes.h"

namespace {

// A kind with the start values that its constructor gives the base, worked out from what each
// kind is documented to do: bars show their marks with a callout of 20, pies show them with 8
// and colour each slice, points have no callout length.
struct Kind {
    const char* name;
    std::function<std::unique_ptr<TChartSeries>()> make;
    bool colorEachPoint;
    bool marksVisible;
    int arrowLength;
};

template <class S>
std::function<std::unique_ptr<TChartSeries>()> Maker()
{
    return [] { return std::make_unique<S>(nullptr); };
}

const std::vector<Kind>& Kinds()
{
    static const std::vector<Kind> kinds{
        {"TLineSeries", Maker<TLineSeries>(), false, false, 8},
        {"THorizLineSeries", Maker<THorizLineSeries>(), false, false, 8},
        {"TPointSeries", Maker<TPointSeries>(), false, false, 0},
        {"TAreaSeries", Maker<TAreaSeries>(), false, false, 8},
        {"THorizAreaSeries", Maker<THorizAreaSeries>(), false, false, 8},
        {"TBarSeries", Maker<TBarSeries>(), false, true, 20},
        {"THorizBarSeries", Maker<THorizBarSeries>(), false, true, 20},
        {"TPieSeries", Maker<TPieSeries>(), true, true, 8},
        {"TFastLineSeries", Maker<TFastLineSeries>(), false, false, 8},
    };
    return kinds;
}

const QStringList baseNames{"Active=",       "ShowInLegend=", "Title=",     "SeriesColor=",   "ColorEachPoint=",
                            "ColorSource=",  "XLabelsSource=", "Cursor=",   "Depth=",         "HorizAxis=",
                            "VertAxis=",     "ValueFormat=",  "PercentFormat=", "Marks."};

QStringList BaseLines(const QString& text)
{
    QStringList out;
    for (const QString& line : text.split('\n'))
        for (const QString& name : baseNames)
            if (line.startsWith(name))
                out << line;
    return out;
}

QStringList Names(const QStringList& lines)
{
    QStringList names;
    for (const QString& line : lines)
        names << line.left(line.indexOf('='));
    return names;
}

QStringList Repeated(const QStringList& names)
{
    QStringList seen;
    QStringList twice;
    for (const QString& name : names) {
        if (seen.contains(name))
            twice << name;
        seen << name;
    }
    return twice;
}

// Every base property set away from the kind's start.
void ChangeEverything(TChartSeries& s, const Kind& kind)
{
    s.SetActive(false);
    s.SetShowInLegend(false);
    s.SetTitle(QStringLiteral("Slump\n収支 \\ total"));
    s.SetSeriesColor(clTeal);
    s.SetColorEachPoint(!kind.colorEachPoint);
    s.SetColorSource(QStringLiteral("Colour"));
    s.SetLabelsSource(QStringLiteral("Names"));
    s.SetCursor(crHandPoint);
    s.SetDepth(12);
    s.SetHorizAxis(aTopAxis);
    s.SetVertAxis(aRightAxis);
    s.SetValueFormat(QStringLiteral("0.0"));
    s.SetPercentFormat(QStringLiteral("0 %"));
    TSeriesMarks* m = s.Marks();
    m->SetVisible(!kind.marksVisible);
    m->SetArrowLength(33);
    m->SetStyle(smsValue);
    m->SetAngle(90);
    m->SetClip(true);
    m->SetDrawEvery(3);
    m->SetMultiLine(true);
    m->SetColor(clYellow);
    m->Font()->SetSize(11);
    m->Frame()->SetWidth(2);
    m->Callout()->SetDistance(4);
    m->GetItem(1)->SetColor(clLime);
}

} // namespace

TEST(SeriesBaseStored, ANewSeriesOfEveryKindWritesNoneOfTheBaseNames)
{
    for (const Kind& kind : Kinds()) {
        const auto s = kind.make();
        EXPECT_EQ(BaseLines(TeeWriteProperties(*s)), QStringList()) << kind.name;
    }
    TChartSeries plain(nullptr);
    EXPECT_EQ(TeeWriteProperties(plain), QString());
}

TEST(SeriesBaseStored, ValuesAreWrittenAsNamesNumbersAndEscapedText)
{
    TLineSeries s(nullptr);
    s.SetTitle(QStringLiteral("A\nB\\C"));
    s.SetSeriesColor(clRed);
    s.SetCursor(crHandPoint);
    s.SetDepth(12);
    s.SetHorizAxis(aTopAxis);
    s.SetVertAxis(aBothVertAxis);
    s.SetValueFormat(QStringLiteral("#,##0.###"));
    s.SetPercentFormat(QStringLiteral("0.0 %"));
    EXPECT_EQ(BaseLines(TeeWriteProperties(s)),
              (QStringList{"Title=A\\nB\\\\C", "Cursor=-21", "Depth=12", "HorizAxis=aTopAxis", "PercentFormat=0.0 %",
                           "SeriesColor=255", "VertAxis=aBothVertAxis"}));
}

TEST(SeriesBaseStored, EverythingChangedComesBackIntoANewSeriesOfTheSameKind)
{
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        const auto s = kind.make();
        ChangeEverything(*s, kind);
        const auto read = kind.make();
        TeeReadProperties(*read, TeeWriteProperties(*s));
        EXPECT_FALSE(read->Active());
        EXPECT_FALSE(read->ShowInLegend());
        EXPECT_EQ(read->Title(), QStringLiteral("Slump\n収支 \\ total"));
        EXPECT_EQ(read->SeriesColor(), 0x808000);
        EXPECT_EQ(read->ColorEachPoint(), !kind.colorEachPoint);
        EXPECT_EQ(read->ColorSource(), "Colour");
        EXPECT_EQ(read->XLabelsSource(), "Names");
        EXPECT_EQ(read->Cursor(), -21);
        EXPECT_EQ(read->Depth(), 12);
        EXPECT_EQ(read->HorizAxis(), aTopAxis);
        EXPECT_EQ(read->VertAxis(), aRightAxis);
        EXPECT_EQ(read->ValueFormat(), "0.0");
        EXPECT_EQ(read->PercentFormat(), "0 %");
        const TSeriesMarks* m = read->Marks();
        EXPECT_EQ(m->Visible(), !kind.marksVisible);
        EXPECT_EQ(m->ArrowLength(), 33);
        EXPECT_EQ(m->Style(), smsValue);
        EXPECT_EQ(m->Angle(), 90);
        EXPECT_TRUE(m->Clip());
        EXPECT_EQ(m->DrawEvery(), 3);
        EXPECT_TRUE(m->MultiLine());
        EXPECT_EQ(m->Color(), clYellow);
        EXPECT_EQ(m->Font()->Size(), 11);
        EXPECT_EQ(m->Frame()->Width(), 2);
        EXPECT_EQ(m->Callout()->Distance(), 4);
        ASSERT_EQ(m->Items().Count(), 2);
        EXPECT_EQ(m->Items().Existing(1)->Color(), clLime);
        EXPECT_EQ(m->Items().Existing(0)->Color(), clInfoBk);
    }
}

TEST(SeriesBaseStored, StartValuesOfAKindComeBackBothWays)
{
    // Marks hidden on a bar and a pie: stored because both kinds start with them shown.
    TBarSeries bar(nullptr);
    bar.Marks()->SetVisible(false);
    EXPECT_EQ(BaseLines(TeeWriteProperties(bar)), QStringList{"Marks.Visible=False"});
    TBarSeries barRead(nullptr);
    TeeReadProperties(barRead, TeeWriteProperties(bar));
    EXPECT_FALSE(barRead.Marks()->Visible());
    EXPECT_EQ(barRead.Marks()->ArrowLength(), 20);

    TPieSeries pie(nullptr);
    pie.Marks()->SetVisible(false);
    pie.SetColorEachPoint(false);
    EXPECT_EQ(BaseLines(TeeWriteProperties(pie)), (QStringList{"ColorEachPoint=False", "Marks.Visible=False"}));
    TPieSeries pieRead(nullptr);
    TeeReadProperties(pieRead, TeeWriteProperties(pie));
    EXPECT_FALSE(pieRead.Marks()->Visible());
    EXPECT_FALSE(pieRead.ColorEachPoint());

    // A bar's callout set to what other kinds start with is stored, and a line's set to what
    // bars start with.
    TBarSeries shortCallout(nullptr);
    shortCallout.Marks()->SetArrowLength(8);
    EXPECT_EQ(BaseLines(TeeWriteProperties(shortCallout)), QStringList{"Marks.Callout.Length=8"});
    TBarSeries shortRead(nullptr);
    TeeReadProperties(shortRead, TeeWriteProperties(shortCallout));
    EXPECT_EQ(shortRead.Marks()->ArrowLength(), 8);
    EXPECT_TRUE(shortRead.Marks()->Visible());

    TLineSeries line(nullptr);
    line.Marks()->SetVisible(true);
    line.Marks()->SetArrowLength(20);
    EXPECT_EQ(BaseLines(TeeWriteProperties(line)), (QStringList{"Marks.Visible=True", "Marks.Callout.Length=20"}));
    TLineSeries lineRead(nullptr);
    TeeReadProperties(lineRead, TeeWriteProperties(line));
    EXPECT_TRUE(lineRead.Marks()->Visible());
    EXPECT_EQ(lineRead.Marks()->ArrowLength(), 20);
}

TEST(SeriesBaseStored, BadTextsLeaveEachValueAsItWas)
{
    TBarSeries s(nullptr);
    s.SetActive(false);
    s.SetShowInLegend(false);
    s.SetColorEachPoint(true);
    s.SetSeriesColor(clNavy);
    s.SetCursor(crCross);
    s.SetDepth(5);
    s.SetHorizAxis(aTopAxis);
    s.SetVertAxis(aRightAxis);
    s.Marks()->SetClip(true);
    s.Marks()->SetStyle(smsPercent);
    s.Marks()->SetColor(clLime);
    s.Marks()->SetBevelWidth(5);
    TeeReadProperties(s, "Active=maybe\nShowInLegend=2\nColorEachPoint=yes\nSeriesColor=navy\nCursor=40000\n"
                         "Depth=deep\nHorizAxis=aMiddleAxis\nVertAxis=1\nMarks.Visible=shown\n"
                         "Marks.Callout.Length=long\nMarks.Clip=perhaps\nMarks.Style=smsNothing\nMarks.Color=lime\n"
                         "Marks.BevelWidth=wide");
    EXPECT_FALSE(s.Active());
    EXPECT_FALSE(s.ShowInLegend());
    EXPECT_TRUE(s.ColorEachPoint());
    EXPECT_EQ(s.SeriesColor(), clNavy);
    EXPECT_EQ(s.Cursor(), crCross);
    EXPECT_EQ(s.Depth(), 5);
    EXPECT_EQ(s.HorizAxis(), aTopAxis);
    EXPECT_EQ(s.VertAxis(), aRightAxis);
    EXPECT_TRUE(s.Marks()->Visible());
    EXPECT_EQ(s.Marks()->ArrowLength(), 20);
    EXPECT_TRUE(s.Marks()->Clip());
    EXPECT_EQ(s.Marks()->Style(), smsPercent);
    EXPECT_EQ(s.Marks()->Color(), clLime);
    EXPECT_EQ(s.Marks()->BevelWidth(), 5);
    // Case does not matter for the two Boolean words.
    TeeReadProperties(s, "Active=TRUE\nMarks.Visible=false");
    EXPECT_TRUE(s.Active());
    EXPECT_FALSE(s.Marks()->Visible());
}

TEST(SeriesBaseStored, NoKindWritesANameTwice)
{
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        const auto s = kind.make();
        ChangeEverything(*s, kind);
        s->Add(3);
        s->Add(4);
        // Everything that has a writer, whatever its stored rule says.
        TTeePropertyWriter all;
        TTeeStartValuesFiler everything(all, nullptr);
        s->DefineProperties(everything);
        EXPECT_EQ(Repeated(Names(all.Lines())), QStringList());
        for (const char* name : {"Active", "Title", "SeriesColor", "ColorEachPoint", "Marks.Visible", "Style"})
            EXPECT_TRUE(Names(all.Lines()).contains(QLatin1String(name))) << name;
        // And what is stored once changed.
        TTeePropertyWriter changed;
        s->DefineProperties(changed);
        EXPECT_EQ(Repeated(Names(changed.Lines())), QStringList());
    }
}

TEST(SeriesBaseStored, MarkItemsSurviveReadingThePointsButNotALaterClear)
{
    TBarSeries s(nullptr);
    s.Add(1);
    s.Add(2);
    s.SetValuesEntered(true);
    s.Marks()->GetItem(1)->SetColor(clLime);
    TBarSeries read(nullptr);
    TeeReadProperties(read, TeeWriteProperties(s));
    ASSERT_EQ(read.Count(), 2);
    ASSERT_EQ(read.Marks()->Items().Count(), 2);
    EXPECT_EQ(read.Marks()->Items().Existing(1)->Color(), clLime);
    // Refilling the series starts from the marks' own look again.
    read.Clear();
    EXPECT_EQ(read.Marks()->Items().Count(), 0);
}

TEST(SeriesBaseStored, APieStoresItsPenUnderItsOwnName)
{
    TPieSeries pie(nullptr);
    EXPECT_FALSE(TeeWriteProperties(pie).contains("PiePen."));
    pie.PiePen()->SetWidth(3);
    pie.PiePen()->SetColor(clNavy);
    const QString text = TeeWriteProperties(pie);
    EXPECT_TRUE(text.contains("PiePen.Width=3"));
    TPieSeries read(nullptr);
    TeeReadProperties(read, text);
    EXPECT_EQ(read.PiePen()->Width(), 3);
    EXPECT_EQ(read.PiePen()->Color(), clNavy);
}

namespace {

// A kind the class registry does not know.
class TUnlistedSeries : public TChartSeries
{
public:
    using TChartSeries::TChartSeries;
};

} // namespace

TEST(SeriesBaseStored, AnUnlistedKindIsComparedWithAPlainSeries)
{
    TUnlistedSeries s(nullptr);
    EXPECT_EQ(TeeWriteProperties(s), QString());
    s.SetDepth(0);
    s.Marks()->SetVisible(true);
    s.Marks()->SetColor(clWhite);
    EXPECT_EQ(BaseLines(TeeWriteProperties(s)),
              (QStringList{"Depth=0", "Marks.Visible=True", "Marks.Color=16777215"}));
}
