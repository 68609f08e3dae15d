#include "chart/core/TeeShadow.h"

#include <algorithm>
#include <utility>

TTeeShadow::TTeeShadow(TNotifyEvent changeHandler) : OnChange(std::move(changeHandler)) {}

void TTeeShadow::SetColor(TColor value) { SetProp(FColor, value); }
void TTeeShadow::SetHorizSize(int32_t value) { SetProp(FHorizSize, value); }
void TTeeShadow::SetVertSize(int32_t value) { SetProp(FVertSize, value); }
void TTeeShadow::SetTransparency(TTeeTransparency value)
{
    // A percent: more than 100 would push blended pixels past the background.
    SetProp(FTransparency, std::min<TTeeTransparency>(value, 100));
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

void TTeeShadow::DefineProperties(TTeeFiler& filer)
{
    TeeDefineColor(filer, "Color", FColor, TeeStored(IsColorStored()), [this](TColor v) { SetColor(v); });
    TeeDefineInt(filer, "HorizSize", FHorizSize, TeeStored(IsHorizSizeStored()), [this](int32_t v) { SetHorizSize(v); });
    filer.DefineProperty(
        "Transparency",
        [this](const QString& v) { SetTransparency(static_cast<TTeeTransparency>(std::clamp<int64_t>(TeeTextInt(v), 0, 100))); },
        [this] { return TeeIntText(FTransparency); }, IsTransparencyStored());
    TeeDefineInt(filer, "VertSize", FVertSize, TeeStored(IsVertSizeStored()), [this](int32_t v) { SetVertSize(v); });
}
