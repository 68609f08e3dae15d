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

size_t PlayRunRoom(int32_t playCount)
{
    if (playCount <= 0)
        return 0;
    // Bonus games add up to about a fifth more rows at setting 6. Room beyond what the run
    // fills is never touched and so costs no memory, while running out would copy every
    // column into twice the room.
    return static_cast<size_t>(playCount) + static_cast<size_t>(playCount) / 4 + 64;
}

void PlayRun(Slot& slot, PlayRecords& records, int32_t playCount)
{
    PlayRun(slot, records, playCount, {});
}

void PlayRun(Slot& slot, PlayRecords& records, int32_t playCount, const std::function<void()>& pause)
{
    records.clear();
    slot.Reset();
    if (playCount <= 0)
        return;
    records.reserve(PlayRunRoom(playCount));
    while (slot.playNumber < playCount) {
        for (int32_t game = 0; game < PauseStride && slot.playNumber < playCount; ++game) {
            slot.Play();
            records.Append(slot);
        }
        if (pause)
            pause();
    }
}
