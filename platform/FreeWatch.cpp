#include "platform/FreeWatch.h"

#include <utility>

TFreeWatch::TFreeWatch(TComponent* watched, std::function<void()> onFreed)
    : TComponent(nullptr), FWatched(watched), FOnFreed(std::move(onFreed))
{
    if (FWatched)
        FWatched->FreeNotification(this);
}

void TFreeWatch::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove || !AComponent || AComponent != FWatched)
        return;
    FWatched = nullptr;
    if (FOnFreed)
        FOnFreed();
}
