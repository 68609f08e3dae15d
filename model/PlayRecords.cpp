#include "model/PlayRecords.h"

#include "model/Slot.h"

namespace {

// Member pointers in column order, so that column(i) needs no switch.
constexpr PlayRecords::Column PlayRecords::*columnMembers[PlayRecords::ColumnCount] = {
    &PlayRecords::gamesSinceBonus, &PlayRecords::medals,        &PlayRecords::playNumber,
    &PlayRecords::mode,            &PlayRecords::bonusKind,     &PlayRecords::reservedA,
    &PlayRecords::roleCode,        &PlayRecords::releaseResult, &PlayRecords::reservedB,
    &PlayRecords::bonusGameCount,  &PlayRecords::ceilingHit,
};

} // namespace

PlayRecords::Column& PlayRecords::column(int index)
{
    return this->*columnMembers[index];
}

const PlayRecords::Column& PlayRecords::column(int index) const
{
    return this->*columnMembers[index];
}

void PlayRecords::clear()
{
    for (auto member : columnMembers)
        (this->*member).clear();
}

void PlayRecords::reserve(size_t rows)
{
    for (auto member : columnMembers)
        (this->*member).reserve(rows);
}

void PlayRecords::Append(const Slot& slot)
{
    gamesSinceBonus.push_back(slot.gamesSinceBonus);
    medals.push_back(slot.medals);
    playNumber.push_back(slot.playNumber);
    mode.push_back(slot.mode);
    bonusKind.push_back(slot.bonusKind);
    reservedA.push_back(slot.reservedA);
    roleCode.push_back(slot.roleCode);
    releaseResult.push_back(slot.releaseResult);
    reservedB.push_back(slot.reservedB);
    bonusGameCount.push_back(slot.bonusGameCount);
    ceilingHit.push_back(slot.ceilingHit);
}

void PlayRecords::AppendRow(const int32_t (&values)[ColumnCount])
{
    for (int i = 0; i < ColumnCount; ++i)
        (this->*columnMembers[i]).push_back(values[i]);
}

void PlayRun(Slot& slot, PlayRecords& records, int32_t playCount)
{
    records.clear();
    slot.Reset();
    if (playCount <= 0)
        return;
    // About one game in eight is a bonus game; reserving that much saves the regrowth copies.
    records.reserve(static_cast<size_t>(playCount) + static_cast<size_t>(playCount) / 6 + 64);
    while (slot.playNumber < playCount) {
        slot.Play();
        records.Append(slot);
    }
}
