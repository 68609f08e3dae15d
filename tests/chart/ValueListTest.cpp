#include <gtest/gtest.h>

#include "SeriesTestChart.h"
#include "platform/TeeFiler.h"

namespace {

QList<double> Values(const TChartValueList& list)
{
    QList<double> v;
    for (int i = 0; i < list.Count(); ++i)
        v.append(list[i]);
    return v;
}

// A list of a bare series, filled in the given order.
TChartValueList* Filled(TChartSeries& owner, TChartListOrder order, std::initializer_list<double> values)
{
    auto* list = new TChartValueList(&owner, "Test");
    list->SetOrder(order);
    for (double v : values)
        list->AddChartValue(v);
    return list;
}

TEST(ValueList, AscendingInsertGoesAfterEqualValues)
{
    TChartSeries owner(nullptr);
    TChartValueList* list = Filled(owner, loAscending, {1, 3, 5});
    EXPECT_EQ(list->AddChartValue(3), 2);
    EXPECT_EQ(Values(*list), (QList<double>{1, 3, 3, 5}));
    EXPECT_EQ(list->AddChartValue(0), 0);
    EXPECT_EQ(list->AddChartValue(5), 5); // equal to the last: appended
    EXPECT_EQ(Values(*list), (QList<double>{0, 1, 3, 3, 5, 5}));
}

TEST(ValueList, DescendingInsertGoesAfterEqualValues)
{
    TChartSeries owner(nullptr);
    TChartValueList* list = Filled(owner, loDescending, {5, 3, 1});
    EXPECT_EQ(list->AddChartValue(3), 2);
    EXPECT_EQ(list->AddChartValue(9), 0);
    EXPECT_EQ(list->AddChartValue(0), 5);
    EXPECT_EQ(Values(*list), (QList<double>{9, 5, 3, 3, 1, 0}));
}

TEST(ValueList, UnorderedAppends)
{
    TChartSeries owner(nullptr);
    TChartValueList* list = Filled(owner, loNone, {5, 1, 3});
    EXPECT_EQ(Values(*list), (QList<double>{5, 1, 3}));
}

TEST(ValueList, StatisticsFollowChanges)
{
    TChartSeries owner(nullptr);
    TChartValueList* list = Filled(owner, loNone, {4, -2, 7, 1});
    EXPECT_EQ(list->MinValue(), -2);
    EXPECT_EQ(list->MaxValue(), 7);
    EXPECT_EQ(list->Total(), 10);
    EXPECT_EQ(list->TotalABS(), 14);
    EXPECT_EQ(list->Range(), 9);
    list->SetValue(0, 10);
    EXPECT_EQ(list->MaxValue(), 10);
    EXPECT_EQ(list->Total(), 16);
    list->Delete(0);
    EXPECT_EQ(list->MaxValue(), 7);
    list->ClearValues();
    EXPECT_EQ(list->MaxValue(), 0);
    EXPECT_EQ(list->MinValue(), 0);
    EXPECT_EQ(list->Total(), 0);
}

TEST(ValueList, MinimumFromTheFirstValueWhenLaterOnesOnlyRise)
{
    TChartSeries owner(nullptr);
    TChartValueList* list = Filled(owner, loNone, {3, 4, 5});
    EXPECT_EQ(list->MinValue(), 3);
    EXPECT_EQ(list->MaxValue(), 5);
}

TEST(ValueList, Locate)
{
    TChartSeries owner(nullptr);
    TChartValueList* list = Filled(owner, loNone, {1, 2, 2});
    EXPECT_EQ(list->Locate(2.0), 1);
    EXPECT_EQ(list->Locate(2.5), -1);
    EXPECT_EQ(list->Locate(1.0), 0);
}

TEST(ValueList, CapacityGrowsAtLeastByTheDefaultAndKeepsItOnClear)
{
    TChartSeries owner(nullptr);
    auto* list = new TChartValueList(&owner, "Test");
    for (int i = 0; i < 1000; ++i)
        list->AddChartValue(i);
    EXPECT_EQ(list->Capacity(), 1000);
    list->AddChartValue(1000);
    EXPECT_EQ(list->Capacity(), 2000);
    for (int i = 0; i < 1000; ++i)
        list->AddChartValue(i);
    EXPECT_EQ(list->Capacity(), 4000); // doubling keeps appends amortised constant
    list->ClearValues();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->Capacity(), 4000);
}

TEST(ValueList, ReserveTakesRoomOnceAndGivesBackRoomFarBeyondTheNeed)
{
    TChartSeries owner(nullptr);
    auto* list = new TChartValueList(&owner, "Test");
    list->Reserve(50000);
    EXPECT_EQ(list->Capacity(), 50000);
    for (int i = 0; i < 50000; ++i)
        list->AddChartValue(i);
    EXPECT_EQ(list->Capacity(), 50000);
    EXPECT_EQ(list->GetValue(49999), 49999);
    // Never below the values held, whatever is asked.
    list->Reserve(10);
    EXPECT_EQ(list->Capacity(), 50000);
    // After a clear, room more than four times the need (and past 4096 values) goes back ...
    list->ClearValues();
    list->Reserve(12500);
    EXPECT_EQ(list->Capacity(), 50000);
    list->Reserve(12499);
    EXPECT_EQ(list->Capacity(), 12499);
    // Within four times 4096 values nothing is given back, however small the need.
    list->Reserve(100);
    EXPECT_EQ(list->Capacity(), 12499);
    // ... and values held survive a shrink.
    list->Reserve(20000);
    for (int i = 0; i < 3; ++i)
        list->AddChartValue(i * 1.5);
    list->Reserve(3);
    EXPECT_EQ(list->Capacity(), 3);
    EXPECT_EQ(Values(*list), (QList<double>{0, 1.5, 3}));
}

TEST(ValueList, DeleteRangesAreCutToTheList)
{
    TChartSeries owner(nullptr);
    TChartValueList* list = Filled(owner, loNone, {0, 1, 2, 3, 4});
    list->Delete(3, 10);
    EXPECT_EQ(Values(*list), (QList<double>{0, 1, 2}));
    list->Delete(-1);
    list->Delete(3);
    EXPECT_EQ(Values(*list), (QList<double>{0, 1, 2}));
    list->Delete(0, 2);
    EXPECT_EQ(Values(*list), (QList<double>{2}));
}

TEST(ValueList, ScrollRotatesWithoutTouchingStatistics)
{
    TChartSeries owner(nullptr);
    TChartValueList* list = Filled(owner, loNone, {1, 2, 3});
    EXPECT_EQ(list->MaxValue(), 3);
    list->Scroll();
    EXPECT_EQ(Values(*list), (QList<double>{2, 3, 1}));
    list->FillSequence();
    EXPECT_EQ(Values(*list), (QList<double>{0, 1, 2}));
    EXPECT_EQ(list->MaxValue(), 2);
}

TEST(ValueList, AssignCopiesSettingsNotValuesNorName)
{
    TChartSeries owner(nullptr);
    TChartValueList* source = Filled(owner, loDescending, {1, 2});
    source->SetName("Source");
    source->InitDateTime(true);
    TChartValueList* target = Filled(owner, loNone, {7});
    target->SetName("Target");
    target->Assign(source);
    EXPECT_EQ(target->Order(), loDescending);
    EXPECT_TRUE(target->DateTime());
    EXPECT_EQ(target->Name(), "Target");
    EXPECT_EQ(Values(*target), (QList<double>{7}));
}

TEST(ValueList, SortMovesEveryListOfTheSeriesTogether)
{
    TChartSeries s(nullptr);
    s.XValues()->SetOrder(loNone);
    s.AddXY(3, 30, "c");
    s.AddXY(1, 10, "a");
    s.AddXY(2, 20, "b", clRed);
    s.XValues()->SetOrder(loAscending);
    s.XValues()->Sort();
    EXPECT_EQ(Points(s), (QList<std::pair<double, double>>{{1, 10}, {2, 20}, {3, 30}}));
    EXPECT_EQ(s.XLabel(0), "a");
    EXPECT_EQ(s.XLabel(2), "c");
    EXPECT_EQ(s.ValueColor(1), clRed);
}

TEST(ValueList, StoredPropertiesRoundTripAndMultiplierIsReported)
{
    TChartSeries owner(nullptr);
    TChartValueList* list = Filled(owner, loDescending, {});
    list->SetName("Pie");
    list->SetDateTime(true);
    const QString text = TeeWriteProperties(*list);
    TChartValueList* read = Filled(owner, loNone, {});
    TeeReadProperties(*read, text);
    EXPECT_EQ(read->Order(), loDescending);
    EXPECT_EQ(read->Name(), "Pie");
    EXPECT_TRUE(read->DateTime());

    static QString shown;
    shown.clear();
    TeeMessageUserHandler = [](const QString& t) { shown = t; };
    TeeReadProperties(*read, "Multiplier=1");
    EXPECT_TRUE(shown.isEmpty());
    TeeReadProperties(*read, "Multiplier=2.5");
    TeeMessageUserHandler = nullptr;
    EXPECT_EQ(shown, QStringLiteral("Error: Multiplier property is obsolete.\rModify the library settings (enable "
                                    "Multiplier) and recompile."));
    EXPECT_FALSE(TeeWriteProperties(*read).contains("Multiplier"));
}

} // namespace
