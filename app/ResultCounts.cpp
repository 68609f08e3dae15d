#include "app/ResultCounts.h"

#include "app/ResultRowLists.h"
#include "model/Slot.h"
#include "platform/SysUtils.h"

#include <algorithm>

namespace {

bool IsMarkerRole(int32_t role)
{
    return (role >= 1 && role <= 5) || role == 8 || role == 9;
}

} // namespace

ResultTally::ResultTally(const PlayRecords& recordsIn)
    : records(recordsIn)
{
}

void ResultTally::Reset()
{
    std::fill(std::begin(roleCounts), std::end(roleCounts), 0);
    std::fill(std::begin(modeCounts), std::end(modeCounts), 0);
    for (auto& group : releaseCounts)
        std::fill(std::begin(group), std::end(group), 0);
    std::fill(std::begin(bonusRoleCounts), std::end(bonusRoleCounts), 0);
    std::fill(std::begin(anyGameRoleCounts), std::end(anyGameRoleCounts), 0);
    normalGames = 0;
    bigFirstHits = 0;
    rowOpen = false;
    openIndex = 0;
    inChain = false;
}

int32_t ResultTally::PlayCount() const
{
    return records.playNumber.empty() ? 0 : records.playNumber.back();
}

int32_t ResultTally::FinalMedals() const
{
    return records.medals.empty() ? 0 : records.medals.back();
}

void ResultTally::Count(size_t i)
{
    const int32_t role = records.roleCode[i];
    if (role >= 0 && role <= 17)
        ++anyGameRoleCounts[role];
    if (records.bonusGameCount[i] != 0) {
        switch (role) {
        case 17: case 11: case 12: case 2: case 16: case 13:
            ++bonusRoleCounts[role];
            break;
        default:
            break;
        }
        return;
    }
    ++normalGames;
    if (role >= 0 && role <= 9)
        ++roleCounts[role];
    const int32_t mode = records.mode[i];
    if (mode >= 0 && mode <= 4)
        ++modeCounts[mode];
    const int32_t release = records.releaseResult[i];
    if (release < 1 || release > 4)
        return;
    int group = -1;
    if (role == 1 || role == 2)
        group = CherryGroup;
    else if (role == 3)
        group = CamelGroup;
    else if (role == 5)
        group = ChanceGroup;
    if (group >= 0)
        ++releaseCounts[group][release - 1];
}

void ResultTally::CountAll()
{
    const size_t n = records.size();
    for (size_t i = 0; i < n; ++i)
        Count(i);
}

RecordStep ResultTally::Step(size_t i, ResultRowLists& rows)
{
    RecordStep step;
    Step(i, rows, step);
    return step;
}

void ResultTally::Step(size_t i, ResultRowLists& rows, RecordStep& step)
{
    step.closeBonusRow = step.openBonusRow = step.addModeChange = false;
    const int32_t role = records.roleCode[i];
    const int32_t mode = records.mode[i];
    const bool bonusGame = records.bonusGameCount[i] != 0;
    step.addMarker = IsMarkerRole(role);
    rows.Append(records, i);

    // An open row opened at an earlier record; i >= 1 also guards a pass restarted
    // without Reset.
    if (!bonusGame && i != openIndex && records.gamesSinceBonus[i] == 1 && rowOpen && i >= 1) {
        const int32_t endMode = records.mode[i - 1];
        step.closeBonusRow = true;
        step.close.endMode = endMode >= 0 && endMode <= 4 ? ModeLabel(endMode) : QString();
        // 64 bits: balances near the int32 limits must not wrap.
        const int64_t gained = int64_t(records.medals[i - 1]) - records.medals[openIndex] + 15;
        step.close.gainedMedals = IntToStr(gained);
        rowOpen = false;
        inChain = endMode != ModeNormal;
    }

    if (!bonusGame && (role == RoleBig || role == RoleReg)) {
        step.openBonusRow = true;
        step.open.caption = IntToStr(records.playNumber[i]);
        step.open.gamesSinceBonus = IntToStr(records.gamesSinceBonus[i]);
        step.open.role = RoleLabel(role);
        rowOpen = true;
        openIndex = i;
        if (role == RoleBig && !inChain)
            ++bigFirstHits;
        inChain = true; // until this bonus ends
    } else if (!bonusGame && mode == ModeNormal) {
        inChain = false; // back in 通常: the next bonus begins a new chain
    }

    if (i >= 1 && mode != records.mode[i - 1] && records.mode[i - 1] != ModePreOmen) {
        step.addModeChange = true;
        ModeChangeRow& row = step.modeChange;
        row.caption = IntToStr(records.playNumber[i]);
        row.gamesSinceBonus = IntToStr(records.gamesSinceBonus[i]);
        if (bonusGame)
            row.role = QStringLiteral("ボーナス終了");
        else if (mode == ModeNormal)
            row.role = QStringLiteral("転落抽選");
        else if (records.ceilingHit[i] == 1)
            row.role = QStringLiteral("天井");
        else
            row.role = RoleLabel(role);
        row.newMode = ModeLabel(mode);
    }
}

int ResultTally::ProgressPosition(size_t i) const
{
    const int32_t p = PlayCount();
    if (p == 0)
        return 100;
    const double position = (static_cast<double>(i) + 1.0) / p * 100.0;
    // Clamp before converting: a huge quotient must not overflow the int.
    return static_cast<int>(std::clamp(position, -2147483648.0, 2147483647.0));
}

int32_t ResultTally::RoleCount(int32_t roleCode) const
{
    return roleCode >= 0 && roleCode <= 9 ? roleCounts[roleCode] : 0;
}

int32_t ResultTally::ModeCount(int32_t mode) const
{
    return mode >= 0 && mode <= 4 ? modeCounts[mode] : 0;
}

int32_t ResultTally::ReleaseCount(ReleaseGroup group, int32_t releaseResult) const
{
    if (group < CherryGroup || group > ChanceGroup || releaseResult < 1 || releaseResult > 4)
        return 0;
    return releaseCounts[group][releaseResult - 1];
}

int32_t ResultTally::BonusGameRoleCount(int32_t roleCode) const
{
    return roleCode >= 0 && roleCode <= 17 ? bonusRoleCounts[roleCode] : 0;
}

int32_t ResultTally::AnyGameRoleCount(int32_t roleCode) const
{
    return roleCode >= 0 && roleCode <= 17 ? anyGameRoleCounts[roleCode] : 0;
}
