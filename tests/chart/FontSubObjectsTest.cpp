// Assigning one chart font to another: the outline, shadow and gradient follow the source,
// so a sub-object the source lacks is freed in the target, and one it has is copied, never
// shared, and reports to the target's owner.
#include <gtest/gtest.h>

#include "chart/core/TeeFont.h"

namespace {

struct Changes {
    int count = 0;
    TNotifyEvent Handler()
    {
        return [this](TObject*) { ++count; };
    }
};

TEST(FontSubObjects, SourceWithoutOutlineFreesTheTargetsOutline)
{
    TTeeFont source;
    TTeeFont target;
    target.OutLine()->SetVisible(true);
    target.OutLine()->SetWidth(3);
    target.OutLine()->SetColor(clRed);
    ASSERT_TRUE(target.HasOutLine());

    target.Assign(&source);
    EXPECT_FALSE(target.HasOutLine());
    // Read again, it is a new outline with the hidden pen's defaults.
    EXPECT_FALSE(target.OutLine()->Visible());
    EXPECT_EQ(target.OutLine()->Width(), 1);
    EXPECT_EQ(target.OutLine()->Color(), clBlack);
    EXPECT_FALSE(source.HasOutLine()); // reading the source's never made one
}

TEST(FontSubObjects, SourceWithoutShadowOrGradientFreesThemToo)
{
    TTeeFont source;
    TTeeFont target;
    target.Shadow()->SetSize(5);
    target.Gradient()->SetVisible(true);
    target.Assign(&source);
    EXPECT_FALSE(target.HasShadow());
    EXPECT_FALSE(target.HasGradient());
    EXPECT_EQ(target.Shadow()->Size(), 0);
    EXPECT_FALSE(target.Gradient()->Visible());
}

TEST(FontSubObjects, OutlineIsCopiedAndReportsToTheTargetsOwner)
{
    Changes sourceChanges, targetChanges;
    TTeeFont source(sourceChanges.Handler());
    TTeeFont target(targetChanges.Handler());
    source.OutLine()->SetVisible(true);
    source.OutLine()->SetWidth(2);
    source.OutLine()->SetColor(clBlue);

    target.Assign(&source);
    ASSERT_TRUE(target.HasOutLine());
    EXPECT_NE(target.OutLine(), source.OutLine());
    EXPECT_TRUE(target.OutLine()->Visible());
    EXPECT_EQ(target.OutLine()->Width(), 2);
    EXPECT_EQ(target.OutLine()->Color(), clBlue);

    const int sourceBefore = sourceChanges.count;
    const int targetBefore = targetChanges.count;
    target.OutLine()->SetWidth(4);
    EXPECT_EQ(targetChanges.count, targetBefore + 1);
    EXPECT_EQ(sourceChanges.count, sourceBefore);
    EXPECT_EQ(source.OutLine()->Width(), 2);
}

TEST(FontSubObjects, SettingNoOutlineFreesItAndSettingOneCopiesIt)
{
    TTeeFont font;
    font.OutLine()->SetVisible(true);
    font.SetOutLine(nullptr);
    EXPECT_FALSE(font.HasOutLine());

    TChartHiddenPen pen;
    pen.SetVisible(true);
    pen.SetWidth(6);
    font.SetOutLine(&pen);
    ASSERT_TRUE(font.HasOutLine());
    EXPECT_NE(font.OutLine(), &pen);
    EXPECT_TRUE(font.OutLine()->Visible());
    EXPECT_EQ(font.OutLine()->Width(), 6);
}

} // namespace
