#include "app/ResultCharts.h"

#include <algorithm>

#include "app/ResultCounts.h"
#include "chart/components/Chart.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/ChartValueList.h"
#include "chart/editors/ChartWidget.h"
#include "model/Slot.h"

ResultCharts::ResultCharts() = default;

// The series leave their charts as the owner frees them.
ResultCharts::~ResultCharts()
{
    prefault_.Wait();
}

void ResultCharts::Attach(TChartWidget* slumpChart, TChartWidget* slumpChart2, TChartWidget* koyakuChart,
                          TChartWidget* modeStayChart)
{
    slumpChart_ = slumpChart->Chart();
    slumpChart2_ = slumpChart2->Chart();
    koyakuChart_ = koyakuChart->Chart();
    modeStayChart_ = modeStayChart->Chart();
    CreateSeries();
    SetUpCharts();
}

void ResultCharts::Clear()
{
    // A zoomed or scrolled chart takes back its own scales (and its automatic axes) before the
    // new run sets its ranges; otherwise the old run's zoom would stay and an undo would
    // return to the old run's ranges.
    for (TChart* chart : {slumpChart_, slumpChart2_, koyakuChart_, modeStayChart_})
        if (chart->ScalesSaved() || chart->Zoomed())
            chart->UndoZoom();
    prefault_.Wait();
    for (TChartSeries* series : series_)
        series->Clear();
}

void ResultCharts::Reserve(const ResultTally& tally)
{
    prefault_.Wait();
    series_[ModeSeries]->ReservePoints(tally.NormalGameCount());
    series_[SlumpSeries]->ReservePoints(tally.NormalGameCount());
    series_[SlumpBSeries]->ReservePoints(tally.AnyGameRoleCount(RoleBig) + tally.AnyGameRoleCount(RoleReg));
    for (int32_t role = 0; role <= RoleReg; ++role) {
        const Series marker = MarkerSeries(role);
        if (marker != SeriesCount)
            series_[marker]->ReservePoints(tally.AnyGameRoleCount(role));
    }
    // The markers are filled with the rows, the two lines (most of the points) after them.
    for (Series series : {BIG, REG, Cherry, Cherry_s, Rakuda, Tuki, Chance, ModeSeries, SlumpSeries})
        for (const TChartValueList* list : {series_[series]->XValues(), series_[series]->YValues()})
            prefault_.Add(list->Data(), sizeof(double) * static_cast<size_t>(list->Capacity()));
    prefault_.Start();
}

void ResultCharts::SetSlumpRange(int32_t playCount)
{
    TChartAxis* axis = slumpChart_->BottomAxis();
    // A run of no normal games still gets an axis of one play rather than an axis error.
    const double maximum = std::max(playCount, 1);
    // The maximum first when the axis lies wholly below 1, so that neither call sees a
    // minimum above the maximum.
    if (axis->Maximum() < 1) {
        axis->SetMaximum(maximum);
        axis->SetMinimum(1);
    } else {
        axis->SetMinimum(1);
        axis->SetMaximum(maximum);
    }
}

void ResultCharts::SetEmptySlumpRange()
{
    slumpChart_->BottomAxis()->SetMinMax(0, EmptyRunPlays);
}

ResultCharts::Series ResultCharts::MarkerSeries(int32_t roleCode)
{
    switch (roleCode) {
    case RoleTripleCherry: return Cherry;
    case RoleSingleCherry: return Cherry_s;
    case RoleCamel: return Rakuda;
    case RoleMoon: return Tuki;
    case RoleChance: return Chance;
    case RoleBig: return BIG;
    case RoleReg: return REG;
    default: return SeriesCount;
    }
}

namespace {

TColor MarkerColor(ResultCharts::Series series)
{
    switch (series) {
    case ResultCharts::Cherry: return clRed;
    case ResultCharts::Cherry_s: return clFuchsia;
    case ResultCharts::Rakuda: return 0x0080FF; // orange, which has no name
    case ResultCharts::Tuki: return clYellow;
    case ResultCharts::Chance: return clBlack;
    case ResultCharts::BIG: return clBlue;
    case ResultCharts::REG: return clBlack;
    default: return clDefault;
    }
}

} // namespace

void ResultCharts::AddMarker(const PlayRecords& records, size_t i)
{
    const Series series = MarkerSeries(records.roleCode[i]);
    if (series == SeriesCount)
        return;
    // Bonus games keep the play number of their bonus, so their markers stack at that play.
    series_[series]->AddXY(records.playNumber[i], records.medals[i], QString(), MarkerColor(series));
}

namespace {

// Records between two calls of a fill's pause.
constexpr size_t FillPauseStride = 1 << 18;

// Calls fill(i) for every record index in order, and pause between strides.
template <class Fill>
void ForEachRecord(size_t n, const std::function<void()>& pause, Fill fill)
{
    for (size_t start = 0; start < n; start += FillPauseStride) {
        const size_t end = std::min(n, start + FillPauseStride);
        for (size_t i = start; i < end; ++i)
            fill(i);
        if (pause)
            pause();
    }
}

// Holds back a chart's repaints while it is filled, and asks for one repaint at the end: a
// chart painted in the middle of the fill would draw millions of points for a picture that
// lasts a moment. The window itself keeps repainting meanwhile, the chart as it was.
class TRepaintHold {
public:
    explicit TRepaintHold(TChart* chart) : FChart(chart), FEnabled(chart->RepaintEnabled())
    {
        FChart->SetRepaintEnabled(false);
    }
    ~TRepaintHold()
    {
        FChart->SetRepaintEnabled(FEnabled);
        FChart->Invalidate();
    }
    TRepaintHold(const TRepaintHold&) = delete;
    TRepaintHold& operator=(const TRepaintHold&) = delete;

private:
    TChart* FChart;
    bool FEnabled;
};

// Holds back a series' notice of every point added while it is filled; it tells once, at
// the end. Nothing follows these series' points one by one.
class TSeriesUpdateHold {
public:
    explicit TSeriesUpdateHold(TChartSeries* series) : FSeries(series) { FSeries->BeginUpdate(); }
    ~TSeriesUpdateHold() { FSeries->EndUpdate(); }
    TSeriesUpdateHold(const TSeriesUpdateHold&) = delete;
    TSeriesUpdateHold& operator=(const TSeriesUpdateHold&) = delete;

private:
    TChartSeries* FSeries;
};

} // namespace

void ResultCharts::FillLines(const PlayRecords& records, const std::function<void()>& pause)
{
    // The room may still be being made resident: filling it meanwhile is safe, and the next
    // Clear or Reserve waits before the room can change.
    const size_t n = records.size();
    TChartSeries* mode = series_[ModeSeries];
    TChartSeries* slump = series_[SlumpSeries];
    TChartSeries* bars = series_[SlumpBSeries];
    const TRepaintHold holdSlump(slumpChart_);
    const TRepaintHold holdBars(slumpChart2_);
    const TSeriesUpdateHold holdMode(mode), holdSlump2(slump), holdBarPoints(bars);
    const QString noLabel;
    ForEachRecord(n, pause, [&](size_t i) {
        if (records.bonusGameCount[i] == 0)
            mode->AddXY(records.playNumber[i], records.mode[i], noLabel, clBlue);
    });
    ForEachRecord(n, pause, [&](size_t i) {
        if (records.bonusGameCount[i] == 0)
            slump->AddXY(records.playNumber[i], records.medals[i], noLabel, clRed);
    });
    int bonus = 0;
    ForEachRecord(n, pause, [&](size_t i) {
        const int32_t role = records.roleCode[i];
        if (role == RoleBig || role == RoleReg)
            bars->AddXY(bonus++, records.gamesSinceBonus[i], noLabel, role == RoleBig ? clRed : clBlack);
    });
}

void ResultCharts::FillKoyakuPie(const ResultTally& tally)
{
    struct Slice {
        const char16_t* label;
        int32_t role;
        TColor colour;
    };
    static const Slice slices[] = {
        {u"3連チェリー", RoleTripleCherry, clRed}, {u"単チェリー", RoleSingleCherry, clNavy},
        {u"らくだ", RoleCamel, clYellow},          {u"月", RoleMoon, clMaroon},
        {u"リプレイ", RoleReplay, clBlue},         {u"強ハズレA", RoleStrongMissA, clWhite},
        {u"強ハズレB", RoleStrongMissB, clBlack},  {u"チャンス目", RoleChance, clOlive},
    };
    for (const Slice& s : slices)
        series_[KoyakuSeries]->AddXY(0, tally.RoleCount(s.role), QString::fromUtf16(s.label), s.colour);
}

void ResultCharts::FillModeStayPie(const ResultTally& tally)
{
    static const std::pair<const char16_t*, TColor> slices[] = {
        {u"通常", clNavy}, {u"高確S", clFuchsia}, {u"高確L", clRed}, {u"高確SL", clLime}, {u"前兆", clBlue},
    };
    for (int32_t mode = 0; mode < 5; ++mode)
        series_[ModeStaySeries]->AddXY(0, tally.ModeCount(mode), QString::fromUtf16(slices[mode].first),
                                       slices[mode].second);
}

void ResultCharts::SetActive(Series series, bool value)
{
    series_[series]->SetActive(value);
}

bool ResultCharts::Active(Series series) const
{
    return series_[series]->Active();
}

size_t ResultCharts::PointCount(Series series) const
{
    return static_cast<size_t>(series_[series]->Count());
}

double ResultCharts::BottomMinimum() const
{
    return slumpChart_->BottomAxis()->Minimum();
}

double ResultCharts::BottomMaximum() const
{
    return slumpChart_->BottomAxis()->Maximum();
}
