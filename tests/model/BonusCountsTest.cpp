// The counts that end the parts of a bonus, each at its exact game: the end of a BIG's first
// JAC, and a whole BIG and a whole REG from their first game, row by row.
#include <gtest/gtest.h>

#include "model/PlayRecords.h"
#include "model/Slot.h"

TEST(BonusCounts, FirstJacOfABigEndsAtItsEighthGameOnly)
{
    Slot slot;
    slot.bonusKind = BonusBig;
    slot.bonusGameCount = 1;
    slot.inJac = 1;
    slot.jacInCount = 1;
    slot.jacGameCount = 6;
    Random31::Seed(12);
    slot.Play(); // seventh JAC game: the JAC goes on
    EXPECT_EQ(slot.jacGameCount, 7);
    EXPECT_EQ(slot.inJac, 1);
    EXPECT_EQ(slot.bonusGameCount, 1);
    slot.Play(); // eighth: the JAC ends, the BIG does not
    EXPECT_EQ(slot.jacGameCount, 8);
    EXPECT_EQ(slot.inJac, 0);
    EXPECT_EQ(slot.bonusEnded, 0);
    EXPECT_EQ(slot.bonusGameCount, 1);
    slot.Play(); // back to general games, the counter resumes at 2
    EXPECT_EQ(slot.bonusGameCount, 2);
    EXPECT_EQ(slot.jacGameCount, 8);
}

TEST(BonusCounts, ThirdJacEndsTheBigAtTheTwentyFourthGameNotBefore)
{
    Slot slot;
    slot.bonusKind = BonusBig;
    slot.bonusGameCount = 1;
    slot.inJac = 1;
    slot.jacInCount = 3;
    slot.jacGameCount = 22;
    Random31::Seed(13);
    slot.Play(); // 23rd
    EXPECT_EQ(slot.inJac, 1);
    EXPECT_EQ(slot.bonusEnded, 0);
    slot.Play(); // 24th: the third JAC and the BIG end together
    EXPECT_EQ(slot.inJac, 0);
    EXPECT_EQ(slot.bonusEnded, 1);
}

TEST(BonusCounts, BigWithoutJacEndsAtItsThirtiethGeneralGame)
{
    // Played general games by hand: counter 28 and 29 go on, 30 ends the BIG.
    Slot slot;
    slot.bonusKind = BonusBig;
    slot.bonusGameCount = 27;
    slot.jacInCount = 2;
    slot.mode = 0;
    // A draw in [1227133513 + 936131, ...) is a small role or none: never a JAC-in.
    for (uint32_t s = 0;; ++s) {
        Random31::Seed(s);
        bool jacIn = false;
        for (int i = 0; i < 3 && !jacIn; ++i)
            jacIn = Slot::Value32() < 1227133513U + 936131U;
        if (!jacIn) {
            Random31::Seed(s);
            break;
        }
    }
    slot.Play();
    EXPECT_EQ(slot.bonusGameCount, 28);
    EXPECT_EQ(slot.bonusEnded, 0);
    slot.Play();
    EXPECT_EQ(slot.bonusGameCount, 29);
    EXPECT_EQ(slot.bonusEnded, 0);
    slot.Play();
    EXPECT_EQ(slot.bonusGameCount, 30);
    EXPECT_EQ(slot.bonusEnded, 1);
}

TEST(BonusCounts, RegEndsAtItsEighthJacGameNotBefore)
{
    Slot slot;
    slot.bonusKind = BonusReg;
    slot.mode = 5;
    slot.savedMode = 0;
    Random31::Seed(14);
    for (int game = 1; game <= 7; ++game) {
        slot.Play();
        EXPECT_EQ(slot.jacGameCount, game);
        EXPECT_EQ(slot.inJac, 1) << game;
        EXPECT_EQ(slot.bonusEnded, 0) << game;
    }
    slot.Play();
    EXPECT_EQ(slot.jacGameCount, 8);
    EXPECT_EQ(slot.inJac, 0);
    EXPECT_EQ(slot.bonusEnded, 1);
}

TEST(BonusCounts, ThirdJacInIsRefusedUpToTheNineteenthGeneralGame)
{
    uint32_t jacIn = 0;
    for (;; ++jacIn) {
        Random31::Seed(jacIn);
        if (Slot::Value32() < 1227133513U)
            break;
    }
    for (const int32_t counter : {1, 18}) {
        Slot slot;
        slot.bonusKind = BonusBig;
        slot.bonusGameCount = counter; // the game played is counter + 1
        slot.jacInCount = 2;
        slot.jacGameCount = 16;
        Random31::Seed(jacIn);
        slot.Play();
        EXPECT_EQ(slot.roleCode, RoleReplay) << counter + 1;
        EXPECT_EQ(slot.inJac, 0) << counter + 1;
        EXPECT_EQ(slot.jacInCount, 2) << counter + 1;
    }
}

TEST(BonusCounts, EveryRoleOfABigGeneralGame)
{
    // Intervals of the BIG role draw, and what each pays (after the bet of 3) and does to mode 0.
    struct Case {
        uint32_t from, to;
        int32_t role, medals, mode;
    };
    const Case cases[] = {
        {0, 1227133513U, RoleJacIn, 1, 0},
        {1227133513U, 1228069644U, RoleRareJacIn, 1, 2},
        {1228069644U, 2001937625U, RoleTripleCherry, 1, 0},
        {2001937625U, 2001949425U, RoleSingleCherry, -1, 2},
        {2001949425U, 2001961225U, RoleRareCherry, -1, 2},
        {2001961225U, 2008514825U, RoleCamel, 7, 0},
        {2008514825U, 4293071897U, RoleMoon, 4, 0},
        {4293071897U, 4293137432U, RolePureMiss, -3, 2},
        {4293137432U, 0xFFFFFFFFU, RoleReplay, -3, 0},
    };
    for (const Case& c : cases) {
        uint32_t seed = 0;
        for (;; ++seed) {
            Random31::Seed(seed);
            const uint32_t v = Slot::Value32();
            if (v >= c.from && v < c.to)
                break;
        }
        Slot slot;
        slot.bonusKind = BonusBig;
        slot.bonusGameCount = 4;
        slot.mode = 0;
        Random31::Seed(seed);
        slot.Play();
        EXPECT_EQ(slot.roleCode, c.role) << "from " << c.from;
        EXPECT_EQ(slot.medals, c.medals) << "from " << c.from;
        EXPECT_EQ(slot.mode, c.mode) << "from " << c.from;
        EXPECT_EQ(slot.bonusGameCount, 5);
        const bool jacIn = c.role == RoleJacIn || c.role == RoleRareJacIn;
        EXPECT_EQ(slot.inJac, jacIn ? 1 : 0) << "from " << c.from;
        EXPECT_EQ(slot.jacInCount, jacIn ? 1 : 0) << "from " << c.from;
    }
}

TEST(BonusCounts, EightMoonsInARegStayCodeFifteen)
{
    // A seed whose next eight JAC draws are all moon wins: a BIG's JAC would end on code 17,
    // a REG keeps no count and gives 15 every time.
    Slot probe;
    uint32_t seed = 0;
    for (;; ++seed) {
        Random31::Seed(seed);
        int moons = 0;
        while (moons < 8 && probe.DrawJac() == 0 && probe.DrawJacMoon() == 1)
            ++moons;
        if (moons == 8)
            break;
    }
    Slot slot;
    slot.bonusKind = BonusReg;
    slot.mode = 0;
    Random31::Seed(seed);
    for (int game = 1; game <= 8; ++game) {
        slot.Play();
        EXPECT_EQ(slot.roleCode, RoleJacMoon) << game;
    }
    EXPECT_EQ(slot.bonusEnded, 1);
    EXPECT_EQ(slot.mode, 0); // no code 17, so no move to 高確L
}
