// Making pages resident on another thread leaves every value as the filling thread wrote it,
// whether it wrote before, during or after.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "platform/Prefault.h"

TEST(Prefault, ValuesWrittenBeforeDuringAndAfterStayAsWritten)
{
    constexpr size_t count = size_t(24) << 20 >> 2; // 24 MB of 32-bit values
    std::vector<uint32_t> written;
    written.reserve(count);
    for (size_t i = 0; i < count / 3; ++i)
        written.push_back(static_cast<uint32_t>(i * 2654435761u));
    std::vector<uint32_t> small(100, 7);
    TPrefault prefault;
    prefault.Add(written.data(), count * sizeof(uint32_t));
    prefault.Add(small.data(), small.size() * sizeof(uint32_t));
    prefault.Add(nullptr, count);
    prefault.Start();
    for (size_t i = count / 3; i < 2 * count / 3; ++i)
        written.push_back(static_cast<uint32_t>(i * 2654435761u));
    prefault.Wait();
    for (size_t i = 2 * count / 3; i < count; ++i)
        written.push_back(static_cast<uint32_t>(i * 2654435761u));
    ASSERT_EQ(written.size(), count);
    size_t wrong = 0;
    for (size_t i = 0; i < count; ++i)
        wrong += written[i] != static_cast<uint32_t>(i * 2654435761u);
    EXPECT_EQ(wrong, 0u);
    EXPECT_EQ(small, std::vector<uint32_t>(100, 7));
    // Waiting again, or starting with nothing added, does nothing.
    prefault.Wait();
    prefault.Start();
    prefault.Wait();
}

namespace {

// A fresh mapping of its own, so that none of its pages is resident before it is touched.
class FreshBlock {
public:
    explicit FreshBlock(size_t bytes) : bytes_(bytes)
    {
        void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        data_ = p == MAP_FAILED ? nullptr : p;
    }
    ~FreshBlock()
    {
        if (data_)
            munmap(data_, bytes_);
    }
    FreshBlock(const FreshBlock&) = delete;
    FreshBlock& operator=(const FreshBlock&) = delete;
    void* Data() const { return data_; }
    size_t Bytes() const { return bytes_; }
    // Pages of the block in memory.
    size_t Resident() const
    {
        const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        std::vector<unsigned char> in((bytes_ + page - 1) / page);
        if (mincore(data_, bytes_, in.data()) != 0)
            return 0;
        size_t n = 0;
        for (unsigned char c : in)
            n += c & 1;
        return n;
    }
    size_t Pages() const { return bytes_ / static_cast<size_t>(sysconf(_SC_PAGESIZE)); }

private:
    size_t bytes_;
    void* data_ = nullptr;
};

// No room for a new thread: new threads ask for a stack larger than any kept from earlier
// ones, and the address space is held to what the process maps now plus a little. Both are
// given back at the end.
class NoRoomForAThread {
public:
    NoRoomForAThread()
    {
        pthread_getattr_default_np(&savedAttr_);
        pthread_attr_t large;
        pthread_attr_init(&large);
        pthread_attr_setstacksize(&large, size_t(256) << 20);
        const bool attrSet = pthread_setattr_default_np(&large) == 0;
        pthread_attr_destroy(&large);
        getrlimit(RLIMIT_AS, &saved_);
        unsigned long long pages = 0;
        if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%llu", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        rlimit lowered = saved_;
        lowered.rlim_cur = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (rlim_t(16) << 20);
        set_ = attrSet && pages > 0 && setrlimit(RLIMIT_AS, &lowered) == 0;
    }
    ~NoRoomForAThread()
    {
        setrlimit(RLIMIT_AS, &saved_);
        pthread_setattr_default_np(&savedAttr_);
        pthread_attr_destroy(&savedAttr_);
    }
    bool Set() const { return set_; }

private:
    pthread_attr_t savedAttr_{};
    rlimit saved_{};
    bool set_ = false;
};

} // namespace

TEST(Prefault, StartingAgainWhileTheThreadRunsTouchesTheNewBlocksBeforeWaitReturns)
{
    FreshBlock first(size_t(8) << 20), second(size_t(8) << 20);
    ASSERT_TRUE(first.Data() && second.Data());
    ASSERT_EQ(second.Resident(), 0u);
    TPrefault prefault;
    prefault.Add(first.Data(), first.Bytes());
    prefault.Start();
    prefault.Add(second.Data(), second.Bytes());
    prefault.Start(); // the first thread has not been waited for
    prefault.Wait();
    if (first.Resident() != first.Pages())
        GTEST_SKIP() << "this system does not make pages resident ahead";
    // Every page of the second block is in memory once Wait returns: nothing of it is left
    // for a later start, after its owner may have freed it.
    EXPECT_EQ(second.Resident(), second.Pages());
}

TEST(Prefault, AThreadThatCannotStartLeavesTheCallerToFaultItsOwnPages)
{
    std::vector<uint32_t> values(size_t(8) << 20 >> 2, 5);
    TPrefault prefault;
    prefault.Add(values.data(), values.size() * sizeof(uint32_t));
    {
        NoRoomForAThread limit;
        ASSERT_TRUE(limit.Set());
        EXPECT_NO_THROW(prefault.Start());
    }
    prefault.Wait();
    EXPECT_EQ(values, std::vector<uint32_t>(size_t(8) << 20 >> 2, 5));
    // Later starts work as before.
    prefault.Add(values.data(), values.size() * sizeof(uint32_t));
    prefault.Start();
    prefault.Wait();
}

TEST(Prefault, BlocksAreTakenInSlicesSideBySideWholePagesOnly)
{
    const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    constexpr uintptr_t MB = uintptr_t(1) << 20;
    // Addresses only: working out the slices touches nothing.
    const uintptr_t base = uintptr_t(1) << 30;
    auto at = [](uintptr_t address) { return reinterpret_cast<const void*>(address); };
    TPrefault prefault;
    // A block that starts 10 bytes into its second page and ends 10 bytes into a page.
    prefault.Add(at(base + page + 10), 5 * MB);
    prefault.Add(at(base + 64 * MB), 3 * MB); // too small to be worth a thread
    prefault.Add(at(base + 8 * MB), 4 * MB);
    using Slice = std::pair<const void*, size_t>;
    const std::vector<Slice> expected = {
        {at(base + 2 * page), 2 * MB - 2 * page},
        {at(base + 8 * MB), 2 * MB},
        {at(base + 2 * MB), 2 * MB},
        {at(base + 10 * MB), 2 * MB},
        {at(base + 4 * MB), MB + page},
    };
    EXPECT_EQ(prefault.Slices(), expected);
}

TEST(Prefault, StoppingLeavesTheSlicesNotYetBegunAndLaterStartsGoOn)
{
    // A gigabyte takes the threads far longer than stopping them right away.
    FreshBlock large(size_t(1) << 30), next(size_t(8) << 20);
    ASSERT_TRUE(large.Data() && next.Data());
    TPrefault prefault;
    prefault.Add(large.Data(), large.Bytes());
    prefault.Start();
    prefault.Stop();
    EXPECT_LT(large.Resident(), large.Pages() / 2);
    // The stop belongs to that start only.
    prefault.Add(next.Data(), next.Bytes());
    prefault.Start();
    prefault.Wait();
    if (next.Resident() != next.Pages())
        GTEST_SKIP() << "this system does not make pages resident ahead";
    EXPECT_EQ(next.Resident(), next.Pages());
}
