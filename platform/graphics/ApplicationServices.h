#pragma once

// What chart code asks of the running application: let pending window messages through while
// it works, and show, move or cancel the hint window. The engine has no windows of its own, so
// it reaches them through the services installed here; the Qt ones live in platform/widgets.

#include <QString>

#include "platform/Types.h"

class TCustomControl;

class TApplicationServices
{
public:
    virtual ~TApplicationServices() = default;

    // Handles the window messages that are waiting, then returns.
    virtual void ProcessMessages() {}
    // Milliseconds the mouse rests before a hint shows; shared by every hint of the application.
    int HintPause() const { return FHintPause; }
    virtual void SetHintPause(int value) { FHintPause = value; }
    // Shows the control's hint text near the point (control coordinates) after the hint pause.
    virtual void ActivateHint(TCustomControl* /*control*/, TPoint /*point*/, const QString& /*hint*/) {}
    // Hides the hint that is shown or waiting.
    virtual void CancelHint() {}

private:
    int FHintPause = 500;
};

// The services in use; never null (without a window the base does nothing).
TApplicationServices& Application();
// Installs services (not owned); nullptr restores the base ones.
void SetApplicationServices(TApplicationServices* services);
