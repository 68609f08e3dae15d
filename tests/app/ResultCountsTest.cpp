#include <gtest/gtest.h>

#include <vector>

#include "app/ResultCounts.h"
#include "app/ResultRowLists.h"
#include "model/Slot.h"

namespace {

struct Rec {
    int32_t since, medals, play, mode, kind, role, release, bonusGames, ceiling;
};

PlayRecords Build(const std::vector<Rec>& recs)
{
    PlayRecords records;
    for (const Rec& r : recs) {
        const int32_t row[11] = {r.since, r.medals, r.play, r.mode, r.kind, 0,
                                 r.role,  r.release, 0,   r.bonusGames, r.ceiling};
        records.AppendRow(row);
    }
    return records;
}

// A hand-built run: bonus rows that open and close (one right after another, one open at the
// end), chains into high modes and back to 通常, mode changes into and out of 前兆, a role of -1
// and release results that count nowhere.
const std::vector<Rec> HandRun = {
    // since medals play mode kind role release bonusGames ceiling
    {1, 0, 1, 0, 0, 0, 2, 0, 0},     // 0 replay; a release with a role of no group
    {2, -1, 2, 1, 0, 1, 4, 0, 0},    // 1 3連チェリー, モード移行抽選 → 高確S
    {3, -4, 3, 4, 0, 3, 3, 0, 0},    // 2 ラクダ, 前兆移行 → 前兆
    {4, -7, 4, 5, 0, -1, 9, 0, 0},   // 3 out of 前兆 (no row); role -1; release 9
    {5, -10, 5, 5, 1, 8, 0, 0, 0},   // 4 777: BIG opens (first hit)
    {5, 5, 5, 1, 1, 17, 0, 1, 0},    // 5 bonus game
    {5, 20, 5, 2, 1, 11, 0, 2, 0},   // 6 bonus game, ends into 高確L
    {1, 19, 6, 2, 0, 2, 2, 0, 0},    // 7 closes the BIG row; 単チェリー 即放出
    {2, 16, 7, 5, 0, 5, 1, 0, 0},    // 8 チャンス目 放出無し → BONUS
    {3, 13, 8, 5, 1, 8, 0, 0, 0},    // 9 777 in a chain: no first hit
    {3, 28, 8, 2, 1, 16, 0, 1, 0},   // 10 bonus game
    {1, 25, 9, 0, 0, 7, 0, 0, 0},    // 11 closes; 転落 to 通常 ends the chain
    {2, 22, 10, 0, 2, 9, 0, 0, 0},   // 12 REG opens
    {2, 37, 10, 3, 2, 2, 0, 1, 0},   // 13 bonus game (単チェリー inside a bonus)
    {1, 34, 11, 3, 2, 9, 0, 0, 0},   // 14 REG right after the REG: closes it, opens anew
    {1, 49, 11, 0, 2, 13, 0, 1, 0},  // 15 bonus game, ends into 通常
    {1, 46, 12, 5, 1, 8, 0, 0, 1},   // 16 closes; ceiling BIG opens (first hit)
    {1, 61, 12, 0, 1, 12, 0, 1, 0},  // 17 bonus game; the run ends with the row open
};

struct Replay {
    std::vector<int> markers, opens, closes, changes;
    std::vector<BonusRowOpening> opened;
    std::vector<BonusRowClosing> closed;
    std::vector<ModeChangeRow> changed;
};

Replay RunAll(ResultTally& tally, ResultRowLists& rows)
{
    Replay r;
    tally.CountAll();
    for (size_t i = 0; i < tally.RecordCount(); ++i) {
        const RecordStep s = tally.Step(i, rows);
        EXPECT_EQ(rows.Count(), static_cast<int>(i + 1));
        if (s.addMarker)
            r.markers.push_back(static_cast<int>(i));
        if (s.closeBonusRow) {
            r.closes.push_back(static_cast<int>(i));
            r.closed.push_back(s.close);
        }
        if (s.openBonusRow) {
            r.opens.push_back(static_cast<int>(i));
            r.opened.push_back(s.open);
        }
        if (s.addModeChange) {
            r.changes.push_back(static_cast<int>(i));
            r.changed.push_back(s.modeChange);
        }
    }
    return r;
}

class HandRunTest : public ::testing::Test {
protected:
    PlayRecords records = Build(HandRun);
    ResultTally tally{records};
    ResultRowLists rows;
    Replay replay = RunAll(tally, rows);
};

} // namespace

TEST(ResultLabels, EveryCodeAndTheOnesOutside)
{
    EXPECT_EQ(RoleLabel(0), "リプレイ");
    EXPECT_EQ(RoleLabel(8), "777");
    EXPECT_EQ(RoleLabel(14), "JAC(リプレイ)");
    EXPECT_EQ(RoleLabel(15), "JAC(月)");
    EXPECT_EQ(RoleLabel(17), "JAC(月)");
    EXPECT_EQ(RoleLabel(-1), "");
    EXPECT_EQ(RoleLabel(18), "");
    EXPECT_EQ(ModeLabel(0), "通常");
    EXPECT_EQ(ModeLabel(4), "前兆");
    EXPECT_EQ(ModeLabel(5), "BONUS");
    EXPECT_EQ(ModeLabel(6), "");
    EXPECT_EQ(ModeLabel(-1), "");
}

TEST_F(HandRunTest, BonusRowsOpenAndCloseInOrder)
{
    EXPECT_EQ(replay.opens, (std::vector<int>{4, 9, 12, 14, 16}));
    EXPECT_EQ(replay.closes, (std::vector<int>{7, 11, 14, 16}));
    const QStringList opened[] = {{"5", "5", "777"}, {"8", "3", "777"}, {"10", "2", "REG"},
                                  {"11", "1", "REG"}, {"12", "1", "777"}};
    for (size_t k = 0; k < replay.opened.size(); ++k) {
        const BonusRowOpening& o = replay.opened[k];
        EXPECT_EQ((QStringList{o.caption, o.gamesSinceBonus, o.role}), opened[k]) << k;
    }
    // 終了移行 is the mode of the bonus's last game; 獲得メダル counts from the opening game.
    const QStringList closed[] = {{"高確L", "45"}, {"高確L", "30"}, {"高確SL", "30"},
                                  {"通常", "30"}};
    for (size_t k = 0; k < replay.closed.size(); ++k) {
        const BonusRowClosing& c = replay.closed[k];
        EXPECT_EQ((QStringList{c.endMode, c.gainedMedals}), closed[k]) << k;
    }
}

TEST_F(HandRunTest, ModeChangeRows)
{
    // No row for the change out of 前兆 (record 3).
    EXPECT_EQ(replay.changes, (std::vector<int>{1, 2, 5, 6, 8, 10, 11, 13, 15, 16, 17}));
    const QStringList expected[] = {
        {"2", "2", "3連チェリー", "高確S"},  {"3", "3", "ラクダ", "前兆"},
        {"5", "5", "ボーナス終了", "高確S"}, {"5", "5", "ボーナス終了", "高確L"},
        {"7", "2", "チャンス目", "BONUS"},   {"8", "3", "ボーナス終了", "高確L"},
        {"9", "1", "転落抽選", "通常"},      {"10", "2", "ボーナス終了", "高確SL"},
        {"11", "1", "ボーナス終了", "通常"}, {"12", "1", "天井", "BONUS"},
        {"12", "1", "ボーナス終了", "通常"},
    };
    ASSERT_EQ(replay.changed.size(), std::size(expected));
    for (size_t k = 0; k < replay.changed.size(); ++k) {
        const ModeChangeRow& m = replay.changed[k];
        EXPECT_EQ((QStringList{m.caption, m.gamesSinceBonus, m.role, m.newMode}), expected[k])
            << k;
    }
}

TEST_F(HandRunTest, PlayByPlayRows)
{
    ASSERT_EQ(rows.Count(), 18);
    auto row = [&](int k) {
        QStringList texts;
        for (int list = 0; list < ResultRowLists::ListCount; ++list)
            texts << rows.Entry(list, k);
        return texts;
    };
    EXPECT_EQ(row(0), (QStringList{"1", "1", "リプレイ", "通常", "0", "", ""}));
    EXPECT_EQ(row(3), (QStringList{"4", "4", "", "BONUS", "-7", "", ""}));
    EXPECT_EQ(row(4), (QStringList{"5", "5", "777", "BIG!", "-10", "", ""}));
    EXPECT_EQ(row(5), (QStringList{"-", "-", "JAC(月)", "BIG!", "5", "", ""}));
    EXPECT_EQ(row(13), (QStringList{"-", "-", "単チェリー", "REG!", "37", "", ""}));
    EXPECT_EQ(row(15), (QStringList{"-", "-", "純ハズレ", "REG!", "49", "", ""}));
    EXPECT_EQ(replay.markers, (std::vector<int>{1, 2, 4, 7, 8, 9, 12, 13, 14, 16}));
}

TEST_F(HandRunTest, CountTables)
{
    const QList<QStringList> koyaku = {
        {"3連チェリー", "1", "0.0833333333333333", "1/12"},
        {"単チェリー", "1", "0.0833333333333333", "1/12"},
        {"ラクダ", "1", "0.0833333333333333", "1/12"},
        {"リプレイ", "1", "0.0833333333333333", "1/12"},
        {"月", "0", "0", "0"},
        {"強ハズレA", "0", "0", "0"},
        {"強ハズレB", "1", "0.0833333333333333", "1/12"},
        {"チャンス目", "1", "0.0833333333333333", "1/12"},
    };
    EXPECT_EQ(tally.KoyakuRows(), koyaku);
    const QList<QStringList> stay = {
        {"通常", "3", "0.25", "1/4"},
        {"高確S", "1", "0.0833333333333333", "1/12"},
        {"高確L", "1", "0.0833333333333333", "1/12"},
        {"高確SL", "1", "0.0833333333333333", "1/12"},
        {"前兆", "1", "0.0833333333333333", "1/12"},
    };
    EXPECT_EQ(tally.ModeStayRows(), stay);
    const QList<QStringList> nbzm = {
        {"チェリー", "0", "1", "0", "1"},
        {"らくだ", "0", "0", "1", "0"},
        {"チャンス目", "1", "0", "0", "0"},
    };
    EXPECT_EQ(tally.NBZMRows(), nbzm);
    const QList<QStringList> bonusRoles = {
        {"月８連", "1"}, {"レアJACIN", "1"}, {"レアチェリー", "1"},
        {"単チェリー", "1"}, {"JACハズレ", "1"}, {"純ハズレ", "1"},
    };
    EXPECT_EQ(tally.BModeChangeRows(), bonusRoles);
}

TEST_F(HandRunTest, SummaryAndFirstHits)
{
    // BIGs at records 4 (first of the run) and 16 (after a bonus that ended into 通常);
    // the one at 9 continues a chain from 高確L.
    EXPECT_EQ(tally.BigFirstHits(), 2);
    EXPECT_EQ(tally.SummaryText(),
              QStringLiteral("BIG回数:3\u3000REG回数:2\nBIG初当り回数:2\n"
                             "BIG確率:1/4  REG確率:1/6\n収支:1220円  機械割：269.444444444444%"));
}

TEST_F(HandRunTest, ProgressAndResetAgain)
{
    EXPECT_EQ(tally.ProgressPosition(0), 8);
    EXPECT_EQ(tally.ProgressPosition(11), 100);
    EXPECT_EQ(tally.ProgressPosition(17), 150);
    // A second display of the same records gives the same tables.
    tally.Reset();
    rows.clear();
    const Replay again = RunAll(tally, rows);
    EXPECT_EQ(again.opens, replay.opens);
    EXPECT_EQ(tally.BigFirstHits(), 2);
    EXPECT_EQ(tally.RoleCount(RoleBig), 3);
}

TEST(ResultTally, BonusThatOpensWhileAnotherIsOpenReplacesIt)
{
    const PlayRecords records = Build({
        {4, -10, 4, 5, 1, 8, 0, 0, 0},  // 0 BIG opens
        {5, -13, 5, 5, 2, 9, 0, 0, 0},  // 1 REG opens over it: the BIG row is never closed
        {5, 2, 5, 0, 2, 14, 0, 1, 0},   // 2 bonus game
        {1, -1, 6, 0, 0, 13, 0, 0, 0},  // 3 closes the REG row
    });
    ResultTally tally(records);
    ResultRowLists rows;
    const Replay r = RunAll(tally, rows);
    EXPECT_EQ(r.opens, (std::vector<int>{0, 1}));
    ASSERT_EQ(r.closes, (std::vector<int>{3}));
    EXPECT_EQ(r.closed[0].endMode, "通常");
    EXPECT_EQ(r.closed[0].gainedMedals, "30"); // 2 - (-13) + 15, from the REG
    EXPECT_EQ(tally.BigFirstHits(), 1);
}

TEST(ResultTally, ClosingRecordAtTheOpeningIndexDoesNotClose)
{
    // The first normal game after a bonus opens a new bonus: it closes the earlier row
    // only, and the row it opens stays open until the next first game.
    const PlayRecords records = Build({
        {1, 0, 1, 5, 1, 8, 0, 0, 0},   // 0 opens at games-since-bonus 1
        {1, 15, 1, 0, 1, 15, 0, 1, 0}, // 1 bonus game
        {1, 12, 2, 5, 1, 8, 0, 0, 0},  // 2 closes row 0 and opens a new one
        {1, 27, 2, 0, 1, 15, 0, 1, 0}, // 3
    });
    ResultTally tally(records);
    ResultRowLists rows;
    const Replay r = RunAll(tally, rows);
    EXPECT_EQ(r.opens, (std::vector<int>{0, 2}));
    EXPECT_EQ(r.closes, (std::vector<int>{2}));
    EXPECT_EQ(r.closed[0].gainedMedals, "30");
    EXPECT_EQ(tally.BigFirstHits(), 2); // the first bonus ended into 通常
}

TEST(ResultTally, ModeBeyondTheTablesEndsWithAnEmptyLabelAndNoCount)
{
    const PlayRecords records = Build({
        {1, 0, 1, 0, 0, 9, 0, 0, 0},   // REG opens
        {1, 15, 1, 7, 2, 99, 5, 1, 0}, // bonus game with an unknown mode and role
        {1, 12, 2, 5, 0, 4, 1, 0, 0},  // closes: 終了移行 of mode 7 is empty
    });
    ResultTally tally(records);
    ResultRowLists rows;
    const Replay r = RunAll(tally, rows);
    ASSERT_EQ(r.closed.size(), 1u);
    EXPECT_EQ(r.closed[0].endMode, "");
    EXPECT_EQ(r.changed[0].newMode, "");       // into mode 7
    EXPECT_EQ(r.changed[1].role, "月");        // into BONUS, not 転落
    EXPECT_EQ(rows.Entry(2, 1), "");
    EXPECT_EQ(tally.ModeCount(5), 0);
    EXPECT_EQ(tally.ModeCount(0), 1);
    EXPECT_EQ(tally.ReleaseCount(ResultTally::CherryGroup, 1), 0);
}

TEST(ResultTally, EmptyRunShowsZeros)
{
    const PlayRecords records;
    ResultTally tally(records);
    tally.CountAll();
    EXPECT_EQ(tally.PlayCount(), 0);
    for (const QStringList& row : tally.KoyakuRows())
        EXPECT_EQ(row.mid(1), (QStringList{"0", "0", "0"})) << row[0].toStdString();
    for (const QStringList& row : tally.ModeStayRows())
        EXPECT_EQ(row.mid(1), (QStringList{"0", "0", "0"}));
    for (const QStringList& row : tally.NBZMRows())
        EXPECT_EQ(row.mid(1), (QStringList{"0", "0", "0", "0"}));
    EXPECT_EQ(tally.BModeChangeRows().size(), 6);
    EXPECT_EQ(tally.SummaryText(),
              QStringLiteral("BIG回数:0\u3000REG回数:0\nBIG初当り回数:0\n"
                             "BIG確率:1/0  REG確率:1/0\n収支:0円  機械割：0%"));
}

TEST(ResultTally, OnePlayRun)
{
    const PlayRecords records = Build({{1, -3, 1, 0, 0, 4, 0, 0, 0}});
    ResultTally tally(records);
    ResultRowLists rows;
    const Replay r = RunAll(tally, rows);
    EXPECT_EQ(rows.Count(), 1);
    EXPECT_TRUE(r.opens.empty());
    EXPECT_TRUE(r.changes.empty());
    EXPECT_EQ(tally.KoyakuRows()[4], (QStringList{"月", "1", "1", "1/1"}));
    EXPECT_EQ(tally.KoyakuRows()[0], (QStringList{"3連チェリー", "0", "0", "0"}));
    EXPECT_EQ(tally.ModeStayRows()[0], (QStringList{"通常", "1", "1", "1/1"}));
    EXPECT_EQ(tally.ProgressPosition(0), 100);
}

TEST(SummaryText, FiguresOfTheEdgeCases)
{
    const QString noBonus = SummaryText(0, 0, 0, 1000, 0);
    EXPECT_TRUE(noBonus.contains("BIG確率:1/0  REG確率:1/0\n")) << noBonus.toStdString();
    EXPECT_TRUE(noBonus.endsWith("収支:0円  機械割：100%"));

    EXPECT_TRUE(SummaryText(3, 0, 3, 1000, 0).contains("BIG確率:1/333  "));
    EXPECT_TRUE(SummaryText(0, 7, 0, 1000, 0).contains("REG確率:1/142\n"));

    EXPECT_TRUE(SummaryText(0, 0, 0, 1000, -300).endsWith("収支:-6000円  機械割：90%"));
    EXPECT_TRUE(SummaryText(0, 0, 0, 3, 1).endsWith("収支:20円  機械割：111.111111111111%"));
}

TEST(SummaryText, SinglePrecisionFigures)
{
    // 16777217 is the first integer a float cannot hold: it prints as its float neighbour.
    const QString text = SummaryText(1, 0, 1, 16777217, 16777217);
    EXPECT_TRUE(text.contains("BIG確率:1/16777216  ")) << text.toStdString();
    EXPECT_TRUE(text.contains("収支:335544320円  "));
    // Large play counts do not overflow the bet.
    EXPECT_TRUE(SummaryText(0, 0, 0, 2147483647, 0).endsWith("機械割：100%"));
}

TEST(ResultTally, SeededRunIsConsistent)
{
    Slot slot;
    Random31::Seed(20261208);
    slot.SetSetting(6);
    PlayRecords records;
    PlayRun(slot, records, 50000);
    ResultTally tally(records);
    ResultRowLists rows;
    const Replay r = RunAll(tally, rows);

    int32_t normalInModes = 0;
    for (int m = 0; m <= 4; ++m)
        normalInModes += tally.ModeCount(m);
    int32_t normalInBonus = 0;
    for (size_t i = 0; i < records.size(); ++i)
        normalInBonus += records.bonusGameCount[i] == 0 && records.mode[i] == 5;
    EXPECT_EQ(normalInModes + normalInBonus, 50000);
    // Bonus rows, BIGs and first BIG hits, counted from the records' columns: a bonus opens at a
    // normal game of 777 or REG and closes at the next normal game that is the first after a
    // bonus; a BIG is a first hit unless it comes in a chain, that is, with no normal game in
    // 通常 (and no bonus ending into 通常) since the bonus before it.
    std::vector<int> opens, closes;
    int32_t bigs = 0, firstHits = 0;
    bool open = false, chain = false;
    for (size_t i = 0; i < records.size(); ++i) {
        const bool normal = records.bonusGameCount[i] == 0;
        const int32_t role = records.roleCode[i];
        if (normal && open && int(i) != opens.back() && records.gamesSinceBonus[i] == 1) {
            closes.push_back(int(i));
            open = false;
            chain = records.mode[i - 1] != 0;
        }
        if (normal && (role == 8 || role == 9)) {
            opens.push_back(int(i));
            open = true;
            bigs += role == 8;
            firstHits += role == 8 && !chain;
            chain = true;
        } else if (normal && records.mode[i] == 0) {
            chain = false;
        }
    }
    EXPECT_EQ(r.opens, opens);
    EXPECT_EQ(r.closes, closes);
    EXPECT_EQ(tally.RoleCount(RoleBig), bigs);
    EXPECT_EQ(tally.BigFirstHits(), firstHits);
    // The seed's run: 298 bonuses, each closed before the end, 178 of them BIG, 80 first hits.
    EXPECT_EQ(opens.size(), 298u);
    EXPECT_EQ(closes.size(), 298u);
    EXPECT_EQ(bigs, 178);
    EXPECT_EQ(firstHits, 80);
    EXPECT_EQ(rows.Count(), static_cast<int>(records.size()));
}
