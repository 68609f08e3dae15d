// The look of the main window's four charts and twelve series: every setting the form gives
// them, in one place. Whatever is not set here keeps the chart library's default.
#include "app/ResultCharts.h"

#include <algorithm>
#include <memory>

#include "chart/components/Chart.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/components/Series.h"
#include "chart/core/TeeFont.h"
#include "chart/core/TeeGradient.h"
#include "chart/core/TeeShadow.h"
#include "chart/core/TeeZoom.h"
#include "chart/core/View3DOptions.h"

namespace {

const QString mincho = QStringLiteral("ＭＳ Ｐ明朝");

// Where the form places the slump chart's legend.
constexpr int slumpLegendLeft = 520;
constexpr int slumpLegendTop = 5;

void SetFace(TFont* font, const QString& name)
{
    font->SetName(name);
    font->SetCharset(SHIFTJIS_CHARSET);
}

// The slump charts' head title: left-justified black "MS UI Gothic".
void SetSlumpTitle(TChart* chart)
{
    TChartTitle* title = chart->Title();
    title->Text()->Clear();
    title->Text()->Add(QStringLiteral("スランプグラフ"));
    title->SetAlignment(taLeftJustify);
    title->Font()->SetColor(clBlack);
    title->Font()->SetName(QStringLiteral("MS UI Gothic"));
}

void SetAxisTitle(TChartAxis* axis, const QString& caption)
{
    axis->Title()->SetCaption(caption);
}

// The form's place for the slump legend was chosen for narrower fonts than these: with every
// marker shown, "3連チェリー" would run past the chart's right edge. Each frame the legend
// moves left from that place only as far as it must to stay whole inside the chart, its
// shadow included, and its items move with it.
void KeepSlumpLegendInside(TChart* chart)
{
    auto shift = std::make_shared<int>(0);
    chart->OnGetLegendRect = [shift](TCustomChart* sender, TRect& rect) {
        const TRect bounds = sender->PanelBounds();
        const int width = rect.Width();
        const int shadow = std::max(0, sender->Legend()->Shadow()->HorizSize());
        const int left = std::max(bounds.Left, std::min(slumpLegendLeft, bounds.Right - shadow - width));
        *shift = rect.Left - left;
        rect.Left = left;
        rect.Right = left + width;
    };
    chart->OnGetLegendPos = [shift](TCustomChart*, int, int& x, int&, int& symbolX) {
        x -= *shift;
        symbolX -= *shift;
    };
}

// A flat chart without an outer bevel.
void SetFlat(TChart* chart)
{
    chart->SetBevelOuter(bvNone);
    chart->SetView3D(false);
}

} // namespace

void ResultCharts::CreateSeries()
{
    static const char* const names[SeriesCount] = {"SlumpSeries", "SlumpBSeries", "ModeSeries", "BIG",
                                                    "REG", "Cherry", "Cherry_s", "Rakuda",
                                                    "Tuki", "Chance", "KoyakuSeries", "ModeStaySeries"};
    for (int s = 0; s < SeriesCount; ++s) {
        switch (s) {
        case SlumpSeries:
        case ModeSeries: series_[s] = new TFastLineSeries(&owner_); break;
        case SlumpBSeries: series_[s] = new TBarSeries(&owner_); break;
        case KoyakuSeries:
        case ModeStaySeries: series_[s] = new TPieSeries(&owner_); break;
        default: series_[s] = new TLineSeries(&owner_); break;
        }
        series_[s]->SetName(QString::fromLatin1(names[s]));
    }
    // The order of each chart's series list is the order of drawing and of the legend.
    for (Series s : {ModeSeries, SlumpSeries, BIG, REG, Cherry, Rakuda, Tuki, Chance, Cherry_s})
        slumpChart_->AddSeries(series_[s]);
    slumpChart2_->AddSeries(series_[SlumpBSeries]);
    koyakuChart_->AddSeries(series_[KoyakuSeries]);
    modeStayChart_->AddSeries(series_[ModeStaySeries]);
}

void ResultCharts::SetUpCharts()
{
    SetUpSlumpChart();
    SetUpSlumpChart2();
    SetUpPieChart(koyakuChart_, KoyakuSeries);
    SetUpPieChart(modeStayChart_, ModeStaySeries);
}

void ResultCharts::SetUpSlumpChart()
{
    TChart* chart = slumpChart_;
    chart->SetColor(clWhite);
    SetFlat(chart);
    chart->View3DOptions()->SetPerspective(0);
    chart->BackWall()->SetColor(clWhite);
    chart->BackWall()->Brush()->SetStyle(bsClear);
    TTeeGradient* gradient = chart->Gradient();
    gradient->SetStartColor(clSilver);
    gradient->SetEndColor(clWhite);
    gradient->SetVisible(true);
    SetSlumpTitle(chart);

    TChartLegend* legend = chart->Legend();
    legend->SetCustomPosition(true);
    legend->SetLeft(slumpLegendLeft);
    legend->SetTop(slumpLegendTop);
    legend->SetLegendStyle(lsSeries);
    SetFace(legend->Font(), mincho);
    KeepSlumpLegendInside(chart);

    chart->SetAnimatedZoom(true);
    chart->Zoom()->Pen()->SetColor(clBlack);
    chart->SetPrintMargins(TRect(15, 34, 15, 34));

    // The bottom axis is set by each display; until the first it spans 0 to 24.
    TChartAxis* bottom = chart->BottomAxis();
    bottom->SetAutomatic(false);
    bottom->SetAutomaticMinimum(false);
    bottom->SetAutomaticMaximum(false);
    bottom->SetMinMax(0, EmptyRunPlays);
    SetAxisTitle(bottom, QStringLiteral("play"));
    SetAxisTitle(chart->LeftAxis(), QStringLiteral("Medal"));

    // The mode axis: one label per mode 0 to 5, with room above the top one.
    TChartAxis* right = chart->RightAxis();
    right->SetAutomatic(false);
    right->SetAutomaticMinimum(false);
    right->SetAutomaticMaximum(false);
    right->SetMinMax(0, 5);
    right->SetMaximumOffset(1);
    right->SetIncrement(1);
    right->SetLabelStyle(talValue);
    right->SetAxisValuesFormat(QStringLiteral("0"));
    right->SetLabelsSeparation(20);
    right->SetMinorTickCount(4);
    right->SetExactDateTime(false);
    SetAxisTitle(right, QStringLiteral("滞在モード"));

    for (TChartAxis* axis : {chart->LeftAxis(), chart->RightAxis(), chart->TopAxis(), chart->BottomAxis()}) {
        axis->LabelsFont()->SetName(mincho);
        axis->Title()->Font()->SetName(mincho);
    }

    TChartSeries* mode = series_[ModeSeries];
    mode->SetDepth(0);
    mode->SetSeriesColor(0xFF8000);
    mode->SetVertAxis(aRightAxis);
    mode->SetShowInLegend(false);

    TChartSeries* slump = series_[SlumpSeries];
    slump->SetDepth(20);
    slump->SetSeriesColor(clRed);
    slump->Pen()->SetWidth(2);
    slump->SetShowInLegend(false);

    // The role markers: symbols only, stacked ones drawn over each other, off until their
    // check box is ticked.
    struct Marker {
        Series series;
        TColor colour;
        TSeriesPointerStyle style;
        const char16_t* title;
    };
    static const Marker markers[] = {
        {BIG, clBlue, psDiamond, nullptr},          {REG, clBlack, psTriangle, nullptr},
        {Cherry, clRed, psCircle, u"3連チェリー"},  {Rakuda, 0x0080FF, psTriangle, u"らくだ"},
        {Tuki, clYellow, psCircle, u"月"},          {Chance, clBlack, psCircle, nullptr},
        {Cherry_s, clFuchsia, psCircle, u"単チェ"},
    };
    for (const Marker& m : markers) {
        auto* series = static_cast<TLineSeries*>(series_[m.series]);
        series->SetSeriesColor(m.colour);
        if (m.title)
            series->SetTitle(QString::fromUtf16(m.title));
        series->LinePen()->SetVisible(false);
        series->SetStacked(cssOverlap);
        series->Pointer()->SetStyle(m.style);
        series->Pointer()->SetInflateMargins(true);
        series->Pointer()->SetVisible(true);
        series->SetActive(false);
    }
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        chart->Series(i)->Marks()->SetVisible(false);
        chart->Series(i)->XValues()->SetOrder(loAscending);
    }
}

void ResultCharts::SetUpSlumpChart2()
{
    TChart* chart = slumpChart2_;
    SetFlat(chart);
    TTeeGradient* gradient = chart->Gradient();
    gradient->SetBalance(100);
    gradient->SetEndColor(clSilver);
    gradient->SetVisible(true);
    chart->Legend()->SetVisible(false);
    SetSlumpTitle(chart);
    TChartAxis* bottom = chart->BottomAxis();
    bottom->SetIncrement(1);
    bottom->SetExactDateTime(false);
    SetAxisTitle(bottom, QStringLiteral("ボーナス回数"));
    SetAxisTitle(chart->LeftAxis(), QStringLiteral("Play数"));

    auto* bars = static_cast<TBarSeries*>(series_[SlumpBSeries]);
    bars->BarPen()->SetColor(clWhite);
    bars->SetSeriesColor(0x8E8EFF);
    bars->SetMultiBar(mbNone);
    bars->Gradient()->SetDirection(gdTopBottom);
    bars->SetAutoMarkPosition(false);
    bars->XValues()->SetOrder(loAscending);
    TSeriesMarks* marks = bars->Marks();
    marks->SetVisible(true);
    marks->SetColor(clWhite);
    marks->Brush()->SetStyle(bsHorizontal);
    marks->Shadow()->SetSize(0);
    marks->Arrow()->SetVisible(false);
    bars->YValues()->SetName(QStringLiteral("棒"));
}

void ResultCharts::SetUpPieChart(TChart* chart, Series pie)
{
    SetFlat(chart);
    TView3DOptions* view = chart->View3DOptions();
    view->SetElevation(315);
    view->SetRotation(360);
    view->SetPerspective(0);
    view->SetOrthogonal(false);
    chart->Walls()->SetVisible(false);
    chart->Title()->SetVisible(false);
    chart->Zoom()->SetMinimumPixels(5);
    TChartLegend* legend = chart->Legend();
    legend->SetColorWidth(15);
    legend->Shadow()->SetSize(1);
    legend->SetShapeStyle(fosRoundRectangle);
    legend->Symbol()->SetWidth(15);
    legend->SetTextStyle(ltsPlain);

    auto* series = static_cast<TPieSeries*>(series_[pie]);
    series->SetCircled(true);
    series->SetSeriesColor(clRed);
    series->SetTitle(QStringLiteral("KoyakuSeries"));
    TSeriesMarks* marks = series->Marks();
    marks->SetVisible(false);
    marks->SetMultiLine(true);
    marks->SetColor(clWhite);
    series->PieValues()->SetName(QStringLiteral("円"));
}
