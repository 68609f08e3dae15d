#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The 31-bit generator behind every lottery of the machine: a 64-bit linear congruential
// state, one per thread. The arithmetic is fixed, so that a run can be replayed from its seed.
class Random31 {
public:
    static void Seed(uint32_t seed);
    // 0..2147483647
    static int32_t Next()
    {
        state = state * 0x0000015A00004E35ULL + 1;
        return static_cast<int32_t>((state >> 32) & 0x7FFFFFFFU);
    }

private:
    static thread_local uint64_t state;
};

// A weighted lottery table: entry i owns as many draw values as its weight.
class Rate_TBL {
public:
    void Add(uint32_t weight) { weights.push_back(weight); }
    void Clear() { weights.clear(); }
    int32_t Count() const { return static_cast<int32_t>(weights.size()); }
    uint32_t Weight(int32_t index) const { return weights[static_cast<size_t>(index)]; }

    // Index of the entry whose interval holds value; Count() when none does.
    int32_t Draw(uint32_t value) const
    {
        uint32_t c = 0;
        const int32_t n = Count();
        for (int32_t i = 0; i < n; ++i) {
            const uint32_t e = c + weights[static_cast<size_t>(i)];
            if (c <= value && value < e)
                return i;
            c = e;
        }
        return n;
    }

private:
    std::vector<uint32_t> weights;
};

enum GameMode : int32_t {
    ModeNormal = 0,  // 通常
    ModeHighS = 1,   // 高確S
    ModeHighL = 2,   // 高確L
    ModeHighSL = 3,  // 高確SL
    ModePreOmen = 4, // 前兆
    ModeBonus = 5,   // BONUS: won, not yet begun
};

enum RoleCode : int32_t {
    RoleNone = -1,
    RoleReplay = 0,          // リプレイ
    RoleTripleCherry = 1,    // 3連チェリー
    RoleSingleCherry = 2,    // 単チェリー
    RoleCamel = 3,           // ラクダ
    RoleMoon = 4,            // 月
    RoleChance = 5,          // チャンス目
    RoleStrongMissA = 6,     // 強ハズレA
    RoleStrongMissB = 7,     // 強ハズレB
    RoleBig = 8,             // 777
    RoleReg = 9,             // REG
    RoleJacIn = 10,          // JACIN
    RoleRareJacIn = 11,      // レアJACIN
    RoleRareCherry = 12,     // レアチェリー
    RolePureMiss = 13,       // 純ハズレ
    RoleJacReplay = 14,      // JAC(リプレイ)
    RoleJacMoon = 15,        // JAC(月)
    RoleJacMiss = 16,        // JACハズレ
    RoleJacEighthMoon = 17,  // JAC(月), the eighth moon of one JAC
};

enum BonusKind : int32_t {
    BonusNone = 0,
    BonusBig = 1,
    BonusReg = 2,
};

enum ReleaseResult : int32_t {
    ReleaseNotDrawn = 0,
    ReleaseNone = 1,      // 放出無し (a camel: miss)
    ReleaseAtOnce = 2,    // 即放出 (a camel: hit)
    ReleasePreOmen = 3,   // 前兆移行
    ReleaseModeDraw = 4,  // モード移行抽選
};

// One slot machine: setting, mode, the counters its lotteries depend on, its 36 lottery
// tables and the results of the last game.
class Slot {
public:
    Slot();

    void SetSetting(int32_t value);
    int32_t GetSetting() const { return setting; }
    void Reset();
    void Play();

    void PlayNormalGame();
    void PlayBonusGame();
    void EnterPreOmen(bool forced);
    void StartBonus();

    // Draws: each takes its generator values first, whatever its arguments select.
    int32_t DrawRole(int32_t mode);
    int32_t DrawCherryRelease(int32_t mode);
    int32_t DrawChanceRelease(int32_t mode);
    int32_t DrawCamelBonus(int32_t mode);
    int32_t DrawCamelPreOmen();
    int32_t DrawModeUp(int32_t setting, int32_t mode);
    int32_t DrawFall(int32_t setting, int32_t mode);
    int32_t DrawBigRole();
    int32_t DrawJac();
    int32_t DrawBonusEndMode(int32_t mode);
    int32_t DrawBonusKind();
    int32_t DrawJacMoon();
    int32_t DrawReplayStreakPreOmen(int32_t streak);
    int32_t DrawPreOmenLength(bool forced);

    // Draw values of the fixed widths.
    static uint32_t Value32()
    {
        const uint32_t a = static_cast<uint32_t>(Random31::Next());
        const uint32_t b = static_cast<uint32_t>(Random31::Next());
        return a * 2U + (b % 2U);
    }
    static uint32_t Value17() { return static_cast<uint32_t>(Random31::Next()) % 131072U; }
    static uint32_t Value16() { return static_cast<uint32_t>(Random31::Next()) % 65536U; }
    static uint32_t Value8() { return static_cast<uint32_t>(Random31::Next()) % 256U; }

    int32_t setting = 1;
    int32_t jacInCount = 0;
    int32_t bonusEnded = 0;
    int32_t inJac = 0;
    int32_t preOmenGamesLeft = 0;
    int32_t cherryNoReleaseCount = 0;
    int32_t replayStreak = 0;
    int32_t camelCount = 0;
    int32_t jacMoonStreak = 0;
    int32_t savedMode = 0;
    int32_t bonusPending = 0;

    Rate_TBL Role_TBL[5];            // by mode 0-4
    Rate_TBL CherryRelease_TBL[3];   // mode 0, modes 1-3, mode 4
    Rate_TBL ChanceRelease_TBL[5];   // by mode 0-4
    Rate_TBL CamelBonus_TBL[5];      // by mode 0-4
    Rate_TBL ModeUp_TBL[6];          // by setting 1-6
    Rate_TBL Fall_TBL[6];            // by setting 1-6
    Rate_TBL BigRole_TBL;
    Rate_TBL Jac_TBL;
    Rate_TBL BonusEndMode_TBL[4];    // by mode 0-3

    int32_t gamesSinceBonus = 0;
    int32_t bonusGameCount = 0;
    int32_t jacGameCount = 0;
    int32_t playNumber = 0;
    int32_t medals = 0;
    int32_t releaseResult = 0;
    int32_t mode = 0;
    int32_t roleCode = 0;
    int32_t bonusKind = 0;
    int32_t reservedA = 0;
    int32_t ceilingHit = 0;
    int32_t reservedB = 0;

    // The ceiling fires at this many normal games since the last bonus.
    static constexpr int32_t CeilingGames = 1999;
    // This many cherries without release force the bonus.
    static constexpr int32_t CherryCeiling = 15;

private:
    void FillTables();
    static bool ValidSetting(int32_t s) { return s >= 1 && s <= 6; }
};
