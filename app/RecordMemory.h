#pragma once

#include <algorithm>
#include <cstddef>
#include <type_traits>
#include <vector>

#include "model/PlayRecords.h"
#include "platform/Prefault.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

// Memory of the records and row lists after a run much smaller than the one before: a list
// keeps the room of its largest run, so a 100-play run after a 10-million-play run would
// hold on to hundreds of megabytes. A list with more than four times the room it needs
// (and more than a few thousand rows of room) gives the rest back.
constexpr size_t SpareCapacityFactor = 4;
constexpr size_t SmallListRows = 4096;

// Whether room for `room` rows is far beyond `needed`.
inline bool IsSpareRoom(size_t room, size_t needed)
{
    return room > SpareCapacityFactor * std::max(needed, SmallListRows);
}

template <class T>
bool HasSpareCapacity(const std::vector<T>& list, size_t needed)
{
    return IsSpareRoom(list.capacity(), needed);
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

// Gives back the memory of whole pages in the room past a list's values, which a run may have
// made resident ahead of rows that it did not fill. The room stays the list's: a later write
// there finds fresh zeroed pages.
template <class T>
void ReleaseRoomBeyondSize(std::vector<T>& list)
{
    static_assert(std::is_trivially_copyable_v<T>, "room past the values holds no objects");
    ReleaseResidentPages(list.data() + list.size(), sizeof(T) * (list.capacity() - list.size()));
}

inline void ReleaseRoomBeyondRows(PlayRecords& records)
{
    for (int c = 0; c < PlayRecords::ColumnCount; ++c)
        ReleaseRoomBeyondSize(records.column(c));
}

// Hands memory freed by a large run back to the system. The allocator keeps freed blocks for
// reuse, and millions of small ones (rows of the lists) would otherwise stay with the process.
inline void ReturnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
