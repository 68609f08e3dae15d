#pragma once

// Base of the drawing settings of the class library (pen, brush, font, picture): a persistent
// object that tells its owner when it changes.
// These stand in for the graphics classes that the platform layer does not provide yet.

#include "platform/Persistent.h"

class TGraphicsObject : public TPersistent
{
public:
    // The owner's handler, called after every change.
    TNotifyEvent OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
};
