#include <gtest/gtest.h>

#include "app/BatchNaming.h"

TEST(BatchNaming, TagGoesBeforeTheFirstDotOfTheFileName)
{
    EXPECT_EQ(BatchFileName("/sim/run.sim", 4, 1000, 2), "/sim/run4_1000_2.sim");
    EXPECT_EQ(BatchFileName("/sim/run.sim", 6, 1000000, 10), "/sim/run6_1000000_10.sim");
    // Only the first dot of the name counts.
    EXPECT_EQ(BatchFileName("/sim/run.old.sim", 1, 5, 1), "/sim/run1_5_1.old.sim");
    EXPECT_EQ(BatchFileName("/sim/.sim", 1, 5, 1), "/sim/1_5_1.sim");
}

TEST(BatchNaming, DotsInFoldersStayWhereTheyAre)
{
    EXPECT_EQ(BatchFileName("/home/j.smith/run.sim", 4, 1000, 1), "/home/j.smith/run4_1000_1.sim");
    EXPECT_EQ(BatchFileName("/home/u/.local/share/run.sim", 2, 10, 3),
              "/home/u/.local/share/run2_10_3.sim");
    EXPECT_EQ(BatchFileName("/sim.d/run.sim", 4, 1000, 1), "/sim.d/run4_1000_1.sim");
    EXPECT_EQ(BatchFileName("./run.sim", 2, 10, 3), "./run2_10_3.sim");
    EXPECT_EQ(BatchFileName("/home/j.smith/run", 4, 1000, 1), "/home/j.smith/run4_1000_1");
}

TEST(BatchNaming, ANameWithoutADotGetsTheTagAtItsEnd)
{
    EXPECT_EQ(BatchFileName("/sim/run", 4, 1000, 1), "/sim/run4_1000_1");
    EXPECT_EQ(BatchFileName("run", 4, 1000, 1), "run4_1000_1");
    EXPECT_EQ(BatchFileName("", 4, 1000, 1), "4_1000_1");
}

TEST(BatchNaming, InitialDialogNameAndWideCharacters)
{
    EXPECT_EQ(BatchFileName("*.sim", 4, 1000, 1), "*4_1000_1.sim");
    // Characters, not bytes: the tag lands right after the last Japanese character.
    EXPECT_EQ(BatchFileName(QStringLiteral("/データ.d/試験.sim"), 3, 1000, 1),
              QStringLiteral("/データ.d/試験3_1000_1.sim"));
    EXPECT_EQ(BatchFileName(QStringLiteral("/sim/run.sim"), -1, 0, 0), "/sim/run-1_0_0.sim");
}
