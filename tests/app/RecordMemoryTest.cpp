// The room of a list past its values, made resident ahead of rows that never came, is given
// back to the system; the values and the room stay.
#include <gtest/gtest.h>

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

#include "app/RecordMemory.h"
#include "platform/Prefault.h"

namespace {

// Resident pages of [from, to).
size_t ResidentPages(const void* from, const void* to)
{
    const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const uintptr_t start = reinterpret_cast<uintptr_t>(from) / page * page;
    const uintptr_t end = reinterpret_cast<uintptr_t>(to);
    std::vector<unsigned char> in((end - start + page - 1) / page);
    if (mincore(reinterpret_cast<void*>(start), end - start, in.data()) != 0)
        return 0;
    size_t n = 0;
    for (unsigned char c : in)
        n += c & 1;
    return n;
}

} // namespace

TEST(RecordMemory, RoomPastTheValuesIsGivenBackAndStaysUsable)
{
    std::vector<int32_t> list;
    list.reserve(size_t(8) << 20);
    TPrefault prefault;
    prefault.Add(list.data(), sizeof(int32_t) * list.capacity());
    prefault.Start();
    for (int32_t i = 0; i < (1 << 20); ++i)
        list.push_back(i * 7);
    prefault.Wait();
    const int32_t* roomStart = list.data() + list.size() + 1024; // a few pages past the values
    const int32_t* roomEnd = list.data() + list.capacity();
    if (ResidentPages(roomStart, roomEnd) == 0)
        GTEST_SKIP() << "this system does not make pages resident ahead";

    ReleaseRoomBeyondSize(list);
    EXPECT_EQ(ResidentPages(roomStart, roomEnd), 0u);
    EXPECT_EQ(list.capacity(), size_t(8) << 20);
    ASSERT_EQ(list.size(), size_t(1) << 20);
    size_t wrong = 0;
    for (int32_t i = 0; i < (1 << 20); ++i)
        wrong += list[static_cast<size_t>(i)] != i * 7;
    EXPECT_EQ(wrong, 0u);
    // Rows added later land in the room as usual.
    for (int32_t i = 0; i < 4096; ++i)
        list.push_back(-i);
    EXPECT_EQ(list[(size_t(1) << 20) + 4095], -4095);
    EXPECT_EQ(list.capacity(), size_t(8) << 20);
}
