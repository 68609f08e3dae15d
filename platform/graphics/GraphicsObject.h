#pragma once

// Base of the graphics objects of the class library (pen, brush, font, picture): a persistent
// object that tells its owner when it changes. Setters write through SetProp, which calls
// the owner's handler after a change.
//
// Ownership: an object that holds graphics objects or drawing settings owns them as members
// (direct or std::unique_ptr) and gives each its change handler when it is made. A sub-object
// made on first use gets SubObjectHandler(), so its changes reach whatever handler the owner
// has at that time.

#include <utility>

#include "platform/Persistent.h"

class TGraphicsObject : public TPersistent
{
public:
    // The owner's handler, called after every change.
    TNotifyEvent OnChange;

protected:
    TGraphicsObject() = default;
    explicit TGraphicsObject(TNotifyEvent changeHandler) : OnChange(std::move(changeHandler)) {}

    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
    void PropertyChanged() override { Changed(); }

    // A handler for an owned sub-object: forwards its changes to this object's handler.
    TNotifyEvent SubObjectHandler()
    {
        return [this](TObject* sender) {
            if (OnChange)
                OnChange(sender);
        };
    }
};
