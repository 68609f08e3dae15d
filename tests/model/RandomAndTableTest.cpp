// The generator's arithmetic, the weighted table lookup and the draw widths.
#include <gtest/gtest.h>

#include <thread>

#include "model/Slot.h"

namespace {

// An independent copy of the generator arithmetic, to check the one in the model.
struct ReferenceGenerator {
    uint64_t s;
    explicit ReferenceGenerator(uint32_t seed) : s(static_cast<uint32_t>(seed * 22695477U + 1U)) {}
    int32_t next()
    {
        s = s * 1486058704437ULL + 1ULL;
        return static_cast<int32_t>((s >> 32) & 0x7FFFFFFF);
    }
};

Rate_TBL Table(std::initializer_list<uint32_t> weights)
{
    Rate_TBL t;
    for (uint32_t w : weights)
        t.Add(w);
    return t;
}

} // namespace

TEST(Random31, SeedZeroGives346First)
{
    Random31::Seed(0);
    EXPECT_EQ(Random31::Next(), 346);
    EXPECT_EQ(Random31::Next(), 13854878);
    EXPECT_EQ(Random31::Next(), 1621890440);
}

TEST(Random31, MatchesReferenceArithmeticOverManySeeds)
{
    for (uint32_t seed : {0U, 1U, 12345U, 0x7FFFFFFFU, 0xFFFFFFFFU, 1733683200U}) {
        Random31::Seed(seed);
        ReferenceGenerator ref(seed);
        for (int i = 0; i < 1000; ++i)
            ASSERT_EQ(Random31::Next(), ref.next()) << "seed " << seed << " step " << i;
    }
}

TEST(Random31, StateIsPerThread)
{
    Random31::Seed(0);
    int32_t other = 0;
    std::thread t([&] {
        Random31::Seed(99);
        Random31::Next();
        other = Random31::Next();
    });
    t.join();
    EXPECT_EQ(Random31::Next(), 346); // this thread's sequence is untouched
    ReferenceGenerator ref(99);
    ref.next();
    EXPECT_EQ(other, ref.next());
}

TEST(RateTable, IntervalBoundaries)
{
    const Rate_TBL t = Table({10, 0, 5});
    EXPECT_EQ(t.Draw(0), 0);
    EXPECT_EQ(t.Draw(9), 0);
    EXPECT_EQ(t.Draw(10), 2); // end of entry 0 selects the next entry with weight, not the empty one
    EXPECT_EQ(t.Draw(14), 2);
    EXPECT_EQ(t.Draw(15), 3); // the total returns the entry count
    EXPECT_EQ(t.Draw(0xFFFFFFFFU), 3);
    EXPECT_EQ(Rate_TBL().Draw(0), 0);
}

TEST(RateTable, MachineTablesAtTheirEdges)
{
    Slot slot;
    // Jac_TBL totals 4294967295: only the very last value misses.
    EXPECT_EQ(slot.Jac_TBL.Draw(4294705151U), 0);
    EXPECT_EQ(slot.Jac_TBL.Draw(4294705152U), 1);
    EXPECT_EQ(slot.Jac_TBL.Draw(4294967294U), 1);
    EXPECT_EQ(slot.Jac_TBL.Draw(4294967295U), 2);
    // A zero-weight table never hits.
    for (uint32_t v : {0U, 1U, 0xFFFFFFFFU})
        EXPECT_EQ(slot.CamelBonus_TBL[4].Draw(v), 1);
    // Cherry release of mode 0 by 16-bit value.
    const Rate_TBL& c = slot.CherryRelease_TBL[0];
    EXPECT_EQ(c.Draw(47412), 0);
    EXPECT_EQ(c.Draw(47413), 1);
    EXPECT_EQ(c.Draw(49214), 1);
    EXPECT_EQ(c.Draw(49215), 2);
    EXPECT_EQ(c.Draw(54613), 2);
    EXPECT_EQ(c.Draw(54614), 3);
    EXPECT_EQ(c.Draw(65535), 3);
    // BIG roles: the last 1829864 values give no role.
    EXPECT_EQ(slot.BigRole_TBL.Draw(4293137431U), 7);
    EXPECT_EQ(slot.BigRole_TBL.Draw(4293137432U), 8);
}

TEST(RateTable, TableTotals)
{
    Slot slot;
    auto total = [](const Rate_TBL& t) {
        uint64_t sum = 0;
        for (int32_t i = 0; i < t.Count(); ++i)
            sum += t.Weight(i);
        return sum;
    };
    const uint64_t roleTotals[5] = {1117387542, 1239410548, 1239410548, 1626827346, 1350662285};
    for (int m = 0; m < 5; ++m) {
        EXPECT_EQ(slot.Role_TBL[m].Count(), 7);
        EXPECT_EQ(total(slot.Role_TBL[m]), roleTotals[m]) << "mode " << m;
        EXPECT_EQ(total(slot.ChanceRelease_TBL[m]), 131072U);
        EXPECT_EQ(slot.CamelBonus_TBL[m].Count(), 1);
    }
    for (const Rate_TBL& t : slot.CherryRelease_TBL)
        EXPECT_EQ(total(t), 65536U);
    for (const Rate_TBL& t : slot.ModeUp_TBL)
        EXPECT_EQ(total(t), 256U);
    for (const Rate_TBL& t : slot.BonusEndMode_TBL)
        EXPECT_EQ(total(t), 65536U);
    EXPECT_EQ(total(slot.BigRole_TBL), 4293137432ULL);
    EXPECT_EQ(total(slot.Jac_TBL), 4294967295ULL);
    EXPECT_EQ(slot.Fall_TBL[5].Weight(1), 910U);
    EXPECT_EQ(slot.Fall_TBL[0].Weight(1), 234U);
    EXPECT_EQ(slot.Fall_TBL[1].Weight(1), 277U);
}

TEST(Draws, WidthsTakeTheirGeneratorValuesInOrder)
{
    Slot slot;
    // 32-bit: high 31 bits from the first value, bit 0 from the second (13854878 is even).
    Random31::Seed(0);
    EXPECT_EQ(Slot::Value32(), 692U);
    // The 32-bit value wraps: 1621890440 * 2 = 3243780880 fits, 816282396 is even.
    EXPECT_EQ(Slot::Value32(), 3243780880U);

    Random31::Seed(0);
    EXPECT_EQ(Slot::Value16(), 346U);
    EXPECT_EQ(Slot::Value8(), 13854878U % 256U);
    EXPECT_EQ(Slot::Value17(), 1621890440U % 131072U);

    // Pre-omen length: forced takes no value; otherwise r mod 28 + 5.
    Random31::Seed(0);
    EXPECT_EQ(slot.DrawPreOmenLength(true), 4);
    EXPECT_EQ(slot.DrawPreOmenLength(false), 346 % 28 + 5);
}

TEST(Draws, ValueIsTakenEvenWhenNoTableApplies)
{
    Slot slot;
    auto advanced = [](auto&& draw, int calls) {
        Random31::Seed(7);
        draw();
        ReferenceGenerator ref(7);
        for (int i = 0; i < calls; ++i)
            ref.next();
        return Random31::Next() == ref.next();
    };
    EXPECT_TRUE(advanced([&] { EXPECT_EQ(slot.DrawCherryRelease(5), 0); }, 1));
    EXPECT_TRUE(advanced([&] { EXPECT_EQ(slot.DrawReplayStreakPreOmen(8), 0); }, 1));
    EXPECT_TRUE(advanced([&] { EXPECT_EQ(slot.DrawReplayStreakPreOmen(2), 0); }, 1));
    // Settings without tables keep the mode and still take their value.
    EXPECT_TRUE(advanced([&] { EXPECT_EQ(slot.DrawModeUp(0, 3), 3); }, 1));
    EXPECT_TRUE(advanced([&] { EXPECT_EQ(slot.DrawModeUp(7, 4), 4); }, 1));
    EXPECT_TRUE(advanced([&] { EXPECT_EQ(slot.DrawFall(-1, 2), 2); }, 1));
    EXPECT_TRUE(advanced([&] { EXPECT_EQ(slot.DrawFall(99, 1), 1); }, 1));
    EXPECT_TRUE(advanced([&] { slot.DrawCamelBonus(2); }, 2));
    EXPECT_TRUE(advanced([&] { slot.DrawRole(4); }, 2));
    EXPECT_TRUE(advanced([&] { slot.DrawChanceRelease(4); }, 1));
}

TEST(Draws, FixedThresholds)
{
    Slot slot;
    // Find generator values that land exactly on each threshold and check the answer.
    auto firstSeedGiving = [](auto pred) {
        for (uint32_t s = 0;; ++s) {
            Random31::Seed(s);
            if (pred(static_cast<uint32_t>(Random31::Next())))
                return s;
        }
    };
    struct Case {
        uint32_t mod;
        uint32_t value;
        int (*draw)(Slot&);
        int expected;
    };
    const Case cases[] = {
        {256, 154, [](Slot& s) { return s.DrawBonusKind(); }, 0},
        {256, 155, [](Slot& s) { return s.DrawBonusKind(); }, 1},
        {256, 150, [](Slot& s) { return s.DrawJacMoon(); }, 0},
        {256, 151, [](Slot& s) { return s.DrawJacMoon(); }, 1},
        {65536, 6579, [](Slot& s) { return s.DrawCamelPreOmen(); }, 1},
        {65536, 6580, [](Slot& s) { return s.DrawCamelPreOmen(); }, 0},
        {65536, 6526, [](Slot& s) { return s.DrawReplayStreakPreOmen(3); }, 1},
        {65536, 6527, [](Slot& s) { return s.DrawReplayStreakPreOmen(3); }, 0},
        {65536, 26082, [](Slot& s) { return s.DrawReplayStreakPreOmen(7); }, 1},
        {65536, 26083, [](Slot& s) { return s.DrawReplayStreakPreOmen(7); }, 0},
    };
    for (const Case& c : cases) {
        const uint32_t seed = firstSeedGiving([&](uint32_t r) { return r % c.mod == c.value; });
        Random31::Seed(seed);
        EXPECT_EQ(c.draw(slot), c.expected) << "value " << c.value;
    }
}

TEST(Draws, BonusEndModeOnlyChangesFromNormal)
{
    Slot slot;
    Random31::Seed(3);
    int changed[4][4] = {};
    for (int i = 0; i < 20000; ++i)
        for (int m = 0; m < 4; ++m)
            ++changed[m][slot.DrawBonusEndMode(m)];
    // From mode 0 the 16-bit values 48896-65279 give 高確S and 65280-65535 高確L; the expected
    // counts come from the reference arithmetic, one value per draw in turn.
    ReferenceGenerator ref(3);
    int expected[3] = {};
    for (int i = 0; i < 20000; ++i) {
        const uint32_t v = static_cast<uint32_t>(ref.next()) % 65536U;
        ++expected[v < 48896U ? 0 : (v < 65280U ? 1 : 2)];
        for (int m = 1; m < 4; ++m)
            ref.next();
    }
    ASSERT_GT(expected[2], 0);
    EXPECT_EQ(changed[0][0], expected[0]);
    EXPECT_EQ(changed[0][1], expected[1]);
    EXPECT_EQ(changed[0][2], expected[2]);
    EXPECT_EQ(changed[1][1], 20000);
    EXPECT_EQ(changed[2][2], 20000);
    EXPECT_EQ(changed[3][3], 20000);
}
