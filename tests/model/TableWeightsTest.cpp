// Every weight of the 36 lottery tables, typed in from the machine's published tables rather
// than copied from the code, and the mode-up draw at the edges of each setting's intervals.
// Table totals alone cannot see a weight moved from one entry to its neighbour.
#include <gtest/gtest.h>

#include <vector>

#include "model/Slot.h"

namespace {

using Weights = std::vector<uint32_t>;

Weights WeightsOf(const Rate_TBL& t)
{
    Weights w;
    for (int32_t i = 0; i < t.Count(); ++i)
        w.push_back(t.Weight(i));
    return w;
}

// Seeds Random31 so that its next value r gives r mod 256 == value.
void SeedForEightBit(uint32_t value)
{
    for (uint32_t s = 0;; ++s) {
        Random31::Seed(s);
        if (static_cast<uint32_t>(Random31::Next()) % 256U == value) {
            Random31::Seed(s);
            return;
        }
    }
}

} // namespace

TEST(TableWeights, EveryTableHoldsItsWeightsInOrder)
{
    const Slot slot;
    const Weights role[5] = {
        {588351683, 67108864, 39320400, 393312023, 29197602, 48485, 48485},
        {588351683, 67108864, 39320400, 393312023, 115146576, 36122517, 48485},
        {588351683, 67108864, 39320400, 393312023, 115146576, 36122517, 48485},
        {588351683, 67108864, 39320400, 393312023, 370255801, 168430090, 48485},
        {588351683, 67108864, 39320400, 393312023, 233422136, 29098694, 48485},
    };
    const Weights cherry[3] = {{47413, 1802, 5399, 10922}, {47413, 5399, 1802, 10922}, {43692, 10922, 0, 10922}};
    const Weights chance[5] = {
        {87097, 217, 217, 43541}, {27591, 41117, 51328, 11036}, {38627, 41117, 0, 51328},
        {12006, 59533, 59533, 0}, {65536, 65536, 0, 0},
    };
    const Weights camel[5] = {{1200}, {9830550}, {9830550}, {9830549}, {0}};
    const Weights modeUp[6] = {{244, 6, 6}, {242, 7, 7}, {238, 9, 9}, {234, 11, 11}, {230, 13, 13}, {188, 34, 34}};
    const Weights fall[6] = {
        {876, 234, 182}, {633, 277, 182}, {876, 234, 182}, {633, 277, 182}, {876, 234, 182}, {633, 910, 182},
    };
    const Weights bigRole = {1227133513, 936131, 773867981, 11800, 11800, 6553600, 2284557072U, 65535};
    const Weights jac = {4294705152U, 262143};
    const Weights bonusEnd[4] = {{48896, 16384, 256, 0}, {13055, 52481, 0, 0}, {2562, 0, 62974, 0}, {5374, 0, 0, 60162}};

    for (int m = 0; m < 5; ++m) {
        EXPECT_EQ(WeightsOf(slot.Role_TBL[m]), role[m]) << "Role_TBL mode " << m;
        EXPECT_EQ(WeightsOf(slot.ChanceRelease_TBL[m]), chance[m]) << "ChanceRelease_TBL mode " << m;
        EXPECT_EQ(WeightsOf(slot.CamelBonus_TBL[m]), camel[m]) << "CamelBonus_TBL mode " << m;
    }
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(WeightsOf(slot.CherryRelease_TBL[k]), cherry[k]) << "CherryRelease_TBL " << k;
    for (int s = 0; s < 6; ++s) {
        EXPECT_EQ(WeightsOf(slot.ModeUp_TBL[s]), modeUp[s]) << "ModeUp_TBL setting " << s + 1;
        EXPECT_EQ(WeightsOf(slot.Fall_TBL[s]), fall[s]) << "Fall_TBL setting " << s + 1;
    }
    EXPECT_EQ(WeightsOf(slot.BigRole_TBL), bigRole);
    EXPECT_EQ(WeightsOf(slot.Jac_TBL), jac);
    for (int m = 0; m < 4; ++m)
        EXPECT_EQ(WeightsOf(slot.BonusEndMode_TBL[m]), bonusEnd[m]) << "BonusEndMode_TBL mode " << m;
}

TEST(TableWeights, ModeUpDrawAtTheEdgesOfEverySetting)
{
    // Keep weight and 高確S weight of settings 1 to 6; 高確L takes the rest of 256.
    const uint32_t keep[6] = {244, 242, 238, 234, 230, 188};
    const uint32_t highS[6] = {6, 7, 9, 11, 13, 34};
    Slot slot;
    for (int s = 1; s <= 6; ++s) {
        const uint32_t k = keep[s - 1];
        const uint32_t u = highS[s - 1];
        const struct {
            uint32_t value;
            int32_t mode;
        } edges[] = {{0, 0}, {k - 1, 0}, {k, 1}, {k + u - 1, 1}, {k + u, 2}, {255, 2}};
        for (const auto& e : edges) {
            SeedForEightBit(e.value);
            // From mode 0 the kept mode is 0; from mode 4 a kept draw stays in the pre-omen.
            EXPECT_EQ(slot.DrawModeUp(s, 0), e.mode) << "setting " << s << " value " << e.value;
            SeedForEightBit(e.value);
            EXPECT_EQ(slot.DrawModeUp(s, 4), e.mode == 0 ? 4 : e.mode) << "setting " << s << " value " << e.value;
        }
    }
}

TEST(TableWeights, FallDrawAtTheEdgesOfSettingSix)
{
    // Setting 6: mode 1 falls on [0, 633), mode 2 on [633, 1543), mode 3 on [1543, 1725).
    Slot slot;
    auto seedFor16 = [](uint32_t value) {
        for (uint32_t s = 0;; ++s) {
            Random31::Seed(s);
            if (static_cast<uint32_t>(Random31::Next()) % 65536U == value) {
                Random31::Seed(s);
                return;
            }
        }
    };
    const struct {
        uint32_t value;
        int32_t mode1, mode2, mode3;
    } cases[] = {
        {0, 0, 2, 3}, {632, 0, 2, 3}, {633, 1, 0, 3}, {1542, 1, 0, 3}, {1543, 1, 2, 0}, {1724, 1, 2, 0}, {1725, 1, 2, 3},
    };
    for (const auto& c : cases) {
        seedFor16(c.value);
        EXPECT_EQ(slot.DrawFall(6, 1), c.mode1) << c.value;
        seedFor16(c.value);
        EXPECT_EQ(slot.DrawFall(6, 2), c.mode2) << c.value;
        seedFor16(c.value);
        EXPECT_EQ(slot.DrawFall(6, 3), c.mode3) << c.value;
    }
}

TEST(TableWeights, ReplayStreakThresholdsOfEveryLength)
{
    // Values below the count enter the pre-omen: 6527, 12406, 17111, 21876, 26083 of 65536.
    const uint32_t firstMiss[] = {6527, 12406, 17111, 21876, 26083};
    Slot slot;
    auto seedFor16 = [](uint32_t value) {
        for (uint32_t s = 0;; ++s) {
            Random31::Seed(s);
            if (static_cast<uint32_t>(Random31::Next()) % 65536U == value) {
                Random31::Seed(s);
                return;
            }
        }
    };
    for (int32_t n = 3; n <= 7; ++n) {
        const uint32_t miss = firstMiss[n - 3];
        seedFor16(miss - 1);
        EXPECT_EQ(slot.DrawReplayStreakPreOmen(n), 1) << "streak " << n;
        seedFor16(miss);
        EXPECT_EQ(slot.DrawReplayStreakPreOmen(n), 0) << "streak " << n;
    }
}
