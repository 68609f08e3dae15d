// Every setting that the main window gives its four charts and twelve series, as literal
// values: axes, pens, widths, legend places, zoom limits, colours.
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/TeeGradient.h"
#include "chart/core/TeeShadow.h"
#include "chart/core/TeeZoom.h"
#include "chart/core/View3DOptions.h"
#include "MainFormTestSeam.h"

namespace {

using RC = ResultCharts;

QString B(bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); }
QString I(int64_t v) { return QString::number(v); }
QString D(double v) { return QString::number(v, 'g', 17); }
QString C(TColor v) { return QStringLiteral("0x") + QStringLiteral("%1").arg(static_cast<uint32_t>(v), 6, 16, QLatin1Char('0')).toUpper(); }
QString R(const TRect& r) { return QStringLiteral("%1,%2,%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom); }

// The names of a chart's series, in the chart's order.
QString SeriesNames(TChart* chart)
{
    QStringList names;
    for (int i = 0; i < chart->SeriesCount(); ++i)
        names << chart->Series(i)->Name();
    return names.join(QLatin1Char(','));
}

struct Setting {
    QString name;
    QString actual;
    QString expected;
};

void ExpectSettings(const std::vector<Setting>& settings)
{
    for (const Setting& s : settings)
        EXPECT_EQ(s.actual.toStdString(), s.expected.toStdString()) << qPrintable(s.name);
}

class ResultChartsSetUp : public ::testing::Test {
protected:
    RecordingSeam seam;
    TMainForm form;

    TChartSeries* S(RC::Series s) const { return form.charts.Get(s); }
    TLineSeries* Line(RC::Series s) const { return dynamic_cast<TLineSeries*>(S(s)); }
};

} // namespace

TEST_F(ResultChartsSetUp, SlumpChart)
{
    TChart* c = form.charts.SlumpChart();
    TChartAxis* bottom = c->BottomAxis();
    TChartAxis* left = c->LeftAxis();
    TChartAxis* right = c->RightAxis();
    TChartLegend* legend = c->Legend();
    ExpectSettings({
        {"Color", C(c->Color()), "0xFFFFFF"},
        {"BevelOuter", I(c->BevelOuter()), I(bvNone)},
        {"View3D", B(c->View3D()), "false"},
        {"Perspective", I(c->View3DOptions()->Perspective()), "0"},
        {"BackWall.Color", C(c->BackWall()->Color()), "0xFFFFFF"},
        {"BackWall.Brush.Style", I(c->BackWall()->Brush()->Style()), I(bsClear)},
        {"Gradient.Visible", B(c->Gradient()->Visible()), "true"},
        {"Gradient.StartColor", C(c->Gradient()->StartColor()), "0xC0C0C0"},
        {"Gradient.EndColor", C(c->Gradient()->EndColor()), "0xFFFFFF"},
        {"Title.Text", c->Title()->Text()->Text().trimmed(), "スランプグラフ"},
        {"Title.Alignment", I(c->Title()->Alignment()), I(taLeftJustify)},
        {"Title.Font.Color", C(c->Title()->Font()->Color()), "0x000000"},
        {"Title.Font.Name", c->Title()->Font()->Name(), "MS UI Gothic"},
        {"Legend.CustomPosition", B(legend->CustomPosition()), "true"},
        {"Legend.Left", I(legend->Left()), "520"},
        {"Legend.Top", I(legend->Top()), "5"},
        {"Legend.LegendStyle", I(legend->LegendStyle()), I(lsSeries)},
        {"Legend.Font.Name", legend->Font()->Name(), "ＭＳ Ｐ明朝"},
        {"Legend.Font.Charset", I(legend->Font()->Charset()), "128"},
        {"AnimatedZoom", B(c->Zoom()->Animated()), "true"},
        {"Zoom.Pen.Color", C(c->Zoom()->Pen()->Color()), "0x000000"},
        {"PrintMargins", R(c->PrintMargins()), "15,34,15,34"},
        {"BottomAxis.Automatic", B(bottom->Automatic()), "false"},
        {"BottomAxis.Minimum", D(bottom->Minimum()), "0"},
        {"BottomAxis.Maximum", D(bottom->Maximum()), "24"},
        {"BottomAxis.Title", bottom->Title()->Caption(), "play"},
        {"LeftAxis.Title", left->Title()->Caption(), "Medal"},
        {"RightAxis.Automatic", B(right->Automatic()), "false"},
        {"RightAxis.Minimum", D(right->Minimum()), "0"},
        {"RightAxis.Maximum", D(right->Maximum()), "5"},
        {"RightAxis.MaximumOffset", I(right->MaximumOffset()), "1"},
        {"RightAxis.Increment", D(right->Increment()), "1"},
        {"RightAxis.LabelStyle", I(right->LabelStyle()), I(talValue)},
        {"RightAxis.AxisValuesFormat", right->AxisValuesFormat(), "0"},
        {"RightAxis.LabelsSeparation", I(right->LabelsSeparation()), "20"},
        {"RightAxis.MinorTickCount", I(right->MinorTickCount()), "4"},
        {"RightAxis.ExactDateTime", B(right->ExactDateTime()), "false"},
        {"RightAxis.Title", right->Title()->Caption(), "滞在モード"},
        {"Series", SeriesNames(c), "ModeSeries,SlumpSeries,BIG,REG,Cherry,Rakuda,Tuki,Chance,Cherry_s"},
    });
    for (TChartAxis* axis : {left, right, c->TopAxis(), bottom}) {
        // The face only; the character set stays the library's default (1).
        EXPECT_EQ(axis->LabelsFont()->Name(), QStringLiteral("ＭＳ Ｐ明朝"));
        EXPECT_EQ(axis->Title()->Font()->Name(), QStringLiteral("ＭＳ Ｐ明朝"));
        EXPECT_EQ(axis->LabelsFont()->Charset(), 1);
        EXPECT_EQ(axis->Title()->Font()->Charset(), 1);
    }
}

TEST_F(ResultChartsSetUp, SlumpChartLines)
{
    TChartSeries* mode = S(RC::ModeSeries);
    TChartSeries* slump = S(RC::SlumpSeries);
    ExpectSettings({
        {"ModeSeries.FastLine", B(dynamic_cast<TFastLineSeries*>(mode) != nullptr), "true"},
        {"ModeSeries.Depth", I(mode->Depth()), "0"},
        {"ModeSeries.SeriesColor", C(mode->SeriesColor()), "0xFF8000"},
        {"ModeSeries.VertAxis", I(mode->VertAxis()), I(aRightAxis)},
        {"ModeSeries.ShowInLegend", B(mode->ShowInLegend()), "false"},
        {"SlumpSeries.FastLine", B(dynamic_cast<TFastLineSeries*>(slump) != nullptr), "true"},
        {"SlumpSeries.Depth", I(slump->Depth()), "20"},
        {"SlumpSeries.SeriesColor", C(slump->SeriesColor()), "0x0000FF"},
        {"SlumpSeries.Pen.Width", I(slump->Pen()->Width()), "2"},
        {"SlumpSeries.VertAxis", I(slump->VertAxis()), I(aLeftAxis)},
        {"SlumpSeries.ShowInLegend", B(slump->ShowInLegend()), "false"},
    });
}

TEST_F(ResultChartsSetUp, SlumpChartMarkers)
{
    // series, colour, pointer style, title
    const std::tuple<RC::Series, QString, TSeriesPointerStyle, QString> markers[] = {
        {RC::BIG, "0xFF0000", psDiamond, ""},          {RC::REG, "0x000000", psTriangle, ""},
        {RC::Cherry, "0x0000FF", psCircle, "3連チェリー"}, {RC::Rakuda, "0x0080FF", psTriangle, "らくだ"},
        {RC::Tuki, "0x00FFFF", psCircle, "月"},          {RC::Chance, "0x000000", psCircle, ""},
        {RC::Cherry_s, "0xFF00FF", psCircle, "単チェ"},
    };
    for (const auto& [series, colour, style, title] : markers) {
        TLineSeries* s = Line(series);
        ASSERT_NE(s, nullptr) << series;
        const QString n = s->Name() + QLatin1Char('.');
        ExpectSettings({
            {n + "SeriesColor", C(s->SeriesColor()), colour},
            {n + "Pointer.Style", I(s->Pointer()->Style()), I(style)},
            {n + "Title", s->Title(), title},
            {n + "Active", B(s->Active()), "false"},
            {n + "LinePen.Visible", B(s->LinePen()->Visible()), "false"},
            {n + "Stacked", I(s->Stacked()), I(cssOverlap)},
            {n + "Pointer.InflateMargins", B(s->Pointer()->InflateMargins()), "true"},
            {n + "Pointer.Visible", B(s->Pointer()->Visible()), "true"},
        });
    }
    // Marks hidden on every series of the chart, x values of both slump charts ascending.
    TChart* c = form.charts.SlumpChart();
    for (int i = 0; i < c->SeriesCount(); ++i) {
        EXPECT_FALSE(c->Series(i)->Marks()->Visible()) << qPrintable(c->Series(i)->Name());
        EXPECT_EQ(c->Series(i)->XValues()->Order(), loAscending) << qPrintable(c->Series(i)->Name());
    }
    EXPECT_EQ(S(RC::SlumpBSeries)->XValues()->Order(), loAscending);
}

TEST_F(ResultChartsSetUp, BarChart)
{
    TChart* c = form.charts.SlumpChart2();
    auto* bars = dynamic_cast<TBarSeries*>(S(RC::SlumpBSeries));
    ASSERT_NE(bars, nullptr);
    TSeriesMarks* marks = bars->Marks();
    ExpectSettings({
        {"View3D", B(c->View3D()), "false"},
        {"BevelOuter", I(c->BevelOuter()), I(bvNone)},
        {"Gradient.Visible", B(c->Gradient()->Visible()), "true"},
        {"Gradient.Balance", I(c->Gradient()->Balance()), "100"},
        {"Gradient.EndColor", C(c->Gradient()->EndColor()), "0xC0C0C0"},
        {"Legend.Visible", B(c->Legend()->Visible()), "false"},
        {"Title.Text", c->Title()->Text()->Text().trimmed(), "スランプグラフ"},
        {"Title.Alignment", I(c->Title()->Alignment()), I(taLeftJustify)},
        {"Title.Font.Color", C(c->Title()->Font()->Color()), "0x000000"},
        {"Title.Font.Name", c->Title()->Font()->Name(), "MS UI Gothic"},
        {"BottomAxis.Increment", D(c->BottomAxis()->Increment()), "1"},
        {"BottomAxis.ExactDateTime", B(c->BottomAxis()->ExactDateTime()), "false"},
        {"BottomAxis.Title", c->BottomAxis()->Title()->Caption(), "ボーナス回数"},
        {"LeftAxis.Title", c->LeftAxis()->Title()->Caption(), "Play数"},
        {"Series", SeriesNames(c), "SlumpBSeries"},
        {"BarPen.Color", C(bars->BarPen()->Color()), "0xFFFFFF"},
        {"SeriesColor", C(bars->SeriesColor()), "0x8E8EFF"},
        {"MultiBar", I(bars->MultiBar()), I(mbNone)},
        {"Gradient.Direction", I(bars->Gradient()->Direction()), I(gdTopBottom)},
        {"AutoMarkPosition", B(bars->AutoMarkPosition()), "false"},
        {"Marks.Visible", B(marks->Visible()), "true"},
        {"Marks.Color", C(marks->Color()), "0xFFFFFF"},
        {"Marks.Brush.Style", I(marks->Brush()->Style()), I(bsHorizontal)},
        {"Marks.Shadow.Size", I(marks->Shadow()->Size()), "0"},
        {"Marks.Arrow.Visible", B(marks->Arrow()->Visible()), "false"},
        {"YValues.Name", bars->YValues()->Name(), "棒"},
    });
}

TEST_F(ResultChartsSetUp, PieCharts)
{
    for (const auto& [c, series] : {std::pair{form.charts.KoyakuChart(), RC::KoyakuSeries},
                                    std::pair{form.charts.ModeStayChart(), RC::ModeStaySeries}}) {
        auto* pie = dynamic_cast<TPieSeries*>(S(series));
        ASSERT_NE(pie, nullptr);
        TChartLegend* legend = c->Legend();
        ExpectSettings({
            {"View3D", B(c->View3D()), "false"},
            {"Elevation", I(c->View3DOptions()->Elevation()), "315"},
            {"Rotation", I(c->View3DOptions()->Rotation()), "360"},
            {"Perspective", I(c->View3DOptions()->Perspective()), "0"},
            {"Orthogonal", B(c->View3DOptions()->Orthogonal()), "false"},
            {"Walls.Visible", B(c->Walls()->Visible()), "false"},
            {"Title.Visible", B(c->Title()->Visible()), "false"},
            {"BevelOuter", I(c->BevelOuter()), I(bvNone)},
            {"Zoom.MinimumPixels", I(c->Zoom()->MinimumPixels()), "5"},
            {"Legend.ColorWidth", I(legend->ColorWidth()), "15"},
            {"Legend.Shadow.Size", I(legend->Shadow()->Size()), "1"},
            {"Legend.ShapeStyle", I(legend->ShapeStyle()), I(fosRoundRectangle)},
            {"Legend.Symbol.Width", I(legend->Symbol()->Width()), "15"},
            {"Legend.TextStyle", I(legend->TextStyle()), I(ltsPlain)},
            {"Series", SeriesNames(c), pie->Name()},
            {"Circled", B(pie->Circled()), "true"},
            {"SeriesColor", C(pie->SeriesColor()), "0x0000FF"},
            {"Title", pie->Title(), "KoyakuSeries"},
            {"Marks.Visible", B(pie->Marks()->Visible()), "false"},
            {"Marks.MultiLine", B(pie->Marks()->MultiLine()), "true"},
            {"Marks.Color", C(pie->Marks()->Color()), "0xFFFFFF"},
            {"OtherSlice.Legend.Visible", B(pie->OtherSlice()->Legend()->Visible()), "false"},
            {"PieValues.Name", pie->PieValues()->Name(), "円"},
        });
    }
}
