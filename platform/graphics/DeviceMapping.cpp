#include "platform/graphics/DeviceMapping.h"

#include <QPainter>
#include <algorithm>

#include "platform/graphics/DeviceContext.h"

TDeviceMapping::TDeviceMapping(TDeviceContext* dc, int windowWidth, int windowHeight, int viewportWidth,
                               int viewportHeight)
    : FDC(dc)
{
    QPainter* painter = FDC ? FDC->Painter() : nullptr;
    if (!painter)
        return;
    FWindow = painter->window();
    FViewport = painter->viewport();
    FEnabled = painter->viewTransformEnabled();
    painter->setWindow(0, 0, std::max(windowWidth, 1), std::max(windowHeight, 1));
    painter->setViewport(0, 0, std::max(viewportWidth, 1), std::max(viewportHeight, 1));
}

TDeviceMapping::~TDeviceMapping()
{
    QPainter* painter = FDC ? FDC->Painter() : nullptr;
    if (!painter)
        return;
    painter->setWindow(FWindow);
    painter->setViewport(FViewport);
    painter->setViewTransformEnabled(FEnabled);
}
