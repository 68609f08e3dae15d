#include "chart/core/TeeEventListeners.h"

int TTeeEventListeners::Add(ITeeEventListener* listener)
{
    const int existing = IndexOf(listener);
    if (existing >= 0)
        return existing;
    FItems.append(listener);
    return Count() - 1;
}

int TTeeEventListeners::Remove(ITeeEventListener* listener)
{
    const int index = IndexOf(listener);
    if (index >= 0)
        FItems.removeAt(index);
    return index;
}
