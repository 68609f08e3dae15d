#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class Slot;

// The eleven per-game columns of one run. All columns always have the same length;
// row k of every column describes the k-th game, normal or bonus.
struct PlayRecords {
    static constexpr int ColumnCount = 11;
    using Column = std::vector<int32_t>;

    Column gamesSinceBonus; // 0
    Column medals;          // 1
    Column playNumber;      // 2
    Column mode;            // 3
    Column bonusKind;       // 4
    Column reservedA;       // 5: always 0
    Column roleCode;        // 6
    Column releaseResult;   // 7
    Column reservedB;       // 8: always 0
    Column bonusGameCount;  // 9: 0 for a normal game
    Column ceilingHit;      // 10

    // Column by its number 0-10, in file order.
    Column& column(int index);
    const Column& column(int index) const;

    size_t size() const { return gamesSinceBonus.size(); }
    bool empty() const { return gamesSinceBonus.empty(); }
    // Empties every column, column 0 first.
    void clear();
    void reserve(size_t rows);
    // Appends the slot's results of its last game, columns 0 to 10 in order.
    void Append(const Slot& slot);
    // Appends one row given as eleven values in column order.
    void AppendRow(const int32_t (&values)[ColumnCount]);
};

// The rows for which a run of playCount normal games takes room at its start.
size_t PlayRunRoom(int32_t playCount);

// One run of the machine: resets it and plays until it has played playCount normal games,
// appending one row after every game, bonus games included. The records are emptied first.
// The generator is not reseeded; a count of 0 or less plays nothing.
void PlayRun(Slot& slot, PlayRecords& records, int32_t playCount);
// The same, calling `pause` after every PauseStride games and at the end, so that the caller
// can keep a window alive during a long run. It must leave the slot and the records alone.
constexpr int32_t PauseStride = 8192;
void PlayRun(Slot& slot, PlayRecords& records, int32_t playCount, const std::function<void()>& pause);
