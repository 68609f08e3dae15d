#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "chart/core/TeeSort.h"

namespace {

// Sorts values through TeeSort and records every callback: "C(a,b)" and "S(a,b)".
struct RecordingSort {
    std::vector<int> values;
    std::vector<std::string> calls;

    void Run(int first, int last)
    {
        TeeSort(
            first, last,
            [this](int a, int b) {
                calls.push_back("C(" + std::to_string(a) + "," + std::to_string(b) + ")");
                return values[a] < values[b] ? -1 : (values[a] > values[b] ? 1 : 0);
            },
            [this](int a, int b) {
                calls.push_back("S(" + std::to_string(a) + "," + std::to_string(b) + ")");
                std::swap(values[a], values[b]);
            });
    }
};

TEST(TeeSort, ExactCallSequenceFollowsThePivotIndex)
{
    RecordingSort s{{3, 1, 2}, {}};
    s.Run(0, 2);
    EXPECT_EQ(s.values, (std::vector<int>{1, 2, 3}));
    // After the first swap the pivot item (1) moved from index 1 to 0, and the comparisons follow it.
    EXPECT_EQ(s.calls, (std::vector<std::string>{"C(0,1)", "C(1,2)", "C(1,1)", "S(0,1)", "C(1,1)", "C(1,2)", "S(1,2)"}));
}

TEST(TeeSort, ExactCallSequenceWithTies)
{
    RecordingSort s{{2, 2, 1}, {}};
    s.Run(0, 2);
    EXPECT_EQ(s.values, (std::vector<int>{1, 2, 2}));
    EXPECT_EQ(s.calls, (std::vector<std::string>{"C(0,1)", "C(1,2)", "S(0,2)", "C(0,0)", "C(0,1)", "C(0,0)", "C(1,1)",
                                                 "C(1,2)", "S(1,2)"}));
}

TEST(TeeSort, SortsRangesWithManyTiesAndTouchesNothingOutside)
{
    std::mt19937 gen(12345);
    for (int round = 0; round < 200; ++round) {
        const int n = 1 + static_cast<int>(gen() % 60);
        RecordingSort s;
        for (int i = 0; i < n + 4; ++i)
            s.values.push_back(static_cast<int>(gen() % 5)); // few distinct values: many ties
        std::vector<int> expected = s.values;
        std::sort(expected.begin() + 2, expected.begin() + 2 + n);
        s.Run(2, 2 + n - 1);
        ASSERT_EQ(s.values, expected) << "round " << round;
        for (const std::string& call : s.calls) {
            const int a = std::stoi(call.substr(2));
            ASSERT_GE(a, 2);
            ASSERT_LE(a, 2 + n - 1);
        }
    }
}

TEST(TeeSort, EmptyAndSingleRangesCallNothing)
{
    RecordingSort s{{5, 4}, {}};
    s.Run(1, 1);
    s.Run(1, 0);
    EXPECT_TRUE(s.calls.empty());
}

} // namespace
