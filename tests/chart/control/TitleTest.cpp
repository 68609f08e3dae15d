// Text blocks of the chart: where the lines go and how much room each block takes.

#include <gtest/gtest.h>

#include "chart/components/ChartTitle.h"
#include "chart/core/CustomTeePanel.h"
#include "tests/chart/support/RecordingCanvas.h"

namespace {

class TitlePanel : public TCustomTeePanelExtended
{
public:
    TitlePanel() : TCustomTeePanelExtended(nullptr)
    {
        SetBounds(0, 0, 500, 400);
        canvas = new TRecordingCanvas();
        SetInternalCanvas(canvas);
        SetPlotRect(TRect(10, 20, 410, 320));
    }
    void InternalDraw(const TRect&) override {}
    TRecordingCanvas* canvas;
};

std::vector<std::pair<TPoint, QString>> Texts(const TRecordingCanvas& c)
{
    std::vector<std::pair<TPoint, QString>> out;
    for (const TCanvasCall* call : c.Find("TextOut"))
        out.emplace_back(call->Points.at(0), call->Text);
    return out;
}

} // namespace

TEST(ChartTitle, TwoLineFootPrintsItsFirstLineLowestAndTakesItsRoomFromTheBottom)
{
    TitlePanel panel;
    TChartFootTitle foot(&panel);
    foot.Text()->Add("ab");
    foot.Text()->Add("cdef");
    foot.DrawTitle();
    // Frame pen 1: block from 296-1 to 321, "W" 6 wide, widest line 24: frame width 31
    // centred on 210.
    EXPECT_EQ(foot.ShapeRect, TRect(195, 295, 225, 321));
    const auto texts = Texts(*panel.canvas);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].second, "ab");
    EXPECT_EQ(texts[0].first, TPoint(204, 308));
    EXPECT_EQ(texts[1].second, "cdef");
    EXPECT_EQ(texts[1].first, TPoint(198, 296));
    // 321 - (5 + 1) - 2 * 12
    EXPECT_EQ(panel.PlotRect(), TRect(10, 20, 410, 291));
    EXPECT_EQ(panel.PlotHeight(), 271);
}

TEST(ChartTitle, HeadBlockSitsBelowItsFrameAndMovesTheChartTopDown)
{
    TitlePanel panel;
    TChartTitle title(&panel);
    title.Text()->Add("Hello");
    title.DrawTitle();
    EXPECT_EQ(title.ShapeRect, TRect(192, 20, 228, 34));
    const auto texts = Texts(*panel.canvas);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].first, TPoint(195, 21));
    EXPECT_EQ(panel.PlotRect().Top, 40);

    // An opaque block adds its shadow's height to the gap.
    TitlePanel opaque;
    TChartTitle t2(&opaque);
    t2.Text()->Add("Hello");
    t2.SetTransparent(false);
    t2.DrawTitle();
    EXPECT_EQ(opaque.PlotRect().Top, 40 + t2.Shadow()->VertSize());
    EXPECT_GT(t2.Shadow()->VertSize(), 0);
}

TEST(ChartTitle, AlignmentBevelAndDefaultColouredFrame)
{
    TitlePanel panel;
    TChartTitle left(&panel);
    left.Text()->Add("abc");
    left.SetAlignment(taLeftJustify);
    left.SetBevel(bvRaised); // bevel width 2 replaces the frame pen
    left.DrawTitle();
    // bounds (10, 22, 410, 34) grown by 2; m = 6 + 2 + 18 = 26.
    EXPECT_EQ(left.ShapeRect, TRect(8, 20, 34, 36));
    EXPECT_EQ(Texts(*panel.canvas).at(0).first, TPoint(11, 22));
    EXPECT_EQ(panel.PlotRect().Top, 36 + 5 + 2);

    TitlePanel p2;
    TChartTitle right(&p2);
    right.Text()->Add("abc");
    right.SetAlignment(taRightJustify);
    right.Frame()->SetColor(clDefault); // a default-coloured frame takes no room
    right.DrawTitle();
    EXPECT_EQ(right.ShapeRect, TRect(410 - 24, 20, 410, 32));
    EXPECT_EQ(Texts(*p2.canvas).at(0).first, TPoint(410 - 18 - 3, 20));
    EXPECT_EQ(p2.PlotRect().Top, 37);

    TitlePanel p3;
    TChartTitle wide(&p3);
    wide.Text()->Add("abc");
    wide.SetAdjustFrame(false);
    wide.DrawTitle();
    EXPECT_EQ(wide.ShapeRect.Left, 9);
    EXPECT_EQ(wide.ShapeRect.Right, 411);
}

TEST(ChartTitle, CustomPositionAndEmptyOrHiddenBlocks)
{
    TitlePanel panel;
    TChartTitle title(&panel);
    title.Text()->Add("abcd");
    EXPECT_FALSE(title.CustomPosition());
    title.SetLeft(100);
    EXPECT_TRUE(title.CustomPosition());
    title.SetTop(50);
    title.DrawTitle();
    // Sized to the text at its own corner: m = 6 + 1 + 24 = 31, centred: 115 -/+ 15.
    EXPECT_EQ(title.ShapeRect, TRect(100, 50, 130, 62));
    EXPECT_EQ(panel.PlotRect(), TRect(10, 20, 410, 320));
    EXPECT_TRUE(title.Clicked(100, 50));
    EXPECT_FALSE(title.Clicked(130, 50));

    TitlePanel p2;
    TChartTitle empty(&p2);
    empty.DrawTitle();
    TChartFootTitle hidden(&p2);
    hidden.Text()->Add("x");
    hidden.SetVisible(false);
    hidden.DrawTitle();
    EXPECT_TRUE(p2.canvas->Calls.empty());
    EXPECT_EQ(p2.PlotRect(), TRect(10, 20, 410, 320));
    EXPECT_FALSE(hidden.Clicked(hidden.ShapeRect.Left, hidden.ShapeRect.Top));
}

TEST(ChartTitle, DefaultsAndAssignment)
{
    TitlePanel panel;
    TChartTitle title(&panel);
    TChartFootTitle foot(&panel);
    EXPECT_TRUE(title.IsHead());
    EXPECT_FALSE(foot.IsHead());
    EXPECT_TRUE(title.Transparent());
    EXPECT_EQ(title.Font()->Color(), clBlue);
    EXPECT_EQ(foot.Font()->Color(), clRed);
    EXPECT_EQ(foot.Font()->Style(), TFontStyles{fsItalic});
    EXPECT_EQ(title.Alignment(), taCenter);
    EXPECT_TRUE(title.AdjustFrame());

    foot.Text()->Add("one");
    foot.SetAlignment(taLeftJustify);
    foot.SetLeft(7);
    foot.SetTop(9);
    title.Assign(&foot);
    EXPECT_EQ(title.Text()->Count(), 1);
    EXPECT_EQ(title.Alignment(), taLeftJustify);
    EXPECT_TRUE(title.CustomPosition());
    EXPECT_EQ(title.Left(), 7);
    EXPECT_EQ(title.Top(), 9);
    EXPECT_TRUE(title.IsHead()); // the block's side is its own

    // Round trip of the stored text.
    TChartTitle copy(&panel);
    TeeReadProperties(copy, TeeWriteProperties(title));
    EXPECT_EQ(copy.Text()->Strings(0), "one");
    EXPECT_EQ(copy.Alignment(), taLeftJustify);
    EXPECT_EQ(copy.Left(), 7);
}
