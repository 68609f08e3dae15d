#include "model/Slot.h"

#include <ctime>
#include <initializer_list>

thread_local uint64_t Random31::state = 0;

void Random31::Seed(uint32_t seed)
{
    // The seed is the low word, advanced once by the 32-bit step; the high word stays 0.
    const uint32_t low = seed * 22695477U + 1U;
    state = low;
}

namespace {

void Fill(Rate_TBL& table, std::initializer_list<uint32_t> weights)
{
    table.Clear();
    for (uint32_t w : weights)
        table.Add(w);
}

} // namespace

Slot::Slot()
{
    Random31::Seed(static_cast<uint32_t>(std::time(nullptr)));
    FillTables();
}

void Slot::FillTables()
{
    // Role: replay, cherry, camel, moon, chance pattern, 強ハズレA, 強ハズレB.
    Fill(Role_TBL[0], {588351683, 67108864, 39320400, 393312023, 29197602, 48485, 48485});
    Fill(Role_TBL[1], {588351683, 67108864, 39320400, 393312023, 115146576, 36122517, 48485});
    Fill(Role_TBL[2], {588351683, 67108864, 39320400, 393312023, 115146576, 36122517, 48485});
    Fill(Role_TBL[3], {588351683, 67108864, 39320400, 393312023, 370255801, 168430090, 48485});
    Fill(Role_TBL[4], {588351683, 67108864, 39320400, 393312023, 233422136, 29098694, 48485});

    // Release after a cherry: none, at once, pre-omen, mode draw.
    Fill(CherryRelease_TBL[0], {47413, 1802, 5399, 10922});
    Fill(CherryRelease_TBL[1], {47413, 5399, 1802, 10922});
    Fill(CherryRelease_TBL[2], {43692, 10922, 0, 10922});

    // Release after a chance pattern, by mode.
    Fill(ChanceRelease_TBL[0], {87097, 217, 217, 43541});
    Fill(ChanceRelease_TBL[1], {27591, 41117, 51328, 11036});
    Fill(ChanceRelease_TBL[2], {38627, 41117, 0, 51328});
    Fill(ChanceRelease_TBL[3], {12006, 59533, 59533, 0});
    Fill(ChanceRelease_TBL[4], {65536, 65536, 0, 0});

    // Camel wins the bonus.
    Fill(CamelBonus_TBL[0], {1200});
    Fill(CamelBonus_TBL[1], {9830550});
    Fill(CamelBonus_TBL[2], {9830550});
    Fill(CamelBonus_TBL[3], {9830549});
    Fill(CamelBonus_TBL[4], {0});

    // Mode up by setting: keep, 高確S, 高確L.
    Fill(ModeUp_TBL[0], {244, 6, 6});
    Fill(ModeUp_TBL[1], {242, 7, 7});
    Fill(ModeUp_TBL[2], {238, 9, 9});
    Fill(ModeUp_TBL[3], {234, 11, 11});
    Fill(ModeUp_TBL[4], {230, 13, 13});
    Fill(ModeUp_TBL[5], {188, 34, 34});

    // Fall by setting: entry m-1 is the fall weight of mode m.
    Fill(Fall_TBL[0], {876, 234, 182});
    Fill(Fall_TBL[1], {633, 277, 182});
    Fill(Fall_TBL[2], {876, 234, 182});
    Fill(Fall_TBL[3], {633, 277, 182});
    Fill(Fall_TBL[4], {876, 234, 182});
    Fill(Fall_TBL[5], {633, 910, 182});

    // BIG general game: JACIN, レアJACIN, 3連チェリー, 単チェリー, レアチェリー, ラクダ, 月, 純ハズレ.
    Fill(BigRole_TBL, {1227133513, 936131, 773867981, 11800, 11800, 6553600, 2284557072U, 65535});
    // JAC game: win, JACハズレ.
    Fill(Jac_TBL, {4294705152U, 262143});

    // Mode at a bonus end, by mode: index 0 keeps the mode.
    Fill(BonusEndMode_TBL[0], {48896, 16384, 256, 0});
    Fill(BonusEndMode_TBL[1], {13055, 52481, 0, 0});
    Fill(BonusEndMode_TBL[2], {2562, 0, 62974, 0});
    Fill(BonusEndMode_TBL[3], {5374, 0, 0, 60162});
}

void Slot::SetSetting(int32_t value)
{
    setting = value;
    Reset();
}

void Slot::Reset()
{
    gamesSinceBonus = 0;
    playNumber = 0;
    medals = 0;
    releaseResult = 0;
    mode = 0;
    bonusKind = 0;
    bonusEnded = 0;
    cherryNoReleaseCount = 0;
    replayStreak = 0;
    camelCount = 0;
    savedMode = 0;
}

// ---- draws ----------------------------------------------------------------------------
// A mode or setting without a table keeps the generator call and gives the "no entry"
// answer, so that no table is ever read out of range.

int32_t Slot::DrawRole(int32_t m)
{
    const uint32_t v = Value32();
    if (m < 0 || m > 4)
        return 7;
    return Role_TBL[m].Draw(v);
}

int32_t Slot::DrawCherryRelease(int32_t m)
{
    const uint32_t v = Value16();
    if (m == 0)
        return CherryRelease_TBL[0].Draw(v);
    if (m >= 1 && m <= 3)
        return CherryRelease_TBL[1].Draw(v);
    if (m == 4)
        return CherryRelease_TBL[2].Draw(v);
    return 0;
}

int32_t Slot::DrawChanceRelease(int32_t m)
{
    const uint32_t v = Value17();
    if (m < 0 || m > 4)
        return 0;
    return ChanceRelease_TBL[m].Draw(v);
}

int32_t Slot::DrawCamelBonus(int32_t m)
{
    const uint32_t v = Value32();
    if (m < 0 || m > 4)
        return 0;
    return CamelBonus_TBL[m].Draw(v) == 0 ? 1 : 0;
}

int32_t Slot::DrawCamelPreOmen()
{
    return Value16() <= 6579 ? 1 : 0;
}

int32_t Slot::DrawModeUp(int32_t s, int32_t m)
{
    const uint32_t v = Value8();
    if (!ValidSetting(s))
        return m;
    const int32_t i = ModeUp_TBL[s - 1].Draw(v);
    return (i == 1 || i == 2) ? i : m;
}

int32_t Slot::DrawFall(int32_t s, int32_t m)
{
    const uint32_t v = Value16();
    if (!ValidSetting(s))
        return m;
    return Fall_TBL[s - 1].Draw(v) + 1 == m ? 0 : m;
}

int32_t Slot::DrawBigRole()
{
    return BigRole_TBL.Draw(Value32());
}

int32_t Slot::DrawJac()
{
    return Jac_TBL.Draw(Value32());
}

int32_t Slot::DrawBonusEndMode(int32_t m)
{
    const uint32_t v = Value16();
    if (m < 0 || m > 3)
        return m;
    const int32_t i = BonusEndMode_TBL[m].Draw(v);
    return i != 0 ? i : m;
}

int32_t Slot::DrawBonusKind()
{
    return Value8() >= 155 ? 1 : 0;
}

int32_t Slot::DrawJacMoon()
{
    return Value8() >= 151 ? 1 : 0;
}

int32_t Slot::DrawReplayStreakPreOmen(int32_t n)
{
    const uint32_t v = Value16();
    switch (n) {
    case 3: return v < 6527 ? 1 : 0;
    case 4: return v <= 12405 ? 1 : 0;
    case 5: return v <= 17110 ? 1 : 0;
    case 6: return v <= 21875 ? 1 : 0;
    case 7: return v <= 26082 ? 1 : 0;
    default: return 0;
    }
}

int32_t Slot::DrawPreOmenLength(bool forced)
{
    if (forced)
        return 4;
    return Random31::Next() % 28 + 5;
}

// ---- games ----------------------------------------------------------------------------

void Slot::Play()
{
    if (bonusEnded == 1) {
        bonusGameCount = 0;
        jacGameCount = 0;
        gamesSinceBonus = 0;
        bonusKind = 0;
        bonusEnded = 0;
        ceilingHit = 0;
        releaseResult = 0;
        cherryNoReleaseCount = 0;
        replayStreak = 0;
        camelCount = 0;
    }
    if (bonusKind == 0) {
        ++gamesSinceBonus;
        ++playNumber;
        PlayNormalGame();
        return;
    }
    if (bonusGameCount == 0) {
        jacGameCount = 0;
        jacInCount = 0;
        reservedB = 0;
        if (mode > 3)
            mode = savedMode;
        inJac = bonusKind == BonusReg ? 1 : 0;
    }
    if (inJac == 1) {
        bonusGameCount = 1;
        ++jacGameCount;
    } else {
        ++bonusGameCount;
    }
    PlayBonusGame();
}

void Slot::EnterPreOmen(bool forced)
{
    if (mode != ModePreOmen)
        savedMode = mode;
    mode = ModePreOmen;
    preOmenGamesLeft = DrawPreOmenLength(forced);
}

void Slot::StartBonus()
{
    if (mode != ModePreOmen)
        savedMode = mode;
    bonusPending = 1;
    mode = ModeBonus;
}

void Slot::PlayNormalGame()
{
    if (roleCode != RoleReplay)
        medals -= 3;
    roleCode = 0;
    releaseResult = 0;
    ceilingHit = 0;
    bool start = false;
    bool modeUp = false;

    if (bonusPending == 1) {
        bonusPending = 0;
        const int32_t k = DrawBonusKind();
        bonusKind = k + 1;
        roleCode = k + RoleBig;
    } else {
        const int32_t i = DrawRole(mode);
        bool discarded = false;
        if (mode == ModePreOmen) {
            --preOmenGamesLeft;
            if (preOmenGamesLeft == 0) {
                start = true;
                discarded = true;
            }
        }
        if (!discarded && mode != ModePreOmen
            && (gamesSinceBonus == CeilingGames || cherryNoReleaseCount == CherryCeiling)) {
            ceilingHit = 1;
            start = true;
            discarded = true;
        }
        if (!discarded) {
            switch (i) {
            case 0:
                roleCode = RoleReplay;
                ++replayStreak;
                break;
            case 1: {
                const int32_t r = DrawCherryRelease(mode);
                if (r == 0) {
                    roleCode = RoleTripleCherry;
                    ++cherryNoReleaseCount;
                } else {
                    roleCode = RoleSingleCherry;
                    if (r == 1)
                        start = true;
                    else if (r == 2)
                        EnterPreOmen(false);
                    else if (r == 3)
                        modeUp = true;
                }
                releaseResult = r + 1;
                break;
            }
            case 2: {
                roleCode = RoleCamel;
                ++camelCount;
                const int32_t h = DrawCamelBonus(mode);
                if (h == 1) {
                    start = true;
                } else if (camelCount == 3) {
                    if (DrawCamelPreOmen() == 1)
                        EnterPreOmen(false);
                    camelCount = 0;
                }
                releaseResult = h + 1;
                break;
            }
            case 3:
                roleCode = RoleMoon;
                break;
            case 4: {
                roleCode = RoleChance;
                const int32_t r = DrawChanceRelease(mode);
                if (r == 1)
                    start = true;
                else if (r == 2)
                    EnterPreOmen(true);
                else if (r == 3)
                    modeUp = true;
                releaseResult = r + 1;
                break;
            }
            case 5:
                roleCode = RoleStrongMissA;
                start = true;
                break;
            case 6:
                roleCode = RoleStrongMissB;
                mode = ModeHighSL;
                start = true;
                break;
            default:
                roleCode = RoleNone;
                break;
            }
            if (roleCode != RoleReplay)
                replayStreak = 0;
            if (mode >= ModeHighS && mode <= ModeHighSL)
                mode = DrawFall(setting, mode);
            if (modeUp)
                mode = DrawModeUp(setting, mode);
            if (replayStreak > 2 && DrawReplayStreakPreOmen(replayStreak) == 1)
                EnterPreOmen(false);
        }
        if (start)
            StartBonus();
    }

    switch (roleCode) {
    case RoleTripleCherry: medals += 2; break;
    case RoleSingleCherry: medals += 4; break;
    case RoleCamel: medals += 5; break;
    case RoleMoon: medals += 10; break;
    case RoleBig:
    case RoleReg: medals += 15; break;
    default: break;
    }
}

void Slot::PlayBonusGame()
{
    roleCode = 0;
    if (bonusKind == BonusBig) {
        if (inJac == 0) {
            medals -= 3;
            const int32_t i = DrawBigRole();
            switch (i) {
            case 0:
            case 1:
                if (jacInCount == 2 && bonusGameCount < 20)
                    break; // the third JAC-in comes too early: refused
                medals += 4;
                roleCode = i == 0 ? RoleJacIn : RoleRareJacIn;
                ++jacInCount;
                inJac = 1;
                jacMoonStreak = 0;
                if (i == 1)
                    mode = ModeHighL;
                break;
            case 2: medals += 4; roleCode = RoleTripleCherry; break;
            case 3: medals += 2; roleCode = RoleSingleCherry; mode = ModeHighL; break;
            case 4: medals += 2; roleCode = RoleRareCherry; mode = ModeHighL; break;
            case 5: medals += 10; roleCode = RoleCamel; break;
            case 6: medals += 7; roleCode = RoleMoon; break;
            case 7: roleCode = RolePureMiss; mode = ModeHighL; break;
            default: break;
            }
            if (bonusGameCount == 30)
                bonusEnded = 1;
        } else {
            medals -= 1;
            const int32_t j = DrawJac();
            if (j == 0) {
                medals += 15;
                if (DrawJacMoon() == 1) {
                    roleCode = RoleJacMoon;
                    ++jacMoonStreak;
                    if (jacMoonStreak == 8) {
                        roleCode = RoleJacEighthMoon;
                        mode = ModeHighL;
                    }
                } else {
                    roleCode = RoleJacReplay;
                }
            } else if (j == 1) {
                roleCode = RoleJacMiss;
                mode = ModeHighL;
            }
            if (jacGameCount == 8 || jacGameCount == 16 || jacGameCount == 24) {
                inJac = 0;
                if (jacGameCount == 24)
                    bonusEnded = 1;
            }
        }
        if (bonusEnded == 1)
            mode = DrawBonusEndMode(mode);
    } else if (bonusKind == BonusReg) {
        medals -= 1;
        const int32_t j = DrawJac();
        if (j == 0) {
            medals += 15;
            roleCode = DrawJacMoon() == 1 ? RoleJacMoon : RoleJacReplay;
        } else if (j == 1) {
            roleCode = RoleJacMiss;
            mode = ModeHighL;
        }
        if (jacGameCount == 8) {
            inJac = 0;
            bonusEnded = 1;
        }
        if (bonusEnded == 1)
            mode = DrawBonusEndMode(mode);
    }
}
