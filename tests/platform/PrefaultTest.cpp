// Making pages resident on another thread leaves every value as the filling thread wrote it,
// whether it wrote before, during or after.
#include <gtest/gtest.h>

#include <cstdint>
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
