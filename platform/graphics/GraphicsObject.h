#pragma once

// Base of the graphics objects of the class library (pen, brush, font, picture): a persistent
// object that tells its owner when it changes. Setters write through SetProp, which calls
// the owner's handler after a change.

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
    void PropertyChanged() override { Changed(); }
};
