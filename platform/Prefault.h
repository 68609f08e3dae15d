#pragma once

// Makes the pages of large blocks resident on a thread of its own while the caller goes on
// filling them: the system clears a fresh page the first time it is written, and for blocks
// of hundreds of megabytes that clearing is a good part of the filling. The contents are not
// touched, so it does not matter which of the two reaches a page first. The blocks must stay
// allocated until Wait (or the destructor) returns. Where the system cannot do this, nothing
// happens.

#include <cstddef>
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
    // Starts on the blocks added so far, once a thread started before has finished. When no
    // thread can be started, the blocks are left to the ordinary faults.
    void Start();
    // Returns once the thread is done.
    void Wait();

private:
    std::vector<std::pair<const void*, size_t>> FBlocks;
    std::thread FThread;
};
