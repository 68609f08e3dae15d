// A panel shown by the host widget: it follows the window's size, its rounded border becomes
// the window's region, and feedback drawn into its back buffer reaches the screen.
#include <QBitmap>
#include <gtest/gtest.h>

#include "chart/core/TeeBitmaps.h"
#include "chart/core/TeeCanvas3D.h"
#include "platform/graphics/SystemColors.h"
#include "platform/widgets/ControlHost.h"
#include "PanelTestSupport.h"

namespace {

TEST(PanelWindow, FollowsTheWindowSizeAndPaintsThroughResizes)
{
    TControlHost host;
    host.resize(300, 200);
    auto* panel = new BackgroundPanel;
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clYellow);
    host.SetControl(panel, true);
    EXPECT_EQ(panel->Width(), 300);
    QImage shot = host.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(300, 200));
    EXPECT_EQ(shot.pixel(299, 199), qRgb(255, 255, 0));
    host.resize(500, 320); // the back buffer is replaced while its canvas is open
    shot = host.grab().toImage();
    EXPECT_EQ(panel->BackBuffer().size(), QSize(500, 320));
    EXPECT_EQ(shot.pixel(499, 319), qRgb(255, 255, 0));
    EXPECT_EQ(panel->PlotRect().Right, 500 - 15);
}

TEST(PanelWindow, RoundedBorderBecomesTheWindowRegion)
{
    TControlHost host;
    host.resize(200, 100);
    auto* panel = new BackgroundPanel;
    panel->SetBorderRound(40); // before it has a window
    host.SetControl(panel, true);
    ASSERT_FALSE(host.mask().isEmpty());
    EXPECT_FALSE(host.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(host.mask().contains(QPoint(100, 50)));
    EXPECT_TRUE(host.mask().contains(QPoint(100, 0)));
    host.show(); // a hidden widget keeps its resize for later
    host.resize(300, 100);
    EXPECT_TRUE(host.mask().contains(QPoint(290, 50)));
    EXPECT_FALSE(host.mask().contains(QPoint(299, 0)));
    panel->SetBorderRound(0);
    EXPECT_TRUE(host.mask().isEmpty());
}

TEST(PanelWindow, ZoomRectangleReachesTheScreenWithoutARedraw)
{
    TControlHost host;
    host.resize(200, 150);
    auto* panel = new BackgroundPanel;
    panel->SetColor(clBlack);
    host.SetControl(panel, true);
    host.grab();
    const int draws = panel->draws;
    panel->Zoom()->Activate(20, 20);
    panel->Zoom()->X1 = 120;
    panel->Zoom()->Y1 = 90;
    panel->DrawZoomRectangle();
    EXPECT_EQ(host.grab().toImage().pixel(20, 50), qRgb(255, 255, 255));
    panel->DrawZoomRectangle();
    EXPECT_EQ(host.grab().toImage().pixel(20, 50), qRgb(0, 0, 0));
    EXPECT_EQ(panel->draws, draws);
}

} // namespace

namespace {

TEST(PanelWindow, ShowsTheChartsHandCursorAndStandardOnes)
{
    TControlHost host;
    auto* panel = new BackgroundPanel;
    host.SetControl(panel, true);
    ASSERT_TRUE(TeeHasScreenCursor(HandCursorId));
    panel->SetCursor(HandCursorId);
    EXPECT_NE(host.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(host.cursor().shape(), TeeScreenCursor(HandCursorId).shape());
    panel->SetCursor(crCross);
    EXPECT_EQ(host.cursor().shape(), Qt::CrossCursor);
    panel->MouseLeave(); // back to the saved design cursor
    EXPECT_EQ(host.cursor().shape(), Qt::ArrowCursor);
}

} // namespace
