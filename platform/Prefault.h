#pragma once

// Makes the pages of large blocks resident on threads of their own while the caller goes on
// filling them: the system clears a fresh page the first time it is written, and for blocks
// of hundreds of megabytes that clearing is a good part of the filling. The contents are not
// touched, so it does not matter which thread reaches a page first. The blocks must stay
// allocated until Wait (or the destructor) returns. Where the system cannot do this, nothing
// happens.
//
// Blocks are taken in slices of a few megabytes, the first slice of every block before the
// second of any: blocks filled side by side (the columns of a table, row after row) are then
// made resident just ahead of the filling, wherever it stands. A few threads share the
// slices, since making pages resident is mostly waiting on the system and runs side by side.

#include <cstddef>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

class TPrefault {
public:
    TPrefault() = default;
    ~TPrefault() { Wait(); }
    TPrefault(const TPrefault&) = delete;
    TPrefault& operator=(const TPrefault&) = delete;

    // Adds a block; blocks smaller than a few megabytes are left to the ordinary faults.
    void Add(const void* block, size_t bytes);
    // Starts on the blocks added so far, once threads started before have finished. Where no
    // thread can be started, the blocks are left to the ordinary faults.
    void Start();
    // Returns once the threads are done.
    void Wait();
    // The caller has filled what it meant to: slices not yet begun are left alone, and this
    // returns once the slices begun are done.
    void Stop();

    // The slices of the blocks added so far, in the order in which the threads take them:
    // whole pages only, each slice inside one block.
    std::vector<std::pair<const void*, size_t>> Slices() const;

    // The most threads that one start uses.
    static constexpr unsigned MaxThreads = 6;
    // The length of a slice (the last one of a block may be shorter).
    static constexpr size_t SliceBytes = size_t(2) << 20;

private:
    struct TSliceQueue;

    std::vector<std::pair<const void*, size_t>> FBlocks;
    std::vector<std::thread> FThreads;
    // What the threads of the last start share.
    std::shared_ptr<TSliceQueue> FQueue;
};

// Gives back the memory of the whole pages inside a block, which stays the caller's: a later
// write there finds fresh zeroed pages. Where the system cannot do this, nothing happens.
void ReleaseResidentPages(const void* block, size_t bytes);
