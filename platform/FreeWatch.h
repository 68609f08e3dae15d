#pragma once

// Tells a holder that is no component (a form, a reading under way) when one component is
// freed: the watch takes the component's free notification on the holder's behalf and runs
// onFreed once, as the component goes. Freeing the watch drops the link.

#include <functional>

#include "platform/Component.h"

class TFreeWatch : public TComponent
{
public:
    TFreeWatch(TComponent* watched, std::function<void()> onFreed);

    // The component watched; null once it was freed.
    TComponent* Watched() const { return FWatched; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TComponent* FWatched;
    std::function<void()> FOnFreed;
};
