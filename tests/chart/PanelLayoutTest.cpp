// The panel's plot rectangle, settings, listeners and mouse entry points.
#include <gtest/gtest.h>

#include "chart/core/ChartException.h"
#include "chart/core/TeeCanvas3D.h"
#include "PanelTestSupport.h"

namespace {

TRect PlotRectOf(BackgroundPanel& panel)
{
    panel.Painted();
    return panel.PlotRect();
}

TEST(PanelPlotRect, PercentAndPixelMarginsOnTheDefaultPanel)
{
    BackgroundPanel panel;
    EXPECT_EQ(panel.Width(), 400);
    EXPECT_EQ(panel.Height(), 250);
    panel.SetBevelOuter(bvNone);
    // 3 % of 400 is 12, 4 % of 250 is 10.
    EXPECT_EQ(PlotRectOf(panel), TRect(12, 10, 388, 240));
    EXPECT_EQ(panel.PlotWidth(), 376);
    EXPECT_EQ(panel.PlotHeight(), 230);
    EXPECT_EQ(panel.PlotCenterX(), 200);
    EXPECT_EQ(panel.PlotCenterY(), 125);
    panel.SetMarginUnits(muPixels);
    EXPECT_EQ(PlotRectOf(panel), TRect(3, 4, 397, 246));
}

TEST(PanelPlotRect, BevelsBorderWidthAndBorderPenInsetIt)
{
    BackgroundPanel panel;
    panel.SetMarginUnits(muPixels);
    for (int i = 0; i < 4; ++i)
        panel.SetMargin(i, 0);
    // The default raised outer bevel of width 1.
    EXPECT_EQ(PlotRectOf(panel), TRect(1, 1, 399, 249));
    panel.SetBevelInner(bvLowered);
    panel.SetBevelWidth(2);
    panel.SetBorderWidth(3);
    panel.Border()->SetVisible(true);
    panel.Border()->SetWidth(4);
    // 3 + 2 + 2 + 4
    EXPECT_EQ(PlotRectOf(panel), TRect(11, 11, 389, 239));
}

TEST(PanelPlotRect, OversizedMarginsCollapseToOnePixelInsideThePanel)
{
    BackgroundPanel panel;
    panel.SetBevelOuter(bvNone);
    panel.SetMarginLeft(60);
    panel.SetMarginRight(60);
    panel.SetMarginTop(60);
    panel.SetMarginBottom(60);
    EXPECT_EQ(PlotRectOf(panel), TRect(240, 150, 241, 151));
    EXPECT_EQ(panel.PlotWidth(), 1);
    EXPECT_EQ(panel.PlotHeight(), 1);

    // Left and right meet: one pixel, not the width of the whole control beyond it.
    panel.SetMarginLeft(50);
    panel.SetMarginRight(50);
    EXPECT_EQ(PlotRectOf(panel).Right, 201);

    panel.SetMarginUnits(muPixels);
    panel.SetMarginLeft(1000);
    panel.SetMarginTop(1000);
    const TRect r = PlotRectOf(panel);
    EXPECT_EQ(r, TRect(399, 249, 400, 250));
}

TEST(PanelSettings, ThreeDPercentAcceptsOneToHundredOnly)
{
    BackgroundPanel panel;
    EXPECT_EQ(panel.Chart3DPercent(), 15);
    for (int bad : {0, 101, -5}) {
        try {
            panel.Set3DPercent(bad);
            ADD_FAILURE() << bad << " was accepted";
        } catch (const ChartException& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("3D effect percent must be between 1 and 100"));
        }
        EXPECT_EQ(panel.Chart3DPercent(), 15);
    }
    panel.Set3DPercent(1);
    EXPECT_EQ(panel.Chart3DPercent(), 1);
    panel.Set3DPercent(100);
    EXPECT_EQ(panel.Chart3DPercent(), 100);
}

TEST(PanelSettings, DefaultsOfTheFields)
{
    BackgroundPanel panel;
    EXPECT_TRUE(panel.SeparateSeriesDepth());
    EXPECT_TRUE(panel.RepaintEnabled());
    EXPECT_FALSE(panel.Border()->Visible());
    EXPECT_EQ(panel.Border()->EndStyle(), esFlat);
    EXPECT_EQ(panel.BorderRound(), 0);
    EXPECT_EQ(panel.MarginLeft(), 3);
    EXPECT_EQ(panel.MarginTop(), 4);
    EXPECT_EQ(panel.MarginRight(), 3);
    EXPECT_EQ(panel.MarginBottom(), 4);
    EXPECT_EQ(panel.MarginUnits(), muPercent);
    EXPECT_EQ(panel.PrintMargins(), TRect(15, 15, 15, 15));
    EXPECT_TRUE(panel.PrintProportional());
    EXPECT_EQ(panel.PrintShrinkPercent(), 0);
    EXPECT_TRUE(panel.View3D());
    EXPECT_EQ(panel.AllowPanning(), pmBoth);
    EXPECT_EQ(panel.BackImageMode(), pbmStretch);
    EXPECT_FALSE(panel.BackImageInside());
    EXPECT_FALSE(panel.HasGradient());
    EXPECT_FALSE(panel.BackImageTransp());
    EXPECT_FALSE(panel.Zoomed());
    EXPECT_EQ(panel.ControlStyle() & csSetCaption, 0u);
}

TEST(PanelSettings, SettersRepaintOnlyOnARealChange)
{
    BackgroundPanel panel;
    panel.Painted();
    const int draws = panel.draws;
    panel.SetMarginLeft(3);
    panel.SetView3D(true);
    panel.Update();
    EXPECT_EQ(panel.draws, draws);
    panel.SetMarginLeft(4);
    panel.Update();
    EXPECT_EQ(panel.draws, draws + 1);
    panel.SetRepaintEnabled(false);
    panel.SetMarginLeft(5);
    panel.Update();
    EXPECT_EQ(panel.draws, draws + 1);
}

TEST(PanelSettings, BorderStyleIsTheBorderVisibility)
{
    BackgroundPanel panel;
    EXPECT_EQ(panel.GetBorderStyle(), bsNone);
    panel.SetBorderStyle(bsSingle);
    EXPECT_TRUE(panel.Border()->Visible());
    panel.SetBorderStyle(bsDialog);
    EXPECT_FALSE(panel.Border()->Visible());
    TeeReadProperties(panel, QStringLiteral("BorderStyle=bsSingle"));
    EXPECT_TRUE(panel.Border()->Visible());
    TeeReadProperties(panel, QStringLiteral("BorderStyle=bsSizeable"));
    EXPECT_FALSE(panel.Border()->Visible());
}

TEST(PanelSettings, StoredPrintMarginsAndReadOnlyZoomNames)
{
    BackgroundPanel panel;
    EXPECT_FALSE(TeeWriteProperties(panel).contains(QStringLiteral("PrintMargins")));
    panel.SetPrintMargins(TRect(15, 15, 15, 20));
    EXPECT_TRUE(TeeWriteProperties(panel).contains(QStringLiteral("PrintMargins=15,15,15,20")));
    BackgroundPanel other;
    TeeReadProperties(other, QStringLiteral("PrintMargins=1,2,3,4\nAllowZoom=False\nAnimatedZoom=True\n"
                                            "AnimatedZoomSteps=5"));
    EXPECT_EQ(other.PrintMargins(), TRect(1, 2, 3, 4));
    EXPECT_FALSE(other.Zoom()->Allow());
    EXPECT_TRUE(other.Zoom()->Animated());
    EXPECT_EQ(other.GetAnimatedZoomSteps(), 5);
}

TEST(PanelSettings, AssignCopiesPanelSettings)
{
    BackgroundPanel a;
    a.SetMarginUnits(muPixels);
    a.SetMarginBottom(9);
    a.Set3DPercent(40);
    a.SetColor(clRed);
    a.Border()->SetVisible(true);
    a.Gradient()->SetVisible(true);
    a.Zoom()->SetMinimumPixels(3);
    a.Zoom()->SetDirection(tzdVertical);
    BackgroundPanel b;
    b.Assign(&a);
    EXPECT_EQ(b.MarginUnits(), muPixels);
    EXPECT_EQ(b.MarginBottom(), 9);
    EXPECT_EQ(b.Chart3DPercent(), 40);
    EXPECT_EQ(b.Color(), clRed);
    EXPECT_TRUE(b.Border()->Visible());
    ASSERT_TRUE(b.HasGradient());
    EXPECT_TRUE(b.Gradient()->Visible());
    EXPECT_EQ(b.Zoom()->Direction(), tzdVertical);
    EXPECT_EQ(b.Zoom()->MinimumPixels(), 16);
}

// ---- listeners ----

struct RecordingListener : ITeeEventListener {
    QStringList* log;
    QString name;
    bool cancel = false;
    RecordingListener(QStringList* l, QString n, bool c = false) : log(l), name(std::move(n)), cancel(c) {}
    void HandleTeeEvent(TTeeEvent* event) override
    {
        if (auto* mouse = dynamic_cast<TTeeMouseEvent*>(event)) {
            *log << QStringLiteral("%1 %2 %3,%4").arg(name).arg(int(mouse->Event)).arg(mouse->X).arg(mouse->Y);
            if (cancel)
                mouse->Sender->SetMouseCancelled(true);
        } else if (dynamic_cast<TTeeView3DEvent*>(event)) {
            *log << name + QStringLiteral(" view3d");
        }
    }
};

TEST(PanelListeners, ACancellingListenerStopsLaterOnesForThatEventOnly)
{
    BackgroundPanel panel;
    QStringList log;
    RecordingListener first(&log, "a"), canceller(&log, "b", true), last(&log, "c");
    EXPECT_EQ(panel.Listeners().Add(&first), 0);
    panel.Listeners().Add(&canceller);
    panel.Listeners().Add(&last);
    EXPECT_EQ(panel.Listeners().Add(&first), 0);
    EXPECT_EQ(panel.Listeners().Count(), 3);
    panel.MouseDown(mbLeft, 0, 5, 6);
    panel.MouseMove(0, 7, 8);
    EXPECT_EQ(log, QStringList({"a 0 5,6", "b 0 5,6", "a 2 7,8", "b 2 7,8"}));
    log.clear();
    canceller.cancel = false;
    panel.MouseUp(mbLeft, 0, 9, 9); // up does not clear the flag left by the move
    EXPECT_EQ(log, QStringList({"a 1 9,9"}));
    log.clear();
    panel.MouseMove(0, 1, 1);
    EXPECT_EQ(log, QStringList({"a 2 1,1", "b 2 1,1", "c 2 1,1"}));
    EXPECT_EQ(panel.Listeners().Remove(&canceller), 1);
    EXPECT_EQ(panel.Listeners().Remove(&canceller), -1);
}

TEST(PanelListeners, View3DChangeIsBroadcastOnce)
{
    BackgroundPanel panel;
    QStringList log;
    RecordingListener l(&log, "x");
    panel.Listeners().Add(&l);
    panel.SetView3D(false);
    panel.SetView3D(false);
    EXPECT_EQ(log, QStringList({"x view3d"}));
}

TEST(PanelListeners, TheUsersEventRunsBeforeTheListeners)
{
    BackgroundPanel panel;
    QStringList log;
    RecordingListener l(&log, "l");
    panel.Listeners().Add(&l);
    panel.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { log << "user"; };
    panel.SetMouseCancelled(true);
    panel.MouseDown(mbRight, 0, 2, 3);
    EXPECT_EQ(log, QStringList({"user", "l 0 2,3"}));
}

TEST(PanelMouse, LeavingRestoresTheSavedCursorAndEndsPanning)
{
    BackgroundPanel panel;
    panel.SetSavedCursor(crCross);
    panel.SetCursor(crHandPoint);
    panel.Panning()->Activate(3, 4);
    panel.MouseLeave();
    EXPECT_EQ(panel.Cursor(), crCross);
    EXPECT_FALSE(panel.Panning()->Active);
}

} // namespace
