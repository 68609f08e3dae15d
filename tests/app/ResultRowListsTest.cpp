#include <gtest/gtest.h>

#include <QStringList>

#include "app/ResultRowLists.h"

TEST(ResultRowLists, CaptionsOfTheSevenLists)
{
    const QStringList expected = {"PLAY数", "PLAY数2", "確定役", "モード", "メダル数", "備考", ""};
    for (int list = 0; list < ResultRowLists::ListCount; ++list)
        EXPECT_EQ(ResultRowLists::ListCaption(list), expected[list]);
}

TEST(ResultRowLists, NormalAndBonusRows)
{
    ResultRowLists rows;
    rows.Append(false, 1234, 56, 3, 2, 0, -789);   // normal game
    rows.Append(true, 1234, 56, 17, 1, 1, 100);    // BIG game
    rows.Append(true, 1234, 56, 16, 1, 2, 99);     // REG game
    rows.Append(false, 1235, 1, -1, 9, 0, 0);      // unknown role and mode
    rows.Append(false, 1236, 2, 200, 4, 3, -2147483647 - 1); // bonus kind 3 shows the mode
    ASSERT_EQ(rows.Count(), 5);
    auto row = [&](int k) {
        QStringList texts;
        for (int list = 0; list < ResultRowLists::ListCount; ++list)
            texts << rows.Entry(list, k);
        return texts;
    };
    EXPECT_EQ(row(0), (QStringList{"1234", "56", "ラクダ", "高確L", "-789", "", ""}));
    EXPECT_EQ(row(1), (QStringList{"-", "-", "JAC(月)", "BIG!", "100", "", ""}));
    EXPECT_EQ(row(2), (QStringList{"-", "-", "JACハズレ", "REG!", "99", "", ""}));
    EXPECT_EQ(row(3), (QStringList{"1235", "1", "", "", "0", "", ""}));
    EXPECT_EQ(row(4), (QStringList{"1236", "2", "", "前兆", "-2147483648", "", ""}));
}

TEST(ResultRowLists, OutOfRangeIsEmptyAndClearEmpties)
{
    ResultRowLists rows;
    EXPECT_EQ(rows.Entry(0, 0), "");
    rows.Append(false, 1, 1, 0, 0, 0, 0);
    EXPECT_EQ(rows.Entry(0, 0), "1");
    EXPECT_EQ(rows.Entry(0, 1), "");
    EXPECT_EQ(rows.Entry(0, -1), "");
    EXPECT_EQ(rows.Entry(7, 0), "");
    EXPECT_EQ(rows.Entry(-1, 0), "");
    rows.clear();
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_EQ(rows.Entry(0, 0), "");
}
