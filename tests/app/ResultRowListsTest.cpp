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

TEST(ResultRowLists, RowsReadFromTheRecordsOutliveTheirChangeOnceDetached)
{
    PlayRecords records;
    const int32_t rowsIn[][PlayRecords::ColumnCount] = {
        {7, -21, 7, 1, 0, 0, 4, 0, 0, 0, 0},  // normal game, 月 in 高確S
        {7, -6, 7, 5, 1, 0, 15, 0, 0, 1, 0},  // BIG game
    };
    for (const auto& row : rowsIn)
        records.AppendRow(row);
    ResultRowLists rows;
    rows.Append(records, 0);
    rows.Append(records, 1);
    EXPECT_EQ(rows.Capacity(), 0u); // nothing copied
    EXPECT_EQ(rows.Entry(4, 0), "-21");
    // A row appended to the records is not shown until it is appended to the lists.
    records.AppendRow(rowsIn[0]);
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Entry(0, 2), "");

    rows.Detach();
    records.clear();
    ASSERT_EQ(rows.Count(), 2);
    const QStringList expected[] = {{"7", "7", "月", "高確S", "-21", "", ""},
                                    {"-", "-", "JAC(月)", "BIG!", "-6", "", ""}};
    for (int k = 0; k < 2; ++k) {
        QStringList texts;
        for (int list = 0; list < ResultRowLists::ListCount; ++list)
            texts << rows.Entry(list, k);
        EXPECT_EQ(texts, expected[k]) << k;
    }

    // Rows of other records, or out of order, are copied as they come.
    PlayRecords other;
    other.AppendRow(rowsIn[1]);
    other.AppendRow(rowsIn[0]);
    ResultRowLists mixed;
    mixed.Append(other, 1);
    mixed.Append(other, 0);
    EXPECT_EQ(mixed.Entry(2, 0), "月");
    EXPECT_EQ(mixed.Entry(2, 1), "JAC(月)");
    mixed.clear();
    EXPECT_EQ(mixed.Count(), 0);
    EXPECT_EQ(mixed.Capacity(), 0u);
}
