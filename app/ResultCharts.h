#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "model/PlayRecords.h"
#include "platform/Component.h"
#include "platform/Prefault.h"

class ResultTally;
class TChart;
class TChartSeries;
class TChartWidget;

// The four result charts of the main window and their twelve series: the one place where the
// window's results reach the charts. The charts live in the form's promoted chart widgets; the
// series belong to this object and are freed with it.
class ResultCharts {
public:
    // The twelve series, in the order in which a display clears them.
    enum Series {
        SlumpSeries, SlumpBSeries, ModeSeries, BIG, REG, Cherry, Cherry_s, Rakuda, Tuki,
        Chance, KoyakuSeries, ModeStaySeries, SeriesCount
    };

    ResultCharts();
    ~ResultCharts();
    ResultCharts(const ResultCharts&) = delete;
    ResultCharts& operator=(const ResultCharts&) = delete;

    // The slump chart's bottom axis spans 0 to this many plays until a run gives it its own.
    static constexpr int EmptyRunPlays = 24;

    // Takes the form's chart widgets, creates the series and applies every chart and series
    // setting of the form; called once by the form's constructor.
    void Attach(TChartWidget* slumpChart, TChartWidget* slumpChart2, TChartWidget* koyakuChart,
                TChartWidget* modeStayChart);

    // Every series emptied, at the start of a display. A chart that the user zoomed or
    // scrolled returns to its own scales first, so that the new run starts from its ranges
    // and undoing a later zoom comes back to them.
    void Clear();
    // Room in every series for the points that a display of the counted records adds, so that
    // filling moves no point; room far beyond it, kept from a larger run, is given back.
    void Reserve(const ResultTally& tally);
    // The slump chart's bottom axis from 1 to the run's play count.
    void SetSlumpRange(int32_t playCount);
    // The slump chart's bottom axis before any display: 0 to 24.
    void SetEmptySlumpRange();
    // The role marker of record i, for the roles that have one.
    void AddMarker(const PlayRecords& records, size_t i);
    // The mode and medal lines (normal games) and the bars of games between bonuses; `pause`,
    // when given, is called every so many records so that the window can stay responsive.
    void FillLines(const PlayRecords& records, const std::function<void()>& pause = {});
    // The small-role and mode-stay pies.
    void FillKoyakuPie(const ResultTally& tally);
    void FillModeStayPie(const ResultTally& tally);

    // The check boxes of "役出現表示": a marker series drawn or not.
    void SetActive(Series series, bool active);
    bool Active(Series series) const;

    size_t PointCount(Series series) const;
    double BottomMinimum() const;
    double BottomMaximum() const;

    TChartSeries* Get(Series series) const { return series_[series]; }
    TChart* SlumpChart() const { return slumpChart_; }
    TChart* SlumpChart2() const { return slumpChart2_; }
    TChart* KoyakuChart() const { return koyakuChart_; }
    TChart* ModeStayChart() const { return modeStayChart_; }

    // Marker series of a role code, or SeriesCount for a role without a marker.
    static Series MarkerSeries(int32_t roleCode);

private:
    // The settings of the form's charts and series, in one place.
    void SetUpCharts();
    void SetUpSlumpChart();
    void SetUpSlumpChart2();
    void SetUpPieChart(TChart* chart, Series pie);
    void CreateSeries();

    // Makes the pages of the reserved room resident while the display builds its rows.
    TPrefault prefault_;
    // Owner of the twelve series.
    TComponent owner_{nullptr};
    std::array<TChartSeries*, SeriesCount> series_{};
    TChart* slumpChart_ = nullptr;
    TChart* slumpChart2_ = nullptr;
    TChart* koyakuChart_ = nullptr;
    TChart* modeStayChart_ = nullptr;
};
