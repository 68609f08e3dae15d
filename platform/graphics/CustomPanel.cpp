#include "platform/graphics/CustomPanel.h"

#include <algorithm>

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() | csOpaque);
}

void TCustomPanel::SetCaption(const QString& value)
{
    SetProp(FCaption, value);
}

void TCustomPanel::SetBevelInner(TBevelCut value)
{
    SetProp(FBevelInner, value);
}

void TCustomPanel::SetBevelOuter(TBevelCut value)
{
    SetProp(FBevelOuter, value);
}

void TCustomPanel::SetBevelWidth(int32_t value)
{
    SetProp(FBevelWidth, std::max(value, 1));
}

void TCustomPanel::SetBorderWidth(int32_t value)
{
    SetProp(FBorderWidth, std::max(value, 0));
}

void TCustomPanel::SetName(const QString& newName)
{
    const bool followsName = (ControlStyle() & csSetCaption) && FCaption == Name();
    TCustomControl::SetName(newName);
    if (followsName)
        SetCaption(newName);
}
