#pragma once

// A scaled mapping on a device context for as long as the object lives: logical coordinates
// from (0, 0) to the window extent land on the device from (0, 0) to the viewport extent, as
// when a panel is printed at the page's resolution. The previous mapping comes back at the end.

#include <QRect>

class TDeviceContext;

class TDeviceMapping
{
public:
    TDeviceMapping(TDeviceContext* dc, int windowWidth, int windowHeight, int viewportWidth, int viewportHeight);
    ~TDeviceMapping();
    TDeviceMapping(const TDeviceMapping&) = delete;
    TDeviceMapping& operator=(const TDeviceMapping&) = delete;

private:
    TDeviceContext* FDC;
    QRect FWindow;
    QRect FViewport;
    bool FEnabled = false;
};
