#include "platform/Prefault.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

constexpr size_t LargeBlock = size_t(4) << 20;

using Slices = std::vector<std::pair<const void*, size_t>>;

// The whole pages inside a block, [first, end): a page shared with another block is left alone.
std::pair<uintptr_t, uintptr_t> WholePages(const void* block, size_t bytes)
{
#if defined(__linux__)
    const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
#else
    const uintptr_t page = 4096;
#endif
    const uintptr_t start = (reinterpret_cast<uintptr_t>(block) + page - 1) / page * page;
    const uintptr_t end = (reinterpret_cast<uintptr_t>(block) + bytes) / page * page;
    return {start, std::max(start, end)};
}

} // namespace

// What the threads of one start share: the slices, the next one to take, and whether the
// caller has stopped them.
struct TPrefault::TSliceQueue {
    ::Slices slices;
    std::atomic<size_t> next{0};
    std::atomic<bool> stopped{false};
};

void TPrefault::Add(const void* block, size_t bytes)
{
    if (block && bytes >= LargeBlock)
        FBlocks.emplace_back(block, bytes);
}

std::vector<std::pair<const void*, size_t>> TPrefault::Slices() const
{
    // Each block cut at the multiples of the slice length, whole pages inside the block only.
    std::vector<::Slices> cuts;
    for (const auto& [block, bytes] : FBlocks) {
        const auto [start, end] = WholePages(block, bytes);
        ::Slices cut;
        for (uintptr_t from = start; from < end;) {
            const uintptr_t to = std::min(end, (from / SliceBytes + 1) * SliceBytes);
            cut.emplace_back(reinterpret_cast<const void*>(from), to - from);
            from = to;
        }
        cuts.push_back(std::move(cut));
    }
    // The first slice of every block, then the second of every block, and so on.
    ::Slices ordered;
    for (size_t k = 0;; ++k) {
        bool any = false;
        for (const ::Slices& cut : cuts)
            if (k < cut.size()) {
                ordered.push_back(cut[k]);
                any = true;
            }
        if (!any)
            break;
    }
    return ordered;
}

void TPrefault::Start()
{
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    if (FBlocks.empty())
        return;
    // Threads started before are waited for, and the new blocks are started on now: left for
    // a later start, they could be freed by their owner before they were touched.
    Wait();
    auto queue = std::make_shared<TSliceQueue>();
    queue->slices = Slices();
    FBlocks.clear();
    FQueue = queue;
    const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
    // The caller fills on one processor; the others, up to a few, make its pages resident.
    const unsigned threads = std::clamp(processors - 1, 1u, MaxThreads);
    for (unsigned t = 0; t < threads; ++t) {
        try {
            FThreads.emplace_back([queue] {
                for (size_t i = queue->next++; i < queue->slices.size() && !queue->stopped; i = queue->next++) {
                    const auto& [from, bytes] = queue->slices[i];
                    madvise(const_cast<void*>(from), bytes, MADV_POPULATE_WRITE);
                }
            });
        } catch (const std::exception&) {
            // No thread to be had (the system's refusal, or no memory for one): this is only a
            // speed-up, and the threads already started, or else the caller's own writes, fault
            // the pages in as they always would.
            break;
        }
    }
#else
    FBlocks.clear();
#endif
}

void TPrefault::Wait()
{
    for (std::thread& thread : FThreads)
        thread.join();
    FThreads.clear();
    FQueue.reset();
}

void TPrefault::Stop()
{
    if (FQueue)
        FQueue->stopped = true;
    Wait();
}

void ReleaseResidentPages(const void* block, size_t bytes)
{
#if defined(__linux__)
    const auto [start, end] = WholePages(block, bytes);
    if (end > start)
        madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
#else
    (void)block;
    (void)bytes;
#endif
}
