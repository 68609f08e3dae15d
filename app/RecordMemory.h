#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "model/PlayRecords.h"

// Memory of the records and row lists after a run much smaller than the one before: a list
// keeps the room of its largest run, so a 100-play run after a 10-million-play run would
// hold on to hundreds of megabytes. A list with more than four times the room it needs
// (and more than a few thousand rows of room) gives the rest back.
constexpr size_t SpareCapacityFactor = 4;
constexpr size_t SmallListRows = 4096;

template <class T>
bool HasSpareCapacity(const std::vector<T>& list, size_t needed)
{
    return list.capacity() > SpareCapacityFactor * std::max(needed, SmallListRows);
}

template <class T>
void ReleaseSpareCapacity(std::vector<T>& list)
{
    if (HasSpareCapacity(list, list.size()))
        list.shrink_to_fit();
}

inline void ReleaseSpareCapacity(PlayRecords& records)
{
    for (int c = 0; c < PlayRecords::ColumnCount; ++c)
        ReleaseSpareCapacity(records.column(c));
}
