#include "chart/core/TeeShadow.h"

#include <algorithm>
#include <utility>

TTeeShadow::TTeeShadow(TNotifyEvent changeHandler) : OnChange(std::move(changeHandler)) {}

void TTeeShadow::SetColor(TColor value) { SetValue(FColor, value); }
void TTeeShadow::SetHorizSize(int32_t value) { SetValue(FHorizSize, value); }
void TTeeShadow::SetVertSize(int32_t value) { SetValue(FVertSize, value); }
void TTeeShadow::SetTransparency(TTeeTransparency value)
{
    // A percent: more than 100 would push blended pixels past the background.
    SetValue(FTransparency, std::min<TTeeTransparency>(value, 100));
}

void TTeeShadow::SetSize(int32_t value)
{
    SetHorizSize(value);
    SetVertSize(value);
}

void TTeeShadow::Assign(TPersistent* source)
{
    if (auto* s = dynamic_cast<TTeeShadow*>(source)) {
        FColor = s->FColor;
        FHorizSize = s->FHorizSize;
        FTransparency = s->FTransparency;
        FVertSize = s->FVertSize;
        return;
    }
    TPersistent::Assign(source);
}
