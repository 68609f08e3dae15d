// The Qt application services: a tool tip at the control's point after the hint pause.
#include <QToolTip>
#include <gtest/gtest.h>

#include "platform/graphics/CustomControl.h"
#include "platform/widgets/ControlHost.h"
#include "platform/widgets/QtApplicationServices.h"

TEST(QtApplicationServices, HintAtTheControlsPointAfterThePause)
{
    TQtApplicationServices services;
    TCustomControl control(nullptr);
    TControlHost host;
    host.move(100, 50);
    host.resize(200, 100);
    host.SetControl(&control);
    host.show();

    // Off screen, or with the pause still running, nothing shows yet.
    TCustomControl unshown(nullptr);
    services.ActivateHint(&unshown, TPoint(1, 1), "nowhere");
    EXPECT_FALSE(services.HintWaiting());

    services.SetHintPause(100);
    services.ActivateHint(&control, TPoint(10, 20), "later");
    EXPECT_TRUE(services.HintWaiting());
    EXPECT_EQ(services.PendingPoint(), host.mapToGlobal(QPoint(10, 20)));
    services.CancelHint();
    EXPECT_FALSE(services.HintWaiting());

    services.SetHintPause(0);
    services.ActivateHint(&control, TPoint(10, 20), "now");
    EXPECT_FALSE(services.HintWaiting());
    EXPECT_EQ(QToolTip::text(), "now");
    services.CancelHint();
    host.SetControl(nullptr);
}
