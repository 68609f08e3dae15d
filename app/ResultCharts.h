#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/PlayRecords.h"

class QWidget;
class ResultTally;

// The four result charts of the main window and their twelve series: the one place where
// the window's results reach the charts. Until the chart control is attached the chart areas
// of the form are plain frames and this class keeps only what the series would hold in
// outline (point counts, active flags, the slump chart's bottom-axis range), so that the
// window's calls are in place and can be checked.
class ResultCharts {
public:
    // The twelve series, in the order in which a display clears them.
    enum Series {
        SlumpSeries, SlumpBSeries, ModeSeries, BIG, REG, Cherry, Cherry_s, Rakuda, Tuki,
        Chance, KoyakuSeries, ModeStaySeries, SeriesCount
    };

    // Takes the chart areas of the form; called once by the form's constructor.
    void Attach(QWidget* slumpChart, QWidget* slumpChart2, QWidget* koyakuChart,
                QWidget* modeStayChart);

    // Every series emptied, at the start of a display.
    void Clear();
    // The slump chart's bottom axis from 1 to the run's play count.
    void SetSlumpRange(int32_t playCount);
    // The role marker of record i, for the roles that have one.
    void AddMarker(const PlayRecords& records, size_t i);
    // The mode and medal lines (normal games) and the bars of games between bonuses.
    void FillLines(const PlayRecords& records);
    // The small-role and mode-stay pies.
    void FillKoyakuPie(const ResultTally& tally);
    void FillModeStayPie(const ResultTally& tally);

    // The check boxes of "役出現表示": a marker series drawn or not.
    void SetActive(Series series, bool active);
    bool Active(Series series) const { return active[series]; }

    size_t PointCount(Series series) const { return points[series]; }
    double BottomMinimum() const { return bottomMinimum; }
    double BottomMaximum() const { return bottomMaximum; }

    // Marker series of a role code, or SeriesCount for a role without a marker.
    static Series MarkerSeries(int32_t roleCode);

private:
    std::array<size_t, SeriesCount> points{};
    // Every series but the role markers starts active.
    std::array<bool, SeriesCount> active{true, true, true, false, false, false, false,
                                         false, false, false, true, true};
    // The slump chart's bottom axis spans 0 to 24 until the first display.
    double bottomMinimum = 0;
    double bottomMaximum = 24;
};
