// The control base paints into its back buffer without a window; the host widget shows that
// buffer and forwards input, moves without a button included.
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "platform/graphics/CustomControl.h"
#include "platform/graphics/CustomPanel.h"
#include "platform/widgets/ControlHost.h"

namespace {

class CountingControl : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    int paints = 0;
    int resizes = 0;
    QList<QString> input;

    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override
    {
        input << QStringLiteral("down %1 %2 %3,%4").arg(int(b)).arg(s).arg(x).arg(y);
    }
    void MouseUp(TMouseButton b, TShiftState, int x, int y) override
    {
        input << QStringLiteral("up %1 %2,%3").arg(int(b)).arg(x).arg(y);
    }
    void MouseMove(TShiftState s, int x, int y) override
    {
        input << QStringLiteral("move %1 %2,%3").arg(s).arg(x).arg(y);
    }
    void Click() override { input << QStringLiteral("click"); }
    void MouseLeave() override { input << QStringLiteral("leave"); }

protected:
    void Paint() override
    {
        ++paints;
        BackBuffer().fill(Qt::blue);
    }
    void Resize() override { ++resizes; }
};

QRgb Pixel(QWidget& w, int x, int y)
{
    return w.grab().toImage().pixel(x, y);
}

} // namespace

TEST(ControlBase, PaintsOnlyWhenStaleAndFollowsItsSize)
{
    CountingControl c(nullptr);
    c.SetBounds(0, 0, 30, 20);
    EXPECT_EQ(c.resizes, 1);
    c.Update();
    c.Update();
    EXPECT_EQ(c.paints, 1);
    EXPECT_EQ(c.BackBuffer().size(), QSize(30, 20));
    c.SetBounds(5, 5, 30, 20); // a move alone is no resize
    EXPECT_EQ(c.resizes, 1);
    EXPECT_FALSE(c.NeedsPaint());
    c.Invalidate();
    EXPECT_TRUE(c.NeedsPaint());
    c.Repaint();
    EXPECT_EQ(c.paints, 2);
    c.SetBounds(0, 0, 40, 10);
    c.Update();
    EXPECT_EQ(c.BackBuffer().size(), QSize(40, 10));
    EXPECT_EQ(c.paints, 3);
}

TEST(ControlBase, WheelGoesDownOrUpWhenTheEventLeavesItUnhandled)
{
    TCustomControl c(nullptr);
    QStringList seen;
    c.OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& h) { seen << "down"; h = true; };
    c.OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool&) { seen << "up"; };
    EXPECT_TRUE(c.DoMouseWheel(0, -120, TPoint()));
    EXPECT_FALSE(c.DoMouseWheel(0, 120, TPoint()));
    c.OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& h) { seen << "wheel"; h = true; };
    EXPECT_TRUE(c.DoMouseWheel(0, -120, TPoint()));
    EXPECT_EQ(seen, QStringList({"down", "up", "wheel"}));
}

TEST(ControlBase, PanelCaptionFollowsItsNameUntilSet)
{
    TCustomPanel p(nullptr);
    p.SetName(QStringLiteral("Chart1"));
    EXPECT_EQ(p.Caption(), QStringLiteral("Chart1"));
    p.SetControlStyle(p.ControlStyle() & ~csSetCaption);
    p.SetName(QStringLiteral("Chart2"));
    EXPECT_EQ(p.Caption(), QStringLiteral("Chart1"));
    EXPECT_EQ(p.BevelOuter(), bvRaised);
    EXPECT_EQ(p.BevelInner(), bvNone);
    EXPECT_EQ(p.BevelWidth(), 1);
}

TEST(ControlHost, ShowsTheBackBufferAndFeedbackDrawnIntoIt)
{
    TControlHost host;
    host.resize(40, 30);
    auto* c = new CountingControl(nullptr);
    host.SetControl(c, true);
    EXPECT_EQ(c->Width(), 40);
    EXPECT_EQ(Pixel(host, 10, 10), qRgb(0, 0, 255));
    const int paints = c->paints;
    {
        QPainter p(&c->BackBuffer());
        p.fillRect(0, 0, 5, 5, Qt::red);
    }
    c->ShowBackBuffer();
    EXPECT_EQ(Pixel(host, 2, 2), qRgb(255, 0, 0)); // blitted, not painted over
    EXPECT_EQ(c->paints, paints);
    c->Invalidate();
    EXPECT_EQ(Pixel(host, 2, 2), qRgb(0, 0, 255));
}

TEST(ControlHost, ForwardsMovesWithoutAButtonClicksAndLeaving)
{
    TControlHost host;
    host.resize(50, 50);
    EXPECT_TRUE(host.hasMouseTracking());
    CountingControl c(nullptr);
    host.SetControl(&c);
    const QPointF at(7, 9);
    QMouseEvent move(QEvent::MouseMove, at, host.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&host, &move);
    QMouseEvent press(QEvent::MouseButtonPress, at, host.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::ShiftModifier);
    QApplication::sendEvent(&host, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, host.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&host, &release);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&host, &leave);
    const QStringList expected = {"move 0 7,9", QStringLiteral("down 0 %1 7,9").arg(ssShift | ssLeft), "click",
                                  "up 0 7,9", "leave"};
    EXPECT_EQ(c.input, expected);
    host.SetControl(nullptr);
    EXPECT_EQ(c.Window(), nullptr);
}

TEST(ControlHost, ForgetsAControlFreedBeforeIt)
{
    TControlHost host;
    auto* c = new CountingControl(nullptr);
    host.SetControl(c);
    c->Free();
    EXPECT_EQ(host.Control(), nullptr);
}

namespace {

class CountingHost : public TControlHost
{
public:
    int requests = 0;
    void UpdateWindow() override
    {
        ++requests;
        TControlHost::UpdateWindow();
    }
};

} // namespace

TEST(ControlHost, AsksOnceForARepaintUntilItPaints)
{
    // A fill that invalidates for every point asks the window once; the window's paint
    // answers the request, and the next invalidation asks again.
    CountingHost host;
    host.resize(40, 30);
    auto* c = new CountingControl(nullptr);
    host.SetControl(c, true);
    host.show();
    QApplication::processEvents();
    const int paints = c->paints;
    host.requests = 0;
    for (int i = 0; i < 1000; ++i)
        c->Invalidate();
    EXPECT_EQ(host.requests, 1);
    QApplication::processEvents();
    EXPECT_EQ(c->paints, paints + 1);
    c->Invalidate();
    EXPECT_EQ(host.requests, 2);
    QApplication::processEvents();
    EXPECT_EQ(c->paints, paints + 2);
    // A paint while the control is hidden answers the request too.
    c->SetVisible(false);
    QApplication::processEvents();
    const int before = host.requests;
    c->Invalidate();
    c->Invalidate();
    EXPECT_EQ(host.requests, before + 1);
    QApplication::processEvents();
    c->Invalidate();
    EXPECT_EQ(host.requests, before + 2);
}
