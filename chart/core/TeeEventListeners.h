#pragma once

// Events that a chart panel sends to its listeners (tools, the legend, other panels), and the
// list of listeners.

#include <QList>

#include "platform/graphics/ControlTypes.h"

class TCustomTeePanel;

// The base of every panel event; Sender is the panel that broadcasts it.
class TTeeEvent
{
public:
    virtual ~TTeeEvent() = default;
    TCustomTeePanel* Sender = nullptr;
};

enum TTeeMouseEventKind { meDown, meUp, meMove };

class TTeeMouseEvent : public TTeeEvent
{
public:
    TTeeMouseEventKind Event = meDown;
    TMouseButton Button = mbLeft;
    TShiftState Shift = 0;
    int X = 0;
    int Y = 0;
};

// The panel's View3D changed.
class TTeeView3DEvent : public TTeeEvent
{
};

class ITeeEventListener
{
public:
    virtual ~ITeeEventListener() = default;
    virtual void HandleTeeEvent(TTeeEvent* event) = 0;
};

// The receivers of a panel's events, held without ownership.
class TTeeEventListeners
{
public:
    // Adds listener once; an already listed one gives its index.
    int Add(ITeeEventListener* listener);
    ITeeEventListener* Get(int index) const { return FItems.at(index); }
    // The index it had, -1 when it was not listed.
    int Remove(ITeeEventListener* listener);
    int Count() const { return static_cast<int>(FItems.size()); }
    int IndexOf(ITeeEventListener* listener) const { return static_cast<int>(FItems.indexOf(listener)); }
    void Clear() { FItems.clear(); }

private:
    QList<ITeeEventListener*> FItems;
};
