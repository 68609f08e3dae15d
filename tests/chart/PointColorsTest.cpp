// The colours of a series' points: one colour held once while all agree, one entry per point
// after that. Every step is checked against a plain list of entries.
#include <gtest/gtest.h>

#include <vector>

#include "chart/core/PointColors.h"

namespace {

std::vector<TColor> Entries(const TPointColors& colours)
{
    std::vector<TColor> entries;
    for (int i = 0; i < colours.Count(); ++i)
        entries.push_back(colours[i]);
    return entries;
}

} // namespace

TEST(PointColors, EveryEditAgreesWithAPlainList)
{
    enum Op { Insert, Set, Erase, Resize, Swap };
    struct Step {
        Op op;
        int a;
        int b;
        TColor colour;
    };
    const Step steps[] = {
        {Insert, 0, 0, clRed},     {Insert, 1, 0, clRed},    {Insert, 0, 0, clRed},
        {Set, 1, 0, clRed},        {Swap, 0, 2, clNone},     {Erase, 1, 1, clNone},
        {Resize, 5, 0, clRed},     {Resize, 3, 0, clBlue},   {Erase, 0, 3, clNone},
        {Resize, 2, 0, clBlue},    {Insert, 2, 0, clBlue},   {Insert, 1, 0, clDefault},
        {Set, 0, 0, clNone},       {Swap, 0, 3, clNone},     {Resize, 6, 0, clLime},
        {Erase, 4, 10, clNone},    {Insert, 4, 0, clRed},    {Erase, 0, 5, clNone},
        {Insert, 0, 0, clYellow},  {Resize, 3, 0, clYellow}, {Set, 2, 0, clRed},
    };
    TPointColors colours;
    std::vector<TColor> expected;
    int stepNumber = 0;
    for (const Step& s : steps) {
        switch (s.op) {
        case Insert:
            colours.Insert(s.a, s.colour);
            expected.insert(expected.begin() + s.a, s.colour);
            break;
        case Set:
            colours.Set(s.a, s.colour);
            expected[static_cast<size_t>(s.a)] = s.colour;
            break;
        case Erase: {
            colours.Erase(s.a, s.b);
            const int end = std::min<int>(s.a + s.b, static_cast<int>(expected.size()));
            expected.erase(expected.begin() + s.a, expected.begin() + end);
            break;
        }
        case Resize:
            colours.Resize(s.a, s.colour);
            expected.resize(static_cast<size_t>(s.a), s.colour);
            break;
        case Swap:
            colours.Swap(s.a, s.b);
            std::swap(expected[static_cast<size_t>(s.a)], expected[static_cast<size_t>(s.b)]);
            break;
        }
        EXPECT_EQ(Entries(colours), expected) << "step " << stepNumber;
        ++stepNumber;
    }
}

TEST(PointColors, StartsWithCountEntriesOfOneColour)
{
    TPointColors colours(3, clDefault);
    colours.Insert(3, clRed);
    EXPECT_EQ(Entries(colours), (std::vector<TColor>{clDefault, clDefault, clDefault, clRed}));
    EXPECT_TRUE(TPointColors(0, clRed).Empty());
}
