// What a stored text costs stays in proportion to it: its counts together make at most
// 100,000 objects, and many components are read in one pass.

#include <gtest/gtest.h>

#include "chart/components/Chart.h"
#include "chart/components/TeeTools.h"
#include "platform/TeeFiler.h"
#include "tests/HangGuard.h"

namespace {

TEST(StoredBounds, TheCountsOfOneTextShareOneAllowance)
{
    TComponent owner(nullptr);
    TChart chart(&owner);
    TeeReadProperties(chart, "CustomAxes.Count=300\n"
                             "Components.Count=3\n"
                             "Components.0.Class=TDrawLineTool\nComponents.0.Lines.Count=60000\n"
                             "Components.1.Class=TDrawLineTool\nComponents.1.Lines.Count=60000\n"
                             "Components.2.Class=TDrawLineTool\nComponents.2.Lines.Count=60000\n");
    // 300 axes, a tool and its 60,000 lines, a tool and what is left of 100,000: 39,698
    // lines; nothing is left for the third tool.
    EXPECT_EQ(chart.CustomAxes()->Count(), 300);
    ASSERT_EQ(chart.Tools()->Count(), 2);
    EXPECT_EQ(static_cast<TDrawLineTool*>(chart.Tools()->Get(0))->Lines()->Count(), 60000);
    EXPECT_EQ(static_cast<TDrawLineTool*>(chart.Tools()->Get(1))->Lines()->Count(), 39698);
}

// Ten thousand components at most, whatever the allowance of objects has left.
TEST(StoredBounds, OneTextMakesTenThousandComponentsAtMost)
{
    QString text = QStringLiteral("Components.Count=10002\n");
    for (int i = 0; i < 10002; ++i)
        text += QStringLiteral("Components.%1.Class=TColorBandTool\n").arg(i);
    TComponent owner(nullptr);
    TChart chart(&owner);
    TeeReadProperties(chart, text);
    EXPECT_EQ(chart.Tools()->Count(), 10000);
}

// Each line is found among the saved names by one search, not by a look at all of them.
TEST(StoredBounds, ManyStoredObjectsAreReadInOnePass)
{
    QString text = QStringLiteral("Components.Count=1\nComponents.0.Class=TDrawLineTool\n"
                                  "Components.0.Lines.Count=99999\n");
    for (int i = 0; i < 99999; ++i)
        text += QStringLiteral("Components.0.Lines.%1.X0=%1\n").arg(i);
    HangGuard guard("reading 99,999 stored lines", std::chrono::seconds(30));
    TComponent owner(nullptr);
    TChart chart(&owner);
    TeeReadProperties(chart, text);
    ASSERT_EQ(chart.Tools()->Count(), 1);
    TDrawLines* lines = static_cast<TDrawLineTool*>(chart.Tools()->Get(0))->Lines();
    ASSERT_EQ(lines->Count(), 99999);
    EXPECT_EQ(lines->Get(99998)->X0(), 99998);
}

} // namespace
