#include "platform/Prefault.h"

#include <cstdint>
#include <exception>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

constexpr size_t LargeBlock = size_t(4) << 20;

} // namespace

void TPrefault::Add(const void* block, size_t bytes)
{
    if (block && bytes >= LargeBlock)
        FBlocks.emplace_back(block, bytes);
}

void TPrefault::Start()
{
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    if (FBlocks.empty())
        return;
    // A thread started before is waited for, and the new blocks are started on now: left
    // for a later start, they could be freed by their owner before they were touched.
    Wait();
    std::vector<std::pair<const void*, size_t>> blocks;
    blocks.swap(FBlocks);
    try {
        FThread = std::thread([blocks = std::move(blocks)] {
            const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
            for (const auto& [block, bytes] : blocks) {
                // Whole pages inside the block only: a page shared with another block is left alone.
                const uintptr_t start = (reinterpret_cast<uintptr_t>(block) + page - 1) / page * page;
                const uintptr_t end = (reinterpret_cast<uintptr_t>(block) + bytes) / page * page;
                if (end > start)
                    madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
            }
        });
    } catch (const std::exception&) {
        // No thread to be had (the system's refusal, or no memory for one): this is only a
        // speed-up, and the caller's own writes fault the pages in as they always would.
    }
#else
    FBlocks.clear();
#endif
}

void TPrefault::Wait()
{
    if (FThread.joinable())
        FThread.join();
}
