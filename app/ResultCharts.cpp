#include "app/ResultCharts.h"

#include "app/ResultCounts.h"
#include "model/Slot.h"

void ResultCharts::Attach(QWidget*, QWidget*, QWidget*, QWidget*)
{
    // The chart controls and their series settings go here once the chart library lands.
}

void ResultCharts::Clear()
{
    points.fill(0);
}

void ResultCharts::SetSlumpRange(int32_t playCount)
{
    bottomMinimum = 1;
    bottomMaximum = playCount;
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

void ResultCharts::AddMarker(const PlayRecords& records, size_t i)
{
    const Series series = MarkerSeries(records.roleCode[i]);
    if (series != SeriesCount)
        ++points[series];
}

void ResultCharts::FillLines(const PlayRecords& records)
{
    const size_t n = records.size();
    size_t normalGames = 0;
    size_t bonuses = 0;
    for (size_t i = 0; i < n; ++i) {
        if (records.bonusGameCount[i] == 0)
            ++normalGames;
        const int32_t role = records.roleCode[i];
        if (role == RoleBig || role == RoleReg)
            ++bonuses;
    }
    points[ModeSeries] += normalGames;
    points[SlumpSeries] += normalGames;
    points[SlumpBSeries] += bonuses;
}

void ResultCharts::FillKoyakuPie(const ResultTally&)
{
    points[KoyakuSeries] += 8;
}

void ResultCharts::FillModeStayPie(const ResultTally&)
{
    points[ModeStaySeries] += 5;
}

void ResultCharts::SetActive(Series series, bool value)
{
    active[series] = value;
}
