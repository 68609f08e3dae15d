// Long seeded runs against the table weights: frequencies must agree within a few standard
// deviations. Seeds are fixed, so these tests are deterministic.
#include <gtest/gtest.h>

#include <cmath>

#include "model/PlayRecords.h"
#include "model/Slot.h"

namespace {

// |observed - n p| within six standard deviations of a binomial count.
void ExpectFrequency(int64_t observed, int64_t n, double p, const char* what)
{
    const double mean = static_cast<double>(n) * p;
    const double sd = std::sqrt(static_cast<double>(n) * p * (1.0 - p));
    EXPECT_LT(std::fabs(static_cast<double>(observed) - mean), 6.0 * sd + 1.0)
        << what << ": observed " << observed << ", expected " << mean;
}

} // namespace

TEST(Statistics, RoleDrawFollowsEveryModeTable)
{
    Slot slot;
    Random31::Seed(42);
    const int64_t n = 1000000;
    for (int m = 0; m < 5; ++m) {
        int64_t hits[8] = {};
        for (int64_t i = 0; i < n; ++i)
            ++hits[slot.DrawRole(m)];
        double rest = 1.0;
        for (int i = 0; i < 7; ++i) {
            const double p = slot.Role_TBL[m].Weight(i) / 4294967296.0;
            rest -= p;
            ExpectFrequency(hits[i], n, p, "role");
        }
        ExpectFrequency(hits[7], n, rest, "no role");
    }
}

TEST(Statistics, SixteenAndSeventeenBitReleases)
{
    Slot slot;
    Random31::Seed(43);
    const int64_t n = 400000;
    for (int m = 0; m < 5; ++m) {
        int64_t cherry[5] = {}, chance[5] = {};
        for (int64_t i = 0; i < n; ++i) {
            ++cherry[slot.DrawCherryRelease(m)];
            ++chance[slot.DrawChanceRelease(m)];
        }
        const Rate_TBL& ct = slot.CherryRelease_TBL[m == 0 ? 0 : (m == 4 ? 2 : 1)];
        for (int i = 0; i < 4; ++i) {
            ExpectFrequency(cherry[i], n, ct.Weight(i) / 65536.0, "cherry release");
            ExpectFrequency(chance[i], n, slot.ChanceRelease_TBL[m].Weight(i) / 131072.0, "chance release");
        }
        EXPECT_EQ(cherry[4], 0);
        EXPECT_EQ(chance[4], 0);
    }
}

TEST(Statistics, LongRunBonusKindsAndJacMoons)
{
    Slot slot;
    slot.SetSetting(6);
    Random31::Seed(2026);
    PlayRecords records;
    PlayRun(slot, records, 3000000);

    int64_t big = 0, reg = 0, normal = 0, replay = 0, moon = 0, cherry = 0;
    int64_t jacWins = 0, jacMoons = 0, bigGeneral = 0, bigMoon = 0;
    for (size_t k = 0; k < records.size(); ++k) {
        const int32_t role = records.roleCode[k];
        if (records.bonusGameCount[k] == 0) {
            ++normal;
            big += role == 8;
            reg += role == 9;
            replay += role == 0 && records.ceilingHit[k] == 0;
            moon += role == 4;
            cherry += role == 1 || role == 2;
        } else if (records.bonusKind[k] == 1 && (role == 1 || role == 2 || role == 12 || role == 3
                   || role == 4 || role == 13)) {
            // BIG general games with a small role (JAC-ins left out: some are refused).
            ++bigGeneral;
            bigMoon += role == 4;
        }
        if (role == 14 || role == 15 || role == 17) {
            ++jacWins;
            jacMoons += role != 14;
        }
    }
    ASSERT_GT(big + reg, 5000);
    // The kind: BIG on 155 of 256 values.
    ExpectFrequency(big, big + reg, 155.0 / 256.0, "BIG share");
    // A JAC win is a moon on 105 of 256 values.
    ExpectFrequency(jacMoons, jacWins, 105.0 / 256.0, "JAC moon");
    // Moons and replays are drawn alike in every mode; the games that discard the role
    // (pre-omen end, ceiling, kind draw) are a small share, so the rates stay close.
    const double p = 393312023.0 / 4294967296.0;
    EXPECT_NEAR(static_cast<double>(moon) / normal, p, p * 0.03);
    const double pr = 588351683.0 / 4294967296.0;
    EXPECT_NEAR(static_cast<double>(replay) / normal, pr, pr * 0.03);
    const double pc = 67108864.0 / 4294967296.0;
    EXPECT_NEAR(static_cast<double>(cherry) / normal, pc, pc * 0.05);
    // Among the small roles of BIG general games the moon holds its share of their weights.
    const double smallRoles = 773867981.0 + 11800.0 + 11800.0 + 6553600.0 + 2284557072.0 + 65535.0;
    ExpectFrequency(bigMoon, bigGeneral, 2284557072.0 / smallRoles, "BIG moon");
}
